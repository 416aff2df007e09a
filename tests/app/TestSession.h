#pragma once

// The editor sessions of a test program: each window a test makes starts a
// fresh run of the editor (its own document, Undo, copy buffer and guard),
// and the names of the set's state refer to the last one.

#include "app/EditorWindow.h"
#include "app/TfrmConfigurador.h"
#include "session/EditorSession.h"

#include <memory>
#include <vector>

namespace TestSession {

// Kept to the program's end: a window may outlive the start of the next run.
inline std::vector<std::unique_ptr<EditorSession>>& runs()
{
    static std::vector<std::unique_ptr<EditorSession>> started;
    return started;
}

// Each run an editor of its own in the Undo cache, as separate processes are:
// one process may hold only one history of its own.
inline EditorSession& start()
{
    CardUndoRun run = CardUndoRun::Current();
    run.start += qint64(runs().size()) * 60000;
    runs().push_back(std::make_unique<EditorSession>(run));
    return *runs().back();
}

inline EditorSession& current()
{
    return runs().empty() ? start() : *runs().back();
}

// A fresh start of the program: a new session and the main window on it.
inline std::unique_ptr<TfrmConfigurador> newWindow()
{
    return MakeEditorWindow(start());
}

} // namespace TestSession

inline TSetDocument& TestDocument()
{
    return TestSession::current().Document();
}

inline TElemento& ElementoCopiado()
{
    return TestSession::current().ElementoCopiado();
}

#include "TestSetNames.h"
