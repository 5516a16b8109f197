#pragma once
// The control library's units the windows stand on, started after the forms unit and finalized after
// the forms are freed, in the order they build on each other.
namespace zorvy {

// The foundation units, then the editor framework, the check box, the masked editor and the button editor,
// then the grid's.
void InitializeControlUnits();
// The grid's units, the editors' in reverse, then the foundation's: call it once the forms are freed.
void FinalizeControlUnits();

} // namespace zorvy
