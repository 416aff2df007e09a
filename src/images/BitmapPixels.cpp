#include "images/BitmapPixels.h"

#include "images/BmpLayout.h"

#include <QHash>
#include <QtEndian>
#include <array>
#include <bit>

using namespace BmpLayout;

namespace {

// One colour channel of a 16- or 32-bit pixel, located by its mask.
class Channel {
  public:
    explicit Channel(uint32_t mask) : mask_(mask)
    {
        if (mask_ == 0)
            return;
        shift_ = std::countr_zero(mask_);
        width_ = 32 - std::countl_zero(mask_ >> shift_);
        max_ = (uint64_t(1) << width_) - 1;
    }

    int decode(uint32_t pixel) const
    {
        if (mask_ == 0)
            return 0;
        const uint64_t value = (pixel & mask_) >> shift_;
        if (width_ >= 8)
            return int(value >> (width_ - 8));
        return int((value * 255 + max_ / 2) / max_);
    }

    uint32_t encode(int component) const
    {
        if (mask_ == 0)
            return 0;
        const uint64_t value =
            width_ >= 8 ? uint64_t(component) << (width_ - 8) : (uint64_t(component) * max_ + 127) / 255;
        return uint32_t(value << shift_) & mask_;
    }

  private:
    uint32_t mask_;
    int shift_ = 0;
    int width_ = 0;
    uint64_t max_ = 1;
};

struct ChannelSet {
    Channel red, green, blue;

    QRgb decode(uint32_t pixel) const
    {
        return qRgb(red.decode(pixel), green.decode(pixel), blue.decode(pixel));
    }
    uint32_t encode(QRgb colour) const
    {
        return red.encode(qRed(colour)) | green.encode(qGreen(colour)) | blue.encode(qBlue(colour));
    }
};

std::array<uint32_t, 3> masksOf(const TBitmap::Data& picture)
{
    const bool ownMasks =
        picture.compression == CompressionBitFields && picture.masks != std::array<uint32_t, 3>{};
    const uint32_t* masks = ownMasks ? picture.masks.data()
                            : picture.compression == CompressionBitFields
                                ? (picture.bitsPerPixel == 16 ? Default16Masks : Default32Masks)
                            : picture.bitsPerPixel == 16 ? Rgb555Masks
                                                         : Default32Masks;
    return {masks[0], masks[1], masks[2]};
}

ChannelSet channelsOf(const std::array<uint32_t, 3>& masks)
{
    return {Channel(masks[0]), Channel(masks[1]), Channel(masks[2])};
}

ChannelSet channelsOf(const TBitmap::Data& picture)
{
    return channelsOf(masksOf(picture));
}

std::array<QRgb, 256> paletteOf(const TBitmap::Data& picture)
{
    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    const auto* table = reinterpret_cast<const uchar*>(picture.colourTable.constData());
    for (int i = 0; i < picture.colourCount(); ++i)
        palette[size_t(i)] = qRgb(table[i * 4 + 2], table[i * 4 + 1], table[i * 4]);
    return palette;
}

int indexAt(const uchar* row, int x, int bits)
{
    switch (bits) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4:
        return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    default:
        return row[x];
    }
}

void setIndex(uchar* row, int x, int bits, int index)
{
    switch (bits) {
    case 1: {
        const int bit = 7 - x % 8;
        row[x / 8] = uchar((row[x / 8] & ~(1 << bit)) | ((index & 1) << bit));
        break;
    }
    case 4:
        row[x / 2] =
            x % 2 == 0 ? uchar((row[x / 2] & 0x0F) | (index << 4)) : uchar((row[x / 2] & 0xF0) | index);
        break;
    default:
        row[x] = uchar(index);
    }
}

void decodeRow(int bits, const uchar* row, int width, QRgb* out, const std::array<QRgb, 256>& palette,
               const ChannelSet& channels)
{
    switch (bits) {
    case 16:
        for (int x = 0; x < width; ++x)
            out[x] = channels.decode(qFromLittleEndian<uint16_t>(row + 2 * x));
        break;
    case 24:
        for (int x = 0; x < width; ++x)
            out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        break;
    case 32:
        for (int x = 0; x < width; ++x)
            out[x] = channels.decode(qFromLittleEndian<uint32_t>(row + 4 * x));
        break;
    default:
        for (int x = 0; x < width; ++x)
            out[x] = palette[size_t(indexAt(row, x, bits))];
    }
}

// Nearest colour-table entry by squared distance; the first of equals wins.
class NearestEntry {
  public:
    explicit NearestEntry(const TBitmap::Data& picture)
        : palette_(paletteOf(picture)), count_(picture.colourCount())
    {
    }

    int operator()(QRgb colour)
    {
        const auto it = cache_.constFind(colour);
        if (it != cache_.constEnd())
            return it.value();
        int best = 0;
        int bestDistance = INT_MAX;
        for (int i = 0; i < count_; ++i) {
            const int dr = qRed(colour) - qRed(palette_[size_t(i)]);
            const int dg = qGreen(colour) - qGreen(palette_[size_t(i)]);
            const int db = qBlue(colour) - qBlue(palette_[size_t(i)]);
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        cache_.insert(colour, best);
        return best;
    }

  private:
    std::array<QRgb, 256> palette_;
    int count_;
    QHash<QRgb, int> cache_;
};

void encodePixel(const TBitmap::Data& picture, uchar* row, int x, QRgb colour, const ChannelSet& channels,
                 NearestEntry& nearest)
{
    switch (picture.bitsPerPixel) {
    case 16:
        qToLittleEndian(uint16_t(channels.encode(colour)), row + 2 * x);
        break;
    case 24:
        row[3 * x] = uchar(qBlue(colour));
        row[3 * x + 1] = uchar(qGreen(colour));
        row[3 * x + 2] = uchar(qRed(colour));
        break;
    case 32:
        qToLittleEndian(channels.encode(colour), row + 4 * x);
        break;
    default:
        setIndex(row, x, picture.bitsPerPixel, nearest(colour));
    }
}

int storedRow(const TBitmap::Data& picture, int imageRow)
{
    return picture.topDown() ? imageRow : picture.absHeight() - 1 - imageRow;
}

} // namespace

namespace BitmapPixels {

RowDecoder::RowDecoder(const TBitmap::Data& picture)
    : bits_(picture.bitsPerPixel), palette_(paletteOf(picture)), masks_(masksOf(picture))
{
}

void RowDecoder::decode(const uchar* bytes, int count, QRgb* out) const
{
    decodeRow(bits_, bytes, count, out, palette_, channelsOf(masks_));
}

QImage toImage(const TBitmap::Data& picture)
{
    if (picture.empty())
        return QImage();
    QImage image(picture.width, picture.absHeight(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const RowDecoder decoder(picture);
    const auto* pixels = reinterpret_cast<const uchar*>(picture.pixels.constData());
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = pixels + qsizetype(storedRow(picture, y)) * picture.rowLength();
        decoder.decode(row, picture.width, reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return image;
}

void storeChanges(TBitmap::Data& picture, const QImage& before, const QImage& after)
{
    const ChannelSet channels = channelsOf(picture);
    NearestEntry nearest(picture);
    auto* pixels = reinterpret_cast<uchar*>(picture.pixels.data());
    for (int y = 0; y < before.height(); ++y) {
        const auto* old = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* now = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        uchar* row = pixels + qsizetype(storedRow(picture, y)) * picture.rowLength();
        for (int x = 0; x < before.width(); ++x) {
            if (now[x] != old[x])
                encodePixel(picture, row, x, now[x] | 0xFF000000u, channels, nearest);
        }
    }
}

} // namespace BitmapPixels
