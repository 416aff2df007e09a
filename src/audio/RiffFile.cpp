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
