#include "app/TessellorApplication.h"
#include "app/TfrmConfigurador.h"
#include "cardset/ui/SetDialogs.h"

int main(int argc, char** argv)
{
    TessellorApplication app(argc, argv);

    TfrmConfigurador frmConfigurador;
    // The set dialogs (New set, Properties, Import files, Import, Import
    // errors), created once, hidden, and shown by the set commands.
    CreateSetDialogs(&frmConfigurador);

    frmConfigurador.show();
    return app.exec();
}
