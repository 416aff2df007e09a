#pragma once

#include "cardset/CardUndoRun.h"
#include "cardset/CardUndoStep.h"

#include <QString>
#include <map>
#include <memory>
#include <vector>

class QLockFile;

// One editor run's kept copies for one set: the folder
// <cache root>/<set hash>/<pid>-<start>/, locked for the run's life, holding
// each copy once under the hash of its bytes (two steps that keep the same
// bytes share the file) and the run's history index. A copy is removed when
// the last step that names it goes.
class CardUndoStore {
  public:
    // Makes and locks the run's folder; raises Exception when it cannot.
    CardUndoStore(const QString& setCacheFolder, const CardUndoRun& run);
    ~CardUndoStore();
    CardUndoStore(const CardUndoStore&) = delete;
    CardUndoStore& operator=(const CardUndoStore&) = delete;

    const QString& Folder() const { return folder_; }
    QString PathOf(const QString& name) const;

    // Copies `source` in under the hash of its bytes and names it once more;
    // returns the name and sets `state` to what was copied. Raises Exception.
    QString Keep(const QString& source, TSetDocument::CardPart part, CardFileState& state);
    // Names a copy already in the folder once more; false when it is not there.
    bool AddRef(const QString& name, qint64 size);
    // One name fewer; the copy goes with the last.
    void Release(const QString& name);
    // The bytes of the copies named.
    qint64 Bytes() const { return bytes_; }

    // Moves the copies of an ended run's folder in, unnamed until AddRef;
    // those left unnamed go at DropUnnamed.
    void TakeOver(const QString& endedFolder);
    void DropUnnamed();
    // Removes the folder with all in it, for a run that leaves no step.
    void Discard();

  private:
    struct Kept {
        qint64 size = 0;
        int refs = 0;
    };
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    std::map<QString, Kept> kept_;
    qint64 bytes_ = 0;
};

// The run folders under the cache root whose editors are gone, and their
// removal. A folder counts as ended only when its lock can be taken AND its
// name shows that its process is gone: a live editor's folder is never
// touched, whether its lock is held or was lost.
namespace CardUndoRuns {

struct Ended {
    QString folder;
    CardUndoRun run;
    qint64 bytes = 0;
};

// Those of one set (its cache folder) or, with an empty set folder, of all.
std::vector<Ended> Find(const QString& root, const QString& setCacheFolder = QString());
// Locks an ended run's folder for taking it over; null when its owner lives
// or another editor holds it.
std::unique_ptr<QLockFile> LockEnded(const QString& folder);
// Removes an ended run's folder (and its set's folder when that is left
// empty); false when it is not ended after all.
bool Remove(const QString& folder, std::unique_ptr<QLockFile> lock = nullptr);
// Removes what an editor that kept every set's copies in one folder left
// beside the run folders, once that editor is gone.
void RemoveOldLayout(const QString& root);

} // namespace CardUndoRuns
