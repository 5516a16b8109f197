// The UltraFlat painter: one-pixel frames in a single colour, highlight mixes for hot and pressed faces.
#include "controls/foundation/painters/PainterInternal.h"

#include "controls/foundation/graphics/ColorBlend.h"

namespace zorvy {

using namespace painters;

const TcxUltraFlatLookAndFeelPainter* TcxUltraFlatLookAndFeelPainter::Instance() {
    static const TcxUltraFlatLookAndFeelPainter painter;
    return &painter;
}

void TcxUltraFlatLookAndFeelPainter::DrawControlBorder(TcxCanvas* canvas, const TRect& r) const {
    Frame(canvas, r, clBtnShadow);
}

TColor TcxUltraFlatLookAndFeelPainter::GetButtonFaceColor(TcxButtonState state) const {
    if (state == cxbsHot) return TColor(BlendedHotColor());
    if (state == cxbsPressed) return TColor(BlendedPressedColor());
    return clBtnFace;
}

TRect TcxUltraFlatLookAndFeelPainter::GetButtonFocusBounds(TcxCanvas*, const TRect& bounds) const {
    const TRect r = Deflated(bounds, 3);
    return IsRectEmpty(r) ? bounds : r;
}

TRect TcxUltraFlatLookAndFeelPainter::GetGroupButtonInsets(int count, int index) const {
    TRect insets = {1, 2, 1, 2};
    if (index == 0) insets.Left = 2;
    if (index == count - 1 && index != 0) insets.Right = 2;
    return insets;
}

TColor TcxUltraFlatLookAndFeelPainter::GetButtonGlyphColor(TcxButtonState state, TColor defaultColor) const {
    if (state == cxbsPressed) return clHighlightText;
    return TcxCustomLookAndFeelPainter::GetButtonGlyphColor(state, defaultColor);
}

void TcxUltraFlatLookAndFeelPainter::DrawButtonEdges(TcxCanvas* canvas, const TRect& r,
                                                     TcxButtonState state) const {
    switch (state) {
    case cxbsDefault:
        Frame(canvas, r, clWindowFrame);
        Frame(canvas, Deflated(r), clWindowFrame);
        break;
    case cxbsNormal:
        Frame(canvas, r, clBtnText);
        break;
    case cxbsDisabled:
        Frame(canvas, r, clBtnShadow);
        break;
    default:
        Frame(canvas, r, clHighlight);
        break;
    }
}

void TcxUltraFlatLookAndFeelPainter::DrawGroupButton(TcxCanvas* canvas, const TRect& rect,
                                                     TcxButtonState state, int count, int index,
                                                     TColor frameColor) const {
    TRect r = rect;
    ++r.Top;
    --r.Bottom;
    if (index == 0) ++r.Left;
    if (count == index + 1) --r.Right;
    if (state == cxbsNormal || state == cxbsDisabled) {
        Frame(canvas, r, frameColor);
        r = Deflated(r);
    } else {
        if (index > 0) {
            canvas->FillRectSolid(Rect(r.Left, r.Top, r.Left + 1, r.Bottom), GetAccentFrameColor());
            ++r.Left;
        }
        if (index < count - 1) {
            canvas->FillRectSolid(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), GetAccentFrameColor());
            --r.Right;
        }
    }
    canvas->FillRectSolid(r, GetButtonFaceColor(state));
}

void TcxUltraFlatLookAndFeelPainter::DrawButtonGroupFrame(TcxCanvas* canvas, const TRect& r, bool strong,
                                                          bool selected) const {
    Frame(canvas, r, strong ? clBtnText : selected ? GetAccentFrameColor() : clBtnShadow);
}

void TcxUltraFlatLookAndFeelPainter::DrawToolButton(TcxCanvas* canvas, const TRect& r,
                                                    TcxButtonState state) const {
    DrawPushButton(canvas, r, "", state, state == cxbsHot || state == cxbsPressed);
}

void TcxUltraFlatLookAndFeelPainter::DrawPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                         TColor faceColor) const {
    Frame(canvas, r, clBtnShadow);
    const TRect inner = Deflated(r);
    canvas->FillRectSolid(inner, faceColor == clDefault ? clBtnFace : faceColor);
    DrawExpandSign(canvas, inner, expanded, clBtnText);
    canvas->ClipExcludeRect(r);
}

void TcxUltraFlatLookAndFeelPainter::DrawCheckBoxFrame(TcxCanvas* canvas, const TRect& r,
                                                       TcxButtonState state) const {
    Frame(canvas, r, clBtnText);
    Frame(canvas, Deflated(r), GetCheckFaceColor(state));
}

TcxBorders TcxUltraFlatLookAndFeelPainter::GetHeaderBorders(TcxHeaderNeighbours neighbours) const {
    TcxBorders borders = cxBordersAll;
    if (neighbours & cxBorder(bLeft)) borders &= TcxBorders(~cxBorder(bLeft));
    if (neighbours & cxBorder(bTop)) borders &= TcxBorders(~cxBorder(bTop));
    return borders;
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxHeaderNeighbours,
                                                      TcxBorders borders) const {
    TcxBorders sides = cxBorder(bRight) | cxBorder(bBottom);
    sides |= borders & (cxBorder(bLeft) | cxBorder(bTop));
    Frame(canvas, r, clBtnText, sides);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderSimple(TcxCanvas* canvas, const TRect& bounds,
                                                      TcxHeaderNeighbours neighbours, TcxBorders borders,
                                                      TcxButtonState state, const TcxHeaderText& text,
                                                      const TcxDrawBackgroundEvent& onBackground) const {
    TcxHeaderText inner = text;
    inner.TextBounds = Deflated(text.TextBounds);
    DrawHeaderContent(canvas, bounds, state, inner, onBackground, false);
    DrawHeaderBorder(canvas, Deflated(bounds), neighbours, borders);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderSectionBorder(TcxCanvas* canvas, const TRect& r,
                                                             TcxBorders borders, TcxButtonState state) const {
    Frame(canvas, r, state == cxbsDisabled ? clBtnShadow : clBlack, borders);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderSectionContent(TcxCanvas* canvas, const TRect& bounds,
                                                              TcxButtonState state,
                                                              const TcxHeaderText& text) const {
    TColor background = text.BackgroundColor;
    if (state == cxbsHot || state == cxbsPressed || state == cxbsDisabled)
        background = GetButtonFaceColor(state);
    canvas->FillRectSolid(bounds, background);
    canvas->CurrentFont()->SetColor(text.TextColor);
    DrawHeaderSectionText(canvas, state, text);
}

void TcxUltraFlatLookAndFeelPainter::DrawSortingMark(TcxCanvas* canvas, const TRect& r,
                                                     bool ascending) const {
    DrawSortTriangle(canvas, r, clBtnShadow, clBtnShadow, ascending);
}

void TcxUltraFlatLookAndFeelPainter::DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const {
    Frame(canvas, r, GetFooterLineColor(), cxBorder(bRight) | cxBorder(bBottom));
}

void TcxUltraFlatLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* canvas, const TRect& r) const {
    Frame(canvas, r, GetFooterLineColor());
}

void TcxUltraFlatLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r,
                                                              TcxButtonState state, bool active) const {
    Frame(canvas, r, GetStateFrameColor(state));
    const TRect inner = Deflated(r);
    canvas->FillRectSolid(inner, GetButtonFaceColor(state));
    DrawDownTriangle(canvas, inner, active ? clBlue : GetButtonGlyphColor(state, clDefault));
}

void TcxUltraFlatLookAndFeelPainter::DrawTabEdge(TcxCanvas* canvas, const TRect& rect, TcxBorder side,
                                                 TcxBorders, bool vertical) const {
    TRect r = rect;
    const bool shadow = vertical ? side == bBottom : side == bRight;
    if (!vertical && side == bRight) r.Bottom -= GetTabEdgeWidth(vertical);
    canvas->FillRectSolid(r, shadow ? GetTabShadowEdgeColor() : GetTabEdgeColor());
}

void TcxUltraFlatLookAndFeelPainter::DrawTabStripBase(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                                      bool vertical) const {
    canvas->FrameRectSides(r, GetTabEdgeColor(), GetTabEdgeWidth(vertical), borders);
}

void TcxUltraFlatLookAndFeelPainter::DrawScrollBarElement(TcxCanvas* canvas, bool horizontal, const TRect& r,
                                                          TcxScrollPart part, TcxButtonState state) const {
    DrawClassicScrollBarElement(this, 2, canvas, horizontal, r, part, state);
}

void TcxUltraFlatLookAndFeelPainter::DrawSplitter(TcxCanvas* canvas, const TRect& r,
                                                  const TcxViewParamsRec& params, bool horizontal) const {
    DrawSplitterLines(canvas, r, params, horizontal, {{DefaultFrameLineColor(), DefaultFrameLineColor()}});
}

} // namespace zorvy
