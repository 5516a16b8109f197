// "Slanted": sizes from the cut value, the tab figure with its clip and fill regions, gradient bodies,
// the hot mark, the main tab's join to the page and the rows' base lines.
#include "controls/pages/PCSlantedPainters.h"

#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/pages/PCPainterStyles.h"
#include "controls/pages/TabControl.h"
#include "platform/classlib/Bitmap.h"
#include "platform/gdi/Region.h"

#include <algorithm>

namespace zorvy {
namespace {

int SideCount(TcxTabSlantPositions sides) {
    return ((sides >> spLeft) & 1) + ((sides >> spRight) & 1);
}

bool HasSide(TcxTabSlantPositions sides, TcxTabSlantPosition side) {
    return (sides >> side) & 1;
}

TPoint EdgeStep(TLinePosition p) {
    static constexpr TPoint steps[] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
    return steps[p];
}

} // namespace

TcxTabSlantKind TcxPCSlantedPainter::SlantKind() const {
    return GetControlInfo()->TabSlants()->GetKind();
}

TcxTabSlantPositions TcxPCSlantedPainter::SlantPositions() const {
    return GetControlInfo()->TabSlants()->GetPositions();
}

TcxTabSlantPositions TcxPCSlantedPainter::GetSlantedSides() {
    return SlantKind() == skSlant && !GetControlInfo()->Rotate() ? SlantPositions() : 0;
}

TSize TcxPCSlantedPainter::OrientedSize(const TRect& r, TcxTabPosition side) {
    return side == tpLeft || side == tpRight ? TSize{r.Height(), r.Width()} : TSize{r.Width(), r.Height()};
}

// ---- sizes ----

int TcxPCSlantedPainter::CalculateCutValue() {
    return SlantKind() == skSlant ? CalculateTabNormalHeight() - 1 : 6;
}

void TcxPCSlantedPainter::GetImageSizeWithBorder(TSize& size) {
    GetImageSize(size);
    const int border = 2 * GetControlInfo()->ImageBorder();
    if (size.cx != 0) size.cx += border;
    if (size.cy != 0) size.cy += border;
}

int TcxPCSlantedPainter::GetMinTabContentWidth() {
    if (GetControlInfo()->Rotate()) return 0;
    const int n = SideCount(SlantPositions());
    if (n == 0) return 8;
    if (SlantKind() == skSlant) return CutValue * n - 2 * n + 8;
    return CutValue * n + GetFrameWidth() * (2 - n) + 4;
}

void TcxPCSlantedPainter::GetTextMargins(int visibleIndex, int& start, int& end) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    const int rotation = GetTextRotation(GetOwnerControl());
    const TcxTabPosition side = visibleIndex >= 0 ? TabAt(visibleIndex)->GetRowSide() : Position();
    if (!info.Rotate()) {
        start = end = GetFrameWidth() + 2;
        const int cut = SlantKind() == skCutCorner ? 6 : CutValue;
        if (HasSide(SlantPositions(), spLeft)) start = cut;
        if (HasSide(SlantPositions(), spRight)) end = cut;
        if (rotation == 2) std::swap(start, end);
        return;
    }
    start = 2;
    end = GetFrameWidth() + 5 + (SlantKind() == skCutCorner && SlantPositions() != 0 ? 1 : 0);
    if ((side == tpTop && rotation == 2) || (side == tpBottom && rotation == 1) || side == tpLeft) std::swap(start, end);
}

void TcxPCSlantedPainter::GetTextFittingMargins(int visibleIndex, int& start, int& end) {
    GetTextMargins(visibleIndex, start, end);
}

void TcxPCSlantedPainter::GetImageIndents(int, TRect& indents) {
    const int fw = GetFrameWidth();
    if (!GetControlInfo()->Rotate()) {
        indents = Rect(0, fw + 3, 0, 1);
        return;
    }
    const int across = fw + (SlantKind() == skCutCorner && SlantPositions() != 0 ? 2 : 1);
    indents = Rect(0, across, 0, across);
}

void TcxPCSlantedPainter::GetTextIndents(int, TRect& indents) {
    const int fw = GetFrameWidth();
    indents = GetControlInfo()->Rotate() ? Rect(0, fw + 3, 0, fw + 1) : Rect(0, fw + 4, 0, 1);
}

int TcxPCSlantedPainter::GetTabContentExtraWidth(int visibleIndex) {
    int start = 0, end = 0;
    GetTextMargins(visibleIndex, start, end);
    int width = start + end;
    if (HasImages() && (visibleIndex == -1 || TabHasImage(visibleIndex) || GetControlInfo()->Rotate())) {
        TSize image;
        GetImageSizeWithBorder(image);
        width += image.cx;
    }
    return std::max(width, GetMinTabContentWidth());
}

int TcxPCSlantedPainter::CalculateTabNormalWidth(TcxTab* tab) {
    if (!tab->GetVisible()) return 0;
    const int visibleIndex = tab->GetVisibleIndex();
    int width = GetControlInfo()->TabWidth();
    if (width < 1) {
        width = GetTabContentExtraWidth(visibleIndex);
        TSize size;
        GetTextSize(tab, tab->GetCaption(), nullptr, size);
        width += size.cx;
        if (TabHasImage(visibleIndex) || (HasImages() && GetControlInfo()->Rotate()))
            width += GetImageTextDistance(visibleIndex);
    }
    return std::max(width, GetMinTabNormalWidth(visibleIndex));
}

int TcxPCSlantedPainter::GetTabContentHeight() {
    TRect text, image;
    GetTextIndents(-1, text);
    GetImageIndents(-1, image);
    TSize size;
    GetImageSizeWithBorder(size);
    return std::max(GetMaxCaptionHeight() + text.Top + text.Bottom, size.cy + image.Top + image.Bottom);
}

void TcxPCSlantedPainter::GetTabsRegionIndents(TRect& indents) {
    indents = TRect{};
    const TcxTabSlantPositions sides = GetSlantedSides();
    if (HasSide(sides, spLeft)) (IsSideTabs() ? indents.Bottom : indents.Left) = 1;
    if (HasSide(sides, spRight)) (IsSideTabs() ? indents.Top : indents.Right) = 1;
}

void TcxPCSlantedPainter::GetTabsNormalDistance(int& betweenTabs, int& betweenRows) {
    const int n = SideCount(GetSlantedSides());
    betweenTabs = n == 0 ? 1 : -(CutValue / 2) * n;
    betweenRows = -3;
    if (GetControlInfo()->Rotate()) std::swap(betweenTabs, betweenRows);
}

void TcxPCSlantedPainter::GetClientRectOffsets(TRect& insets) {
    TcxPCStandardPainter::GetClientRectOffsets(insets);
    if (HasFrame() || GetControlInfo()->HideTabs() || GetControlInfo()->RowCount() == 0) return;
    ++insets.Top;
    if (GetControlInfo()->HasOppositeRows()) ++insets.Bottom;
}

TColor TcxPCSlantedPainter::GetTabBodyColor(int visibleIndex) {
    if (TabAt(visibleIndex)->GetHighlighted()) return clHighlight;
    const TColor color = GetTabColor(visibleIndex);
    return color == clDefault ? GetControlInfo()->Color() : color;
}

void TcxPCSlantedPainter::GetTabGradientColors(int visibleIndex, TColor& fromColor, TColor& toColor) {
    const TColor c = GetTabBodyColor(visibleIndex);
    if (TabAt(visibleIndex)->IsHot()) {
        fromColor = LightenColor(c, 20);
        toColor = c;
    } else {
        fromColor = LightenColor(c, 13);
        toColor = static_cast<TColor>(ScaleColorChannels(c, 90));
    }
}

// ---- navigator buttons ----

int TcxPCSlantedPainter::GetButtonsDistance(TcxPCNavigatorButton b1, TcxPCNavigatorButton b2) {
    return b1 == nbClose || b2 == nbClose ? 3 : 1;
}

int TcxPCSlantedPainter::GetButtonWidth(TcxPCNavigatorButton button) {
    switch (button) {
    case nbGoDialog:
        return 13;
    case nbClose:
        return 16;
    default:
        return 17;
    }
}

void TcxPCSlantedPainter::GetButtonGlyphParams(TcxPCNavigatorButton button, TcxPCButtonGlyphParams& params) {
    TcxPCStandardPainter::GetButtonGlyphParams(button, params);
    params.Enabled = true;
    params.SmallCloseGlyph = button == nbClose;
}

TColor TcxPCSlantedPainter::GetButtonColor(std::uint8_t state) {
    if (state == nbsHotTrack) return static_cast<TColor>(MixColors(clBtnFace, clWhite, 35));
    if (state == nbsPressed) return static_cast<TColor>(MixColors(clBtnFace, clBlack, 90));
    return clBtnFace;
}

TColor TcxPCSlantedPainter::GetButtonGlyphColor(std::uint8_t state) {
    if (state == nbsDisabled || !GetOwnerControl()->GetEnabled()) return clBtnShadow;
    if (state == nbsPressed) return static_cast<TColor>(MixColors(GetControlInfo()->Color(), clWhite, 10));
    return clBtnText;
}

void TcxPCSlantedPainter::PaintButtonFrame(TRect& bounds, std::uint8_t state) {
    const TColor color = state == nbsHotTrack || state == nbsPressed ? clBlack : clBtnShadow;
    Canvas()->PaintBorders(bounds, color, color);
    InflateRect(bounds, -1, -1);
}

// ---- the figure ----

void TcxPCSlantedPainter::BuildTabFigure(const TRect& o, std::vector<TPoint>& points,
                                         std::vector<TLinePosition>& positions) {
    const int L = o.Left, B = o.Bottom, W = o.Width(), H = o.Height();
    const TcxTabSlantKind kind = SlantKind();
    const TcxTabSlantPositions sides = SlantPositions();
    const bool slantsAllowed = !(GetControlInfo()->Rotate() && kind == skSlant);
    points.clear();
    positions.clear();
    auto add = [&](std::initializer_list<TPoint> p, std::initializer_list<TLinePosition> e) {
        points.insert(points.end(), p);
        positions.insert(positions.end(), e);
    };
    if (HasSide(sides, spLeft) && slantsAllowed) {
        if (kind == skSlant)
            add({{L, B - 1}, {L + H - 1, B - H}}, {lpLT});
        else
            add({{L, B - 1}, {L, B - H + 6}, {L + 6, B - H}}, {lpL, lpLT});
    } else if (kind == skCutCorner && sides != 0) {
        add({{L, B - 1}, {L, B - H}}, {lpL});
    } else {
        add({{L, B - 1}, {L, B - H + 2}, {L + 2, B - H}}, {lpL, lpLT});
    }
    if (HasSide(sides, spRight) && slantsAllowed) {
        if (kind == skSlant)
            add({{L + W - H, B - H}, {L + W - 1, B - 1}}, {lpT, lpRT});
        else
            add({{L + W - 7, B - H}, {L + W - 1, B - H + 6}, {L + W - 1, B - 1}}, {lpT, lpRT, lpR});
    } else if (kind == skCutCorner && sides != 0) {
        add({{L + W - 1, B - H}, {L + W - 1, B - 1}}, {lpT, lpR});
    } else {
        add({{L + W - 3, B - H}, {L + W - 1, B - H + 2}, {L + W - 1, B - 1}}, {lpT, lpRT, lpR});
    }
}

TcxRegion* TcxPCSlantedPainter::MakeFigureRegion(int visibleIndex, bool forFill) {
    const TcxTabPosition side = TabAt(visibleIndex)->GetRowSide();
    const TRect actual = FullRect(visibleIndex);
    std::vector<TPoint> points;
    std::vector<TLinePosition> positions;
    BuildTabFigure(OrientedRect(actual, side), points, positions);
    RotatePolyline(actual, points.data(), side, static_cast<int>(points.size()) - 1);
    if (side == tpBottom || side == tpRight) {
        std::reverse(points.begin(), points.end());
        std::reverse(positions.begin(), positions.end());
    }
    for (TLinePosition& p : positions) {
        static constexpr TLinePosition bottom[] = {lpL, lpLB, lpB, lpRB, lpR, lpRB, lpB, lpLB};
        static constexpr TLinePosition left[] = {lpB, lpLB, lpL, lpLT, lpT, lpRB, lpB, lpLB};
        static constexpr TLinePosition right[] = {lpB, lpRB, lpR, lpRT, lpT, lpRB, lpB, lpLB};
        if (side == tpBottom) p = bottom[p];
        if (side == tpLeft) p = left[p];
        if (side == tpRight) p = right[p];
    }
    const TPoint step = EdgeStep(positions.back());
    points.back() = {points.back().X + step.X, points.back().Y + step.Y};
    if (side == tpLeft && positions.front() == lpLB) points.front() = {points.front().X + 1, points.front().Y + 1};
    auto has = [&](TLinePosition p) { return std::find(positions.begin(), positions.end(), p) != positions.end(); };
    // The outline belongs to the clip region and not to the filled one.
    for (size_t k = 0; k < positions.size(); ++k) {
        TPoint& s = points[k];
        TPoint& e = points[k + 1];
        switch (positions[k]) {
        case lpL:
            if (!forFill) break;
            ++s.X, ++e.X;
            if (has(lpLB)) ++s.Y;
            if (has(lpLT)) --e.Y;
            break;
        case lpLT:
            if (!forFill) break;
            (has(lpL) ? s.Y : s.X) += 1;
            (has(lpT) ? e.X : e.Y) += 1;
            break;
        case lpT:
            if (!forFill) break;
            ++s.Y, ++e.Y;
            if (has(lpLT)) --s.X;
            if (has(lpRT)) ++e.X;
            break;
        case lpLB:
            if (!forFill) break;
            if (has(lpB)) ++s.X; else --s.Y;
            if (has(lpL)) --e.Y; else ++e.X;
            break;
        case lpRT:
            if (forFill) break;
            if (has(lpT)) ++s.X; else --s.Y;
            if (has(lpR)) --e.Y; else ++e.X;
            break;
        case lpR:
            if (forFill) break;
            ++s.X, ++e.X;
            if (has(lpRT)) ++s.Y;
            if (has(lpRB)) --e.Y;
            break;
        case lpRB:
            if (forFill) break;
            (has(lpR) ? s.Y : s.X) += 1;
            (has(lpB) ? e.X : e.Y) += 1;
            break;
        case lpB:
            if (forFill) break;
            ++s.Y, ++e.Y;
            if (has(lpRB)) --s.X;
            if (has(lpLB)) ++e.X;
            break;
        }
    }
    return TcxRegion::CreateFromHandle(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
}

TcxRegion* TcxPCSlantedPainter::GetTabRegion(int visibleIndex, bool forFill) {
    return MakeFigureRegion(visibleIndex, forFill);
}

TcxRegion* TcxPCSlantedPainter::GetTabClipRegion(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    TRect visible;
    tab->GetVisibleRect(visible);
    TcxRegion* region = GetTabRegion(visibleIndex, false);
    region->CombineWith(TcxRegion::CreateFromRect(visible), roIntersect);
    if (tab->IsMainTab()) {
        const TRect beyond = ExtendOnPageSide(visible, tab->GetRowSide(), 1);
        TRect strip = beyond;
        switch (tab->GetRowSide()) {
        case tpTop:
            strip.Top = visible.Bottom;
            break;
        case tpBottom:
            strip.Bottom = visible.Top;
            break;
        case tpLeft:
            strip.Left = visible.Right;
            break;
        case tpRight:
            strip.Right = visible.Left;
            break;
        }
        region->CombineWith(TcxRegion::CreateFromRect(strip), roAdd);
    }
    return region;
}

bool TcxPCSlantedPainter::IsPointInTab(int visibleIndex, int x, int y) {
    std::unique_ptr<TcxRegion> own(GetTabClipRegion(visibleIndex));
    if (!own->ContainsXY(x, y)) return false;
    int first = 0, last = 0;
    GetPlacedTabRange(GetOwnerControl(), first, last);
    // The main tab lies over its neighbours.
    if (visibleIndex + 1 <= last && TabAt(visibleIndex + 1)->IsMainTab()) {
        std::unique_ptr<TcxRegion> main(GetTabClipRegion(visibleIndex + 1));
        if (main->ContainsXY(x, y)) return false;
    }
    return true;
}

TColor TcxPCSlantedPainter::ColorUnder(TPoint p) {
    const int tab = GetOwnerControl()->GetTabAt(p.X, p.Y);
    if (tab < 0) return GetControlInfo()->Color();
    const int visibleIndex = GetOwnerControl()->GetTabs()->GetTab(tab)->GetVisibleIndex();
    return visibleIndex < 0 ? GetControlInfo()->Color() : GetTabBodyColor(visibleIndex);
}

// ---- painting ----

void TcxPCSlantedPainter::PaintTabBorder(int visibleIndex, const TRect& r) {
    const TcxTabPosition side = TabAt(visibleIndex)->GetRowSide();
    std::vector<TPoint> points;
    std::vector<TLinePosition> positions;
    BuildTabFigure(OrientedRect(r, side), points, positions);
    RotatePolyline(r, points.data(), side, static_cast<int>(points.size()) - 1);
    DrawPolyline(points.data(), static_cast<int>(points.size()) - 1, Canvas(), GetBorderColor());
}

void TcxPCSlantedPainter::PaintHotMark(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    if (!tab->IsHot() && !tab->IsMainTab()) return;
    const TRect r = FullRect(visibleIndex);
    const int depth = GetFrameWidth() + 3;
    TRect band = r;
    switch (tab->GetRowSide()) {
    case tpTop:
        band.Bottom = band.Top + depth;
        break;
    case tpBottom:
        band.Top = band.Bottom - depth;
        break;
    case tpLeft:
        band.Right = band.Left + depth;
        break;
    case tpRight:
        band.Left = band.Right - depth;
        break;
    }
    Canvas()->FillRectSolid(band, clHighlight);
    Canvas()->ClipExcludeRect(band);
}

void TcxPCSlantedPainter::PaintTabGradient(TcxCanvas* canvas, const TRect& r, bool flip, bool vertical,
                                           int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    const bool hotMain = tab->IsMainTab() && tab->IsHot() && HotUsesGradient();
    if (tab->IsMainTab() && !hotMain) {
        canvas->FillRectSolid(r, GetTabBodyColor(visibleIndex));
        return;
    }
    TColor from = GetTabBodyColor(visibleIndex), to = from;
    if (GetOwnerControl()->HasOption(pcoGradient)) GetTabGradientColors(visibleIndex, from, to);
    if (hotMain && (tab->GetRowSide() == tpBottom || tab->GetRowSide() == tpRight)) std::swap(from, to);
    if (flip) std::swap(from, to);
    FillGradientRect(canvas->DeviceContext(), r, from, to, vertical);
}

void TcxPCSlantedPainter::PaintMainTabJoin(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    const TcxTabPosition side = tab->GetRowSide();
    TRect visible;
    tab->GetVisibleRect(visible);
    TRect strip = ExtendOnPageSide(visible, side, 1);
    switch (side) {
    case tpTop:
        strip.Top = visible.Bottom;
        break;
    case tpBottom:
        strip.Bottom = visible.Top;
        break;
    case tpLeft:
        strip.Left = visible.Right;
        break;
    case tpRight:
        strip.Right = visible.Left;
        break;
    }
    Canvas()->FillRectSolid(strip, GetTabBodyColor(visibleIndex));
    const TRect actual = FullRect(visibleIndex);
    const TRect o = OrientedRect(actual, side);
    const TcxTabSlantPositions slanted = GetSlantedSides();
    if (!HasSide(slanted, spLeft)) DrawTabLine(actual, side, {{o.Left, o.Bottom}, {o.Left, o.Bottom}}, GetBorderColor());
    if (!HasSide(slanted, spRight))
        DrawTabLine(actual, side, {{o.Right - 1, o.Bottom}, {o.Right - 1, o.Bottom}}, GetBorderColor());
}

void TcxPCSlantedPainter::PaintTabShape(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    TcxCanvas* canvas = Canvas();
    const TRect r = FullRect(visibleIndex);
    SaveClipRegion();
    try {
        PaintTabBorder(visibleIndex, r);
        canvas->ApplyClipRegion(GetTabRegion(visibleIndex, true), roIntersect);
        PaintHotMark(visibleIndex);
        PaintTabGradient(canvas, r, false, IsSideTabs(), visibleIndex);
    } catch (...) {
        RestoreClipRegion();
        throw;
    }
    RestoreClipRegion();
    if (tab->IsMainTab()) PaintMainTabJoin(visibleIndex);
    TRect focus = TabContent.TextRect;
    if (IsVerticalTextLayout(GetOwnerControl()))
        InflateRect(focus, 2, 3);
    else
        InflateRect(focus, 3, 2);
    canvas->CurrentBrush()->SetColor(GetTabBodyColor(visibleIndex));
    PaintTabFocusRect(visibleIndex, Rect(focus.Left - 1, focus.Top - 1, focus.Right + 1, focus.Bottom + 1));
}

void TcxPCSlantedPainter::PaintBitmapBackground(TBitmap* bitmap, const TRect& textRect, int visibleIndex) {
    bool alongX = false, reversed = false;
    const TRect r = ToCaptionBitmap(FullRect(visibleIndex), textRect, IsSideTabs(), alongX, reversed);
    TcxCanvas canvas(bitmap->GetCanvas());
    PaintTabGradient(&canvas, r, reversed, alongX, visibleIndex);
}

void TcxPCSlantedPainter::PaintFrame() {
    TRect r;
    GetPageClientRect(r);
    InflateRect(r, 1, 1);
    Canvas()->FrameRectSides(r, GetBorderColor());
}

void TcxPCSlantedPainter::PaintRowBaseLine(const TcxPCLineIndexBounds& row, int rowIndex) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    const TcxTabPosition side = TabAt(row.First)->GetRowSide();
    const bool sideways = side == tpLeft || side == tpRight;
    const TcxTabSlantPositions slanted = GetSlantedSides();
    const bool nextToPage = rowIndex == info.TopLeftRowCount() - 1 || rowIndex == info.TopLeftRowCount();
    const bool outermost = rowIndex == 0 || rowIndex == info.RowCount() - 1;
    TRect first, last;
    TabAt(row.First)->GetNormalRect(first);
    TabAt(row.Last)->GetNormalRect(last);
    TRect r = first;
    const bool fromEdge = nextToPage || HasSide(slanted, spLeft);
    const bool toEdge = nextToPage || HasSide(slanted, spRight);
    if (sideways) {
        // Rows run from the bottom up.
        r.Bottom = fromEdge ? info.Height() : std::max(first.Bottom, last.Bottom);
        r.Top = toEdge ? 0 : std::min(first.Top, last.Top);
    } else {
        r.Left = fromEdge ? 0 : first.Left;
        r.Right = toEdge ? info.Width() : last.Right;
    }
    r = ExtendOnPageSide(r, side, 1);
    switch (side) {
    case tpTop:
        r.Top += 3;
        break;
    case tpBottom:
        r.Bottom -= 3;
        break;
    case tpLeft:
        r.Left += 3;
        break;
    case tpRight:
        r.Right -= 3;
        break;
    }
    TcxCanvas* canvas = Canvas();
    auto line = [&](const TRect& l) {
        canvas->FillRectSolid(l, GetBorderColor());
        canvas->ClipExcludeRect(l);
    };
    const TRect o = OrientedRect(r, side);
    auto turned = [&](TPoint a, TPoint b) {
        TPoint p[2] = {a, b};
        RotatePolyline(r, p, side, 1);
        return Rect(std::min(p[0].X, p[1].X), std::min(p[0].Y, p[1].Y), std::max(p[0].X, p[1].X) + 1,
                    std::max(p[0].Y, p[1].Y) + 1);
    };
    line(turned({o.Left, o.Bottom - 1}, {o.Right - 1, o.Bottom - 1}));
    if (outermost) return;
    if (HasSide(slanted, spLeft)) line(turned({o.Left, o.Top}, {o.Left, o.Bottom - 1}));
    if (HasSide(slanted, spRight)) line(turned({o.Right - 1, o.Top}, {o.Right - 1, o.Bottom - 1}));
}

void TcxPCSlantedPainter::PaintTabs() {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    int first = 0, last = 0;
    GetPlacedTabRange(GetOwnerControl(), first, last);
    const int main = info.MainTabVisibleIndex();
    if (main >= first && main <= last) PaintTab(main);
    TcxPCLineIndexBoundsArray rows;
    GetRowTabRanges(GetOwnerControl(), rows);
    std::vector<int> order;
    for (int row = info.TopLeftRowCount() - 1; row >= 0; --row) order.push_back(row);
    for (int row = info.TopLeftRowCount(); row < static_cast<int>(rows.size()); ++row) order.push_back(row);
    for (int row : order) {
        if (row >= static_cast<int>(rows.size()) || rows[static_cast<size_t>(row)].First < 0) continue;
        const TcxPCLineIndexBounds range = rows[static_cast<size_t>(row)];
        for (int v = range.First; v <= range.Last; ++v)
            if (v != main) PaintTab(v);
        PaintRowBaseLine(range, row);
    }
}

} // namespace zorvy
