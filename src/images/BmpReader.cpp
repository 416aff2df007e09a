#include "images/BmpReader.h"

#include "images/BitmapErrors.h"
#include "images/BmpLayout.h"
#include "images/PixelBuffer.h"
#include "images/RleDecoder.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

using namespace BmpLayout;

namespace {

uint16_t u16At(const char* bytes, int offset)
{
    return qFromLittleEndian<uint16_t>(bytes + offset);
}

uint32_t u32At(const char* bytes, int offset)
{
    return qFromLittleEndian<uint32_t>(bytes + offset);
}

int32_t i32At(const char* bytes, int offset)
{
    return qFromLittleEndian<int32_t>(bytes + offset);
}

bool isAcceptedHeaderLength(uint32_t length)
{
    return length == CoreHeaderSize || length == InfoHeaderSize || length == V4HeaderSize ||
           length == V5HeaderSize;
}

bool isRunLength(uint32_t compression)
{
    return compression == CompressionRle8 || compression == CompressionRle4;
}

} // namespace

BmpReader::BmpReader(BmpSource& source) : source_(source) {}

bool BmpReader::take(char* dest, qint64 length)
{
    if (length > remaining())
        return false;
    if (!source_.readAt(pos_, dest, length))
        throw EReadError();
    pos_ += length;
    return true;
}

TBitmap::Data BmpReader::readFile()
{
    if (source_.size() == 0)
        return TBitmap::Data();
    readFileHeader();
    return readPicture();
}

void BmpReader::readFileHeader()
{
    char header[FileHeaderSize];
    if (!take(header, FileHeaderSize))
        throw EReadError();
    // Only the signature is trusted: writers get the size and offset wrong.
    if (header[0] != Signature[0] || header[1] != Signature[1])
        throw EInvalidGraphic();
}

TBitmap::Data BmpReader::readFileLayout(PixelArea& area)
{
    area = PixelArea();
    if (source_.size() == 0)
        return TBitmap::Data();
    readFileHeader();
    InfoHeader header;
    TBitmap::Data picture = readPictureHead(header);
    area = pixelArea(header, picture);
    return picture;
}

TBitmap::Data BmpReader::readPicture()
{
    InfoHeader header;
    TBitmap::Data picture = readPictureHead(header);
    readPixels(header, picture);
    return picture;
}

// Everything up to the pixels: header, masks, colour table.
TBitmap::Data BmpReader::readPictureHead(InfoHeader& header)
{
    pictureStart_ = pos_;
    header = readInfoHeader();
    checkHeader(header);
    readMasks(header);

    TBitmap::Data picture;
    picture.colourTable = readColourTable(header);
    picture.width = int32_t(header.width);
    picture.heightAsRead = int32_t(header.height);
    picture.bitsPerPixel = header.bits;
    picture.compression = header.compression;
    picture.masks = header.masks;
    picture.xPelsPerMeter = header.xPelsPerMeter;
    picture.yPelsPerMeter = header.yPelsPerMeter;
    picture.importantColours = header.importantColours;
    picture.headerLength = header.length;
    picture.coreHeaderForm = header.length == CoreHeaderSize;
    picture.coloursUsed = header.coloursUsed != 0 ? header.coloursUsed : uint32_t(picture.colourCount());
    return picture;
}

BmpReader::InfoHeader BmpReader::readInfoHeader()
{
    char bytes[V5HeaderSize];
    if (!take(bytes, HeaderLengthSize))
        throw EInvalidGraphic();
    InfoHeader header;
    header.length = u32At(bytes, 0);
    if (!isAcceptedHeaderLength(header.length) ||
        !take(bytes + HeaderLengthSize, header.length - HeaderLengthSize))
        throw EInvalidGraphic();

    if (header.length == CoreHeaderSize) {
        header.width = u16At(bytes, CoreWidthOffset);
        header.height = u16At(bytes, CoreHeightOffset);
        header.planes = u16At(bytes, CorePlanesOffset);
        header.bits = u16At(bytes, CoreBitsOffset);
        return header;
    }
    header.width = i32At(bytes, WidthOffset);
    header.height = i32At(bytes, HeightOffset);
    header.planes = u16At(bytes, PlanesOffset);
    header.bits = u16At(bytes, BitsOffset);
    header.compression = u32At(bytes, CompressionOffset);
    header.imageSize = u32At(bytes, ImageSizeOffset);
    header.xPelsPerMeter = i32At(bytes, XResolutionOffset);
    header.yPelsPerMeter = i32At(bytes, YResolutionOffset);
    header.coloursUsed = u32At(bytes, ColoursUsedOffset);
    header.importantColours = u32At(bytes, ImportantColoursOffset);
    if (header.length >= V4HeaderSize)
        header.masks = {u32At(bytes, RedMaskOffset), u32At(bytes, GreenMaskOffset),
                        u32At(bytes, BlueMaskOffset)};
    return header;
}

// Rejects what cannot be built before anything is allocated for it.
void BmpReader::checkHeader(const InfoHeader& header) const
{
    if (header.planes != 1 || !isValidBitCount(header.bits))
        throw EInvalidGraphic();
    const bool formatMatches =
        header.compression == CompressionNone ||
        (header.compression == CompressionBitFields && (header.bits == 16 || header.bits == 32)) ||
        (header.compression == CompressionRle8 && header.bits == 8) ||
        (header.compression == CompressionRle4 && header.bits == 4);
    if (!formatMatches)
        throw EInvalidGraphic();
    // Run-length pictures are always stored bottom-up.
    if (isRunLength(header.compression) && header.height < 0)
        throw EInvalidGraphic();
    if (header.width <= 0 || header.height == 0 || header.coloursUsed > uint32_t(MaxColourEntries))
        throw EInvalidGraphic();

    const uint64_t width = uint64_t(header.width);
    const uint64_t height = uint64_t(header.height < 0 ? -header.height : header.height);
    if (width * height > MaxPixels) // both below 2^32: no overflow
        throw EInvalidGraphic();
    const uint64_t pixelBytes = rowLength(width, uint64_t(header.bits)) * height;
    const uint64_t available = uint64_t(source_.size() - pictureStart_);
    if (pixelBytes > AlwaysAllowedBytes && pixelBytes / MaxExpansion > available)
        throw EInvalidGraphic();
}

void BmpReader::readMasks(InfoHeader& header)
{
    if (header.length != InfoHeaderSize || header.compression != CompressionBitFields)
        return;
    char bytes[MasksSize];
    if (!take(bytes, MasksSize))
        throw EReadError();
    header.masks = {u32At(bytes, 0), u32At(bytes, 4), u32At(bytes, 8)};
}

QByteArray BmpReader::readColourTable(const InfoHeader& header)
{
    uint32_t count = header.coloursUsed;
    if (count == 0 && header.bits <= 8)
        count = uint32_t(1) << header.bits;
    const bool core = header.length == CoreHeaderSize;
    const int entrySize = core ? TripleEntrySize : QuadEntrySize;
    char bytes[MaxColourEntries * QuadEntrySize];
    if (!take(bytes, qint64(count) * entrySize))
        throw EReadError();
    if (header.bits > 8)
        return QByteArray(); // pixels carry their colours; the table only helped old displays
    // A paletted picture holds at most 2^bits entries; more are never indexed.
    const uint32_t held = std::min(count, uint32_t(1) << header.bits);
    QByteArray table(qsizetype(held) * QuadEntrySize, Qt::Uninitialized);
    for (uint32_t i = 0; i < held; ++i) {
        char* entry = table.data() + i * QuadEntrySize;
        std::memcpy(entry, bytes + i * entrySize, TripleEntrySize);
        entry[3] = core ? 0 : bytes[i * entrySize + 3];
    }
    return table;
}

// The pixels follow the colour table whatever the file header's offset says;
// an area declared or stored shorter than the rows is made up with zeros.
// Run-length data may be longer than the rows it makes, and ends itself: it
// runs to the declared size or, with none declared, to the end of the file.
BmpReader::PixelArea BmpReader::pixelArea(const InfoHeader& header, const TBitmap::Data& picture) const
{
    if (isRunLength(header.compression)) {
        const qint64 declared = header.imageSize != 0 ? qint64(header.imageSize) : remaining();
        return {pos_, std::min(declared, remaining())};
    }
    const qsizetype size = picture.rowLength() * picture.absHeight();
    const uint64_t declared = header.imageSize != 0 ? header.imageSize : uint64_t(size);
    return {pos_, qint64(std::min({declared, uint64_t(size), uint64_t(remaining())}))};
}

void BmpReader::readPixels(const InfoHeader& header, TBitmap::Data& picture)
{
    if (isRunLength(header.compression)) {
        decodeRle(header, picture);
        return;
    }
    const qsizetype size = picture.rowLength() * picture.absHeight();
    const qint64 present = pixelArea(header, picture).present;
    picture.pixels = PixelBuffer::allocate(size);
    if (!take(picture.pixels.data(), present))
        throw EReadError();
    // A pixel area cut short reads as zeros (entry 0 of a colour table).
    std::memset(picture.pixels.data() + present, 0, size_t(size - present));
}

void BmpReader::decodeRle(const InfoHeader& header, TBitmap::Data& picture)
{
    const PixelArea area = pixelArea(header, picture);
    picture.keptCompressedData = keptBytes();
    const qint64 length = area.present;
    const char* data = picture.keptCompressedData.constData() + (area.offset - pictureStart_);
    picture.pixels = PixelBuffer::allocateZeroed(picture.rowLength() * picture.absHeight());
    RleDecoder decoder(header.compression == CompressionRle8 ? 8 : 4, picture.width, picture.absHeight(),
                       picture.rowLength());
    decoder.decode(reinterpret_cast<const uchar*>(data), length,
                   reinterpret_cast<uchar*>(picture.pixels.data()));
}

// From the header length field to the end of the source, byte for byte.
QByteArray BmpReader::keptBytes()
{
    QByteArray kept(source_.size() - pictureStart_, Qt::Uninitialized);
    if (!source_.readAt(pictureStart_, kept.data(), kept.size()))
        throw EReadError();
    return kept;
}
