#pragma once
// A radio button whose face the look-and-feel painters draw: the window is owner-drawn, and every draw
// request paints the background, the mark in the state the button tracks from the mouse (disabled,
// hot, normal, pressed) and the caption. Focus entering an unchecked button checks it. The radio
// group's buttons derive from it.
#include "controls/foundation/control/ControlInterfaces.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/foundation/services/MouseTracking.h"
#include "platform/classlib/stdctrls/Buttons.h"

#include <memory>

namespace zorvy {

class TcxCanvas;
class TcxLookAndFeel;

// The button's mouse state.
enum TcxRadioButtonState : std::uint8_t { rbsDisabled = 0, rbsHot = 1, rbsNormal = 2, rbsPressed = 3 };

class TcxRadioButton : public TRadioButton, public IcxMouseTrackingCaller {
    ZORVY_CLASS(TcxRadioButton, TRadioButton)
  public:
    explicit TcxRadioButton(TComponent* owner);
    ~TcxRadioButton() override;

    TcxLookAndFeel* GetLookAndFeel() const { return lookAndFeel_.get(); }
    void SetLookAndFeel(TcxLookAndFeel* value);
    TComponent* GetPopupMenu() const { return popupMenu_; }
    // A TPopupMenu or a popup-menu component; anything else stores nothing.
    void SetPopupMenu(TComponent* value);
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool value);
    // taRightJustify: the mark at the left, the caption to its right; taLeftJustify: the mark at the right.
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    TcxRadioButtonState GetState() const { return state_; }
    // Where the mark was last drawn, in client coordinates.
    const TRect& GetButtonRect() const { return buttonRect_; }
    // Where the group placed the button.
    int Column = 0;
    int Row = 0;

    void RefreshMouseState();
    void SetState(TcxRadioButtonState value);
    void MouseTrackingLeft() override;
    bool Focused() const override;
    void Invalidate() override;
    // Nothing while clicks are disabled.
    void Click() override;
    void Dispatch(TMessage& message) override;

  protected:
    virtual void DrawCaption(TcxCanvas* canvas, bool native);
    virtual void AdjustCaptionRect(TRect& r, bool native);
    virtual bool ShowPopupMenuAt(TComponent* menu, int x, int y);
    virtual void DrawBackground(TcxCanvas* canvas);
    virtual bool IsInplace() const { return false; }
    virtual bool HasNativeParentBackground() const;
    virtual bool IsNativeStyle() const;
    virtual bool IsTransparentBackground() const { return transparent_ && !IsInplace(); }
    virtual bool HasParentBackground() const { return IsTransparentBackground() || HasNativeParentBackground(); }
    virtual void LookAndFeelChanged() { Invalidate(); }
    virtual void PaintButton(TcxCanvas* canvas);
    // buttonCode: 0 none, 1 left, 2 right, 3 middle.
    virtual void UpdateMouseState(int buttonCode, TShiftState shift, TPoint p);
    // A standalone button draws its disabled caption grey and embossed; a group's in its own colour.
    virtual bool IsInnerControl() const { return false; }
    TRect CalcButtonRect(TSize size, bool native) const;
    TcxCanvas* Canvas() const { return canvas_.get(); }

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DoEnter() override;
    void DoContextPopup(TPoint mousePos, bool& handled) override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WMContextMenu(TMessage& m) override;
    // Set while Checked is being set without a click.
    bool ClicksDisabled = false;

  private:
    void MouseEnter();
    void MouseLeave();

    TRect buttonRect_{};
    std::unique_ptr<TCanvas> controlCanvas_;
    std::unique_ptr<TcxCanvas> canvas_;
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_;
    TComponent* popupMenu_ = nullptr;
    TcxRadioButtonState state_ = rbsNormal;
    bool transparent_ = false;
    TAlignment alignment_ = taRightJustify;
    bool wordWrap_ = false;
};

// The painter's state for a button's mouse state.
TcxButtonState RadioButtonPainterState(TcxRadioButtonState state);

} // namespace zorvy
