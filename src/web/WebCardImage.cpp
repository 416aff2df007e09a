#include "web/WebCardImage.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSet>
#include <array>

namespace {

// The longest side of each step down, largest first.
constexpr std::array<int, 5> Sides{WebCardImage::MaxSide, 192, 128, 96, 64};
constexpr int PaletteSize = 256;

// Qt's PNG writer takes quality q as zlib's level (100 - q) * 9 / 91.
// Level 4 comes within a few per cent of level 9 at a fraction of its time
// (level 9 spends most of it on dithered pictures, for 5 % fewer bytes).
constexpr int KeptQuality = 50; // level 4
// Level 1: a quick look at how large a true-colour picture will be.
constexpr int QuickQuality = 80;
// Level 4 rarely writes a true-colour picture more than this much smaller
// than level 1 does: larger at level 1, it will not fit at level 4 either.
constexpr double MostGained = 1.25;

QByteArray pngBytes(const QImage& image, int quality = KeptQuality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return bytes;
}

// The true-colour PNG of `image` when it fits in `budget`, else nothing.
QByteArray trueColourWithin(const QImage& image, qint64 budget)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (double(pngBytes(rgb, QuickQuality).size()) > double(budget) * MostGained)
        return {};
    QByteArray bytes = pngBytes(rgb);
    return bytes.size() <= budget ? bytes : QByteArray();
}

bool fitsPalette(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(row[x]);
            if (colours.size() > PaletteSize)
                return false;
        }
    }
    return true;
}

QImage scaledToSide(const QImage& picture, int side)
{
    if (picture.width() <= side && picture.height() <= side)
        return picture;
    return picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

namespace WebCardImage {

QByteArray Png(const QImage& picture, qint64 budget)
{
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    QByteArray smallest;
    for (const int side : Sides) {
        const QImage scaled = scaledToSide(opaque, side);
        if (fitsPalette(scaled)) {
            // Qt builds an exact palette when the picture has no more colours than it holds.
            smallest = pngBytes(scaled.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither));
        } else {
            const QByteArray trueColour = trueColourWithin(scaled, budget);
            if (!trueColour.isEmpty())
                return trueColour;
            smallest = pngBytes(scaled.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither));
        }
        if (smallest.size() <= budget)
            return smallest;
    }
    return smallest;
}

} // namespace WebCardImage
