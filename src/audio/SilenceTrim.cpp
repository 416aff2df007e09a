#include "audio/SilenceTrim.h"

#include "audio/SoundLevel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

int SampleAt(const QByteArray& mono16, qsizetype index)
{
    int16_t v;
    std::memcpy(&v, mono16.constData() + 2 * index, 2);
    return std::abs(int(v));
}

} // namespace

SilenceTrim::SilenceTrim(double thresholdDbfs, int marginMs)
    : thresholdDbfs_(thresholdDbfs), marginMs_(std::max(0, marginMs))
{
}

double SilenceTrim::ThresholdPercent() const
{
    return 100.0 * SoundLevel::FromDbfs(thresholdDbfs_);
}

QByteArray SilenceTrim::Apply(const QByteArray& mono16, int sampleRate) const
{
    const qsizetype count = mono16.size() / 2;
    // At least 1, so that a threshold below one step of 16-bit audio still
    // treats digital silence as silence.
    const int threshold = std::max(1, int(std::lround(32768.0 * SoundLevel::FromDbfs(thresholdDbfs_))));
    qsizetype first = 0;
    while (first < count && SampleAt(mono16, first) < threshold)
        ++first;
    if (first == count)
        return {};
    qsizetype last = count - 1;
    while (SampleAt(mono16, last) < threshold)
        --last;
    const qsizetype margin = qsizetype(std::max(0, sampleRate)) * marginMs_ / 1000;
    const qsizetype begin = std::max<qsizetype>(0, first - margin);
    const qsizetype end = std::min(count, last + 1 + margin);
    return mono16.mid(2 * begin, 2 * (end - begin));
}
