#pragma once
// TcxContainerViewInfo: the computed painting state of a container or editor popup: its state, the
// border it draws (style, colour, width, sides), the shadow, the rectangles and the background
// colour. The container fills it at every state evaluation; painting, the window shape, the hot-track
// area and the inner control's place only read it. Also the border-width table and the frame, shadow
// and window-shape routines the containers share.
#include "controls/foundation/containers/ContainerStyle.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/win/Handles.h"

#include <cstdint>

namespace zorvy {

class TcxRegion;

// Container states: disabled stands alone; otherwise normal or focused, plus hot.
using TcxContainerStateFlags = std::uint8_t;
enum : TcxContainerStateFlags { cxcsNormal = 1, cxcsFocused = 2, cxcsDisabled = 4, cxcsHot = 8 };

constexpr int ContainerShadowSize = 3;
constexpr int TransparentBorderExtent = 2;

class TcxContainerViewInfo : public TObject {
    ZORVY_CLASS(TcxContainerViewInfo, TObject)
  public:
    TcxContainerViewInfo() = default;

    TColor BackgroundColor = clWindow;
    TColor BorderColor = clWindowFrame;
    TRect BorderRect{};
    TcxContainerBorderStyle BorderStyle = cbsNone;
    int BorderWidth = 0;
    TRect Bounds{};
    TRect ClientRect{};
    TcxContainerStateFlags ContainerState = cxcsNormal;
    TcxBorders Edges = cxBordersAll;
    int ThemePart = 0;
    int ThemeState = 0;
    bool NativeStyle = false;
    bool Shadow = false;
    std::uint8_t ThemedObjectKind = 0;

    virtual void PaintBorder(TcxCanvas* canvas, TRect r);
    virtual TcxContainerBorderStyle GetBorderStyleToPaint() const { return BorderStyle; }
    virtual void PaintFrameAndBackground(TcxCanvas* canvas);
    virtual void StoreBackgroundColor(TColor color) { BackgroundColor = color; }
    virtual void AssignFrom(TcxContainerViewInfo* other);
    // What must be repainted compared with a previous view info (the caller frees it): nothing here.
    virtual TcxRegion* GetUpdateRegionAgainst(TcxContainerViewInfo* previous);
    virtual void ShiftBy(int dx, int dy);
    virtual void PaintTo(TcxCanvas* canvas) { PaintFrameAndBackground(canvas); }
};

int ContainerBorderWidth(TcxContainerBorderStyle style);
// Each side named in edges moves outwards by width.
void GrowRectOnEdges(TRect& r, int width, TcxBorders edges);
// Each side not named in edges moves inwards by width.
void ShrinkRectOnMissingEdges(TRect& r, int width, TcxBorders edges);
// Three-pixel strips below and right of r in clBtnShadow, taken out of the clip region afterwards.
void PaintDropShadow(TcxCanvas* canvas, const TRect& r);
// The frame between outer and inner (all of outer when inner is empty) in color.
void FillFrameArea(TcxCanvas* canvas, const TRect& outer, const TRect& inner, TColor color);
void InvalidateFrameArea(HWND wnd, const TRect& outer, const TRect& inner, bool erase);
// Sets the window region to r (with the shadow strips, less excluded) unless noShape; an unchanged
// shape is never set again.
void ApplyWindowShapeRegion(HWND wnd, const TRect& r, bool noShape, const TRect& excluded, bool shadow);
// The native look: asked for and a theme of that kind can be opened.
bool CanUseNativeTheme(bool nativeStyle, int themedObjectKind);
// The border colour of a highlighted Office11 container.
TColor Office11HighlightBorderColor();
// The region ApplyWindowShapeRegion would set; nullptr for no shape. The caller frees it.
TcxRegion* BuildWindowShapeRegion(const TRect& r, bool noShape, const TRect& excluded, bool shadow);

} // namespace zorvy
