#pragma once

#include <QByteArray>
#include <QImage>

// Card pictures as a web page carries them: PNG files of at most 256 x 256
// pixels, kept under a byte budget so that a whole set fits in a page a
// tablet loads at once.
namespace WebCardImage {

constexpr int MaxSide = 256;

// `picture` as PNG bytes. A picture of at most 256 colours is written with a
// palette, which loses nothing; one of more colours as true colour. When that
// is more than `budget` bytes the picture is dithered to 256 colours and then
// made smaller, step by step, until it fits (the smallest step, 64 pixels, is
// taken whatever its size). Never larger than MaxSide on either side.
QByteArray Png(const QImage& picture, qint64 budget);

} // namespace WebCardImage
