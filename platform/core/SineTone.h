#pragma once

#include <QByteArray>

namespace platform {

constexpr int kToneSampleRate = 44100;

// Signed 16-bit mono samples at kToneSampleRate, faded in and out over 5 ms so that the tone starts
// and ends without a click.
QByteArray sineTone(int frequencyHz, int durationMs);

} // namespace platform
