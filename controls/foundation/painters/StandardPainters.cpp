// The Standard and Flat painters and the classic drawing steps they share with UltraFlat.
#include "controls/foundation/painters/PainterInternal.h"
#include "controls/foundation/painters/PainterResources.h"

#include "platform/gdi/FrameControls.h"

namespace zorvy {

using namespace painters;

// ---- shared steps ----

void painters::DrawClassicHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxHeaderNeighbours neighbours) {
    Edges(canvas, r, clBtnHighlight, clBtnShadow);
    if (neighbours & cxBorder(bLeft)) {
        canvas->PaintPixel(r.Left, r.Top + 1, clBtnFace);
        canvas->PaintPixel(r.Left, r.Bottom - 2, clBtnFace);
    }
    if (neighbours & cxBorder(bRight)) {
        canvas->PaintPixel(r.Right - 1, r.Top, clBtnHighlight);
        canvas->PaintPixel(r.Right - 1, r.Top + 1, clBtnFace);
        canvas->PaintPixel(r.Right - 1, r.Bottom - 2, clBtnFace);
    }
}

void painters::DrawClassicTabEdge(TcxCanvas* canvas, const TRect& rect, TcxBorder side, TcxBorders borders,
                                  bool vertical) {
    TRect r = rect;
    auto has = [&](TcxBorder b) { return (borders & cxBorder(b)) != 0; };
    if (vertical) {
        if (side == bLeft) {
            r.Top += has(bTop) ? 2 : 1;
            r.Bottom -= has(bBottom) ? 2 : 1;
            canvas->PaintPixel(r.Left + 1, r.Top - 1, clBtnHighlight);
            canvas->PaintPixel(r.Left + 1, r.Bottom, clBtnHighlight);
        } else if ((side == bTop || side == bBottom) && has(bLeft)) {
            r.Left += 1;
        }
    } else {
        if (side == bLeft || side == bRight) {
            if (has(bTop)) r.Top += 2;
            if (has(bBottom)) r.Bottom -= 1;
        } else if (side == bTop) {
            r.Left += 1;
            r.Right -= 1;
            canvas->PaintPixel(r.Left - 1, r.Top + 1, clBtnHighlight);
            canvas->PaintPixel(r.Right, r.Top + 1, clBtnHighlight);
        }
    }
    const bool shadow = vertical ? side == bBottom : side == bRight;
    canvas->FillRectSolid(r, shadow ? clBtnShadow : clBtnHighlight);
}

void painters::DrawClassicFilterDropDown(const TcxCustomLookAndFeelPainter* painter, TcxCanvas* canvas,
                                         const TRect& r, TcxButtonState state, bool active) {
    if (state == cxbsPressed)
        Edges(canvas, r, clBtnShadow, clBtnHighlight);
    else
        Edges(canvas, r, clBtnHighlight, clBtnShadow);
    const TRect inner = Deflated(r);
    canvas->FillRectSolid(inner, clBtnFace);
    painter->DrawDownTriangle(canvas, inner, active ? clBlue : clBtnText);
}

namespace {

// The Standard scroll-button border: raised, or sunken for a pressed arrow button.
void DrawScrollButtonBorder(TcxCanvas* canvas, const TRect& r, bool pressedArrow) {
    if (pressedArrow) {
        Frame(canvas, r, clBtnShadow);
        Frame(canvas, Deflated(r), clBtnFace);
        return;
    }
    Edges(canvas, r, clBtnFace, cl3DDkShadow);
    Edges(canvas, Deflated(r), clBtnHighlight, clBtnShadow);
}

} // namespace

void painters::DrawClassicScrollBarElement(const TcxCustomLookAndFeelPainter* painter, int style,
                                           TcxCanvas* canvas, bool horizontal, const TRect& r,
                                           TcxScrollPart part, TcxButtonState state) {
    if (IsRectEmpty(r) || (part == spThumb && state == cxbsDisabled)) return;
    if (style != 2 && state == cxbsHot) state = cxbsNormal;
    switch (part) {
    case spNone:
        return;
    case spPageUp:
    case spPageDown: {
        TBrush* brush = canvas->CurrentBrush();
        brush->SetBitmap(ScrollBarPatternBitmap(state == cxbsPressed));
        canvas->GetCanvas()->FillRect(r);
        brush->SetBitmap(nullptr);
        brush->SetStyle(bsSolid);
        return;
    }
    default:
        break;
    }
    if (style == 0) {
        if (part == spThumb) {
            DrawScrollButtonBorder(canvas, r, false);
            canvas->FillRectSolid(Deflated(r, painter->GetButtonEdgeWidth(cxbsNormal)), clBtnFace);
            return;
        }
        const bool pressed = state == cxbsPressed;
        const TRect arrow = pressed ? ShiftRect(r, 1, 1) : r;
        unsigned flags = unsigned(ScrollArrowDirection(horizontal, part));
        if (state == cxbsDisabled) flags |= DFCS_INACTIVE;
        if (pressed) flags |= DFCS_FLAT;
        if (HDC dc = canvas->DeviceContext()) DrawFrameControl(dc, arrow, DFC_SCROLL, flags);
        DrawScrollButtonBorder(canvas, r, pressed);
        return;
    }
    painter->DrawPushButton(canvas, r, "", state, true);
    const TRect inner = style == 1 ? Deflated(r, painter->GetButtonEdgeWidth(cxbsNormal)) : r;
    if (part == spLineUp || part == spLineDown)
        painter->DrawButtonArrowGlyph(canvas, inner, state, ScrollArrowDirection(horizontal, part));
}

void painters::DrawSplitterLines(TcxCanvas* canvas, const TRect& rect, const TcxViewParamsRec& params,
                                 bool horizontal, std::initializer_list<std::pair<TColor, TColor>> pairs) {
    TRect r = rect;
    for (const auto& [first, second] : pairs) {
        if (horizontal) {
            canvas->FillRectSolid(Rect(r.Left, r.Top, r.Right, r.Top + 1), first);
            canvas->FillRectSolid(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), second);
            InflateRect(r, 1, -1);
        } else {
            canvas->FillRectSolid(Rect(r.Left, r.Top, r.Left + 1, r.Bottom), first);
            canvas->FillRectSolid(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), second);
            InflateRect(r, -1, 1);
        }
    }
    canvas->FrameAndFillRect(r, params, 0, clDefault, 0);
}

// ---- Standard ----

const TcxStandardLookAndFeelPainter* TcxStandardLookAndFeelPainter::Instance() {
    static const TcxStandardLookAndFeelPainter painter;
    return &painter;
}

void TcxStandardLookAndFeelPainter::DrawControlBorder(TcxCanvas* canvas, const TRect& r) const {
    Edges(canvas, r, clBtnShadow, clBtnHighlight);
    Edges(canvas, Deflated(r), cl3DDkShadow, cl3DLight);
}

void TcxStandardLookAndFeelPainter::DrawButtonEdges(TcxCanvas* canvas, const TRect& rect,
                                                    TcxButtonState state) const {
    TRect r = rect;
    if (state == cxbsPressed) {
        Frame(canvas, r, clBlack);
        Frame(canvas, Deflated(r), clBtnShadow);
        return;
    }
    if (state == cxbsDefault) {
        Frame(canvas, r, clBlack);
        r = Deflated(r);
    }
    Edges(canvas, r, clBtnHighlight, cl3DDkShadow);
    Edges(canvas, Deflated(r), cl3DLight, clBtnShadow);
}

void TcxStandardLookAndFeelPainter::DrawPlusMinusButton(TcxCanvas* canvas, const TRect& rect, bool expanded,
                                                        TColor faceColor) const {
    TRect r = rect;
    canvas->FillRectSolid(Rect(r.Left, r.Top, r.Right, r.Top + 1), clBtnHighlight);
    canvas->FillRectSolid(Rect(r.Left, r.Top, r.Left + 1, r.Bottom), clBtnHighlight);
    canvas->FillRectSolid(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), cl3DDkShadow);
    canvas->FillRectSolid(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), cl3DDkShadow);
    r = Deflated(r);
    canvas->FillRectSolid(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), clBtnShadow);
    canvas->FillRectSolid(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), clBtnShadow);
    --r.Right;
    --r.Bottom;
    canvas->FillRectSolid(r, faceColor == clDefault ? clBtnFace : faceColor);
    DrawExpandSign(canvas, r, expanded, clBtnText);
    canvas->ClipExcludeRect(rect);
}

void TcxStandardLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                          TcxButtonState state) const {
    TcxFlatLookAndFeelPainter::Instance()->DrawGroupExpandButton(canvas, r, expanded, state);
}

void TcxStandardLookAndFeelPainter::DrawCheckBoxFrame(TcxCanvas* canvas, const TRect& r,
                                                      TcxButtonState) const {
    Edges(canvas, r, cl3DDkShadow, cl3DLight);
    Edges(canvas, Deflated(r), clBtnShadow, clBtnHighlight);
}

void TcxStandardLookAndFeelPainter::DrawHeaderBorder(TcxCanvas* canvas, const TRect& r,
                                                     TcxHeaderNeighbours neighbours, TcxBorders) const {
    DrawClassicHeaderBorder(canvas, r, neighbours);
}

void TcxStandardLookAndFeelPainter::DrawHeaderSectionBorder(TcxCanvas* canvas, const TRect& r,
                                                            TcxBorders borders, TcxButtonState state) const {
    if (state == cxbsPressed) {
        Edges(canvas, r, clBtnShadow, clBtnShadow, borders);
        return;
    }
    Edges(canvas, r, clBtnHighlight, cl3DDkShadow, borders);
    Edges(canvas, Deflated(r), cl3DLight, clBtnShadow, borders);
}

void TcxStandardLookAndFeelPainter::DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const {
    DrawSortTriangle(canvas, r, clBtnShadow, clBtnHighlight, ascending);
}

void TcxStandardLookAndFeelPainter::DrawHeaderWithArrows(TcxCanvas* canvas, const TRect& bounds,
                                                         TcxHeaderNeighbours neighbours, TcxBorders borders,
                                                         TcxButtonState state, const TcxHeaderText& text,
                                                         int arrows) const {
    const TcxBorders open = TcxBorders(cxBordersAll & ~neighbours);
    Frame(canvas, bounds, clBlack, open);
    TRect inner = bounds;
    if (open & cxBorder(bLeft)) ++inner.Left;
    if (open & cxBorder(bTop)) ++inner.Top;
    if (open & cxBorder(bRight)) --inner.Right;
    if (open & cxBorder(bBottom)) --inner.Bottom;
    TcxCustomLookAndFeelPainter::DrawHeaderWithArrows(canvas, inner, neighbours, borders, state, text,
                                                      arrows);
}

void TcxStandardLookAndFeelPainter::DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const {
    Edges(canvas, r, clBtnHighlight, clBtnShadow);
}

void TcxStandardLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* canvas, const TRect& r) const {
    Edges(canvas, r, clBtnShadow, clBtnHighlight);
}

void TcxStandardLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r,
                                                             TcxButtonState state, bool active) const {
    DrawClassicFilterDropDown(this, canvas, r, state, active);
}

void TcxStandardLookAndFeelPainter::DrawTabEdge(TcxCanvas* canvas, const TRect& r, TcxBorder side,
                                                TcxBorders borders, bool vertical) const {
    DrawClassicTabEdge(canvas, r, side, borders, vertical);
}

void TcxStandardLookAndFeelPainter::DrawTabStripBase(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                                     bool) const {
    Edges(canvas, r, clBtnHighlight, clBtnShadow, borders);
}

void TcxStandardLookAndFeelPainter::DrawScrollBarElement(TcxCanvas* canvas, bool horizontal, const TRect& r,
                                                         TcxScrollPart part, TcxButtonState state) const {
    DrawClassicScrollBarElement(this, 0, canvas, horizontal, r, part, state);
}

void TcxStandardLookAndFeelPainter::DrawSplitter(TcxCanvas* canvas, const TRect& r,
                                                 const TcxViewParamsRec& params, bool horizontal) const {
    DrawSplitterLines(canvas, r, params, horizontal,
                      {{clBtnFace, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}});
}

// ---- Flat ----

const TcxFlatLookAndFeelPainter* TcxFlatLookAndFeelPainter::Instance() {
    static const TcxFlatLookAndFeelPainter painter;
    return &painter;
}

void TcxFlatLookAndFeelPainter::DrawControlBorder(TcxCanvas* canvas, const TRect& r) const {
    Edges(canvas, r, clBtnShadow, clBtnHighlight);
}

void TcxFlatLookAndFeelPainter::DrawButtonEdges(TcxCanvas* canvas, const TRect& rect,
                                                TcxButtonState state) const {
    if (state == cxbsPressed) {
        Edges(canvas, rect, clBtnShadow, clBtnHighlight);
        return;
    }
    TRect r = rect;
    if (state == cxbsDefault) {
        Frame(canvas, r, clBlack);
        r = Deflated(r);
    }
    Edges(canvas, r, clBtnHighlight, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::DrawPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                    TColor faceColor) const {
    DrawPushButton(canvas, r, "", cxbsNormal, true, faceColor, clDefault);
    DrawExpandSign(canvas, Deflated(r), expanded, clBtnText);
    canvas->ClipExcludeRect(r);
}

void TcxFlatLookAndFeelPainter::DrawCheckBoxFrame(TcxCanvas* canvas, const TRect& r,
                                                  TcxButtonState state) const {
    Edges(canvas, r, clBtnShadow, clBtnHighlight);
    Frame(canvas, Deflated(r), GetCheckFaceColor(state));
}

void TcxFlatLookAndFeelPainter::DrawHeaderBorder(TcxCanvas* canvas, const TRect& r,
                                                 TcxHeaderNeighbours neighbours, TcxBorders) const {
    DrawClassicHeaderBorder(canvas, r, neighbours);
}

void TcxFlatLookAndFeelPainter::DrawHeaderSectionBorder(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                                        TcxButtonState state) const {
    if (state == cxbsPressed)
        Edges(canvas, r, clBtnShadow, clBtnHighlight, borders);
    else
        Edges(canvas, r, clBtnHighlight, clBtnShadow, borders);
}

void TcxFlatLookAndFeelPainter::DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const {
    DrawSortTriangle(canvas, r, clBtnShadow, clBtnHighlight, ascending);
}

void TcxFlatLookAndFeelPainter::DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const {
    Edges(canvas, r, clBtnHighlight, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* canvas, const TRect& r) const {
    Edges(canvas, r, clBtnShadow, clBtnHighlight);
}

void TcxFlatLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r,
                                                         TcxButtonState state, bool active) const {
    DrawClassicFilterDropDown(this, canvas, r, state, active);
}

void TcxFlatLookAndFeelPainter::DrawTabEdge(TcxCanvas* canvas, const TRect& r, TcxBorder side,
                                            TcxBorders borders, bool vertical) const {
    DrawClassicTabEdge(canvas, r, side, borders, vertical);
}

void TcxFlatLookAndFeelPainter::DrawTabStripBase(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                                 bool) const {
    Edges(canvas, r, clBtnHighlight, clBtnShadow, borders);
}

void TcxFlatLookAndFeelPainter::DrawScrollBarElement(TcxCanvas* canvas, bool horizontal, const TRect& r,
                                                     TcxScrollPart part, TcxButtonState state) const {
    DrawClassicScrollBarElement(this, 1, canvas, horizontal, r, part, state);
}

void TcxFlatLookAndFeelPainter::DrawSplitter(TcxCanvas* canvas, const TRect& r,
                                             const TcxViewParamsRec& params, bool horizontal) const {
    DrawSplitterLines(canvas, r, params, horizontal, {{clBtnHighlight, clBtnShadow}});
}

} // namespace zorvy
