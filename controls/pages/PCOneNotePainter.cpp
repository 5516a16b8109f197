// "OneNote": the left side always slanted and joined to the top by short segments, tabs overlapping
// their neighbours, outlines in the OneNote colours blended into what lies beside them.
#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/pages/PCPainterStyles.h"
#include "controls/pages/PCSlantedPainters.h"
#include "controls/pages/TabControl.h"
#include "platform/gdi/Region.h"

namespace zorvy {

TColor TcxPCOneNotePainter::GetBorderColor() {
    return OneNoteColor(oncBorder);
}

void TcxPCOneNotePainter::GetTextMargins(int, int& start, int& end) {
    start = CutValue;
    end = 4;
    if (GetTextRotation(GetOwnerControl()) == 2) std::swap(start, end);
}

void TcxPCOneNotePainter::GetTextFittingMargins(int visibleIndex, int& start, int& end) {
    GetTextMargins(visibleIndex, start, end);
}

void TcxPCOneNotePainter::GetTabsNormalDistance(int& betweenTabs, int& betweenRows) {
    betweenTabs = 5 - CutValue; // the tabs overlap
    betweenRows = -3;
}

void TcxPCOneNotePainter::GetTabsRegionIndents(TRect& indents) {
    indents = IsSideTabs() ? Rect(0, 4, 0, 4) : Rect(4, 0, 4, 0);
}

TcxRegion* TcxPCOneNotePainter::GetTabRegion(int visibleIndex, bool forFill) {
    const TcxTabPosition side = TabAt(visibleIndex)->GetRowSide();
    TRect actual = FullRect(visibleIndex);
    std::vector<TPoint> points;
    if (forFill) {
        switch (side) {
        case tpTop:
            OffsetRect(actual, 0, 1);
            break;
        case tpBottom:
            ++actual.Left;
            break;
        case tpLeft:
            ++actual.Top, ++actual.Left, ++actual.Right;
            break;
        case tpRight:
            ++actual.Top;
            break;
        }
        const TRect o = OrientedRect(actual, side);
        const int L = o.Left, B = o.Bottom, W = o.Width(), H = o.Height();
        const int rise = side == tpBottom ? 4 : 3, shift = side == tpBottom ? 3 : side == tpRight ? 1 : 2;
        const int peak = side == tpRight ? 3 : 2;
        points = {{L + 2, B - 1}, {L + H - shift, B - H + rise}, {L + H + peak, B - H + 1}, {L + W - 2, B - H + 1},
                  {L + W - 2, B - 1}};
    } else {
        InflateRect(actual, 1, 1);
        const TRect o = OrientedRect(actual, side);
        const int L = o.Left, B = o.Bottom, W = o.Width(), H = o.Height();
        if (side == tpRight)
            points = {{L - 1, B - 1},          {L - 1, B - 3},      {L + 2, B - 3},         {L + H - 2, B - H + 2},
                      {L + H + 2, B - H},      {L + W - 4, B - H},  {L + W - 1, B - H + 3}, {L + W - 1, B - 1}};
        else if (side == tpLeft)
            points = {{L, B - 2},          {L + 1, B - 2},         {L + H - 3, B - H + 3}, {L + H + 2, B - H},
                      {L + W - 5, B - H},  {L + W - 1, B - H + 4}, {L + W - 1, B - 1}};
        else
            points = {{L, B - 2},          {L + 1, B - 2},         {L + H - 3, B - H + 3}, {L + H + 2, B - H},
                      {L + W - 4, B - H},  {L + W - 1, B - H + 3}, {L + W - 1, B - 1}};
    }
    RotatePolyline(actual, points.data(), side, static_cast<int>(points.size()) - 1);
    return TcxRegion::CreateFromHandle(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
}

void TcxPCOneNotePainter::PaintTabBorder(int visibleIndex, const TRect& r) {
    TcxTab* tab = TabAt(visibleIndex);
    const TcxTabPosition side = tab->GetRowSide();
    const TColor body = GetTabBodyColor(visibleIndex);
    TColor c1, c2, c3;
    if (tab->IsHot()) {
        c1 = c2 = c3 = OneNoteColor(oncHotTab);
    } else if (tab->IsMainTab()) {
        c1 = OneNoteColor(oncBorder);
        c2 = static_cast<TColor>(MixColors(clWhite, body, 60));
        c3 = static_cast<TColor>(MixColors(c2, body, 70));
    } else {
        const TColor tint = OneNoteColor(oncNormalTabTint);
        c1 = OneNoteColor(oncNormalTabLine);
        c2 = static_cast<TColor>(MixColors(static_cast<TColor>(MixColors(clWhite, tint, 50)), body, 50));
        c3 = static_cast<TColor>(MixColors(tint, body, 50));
    }
    const TRect o = OrientedRect(r, side);
    const int L = o.Left, B = o.Bottom, W = o.Width(), H = o.Height();
    auto turned = [&](TPoint p) {
        RotatePoint(r, p, side);
        return p;
    };
    DrawTabLine(r, side, {{L, B - 1}, {L, B - 1}},
                static_cast<TColor>(MixColors(c1, ColorUnder(turned({L - 1, B - 1})), 25)));
    DrawTabLine(r, side,
                {{L + 1, B - 1}, {L + H - 3, B - H + 3}, {L + H + 2, B - H}, {L + W - 3, B - H}, {L + W - 1, B - H + 2},
                 {L + W - 1, B - 1}},
                c1);
    DrawTabLine(r, side, {{L + H + 2, B - H}, {L + H + 2, B - H}},
                static_cast<TColor>(MixColors(c1, ColorUnder(turned({L + H + 1, B - H})), 60)));
    DrawTabLine(r, side, {{L + 2, B - 1}, {L + H - 3, B - H + 4}, {L + H + 2, B - H + 1}, {L + W - 4, B - H + 1}}, c2);
    DrawTabLine(r, side, {{L + W - 3, B - H + 1}, {L + W - 2, B - H + 2}, {L + W - 2, B - 1}}, c3);
}

void TcxPCOneNotePainter::PaintMainTabJoin(int visibleIndex) {
    const TcxTabPosition side = TabAt(visibleIndex)->GetRowSide();
    const TRect actual = FullRect(visibleIndex);
    const TRect o = OrientedRect(actual, side);
    const TColor body = GetTabBodyColor(visibleIndex);
    DrawTabLine(actual, side, {{o.Left, o.Bottom}, {o.Left, o.Bottom}},
                static_cast<TColor>(MixColors(GetBorderColor(), body, 50)));
    DrawTabLine(actual, side, {{o.Left + 1, o.Bottom}, {o.Right - 1, o.Bottom}}, body);
}

} // namespace zorvy
