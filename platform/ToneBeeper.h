#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

class QAudioSink;
class QBuffer;

namespace platform {

// Signed 16-bit mono samples at 44.1 kHz, faded in and out over 5 ms so that the tone starts
// and ends without a click.
QByteArray sineTone(int frequencyHz, int durationMs);

// Plays a generated sine tone through the default sound device without waiting for it.
// With no sound device it does nothing.
class ToneBeeper : public QObject {
    Q_OBJECT
public:
    explicit ToneBeeper(QObject* parent = nullptr);
    ~ToneBeeper() override;

    // False when no sound device could take the tone.
    bool play(int frequencyHz, int durationMs);

private:
    void release();

    QPointer<QAudioSink> m_sink;
    QPointer<QBuffer> m_buffer;
    QByteArray m_samples;
};

} // namespace platform
