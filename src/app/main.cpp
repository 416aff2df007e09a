#include "app/EditorWindow.h"
#include "app/SetFileArgument.h"
#include "app/TessellorApplication.h"
#include "app/TfrmConfigurador.h"
#include "common/AppLanguage.h"
#include "game/ui/PlayMode.h"
#include "session/EditorSession.h"
#include "session/LanguageChoice.h"

#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

// --version and --help answer before the application object is made, so
// they need no display.
bool answered(int argc, char** argv)
{
    if (argc != 2)
        return false;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("tessellor %s\n", TESSELLOR_VERSION);
        return true;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::printf(
            "Usage: tessellor [SETFILE]\n"
            "       tessellor --play SETDIR [--pairs N] [--seed S]\n"
            "       tessellor --version | --help\n"
            "A SETFILE (*.tessellor or *.zip) is imported as Import set from file does, then opened.\n");
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (answered(argc, argv))
        return 0;
    TessellorApplication app(argc, argv);
    // tessellor --play SETDIR [--pairs N] [--seed S]: the game window alone.
    if (app.arguments().contains(QStringLiteral("--play"))) {
        const AppTranslation translation(RememberedLanguage());
        return RunPlayMode(app, app.arguments());
    }

    // The run's one state: the set, Undo, the copy buffer, the command guard.
    EditorSession session;
    // Installed before any window is made, so that every text is translated.
    const AppTranslation translation(session.language());
    const std::unique_ptr<TfrmConfigurador> frmConfigurador = MakeEditorWindow(session);
    // Then the set dialogs, hidden, made once for the whole run: New set,
    // Properties, Import files, Open set, Import errors.
    frmConfigurador->Dialogs();

    frmConfigurador->show();
    // A set file given (a double click on one) is opened once the window is up.
    if (const std::optional<QString> setFile = SetFileArgument(app.arguments()))
        QTimer::singleShot(0, frmConfigurador.get(),
                           [window = frmConfigurador.get(), path = *setFile] { OpenSetFile(*window, path); });
    return app.exec();
}
