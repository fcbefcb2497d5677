#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

class QAudioSink;
class QBuffer;

namespace platform {

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
