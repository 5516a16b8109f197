#pragma once
// Small shared pieces of the grid: text margins, alignment to canvas text flags, and the cursor of
// row selection.
#include "platform/classlib/ControlTypes.h"

namespace zorvy {

// The screen cursor number of the row-selection cursor of table views.
constexpr int crcxGridSelectRow = 4007;

// A cell text keeps 2 pixels free on each side.
void AddTextMargins(int& size);
// taLeftJustify 1, taRightJustify 2, taCenter 3 (the canvas's horizontal text flags).
int AlignmentToTextFlags(TAlignment alignment);

} // namespace zorvy
