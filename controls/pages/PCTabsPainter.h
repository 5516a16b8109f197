#pragma once
// Style 1 "Tabs": classic three-dimensional notebook tabs, the main tab larger and open into the page;
// and style 7 "Flat" with the same geometry in one-pixel flat outlines. Without visual styles (always
// here) the themed look is not available and both draw their classic shapes.
#include "controls/pages/PCStandardPainter.h"

namespace zorvy {

class TcxPCTabsPainter : public TcxPCStandardPainter {
    ZORVY_PC_PAINTER(TcxPCTabsPainter)
  public:
    static int GetStyleID() { return 1; }
    static std::string GetStyleName() { return "Tabs"; }
    static TcxPCStandardStyle GetStandardStyle() { return tsTabs; }
    static bool IsDefaultForLookAndFeel(TcxLookAndFeel* lookAndFeel);
    static bool IsDefaultForNativeStyle(TcxLookAndFeel* lookAndFeel);

    explicit TcxPCTabsPainter(TcxCustomTabControl* parent) : TcxPCStandardPainter(parent) {}

    virtual void GetTabEdgeColors(int visibleIndex, TColor& startColor, TColor& endColor);
    virtual void PaintTabCorners(int visibleIndex);
    virtual void PaintTabBorder(int visibleIndex);

    void GetTabCorrection(int visibleIndex, TcxPCTabCorrection& correction) override;
    void GetFrameRectOffsets(TRect& insets) override;
    void GetImageIndents(int visibleIndex, TRect& indents) override;
    void GetImageOnlyIndents(int visibleIndex, int& start, int& end) override;
    void GetTextIndents(int visibleIndex, TRect& indents) override;
    TColor GetTabBodyColor(int visibleIndex) override;
    TcxRegion* GetTabClipRegion(int visibleIndex) override;
    TcxRegionOperation GetTabClipOperation(int visibleIndex) override;
    void GetTextMargins(int visibleIndex, int& start, int& end) override;
    void GetTextFittingMargins(int visibleIndex, int& start, int& end) override;
    // The Tab theme's part (edges for the first and last tabs) and state of a tab.
    void GetTabThemeParams(int visibleIndex, int& partId, int& stateId) override;
    void CalculateTabsRegion(TcxPCNavigatorButtons buttons, TcxPCTabsRegion& region) override;
    void InvalidateTab(int visibleIndex) override;
    bool IsNativePainting() override;
    bool HasFrame() override { return true; }
    void PaintTabs() override;
    void RepaintTab(int visibleIndex, TcxPCTabPropertyChanged kind) override;
    void GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) override;
    int GetButtonHeight() override;
    int GetButtonWidth(TcxPCNavigatorButton button) override;
    int GetTabContentHeight() override;
    void PaintTabShape(int visibleIndex) override;

  protected:
    // The tab's row is the first or last of its row range.
    bool IsFirstTabOfRow(int visibleIndex);
    bool IsLastTabOfRow(int visibleIndex);
    // Positions 5, 7 and 10, where the content sits one pixel lower.
    static bool IsLoweredPosition(int position) { return position == 5 || position == 7 || position == 10; }
    static bool IsExchangedPosition(int position) { return position == 3 || position == 6 || position == 11; }
};

class TcxPCFlatPainter : public TcxPCTabsPainter {
    ZORVY_PC_PAINTER(TcxPCFlatPainter)
  public:
    static int GetStyleID() { return 7; }
    static std::string GetStyleName() { return "Flat"; }
    static bool IsDefaultForLookAndFeel(TcxLookAndFeel* lookAndFeel);
    static bool IsDefaultForNativeStyle(TcxLookAndFeel*) { return false; }

    explicit TcxPCFlatPainter(TcxCustomTabControl* parent) : TcxPCTabsPainter(parent) {}

    bool IsNativePainting() override { return false; }
    int GetFrameWidth() override { return 1; }
    TcxRegion* GetTabClipRegion(int visibleIndex) override;
    TcxRegionOperation GetTabClipOperation(int) override { return roIntersect; }
    void GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) override;
    int GetButtonHeight() override { return TcxPCTabsPainter::GetButtonHeight() - 2; }
    int GetButtonWidth(TcxPCNavigatorButton button) override { return TcxPCTabsPainter::GetButtonWidth(button) - 2; }
    void PaintButtonFrame(TRect& bounds, std::uint8_t state) override;
    void PaintFrameBorder(const TRect& r) override;
    void PaintTabBorder(int visibleIndex) override;
};

// The paint style the look and feel would use for tabs; -1 without a look and feel.
int TabPaintStyleOf(TcxLookAndFeel* lookAndFeel);

} // namespace zorvy
