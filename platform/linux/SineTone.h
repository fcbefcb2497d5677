#pragma once

#include <QByteArray>

namespace platform {

// Signed 16-bit mono samples at 44.1 kHz, faded in and out over 5 ms so that the tone starts
// and ends without a click.
QByteArray sineTone(int frequencyHz, int durationMs);

} // namespace platform
