// Feeds arbitrary bytes to the thumbnail maker's BMP path, which streams the
// rows instead of reading the whole picture. It must accept exactly what the
// card reader accepts, and a box as large as the picture must give exactly
// the picture the card reader shows.
#include "common/Exception.h"
#include "images/BmpSource.h"
#include "images/TBitmap.h"
#include "images/Thumbnail.h"

#include <cstdlib>

namespace {

// Comparing converts every pixel; keep the fuzzer fast on large pictures
// (the streaming itself is checked up to a larger size).
constexpr int MaxComparedPixels = 1 << 16;
constexpr int MaxStreamedPixels = 1 << 22;

bool thumbnailOf(const uint8_t* data, size_t size, QSize box, QImage& image)
{
    MemoryBmpSource source(reinterpret_cast<const char*>(data), qint64(size));
    try {
        image = BmpThumbnail(source, box);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TBitmap bitmap;
    bool read = true;
    try {
        bitmap.LoadBitmapBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const Exception&) {
        read = false;
    }
    if (read && qint64(bitmap.Width()) * bitmap.Height() > MaxStreamedPixels)
        return 0;
    QImage small;
    if (thumbnailOf(data, size, QSize(7, 5), small) != read)
        std::abort();
    if (!read || bitmap.Empty())
        return 0;
    if (small.width() > 7 || small.height() > 5 || small.isNull())
        std::abort();
    if (qint64(bitmap.Width()) * bitmap.Height() > MaxComparedPixels)
        return 0;
    QImage whole;
    if (!thumbnailOf(data, size, QSize(bitmap.Width(), bitmap.Height()), whole) || whole != bitmap.ToImage())
        std::abort();
    return 0;
}
