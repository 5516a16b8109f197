// The Office11 colour set, its scheme detection, colour arithmetic, gradients and grip dots.
#include "controls/foundation/lookandfeel/Office11Colors.h"

#include "controls/foundation/graphics/ColorBlend.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "platform/gdi/Drawing.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "platform/classlib/Bitmap.h"
#include "platform/win/SystemInfo.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace zorvy {

namespace {

int scheme = 0;
bool standardScheme = false;
TOffice11Colors colors{};
int references = 0;
bool initialized = false;
HBRUSH gripDarkBrush = nullptr, gripLightBrush = nullptr;
std::unique_ptr<TBitmap> expandMinus, expandPlus;

// Scheme tables as COLORREF (0x00BBGGRR), indexed blue, olive, silver.
struct TSchemeColors {
    COLORREF Face, Tab, Light, Dark, HeaderDarkEdge, HeaderLightEdge, FilterBox, FilterBoxText,
        HighlightBorder, HotLight, HotDark, PressedLight, PressedDark, Glyph, Disabled, GroupByBox1,
        GroupByBox2, ControlBorder, Group, DateSelection, FrameLine, Panel, GroupRow, GroupRowText,
        GroupRowLine, GripDark, GripLight;
};
constexpr TSchemeColors SchemeTable[3] = {
    {0xF5BE9E, 0xF9DAC3, 0xFEECDD, 0xE2A981, 0xCB8C6A, 0xFFF9F1, 0xC9662A, 0xFFFFFF, 0x800000,
     0xCCF4FF, 0x91D0FF, 0x8ED3FF, 0x4E91FE, 0x000000, 0x8D8D8D, 0x913500, 0xE0A47B, 0x962D00,
     0xFBDABE, 0x94E6FB, 0x962D00, 0xFADAC4, 0xC9EEFD, 0xB96837, 0xE0A47B, 0x764127, 0xFFFFFF},
    {0xA7D9D9, 0xE4F0F2, 0xDEF7F4, 0x91C6B7, 0x588060, 0xDEF7F4, 0x5E8674, 0xFFFFFF, 0x385D3F,
     0xCCF4FF, 0x91D0FF, 0x8ED3FF, 0x4E91FE, 0x000000, 0x8D8D8D, 0x6B7760, 0x8FC4B5, 0x5E8D75,
     0x91BAAF, 0x94E6FB, 0x588060, 0xE4F1F2, 0xC9EEFD, 0x548973, 0x8FC4B5, 0x335E51, 0xFFFFFF},
    {0xE5D7D7, 0xF7F3F3, 0xFAF4F3, 0xB59799, 0x8F6D6E, 0xFFFFFF, 0x99797A, 0xFFFFFF, 0x6F4B4B,
     0xCCF4FF, 0x91D0FF, 0x8ED3FF, 0x4E91FE, 0x000000, 0x8D8D8D, 0x927476, 0xB09193, 0x947C7C,
     0xEBE5E5, 0x94E6FB, 0x947C7C, 0xF7F3F3, 0xC9EEFD, 0x916F70, 0xB09193, 0x755454, 0xFFFFFF},
};

// An 11 x 11 box with a plus or a minus: '#' frame, 'o' face, 'x' sign.
void MakeExpandBitmap(std::unique_ptr<TBitmap>& bitmap, bool plus) {
    bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(11, 11);
    const COLORREF frame = ColorToRGB(TColor(Office11Colors().ExpandButtonDark)), face = RGB(255, 255, 255),
                   sign = RGB(0, 0, 0);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) {
            COLORREF c = (x == 0 || y == 0 || x == 10 || y == 10) ? frame : face;
            if (y == 5 && x >= 3 && x <= 7) c = sign;
            if (plus && x == 5 && y >= 3 && y <= 7) c = sign;
            bitmap->ScanLine(y)[x] =
                uint32_t(GetBValue(c)) | uint32_t(GetGValue(c)) << 8 | uint32_t(GetRValue(c)) << 16;
        }
}

void CreateOffice11Brushes() {
    gripDarkBrush = CreateSolidBrush(colors.GripDark);
    gripLightBrush = CreateSolidBrush(colors.GripLight);
    MakeExpandBitmap(expandMinus, false);
    MakeExpandBitmap(expandPlus, true);
}

void DestroyOffice11Brushes() {
    if (gripDarkBrush) DeleteObject(gripDarkBrush);
    if (gripLightBrush) DeleteObject(gripLightBrush);
    gripDarkBrush = gripLightBrush = nullptr;
    expandMinus.reset();
    expandPlus.reset();
}

} // namespace

int GetCurrentOffice11Scheme() {
    return scheme;
}

bool IsOffice11StandardScheme() {
    return standardScheme;
}

int GetOffice11Scheme() {
    if (!CanUseThemesFor(0)) return 0;
    std::string file, color, size;
    if (ThemeGetCurrentName(&file, &color, &size) < 0) return 0;
    const size_t slash = file.find_last_of("/\\");
    const std::string name = AnsiUpperCase(slash == std::string::npos ? file : file.substr(slash + 1));
    if (name != "LUNA.MSSTYLES" && GetVersionEx().majorVersion <= 5) return 0;
    const std::string variant = AnsiUpperCase(color);
    return variant == "NORMALCOLOR" ? 1 : variant == "HOMESTEAD" ? 2 : variant == "METALLIC" ? 3 : 0;
}

const TOffice11Colors& Office11Colors() {
    // A painter may draw before anything took a reference (no system-colour listener yet).
    if (!initialized) InitOffice11Colors();
    return colors;
}

TBitmap* Office11ExpandMinusBitmap() {
    if (!expandMinus) MakeExpandBitmap(expandMinus, false);
    return expandMinus.get();
}

TBitmap* Office11ExpandPlusBitmap() {
    if (!expandPlus) MakeExpandBitmap(expandPlus, true);
    return expandPlus.get();
}

void InitOffice11Colors() {
    initialized = true;
    scheme = GetOffice11Scheme();
    standardScheme = CanUseThemesFor(0) && scheme != 0;
    TOffice11Colors& c = colors;
    if (standardScheme) {
        const TSchemeColors& s = SchemeTable[scheme - 1];
        c = {s.Face,
             s.Tab,
             s.Light,
             s.Dark,
             s.HeaderDarkEdge,
             s.HeaderLightEdge,
             s.FilterBox,
             s.FilterBoxText,
             s.HighlightBorder,
             s.HotLight,
             s.HotDark,
             s.PressedLight,
             s.PressedDark,
             s.Glyph,
             s.Disabled,
             MixColors(TColor(s.GroupByBox1), TColor(s.GroupByBox2), 50),
             s.ControlBorder,
             s.Group,
             s.DateSelection,
             s.FrameLine,
             s.Panel,
             s.GroupRow,
             s.GroupRowText,
             s.GroupRowLine,
             s.GripDark,
             s.GripLight,
             0x9EAEBF,
             0x2E465F};
    } else {
        const COLORREF hot = NearestScreenColor(TColor(BlendSystemColors(-2, 30, 72)));
        const COLORREF pressed = NearestScreenColor(TColor(BlendSystemColors(14, 44, 40)));
        c.Face = ColorToRGB(clBtnFace);
        c.Tab = MixColors(clBtnFace, clWindow, 20);
        c.Light = MixColors(clBtnFace, clWindow, 22);
        c.Dark = MixColors(clBtnFace, clWindow, 96);
        c.HeaderDarkEdge = MixColors(clBtnShadow, clWindow, 70);
        c.HeaderLightEdge = RGB(255, 255, 255);
        c.FilterBox = ColorToRGB(clBtnShadow);
        c.FilterBoxText = ColorToRGB(clBtnHighlight);
        c.HighlightBorder = ColorToRGB(clHighlight);
        c.HotLight = c.HotDark = hot;
        c.PressedLight = c.PressedDark = pressed;
        c.Glyph = ColorToRGB(clBtnText);
        c.Disabled = ColorToRGB(clGrayText);
        c.GroupByBox = MixColors(clBtnShadow, clBtnFace, 50);
        c.ControlBorder = ColorToRGB(clBtnShadow);
        c.Group = ColorToRGB(clBtnFace);
        c.DateSelection = BlendSystemColors(41, 11, 48);
        c.FrameLine = ColorToRGB(clBtnShadow);
        c.Panel = ColorToRGB(clBtnFace);
        c.GroupRow = ColorToRGB(clBtnFace);
        c.GroupRowText = ColorToRGB(clBtnShadow);
        c.GroupRowLine = ColorToRGB(clBtnShadow);
        c.GripDark = MixColors(clBtnShadow, clWindow, 76);
        c.GripLight = ColorToRGB(clWindow);
    }
    // The same in every scheme (table values BFAE9E and 5F462E read as COLORREF).
    c.ExpandButtonLight = 0xBFAE9E;
    c.ExpandButtonDark = 0x5F462E;
}

void CreateOffice11Colors() {
    if (references++ == 0) {
        InitOffice11Colors();
        CreateOffice11Brushes();
    }
}

void RefreshOffice11Colors() {
    InitOffice11Colors();
    if (references > 0) {
        DestroyOffice11Brushes();
        CreateOffice11Brushes();
    }
}

void ReleaseOffice11Colors() {
    if (references == 0) return;
    if (--references == 0) DestroyOffice11Brushes();
}

int Office11ColorsReferences() {
    return references;
}

COLORREF ScaleColorChannels(TColor color, int percent) {
    const COLORREF c = ColorToRGB(color);
    auto scale = [&](uint8_t v) { return uint8_t(std::clamp<int64_t>(Round(v * percent / 100.0), 0, 255)); };
    return RGB(scale(GetRValue(c)), scale(GetGValue(c)), scale(GetBValue(c)));
}

COLORREF MixColors(TColor color1, TColor color2, int percent) {
    const COLORREF a = ColorToRGB(color1), b = ColorToRGB(color2);
    auto mix = [&](uint8_t (*channel)(COLORREF)) {
        return uint8_t(
            std::min(MulDiv(channel(b), 100 - percent, 100) + MulDiv(channel(a), percent, 100), 255));
    };
    return NearestScreenColor(TColor(RGB(mix(GetRValue), mix(GetGValue), mix(GetBValue))));
}

void FillRectByColor(HDC dc, const TRect& r, TColor color) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
    FillRect(dc, r, brush);
    DeleteObject(brush);
}

void FillGradientRect(HDC dc, const TRect& r, TColor from, TColor to, bool horizontal) {
    const COLORREF a = ColorToRGB(from), b = ColorToRGB(to);
    if (a == b) {
        FillRectByColor(dc, r, TColor(a));
        return;
    }
    const int extent = horizontal ? r.Width() : r.Height();
    if (extent <= 0) return;
    const int bands = std::min(extent, 256);
    const int origin = horizontal ? r.Left : r.Top, end = horizontal ? r.Right : r.Bottom;
    int start = origin;
    for (int i = 0; i < bands; ++i) {
        const int stop = origin + MulDiv(i + 1, extent, bands);
        auto channel = [&](uint8_t (*get)(COLORREF)) {
            if (bands == 1) return get(a);
            return uint8_t(get(a) + MulDiv(i, int(get(b)) - int(get(a)), bands - 1));
        };
        const TRect band =
            horizontal ? TRect{start, r.Top, stop, r.Bottom} : TRect{r.Left, start, r.Right, stop};
        if (!IsRectEmpty(band))
            FillRectByColor(dc, band,
                            TColor(RGB(channel(GetRValue), channel(GetGValue), channel(GetBValue))));
        start = stop;
        if (stop >= end) break;
    }
}

namespace {

void DrawGripDot(HDC dc, int x, int y) {
    HBRUSH light = gripLightBrush ? gripLightBrush : CreateSolidBrush(colors.GripLight);
    HBRUSH dark = gripDarkBrush ? gripDarkBrush : CreateSolidBrush(colors.GripDark);
    FillRect(dc, Rect(x + 1, y + 1, x + 3, y + 3), light);
    FillRect(dc, Rect(x, y, x + 2, y + 2), dark);
    if (light != gripLightBrush) DeleteObject(light);
    if (dark != gripDarkBrush) DeleteObject(dark);
}

} // namespace

void DrawGripDots(HDC dc, const TRect& r, bool vertical) {
    const int length = vertical ? r.Height() : r.Width();
    int shift = length % 4;
    if (shift == 2 || shift == 3) shift /= 2;
    TRect cell = Bounds(r.Left, r.Top, 4, 4);
    if (vertical)
        OffsetRect(cell, 0, shift);
    else
        OffsetRect(cell, shift, 0);
    do {
        DrawGripDot(dc, cell.Left, cell.Top);
        if (vertical)
            OffsetRect(cell, 0, 4);
        else
            OffsetRect(cell, 4, 0);
    } while (vertical ? cell.Bottom <= r.Bottom : cell.Right <= r.Right);
}

void DrawGripTriangle(HDC dc, const TRect& r) {
    TRect row = {r.Right - 12, r.Bottom - 3, r.Right, r.Bottom};
    for (int i = 0; i < 3; ++i) {
        DrawGripDots(dc, row, false);
        row.Left += 4;
        OffsetRect(row, 0, -4);
    }
}

} // namespace zorvy
