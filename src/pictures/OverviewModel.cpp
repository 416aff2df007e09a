#include "pictures/OverviewModel.h"

#include "audio/TMMWave.h"
#include "cardset/CardNames.h"
#include "common/FileNames.h"
#include "images/BoxFilter.h"
#include "pictures/CardPictureModel.h"

#include <QStringList>

namespace {

// A program writing a card file touches it many times in a row: look once
// things have been quiet for a moment.
constexpr int SettleMs = 150;

// The wave reader's error for the sound at `path`, or empty when it reads.
// Only the header is read, so a whole set is looked at in a moment.
QString soundErrorOf(const QString& path)
{
    try {
        TMMWave wave;
        wave.LoadWaveFile(path);
    } catch (const Exception& e) {
        return e.Message();
    }
    return QString();
}

// The thumbnail of a card picture already read, averaged down as the
// thumbnail maker does while it reads.
Thumbnail thumbnailOf(const CardPictureModel::Read& read, QSize box)
{
    Thumbnail thumbnail;
    thumbnail.stamp = read.stamp;
    if (read.error) {
        thumbnail.error = read.reason;
        return thumbnail;
    }
    const QImage image = read.picture.ToImage().convertToFormat(QImage::Format_RGB32);
    const QSize size = ThumbnailSize(image.size(), box);
    if (size.isEmpty())
        return thumbnail;
    BoxFilter filter(image.size(), size);
    for (int y = 0; y < image.height(); ++y)
        filter.addPixels(y, 0, reinterpret_cast<const QRgb*>(image.constScanLine(y)), image.width());
    thumbnail.image = filter.result();
    return thumbnail;
}

} // namespace

OverviewModel::OverviewModel(CardPictureModel* pictures, QObject* parent)
    : QObject(parent), pictures_(pictures)
{
    if (pictures_) {
        connect(pictures_, &CardPictureModel::picturesChanged, this, &OverviewModel::reload);
        connect(pictures_, &CardPictureModel::folderGone, this, &OverviewModel::reload);
        connect(pictures_, &CardPictureModel::fileRead, this, &OverviewModel::pictureRead);
        return;
    }
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, &OverviewModel::reload);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&maker_, &ThumbnailMaker::ready, this, &OverviewModel::thumbnailReady);
}

void OverviewModel::setSet(const SetView& set)
{
    set_ = set;
    maker_.cancelPending();
    cells_.fill(OverviewCell());
    reload();
}

void OverviewModel::setThumbnailBox(QSize box)
{
    if (box == box_ || box.isEmpty())
        return;
    box_ = box;
    maker_.cancelPending();
    for (int slot = 0; slot < NumSlots; ++slot) {
        const auto picture = cells_[size_t(slot)].picture;
        if (picture == OverviewCell::Picture::Shown || picture == OverviewCell::Picture::Pending)
            requestThumbnail(slot);
    }
}

void OverviewModel::reload()
{
    const FileNames::FolderIndex index(set_.folder);
    readNames();
    for (int slot = 0; slot < NumSlots; ++slot)
        updateSlot(slot, index);
    watchFiles();
    emit headerChanged();
}

void OverviewModel::cardChanged(int slot)
{
    if (slot < 0 || slot >= NumSlots)
        return;
    const FileNames::FolderIndex index(set_.folder);
    readNames();
    updateSlot(slot, index);
    if (const auto partner = SlotSharingFiles(slot, set_.duplo))
        updateSlot(*partner, index);
    watchFiles();
    emit headerChanged();
}

void OverviewModel::updateSlot(int slot, const FileNames::FolderIndex& index)
{
    OverviewCell& cell = cells_[size_t(slot)];
    if (!set_.isOpen()) {
        cell = OverviewCell();
        emit cellChanged(slot);
        return;
    }
    const auto picture = index.findFile(set_.pictureName(slot));
    const auto sound = index.findFile(set_.soundName(slot));
    const QString path = picture.value_or(set_.picturePath(slot));
    const FileStamp stamp = picture ? FileStamp::of(path) : FileStamp();
    const QString soundPath = sound.value_or(QString());
    const FileStamp soundStamp = sound ? FileStamp::of(soundPath) : FileStamp();
    const bool soundChanged =
        cell.sound != sound.has_value() || soundPath != cell.soundPath || soundStamp != cell.soundStamp;
    cell.sound = sound.has_value();
    cell.soundPath = soundPath;
    if (soundChanged) {
        cell.soundStamp = soundStamp;
        cell.soundError = sound ? soundErrorOf(soundPath) : QString();
    }
    const bool pictureChanged = path != cell.picturePath || stamp != cell.stamp;
    if (pictureChanged || cell.picture == OverviewCell::Picture::None) {
        cell.picturePath = path;
        cell.stamp = stamp;
        cell.error.clear();
        if (stamp.exists) {
            requestThumbnail(slot);
        } else {
            cell.picture = OverviewCell::Picture::Missing;
            cell.thumbnail = QImage();
        }
    }
    const bool nameChanged = cell.name != names_[size_t(slot)];
    cell.name = names_[size_t(slot)];
    if (pictureChanged || soundChanged || nameChanged)
        emit cellChanged(slot);
}

void OverviewModel::readNames()
{
    names_ = set_.isOpen() ? CardNames::ShownNames(set_.folder, set_.duplo) : std::array<QString, NumSlots>();
}

void OverviewModel::requestThumbnail(int slot)
{
    OverviewCell& cell = cells_[size_t(slot)];
    if (pictures_) {
        if (const auto* read = pictures_->Find(cell.picturePath, cell.stamp)) {
            applyThumbnail(slot, thumbnailOf(*read, box_));
            return;
        }
        cell.picture = OverviewCell::Picture::Pending;
        pictures_->Request(cell.picturePath);
        return;
    }
    if (const auto ready = maker_.request(cell.picturePath, box_))
        applyThumbnail(slot, *ready);
    else
        cell.picture = OverviewCell::Picture::Pending;
}

void OverviewModel::applyThumbnail(int slot, const Thumbnail& thumbnail)
{
    OverviewCell& cell = cells_[size_t(slot)];
    cell.stamp = thumbnail.stamp;
    cell.error = thumbnail.error;
    cell.thumbnail = thumbnail.image;
    cell.picture = thumbnail.damaged() ? OverviewCell::Picture::Damaged : OverviewCell::Picture::Shown;
    emit cellChanged(slot);
}

// A thumbnail of a file that has changed since it was asked for is dropped:
// the change has asked for another.
void OverviewModel::thumbnailReady(const QString& path, QSize box, const Thumbnail& thumbnail)
{
    if (box != box_)
        return;
    for (int slot = 0; slot < NumSlots; ++slot) {
        const OverviewCell& cell = cells_[size_t(slot)];
        if (cell.picture == OverviewCell::Picture::Pending && cell.picturePath == path &&
            cell.stamp == thumbnail.stamp)
            applyThumbnail(slot, thumbnail);
    }
}

// A picture read for the frames or for this overview fills the cells
// waiting for it.
void OverviewModel::pictureRead(const QString& path)
{
    for (int slot = 0; slot < NumSlots; ++slot) {
        const OverviewCell& cell = cells_[size_t(slot)];
        if (cell.picture != OverviewCell::Picture::Pending || cell.picturePath != path)
            continue;
        if (const auto* read = pictures_->Find(path, cell.stamp))
            applyThumbnail(slot, thumbnailOf(*read, box_));
    }
}

bool OverviewModel::busy() const
{
    return pictures_ ? pictures_->Busy() : maker_.busy();
}

void OverviewModel::waitForThumbnails()
{
    if (pictures_)
        pictures_->WaitForReads();
    else
        maker_.waitForAll();
}

// The folder tells of files added, removed and renamed over; the files
// themselves tell of being written in place.
void OverviewModel::watchFiles()
{
    if (pictures_) {
        pictures_->FollowAlso(set_.folder, watchedFiles());
        return;
    }
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty())
        watcher_.removePaths(watched);
    if (set_.isOpen())
        watcher_.addPaths(QStringList{set_.folder} + watchedFiles());
}

QStringList OverviewModel::watchedFiles() const
{
    QStringList paths;
    if (!set_.isOpen())
        return paths;
    for (const OverviewCell& cell : cells_) {
        if (cell.stamp.exists)
            paths << cell.picturePath;
        if (cell.sound)
            paths << cell.soundPath;
    }
    paths.removeDuplicates();
    return paths;
}

const OverviewCell& OverviewModel::cell(int slot) const
{
    static const OverviewCell none;
    return slot >= 0 && slot < NumSlots ? cells_[size_t(slot)] : none;
}

int OverviewModel::picturesPresent() const
{
    int count = 0;
    for (int slot = 0; slot < NumSlots; ++slot)
        if (set_.firstSlotOfFile(slot) && cells_[size_t(slot)].stamp.exists)
            ++count;
    return count;
}

int OverviewModel::soundsPresent() const
{
    int count = 0;
    for (int slot = 0; slot < NumSlots; ++slot)
        if (set_.firstSlotOfFile(slot) && cells_[size_t(slot)].sound && !cells_[size_t(slot)].soundDamaged())
            ++count;
    return count;
}

QString OverviewModel::headerText() const
{
    if (!set_.isOpen())
        return tr("No set is open");
    const QString author = set_.author.isEmpty() ? tr("no author") : set_.author;
    const QString kind = set_.duplo ? tr("double set") : tr("paired set");
    return tr("%1 \u2014 %2 \u2014 %3 \u2014 %4 of %5 pictures, %6 of %5 sounds")
        .arg(set_.name(), author, kind)
        .arg(picturesPresent())
        .arg(set_.filesCalledFor())
        .arg(soundsPresent());
}
