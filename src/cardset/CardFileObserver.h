#pragma once

#include "cardset/SetDocument.h"

#include <QString>
#include <vector>

// One write of a card's file through TSetDocument::ReplaceCardFile.
struct CardFileChange {
    int slot = 0;
    TSetDocument::CardPart part = TSetDocument::CardPart::Picture;
    QString path;                     // the file written, by the naming rule
    std::vector<int> cardSlots;       // the slots that record it: `slot`, then its partner
    std::vector<QString> pathsBefore; // what each of `cardSlots` recorded before the write
};

// Hears of every card file write, for whoever must keep what a write replaces
// (an undo history keeps the old bytes in aboutToReplace and the new ones in
// replaced). Exactly one of replaced and replaceFailed follows each
// aboutToReplace. An observer that raises in aboutToReplace stops the write:
// the observers told before it hear replaceFailed, and the error goes on.
class CardFileObserver {
  public:
    virtual ~CardFileObserver() = default;
    // Before the write: the file at change.path is still as it was, or missing.
    virtual void aboutToReplace(const CardFileChange& change) = 0;
    // The file was written and its path recorded; before cardFileWritten is emitted.
    virtual void replaced(const CardFileChange& change) = 0;
    // The write raised: nothing was recorded, and the file, replaced only by
    // rename, is as it was.
    virtual void replaceFailed(const CardFileChange& change) = 0;
    // A user command begins or ends (TSetDocument::BeginCommand): the writes
    // between belong together. A write outside any command stands alone.
    // Neither may raise: they run while a command ends with an error too.
    virtual void commandBegun(const QString& name) { Q_UNUSED(name); }
    virtual void commandEnded() {}
};
