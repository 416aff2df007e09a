#include "cardset/CopyBuffer.h"

TElemento ElementoCopiado;
