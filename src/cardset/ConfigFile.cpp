#include "cardset/ConfigFile.h"

#include "cardset/EInOutError.h"

#include <QFile>
#include <cerrno>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ConfigFile {
namespace {

constexpr qsizetype CopyChunkSize = 64 * 1024;
constexpr const char* TemporaryNameTemplate = ".Set.cfg.XXXXXX";

[[noreturn]] void failWithErrno()
{
    throw EInOutError::fromErrno(errno);
}

// Owns one open file; closes it on every path out, and lets the normal path
// check the close.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }
    void close()
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            failWithErrno();
    }

private:
    int fd_;
};

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(QByteArray path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (!path_.isEmpty())
            ::unlink(path_.constData());
    }
    const char* path() const { return path_.constData(); }
    void release() { path_.clear(); }

private:
    QByteArray path_;
};

int openFile(const QString& path, int flags)
{
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        failWithErrno();
    return fd;
}

// Reads until `count` bytes or the end of the file; returns how many were read.
qsizetype readSome(int fd, char* buffer, qsizetype count)
{
    qsizetype got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd, buffer + got, static_cast<size_t>(count - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            failWithErrno();
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

// A write that stops short without an error number ran out of room.
void writeAll(int fd, const char* data, qsizetype count)
{
    qsizetype done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd, data + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            failWithErrno();
        if (n == 0)
            throw EInOutError(EInOutError::DiskFull);
        done += n;
    }
}

void copyTail(int from, qsizetype offset, int to)
{
    if (::lseek(from, static_cast<off_t>(offset), SEEK_SET) < 0)
        failWithErrno();
    QByteArray chunk(CopyChunkSize, Qt::Uninitialized);
    for (;;) {
        const qsizetype got = readSome(from, chunk.data(), chunk.size());
        if (got == 0)
            return;
        writeAll(to, chunk.constData(), got);
    }
}

QString folderOf(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

mode_t modeForNewFile()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

QByteArray readHead(const QString& path, qsizetype count)
{
    FileHandle file(openFile(path, O_RDONLY));
    QByteArray bytes(count, '\0');
    bytes.truncate(readSome(file.fd(), bytes.data(), count));
    file.close();
    return bytes;
}

void replace(const QString& target, const QByteArray& head, const QString& keepTailOf)
{
    // Opened for writing although only read: a read-only file or medium must
    // refuse the save instead of being replaced behind the user's back.
    std::optional<FileHandle> old;
    mode_t mode = modeForNewFile();
    if (!keepTailOf.isEmpty()) {
        old.emplace(openFile(keepTailOf, O_RDWR));
        struct stat info {};
        if (::fstat(old->fd(), &info) != 0)
            failWithErrno();
        mode = info.st_mode & 07777;
    }

    QByteArray temporaryName = QFile::encodeName(folderOf(target) + QLatin1String(TemporaryNameTemplate));
    const int fd = ::mkstemp(temporaryName.data());
    if (fd < 0)
        failWithErrno();
    TemporaryFile temporary(temporaryName);
    FileHandle file(fd);

    writeAll(file.fd(), head.constData(), head.size());
    if (old)
        copyTail(old->fd(), head.size(), file.fd());
    if (::fchmod(file.fd(), mode) != 0 || ::fsync(file.fd()) != 0)
        failWithErrno();
    file.close();
    if (::rename(temporary.path(), QFile::encodeName(target).constData()) != 0)
        failWithErrno();
    temporary.release();
    if (old)
        old->close();
}

}  // namespace ConfigFile
