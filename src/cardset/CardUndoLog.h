#pragma once

#include "cardset/CardUndoStep.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The index of one editor run's steps for one set, beside its kept copies:
// written at every change of the run's history, so that a later run can take
// the steps over and `tessellor-tool undo-log` can list them. It is JSON:
//   {"steps": [{"undone": false, "label": "Paste on card 10", "slot": 10,
//               "run": "1234-1765000000000", "when": 1765000000000,
//               "files": [{"part": "picture", "path": "/set/C10.bmp",
//                          "slots": [10], "pathsBefore": [""],
//                          "before": null, "after": {"size": 630, "sha256": "…"},
//                          "keptBefore": "", "keptAfter": "<sha256>.bmp"}]}]}
namespace CardUndoLog {

struct History {
    std::vector<CardUndoStep> done;   // oldest first
    std::vector<CardUndoStep> undone; // the next to redo last
};

// Raises Exception when the index cannot be written.
void Write(const QString& indexPath, const History& history);
// The steps of an index; a step it cannot read whole (a slot out of range, a
// kept name that is no hash, a missing field) is left out. The bytes come from
// disk and are checked throughout. An index that is not there gives none.
History Parse(const QByteArray& bytes);
History Read(const QString& indexPath);
// The ending of a kept copy of the part's files: ".bmp", ".wav", ".txt".
QString KeptExtension(TSetDocument::CardPart part);
// The name a kept copy of these bytes has in the cache.
QString KeptName(const CardFileState& state, TSetDocument::CardPart part);
bool IsKeptName(const QString& name);
// One step as the tool shows it.
QString Describe(const CardUndoStep& step, bool undone);

} // namespace CardUndoLog
