#include "images/Thumbnail.h"

#include "common/Exception.h"
#include "images/BitmapData.h"
#include "images/BitmapErrors.h"
#include "images/BitmapPixels.h"
#include "images/BmpLayout.h"
#include "images/BmpReader.h"
#include "images/BmpSource.h"
#include "images/BoxFilter.h"
#include "images/PictureReader.h"
#include "images/RleDecoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace {

// Rows are read in blocks of about this many bytes: large enough that reading
// costs one system call per block, small enough to stay in the cache while it
// is averaged. Rows longer than a block are read in pieces.
constexpr qint64 BlockBytes = qint64(1) << 20;
// Pixels of other depths than 24 bits are decoded this many at a time.
constexpr int DecodePixels = 1024;

// Feeds the stored rows of an uncompressed picture to a box filter, a block
// or a piece of a row at a time.
class RowStream {
  public:
    RowStream(BmpSource& source, const BmpReader::PixelArea& area, const TBitmap::Data& picture,
              BoxFilter& filter)
        : source_(source), area_(area), picture_(picture), decoder_(picture), filter_(filter),
          rowLength_(picture.rowLength())
    {
    }

    void run()
    {
        if (rowLength_ <= BlockBytes)
            runInBlocks();
        else
            runInPieces();
    }

  private:
    void runInBlocks()
    {
        const int height = picture_.absHeight();
        const int rowsPerBlock = int(std::min<qint64>(height, BlockBytes / rowLength_));
        std::vector<uchar> block(size_t(rowsPerBlock * rowLength_));
        for (int first = 0; first < height; first += rowsPerBlock) {
            const int rows = std::min(rowsPerBlock, height - first);
            read(first * rowLength_, block.data(), rows * rowLength_);
            for (int i = 0; i < rows; ++i)
                feed(first + i, 0, block.data() + i * rowLength_, picture_.width);
        }
    }

    // A piece starts at a multiple of DecodePixels, which puts it on a whole
    // byte at every depth.
    void runInPieces()
    {
        const int bits = picture_.bitsPerPixel;
        const int piecePixels = int(BlockBytes * 8 / bits / DecodePixels * DecodePixels);
        std::vector<uchar> piece(size_t((qint64(piecePixels) * bits + 7) / 8));
        for (int row = 0; row < picture_.absHeight(); ++row) {
            for (int x0 = 0; x0 < picture_.width; x0 += piecePixels) {
                const int count = std::min(piecePixels, picture_.width - x0);
                read(row * rowLength_ + qint64(x0) * bits / 8, piece.data(), (qint64(count) * bits + 7) / 8);
                feed(row, x0, piece.data(), count);
            }
        }
    }

    // `length` bytes from `offset` into the pixel area; those past the bytes
    // present read as zeros, as the card reader makes them.
    void read(qint64 offset, uchar* dest, qint64 length)
    {
        const qint64 present = std::clamp<qint64>(area_.present - offset, 0, length);
        if (present > 0 && !source_.readAt(area_.offset + offset, reinterpret_cast<char*>(dest), present))
            throw EReadError();
        std::memset(dest + present, 0, size_t(length - present));
    }

    void feed(int storedRow, int x0, const uchar* bytes, int count)
    {
        const int y = picture_.topDown() ? storedRow : picture_.absHeight() - 1 - storedRow;
        if (picture_.bitsPerPixel == 24) {
            filter_.addBgr(y, x0, bytes, count);
            return;
        }
        QRgb colours[DecodePixels];
        for (int done = 0; done < count; done += DecodePixels) {
            const int n = std::min(DecodePixels, count - done);
            decoder_.decode(bytes + qint64(done) * picture_.bitsPerPixel / 8, n, colours);
            filter_.addPixels(y, x0 + done, colours, n);
        }
    }

    BmpSource& source_;
    BmpReader::PixelArea area_;
    const TBitmap::Data& picture_;
    BitmapPixels::RowDecoder decoder_;
    BoxFilter& filter_;
    qint64 rowLength_;
};

// Run-length data decoded straight into a box filter: runs of one colour cost
// the bins they cover, so a tiny file claiming a huge picture is cheap.
class RunLengthRows final : public RleDecoder::Sink {
  public:
    RunLengthRows(const TBitmap::Data& picture, BoxFilter& filter)
        : decoder_(indexed(picture)), height_(picture.absHeight()), filter_(filter)
    {
    }

    void run(int row, int x, int count, uchar index) override
    {
        QRgb colour;
        decoder_.decode(&index, 1, &colour);
        filter_.addRun(height_ - 1 - row, x, count, colour);
    }

    void pixels(int row, int x, int count, const uchar* indices) override
    {
        QRgb colours[256];
        decoder_.decode(indices, count, colours);
        filter_.addPixels(height_ - 1 - row, x, colours, count);
    }

  private:
    // The decoder's pixels come one index a byte, whatever the stored depth.
    static TBitmap::Data indexed(const TBitmap::Data& picture)
    {
        TBitmap::Data eight = picture;
        eight.bitsPerPixel = 8;
        eight.compression = 0;
        return eight;
    }

    BitmapPixels::RowDecoder decoder_;
    int height_;
    BoxFilter& filter_;
};

void filterRunLength(BmpSource& source, const BmpReader::PixelArea& area, const TBitmap::Data& picture,
                     BoxFilter& filter)
{
    std::vector<uchar> data(size_t(area.present));
    if (area.present > 0 && !source.readAt(area.offset, reinterpret_cast<char*>(data.data()), area.present))
        throw EReadError();
    RleDecoder decoder(picture.bitsPerPixel, picture.width, picture.absHeight(), picture.rowLength());
    RunLengthRows rows(picture, filter);
    decoder.decode(data.data(), qint64(data.size()), rows);
}

bool isBmpPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("dib"), Qt::CaseInsensitive) == 0;
}

// Only a plain file: opening a pipe under a card's name would block the
// reader for good.
void openPlainFile(QFile& file)
{
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        throw EFOpenError(file.fileName());
}

// Qt's readers decode JPEG at a reduced scale and render SVG at the size
// asked, so the scale is set before reading wherever the size is known.
Thumbnail otherThumbnail(const QString& path, QSize box)
{
    Thumbnail thumbnail;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        thumbnail.error = EFOpenError(path).Message();
        return thumbnail;
    }
    QImageReader reader(&file);
    // A drawing is rewritten first, so that it cannot read other files.
    if (reader.format().startsWith("svg")) {
        thumbnail.image = PictureReader::read(path, box);
        return thumbnail;
    }
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid()) {
        const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        const QSize target = ThumbnailSize(stored, turned ? box.transposed() : box);
        if (target != stored)
            reader.setScaledSize(target);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        thumbnail.error = reader.errorString();
        return thumbnail;
    }
    const QSize fitted = ThumbnailSize(image.size(), box);
    if (fitted != image.size())
        image = image.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    thumbnail.image = image;
    return thumbnail;
}

} // namespace

QSize ThumbnailSize(QSize picture, QSize box)
{
    if (picture.isEmpty() || box.isEmpty())
        return QSize();
    if (picture.width() <= box.width() && picture.height() <= box.height())
        return picture;
    // Compared in 64 bits: whichever side limits the scale gets the box's length.
    const qint64 w = picture.width(), h = picture.height();
    if (w * box.height() >= h * box.width())
        return QSize(box.width(), int(std::max<qint64>(1, (h * box.width() + w / 2) / w)));
    return QSize(int(std::max<qint64>(1, (w * box.height() + h / 2) / h)), box.height());
}

QImage BmpThumbnail(BmpSource& source, QSize box)
{
    BmpReader reader(source);
    BmpReader::PixelArea area;
    const TBitmap::Data picture = reader.readFileLayout(area);
    if (picture.empty() || box.isEmpty())
        return QImage();
    const QSize size(picture.width, picture.absHeight());
    BoxFilter filter(size, ThumbnailSize(size, box));
    if (picture.compression == BmpLayout::CompressionRle8 ||
        picture.compression == BmpLayout::CompressionRle4)
        filterRunLength(source, area, picture, filter);
    else
        RowStream(source, area, picture, filter).run();
    return filter.result();
}

QImage BmpFileThumbnail(const QString& path, QSize box)
{
    QFile file(path);
    openPlainFile(file);
    FileBmpSource source(file);
    return BmpThumbnail(source, box);
}

QSize BmpFileSize(const QString& path)
{
    QFile file(path);
    openPlainFile(file);
    FileBmpSource source(file);
    BmpReader::PixelArea area;
    const TBitmap::Data picture = BmpReader(source).readFileLayout(area);
    return picture.empty() ? QSize() : QSize(picture.width, picture.absHeight());
}

Thumbnail MakeThumbnail(const QString& path, QSize box)
{
    Thumbnail thumbnail;
    try {
        if (!isBmpPath(path))
            return otherThumbnail(path, box);
        thumbnail.image = BmpFileThumbnail(path, box);
    } catch (const Exception& e) {
        thumbnail.error = e.Message();
    } catch (const std::bad_alloc&) {
        thumbnail.error = QCoreApplication::translate("BitmapErrors", "Out of memory");
    }
    return thumbnail;
}
