#include "images/PictureReader.h"

#include "images/BitmapErrors.h"
#include "images/JpegDecoder.h"
#include "images/SvgSanitiser.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <memory>
#include <zlib.h>

namespace {

// The kinds a user of a card editor has at hand: photos, drawings, scans.
// Qt reads a few more (icons, PPM, XPM, ...), which stay out of the dialog's
// list to keep it readable; a typed name of such a file is read all the same.
const char* const CommonExtensions[] = {"bmp", "gif", "jpeg", "jpg", "png", "svg", "tif", "tiff", "webp"};

// libjpeg decodes at n/8 of the stored size, n from 1 to 8.
constexpr int JpegScaleDenominator = 8;

bool isDrawingFormat(const QByteArray& format)
{
    return format == "svg" || format == "svgz";
}

bool tooLarge(QSize size)
{
    return qint64(size.width()) * size.height() > PictureReader::MaxPixels;
}

// A gzip-compressed drawing inflated, at most MaxDrawingBytes of it.
QByteArray inflated(const QString& path, const QByteArray& compressed)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        throw EPictureReadError(path,
                                QCoreApplication::translate("PictureReader", "cannot start decompressing"));
    QByteArray out;
    constexpr qsizetype Block = 1 << 16;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    int status = Z_OK;
    while (status == Z_OK && out.size() <= PictureReader::MaxDrawingBytes) {
        const qsizetype done = out.size();
        out.resize(done + Block);
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + done);
        stream.avail_out = uInt(Block);
        status = inflate(&stream, Z_NO_FLUSH);
        out.resize(out.size() - qsizetype(stream.avail_out));
        if (status == Z_BUF_ERROR && stream.avail_in == 0)
            break; // cut short
    }
    inflateEnd(&stream);
    if (out.size() > PictureReader::MaxDrawingBytes)
        throw EDrawingRefused(path,
                              QCoreApplication::translate("PictureReader", "it holds more than %1 bytes")
                                  .arg(PictureReader::MaxDrawingBytes));
    if (status != Z_STREAM_END)
        throw EPictureReadError(
            path, QCoreApplication::translate("PictureReader", "the compressed drawing is damaged"));
    return out;
}

// The drawing's bytes as the renderer may see them.
QByteArray safeDrawing(const QString& path, QFile& file, const QByteArray& format)
{
    if (file.size() > PictureReader::MaxDrawingBytes)
        throw EDrawingRefused(path,
                              QCoreApplication::translate("PictureReader", "it holds more than %1 bytes")
                                  .arg(PictureReader::MaxDrawingBytes));
    file.seek(0);
    QByteArray bytes = file.readAll();
    if (format == "svgz")
        bytes = inflated(path, bytes);
    try {
        return SvgSanitiser::sanitise(bytes, PictureReader::MaxPixels);
    } catch (const EUnsafeDrawing& e) {
        throw EDrawingRefused(path, e.Message());
    }
}

// A picture file open for reading: a plain file only (a pipe or device under
// a picture's name would block the reader), its kind decided by its content,
// a drawing read through its rewritten copy.
class OpenedPicture {
  public:
    explicit OpenedPicture(const QString& path) : path_(path), file_(path)
    {
        if (!QFileInfo(path).isFile() || !file_.open(QIODevice::ReadOnly))
            throw EFOpenError(path);
        QImageReader probe(&file_);
        probe.setDecideFormatFromContent(true);
        format_ = probe.format();
        if (format_.isEmpty())
            throw EPictureReadError(path, probe.errorString());
        if (isDrawingFormat(format_)) {
            drawing_ = safeDrawing(path, file_, format_);
            buffer_.setBuffer(&drawing_);
            buffer_.open(QIODevice::ReadOnly);
            reader_ = std::make_unique<QImageReader>(&buffer_, "svg");
        } else {
            scalesInDecoder_ = isJpeg() && decodesInRows();
            file_.seek(0);
            reader_ = std::make_unique<QImageReader>(&file_, format_);
        }
        reader_->setAutoTransform(true);
        reader_->setAllocationLimit(PictureReader::AllocationLimitMB);
        stated_ = reader_->size();
    }

    bool isDrawing() const { return !drawing_.isNull(); }
    // True for a JPEG that libjpeg decodes row by row at a fraction of its
    // size, holding only the rows it outputs.
    bool scalesInDecoder() const { return scalesInDecoder_; }
    // The size the file states, in its stored orientation; invalid when it
    // cannot tell.
    QSize stated() const { return stated_; }
    bool turned() const
    {
        return reader_->transformation().testFlag(QImageIOHandler::TransformationRotate90);
    }

    void refuseAbove(QSize decoded) const
    {
        if (tooLarge(decoded))
            throw EPictureTooLarge(path_, stated_);
    }

    QImage read(QSize scaled = QSize())
    {
        if (scaled.isValid() && scaled != stated_)
            reader_->setScaledSize(scaled);
        QImage image = reader_->read();
        if (image.isNull())
            throw EPictureReadError(path_, reader_->errorString());
        if (tooLarge(image.size()))
            throw EPictureTooLarge(path_, image.size());
        return image;
    }

  private:
    bool isJpeg() const { return format_ == "jpeg" || format_ == "jpg"; }

    // Progressive and multi-scan JPEGs keep every coefficient of the picture
    // until the last scan, whatever the output size: they count whole.
    bool decodesInRows()
    {
        file_.seek(0);
        try {
            return !JpegDecoder::readHeader(file_).wholePictureBuffered;
        } catch (const EJPEG&) {
            return false; // Qt's reader reports what is wrong
        }
    }

    QString path_;
    QFile file_;
    QByteArray format_;
    QByteArray drawing_;
    QBuffer buffer_;
    std::unique_ptr<QImageReader> reader_;
    QSize stated_;
    bool scalesInDecoder_ = false;
};

// The size a drawing is rendered at for a preview: its own, unless it is
// larger than the bound or states none.
QSize previewDrawingSize(QSize stated, QSize bound)
{
    if (!stated.isValid() || stated.isEmpty())
        return bound;
    if (stated.width() <= bound.width() && stated.height() <= bound.height())
        return stated;
    return PictureReader::FittedSize(stated, bound);
}

// The smallest size libjpeg decodes `stored` to that still covers `target`:
// n/8 of each side, rounded up, as the decoder rounds.
QSize jpegDecodeSize(QSize stored, QSize target)
{
    const auto side = [](int length, int n) {
        return int((qint64(length) * n + JpegScaleDenominator - 1) / JpegScaleDenominator);
    };
    int n = 1;
    while (n < JpegScaleDenominator &&
           (side(stored.width(), n) < target.width() || side(stored.height(), n) < target.height()))
        ++n;
    return {side(stored.width(), n), side(stored.height(), n)};
}

// Smooth scaling of premultiplied pixels keeps transparent edges from
// darkening.
QImage scaledSmoothly(const QImage& image, QSize size)
{
    if (image.size() == size)
        return image;
    const QImage source = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                        : QImage::Format_RGB32);
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QSize PictureReader::FittedSize(QSize size, QSize box)
{
    if (size.isEmpty() || box.isEmpty())
        return size;
    // Compared in 64 bits: whichever side limits the scale gets the box's length.
    const qint64 w = size.width(), h = size.height();
    if (w * box.height() >= h * box.width())
        return {box.width(), int(qMax<qint64>(1, (h * box.width() + w / 2) / w))};
    return {int(qMax<qint64>(1, (w * box.height() + h / 2) / h)), box.height()};
}

QImage PictureReader::read(const QString& path, QSize drawingBound)
{
    OpenedPicture picture(path);
    if (picture.isDrawing())
        return picture.read(previewDrawingSize(picture.stated(), drawingBound));
    if (picture.stated().isValid())
        picture.refuseAbove(picture.stated());
    return picture.read();
}

QImage PictureReader::readFitted(const QString& path, QSize box)
{
    OpenedPicture picture(path);
    const QSize stated = picture.stated();
    if (!stated.isValid() || stated.isEmpty()) {
        const QImage image = picture.read();
        return scaledSmoothly(image, FittedSize(image.size(), box));
    }
    // The box in the stored orientation, which is the one the decoder scales in.
    const QSize storedBox = picture.turned() ? box.transposed() : box;
    const QSize target = FittedSize(stated, storedBox);
    if (picture.isDrawing())
        return picture.read(target);
    const QSize decoded = picture.scalesInDecoder() ? jpegDecodeSize(stated, target) : stated;
    picture.refuseAbove(decoded);
    const QImage image = picture.read(decoded);
    return scaledSmoothly(image, FittedSize(image.size(), box));
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
