// The copy engine of the RIFF file layer: moving a stretch of one file's
// bytes to another, in the kernel where it can (file-to-file copy, splice
// through a pipe) and through memory where it cannot.
#include "audio/RiffFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <vector>

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

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

} // namespace

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
