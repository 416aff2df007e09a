#include "pictures/SetCards.h"

#include "common/Exception.h"
#include "common/FileNames.h"
#include "images/BitmapErrors.h"
#include "images/Thumbnail.h"
#include "pictures/SetView.h"

#include <QCoreApplication>
#include <QHash>
#include <QtConcurrent/QtConcurrentMap>
#include <new>

namespace {

PictureCheck checkPicture(const FileNames::FolderIndex& index, const QString& name)
{
    const std::optional<QString> path = index.findFile(name);
    if (!path)
        return {QString(), QCoreApplication::translate("SetCards", "%1 is missing").arg(name)};
    try {
        if (BmpFileSize(*path).isEmpty())
            throw EInvalidGraphic();
    } catch (const Exception& e) {
        return {*path, QStringLiteral("%1: %2").arg(name, e.Message())};
    }
    return {*path, QString()};
}

} // namespace

SetCards SetCards::read(const SetView& set)
{
    SetCards cards;
    if (!set.isOpen())
        return cards;
    const FileNames::FolderIndex index(set.folder);
    QHash<QString, PictureCheck> checked;
    for (int slot = 0; slot < NumSlots; ++slot) {
        const QString name = set.pictureName(slot);
        if (!checked.contains(name))
            checked.insert(name, checkPicture(index, name));
        cards.pictures[std::size_t(slot)] = checked.value(name);
        cards.sounds[std::size_t(slot)] = index.findFile(set.soundName(slot)).value_or(QString());
    }
    for (int pair = 1; pair <= PairsInSet; ++pair) {
        const auto [first, second] = SlotsOfPair(pair);
        const bool playable =
            cards.pictures[std::size_t(first)].usable() && cards.pictures[std::size_t(second)].usable();
        (playable ? cards.playable : cards.leftOut).push_back(pair);
    }
    return cards;
}

QImage DecodeCardPicture(const QString& path, QSize box)
{
    return BmpFileThumbnail(path, box);
}

std::array<QImage, NumSlots> DecodeFaces(const SetCards& cards, QSize box)
{
    QStringList files;
    const auto wanted = [&](int slot) {
        const PictureCheck& check = cards.pictures[std::size_t(slot)];
        if (check.usable() && !files.contains(check.path))
            files << check.path;
    };
    wanted(0);
    for (const int pair : cards.playable)
        for (const int slot : SlotsOfPair(pair))
            wanted(slot);
    const QList<QImage> images = QtConcurrent::blockingMapped(files, [box](const QString& path) {
        try {
            return DecodeCardPicture(path, box);
        } catch (const Exception&) {
            return QImage();
        } catch (const std::bad_alloc&) {
            return QImage();
        }
    });
    std::array<QImage, NumSlots> faces;
    for (int slot = 0; slot < NumSlots; ++slot) {
        const PictureCheck& check = cards.pictures[std::size_t(slot)];
        const qsizetype file = check.usable() ? files.indexOf(check.path) : -1;
        if (file >= 0)
            faces[std::size_t(slot)] = images[file];
    }
    return faces;
}
