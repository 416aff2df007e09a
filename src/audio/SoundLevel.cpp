#include "audio/SoundLevel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
constexpr double FullScale = 32768.0;
}

SoundLevel SoundLevel::Of(const QByteArray& mono16)
{
    const qsizetype count = mono16.size() / 2;
    if (count == 0)
        return {};
    int peak = 0;
    double sumOfSquares = 0;
    for (qsizetype i = 0; i < count; ++i) {
        int16_t v;
        std::memcpy(&v, mono16.constData() + 2 * i, 2);
        peak = std::max(peak, std::abs(int(v)));
        sumOfSquares += double(v) * double(v);
    }
    return {peak / FullScale, std::sqrt(sumOfSquares / double(count)) / FullScale};
}

double SoundLevel::ToDbfs(double amplitude)
{
    if (amplitude <= 0)
        return FloorDbfs;
    return std::max(FloorDbfs, 20.0 * std::log10(amplitude));
}

double SoundLevel::FromDbfs(double dbfs)
{
    return std::pow(10.0, dbfs / 20.0);
}
