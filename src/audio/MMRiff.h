#pragma once

#include "audio/RiffFile.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// INFO texts (a `LIST` chunk of form type `INFO`) and DISP entries (text or
// picture) of a wave file, kept beside its parsed header so that a saved copy
// carries them. Every operation returns one of these codes.
constexpr int RiffNoError = 0;
constexpr int RiffClearFailed = 1; // emptying the target list failed
constexpr int RiffBadParam = 2;    // a list or file missing
constexpr int RiffIOError = 3;     // read or write failure
constexpr int RiffNoMemory = 4;

// The known INFO identifiers, in the order in which texts are held and written.
constexpr int InfoChunkCount = 23;
extern const std::array<uint32_t, InfoChunkCount> InfoChunkIds;
constexpr uint32_t FOURCC_INFO = RiffFile::FourCC('I', 'N', 'F', 'O');
constexpr uint32_t FOURCC_DISP = RiffFile::FourCC('D', 'I', 'S', 'P');

// States of an INFO or DISP entry (flags of SetInfoText).
constexpr uint16_t InfoStateAsRead = 0;
constexpr uint16_t InfoSetText = 1;
constexpr uint16_t InfoClearText = 2;

struct TInfoEntry {
    uint16_t TableIndex = 0; // row of InfoChunkIds
    uint16_t State = InfoStateAsRead;
    uint32_t TextOffset = 0;           // offset in RawData of the file's text; 0 = none
    std::optional<QByteArray> NewText; // replaces the file's text (no terminating zero held)
};

struct TInfoList {
    QByteArray RawData; // the list's bytes after the form type; empty = none
    int32_t RawLength = 0;
    std::vector<TInfoEntry> Entries; // one per InfoChunkIds row, in table order
};

// A list with 23 entries in table order and no RawData.
int CreateInfoList(std::unique_ptr<TInfoList>& list);
// Reads the INFO list whose header `chunk` was just entered (file positioned
// after the form type). A size of 4 or less gives nothing. When the list
// already holds texts of an earlier INFO list, those the new list does not
// replace are kept (as texts of State 0).
int ReadInfoList(RiffFile* file, const RiffChunkInfo& chunk, TInfoList* list);
// Sets (flag 1) or clears (flag 2) an entry's text; with neither flag records
// `offset` as the entry's TextOffset. Texts equal to the file's are dropped.
void SetInfoText(TInfoList* list, TInfoEntry* entry, uint16_t flags, std::optional<QByteArray> text,
                 uint32_t offset);
// Copies every non-empty current text of `source` into `target`.
int CopyInfoTexts(TInfoList* target, const TInfoList* source);
// Writes a `LIST` `INFO` chunk with the non-empty texts in table order; writes
// nothing when there is no text.
int WriteInfoList(RiffFile* file, const TInfoList* list);
void FreeInfoList(std::unique_ptr<TInfoList>& list);

// The entry of `id`, or nullptr.
TInfoEntry* FindInfoEntry(TInfoList* list, uint32_t id);
const TInfoEntry* FindInfoEntry(const TInfoList* list, uint32_t id);
// The text held in the file for an entry (up to its first zero byte or the end
// of its sub-chunk), or nullopt when the file held none.
std::optional<QByteArray> InfoFileText(const TInfoList& list, const TInfoEntry& entry);
// The entry's current text: NewText, else the file's text.
std::optional<QByteArray> InfoCurrentText(const TInfoList& list, const TInfoEntry& entry);

// Clipboard format numbers of DISP entries that are written.
constexpr uint32_t DispFormatText = 1;
constexpr uint32_t DispFormatDib = 8;

struct TDispEntry {
    uint32_t Format = 0;
    uint16_t State = InfoStateAsRead;
    std::optional<QByteArray> Data;    // the chunk's bytes after the format number
    std::optional<QByteArray> NewData; // replaces Data
};

struct TDispList {
    std::vector<TDispEntry> Entries; // in file order
};

int CreateDispList(std::unique_ptr<TDispList>& list);
// Reads the DISP chunk whose header `chunk` was just entered (file positioned
// at its data) and appends it; a chunk with no bytes after the format number
// is ignored.
int ReadDispChunk(RiffFile* file, const RiffChunkInfo& chunk, TDispList* list);
// Replaces target's entries by copies of source's entries that have a format
// and a current payload not starting with a zero byte.
int CopyDispList(TDispList* target, const TDispList* source);
// Writes one DISP chunk per text (format 1) or picture (format 8) entry.
int WriteDispChunks(RiffFile* file, const TDispList* list);
// Frees every entry; with freeHolder the list itself too.
void ClearDispList(std::unique_ptr<TDispList>& list, bool freeHolder);

// The entry's current payload: NewData, else Data unless State is 1; nullptr when none.
const QByteArray* DispPayload(const TDispEntry& entry);
// The bytes a DISP chunk of this entry holds after the format number, or
// nullopt when the entry is not written (format other than 1 and 8, no
// payload, a payload starting with a zero byte, a picture whose header does
// not fit or claims more bytes than the payload holds).
std::optional<QByteArray> DispBytesToWrite(const TDispEntry& entry);
