#pragma once

#include <QString>

// What the overview shows of a set: its folder, author and kind. The files of
// each slot follow the set naming rule in that folder, so any folder can be
// shown, not only the editor's current set.
struct OverviewSet {
    QString folder; // without a trailing separator; empty: no set
    QString author;
    bool duplo = false; // double set: every slot has its own files

    bool isOpen() const { return !folder.isEmpty(); }
    QString name() const; // the folder's own name
    // The file names of a slot's picture and sound ("C05.bmp", "S03.wav").
    QString pictureName(int slot) const;
    QString soundName(int slot) const;
    // Pictures (and sounds) the kind calls for: 41 in a double set, 21 in a
    // paired one.
    int filesCalledFor() const;
    // The first slot of each file: every slot in a double set, the cover and
    // the odd slots in a paired one.
    bool firstSlotOfFile(int slot) const;

    // `folder` with its kind and author from its "Set.cfg", which is never
    // written: a folder without one counts as a paired set without author.
    // Raises EInOutError for a Set.cfg that cannot be read.
    static OverviewSet read(const QString& folder);
};
