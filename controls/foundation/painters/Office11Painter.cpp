// The Office11 painter.
#include "controls/foundation/painters/Office11Painter.h"

#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/PainterInternal.h"
#include "controls/foundation/painters/WinXPPainter.h"

namespace zorvy {

using namespace painters;

namespace {
const TOffice11Colors& O() {
    return Office11Colors();
}
TColor C(COLORREF c) {
    return TColor(c);
}
} // namespace

const TcxOffice11LookAndFeelPainter* TcxOffice11LookAndFeelPainter::Instance() {
    static const TcxOffice11LookAndFeelPainter painter;
    return &painter;
}

TColor TcxOffice11LookAndFeelPainter::DefaultFilterBoxColor() const {
    return C(O().FilterBox);
}
TColor TcxOffice11LookAndFeelPainter::DefaultFilterBoxTextColor() const {
    return C(O().FilterBoxText);
}
TColor TcxOffice11LookAndFeelPainter::DefaultFooterColor() const {
    return C(O().Face);
}
TColor TcxOffice11LookAndFeelPainter::DefaultGroupByBoxColor() const {
    return C(O().GroupByBox);
}
TColor TcxOffice11LookAndFeelPainter::DefaultGroupByBoxTextColor() const {
    return C(O().Light);
}
TColor TcxOffice11LookAndFeelPainter::DefaultGroupColor() const {
    return C(O().Group);
}
TColor TcxOffice11LookAndFeelPainter::DefaultDateHeaderColor() const {
    return C(O().Face);
}
TColor TcxOffice11LookAndFeelPainter::DefaultDateSelectionColor() const {
    return C(O().DateSelection);
}
TColor TcxOffice11LookAndFeelPainter::DefaultFrameLineColor() const {
    return C(O().FrameLine);
}
TColor TcxOffice11LookAndFeelPainter::DefaultTabColor() const {
    return C(O().Tab);
}
TColor TcxOffice11LookAndFeelPainter::GetHeaderGradientColor() const {
    return C(O().Dark);
}
TColor TcxOffice11LookAndFeelPainter::GetHeaderDarkEdgeColor() const {
    return C(O().HeaderDarkEdge);
}
TColor TcxOffice11LookAndFeelPainter::GetHeaderLightEdgeColor() const {
    return C(O().HeaderLightEdge);
}
TColor TcxOffice11LookAndFeelPainter::GetHeaderTopEdgeColor() const {
    return C(MixColors(C(O().Light), C(O().Dark), 50));
}
TColor TcxOffice11LookAndFeelPainter::GetAccentFrameColor() const {
    return C(O().HighlightBorder);
}

TColor TcxOffice11LookAndFeelPainter::GetButtonFaceColor(TcxButtonState state) const {
    switch (state) {
    case cxbsHot:
        return C(O().HotLight);
    case cxbsPressed:
        return C(O().PressedLight);
    case cxbsDisabled:
        return clBtnFace;
    default:
        return C(O().Face);
    }
}

TColor TcxOffice11LookAndFeelPainter::GetButtonGlyphColor(TcxButtonState state, TColor) const {
    if (state == cxbsPressed && !IsOffice11StandardScheme()) return clHighlightText;
    if (state == cxbsDisabled) return C(O().Disabled);
    return C(O().Glyph);
}

TColor TcxOffice11LookAndFeelPainter::GetCheckFaceColor(TcxButtonState state) const {
    if (state == cxbsHot || state == cxbsPressed || state == cxbsDisabled) return GetButtonFaceColor(state);
    return TcxCustomLookAndFeelPainter::GetCheckFaceColor(state);
}

TColor TcxOffice11LookAndFeelPainter::GetStateFrameColor(TcxButtonState state) const {
    return state == cxbsNormal ? GetHeaderDarkEdgeColor() : C(O().HighlightBorder);
}

void TcxOffice11LookAndFeelPainter::DrawHeaderContent(TcxCanvas* canvas, const TRect& bounds,
                                                      TcxButtonState state, const TcxHeaderText& text,
                                                      const TcxDrawBackgroundEvent& onBackground,
                                                      bool solidFill) const {
    HDC dc = canvas->DeviceContext();
    if (!onBackground || !onBackground(canvas, bounds)) {
        const TColor c1 = state == cxbsHot ? C(O().Light) : GetHeaderTopEdgeColor();
        const TColor c2 = state == cxbsHot ? C(O().Light) : GetHeaderGradientColor();
        if (solidFill) {
            FillRectByColor(dc, bounds, c1);
        } else {
            FillRectByColor(dc, Rect(bounds.Left, bounds.Top, bounds.Right, bounds.Bottom - 3), c1);
            FillGradientRect(dc, Rect(bounds.Left, bounds.Bottom - 4, bounds.Right, bounds.Bottom), c1, c2,
                             false);
        }
    }
    if (!text.Text.empty()) {
        canvas->CurrentBrush()->SetStyle(bsClear);
        if (text.Font) canvas->AssignFont(text.Font);
        canvas->CurrentFont()->SetColor(text.TextColor);
        canvas->PaintText(text.Text, text.TextBounds, HeaderTextFlags(text), true);
        canvas->CurrentBrush()->SetStyle(bsSolid);
    }
    if (state == cxbsHot)
        FillGradientRect(canvas->DeviceContext(),
                         Rect(bounds.Left - 1, bounds.Bottom - 2, bounds.Right, bounds.Bottom + 1),
                         C(O().HotLight), C(O().HotDark), false);
}

void TcxOffice11LookAndFeelPainter::DrawControlBorder(TcxCanvas* canvas, const TRect& r) const {
    Frame(canvas, r, C(O().ControlBorder));
}

void TcxOffice11LookAndFeelPainter::DrawButtonEdges(TcxCanvas* canvas, const TRect& r,
                                                    TcxButtonState state) const {
    switch (state) {
    case cxbsDefault:
        TcxUltraFlatLookAndFeelPainter::DrawButtonEdges(canvas, r, state);
        break;
    case cxbsNormal:
        Frame(canvas, r, clBtnText);
        break;
    case cxbsDisabled:
        Frame(canvas, r, C(O().Disabled));
        break;
    default:
        Frame(canvas, r, C(O().HighlightBorder));
        break;
    }
}

void TcxOffice11LookAndFeelPainter::DrawPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                        TColor) const {
    TBitmap* bitmap = expanded ? Office11ExpandMinusBitmap() : Office11ExpandPlusBitmap();
    if (!bitmap) return;
    // The corners blend a quarter toward what lies under them.
    auto pixel = [&](int x, int y) { return TColor(canvas->GetCanvas()->GetPixel(x, y)); };
    auto set = [&](int x, int y, COLORREF c) {
        bitmap->ScanLine(y)[x] =
            uint32_t(GetBValue(c)) | uint32_t(GetGValue(c)) << 8 | uint32_t(GetRValue(c)) << 16;
    };
    set(0, 0, MixColors(C(O().ExpandButtonLight), pixel(r.Left, r.Top), 25));
    const COLORREF dark = MixColors(C(O().ExpandButtonDark), pixel(r.Right - 1, r.Bottom - 1), 25);
    set(10, 10, dark);
    set(0, 10, dark);
    set(10, 0, dark);
    canvas->DrawGraphicAt(r.Left, r.Top, bitmap);
}

void TcxOffice11LookAndFeelPainter::DrawSmallPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                             TColor, TColor faceColor) const {
    DrawPlusMinusButton(canvas, r, expanded, faceColor);
}

void TcxOffice11LookAndFeelPainter::DrawHeader(TcxCanvas* canvas, const TRect& bounds,
                                               TcxHeaderNeighbours neighbours, TcxBorders borders,
                                               TcxButtonState state, const TcxHeaderText& text,
                                               const TcxDrawBackgroundEvent&, bool lastCell) const {
    TcxCustomLookAndFeelPainter::DrawHeader(canvas, bounds, neighbours, borders, state, text, nullptr,
                                            lastCell);
}

void TcxOffice11LookAndFeelPainter::DrawHeaderBorder(TcxCanvas* canvas, const TRect& r,
                                                     TcxHeaderNeighbours neighbours,
                                                     TcxBorders borders) const {
    const TColor top = GetHeaderTopEdgeColor(), grad = GetHeaderGradientColor(),
                 dark = GetHeaderDarkEdgeColor(), light = GetHeaderLightEdgeColor();
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    auto column = [&](int x, int from, int to, TColor c) {
        if (to > from) canvas->FillRectSolid(Rect(x, from, x + 1, to), c);
    };
    if (borders & cxBorder(bTop)) canvas->FillRectSolid(Rect(L, T, R, T + 1), top);
    if (borders & cxBorder(bBottom)) canvas->FillRectSolid(Rect(L, B - 1, R, B), dark);
    if (borders & cxBorder(bLeft)) {
        canvas->PaintPixel(L, T + 1, top);
        if (neighbours & cxBorder(bLeft)) {
            canvas->PaintPixel(L, T + 2, top);
            canvas->PaintPixel(L, B - 3, TColor(MixColors(top, grad, 25)));
            canvas->PaintPixel(L, B - 2, grad);
            column(L, T + 2, B - 3, light);
        } else {
            canvas->PaintPixel(L, B - 2, grad);
            column(L, T + 1, B - 2, light);
        }
    }
    if (borders & cxBorder(bRight)) {
        if (neighbours & cxBorder(bRight)) {
            canvas->PaintPixel(R - 1, T + 1, top);
            canvas->PaintPixel(R - 1, T + 2, top);
            canvas->PaintPixel(R - 1, B - 3, TColor(MixColors(top, grad, 25)));
            canvas->PaintPixel(R - 1, B - 2, grad);
            column(R - 1, T + 2, B - 3, dark);
        } else {
            canvas->PaintPixel(R - 1, T, TColor(MixColors(top, dark, 50)));
            canvas->PaintPixel(R - 1, B - 2, TColor(MixColors(grad, dark, 50)));
            column(R - 1, T + 1, B - 2, dark);
        }
    }
}

void TcxOffice11LookAndFeelPainter::DrawHeaderSection(TcxCanvas* canvas, const TRect& bounds,
                                                      TcxHeaderNeighbours neighbours, TcxBorders borders,
                                                      TcxButtonState state, const TcxHeaderText& text) const {
    DrawHeader(canvas, bounds, neighbours, borders, state, text, nullptr, false);
    if (state == cxbsPressed) DrawHeaderPressed(canvas, bounds);
}

void TcxOffice11LookAndFeelPainter::DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const {
    DrawSortTriangle(canvas, r, GetHeaderDarkEdgeColor(), GetHeaderLightEdgeColor(), ascending);
}

void TcxOffice11LookAndFeelPainter::DrawScrollBarElement(TcxCanvas* canvas, bool horizontal, const TRect& r,
                                                         TcxScrollPart part, TcxButtonState state) const {
    if (CanUseThemesFor(ThemeKindSet(tokScrollBar)))
        TcxWinXPLookAndFeelPainter::Instance()->DrawScrollBarElement(canvas, horizontal, r, part, state);
    else
        TcxStandardLookAndFeelPainter::Instance()->DrawScrollBarElement(canvas, horizontal, r, part, state);
}

void TcxOffice11LookAndFeelPainter::DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor color) const {
    canvas->FillRectSolid(r, color);
    DrawGripTriangle(canvas->DeviceContext(), r);
}

void TcxOffice11LookAndFeelPainter::DrawPanelFrame(TcxCanvas* canvas, const TRect& r) const {
    Frame(canvas, r, DefaultFrameLineColor());
}

void TcxOffice11LookAndFeelPainter::DrawToolButton(TcxCanvas* canvas, const TRect& r,
                                                   TcxButtonState state) const {
    TcxWinXPLookAndFeelPainter::Instance()->DrawToolButton(canvas, r, state);
}

} // namespace zorvy
