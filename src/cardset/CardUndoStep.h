#pragma once

#include "cardset/SetDocument.h"

#include <QByteArray>
#include <QString>
#include <vector>

// What a card file held at one moment: nothing, or bytes of this size and
// SHA-256 hash. Undo and Redo compare the file on disk with it before they
// overwrite anything.
struct CardFileState {
    bool exists = false;
    qint64 size = 0;
    QByteArray sha256;

    bool operator==(const CardFileState&) const = default;
};

// One card file that a step changed, with copies of what it held before and
// after kept in the cache, named by their content's hash.
struct CardUndoFile {
    TSetDocument::CardPart part = TSetDocument::CardPart::Picture;
    QString path;                     // as the naming rule names it
    std::vector<int> cardSlots;       // the slots that record it
    std::vector<QString> pathsBefore; // what each of cardSlots recorded before
    QString keptBefore;               // file name in the cache; empty when there was no file
    QString keptAfter;
    CardFileState before;
    CardFileState after;

    // Whether the write left the file and the slots' records as they were.
    bool changesNothing() const
    {
        if (before != after)
            return false;
        for (const QString& recorded : pathsBefore)
            if (recorded != path)
                return false;
        return true;
    }
};

// One user command's card file changes, undone and redone together.
struct CardUndoStep {
    QString label;   // "Paste on card 10"
    int slot = 0;    // the card to show after undoing or redoing it
    QString run;     // the editor run that made it (CardUndoRun::Name)
    qint64 when = 0; // when it was made, milliseconds since the epoch
    std::vector<CardUndoFile> files;
};
