#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class TMMWave;

// The waveform overview of the wave open dialog: for each pixel column the
// smallest and the largest sample of each of two channels, each pair in the
// order in which its values occur in the data. Samples are 16-bit signed;
// 8-bit samples become value x 256 - 32768, wider ones keep their top 16 bits.
// A mono wave stores its pair twice; a wave of more channels shows its first two.
// Keeps a wave's data open for one computation and closes it on every way
// out, an error included.
class WaveDataOpen {
  public:
    explicit WaveDataOpen(TMMWave& wave);
    ~WaveDataOpen();
    WaveDataOpen(const WaveDataOpen&) = delete;
    WaveDataOpen& operator=(const WaveDataOpen&) = delete;

  private:
    TMMWave& wave_;
};

struct TPeakColumn {
    int16_t First0 = 0;
    int16_t Second0 = 0;
    int16_t First1 = 0;
    int16_t Second1 = 0;
};

class TWavePeaks {
  public:
    // Called after column `index` was stored.
    using ColumnDone = std::function<void(int index)>;
    // Reads up to `count` bytes into `buffer`; returns how many, 0 or less
    // at the end.
    using Reader = std::function<int64_t(char* buffer, int64_t count)>;
    struct Layout;

    // True for the waves that are drawn: PCM with data and 1 to 32 bits per sample.
    static bool CanDraw(const TMMWave& wave);
    // The data bytes of one column: the larger of 4 and dataBytes div width,
    // rounded down to whole steps. A step is 4 bytes, or the smallest multiple
    // of 4 that also holds whole sample frames, so that no frame is split.
    static int64_t BytesPerColumn(int64_t dataBytes, int width, int frameBytes);

    // A zero-filled table of `width` columns.
    void Reset(int width);
    int Width() const { return int(columns_.size()); }
    const std::vector<TPeakColumn>& Columns() const { return columns_; }

    // Reads the wave's data from its start (OpenFile, SetPosition, ReadData,
    // CloseFile; never more than DataSize bytes) and stores one column per
    // bytes-per-column, stopping at the end of the data. Returns the number of
    // columns stored; nothing for a wave CanDraw refuses. Errors of reading
    // (EMMWaveError) pass through, with the wave's data closed again.
    int Compute(TMMWave& wave, const ColumnDone& columnDone = {});
    // The same for `dataBytes` bytes of interleaved 16-bit samples of
    // `channels` channels that `read` gives: a coding decoded for playing.
    int Compute(const Reader& read, int64_t dataBytes, int channels, const ColumnDone& columnDone = {});

  private:
    int ComputeFrom(const Reader& read, const Layout& layout, int64_t dataBytes,
                    const ColumnDone& columnDone);

    std::vector<TPeakColumn> columns_;
};
