#include "cardset/CardUndoStore.h"

#include "cardset/CardUndoFiles.h"
#include "cardset/CardUndoLog.h"
#include "common/Exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

const QString LockName = QStringLiteral("run.lock");

std::unique_ptr<QLockFile> takeLock(const QString& folder)
{
    // The lock reads a lock file it finds: a pipe in its place would never
    // answer.
    const QString path = folder + QLatin1Char('/') + LockName;
    const QFileInfo found(path);
    if (found.isSymLink() || (found.exists() && !found.isFile())) {
        CardUndoFiles::ReportStrangeEntry(path);
        return nullptr;
    }
    auto lock = std::make_unique<QLockFile>(path);
    // Only a lock whose process is gone counts as stale, however old.
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

qint64 bytesIn(const QString& folder)
{
    qint64 total = 0;
    for (const QFileInfo& entry : CardUndoFiles::Files(folder))
        total += entry.size();
    return total;
}

// Links and special files stay where they are, and the folder with them.
void removeAllBut(const QString& folder, const QString& kept)
{
    for (const QString& name : CardUndoFiles::SubFolders(folder))
        QDir(folder + QLatin1Char('/') + name).removeRecursively();
    for (const QFileInfo& entry : CardUndoFiles::Files(folder))
        if (entry.fileName() != kept)
            QFile::remove(entry.filePath());
}

} // namespace

CardUndoStore::CardUndoStore(const QString& setCacheFolder, const CardUndoRun& run)
    : folder_(setCacheFolder + QLatin1Char('/') + run.Name())
{
    // Another editor may remove the set's folder in the moment it is left
    // empty: the folder is made again then.
    // Neither the set's folder nor the run's may be a link leading elsewhere:
    // nothing is made through one.
    const auto linked = [](const QString& path) {
        const bool link = QFileInfo(path).isSymLink();
        if (link)
            CardUndoFiles::ReportStrangeEntry(path);
        return link;
    };
    for (int attempt = 0; attempt < 2 && !lock_ && !linked(setCacheFolder) && !linked(folder_); ++attempt)
        if (QDir().mkpath(folder_) && CardUndoFiles::IsPlainFolder(folder_))
            lock_ = takeLock(folder_);
    if (!lock_)
        throw Exception(QStringLiteral("Cannot create folder %1.").arg(QDir::toNativeSeparators(folder_)));
    // A folder of this very run, left by an earlier history of the set in
    // this process: its copies are named again as its index is taken over.
    TakeOver(folder_);
}

CardUndoStore::~CardUndoStore() = default;

QString CardUndoStore::PathOf(const QString& name) const
{
    return folder_ + QLatin1Char('/') + name;
}

QString CardUndoStore::Keep(const QString& source, TSetDocument::CardPart part, CardFileState& state)
{
    const QString incoming = PathOf(QStringLiteral("incoming") + CardUndoLog::KeptExtension(part));
    // The card file may be a link the user made; what the cache holds may not.
    state = CardUndoFiles::Copy(source, RegularFile::Links::Follow, incoming);
    const QString name = CardUndoLog::KeptName(state, part);
    const auto found = kept_.find(name);
    if (found != kept_.end()) {
        QFile::remove(incoming);
    } else {
        // A file of that name that no step names is not trusted to hold it.
        QFile::remove(PathOf(name));
        if (!QFile::rename(incoming, PathOf(name))) {
            QFile::remove(incoming);
            throw Exception(QStringLiteral("Cannot create file %1.").arg(PathOf(name)));
        }
        kept_[name].size = state.size;
    }
    AddRef(name, state.size);
    return name;
}

bool CardUndoStore::AddRef(const QString& name, qint64 size)
{
    auto found = kept_.find(name);
    if (found == kept_.end()) {
        if (!QFileInfo(PathOf(name)).isFile())
            return false;
        found = kept_.emplace(name, Kept{size, 0}).first;
    }
    if (found->second.refs++ == 0)
        bytes_ += found->second.size;
    return true;
}

void CardUndoStore::Release(const QString& name)
{
    const auto found = kept_.find(name);
    if (name.isEmpty() || found == kept_.end() || found->second.refs == 0)
        return;
    if (--found->second.refs > 0)
        return;
    bytes_ -= found->second.size;
    QFile::remove(PathOf(name));
    kept_.erase(found);
}

void CardUndoStore::TakeOver(const QString& endedFolder)
{
    for (const QFileInfo& entry : CardUndoFiles::Files(endedFolder)) {
        const QString name = entry.fileName();
        if (!CardUndoLog::IsKeptName(name) || kept_.count(name))
            continue;
        if (entry.absolutePath() != QFileInfo(folder_).absoluteFilePath()) {
            QFile::remove(PathOf(name));
            if (!QFile::rename(entry.filePath(), PathOf(name)))
                continue;
        }
        kept_.emplace(name, Kept{entry.size(), 0});
    }
}

void CardUndoStore::DropUnnamed()
{
    for (auto kept = kept_.begin(); kept != kept_.end();) {
        if (kept->second.refs == 0) {
            QFile::remove(PathOf(kept->first));
            kept = kept_.erase(kept);
        } else {
            ++kept;
        }
    }
}

void CardUndoStore::Discard()
{
    removeAllBut(folder_, LockName);
    lock_->unlock();
    QDir().rmdir(folder_);
    QDir().rmdir(QFileInfo(folder_).absolutePath());
    kept_.clear();
    bytes_ = 0;
}

// ---- ended runs ----------------------------------------------------------------

std::vector<CardUndoRuns::Ended> CardUndoRuns::Find(const QString& root, const QString& setCacheFolder)
{
    QStringList sets;
    if (!setCacheFolder.isEmpty()) {
        if (CardUndoFiles::IsPlainFolder(setCacheFolder))
            sets << setCacheFolder;
    } else {
        for (const QString& name : CardUndoFiles::SubFolders(root))
            sets << root + QLatin1Char('/') + name;
    }
    std::vector<Ended> ended;
    for (const QString& set : sets)
        for (const QString& name : CardUndoFiles::SubFolders(set)) {
            const std::optional<CardUndoRun> run = CardUndoRun::FromName(name);
            const QString folder = set + QLatin1Char('/') + name;
            if (run && run->OwnerGone() && takeLock(folder))
                ended.push_back({folder, *run, bytesIn(folder)});
        }
    return ended;
}

std::unique_ptr<QLockFile> CardUndoRuns::LockEnded(const QString& folder)
{
    const std::optional<CardUndoRun> run = CardUndoRun::FromName(QFileInfo(folder).fileName());
    if (!run || !run->OwnerGone() || !CardUndoFiles::IsPlainFolder(folder))
        return nullptr;
    return takeLock(folder);
}

bool CardUndoRuns::Remove(const QString& folder, std::unique_ptr<QLockFile> lock)
{
    if (!lock)
        lock = LockEnded(folder);
    if (!lock)
        return false;
    removeAllBut(folder, LockName);
    lock->unlock();
    QDir().rmdir(folder);
    QDir().rmdir(QFileInfo(folder).absolutePath());
    return true;
}

void CardUndoRuns::RemoveOldLayout(const QString& root)
{
    for (const QString& name : CardUndoFiles::SubFolders(root)) {
        const QString set = root + QLatin1Char('/') + name;
        if (CardUndoFiles::Files(set).isEmpty())
            continue;
        if (const std::unique_ptr<QLockFile> lock = takeLock(set)) {
            for (const QFileInfo& entry : CardUndoFiles::Files(set))
                if (entry.fileName() != LockName)
                    QFile::remove(entry.filePath());
        }
    }
}
