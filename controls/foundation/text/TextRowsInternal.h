#pragma once
// Measuring steps shared by the layout and the drawing of text rows.
#include "controls/foundation/text/TextRows.h"

#include <string_view>

namespace zorvy::textrows {

// The one-line extent of the bytes (tabs expanded when asked).
TSize MeasureTextRun(HDC dc, std::string_view text, bool expandTabs);
void MeasureTextRow(HDC dc, TcxTextRow& row, bool expandTabs);
// The byte length of the character at index (1 for a stray byte, never past the end).
int CharSize(std::string_view text, int index);

} // namespace zorvy::textrows
