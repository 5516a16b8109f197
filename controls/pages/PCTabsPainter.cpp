// "Tabs" and "Flat": the tab geometry with the main tab grown toward its neighbours and into the page,
// the main tab painted first, and the classic and flat outlines with their corner pixels.
#include "controls/pages/PCTabsPainter.h"

#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/pages/PCPainterStyles.h"
#include "controls/pages/TabControl.h"

#include <algorithm>

namespace zorvy {

int TabPaintStyleOf(TcxLookAndFeel* lookAndFeel) {
    if (!lookAndFeel) return -1;
    TcxLookAndFeelPainterClass painter = lookAndFeel->GetPainterForThemeTypes(ThemeKindSet(tokTab));
    return painter ? painter->GetPaintStyle() : psStandard;
}

// ---- TcxPCTabsPainter: class answers ----

bool TcxPCTabsPainter::IsDefaultForLookAndFeel(TcxLookAndFeel* lookAndFeel) {
    const int style = TabPaintStyleOf(lookAndFeel);
    return style == psStandard || style == psNative;
}

bool TcxPCTabsPainter::IsDefaultForNativeStyle(TcxLookAndFeel* lookAndFeel) {
    return lookAndFeel && lookAndFeel->GetNativeStyle();
}

bool TcxPCTabsPainter::IsNativePainting() {
    TcxCustomTabControl* control = GetOwnerControl();
    return !control->HasState(csDestroying) && control->GetLookAndFeel()->GetNativeStyle() && CanUseThemesFor(0) &&
           GetThemeHandle(tokTab) != 0;
}

// ---- sizes ----

void TcxPCTabsPainter::GetTabCorrection(int visibleIndex, TcxPCTabCorrection& correction) {
    correction = TcxPCTabCorrection{};
    TcxTab* tab = TabAt(visibleIndex);
    if (!tab->IsMainTab()) return;
    // The main tab grows 2 pixels at both ends and outward and 1 pixel into the page.
    switch (tab->GetRowSide()) {
    case tpTop:
        correction = {-2, -2, 2, 1};
        break;
    case tpBottom:
        correction = {-2, -1, 2, 2};
        break;
    case tpLeft:
        correction = {-2, -2, 1, 2};
        break;
    case tpRight:
        correction = {-1, -2, 2, 2};
        break;
    }
}

void TcxPCTabsPainter::GetFrameRectOffsets(TRect& insets) {
    TcxPCStandardPainter::GetFrameRectOffsets(insets);
    // The frame line lies under the tabs' lower edge.
    if (!GetControlInfo()->HideTabs() && GetControlInfo()->RowCount() > 0) --insets.Top;
}

void TcxPCTabsPainter::GetImageIndents(int visibleIndex, TRect& indents) {
    TcxPCStandardPainter::GetImageIndents(visibleIndex, indents);
    if (IsLoweredPosition(TabAt(visibleIndex)->GetPaintingPosition())) ++indents.Bottom;
}

void TcxPCTabsPainter::GetImageOnlyIndents(int visibleIndex, int& start, int& end) {
    start = end = 0;
    if (!GetControlInfo()->Rotate() || !TabAt(visibleIndex)->IsMainTab()) return;
    const bool exchanged = IsExchangedPosition(TabAt(visibleIndex)->GetPaintingPosition());
    start = exchanged ? 2 : 1;
    end = exchanged ? 1 : 2;
}

void TcxPCTabsPainter::GetTextIndents(int visibleIndex, TRect& indents) {
    TcxPCStandardPainter::GetTextIndents(visibleIndex, indents);
    if (IsLoweredPosition(TabAt(visibleIndex)->GetPaintingPosition())) ++indents.Bottom;
    TSize image;
    GetRotatedImageSize(image);
    if (TabAt(visibleIndex)->IsMainTab() && image.cx == 0) indents.Left += 2;
}

void TcxPCTabsPainter::GetTextMargins(int visibleIndex, int& start, int& end) {
    if (!IsTabActive(visibleIndex)) {
        start = end = 3;
    } else {
        start = GetControlInfo()->Rotate() ? 4 : 5;
        end = 5;
    }
    if (IsExchangedPosition(TabAt(visibleIndex)->GetPaintingPosition())) std::swap(start, end);
}

void TcxPCTabsPainter::GetTextFittingMargins(int visibleIndex, int& start, int& end) {
    GetTextMargins(visibleIndex, start, end);
}

void TcxPCTabsPainter::GetTabThemeParams(int visibleIndex, int& partId, int& stateId) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    TcxTab* tab = TabAt(visibleIndex);
    stateId = GetTabThemeStateId(visibleIndex);
    const bool main = tab->IsMainTab();
    const bool rowEnds = info.MultiLine() && !info.RaggedRight();
    bool rightEdge =
        rowEnds ? IsLastTabOfRow(visibleIndex) : visibleIndex == GetOwnerControl()->GetVisibleTabs()->Count() - 1;
    if (main && (!info.MultiLine() || info.RaggedRight())) rightEdge = false;
    if (IsFirstTabOfRow(visibleIndex))
        partId = main ? 6 : 2;
    else if (rightEdge)
        partId = main ? 7 : 3;
    else
        partId = main ? 5 : 1;
}

int TcxPCTabsPainter::GetTabContentHeight() {
    return TcxPCStandardPainter::GetTabContentHeight() - (GetControlInfo()->Rotate() ? 2 : 3);
}

int TcxPCTabsPainter::GetButtonHeight() {
    return IsNativePainting() ? 17 : 20;
}

int TcxPCTabsPainter::GetButtonWidth(TcxPCNavigatorButton button) {
    return IsNativePainting() ? 17 : TcxPCStandardPainter::GetButtonWidth(button);
}

void TcxPCTabsPainter::GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) {
    GetFixedGlyphOffset(button, offset);
}

TColor TcxPCTabsPainter::GetTabBodyColor(int visibleIndex) {
    if (TabAt(visibleIndex)->GetHighlighted()) return clHighlight;
    const TColor color = GetTabColor(visibleIndex);
    return color == clDefault ? clBtnFace : color;
}

// ---- region and clip ----

void TcxPCTabsPainter::CalculateTabsRegion(TcxPCNavigatorButtons buttons, TcxPCTabsRegion& region) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    const int extent = buttons != 0 && !info.MultiLine() ? GetNavigatorExtent(buttons) : 0;
    TRect tabs = Rect(0, 0, info.Width(), info.Height());
    const bool atStart = NavigatorAtRowStart();
    if (IsSideTabs())
        (atStart ? tabs.Top += extent : tabs.Bottom -= extent);
    else
        (atStart ? tabs.Left += extent : tabs.Right -= extent);
    TRect layout = tabs;
    if (IsSideTabs()) {
        layout.Top += 2;
        layout.Bottom -= 2;
        (Position() == tpLeft ? layout.Left : layout.Right) += Position() == tpLeft ? 2 : -2;
    } else {
        layout.Left += 2;
        layout.Right -= 2;
        (Position() == tpTop ? layout.Top : layout.Bottom) += Position() == tpTop ? 2 : -2;
    }
    region.TabsBounds = tabs;
    region.LayoutBounds = layout;
    region.RowLength = IsSideTabs() ? layout.Height() : layout.Width();
    region.TopLeftExtension = Position() == tpTop || Position() == tpLeft ? 1 : 0;
    region.BottomRightExtension = Position() == tpBottom || Position() == tpRight ? -1 : 0;
    region.AreaGap = 0;
    CalculateButtonPositions(buttons);
}

TcxRegion* TcxPCTabsPainter::GetTabClipRegion(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    TRect r;
    tab->GetVisibleRect(r);
    if (tab->IsMainTab()) r = ExtendOnPageSide(r, tab->GetRowSide(), 1);
    return TcxRegion::CreateFromRect(r);
}

TcxRegionOperation TcxPCTabsPainter::GetTabClipOperation(int visibleIndex) {
    return TabAt(visibleIndex)->IsMainTab() ? roSet : roIntersect;
}

void TcxPCTabsPainter::InvalidateTab(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    TRect r;
    tab->GetVisibleRect(r);
    InvalidateRect(ExtendOnPageSide(r, tab->GetRowSide(), 1));
}

void TcxPCTabsPainter::RepaintTab(int visibleIndex, TcxPCTabPropertyChanged kind) {
    if (kind == tpcIsMainTab && !TabAt(visibleIndex)->IsMainTab())
        InvalidateTabRow(visibleIndex);
    else
        TcxPCStandardPainter::RepaintTab(visibleIndex, kind);
}

// ---- painting ----

void TcxPCTabsPainter::PaintTabs() {
    int first = 0, last = 0;
    GetPlacedTabRange(GetOwnerControl(), first, last);
    // The main tab's larger shape leaves the clip before its neighbours are drawn.
    const int main = GetControlInfo()->MainTabVisibleIndex();
    if (main >= 0 && TabAt(main)->IsShown()) PaintTab(main);
    for (int v = std::max(first, 0); v <= last; ++v)
        if (v != main) PaintTab(v);
}

void TcxPCTabsPainter::PaintTabShape(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    const TcxTabPosition side = tab->GetRowSide();
    TRect r = FullRect(visibleIndex);
    InflateRect(r, -2, -2);
    r = ExtendOnPageSide(r, side, 2);
    Canvas()->FillRectSolid(r, GetTabBodyColor(visibleIndex));
    if (tab->IsMainTab()) {
        PaintTabFocusRect(visibleIndex, ExtendOnPageSide(r, side, -1));
    } else {
        const TRect beyond = ExtendOnPageSide(r, side, 2);
        TRect strip = beyond;
        switch (side) {
        case tpTop:
            strip.Top = r.Bottom;
            break;
        case tpBottom:
            strip.Bottom = r.Top;
            break;
        case tpLeft:
            strip.Left = r.Right;
            break;
        case tpRight:
            strip.Right = r.Left;
            break;
        }
        Canvas()->FillRectSolid(strip, GetControlInfo()->Color());
    }
    PaintTabBorder(visibleIndex);
}

void TcxPCTabsPainter::PaintTabBorder(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    const TcxTabPosition side = tab->GetRowSide();
    const TRect actual = FullRect(visibleIndex);
    const TRect o = OrientedRect(actual, side);
    const int L = o.Left, T = o.Top, R = o.Right, B = o.Bottom;
    DrawTabLine(actual, side, {{L, B - 1}, {L, T + 2}, {L + 2, T}, {R - 3, T}}, clBtnHighlight);
    DrawTabLine(actual, side, {{L + 1, B - 1}, {L + 1, T + 2}, {L + 2, T + 1}, {R - 3, T + 1}}, cl3DLight);
    DrawTabLine(actual, side, {{R - 1, B - 1}, {R - 1, T + 2}, {R - 2, T + 1}}, cl3DDkShadow);
    DrawTabLine(actual, side, {{R - 2, B - 1}, {R - 2, T + 2}}, clBtnShadow);
    if (tab->IsMainTab()) {
        // The frame's line under the main tab opens into the page.
        const TColor body = GetTabBodyColor(visibleIndex);
        const bool sideways = side == tpLeft || side == tpRight;
        const bool atStartEdge = sideways ? actual.Bottom >= GetControlInfo()->Height() : actual.Left <= 0;
        const bool atEndEdge = sideways ? actual.Top <= 0 : actual.Right >= GetControlInfo()->Width();
        int from = L;
        if (atStartEdge) {
            DrawTabLine(actual, side, {{L, B}, {L, B}}, clBtnHighlight);
            from = L + 1;
        }
        DrawTabLine(actual, side, {{from, B}, {L + 1, B}}, cl3DLight);
        if (atEndEdge) {
            DrawTabLine(actual, side, {{L + 2, B}, {R - 3, B}}, body);
            DrawTabLine(actual, side, {{R - 2, B}, {R - 2, B}}, clBtnShadow);
            DrawTabLine(actual, side, {{R - 1, B}, {R - 1, B}}, cl3DDkShadow);
        } else {
            DrawTabLine(actual, side, {{L + 2, B}, {R - 1, B}}, body);
        }
    }
    PaintTabCorners(visibleIndex);
}

bool TcxPCTabsPainter::IsFirstTabOfRow(int visibleIndex) {
    TcxPCLineIndexBoundsArray rows;
    GetRowTabRanges(GetOwnerControl(), rows);
    for (const TcxPCLineIndexBounds& row : rows)
        if (row.First == visibleIndex) return true;
    return false;
}

bool TcxPCTabsPainter::IsLastTabOfRow(int visibleIndex) {
    TcxPCLineIndexBoundsArray rows;
    GetRowTabRanges(GetOwnerControl(), rows);
    for (const TcxPCLineIndexBounds& row : rows)
        if (row.Last == visibleIndex) return true;
    return false;
}

void TcxPCTabsPainter::GetTabEdgeColors(int visibleIndex, TColor& startColor, TColor& endColor) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    TcxTab* tab = TabAt(visibleIndex);
    // Corners of the outermost rows show the control; inner rows show the tabs behind them.
    const bool outer = (tab->DisplayRow == 0 && info.TopLeftRowCount() > 0) ||
                       (tab->DisplayRow == info.RowCount() - 1 && info.TopLeftRowCount() != info.RowCount());
    if (outer) {
        startColor = endColor = info.Color();
        return;
    }
    startColor = endColor = clBtnFace;
    if (tab->IsMainTab() && !info.Rotate()) {
        if (IsFirstTabOfRow(visibleIndex)) startColor = info.Color();
        if (IsLastTabOfRow(visibleIndex)) endColor = info.Color();
    }
}

void TcxPCTabsPainter::PaintTabCorners(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    const TcxTabPosition side = tab->GetRowSide();
    TColor start, end;
    GetTabEdgeColors(visibleIndex, start, end);
    if ((side == tpLeft || side == tpRight) && GetTextRotation(GetOwnerControl()) != 2) std::swap(start, end);
    const TRect actual = FullRect(visibleIndex);
    const TRect o = OrientedRect(actual, side);
    const int L = o.Left, T = o.Top, R = o.Right;
    DrawTabLine(actual, side, {{L, T + 1}, {L, T}, {L + 1, T}}, start);
    DrawTabLine(actual, side, {{R - 2, T}, {R - 1, T}, {R - 1, T + 1}}, end);
}

// ---- TcxPCFlatPainter ----

bool TcxPCFlatPainter::IsDefaultForLookAndFeel(TcxLookAndFeel* lookAndFeel) {
    return TabPaintStyleOf(lookAndFeel) == psFlat;
}

TcxRegion* TcxPCFlatPainter::GetTabClipRegion(int visibleIndex) {
    TRect r;
    TabAt(visibleIndex)->GetVisibleRect(r);
    return TcxRegion::CreateFromRect(r);
}

void TcxPCFlatPainter::GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) {
    TcxPCTabsPainter::GetButtonGlyphOffset(button, offset);
    offset = {offset.X - 1, offset.Y - 1};
}

void TcxPCFlatPainter::PaintButtonFrame(TRect& bounds, std::uint8_t state) {
    const bool pressed = state == nbsPressed;
    Canvas()->PaintBorders(bounds, pressed ? clBtnShadow : clBtnHighlight, pressed ? clBtnHighlight : clBtnShadow);
    InflateRect(bounds, -1, -1);
}

void TcxPCFlatPainter::PaintFrameBorder(const TRect& r) {
    Canvas()->PaintBorders(r, clBtnHighlight, clBtnShadow);
}

void TcxPCFlatPainter::PaintTabBorder(int visibleIndex) {
    const TcxTabPosition side = TabAt(visibleIndex)->GetRowSide();
    const TRect actual = FullRect(visibleIndex);
    const TRect o = OrientedRect(actual, side);
    const int L = o.Left, T = o.Top, R = o.Right, B = o.Bottom;
    const TColor inner = LightenColor(GetTabBodyColor(visibleIndex), 85);
    const TColor innerShadowSide = side == tpBottom || side == tpRight ? clBtnFace : inner;
    DrawTabLine(actual, side, {{L, B - 1}, {L, T + 2}, {L + 2, T}, {R - 3, T}, {R - 2, T + 1}}, clBtnHighlight);
    DrawTabLine(actual, side, {{R - 1, T + 2}, {R - 1, B - 1}}, clBtnShadow);
    DrawTabLine(actual, side, {{L + 1, B - 1}, {L + 1, T + 2}, {L + 2, T + 1}, {R - 3, T + 1}}, inner);
    DrawTabLine(actual, side, {{R - 3, T + 1}, {R - 2, T + 2}, {R - 2, B - 1}}, innerShadowSide);
    PaintTabCorners(visibleIndex);
}

} // namespace zorvy
