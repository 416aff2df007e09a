// The writing side of the wave file I/O layer: a record for a new file, its
// temporary name, and the chunks of a wave file written from first to last
// byte: RIFF/WAVE, fmt, data, then (when finished) fact, DISP and LIST INFO.

#include "audio/MMWaveIO.h"

#include "common/Exception.h"
#include "common/ReplacingFile.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <new>

namespace {

constexpr char TempPrefix[] = "w";
constexpr char TempExtension[] = ".TMP";
constexpr int TempNumberMin = 1;
constexpr int TempNumberMax = 256;

// Bytes the record holds: its fixed part plus the format bytes it keeps
// (counted as for a parsed record).
uint32_t RecordSizeFor(uint32_t formatSize)
{
    return uint32_t(sizeof(TWaveIORecord)) + formatSize;
}

// The format to write: the first WaveFormatSize bytes of `source`. A cbSize
// that claims more extra bytes than the record holds is cut to those held, so
// no byte beyond the source's `fmt ` chunk is ever written.
TWaveFormat FormatToWrite(const TWaveFormat& source)
{
    TWaveFormat copy = TWaveFormat::FromBytes(source.Bytes());
    if (!copy.IsPcm() && WaveFormatSize(&copy) > uint32_t(copy.Size()))
        copy.SetCbSize(uint16_t(copy.Size() - TWaveFormat::HeaderSize));
    return TWaveFormat::FromBytes(copy.Bytes().left(int(WaveFormatSize(&copy))));
}

bool WriteChunk(RiffFile& file, uint32_t id, const QByteArray& bytes)
{
    RiffChunkInfo chunk;
    chunk.ckid = id;
    chunk.cksize = uint32_t(bytes.size());
    return file.CreateChunk(chunk, RiffFile::ChunkKind::Plain) &&
           file.Write(bytes.constData(), int32_t(bytes.size())) == int32_t(bytes.size()) &&
           file.Ascend(chunk);
}

QByteArray Dword(uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<uint32_t>(value, bytes.data());
    return bytes;
}

// The header chunks of a new file; the `data` chunk is left open.
bool WriteWaveHeader(TWaveIORecord& record)
{
    RiffFile& file = *record.Handle;
    record.RiffChunk = RiffChunkInfo{};
    record.RiffChunk.fccType = FOURCC_WAVE;
    if (!file.CreateChunk(record.RiffChunk, RiffFile::ChunkKind::Riff))
        return false;
    const uint32_t formatSize = WaveFormatSize(&record.Format);
    if (formatSize > uint32_t(record.Format.Size()) ||
        !WriteChunk(file, FOURCC_fmt, record.Format.Bytes().left(int(formatSize))))
        return false;
    record.DataChunk = RiffChunkInfo{};
    record.DataChunk.ckid = FOURCC_data;
    return file.CreateChunk(record.DataChunk, RiffFile::ChunkKind::Plain);
}

// A file opened existing for writing has its data chunk and RIFF sizes
// rewritten from what the record says was written.
bool PrepareExistingFile(TWaveIORecord& record)
{
    RiffFile& file = *record.Handle;
    record.DataChunk.cksize = 0;
    record.DataChunk.dwFlags |= RiffChunkDirty;
    if (file.Seek(int64_t(record.DataOffset) + record.DataBytes, RiffFile::Origin::Start) < 0)
        return false;
    record.RiffChunk.cksize = 0;
    record.RiffChunk.dwFlags |= RiffChunkDirty;
    return true;
}

bool WriteTrailingChunks(TWaveIORecord& record)
{
    RiffFile& file = *record.Handle;
    return file.Ascend(record.DataChunk) && WriteChunk(file, FOURCC_fact, Dword(record.LengthSamples)) &&
           WriteDispChunks(&file, record.Disp.get()) == RiffNoError &&
           WriteInfoList(&file, record.Info.get()) == RiffNoError && file.Ascend(record.RiffChunk) &&
           file.Flush();
}

} // namespace

uint32_t WaveFormatSize(const TWaveFormat* format)
{
    if (!format)
        return 0;
    if (format->IsPcm())
        return TWaveFormat::HeaderSize;
    return TWaveFormat::HeaderSize + uint32_t(format->CbSize());
}

int CreateWaveRecord(const TWaveFormat* format, std::unique_ptr<TWaveIORecord>& record)
{
    record.reset();
    if (!format)
        return WaveIOInvalidParam;
    try {
        auto created = std::make_unique<TWaveIORecord>();
        created->Kind = WaveKindWritten;
        created->Format = FormatToWrite(*format);
        created->RecordSize = RecordSizeFor(WaveFormatSize(&created->Format));
        int result = CreateInfoList(created->Info);
        if (result == RiffNoError)
            result = CreateDispList(created->Disp);
        if (result != RiffNoError)
            return result;
        record = std::move(created);
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
    return WaveIONoError;
}

int CopyWaveExtras(TWaveIORecord* target, const TWaveIORecord* source)
{
    if (!target || !source)
        return WaveIOInvalidParam;
    if (CopyInfoTexts(target->Info.get(), source->Info.get()) != RiffNoError ||
        CopyDispList(target->Disp.get(), source->Disp.get()) != RiffNoError)
        return WaveIOBadFormat;
    return WaveIONoError;
}

bool MakeTempFileName(ReplacingFile& file, const QString& /*target: the file carries it*/)
{
    // Starting at a pseudo-random number, every name is tried once; a name a
    // file already holds is passed over, never taken from that file.
    const int first = QRandomGenerator::global()->bounded(TempNumberMin, TempNumberMax + 1);
    QStringList names;
    for (int i = 0; i <= TempNumberMax - TempNumberMin; ++i) {
        const int number = TempNumberMin + (first - TempNumberMin + i) % (TempNumberMax - TempNumberMin + 1);
        names.append(QLatin1String(TempPrefix) + QString::number(number, 16).toUpper() +
                     QLatin1String(TempExtension));
    }
    // Leftovers of saves cut short are swept as the file is made.
    file.setTemporaryNames(names);
    return file.open();
}

int CreateWaveFile(TWaveIORecord* record, ReplacingFile& file)
{
    if (!record || file.handle() < 0)
        return WaveIOInvalidParam;
    auto handle = std::make_unique<RiffFile>();
    if (!handle->OpenHandle(file.handle(), file.temporaryPath()))
        return WaveIOFileError;
    record->Handle = std::move(handle);
    // The temporary file goes with `file` when the save fails.
    if (!WriteWaveHeader(*record)) {
        record->Handle.reset();
        return WaveIOFileError;
    }
    record->DataOffset = record->DataChunk.dwDataOffset;
    record->Name = file.temporaryPath();
    record->LengthSamples = uint32_t(WaveBytesToSamples(record->Format, record->DataBytes));
    record->StartSample = 0;
    record->EndSample = record->LengthSamples;
    return WaveIONoError;
}

int32_t WriteWaveData(TWaveIORecord* record, const char* bytes, int32_t count)
{
    if (!record || !record->Handle || count <= 0 || !bytes)
        return -1;
    const int32_t written = record->Handle->Write(bytes, count);
    if (written > 0)
        NoteWaveDataWritten(*record);
    return written;
}

void NoteWaveDataWritten(TWaveIORecord& record)
{
    record.DataChunk.dwFlags |= RiffChunkDirty;
    const int64_t position = record.Handle->Position() - int64_t(record.DataOffset);
    const auto currentSample = uint32_t(WaveBytesToSamples(record.Format, position));
    record.CurrentSample = currentSample;
    record.DataBytes = std::max(record.DataBytes, uint32_t(position));
    if (record.LengthSamples < currentSample) {
        record.LengthSamples = currentSample;
        record.EndSample = currentSample;
    }
    record.BytesLeft = uint32_t(WaveSamplesToBytes(record.Format, int64_t(record.EndSample) - currentSample));
}

int FinishWaveFile(TWaveIORecord* record)
{
    if (!record || !record->Handle)
        return WaveIONoError;
    RiffFile& file = *record->Handle;
    if (!file.Flush())
        return WaveIOFileError;
    if (!file.CreatedByThis() && !PrepareExistingFile(*record))
        return WaveIOFileError;
    if (!WriteTrailingChunks(*record))
        return WaveIOFileError;
    const int64_t size = file.Seek(0, RiffFile::Origin::End);
    if (size < 0)
        return WaveIOFileError;
    record->FileSize = uint32_t(size);
    record->EndSample = record->LengthSamples;
    return WaveIONoError;
}
