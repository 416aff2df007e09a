#include "images/TBitmap.h"

#include "common/Exception.h"
#include "common/FileNames.h"
#include "images/BitmapData.h"
#include "images/BitmapErrors.h"
#include "images/BitmapPixels.h"
#include "images/BmpLayout.h"
#include "images/BmpReader.h"
#include "images/BmpWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace {

// Built-in pictures live in the program's resources as bitmaps without file
// header, the form a bitmap resource has.
QString resourcePath(const QString& name)
{
    return QStringLiteral(":/bitmaps/%1.dib").arg(name.toUpper());
}

} // namespace

TBitmap::TBitmap() : d(new Data) {}
TBitmap::TBitmap(const TBitmap&) = default;
TBitmap& TBitmap::operator=(const TBitmap&) = default;
TBitmap::~TBitmap() = default;

void TBitmap::LoadBitmapFile(const QString& path)
{
    // Only a plain file can hold a picture; opening a pipe would wait for a
    // writer that may never come.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw EFOpenError(path);
    FileBmpSource source(file);
    d = new Data(BmpReader(source).readFile());
}

void TBitmap::LoadBitmapBytes(const QByteArray& fileBytes)
{
    MemoryBmpSource source(fileBytes.constData(), fileBytes.size());
    d = new Data(BmpReader(source).readFile());
}

void TBitmap::SaveBitmapFile(const QString& path) const
{
    BmpWriter::writeFile(*d, FileNames::targetForWrite(path), path);
}

QByteArray TBitmap::SaveBitmapBytes() const
{
    return BmpWriter::fileBytes(*d);
}

void TBitmap::LoadBitmapResource(const QString& name)
{
    QFile resource(resourcePath(name));
    if (!resource.open(QIODevice::ReadOnly))
        throw Exception(QCoreApplication::translate("BitmapErrors", "Resource %1 not found").arg(name));
    const QByteArray bytes = resource.readAll();
    MemoryBmpSource source(bytes.constData(), bytes.size());
    d = new Data(BmpReader(source).readPicture());
}

void TBitmap::CopyPicture(const TBitmap* source)
{
    if (source == nullptr)
        d = new Data;
    else
        d = source->d; // shared until either side changes
}

bool TBitmap::Empty() const
{
    return d->empty();
}

int TBitmap::Width() const
{
    return d->width;
}

int TBitmap::Height() const
{
    return d->absHeight();
}

QImage TBitmap::ToImage() const
{
    return BitmapPixels::toImage(*d);
}

void TBitmap::Draw(const std::function<void(QPainter&)>& paint)
{
    if (d->empty())
        return;
    const QImage before = ToImage();
    QImage after = before.copy();
    {
        QPainter painter(&after);
        paint(painter);
    }
    Data& picture = *d; // detaches a shared picture
    BitmapPixels::storeChanges(picture, before, after);
    // Changed pixels no longer match the compressed bytes; from now on the
    // picture is written uncompressed in the depth it was decoded to.
    picture.keptCompressedData.clear();
    if (picture.compression != BmpLayout::CompressionBitFields)
        picture.compression = BmpLayout::CompressionNone;
}

int32_t TBitmap::HeightAsRead() const
{
    return d->heightAsRead;
}

int TBitmap::BitsPerPixel() const
{
    return d->bitsPerPixel;
}

uint32_t TBitmap::Compression() const
{
    return d->compression;
}

int TBitmap::ColorCount() const
{
    return d->colourCount();
}

uint32_t TBitmap::ImportantColors() const
{
    return d->importantColours;
}

int32_t TBitmap::XPelsPerMeter() const
{
    return d->xPelsPerMeter;
}

int32_t TBitmap::YPelsPerMeter() const
{
    return d->yPelsPerMeter;
}

bool TBitmap::CoreHeaderForm() const
{
    return d->coreHeaderForm;
}

const QByteArray& TBitmap::KeptCompressedData() const
{
    return d->keptCompressedData;
}
