#include "audio/PcmCardWriter.h"

#include "audio/EMMWaveError.h"
#include "audio/WaveFormat.h"

#include <QDir>
#include <limits>

namespace {

constexpr int MaxChannels = 8;
constexpr int MaxSampleRate = 384000;
// The RIFF size field holds the data plus what follows it: the header up to
// the data and the fact chunk.
constexpr qint64 MaxDataBytes = qint64(std::numeric_limits<uint32_t>::max()) - 64;

[[noreturn]] void Raise(const char* text)
{
    throw EMMWaveError(WaveErrorText::Translated(text));
}

TWaveFormat Pcm16(int rate, int channels)
{
    TWaveFormat format;
    format.SetFormatTag(TWaveFormat::TagPcm);
    format.SetChannels(uint16_t(channels));
    format.SetSamplesPerSec(uint32_t(rate));
    format.SetAvgBytesPerSec(uint32_t(rate) * uint32_t(channels) * 2);
    format.SetBlockAlign(uint16_t(channels * 2));
    format.SetBitsPerSample(16);
    return format;
}

} // namespace

PcmCardWriter::PcmCardWriter(const QString& target, int sampleRate, int channels)
    : file_(QDir::cleanPath(QDir::current().absoluteFilePath(target))), frameBytes_(channels * 2)
{
    if (target.isEmpty() || sampleRate <= 0 || sampleRate > MaxSampleRate || channels <= 0 ||
        channels > MaxChannels)
        Raise(WaveErrorText::InvalidParam);
    const TWaveFormat format = Pcm16(sampleRate, channels);
    if (CreateWaveRecord(&format, record_) != WaveIONoError || !MakeTempFileName(file_, target) ||
        CreateWaveFile(record_.get(), file_) != WaveIONoError)
        Raise(WaveErrorText::UnableToSave);
}

PcmCardWriter::~PcmCardWriter()
{
    // The record's file is closed before the temporary file goes with file_.
    if (record_)
        FreeWaveRecord(record_);
}

void PcmCardWriter::Write(const char* samples, qint64 bytes)
{
    if (bytes < 0 || bytes % frameBytes_ != 0 || bytes > MaxDataBytes - written_)
        Raise(WaveErrorText::InvalidParam);
    // WriteWaveData takes 32-bit counts.
    constexpr qint64 Step = 1 << 30;
    for (qint64 at = 0; at < bytes; at += Step) {
        const auto n = int32_t(std::min(Step, bytes - at));
        if (WriteWaveData(record_.get(), samples + at, n) != n)
            Raise(WaveErrorText::UnableToSave);
    }
    written_ += bytes;
}

void PcmCardWriter::Commit()
{
    const bool finished = CloseWaveFile(record_.get()) == WaveIONoError;
    FreeWaveRecord(record_);
    if (!finished || !file_.commit())
        Raise(WaveErrorText::UnableToSave);
}
