#include "cardset/ConfigFile.h"

#include "cardset/EInOutError.h"
#include "common/ReplacingFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace ConfigFile {
namespace {

constexpr qsizetype CopyChunkSize = 64 * 1024;

[[noreturn]] void failWithErrno(const QString& path)
{
    throw EInOutError::fromErrno(errno, path);
}

int openFile(const QString& path, int flags)
{
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        failWithErrno(path);
    return fd;
}

// Owns one open file; closes it on every path out, and lets the normal path
// check the close. Its failures name the file.
class FileHandle {
  public:
    FileHandle(const QString& path, int flags) : path_(path), fd_(openFile(path, flags)) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }
    const QString& path() const { return path_; }
    void close()
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            failWithErrno(path_);
    }

  private:
    QString path_;
    int fd_;
};

// Reads until `count` bytes or the end of the file; returns how many were read.
qsizetype readSome(const FileHandle& file, char* buffer, qsizetype count)
{
    qsizetype got = 0;
    while (got < count) {
        const ssize_t n = ::read(file.fd(), buffer + got, static_cast<size_t>(count - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            failWithErrno(file.path());
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

// A write the device cut short reports itself as a full disk. The error names
// the file being replaced, not the temporary one the user never sees.
void writeAll(ReplacingFile& file, const char* data, qsizetype count, const QString& target)
{
    if (!file.write(data, count))
        throw EInOutError::fromErrno(file.error(), target);
}

void copyTail(const FileHandle& from, qsizetype offset, ReplacingFile& to, const QString& target)
{
    if (::lseek(from.fd(), static_cast<off_t>(offset), SEEK_SET) < 0)
        failWithErrno(from.path());
    QByteArray chunk(CopyChunkSize, Qt::Uninitialized);
    for (;;) {
        const qsizetype got = readSome(from, chunk.data(), chunk.size());
        if (got == 0)
            return;
        writeAll(to, chunk.constData(), got, target);
    }
}

} // namespace

QByteArray readHead(const QString& path, qsizetype count)
{
    FileHandle file(path, O_RDONLY);
    QByteArray bytes(count, '\0');
    bytes.truncate(readSome(file, bytes.data(), count));
    file.close();
    return bytes;
}

void replace(const QString& target, const QByteArray& head, const QString& keepTailOf)
{
    // Opened for writing although only read: a read-only file or medium must
    // refuse the save instead of being replaced behind the user's back.
    std::optional<FileHandle> old;
    if (!keepTailOf.isEmpty())
        old.emplace(keepTailOf, O_RDWR);

    // The set's settings are small and rarely saved: they reach the device
    // before they take the old file's place.
    ReplacingFile file(target, ReplacingFile::SyncBeforeRename);
    if (!file.open())
        throw EInOutError::fromErrno(file.error(), target);
    writeAll(file, head.constData(), head.size(), target);
    if (old)
        copyTail(*old, head.size(), file, target);
    if (!file.commit())
        throw EInOutError::fromErrno(file.error(), target);
    if (old)
        old->close();
}

} // namespace ConfigFile
