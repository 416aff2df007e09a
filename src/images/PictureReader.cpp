#include "images/PictureReader.h"

#include "images/BitmapErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The kinds a user of a card editor has at hand: photos, drawings, scans.
// Qt reads a few more (icons, PPM, XPM, ...), which stay out of the dialog's
// list to keep it readable; a typed name of such a file is read all the same.
const char* const CommonExtensions[] = {"bmp", "gif", "jpeg", "jpg", "png", "svg", "tif", "tiff", "webp"};

bool isDrawing(const QByteArray& format)
{
    return format == "svg" || format == "svgz";
}

// The size a drawing is rendered at: its own, unless it is larger than the
// bound or states none.
QSize drawingSize(QSize stated, QSize bound)
{
    if (!stated.isValid() || stated.isEmpty())
        return bound;
    if (stated.width() <= bound.width() && stated.height() <= bound.height())
        return stated;
    return stated.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

bool tooLarge(QSize size)
{
    return qint64(size.width()) * size.height() > PictureReader::MaxPixels;
}

} // namespace

QImage PictureReader::read(const QString& path, QSize drawingBound)
{
    // A pipe or device under a picture's name would block the reader.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw EFOpenError(path);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(AllocationLimitMB);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        throw EPictureReadError(path, reader.errorString());
    const QSize stated = reader.size();
    if (isDrawing(format))
        reader.setScaledSize(drawingSize(stated, drawingBound));
    else if (stated.isValid() && tooLarge(stated))
        throw EPictureTooLarge(path, stated);
    QImage image = reader.read();
    if (image.isNull())
        throw EPictureReadError(path, reader.errorString());
    if (tooLarge(image.size()))
        throw EPictureTooLarge(path, image.size());
    return image;
}

QStringList PictureReader::commonExtensions()
{
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    QStringList extensions;
    for (const char* extension : CommonExtensions) {
        if (readable.contains(QByteArray(extension)))
            extensions << QString::fromLatin1(extension);
    }
    return extensions;
}
