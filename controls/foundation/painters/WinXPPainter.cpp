// The WinXP painter: themed drawing through the theme manager, the Standard painter's where a theme
// kind is not available.
#include "controls/foundation/painters/WinXPPainter.h"

#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/Office11Painter.h"
#include "controls/foundation/painters/PainterInternal.h"

namespace zorvy {

using namespace painters;

namespace {

using Standard = TcxStandardLookAndFeelPainter;

HTHEME Theme(TThemedObjectKind kind) {
    return GetThemeHandle(kind);
}
constexpr int PushButtonStates[5] = {5, 1, 2, 3, 4};
constexpr int HeaderStates[5] = {1, 1, 2, 3, 1};
constexpr int PlainStates[5] = {1, 1, 2, 3, 4}; // small close, drop-down, tab
constexpr int ToolStates[5] = {2, 2, 5, 3, 4};
int CheckState(bool checked, TcxButtonState state) {
    static constexpr int states[2][5] = {{1, 1, 2, 3, 4}, {5, 5, 6, 7, 8}};
    return states[checked][state];
}
int ScrollTrackState(TcxButtonState state) {
    return state == cxbsHot ? 2 : state == cxbsPressed ? 3 : state == cxbsDisabled ? 4 : 1;
}
int ScrollArrowState(TcxArrowDir direction, TcxButtonState state) {
    const int s = state == cxbsHot ? 2 : state == cxbsPressed ? 3 : state == cxbsDisabled ? 4 : 1;
    return 4 * int(direction) + s;
}
TRect ContentOf(HTHEME theme, int part, int state, const TRect& bounds, HDC dc = nullptr) {
    TRect content = bounds;
    ThemeGetBackgroundContentRect(theme, dc, part, state, bounds, content);
    return content;
}
TSize PartSize(HTHEME theme, int part, int state) {
    TSize size;
    ThemeGetPartSize(theme, nullptr, part, state, TThemeSize::True, size);
    return size;
}
void Background(TcxCanvas* canvas, HTHEME theme, int part, int state, const TRect& r,
                const TRect* clip = nullptr) {
    ThemeDrawBackground(theme, canvas->DeviceContext(), part, state, r, clip);
}

} // namespace

const TcxWinXPLookAndFeelPainter* TcxWinXPLookAndFeelPainter::Instance() {
    static const TcxWinXPLookAndFeelPainter painter;
    return &painter;
}

// ---- sizes and colours ----

TColor TcxWinXPLookAndFeelPainter::DefaultFrameLineColor() const {
    COLORREF c;
    if (HTHEME t = Theme(tokComboBox); t && ThemeGetColor(t, 1, 1, 3801, c) == S_OK) return TColor(c);
    return Standard::DefaultFrameLineColor();
}

int TcxWinXPLookAndFeelPainter::GetControlBorderWidth() const {
    return Theme(tokListView) ? 1 : 2;
}

TRect TcxWinXPLookAndFeelPainter::FitGroupButtonRect(const TRect& bounds, int count, int index) const {
    TRect r = Standard::FitGroupButtonRect(bounds, count, index);
    if (HTHEME t = Theme(tokButton); t && ThemeIsBackgroundPartiallyTransparent(t, 1, 1))
        InflateRect(r, 1, 1);
    return r;
}

int TcxWinXPLookAndFeelPainter::GetButtonEdgeWidth(TcxButtonState state) const {
    if (HTHEME t = Theme(tokButton))
        return ContentOf(t, 1, PushButtonStates[state], Rect(0, 0, 100, 100)).Left;
    return Standard::GetButtonEdgeWidth(cxbsNormal);
}

TColor TcxWinXPLookAndFeelPainter::GetButtonFaceColor(TcxButtonState state) const {
    COLORREF c;
    if (HTHEME t = Theme(tokButton); t && ThemeGetColor(t, 1, PushButtonStates[state], 3802, c) == S_OK)
        return TColor(c);
    return clBtnFace;
}

TRect TcxWinXPLookAndFeelPainter::GetButtonFocusBounds(TcxCanvas* canvas, const TRect& bounds) const {
    TRect content;
    if (HTHEME t = Theme(tokButton);
        t && ThemeGetBackgroundContentRect(t, canvas ? canvas->DeviceContext() : nullptr, 1, 1, bounds,
                                           content) == S_OK)
        return content;
    return TcxCustomLookAndFeelPainter::GetButtonFocusBounds(canvas, bounds);
}

TRect TcxWinXPLookAndFeelPainter::GetGroupButtonInsets(int count, int index) const {
    HTHEME t = Theme(tokButton);
    if (!t) return TcxCustomLookAndFeelPainter::GetGroupButtonInsets(count, index);
    const TRect c = ContentOf(t, 1, 1, Rect(0, 0, 100, 100));
    TRect insets = {c.Left, c.Top, 100 - c.Right, 100 - c.Bottom};
    if (ThemeIsBackgroundPartiallyTransparent(t, 1, 1)) InflateRect(insets, -1, -1);
    return insets;
}

TColor TcxWinXPLookAndFeelPainter::GetButtonGlyphColor(TcxButtonState state, TColor defaultColor) const {
    COLORREF c;
    if (HTHEME t = Theme(tokButton); t && ThemeGetColor(t, 1, PushButtonStates[state], 3803, c) == S_OK)
        return TColor(c);
    return TcxCustomLookAndFeelPainter::GetButtonGlyphColor(state, defaultColor);
}

int TcxWinXPLookAndFeelPainter::GetPlusMinusButtonSize() const {
    if (HTHEME t = Theme(tokTreeView)) return PartSize(t, 2, 2).cx;
    return 12;
}

int TcxWinXPLookAndFeelPainter::GetGroupExpandButtonExtent() const {
    if (HTHEME t = Theme(tokExplorerBar)) return PartSize(t, 7, 1).cx;
    return 15;
}

bool TcxWinXPLookAndFeelPainter::HitTestGroupExpandButton(const TRect& r, TPoint p) const {
    TRegion region;
    if (HTHEME t = Theme(tokExplorerBar); t && ThemeGetBackgroundRegion(t, nullptr, 7, 1, r, region) == S_OK)
        return region.Contains(p);
    return PtInRect(r, p);
}

int TcxWinXPLookAndFeelPainter::GetSmallPlusMinusButtonSize() const {
    return Theme(tokTreeView) ? GetPlusMinusButtonSize() : 9;
}

int TcxWinXPLookAndFeelPainter::GetCheckEdgeWidth() const {
    return Theme(tokButton) ? 0 : 2;
}

TSize TcxWinXPLookAndFeelPainter::GetCheckBoxSize() const {
    if (HTHEME t = Theme(tokButton)) return PartSize(t, 3, 5);
    return Standard::GetCheckBoxSize();
}

TSize TcxWinXPLookAndFeelPainter::GetRadioButtonExtent() const {
    if (HTHEME t = Theme(tokButton)) return PartSize(t, 2, 1);
    return Standard::GetRadioButtonExtent();
}

int TcxWinXPLookAndFeelPainter::GetHeaderBorderWidth() const {
    if (HTHEME t = Theme(tokHeader)) {
        const TRect c = ContentOf(t, 1, 1, Rect(0, 0, 100, 100));
        return (c.Left + c.Top) / 2;
    }
    return 1;
}

TRect TcxWinXPLookAndFeelPainter::GetHeaderSectionContentBounds(const TRect& bounds,
                                                                TcxButtonState state) const {
    if (Theme(tokHeader)) return Deflated(bounds, GetHeaderBorderWidth());
    return TcxCustomLookAndFeelPainter::GetHeaderSectionContentBounds(bounds, state);
}

int TcxWinXPLookAndFeelPainter::GetFooterCellBorderWidth() const {
    if (HTHEME t = Theme(tokTrackBar)) return ContentOf(t, 1, 1, Rect(0, 0, 100, 100)).Left;
    return 1;
}

TPoint TcxWinXPLookAndFeelPainter::GetFilterActivateButtonExtent() const {
    if (HTHEME t = Theme(tokButton)) {
        const TSize s = PartSize(t, 3, 5);
        return {s.cx, s.cy};
    }
    return {13, 13};
}

TPoint TcxWinXPLookAndFeelPainter::GetFilterCloseButtonExtent() const {
    if (HTHEME t = Theme(tokWindow)) {
        const TSize s = PartSize(t, 19, 1);
        return {s.cx + 4, s.cy + 4};
    }
    return {16, 14};
}

bool TcxWinXPLookAndFeelPainter::TabPaintsOwnBackground(bool) const {
    return Theme(tokTab) != 0;
}

bool TcxWinXPLookAndFeelPainter::IsTabHotTrack(bool) const {
    return Theme(tokTab) != 0;
}

// ---- drawing ----

void TcxWinXPLookAndFeelPainter::DrawScrollArrowButton(TcxCanvas* canvas, const TRect& r,
                                                       TcxButtonState state, TcxArrowDir direction,
                                                       bool withBorder) const {
    if (HTHEME t = Theme(tokScrollBar))
        Background(canvas, t, 1, ScrollArrowState(direction, state), r);
    else
        TcxCustomLookAndFeelPainter::DrawScrollArrowButton(canvas, r, state, direction, withBorder);
}

void TcxWinXPLookAndFeelPainter::DrawArrowButtonFace(TcxCanvas* canvas, const TRect& r,
                                                     TcxButtonState state) const {
    if (HTHEME t = Theme(tokButton))
        Background(canvas, t, 1, PushButtonStates[state], r);
    else
        TcxCustomLookAndFeelPainter::DrawArrowButtonFace(canvas, r, state);
}

void TcxWinXPLookAndFeelPainter::DrawControlBorder(TcxCanvas* canvas, const TRect& r) const {
    HTHEME t = Theme(tokListView);
    if (!t) {
        Standard::DrawControlBorder(canvas, r);
        return;
    }
    canvas->PushDC();
    canvas->ClipExcludeRect(Deflated(r));
    Background(canvas, t, 5, 0, r);
    canvas->PopDC();
}

void TcxWinXPLookAndFeelPainter::DrawPushButton(TcxCanvas* canvas, const TRect& r, const std::string& caption,
                                                TcxButtonState state, bool withBorder, TColor faceColor,
                                                TColor textColor) const {
    HTHEME t = Theme(tokButton);
    if (!t) {
        Standard::DrawPushButton(canvas, r, caption, state, withBorder, faceColor, textColor);
        return;
    }
    Background(canvas, t, 1, PushButtonStates[state], r);
    if (!caption.empty())
        ThemeDrawText(t, canvas->DeviceContext(), 1, PushButtonStates[state], caption, 0x25, r);
}

void TcxWinXPLookAndFeelPainter::DrawPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                     TColor faceColor) const {
    HTHEME t = Theme(tokTreeView);
    if (!t) {
        Standard::DrawPlusMinusButton(canvas, r, expanded, faceColor);
        return;
    }
    Background(canvas, t, 2, expanded ? 2 : 1, r);
    canvas->ClipExcludeRect(r);
}

void TcxWinXPLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                       TcxButtonState state) const {
    HTHEME t = Theme(tokExplorerBar);
    if (!t) {
        Standard::DrawGroupExpandButton(canvas, r, expanded, state);
        return;
    }
    const int s = state == cxbsHot ? 2 : state == cxbsPressed ? 3 : 1;
    Background(canvas, t, expanded ? 6 : 7, s, r);
}

void TcxWinXPLookAndFeelPainter::DrawSmallPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                                                          TColor, TColor faceColor) const {
    if (Theme(tokTreeView))
        DrawPlusMinusButton(canvas, r, expanded, clDefault);
    else
        TcxCustomLookAndFeelPainter::DrawSmallPlusMinusButton(canvas, r, expanded, faceColor, clDefault);
}

void TcxWinXPLookAndFeelPainter::DrawCheckGlyph(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                                bool checked, TColor color) const {
    if (HTHEME t = Theme(tokButton))
        Background(canvas, t, 3, CheckState(checked, state), r);
    else
        Standard::DrawCheckGlyph(canvas, r, state, checked, color);
}

void TcxWinXPLookAndFeelPainter::DrawCheckBoxFrame(TcxCanvas* canvas, const TRect& r,
                                                   TcxButtonState state) const {
    if (!Theme(tokButton)) Standard::DrawCheckBoxFrame(canvas, r, state);
}

void TcxWinXPLookAndFeelPainter::DrawRadioButton(TcxCanvas* canvas, int x, int y, TcxButtonState state,
                                                 bool checked, bool focused, TColor backgroundColor,
                                                 bool designing) const {
    HTHEME t = Theme(tokButton);
    if (!t) {
        Standard::DrawRadioButton(canvas, x, y, state, checked, focused, backgroundColor, designing);
        return;
    }
    const TSize size = GetRadioButtonExtent();
    Background(canvas, t, 2, CheckState(checked, state), Bounds(x, y, size.cx, size.cy));
}

void TcxWinXPLookAndFeelPainter::DrawThemedHeaderText(TcxCanvas* canvas, HTHEME theme, int part, int state,
                                                      const TRect& textRect, const TcxHeaderText& text,
                                                      bool showPrefix) {
    if (text.Text.empty()) return;
    if (text.Font) canvas->AssignFont(text.Font);
    canvas->CurrentFont()->SetColor(text.TextColor);
    TRect r = textRect;
    if (text.MultiLine)
        canvas->AlignTextRectVertically(r, text.Text, text.VertAlign, true, showPrefix, true, false);
    unsigned format = 0x2000;
    format |= text.HorzAlign == taRightJustify ? 2u : text.HorzAlign == taCenter ? 1u : 0u;
    format |= text.VertAlign == vaBottom ? 8u : text.VertAlign == vaCenter ? 4u : 0u;
    format |= text.MultiLine ? 0x10u : 0x20u;
    if (text.ShowEndEllipsis) format |= 0x8000;
    if (!showPrefix) format |= 0x800;
    ThemeDrawText(theme, canvas->DeviceContext(), part, state, text.Text, format, r);
}

void TcxWinXPLookAndFeelPainter::DrawHeader(TcxCanvas* canvas, const TRect& bounds,
                                            TcxHeaderNeighbours neighbours, TcxBorders borders,
                                            TcxButtonState state, const TcxHeaderText& text,
                                            const TcxDrawBackgroundEvent& onBackground, bool lastCell) const {
    HTHEME t = Theme(tokHeader);
    if (!t) {
        TcxCustomLookAndFeelPainter::DrawHeader(canvas, bounds, neighbours, borders, state, text,
                                                onBackground, lastCell);
        return;
    }
    const int s = HeaderStates[state];
    const int scheme = GetCurrentOffice11Scheme();
    const int part = lastCell && s == 1 && (scheme == 1 || scheme == 2) ? 3 : 1;
    Background(canvas, t, part, s, bounds);
    const TRect textRect = state == cxbsPressed ? ShiftRect(text.TextBounds, 1, 1) : text.TextBounds;
    DrawThemedHeaderText(canvas, t, part, s, textRect, text, false);
}

void TcxWinXPLookAndFeelPainter::DrawHeaderSection(TcxCanvas* canvas, const TRect& bounds,
                                                   TcxHeaderNeighbours neighbours, TcxBorders borders,
                                                   TcxButtonState state, const TcxHeaderText& text) const {
    canvas->FillRectSolid(bounds, clBtnFace);
    DrawHeader(canvas, bounds, neighbours, borders, state, text, nullptr, false);
}

void TcxWinXPLookAndFeelPainter::DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const {
    DrawSortTriangle(canvas, r, clBtnShadow, clBtnShadow, ascending);
}

void TcxWinXPLookAndFeelPainter::DrawFooterCell(TcxCanvas* canvas, const TRect& bounds,
                                                const TcxHeaderText& text,
                                                const TcxDrawBackgroundEvent& onBackground) const {
    HTHEME t = Theme(tokTrackBar);
    if (!t) {
        Standard::DrawFooterCell(canvas, bounds, text, onBackground);
        return;
    }
    Background(canvas, t, 1, 1, bounds);
    TcxHeaderText cell = text;
    cell.ShowEndEllipsis = false;
    DrawThemedHeaderText(canvas, t, 1, 1, GetFooterCellTextBounds(bounds), cell, false);
}

void TcxWinXPLookAndFeelPainter::DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const {
    if (HTHEME t = Theme(tokEdit))
        ThemeDrawEdge(t, canvas->DeviceContext(), 0, 0, r, 4, 15, nullptr);
    else
        Standard::DrawFooterBorder(canvas, r);
}

void TcxWinXPLookAndFeelPainter::DrawSmallCloseButton(TcxCanvas* canvas, const TRect& r,
                                                      TcxButtonState state) const {
    if (HTHEME t = Theme(tokWindow))
        Background(canvas, t, 19, PlainStates[state], r);
    else
        Standard::DrawSmallCloseButton(canvas, r, state);
}

void TcxWinXPLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r,
                                                          TcxButtonState state, bool active) const {
    if (HTHEME t = Theme(tokComboBox))
        Background(canvas, t, 1, PlainStates[state], r);
    else
        Standard::DrawFilterDropDownButton(canvas, r, state, active);
}

void TcxWinXPLookAndFeelPainter::DrawDetailTab(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                               const std::string& caption, TcxButtonState state,
                                               bool vertical, TFont* font, TColor textColor,
                                               TColor backgroundColor, bool showPrefix) const {
    HTHEME t = Theme(tokTab);
    if (!t) return;
    auto has = [&](TcxBorder b) { return (borders & cxBorder(b)) != 0; };
    TRect clip = r;
    std::unique_ptr<TBitmap> bitmap;
    std::unique_ptr<TcxCanvas> target;
    TcxCanvas* drawOn = canvas;
    if (vertical) {
        clip = Rect(0, 0, r.Height(), r.Width());
        bitmap = std::make_unique<TBitmap>();
        bitmap->SetPixelFormat(pf32bit);
        bitmap->SetSize(clip.Width(), clip.Height());
        target = std::make_unique<TcxCanvas>(bitmap->GetCanvas());
        drawOn = target.get();
    }
    TRect drawing = clip;
    if (!has(vertical ? bTop : bLeft)) drawing.Left -= 2;
    if (!has(vertical ? bBottom : bRight)) drawing.Right += 2;
    if (state == cxbsPressed)
        ++drawing.Bottom;
    else
        --clip.Bottom;
    Background(drawOn, t, 1, PlainStates[state], drawing, &clip);
    if (vertical) {
        TcxCanvas::RotateBitmap(bitmap.get(), 1, true);
        canvas->CopyRectFrom(r, bitmap->GetCanvas(), Rect(0, 0, r.Width(), r.Height()));
        drawing = Rect(drawing.Top, drawing.Left, drawing.Bottom, drawing.Right);
        drawing = ShiftRect(drawing, r.Left, r.Top);
    }
    if (state == cxbsPressed) {
        if (vertical)
            drawing.Right -= 2;
        else
            drawing.Bottom -= 2;
    }
    TcxHeaderText text;
    text.Text = caption;
    text.Font = font;
    text.TextColor = textColor;
    text.BackgroundColor = backgroundColor;
    text.HorzAlign = taCenter;
    text.VertAlign = vaCenter;
    DrawThemedHeaderText(canvas, t, 1, PlainStates[state], drawing, text, showPrefix);
}

void TcxWinXPLookAndFeelPainter::DrawTabEdge(TcxCanvas* canvas, const TRect& r, TcxBorder side,
                                             TcxBorders borders, bool vertical) const {
    if (!Theme(tokTab)) Standard::DrawTabEdge(canvas, r, side, borders, vertical);
}

void TcxWinXPLookAndFeelPainter::DrawTabStripBase(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                                  bool vertical) const {
    HTHEME t = Theme(tokTab);
    if (!t) {
        Standard::DrawTabStripBase(canvas, r, borders, vertical);
        return;
    }
    const TRect c = ContentOf(t, 9, 0, r, canvas->DeviceContext());
    const TRect pane =
        vertical ? TRect{r.Left, r.Top, r.Right + 10, r.Bottom + (r.Top - c.Top) + (r.Bottom - c.Bottom)}
                 : TRect{r.Left, r.Top, r.Right + (r.Left - c.Left) + (r.Right - c.Right), r.Bottom + 10};
    Background(canvas, t, 9, 0, pane, &r);
}

void TcxWinXPLookAndFeelPainter::DrawIndicatorItem(TcxCanvas* canvas, const TRect& r, int kind,
                                                   TColor backgroundColor,
                                                   const TcxDrawBackgroundEvent& onBackground) const {
    TcxFlatLookAndFeelPainter::Instance()->DrawIndicatorItem(canvas, r, kind, backgroundColor, onBackground);
}

void TcxWinXPLookAndFeelPainter::DrawScrollBarElement(TcxCanvas* canvas, bool horizontal, const TRect& r,
                                                      TcxScrollPart part, TcxButtonState state) const {
    if (IsRectEmpty(r)) return;
    HTHEME t = Theme(tokScrollBar);
    if (!t) {
        Standard::DrawScrollBarElement(canvas, horizontal, r, part, state);
        return;
    }
    switch (part) {
    case spLineUp:
    case spLineDown:
        DrawScrollArrowButton(canvas, r, state, ScrollArrowDirection(horizontal, part), true);
        break;
    case spThumb:
        Background(canvas, t, horizontal ? 2 : 3, ScrollTrackState(state), r);
        Background(canvas, t, horizontal ? 8 : 9, 0, r);
        break;
    case spPageUp:
        Background(canvas, t, horizontal ? 4 : 6, ScrollTrackState(state), r);
        break;
    case spPageDown:
        Background(canvas, t, horizontal ? 5 : 7, ScrollTrackState(state), r);
        break;
    case spNone:
        break;
    }
}

void TcxWinXPLookAndFeelPainter::DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor color) const {
    HTHEME t = Theme(tokScrollBar);
    if (!t) {
        Standard::DrawSizeGrip(canvas, r, color);
        return;
    }
    canvas->FillRectSolid(r, color);
    Background(canvas, t, 10, 1, r);
}

void TcxWinXPLookAndFeelPainter::DrawToolButton(TcxCanvas* canvas, const TRect& r,
                                                TcxButtonState state) const {
    if (HTHEME t = Theme(tokToolBar))
        Background(canvas, t, 1, ToolStates[state], r);
    else
        Standard::DrawToolButton(canvas, r, state);
}

void TcxWinXPLookAndFeelPainter::DrawSplitter(TcxCanvas* canvas, const TRect& r,
                                              const TcxViewParamsRec& params, bool horizontal) const {
    HTHEME combo = Theme(tokComboBox);
    COLORREF border;
    if (combo && Theme(tokListView) && ThemeGetColor(combo, 1, 1, 3801, border) == S_OK)
        DrawSplitterLines(canvas, r, params, horizontal, {{TColor(border), TColor(border)}});
    else
        Standard::DrawSplitter(canvas, r, params, horizontal);
}

// ---- painter choice ----

TcxLookAndFeelPainterClass PainterForKind(TcxLookAndFeelKind kind) {
    switch (kind) {
    case lfFlat:
        return TcxFlatLookAndFeelPainter::Instance();
    case lfStandard:
        return TcxStandardLookAndFeelPainter::Instance();
    case lfOffice11:
        return TcxOffice11LookAndFeelPainter::Instance();
    default:
        return TcxUltraFlatLookAndFeelPainter::Instance();
    }
}

TcxLookAndFeelPainterClass WinXPPainter() {
    return TcxWinXPLookAndFeelPainter::Instance();
}

} // namespace zorvy
