#pragma once

#include <QStringList>

class CardUndoHistory;
struct CommandState;
struct EditorForm;

// The entry texts that follow the state: Undo and Redo name their step, Record
// says why it is off, Recent sets names its folders.
void ShowEntryTexts(const EditorForm& ui, const CommandState& state, const CardUndoHistory& undo,
                    const QStringList& recentFolders);
