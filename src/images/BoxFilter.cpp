#include "images/BoxFilter.h"

#include <algorithm>

namespace {

std::vector<int64_t> binEdges(int64_t sourceLength, int64_t targetLength)
{
    std::vector<int64_t> edges(size_t(targetLength) + 1);
    for (int64_t i = 0; i <= targetLength; ++i)
        edges[size_t(i)] = i * sourceLength / targetLength;
    return edges;
}

} // namespace

BoxFilter::BoxFilter(QSize source, QSize target)
    : source_(source), target_(target), columnStarts_(binEdges(source.width(), target.width())),
      rowStarts_(binEdges(source.height(), target.height())),
      sums_(size_t(target.width()) * size_t(target.height()) * 3, 0),
      runSteps_((size_t(target.width()) + 1) * 3, 0)
{
    if (source.width() <= MaxSummedWidth)
        columnSums_.assign(size_t(source.width()) * 3, 0);
}

// The bin holding `position`: the last bin whose edge lies at or before it.
int BoxFilter::binOf(int64_t position, int64_t sourceLength, int64_t targetLength) const
{
    return int(((position + 1) * targetLength - 1) / sourceLength);
}

template <typename Colour> void BoxFilter::add(int y, int x0, int count, Colour colour)
{
    uint64_t* row = sums_.data() + size_t(binOf(y, source_.height(), target_.height())) * target_.width() * 3;
    int column = binOf(x0, source_.width(), target_.width());
    const int64_t end = x0 + int64_t(count);
    for (int64_t x = x0; x < end; ++column) {
        const int64_t stop = std::min(columnStarts_[size_t(column) + 1], end);
        uint64_t red = 0, green = 0, blue = 0;
        for (; x < stop; ++x)
            colour(int(x - x0), red, green, blue);
        row[column * 3] += red;
        row[column * 3 + 1] += green;
        row[column * 3 + 2] += blue;
    }
}

bool BoxFilter::startSummedRow(int y)
{
    if (columnSums_.empty())
        return false;
    const int bin = binOf(y, source_.height(), target_.height());
    if (bin != summedBin_ || summedRows_ == 256)
        flushSummedRows();
    summedBin_ = bin;
    ++summedRows_;
    return true;
}

void BoxFilter::flushSummedRows()
{
    if (summedRows_ == 0)
        return;
    uint64_t* row = sums_.data() + size_t(summedBin_) * target_.width() * 3;
    for (int column = 0; column < target_.width(); ++column) {
        uint64_t blue = 0, green = 0, red = 0;
        for (int64_t x = columnStarts_[size_t(column)]; x < columnStarts_[size_t(column) + 1]; ++x) {
            blue += columnSums_[size_t(x) * 3];
            green += columnSums_[size_t(x) * 3 + 1];
            red += columnSums_[size_t(x) * 3 + 2];
        }
        row[column * 3] += red;
        row[column * 3 + 1] += green;
        row[column * 3 + 2] += blue;
    }
    std::fill(columnSums_.begin(), columnSums_.end(), uint16_t(0));
    summedRows_ = 0;
}

void BoxFilter::addPixels(int y, int x0, const QRgb* pixels, int count)
{
    if (y < 0 || y >= source_.height() || x0 < 0 || count <= 0 || x0 + int64_t(count) > source_.width())
        return;
    if (startSummedRow(y)) {
        uint16_t* sums = columnSums_.data() + size_t(x0) * 3;
        for (int i = 0; i < count; ++i) {
            sums[3 * i] = uint16_t(sums[3 * i] + qBlue(pixels[i]));
            sums[3 * i + 1] = uint16_t(sums[3 * i + 1] + qGreen(pixels[i]));
            sums[3 * i + 2] = uint16_t(sums[3 * i + 2] + qRed(pixels[i]));
        }
        return;
    }
    add(y, x0, count, [pixels](int i, uint64_t& red, uint64_t& green, uint64_t& blue) {
        red += qRed(pixels[i]);
        green += qGreen(pixels[i]);
        blue += qBlue(pixels[i]);
    });
}

void BoxFilter::addBgr(int y, int x0, const uchar* bytes, int count)
{
    if (y < 0 || y >= source_.height() || x0 < 0 || count <= 0 || x0 + int64_t(count) > source_.width())
        return;
    if (startSummedRow(y)) {
        uint16_t* sums = columnSums_.data() + size_t(x0) * 3;
        for (int i = 0; i < count * 3; ++i)
            sums[i] = uint16_t(sums[i] + bytes[i]);
        return;
    }
    add(y, x0, count, [bytes](int i, uint64_t& red, uint64_t& green, uint64_t& blue) {
        blue += bytes[3 * i];
        green += bytes[3 * i + 1];
        red += bytes[3 * i + 2];
    });
}

// A run adds its colour to the bins it only partly covers at once; the bins
// it covers whole get the colour per pixel in a difference array over the
// bins, summed into the bin row when another row of bins comes in. A run
// thus costs the same whatever its length.
void BoxFilter::addRun(int y, int x0, int count, QRgb colour)
{
    if (y < 0 || y >= source_.height() || x0 < 0 || count <= 0 || x0 + int64_t(count) > source_.width())
        return;
    const int bin = binOf(y, source_.height(), target_.height());
    if (bin != runBin_) {
        flushRuns();
        runBin_ = bin;
    }
    uint64_t* row = sums_.data() + size_t(bin) * target_.width() * 3;
    const uint64_t channels[3] = {uint64_t(qRed(colour)), uint64_t(qGreen(colour)), uint64_t(qBlue(colour))};
    const int64_t end = x0 + int64_t(count);
    const int first = binOf(x0, source_.width(), target_.width());
    const int last = binOf(end - 1, source_.width(), target_.width());
    const auto addPart = [&](int column, int64_t pixels) {
        for (int c = 0; c < 3; ++c)
            row[column * 3 + c] += uint64_t(pixels) * channels[c];
    };
    if (first == last) {
        addPart(first, count);
        return;
    }
    addPart(first, columnStarts_[size_t(first) + 1] - x0);
    addPart(last, end - columnStarts_[size_t(last)]);
    for (int c = 0; c < 3; ++c) {
        runSteps_[size_t(first + 1) * 3 + c] += int64_t(channels[c]);
        runSteps_[size_t(last) * 3 + c] -= int64_t(channels[c]);
    }
}

void BoxFilter::flushRuns()
{
    if (runBin_ < 0)
        return;
    uint64_t* row = sums_.data() + size_t(runBin_) * target_.width() * 3;
    int64_t perPixel[3] = {0, 0, 0};
    for (int column = 0; column < target_.width(); ++column) {
        const int64_t width = columnStarts_[size_t(column) + 1] - columnStarts_[size_t(column)];
        for (int c = 0; c < 3; ++c) {
            perPixel[c] += runSteps_[size_t(column) * 3 + c];
            row[column * 3 + c] += uint64_t(perPixel[c] * width);
        }
    }
    std::fill(runSteps_.begin(), runSteps_.end(), int64_t(0));
    runBin_ = -1;
}

QImage BoxFilter::result()
{
    flushSummedRows();
    flushRuns();
    QImage image(target_, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    for (int y = 0; y < target_.height(); ++y) {
        const uint64_t rows = uint64_t(rowStarts_[size_t(y) + 1] - rowStarts_[size_t(y)]);
        const uint64_t* sums = sums_.data() + size_t(y) * target_.width() * 3;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < target_.width(); ++x) {
            const uint64_t n = rows * uint64_t(columnStarts_[size_t(x) + 1] - columnStarts_[size_t(x)]);
            const auto mean = [&](int channel) { return int((sums[x * 3 + channel] + n / 2) / n); };
            out[x] = qRgb(mean(0), mean(1), mean(2));
        }
    }
    return image;
}
