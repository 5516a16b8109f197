#pragma once
// Styles 5 "ExtraFlat", 6 "UltraFlat" and 8 "Office11": the tabs of each row sit on a flat strip as wide
// as the control, the main tab is framed and joined to the page by a 2-pixel band in its colour, and
// neighbouring tabs are divided by thin separators. UltraFlat draws the frame, buttons and main tab
// darker; Office11 takes the Office11 scheme colours and fills strips, tabs and buttons with gradients.
#include "controls/pages/PCStandardPainter.h"

namespace zorvy {

class TcxPCExtraFlatPainter : public TcxPCStandardPainter {
    ZORVY_PC_PAINTER(TcxPCExtraFlatPainter)
  public:
    static int GetStyleID() { return 5; }
    static std::string GetStyleName() { return "ExtraFlat"; }

    explicit TcxPCExtraFlatPainter(TcxCustomTabControl* parent) : TcxPCStandardPainter(parent) {}

    // ---- introduced ----
    virtual int GetRowIndent() { return 3; }
    virtual void GetMainTabFocusBounds(TRect& r);
    virtual void GetSeparatorIndents(int& start, int& end) { start = end = 2; }
    // visibleIndex -1: a whole row strip.
    virtual void PaintTabBackground(TcxCanvas* canvas, const TRect& r, int visibleIndex);
    virtual void AdjustClientRectOffsets(TRect& offsets);
    virtual TColor GetRowBandColor();
    virtual void GetRowBandRect(TRect& r);
    virtual void GetTabRowRect(int visibleIndex, bool wholeRow, TRect& r);
    virtual int GetTabsGap() { return 1; }
    virtual TColor GetLightColor();
    virtual bool ShiftsRowsByFrame() { return false; }
    virtual void PaintMainTabFrame(TRect& r);
    virtual void PaintTabSeparator(const TRect& r);
    virtual void PaintRowBorder(const TRect& r, int row);

    // ---- overrides ----
    int CalculateTabNormalWidth(TcxTab* tab) override;
    int CalculateTabNormalHeight() override;
    int GetTabContentExtraWidth(int visibleIndex) override;
    int GetMinTabNormalWidth(int visibleIndex) override { return GetTabContentExtraWidth(visibleIndex); }
    int GetMinTabNormalHeight() override { return 17; }
    int GetTabContentHeight() override { return TcxPCStandardPainter::GetTabContentHeight() - 3; }
    void GetTabCorrection(int visibleIndex, TcxPCTabCorrection& correction) override;
    void GetImageIndents(int visibleIndex, TRect& indents) override;
    void GetTextIndents(int visibleIndex, TRect& indents) override;
    void GetTextMargins(int visibleIndex, int& start, int& end) override;
    void GetTextFittingMargins(int visibleIndex, int& start, int& end) override;
    void GetTabsNormalDistance(int& betweenTabs, int& betweenRows) override;
    int GetFrameWidth() override { return 1; }
    TColor GetClientColor() override;
    void GetClientRectOffsets(TRect& insets) override;
    void GetFrameRectOffsets(TRect& insets) override;
    TColor GetTabBodyColor(int visibleIndex) override;
    TColor GetBackgroundColor() override { return clBtnFace; }
    int GetButtonsDistance(TcxPCNavigatorButton button1, TcxPCNavigatorButton button2) override;
    int GetNavigatorEdgeOffset() override { return 6; }
    int GetNavigatorEndOffset() override { return ShiftsRowsByFrame() ? GetFrameWidth() + 1 : 1; }
    int GetButtonHeight() override { return 13; }
    int GetButtonWidth(TcxPCNavigatorButton) override { return 13; }
    TColor GetButtonColor(std::uint8_t state) override;
    TColor GetButtonGlyphColor(std::uint8_t state) override;
    void GetButtonGlyphParams(TcxPCNavigatorButton button, TcxPCButtonGlyphParams& params) override;
    void GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) override;
    void PaintButtonFrame(TRect& bounds, std::uint8_t state) override;
    void CalculateTabsRegion(TcxPCNavigatorButtons buttons, TcxPCTabsRegion& region) override;
    void PaintContent() override;
    void RepaintTab(int visibleIndex, TcxPCTabPropertyChanged kind) override;
    void PaintPageArea() override;
    void PaintFrame() override;
    void PaintTabs() override;
    void PaintTabShape(int visibleIndex) override;

  protected:
    // The frame's lines on the three sides away from the tabs (a whole ring without rows).
    void PaintFrameLines(TColor light, TColor dark);
    // The main-tab outline in the two colours; r moves in by each line drawn.
    void PaintMainTabOutline(TRect& r, TColor light, TColor dark);
    // Lines along the page side of a row strip, from its edge inward, each left out of the clip.
    void PaintRowLines(const TRect& r, std::initializer_list<TColor> colors);
    // A line of width 1 along one side of r, inside it.
    void PaintSideLine(const TRect& r, TcxTabPosition side, TColor color);
    // The row next to the page: the main tab's row, else the innermost one.
    bool IsRowNextToPage(int row);
    bool IsVerticalStrip() const { return IsSideTabs(); }

  private:
    void PaintSeparatorAfter(int visibleIndex, int last);
};

class TcxPCUltraFlatPainter : public TcxPCExtraFlatPainter {
    ZORVY_PC_PAINTER(TcxPCUltraFlatPainter)
  public:
    static int GetStyleID() { return 6; }
    static std::string GetStyleName() { return "UltraFlat"; }
    static bool IsDefaultForLookAndFeel(TcxLookAndFeel* lookAndFeel);

    explicit TcxPCUltraFlatPainter(TcxCustomTabControl* parent) : TcxPCExtraFlatPainter(parent) {}

    int GetButtonHeight() override { return 15; }
    int GetButtonWidth(TcxPCNavigatorButton button) override;
    int GetNavigatorEdgeOffset() override { return 3; }
    int GetButtonsDistance(TcxPCNavigatorButton button1, TcxPCNavigatorButton button2) override;
    TColor GetButtonColor(std::uint8_t state) override;
    void GetButtonGlyphParams(TcxPCNavigatorButton button, TcxPCButtonGlyphParams& params) override;
    void GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) override;
    void PaintButtonFrame(TRect& bounds, std::uint8_t state) override;
    void PaintFrame() override { PaintFrameLines(clBtnShadow, clBtnShadow); }
    void PaintMainTabFrame(TRect& r) override { PaintMainTabOutline(r, clBlack, clBlack); }
    void GetMainTabFocusBounds(TRect& r) override;
    void PaintRowBorder(const TRect& r, int row) override;
};

class TcxPCOffice11Painter : public TcxPCUltraFlatPainter {
    ZORVY_PC_PAINTER(TcxPCOffice11Painter)
  public:
    static int GetStyleID() { return 8; }
    static std::string GetStyleName() { return "Office11"; }
    static bool IsDefaultForLookAndFeel(TcxLookAndFeel* lookAndFeel);

    explicit TcxPCOffice11Painter(TcxCustomTabControl* parent);
    ~TcxPCOffice11Painter() override;

    virtual TColor GetBorderColor();

    int GetRowIndent() override { return 1; }
    int GetTabsGap() override { return 2; }
    bool ShiftsRowsByFrame() override { return HasFrame(); }
    void AdjustClientRectOffsets(TRect&) override {}
    TColor GetBackgroundColor() override { return GetBorderColor(); }
    TColor GetTabBodyColor(int visibleIndex) override;
    bool ExcludesOnlyTabContent(int visibleIndex) override;
    bool RedrawsOnResize() override;
    void GetClientRectOffsets(TRect& insets) override;
    void PaintPageClientArea() override;
    void PaintPageArea() override;
    void PaintFrame() override;
    TColor GetRowBandColor() override;
    void GetRowBandRect(TRect& r) override;
    void GetSeparatorIndents(int& start, int& end) override;
    void PaintTabSeparator(const TRect& r) override;
    void PaintRowBorder(const TRect& r, int row) override;
    void PaintMainTabFrame(TRect& r) override { PaintMainTabOutline(r, GetBorderColor(), GetBorderColor()); }
    void PaintTabBackground(TcxCanvas* canvas, const TRect& r, int visibleIndex) override;
    TColor GetButtonGlyphColor(std::uint8_t state) override;
    void PaintButtonFrame(TRect& bounds, std::uint8_t state) override;
    void PaintButtonBackground(const TRect& bounds, std::uint8_t state) override;

    // The part of the tab's background under a caption drawn into a bitmap.
    void PaintBitmapBackground(TBitmap* bitmap, const TRect& textRect, int visibleIndex) override;

    void PaintOffice11Background(TcxCanvas* canvas, TRect r, bool flip, bool vertical, int visibleIndex);

  private:
    bool Gradient() const;
    bool HasFarRowsWithoutFrame();
    // A gradient across the row (vertical bands for tabs on the left or right), or the colours' mix.
    void FillBand(TcxCanvas* canvas, const TRect& r, TColor first, TColor second, bool vertical);
};

} // namespace zorvy
