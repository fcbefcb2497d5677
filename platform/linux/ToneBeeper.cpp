#include "platform/linux/ToneBeeper.h"
#include "platform/core/SineTone.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>

namespace platform {

namespace {

// The sink reports idle when it has taken the data, not when it has played it.
constexpr int kKeepAliveMs = 500;

} // namespace

ToneBeeper::ToneBeeper(QObject* parent)
    : QObject(parent)
{
}

ToneBeeper::~ToneBeeper()
{
    release();
}

void ToneBeeper::release()
{
    if (m_sink) {
        m_sink->stop();
        delete m_sink;
    }
    delete m_buffer;
}

bool ToneBeeper::play(const QByteArray& samples)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;

    QAudioFormat format;
    format.setSampleRate(kToneSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;

    release();
    m_samples = samples;
    m_buffer = new QBuffer(&m_samples, this);
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(device, format, this);
    m_sink->start(m_buffer);

    QPointer<QAudioSink> sink = m_sink;
    const int durationMs = int(samples.size() / qsizetype(sizeof(int16_t)) * 1000 / kToneSampleRate);
    QTimer::singleShot(durationMs + kKeepAliveMs, this, [this, sink] {
        if (sink && sink == m_sink)
            release();
    });
    return m_sink->error() == QAudio::NoError;
}

} // namespace platform
