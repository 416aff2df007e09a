#pragma once

#include "images/BitmapData.h"

#include <QImage>
#include <array>

// Converts between a picture's stored pixel rows and a 32-bit image for
// display and drawing. Conversions happen only when a picture is shown or drawn
// on; loading and saving never touch the pixels.
namespace BitmapPixels {

// Decodes stored pixels of one picture into 32-bit colours, a piece of a row
// at a time, so that a reader can stream rows without a full-size image.
class RowDecoder {
  public:
    explicit RowDecoder(const TBitmap::Data& picture);

    // `count` pixels starting at `bytes`, which points at the first byte of a
    // pixel (for 1 and 4 bits per pixel: a pixel at a byte boundary).
    void decode(const uchar* bytes, int count, QRgb* out) const;

  private:
    int bits_;
    std::array<QRgb, 256> palette_;
    std::array<uint32_t, 3> masks_;
};

// The picture as a Format_RGB32 image, rows top-down. Paletted pixels whose
// index lies beyond the colour table show black. Null for the empty picture.
QImage toImage(const TBitmap::Data& picture);

// Stores every pixel in which `after` differs from `before` (both made by
// toImage() and then drawn on) back into the picture's own pixel format. On a
// paletted picture each new colour becomes its nearest colour-table entry;
// pixels left alone keep their stored value exactly.
void storeChanges(TBitmap::Data& picture, const QImage& before, const QImage& after);

} // namespace BitmapPixels
