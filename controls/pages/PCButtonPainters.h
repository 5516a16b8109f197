#pragma once
// Styles 2 "Buttons" and 3 "FlatButtons": tabs drawn as push buttons, three-dimensional or flat ones
// that rise when hot and sink when down, with etched separators between flat neighbours. Buttons
// allow several selected tabs and pressing, and are not tab styles.
#include "controls/pages/PCStandardPainter.h"

namespace zorvy {

class TcxPCButtonedPainter : public TcxPCStandardPainter {
  public:
    static bool IsTabStyle() { return false; }
    static bool AllowMultiSelection() { return true; }
    static bool AllowsTabPressing() { return true; }

    explicit TcxPCButtonedPainter(TcxCustomTabControl* parent) : TcxPCStandardPainter(parent) {}

    void GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset) override;
    void GetFrameRectOffsets(TRect& insets) override;
    TColor GetTabBodyColor(int visibleIndex) override;
    void GetTextMargins(int visibleIndex, int& start, int& end) override;
    void GetTextFittingMargins(int visibleIndex, int& start, int& end) override;
    bool IsTabActive(int visibleIndex) override;
};

class TcxPCButtonsPainter : public TcxPCButtonedPainter {
    ZORVY_PC_PAINTER(TcxPCButtonsPainter)
  public:
    static int GetStyleID() { return 2; }
    static std::string GetStyleName() { return "Buttons"; }
    static TcxPCStandardStyle GetStandardStyle() { return tsButtons; }

    explicit TcxPCButtonsPainter(TcxCustomTabControl* parent) : TcxPCButtonedPainter(parent) {}
    bool IsTabActive(int visibleIndex) override;
    void PaintTabShape(int visibleIndex) override;
};

class TcxPCFlatButtonsPainter : public TcxPCButtonedPainter {
    ZORVY_PC_PAINTER(TcxPCFlatButtonsPainter)
  public:
    static int GetStyleID() { return 3; }
    static std::string GetStyleName() { return "FlatButtons"; }
    static TcxPCStandardStyle GetStandardStyle() { return tsFlatButtons; }

    explicit TcxPCFlatButtonsPainter(TcxCustomTabControl* parent) : TcxPCButtonedPainter(parent) {}
    void PaintTab(int visibleIndex) override;
    void PaintTabShape(int visibleIndex) override;

  private:
    void PaintSeparator(int visibleIndex);
};

} // namespace zorvy
