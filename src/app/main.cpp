#include "app/EditorSession.h"
#include "app/TessellorApplication.h"
#include "app/TfrmConfigurador.h"

int main(int argc, char** argv)
{
    TessellorApplication app(argc, argv);

    // The run's one state: the set, Undo, the copy buffer, the command guard.
    EditorSession session;
    TfrmConfigurador frmConfigurador(session);

    frmConfigurador.show();
    return app.exec();
}
