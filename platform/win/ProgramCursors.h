#pragma once
// The control library's own cursors, drawn by the program: drag, copy-drag, multi-drag, no-drop,
// remove, sizing, the anchor-scrolling family, the colour picker, the mouse-wheel panning and the
// grid's row selection cursors, each known by its resource name.
#include "platform/win/Handles.h"

#include <string>

namespace zorvy {

// The cursor of that resource name ("CX_DRAGCURSOR", "CX_DRAGCOPYCURSOR", ... "CX_COLORPICKERCURSOR",
// "CXEDIT_MOUSEWHEEL", "CX_GRIDSELECTROWCURSOR"), drawn on first use; 0 for a name the program has no
// cursor for.
HCURSOR LoadCursorResource(const std::string& name);

} // namespace zorvy
