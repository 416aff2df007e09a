#include "audio/MMRiff.h"

#include <QtEndian>
#include <new>

// DISP entries (a text or a device-independent bitmap) of a wave file.

namespace {

// A display picture is small; a bigger DISP chunk is ignored rather than read.
constexpr int64_t MaxDispBytes = 64 * 1024 * 1024;

// The bitmap information header at the start of a format-8 payload.
constexpr int DibInfoHeaderSize = 40;
constexpr int OffBiSize = 0;
constexpr int OffBiWidth = 4;
constexpr int OffBiHeight = 8;
constexpr int OffBiBitCount = 14;
constexpr int OffBiCompression = 16;
constexpr int OffBiSizeImage = 20;
constexpr int OffBiClrUsed = 32;
constexpr uint32_t BiRgb = 0;
constexpr uint32_t BiBitfields = 3;
constexpr int64_t BitfieldMasksSize = 12;
constexpr int64_t ColourEntrySize = 4;

uint32_t Dword(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<uint32_t>(bytes.constData() + offset);
}

// Pixel bytes of an uncompressed bitmap: rows padded to 4 bytes.
int64_t UncompressedImageSize(const QByteArray& dib)
{
    const int64_t width = qFromLittleEndian<int32_t>(dib.constData() + OffBiWidth);
    const int64_t height = qFromLittleEndian<int32_t>(dib.constData() + OffBiHeight);
    const int64_t bits = qFromLittleEndian<uint16_t>(dib.constData() + OffBiBitCount);
    if (width <= 0 || bits == 0 || bits > 32)
        return -1;
    const int64_t stride = (width * bits + 31) / 32 * 4;
    return stride * (height < 0 ? -height : height);
}

// Bytes of the bitmap at the start of `dib`: its header, bit-field masks,
// colour table and pixels, by the counts its header gives; -1 when the header
// is not a bitmap information header. The pixels and colours that the header
// leaves implicit (biSizeImage 0 for an uncompressed bitmap, biClrUsed 0 at
// 8 bits or fewer) are counted as the bitmap format defines them, so a copied
// picture keeps them.
int64_t DibSize(const QByteArray& dib)
{
    if (dib.size() < DibInfoHeaderSize)
        return -1;
    const int64_t headerSize = Dword(dib, OffBiSize);
    if (headerSize < DibInfoHeaderSize)
        return -1;
    const uint32_t compression = Dword(dib, OffBiCompression);
    const uint16_t bits = qFromLittleEndian<uint16_t>(dib.constData() + OffBiBitCount);
    int64_t image = Dword(dib, OffBiSizeImage);
    if (image == 0 && (compression == BiRgb || compression == BiBitfields))
        image = UncompressedImageSize(dib);
    if (image < 0)
        return -1;
    int64_t colours = Dword(dib, OffBiClrUsed);
    if (colours == 0 && bits >= 1 && bits <= 8)
        colours = int64_t(1) << bits;
    const int64_t masks =
        compression == BiBitfields && headerSize == DibInfoHeaderSize ? BitfieldMasksSize : 0;
    return headerSize + masks + ColourEntrySize * colours + image;
}

} // namespace

int CreateDispList(std::unique_ptr<TDispList>& list)
{
    try {
        list = std::make_unique<TDispList>();
    } catch (const std::bad_alloc&) {
        return RiffNoMemory;
    }
    return RiffNoError;
}

int ReadDispChunk(RiffFile* file, const RiffChunkInfo& chunk, TDispList* list)
{
    if (!file || !list)
        return RiffBadParam;
    const int64_t size = int64_t(chunk.cksize) - 4;
    if (size <= 0 || size > MaxDispBytes)
        return RiffNoError;
    TDispEntry entry;
    uchar format[4];
    if (file->Read(format, 4) != 4)
        return RiffIOError;
    entry.Format = qFromLittleEndian<uint32_t>(format);
    try {
        entry.Data = QByteArray(qsizetype(size), '\0');
        if (file->Read(entry.Data->data(), int32_t(size)) != int32_t(size))
            return RiffIOError;
        list->Entries.push_back(std::move(entry));
    } catch (const std::bad_alloc&) {
        return RiffNoMemory;
    }
    return RiffNoError;
}

int CopyDispList(TDispList* target, const TDispList* source)
{
    if (!target || !source)
        return RiffBadParam;
    const std::vector<TDispEntry> from = source->Entries; // target may be source
    target->Entries.clear();
    try {
        for (const TDispEntry& entry : from) {
            const QByteArray* payload = DispPayload(entry);
            if (entry.Format == 0 || !payload || payload->isEmpty() || payload->at(0) == '\0')
                continue;
            TDispEntry copy;
            copy.Format = entry.Format;
            copy.NewData = *payload;
            target->Entries.push_back(std::move(copy));
        }
    } catch (const std::bad_alloc&) {
        return RiffNoMemory;
    }
    return RiffNoError;
}

int WriteDispChunks(RiffFile* file, const TDispList* list)
{
    if (!file || !list)
        return RiffBadParam;
    for (const TDispEntry& entry : list->Entries) {
        const std::optional<QByteArray> bytes = DispBytesToWrite(entry);
        if (!bytes)
            continue;
        RiffChunkInfo chunk;
        chunk.ckid = FOURCC_DISP;
        chunk.cksize = uint32_t(4 + bytes->size());
        uchar format[4];
        qToLittleEndian<uint32_t>(entry.Format, format);
        const int32_t length = int32_t(bytes->size());
        if (!file->CreateChunk(chunk, RiffFile::ChunkKind::Plain) || file->Write(format, 4) != 4 ||
            file->Write(bytes->constData(), length) != length || !file->Ascend(chunk))
            return RiffIOError;
    }
    return RiffNoError;
}

void ClearDispList(std::unique_ptr<TDispList>& list, bool freeHolder)
{
    if (!list)
        return;
    list->Entries.clear();
    if (freeHolder)
        list.reset();
}

const QByteArray* DispPayload(const TDispEntry& entry)
{
    if (entry.NewData)
        return &*entry.NewData;
    if (entry.Data && entry.State != InfoSetText)
        return &*entry.Data;
    return nullptr;
}

std::optional<QByteArray> DispBytesToWrite(const TDispEntry& entry)
{
    const QByteArray* payload = DispPayload(entry);
    if (!payload || payload->isEmpty() || payload->at(0) == '\0')
        return std::nullopt;
    if (entry.Format == DispFormatText) {
        const qsizetype zero = payload->indexOf('\0');
        // A text without its terminating zero gets one; nothing past the payload is read.
        return zero < 0 ? *payload + QByteArray(1, '\0') : payload->left(zero + 1);
    }
    if (entry.Format == DispFormatDib) {
        const int64_t size = DibSize(*payload);
        // A header that claims more bytes than the entry holds describes a
        // damaged picture: it is left out rather than written cut short.
        if (size < 0 || size > payload->size())
            return std::nullopt;
        return payload->left(qsizetype(size));
    }
    return std::nullopt;
}
