// Feeds arbitrary bytes to the preview's JPEG decoder: it must either give an
// image of the declared size or raise EJPEG, never crash or exit. The header
// reader, which reads a device block by block, must agree on the size.
#include "images/JpegDecoder.h"

#include <QBuffer>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QSize headerSize;
    try {
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        headerSize = JpegDecoder::readHeader(device).size;
    } catch (const EJPEG&) {
    }
    try {
        const QImage image = JpegDecoder::decode(bytes);
        if (image.isNull() || image.format() != QImage::Format_RGB32 || image.size() != headerSize)
            std::abort();
    } catch (const EJPEG&) {
    }
    return 0;
}
