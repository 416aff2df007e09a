#pragma once

class CardDropCommands;
class EditorSession;
class EditorView;
class SetOverview;

// The set overview of the editor window, a child of it placed beside it. It
// shows the session's set and follows its card writes; a card activated there
// becomes the current card, and files or cards dropped there are written as
// drops on a card frame are.
SetOverview* MakeEditorOverview(EditorView& view, EditorSession& session, CardDropCommands& drops);
