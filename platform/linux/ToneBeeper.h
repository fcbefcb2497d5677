#pragma once

#include "platform/linux/TonePlayer.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

class QAudioSink;
class QBuffer;

namespace platform {

// Plays samples through the default sound device without waiting for them. With no sound device
// it does nothing. The whole of the tone module, loaded by QtPlatform.
class ToneBeeper : public QObject, public TonePlayer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QUORRIN_TONE_PLAYER_IID)
    Q_INTERFACES(platform::TonePlayer)
public:
    explicit ToneBeeper(QObject* parent = nullptr);
    ~ToneBeeper() override;

    bool play(const QByteArray& samples) override;

private:
    void release();

    QPointer<QAudioSink> m_sink;
    QPointer<QBuffer> m_buffer;
    QByteArray m_samples;
};

} // namespace platform
