#pragma once
// The native painter: every element through the platform's visual styles when its theme kind can be
// opened, else as the Standard painter (or the base) draws it. Here the binding answers "no theme", so
// it paints as the Standard painter with its own sizes and flags.
#include "controls/foundation/painters/StandardPainters.h"
#include "platform/win/Themes.h"

namespace zorvy {

class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter {
  public:
    static const TcxWinXPLookAndFeelPainter* Instance();
    const char* ClassName() const override { return "TcxWinXPLookAndFeelPainter"; }
    TcxPaintStyle GetPaintStyle() const override { return psNative; }
    TColor DefaultFrameLineColor() const override;
    int GetControlBorderWidth() const override;
    TRect FitGroupButtonRect(const TRect& bounds, int count, int index) const override;
    int GetButtonEdgeWidth(TcxButtonState state) const override;
    TColor GetButtonFaceColor(TcxButtonState state) const override;
    TRect GetButtonFocusBounds(TcxCanvas* canvas, const TRect& bounds) const override;
    TRect GetGroupButtonInsets(int count, int index) const override;
    int GetButtonContentOffset() const override { return 2; }
    int GetPressedButtonShift() const override { return 0; }
    TColor GetButtonGlyphColor(TcxButtonState state, TColor defaultColor = clDefault) const override;
    bool PaintExpandButtonBeforeRow() const override { return false; }
    int GetPlusMinusButtonSize() const override;
    int GetGroupExpandButtonExtent() const override;
    bool SupportsButtonHotTrack() const override { return true; }
    bool HitTestGroupExpandButton(const TRect& r, TPoint p) const override;
    int GetSmallPlusMinusButtonSize() const override;
    int GetCheckEdgeWidth() const override;
    TSize GetCheckBoxSize() const override;
    TSize GetRadioButtonExtent() const override;
    int GetHeaderBorderWidth() const override;
    int GetHeaderSectionBorderWidth(TcxButtonState) const override { return GetHeaderBorderWidth(); }
    TRect GetHeaderSectionContentBounds(const TRect& bounds, TcxButtonState state) const override;
    bool SupportsHeaderHotTrack() const override { return true; }
    TPoint GetSortingMarkSize() const override { return {7, 8}; }
    int GetFooterBorderWidth() const override { return 1; }
    int GetFooterCellBorderWidth() const override;
    int GetFooterCellOffset() const override { return 1; }
    bool PaintsFooterItemsFirst() const override { return false; }
    TPoint GetFilterActivateButtonExtent() const override;
    TPoint GetFilterCloseButtonExtent() const override;
    bool TabPaintsOwnBackground(bool vertical) const override;
    bool IsTabHotTrack(bool vertical) const override;

    void DrawScrollArrowButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state, TcxArrowDir direction,
                               bool withBorder) const override;
    void DrawArrowButtonFace(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawControlBorder(TcxCanvas* canvas, const TRect& r) const override;
    void DrawPushButton(TcxCanvas* canvas, const TRect& r, const std::string& caption, TcxButtonState state,
                        bool withBorder = true, TColor faceColor = clDefault,
                        TColor textColor = clDefault) const override;
    void DrawPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TColor faceColor) const override;
    void DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                               TcxButtonState state) const override;
    void DrawSmallPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded, TColor frameColor,
                                  TColor faceColor) const override;
    void DrawCheckGlyph(TcxCanvas* canvas, const TRect& r, TcxButtonState state, bool checked,
                        TColor color) const override;
    void DrawCheckBoxFrame(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawRadioButton(TcxCanvas* canvas, int x, int y, TcxButtonState state, bool checked, bool focused,
                         TColor backgroundColor, bool designing = false) const override;
    void DrawHeader(TcxCanvas* canvas, const TRect& bounds, TcxHeaderNeighbours neighbours,
                    TcxBorders borders, TcxButtonState state, const TcxHeaderText& text,
                    const TcxDrawBackgroundEvent& onBackground = nullptr,
                    bool lastCell = false) const override;
    void DrawHeaderPressed(TcxCanvas*, const TRect&) const override {}
    void DrawHeaderSection(TcxCanvas* canvas, const TRect& bounds, TcxHeaderNeighbours neighbours,
                           TcxBorders borders, TcxButtonState state,
                           const TcxHeaderText& text) const override;
    void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const override;
    void DrawFooterCell(TcxCanvas* canvas, const TRect& bounds, const TcxHeaderText& text,
                        const TcxDrawBackgroundEvent& onBackground = nullptr) const override;
    void DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const override;
    void DrawSmallCloseButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                  bool active) const override;
    void DrawDetailTab(TcxCanvas* canvas, const TRect& r, TcxBorders borders, const std::string& caption,
                       TcxButtonState state, bool vertical, TFont* font, TColor textColor,
                       TColor backgroundColor, bool showPrefix) const override;
    void DrawTabEdge(TcxCanvas* canvas, const TRect& r, TcxBorder side, TcxBorders borders,
                     bool vertical) const override;
    void DrawTabStripBase(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                          bool vertical) const override;
    void DrawIndicatorItem(TcxCanvas* canvas, const TRect& r, int kind, TColor backgroundColor,
                           const TcxDrawBackgroundEvent& onBackground = nullptr) const override;
    void DrawScrollBarElement(TcxCanvas* canvas, bool horizontal, const TRect& r, TcxScrollPart part,
                              TcxButtonState state) const override;
    void DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor color) const override;
    void DrawToolButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawSplitter(TcxCanvas* canvas, const TRect& r, const TcxViewParamsRec& params,
                      bool horizontal) const override;

    static void DrawThemedHeaderText(TcxCanvas* canvas, HTHEME theme, int part, int state,
                                     const TRect& textRect, const TcxHeaderText& text, bool showPrefix);
};

} // namespace zorvy
