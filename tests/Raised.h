#pragma once

// What a call raised, for tests that compare the system's error texts.

#include "common/Exception.h"

#include <QString>

// The text of the error `run` raised; empty when it raised none.
template <typename F> QString errorOf(F&& run)
{
    try {
        run();
    } catch (const Exception& e) {
        return e.Message();
    }
    return QString();
}
