#pragma once

#include <memory>

class EditorSession;
class TfrmConfigurador;

// The editor as main() starts it: the main window over the session, the
// command groups working over the session and the window's view, and the
// window's one command table filled with them. The window owns the groups.
std::unique_ptr<TfrmConfigurador> MakeEditorWindow(EditorSession& session);
