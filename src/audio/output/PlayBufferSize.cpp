#include "audio/output/PlayBufferSize.h"

#include "audio/output/TMMWaveOut.h"

#include <algorithm>
#include <cstdint>

namespace {

int64_t SizeByRate(int64_t initial, uint32_t rate)
{
    if (rate < 15001)
        return 512;
    if (rate < 24001)
        return 1024;
    if (rate < 32001)
        return 2048;
    if (rate < 48001)
        return 3072;
    return initial;
}

int64_t SizeByBits(int64_t size, int bits)
{
    if (bits == 1)
        return size / 16;
    if (bits >= 2 && bits <= 4)
        return size / 8;
    if (bits >= 5 && bits <= 7)
        return size / 4;
    if (bits >= 9 && bits <= 16)
        return size * 2;
    return size;
}

} // namespace

int PlayBufferSize(int initial, const TWaveFormat& format)
{
    const int64_t size = SizeByBits(SizeByRate(initial, format.SamplesPerSec()), format.BitsPerSample());
    return int(std::clamp<int64_t>(size, TMMWaveOut::MinBufferSize, MaxPlayBufferSize));
}
