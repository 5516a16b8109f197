#pragma once
// The editor framework's start-up and shutdown: the mouse-wheel panning cursor, the default edit style
// controller, which is the container unit's fallback controller while the framework runs, and the
// data units' resource-text hook, pointed at ResolveResourceString.
#include "platform/classlib/ControlTypes.h"

namespace zorvy {

// The screen cursor of mouse-wheel panning in editors.
constexpr TCursor crcxEditMouseWheel = 4101;

class TcxEditStyleController;

void InitializeEditUnit();
// Clears the container unit's fallback first, then frees the controller.
void FinalizeEditUnit();

} // namespace zorvy
