// The set commands: New, Open, Import, Properties and Save.
// Not built yet: the entries exist and follow the enabled state, and do nothing.

#include "app/TfrmConfigurador.h"

void TfrmConfigurador::mnNovoClick() {}

void TfrmConfigurador::btnAbrirClick() {}

void TfrmConfigurador::mnImportarClick() {}

void TfrmConfigurador::Propriedades1Click() {}

void TfrmConfigurador::btnSalvarClick() {}
