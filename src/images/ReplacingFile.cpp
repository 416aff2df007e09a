#include "images/ReplacingFile.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int NameAttempts = 64;

QString resolvedTarget(const QString& target)
{
    // Replace the file a symbolic link points to, not the link.
    const QFileInfo info(target);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : target;
}

} // namespace

ReplacingFile::ReplacingFile(const QString& target) : target_(resolvedTarget(target)) {}

ReplacingFile::~ReplacingFile()
{
    discard();
}

bool ReplacingFile::open()
{
    const QFileInfo info(target_);
    if (info.isDir())
        return false; // a folder is never replaced by a file
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        const QString name = QStringLiteral(".%1.%2.tmp")
                                 .arg(info.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        temporary_ = info.path() + QLatin1Char('/') + name;
        fd_ =
            ::open(QFile::encodeName(temporary_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    temporary_.clear();
    return false;
}

bool ReplacingFile::write(const char* data, qint64 length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd_, data, size_t(length));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        length -= written;
    }
    return true;
}

bool ReplacingFile::commit()
{
    struct stat existing {};
    if (::stat(QFile::encodeName(target_).constData(), &existing) == 0)
        ::fchmod(fd_, existing.st_mode & 07777); // best effort, as when the file is new
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!closed ||
        std::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0)
        return false;
    temporary_.clear();
    return true;
}

void ReplacingFile::discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty())
        ::unlink(QFile::encodeName(temporary_).constData());
    temporary_.clear();
}
