#pragma once

#include "vberror.h"

// The number of the run-time error that f raises, 0 when it raises none.
template <typename F> int errorOf(F&& f)
{
    try {
        f();
    } catch (const vbrt::Error& e) {
        return e.number();
    }
    return 0;
}
