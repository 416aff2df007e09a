#include "common/Leftovers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A temporary younger than this may belong to a write that has created it
// and not yet locked it.
constexpr qint64 AgeSeconds = 10;

bool isTemporaryFileName(const QString& name)
{
    static const QRegularExpression replacing(QStringLiteral("^\\..+\\.[0-9a-f]{8}\\.tmp$"));
    static const QRegularExpression wave(QStringLiteral("^w([1-9A-F][0-9A-F]?|100)\\.TMP$"));
    return replacing.match(name).hasMatch() || wave.match(name).hasMatch();
}

// Only beside the folder it was made for, so that no folder of the user's
// that merely looks like one is ever taken for it.
bool isStagingFolderName(const QDir& dir, const QString& name)
{
    static const QRegularExpression staging(QStringLiteral("^\\.(.+)-import-[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch match = staging.match(name);
    return match.hasMatch() && QFileInfo(dir.filePath(match.captured(1))).isDir();
}

// Removes `path` when it is, under the lock taken here, still the entry
// that was checked: a temporary another writer has just made under that
// name is never touched.
void removeIfAbandoned(const QString& path, bool folder)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd =
        ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0)
        return;
    struct stat held {};
    struct stat named {};
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (::fstat(fd, &held) == 0 && (folder ? S_ISDIR(held.st_mode) : S_ISREG(held.st_mode)) &&
        held.st_uid == ::geteuid() && now - held.st_mtim.tv_sec >= AgeSeconds &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(name.constData(), &named) == 0 &&
        named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
        if (folder)
            QDir(path).removeRecursively(); // removes links, never what they lead to
        else
            ::unlink(name.constData());
    }
    ::close(fd);
}

} // namespace

void Leftovers::Hold(int fd)
{
    ::flock(fd, LOCK_EX | LOCK_NB);
}

void Leftovers::Sweep(const QString& folder)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Unsorted);
    for (const QString& name : names) {
        if (isTemporaryFileName(name))
            removeIfAbandoned(dir.filePath(name), false);
        else if (isStagingFolderName(dir, name))
            removeIfAbandoned(dir.filePath(name), true);
    }
}
