// "Office11": the flat layout in the Office11 scheme colours, with gradient strips, tabs, buttons and
// page (or their 50 % mixes without the gradient option).
#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/pages/PCFlatPainters.h"
#include "controls/pages/PCTabsPainter.h"
#include "controls/pages/TabControl.h"
#include "platform/classlib/Bitmap.h"

namespace zorvy {
namespace {

// The scheme colours the style names.
struct TOffice11TabColors {
    TColor Background1, Background2, Selected1, Selected2, Pressed1, Pressed2, Separator1, Separator2, Border, Glyph,
        DisabledGlyph;
};

TOffice11TabColors SchemeColors() {
    const TOffice11Colors& c = Office11Colors();
    return {static_cast<TColor>(c.Light),       static_cast<TColor>(c.Dark),        static_cast<TColor>(c.HotLight),
            static_cast<TColor>(c.HotDark),     static_cast<TColor>(c.PressedLight), static_cast<TColor>(c.PressedDark),
            static_cast<TColor>(c.GripDark),    static_cast<TColor>(c.GripLight),   static_cast<TColor>(c.ControlBorder),
            static_cast<TColor>(c.Glyph),       static_cast<TColor>(c.Disabled)};
}

} // namespace

TcxPCOffice11Painter::TcxPCOffice11Painter(TcxCustomTabControl* parent) : TcxPCUltraFlatPainter(parent) {
    CreateOffice11Colors();
}

TcxPCOffice11Painter::~TcxPCOffice11Painter() {
    ReleaseOffice11Colors();
}

bool TcxPCOffice11Painter::IsDefaultForLookAndFeel(TcxLookAndFeel* lookAndFeel) {
    return TabPaintStyleOf(lookAndFeel) == psOffice11;
}

TColor TcxPCOffice11Painter::GetBorderColor() {
    return SchemeColors().Border;
}

bool TcxPCOffice11Painter::Gradient() const {
    return GetOwnerControl()->HasOption(pcoGradient);
}

void TcxPCOffice11Painter::FillBand(TcxCanvas* canvas, const TRect& r, TColor first, TColor second, bool vertical) {
    if (Gradient())
        FillGradientRect(canvas->DeviceContext(), r, first, second, vertical);
    else
        canvas->FillRectSolid(r, static_cast<TColor>(MixColors(first, second, 50)));
}

TColor TcxPCOffice11Painter::GetTabBodyColor(int visibleIndex) {
    return TabAt(visibleIndex)->GetHighlighted() ? clHighlight : GetTabColor(visibleIndex);
}

bool TcxPCOffice11Painter::ExcludesOnlyTabContent(int visibleIndex) {
    // The strip's gradient shows through a tab of no colour of its own.
    return !TabAt(visibleIndex)->IsMainTab() && GetTabBodyColor(visibleIndex) == clDefault;
}

bool TcxPCOffice11Painter::RedrawsOnResize() {
    return GetOwnerControl()->HasOption(pcoGradient) && GetOwnerControl()->HasOption(pcoGradientClientArea);
}

bool TcxPCOffice11Painter::HasFarRowsWithoutFrame() {
    return GetControlInfo()->HasOppositeRows() && !HasFrame() && !GetControlInfo()->HideTabs();
}

void TcxPCOffice11Painter::GetClientRectOffsets(TRect& insets) {
    TcxPCExtraFlatPainter::GetClientRectOffsets(insets);
    if (HasFarRowsWithoutFrame()) ++insets.Bottom;
}

void TcxPCOffice11Painter::PaintPageClientArea() {
    TRect r;
    GetPageClientRect(r);
    auto* page = dynamic_cast<TControl*>(GetControlInfo()->ActivePage());
    if (page && !page->GetParentColor()) {
        Canvas()->FillRectSolid(r, page->GetColor());
        return;
    }
    const TOffice11TabColors c = SchemeColors();
    if (Gradient() && GetOwnerControl()->HasOption(pcoGradientClientArea))
        FillGradientRect(Canvas()->DeviceContext(), r, c.Background1, c.Background2, false);
    else
        Canvas()->FillRectSolid(r, static_cast<TColor>(MixColors(c.Background1, c.Background2, 50)));
}

void TcxPCOffice11Painter::PaintPageArea() {
    if (HasFarRowsWithoutFrame()) {
        TRect r;
        GetPageFrameRect(r);
        const TcxTabPosition far = Position();
        PaintSideLine(r, far == tpTop ? tpBottom : far == tpBottom ? tpTop : far == tpLeft ? tpRight : tpLeft,
                      GetBorderColor());
    }
    TcxPCExtraFlatPainter::PaintPageArea();
}

void TcxPCOffice11Painter::PaintFrame() {
    TRect r;
    GetPageClientRect(r);
    InflateRect(r, 1, 1);
    Canvas()->FrameRectSides(r, GetBorderColor());
}

TColor TcxPCOffice11Painter::GetRowBandColor() {
    const int main = GetControlInfo()->MainTabVisibleIndex();
    if (main >= 0 && GetTabColor(main) != clDefault) return GetTabColor(main);
    const TOffice11TabColors c = SchemeColors();
    if (!Gradient()) return static_cast<TColor>(MixColors(c.Selected1, c.Selected2, 50));
    return Position() == tpBottom || Position() == tpRight ? c.Selected1 : c.Selected2;
}

void TcxPCOffice11Painter::GetRowBandRect(TRect& r) {
    r = TRect{};
    if (GetControlInfo()->HideTabs() || GetControlInfo()->RowCount() == 0) return;
    TRect frame;
    GetPageFrameRect(frame);
    switch (Position()) {
    case tpTop:
        r = Rect(frame.Left, frame.Top, frame.Right, frame.Top + 2);
        break;
    case tpBottom:
        r = Rect(frame.Left, frame.Bottom - 2, frame.Right, frame.Bottom);
        break;
    case tpLeft:
        r = Rect(frame.Left, frame.Top, frame.Left + 2, frame.Bottom);
        break;
    case tpRight:
        r = Rect(frame.Right - 2, frame.Top, frame.Right, frame.Bottom);
        break;
    }
}

void TcxPCOffice11Painter::GetSeparatorIndents(int& start, int& end) {
    const bool bottomRight = Position() == tpBottom || Position() == tpRight;
    start = bottomRight ? 3 : 0;
    end = bottomRight ? -1 : 2;
}

void TcxPCOffice11Painter::PaintTabSeparator(const TRect& r) {
    const TOffice11TabColors c = SchemeColors();
    const TRect dark = Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1);
    const TRect light = Rect(r.Left + 1, r.Top + 1, r.Right, r.Bottom);
    Canvas()->FillRectSolid(dark, c.Separator1);
    Canvas()->ClipExcludeRect(dark);
    Canvas()->FillRectSolid(light, c.Separator2);
    Canvas()->ClipExcludeRect(light);
}

void TcxPCOffice11Painter::PaintRowBorder(const TRect& r, int) {
    PaintRowLines(r, {GetBorderColor()});
}

void TcxPCOffice11Painter::PaintTabBackground(TcxCanvas* canvas, const TRect& r, int visibleIndex) {
    PaintOffice11Background(canvas, r, false, IsSideTabs(), visibleIndex);
}

void TcxPCOffice11Painter::PaintOffice11Background(TcxCanvas* canvas, TRect r, bool flip, bool vertical,
                                                   int visibleIndex) {
    const TOffice11TabColors c = SchemeColors();
    const bool main = visibleIndex >= 0 && TabAt(visibleIndex)->IsMainTab();
    if (visibleIndex == -1 || GetTabBodyColor(visibleIndex) == clDefault) {
        TColor first = main ? c.Selected1 : c.Background1, second = main ? c.Selected2 : c.Background2;
        if (flip) std::swap(first, second);
        FillBand(canvas, r, first, second, vertical);
        return;
    }
    if (!main) {
        // A tab of its own colour keeps the strip's edge toward the page.
        const bool topLeft = Position() == tpTop || Position() == tpLeft;
        const TcxTabPosition pageSide = Position() == tpTop ? tpBottom : Position() == tpBottom ? tpTop
                                        : Position() == tpLeft ? tpRight : tpLeft;
        PaintSideLine(r, pageSide, topLeft ? c.Background2 : c.Background1);
        r = ExtendOnPageSide(r, Position(), -1);
    }
    canvas->FillRectSolid(r, GetTabBodyColor(visibleIndex));
}

void TcxPCOffice11Painter::PaintBitmapBackground(TBitmap* bitmap, const TRect& textRect, int visibleIndex) {
    TRect row;
    GetTabRowRect(visibleIndex, false, row);
    bool alongX = false, reversed = false;
    const TRect r = ToCaptionBitmap(row, textRect, IsSideTabs(), alongX, reversed);
    TcxCanvas canvas(bitmap->GetCanvas());
    PaintOffice11Background(&canvas, r, reversed, alongX, visibleIndex);
}

TColor TcxPCOffice11Painter::GetButtonGlyphColor(std::uint8_t state) {
    return state == nbsDisabled ? SchemeColors().DisabledGlyph : SchemeColors().Glyph;
}

void TcxPCOffice11Painter::PaintButtonFrame(TRect& bounds, std::uint8_t state) {
    const bool enabled = GetOwnerControl()->GetEnabled() && state != nbsDisabled;
    Canvas()->FrameRectSides(bounds, enabled ? GetBorderColor() : SchemeColors().DisabledGlyph);
    InflateRect(bounds, -1, -1);
}

void TcxPCOffice11Painter::PaintButtonBackground(const TRect& bounds, std::uint8_t state) {
    if (!ClipToRect(bounds, true)) return;
    // The gradient runs over the strip of the first row, so that buttons line up with it.
    TRect band = bounds;
    int first = 0, last = 0;
    GetPlacedTabRange(GetOwnerControl(), first, last);
    if (first >= 0 && last >= first) {
        TRect strip;
        GetTabRowRect(first, true, strip);
        if (IsSideTabs())
            band.Left = strip.Left, band.Right = strip.Right;
        else
            band.Top = strip.Top, band.Bottom = strip.Bottom;
    }
    const TOffice11TabColors c = SchemeColors();
    if (state == nbsHotTrack)
        FillBand(Canvas(), band, c.Selected1, c.Selected2, IsSideTabs());
    else if (state == nbsPressed)
        FillBand(Canvas(), band, c.Pressed1, c.Pressed2, IsSideTabs());
    else
        PaintTabBackground(Canvas(), band, -1);
    RestoreClipRegion();
}

} // namespace zorvy
