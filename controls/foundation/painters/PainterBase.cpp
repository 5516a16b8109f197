// What every painter does unless it overrides it: backgrounds, header and footer content, buttons,
// check boxes and radio buttons, header sections, the indicator, the size grip.
#include "controls/foundation/painters/Painter.h"

#include "controls/foundation/painters/PainterInternal.h"
#include "controls/foundation/painters/PainterResources.h"
#include "platform/gdi/FrameControls.h"
#include "platform/rtl/Numbers.h"
#include "platform/win/SystemInfo.h"

namespace zorvy {

using painters::Deflated;

int TcxCustomLookAndFeelPainter::HeaderTextFlags(const TcxHeaderText& text) {
    int flags = text.HorzAlign == taRightJustify ? ctfAlignRight
                : text.HorzAlign == taCenter     ? ctfAlignHCenter
                                                 : ctfAlignLeft;
    flags |= text.VertAlign == vaTop      ? ctfAlignTop
             : text.VertAlign == vaBottom ? ctfAlignBottom
                                          : ctfAlignVCenter;
    flags |= text.MultiLine ? ctfWordBreak : ctfSingleLine;
    if (text.ShowEndEllipsis) flags |= ctfShowEndEllipsis;
    return flags;
}

// ---- background, header content ----

void TcxCustomLookAndFeelPainter::FillBackground(TcxCanvas* canvas, const TRect& r, bool transparent,
                                                 TColor color, TBitmap* bitmap) const {
    if (!transparent)
        canvas->FillRectSolid(r, color);
    else if (bitmap)
        canvas->FillRectOrTile(r, bitmap);
}

void TcxCustomLookAndFeelPainter::DrawDownTriangle(TcxCanvas* canvas, const TRect& r, TColor color) const {
    int w = r.Width() / 2;
    if (w % 2 == 0) ++w;
    const int h = w / 2 + 1;
    const int x = (r.Left + r.Right - w) / 2, y = MulDiv(r.Top + r.Bottom - h, 1, 2);
    const TPoint p[3] = {{x, y}, {x + w - 1, y}, {x + w / 2, y + h - 1}};
    FillTriangle(canvas, p, color);
}

void TcxCustomLookAndFeelPainter::DrawHeaderContent(TcxCanvas* canvas, const TRect& bounds, TcxButtonState,
                                                    const TcxHeaderText& text,
                                                    const TcxDrawBackgroundEvent& onBackground, bool) const {
    if (!onBackground || !onBackground(canvas, bounds)) canvas->FillRectSolid(bounds, text.BackgroundColor);
    if (text.Text.empty()) return;
    canvas->CurrentBrush()->SetStyle(bsClear);
    if (text.Font) canvas->AssignFont(text.Font);
    canvas->CurrentFont()->SetColor(text.TextColor);
    canvas->PaintText(text.Text, text.TextBounds, HeaderTextFlags(text), true);
    canvas->CurrentBrush()->SetStyle(bsSolid);
}

TRect TcxCustomLookAndFeelPainter::GetFooterCellContentBounds(const TRect& bounds) const {
    return Deflated(bounds, GetFooterCellBorderWidth());
}

TRect TcxCustomLookAndFeelPainter::GetFooterCellTextBounds(const TRect& bounds) const {
    return Deflated(GetFooterCellContentBounds(bounds), 2);
}

// ---- arrows and buttons ----

void TcxCustomLookAndFeelPainter::DrawTriangleArrow(TcxCanvas* canvas, const TRect& r, TcxArrowDir direction,
                                                    TColor color) const {
    TPoint p[3];
    ComputeArrowTriangle(r, p, direction, true);
    FillTriangle(canvas, p, color);
}

void TcxCustomLookAndFeelPainter::DrawScrollArrowButton(TcxCanvas* canvas, const TRect& r,
                                                        TcxButtonState state, TcxArrowDir direction,
                                                        bool withBorder) const {
    if (withBorder)
        DrawArrowButtonFace(canvas, r, state);
    else
        canvas->FillRectSolid(r, GetButtonFaceColor(state));
    TPoint p[3];
    ComputeArrowTriangle(r, p, direction, false);
    FillTriangle(canvas, p, GetButtonGlyphColor(state, clDefault));
}

void TcxCustomLookAndFeelPainter::DrawArrowButtonFace(TcxCanvas* canvas, const TRect& r,
                                                      TcxButtonState state) const {
    canvas->FillRectSolid(r, GetButtonFaceColor(state));
    DrawButtonEdges(canvas, r, state);
}

void TcxCustomLookAndFeelPainter::DrawButtonArrowGlyph(TcxCanvas* canvas, const TRect& r,
                                                       TcxButtonState state, TcxArrowDir direction) const {
    TRect rect = r;
    if (state == cxbsPressed) OffsetRect(rect, GetPressedButtonShift(), GetPressedButtonShift());
    TPoint p[3];
    ComputeArrowTriangle(rect, p, direction, true);
    if (state == cxbsDisabled) {
        TPoint shifted[3] = {{p[0].X + 1, p[0].Y + 1}, {p[1].X + 1, p[1].Y + 1}, {p[2].X + 1, p[2].Y + 1}};
        FillTriangle(canvas, shifted, clBtnHighlight);
        FillTriangle(canvas, p, clBtnShadow);
    } else {
        FillTriangle(canvas, p, GetButtonGlyphColor(state, clDefault));
    }
}

TRect TcxCustomLookAndFeelPainter::FitGroupButtonRect(const TRect& bounds, int, int) const {
    return bounds;
}

TRect TcxCustomLookAndFeelPainter::GetButtonFocusBounds(TcxCanvas*, const TRect& bounds) const {
    const TRect r = Deflated(bounds, 4);
    return IsRectEmpty(r) ? bounds : r;
}

TRect TcxCustomLookAndFeelPainter::GetGroupButtonInsets(int, int) const {
    const int w = GetButtonEdgeWidth(cxbsNormal);
    return {w, w, w, w};
}

TColor TcxCustomLookAndFeelPainter::GetButtonGlyphColor(TcxButtonState state, TColor defaultColor) const {
    if (state == cxbsDisabled) return clBtnShadow;
    return defaultColor == clDefault ? clBtnText : defaultColor;
}

void TcxCustomLookAndFeelPainter::DrawPushButton(TcxCanvas* canvas, const TRect& rect,
                                                 const std::string& caption, TcxButtonState state,
                                                 bool withBorder, TColor faceColor, TColor textColor) const {
    TRect r = rect;
    if (withBorder) {
        DrawButtonEdges(canvas, r, state);
        InflateRect(r, -GetButtonEdgeWidth(state), -GetButtonEdgeWidth(state));
    }
    canvas->FillRectSolid(r, faceColor == clDefault ? GetButtonFaceColor(state) : faceColor);
    canvas->CurrentFont()->SetColor(textColor == clDefault ? GetButtonGlyphColor(state, clDefault)
                                                           : textColor);
    canvas->CurrentBrush()->SetStyle(bsClear);
    if (r.Height() % 2 != 0) {
        --r.Bottom;
        if (r.Height() < 18) --r.Top;
    }
    if (state == cxbsPressed) OffsetRect(r, GetPressedButtonShift(), GetPressedButtonShift());
    if (!caption.empty())
        canvas->PaintText(caption, r, ctfAlignHCenter | ctfAlignVCenter | ctfSingleLine | ctfShowPrefix,
                          state != cxbsDisabled);
    canvas->CurrentBrush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::DrawGroupButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                                  int, int, TColor) const {
    DrawPushButton(canvas, r, "", state, true);
}

// ---- expand buttons ----

void TcxCustomLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                        TcxButtonState state) const {
    DrawPushButton(canvas, r, "", state, true);
    DrawGroupChevrons(canvas, r, expanded, state);
}

void TcxCustomLookAndFeelPainter::DrawSmallPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                           TColor frameColor, TColor faceColor) const {
    canvas->FrameRectSides(r, frameColor, 1);
    if (faceColor != clDefault) canvas->FillRectSolid(Deflated(r, 1), faceColor);
    DrawExpandSign(canvas, r, expanded, clBtnText);
}

// ---- check boxes and radio buttons ----

TColor TcxCustomLookAndFeelPainter::GetCheckFaceColor(TcxButtonState state) const {
    return state == cxbsPressed || state == cxbsDisabled ? clBtnFace : clWindow;
}

TSize TcxCustomLookAndFeelPainter::GetCheckBoxSize() const {
    return SystemCheckBoxSize();
}

void TcxCustomLookAndFeelPainter::DrawCheckGlyph(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                                 bool checked, TColor color) const {
    if (canvas->CurrentBrush()->GetStyle() == bsSolid) canvas->FillRectSolid(r, GetCheckFaceColor(state));
    if (!checked) return;
    const int x = r.Width() - 2, y = r.Height() - 4;
    const int cx = (r.Left + r.Right) / 2 - 1;
    canvas->CurrentPen()->SetColor(color);
    for (int k = 0; k < 3; ++k) {
        const int row = (r.Top + r.Bottom + y) / 2 - 2 + k;
        const TPoint tick[3] = {{cx + 1 - x / 2, row - y / 2}, {cx, row}, {cx + x / 2 + 2, row - y}};
        canvas->PaintPolyline(tick);
    }
}

void TcxCustomLookAndFeelPainter::DrawCheckBox(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                               bool checked) const {
    DrawCheckBoxFrame(canvas, r, state);
    DrawCheckGlyph(canvas, Deflated(r, GetCheckEdgeWidth()), state, checked,
                   state == cxbsDisabled ? clGrayText : clBtnText);
}

void TcxCustomLookAndFeelPainter::DrawRadioButton(TcxCanvas* canvas, int x, int y, TcxButtonState state,
                                                  bool checked, bool focused, TColor backgroundColor,
                                                  bool designing) const {
    // The images cover the normal, hot, pressed and disabled looks; a default radio button looks normal.
    NeedRadioButtonImageList()->PaintImage(
        canvas, x, y, backgroundColor, PaintStyleToLookAndFeelKind(GetPaintStyle()),
        state == cxbsDefault ? cxbsNormal : state, checked, focused, designing);
}

TSize TcxCustomLookAndFeelPainter::GetRadioButtonExtent() const {
    return NeedRadioButtonImageList()->GetImageSize();
}

// ---- headers and sections ----

void TcxCustomLookAndFeelPainter::DrawHeader(TcxCanvas* canvas, const TRect& bounds,
                                             TcxHeaderNeighbours neighbours, TcxBorders borders,
                                             TcxButtonState state, const TcxHeaderText& text,
                                             const TcxDrawBackgroundEvent& onBackground, bool) const {
    DrawHeaderBorder(canvas, bounds, neighbours, borders);
    DrawHeaderContent(canvas, GetHeaderContentBounds(bounds, borders), state, text, onBackground, false);
}

void TcxCustomLookAndFeelPainter::DrawHeaderSimple(TcxCanvas* canvas, const TRect& bounds,
                                                   TcxHeaderNeighbours neighbours, TcxBorders borders,
                                                   TcxButtonState state, const TcxHeaderText& text,
                                                   const TcxDrawBackgroundEvent& onBackground) const {
    DrawHeader(canvas, bounds, neighbours, borders, state, text, onBackground, false);
}

void TcxCustomLookAndFeelPainter::DrawHeaderSection(TcxCanvas* canvas, const TRect& bounds,
                                                    TcxHeaderNeighbours, TcxBorders borders,
                                                    TcxButtonState state, const TcxHeaderText& text) const {
    DrawHeaderSectionBorder(canvas, bounds, borders, state);
    DrawHeaderSectionContent(canvas, GetHeaderSectionContentBounds(bounds, state), state, text);
}

void TcxCustomLookAndFeelPainter::DrawHeaderSectionContent(TcxCanvas* canvas, const TRect& bounds,
                                                           TcxButtonState state,
                                                           const TcxHeaderText& text) const {
    canvas->FillRectSolid(bounds, text.BackgroundColor);
    TcxHeaderText moved = text;
    moved.TextBounds = GetHeaderSectionTextBounds(text.TextBounds, state);
    DrawHeaderSectionText(canvas, state, moved);
}

void TcxCustomLookAndFeelPainter::DrawHeaderSectionText(TcxCanvas* canvas, TcxButtonState state,
                                                        const TcxHeaderText& text) const {
    canvas->CurrentBrush()->SetStyle(bsClear);
    if (!text.Text.empty()) {
        if (text.Font) canvas->AssignFont(text.Font);
        const int flags = HeaderTextFlags(text);
        if (state == cxbsDisabled) {
            canvas->CurrentFont()->SetColor(clBtnHighlight);
            canvas->PaintText(text.Text, ShiftRect(text.TextBounds, 1, 1), flags);
            canvas->CurrentFont()->SetColor(clBtnShadow);
        } else {
            canvas->CurrentFont()->SetColor(text.TextColor);
        }
        canvas->PaintText(text.Text, text.TextBounds, flags);
    }
    canvas->CurrentBrush()->SetStyle(bsSolid);
}

TRect TcxCustomLookAndFeelPainter::GetHeaderDrawBounds(const TRect& bounds, TcxHeaderNeighbours neighbours,
                                                       TcxBorders borders) const {
    const int w = GetHeaderBorderWidth();
    const TcxBorders grow = borders & ~GetHeaderBorders(neighbours);
    TRect r = bounds;
    if (grow & cxBorder(bLeft)) r.Left -= w;
    if (grow & cxBorder(bTop)) r.Top -= w;
    if (grow & cxBorder(bRight)) r.Right += w;
    if (grow & cxBorder(bBottom)) r.Bottom += w;
    return r;
}

TRect TcxCustomLookAndFeelPainter::GetHeaderContentBounds(const TRect& bounds, TcxBorders borders) const {
    const int w = GetHeaderBorderWidth();
    TRect r = bounds;
    if (borders & cxBorder(bLeft)) r.Left += w;
    if (borders & cxBorder(bTop)) r.Top += w;
    if (borders & cxBorder(bRight)) r.Right -= w;
    if (borders & cxBorder(bBottom)) r.Bottom -= w;
    return r;
}

TRect TcxCustomLookAndFeelPainter::GetHeaderSectionTextBounds(const TRect& bounds,
                                                              TcxButtonState state) const {
    return state == cxbsPressed ? ShiftRect(bounds, 1, 1) : bounds;
}

TRect TcxCustomLookAndFeelPainter::GetHeaderSectionContentBounds(const TRect& bounds,
                                                                 TcxButtonState state) const {
    return Deflated(bounds, GetHeaderSectionBorderWidth(state));
}

int TcxCustomLookAndFeelPainter::CalcHeaderSectionWidth(TcxCanvas* canvas, TcxBorders borders,
                                                        const std::string& text, TFont* font) const {
    if (font) canvas->AssignFont(font);
    int width = canvas->MeasureTextWidth(text) + 4;
    if (borders & cxBorder(bLeft)) width += GetHeaderBorderWidth();
    if (borders & cxBorder(bRight)) width -= GetHeaderBorderWidth();
    return width;
}

// ---- footers ----

void TcxCustomLookAndFeelPainter::DrawFooterCell(TcxCanvas* canvas, const TRect& bounds,
                                                 const TcxHeaderText& text,
                                                 const TcxDrawBackgroundEvent& onBackground) const {
    DrawFooterCellBorder(canvas, bounds);
    TcxHeaderText cell = text;
    cell.TextBounds = GetFooterCellTextBounds(bounds);
    cell.ShowEndEllipsis = false;
    DrawHeaderContent(canvas, GetFooterCellContentBounds(bounds), cxbsDefault, cell, onBackground, true);
}

void TcxCustomLookAndFeelPainter::DrawFooterBackground(TcxCanvas* canvas, const TRect& r,
                                                       const TcxViewParamsRec& params) const {
    if (IsRectEmpty(r)) return;
    canvas->FrameAndFillRect(r, params, 0, clDefault, 0);
}

// ---- filter and close buttons ----

void TcxCustomLookAndFeelPainter::DrawSmallCloseButton(TcxCanvas* canvas, const TRect& r,
                                                       TcxButtonState state) const {
    DrawButtonEdges(canvas, r, state);
    const TRect inner = Deflated(r, GetButtonEdgeWidth(cxbsNormal));
    canvas->FillRectSolid(inner, GetButtonFaceColor(state));
    DrawCloseCross(canvas, inner, GetButtonGlyphColor(state, clDefault), GetButtonGlyphState(state));
}

// ---- row indicator ----

void TcxCustomLookAndFeelPainter::DrawIndicatorCustomizeMark(TcxCanvas* canvas, const TRect& r,
                                                             TColor color) const {
    canvas->CurrentPen()->SetColor(color);
    const int x = r.Left + 3, length = r.Width() - 6;
    for (int i = 0; i < 5; ++i) {
        const int y = (r.Top + r.Bottom - 9) / 2 + 2 * i;
        if (i % 2 == 0) canvas->PaintPixel(x, y, color);
        canvas->MoveToPoint(x + 2, y);
        canvas->LineToPoint(x + length, y);
    }
}

void TcxCustomLookAndFeelPainter::DrawIndicatorImage(TcxCanvas* canvas, const TRect& r, int kind) const {
    TImageList* images = IndicatorImages();
    if (kind <= 0 || !images || kind > images->GetCount()) return;
    images->Draw(canvas->GetCanvas(), (r.Left + r.Right - images->GetWidth()) / 2,
                 (r.Top + r.Bottom - images->GetHeight()) / 2, kind - 1, true);
}

void TcxCustomLookAndFeelPainter::DrawIndicatorItem(TcxCanvas* canvas, const TRect& r, int kind,
                                                    TColor backgroundColor,
                                                    const TcxDrawBackgroundEvent& onBackground) const {
    TcxHeaderText text;
    text.TextBounds = r;
    text.TextColor = clNone;
    text.BackgroundColor = backgroundColor;
    DrawHeader(canvas, r, 0, GetHeaderBorders(cxBorder(bTop) | cxBorder(bBottom)), cxbsNormal, text,
               onBackground);
    DrawIndicatorImage(canvas, r, kind);
}

void TcxCustomLookAndFeelPainter::DrawIndicatorItemSimple(TcxCanvas* canvas, const TRect& r, int kind,
                                                          TColor backgroundColor,
                                                          const TcxDrawBackgroundEvent& onBackground) const {
    TcxHeaderText text;
    text.TextBounds = r;
    text.TextColor = clNone;
    text.BackgroundColor = backgroundColor;
    DrawHeaderSimple(canvas, r, 0, cxBordersAll, cxbsNormal, text, onBackground);
    DrawIndicatorImage(canvas, r, kind);
}

// ---- scroll bars, size grip, the rest ----

TSize TcxCustomLookAndFeelPainter::GetScrollBarSize() const {
    return {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

void TcxCustomLookAndFeelPainter::DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor color) const {
    canvas->FillRectSolid(r, color);
    if (HDC dc = canvas->DeviceContext()) DrawFrameControl(dc, r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void TcxCustomLookAndFeelPainter::DrawHeaderWithArrows(TcxCanvas* canvas, const TRect& bounds,
                                                       TcxHeaderNeighbours neighbours, TcxBorders borders,
                                                       TcxButtonState state, const TcxHeaderText& text,
                                                       int arrows) const {
    TcxHeaderText centred = text;
    centred.HorzAlign = taCenter;
    DrawHeader(canvas, bounds, neighbours, borders, state, centred);
    DrawHeaderArrowMarks(canvas, bounds, arrows, 2, clWindowText);
}

void TcxCustomLookAndFeelPainter::DrawNavigatorGlyph(TcxCanvas* canvas, TCustomImageList* images, int index,
                                                     const TRect& r, bool enabled) const {
    if (images) images->Draw(canvas->GetCanvas(), r.Left, r.Top, index, enabled);
}

} // namespace zorvy
