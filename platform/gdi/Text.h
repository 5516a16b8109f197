#pragma once
// Text output and measuring with the font selected into a context. Text is UTF-8; lengths and positions
// are byte offsets on character boundaries, and a multi-byte character is never split. Measuring and
// drawing use the same shaped runs, so a drawn text covers exactly the extent measured for it.
#include "platform/gdi/DeviceContext.h"

#include <string>
#include <string_view>
#include <vector>

namespace zorvy {

enum : uint8_t { TMPF_FIXED_PITCH = 0x1, TMPF_VECTOR = 0x2, TMPF_TRUETYPE = 0x4 };

struct TEXTMETRIC {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 0;
    int tmOverhang = 0;
    char32_t tmBreakChar = U' ';
    uint8_t tmItalic = 0;
    uint8_t tmUnderlined = 0;
    uint8_t tmStruckOut = 0;
    uint8_t tmPitchAndFamily = 0;
    uint8_t tmCharSet = 0;
};

bool GetTextMetrics(HDC dc, TEXTMETRIC& metrics);
// The family the selected font was mapped to.
std::string GetTextFace(HDC dc);

// The extent of text as one line (no tab expansion, no prefix processing).
bool GetTextExtentPoint32(HDC dc, std::string_view text, TSize& size);
// How many bytes of text fit in maxExtent (when fit is given), and for every byte the extent of the
// text up to the end of the character holding it (when extents is given). size = the whole extent.
bool GetTextExtentExPoint(HDC dc, std::string_view text, int maxExtent, int* fit, std::vector<int>* extents,
                          TSize& size);

// A width that text drawn as one line cannot exceed, found from the advances of its characters alone
// and so without shaping it: for quick answers such as "this line surely fits". -1 when the text holds
// characters other than printable basic Latin, dashes and quotes, and the common Chinese ranges, whose
// shaping could widen it.
int GetTextExtentBound(HDC dc, std::string_view text);

// Output at the point given by the text alignment (top-left by default), in the text colour, with the
// background filled in the background colour when the mode is OPAQUE. Rotated fonts turn the text
// about that point.
bool TextOut(HDC dc, int x, int y, std::string_view text);
enum : unsigned { ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4 };
// ETO_OPAQUE fills r with the background colour first; ETO_CLIPPED limits the text to r.
bool ExtTextOut(HDC dc, int x, int y, unsigned options, const TRect* r, std::string_view text);
// Tabs jump to the given stops (pixels from tabOrigin); with no stops, every 8 average character
// widths; one stop means a stop every that many pixels. Answers the extent drawn.
TSize TabbedTextOut(HDC dc, int x, int y, std::string_view text, const int* tabStops, int tabCount,
                    int tabOrigin);
TSize GetTabbedTextExtent(HDC dc, std::string_view text, const int* tabStops, int tabCount);
// Spreads extra pixels over the break characters of the next text output (0 switches it off).
bool SetTextJustification(HDC dc, int extra, int breakCount);

// Format flags of DrawText.
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_TABSTOP = 0x80,
    DT_NOCLIP = 0x100,
    DT_EXTERNALLEADING = 0x200,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_INTERNAL = 0x1000,
    DT_EDITCONTROL = 0x2000,
    DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000,
    DT_RTLREADING = 0x20000,
    DT_WORD_ELLIPSIS = 0x40000,
    DT_HIDEPREFIX = 0x100000,
    DT_PREFIXONLY = 0x200000,
};

struct DRAWTEXTPARAMS {
    int iTabLength = 8; // in average character widths
    int iLeftMargin = 0;
    int iRightMargin = 0;
    int uiLengthDrawn = 0; // out: bytes processed
};

// Formatted text in r: alignment, line and word breaking ("&" prefixes underline the next character
// unless DT_NOPREFIX; "&&" is a literal ampersand), tabs, ellipses and clipping. With DT_CALCRECT
// nothing is drawn and r's right and bottom are set to the extent the text needs (the same extent it
// covers when drawn). Answers the height of the text, 0 on failure.
int DrawText(HDC dc, std::string_view text, TRect& r, unsigned format);
int DrawTextEx(HDC dc, std::string_view text, TRect& r, unsigned format, DRAWTEXTPARAMS* params);

} // namespace zorvy
