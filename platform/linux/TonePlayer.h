#pragma once

#include <QByteArray>
#include <QtPlugin>

namespace platform {

// The tone as the program sees it. On Linux it lives in a module of its own (ToneBeeper), so
// that Qt Multimedia's libraries are loaded when a show needs them, not when the program starts.
class TonePlayer {
public:
    virtual ~TonePlayer() = default;
    // Starts playing signed 16-bit mono samples at kToneSampleRate and returns at once; false when no
    // sound device could take them.
    virtual bool play(const QByteArray& samples) = 0;
};

} // namespace platform

#define QUORRIN_TONE_PLAYER_IID "org.example.quorrin.TonePlayer/1"
Q_DECLARE_INTERFACE(platform::TonePlayer, QUORRIN_TONE_PLAYER_IID)
