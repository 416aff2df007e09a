#pragma once

#include "app/CardFileWatcher.h"
#include "cardset/CardTable.h"
#include "common/ui/ErrorMessage.h"
#include "images/FileStamp.h"
#include "images/TBitmap.h"

#include <QObject>
#include <array>
#include <optional>
#include <vector>

class TSetDocument;

// The picture each card shows, apart from any widget: the file its slot
// records, as it is on disk now, else the blank card. A picture is read again
// only when its file's stamp changed. The files of the slots being shown and
// the set's folder are followed on disk: a change is told within a second, a
// folder that is gone once.
class CardPictureModel : public QObject {
    Q_OBJECT

  public:
    explicit CardPictureModel(const TSetDocument& document, QObject* parent = nullptr);

    const TBitmap& Picture(int slot);
    // Why the slot shows the blank card though it names a file.
    const std::optional<EFileError>& Error(int slot);
    // Follows the files of these slots (those on screen) and the set's folder.
    void Follow(const std::vector<int>& shown);
    // Reads the pictures of these slots (the pages beside the one shown) off
    // the window's thread, so that turning to them reads nothing. A picture
    // read is kept only while its file keeps the stamp it was read with.
    void Prefetch(const std::vector<int>& cards);
    // Whether the slot's picture is at hand for its file as it is now.
    bool IsReady(int slot) const;

  signals:
    // A followed file or the folder changed on disk.
    void picturesChanged();
    // A picture read off the window's thread is at hand.
    void prefetched(int slot);
    void folderGone(const QString& folder);

  private:
    struct Entry {
        bool loaded = false;
        QString path; // the file read, empty for the blank card
        FileStamp stamp;
        TBitmap picture;
        std::optional<EFileError> error;
    };
    Entry& current(int slot);
    // The file a slot's picture comes from now, empty for the blank card.
    QString fileOf(int slot) const;
    void load(Entry& entry, const QString& path, const FileStamp& stamp);

    const TSetDocument& document_;
    std::array<Entry, NumSlots> entries_;
    std::vector<int> followed_;
    QStringList pending_; // files being read off the thread
    CardFileWatcher watcher_;
};
