// "ExtraFlat" and "UltraFlat": sizes, the tabs region between the navigator and the row ends, the
// strips, separators, main-tab outline, row band and frame lines, and the small navigator buttons.
#include "controls/pages/PCFlatPainters.h"

#include "controls/pages/PCPainterStyles.h"
#include "controls/pages/PCTabsPainter.h"
#include "controls/pages/TabControl.h"

#include <algorithm>

namespace zorvy {

// ---- sizes ----

int TcxPCExtraFlatPainter::GetTabContentExtraWidth(int visibleIndex) {
    if (!HasImages() || (visibleIndex != -1 && !TabHasImage(visibleIndex) && !GetControlInfo()->Rotate())) return 0;
    TSize size;
    GetImageSize(size);
    return size.cx + 2 * GetControlInfo()->ImageBorder() + 4;
}

int TcxPCExtraFlatPainter::CalculateTabNormalWidth(TcxTab* tab) {
    const int visibleIndex = tab->GetVisibleIndex();
    int width = GetControlInfo()->TabWidth();
    if (width < 1) {
        width = GetTabContentExtraWidth(visibleIndex);
        if (tab->GetCaption().empty()) {
            width += 12;
        } else {
            TSize size;
            GetTextSize(tab, tab->GetCaption(), nullptr, size);
            width += size.cx + 9;
        }
    }
    return std::max(width, GetMinTabNormalWidth(visibleIndex));
}

int TcxPCExtraFlatPainter::CalculateTabNormalHeight() {
    int h = std::max(GetTabContentHeight(), GetMinTabNormalHeight());
    TSize image;
    GetImageSize(image);
    if (GetControlInfo()->Rotate() && image.cy > 0 && (h - image.cy) % 2 != 0) ++h;
    // The tab height counts the strip's edges, which the row does not.
    const int floor = GetControlInfo()->TabHeight() - 4;
    if (floor >= GetMinTabNormalHeight()) h = std::max(h, floor);
    return h;
}

void TcxPCExtraFlatPainter::GetTabCorrection(int visibleIndex, TcxPCTabCorrection& correction) {
    correction = TabAt(visibleIndex)->IsMainTab() ? TcxPCTabCorrection{-1, -1, 1, 1} : TcxPCTabCorrection{};
}

void TcxPCExtraFlatPainter::GetImageIndents(int visibleIndex, TRect& indents) {
    indents = Rect(TabAt(visibleIndex)->IsMainTab() ? 3 : 2, 0, 0, 0);
}

void TcxPCExtraFlatPainter::GetTextIndents(int visibleIndex, TRect& indents) {
    const bool main = TabAt(visibleIndex)->IsMainTab();
    indents = Rect(main ? 6 : 5, 2, 3, 0);
    const int position = TabAt(visibleIndex)->GetPaintingPosition();
    if (position == 5 || position == 7 || position == 10) indents.Top = indents.Bottom = 0;
    TSize image;
    GetRotatedImageSize(image);
    if (image.cx > 0) indents.Left += main ? 1 : 2;
}

void TcxPCExtraFlatPainter::GetTextMargins(int visibleIndex, int& start, int& end) {
    start = end = TabAt(visibleIndex)->IsMainTab() ? 3 : 2;
}

void TcxPCExtraFlatPainter::GetTextFittingMargins(int visibleIndex, int& start, int& end) {
    GetTextMargins(visibleIndex, start, end);
}

void TcxPCExtraFlatPainter::GetTabsNormalDistance(int& betweenTabs, int& betweenRows) {
    betweenTabs = GetTabsGap();
    betweenRows = GetRowIndent() + 3;
    if (GetControlInfo()->Rotate()) std::swap(betweenTabs, betweenRows);
}

TColor TcxPCExtraFlatPainter::GetClientColor() {
    const int main = GetControlInfo()->MainTabVisibleIndex();
    return main < 0 ? clBtnFace : GetControlInfo()->PageColor(main);
}

void TcxPCExtraFlatPainter::GetClientRectOffsets(TRect& insets) {
    TcxPCStandardPainter::GetClientRectOffsets(insets);
    if (!GetControlInfo()->HideTabs() && GetControlInfo()->RowCount() > 0) insets.Top += 2;
    AdjustClientRectOffsets(insets);
}

void TcxPCExtraFlatPainter::AdjustClientRectOffsets(TRect& offsets) {
    if (HasFrame() && !GetControlInfo()->HideTabs() && GetControlInfo()->RowCount() > 0) --offsets.Top;
}

void TcxPCExtraFlatPainter::GetFrameRectOffsets(TRect& insets) {
    TcxPCStandardPainter::GetFrameRectOffsets(insets);
    if (!GetControlInfo()->HideTabs() && GetControlInfo()->HasOppositeRows()) insets.Bottom += 3;
}

TColor TcxPCExtraFlatPainter::GetTabBodyColor(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    if (tab->GetHighlighted()) return clHighlight;
    const TColor color = GetTabColor(visibleIndex);
    if (color != clDefault) return color;
    return tab->IsMainTab() ? clBtnFace : LightBtnFaceColor();
}

TColor TcxPCExtraFlatPainter::GetLightColor() {
    return LightBtnFaceColor();
}

// ---- navigator buttons ----

int TcxPCExtraFlatPainter::GetButtonsDistance(TcxPCNavigatorButton b1, TcxPCNavigatorButton b2) {
    const bool goDialog = b1 == nbGoDialog || b2 == nbGoDialog;
    const bool close = b1 == nbClose || b2 == nbClose;
    return goDialog && !close ? 0 : 3;
}

TColor TcxPCExtraFlatPainter::GetButtonColor(std::uint8_t state) {
    return state == nbsPressed || state == nbsHotTrack ? clBtnFace : GetLightColor();
}

TColor TcxPCExtraFlatPainter::GetButtonGlyphColor(std::uint8_t state) {
    if (!GetOwnerControl()->GetEnabled() || state == nbsDisabled) return clBtnShadow;
    return state == nbsPressed ? clBtnHighlight : clBtnText;
}

void TcxPCExtraFlatPainter::GetButtonGlyphParams(TcxPCNavigatorButton button, TcxPCButtonGlyphParams& params) {
    TcxPCStandardPainter::GetButtonGlyphParams(button, params);
    const std::uint8_t state = GetControlInfo()->ButtonState(button);
    params.Enabled = true;
    params.SmallCloseGlyph = button == nbClose || !GetOwnerControl()->GetEnabled() || state == nbsDisabled;
    // A disabled arrow is drawn as an outline.
    if (params.SmallCloseGlyph) params.FillColor = LightBtnFaceColor();
}

void TcxPCExtraFlatPainter::GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) {
    switch (button) {
    case nbGoDialog:
        offset = {3, GetControlInfo()->ButtonState(button) == nbsPressed ? 5 : 4};
        return;
    case nbClose:
        offset = IsSideTabs() ? TPoint{3, 2} : TPoint{2, 3};
        return;
    default:
        switch (ArrowOfButton(button)) {
        case pcaUp:
            offset = {2, 5};
            break;
        case pcaDown:
            offset = {2, 3};
            break;
        case pcaLeft:
            offset = {5, 2};
            break;
        case pcaRight:
            offset = {3, 2};
            break;
        }
    }
}

void TcxPCExtraFlatPainter::PaintButtonFrame(TRect& bounds, std::uint8_t state) {
    if (state == nbsHotTrack || state == nbsPressed) PaintEdges3D(bounds, state == nbsPressed, true);
    InflateRect(bounds, -1, -1);
}

// ---- the tabs region ----

void TcxPCExtraFlatPainter::CalculateTabsRegion(TcxPCNavigatorButtons buttons, TcxPCTabsRegion& region) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    const int n = GetNavigatorExtent(buttons);
    const int w = info.Width(), h = info.Height();
    int outer = 3, pageSide = 0;
    if (ShiftsRowsByFrame()) {
        outer += GetFrameWidth();
        pageSide = GetFrameWidth();
    }
    TRect layout;
    switch (Position()) {
    case tpTop:
        layout = Rect(6, outer, w - 6, h - pageSide);
        break;
    case tpBottom:
        layout = Rect(6, pageSide, w - 6, h - outer);
        break;
    case tpLeft:
        layout = Rect(outer, 6, w - pageSide, h - 6);
        break;
    case tpRight:
        layout = Rect(pageSide, 6, w - outer, h - 6);
        break;
    }
    const bool atStart = NavigatorAtRowStart();
    if (IsSideTabs())
        (atStart ? layout.Top += n : layout.Bottom -= n);
    else
        (atStart ? layout.Left += n : layout.Right -= n);
    TRect tabs = layout;
    if (IsSideTabs()) {
        tabs.Top -= 1;
        tabs.Bottom += 1;
        (Position() == tpLeft ? tabs.Left -= 1 : tabs.Right += 1);
    } else {
        tabs.Left -= 1;
        tabs.Right += 1;
        (Position() == tpTop ? tabs.Top -= 1 : tabs.Bottom += 1);
    }
    region.LayoutBounds = layout;
    region.TabsBounds = tabs;
    region.RowLength = (IsSideTabs() ? h : w) - n - 12;
    region.TopLeftExtension = Position() == tpTop || Position() == tpLeft ? 1 : 0;
    region.BottomRightExtension = Position() == tpBottom || Position() == tpRight ? -1 : 0;
    int betweenTabs = 0, betweenRows = 0;
    GetTabsNormalDistance(betweenTabs, betweenRows);
    region.AreaGap = betweenRows - 1;
    CalculateButtonPositions(buttons);
}

// ---- rectangles of rows, band and focus ----

void TcxPCExtraFlatPainter::GetMainTabFocusBounds(TRect& r) {
    const int main = GetControlInfo()->MainTabVisibleIndex();
    if (main < 0) {
        r = TRect{};
        return;
    }
    r = FullRect(main);
    switch (Position()) {
    case tpTop:
        r = Rect(r.Left, r.Top, r.Right - 1, r.Bottom + 1);
        break;
    case tpBottom:
        r = Rect(r.Left + 1, r.Top - 1, r.Right - 1, r.Bottom - 1);
        break;
    case tpLeft:
        r = Rect(r.Left, r.Top, r.Right + 1, r.Bottom - 1);
        break;
    case tpRight:
        r = Rect(r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        break;
    }
}

TColor TcxPCExtraFlatPainter::GetRowBandColor() {
    const int main = GetControlInfo()->MainTabVisibleIndex();
    if (main < 0) return clBtnFace;
    const TColor color = GetTabColor(main);
    return color == clDefault ? clBtnFace : color;
}

void TcxPCExtraFlatPainter::GetRowBandRect(TRect& r) {
    r = TRect{};
    if (GetControlInfo()->HideTabs() || GetControlInfo()->RowCount() == 0) return;
    TRect client;
    GetPageClientRect(client);
    switch (Position()) {
    case tpTop:
        r = Rect(client.Left, client.Top - 2, client.Right, client.Top);
        break;
    case tpBottom:
        r = Rect(client.Left, client.Bottom, client.Right, client.Bottom + 2);
        break;
    case tpLeft:
        r = Rect(client.Left - 2, client.Top, client.Left, client.Bottom);
        break;
    case tpRight:
        r = Rect(client.Right, client.Top, client.Right + 2, client.Bottom);
        break;
    }
}

void TcxPCExtraFlatPainter::GetTabRowRect(int visibleIndex, bool wholeRow, TRect& r) {
    TcxTab* tab = TabAt(visibleIndex);
    const TcxTabPosition side = tab->GetRowSide();
    if (wholeRow || !tab->IsMainTab()) {
        tab->GetNormalRect(r);
        const int indent = GetRowIndent();
        switch (side) {
        case tpTop:
            r = Rect(r.Left, r.Top - 3, r.Right, r.Bottom + indent);
            break;
        case tpBottom:
            r = Rect(r.Left, r.Top - indent, r.Right, r.Bottom + 3);
            break;
        case tpLeft:
            r = Rect(r.Left - 3, r.Top, r.Right + indent, r.Bottom);
            break;
        case tpRight:
            r = Rect(r.Left - indent, r.Top, r.Right + 3, r.Bottom);
            break;
        }
        return;
    }
    r = ExtendOnPageSide(FullRect(visibleIndex), side, 1);
    InflateRect(r, -1, -1);
}

bool TcxPCExtraFlatPainter::IsRowNextToPage(int row) {
    const int main = GetControlInfo()->MainTabVisibleIndex();
    if (main >= 0) return TabAt(main)->Row == row;
    const bool topLeft = Position() == tpTop || Position() == tpLeft;
    return topLeft ? row == GetControlInfo()->RowCount() - 1 : row == 0;
}

// ---- painting ----

void TcxPCExtraFlatPainter::PaintContent() {
    PaintPageArea();
    if (GetControlInfo()->HideTabs()) return;
    PaintButtons();
    PaintTabs();
}

void TcxPCExtraFlatPainter::RepaintTab(int visibleIndex, TcxPCTabPropertyChanged kind) {
    TcxTab* tab = TabAt(visibleIndex);
    if (IsVerticalTextLayout(GetOwnerControl())) tab->FreeCaptionBitmap();
    if (kind == tpcIsMainTab && !tab->IsMainTab())
        InvalidateTabRow(visibleIndex);
    else
        InvalidateTab(visibleIndex);
    if (tab->IsMainTab()) {
        TRect band;
        GetRowBandRect(band);
        InvalidateRect(band);
    }
}

void TcxPCExtraFlatPainter::PaintPageArea() {
    TRect band;
    GetRowBandRect(band);
    Canvas()->FillRectSolid(band, GetRowBandColor());
    TcxPCStandardPainter::PaintPageArea();
}

void TcxPCExtraFlatPainter::PaintFrame() {
    PaintFrameLines(clBtnHighlight, clBtnShadow);
}

void TcxPCExtraFlatPainter::PaintSideLine(const TRect& r, TcxTabPosition side, TColor color) {
    TRect line = r;
    switch (side) {
    case tpTop:
        line.Bottom = line.Top + 1;
        break;
    case tpBottom:
        line.Top = line.Bottom - 1;
        break;
    case tpLeft:
        line.Right = line.Left + 1;
        break;
    case tpRight:
        line.Left = line.Right - 1;
        break;
    }
    Canvas()->FillRectSolid(line, color);
}

void TcxPCExtraFlatPainter::PaintFrameLines(TColor light, TColor dark) {
    TRect r;
    GetFrameBounds(r);
    if (GetControlInfo()->HideTabs() || GetControlInfo()->RowCount() == 0) {
        Canvas()->PaintBorders(r, light, dark);
        return;
    }
    struct TLine {
        TcxTabPosition side;
        bool dark;
    };
    TLine lines[3];
    switch (Position()) {
    case tpTop:
        lines[0] = {tpRight, true}, lines[1] = {tpBottom, true}, lines[2] = {tpLeft, false};
        break;
    case tpBottom:
        lines[0] = {tpRight, true}, lines[1] = {tpTop, false}, lines[2] = {tpLeft, false};
        break;
    case tpLeft:
        lines[0] = {tpBottom, true}, lines[1] = {tpRight, true}, lines[2] = {tpTop, false};
        break;
    case tpRight:
        lines[0] = {tpBottom, true}, lines[1] = {tpLeft, false}, lines[2] = {tpTop, false};
        break;
    }
    for (const TLine& line : lines) {
        PaintSideLine(r, line.side, line.dark ? dark : light);
        switch (line.side) {
        case tpTop:
            ++r.Top;
            break;
        case tpBottom:
            --r.Bottom;
            break;
        case tpLeft:
            ++r.Left;
            break;
        case tpRight:
            --r.Right;
            break;
        }
    }
}

void TcxPCExtraFlatPainter::PaintMainTabFrame(TRect& r) {
    PaintMainTabOutline(r, clWhite, clBlack);
}

void TcxPCExtraFlatPainter::PaintMainTabOutline(TRect& r, TColor light, TColor dark) {
    const int main = GetControlInfo()->MainTabVisibleIndex();
    const TcxTabPosition side = main >= 0 ? TabAt(main)->GetRowSide() : Position();
    auto edge = [&](TcxTabPosition which, TColor color) {
        PaintSideLine(r, which, color);
        switch (which) {
        case tpTop:
            ++r.Top;
            break;
        case tpBottom:
            --r.Bottom;
            break;
        case tpLeft:
            ++r.Left;
            break;
        case tpRight:
            --r.Right;
            break;
        }
    };
    switch (side) {
    case tpTop:
        edge(tpLeft, light), edge(tpTop, light), edge(tpRight, dark);
        break;
    case tpBottom:
        edge(tpLeft, light), edge(tpBottom, dark), edge(tpRight, dark);
        Canvas()->PaintPixel(r.Left - 1, r.Top, dark);
        break;
    case tpLeft:
        edge(tpTop, light), edge(tpLeft, light), edge(tpBottom, dark);
        break;
    case tpRight:
        edge(tpTop, light), edge(tpRight, dark), edge(tpBottom, dark);
        Canvas()->PaintPixel(r.Left, r.Top - 1, dark);
        break;
    }
}

void TcxPCExtraFlatPainter::PaintTabSeparator(const TRect& r) {
    Canvas()->FillRectSolid(r, clBtnShadow);
    Canvas()->ClipExcludeRect(r);
}

void TcxPCExtraFlatPainter::PaintRowBorder(const TRect& r, int) {
    PaintRowLines(r, {clBtnFace, clBtnFace, Position() == tpTop || Position() == tpLeft ? clWhite : clBlack});
}

void TcxPCExtraFlatPainter::PaintRowLines(const TRect& r, std::initializer_list<TColor> colors) {
    const TcxTabPosition pageSide = Position() == tpTop ? tpBottom : Position() == tpBottom ? tpTop
                                    : Position() == tpLeft ? tpRight : tpLeft;
    TRect rest = r;
    for (TColor color : colors) {
        TRect line = rest;
        switch (pageSide) {
        case tpTop:
            line.Bottom = line.Top + 1, ++rest.Top;
            break;
        case tpBottom:
            line.Top = line.Bottom - 1, --rest.Bottom;
            break;
        case tpLeft:
            line.Right = line.Left + 1, ++rest.Left;
            break;
        case tpRight:
            line.Left = line.Right - 1, --rest.Right;
            break;
        }
        Canvas()->FillRectSolid(line, color);
        Canvas()->ClipExcludeRect(line);
    }
}

void TcxPCExtraFlatPainter::PaintTabBackground(TcxCanvas* canvas, const TRect& r, int visibleIndex) {
    if (visibleIndex == -1) {
        canvas->FillRectSolid(r, GetLightColor());
        return;
    }
    if (TabAt(visibleIndex)->IsMainTab()) {
        canvas->FillRectSolid(r, GetTabBodyColor(visibleIndex));
        return;
    }
    canvas->FrameRectSides(r, GetLightColor());
    canvas->FillRectSolid(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), GetTabBodyColor(visibleIndex));
}

void TcxPCExtraFlatPainter::PaintTabShape(int visibleIndex) {
    TRect r = FullRect(visibleIndex);
    const bool main = TabAt(visibleIndex)->IsMainTab();
    if (main) PaintMainTabFrame(r);
    if (!ExcludesOnlyTabContent(visibleIndex)) PaintTabBackground(Canvas(), r, visibleIndex);
    if (main) {
        TRect focus;
        GetMainTabFocusBounds(focus);
        PaintTabFocusRect(visibleIndex, focus);
    }
}

void TcxPCExtraFlatPainter::PaintSeparatorAfter(int visibleIndex, int last) {
    if (visibleIndex >= last) return;
    TcxTab* tab = TabAt(visibleIndex);
    TcxTab* next = TabAt(visibleIndex + 1);
    if (tab->IsMainTab() || next->IsMainTab() || next->Row != tab->Row) return;
    int s = 0, e = 0;
    GetSeparatorIndents(s, e);
    const int g = GetTabsGap();
    const TRect t = FullRect(visibleIndex);
    const bool reversed = IsReversedRowDirection(GetOwnerControl());
    TRect r;
    if (IsSideTabs())
        r = reversed ? Rect(t.Left + s, t.Top - g, t.Right - e, t.Top) : Rect(t.Left + s, t.Bottom, t.Right - e, t.Bottom + g);
    else
        r = reversed ? Rect(t.Left - g, t.Top + s, t.Left, t.Bottom - e) : Rect(t.Right, t.Top + s, t.Right + g, t.Bottom - e);
    PaintTabSeparator(r);
}

void TcxPCExtraFlatPainter::PaintTabs() {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    TcxCanvas* canvas = Canvas();
    TcxPCLineIndexBoundsArray rows;
    GetRowTabRanges(GetOwnerControl(), rows);
    int placedFirst = 0, placedLast = 0;
    GetPlacedTabRange(GetOwnerControl(), placedFirst, placedLast);
    for (size_t row = 0; row < rows.size(); ++row) {
        const TcxPCLineIndexBounds range = rows[row];
        if (range.First < 0) continue;
        SaveClipRegion();
        std::vector<std::pair<int, TcxPCTabContent>> contents;
        for (int v = range.First; v <= range.Last; ++v) {
            PaintTab(v);
            contents.emplace_back(v, TabContent);
            PaintSeparatorAfter(v, placedLast);
        }
        TRect strip;
        GetTabRowRect(range.First, true, strip);
        const int shorten = ShiftsRowsByFrame() ? 1 : 0;
        if (IsSideTabs()) {
            strip.Top = shorten;
            strip.Bottom = info.Height() - shorten;
        } else {
            strip.Left = shorten;
            strip.Right = info.Width() - shorten;
        }
        PaintRowBorder(strip, static_cast<int>(row));
        PaintTabBackground(canvas, strip, -1);
        RestoreClipRegion();
        for (const auto& [v, content] : contents)
            if (ExcludesOnlyTabContent(v)) {
                TabContent = content;
                AfterPaintTab(v);
            }
        canvas->ClipExcludeRect(strip);
    }
}

// ---- TcxPCUltraFlatPainter ----

bool TcxPCUltraFlatPainter::IsDefaultForLookAndFeel(TcxLookAndFeel* lookAndFeel) {
    return TabPaintStyleOf(lookAndFeel) == psUltraFlat;
}

int TcxPCUltraFlatPainter::GetButtonWidth(TcxPCNavigatorButton button) {
    switch (button) {
    case nbGoDialog:
        return 11;
    case nbClose:
        return 14;
    default:
        return 15;
    }
}

int TcxPCUltraFlatPainter::GetButtonsDistance(TcxPCNavigatorButton b1, TcxPCNavigatorButton b2) {
    return b1 == nbClose || b2 == nbClose ? 3 : 1;
}

TColor TcxPCUltraFlatPainter::GetButtonColor(std::uint8_t state) {
    if (state == nbsHotTrack) return clBtnFace;
    if (state == nbsPressed) return clBtnShadow;
    return LightBtnFaceColor();
}

void TcxPCUltraFlatPainter::GetButtonGlyphParams(TcxPCNavigatorButton button, TcxPCButtonGlyphParams& params) {
    TcxPCStandardPainter::GetButtonGlyphParams(button, params);
    params.Enabled = GetOwnerControl()->GetEnabled();
    params.SmallCloseGlyph = button == nbClose;
    params.FillColor = params.LineColor;
}

void TcxPCUltraFlatPainter::GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) {
    GetCenteredGlyphOffset(button, offset);
}

void TcxPCUltraFlatPainter::PaintButtonFrame(TRect& bounds, std::uint8_t state) {
    const TColor color = state == nbsHotTrack || state == nbsPressed ? clBlack : clBtnShadow;
    Canvas()->PaintBorders(bounds, color, color);
    InflateRect(bounds, -1, -1);
}

void TcxPCUltraFlatPainter::GetMainTabFocusBounds(TRect& r) {
    const int main = GetControlInfo()->MainTabVisibleIndex();
    if (main < 0) {
        r = TRect{};
        return;
    }
    r = ExtendOnPageSide(FullRect(main), TabAt(main)->GetRowSide(), 1);
    InflateRect(r, -1, -1);
}

void TcxPCUltraFlatPainter::PaintRowBorder(const TRect& r, int row) {
    const bool next = IsRowNextToPage(row);
    PaintRowLines(r, {clBtnFace, next ? clBtnFace : clBlack, next ? clBlack : clBtnFace});
}

} // namespace zorvy
