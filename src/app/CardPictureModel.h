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

  signals:
    // A followed file or the folder changed on disk.
    void picturesChanged();
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

    const TSetDocument& document_;
    std::array<Entry, NumSlots> entries_;
    std::vector<int> followed_;
    CardFileWatcher watcher_;
};
