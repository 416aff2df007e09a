#include "audio/MMRiff.h"

#include <QtEndian>
#include <algorithm>
#include <new>

// INFO texts of a wave file.

const std::array<uint32_t, InfoChunkCount> InfoChunkIds = {
    RiffFile::FourCC('I', 'A', 'R', 'L'), RiffFile::FourCC('I', 'A', 'R', 'T'),
    RiffFile::FourCC('I', 'C', 'M', 'S'), RiffFile::FourCC('I', 'C', 'M', 'T'),
    RiffFile::FourCC('I', 'C', 'O', 'P'), RiffFile::FourCC('I', 'C', 'R', 'D'),
    RiffFile::FourCC('I', 'C', 'R', 'P'), RiffFile::FourCC('I', 'D', 'I', 'M'),
    RiffFile::FourCC('I', 'D', 'P', 'I'), RiffFile::FourCC('I', 'E', 'N', 'G'),
    RiffFile::FourCC('I', 'G', 'N', 'R'), RiffFile::FourCC('I', 'K', 'E', 'Y'),
    RiffFile::FourCC('I', 'L', 'G', 'T'), RiffFile::FourCC('I', 'M', 'E', 'D'),
    RiffFile::FourCC('I', 'N', 'A', 'M'), RiffFile::FourCC('I', 'P', 'L', 'T'),
    RiffFile::FourCC('I', 'P', 'R', 'D'), RiffFile::FourCC('I', 'S', 'B', 'J'),
    RiffFile::FourCC('I', 'S', 'F', 'T'), RiffFile::FourCC('I', 'S', 'H', 'P'),
    RiffFile::FourCC('I', 'S', 'R', 'C'), RiffFile::FourCC('I', 'S', 'R', 'F'),
    RiffFile::FourCC('I', 'T', 'C', 'H'),
};

namespace {

// Texts are short; a bigger list is read only up to here (the rest is skipped
// when the chunk is left), so a lying size costs no more than this.
constexpr int64_t MaxInfoListBytes = 16 * 1024 * 1024;

// A text stops at its first zero byte.
QByteArray UpToZero(const QByteArray& text)
{
    const qsizetype zero = text.indexOf('\0');
    return zero < 0 ? text : text.left(zero);
}

// Texts that were found in an earlier INFO list of the same file survive a
// later list that does not hold their identifier: they move into NewText with
// State 0 before RawData is replaced. A later list that holds the identifier
// drops them again (see ParseInfoList).
void KeepEarlierTexts(TInfoList& list)
{
    for (TInfoEntry& entry : list.Entries) {
        if (!entry.NewText && entry.TextOffset != 0) {
            std::optional<QByteArray> text = InfoFileText(list, entry);
            if (text && !text->isEmpty())
                entry.NewText = std::move(text);
        }
        entry.TextOffset = 0;
    }
}

void ParseInfoList(TInfoList& list)
{
    constexpr int64_t subHeader = RiffChunkHeaderSize;
    int64_t offset = 0;
    const uchar* raw = reinterpret_cast<const uchar*>(list.RawData.constData());
    while (offset < list.RawLength) {
        if (offset + subHeader > list.RawLength)
            break;
        const uint32_t id = qFromLittleEndian<uint32_t>(raw + offset);
        const int32_t size = qFromLittleEndian<int32_t>(raw + offset + 4);
        offset += subHeader;
        if (size < 0)
            break;
        if (TInfoEntry* entry = FindInfoEntry(&list, id)) {
            SetInfoText(&list, entry, 0, std::nullopt, uint32_t(offset));
            if (entry->NewText && entry->State == InfoStateAsRead)
                entry->NewText.reset(); // a text kept from an earlier list loses
        }
        offset += int64_t(size) + (size & 1);
    }
}

} // namespace

int CreateInfoList(std::unique_ptr<TInfoList>& list)
{
    try {
        auto created = std::make_unique<TInfoList>();
        created->Entries.resize(InfoChunkCount);
        for (int i = 0; i < InfoChunkCount; ++i)
            created->Entries[size_t(i)].TableIndex = uint16_t(i);
        list = std::move(created);
    } catch (const std::bad_alloc&) {
        return RiffNoMemory;
    }
    return RiffNoError;
}

int ReadInfoList(RiffFile* file, const RiffChunkInfo& chunk, TInfoList* list)
{
    if (!file || !list)
        return RiffBadParam;
    const int64_t size = std::min(int64_t(chunk.cksize) - int64_t(RiffFormTypeSize), MaxInfoListBytes);
    if (size <= 0)
        return RiffNoError;
    QByteArray raw;
    try {
        raw = QByteArray(qsizetype(size), '\0');
    } catch (const std::bad_alloc&) {
        return RiffNoMemory;
    }
    if (file->Read(raw.data(), int32_t(size)) != int32_t(size))
        return RiffIOError;
    if (list->RawLength > 0)
        KeepEarlierTexts(*list);
    list->RawData = std::move(raw);
    list->RawLength = int32_t(size);
    ParseInfoList(*list);
    return RiffNoError;
}

void SetInfoText(TInfoList* list, TInfoEntry* entry, uint16_t flags, std::optional<QByteArray> text,
                 uint32_t offset)
{
    if (!entry)
        return;
    if (text)
        text = UpToZero(*text);
    if ((flags & (InfoSetText | InfoClearText)) == 0)
        entry->TextOffset = offset;
    if (!entry->NewText) {
        if (!text)
            return;
        const bool fileHasText = list && list->RawLength > 0 && entry->TextOffset != 0;
        if (!fileHasText) {
            if (!text->isEmpty()) {
                entry->NewText = std::move(text);
                entry->State = flags;
            }
            return;
        }
        if (InfoFileText(*list, *entry) == text)
            return;
        entry->NewText = std::move(text);
        entry->State = flags;
        return;
    }
    if (text) {
        if (*entry->NewText == *text)
            return;
        entry->NewText.reset();
        if (text->isEmpty()) {
            entry->State = InfoClearText;
        } else {
            entry->NewText = std::move(text);
            entry->State = flags;
        }
        return;
    }
    if (flags & InfoClearText) {
        entry->NewText.reset();
        entry->State = flags;
    }
}

int CopyInfoTexts(TInfoList* target, const TInfoList* source)
{
    if (!target || !source)
        return RiffBadParam;
    try {
        for (const TInfoEntry& entry : source->Entries) {
            std::optional<QByteArray> text = entry.NewText;
            if (!text && entry.State != InfoSetText && entry.TextOffset != 0)
                text = InfoFileText(*source, entry);
            if (!text || text->isEmpty())
                continue;
            const uint32_t id = InfoChunkIds[entry.TableIndex % InfoChunkCount];
            SetInfoText(target, FindInfoEntry(target, id), InfoSetText, QByteArray(*text), 0);
        }
    } catch (const std::bad_alloc&) {
        return RiffNoMemory;
    }
    return RiffNoError;
}

int WriteInfoList(RiffFile* file, const TInfoList* list)
{
    if (!file || !list)
        return RiffBadParam;
    RiffChunkInfo listChunk;
    bool listCreated = false;
    for (const TInfoEntry& entry : list->Entries) {
        std::optional<QByteArray> text = entry.NewText;
        if (!text && entry.TextOffset != 0)
            text = InfoFileText(*list, entry);
        if (!text || text->isEmpty())
            continue;
        if (!listCreated) {
            listChunk.fccType = FOURCC_INFO;
            if (!file->CreateChunk(listChunk, RiffFile::ChunkKind::List))
                return RiffIOError;
            listCreated = true;
        }
        const int32_t length = int32_t(text->size()) + 1; // with the terminating zero
        RiffChunkInfo sub;
        sub.ckid = InfoChunkIds[entry.TableIndex % InfoChunkCount];
        sub.cksize = uint32_t(length);
        if (!file->CreateChunk(sub, RiffFile::ChunkKind::Plain) ||
            file->Write(text->constData(), length) != length || !file->Ascend(sub))
            return RiffIOError;
    }
    if (listCreated && !file->Ascend(listChunk))
        return RiffIOError;
    return RiffNoError;
}

void FreeInfoList(std::unique_ptr<TInfoList>& list)
{
    list.reset();
}

TInfoEntry* FindInfoEntry(TInfoList* list, uint32_t id)
{
    return const_cast<TInfoEntry*>(FindInfoEntry(static_cast<const TInfoList*>(list), id));
}

const TInfoEntry* FindInfoEntry(const TInfoList* list, uint32_t id)
{
    if (!list)
        return nullptr;
    for (const TInfoEntry& entry : list->Entries)
        if (entry.TableIndex < InfoChunkCount && InfoChunkIds[entry.TableIndex] == id)
            return &entry;
    return nullptr;
}

std::optional<QByteArray> InfoFileText(const TInfoList& list, const TInfoEntry& entry)
{
    const int64_t offset = entry.TextOffset;
    if (list.RawLength <= 0 || offset < int64_t(RiffChunkHeaderSize) || offset > list.RawLength)
        return std::nullopt;
    const int32_t size = qFromLittleEndian<int32_t>(list.RawData.constData() + offset - 4);
    const int64_t end = std::min<int64_t>(offset + std::max(size, 0), list.RawLength);
    return UpToZero(list.RawData.mid(qsizetype(offset), qsizetype(end - offset)));
}

std::optional<QByteArray> InfoCurrentText(const TInfoList& list, const TInfoEntry& entry)
{
    if (entry.NewText)
        return entry.NewText;
    return InfoFileText(list, entry);
}
