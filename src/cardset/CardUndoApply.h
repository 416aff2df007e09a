#pragma once

#include "cardset/CardUndoStep.h"
#include "cardset/CardUndoStore.h"

// Taking a step back or again on disk: the files must hold what the step
// left (or, to redo, what it found), else it is refused (EUndoStepRefused)
// before anything is written; then each file gets its kept copy back, or goes
// when there was none. A failure midway puts back what the step had already
// turned, so the step stays whole. Raises Exception.
namespace CardUndoApply {

void CheckUnchanged(const CardUndoStep& step, bool undoing);
void Apply(const CardUndoStore& store, const CardUndoStep& step, bool undoing);

} // namespace CardUndoApply
