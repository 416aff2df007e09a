#pragma once

#include "cardset/CardFileObserver.h"
#include "cardset/CardUndoSets.h"
#include "cardset/CardUndoStep.h"

#include <QString>
#include <optional>

// The step being made: the writes of the command running, each kept before
// and after as it succeeds, handed to the set's history when the command
// ends (a write outside any command is a step of its own). A write whose old
// file cannot be kept leaves its whole command without a step; a write that
// changes nothing is left out. Each call that hands a step over says so.
class CardUndoPending {
  public:
    explicit CardUndoPending(CardUndoSets& sets) : sets_(sets) {}

    // `key` is the set written (CardUndoFiles::SetKey), empty with no set.
    bool AboutToReplace(const CardFileChange& change, const QString& key);
    bool Replaced(const CardFileChange& change);
    void ReplaceFailed();
    bool CommandBegun(const QString& name);
    bool CommandEnded();
    // Forgets the step, releasing what it kept.
    void Drop();

  private:
    bool push();
    QString labelFor(const CardUndoStep& step) const;

    CardUndoSets& sets_;
    bool inCommand_ = false;
    QString commandName_;
    std::optional<CardUndoStep> step_;
    QString key_;
    bool dropped_ = false;
    // The write under way, between AboutToReplace and Replaced/ReplaceFailed.
    std::optional<CardUndoFile> writing_;
    int writingMerges_ = -1; // the step's entry for the same file, or -1
    bool writingUnkept_ = false;
};
