#pragma once

#include "cardset/CardTable.h"
#include "common/FileError.h"
#include "images/FileStamp.h"
#include "images/TBitmap.h"
#include "pictures/CardFileWatcher.h"

#include <QFuture>
#include <QHash>
#include <QObject>
#include <optional>
#include <vector>

class TSetDocument;

// The picture each card shows, apart from any widget: the file its slot
// records, as it is on disk now, else the blank card. Pictures are kept by
// file and read again only when the file's stamp changed, so a file two
// slots share, or the card frames and the set overview both show, is read
// once per change (a file the overview alone shows is told and let go). The files being shown and the set's
// folder are followed on disk through one watcher: a change is told within a second, a folder that is gone
// once.
class CardPictureModel : public QObject {
    Q_OBJECT

  public:
    // One picture file as read.
    struct Read {
        FileStamp stamp;
        TBitmap picture; // the blank card when the file could not be read
        std::optional<EFileError> error;
        QString reason; // the reader's own text for the error
    };

    explicit CardPictureModel(const TSetDocument& document, QObject* parent = nullptr);
    ~CardPictureModel() override;

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

    // The same by file, for another view of the set's files (the overview).
    // The file as read when it still has `stamp`, else null.
    const Read* Find(const QString& path, const FileStamp& stamp) const;
    // Reads the file off the window's thread unless it is at hand or being
    // read; fileRead() tells when it is.
    void Request(const QString& path);
    // Follows these files and the folder `folder` too, besides the shown
    // slots' (one such view at a time).
    void FollowAlso(const QString& folder, const QStringList& files);
    // Whether files are being read off the thread.
    bool Busy() const { return !pending_.isEmpty(); }
    // Waits for the files being read, telling each by fileRead(); for callers
    // without an event loop.
    void WaitForReads();
    // How many times a picture file has been read in this run.
    int ReadCount() const { return reads_; }

  signals:
    // A followed file or the folder changed on disk.
    void picturesChanged();
    // A picture read off the window's thread is at hand.
    void prefetched(int slot);
    // The file `path` read off the window's thread is at hand.
    void fileRead(const QString& path);
    void folderGone(const QString& folder);

  private:
    struct Pending {
        FileStamp stamp;
        QFuture<Read> future;
        std::vector<int> readAhead; // the slots read ahead with it
        quint64 ticket = 0;         // tells this read from an older one of the file
    };
    // The slot's file read as it is now, read at once when it is not at hand.
    const Read& current(int slot);
    // The file a slot's picture comes from now, empty for the blank card.
    QString fileOf(int slot) const;
    void finish(const QString& path);
    // Whether a slot followed for the card frames shows the file.
    bool framesShow(const QString& path) const;
    void watch();

    const TSetDocument& document_;
    QHash<QString, Read> pictures_;   // by file; the blank card under ""
    QHash<QString, Pending> pending_; // files being read off the thread
    std::vector<int> followed_;
    QString folder_; // the set's folder the pictures kept are from
    QString alsoFolder_;
    QStringList alsoFiles_;
    int reads_ = 0;
    quint64 tickets_ = 0;
    CardFileWatcher watcher_;
};
