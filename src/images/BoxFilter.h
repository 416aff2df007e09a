#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

// Scales a picture down by averaging the source pixels of each target pixel
// (an area average): the source is cut into target-size many bins of whole
// pixels along each axis, bins that differ by at most one pixel in width.
// Pixels can come in any order and in pieces of rows, so a reader can feed
// rows as it decodes them without holding the whole picture.
class BoxFilter {
  public:
    // `target` is at most `source` along each axis and at least 1 x 1.
    BoxFilter(QSize source, QSize target);

    // `count` pixels of image row `y` starting at column `x0`.
    void addPixels(int y, int x0, const QRgb* pixels, int count);
    // The same for 24-bit stored pixels (blue, green, red bytes).
    void addBgr(int y, int x0, const uchar* bytes, int count);

    // `count` pixels of one colour: the cost grows with the bins the run
    // covers, not with its length, so long runs of a decoded picture are cheap.
    void addRun(int y, int x0, int count, QRgb colour);
    // The averaged picture, Format_RGB32.
    QImage result();

    // Rows up to this wide are first summed column by column over the rows of
    // a bin (a loop the compiler vectorises) and binned across once per bin;
    // wider rows are binned pixel by pixel.
    static constexpr int MaxSummedWidth = 1 << 16;

  private:
    template <typename Colour> void add(int y, int x0, int count, Colour colour);
    bool startSummedRow(int y);
    void flushRuns();
    void flushSummedRows();
    int binOf(int64_t position, int64_t sourceLength, int64_t targetLength) const;

    QSize source_;
    QSize target_;
    std::vector<int64_t> columnStarts_; // target width + 1 bin edges
    std::vector<int64_t> rowStarts_;    // target height + 1 bin edges
    std::vector<uint64_t> sums_;        // red, green, blue per target pixel
    // Blue, green, red per source column over the rows of one bin; 257 rows
    // of 255 fill 16 bits, so they are binned before a 257th row comes in.
    std::vector<uint16_t> columnSums_;
    int summedBin_ = -1;
    // Per target column of the row of bins `runBin_`: the change of the
    // colour per pixel that runs covering whole bins add (red, green, blue).
    std::vector<int64_t> runSteps_;
    int runBin_ = -1;
    int summedRows_ = 0;
};
