#pragma once

#include "common/Exception.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QIODevice>
#include <QImage>
#include <QSize>

// A JPEG decoding error, numbered by the decoder's message code.
class EJPEG : public Exception {
  public:
    explicit EJPEG(int code)
        : Exception(QCoreApplication::translate("BitmapErrors", "JPEG error #%1").arg(code)), code_(code)
    {
    }
    int code() const { return code_; }

  private:
    int code_;
};

// Decodes JPEG files for the picture preview with libjpeg(-turbo), whose
// errors come back as EJPEG instead of ending the program. The bytes are
// untrusted: a declared size that the file's length cannot justify is refused
// before anything is allocated for it.
namespace JpegDecoder {

// Pictures above this many pixels are refused outright; a picture above
// AlwaysAllowedPixels must also come from at least 1/MaxPixelsPerByte of a
// byte per pixel (even a flat JPEG spends more than that).
constexpr qint64 MaxPixels = qint64(1) << 26;
constexpr qint64 AlwaysAllowedPixels = qint64(1) << 22;
constexpr qint64 MaxPixelsPerByte = 1024;

// The picture as a Format_RGB32 image. Raises EJPEG.
QImage decode(const QByteArray& bytes);

// What a JPEG's header up to its first scan tells of decoding it.
struct Header {
    QSize size;
    // Progressive pictures, and those whose first scan lacks some colour
    // components, are decoded through a buffer of the whole picture's
    // coefficients (about 2 bytes a sample), however small the output.
    bool wholePictureBuffered = false;
};

// Reads `device` from its current position up to the first scan, no
// further. Raises EJPEG.
Header readHeader(QIODevice& device);

} // namespace JpegDecoder
