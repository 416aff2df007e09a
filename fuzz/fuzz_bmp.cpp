// Feeds arbitrary bytes to the BMP reader that LoadBitmapFile uses. Whatever
// it accepts must be written, read back and written again to the same bytes,
// shown, and drawn on without a fault.
#include "common/Exception.h"
#include "images/TBitmap.h"

#include <QPainter>
#include <cstdlib>

namespace {

// Showing and drawing convert every pixel; keep the fuzzer fast on pictures
// that the reader allows but that are large.
constexpr int MaxConvertedPixels = 1 << 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TBitmap bitmap;
    try {
        bitmap.LoadBitmapBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const Exception&) {
        return 0;
    }
    const QByteArray written = bitmap.SaveBitmapBytes();
    TBitmap reread;
    reread.LoadBitmapBytes(written); // our own output must always read back
    if (reread.SaveBitmapBytes() != written)
        std::abort();
    if (bitmap.Empty() || qint64(bitmap.Width()) * bitmap.Height() > MaxConvertedPixels)
        return 0;
    if (bitmap.ToImage().size() != QSize(bitmap.Width(), bitmap.Height()))
        std::abort();
    bitmap.Draw([](QPainter& painter) { painter.fillRect(0, 0, 3, 2, QColor(200, 100, 50)); });
    reread.LoadBitmapBytes(bitmap.SaveBitmapBytes());
    return 0;
}
