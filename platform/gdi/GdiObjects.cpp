#include "platform/gdi/GdiObjects.h"

#include "platform/gdi/Bitmaps.h"

#include <array>

namespace zorvy {

void TGdiObject::Release() {
    if (stock_) return;
    if (--refs_ == 0) delete this;
}

TBrushObject::~TBrushObject() {
    if (pattern) pattern->Release();
}

COLORREF TBrushObject::Color() const {
    return sysColorIndex >= 0 ? GetSysColor(sysColorIndex) : logBrush.lbColor;
}

namespace {

// Colours passed where a plain RGB value is expected may still be system colours; resolve them.
COLORREF PlainColor(COLORREF color) {
    return ColorToRGB(TColor(color));
}

} // namespace

HPEN CreatePen(int style, int width, COLORREF color) {
    return CreatePenIndirect({style, width, color});
}

HPEN CreatePenIndirect(const LOGPEN& pen) {
    LOGPEN p = pen;
    if (p.lopnStyle < PS_SOLID || p.lopnStyle > PS_INSIDEFRAME) p.lopnStyle = PS_SOLID;
    if (p.lopnWidth < 0) p.lopnWidth = 0;
    p.lopnColor = PlainColor(p.lopnColor);
    return new TPenObject(p);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return CreateBrushIndirect({BS_SOLID, color, 0});
}

HBRUSH CreateHatchBrush(int hatchStyle, COLORREF color) {
    return CreateBrushIndirect({BS_HATCHED, color, hatchStyle});
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0 || !bitmap->Valid()) return nullptr;
    auto* brush = new TBrushObject;
    brush->logBrush = {BS_PATTERN, 0, 0};
    brush->monoPattern = bitmap->bitsPerPixel == 1;
    if (brush->monoPattern && bitmap->width >= 8 && bitmap->height >= 8) {
        for (int y = 0; y < 8; ++y) {
            uint8_t row = 0;
            for (int x = 0; x < 8; ++x)
                if (bitmap->Row(y)[x] & 0xFFFFFF) row |= uint8_t(0x80 >> x);
            brush->mono[size_t(y)] = row;
        }
    } else {
        brush->monoPattern = false;
    }
    bitmap->AddRef();
    brush->pattern = bitmap;
    return brush;
}

HBRUSH CreateBrushIndirect(const LOGBRUSH& lb) {
    auto* brush = new TBrushObject;
    brush->logBrush = lb;
    brush->logBrush.lbColor = PlainColor(lb.lbColor);
    if (lb.lbStyle == BS_HATCHED && (lb.lbHatch < HS_HORIZONTAL || lb.lbHatch > HS_DIAGCROSS))
        brush->logBrush.lbStyle = BS_SOLID;
    if (lb.lbStyle < BS_SOLID || lb.lbStyle > BS_HATCHED) brush->logBrush.lbStyle = BS_SOLID;
    return brush;
}

HBRUSH GetSysColorBrush(int index) {
    // Plain arrays: stock objects live until the process ends, and stay reachable until then.
    static std::array<HBRUSH, SystemColorCount> brushes = [] {
        std::array<HBRUSH, SystemColorCount> list{};
        for (int i = 0; i < SystemColorCount; ++i) {
            auto* brush = new TBrushObject;
            brush->sysColorIndex = i;
            brush->MarkStock();
            list[size_t(i)] = brush;
        }
        return list;
    }();
    if (index < 0 || index >= SystemColorCount) return nullptr;
    return brushes[size_t(index)];
}

HFONT CreateFontIndirect(const LOGFONT& font) {
    return new TFontObject(font);
}

HGDIOBJ GetStockObject(int index) {
    static std::array<HGDIOBJ, size_t(DEFAULT_GUI_FONT) + 1> objects = [] {
        std::array<HGDIOBJ, size_t(DEFAULT_GUI_FONT) + 1> list{};
        auto brush = [](COLORREF c) { return CreateSolidBrush(c); };
        list[WHITE_BRUSH] = brush(RGB(255, 255, 255));
        list[LTGRAY_BRUSH] = brush(RGB(192, 192, 192));
        list[GRAY_BRUSH] = brush(RGB(128, 128, 128));
        list[DKGRAY_BRUSH] = brush(RGB(64, 64, 64));
        list[BLACK_BRUSH] = brush(0);
        list[NULL_BRUSH] = CreateBrushIndirect({BS_NULL, 0, 0});
        list[WHITE_PEN] = CreatePen(PS_SOLID, 0, RGB(255, 255, 255));
        list[BLACK_PEN] = CreatePen(PS_SOLID, 0, 0);
        list[NULL_PEN] = CreatePen(PS_NULL, 0, 0);
        LOGFONT variable;
        variable.lfHeight = -11;
        variable.lfFaceName = "Tahoma";
        LOGFONT fixed = variable;
        fixed.lfFaceName = "Courier New";
        fixed.lfPitchAndFamily = FIXED_PITCH;
        list[ANSI_FIXED_FONT] = CreateFontIndirect(fixed);
        list[ANSI_VAR_FONT] = CreateFontIndirect(variable);
        list[SYSTEM_FONT] = CreateFontIndirect(variable);
        list[DEFAULT_GUI_FONT] = CreateFontIndirect(variable);
        for (HGDIOBJ object : list)
            if (object) object->MarkStock();
        return list;
    }();
    if (index < 0 || size_t(index) >= objects.size()) return nullptr;
    return objects[size_t(index)];
}

bool DeleteObject(HGDIOBJ object) {
    if (!object) return false;
    if (object->IsStock()) return true;
    if (object->Deleted()) return false;
    object->MarkDeleted();
    object->Release();
    return true;
}

bool GetObject(HPEN pen, LOGPEN& out) {
    if (!pen) return false;
    out = pen->logPen;
    return true;
}

bool GetObject(HBRUSH brush, LOGBRUSH& out) {
    if (!brush) return false;
    out = brush->logBrush;
    out.lbColor = brush->Color();
    return true;
}

bool GetObject(HFONT font, LOGFONT& out) {
    if (!font) return false;
    out = font->logFont;
    return true;
}

} // namespace zorvy
