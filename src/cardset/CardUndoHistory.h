#pragma once

#include "cardset/CardFileObserver.h"
#include "cardset/CardUndoFiles.h"
#include "cardset/CardUndoRun.h"
#include "cardset/CardUndoStep.h"
#include "cardset/CardUndoStore.h"

#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// How much history is kept: the oldest steps go beyond either.
struct CardUndoLimits {
    int maxSteps = 200;                    // of each set
    qint64 maxBytes = 500LL * 1024 * 1024; // of kept copies, over all sets and runs
};

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
    struct SetHistory;

    void openCurrentSet();
    SetHistory& setFor(const QString& key);
    void takeOverEndedRuns(SetHistory& set, const QString& key);
    std::vector<CardUndoStep> stepsStillFitting(SetHistory& set, const QString& key,
                                                std::vector<CardUndoStep> steps) const;
    SetHistory* currentSet() const;
    void pushPending();
    void dropPending();
    void enforceLimits(SetHistory& set);
    bool dropOldest();
    void removeKept(SetHistory& set, const CardUndoFile& file) const;
    void removeSteps(SetHistory& set, std::vector<CardUndoStep>& steps) const;
    void writeIndex(const SetHistory& set) const;
    std::optional<int> takeStep(bool undoing);
    void checkUnchanged(const CardUndoStep& step, bool undoing) const;
    void apply(const SetHistory& set, const CardUndoStep& step, bool undoing) const;
    void putBack(const SetHistory& set, const CardUndoFile& file, bool undoing) const;
    void restorePaths(const CardUndoStep& step, bool undoing);
    QString labelFor(const CardUndoStep& step) const;

    TSetDocument& document_;
    QString root_;
    Limits limits_;
    CardUndoRun run_;
    std::map<QString, std::unique_ptr<SetHistory>> sets_;
    // The folders of ended runs not taken over, counted against the byte limit.
    std::vector<CardUndoRuns::Ended> endedRuns_;

    // The step of the command running, filled as its writes succeed.
    bool inCommand_ = false;
    QString commandName_;
    std::optional<CardUndoStep> pendingStep_;
    QString pendingKey_;
    bool pendingDropped_ = false;
    // The write under way, between aboutToReplace and replaced/replaceFailed.
    std::optional<CardUndoFile> writing_;
    int writingMerges_ = -1; // the pending step's entry for the same file, or -1
    bool writingUnkept_ = false;
};
