#pragma once
// The Office11 colour set shared by the Office11 painter and a few editor, grid and page-control
// routines: fixed tables for the blue, olive and silver variants of the stock visual style, colours
// derived from the system colours otherwise (always here: there are no visual styles). Also colour
// arithmetic, a banded gradient fill and the dotted size grip.
#include "platform/gdi/Colors.h"
#include "platform/gdi/DeviceContext.h"

namespace zorvy {

class TBitmap;

// 0 classic, 1 blue, 2 olive, 3 silver: found at the last refresh.
int GetCurrentOffice11Scheme();
bool IsOffice11StandardScheme();
// Detects the scheme now.
int GetOffice11Scheme();

// The colours (RGB values), valid while the set is referenced and afterwards as last computed.
struct TOffice11Colors {
    COLORREF Face, Tab, Light, Dark, HeaderDarkEdge, HeaderLightEdge, FilterBox, FilterBoxText,
        HighlightBorder, HotLight, HotDark, PressedLight, PressedDark, Glyph, Disabled, GroupByBox,
        ControlBorder, Group, DateSelection, FrameLine, Panel, GroupRow, GroupRowText, GroupRowLine, GripDark,
        GripLight, ExpandButtonLight, ExpandButtonDark;
};
const TOffice11Colors& Office11Colors();
// The 11 x 11 expand-button pictures (minus and plus), made when the set is first referenced.
TBitmap* Office11ExpandMinusBitmap();
TBitmap* Office11ExpandPlusBitmap();

void InitOffice11Colors();
// Reference counting: the first reference computes the set and makes the brushes and pictures.
void CreateOffice11Colors();
void RefreshOffice11Colors();
void ReleaseOffice11Colors();
int Office11ColorsReferences();

// Each channel times percent / 100, halves to even.
COLORREF ScaleColorChannels(TColor color, int percent);
// percent of color1 and the rest of color2, per channel, as the screen shows it.
COLORREF MixColors(TColor color1, TColor color2, int percent);
// Up to 256 bands from `from` to `to`, left to right (horizontal) or top to bottom.
void FillGradientRect(HDC dc, const TRect& r, TColor from, TColor to, bool horizontal);
void FillRectByColor(HDC dc, const TRect& r, TColor color);
// 2 x 2 dark dots with their light companions one pixel down and right, every 4 pixels.
void DrawGripDots(HDC dc, const TRect& r, bool vertical);
// Rows of 3, 2 and 1 dots in the bottom-right corner.
void DrawGripTriangle(HDC dc, const TRect& r);

} // namespace zorvy
