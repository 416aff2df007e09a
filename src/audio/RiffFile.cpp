#include "audio/RiffFile.h"

#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr int64_t MaxRiffOffset = std::numeric_limits<uint32_t>::max();
// The buffer of a copy the kernel cannot do: large enough for few calls,
// small enough to allocate for every copy.
constexpr int64_t MemoryCopyChunk = int64_t(1) << 20;
// The pipe an in-kernel copy goes through: more than a second of CD sound.
constexpr int64_t CopyPipeSize = int64_t(1) << 18;
// The kernel's file-to-file copy moves a block through a pipe of its own, in
// pieces of at most 64 KiB read from the source's pages. Where the target's
// position differs from the source's within such a piece, every piece ends
// inside a target page and the target's page cache is built of many small
// pages: on ext4 that copy takes about 15 % longer than the splice through
// the larger pipe above. The file-to-file copy is used where the positions
// agree, split at these boundaries, so that whole pieces map one to one and
// a file system that shares blocks or copies on its server can do so.
constexpr int64_t FileRangePiece = int64_t(1) << 16;

QIODevice::OpenMode QtModeFor(RiffFile::Mode mode)
{
    switch (mode) {
    case RiffFile::Mode::Read:
        return QIODevice::ReadOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered;
    case RiffFile::Mode::ReadWrite:
        return QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered;
    case RiffFile::Mode::Create:
        break;
    }
    return QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered;
}

} // namespace

bool RiffChunkInfo::IsDirty() const
{
    return (dwFlags & RiffChunkDirty) != 0;
}

RiffFile::RiffFile() = default;

RiffFile::~RiffFile()
{
    Close();
}

bool RiffFile::Open(const QString& path, Mode mode)
{
    Close();
    file_.setFileName(path);
    if (!file_.open(QtModeFor(mode)))
        return false;
    mode_ = mode;
    created_ = mode == Mode::Create;
    position_ = 0;
    buffer_.assign(size_t(DefaultBufferSize), 0);
    bufferStart_ = 0;
    bufferFill_ = 0;
    writing_ = false;
    return true;
}

bool RiffFile::OpenHandle(int handle, const QString& path)
{
    Close();
    file_.setFileName(path);
    if (handle < 0 ||
        !file_.open(handle, QIODevice::ReadWrite | QIODevice::Unbuffered, QFile::DontCloseHandle))
        return false;
    mode_ = Mode::Create;
    created_ = true;
    position_ = 0;
    buffer_.assign(size_t(DefaultBufferSize), 0);
    bufferStart_ = 0;
    bufferFill_ = 0;
    writing_ = false;
    return true;
}

bool RiffFile::IsOpen() const
{
    return file_.isOpen();
}

QString RiffFile::Path() const
{
    return file_.fileName();
}

RiffFile::Mode RiffFile::OpenMode() const
{
    return mode_;
}

bool RiffFile::CreatedByThis() const
{
    return created_;
}

bool RiffFile::SetBuffer(int32_t size)
{
    if (size < 0 || !IsOpen() || !FlushWrites())
        return false;
    DropReadCache();
    // A buffer of 0 bytes would turn every read into a system call per byte.
    const size_t wanted = size_t(std::max(size, int32_t(1)));
    if (wanted != buffer_.size())
        std::vector<char>(wanted, 0).swap(buffer_);
    return true;
}

int32_t RiffFile::BufferSize() const
{
    return int32_t(buffer_.size());
}

int64_t RiffFile::Seek(int64_t offset, Origin origin)
{
    if (!IsOpen())
        return -1;
    int64_t base = 0;
    if (origin == Origin::Current)
        base = position_;
    else if (origin == Origin::End) {
        base = Size();
        if (base < 0)
            return -1;
    }
    if ((offset > 0 && base > std::numeric_limits<int64_t>::max() - offset) || base + offset < 0)
        return -1;
    position_ = base + offset;
    return position_;
}

int64_t RiffFile::Position() const
{
    return position_;
}

int64_t RiffFile::Size()
{
    if (!IsOpen())
        return -1;
    int64_t size = file_.size();
    if (writing_)
        size = std::max(size, bufferStart_ + bufferFill_);
    return size;
}

void RiffFile::DropReadCache()
{
    if (!writing_)
        bufferFill_ = 0;
}

bool RiffFile::FlushWrites()
{
    if (!writing_)
        return true;
    writing_ = false;
    const int64_t pending = bufferFill_;
    bufferFill_ = 0;
    if (pending == 0)
        return true;
    return file_.seek(bufferStart_) && file_.write(buffer_.data(), pending) == pending;
}

bool RiffFile::FillReadCache()
{
    bufferFill_ = 0;
    bufferStart_ = position_;
    if (!file_.seek(position_))
        return false;
    const qint64 got = file_.read(buffer_.data(), qint64(buffer_.size()));
    if (got < 0)
        return false;
    bufferFill_ = got;
    return true;
}

int32_t RiffFile::ReadDirect(char* buffer, int32_t count)
{
    if (!file_.seek(position_))
        return -1;
    const qint64 got = file_.read(buffer, count);
    return got < 0 ? -1 : int32_t(got);
}

int32_t RiffFile::Read(void* buffer, int32_t count)
{
    if (!IsOpen() || count < 0 || !FlushWrites())
        return -1;
    char* out = static_cast<char*>(buffer);
    int32_t done = 0;
    while (done < count) {
        const int64_t inCache = bufferStart_ + bufferFill_ - position_;
        if (position_ >= bufferStart_ && inCache > 0) {
            const int32_t n = int32_t(std::min<int64_t>(inCache, count - done));
            std::memcpy(out + done, buffer_.data() + (position_ - bufferStart_), size_t(n));
            done += n;
            position_ += n;
            continue;
        }
        // Large reads bypass the cache: copying a wave's data in one-second
        // blocks must cost no more than reading the file.
        if (count - done >= int32_t(buffer_.size())) {
            const int32_t got = ReadDirect(out + done, count - done);
            if (got < 0)
                return -1;
            done += got;
            position_ += got;
            break;
        }
        if (!FillReadCache())
            return -1;
        if (bufferFill_ == 0)
            break; // end of file
    }
    return done;
}

int32_t RiffFile::Write(const void* data, int32_t count)
{
    if (!IsOpen() || count < 0 || mode_ == Mode::Read)
        return -1;
    if (!writing_) {
        bufferFill_ = 0;
        writing_ = true;
        bufferStart_ = position_;
    } else if (position_ != bufferStart_ + bufferFill_ || bufferFill_ + count > int64_t(buffer_.size())) {
        if (!FlushWrites())
            return -1;
        writing_ = true;
        bufferStart_ = position_;
    }
    if (count >= int32_t(buffer_.size())) {
        writing_ = false;
        if (!file_.seek(position_) || file_.write(static_cast<const char*>(data), count) != count)
            return -1;
    } else {
        std::memcpy(buffer_.data() + bufferFill_, data, size_t(count));
        bufferFill_ += count;
    }
    position_ += count;
    return count;
}

int64_t RiffFile::CopyFrom(RiffFile& source, int64_t count)
{
    if (!IsOpen() || !source.IsOpen() || count < 0 || mode_ == Mode::Read || &source == this ||
        !source.FlushWrites())
        return -1;
    // The same steps as Read on the source: what its buffer holds first, then
    // either the rest straight from the file or a refill of its buffer.
    int64_t done = 0;
    while (done < count) {
        const int64_t inCache = source.bufferStart_ + source.bufferFill_ - source.position_;
        if (source.position_ >= source.bufferStart_ && inCache > 0) {
            const int32_t n = int32_t(std::min<int64_t>(inCache, count - done));
            if (Write(source.buffer_.data() + (source.position_ - source.bufferStart_), n) != n)
                return -1;
            done += n;
            source.position_ += n;
            continue;
        }
        if (count - done >= int64_t(source.buffer_.size())) {
            const int64_t got = CopyDirect(source, count - done);
            if (got < 0)
                return -1;
            done += got;
            break;
        }
        if (!source.FillReadCache())
            return -1;
        if (source.bufferFill_ == 0)
            break; // end of the source
    }
    return done;
}

int64_t RiffFile::CopyDirect(RiffFile& source, int64_t count)
{
    // The copy writes at this file's position: pending bytes go first, and a
    // read cache over the written range would turn stale.
    if (!FlushWrites())
        return -1;
    DropReadCache();
    int64_t done = 0;
    if (firstCopyWay_ == CopyWay::FileRange && !fileRangeUnsupported_) {
        bool handOver = false;
        done = CopyFileRange(source, count, handOver);
        if (done < 0)
            return -1;
        if (!handOver)
            return done;
    }
    if (firstCopyWay_ != CopyWay::Memory && !kernelCopyUnsupported_) {
        bool unsupported = false;
        const int64_t more = CopyInKernel(source, count - done, unsupported);
        if (more < 0)
            return -1;
        done += more;
        if (!unsupported)
            return done;
        kernelCopyUnsupported_ = true;
    }
    const int64_t rest = CopyThroughMemory(source, count - done);
    return rest < 0 ? -1 : done + rest;
}

int64_t RiffFile::CopyFileRange(RiffFile& source, int64_t count, bool& handOver)
{
    handOver = true;
#ifdef __linux__
    const int from = source.file_.handle();
    const int to = file_.handle();
    if (from < 0 || to < 0 || (position_ - source.position_) % FileRangePiece != 0)
        return 0;
    // The head up to a piece boundary, then the whole pieces, then the tail.
    int64_t done = 0;
    while (done < count) {
        const int64_t head = (FileRangePiece - position_ % FileRangePiece) % FileRangePiece;
        const int64_t whole = (count - done) / FileRangePiece * FileRangePiece;
        const int64_t wanted = head > 0 ? std::min(head, count - done) : whole > 0 ? whole : count - done;
        loff_t fromOffset = source.position_;
        loff_t toOffset = position_;
        const ssize_t n = ::copy_file_range(from, &fromOffset, to, &toOffset, size_t(wanted), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            // Files on two volumes, or a file system or kernel without the
            // call: the splice, or the copy through memory, works there.
            if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
                fileRangeUnsupported_ = true;
                return done;
            }
            return -1;
        }
        // Nothing copied is the end of the source, or a file whose size the
        // system does not know: the next way reads on to find out.
        if (n == 0)
            return done;
        done += n;
        source.position_ += n;
        position_ += n;
    }
    handOver = false;
    return done;
#else
    (void)source;
    (void)count;
    return 0;
#endif
}

int64_t RiffFile::CopyInKernel(RiffFile& source, int64_t count, bool& unsupported)
{
    unsupported = false;
#ifdef __linux__
    const int from = source.file_.handle();
    const int to = file_.handle();
    if (from < 0 || to < 0 || !OpenCopyPipe()) {
        unsupported = true;
        return 0;
    }
    // The bytes go file → pipe → file as page references: the only copy is
    // the one into the target's pages. Each piece taken in goes out whole
    // before the next, so the pipe is empty between pieces.
    int64_t done = 0;
    while (done < count) {
        loff_t fromOffset = source.position_;
        const auto wanted = size_t(std::min(count - done, copyPipeCapacity_));
        const ssize_t in =
            ::splice(from, &fromOffset, copyPipe_[1], nullptr, wanted, SPLICE_F_MOVE | SPLICE_F_NONBLOCK);
        if (in < 0) {
            if (errno == EINTR)
                continue;
            // A file system or kernel without the call: copying through
            // memory works everywhere.
            if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
                unsupported = true;
                return done;
            }
            return -1;
        }
        if (in == 0)
            break; // end of the source
        if (!EmptyCopyPipe(to, in)) {
            CloseCopyPipe(); // what it still holds must not reach a later piece
            return -1;
        }
        done += in;
        source.position_ += in;
        position_ += in;
        if (kernelCopyUnsupported_) {
            unsupported = true; // the target took that piece through memory
            return done;
        }
    }
    return done;
#else
    (void)source;
    (void)count;
    unsupported = true;
    return 0;
#endif
}

#ifdef __linux__
bool RiffFile::OpenCopyPipe()
{
    if (copyPipe_[0] >= 0)
        return true;
    if (::pipe2(copyPipe_, O_CLOEXEC) != 0) {
        copyPipe_[0] = copyPipe_[1] = -1;
        return false;
    }
    // A pipe larger than the default moves a block in fewer, larger pieces;
    // where the system refuses, the default size does.
    ::fcntl(copyPipe_[1], F_SETPIPE_SZ, int(CopyPipeSize));
    const int capacity = ::fcntl(copyPipe_[1], F_GETPIPE_SZ);
    if (capacity <= 0) {
        CloseCopyPipe();
        return false;
    }
    copyPipeCapacity_ = capacity;
    return true;
}

bool RiffFile::EmptyCopyPipe(int to, int64_t count)
{
    int64_t out = 0;
    while (out < count) {
        loff_t toOffset = position_ + out;
        const ssize_t n = ::splice(copyPipe_[0], nullptr, to, &toOffset, size_t(count - out), SPLICE_F_MOVE);
        if (n > 0) {
            out += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
            // The target's file system takes no splice: what the pipe holds
            // goes out through memory, and so does every later copy.
            kernelCopyUnsupported_ = true;
            return WritePipeThroughMemory(to, position_ + out, count - out);
        }
        return false;
    }
    return true;
}

bool RiffFile::WritePipeThroughMemory(int to, int64_t offset, int64_t count)
{
    char chunk[16384];
    while (count > 0) {
        const ssize_t got = ::read(copyPipe_[0], chunk, size_t(std::min<int64_t>(count, sizeof chunk)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        for (ssize_t put = 0; put < got;) {
            const ssize_t n = ::pwrite(to, chunk + put, size_t(got - put), offset);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            put += n;
            offset += n;
        }
        count -= got;
    }
    return true;
}
#endif

void RiffFile::CloseCopyPipe()
{
#ifdef __linux__
    for (int& end : copyPipe_) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
#endif
}

int64_t RiffFile::CopyThroughMemory(RiffFile& source, int64_t count)
{
    std::vector<char> chunk;
    try {
        chunk.resize(size_t(std::min(count, MemoryCopyChunk)));
    } catch (const std::bad_alloc&) {
        return -1;
    }
    int64_t done = 0;
    while (done < count) {
        const auto wanted = int32_t(std::min<int64_t>(count - done, int64_t(chunk.size())));
        const int32_t got = source.ReadDirect(chunk.data(), wanted);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        source.position_ += got;
        if (!file_.seek(position_) || file_.write(chunk.data(), got) != got)
            return -1;
        position_ += got;
        done += got;
        if (got < wanted)
            break; // end of the source
    }
    return done;
}

bool RiffFile::Descend(RiffChunkInfo& chunk, const RiffChunkInfo* parent)
{
    const int64_t start = position_;
    if (parent) {
        const int64_t parentEnd = int64_t(parent->dwDataOffset) + parent->cksize;
        if (start + RiffChunkHeaderSize > parentEnd)
            return false;
    }
    uchar header[RiffChunkHeaderSize];
    if (Read(header, RiffChunkHeaderSize) != int32_t(RiffChunkHeaderSize) || position_ > MaxRiffOffset) {
        position_ = start;
        return false;
    }
    RiffChunkInfo found;
    found.ckid = qFromLittleEndian<uint32_t>(header);
    found.cksize = qFromLittleEndian<uint32_t>(header + 4);
    found.dwDataOffset = uint32_t(position_);
    if (found.ckid == FOURCC_RIFF || found.ckid == FOURCC_LIST) {
        uchar form[RiffFormTypeSize];
        if (Read(form, RiffFormTypeSize) != int32_t(RiffFormTypeSize)) {
            position_ = start;
            return false;
        }
        found.fccType = qFromLittleEndian<uint32_t>(form);
    }
    chunk = found;
    return true;
}

bool RiffFile::Ascend(RiffChunkInfo& chunk)
{
    if (!IsOpen())
        return false;
    if (!chunk.IsDirty()) {
        const int64_t end = int64_t(chunk.dwDataOffset) + chunk.cksize + (chunk.cksize & 1);
        if (end > Size())
            return false;
        position_ = end;
        return true;
    }
    const int64_t end = position_;
    const int64_t size = end - int64_t(chunk.dwDataOffset);
    if (size < 0 || size > MaxRiffOffset || chunk.dwDataOffset < 4)
        return false;
    uchar sizeBytes[4];
    qToLittleEndian<uint32_t>(uint32_t(size), sizeBytes);
    position_ = int64_t(chunk.dwDataOffset) - 4;
    const bool sizeWritten = Write(sizeBytes, 4) == 4;
    position_ = end;
    if (!sizeWritten)
        return false;
    if (size & 1) {
        const char pad = 0;
        if (Write(&pad, 1) != 1)
            return false;
    }
    chunk.cksize = uint32_t(size);
    chunk.dwFlags &= ~RiffChunkDirty;
    return true;
}

bool RiffFile::CreateChunk(RiffChunkInfo& chunk, ChunkKind kind)
{
    if (kind == ChunkKind::Riff)
        chunk.ckid = FOURCC_RIFF;
    else if (kind == ChunkKind::List)
        chunk.ckid = FOURCC_LIST;
    uchar header[RiffChunkHeaderSize + RiffFormTypeSize];
    qToLittleEndian<uint32_t>(chunk.ckid, header);
    qToLittleEndian<uint32_t>(chunk.cksize, header + 4);
    qToLittleEndian<uint32_t>(chunk.fccType, header + 8);
    const int32_t length = int32_t(kind == ChunkKind::Plain ? RiffChunkHeaderSize : sizeof header);
    const int64_t dataOffset = position_ + RiffChunkHeaderSize;
    if (dataOffset > MaxRiffOffset || Write(header, length) != length)
        return false;
    chunk.dwDataOffset = uint32_t(dataOffset);
    chunk.dwFlags |= RiffChunkDirty;
    return true;
}

bool RiffFile::Flush()
{
    return IsOpen() && FlushWrites() && file_.flush();
}

bool RiffFile::Close()
{
    if (!IsOpen())
        return true;
    const bool flushed = FlushWrites();
    CloseCopyPipe();
    file_.close();
    buffer_.clear();
    bufferFill_ = 0;
    position_ = 0;
    return flushed;
}

uint32_t RiffFile::StringToFOURCC(const char* text)
{
    char c[4] = {' ', ' ', ' ', ' '};
    for (int i = 0; i < 4 && text && text[i] != '\0'; ++i)
        c[i] = text[i];
    return FourCC(c[0], c[1], c[2], c[3]);
}

QByteArray RiffFile::FOURCCToString(uint32_t code)
{
    uchar c[4];
    qToLittleEndian<uint32_t>(code, c);
    return QByteArray(reinterpret_cast<const char*>(c), 4);
}
