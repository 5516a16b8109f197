#pragma once
// Drawing helpers the standard controls share (not part of the API): the classic 3D frame of a given
// width, the caption text of a control (greyed and embossed when disabled) and a font's line height.
#include "platform/classlib/Canvas.h"

#include <string>

namespace zorvy {

// Draws a frame of width pixels inside r, top and left in topLeft, bottom and right in bottomRight,
// and shrinks r by it.
void Frame3D(TCanvas* canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);
// The height of a line of font's text on the screen.
int FontTextHeight(TFont& font);
// The face of a button that stays down: halfway between face and white.
TColor DownFaceColor(TColor face);
// DrawText with the canvas font; a disabled text is drawn embossed in the button shadow and highlight.
void DrawCaption(TCanvas* canvas, const std::string& text, TRect r, unsigned format, bool enabled);

} // namespace zorvy
