#pragma once
// The grid units' start-up and finalization: streamable style and level classes, the
// row-selection cursor, the registry of view classes, and the navigator's shared images.
namespace zorvy {

void InitializeGridUnits();
void FinalizeGridUnits();

} // namespace zorvy
