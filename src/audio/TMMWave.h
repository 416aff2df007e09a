#pragma once

#include "audio/EMMWaveError.h"
#include "audio/MMWaveIO.h"
#include "audio/TMMCutList.h"
#include "audio/TMMObject.h"
#include "audio/TMMObserver.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

enum class TMMTimeFormats { tfMillisecond, tfByte, tfSample };
enum class TMMMode { mMono, mStereo };

class TMMWave;
// Fired after each block copied by SaveWaveFile; setting `cancel` stops the save.
using TMMWaveProgress = std::function<void(TMMWave* sender, int32_t curByte, int32_t numBytes, bool& cancel)>;

// The wave object: binds a wave file (reads its header, never its samples),
// reads its sample data sequentially between OpenFile and CloseFile, and saves
// it as a new wave file. Failures raise EMMWaveError.
class TMMWave : public TMMObject {
  public:
    static constexpr int32_t DefaultIOBufferSize = 32768;
    static constexpr int32_t MinIOBufferSize = 8192;
    static constexpr uint32_t SampleRateWithoutFormat = 11025;

    TMMWave();
    ~TMMWave() override; // releases the wave, without notification

    // Binds `path` (assigns FileName).
    void LoadWaveFile(const QString& path);
    // Writes the sample data with the INFO and DISP extras as a new wave file
    // at `path` (built under a temporary name, then renamed over the target).
    void SaveWaveFile(const QString& path);
    // Unbinds and notifies; nothing when nothing is bound.
    void ClearWave();

    const QString& FileName() const { return fileName_; }
    // Binds the wave to the file at `path` (expanded to a full path); an
    // unchanged path and file size does nothing, an empty path clears.
    virtual void SetFileName(const QString& path);

    bool FileMustExist() const { return fileMustExist_; }
    void SetFileMustExist(bool value);
    int32_t IOBufferSize() const { return ioBufferSize_; }
    void SetIOBufferSize(int32_t size); // at least MinIOBufferSize
    TMMTimeFormats TimeFormat() const { return timeFormat_; }
    void SetTimeFormat(TMMTimeFormats format);

    TMMWaveProgress OnProgress;

    // Read-only description of the bound file.
    int BitLength() const;
    TMMMode Mode() const;
    uint16_t FormatTag() const;
    QString FormatString() const;
    uint32_t SampleRate() const;
    uint32_t FileSize() const;
    int32_t DataSize() const; // in TimeFormat units
    bool IsEmpty() const;
    virtual const TWaveFormat* WaveFormat() const;
    TWaveIORecord* IORecord() const { return record_.get(); }

    // Sequential reading of the sample data.
    virtual void OpenFile();
    virtual void CloseFile();
    // Positions the read cursor at `position` (TimeFormat units).
    virtual void SetPosition(int32_t position);
    // Reads up to `count` bytes into `buffer` (which holds at least
    // max(count, 4) bytes): the bytes read, -1 when nothing remains, or 4 with
    // a zero word once when data should remain but none can be read.
    int32_t ReadData(char* buffer, int32_t count);
    // Moves the next `count` data bytes, exactly as ReadData would deliver
    // them (its zero word included), to the end of the open data chunk of
    // `target`, file to file, leaving this wave and `target` as ReadData and
    // WriteWaveData would. Returns what ReadData would, or TransferFailed
    // when the bytes could not be moved (the target may then hold part of them).
    int32_t TransferData(TWaveIORecord* target, int32_t count);
    static constexpr int32_t TransferFailed = -2;
    // True when TransferData may stand in for ReadData: the wave is open, its
    // data is one stretch of the file, and direct copying is on. A subclass
    // whose ReadWaveRaw changes the bytes must answer false.
    virtual bool CanTransferData() const;
    // Whether SaveWaveFile moves the data file to file where it can (the
    // default) or always reads each block into memory and writes it out.
    bool DirectCopy() const { return directCopy_; }
    void SetDirectCopy(bool enabled) { directCopy_ = enabled; }
    int32_t BytesRemaining() const { return bytesRemaining_; }
    bool IsOpen() const { return isOpen_; }
    int32_t Position() const { return position_; } // in samples
    int32_t StartPosition() const { return startPosition_; }
    int32_t EndPosition() const { return endPosition_; }
    int32_t TotalBytes() const { return totalBytes_; }
    const TMMCutList& Regions() const { return regions_; }
    int RegionIndex() const { return regionIndex_; }
    int32_t RegionBytesLeft() const { return regionBytesLeft_; }

    // Conversions by the bound format (0 without one).
    virtual int32_t SamplesToBytes(int32_t samples) const;
    virtual int32_t BytesToSamples(int32_t bytes) const;
    virtual int32_t SamplesToTimeFormat(int32_t samples) const;
    virtual int32_t TimeFormatToSamples(int32_t value) const;

    TMMObservable& Observers() { return observers_; }

  protected:
    // Raw sample read on the record.
    virtual int32_t ReadWaveRaw(char* buffer, int32_t count);
    void Changed() override;

  private:
    void ReleaseWave();
    void AdoptRecord(std::unique_ptr<TWaveIORecord> record, const QString& path);
    void RebuildRegions();
    bool SameBinding(const QString& path) const;
    void SeekRegion(int index, int32_t samplesInto);
    // The walk over the regions behind ReadData and TransferData: `move`
    // delivers up to n bytes of the current region at `offset` bytes into
    // the call's output and returns how many (<= 0: none).
    using RegionMove = std::function<int32_t(int32_t offset, int32_t n)>;
    int32_t DeliverData(int32_t count, const RegionMove& move, bool& dataEnded);

    std::unique_ptr<TWaveIORecord> record_;
    QString fileName_;
    bool fileMustExist_ = true;
    int32_t ioBufferSize_ = DefaultIOBufferSize;
    TMMTimeFormats timeFormat_ = TMMTimeFormats::tfSample;
    int32_t startPosition_ = 0;
    int32_t endPosition_ = 0;
    int32_t position_ = 0;
    int32_t bytesRemaining_ = 0;
    int32_t totalBytes_ = 0;
    TMMCutList regions_;
    int regionIndex_ = 0;
    int32_t regionBytesLeft_ = 0;
    bool isOpen_ = false;
    bool directCopy_ = true;
    TMMObservable observers_;
};
