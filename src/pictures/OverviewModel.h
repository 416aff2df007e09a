#pragma once

#include "cardset/CardTable.h"
#include "images/ThumbnailMaker.h"
#include "pictures/OverviewCell.h"
#include "pictures/SetView.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <array>

class CardPictureModel;

namespace FileNames {
class FolderIndex;
}

// The 41 cells of the overview: which picture and sound files exist, and the
// thumbnails, made off the window thread. It follows the folder: a change on
// disk (seen by a file watcher) or a card reported changed makes it look
// again, and only pictures whose file changed are read again.
//
// Given the editor's card pictures, it shows their pictures and follows the
// disk through their watcher, so a card file changed is read once for the
// card frames and the overview; alone (the tool, the game window) it
// makes its thumbnails and watches the folder itself.
class OverviewModel : public QObject {
    Q_OBJECT

  public:
    explicit OverviewModel(CardPictureModel* pictures = nullptr, QObject* parent = nullptr);

    // Shows `set`; every cell is looked up again.
    void setSet(const SetView& set);
    const SetView& set() const { return set_; }
    // The box thumbnails are made for; cells keep their old thumbnail until
    // the new one is ready.
    void setThumbnailBox(QSize box);
    QSize thumbnailBox() const { return box_; }

    // Looks at the folder again; remakes the thumbnails of changed files only.
    void reload();
    // Looks at one slot's files again (and at the slot sharing them).
    void cardChanged(int slot);

    const OverviewCell& cell(int slot) const;
    int picturesPresent() const;
    int soundsPresent() const;
    // The set's name, author, kind and counts, in one line.
    QString headerText() const;

    // True while thumbnails are being made.
    bool busy() const;
    // Waits until every thumbnail asked for is in its cell.
    void waitForThumbnails();

  signals:
    void cellChanged(int slot);
    void headerChanged();

  private:
    void updateSlot(int slot, const FileNames::FolderIndex& index);
    void readNames();
    void requestThumbnail(int slot);
    void applyThumbnail(int slot, const Thumbnail& thumbnail);
    void thumbnailReady(const QString& path, QSize box, const Thumbnail& thumbnail);
    void pictureRead(const QString& path);
    void watchFiles();
    // The files of the cells that exist.
    QStringList watchedFiles() const;

    CardPictureModel* pictures_;
    SetView set_;
    QSize box_{96, 96};
    std::array<OverviewCell, NumSlots> cells_;
    std::array<QString, NumSlots> names_; // as the names file last read gave them
    ThumbnailMaker maker_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};
