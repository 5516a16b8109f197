#pragma once
// The Office11 painter: soft gradient headers with light and dark edge lines, bordered buttons with
// their own hot and pressed colours, and default colours from the Office11 colour set.
#include "controls/foundation/painters/StandardPainters.h"

namespace zorvy {

class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter {
  public:
    static const TcxOffice11LookAndFeelPainter* Instance();
    const char* ClassName() const override { return "TcxOffice11LookAndFeelPainter"; }
    TcxPaintStyle GetPaintStyle() const override { return psOffice11; }

    TColor DefaultFilterBoxColor() const override;
    TColor DefaultFilterBoxTextColor() const override;
    TColor DefaultFooterColor() const override;
    TColor DefaultFooterTextColor() const override { return DefaultHeaderTextColor(); }
    TColor DefaultGroupByBoxColor() const override;
    TColor DefaultGroupByBoxTextColor() const override;
    TColor DefaultGroupColor() const override;
    TColor DefaultBandBackgroundColor() const override { return DefaultGroupByBoxColor(); }
    TColor DefaultHeaderColor() const override { return GetHeaderTopEdgeColor(); }
    TColor DefaultDateHeaderColor() const override;
    TColor DefaultDateSelectionColor() const override;
    TColor DefaultDateSelectionTextColor() const override { return clWindowText; }
    TColor DefaultFrameLineColor() const override;
    TColor DefaultTabColor() const override;
    TColor DefaultTabsBackgroundColor() const override { return DefaultTabColor(); }
    TColor GetButtonFaceColor(TcxButtonState state) const override;
    TColor GetButtonGlyphColor(TcxButtonState state, TColor defaultColor = clDefault) const override;
    TColor GetCheckFaceColor(TcxButtonState state) const override;
    bool PaintExpandButtonBeforeRow() const override { return false; }
    int GetPlusMinusButtonSize() const override { return 11; }
    int GetSmallPlusMinusButtonSize() const override { return GetPlusMinusButtonSize(); }
    TcxBorders GetHeaderBorders(TcxHeaderNeighbours) const override { return cxBordersAll; }
    int GetHeaderBorderWidth() const override { return 1; }
    bool SupportsHeaderHotTrack() const override { return true; }
    TColor GetFooterLineColor() const override { return GetHeaderDarkEdgeColor(); }
    TColor GetStateFrameColor(TcxButtonState state) const override;
    TColor GetTabEdgeColor() const override { return GetHeaderDarkEdgeColor(); }
    TColor GetAccentFrameColor() const override;

    void DrawHeaderContent(TcxCanvas* canvas, const TRect& bounds, TcxButtonState state,
                           const TcxHeaderText& text, const TcxDrawBackgroundEvent& onBackground,
                           bool solidFill) const override;
    void DrawControlBorder(TcxCanvas* canvas, const TRect& r) const override;
    void DrawButtonEdges(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TColor faceColor) const override;
    void DrawSmallPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded, TColor frameColor,
                                  TColor faceColor) const override;
    void DrawHeader(TcxCanvas* canvas, const TRect& bounds, TcxHeaderNeighbours neighbours,
                    TcxBorders borders, TcxButtonState state, const TcxHeaderText& text,
                    const TcxDrawBackgroundEvent& onBackground = nullptr,
                    bool lastCell = false) const override;
    void DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxHeaderNeighbours neighbours,
                          TcxBorders borders) const override;
    void DrawHeaderSection(TcxCanvas* canvas, const TRect& bounds, TcxHeaderNeighbours neighbours,
                           TcxBorders borders, TcxButtonState state,
                           const TcxHeaderText& text) const override;
    void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const override;
    void DrawScrollBarElement(TcxCanvas* canvas, bool horizontal, const TRect& r, TcxScrollPart part,
                              TcxButtonState state) const override;
    void DrawSizeGrip(TcxCanvas* canvas, const TRect& r, TColor color) const override;
    void DrawPanelFrame(TcxCanvas* canvas, const TRect& r) const override;
    void DrawToolButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;

    // ---- added colours ----
    virtual TColor GetHeaderGradientColor() const;
    virtual TColor GetHeaderDarkEdgeColor() const;
    virtual TColor GetHeaderLightEdgeColor() const;
    virtual TColor GetHeaderTopEdgeColor() const;
};

} // namespace zorvy
