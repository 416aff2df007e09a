#include "app/CardPictureModel.h"

#include "cardset/SetDocument.h"
#include "common/FileNames.h"

CardPictureModel::CardPictureModel(const TSetDocument& document, QObject* parent)
    : QObject(parent), document_(document)
{
    connect(&watcher_, &CardFileWatcher::changed, this, [this] {
        Follow(followed_);
        emit picturesChanged();
    });
    connect(&watcher_, &CardFileWatcher::folderGone, this, &CardPictureModel::folderGone);
}

CardPictureModel::Entry& CardPictureModel::current(int slot)
{
    Entry& entry = entries_[size_t(std::clamp(slot, 0, NumSlots - 1))];
    const QString recorded = document_.Conjunto.Elementos[size_t(std::clamp(slot, 0, NumSlots - 1))].Imagem;
    const auto existing = recorded.isEmpty() ? std::nullopt : FileNames::findExisting(recorded);
    const QString path = existing && FileNames::fileExists(*existing) ? *existing : QString();
    const FileStamp stamp = path.isEmpty() ? FileStamp() : FileStamp::of(path);
    if (entry.loaded && entry.path == path && entry.stamp == stamp)
        return entry;
    entry.loaded = true;
    entry.path = path;
    entry.stamp = stamp;
    entry.error.reset();
    entry.picture.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    if (!path.isEmpty()) {
        try {
            entry.picture.LoadBitmapFile(path);
        } catch (const Exception& e) {
            // A file that cannot be read leaves the blank card.
            entry.picture.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
            entry.error = EFileError::On(e, path);
        }
    }
    return entry;
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
