#pragma once
// TcxPopupWindow: a borderless stay-on-top form that opens against a rectangle of another control
// (below, above or beside it), flips to the side with more room in the monitor's work area, stays
// inside that work area, draws its own frame and closes when it is deactivated. Drop-downs, grid
// popups and drag images derive from it.
#include "platform/classlib/Forms.h"

#include <memory>

namespace zorvy {

class TcxCanvas;

enum TcxPopupHorzAlign { phaLeft, phaCenter, phaRight };
enum TcxPopupVertAlign { pvaTop, pvaCenter, pvaBottom };
enum TcxPopupFrameStyle { pfsNone, pfsSingle, pfs3D, pfsDouble3D };
enum TcxPopupOpenDirection { pdirHorizontal, pdirVertical };

class TcxPopupWindow : public TForm {
    ZORVY_CLASS(TcxPopupWindow, TForm)
  public:
    // A form without owner and without form resource.
    TcxPopupWindow();
    explicit TcxPopupWindow(TComponent*) : TcxPopupWindow() {}
    ~TcxPopupWindow() override;

    // Placement
    TControl* GetAnchorParent() const { return anchorParent_.Get(); }
    void SetAnchorParent(TControl* value) { anchorParent_ = TWeakLink<TControl>(value); }
    // In the anchor parent's client coordinates.
    TRect AnchorBounds{};
    TcxPopupHorzAlign HorzAlignment = phaLeft;
    TcxPopupVertAlign VertAlignment = pvaBottom;
    TcxPopupOpenDirection OpenDirection = pdirVertical;
    // Whether ShowPopup sizes the window around its children.
    bool FitsContent = true;

    // Frame
    TcxPopupFrameStyle GetFrameStyle() const { return frameStyle_; }
    // Puts the children back by the old side widths first, so that the next fit places them again.
    void SetFrameStyle(TcxPopupFrameStyle value);
    TColor FrameLineColor = clWindowText;
    // Pixels added to the frame on every side.
    int ExtraBorderSpace = 0;

    // Sides: 0 left, 1 top, 2 right, 3 bottom.
    virtual int GetFrameWidth(int side) const;
    virtual int GetSideBorderWidth(int side) const;
    int GetBordersWidth() const { return GetSideBorderWidth(0) + GetSideBorderWidth(2); }
    int GetBordersHeight() const { return GetSideBorderWidth(1) + GetSideBorderWidth(3); }
    virtual TRect GetContentRect() const;
    // AnchorBounds on the screen. Needs an anchor parent.
    virtual TRect GetOwnerScreenBounds() const;
    // The screen position ShowPopup gives the window (the alignments themselves do not change).
    virtual TPoint ComputePosition() const;

    virtual void ShowPopup();
    virtual void ClosePopup();
    TcxCanvas* GetCanvasWrapper() const { return canvasWrapper_.get(); }
    // Moves every child back by the left and top side widths.
    void RestoreChildPositions();

  protected:
    virtual void InitializePopup();
    virtual void FitSizeToContent();
    virtual void DrawFrame();
    virtual void VisibleStateChanged() {}
    // The window that lost activation to the popup; its caption keeps looking active meanwhile.
    HWND GetPreviouslyActiveWindow() const { return previousActive_; }

    void Paint() override;
    void Deactivate() override;
    void WMActivate(TMessage& m) override;
    void Dispatch(TMessage& m) override;
    virtual void HandleWmActivateApp(TMessage& m);
    void CMVisibleChanged(TMessage& m) override;

  private:
    std::unique_ptr<TcxCanvas> canvasWrapper_;
    TcxPopupFrameStyle frameStyle_ = pfsNone;
    TWeakLink<TControl> anchorParent_;
    HWND previousActive_ = 0;
};

// Where a popup of size w x h goes against owner (screen rectangle) for the given alignments and
// direction, inside the work area of the monitor at the anchor point.
TPoint ComputePopupPosition(const TRect& owner, int w, int h, TcxPopupHorzAlign horz, TcxPopupVertAlign vert,
                            TcxPopupOpenDirection direction);

} // namespace zorvy
