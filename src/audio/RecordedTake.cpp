#include "audio/RecordedTake.h"

#include "audio/MonoResampler.h"

#include <algorithm>

RecordedTake::RecordedTake(const CaptureFormat& format, int maxSeconds)
    : converter_(format), maxSeconds_(std::max(1, maxSeconds))
{
}

SoundLevel RecordedTake::Append(const QByteArray& captured)
{
    QByteArray block = converter_.ToMono16(captured);
    const qsizetype maxBytes = qsizetype(converter_.Format().rate) * maxSeconds_ * 2;
    block.truncate(std::max<qsizetype>(0, maxBytes - mono_.size()));
    mono_ += block;
    return SoundLevel::Of(block);
}

bool RecordedTake::IsFull() const
{
    return mono_.size() >= qsizetype(converter_.Format().rate) * maxSeconds_ * 2;
}

double RecordedTake::Seconds() const
{
    const int rate = converter_.Format().rate;
    return rate > 0 ? double(mono_.size() / 2) / rate : 0.0;
}

std::optional<QByteArray> RecordedTake::CardSamples() const
{
    if (!converter_.Format().IsUsable())
        return std::nullopt;
    return MonoResampler::Resample(mono_, converter_.Format().rate, CardRate);
}
