#include "images/RleDecoder.h"

#include <algorithm>
#include <cstring>

namespace {

// Escape codes that follow a zero count byte.
constexpr uchar EndOfLine = 0;
constexpr uchar EndOfBitmap = 1;
constexpr uchar Delta = 2;

} // namespace

RleDecoder::RleDecoder(int bitsPerPixel, int width, int height, qsizetype rowLength)
    : bits_(bitsPerPixel), width_(width), height_(height), rowLength_(rowLength)
{
}

// Writes the decoded pixels into rows of a zero-filled buffer; the runs of
// index 0 are there already.
class RowBuffer final : public RleDecoder::Sink {
  public:
    RowBuffer(uchar* dest, qsizetype rowLength, int bits) : dest_(dest), rowLength_(rowLength), bits_(bits) {}

    void run(int row, int x, int count, uchar index) override
    {
        if (index == 0)
            return;
        if (bits_ == 8) {
            std::memset(dest_ + row * rowLength_ + x, index, size_t(count));
            return;
        }
        for (int i = 0; i < count; ++i)
            put(row, x + i, index);
    }

    void pixels(int row, int x, int count, const uchar* indices) override
    {
        if (bits_ == 8) {
            std::memcpy(dest_ + row * rowLength_ + x, indices, size_t(count));
            return;
        }
        for (int i = 0; i < count; ++i)
            put(row, x + i, indices[i]);
    }

  private:
    void put(int row, int x, uchar index)
    {
        uchar& byte = dest_[row * rowLength_ + x / 2];
        byte = (x % 2 == 0) ? uchar((byte & 0x0F) | (index << 4)) : uchar((byte & 0xF0) | (index & 0x0F));
    }

    uchar* dest_;
    qsizetype rowLength_;
    int bits_;
};

void RleDecoder::fillTo(int x, int y)
{
    for (; filledY_ < y && filledY_ < height_; ++filledY_, filledX_ = 0)
        if (filledX_ < width_)
            sink_->run(filledY_, filledX_, width_ - filledX_, 0);
    if (filledY_ < height_ && filledY_ == y && x > filledX_) {
        sink_->run(filledY_, filledX_, x - filledX_, 0);
        filledX_ = x;
    }
}

void RleDecoder::putRun(int count, uchar value)
{
    const int n = std::min(count, width_ - x_);
    if (n > 0) {
        fillTo(x_, y_);
        const uchar high = bits_ == 8 ? value : uchar(value >> 4);
        const uchar low = bits_ == 8 ? value : uchar(value & 0x0F);
        if (high == low) {
            sink_->run(y_, x_, n, high);
        } else {
            // RLE4 runs alternate the two nibbles of the value byte.
            uchar indices[255];
            for (int i = 0; i < n; ++i)
                indices[i] = i % 2 == 0 ? high : low;
            sink_->pixels(y_, x_, n, indices);
        }
        filledX_ = x_ + n;
    }
    x_ = std::min(x_ + count, width_);
}

void RleDecoder::putLiteral(int count, const uchar* bytes)
{
    const int n = std::min(count, width_ - x_);
    if (n > 0) {
        fillTo(x_, y_);
        if (bits_ == 8) {
            sink_->pixels(y_, x_, n, bytes);
        } else {
            uchar indices[255];
            for (int i = 0; i < n; ++i)
                indices[i] = (i % 2 == 0) ? uchar(bytes[i / 2] >> 4) : uchar(bytes[i / 2] & 0x0F);
            sink_->pixels(y_, x_, n, indices);
        }
        filledX_ = x_ + n;
    }
    x_ = std::min(x_ + count, width_);
}

void RleDecoder::decode(const uchar* data, qint64 length, uchar* dest)
{
    RowBuffer buffer(dest, rowLength_, bits_);
    decode(data, length, buffer);
}

void RleDecoder::decode(const uchar* data, qint64 length, Sink& sink)
{
    sink_ = &sink;
    qint64 i = 0;
    while (y_ < height_ && i + 2 <= length) {
        const uchar count = data[i];
        const uchar code = data[i + 1];
        i += 2;
        if (count > 0) {
            putRun(count, code);
        } else if (code == EndOfLine) {
            x_ = 0;
            ++y_;
        } else if (code == EndOfBitmap) {
            break;
        } else if (code == Delta) {
            if (i + 2 > length)
                break;
            x_ = std::min(x_ + int(data[i]), width_);
            y_ += data[i + 1];
            i += 2;
        } else {
            // A literal group: `code` pixels, padded to a 16-bit boundary.
            const qint64 bytes = bits_ == 8 ? code : (code + 1) / 2;
            const qint64 present = std::min(bytes, length - i);
            const int pixels = int(bits_ == 8 ? present : std::min<qint64>(code, present * 2));
            putLiteral(pixels, data + i);
            i += bytes + (bytes % 2);
        }
    }
    fillTo(0, height_);
    sink_ = nullptr;
}
