#pragma once
// The library's own cursors (ids 2100 to 2114), drawn by the program and registered with the screen's
// cursor table at the control unit's start-up.

namespace zorvy {

// Draws each cursor once and registers it, with the system hand cursor, in the screen's table.
void RegisterControlCursors();

} // namespace zorvy
