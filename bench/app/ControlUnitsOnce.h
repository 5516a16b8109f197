#pragma once
// The control units the program's windows are made of, started once for the whole benchmark binary
// (its benchmarks share one process and start the windows again and again).
#include "app/ControlUnits.h"

namespace zorvy {

inline void StartControlUnitsOnce() {
    static const bool started = (InitializeControlUnits(), true);
    (void)started;
}

} // namespace zorvy
