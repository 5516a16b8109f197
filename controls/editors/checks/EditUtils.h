#pragma once
// Small routines several standard editors share: rectangle measures, text-drawing flags, a rotated
// font for the label, and tests of values and number texts.
#include <string>

#include "controls/editors/framework/EditAlignment.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Variant.h"
#include "platform/classlib/ControlTypes.h"

namespace zorvy {

class TCanvas;
class TFont;

// Adds each delta to its side (negative deltas shrink or move the rectangle).
void ExtendRect(TRect& rect, int dLeft, int dTop, int dRight, int dBottom);
int NonNegativeRectWidth(const TRect& rect);
int NonNegativeRectHeight(const TRect& rect);
// The top offset that centres a height in the rectangle; negative when it does not fit.
int VertCenterOffset(const TRect& rect, int height);

// Flags for DrawText (windowsFlags) or for the canvas's text-out, one value per input on top of
// startFlags; the tab width itself is not encoded.
int BuildTextFlags(int startFlags, TAlignment horzAlignment, TcxEditVertAlignment vertAlignment,
                   bool showEndEllipsis, bool wordWrap, int tabWidth, bool windowsFlags, bool showAccelChar);

// Gives the canvas the font, turned by angle degrees when it is a TrueType font; answers whether it is.
bool PrepareRotatedFont(TCanvas* canvas, TFont* font, int angle);

bool IsVarNullOrEmpty(const Variant& value);
// Trimmed, a whole 32-bit integer in the runtime's syntax (decimal, or hex after "$", "x" or "0x").
bool IsIntegerText(const std::string& text);
// Trimmed, a plain decimal number: an optional leading minus, digits and at most one locale decimal
// separator; no exponent, no plus sign, no thousands separators.
bool IsFloatText(const std::string& text);

} // namespace zorvy
