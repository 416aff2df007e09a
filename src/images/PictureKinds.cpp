#include "images/PictureKinds.h"

#include "common/Exception.h"
#include "images/JpegDecoder.h"
#include "images/TBitmap.h"

#include <QFile>
#include <QFileInfo>
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
        throw Exception(QStringLiteral("Cannot open file %1").arg(path));
    return file.readAll();
}

QImage loadJpeg(const QString& path)
{
    return JpegDecoder::decode(readWhole(path));
}

QImage loadIcon(const QString& path)
{
    if (!isPlainFile(path))
        throw Exception(QStringLiteral("Cannot open file %1").arg(path));
    QImageReader reader(path, "ico");
    QImage image = reader.read();
    if (image.isNull())
        throw Exception(QStringLiteral("Invalid icon"));
    return image;
}

// Metafiles are drawing commands of a system this platform does not have.
QImage loadMetafile(const QString&)
{
    throw Exception(QStringLiteral("Metafiles cannot be shown on this platform"));
}

} // namespace

const PictureKinds& PictureKinds::standard()
{
    static const PictureKinds kinds = [] {
        PictureKinds k;
        k.add(QStringLiteral("wmf"), QStringLiteral("Metafiles"), loadMetafile);
        k.add(QStringLiteral("emf"), QStringLiteral("Enhanced Metafiles"), loadMetafile);
        k.add(QStringLiteral("ico"), QStringLiteral("Icons"), loadIcon);
        k.add(QStringLiteral("bmp"), QStringLiteral("Bitmaps"), loadBitmap);
        k.add(QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"), loadJpeg);
        k.add(QStringLiteral("jpg"), QStringLiteral("JPEG Image File"), loadJpeg);
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
