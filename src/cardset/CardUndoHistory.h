#pragma once

#include "cardset/CardFileObserver.h"
#include "cardset/CardUndoFiles.h"
#include "cardset/CardUndoPending.h"
#include "cardset/CardUndoRun.h"
#include "cardset/CardUndoSets.h"
#include "cardset/CardUndoStep.h"

#include <QObject>
#include <QString>
#include <optional>

// The undo history of card file writes, one per set: it hears every write
// through the document (as a CardFileObserver), keeps what the file held
// before and after in this run's cache folder of the set (CardUndoStore), and
// puts either back on Undo and Redo. The writes of one user command (see
// CardCommand) are one step; a write that leaves the file's bytes and records
// as they were is none. A set's history lasts while other sets are edited; it
// is bounded, the oldest steps going first.
//
// The history outlives the run: the next run that opens the set takes over
// the steps of ended runs, newest first, as long as the files still hold what
// each step left; from the first step that no longer fits, nothing older is
// offered. Each editor writes only its own folder, and cleanup touches only
// the folders of editors that are gone. One history of a run lives at a time:
// a second one made beside it cannot lock the run's folders and keeps no steps.
// The step being made is CardUndoPending's, the sets' histories and their
// limits CardUndoSets', the writing of a step CardUndoApply's.
class CardUndoHistory : public QObject, public CardFileObserver {
    Q_OBJECT

  public:
    using Limits = CardUndoLimits;

    explicit CardUndoHistory(TSetDocument& document, QString cacheRoot = CardUndoFiles::CacheRoot(),
                             Limits limits = Limits(), CardUndoRun run = CardUndoRun::Current());
    ~CardUndoHistory() override;
    CardUndoHistory(const CardUndoHistory&) = delete;
    CardUndoHistory& operator=(const CardUndoHistory&) = delete;

    // For the current set: whether a step can be taken back or done again,
    // and its label ("Paste on card 10"), empty when none.
    bool CanUndo() const { return !UndoLabel().isEmpty(); }
    bool CanRedo() const { return !RedoLabel().isEmpty(); }
    QString UndoLabel() const;
    QString RedoLabel() const;
    int UndoCount() const;
    int RedoCount() const;

    // Puts back the files and recorded paths of the current set's last step
    // (Undo) or of the last step undone (Redo), and tells the document's
    // listeners. Returns the step's card, nothing when there is no step.
    // A step whose file was changed since by other means, or whose kept copy
    // is damaged, is refused with an Exception, nothing is written, and the
    // step is dropped, so that the steps before it stay within reach.
    std::optional<int> Undo();
    std::optional<int> Redo();

    // This run's folder of the current set's kept copies and index.
    QString CacheFolder() const;

  signals:
    // A step was added, undone, redone or dropped, or another set became current.
    void changed();

  protected:
    void aboutToReplace(const CardFileChange& change) override;
    void replaced(const CardFileChange& change) override;
    void replaceFailed(const CardFileChange& change) override;
    void commandBegun(const QString& name) override;
    void commandEnded() override;

  private:
    void openCurrentSet();
    QString currentKey() const;
    CardUndoSets::Set* currentSet() const;
    std::optional<int> takeStep(bool undoing);
    void restorePaths(const CardUndoStep& step, bool undoing);

    TSetDocument& document_;
    CardUndoSets sets_;
    CardUndoPending pending_{sets_};
};
