#pragma once

#include <QString>

class TSetDocument;

// A set folder as its readers see it: its folder, author and kind, read-only.
// The files of each slot follow the set's naming rules (CardTable.h) in that
// folder, so any folder can be read, not only the editor's current set.
struct SetView {
    QString folder; // in SetFolderForm; empty: no set
    QString author;
    bool duplo = false; // double set: every slot has its own files

    bool isOpen() const { return !folder.isEmpty(); }
    QString name() const; // the folder's own name
    // The file names of a slot's picture and sound ("C05.bmp", "S03.wav").
    QString pictureName(int slot) const;
    QString soundName(int slot) const;
    // The path a slot's picture would have by the naming rule.
    QString picturePath(int slot) const;
    // Pictures (and sounds) the kind calls for: 41 in a double set, 21 in a
    // paired one.
    int filesCalledFor() const;
    // The first slot of each file: every slot in a double set, the cover and
    // the odd slots in a paired one.
    bool firstSlotOfFile(int slot) const;

    // `folder` with its kind and author from its "Set.cfg", which is never
    // written: a folder without one counts as a paired set without author.
    // Raises EInOutError for a Set.cfg that cannot be read.
    static SetView read(const QString& folder);
    // The document's current set; no set when none is current.
    static SetView of(const TSetDocument& document);
};
