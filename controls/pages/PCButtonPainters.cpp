// The button styles: which tab is down, the 3D and flat button faces, and the etched separators.
#include "controls/pages/PCButtonPainters.h"

#include "controls/pages/TabControl.h"

namespace zorvy {

// ---- TcxPCButtonedPainter ----

void TcxPCButtonedPainter::GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) {
    GetFixedGlyphOffset(button, offset);
}

void TcxPCButtonedPainter::GetFrameRectOffsets(TRect& insets) {
    TcxPCStandardPainter::GetFrameRectOffsets(insets);
    // A 2-pixel gap between the buttons and the page frame.
    if (!GetControlInfo()->HideTabs() && GetControlInfo()->RowCount() > 0) insets.Top += 2;
}

TColor TcxPCButtonedPainter::GetTabBodyColor(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    if (tab->GetHighlighted()) return clHighlight;
    const TColor color = GetTabColor(visibleIndex);
    if (color != clDefault) return color;
    return tab->IsMainTab() ? clBtnHighlight : clBtnFace;
}

void TcxPCButtonedPainter::GetTextMargins(int, int& start, int& end) {
    start = HasImages() ? 3 : 4;
    end = 4;
}

void TcxPCButtonedPainter::GetTextFittingMargins(int visibleIndex, int& start, int& end) {
    GetTextMargins(visibleIndex, start, end);
}

bool TcxPCButtonedPainter::IsTabActive(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    return !tab->IsTracking() && (tab->IsPressed() || tab->GetSelected() || tab->IsMainTab());
}

// ---- TcxPCButtonsPainter ----

bool TcxPCButtonsPainter::IsTabActive(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    return tab->IsTracking() || tab->IsPressed() || tab->GetSelected() || tab->IsMainTab();
}

void TcxPCButtonsPainter::PaintTabShape(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    const bool down = tab->IsPressed() || tab->GetSelected() || tab->IsMainTab() || tab->IsTracking();
    const TRect r = FullRect(visibleIndex);
    TcxCanvas* canvas = Canvas();
    const TRect inner = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    if (down) {
        canvas->PaintBorders(r, cl3DDkShadow, clBtnHighlight);
        canvas->PaintBorders(inner, clBtnShadow, cl3DLight);
    } else {
        canvas->PaintBorders(r, clBtnHighlight, cl3DDkShadow);
        canvas->PaintBorders(inner, cl3DLight, clBtnShadow);
    }
    canvas->FillRectSolid(Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2), GetTabBodyColor(visibleIndex));
    PaintTabFocusRect(visibleIndex, inner);
}

// ---- TcxPCFlatButtonsPainter ----

void TcxPCFlatButtonsPainter::PaintTab(int visibleIndex) {
    TcxPCButtonedPainter::PaintTab(visibleIndex);
    PaintSeparator(visibleIndex);
}

void TcxPCFlatButtonsPainter::PaintTabShape(int visibleIndex) {
    TcxTab* tab = TabAt(visibleIndex);
    TRect r = FullRect(visibleIndex);
    if (!tab->IsTracking() && (tab->IsPressed() || tab->GetSelected() || tab->IsMainTab())) {
        PaintEdges3D(r, true, false);
        InflateRect(r, -2, -2);
    } else if (tab->IsHot() || tab->IsTracking()) {
        const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
        const TPoint light[] = {{L, B - 2}, {L, T}, {R - 2, T}};
        const TPoint dark[] = {{L, B - 1}, {R - 1, B - 1}, {R - 1, T}};
        DrawPolyline(light, 2, Canvas(), clBtnHighlight);
        DrawPolyline(dark, 2, Canvas(), clBtnShadow);
        InflateRect(r, -1, -1);
    }
    Canvas()->FillRectSolid(r, GetTabBodyColor(visibleIndex));
    InflateRect(r, 1, 1);
    PaintTabFocusRect(visibleIndex, r);
}

void TcxPCFlatButtonsPainter::PaintSeparator(int visibleIndex) {
    const TcxPCPainterParentInfo& info = *GetControlInfo();
    int first = 0, last = 0;
    GetPlacedTabRange(GetOwnerControl(), first, last);
    if (visibleIndex >= last) return;
    TcxTab* tab = TabAt(visibleIndex);
    TRect r;
    tab->GetNormalRect(r);
    bool follows;
    if (!info.Rotate()) {
        follows = TabAt(visibleIndex + 1)->Row == tab->Row;
    } else {
        // Stacked buttons: a tab of the next row starts where this one does.
        follows = false;
        if (info.RowCount() > 1 && tab->Row < info.RowCount() - 1)
            for (int v = visibleIndex + 1; v <= last && !follows; ++v) {
                TcxTab* other = TabAt(v);
                if (other->Row != tab->Row + 1) continue;
                TRect o;
                other->GetNormalRect(o);
                follows = IsSideTabs() ? o.Top == r.Top : o.Left == r.Left;
            }
    }
    if (!follows) return;
    int betweenTabs = 0, betweenRows = 0;
    GetTabsNormalDistance(betweenTabs, betweenRows);
    const int g = betweenTabs, c = (g - 2) / 2;
    TcxCanvas* canvas = Canvas();
    TRect gap;
    if (IsVerticalTextLayout(GetOwnerControl())) {
        const bool above = !info.Rotate() && GetTextRotation(GetOwnerControl()) == 1;
        gap = above ? Rect(r.Left, r.Top - g, r.Right, r.Top) : Rect(r.Left, r.Bottom, r.Right, r.Bottom + g);
        if (!canvas->RectIsVisible(gap)) return;
        canvas->FillRectSolid(gap, info.Color());
        canvas->FillRectSolid(Rect(gap.Left + 1, gap.Top + c, gap.Right - 2, gap.Top + c + 1), clBtnShadow);
        canvas->FillRectSolid(Rect(gap.Left + 1, gap.Top + c + 1, gap.Right - 2, gap.Top + c + 2), clBtnHighlight);
    } else {
        gap = Rect(r.Right, r.Top, r.Right + g, r.Bottom);
        if (!canvas->RectIsVisible(gap)) return;
        canvas->FillRectSolid(gap, info.Color());
        canvas->FillRectSolid(Rect(gap.Left + c, gap.Top + 1, gap.Left + c + 1, gap.Bottom - 2), clBtnShadow);
        canvas->FillRectSolid(Rect(gap.Left + c + 1, gap.Top + 1, gap.Left + c + 2, gap.Bottom - 2), clBtnHighlight);
    }
    canvas->ClipExcludeRect(gap);
}

} // namespace zorvy
