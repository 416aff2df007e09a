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

void RleDecoder::putPixel(uchar* row, int x, uchar index) const
{
    if (bits_ == 8) {
        row[x] = index;
        return;
    }
    uchar& byte = row[x / 2];
    byte = (x % 2 == 0) ? uchar((byte & 0x0F) | (index << 4)) : uchar((byte & 0xF0) | (index & 0x0F));
}

void RleDecoder::putRun(uchar* row, int count, uchar value)
{
    const int n = std::min(count, width_ - x_);
    if (n > 0 && bits_ == 8) {
        std::memset(row + x_, value, size_t(n));
    } else {
        // RLE4 runs alternate the two nibbles of the value byte.
        for (int i = 0; i < n; ++i)
            putPixel(row, x_ + i, (i % 2 == 0) ? uchar(value >> 4) : uchar(value & 0x0F));
    }
    x_ = std::min(x_ + count, width_);
}

void RleDecoder::putLiteral(uchar* row, int count, const uchar* bytes)
{
    const int n = std::min(count, width_ - x_);
    if (n > 0 && bits_ == 8) {
        std::memcpy(row + x_, bytes, size_t(n));
    } else {
        for (int i = 0; i < n; ++i)
            putPixel(row, x_ + i, (i % 2 == 0) ? uchar(bytes[i / 2] >> 4) : uchar(bytes[i / 2] & 0x0F));
    }
    x_ = std::min(x_ + count, width_);
}

void RleDecoder::decode(const uchar* data, qint64 length, uchar* dest)
{
    qint64 i = 0;
    while (y_ < height_ && i + 2 <= length) {
        const uchar count = data[i];
        const uchar code = data[i + 1];
        i += 2;
        uchar* row = dest + y_ * rowLength_;
        if (count > 0) {
            putRun(row, count, code);
        } else if (code == EndOfLine) {
            x_ = 0;
            ++y_;
        } else if (code == EndOfBitmap) {
            return;
        } else if (code == Delta) {
            if (i + 2 > length)
                return;
            x_ = std::min(x_ + int(data[i]), width_);
            y_ += data[i + 1];
            i += 2;
        } else {
            // A literal group: `code` pixels, padded to a 16-bit boundary.
            const qint64 bytes = bits_ == 8 ? code : (code + 1) / 2;
            const qint64 present = std::min(bytes, length - i);
            const int pixels = int(bits_ == 8 ? present : std::min<qint64>(code, present * 2));
            putLiteral(row, pixels, data + i);
            i += bytes + (bytes % 2);
        }
    }
}
