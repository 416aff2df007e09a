#include "images/CardPicture.h"

#include "images/BitmapData.h"
#include "images/BitmapErrors.h"
#include "images/BmpLayout.h"
#include "images/BmpWriter.h"
#include "images/PictureReader.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <cstring>

namespace {

// The picture, already fitted, drawn in the middle of a white square, so
// that whatever was transparent shows the white beneath.
QImage onWhiteSquare(const QImage& fitted)
{
    const int side = qMax(fitted.width(), fitted.height());
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(Qt::white);
    QPainter painter(&square);
    painter.drawImage((side - fitted.width()) / 2, (side - fitted.height()) / 2, fitted);
    painter.end();
    return square;
}

// `image` scaled up or down to fit the card's square. Smooth scaling of
// premultiplied pixels keeps transparent edges from darkening.
QImage fittedToCard(const QImage& image)
{
    const QSize fitted = PictureReader::FittedSize(image.size(), QSize(CardPictureSide, CardPictureSide));
    if (fitted == image.size())
        return image;
    return image
        .convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
        .scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A 24-bit bottom-up picture of `image`. Qt's rows of blue, green, red bytes
// are padded to 4 bytes as BMP rows are, so each row is copied whole.
TBitmap twentyFourBitPicture(const QImage& image)
{
    const QImage rows = image.convertToFormat(QImage::Format_BGR888);
    TBitmap::Data data;
    data.width = rows.width();
    data.heightAsRead = rows.height();
    data.bitsPerPixel = 24;
    data.compression = BmpLayout::CompressionNone;
    data.headerLength = BmpLayout::InfoHeaderSize;
    const qsizetype rowLength = data.rowLength();
    Q_ASSERT(rowLength <= rows.bytesPerLine());
    data.pixels = QByteArray(rowLength * rows.height(), Qt::Uninitialized);
    for (int y = 0; y < rows.height(); ++y)
        std::memcpy(data.pixels.data() + y * rowLength, rows.constScanLine(rows.height() - 1 - y),
                    size_t(rowLength));
    // Made through the bitmap layer's own writer and reader, so the picture is
    // exactly what a card file holding it reads back as.
    TBitmap picture;
    picture.LoadBitmapBytes(BmpWriter::fileBytes(data));
    return picture;
}

} // namespace

bool IsBitmapFile(const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        return true;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    return file.read(sizeof BmpLayout::Signature) ==
           QByteArray(BmpLayout::Signature, sizeof BmpLayout::Signature);
}

TBitmap LoadCardPicture(const QString& path)
{
    TBitmap picture;
    if (IsBitmapFile(path)) {
        picture.LoadBitmapFile(path);
        return picture;
    }
    return twentyFourBitPicture(
        onWhiteSquare(PictureReader::readFitted(path, QSize(CardPictureSide, CardPictureSide))));
}

TBitmap CardPictureFromImage(const QImage& image)
{
    if (image.isNull())
        throw ENoPicture();
    return twentyFourBitPicture(onWhiteSquare(fittedToCard(image)));
}
