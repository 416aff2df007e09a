#pragma once

#include "audio/MMRiff.h"
#include "audio/RiffFile.h"
#include "audio/WaveFormat.h"

#include <QString>
#include <cstdint>
#include <memory>

class ReplacingFile;

// The wave file I/O layer: parses a wave file's header into a TWaveIORecord,
// reads its sample data, and writes new wave files. It never throws; it
// returns these codes.
constexpr int WaveIONoError = 0;
constexpr int WaveIOBadFormat = 101; // no usable format
constexpr int WaveIOInvalidParam = 104;
constexpr int WaveIOFileError = 106; // the file failed to open, read, seek or write
constexpr int WaveIONoMemory = 107;

constexpr uint32_t FOURCC_WAVE = RiffFile::FourCC('W', 'A', 'V', 'E');
constexpr uint32_t FOURCC_fmt = RiffFile::FourCC('f', 'm', 't', ' ');
constexpr uint32_t FOURCC_data = RiffFile::FourCC('d', 'a', 't', 'a');
constexpr uint32_t FOURCC_fact = RiffFile::FourCC('f', 'a', 'c', 't');

constexpr uint32_t WaveKindWritten = 0; // a record created for writing
constexpr uint32_t WaveKindFile = 1;    // a record parsed from a file on disk

// The most format bytes kept from a `fmt ` chunk: the 18-byte header and the
// largest cbSize. A bigger chunk's further bytes are skipped.
constexpr uint32_t MaxWaveFormatBytes = TWaveFormat::HeaderSize + 0xFFFF;

struct TWaveIORecord {
    uint32_t RecordSize = 0; // bytes held, format bytes included
    uint32_t Kind = WaveKindFile;
    std::unique_ptr<RiffFile> Handle; // open while data is read or written
    RiffChunkInfo RiffChunk;
    RiffChunkInfo DataChunk;
    uint32_t FileSize = 0;
    uint32_t DataBytes = 0; // always whole blocks for a parsed file
    uint32_t DataOffset = 0;
    uint32_t LengthSamples = 0;
    uint32_t StartSample = 0;
    uint32_t EndSample = 0;
    uint32_t BytesLeft = 0;
    uint32_t CurrentSample = 0;
    QString Name;
    std::unique_ptr<TDispList> Disp;
    std::unique_ptr<TInfoList> Info;
    TWaveFormat Format;
};

// Conversions by the format, with 64-bit products and halves rounded up
// (away from zero for negative values). Without a usable rate they give 0.
int64_t WaveBytesToSamples(const TWaveFormat& format, int64_t bytes);
int64_t WaveSamplesToBytes(const TWaveFormat& format, int64_t samples); // raised to whole blocks
// nearest(a × b / c): the 64-bit quotient plus (2 × remainder) div c.
int64_t MulDivNearest(int64_t a, int64_t b, int64_t c);

// ---- reading ----

// Parses the header chunks of `path` (form type WAVE, kind 1) into a new
// record. Reads no sample data; the file is closed again.
int ReadWaveFileInfo(const QString& path, uint32_t formType, uint32_t kind,
                     std::unique_ptr<TWaveIORecord>& record);
// Opens `path` and enters its RIFF chunk, which must have `formType`.
int OpenRiffFile(const QString& path, uint32_t kind, uint32_t formType, std::unique_ptr<RiffFile>& handle,
                 RiffChunkInfo& riffChunk);
// True when `path` is not empty and ReadWaveFileInfo accepts it.
bool IsValidWaveFile(const QString& path);
// Opens the record's file when closed, then seeks to CurrentSample.
int ReopenWaveFile(TWaveIORecord* record);
int SetWaveIOBuffer(TWaveIORecord* record, int32_t size);
// Positions the open file at `sample` of the readable extent (clamped).
int SeekWaveData(TWaveIORecord* record, int32_t sample);
// Reads sample bytes at the position: the count read, 0 at the end of the
// file, -1 without a handle or when no data is left.
int32_t ReadWaveData(TWaveIORecord* record, char* buffer, int32_t count);
// Closes the handle and frees the record with its lists.
void FreeWaveRecord(std::unique_ptr<TWaveIORecord>& record);
// Closes the record's file. A record whose data chunk is being written
// (DataChunk dirty) is finished first (FinishWaveFile). Then Handle is none,
// BytesLeft and CurrentSample are 0.
int CloseWaveFile(TWaveIORecord* record);

// ---- writing (MMWaveIOWrite.cpp) ----

// Format bytes written for `format`: 18 for PCM, else 18 + cbSize; 0 without one.
uint32_t WaveFormatSize(const TWaveFormat* format);
// A record for writing a new file with a copy of `format`.
int CreateWaveRecord(const TWaveFormat* format, std::unique_ptr<TWaveIORecord>& record);
// Copies the INFO texts and DISP entries of `source` into `target`.
int CopyWaveExtras(TWaveIORecord* target, const TWaveIORecord* source);
// Creates the temporary file of `file` (whose target is `target`)
// exclusively under a free name in the target's folder ("w", 1..256 in
// hexadecimal, ".TMP"); a name another file holds is passed over. The file is
// locked while it is open; files of these names that no save holds any more
// (left by a save that was killed) are removed first. False when no name is
// free or the folder refuses.
bool MakeTempFileName(ReplacingFile& file, const QString& target);
// Writes the RIFF, fmt and (open) data chunks of `record` into the temporary
// file that MakeTempFileName created.
int CreateWaveFile(TWaveIORecord* record, ReplacingFile& file);
// Appends sample bytes to the open data chunk: bytes written, 0, or -1.
int32_t WriteWaveData(TWaveIORecord* record, const char* bytes, int32_t count);
// Finishes a written file: flushes, leaves the data chunk, writes fact, DISP
// and INFO, leaves RIFF, stores FileSize. Called by CloseWaveFile, which then
// closes the file whatever the result.
int FinishWaveFile(TWaveIORecord* record);

// ---- copying (MMWaveIOCopy.cpp) ----

// CopyWaveData's result when the bytes could not be moved (a failed write or read).
constexpr int32_t WaveCopyFailed = -2;
// Moves up to `count` sample bytes from the position of the open `source` to
// the open data chunk of `target`, file to file, leaving both records as
// ReadWaveData(source) followed by WriteWaveData(target) would. Returns the
// bytes moved, 0 at the end of the source's file, -1 as ReadWaveData does
// (no record or handle, no data left, a negative count), or WaveCopyFailed.
int32_t CopyWaveData(TWaveIORecord* target, TWaveIORecord* source, int32_t count);

// The record updates of the reading and writing operations, shared with the copy.
// After `got` of `count` bytes were read at the position:
void NoteWaveDataRead(TWaveIORecord& record, int32_t count, int32_t got);
// After bytes were written to the data chunk (the position is after them):
void NoteWaveDataWritten(TWaveIORecord& record);
