#include "app/CardPictureModel.h"

#include "cardset/SetDocument.h"
#include "common/FileNames.h"

#include <QFutureWatcher>
#include <QtConcurrent>

CardPictureModel::CardPictureModel(const TSetDocument& document, QObject* parent)
    : QObject(parent), document_(document)
{
    connect(&watcher_, &CardFileWatcher::changed, this, [this] {
        Follow(followed_);
        emit picturesChanged();
    });
    connect(&watcher_, &CardFileWatcher::folderGone, this, &CardPictureModel::folderGone);
}

QString CardPictureModel::fileOf(int slot) const
{
    const QString recorded = document_.Conjunto.Elementos[size_t(std::clamp(slot, 0, NumSlots - 1))].Imagem;
    const auto existing = recorded.isEmpty() ? std::nullopt : FileNames::findExisting(recorded);
    return existing && FileNames::fileExists(*existing) ? *existing : QString();
}

namespace {

// One picture read: the card, or the blank card and why.
struct ReadPicture {
    TBitmap picture;
    std::optional<EFileError> error;
};

ReadPicture readPicture(const QString& path)
{
    ReadPicture read;
    read.picture.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    if (path.isEmpty())
        return read;
    try {
        read.picture.LoadBitmapFile(path);
    } catch (const Exception& e) {
        // A file that cannot be read leaves the blank card.
        read.picture.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        read.error = EFileError::On(e, path);
    }
    return read;
}

} // namespace

void CardPictureModel::load(Entry& entry, const QString& path, const FileStamp& stamp)
{
    ReadPicture read = readPicture(path);
    entry.loaded = true;
    entry.path = path;
    entry.stamp = stamp;
    entry.picture = read.picture;
    entry.error = read.error;
}

CardPictureModel::Entry& CardPictureModel::current(int slot)
{
    Entry& entry = entries_[size_t(std::clamp(slot, 0, NumSlots - 1))];
    const QString path = fileOf(slot);
    const FileStamp stamp = path.isEmpty() ? FileStamp() : FileStamp::of(path);
    if (!entry.loaded || entry.path != path || entry.stamp != stamp)
        load(entry, path, stamp);
    return entry;
}

bool CardPictureModel::IsReady(int slot) const
{
    const Entry& entry = entries_[size_t(std::clamp(slot, 0, NumSlots - 1))];
    const QString path = fileOf(slot);
    return entry.loaded && entry.path == path &&
           entry.stamp == (path.isEmpty() ? FileStamp() : FileStamp::of(path));
}

void CardPictureModel::Prefetch(const std::vector<int>& cards)
{
    for (const int slot : cards) {
        if (slot < 0 || slot >= NumSlots || IsReady(slot))
            continue;
        const QString path = fileOf(slot);
        if (path.isEmpty() || pending_.contains(path))
            continue;
        const FileStamp stamp = FileStamp::of(path);
        pending_ << path;
        auto* watcher = new QFutureWatcher<ReadPicture>(this);
        connect(watcher, &QFutureWatcher<ReadPicture>::finished, this, [this, watcher, slot, path, stamp] {
            watcher->deleteLater();
            pending_.removeAll(path);
            // Kept only for the file as it still is, for a slot still naming it.
            Entry& entry = entries_[size_t(slot)];
            if (fileOf(slot) != path || FileStamp::of(path) != stamp || IsReady(slot))
                return;
            const ReadPicture read = watcher->result();
            entry.loaded = true;
            entry.path = path;
            entry.stamp = stamp;
            entry.picture = read.picture;
            entry.error = read.error;
            emit prefetched(slot);
        });
        watcher->setFuture(QtConcurrent::run([path] { return readPicture(path); }));
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
    QStringList files;
    for (const int slot : shown)
        if (slot >= 0 && slot < NumSlots && document_.HasSet())
            files << document_.Conjunto.Elementos[size_t(slot)].Imagem << document_.CaminhoImagem(slot);
    files.removeAll(QString());
    watcher_.watch(document_.HasSet() ? document_.PastaConjunto : QString(), files);
}
