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
// after kept in the set's cache folder.
struct CardUndoFile {
    TSetDocument::CardPart part = TSetDocument::CardPart::Picture;
    QString path;                     // as the naming rule names it
    std::vector<int> cardSlots;       // the slots that record it
    std::vector<QString> pathsBefore; // what each of cardSlots recorded before
    QString keptBefore;               // file name in the cache; empty when there was no file
    QString keptAfter;
    CardFileState before;
    CardFileState after;
};

// One user command's card file changes, undone and redone together.
struct CardUndoStep {
    QString label; // "Paste on card 10"
    int slot = 0;  // the card to show after undoing or redoing it
    std::vector<CardUndoFile> files;

    qint64 keptBytes() const
    {
        qint64 total = 0;
        for (const CardUndoFile& file : files)
            total += file.before.size + file.after.size;
        return total;
    }
};
