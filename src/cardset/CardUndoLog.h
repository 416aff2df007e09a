#pragma once

#include "cardset/CardUndoStep.h"

#include <QString>
#include <QStringList>
#include <vector>

// One line of a set's history index as the tool lists it.
struct CardUndoLogEntry {
    bool undone = false; // taken back, waiting for Redo
    QString label;
    int slot = 0;
    QStringList parts; // "picture", "sound"
    QStringList kept;  // the kept copies' file names in the set's cache folder
};

// The index of a set's kept steps, one line per step in the order they were
// done, beside the kept copies; written by the editor at every change of its
// history so that `tessellor-tool undo-log` can list them. A line is
//   done|undone TAB slot TAB parts TAB kept names TAB label
namespace CardUndoLog {

// `done` oldest first; `undone` as a redo stack (the next to redo last).
// Raises Exception when the index cannot be written.
void Write(const QString& indexPath, const std::vector<CardUndoStep>& done,
           const std::vector<CardUndoStep>& undone);
// The steps in the order they were done; lines it cannot read are skipped.
// An index that is not there gives none.
std::vector<CardUndoLogEntry> Read(const QString& indexPath);
// One entry as the tool shows it.
QString Describe(const CardUndoLogEntry& entry);

} // namespace CardUndoLog
