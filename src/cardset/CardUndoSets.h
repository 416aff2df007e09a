#pragma once

#include "cardset/CardUndoRun.h"
#include "cardset/CardUndoStep.h"
#include "cardset/CardUndoStore.h"

#include <QString>
#include <map>
#include <memory>
#include <vector>

// How much history is kept: the oldest steps go beyond either.
struct CardUndoLimits {
    int maxSteps = 200;                    // of each set
    qint64 maxBytes = 500LL * 1024 * 1024; // of kept copies, over all sets and runs
};

// The undo histories of every set this run has opened, each keyed by
// CardUndoFiles::SetKey, within the limits: the steps of each set and its
// kept copies, the folders of ended runs that wait for their set, and the
// index written at every change. A set's history is made on first use and
// takes over the steps of the set's ended runs that still fit its files.
class CardUndoSets {
  public:
    struct Set {
        std::unique_ptr<CardUndoStore> store; // this run's kept copies and index
        std::vector<CardUndoStep> done;       // oldest first
        std::vector<CardUndoStep> undone;     // the next to redo last
    };

    // Removes the ended runs that offer no step; the others wait.
    CardUndoSets(QString root, CardUndoLimits limits, CardUndoRun run);
    // What has steps stays for the next run and the tool; the rest goes.
    ~CardUndoSets();
    CardUndoSets(const CardUndoSets&) = delete;
    CardUndoSets& operator=(const CardUndoSets&) = delete;

    const CardUndoLimits& Limits() const { return limits_; }
    const CardUndoRun& Run() const { return run_; }
    QString Root() const { return root_; }

    // The set's history, made on first use; raises Exception when its cache
    // folder cannot be made.
    Set& For(const QString& key);
    // Nothing when the set has no history yet.
    Set* Find(const QString& key) const;

    // A new step: it ends the way back to the steps undone, and the limits
    // are kept.
    void Push(Set& set, CardUndoStep step);
    // The kept copies a file of a step names, one name fewer each.
    void Release(Set& set, const CardUndoFile& file) const;
    void WriteIndex(const Set& set) const;

  private:
    void takeOverEndedRuns(Set& set, const QString& key);
    std::vector<CardUndoStep> stepsStillFitting(Set& set, const QString& key,
                                                std::vector<CardUndoStep> steps) const;
    void enforceLimits(Set& set);
    bool dropOldest();
    void removeSteps(Set& set, std::vector<CardUndoStep>& steps) const;

    QString root_;
    CardUndoLimits limits_;
    CardUndoRun run_;
    std::map<QString, std::unique_ptr<Set>> sets_;
    // The folders of ended runs not taken over, counted against the byte limit.
    std::vector<CardUndoRuns::Ended> endedRuns_;
};
