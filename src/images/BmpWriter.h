#pragma once

#include "images/BitmapData.h"

#include <QByteArray>
#include <QString>

// Writes a TBitmap's picture in BMP form. The headers are built first and the
// file header's size and offset are taken from what was built, so the two can
// never disagree.
namespace BmpWriter {

// Everything before the pixel rows: file header, info header, masks, colour
// table (for a picture with kept compressed data: the 14-byte file header
// only). Empty for the empty picture.
QByteArray headerBytes(const TBitmap::Data& picture);

// The whole file as bytes (headerBytes() followed by rows or kept data).
QByteArray fileBytes(const TBitmap::Data& picture);

// Writes the file through a temporary file in the same folder that replaces
// `path` only once every byte is written. `path` is used as given; callers
// pick the spelling (see FileNames::targetForWrite). Raises EFCreateError or
// EWriteError with `shownPath` in the text.
void writeFile(const TBitmap::Data& picture, const QString& path, const QString& shownPath);

} // namespace BmpWriter
