#include "pictures/CardPictureModel.h"

#include "cardset/SetDocument.h"
#include "common/FileNames.h"

#include <QDir>
#include <QFutureWatcher>
#include <QtConcurrent>
#include <algorithm>

namespace {

CardPictureModel::Read readPicture(const QString& path, const FileStamp& stamp)
{
    CardPictureModel::Read read;
    read.stamp = stamp;
    read.picture.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    if (path.isEmpty())
        return read;
    try {
        read.picture.LoadBitmapFile(path);
    } catch (const Exception& e) {
        // A file that cannot be read leaves the blank card.
        read.picture.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        read.error = EFileError::On(e, path);
        read.reason = e.Message();
    }
    return read;
}

FileStamp stampOf(const QString& path)
{
    return path.isEmpty() ? FileStamp() : FileStamp::of(path);
}

} // namespace

CardPictureModel::CardPictureModel(const TSetDocument& document, QObject* parent)
    : QObject(parent), document_(document)
{
    connect(&watcher_, &CardFileWatcher::changed, this, [this] {
        watch();
        emit picturesChanged();
    });
    connect(&watcher_, &CardFileWatcher::folderGone, this, &CardPictureModel::folderGone);
}

// Reads still running finish on the pool; their results are dropped.
CardPictureModel::~CardPictureModel()
{
    for (Pending& pending : pending_)
        pending.future.waitForFinished();
}

QString CardPictureModel::fileOf(int slot) const
{
    const QString recorded = document_.Conjunto().Elementos[size_t(std::clamp(slot, 0, NumSlots - 1))].Imagem;
    const auto existing = recorded.isEmpty() ? std::nullopt : FileNames::findExisting(recorded);
    return existing && FileNames::fileExists(*existing) ? *existing : QString();
}

const CardPictureModel::Read* CardPictureModel::Find(const QString& path, const FileStamp& stamp) const
{
    const auto it = pictures_.constFind(path);
    return it != pictures_.constEnd() && it->stamp == stamp ? &*it : nullptr;
}

const CardPictureModel::Read& CardPictureModel::current(int slot)
{
    const QString path = fileOf(slot);
    const FileStamp stamp = stampOf(path);
    // A read of the file as it is now already running is waited for, not
    // made again.
    if (const auto it = pending_.constFind(path); it != pending_.constEnd() && it->stamp == stamp)
        finish(path);
    if (const Read* read = Find(path, stamp))
        return *read;
    if (!path.isEmpty())
        ++reads_;
    return pictures_[path] = readPicture(path, stamp);
}

bool CardPictureModel::IsReady(int slot) const
{
    const QString path = fileOf(slot);
    return Find(path, stampOf(path)) != nullptr;
}

void CardPictureModel::Request(const QString& path)
{
    if (path.isEmpty())
        return;
    const FileStamp stamp = stampOf(path);
    if (Find(path, stamp))
        return;
    if (const auto it = pending_.constFind(path); it != pending_.constEnd() && it->stamp == stamp)
        return;
    // An older read of a file changed since is dropped when it ends.
    ++reads_;
    const quint64 ticket = ++tickets_;
    Pending& pending = pending_[path];
    pending =
        Pending{stamp, QtConcurrent::run([path, stamp] { return readPicture(path, stamp); }), {}, ticket};
    auto* watcher = new QFutureWatcher<Read>(this);
    connect(watcher, &QFutureWatcher<Read>::finished, this, [this, watcher, path, ticket] {
        watcher->deleteLater();
        const auto it = pending_.constFind(path);
        if (it != pending_.constEnd() && it->ticket == ticket)
            finish(path);
    });
    watcher->setFuture(pending.future);
}

// Keeps the read only for the file as it still is.
void CardPictureModel::finish(const QString& path)
{
    const Pending pending = pending_.take(path);
    const Read read = pending.future.result();
    if (stampOf(path) != pending.stamp)
        return;
    pictures_[path] = read;
    emit fileRead(path);
    for (const int slot : pending.readAhead)
        if (fileOf(slot) == path)
            emit prefetched(slot);
    // Read for the overview alone, which keeps its thumbnail: the pictures of
    // a whole set of large cards are not held.
    if (pending.readAhead.empty() && !framesShow(path))
        pictures_.remove(path);
}

bool CardPictureModel::framesShow(const QString& path) const
{
    return std::any_of(followed_.begin(), followed_.end(), [&](int slot) { return fileOf(slot) == path; });
}

void CardPictureModel::WaitForReads()
{
    while (!pending_.isEmpty())
        finish(pending_.constBegin().key());
}

void CardPictureModel::Prefetch(const std::vector<int>& cards)
{
    for (const int slot : cards) {
        if (slot < 0 || slot >= NumSlots || IsReady(slot))
            continue;
        const QString path = fileOf(slot);
        Request(path);
        if (pending_.contains(path))
            pending_[path].readAhead.push_back(slot);
    }
}

const TBitmap& CardPictureModel::Picture(int slot)
{
    return current(slot).picture;
}

const std::optional<EFileError>& CardPictureModel::Error(int slot)
{
    return current(slot).error;
}

void CardPictureModel::Follow(const std::vector<int>& shown)
{
    followed_ = shown;
    watch();
}

void CardPictureModel::FollowAlso(const QString& folder, const QStringList& files)
{
    alsoFolder_ = folder;
    alsoFiles_ = files;
    watch();
}

void CardPictureModel::watch()
{
    const QString folder = document_.SetFolder();
    // The pictures of another set are not needed again.
    if (folder != folder_) {
        folder_ = folder;
        pictures_.clear();
    }
    QStringList files = alsoFiles_;
    for (const int slot : followed_)
        if (slot >= 0 && slot < NumSlots && document_.HasSet())
            files << document_.Conjunto().Elementos[size_t(slot)].Imagem << document_.CaminhoImagem(slot);
    files.removeAll(QString());
    watcher_.watch(folder, files, {alsoFolder_});
}
