#include "web/WebCardImage.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSet>
#include <array>

namespace {

// The longest side of each step down, largest first.
constexpr std::array<int, 5> Sides{WebCardImage::MaxSide, 192, 128, 96, 64};
constexpr int PaletteSize = 256;

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(0); // the strongest compression: the page is written once, loaded often
    if (!writer.write(image))
        return {};
    return bytes;
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
            smallest = pngBytes(scaled.convertToFormat(QImage::Format_RGB888));
            if (smallest.size() <= budget)
                return smallest;
            smallest = pngBytes(scaled.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither));
        }
        if (smallest.size() <= budget)
            return smallest;
    }
    return smallest;
}

} // namespace WebCardImage
