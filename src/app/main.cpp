#include "app/EditorWindow.h"
#include "app/TessellorApplication.h"
#include "app/TfrmConfigurador.h"
#include "game/ui/PlayMode.h"
#include "session/EditorSession.h"

int main(int argc, char** argv)
{
    TessellorApplication app(argc, argv);
    // tessellor --play SETDIR [--pairs N] [--seed S]: the game window alone.
    if (app.arguments().contains(QStringLiteral("--play")))
        return RunPlayMode(app, app.arguments());

    // The run's one state: the set, Undo, the copy buffer, the command guard.
    EditorSession session;
    const std::unique_ptr<TfrmConfigurador> frmConfigurador = MakeEditorWindow(session);
    // Then the set dialogs, hidden, made once for the whole run: New set,
    // Properties, Import files, Open set, Import errors.
    frmConfigurador->Dialogs();

    frmConfigurador->show();
    return app.exec();
}
