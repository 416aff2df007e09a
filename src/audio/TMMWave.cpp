#include "audio/TMMWave.h"

#include "audio/SimpleSoundHook.h"
#include "audio/WaveFormatNames.h"
#include "common/FileNames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr int64_t MillisecondsPerSecond = 1000;
constexpr int32_t EndOfDataWordSize = 4;

int32_t Saturate32(int64_t value)
{
    return int32_t(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// A full path against the current folder, in the spelling of an existing file
// that matches it without regard to letter case.
QString ExpandPath(const QString& path)
{
    if (path.isEmpty())
        return path;
    const QString full = QFileInfo(path).absoluteFilePath();
    return FileNames::findExisting(full).value_or(full);
}

// The size of the plain file at `path`; -1 when there is none.
int64_t FileSizeOrMissing(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? int64_t(info.size()) : -1;
}

} // namespace

TMMWave::TMMWave() = default;

TMMWave::~TMMWave()
{
    ReleaseWave();
}

void TMMWave::LoadWaveFile(const QString& path)
{
    SetFileName(path);
}

bool TMMWave::SameBinding(const QString& path) const
{
    return path == fileName_ && FileSizeOrMissing(path) == int64_t(FileSize());
}

void TMMWave::SetFileName(const QString& path)
{
    const QString expanded = ExpandPath(path);
    if (SameBinding(expanded))
        return;
    if (expanded.isEmpty()) {
        ClearWave();
        return;
    }
    const bool exists = FileNames::fileExists(expanded);
    if (exists) {
        std::unique_ptr<TWaveIORecord> record;
        if (ReadWaveFileInfo(expanded, FOURCC_WAVE, WaveKindFile, record) == WaveIONoError) {
            AdoptRecord(std::move(record), expanded);
            return;
        }
        throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::InvalidWaveFile));
    }
    if (fileMustExist_)
        throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::ErrorReading));
    ReleaseWave();
    fileName_ = expanded;
    Changed();
}

void TMMWave::AdoptRecord(std::unique_ptr<TWaveIORecord> record, const QString& path)
{
    ReleaseWave();
    record_ = std::move(record);
    startPosition_ = Saturate32(record_->StartSample);
    endPosition_ = Saturate32(record_->EndSample);
    position_ = Saturate32(record_->CurrentSample);
    bytesRemaining_ = Saturate32(record_->BytesLeft);
    fileName_ = path;
    RebuildRegions();
    Changed();
}

void TMMWave::ClearWave()
{
    if (fileName_.isEmpty() && !record_)
        return;
    ReleaseWave();
    Changed();
}

void TMMWave::ReleaseWave()
{
    SimpleSound::StopPlaying();
    CloseFile();
    fileName_.clear();
    FreeWaveRecord(record_);
    regions_.Clear();
    startPosition_ = 0;
    endPosition_ = 0;
    position_ = 0;
    bytesRemaining_ = 0;
    totalBytes_ = 0;
}

void TMMWave::Changed()
{
    TMMObject::Changed();
    observers_.NotifyObservers(this);
}

void TMMWave::SetFileMustExist(bool value)
{
    fileMustExist_ = value;
}

void TMMWave::SetIOBufferSize(int32_t size)
{
    if (size == ioBufferSize_)
        return;
    ioBufferSize_ = std::max(size, MinIOBufferSize);
    if (isOpen_ && SetWaveIOBuffer(record_.get(), ioBufferSize_) != WaveIONoError)
        throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::UnableToSetupBuffer));
}

void TMMWave::SetTimeFormat(TMMTimeFormats format)
{
    if (format == timeFormat_)
        return;
    timeFormat_ = format;
    RebuildRegions();
}

int TMMWave::BitLength() const
{
    const TWaveFormat* format = WaveFormat();
    return format ? format->BitsPerSample() : 0;
}

TMMMode TMMWave::Mode() const
{
    const TWaveFormat* format = WaveFormat();
    return format && format->Channels() == 2 ? TMMMode::mStereo : TMMMode::mMono;
}

uint16_t TMMWave::FormatTag() const
{
    const TWaveFormat* format = WaveFormat();
    return format ? format->FormatTag() : 0;
}

QString TMMWave::FormatString() const
{
    const TWaveFormat* format = WaveFormat();
    return format ? WaveFormatTagName(format->FormatTag())
                  : QCoreApplication::translate("WaveSummary", "Unknown");
}

uint32_t TMMWave::SampleRate() const
{
    const TWaveFormat* format = WaveFormat();
    return format ? format->SamplesPerSec() : SampleRateWithoutFormat;
}

uint32_t TMMWave::FileSize() const
{
    return record_ ? record_->FileSize : 0;
}

int32_t TMMWave::DataSize() const
{
    return record_ ? SamplesToTimeFormat(Saturate32(record_->LengthSamples)) : 0;
}

bool TMMWave::IsEmpty() const
{
    return DataSize() == 0;
}

const TWaveFormat* TMMWave::WaveFormat() const
{
    return record_ ? &record_->Format : nullptr;
}

int32_t TMMWave::SamplesToBytes(int32_t samples) const
{
    const TWaveFormat* format = WaveFormat();
    return format ? Saturate32(WaveSamplesToBytes(*format, samples)) : 0;
}

int32_t TMMWave::BytesToSamples(int32_t bytes) const
{
    const TWaveFormat* format = WaveFormat();
    return format ? Saturate32(WaveBytesToSamples(*format, bytes)) : 0;
}

int32_t TMMWave::SamplesToTimeFormat(int32_t samples) const
{
    const TWaveFormat* format = WaveFormat();
    if (!format)
        return 0;
    switch (timeFormat_) {
    case TMMTimeFormats::tfMillisecond:
        return Saturate32(MulDivNearest(samples, MillisecondsPerSecond, format->SamplesPerSec()));
    case TMMTimeFormats::tfByte:
        return SamplesToBytes(samples);
    case TMMTimeFormats::tfSample:
        break;
    }
    return samples;
}

int32_t TMMWave::TimeFormatToSamples(int32_t value) const
{
    const TWaveFormat* format = WaveFormat();
    if (!format)
        return 0;
    switch (timeFormat_) {
    case TMMTimeFormats::tfMillisecond:
        return Saturate32(MulDivNearest(value, format->SamplesPerSec(), MillisecondsPerSecond));
    case TMMTimeFormats::tfByte:
        return BytesToSamples(value);
    case TMMTimeFormats::tfSample:
        break;
    }
    return value;
}

void TMMWave::RebuildRegions()
{
    regions_.Clear();
    if (!WaveFormat())
        return;
    TMMRegion region;
    region.StartSamples = startPosition_;
    region.LengthSamples = Saturate32(int64_t(endPosition_) - startPosition_);
    region.StartBytes = SamplesToBytes(region.StartSamples);
    // Rounding may convert the length to more bytes than the data holds.
    const int64_t bytesAfterStart = std::max<int64_t>(int64_t(record_->DataBytes) - region.StartBytes, 0);
    region.LengthBytes = int32_t(std::min<int64_t>(SamplesToBytes(region.LengthSamples), bytesAfterStart));
    regions_.Add(region);
}

void TMMWave::OpenFile()
{
    if (!record_)
        return;
    if (ReopenWaveFile(record_.get()) != WaveIONoError)
        throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::UnableToOpen));
    if (SetWaveIOBuffer(record_.get(), ioBufferSize_) != WaveIONoError)
        throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::UnableToSetupBuffer));
    RebuildRegions();
    isOpen_ = true;
    SetPosition(SamplesToTimeFormat(position_));
}

void TMMWave::CloseFile()
{
    if (record_)
        CloseWaveFile(record_.get());
    isOpen_ = false;
    position_ = 0;
    bytesRemaining_ = 0;
}

void TMMWave::SeekRegion(int index, int32_t samplesInto)
{
    const int32_t sample = Saturate32(int64_t(regions_[index].StartSamples) + samplesInto);
    if (SeekWaveData(record_.get(), sample) == WaveIONoError)
        return;
    if (SeekWaveData(record_.get(), sample) != WaveIONoError)
        throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::ErrorSeeking));
}

void TMMWave::SetPosition(int32_t position)
{
    if (!record_)
        return;
    int64_t s = TimeFormatToSamples(position);
    position_ = int32_t(s);
    if (!isOpen_)
        return;
    const int64_t total = regions_.TotalSamples();
    s = std::clamp<int64_t>(s, 0, total);
    const int64_t dataBytes = record_->DataBytes;
    totalBytes_ = int32_t(std::min<int64_t>(SamplesToBytes(Saturate32(total)), dataBytes));
    bytesRemaining_ = int32_t(std::max<int64_t>(totalBytes_ - int64_t(SamplesToBytes(int32_t(s))), 0));
    int index = 0;
    int64_t sum = 0;
    for (; index < regions_.Count(); ++index) {
        sum += regions_[index].LengthSamples;
        if (sum >= s)
            break;
    }
    if (index >= regions_.Count())
        throw EMMWaveError(WaveErrorText::Translated(WaveErrorText::ErrorSeeking));
    const int64_t before = sum - regions_[index].LengthSamples;
    SeekRegion(index, int32_t(s - before));
    regionBytesLeft_ = std::min(SamplesToBytes(int32_t(sum - s)), regions_[index].LengthBytes);
    regionIndex_ = index;
}

int32_t TMMWave::ReadWaveRaw(char* buffer, int32_t count)
{
    return ReadWaveData(record_.get(), buffer, count);
}

int32_t TMMWave::ReadData(char* buffer, int32_t count)
{
    bool dataEnded = false;
    const int32_t result = DeliverData(
        count, [&](int32_t offset, int32_t n) { return ReadWaveRaw(buffer + offset, n); }, dataEnded);
    if (dataEnded)
        std::memset(buffer, 0, EndOfDataWordSize);
    return result;
}

bool TMMWave::CanTransferData() const
{
    return directCopy_ && record_ && isOpen_ && regions_.Count() == 1;
}

int32_t TMMWave::TransferData(TWaveIORecord* target, int32_t count)
{
    bool failed = false;
    bool dataEnded = false;
    const int32_t result = DeliverData(
        count,
        [&](int32_t, int32_t n) {
            const int32_t moved = CopyWaveData(target, record_.get(), n);
            failed = moved == WaveCopyFailed;
            return moved;
        },
        dataEnded);
    if (failed)
        return TransferFailed;
    if (dataEnded) {
        const char zeroWord[EndOfDataWordSize] = {};
        if (WriteWaveData(target, zeroWord, EndOfDataWordSize) != EndOfDataWordSize)
            return TransferFailed;
    }
    return result;
}

int32_t TMMWave::DeliverData(int32_t count, const RegionMove& move, bool& dataEnded)
{
    dataEnded = false;
    if (!record_ || bytesRemaining_ <= 0)
        return -1;
    if (count <= 0)
        return 0; // nothing asked: the stream stays as it is
    count = std::min(count, bytesRemaining_);
    int32_t got = 0;
    bool lastRegionDone = false;
    while (count > 0) {
        if (regionBytesLeft_ > 0) {
            const int32_t result = move(got, std::min(count, regionBytesLeft_));
            if (result <= 0)
                break;
            count -= result;
            got += result;
            regionBytesLeft_ -= result;
        }
        if (regionBytesLeft_ <= 0) {
            if (regionIndex_ + 1 >= regions_.Count()) {
                lastRegionDone = true;
                break;
            }
            ++regionIndex_;
            regionBytesLeft_ = regions_[regionIndex_].LengthBytes;
            SeekRegion(regionIndex_, 0);
        }
    }
    if (got <= 0) {
        // Data was due but none came (the file became shorter): one zero word.
        dataEnded = true;
        bytesRemaining_ = 0;
        regionBytesLeft_ = 0;
        position_ = Saturate32(regions_.TotalSamples());
        return EndOfDataWordSize;
    }
    bytesRemaining_ = lastRegionDone ? 0 : std::max(bytesRemaining_ - got, 0);
    position_ = BytesToSamples(totalBytes_ - bytesRemaining_);
    return got;
}
