#pragma once
// Drawing objects: pens, brushes and fonts, the stock objects, and the object routines
// (GetObject, DeleteObject) shared with bitmaps and regions.
#include "platform/gdi/Colors.h"
#include "platform/gdi/Handles.h"

#include <array>
#include <memory>
#include <string>

namespace zorvy {

// Pen styles.
enum : int {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
};
// Brush styles and hatch styles.
enum : int { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1, BS_HATCHED = 2, BS_PATTERN = 3 };
enum : int {
    HS_HORIZONTAL = 0,
    HS_VERTICAL = 1,
    HS_FDIAGONAL = 2,
    HS_BDIAGONAL = 3,
    HS_CROSS = 4,
    HS_DIAGCROSS = 5
};
// Font weights, character sets, precision and pitch values of the logical-font record.
enum : int {
    FW_DONTCARE = 0,
    FW_THIN = 100,
    FW_LIGHT = 300,
    FW_NORMAL = 400,
    FW_MEDIUM = 500,
    FW_SEMIBOLD = 600,
    FW_BOLD = 700,
    FW_HEAVY = 900
};
enum : uint8_t {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    GB2312_CHARSET = 134,
    CHINESEBIG5_CHARSET = 136,
    ARABIC_CHARSET = 178,
    OEM_CHARSET = 255
};
enum : uint8_t { OUT_DEFAULT_PRECIS = 0, OUT_TT_PRECIS = 4, OUT_TT_ONLY_PRECIS = 7 };
enum : uint8_t { DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2 };
// Output quality: NONANTIALIASED_QUALITY draws glyphs with hard edges (only full and empty pixels).
enum : uint8_t { DEFAULT_QUALITY = 0, NONANTIALIASED_QUALITY = 3, ANTIALIASED_QUALITY = 4 };

struct LOGPEN {
    int lopnStyle = PS_SOLID;
    int lopnWidth = 0; // 0 and 1 both draw one pixel wide
    COLORREF lopnColor = 0;
};

struct LOGBRUSH {
    int lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    int lbHatch = 0;
};

struct LOGFONT {
    int lfHeight = 0; // < 0: character height in pixels; > 0: cell height; 0: default size
    int lfWidth = 0;
    int lfEscapement = 0; // tenths of a degree, counter-clockwise
    int lfOrientation = 0;
    int lfWeight = FW_NORMAL;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = DEFAULT_CHARSET;
    uint8_t lfOutPrecision = OUT_DEFAULT_PRECIS;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = DEFAULT_PITCH;
    std::string lfFaceName; // UTF-8
    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

class TPenObject : public TGdiObject {
  public:
    explicit TPenObject(const LOGPEN& pen) : TGdiObject(TGdiObjectKind::Pen), logPen(pen) {}
    LOGPEN logPen;
};

class TBrushObject : public TGdiObject {
  public:
    TBrushObject() : TGdiObject(TGdiObjectKind::Brush) {}
    ~TBrushObject() override;
    LOGBRUSH logBrush;
    int sysColorIndex = -1;        // >= 0: the colour follows this system colour
    std::array<uint8_t, 8> mono{}; // 8x8 monochrome pattern rows, bit 7 = leftmost; 1 = background colour
    HBITMAP pattern = nullptr;     // colour pattern bitmap (owned reference)
    bool monoPattern = false;
    COLORREF Color() const;
};

struct TFontData; // the mapped face, its metrics and its layout cache

class TFontObject : public TGdiObject {
  public:
    explicit TFontObject(const LOGFONT& font);
    ~TFontObject() override;
    LOGFONT logFont;
    TFontData& Data();

  private:
    std::shared_ptr<TFontData> data_; // shared by every font of the same logical record
};

HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN& pen);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatchStyle, COLORREF color);
// A bitmap pattern brush; a monochrome bitmap gives a pattern drawn in the text and background
// colours of the context, any other bitmap is tiled as it is. The brush keeps its own reference.
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH& brush);
// A stock brush that always paints the current value of the system colour.
HBRUSH GetSysColorBrush(int index);
HFONT CreateFontIndirect(const LOGFONT& font);

// Stock objects.
enum : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = 5,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    ANSI_FIXED_FONT = 11,
    ANSI_VAR_FONT = 12,
    SYSTEM_FONT = 13,
    DEFAULT_GUI_FONT = 17,
};
HGDIOBJ GetStockObject(int index);

bool GetObject(HPEN pen, LOGPEN& out);
bool GetObject(HBRUSH brush, LOGBRUSH& out);
bool GetObject(HFONT font, LOGFONT& out);

} // namespace zorvy
