#include "app/EditorWindow.h"

#include "app/EditorForm.h"
#include "app/EditorOverview.h"
#include "app/TfrmConfigurador.h"
#include "app/commands/EditorCommands.h"

std::unique_ptr<TfrmConfigurador> MakeEditorWindow(EditorSession& session)
{
    auto window = std::make_unique<TfrmConfigurador>(session);
    TfrmConfigurador& view = *window;
    const EditorForm& form = view.Form();
    auto commands = std::make_shared<EditorCommands>(session, view, form.DBImage1, form.DBImage2);
    AddEditorCommands(view.CommandsToFill(), form, view, *commands);
    EditorCommands* groups = commands.get();
    view.LinkCommands(
        {std::move(commands), [groups]() -> SetDialogs& { return groups->sets.Dialogs(); },
         [groups](const QString& folder) { groups->sets.OpenFolder(folder); },
         [groups, &view, &session] { return MakeEditorOverview(view, session, groups->drops); }});
    return window;
}
