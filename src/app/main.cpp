#include "app/TessellorApplication.h"
#include "app/TfrmConfigurador.h"

int main(int argc, char** argv)
{
    TessellorApplication app(argc, argv);

    TfrmConfigurador frmConfigurador;
    // The set dialogs (New set, Properties, Import files, Import, Import
    // errors) are created here, hidden, once the set subsystem provides them.

    frmConfigurador.show();
    return app.exec();
}
