// The standard painter: sizes, tables by standard style, the tabs region, the navigator buttons with
// their glyphs, the paint order of a tab and of the control, and the 3D page frame.
#include "controls/pages/PCStandardPainter.h"

#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/pages/TabControl.h"

#include <algorithm>

namespace zorvy {

// ---- sizes ----

int TcxPCStandardPainter::GetTabContentExtraWidth(int visibleIndex) {
    if (!HasImages() || (visibleIndex != -1 && !TabHasImage(visibleIndex) && !GetControlInfo()->Rotate()))
        return 12;
    TSize size;
    GetImageSize(size);
    return size.cx + 2 * GetControlInfo()->ImageBorder() + 18;
}

int TcxPCStandardPainter::GetTabContentHeight() {
    int h = 0;
    if (HasImages()) {
        TSize size;
        GetImageSize(size);
        h = size.cy + 2 * GetControlInfo()->ImageBorder() + 6;
    }
    return std::max(h, GetMaxCaptionHeight() + 8);
}

int TcxPCStandardPainter::GetMinTabNormalWidth(int visibleIndex) {
    return std::max(GetTabContentExtraWidth(visibleIndex), GetMinTabWidth());
}

int TcxPCStandardPainter::GetMinTabNormalHeight() {
    return StandardStyle() == tsTabs ? 18 : 20;
}

int TcxPCStandardPainter::CalculateTabNormalWidth(TcxTab* tab) {
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

int TcxPCStandardPainter::CalculateTabNormalHeight() {
    int h = std::max(GetTabContentHeight(), GetMinTabNormalHeight());
    TSize image;
    GetImageSize(image);
    // A rotated image is centred on whole pixels.
    if (GetControlInfo()->Rotate() && image.cy > 0 && (h - image.cy) % 2 != 0) ++h;
    return std::max(h, GetControlInfo()->TabHeight());
}

// ---- tables by standard style ----

void TcxPCStandardPainter::GetImageIndents(int visibleIndex, TRect& indents) {
    const bool active = IsTabActive(visibleIndex);
    if (StandardStyle() == tsTabs)
        indents = active ? Rect(8, 1, 0, 3) : Rect(6, 1, 0, 0);
    else
        indents = active ? Rect(7, -1, 0, 1) : Rect(6, -1, 0, 1);
}

void TcxPCStandardPainter::GetTextIndents(int visibleIndex, TRect& indents) {
    if (StandardStyle() == tsTabs)
        indents = IsTabActive(visibleIndex) ? Rect(5, 1, 5, 2) : Rect(5, 1, 5, -1);
    else
        indents = Rect(6, 0, 4, 1);
}

void TcxPCStandardPainter::GetTextMargins(int visibleIndex, int& start, int& end) {
    const bool active = IsTabActive(visibleIndex);
    switch (StandardStyle()) {
    case tsTabs:
        start = end = active ? 4 : 2;
        break;
    case tsButtons:
        start = end = 3;
        break;
    default:
        start = active ? 4 : 2;
        end = 2;
        break;
    }
}

void TcxPCStandardPainter::GetTextFittingMargins(int visibleIndex, int& start, int& end) {
    const bool active = IsTabActive(visibleIndex);
    switch (StandardStyle()) {
    case tsTabs:
        start = end = active ? 4 : 2;
        break;
    case tsButtons:
        start = end = 3;
        break;
    default:
        start = active ? 3 : 2;
        end = 2;
        break;
    }
}

void TcxPCStandardPainter::GetTabsNormalDistance(int& betweenTabs, int& betweenRows) {
    switch (StandardStyle()) {
    case tsTabs:
        betweenTabs = betweenRows = 0;
        break;
    case tsButtons:
        betweenTabs = betweenRows = 3;
        break;
    default:
        betweenTabs = 10;
        betweenRows = 3;
        break;
    }
}

bool TcxPCStandardPainter::IsTabActive(int visibleIndex) {
    return TabAt(visibleIndex)->IsMainTab();
}

void TcxPCStandardPainter::SetTabContentRects(int, const TRect& imageRect, const TRect& textRect) {
    TabContent.ImageRect = imageRect;
    TabContent.TextRect = textRect;
}

// ---- the tabs region and the navigator area ----

int TcxPCStandardPainter::GetButtonWidth(TcxPCNavigatorButton button) {
    if (button != nbGoDialog) return 20;
    return IsSideTabs() ? 13 : 12;
}

bool TcxPCStandardPainter::NavigatorAtRowStart() const {
    const TcxPCNavigatorPosition n = GetControlInfo()->NavigatorPosition();
    return IsSideTabs() ? (n == npLeftTop || n == npRightTop) : (n == npLeftTop || n == npLeftBottom);
}

void TcxPCStandardPainter::GetButtonsOrder(TcxPCNavigatorButtons buttons, TcxPCNavigatorButtonPositions& order) {
    // The close button is outermost, the go-dialog button next to the tabs.
    static constexpr TcxPCNavigatorButton candidates[2][4] = {{nbGoDialog, nbTopLeft, nbBottomRight, nbClose},
                                                              {nbClose, nbTopLeft, nbBottomRight, nbGoDialog}};
    order.clear();
    for (TcxPCNavigatorButton b : candidates[NavigatorAtRowStart() ? 1 : 0])
        if (PCButtonIn(b, buttons)) order.push_back({b, TRect{}});
}

int TcxPCStandardPainter::GetButtonsLength(TcxPCNavigatorButtons buttons) {
    TcxPCNavigatorButtonPositions order;
    GetButtonsOrder(buttons, order);
    int length = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        length += GetButtonWidth(order[i].Button);
        if (i + 1 < order.size()) length += GetButtonsDistance(order[i].Button, order[i + 1].Button);
    }
    return length;
}

int TcxPCStandardPainter::GetNavigatorExtent(TcxPCNavigatorButtons buttons) {
    const int length = GetButtonsLength(buttons);
    return length == 0 ? 0 : length + GetNavigatorEndOffset() + GetNavigatorTabsGap();
}

void TcxPCStandardPainter::CalculateButtonsBounds(TcxPCNavigatorButtons buttons) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    const int t = GetButtonHeight(), length = GetButtonsLength(buttons);
    const int e = GetNavigatorEdgeOffset(), o = GetNavigatorEndOffset();
    const int w = info.Width(), h = info.Height();
    const bool atStart = NavigatorAtRowStart();
    if (IsSideTabs())
        ButtonsBounds = Bounds(Position() == tpLeft ? e : w - t - e, atStart ? o : h - length - o, t, length);
    else
        ButtonsBounds = Bounds(atStart ? o : w - length - o, Position() == tpBottom ? h - t - e : e, length, t);
}

void TcxPCStandardPainter::CalculateButtonPositions(TcxPCNavigatorButtons buttons) {
    ButtonPositions.clear();
    if (buttons == 0) return;
    CalculateButtonsBounds(buttons);
    GetButtonsOrder(buttons, ButtonPositions);
    TPoint origin{ButtonsBounds.Left, ButtonsBounds.Top};
    const int across = GetButtonHeight();
    for (size_t i = 0; i < ButtonPositions.size(); ++i) {
        TcxPCNavigatorButtonPosition& p = ButtonPositions[i];
        const int along = GetButtonWidth(p.Button);
        p.Bounds = IsSideTabs() ? Bounds(origin.X, origin.Y, across, along) : Bounds(origin.X, origin.Y, along, across);
        const int step =
            along + (i + 1 < ButtonPositions.size() ? GetButtonsDistance(p.Button, ButtonPositions[i + 1].Button) : 0);
        (IsSideTabs() ? origin.Y : origin.X) += step;
    }
}

void TcxPCStandardPainter::CalculateTabsRegion(TcxPCNavigatorButtons buttons, TcxPCTabsRegion& region) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    const int extent = GetNavigatorExtent(buttons);
    TRect indents;
    GetTabsRegionIndents(indents);
    TRect bounds = Rect(indents.Left, indents.Top, info.Width() - indents.Right, info.Height() - indents.Bottom);
    if (buttons != 0) {
        const bool atStart = NavigatorAtRowStart();
        if (IsSideTabs())
            (atStart ? bounds.Top += extent : bounds.Bottom -= extent);
        else
            (atStart ? bounds.Left += extent : bounds.Right -= extent);
    }
    region.TabsBounds = bounds;
    region.LayoutBounds = bounds;
    region.RowLength = IsSideTabs() ? bounds.Height() : bounds.Width();
    region.TopLeftExtension = region.BottomRightExtension = 0;
    int betweenTabs = 0, betweenRows = 0;
    GetTabsNormalDistance(betweenTabs, betweenRows);
    region.AreaGap = betweenRows;
    CalculateButtonPositions(buttons);
}

bool TcxPCStandardPainter::GetButtonAt(int x, int y, TcxPCNavigatorButton& button) {
    for (const TcxPCNavigatorButtonPosition& p : ButtonPositions)
        if (PtInRect(p.Bounds, {x, y})) {
            button = p.Button;
            return true;
        }
    return false;
}

void TcxPCStandardPainter::GetGoDialogButtonBounds(TRect& r) {
    r = TRect{};
    for (const TcxPCNavigatorButtonPosition& p : ButtonPositions)
        if (p.Button == nbGoDialog) r = p.Bounds;
}

// ---- navigator buttons ----

TColor TcxPCStandardPainter::GetButtonColor(std::uint8_t) {
    return clBtnFace;
}

TColor TcxPCStandardPainter::GetButtonGlyphColor(std::uint8_t state) {
    return state == nbsHotTrack ? GetHotTrackColor() : clBtnText;
}

void TcxPCStandardPainter::GetButtonGlyphParams(TcxPCNavigatorButton button, TcxPCButtonGlyphParams& params) {
    const std::uint8_t state = GetControlInfo()->ButtonState(button);
    params.FillColor = params.LineColor = GetButtonGlyphColor(state);
    params.Enabled = GetOwnerControl()->GetEnabled() && state != nbsDisabled;
    params.SmallCloseGlyph = false;
}

TcxPCArrow TcxPCStandardPainter::ArrowOfButton(TcxPCNavigatorButton button) const {
    if (button == nbTopLeft) return IsSideTabs() ? pcaUp : pcaLeft;
    if (button == nbBottomRight) return IsSideTabs() ? pcaDown : pcaRight;
    return pcaDown;
}

void TcxPCStandardPainter::GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) {
    GetCenteredGlyphOffset(button, offset);
}

void TcxPCStandardPainter::GetCenteredGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) {
    int cx = 8, cy = 7;
    if (button != nbClose) {
        const int a = button == nbGoDialog ? 4 : 5;
        cx = a;
        cy = 2 * a - 1;
        if (button == nbGoDialog || !IsSideTabs()) std::swap(cx, cy);
    }
    int bx = GetButtonWidth(button), by = GetButtonHeight();
    if (IsSideTabs()) std::swap(bx, by);
    offset = {(bx - cx) / 2, (by - cy) / 2};
    if (button == nbGoDialog) ++offset.Y;
    if (GetControlInfo()->ButtonState(button) == nbsPressed) {
        if (button != nbGoDialog) ++offset.X;
        ++offset.Y;
    }
}

void TcxPCStandardPainter::GetFixedGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) {
    switch (button) {
    case nbGoDialog:
        offset = IsSideTabs() ? TPoint{6, 4} : TPoint{2, 8};
        break;
    case nbClose:
        offset = {5, 5};
        break;
    default:
        switch (ArrowOfButton(button)) {
        case pcaUp:
        case pcaDown:
            offset = {5, 7};
            break;
        case pcaLeft:
            offset = {6, 5};
            break;
        case pcaRight:
            offset = {8, 5};
            break;
        }
    }
    if (GetControlInfo()->ButtonState(button) == nbsPressed) offset = {offset.X + 1, offset.Y + 1};
}

void TcxPCStandardPainter::PaintButtonBackground(const TRect& bounds, std::uint8_t state) {
    Canvas()->FillRectSolid(bounds, GetButtonColor(state));
}

void TcxPCStandardPainter::PaintButtonFrame(TRect& bounds, std::uint8_t state) {
    PaintEdges3D(bounds, state == nbsPressed, false);
    InflateRect(bounds, -2, -2);
}

void TcxPCStandardPainter::PaintNavigatorButton(TcxPCNavigatorButton button, const TRect& bounds) {
    const std::uint8_t state = GetControlInfo()->ButtonState(button);
    TRect inside = bounds;
    PaintButtonFrame(inside, state);
    PaintButtonBackground(inside, state);
    TcxPCButtonGlyphParams params;
    GetButtonGlyphParams(button, params);
    TPoint offset;
    GetButtonGlyphOffset(button, offset);
    PaintButtonGlyph(button, {bounds.Left + offset.X, bounds.Top + offset.Y}, params);
}

void TcxPCStandardPainter::PaintButtonGlyph(TcxPCNavigatorButton button, TPoint origin,
                                            const TcxPCButtonGlyphParams& params) {
    TcxCanvas* canvas = Canvas();
    auto use = [&](TColor fill, TColor line) {
        canvas->CurrentBrush()->SetStyle(bsSolid);
        canvas->CurrentBrush()->SetColor(fill);
        canvas->CurrentPen()->SetColor(line);
    };
    if (params.Enabled) {
        use(params.FillColor, params.LineColor);
        DrawGlyph(button, origin, params.SmallCloseGlyph);
    } else {
        use(clBtnHighlight, clBtnHighlight);
        DrawGlyph(button, {origin.X + 1, origin.Y + 1}, params.SmallCloseGlyph);
        use(clBtnShadow, clBtnShadow);
        DrawGlyph(button, origin, params.SmallCloseGlyph);
    }
    canvas->CurrentBrush()->SetStyle(bsSolid);
}

void TcxPCStandardPainter::DrawGlyph(TcxPCNavigatorButton button, TPoint o, bool smallClose) {
    TcxCanvas* canvas = Canvas();
    if (button == nbClose) {
        using TLine = std::pair<TPoint, TPoint>;
        static const std::vector<TLine> normal = {{{1, 0}, {8, 7}}, {{0, 0}, {8, 8}}, {{0, 1}, {7, 8}},
                                                  {{0, 7}, {7, 0}}, {{0, 8}, {8, 0}}, {{1, 8}, {8, 1}}};
        static const std::vector<TLine> smallSide = {{{0, 0}, {6, 6}}, {{0, 1}, {6, 7}}, {{0, 6}, {6, 0}}, {{0, 7}, {6, 1}}};
        static const std::vector<TLine> smallRow = {{{1, 0}, {7, 6}}, {{0, 0}, {6, 6}}, {{0, 6}, {6, 0}}, {{1, 6}, {7, 0}}};
        const std::vector<TLine>& lines = !smallClose ? normal : IsSideTabs() ? smallSide : smallRow;
        const TColor color = canvas->CurrentPen()->GetColor();
        for (const TLine& line : lines) {
            const TPoint points[2] = {{o.X + line.first.X, o.Y + line.first.Y}, {o.X + line.second.X, o.Y + line.second.Y}};
            DrawPolyline(points, 1, canvas, color);
        }
        return;
    }
    static constexpr TPoint units[4][3] = {
        {{0, 1}, {1, 0}, {2, 1}}, {{0, 0}, {2, 0}, {1, 1}}, {{0, 1}, {1, 0}, {1, 2}}, {{0, 0}, {1, 1}, {0, 2}}};
    const int a = button == nbGoDialog ? 4 : 5;
    const TcxPCArrow arrow = ArrowOfButton(button);
    TPoint points[3];
    for (int i = 0; i < 3; ++i)
        points[i] = {o.X + units[arrow][i].X * (a - 1), o.Y + units[arrow][i].Y * (a - 1)};
    canvas->PaintPolygon(points);
}

void TcxPCStandardPainter::PaintEdges3D(const TRect& r, bool sunken, bool thin) {
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    TcxCanvas* canvas = Canvas();
    auto line = [&](std::initializer_list<TPoint> points, TColor color) {
        DrawPolyline(points.begin(), static_cast<int>(points.size()) - 1, canvas, color);
    };
    if (thin) {
        line({{L, B - 2}, {L, T}, {R - 2, T}}, sunken ? cl3DDkShadow : cl3DLight);
        line({{L, B - 1}, {R - 1, B - 1}, {R - 1, T}}, sunken ? cl3DLight : cl3DDkShadow);
        return;
    }
    const TColor colors[4] = {sunken ? clBtnShadow : cl3DLight, sunken ? cl3DDkShadow : clBtnHighlight,
                              sunken ? clBtnHighlight : cl3DDkShadow, sunken ? cl3DLight : clBtnShadow};
    line({{L, B - 2}, {L, T}, {R - 2, T}}, colors[0]);
    line({{L + 1, B - 3}, {L + 1, T + 1}, {R - 3, T + 1}}, colors[1]);
    line({{L, B - 1}, {R - 1, B - 1}, {R - 1, T}}, colors[2]);
    line({{L + 1, B - 2}, {R - 2, B - 2}, {R - 2, T + 1}}, colors[3]);
}

// ---- painting ----

void TcxPCStandardPainter::Paint() {
    PaintContent();
    TcxCanvas* canvas = Canvas();
    const TRect all = Rect(0, 0, GetControlInfo()->Width(), GetControlInfo()->Height());
    if (IsNativePainting() && GetOwnerControl()->GetParentBackground()) {
        PaintParentBackground(GetOwnerControl(), canvas, all);
        return;
    }
    canvas->CurrentBrush()->SetStyle(bsSolid);
    canvas->FillRectSolid(all, GetBackgroundColor());
}

void TcxPCStandardPainter::PaintButtons() {
    TcxCanvas* canvas = Canvas();
    for (const TcxPCNavigatorButtonPosition& p : ButtonPositions) {
        if (!ClipToRect(p.Bounds, true)) continue;
        PaintNavigatorButton(p.Button, p.Bounds);
        RestoreClipRegion();
        canvas->ClipExcludeRect(p.Bounds);
    }
}

void TcxPCStandardPainter::PaintTabs() {
    int first = 0, last = 0;
    GetPlacedTabRange(GetControlInfo()->Control, first, last);
    for (int v = std::max(first, 0); v <= last; ++v)
        PaintTab(v);
}

void TcxPCStandardPainter::PaintTab(int visibleIndex) {
    TcxCanvas* canvas = Canvas();
    std::unique_ptr<TcxRegion> region(GetTabClipRegion(visibleIndex));
    SaveClipRegion();
    canvas->ApplyClipRegion(GetTabClipRegion(visibleIndex), GetTabClipOperation(visibleIndex));
    const bool ownerDrawn = IsCustomDrawn() && DoCustomDrawTab(visibleIndex);
    if (!ownerDrawn) {
        if (IsNativePainting()) PaintNativeTab(visibleIndex);
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

void TcxPCStandardPainter::PaintTabFocusRect(int visibleIndex, const TRect& r) {
    TcxTab* tab = TabAt(visibleIndex);
    TRect visible;
    tab->GetVisibleRect(visible);
    if (!ClipToRect(visible, false)) return;
    if (tab->IsMainTab() && tab->IsEnabledNow() && GetOwnerControl()->Focused()) {
        Canvas()->CurrentPen()->SetColor(GetControlInfo()->Font()->GetColor());
        Canvas()->PaintFocusRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    }
    RestoreClipRegion();
}

void TcxPCStandardPainter::GetFrameBounds(TRect& r) {
    GetPageFrameRect(r);
    r.Right = std::max(r.Right, r.Left + GetMinFrameSize());
    r.Bottom = std::max(r.Bottom, r.Top + GetMinFrameSize());
}

void TcxPCStandardPainter::PaintFrame() {
    TRect r;
    GetFrameBounds(r);
    PaintFrameBorder(r);
}

void TcxPCStandardPainter::PaintFrameBorder(const TRect& r) {
    TcxCanvas* canvas = Canvas();
    canvas->PaintBorders(r, clBtnHighlight, cl3DDkShadow);
    canvas->PaintBorders(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), cl3DLight, clBtnShadow);
}

void TcxPCStandardPainter::RepaintButton(TcxPCNavigatorButton button, std::uint8_t) {
    for (const TcxPCNavigatorButtonPosition& p : ButtonPositions)
        if (p.Button == button) InvalidateRect(p.Bounds);
}

void TcxPCStandardPainter::RepaintTab(int visibleIndex, TcxPCTabPropertyChanged) {
    if (IsVerticalTextLayout(GetOwnerControl())) TabAt(visibleIndex)->FreeCaptionBitmap();
    InvalidateTab(visibleIndex);
}

// ---- geometry helpers ----

TRect TcxPCStandardPainter::FullRect(int visibleIndex) const {
    TRect r;
    TabAt(visibleIndex)->GetFullRect(r);
    return r;
}

TRect TcxPCStandardPainter::OrientedRect(const TRect& r, TcxTabPosition side) {
    if (side == tpTop || side == tpBottom) return r;
    return Rect(r.Left, r.Bottom - r.Width(), r.Left + r.Height(), r.Bottom);
}

void TcxPCStandardPainter::DrawTabLine(const TRect& actual, TcxTabPosition side, std::initializer_list<TPoint> points,
                                       TColor color) {
    std::vector<TPoint> copy(points);
    RotatePolyline(actual, copy.data(), side, static_cast<int>(copy.size()) - 1);
    DrawPolyline(copy.data(), static_cast<int>(copy.size()) - 1, Canvas(), color);
}

TRect TcxPCStandardPainter::ToCaptionBitmap(const TRect& r, const TRect& t, bool alongX, bool& bitmapAlongX,
                                            bool& reversed) {
    if (!DrawsVerticalTextByBitmap(GetOwnerControl())) {
        bitmapAlongX = alongX;
        reversed = false;
        return Rect(r.Left - t.Left, r.Top - t.Top, r.Right - t.Left, r.Bottom - t.Top);
    }
    // A quarter turn counter-clockwise (rotation 1) or clockwise (2) brings the bitmap to the tab.
    const bool counterClockwise = GetTextRotation(GetOwnerControl()) == 1;
    bitmapAlongX = !alongX;
    reversed = alongX ? !counterClockwise : counterClockwise;
    if (counterClockwise) return Rect(t.Bottom - r.Bottom, r.Left - t.Left, t.Bottom - r.Top, r.Right - t.Left);
    return Rect(r.Top - t.Top, t.Right - r.Right, r.Bottom - t.Top, t.Right - r.Left);
}

TRect TcxPCStandardPainter::ExtendOnPageSide(const TRect& r, TcxTabPosition side, int amount) {
    TRect result = r;
    switch (side) {
    case tpTop:
        result.Bottom += amount;
        break;
    case tpBottom:
        result.Top -= amount;
        break;
    case tpLeft:
        result.Right += amount;
        break;
    case tpRight:
        result.Left -= amount;
        break;
    }
    return result;
}

} // namespace zorvy
