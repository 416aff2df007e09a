#pragma once

// The document of a test that has no editor session: one for the program.

#include "cardset/SetDocument.h"

inline TSetDocument& TestDocument()
{
    static TSetDocument document;
    return document;
}

#include "TestSetNames.h"
