#pragma once
// TcxPCStandardPainter: the base of every tab-drawing style, never a style itself. It gives the size
// rules of a tab and of a row, the tabs region left after the navigator area, the navigator buttons
// (order, placement, hit test and drawing with their arrow and cross glyphs), the paint order of a tab
// and of the control, the 3D page frame, and the per-style tables chosen by the standard style (tab
// look, buttons, flat buttons) and by whether a tab is active. The styles override single values.
#include "controls/pages/PCPainter.h"

#include <vector>

namespace zorvy {

struct TcxPCNavigatorButtonPosition {
    TcxPCNavigatorButton Button;
    TRect Bounds;
};
using TcxPCNavigatorButtonPositions = std::vector<TcxPCNavigatorButtonPosition>;

struct TcxPCButtonGlyphParams {
    TColor FillColor = clBtnText;
    TColor LineColor = clBtnText;
    bool Enabled = true;
    bool SmallCloseGlyph = false;
};

// Arrow directions of the glyphs.
enum TcxPCArrow { pcaUp, pcaDown, pcaLeft, pcaRight };

class TcxPCStandardPainter : public TcxPCCustomPainter {
  public:
    static bool IsTabStyle() { return true; }
    static bool AllowMultiSelection() { return false; }
    static bool AllowsTabPressing() { return false; }

    explicit TcxPCStandardPainter(TcxCustomTabControl* parent) : TcxPCCustomPainter(parent) {}
    ~TcxPCStandardPainter() override { ButtonPositions.clear(); }

    // The standard style of the painter's class: 0 tab look, 1 buttons, 2 flat buttons.
    int StandardStyle() const { return GetPainterClass()->GetStandardStyle(); }
    TcxTabPosition Position() const { return GetControlInfo()->TabPosition(); }
    bool IsSideTabs() const { return Position() == tpLeft || Position() == tpRight; }
    TcxTab* TabAt(int visibleIndex) const { return GetControlInfo()->Tab(visibleIndex); }
    TcxCanvas* Canvas() const { return GetControlInfo()->Canvas(); }

    // ---- introduced ----
    virtual void PaintTab(int visibleIndex);
    virtual void GetButtonGlyphParams(TcxPCNavigatorButton button, TcxPCButtonGlyphParams& params);
    virtual void CalculateButtonsBounds(TcxPCNavigatorButtons buttons);
    virtual void CalculateButtonPositions(TcxPCNavigatorButtons buttons);
    virtual int GetNavigatorExtent(TcxPCNavigatorButtons buttons);
    virtual TColor GetButtonColor(std::uint8_t state);
    virtual TColor GetButtonGlyphColor(std::uint8_t state);
    virtual void GetButtonGlyphOffset(TcxPCNavigatorButton button, TPoint& offset);
    virtual int GetButtonHeight() { return 20; }
    virtual int GetButtonWidth(TcxPCNavigatorButton button);
    virtual int GetMinTabNormalHeight();
    virtual int GetMinTabWidth() { return 42; }
    virtual TColor GetBackgroundColor() { return GetControlInfo()->Color(); }
    virtual int GetMinFrameSize() { return 2 * GetFrameWidth(); }
    virtual int GetTabContentExtraWidth(int visibleIndex);
    virtual void GetTabsRegionIndents(TRect& indents) { indents = TRect{}; }
    virtual int GetTabContentHeight();
    virtual void PaintNavigatorButton(TcxPCNavigatorButton button, const TRect& bounds);
    virtual void PaintButtonBackground(const TRect& bounds, std::uint8_t state);
    virtual void PaintButtonFrame(TRect& bounds, std::uint8_t state);
    virtual void PaintFrameBorder(const TRect& r);
    virtual void PaintTabShape(int visibleIndex) = 0;
    virtual void PaintNativeTab(int) {}
    virtual void GetButtonsOrder(TcxPCNavigatorButtons buttons, TcxPCNavigatorButtonPositions& order);

    // ---- overrides ----
    int CalculateTabNormalWidth(TcxTab* tab) override;
    int CalculateTabNormalHeight() override;
    void GetImageIndents(int visibleIndex, TRect& indents) override;
    void GetImageOnlyIndents(int, int& start, int& end) override { start = end = 0; }
    void GetTextIndents(int visibleIndex, TRect& indents) override;
    int GetFrameWidth() override { return 2; }
    int GetImageTextDistance(int) override { return 6; }
    int GetMinTabNormalWidth(int visibleIndex) override;
    void GetTextMargins(int visibleIndex, int& start, int& end) override;
    void GetTextFittingMargins(int visibleIndex, int& start, int& end) override;
    void GetTabsNormalDistance(int& betweenTabs, int& betweenRows) override;
    void CalculateTabsRegion(TcxPCNavigatorButtons buttons, TcxPCTabsRegion& region) override;
    void SetTabContentRects(int, const TRect& imageRect, const TRect& textRect) override;
    bool GetButtonAt(int x, int y, TcxPCNavigatorButton& button) override;
    bool IsTabActive(int visibleIndex) override;
    void Paint() override;
    void PaintButtons() override;
    void PaintTabs() override;
    void PaintFrame() override;
    void RepaintButton(TcxPCNavigatorButton button, std::uint8_t oldState) override;
    void RepaintTab(int visibleIndex, TcxPCTabPropertyChanged kind) override;
    void GetGoDialogButtonBounds(TRect& r) override;

    // ---- shared with the styles ----
    int GetButtonsLength(TcxPCNavigatorButtons buttons);
    // The navigator lies at the start of the row.
    bool NavigatorAtRowStart() const;
    // The page frame rectangle widened to the least frame size.
    void GetFrameBounds(TRect& r);
    void PaintEdges3D(const TRect& r, bool sunken, bool thin);
    void PaintTabFocusRect(int visibleIndex, const TRect& r);
    TcxPCArrow ArrowOfButton(TcxPCNavigatorButton button) const;
    void GetCenteredGlyphOffset(TcxPCNavigatorButton button, TPoint& offset);
    void GetFixedGlyphOffset(TcxPCNavigatorButton button, TPoint& offset);
    void PaintButtonGlyph(TcxPCNavigatorButton button, TPoint origin, const TcxPCButtonGlyphParams& params);
    // The full rectangle of a tab, and that rectangle seen as a tab on top (left and right tabs turned).
    TRect FullRect(int visibleIndex) const;
    static TRect OrientedRect(const TRect& r, TcxTabPosition side);
    // A polyline given for a tab on top of oriented, turned to side and drawn with its last pixel.
    void DrawTabLine(const TRect& actual, TcxTabPosition side, std::initializer_list<TPoint> points, TColor color);
    // The rectangle grown (negative: shrunk) on the page side of a row on side.
    static TRect ExtendOnPageSide(const TRect& r, TcxTabPosition side, int amount);

    // r (control coordinates) in the coordinates of the caption bitmap drawn for textRect, before a
    // vertical caption's bitmap is turned; alongX tells that a gradient runs along the control's x.
    // Answers whether such a gradient runs along the bitmap's x, and whether it runs backwards there.
    TRect ToCaptionBitmap(const TRect& r, const TRect& textRect, bool alongX, bool& bitmapAlongX, bool& reversed);

    TcxPCNavigatorButtonPositions ButtonPositions;
    TRect ButtonsBounds{};

  private:
    void DrawGlyph(TcxPCNavigatorButton button, TPoint origin, bool smallClose);
};

} // namespace zorvy
