#include "audio/output/PlayBufferSize.h"

namespace {

int SizeByRate(int previous, uint32_t rate)
{
    if (rate < 15001)
        return 512;
    if (rate < 24001)
        return 1024;
    if (rate < 32001)
        return 2048;
    if (rate < 48001)
        return 3072;
    return previous;
}

} // namespace

int PlayBufferSize(int previous, const TWaveFormat& format)
{
    const int size = SizeByRate(previous, format.SamplesPerSec());
    const int bits = format.BitsPerSample();
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
