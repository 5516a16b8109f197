// The plain tab look: standard measures, the navigator area at one end of the row, raised tabs open
// toward the page, embossed glyphs on disabled buttons, and the 3D page frame.
#include "controls/pages/DefaultPainter.h"

#include "controls/pages/TabControl.h"

#include <algorithm>

namespace zorvy {

// ---- sizes ----

int TcxPCDefaultPainter::GetTabContentExtraWidth(int visibleIndex) {
    if (!HasImages() || (visibleIndex != -1 && !TabHasImage(visibleIndex) && !GetControlInfo()->Rotate()))
        return 12;
    TSize size;
    GetImageSize(size);
    return size.cx + 2 * GetControlInfo()->ImageBorder() + 18;
}

int TcxPCDefaultPainter::GetTabContentHeight() {
    int h = 0;
    if (HasImages()) {
        TSize size;
        GetImageSize(size);
        h = size.cy + 2 * GetControlInfo()->ImageBorder() + 6;
    }
    return std::max(h, GetMaxCaptionHeight() + 8);
}

int TcxPCDefaultPainter::GetMinTabNormalWidth(int visibleIndex) {
    return std::max(GetTabContentExtraWidth(visibleIndex), 42);
}

int TcxPCDefaultPainter::CalculateTabNormalWidth(TcxTab* tab) {
    if (GetControlInfo()->TabWidth() > 0) return GetControlInfo()->TabWidth();
    const int visibleIndex = tab->GetVisibleIndex();
    int width = GetTabContentExtraWidth(visibleIndex);
    if (!tab->GetCaption().empty()) {
        TSize size;
        GetTextSize(tab, tab->GetCaption(), nullptr, size);
        width += size.cx;
    }
    return std::max(width, GetMinTabNormalWidth(visibleIndex));
}

int TcxPCDefaultPainter::CalculateTabNormalHeight() {
    int h = std::max(GetTabContentHeight(), 18);
    TSize image;
    GetImageSize(image);
    if (GetControlInfo()->Rotate() && image.cy > 0 && (h - image.cy) % 2 != 0) ++h;
    return std::max(h, GetControlInfo()->TabHeight());
}

void TcxPCDefaultPainter::GetImageIndents(int visibleIndex, TRect& indents) {
    indents = IsTabActive(visibleIndex) ? Rect(8, 1, 0, 3) : Rect(6, 1, 0, 0);
}

void TcxPCDefaultPainter::GetTextIndents(int visibleIndex, TRect& indents) {
    indents = IsTabActive(visibleIndex) ? Rect(5, 1, 5, 2) : Rect(5, 1, 5, -1);
}

void TcxPCDefaultPainter::GetTextMargins(int visibleIndex, int& start, int& end) {
    start = end = IsTabActive(visibleIndex) ? 4 : 2;
}

void TcxPCDefaultPainter::GetTextFittingMargins(int visibleIndex, int& start, int& end) {
    start = end = IsTabActive(visibleIndex) ? 4 : 2;
}

TColor TcxPCDefaultPainter::GetTabBodyColor(int visibleIndex) {
    const TColor color = GetTabColor(visibleIndex);
    return color == clDefault ? clBtnFace : color;
}

bool TcxPCDefaultPainter::IsTabActive(int visibleIndex) {
    return GetControlInfo()->Tab(visibleIndex)->IsMainTab();
}

// ---- navigator buttons ----

int TcxPCDefaultPainter::GetButtonWidth(TcxPCNavigatorButton button) {
    if (button != nbGoDialog) return 20;
    const TcxTabPosition p = GetControlInfo()->TabPosition();
    return p == tpLeft || p == tpRight ? 13 : 12;
}

std::vector<TcxPCNavigatorButton> TcxPCDefaultPainter::GetButtonsOrder(TcxPCNavigatorButtons buttons) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    const bool side = info.TabPosition() == tpLeft || info.TabPosition() == tpRight;
    const TcxPCNavigatorPosition n = info.NavigatorPosition();
    const bool atStart = side ? (n == npLeftTop || n == npRightTop) : (n == npLeftTop || n == npLeftBottom);
    // The close button is outermost, the go-dialog button next to the tabs.
    const TcxPCNavigatorButton candidates[2][4] = {{nbGoDialog, nbTopLeft, nbBottomRight, nbClose},
                                                   {nbClose, nbTopLeft, nbBottomRight, nbGoDialog}};
    std::vector<TcxPCNavigatorButton> order;
    for (TcxPCNavigatorButton b : candidates[atStart ? 1 : 0])
        if (PCButtonIn(b, buttons)) order.push_back(b);
    return order;
}

void TcxPCDefaultPainter::CalculateTabsRegion(TcxPCNavigatorButtons buttons, TcxPCTabsRegion& region) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    const bool side = info.TabPosition() == tpLeft || info.TabPosition() == tpRight;
    const TcxPCNavigatorPosition n = info.NavigatorPosition();
    const std::vector<TcxPCNavigatorButton> order = GetButtonsOrder(buttons);
    int length = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        length += GetButtonWidth(order[i]);
        if (i + 1 < order.size()) length += GetButtonsDistance(order[i], order[i + 1]);
    }
    const int extent = length == 0 ? 0 : length + GetNavigatorEndOffset() + GetNavigatorTabsGap();
    const int w = info.Width(), h = info.Height();
    TRect bounds = Rect(0, 0, w, h);
    bool atStart;
    if (side) {
        atStart = n == npLeftTop || n == npRightTop;
        if (atStart)
            bounds.Top += extent;
        else
            bounds.Bottom -= extent;
    } else {
        atStart = n == npLeftTop || n == npLeftBottom;
        if (atStart)
            bounds.Left += extent;
        else
            bounds.Right -= extent;
    }
    region.TabsBounds = bounds;
    region.LayoutBounds = bounds;
    region.RowLength = side ? bounds.Height() : bounds.Width();
    region.TopLeftExtension = region.BottomRightExtension = 0;
    int betweenTabs = 0, betweenRows = 0;
    GetTabsNormalDistance(betweenTabs, betweenRows);
    region.AreaGap = betweenRows;

    buttonPositions_.clear();
    if (order.empty()) return;
    const int e = GetNavigatorEdgeOffset(), o = GetNavigatorEndOffset();
    TPoint origin;
    if (side)
        origin = {info.TabPosition() == tpLeft ? e : w - ButtonHeight - e, atStart ? o : h - length - o};
    else
        origin = {atStart ? o : w - length - o, info.TabPosition() == tpBottom ? h - ButtonHeight - e : e};
    for (size_t i = 0; i < order.size(); ++i) {
        const int along = GetButtonWidth(order[i]);
        const TRect r = side ? Bounds(origin.X, origin.Y, ButtonHeight, along)
                             : Bounds(origin.X, origin.Y, along, ButtonHeight);
        buttonPositions_.push_back({order[i], r});
        const int step = along + (i + 1 < order.size() ? GetButtonsDistance(order[i], order[i + 1]) : 0);
        (side ? origin.Y : origin.X) += step;
    }
}

bool TcxPCDefaultPainter::GetButtonAt(int x, int y, TcxPCNavigatorButton& button) {
    for (const TButtonPosition& p : buttonPositions_)
        if (PtInRect(p.Bounds, {x, y})) {
            button = p.Button;
            return true;
        }
    return false;
}

void TcxPCDefaultPainter::GetGoDialogButtonBounds(TRect& r) {
    r = TRect{};
    for (const TButtonPosition& p : buttonPositions_)
        if (p.Button == nbGoDialog) r = p.Bounds;
}

// ---- painting ----

void TcxPCDefaultPainter::Paint() {
    PaintContent();
    TcxCanvas* canvas = GetControlInfo()->Canvas();
    canvas->CurrentBrush()->SetStyle(bsSolid);
    canvas->FillRectSolid(Rect(0, 0, GetControlInfo()->Width(), GetControlInfo()->Height()),
                          GetControlInfo()->Color());
}

void TcxPCDefaultPainter::PaintButtons() {
    TcxCanvas* canvas = GetControlInfo()->Canvas();
    for (const TButtonPosition& p : buttonPositions_) {
        if (!ClipToRect(p.Bounds, true)) continue;
        PaintNavigatorButton(p.Button, p.Bounds);
        RestoreClipRegion();
        canvas->ClipExcludeRect(p.Bounds);
    }
}

void TcxPCDefaultPainter::PaintNavigatorButton(TcxPCNavigatorButton button, const TRect& bounds) {
    TcxCanvas* canvas = GetControlInfo()->Canvas();
    const std::uint8_t state = GetControlInfo()->ButtonState(button);
    canvas->FillRectSolid(bounds, clBtnFace);
    canvas->PaintEdge3D(bounds, state == nbsPressed, true);
    canvas->PaintEdge3D(Rect(bounds.Left + 1, bounds.Top + 1, bounds.Right - 1, bounds.Bottom - 1),
                        state == nbsPressed, false);
    const bool enabled = GetControlInfo()->Control->GetEnabled() && state != nbsDisabled;
    const TColor glyph = state == nbsHotTrack ? GetHotTrackColor() : clBtnText;
    const TcxTabPosition position = GetControlInfo()->TabPosition();
    const bool side = position == tpLeft || position == tpRight;
    // Arrow directions: 0 up, 1 down, 2 left, 3 right.
    int direction = 1;
    if (button == nbTopLeft) direction = side ? 0 : 2;
    if (button == nbBottomRight) direction = side ? 1 : 3;
    const int a = button == nbGoDialog ? 4 : 5;
    const int shift = state == nbsPressed ? 1 : 0;
    auto draw = [&](TColor color, int dx) {
        canvas->CurrentBrush()->SetColor(color);
        canvas->CurrentBrush()->SetStyle(bsSolid);
        canvas->CurrentPen()->SetColor(color);
        if (button == nbClose) {
            const TPoint o{bounds.Left + (bounds.Width() - 8) / 2 + dx + shift,
                           bounds.Top + (bounds.Height() - 7) / 2 + dx + shift};
            const TPoint lines[6][2] = {{{1, 0}, {8, 7}}, {{0, 0}, {8, 8}}, {{0, 1}, {7, 8}},
                                        {{0, 7}, {7, 0}}, {{0, 8}, {8, 0}}, {{1, 8}, {8, 1}}};
            for (const auto& line : lines) {
                const TPoint points[2] = {{o.X + line[0].X, o.Y + line[0].Y}, {o.X + line[1].X, o.Y + line[1].Y}};
                DrawPolyline(points, 1, canvas, color);
            }
            return;
        }
        static constexpr TPoint units[4][3] = {
            {{0, 1}, {1, 0}, {2, 1}}, {{0, 0}, {2, 0}, {1, 1}}, {{0, 1}, {1, 0}, {1, 2}}, {{0, 0}, {1, 1}, {0, 2}}};
        const bool wide = direction < 2;
        const int cx = wide ? 2 * a - 1 : a, cy = wide ? a : 2 * a - 1;
        const TPoint o{bounds.Left + (bounds.Width() - cx) / 2 + dx + (button == nbGoDialog ? 0 : shift),
                       bounds.Top + (bounds.Height() - cy) / 2 + dx + shift + (button == nbGoDialog ? 1 : 0)};
        TPoint points[3];
        for (int i = 0; i < 3; ++i)
            points[i] = {o.X + units[direction][i].X * (a - 1), o.Y + units[direction][i].Y * (a - 1)};
        canvas->PaintPolygon(points);
    };
    if (enabled) {
        draw(glyph, 0);
    } else {
        draw(clBtnHighlight, 1);
        draw(clBtnShadow, 0);
    }
    canvas->CurrentBrush()->SetStyle(bsSolid);
}

void TcxPCDefaultPainter::PaintTabs() {
    int first = 0, last = 0;
    GetPlacedTabRange(GetControlInfo()->Control, first, last);
    for (int v = std::max(first, 0); v <= last; ++v)
        PaintTab(v);
}

void TcxPCDefaultPainter::PaintTab(int visibleIndex) {
    TcxCanvas* canvas = GetControlInfo()->Canvas();
    std::unique_ptr<TcxRegion> region(GetTabClipRegion(visibleIndex));
    SaveClipRegion();
    canvas->ApplyClipRegion(GetTabClipRegion(visibleIndex), GetTabClipOperation(visibleIndex));
    const bool ownerDrawn = IsCustomDrawn() && DoCustomDrawTab(visibleIndex);
    if (!ownerDrawn) {
        PaintTabContent(visibleIndex);
        PaintTabShape(visibleIndex);
    }
    RestoreClipRegion();
    if (ownerDrawn || !ExcludesOnlyTabContent(visibleIndex)) {
        AfterPaintTab(visibleIndex);
        canvas->ApplyClipRegion(region.release(), roSubtract);
    } else {
        ExcludeTabContentFromClip(visibleIndex);
    }
}

void TcxPCDefaultPainter::PaintTabShape(int visibleIndex) {
    TcxCanvas* canvas = GetControlInfo()->Canvas();
    TcxTab* tab = GetControlInfo()->Tab(visibleIndex);
    TRect r;
    tab->GetFullRect(r);
    canvas->FillRectSolid(r, GetTabBodyColor(visibleIndex));
    // Open toward the page: no edge on the row's page side.
    TcxBorders sides = cxBordersAll;
    switch (tab->GetRowSide()) {
        case tpTop: sides &= ~cxBorder(bBottom); break;
        case tpBottom: sides &= ~cxBorder(bTop); break;
        case tpLeft: sides &= ~cxBorder(bRight); break;
        case tpRight: sides &= ~cxBorder(bLeft); break;
    }
    if (!IsTabActive(visibleIndex)) sides = cxBordersAll;
    canvas->PaintBorders(r, clBtnHighlight, cl3DDkShadow, sides);
    canvas->PaintBorders(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), cl3DLight, clBtnShadow, sides);
    TcxCustomTabControl* control = GetControlInfo()->Control;
    if (tab->IsMainTab() && tab->IsEnabledNow() && control->Focused()) {
        TRect visible;
        tab->GetVisibleRect(visible);
        if (ClipToRect(visible, false)) {
            canvas->CurrentPen()->SetColor(GetControlInfo()->Font()->GetColor());
            canvas->PaintFocusRect(Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2));
            RestoreClipRegion();
        }
    }
}

void TcxPCDefaultPainter::PaintFrame() {
    TRect r;
    GetPageFrameRect(r);
    r.Right = std::max(r.Right, r.Left + 2 * GetFrameWidth());
    r.Bottom = std::max(r.Bottom, r.Top + 2 * GetFrameWidth());
    TcxCanvas* canvas = GetControlInfo()->Canvas();
    canvas->PaintBorders(r, clBtnHighlight, cl3DDkShadow);
    canvas->PaintBorders(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), cl3DLight, clBtnShadow);
}

void TcxPCDefaultPainter::RepaintButton(TcxPCNavigatorButton button, std::uint8_t) {
    for (const TButtonPosition& p : buttonPositions_)
        if (p.Button == button) InvalidateRect(p.Bounds);
}

void TcxPCDefaultPainter::RepaintTab(int visibleIndex, TcxPCTabPropertyChanged) {
    if (IsVerticalTextLayout(GetControlInfo()->Control)) GetControlInfo()->Tab(visibleIndex)->FreeCaptionBitmap();
    InvalidateTab(visibleIndex);
}

} // namespace zorvy
