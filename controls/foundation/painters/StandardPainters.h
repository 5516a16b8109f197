#pragma once
// The Standard (two-pixel 3D edges in the system colours), Flat (one-pixel raised and sunken edges) and
// UltraFlat (one-pixel single-colour frames, hot tracking, highlight mixes) painters.
#include "controls/foundation/painters/Painter.h"

namespace zorvy {

class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  public:
    static const TcxStandardLookAndFeelPainter* Instance();
    const char* ClassName() const override { return "TcxStandardLookAndFeelPainter"; }
    TcxPaintStyle GetPaintStyle() const override { return psStandard; }
    int GetControlBorderWidth() const override { return 2; }
    void DrawControlBorder(TcxCanvas* canvas, const TRect& r) const override;
    int GetButtonEdgeWidth(TcxButtonState state) const override { return state == cxbsDefault ? 3 : 2; }
    int GetButtonContentOffset() const override { return 1; }
    int GetPressedButtonShift() const override { return 1; }
    void DrawButtonEdges(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TColor faceColor) const override;
    int GetPlusMinusButtonSize() const override { return 12; }
    void DrawGroupExpandButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                               TcxButtonState state) const override;
    void DrawCheckBoxFrame(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxHeaderNeighbours neighbours,
                          TcxBorders borders) const override;
    int GetHeaderBorderWidth() const override { return 1; }
    int GetHeaderSectionBorderWidth(TcxButtonState state) const override {
        return state == cxbsPressed ? 1 : 2;
    }
    void DrawHeaderSectionBorder(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                 TcxButtonState state) const override;
    void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const override;
    TPoint GetSortingMarkSize() const override { return {8, 7}; }
    void DrawHeaderWithArrows(TcxCanvas* canvas, const TRect& bounds, TcxHeaderNeighbours neighbours,
                              TcxBorders borders, TcxButtonState state, const TcxHeaderText& text,
                              int arrows) const override;
    int GetFooterBorderWidth() const override { return 1; }
    int GetFooterCellBorderWidth() const override { return 1; }
    int GetFooterCellOffset() const override { return 1; }
    void DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const override;
    void DrawFooterCellBorder(TcxCanvas* canvas, const TRect& r) const override;
    void DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                  bool active) const override;
    void DrawTabEdge(TcxCanvas* canvas, const TRect& r, TcxBorder side, TcxBorders borders,
                     bool vertical) const override;
    void DrawTabStripBase(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                          bool vertical) const override;
    int GetTabEdgeWidth(bool) const override { return 1; }
    void DrawScrollBarElement(TcxCanvas* canvas, bool horizontal, const TRect& r, TcxScrollPart part,
                              TcxButtonState state) const override;
    void DrawSplitter(TcxCanvas* canvas, const TRect& r, const TcxViewParamsRec& params,
                      bool horizontal) const override;
};

class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  public:
    static const TcxFlatLookAndFeelPainter* Instance();
    const char* ClassName() const override { return "TcxFlatLookAndFeelPainter"; }
    TcxPaintStyle GetPaintStyle() const override { return psFlat; }
    int GetControlBorderWidth() const override { return 1; }
    void DrawControlBorder(TcxCanvas* canvas, const TRect& r) const override;
    int GetButtonEdgeWidth(TcxButtonState state) const override { return state == cxbsDefault ? 2 : 1; }
    int GetButtonContentOffset() const override { return 1; }
    int GetPressedButtonShift() const override { return 1; }
    void DrawButtonEdges(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TColor faceColor) const override;
    int GetPlusMinusButtonSize() const override { return 11; }
    void DrawCheckBoxFrame(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxHeaderNeighbours neighbours,
                          TcxBorders borders) const override;
    int GetHeaderBorderWidth() const override { return 1; }
    void DrawHeaderSectionBorder(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                 TcxButtonState state) const override;
    void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const override;
    TPoint GetSortingMarkSize() const override { return {8, 7}; }
    int GetFooterBorderWidth() const override { return 1; }
    int GetFooterCellBorderWidth() const override { return 1; }
    int GetFooterCellOffset() const override { return 1; }
    void DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const override;
    void DrawFooterCellBorder(TcxCanvas* canvas, const TRect& r) const override;
    void DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                  bool active) const override;
    void DrawTabEdge(TcxCanvas* canvas, const TRect& r, TcxBorder side, TcxBorders borders,
                     bool vertical) const override;
    void DrawTabStripBase(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                          bool vertical) const override;
    int GetTabEdgeWidth(bool) const override { return 1; }
    void DrawScrollBarElement(TcxCanvas* canvas, bool horizontal, const TRect& r, TcxScrollPart part,
                              TcxButtonState state) const override;
    void DrawSplitter(TcxCanvas* canvas, const TRect& r, const TcxViewParamsRec& params,
                      bool horizontal) const override;
};

class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  public:
    static const TcxUltraFlatLookAndFeelPainter* Instance();
    const char* ClassName() const override { return "TcxUltraFlatLookAndFeelPainter"; }
    TcxPaintStyle GetPaintStyle() const override { return psUltraFlat; }
    TColor DefaultFrameLineColor() const override { return clBtnShadow; }
    int GetControlBorderWidth() const override { return 1; }
    void DrawControlBorder(TcxCanvas* canvas, const TRect& r) const override;
    int GetButtonEdgeWidth(TcxButtonState state) const override { return state == cxbsDefault ? 2 : 1; }
    TColor GetButtonFaceColor(TcxButtonState state) const override;
    TRect GetButtonFocusBounds(TcxCanvas* canvas, const TRect& bounds) const override;
    TRect GetGroupButtonInsets(int count, int index) const override;
    int GetButtonContentOffset() const override { return 2; }
    int GetPressedButtonShift() const override { return 0; }
    TColor GetButtonGlyphColor(TcxButtonState state, TColor defaultColor = clDefault) const override;
    TcxButtonState GetButtonGlyphState(TcxButtonState) const override { return cxbsNormal; }
    void DrawButtonEdges(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawGroupButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state, int count, int index,
                         TColor frameColor) const override;
    void DrawButtonGroupFrame(TcxCanvas* canvas, const TRect& r, bool strong, bool selected) const override;
    void DrawToolButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    void DrawPlusMinusButton(TcxCanvas* canvas, const TRect& r, bool expanded,
                             TColor faceColor) const override;
    int GetPlusMinusButtonSize() const override { return 11; }
    bool SupportsButtonHotTrack() const override { return true; }
    void DrawCheckBoxFrame(TcxCanvas* canvas, const TRect& r, TcxButtonState state) const override;
    TcxBorders GetHeaderBorders(TcxHeaderNeighbours neighbours) const override;
    int GetHeaderBorderWidth() const override { return 1; }
    void DrawHeaderBorder(TcxCanvas* canvas, const TRect& r, TcxHeaderNeighbours neighbours,
                          TcxBorders borders) const override;
    void DrawHeaderSimple(TcxCanvas* canvas, const TRect& bounds, TcxHeaderNeighbours neighbours,
                          TcxBorders borders, TcxButtonState state, const TcxHeaderText& text,
                          const TcxDrawBackgroundEvent& onBackground = nullptr) const override;
    void DrawHeaderSectionBorder(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                                 TcxButtonState state) const override;
    void DrawHeaderSectionContent(TcxCanvas* canvas, const TRect& bounds, TcxButtonState state,
                                  const TcxHeaderText& text) const override;
    void DrawSortingMark(TcxCanvas* canvas, const TRect& r, bool ascending) const override;
    TPoint GetSortingMarkSize() const override { return {7, 8}; }
    TcxBorders GetFooterBorders() const override { return cxBorder(bRight) | cxBorder(bBottom); }
    int GetFooterBorderWidth() const override { return 1; }
    int GetFooterCellBorderWidth() const override { return 1; }
    int GetFooterCellOffset() const override { return 2; }
    void DrawFooterBorder(TcxCanvas* canvas, const TRect& r) const override;
    void DrawFooterCellBorder(TcxCanvas* canvas, const TRect& r) const override;
    void DrawFilterDropDownButton(TcxCanvas* canvas, const TRect& r, TcxButtonState state,
                                  bool active) const override;
    TPoint GetFilterCloseButtonExtent() const override { return {16, 15}; }
    void DrawTabEdge(TcxCanvas* canvas, const TRect& r, TcxBorder side, TcxBorders borders,
                     bool vertical) const override;
    void DrawTabStripBase(TcxCanvas* canvas, const TRect& r, TcxBorders borders,
                          bool vertical) const override;
    int GetTabEdgeWidth(bool) const override { return 1; }
    void DrawScrollBarElement(TcxCanvas* canvas, bool horizontal, const TRect& r, TcxScrollPart part,
                              TcxButtonState state) const override;
    void DrawSplitter(TcxCanvas* canvas, const TRect& r, const TcxViewParamsRec& params,
                      bool horizontal) const override;

    // ---- added colours (the Office11 painter overrides them) ----
    virtual TColor GetStateFrameColor(TcxButtonState state) const {
        return state == cxbsNormal ? clBtnShadow : clHighlight;
    }
    virtual TColor GetTabEdgeColor() const { return clBtnShadow; }
    virtual TColor GetTabShadowEdgeColor() const { return clBtnText; }
    virtual TColor GetAccentFrameColor() const { return clHighlight; }
};

} // namespace zorvy
