#pragma once

#include "cardset/CardTable.h"

// The editor's copy buffer: where the files of the card last copied are. Only
// its Imagem and Som are used. It belongs to the run, not to a set, so that a
// card copied in one set can be pasted into another: nothing but the next
// Copy changes it.
extern TElemento ElementoCopiado;
