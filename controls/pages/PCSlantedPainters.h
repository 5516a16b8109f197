#pragma once
// Style 9 "Slanted": each tab a polygon with straight, cut-corner or slanted sides (the control's
// TabSlants), filled with a gradient or one colour and outlined in one colour; neighbours may overlap,
// and the shape is also the tab's clip and hit-test region. Style 10 "OneNote" always slants the left
// side, joins the sides to the top with short segments, takes its outline colours from the OneNote
// colours and refuses rotation.
#include "controls/pages/PCStandardPainter.h"
#include "controls/pages/Tabs.h"

namespace zorvy {

// The side or corner of a tab an edge of its figure belongs to.
enum TLinePosition { lpL, lpLT, lpT, lpRT, lpR, lpRB, lpB, lpLB };

class TcxPCSlantedPainter : public TcxPCStandardPainter {
    ZORVY_PC_PAINTER(TcxPCSlantedPainter)
  public:
    static int GetStyleID() { return 9; }
    static std::string GetStyleName() { return "Slanted"; }

    explicit TcxPCSlantedPainter(TcxCustomTabControl* parent) : TcxPCStandardPainter(parent) {}

    // ---- introduced ----
    virtual bool HotUsesGradient() { return false; }
    virtual void PaintTabGradient(TcxCanvas* canvas, const TRect& r, bool flip, bool vertical, int visibleIndex);
    virtual void PaintMainTabJoin(int visibleIndex);
    virtual void GetTabGradientColors(int visibleIndex, TColor& fromColor, TColor& toColor);
    virtual int GetMinTabContentWidth();
    virtual TColor GetBorderColor() { return clBtnShadow; }
    virtual TcxTabSlantPositions GetSlantedSides();
    virtual void GetImageSizeWithBorder(TSize& size);
    virtual int CalculateCutValue();
    // The caller frees the region.
    virtual TcxRegion* GetTabRegion(int visibleIndex, bool forFill);
    virtual void PaintTabBorder(int visibleIndex, const TRect& r);
    virtual void PaintHotMark(int visibleIndex);

    // ---- overrides ----
    void BeforeLayout() override { CutValue = CalculateCutValue(); }
    bool UsesPageColorForTab() override { return true; }
    int GetFrameWidth() override { return 1; }
    int GetImageTextDistance(int) override { return 3; }
    int GetNavigatorTabsGap() override { return 1; }
    int GetNavigatorEdgeOffset() override { return 1; }
    int GetNavigatorEndOffset() override { return 0; }
    int GetButtonsDistance(TcxPCNavigatorButton button1, TcxPCNavigatorButton button2) override;
    int GetButtonHeight() override { return 17; }
    int GetButtonWidth(TcxPCNavigatorButton button) override;
    void GetButtonGlyphParams(TcxPCNavigatorButton button, TcxPCButtonGlyphParams& params) override;
    TColor GetButtonColor(std::uint8_t state) override;
    TColor GetButtonGlyphColor(std::uint8_t state) override;
    void PaintButtonFrame(TRect& bounds, std::uint8_t state) override;
    int GetMinTabNormalHeight() override { return 0; }
    TColor GetTabBodyColor(int visibleIndex) override;
    bool IsTabActive(int) override { return false; }
    void GetTabsRegionIndents(TRect& indents) override;
    void GetTabsNormalDistance(int& betweenTabs, int& betweenRows) override;
    void GetTextMargins(int visibleIndex, int& start, int& end) override;
    void GetTextFittingMargins(int visibleIndex, int& start, int& end) override;
    void GetImageIndents(int visibleIndex, TRect& indents) override;
    void GetTextIndents(int visibleIndex, TRect& indents) override;
    int GetTabContentExtraWidth(int visibleIndex) override;
    int GetMinTabNormalWidth(int visibleIndex) override { return GetTabContentExtraWidth(visibleIndex); }
    int CalculateTabNormalWidth(TcxTab* tab) override;
    int GetTabContentHeight() override;
    void GetClientRectOffsets(TRect& insets) override;
    TcxRegion* GetTabClipRegion(int visibleIndex) override;
    bool IsPointInTab(int visibleIndex, int x, int y) override;
    void PaintFrame() override;
    void PaintTabs() override;
    void PaintTabShape(int visibleIndex) override;
    void PaintBitmapBackground(TBitmap* bitmap, const TRect& textRect, int visibleIndex) override;

    int CutValue = 0;

  protected:
    TcxTabSlantKind SlantKind() const;
    TcxTabSlantPositions SlantPositions() const;
    // The figure of a tab on top: vertices from the bottom left to the bottom right, and the position
    // of each edge.
    void BuildTabFigure(const TRect& oriented, std::vector<TPoint>& points, std::vector<TLinePosition>& positions);
    TcxRegion* MakeFigureRegion(int visibleIndex, bool forFill);
    // The tab's colour under a point (the control's colour where no tab is).
    TColor ColorUnder(TPoint p);
    static TSize OrientedSize(const TRect& r, TcxTabPosition side);

  private:
    void PaintRowBaseLine(const TcxPCLineIndexBounds& row, int rowIndex);
};

class TcxPCOneNotePainter : public TcxPCSlantedPainter {
    ZORVY_PC_PAINTER(TcxPCOneNotePainter)
  public:
    static int GetStyleID() { return 10; }
    static std::string GetStyleName() { return "OneNote"; }
    static bool AllowRotate() { return false; }

    explicit TcxPCOneNotePainter(TcxCustomTabControl* parent) : TcxPCSlantedPainter(parent) {}

    bool HotUsesGradient() override { return true; }
    TcxTabSlantPositions GetSlantedSides() override { return TcxTabSlantPositions(1u << spLeft); }
    int CalculateCutValue() override { return CalculateTabNormalHeight() + 2; }
    TColor GetBorderColor() override;
    int GetMinTabContentWidth() override { return CutValue + 4; }
    void GetTextMargins(int visibleIndex, int& start, int& end) override;
    void GetTextFittingMargins(int visibleIndex, int& start, int& end) override;
    void GetImageIndents(int, TRect& indents) override { indents = Rect(0, 3, 0, 1); }
    void GetTextIndents(int, TRect& indents) override { indents = Rect(0, 4, 0, 1); }
    void GetTabsNormalDistance(int& betweenTabs, int& betweenRows) override;
    void GetTabsRegionIndents(TRect& indents) override;
    int GetNavigatorEdgeOffset() override { return 0; }
    TcxRegion* GetTabRegion(int visibleIndex, bool forFill) override;
    void PaintTabBorder(int visibleIndex, const TRect& r) override;
    void PaintMainTabJoin(int visibleIndex) override;
    void PaintHotMark(int) override {}
};

} // namespace zorvy
