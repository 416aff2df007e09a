// Feeds arbitrary bytes to the preview's JPEG decoder: it must either give an
// image of the declared size or raise EJPEG, never crash or exit.
#include "images/JpegDecoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const QImage image = JpegDecoder::decode(
            QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
        if (image.isNull() || image.format() != QImage::Format_RGB32)
            std::abort();
    } catch (const EJPEG&) {
    }
    return 0;
}
