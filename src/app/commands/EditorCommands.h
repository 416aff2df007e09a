#pragma once

#include "app/CommandTable.h"
#include "app/commands/CardCommands.h"
#include "app/commands/CardDropCommands.h"
#include "app/commands/SetCommands.h"
#include "app/commands/ShareCommands.h"
#include "app/commands/SoundCommands.h"

#include <QStringList>

class CardUndoHistory;
struct EditorForm;

// What the main window's entries and buttons do, in groups, over the session
// and through the window's methods. The window owns one and runs them from
// its command table, one at a time.
struct EditorCommands {
    EditorCommands(EditorSession& session, TfrmConfigurador& window, TDBImage* left, TDBImage* right)
        : sets(session, window), cards(session, window), sounds(session, window),
          drops(session, window, left, right), share(session, window, sets)
    {
    }

    SetCommands sets;
    CardCommands cards;
    SoundCommands sounds;
    CardDropCommands drops;
    ShareCommands share;
};

// The window's one command table: each entry and button of `ui` with its
// shortcuts, the name Undo gives its card writes, when it is enabled and what
// it does.
void AddEditorCommands(CommandTable& table, const EditorForm& ui, TfrmConfigurador& window,
                       EditorCommands& commands);

// The entry texts that follow the state: Undo and Redo name their step, Record
// says why it is off, Recent sets names its folders.
void ShowEntryTexts(const EditorForm& ui, const CommandState& state, const CardUndoHistory& undo,
                    const QStringList& recentFolders);
