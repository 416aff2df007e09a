// The picture commands: Insert image, Insert Text, Choose Font, Duplicate.
// Not built yet: the entries exist and follow the enabled state, and do nothing.

#include "app/TfrmConfigurador.h"

void TfrmConfigurador::btnImagemClick() {}

void TfrmConfigurador::btnTextoClick() {}

void TfrmConfigurador::btnFonteClick() {}

void TfrmConfigurador::btnDuplicarClick() {}
