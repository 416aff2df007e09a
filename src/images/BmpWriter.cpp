#include "images/BmpWriter.h"

#include "common/FileErrorReason.h"
#include "common/ReplacingFile.h"
#include "images/BitmapErrors.h"
#include "images/BmpLayout.h"

#include <QtEndian>
#include <algorithm>

using namespace BmpLayout;

namespace {

void append16(QByteArray& out, uint16_t value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void append32(QByteArray& out, uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray fileHeader(uint32_t fileSize, uint32_t pixelOffset)
{
    QByteArray out;
    out.reserve(FileHeaderSize);
    out.append(Signature, 2);
    append32(out, fileSize);
    append16(out, 0);
    append16(out, 0);
    append32(out, pixelOffset);
    return out;
}

int writtenColourCount(const TBitmap::Data& picture)
{
    const int held = picture.colourCount();
    if (picture.coloursUsed > 0 && picture.coloursUsed < uint32_t(held))
        return int(picture.coloursUsed);
    return held;
}

bool hasMasks(const TBitmap::Data& picture)
{
    return picture.compression == CompressionBitFields &&
           (picture.bitsPerPixel == 16 || picture.bitsPerPixel == 32);
}

std::array<uint32_t, 3> writtenMasks(const TBitmap::Data& picture)
{
    if (picture.masks != std::array<uint32_t, 3>{})
        return picture.masks;
    const uint32_t* defaults = picture.bitsPerPixel == 16 ? Default16Masks : Default32Masks;
    return {defaults[0], defaults[1], defaults[2]};
}

// Core form: the 12-byte header, then 2^bits entries of blue, green, red.
QByteArray coreHeader(const TBitmap::Data& picture)
{
    QByteArray out;
    append32(out, CoreHeaderSize);
    append16(out, uint16_t(picture.width));
    append16(out, uint16_t(picture.heightAsRead));
    append16(out, 1);
    append16(out, uint16_t(picture.bitsPerPixel));
    if (picture.bitsPerPixel <= 8) {
        const int entries = 1 << picture.bitsPerPixel;
        for (int i = 0; i < entries; ++i) {
            if (i < picture.colourCount())
                out.append(picture.colourTable.constData() + i * QuadEntrySize, TripleEntrySize);
            else
                out.append(TripleEntrySize, '\0');
        }
    }
    return out;
}

// The 40-byte info header, the masks of a bit-field picture, the colour table.
QByteArray infoHeader(const TBitmap::Data& picture, uint32_t imageSize)
{
    const bool masks = hasMasks(picture);
    const int colours = picture.bitsPerPixel <= 8 ? writtenColourCount(picture) : 0;
    QByteArray out;
    append32(out, InfoHeaderSize);
    append32(out, uint32_t(picture.width));
    append32(out, uint32_t(picture.heightAsRead));
    append16(out, 1);
    append16(out, uint16_t(picture.bitsPerPixel));
    append32(out, masks ? CompressionBitFields : CompressionNone);
    append32(out, imageSize);
    append32(out, uint32_t(picture.xPelsPerMeter));
    append32(out, uint32_t(picture.yPelsPerMeter));
    append32(out, uint32_t(colours));
    append32(out, picture.importantColours);
    if (masks) {
        for (uint32_t mask : writtenMasks(picture))
            append32(out, mask);
    }
    out.append(picture.colourTable.constData(), qsizetype(colours) * QuadEntrySize);
    return out;
}

} // namespace

namespace BmpWriter {

QByteArray headerBytes(const TBitmap::Data& picture)
{
    if (!picture.keptCompressedData.isEmpty()) {
        const uint32_t pixelOffset =
            FileHeaderSize + picture.headerLength + QuadEntrySize * picture.coloursUsed;
        return fileHeader(uint32_t(FileHeaderSize + picture.keptCompressedData.size()), pixelOffset);
    }
    if (picture.empty())
        return QByteArray();
    const uint32_t imageSize = uint32_t(picture.pixels.size());
    const QByteArray header = picture.coreHeaderForm ? coreHeader(picture) : infoHeader(picture, imageSize);
    const uint32_t pixelOffset = uint32_t(FileHeaderSize + header.size());
    return fileHeader(pixelOffset + imageSize, pixelOffset) + header;
}

QByteArray fileBytes(const TBitmap::Data& picture)
{
    QByteArray out = headerBytes(picture);
    if (!picture.keptCompressedData.isEmpty())
        out += picture.keptCompressedData;
    else if (!picture.empty())
        out += picture.pixels;
    return out;
}

void writeFile(const TBitmap::Data& picture, const QString& path, const QString& shownPath)
{
    const QByteArray header = headerBytes(picture);
    const QByteArray& body =
        picture.keptCompressedData.isEmpty() ? picture.pixels : picture.keptCompressedData;
    ReplacingFile file(path);
    if (!file.open())
        throw EFCreateError(shownPath, FileErrorReason(file.error(), path));
    // The pixel rows go out in one write straight from the picture's buffer.
    const bool written = file.write(header.constData(), header.size()) &&
                         file.write(body.constData(), header.isEmpty() ? 0 : body.size());
    if (!written || !file.commit())
        throw EWriteError(shownPath, FileErrorReason(file.error(), path));
}

} // namespace BmpWriter
