#include "images/PictureKinds.h"

#include "common/Exception.h"
#include "images/JpegDecoder.h"
#include "images/PictureReader.h"
#include "images/TBitmap.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>

namespace {

QImage loadBitmap(const QString& path)
{
    TBitmap bitmap;
    bitmap.LoadBitmapFile(path);
    return bitmap.ToImage();
}

// Only a plain file is read: a pipe under a picture's name would wait forever.
bool isPlainFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    if (!isPlainFile(path) || !file.open(QIODevice::ReadOnly))
        throw Exception(QCoreApplication::translate("BitmapErrors", "Cannot open file %1").arg(path));
    return file.readAll();
}

QImage loadJpeg(const QString& path)
{
    return JpegDecoder::decode(readWhole(path));
}

QImage loadIcon(const QString& path)
{
    if (!isPlainFile(path))
        throw Exception(QCoreApplication::translate("BitmapErrors", "Cannot open file %1").arg(path));
    QImageReader reader(path, "ico");
    QImage image = reader.read();
    if (image.isNull())
        throw Exception(QCoreApplication::translate("BitmapErrors", "Invalid icon"));
    return image;
}

// Drawings are shown at their own size, or at most this large.
constexpr QSize DrawingPreviewBound(1024, 1024);

QImage loadThroughQt(const QString& path)
{
    return PictureReader::read(path, DrawingPreviewBound);
}

// The descriptions of the kinds Qt's readers add, by extension.
QString describe(const QString& extension)
{
    static const QHash<QString, QString> descriptions = {
        {QStringLiteral("gif"), QStringLiteral("GIF Image")},
        {QStringLiteral("png"), QStringLiteral("Portable Network Graphics")},
        {QStringLiteral("svg"), QStringLiteral("Scalable Vector Graphics")},
        {QStringLiteral("tif"), QStringLiteral("TIFF Image")},
        {QStringLiteral("tiff"), QStringLiteral("TIFF Image")},
        {QStringLiteral("webp"), QStringLiteral("WebP Image")},
    };
    return descriptions.value(extension);
}

// Metafiles are drawing commands of a system this platform does not have.
QImage loadMetafile(const QString&)
{
    throw Exception(
        QCoreApplication::translate("BitmapErrors", "Metafiles cannot be shown on this platform"));
}

} // namespace

const PictureKinds& PictureKinds::standard()
{
    static const PictureKinds kinds = [] {
        PictureKinds own;
        own.add(QStringLiteral("wmf"), QStringLiteral("Metafiles"), loadMetafile);
        own.add(QStringLiteral("emf"), QStringLiteral("Enhanced Metafiles"), loadMetafile);
        own.add(QStringLiteral("ico"), QStringLiteral("Icons"), loadIcon);
        own.add(QStringLiteral("bmp"), QStringLiteral("Bitmaps"), loadBitmap);
        own.add(QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"), loadJpeg);
        own.add(QStringLiteral("jpg"), QStringLiteral("JPEG Image File"), loadJpeg);
        // The kinds Qt reads come first and only where no own kind has the
        // extension: a lookup goes from the last kind to the first, so the
        // own kinds would win anyway, and the list stays free of shadowed entries.
        PictureKinds k;
        for (const QString& extension : PictureReader::commonExtensions()) {
            if (own.find(extension) == nullptr)
                k.add(extension, describe(extension), loadThroughQt);
        }
        k.kinds_.append(own.kinds_);
        return k;
    }();
    return kinds;
}

void PictureKinds::add(const QString& extension, const QString& description, Loader load)
{
    kinds_.append({extension.toLower(), description, std::move(load)});
}

const PictureKinds::Kind* PictureKinds::find(const QString& extension) const
{
    const QString wanted = extension.toLower();
    for (auto it = kinds_.crbegin(); it != kinds_.crend(); ++it) {
        if (it->extension == wanted)
            return &*it;
    }
    return nullptr;
}
