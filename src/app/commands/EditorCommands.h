#pragma once

#include "app/CommandTable.h"
#include "app/commands/CardCommands.h"
#include "app/commands/CardDropCommands.h"
#include "app/commands/SetCommands.h"
#include "app/commands/ShareCommands.h"
#include "app/commands/SoundCommands.h"

#include <QStringList>

struct EditorForm;

// What the main window's entries and buttons do, in groups, over the session
// and through the view the window gives them. The window owns one and runs them from
// its command table, one at a time.
struct EditorCommands {
    EditorCommands(EditorSession& session, EditorView& view, TDBImage* left, TDBImage* right)
        : sets(session, view), cards(session, view), sounds(session, view), drops(session, view, left, right),
          share(session, view, sets)
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
void AddEditorCommands(CommandTable& table, const EditorForm& ui, EditorView& view, EditorCommands& commands);
