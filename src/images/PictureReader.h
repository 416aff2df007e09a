#pragma once

#include "common/Exception.h"

#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

// A picture file that Qt's readers cannot make a picture of, with Qt's reason.
class EPictureReadError : public Exception {
  public:
    EPictureReadError(const QString& path, const QString& reason)
        : Exception(QCoreApplication::translate("PictureReader", "Cannot read the picture in %1: %2")
                        .arg(path, reason))
    {
    }
};

// A picture that declares more pixels than a card or a preview could ever use.
class EPictureTooLarge : public Exception {
  public:
    EPictureTooLarge(const QString& path, QSize size)
        : Exception(
              QCoreApplication::translate("PictureReader", "The picture in %1 is too large (%2 x %3 pixels)")
                  .arg(path)
                  .arg(size.width())
                  .arg(size.height()))
    {
    }
};

// A drawing refused before rendering, with the reason (SvgSanitiser.h).
class EDrawingRefused : public Exception {
  public:
    EDrawingRefused(const QString& path, const QString& reason)
        : Exception(QCoreApplication::translate("PictureReader", "The drawing in %1 cannot be used: %2")
                        .arg(path, reason))
    {
    }
};

// Reads picture files of every kind Qt's image plugins know (PNG, JPEG, GIF,
// WebP, TIFF, SVG, ...) with the guards untrusted files need: only plain
// files, the kind decided by the content rather than the name, the declared
// size checked before anything is decoded, and an allocation limit for the
// readers that cannot tell their size in advance. Drawings (SVG) are
// rewritten first so that they never read another file (SvgSanitiser.h).
// Safe to call from any thread.
namespace PictureReader {

// Pictures that would decode to more than this many pixels (8192 x 8192) are
// refused before decoding. A photo that the decoder itself scales down (JPEG)
// counts by the size it decodes to, not by the size it states.
constexpr qint64 MaxPixels = qint64(1) << 26;
// The largest drawing read, compressed or not.
constexpr qint64 MaxDrawingBytes = qint64(64) << 20;
// What Qt's readers may allocate for one picture, in megabytes: a picture of
// MaxPixels at 32 bits a pixel, and some room for the reader's own rows.
constexpr int AllocationLimitMB = 320;

// The picture with its EXIF orientation applied. Drawings (SVG) are rendered
// at their own size, or fitted into `drawingBound` with their aspect kept when
// larger or of no stated size. Raises EFOpenError, EPictureReadError or
// EPictureTooLarge, EDrawingRefused.
QImage read(const QString& path, QSize drawingBound);

// The picture with its EXIF orientation applied, scaled up or down with its
// aspect kept until it just fits `box` (its size is FittedSize(its size,
// box)). Drawings are rendered at that size; photos that their decoder can
// scale (JPEG) are decoded at a fraction of their size and the rest scaled
// smoothly. Raises what read() raises.
QImage readFitted(const QString& path, QSize box);

// `size` scaled up or down with its aspect kept until it just fits `box`,
// never below one pixel a side; an empty size stays as it is.
QSize FittedSize(QSize size, QSize box);

// The lower-cased extensions of the common picture kinds that the readers
// here can read, sorted: among bmp, gif, jpeg, jpg, png, svg, tif, tiff, webp.
QStringList commonExtensions();

} // namespace PictureReader
