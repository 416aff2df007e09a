#include "pictures/CardFileWatcher.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Quiet this long before a change counts, well within a second of it.
constexpr int SettleMs = 150;
// A change is told this long after it at most, however busy the folders are.
constexpr int MostWaitMs = 1000;

} // namespace

CardFileWatcher::CardFileWatcher(QObject* parent) : QObject(parent)
{
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, &CardFileWatcher::settled);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &CardFileWatcher::noteChange);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &CardFileWatcher::noteChange);
}

void CardFileWatcher::noteChange()
{
    if (!settle_.isActive())
        pendingSince_.start();
    else if (pendingSince_.elapsed() >= MostWaitMs)
        return; // let the running wait end: the folder does not rest
    settle_.start();
}

void CardFileWatcher::watch(const QString& folder, const QStringList& files, const QStringList& others)
{
    const QString cleaned = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
    // Another folder, or the same one there again, may be reported when gone.
    if (cleaned != folder_ || QFileInfo(cleaned).isDir())
        goneTold_ = false;
    folder_ = cleaned;
    files_ = files;
    others_ = others;
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty())
        watcher_.removePaths(watched);
    QStringList paths;
    for (const QString& other : others)
        if (!other.isEmpty() && QFileInfo(other).isDir())
            paths << QDir::cleanPath(other);
    if (folder_.isEmpty() && paths.isEmpty())
        return;
    if (!folder_.isEmpty() && QFileInfo(folder_).isDir()) {
        paths << folder_;
        // A folder moved away tells nothing itself; the folder it left does.
        const QString parent = QFileInfo(folder_).absolutePath();
        if (parent != folder_ && QFileInfo(parent).isDir())
            paths << parent;
    }
    for (const QString& file : files)
        if (QFileInfo::exists(file))
            paths << file;
    paths.removeDuplicates();
    if (!paths.isEmpty())
        watcher_.addPaths(paths);
}

void CardFileWatcher::settled()
{
    // A file replaced by rename is a new file: watched again from here on.
    watch(folder_, files_, others_);
    if (!folder_.isEmpty() && !QFileInfo(folder_).isDir() && !goneTold_) {
        goneTold_ = true;
        emit folderGone(folder_);
        return;
    }
    emit changed();
}
