#pragma once

#include <cstdint>

class QKeyEvent;

// The character code a key types, as a program of the system's own would see it: 27 for Esc, 32 for
// Space, 13 for Enter; 0 for a key that types none (arrows, function keys) or one beyond 16 bits.
int16_t typedCharacter(const QKeyEvent& event);
