#pragma once
// The frame of a drop-down editor's popup: border, client edge, drop shadow and the system panel
// with its size grip and close button. TcxCustomEditPopupWindowViewInfo computes where each lies and
// which place of the frame sizes the popup in which direction, and paints it;
// TcxPopupEditPopupWindowViewInfo draws the popup edit's border.
#include "controls/editors/framework/EditTypes.h"
#include "controls/foundation/containers/ContainerViewInfo.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/foundation/scrollbars/ScrollBarParts.h"

#include <cstdint>
#include <functional>

namespace zorvy {

class TcxCustomEditPopupWindowViewInfo;
// Draws the border itself when it sets handled; borderWidth then replaces the style's width.
using TcxCustomDrawPopupBorderEvent = std::function<void(TcxCustomEditPopupWindowViewInfo* sender, TcxCanvas* canvas,
                                                         const TRect& r, bool& handled, int& borderWidth)>;

// Extents of the four sides of a frame.
struct TcxFrameExtent {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Left + Right; }
    int Height() const { return Top + Bottom; }
};

// Grip corners: 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
inline bool GripIsOnLeft(std::uint8_t corner) { return corner == 0 || corner == 2; }
inline bool GripIsOnTop(std::uint8_t corner) { return corner < 2; }
// The sizing directions a press on the grip of the corner takes (-1 left or top, 1 right or bottom).
inline int GripHorzDirection(std::uint8_t corner) { return GripIsOnLeft(corner) ? -1 : 1; }
inline int GripVertDirection(std::uint8_t corner) { return GripIsOnTop(corner) ? -1 : 1; }
// The sizing cursor of a pair of directions.
TCursor SizingCursor(int horz, int vert);

class TcxCustomEditPopupWindowViewInfo : public TcxContainerViewInfo {
    ZORVY_CLASS(TcxCustomEditPopupWindowViewInfo, TcxContainerViewInfo)
  public:
    TcxCustomDrawPopupBorderEvent OnCustomDrawBorder;
    TcxEditPopupBorderStyle PopupBorderStyle = epbsDefault;
    bool ClientEdge = false;
    bool CloseButton = false;
    TRect CloseButtonRect{};
    TcxLookAndFeelKind LookAndFeelKind = lfStandard;
    int CloseButtonNativeState = 0;
    TcxButtonState CloseButtonState = cxbsNormal;
    int MinSysPanelHeight = 0;
    bool Native = false;
    TcxLookAndFeelPainterClass SkinPainter = nullptr;
    // The shadow of the container view info is the drop shadow at the right and bottom.
    bool Sizeable = false;
    std::uint8_t SizeGripCorner = 3;
    TRect SizeGripRect{};
    TRect SizeGripSizingRect{};
    TRect InnerRect{};
    int SizingRegionBounds = 0;
    int SysPanelHeight = 0;
    bool SysPanelStyle = false;

    virtual void Calculate();
    // Draws the border in r and leaves r inside it.
    virtual void DrawBorder(TcxCanvas* canvas, TRect& r);
    virtual TcxFrameExtent GetBorderExtent();
    virtual TcxFrameExtent GetClientExtent() { return GetBorderExtent(); }
    virtual int GetSysPanelHeight();
    // Whether a press at (x, y) (window coordinates) sizes the popup, and in which directions.
    virtual bool HitTestSizing(int x, int y, int& horz, int& vert);
    void PaintFrameAndBackground(TcxCanvas* canvas) override;

    // The border width of the style, with the client edge's when asked and on.
    int GetPopupBorderWidth(bool withClientEdge);
    // The largest of the system's scroll-bar and caption-button heights and the themed parts'.
    int GetNaturalSysPanelHeight();
    bool PanelOnTop() const { return GripIsOnTop(SizeGripCorner); }

  protected:
    bool UsesThemedWindow() const;
    void CalculateSizeGripRects();
    void CalculateCloseButtonRect();
    void DrawSizeGrip(TcxCanvas* canvas);
    void DrawCloseButton(TcxCanvas* canvas);
    // The one-pixel frames and edges of the styles, each leaving r one pixel further in.
    static void DrawRaisedEdges(TcxCanvas* canvas, TRect& r);
    static void DrawFrame(TcxCanvas* canvas, TRect& r, TColor color);
};

class TcxPopupEditPopupWindowViewInfo : public TcxCustomEditPopupWindowViewInfo {
    ZORVY_CLASS(TcxPopupEditPopupWindowViewInfo, TcxCustomEditPopupWindowViewInfo)
  public:
    // Frame3D always draws the client-edge variant of its rings.
    void DrawBorder(TcxCanvas* canvas, TRect& r) override;
};

} // namespace zorvy
