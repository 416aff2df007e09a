#include "common/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace FileNames {
namespace {

struct Split {
    QString folder; // with its trailing separator, or empty for the current folder
    QString name;
};

Split splitPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QString(), path};
    return {path.left(slash + 1), path.mid(slash + 1)};
}

std::optional<QString> findInFolder(const QString& path, bool wantFile, bool wantFolder)
{
    const QFileInfo exact(path);
    if (exact.exists()) {
        if ((wantFile && exact.isFile()) || (wantFolder && exact.isDir()))
            return path;
    }
    const Split parts = splitPath(path);
    if (parts.name.isEmpty())
        return std::nullopt;
    const QDir dir(parts.folder.isEmpty() ? QStringLiteral(".") : parts.folder);
    // Pipes, devices and links to nothing are left out: none of them can be
    // read as a card's file, and opening a pipe would wait for a writer.
    QDir::Filters filters = QDir::Hidden | QDir::NoDotAndDotDot;
    if (wantFile)
        filters |= QDir::Files;
    if (wantFolder)
        filters |= QDir::Dirs;
    const QStringList entries = dir.entryList(filters);
    for (const QString& entry : entries) {
        if (entry.compare(parts.name, Qt::CaseInsensitive) == 0)
            return parts.folder + entry;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> findExisting(const QString& path)
{
    return findInFolder(path, true, true);
}

bool fileExists(const QString& path)
{
    return findInFolder(path, true, false).has_value();
}

bool folderExists(const QString& path)
{
    return findInFolder(path, false, true).has_value();
}

QString targetForWrite(const QString& path)
{
    return findInFolder(path, true, false).value_or(path);
}

QString replacementTarget(const QString& path)
{
    const QString target = targetForWrite(path);
    const QFileInfo info(target);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : target;
}

int replaceBlocker(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return EISDIR;
    if (!info.exists())
        return 0;
    // Opened without truncating and closed at once: only the permission to
    // write is asked, for the effective user.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

FolderIndex::FolderIndex(const QString& folder) : folder_(folder)
{
    if (!folder_.isEmpty() && !folder_.endsWith(QLatin1Char('/')))
        folder_ += QLatin1Char('/');
    const QDir dir(folder_.isEmpty() ? QStringLiteral(".") : folder_);
    if (!dir.exists())
        return;
    listed_ = true;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        files_.insert(entry.toLower(), entry);
}

std::optional<QString> FolderIndex::findFile(const QString& name) const
{
    const auto it = files_.constFind(name.toLower());
    if (it == files_.constEnd())
        return std::nullopt;
    return folder_ + it.value();
}

} // namespace FileNames
