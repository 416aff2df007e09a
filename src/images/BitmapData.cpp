#include "images/BitmapData.h"

#include "images/BmpLayout.h"

qsizetype TBitmap::Data::rowLength() const
{
    return qsizetype(BmpLayout::rowLength(uint64_t(width), uint64_t(bitsPerPixel)));
}
