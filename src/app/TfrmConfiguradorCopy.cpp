// Copy and paste of a card's picture and sound.
// Not built yet: the entries exist and follow the enabled state, and do nothing.

#include "app/TfrmConfigurador.h"

void TfrmConfigurador::btnCopiarClick() {}

void TfrmConfigurador::btnColarClick() {}
