#pragma once

#include "common/Exception.h"
#include "images/TBitmap.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

// Card pictures from picture files of any common kind and from the clipboard.
//
// A BMP file is the card picture as it is: read by our own reader and written
// back as read, its size and depth kept. Any other picture (PNG, JPEG, GIF,
// WebP, TIFF, SVG, ...) becomes a card-shaped BMP: with its EXIF orientation
// applied, scaled up or down with its aspect kept until it just fits
// CardPictureSide x CardPictureSide (smoothly; a drawing is rendered at that
// size, a large photo decoded at a fraction of its size), centred on a white
// square of that side, transparent parts white, 24 bits a pixel.

// The largest side of a converted picture.
constexpr int CardPictureSide = 256;

// An empty image handed over as a picture (an empty clipboard).
class ENoPicture : public Exception {
  public:
    ENoPicture()
        : Exception(QCoreApplication::translate("BitmapErrors", "There is no picture to put on the card"))
    {
    }
};

// The card picture of the file `path`. Raises the bitmap errors of
// BitmapErrors.h for a BMP file, EFOpenError for a file that is missing or not
// a plain file, and EPictureReadError or EPictureTooLarge (PictureReader.h)
// for other pictures that cannot be read, EDrawingRefused for a drawing that
// refers to other files or embeds too many pixels.
TBitmap LoadCardPicture(const QString& path);

// `image` converted as a picture file other than BMP is. Raises ENoPicture for
// a null image.
TBitmap CardPictureFromImage(const QImage& image);

// True when `path` is read as a BMP file: its name ends in ".bmp" (whatever it
// holds, as the bitmap reader always took such files) or it begins with "BM".
bool IsBitmapFile(const QString& path);
