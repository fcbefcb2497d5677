#include "platform/core/SineTone.h"

#include <QtMath>
#include <algorithm>
#include <cstdint>

namespace platform {

namespace {

constexpr double kAmplitude = 0.5 * 32767;
constexpr int kFadeSamples = 220; // 5 ms in and out, so the tone starts and ends without a click

} // namespace

QByteArray sineTone(int frequencyHz, int durationMs)
{
    const int count = kToneSampleRate * durationMs / 1000;
    QByteArray bytes(count * int(sizeof(int16_t)), Qt::Uninitialized);
    auto* samples = reinterpret_cast<int16_t*>(bytes.data());
    for (int i = 0; i < count; ++i) {
        const double fade = std::min({1.0, double(i) / kFadeSamples, double(count - 1 - i) / kFadeSamples});
        samples[i] = int16_t(kAmplitude * fade * qSin(2.0 * M_PI * frequencyHz * i / kToneSampleRate));
    }
    return bytes;
}

} // namespace platform
