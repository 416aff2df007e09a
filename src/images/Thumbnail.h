#pragma once

#include "images/FileStamp.h"

#include <QImage>
#include <QMetaType>
#include <QSize>
#include <QString>

class BmpSource;

// A small picture of a picture file, fitting a box with the picture's aspect
// kept and never larger than the picture itself.
struct Thumbnail {
    QImage image;    // null for an empty (0-byte) card or on error
    QString error;   // the reader's error text; empty when the file was read
    FileStamp stamp; // the file as it was when the thumbnail was asked for

    bool damaged() const { return !error.isEmpty(); }
};
Q_DECLARE_METATYPE(Thumbnail)

// The size of a thumbnail of a `picture`-sized picture in `box`: the largest
// size of the picture's aspect that fits, but never more than the picture.
QSize ThumbnailSize(QSize picture, QSize box);

// The thumbnail of the BMP file held by `source`, read by the card reader and
// scaled down by an area average while its rows are streamed (run-length
// data while it is decoded), so a large picture is never held at full size. Raises the errors of
// BitmapErrors.h; the empty picture gives a null image.
QImage BmpThumbnail(BmpSource& source, QSize box);

// The same for the BMP file at `path`, which must be a plain file. Raises
// EFOpenError and the errors of BitmapErrors.h.
QImage BmpFileThumbnail(const QString& path, QSize box);
// The size of the picture in the BMP file at `path` from its headers alone,
// checked as the card reader checks it: no pixel is read. Empty for the
// empty (0-byte) file. Raises what BmpFileThumbnail() raises.
QSize BmpFileSize(const QString& path);

// The thumbnail of the picture file at `path`: BMP files through the card
// reader, other kinds through Qt's readers (scaled while decoding, their
// orientation applied). Never raises: a file that cannot be read gives its
// reader's error text.
Thumbnail MakeThumbnail(const QString& path, QSize box);
