#pragma once

#include <QFile>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// Header of one RIFF chunk as met in a file or as being written.
struct RiffChunkInfo {
    uint32_t ckid = 0;         // four-character code of the chunk
    uint32_t cksize = 0;       // size of the chunk's data (form type included for RIFF/LIST)
    uint32_t fccType = 0;      // form type of a RIFF or LIST chunk, else 0
    uint32_t dwDataOffset = 0; // file offset of the chunk's data (of the form type for RIFF/LIST)
    uint32_t dwFlags = 0;      // RiffChunkDirty while the chunk is being written

    bool IsDirty() const;
};

// The chunk was created by this handle (or its size must be rewritten): leaving
// it writes its true size and, after an odd size, a pad byte.
constexpr uint32_t RiffChunkDirty = 0x10000000;

constexpr uint32_t RiffChunkHeaderSize = 8; // id + size
constexpr uint32_t RiffFormTypeSize = 4;

// A RIFF file opened for chunk navigation, with its own read/write buffer over
// an unbuffered file. Offsets inside a RIFF file are 32-bit; positions are
// handled in 64 bits so that no arithmetic wraps.
//
// Every read reports how many bytes it got; nothing is ever read past the end
// of the file or of a buffer. No member throws.
class RiffFile {
  public:
    enum class Mode { Read, ReadWrite, Create };
    enum class Origin { Start, Current, End };
    enum class ChunkKind { Plain, Riff, List };

    static constexpr int32_t DefaultBufferSize = 8192;

    RiffFile();
    ~RiffFile(); // closes (pending bytes are written; a failure is lost: call Close to see it)
    RiffFile(const RiffFile&) = delete;
    RiffFile& operator=(const RiffFile&) = delete;

    // Read: an existing file, read only. ReadWrite: an existing file, read and
    // write. Create: creates the file or truncates an existing one. The buffer
    // starts with DefaultBufferSize bytes. False when the file cannot be opened.
    bool Open(const QString& path, Mode mode);
    // Writes a file the caller has just created empty, through its open
    // descriptor (read and write), as Open with Mode::Create would; the
    // descriptor stays the caller's to close, after Close. `path` names it.
    bool OpenHandle(int handle, const QString& path);
    bool IsOpen() const;
    QString Path() const;

    // What the handle was opened as (the open-mode flags).
    Mode OpenMode() const;
    // True when the file was created (or truncated) by this handle.
    bool CreatedByThis() const;

    // Sets the I/O buffer to at least `size` bytes; pending writes go out
    // first. A negative size, no open file, or a failed flush gives false.
    bool SetBuffer(int32_t size);
    int32_t BufferSize() const;

    // Moves the file position; returns the new position, or -1 (the position
    // is then unchanged). A position before the start fails.
    int64_t Seek(int64_t offset, Origin origin);
    int64_t Position() const;
    // The file's current size, pending writes included; -1 without a file.
    int64_t Size();

    // Reads up to `count` bytes at the position. Returns the bytes read (fewer
    // at the end of the file, 0 there), or -1 on an error or a negative count.
    int32_t Read(void* buffer, int32_t count);
    // Writes `count` bytes at the position; returns `count`, or -1 on an error.
    int32_t Write(const void* data, int32_t count);
    // Copies up to `count` bytes from `source`'s position to this file's
    // position, as Read on `source` and Write here would, and advances both
    // positions. The bytes go from file to file inside the kernel where the
    // system can (no trip through this process); bytes held in `source`'s read
    // buffer and reads Read would serve through that buffer are taken from it,
    // so the result is the same as with Read. Returns the bytes copied (fewer
    // at the end of `source`), or -1 on an error (some bytes may have been
    // written then) or a negative count.
    int64_t CopyFrom(RiffFile& source, int64_t count);

    // The ways CopyFrom moves bytes from file to file, in the order tried: the
    // kernel's file-to-file copy (where both positions lie alike within 64
    // KiB), a splice through a pipe, and a copy through memory. Where the
    // system refuses one way, the next takes over.
    enum class CopyWay { FileRange, Splice, Memory };
    // The first way every handle tries (FileRange unless set): lets tests hold
    // the later ways to the results of the first.
    static void SetFirstCopyWay(CopyWay way) { firstCopyWay_ = way; }
    static CopyWay FirstCopyWay() { return firstCopyWay_; }

    // Reads the chunk header at the position: id, size and, for RIFF and LIST,
    // the form type. When `parent` is given, the header must lie inside the
    // parent's data. On success the position is at the chunk's data (after
    // the form type for RIFF and LIST). On failure the position is unchanged.
    bool Descend(RiffChunkInfo& chunk, const RiffChunkInfo* parent = nullptr);
    // Leaves a chunk. A dirty chunk gets its true size (position − data
    // offset) written into its header and a zero pad byte after an odd size;
    // the position ends after it. Any other chunk: the position moves to its
    // end and pad byte, which must not lie past the end of the file.
    bool Ascend(RiffChunkInfo& chunk);
    // Writes a chunk header at the position: Riff writes "RIFF" + size + the
    // chunk's fccType, List "LIST" + size + fccType, Plain the chunk's id and
    // size. Notes the data offset and marks the chunk dirty.
    bool CreateChunk(RiffChunkInfo& chunk, ChunkKind kind);

    // Writes pending bytes to the file.
    bool Flush();
    // Flushes and closes; false when pending bytes could not be written.
    // Closing a closed handle gives true.
    bool Close();

    // The 32-bit code of four characters, first character in the low byte.
    static constexpr uint32_t FourCC(char a, char b, char c, char d)
    {
        return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 |
               uint32_t(uint8_t(d)) << 24;
    }
    // The code of the first four characters of `text` (spaces after a shorter
    // text), letter case kept.
    static uint32_t StringToFOURCC(const char* text);
    // The four characters of a code, as bytes.
    static QByteArray FOURCCToString(uint32_t code);

  private:
    bool FlushWrites();
    void DropReadCache();
    bool FillReadCache();
    int32_t ReadDirect(char* buffer, int32_t count);
    int64_t CopyDirect(RiffFile& source, int64_t count);
    int64_t CopyFileRange(RiffFile& source, int64_t count, bool& handOver);
    int64_t CopyInKernel(RiffFile& source, int64_t count, bool& unsupported);
    int64_t CopyThroughMemory(RiffFile& source, int64_t count);
#ifdef __linux__
    bool OpenCopyPipe();
    bool EmptyCopyPipe(int to, int64_t count);
    bool WritePipeThroughMemory(int to, int64_t offset, int64_t count);
#endif
    void CloseCopyPipe();

    QFile file_;
    Mode mode_ = Mode::Read;
    bool created_ = false;
    int64_t position_ = 0;               // logical position
    std::vector<char> buffer_;           // read cache or pending writes, never both
    int64_t bufferStart_ = 0;            // file offset of buffer_[0]
    int64_t bufferFill_ = 0;             // valid (read) or pending (write) bytes in buffer_
    bool writing_ = false;               // buffer_ holds pending writes
    bool fileRangeUnsupported_ = false;  // the system refused a file-to-file copy once
    bool kernelCopyUnsupported_ = false; // the system refused a splice once
    int copyPipe_[2] = {-1, -1};         // read and write end of the pipe of in-kernel copies
    int64_t copyPipeCapacity_ = 0;
    static inline CopyWay firstCopyWay_ = CopyWay::FileRange;
};

constexpr uint32_t FOURCC_RIFF = RiffFile::FourCC('R', 'I', 'F', 'F');
constexpr uint32_t FOURCC_LIST = RiffFile::FourCC('L', 'I', 'S', 'T');
