#include "audio/MMWaveIO.h"

#include <QtEndian>
#include <algorithm>
#include <limits>
#include <new>

// The reading side of the wave file I/O layer: the header walk and the
// sequential reading of sample data.

namespace {

__extension__ typedef __int128 Int128;

constexpr int64_t MaxInt32 = std::numeric_limits<int32_t>::max();
constexpr int64_t MaxUint32 = std::numeric_limits<uint32_t>::max();

// What the chunk walk has found so far.
struct WalkState {
    std::optional<TWaveFormat> format;
    int64_t formatBytesHeld = 0;
    bool dataSeen = false;
    bool previousWasData = false;
    bool factRead = false;
    uint32_t fact = 0xFFFFFFFF; // read but never used: the data size decides
    uint32_t dataSize = 0;      // the data chunk's own size field
    int64_t dataOffset = 0;
    int64_t dataEnd = 0;
};

enum class Step { Next, Stop, Fail };

struct StepResult {
    Step step;
    int code = WaveIONoError;
};

int64_t ChunkEnd(const RiffChunkInfo& chunk)
{
    return int64_t(chunk.dwDataOffset) + chunk.cksize;
}

StepResult ReadFormatChunk(RiffFile& file, const RiffChunkInfo& chunk, WalkState& walk)
{
    if (walk.format)
        return {Step::Stop};
    // A `fmt ` chunk can claim up to 4 GB; only the header and the largest
    // cbSize can mean anything, so no more is allocated or read.
    const int64_t held = std::min<int64_t>(chunk.cksize, MaxWaveFormatBytes);
    QByteArray bytes(qsizetype(held), '\0');
    if (file.Read(bytes.data(), int32_t(held)) != int32_t(held))
        return {Step::Fail, WaveIOFileError};
    walk.format = TWaveFormat::FromBytes(bytes);
    walk.formatBytesHeld = held;
    return {Step::Next};
}

StepResult ReadFactChunk(RiffFile& file, const RiffChunkInfo& chunk, WalkState& walk)
{
    if (walk.factRead)
        return {Step::Stop};
    walk.factRead = true;
    if (chunk.cksize >= sizeof walk.fact) {
        uchar value[4];
        if (file.Read(value, 4) != 4)
            return {Step::Fail, WaveIOFileError};
        walk.fact = qFromLittleEndian<uint32_t>(value);
    }
    return {Step::Next};
}

StepResult NoteDataChunk(const RiffChunkInfo& chunk, int64_t fileSize, WalkState& walk)
{
    if (walk.dataSize != 0)
        return {Step::Stop};
    walk.dataSize = chunk.cksize;
    walk.dataOffset = chunk.dwDataOffset;
    walk.dataSeen = true;
    walk.previousWasData = true;
    // An empty data chunk may be followed by the real one: the data of the
    // chunk taken last runs to the next header or the end of the file.
    walk.dataEnd = fileSize;
    return {Step::Next};
}

StepResult ReadChunk(RiffFile& file, const RiffChunkInfo& chunk, int64_t fileSize, WalkState& walk,
                     TWaveIORecord& record)
{
    if (chunk.ckid == FOURCC_LIST) {
        if (chunk.fccType != FOURCC_INFO)
            return {Step::Next};
        const int code = ReadInfoList(&file, chunk, record.Info.get());
        return {code == RiffNoError ? Step::Next : Step::Fail, code};
    }
    if (chunk.ckid == FOURCC_DISP) {
        const int code = ReadDispChunk(&file, chunk, record.Disp.get());
        return {code == RiffNoError ? Step::Next : Step::Fail, code};
    }
    if (chunk.ckid == FOURCC_fmt)
        return ReadFormatChunk(file, chunk, walk);
    if (chunk.ckid == FOURCC_data)
        return NoteDataChunk(chunk, fileSize, walk);
    if (chunk.ckid == FOURCC_fact)
        return ReadFactChunk(file, chunk, walk);
    return {Step::Next};
}

// Walks the chunks inside RIFF. Returns a result code.
int WalkChunks(RiffFile& file, const RiffChunkInfo& riff, int64_t fileSize, WalkState& walk,
               TWaveIORecord& record)
{
    RiffChunkInfo chunk;
    while (file.Descend(chunk, &riff)) {
        // Any chunk header found after the data ends the data, even one of a
        // chunk that runs past RIFF and so ends the walk: its bytes are not samples.
        if (walk.previousWasData) {
            walk.dataEnd = int64_t(chunk.dwDataOffset) - RiffChunkHeaderSize;
            walk.previousWasData = false;
        }
        if (ChunkEnd(chunk) > ChunkEnd(riff)) {
            if (walk.format && walk.dataSeen)
                break;
            if (ChunkEnd(chunk) > fileSize)
                chunk.cksize = uint32_t(fileSize - chunk.dwDataOffset);
        }
        const StepResult result = ReadChunk(file, chunk, fileSize, walk, record);
        if (result.step == Step::Fail)
            return result.code;
        if (result.step == Step::Stop)
            break;
        if (!file.Ascend(chunk)) {
            if (walk.dataSize != 0)
                break;
            return WaveIOFileError;
        }
    }
    return WaveIONoError;
}

// The file's block alignment and byte rate are not trusted for PCM: they follow
// from channels, bits and rate. False when they do not fit their fields.
bool RecomputePcmFields(TWaveFormat& format)
{
    const uint16_t blockAlign = uint16_t((uint32_t(format.Channels()) * format.BitsPerSample()) / 8);
    const int64_t avgBytes = int64_t(blockAlign) * format.SamplesPerSec();
    if (avgBytes > MaxUint32)
        return false;
    format.SetBlockAlign(blockAlign);
    format.SetAvgBytesPerSec(uint32_t(avgBytes));
    return true;
}

// Makes the format usable or says it is not: a cbSize that claims more than
// the chunk held is cut; every size and time computation divides by the block
// alignment, the rate or the byte rate, so none of them may be 0.
bool SettleFormat(WalkState& walk)
{
    TWaveFormat& format = *walk.format;
    const int64_t extraHeld = std::max<int64_t>(walk.formatBytesHeld - TWaveFormat::HeaderSize, 0);
    if (format.CbSize() > extraHeld)
        format.SetCbSize(uint16_t(extraHeld));
    if (format.IsPcm() && !RecomputePcmFields(format))
        return false;
    return format.BlockAlign() != 0 && format.SamplesPerSec() != 0 && format.AvgBytesPerSec() != 0;
}

int FillRecord(WalkState& walk, int64_t fileSize, TWaveIORecord& record)
{
    if (!walk.format || !walk.dataSeen || !SettleFormat(walk))
        return WaveIOBadFormat;
    const TWaveFormat& format = *walk.format;
    // The data runs to the next chunk's header or the end of the file, cut to
    // whole blocks; the data chunk's size field only marks the chunk.
    int64_t span = std::max<int64_t>(walk.dataEnd - walk.dataOffset, 0);
    // An odd data chunk is followed by a pad byte that only keeps the next
    // chunk on an even offset. Counted as a sample it would add a click at
    // the end of every 8-bit mono sound, and its copy would carry it on.
    if (walk.dataSize % 2 == 1 && span == int64_t(walk.dataSize) + 1)
        span = walk.dataSize;
    const int64_t dataBytes = span / format.BlockAlign() * format.BlockAlign();
    const int64_t length = WaveBytesToSamples(format, dataBytes);
    // The wave object counts bytes and samples in 32-bit signed values.
    if (dataBytes > MaxInt32 || length > MaxInt32)
        return WaveIOBadFormat;
    record.Format = format;
    record.Kind = WaveKindFile;
    record.FileSize = uint32_t(fileSize);
    record.DataBytes = uint32_t(dataBytes);
    record.DataOffset = uint32_t(walk.dataOffset);
    record.LengthSamples = uint32_t(length);
    record.StartSample = 0;
    record.EndSample = record.LengthSamples;
    record.BytesLeft = 0;
    record.CurrentSample = 0;
    record.RecordSize = uint32_t(sizeof(TWaveIORecord)) + uint32_t(format.Size());
    return WaveIONoError;
}

int ParseOpenFile(RiffFile& file, RiffChunkInfo riff, TWaveIORecord& record)
{
    const int64_t end = file.Seek(0, RiffFile::Origin::End);
    if (end < 0)
        return WaveIOFileError;
    const int64_t fileSize = std::min(end, MaxUint32);
    if (file.Seek(int64_t(riff.dwDataOffset) + RiffFormTypeSize, RiffFile::Origin::Start) < 0)
        return WaveIOFileError;
    if (ChunkEnd(riff) > fileSize)
        riff.cksize = uint32_t(fileSize - riff.dwDataOffset);
    int code = CreateInfoList(record.Info);
    if (code == RiffNoError)
        code = CreateDispList(record.Disp);
    if (code != RiffNoError)
        return code;
    WalkState walk;
    walk.dataEnd = fileSize;
    code = WalkChunks(file, riff, fileSize, walk, record);
    if (code != WaveIONoError)
        return code;
    return FillRecord(walk, fileSize, record);
}

uint32_t SamplesToBytesWithin(const TWaveIORecord& record, int64_t samples)
{
    const int64_t bytes = WaveSamplesToBytes(record.Format, samples);
    return uint32_t(std::clamp<int64_t>(bytes, 0, record.DataBytes));
}

} // namespace

int64_t MulDivNearest(int64_t a, int64_t b, int64_t c)
{
    if (c == 0)
        return 0;
    const Int128 product = Int128(a) * b;
    const Int128 quotient = product / c;
    const Int128 remainder = product % c;
    const Int128 result = quotient + (2 * remainder) / c;
    if (result > std::numeric_limits<int64_t>::max())
        return std::numeric_limits<int64_t>::max();
    if (result < std::numeric_limits<int64_t>::min())
        return std::numeric_limits<int64_t>::min();
    return int64_t(result);
}

int64_t WaveBytesToSamples(const TWaveFormat& format, int64_t bytes)
{
    return MulDivNearest(bytes, format.SamplesPerSec(), format.AvgBytesPerSec());
}

int64_t WaveSamplesToBytes(const TWaveFormat& format, int64_t samples)
{
    int64_t bytes = MulDivNearest(samples, format.AvgBytesPerSec(), format.SamplesPerSec());
    const int64_t block = format.BlockAlign();
    if (block > 1) {
        const int64_t rest = bytes % block;
        if (rest > 0)
            bytes += block - rest;
        else if (rest < 0)
            bytes -= rest;
    }
    return bytes;
}

int OpenRiffFile(const QString& path, uint32_t /*kind*/, uint32_t formType, std::unique_ptr<RiffFile>& handle,
                 RiffChunkInfo& riffChunk)
{
    handle.reset();
    auto file = std::make_unique<RiffFile>();
    // Reading never needs write access; a handle opened for writing would
    // also tell file watchers that the file was written when it is closed.
    if (!file->Open(path, RiffFile::Mode::Read))
        return WaveIOFileError;
    RiffChunkInfo riff;
    if (!file->Descend(riff) || riff.ckid != FOURCC_RIFF || riff.fccType != formType)
        return WaveIOFileError;
    riffChunk = riff;
    handle = std::move(file);
    return WaveIONoError;
}

int ReadWaveFileInfo(const QString& path, uint32_t formType, uint32_t kind,
                     std::unique_ptr<TWaveIORecord>& record)
{
    record.reset();
    try {
        auto parsed = std::make_unique<TWaveIORecord>();
        std::unique_ptr<RiffFile> file;
        RiffChunkInfo riff;
        int code = OpenRiffFile(path, kind, formType, file, riff);
        if (code != WaveIONoError)
            return code;
        parsed->Name = path;
        code = ParseOpenFile(*file, riff, *parsed);
        file->Close();
        if (code != WaveIONoError)
            return code;
        record = std::move(parsed);
    } catch (const std::bad_alloc&) {
        return WaveIONoMemory;
    }
    return WaveIONoError;
}

bool IsValidWaveFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    std::unique_ptr<TWaveIORecord> record;
    return ReadWaveFileInfo(path, FOURCC_WAVE, WaveKindFile, record) == WaveIONoError;
}

int ReopenWaveFile(TWaveIORecord* record)
{
    if (!record)
        return WaveIOInvalidParam;
    if (!record->Handle) {
        const int code =
            OpenRiffFile(record->Name, record->Kind, FOURCC_WAVE, record->Handle, record->RiffChunk);
        if (code != WaveIONoError)
            return code;
    }
    return SeekWaveData(record, int32_t(record->CurrentSample));
}

int SetWaveIOBuffer(TWaveIORecord* record, int32_t size)
{
    if (!record || !record->Handle || size < 0)
        return WaveIOInvalidParam;
    return record->Handle->SetBuffer(size) ? WaveIONoError : WaveIOFileError;
}

int SeekWaveData(TWaveIORecord* record, int32_t sample)
{
    if (!record || sample < 0)
        return WaveIOInvalidParam;
    const int64_t extent = int64_t(record->EndSample) - record->StartSample;
    const int64_t s = std::max<int64_t>(std::min<int64_t>(sample, extent - 1), 0);
    const int64_t block = std::max<int64_t>(record->Format.BlockAlign(), 1);
    int64_t bytes = SamplesToBytesWithin(*record, record->StartSample + s);
    bytes -= bytes % block;
    if (record->Handle) {
        RiffFile& file = *record->Handle;
        const int64_t header = int64_t(record->DataOffset) - RiffChunkHeaderSize;
        // The data chunk must still be where the header walk found it: a file
        // changed since then is not read as samples.
        if (header < 0 || file.Seek(header, RiffFile::Origin::Start) != header ||
            !file.Descend(record->DataChunk) || record->DataChunk.ckid != FOURCC_data ||
            file.Seek(bytes, RiffFile::Origin::Current) < 0)
            return WaveIOFileError;
        // Rounding in the conversions may give more bytes than the data holds;
        // what follows the data is never read as samples.
        record->BytesLeft = uint32_t(SamplesToBytesWithin(*record, record->EndSample) - bytes);
    }
    record->CurrentSample = uint32_t(WaveBytesToSamples(record->Format, bytes) - record->StartSample);
    return WaveIONoError;
}

int32_t ReadWaveData(TWaveIORecord* record, char* buffer, int32_t count)
{
    if (!record || !record->Handle || record->BytesLeft == 0 || count < 0)
        return -1;
    const int32_t wanted = int32_t(std::min<int64_t>(count, record->BytesLeft));
    const int32_t got = record->Handle->Read(buffer, wanted);
    if (got < 0)
        return -1;
    NoteWaveDataRead(*record, count, got);
    return got;
}

void NoteWaveDataRead(TWaveIORecord& record, int32_t count, int32_t got)
{
    if (got < count)
        record.BytesLeft = 0;
    if (got > 0) {
        record.BytesLeft = uint32_t(std::max<int64_t>(int64_t(record.BytesLeft) - got, 0));
        const int64_t extent = int64_t(record.EndSample) - record.StartSample;
        record.CurrentSample = uint32_t(extent - WaveBytesToSamples(record.Format, record.BytesLeft));
    }
}

void FreeWaveRecord(std::unique_ptr<TWaveIORecord>& record)
{
    if (!record)
        return;
    if (record->Handle)
        record->Handle->Close();
    record.reset();
}

int CloseWaveFile(TWaveIORecord* record)
{
    if (!record || !record->Handle)
        return WaveIONoError;
    int code = WaveIONoError;
    if (record->DataChunk.IsDirty())
        code = FinishWaveFile(record);
    const bool closed = record->Handle->Close();
    record->Handle.reset();
    record->BytesLeft = 0;
    record->CurrentSample = 0;
    if (!closed && code == WaveIONoError)
        code = WaveIOFileError;
    return code;
}
