#pragma once
// The library's own cursors (ids 2100 to 2114), drawn by the program and registered with the screen's
// cursor table at the control unit's start-up.
#include "platform/classlib/ControlTypes.h"
#include "platform/win/Handles.h"

namespace zorvy {

// Draws each cursor once and registers it, with the system hand cursor, in the screen's table.
void RegisterControlCursors();
// The cursor of one of the library's designs (2100 to 2114), drawn once and kept for the process; other
// units install it under their own ids.
HCURSOR DrawnControlCursor(TCursor design);

} // namespace zorvy
