#pragma once
// Start-up and finalization of the foundation's units that hold shared state, in the order they build
// on each other: the theme manager, the look-and-feel root, the painters' resources, the brush cache,
// the control unit (cursors, timers, mouse tracking) and the container unit (open popups, message
// hooks); finalization frees them in reverse, then the screen canvas, the scratch bitmaps and the
// format controller. Needs a display (the units own hidden windows); the control unit registers its
// cursors when the forms unit (Screen) already runs.
namespace zorvy {

void InitializeFoundationUnits();
void FinalizeFoundationUnits();

} // namespace zorvy
