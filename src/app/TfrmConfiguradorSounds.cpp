// The sound commands: Insert Sound and Hear Sound.
// Not built yet: the entries exist and follow the enabled state, and do nothing.

#include "app/TfrmConfigurador.h"

void TfrmConfigurador::btnSomClick() {}

void TfrmConfigurador::btnTocarSomClick() {}
