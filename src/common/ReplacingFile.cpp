#include "common/ReplacingFile.h"

#include "common/FileNames.h"
#include "common/Leftovers.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int NameAttempts = 64;
constexpr mode_t PermissionBits = 07777;

QString temporaryNameFor(const QFileInfo& target)
{
    return QStringLiteral(".%1.%2.tmp")
        .arg(target.fileName())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

} // namespace

ReplacingFile::ReplacingFile(const QString& target, Options options)
    : target_(FileNames::replacementTarget(target)), options_(options)
{
}

ReplacingFile::~ReplacingFile()
{
    discard();
}

bool ReplacingFile::fail(int errorNumber)
{
    error_ = errorNumber;
    discard();
    return false;
}

void ReplacingFile::setTemporaryNames(const QStringList& names)
{
    names_ = names;
}

bool ReplacingFile::open()
{
    const QFileInfo info(target_);
    // A folder is never replaced by a file, nor a file the user protected.
    if (const int blocker = FileNames::replaceBlocker(target_))
        return fail(blocker);
    Leftovers::Sweep(info.path());
    const qsizetype attempts = names_.isEmpty() ? NameAttempts : names_.size();
    for (qsizetype attempt = 0; attempt < attempts; ++attempt) {
        const QString name = names_.isEmpty() ? temporaryNameFor(info) : names_.at(attempt);
        temporary_ = info.path() + QLatin1Char('/') + name;
        fd_ = ::open(QFile::encodeName(temporary_).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            Leftovers::Hold(fd_);
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    const int openError = errno;
    temporary_.clear();
    return fail(openError);
}

bool ReplacingFile::write(const char* data, qint64 length)
{
    if (fd_ < 0)
        return fail(error_ ? error_ : EBADF); // the first failure is the one to report
    while (length > 0) {
        const ssize_t written = ::write(fd_, data, size_t(length));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return fail(errno);
        if (written == 0)
            return fail(ENOSPC); // the device took nothing and said nothing: it is full
        data += written;
        length -= written;
    }
    return true;
}

bool ReplacingFile::commit()
{
    if (fd_ < 0)
        return fail(error_ ? error_ : EBADF); // the first failure is the one to report
    struct stat existing {};
    if (::stat(QFile::encodeName(target_).constData(), &existing) == 0)
        ::fchmod(fd_, existing.st_mode & PermissionBits); // best effort, as when the file is new
    if (options_.testFlag(SyncBeforeRename) && ::fsync(fd_) != 0)
        return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (std::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0)
        return fail(errno);
    temporary_.clear();
    return true;
}

void ReplacingFile::discard()
{
    // Keeps errno for the caller's error report.
    const int savedErrno = errno;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty())
        ::unlink(QFile::encodeName(temporary_).constData());
    temporary_.clear();
    errno = savedErrno;
}
