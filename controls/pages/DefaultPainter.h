#pragma once
// TcxPCDefaultPainter: the plain tab look the page control draws with until the painter styles are
// registered: raised tabs, the navigator buttons (scroll arrows, go-dialog arrow, close cross) and the 3D
// page frame, with the measures of the standard tab style (tab widths and row height, margins, button
// sizes and order). Registered as style 1, "Tabs".
#include "controls/pages/PCPainter.h"

#include <vector>

namespace zorvy {

class TcxPCDefaultPainter : public TcxPCCustomPainter {
    ZORVY_PC_PAINTER(TcxPCDefaultPainter)
  public:
    static int GetStyleID() { return 1; }
    static std::string GetStyleName() { return "Tabs"; }

    explicit TcxPCDefaultPainter(TcxCustomTabControl* parent) : TcxPCCustomPainter(parent) {}

    // Sizes
    int CalculateTabNormalWidth(TcxTab* tab) override;
    int CalculateTabNormalHeight() override;
    int GetMinTabNormalWidth(int visibleIndex) override;
    void GetImageIndents(int visibleIndex, TRect& indents) override;
    void GetImageOnlyIndents(int, int& start, int& end) override { start = end = 0; }
    void GetTextIndents(int visibleIndex, TRect& indents) override;
    void GetTextMargins(int visibleIndex, int& start, int& end) override;
    void GetTextFittingMargins(int visibleIndex, int& start, int& end) override;
    int GetImageTextDistance(int) override { return 6; }
    int GetFrameWidth() override { return 2; }
    void GetTabsNormalDistance(int& betweenTabs, int& betweenRows) override { betweenTabs = betweenRows = 0; }
    TColor GetTabBodyColor(int visibleIndex) override;
    bool IsTabActive(int visibleIndex) override;
    void SetTabContentRects(int, const TRect& imageRect, const TRect& textRect) override {
        TabContent.ImageRect = imageRect;
        TabContent.TextRect = textRect;
    }

    // Navigator buttons
    void CalculateTabsRegion(TcxPCNavigatorButtons buttons, TcxPCTabsRegion& region) override;
    bool GetButtonAt(int x, int y, TcxPCNavigatorButton& button) override;
    void GetGoDialogButtonBounds(TRect& r) override;
    int GetButtonWidth(TcxPCNavigatorButton button);
    static constexpr int ButtonHeight = 20;
    struct TButtonPosition {
        TcxPCNavigatorButton Button;
        TRect Bounds;
    };
    const std::vector<TButtonPosition>& GetButtonPositions() const { return buttonPositions_; }

    // Painting
    void Paint() override;
    void PaintButtons() override;
    void PaintTabs() override;
    void PaintFrame() override;
    void RepaintButton(TcxPCNavigatorButton button, std::uint8_t oldState) override;
    void RepaintTab(int visibleIndex, TcxPCTabPropertyChanged kind) override;

  private:
    int GetTabContentExtraWidth(int visibleIndex);
    int GetTabContentHeight();
    std::vector<TcxPCNavigatorButton> GetButtonsOrder(TcxPCNavigatorButtons buttons);
    void PaintTab(int visibleIndex);
    void PaintTabShape(int visibleIndex);
    void PaintNavigatorButton(TcxPCNavigatorButton button, const TRect& bounds);

    std::vector<TButtonPosition> buttonPositions_;
};

} // namespace zorvy
