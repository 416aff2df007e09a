// Copying sample data from a wave being read to a wave being written without
// passing it through a buffer of the caller: the file layer moves the bytes
// (inside the kernel where it can), and both records are updated exactly as
// the read and the write would update them.

#include "audio/MMWaveIO.h"

#include <algorithm>

int32_t CopyWaveData(TWaveIORecord* target, TWaveIORecord* source, int32_t count)
{
    if (!source || !source->Handle || source->BytesLeft == 0 || count < 0)
        return -1;
    if (!target || !target->Handle)
        return WaveCopyFailed;
    const int32_t wanted = int32_t(std::min<int64_t>(count, source->BytesLeft));
    const int64_t moved = target->Handle->CopyFrom(*source->Handle, wanted);
    if (moved < 0)
        return WaveCopyFailed;
    const auto got = int32_t(moved);
    NoteWaveDataRead(*source, count, got);
    if (got > 0)
        NoteWaveDataWritten(*target);
    return got;
}
