#include "audio/CaptureConverter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

template <typename T> T Load(const char* at)
{
    T v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

} // namespace

CaptureConverter::CaptureConverter(const CaptureFormat& format) : format_(format) {}

double CaptureConverter::SampleAt(const char* at) const
{
    switch (format_.sample) {
    case CaptureFormat::Sample::UInt8:
        return (Load<uint8_t>(at) - 128) / 128.0;
    case CaptureFormat::Sample::Int16:
        return Load<int16_t>(at) / 32768.0;
    case CaptureFormat::Sample::Int32:
        return Load<int32_t>(at) / 2147483648.0;
    case CaptureFormat::Sample::Float: {
        // A NaN from a broken driver is silence, not undefined behaviour.
        const float v = Load<float>(at);
        return std::isfinite(v) ? double(v) : 0.0;
    }
    }
    return 0;
}

QByteArray CaptureConverter::ToMono16(const QByteArray& bytes)
{
    if (!format_.IsUsable())
        return {};
    pending_ += bytes;
    const int frameBytes = format_.FrameBytes();
    const qsizetype frames = pending_.size() / frameBytes;
    QByteArray out(frames * 2, Qt::Uninitialized);
    const char* in = pending_.constData();
    for (qsizetype f = 0; f < frames; ++f) {
        double sum = 0;
        for (int c = 0; c < format_.channels; ++c)
            sum += SampleAt(in + f * frameBytes + c * format_.SampleBytes());
        const double mono = std::clamp(sum / format_.channels, -1.0, 1.0);
        const auto v = int16_t(std::clamp(std::lround(mono * 32768.0), -32768L, 32767L));
        std::memcpy(out.data() + 2 * f, &v, 2);
    }
    pending_.remove(0, frames * frameBytes);
    return out;
}
