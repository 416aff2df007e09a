#pragma once

#include "cardset/CardFileObserver.h"
#include "cardset/CardUndoFiles.h"
#include "cardset/CardUndoStep.h"

#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QLockFile;

// How much of a set's history is kept: the oldest steps go beyond either.
struct CardUndoLimits {
    int maxSteps = 200;
    qint64 maxBytes = 500LL * 1024 * 1024; // of kept copies
};

// The undo history of card file writes, one per set for the program's run:
// it hears every write through the document (as a CardFileObserver), keeps
// what the file held before and after in the set's cache folder, and puts
// either back on Undo and Redo. The writes of one user command (see
// CardCommand) are one step. A set's history lasts while other sets are
// edited; it is bounded, the oldest steps going first.
//
// The kept copies stay in the cache folder after the run, so that the tool
// can list them; the next run removes them (no run undoes an earlier run's
// steps). A write whose old file cannot be kept is stopped, so nothing is
// lost that Undo should give back.
class CardUndoHistory : public QObject, public CardFileObserver {
    Q_OBJECT

  public:
    using Limits = CardUndoLimits;

    explicit CardUndoHistory(TSetDocument& document, QString cacheRoot = CardUndoFiles::CacheRoot(),
                             Limits limits = Limits());
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
    // A step whose file was changed since by other means is refused with an
    // Exception and nothing is written.
    std::optional<int> Undo();
    std::optional<int> Redo();

    // The folder of the current set's kept copies and index.
    QString CacheFolder() const;

    // Removes the kept copies of earlier runs under `root`, leaving the sets
    // of an editor still running.
    static void RemoveEarlierRuns(const QString& root);

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

    SetHistory& setFor(const QString& key);
    SetHistory* currentSet() const;
    QString keep(SetHistory& set, const QString& source, TSetDocument::CardPart part, const char* when,
                 CardFileState& state);
    void pushPending();
    void dropPending();
    void enforceLimits(SetHistory& set);
    void removeKept(const SetHistory& set, const CardUndoFile& file) const;
    void removeSteps(const SetHistory& set, std::vector<CardUndoStep>& steps) const;
    void writeIndex(const SetHistory& set) const;
    void checkUnchanged(const CardUndoStep& step, bool undoing) const;
    void apply(const SetHistory& set, const CardUndoStep& step, bool undoing) const;
    void putBack(const SetHistory& set, const CardUndoFile& file, bool undoing) const;
    void restorePaths(const CardUndoStep& step, bool undoing);
    QString labelFor(const CardUndoStep& step) const;

    TSetDocument& document_;
    QString root_;
    Limits limits_;
    std::map<QString, std::unique_ptr<SetHistory>> sets_;
    int keptNumber_ = 0;

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
