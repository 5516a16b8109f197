#pragma once
// TcxCustomEditViewInfo: the computed paint state of one editor or grid cell (rectangles, colours,
// state, one TcxEditButtonViewInfo per visible button). It paints background, border and buttons,
// answers which button lies under a point and invalidates only what differs from a previous one.
#include "controls/editors/framework/EditButtons.h"
#include "controls/foundation/containers/ContainerViewInfo.h"
#include "controls/foundation/painters/Painter.h"
#include "platform/classlib/Controls.h"

#include <functional>
#include <memory>
#include <vector>

namespace zorvy {

class TcxContainer;
class TcxCustomEditProperties;
class TcxCustomEditViewInfo;

// Each draw handler answers true when it drew the element itself (a nil canvas only asks).
using TcxEditDrawBackgroundEvent = std::function<bool(TcxCustomEditViewInfo* sender, TcxCanvas* canvas)>;
using TcxEditDrawButtonEvent = std::function<bool(TcxCustomEditViewInfo* sender, TcxCanvas* canvas, int index)>;
using TcxEditDrawButtonBackgroundEvent =
    std::function<bool(TcxCustomEditViewInfo* sender, TcxCanvas* canvas, const TRect& r, int index)>;
using TcxEditDrawButtonBorderEvent = std::function<bool(TcxCustomEditViewInfo* sender, TcxCanvas* canvas, int index,
                                                        TRect& backgroundRect, TRect& contentRect)>;
using TcxEditButtonStateEvent = std::function<void(TcxCustomEditViewInfo* sender, int index, TcxEditButtonState& state)>;
using TcxEditPaintEvent = std::function<void(TcxCustomEditViewInfo* sender, TcxCanvas* canvas)>;

// How the background of an editor is painted.
enum class TcxEditBackgroundKind { bkCustom, bkContainer, bkNone, bkSolid, bkParentImage, bkParentBackground };

class TcxCustomEditViewInfo : public TcxContainerViewInfo {
    ZORVY_CLASS(TcxCustomEditViewInfo, TcxContainerViewInfo)
  public:
    TcxCustomEditViewInfo() = default;
    ~TcxCustomEditViewInfo() override { SetButtonCount(0); }

    // ---- painting ----
    TcxContainerBorderStyle GetBorderStyleToPaint() const override { return TcxContainerBorderStyle(EditBorderStyle); }
    void PaintFrameAndBackground(TcxCanvas* canvas) override;
    void PaintTo(TcxCanvas* canvas) override;
    void PaintAllButtons(TcxCanvas* canvas);
    bool DrawInplaceBackground(TcxCanvas* canvas);
    bool DrawInplaceBackgroundAt(TcxCanvas* canvas, TPoint p);
    void DrawEditBackground(TcxCanvas* canvas, const TRect& r, bool keepInner, const TRect& inner);
    TcxEditBackgroundKind GetBackgroundKind() const;
    bool HasSeeThroughBackground() const;
    virtual void PaintButton(TcxCanvas* canvas, int index);
    virtual void PaintButtonClipped(TcxCanvas* canvas, int index);
    virtual void DrawButtonBorder(TcxCanvas* canvas, int index, TRect& backgroundRect, TRect& contentRect,
                                  TColor& penColor, TColor& fillColor);
    virtual void Draw3DButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& backgroundRect,
                                    TRect& contentRect, TColor& penColor, TColor& fillColor);
    virtual void DrawFlatButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& backgroundRect,
                                      TRect& contentRect, TColor& penColor, TColor& fillColor);
    virtual void DrawHotFlatButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& backgroundRect,
                                         TRect& contentRect, TColor& penColor, TColor& fillColor);
    virtual void DrawSimpleButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& backgroundRect,
                                        TRect& contentRect, TColor& penColor, TColor& fillColor);
    virtual void DrawUltraFlatButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& backgroundRect,
                                           TRect& contentRect, TColor& penColor, TColor& fillColor, bool office11);
    virtual void DrawThemedButtonBorder(TcxCanvas* canvas, TcxEditButtonViewInfo* button, TRect& backgroundRect,
                                        TRect& contentRect, TColor& penColor, TColor& fillColor);
    virtual void DrawThemedButtonBackground(TcxCanvas* canvas, TcxEditButtonViewInfo* button, const TRect& r);
    virtual void DrawButtonBackground(TcxCanvas* canvas, TcxEditButtonViewInfo* button, const TRect& r,
                                      TColor fillColor);
    virtual void DrawButtonContent(TcxCanvas* canvas, int index, const TRect& contentRect, TColor penColor,
                                   TColor fillColor, bool pressed);
    virtual void PrepareTextFont(TFont*) {}

    // ---- questions ----
    virtual bool RedrawsOnContainerStateChange() const { return true; }
    virtual bool HasHotButton() const;
    virtual bool IsPointOnButton(TPoint p) const;
    virtual bool NeedsHint(TcxCanvas* canvas, TPoint p, std::string& hintText);
    virtual bool NeedsHintInRect(TcxCanvas*, TPoint, const TRect&, std::string& hintText) {
        hintText.clear();
        return false;
    }
    bool HasCustomBackgroundHandler();
    bool HasCustomButtonDrawing(int index);

    // ---- comparing with a previous view info ----
    void AssignFrom(TcxContainerViewInfo* source) override;
    TcxRegion* GetUpdateRegionAgainst(TcxContainerViewInfo* previous) override;
    void ShiftBy(int dx, int dy) override;
    virtual bool RepaintDifferences(TWinControl* control, TcxCustomEditViewInfo* previous);
    // True when something was invalidated.
    virtual bool RepaintDifferencesInRect(TWinControl* control, const TRect& keep, TcxCustomEditViewInfo* previous);

    // ---- buttons ----
    virtual const TMetaClass* GetButtonViewInfoClass() const { return TcxEditButtonViewInfo::StaticClass(); }
    void SetButtonCount(int count);
    int ButtonCount() const { return static_cast<int>(Buttons.size()); }
    TcxEditButtonViewInfo* Button(int index) const { return Buttons[index].get(); }

    TcxEditDrawBackgroundEvent DrawBackgroundHandler;
    TcxEditDrawButtonEvent DrawButtonHandler;
    TcxEditDrawButtonBackgroundEvent DrawButtonBackgroundHandler;
    TcxEditDrawButtonBorderEvent DrawButtonBorderHandler;
    TcxEditButtonStateEvent ButtonStateHandler;
    TcxEditPaintEvent PaintHandler;

    TcxContainer* Edit = nullptr;
    TRect BorderExtent{};
    TcxEditBorderStyle EditBorderStyle = TcxEditBorderStyle::ebsNone;
    std::vector<std::unique_ptr<TcxEditButtonViewInfo>> Buttons;
    TcxCustomEditProperties* Properties = nullptr;
    bool Enabled = true;
    bool Focused = false;
    TFont* Font = nullptr;
    bool EraseBackground = false;
    bool HasInplaceExtent = false;
    bool HasInnerEdit = false;
    bool CaptionFontPrepared = false;
    int BorderHotTrack = 0;
    TRect InnerEditRect{};
    bool IsButtonReallyPressed = false;
    bool HasInnerControl = false;
    bool PaintsThroughProvider = false;
    bool Designing = false;
    bool Inplace = false;
    bool Selected = false;
    int Left = 0;
    int Top = 0;
    int PaintOptions = 0;
    TcxEditPopupBorderStyle PopupBorderStyle = epbsDefault;
    int PressedButton = -1;
    int HotButton = -1;
    TRect ShadowRect{};
    TColor TextColor = clWindowText;
    bool Transparent = false;
    bool HasContentOffsets = false;
    HWND WindowHandle = 0;
    TcxLookAndFeelPainterClass SkinPainter = nullptr;

  private:
    bool paintingButtons_ = false;
};

} // namespace zorvy
