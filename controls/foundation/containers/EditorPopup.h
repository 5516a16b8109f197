#pragma once
// TcxCustomPopupWindow: the drop-down window of the popup editors, the calendar's month list and the
// grid's filter popups. A TcxPopupWindow tied to an owner control and painted through its own
// container style and view info; it either captures the focus (an owned popup of the owner's form
// with a modal loop while open) or leaves the focus where it is (a tool window). The unit keeps the
// list of open popups; thread message hooks close them on a click elsewhere, when the owner goes away
// and when the application loses activation, and keep the owner form's caption active meanwhile.
#include "controls/foundation/containers/ContainerStyle.h"
#include "controls/foundation/containers/ContainerViewInfo.h"
#include "controls/foundation/popup/PopupWindow.h"

#include <memory>
#include <vector>

namespace zorvy {

// Private messages: close from the message queue and give the owner the focus back; open again.
constexpr UINT CM_POPUPCLOSEREQUEST = 0x8065;
constexpr UINT CM_POPUPREOPEN = 0x8066;

class TcxCustomPopupWindow : public TcxPopupWindow {
    ZORVY_CLASS(TcxCustomPopupWindow, TcxPopupWindow)
  public:
    explicit TcxCustomPopupWindow(TWinControl* ownerControl);
    ~TcxCustomPopupWindow() override;

    TWinControl* GetPopupOwner() const { return popupOwner_.Get(); }
    TcxContainerStyle* GetStyle() const { return style_.get(); }
    TcxContainerViewInfo* GetViewInfo() const { return viewInfo_.get(); }
    bool GetFocusCapture() const { return focusCapture_; }
    // Recreates the window, and an open popup closes and opens again.
    void ChangeFocusCapture(bool value);
    bool GetTopMost() const { return topMost_; }
    void ChangeTopMost(bool value);
    bool ModalLoop = true;
    TWinControl* GetInitialFocusControl() const { return initialFocusControl_.Get(); }

    // Shows the popup (nothing when it is open or the owner is hidden); with FocusCapture and
    // ModalLoop it returns once the popup was closed.
    virtual void Popup(TWinControl* focusControl);
    void ClosePopup() override;
    bool IsOpen() const;
    void LockDeactivation(bool lock);
    bool IsDeactivationLocked() const { return deactivationLock_ != 0; }
    bool IsOwnerVisible() const;
    bool HoldsMouseCapture() const;
    bool IsFocused() const;
    bool CanFocus() const override { return GetVisible(); }
    TRect GetOwnerScreenBounds() const override;
    // Asked when a left press on the owner, inside the owner's rectangle, closes the popup.
    virtual bool IsOwnerDropDownClick(const MSG&, TShiftState, TPoint) { return false; }
    virtual bool AcceptsSysKey(std::uint16_t key) const;
    bool IsBeingDestroyed() const { return HasState(csDestroying); }

    TNotifyEvent OnPopupClosed;
    TNotifyEvent OnPopupClosing;
    TNotifyEvent OnPopupShown;
    TNotifyEvent OnPopupShowing;

  protected:
    // For popups that paint and lay out through a view info of their own kind.
    TcxCustomPopupWindow(TWinControl* ownerControl, std::unique_ptr<TcxContainerViewInfo> viewInfo);
    virtual bool FitsToWorkArea() const { return false; }
    virtual void FitIntoWorkArea(TPoint& p);
    virtual void NotifyClosed();
    virtual void NotifyClosing();
    virtual void NotifyShown();
    virtual void NotifyShowing();
    virtual bool WantsEraseBackground() const { return false; }
    virtual void CloseOnModalResult() { ClosePopup(); }
    virtual void HandleStyleChange() {}
    virtual void MouseEntered(TControl*) {}
    virtual void MouseExited(TControl*) {}

    void InitializePopup() override {}
    void VisibleStateChanged() override;
    void Deactivate() override;
    void WMActivate(TMessage& m) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void Paint() override;
    void AdjustClientRect(TRect& rect) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& m) override;
    void HandleWmActivateApp(TMessage&) override {}

  private:
    void RecreateIfAllocated();

    HWND activatedWindow_ = 0; // the window taking the activation, while a deactivation is reported
    bool focusCapture_ = true;
    int deactivationLock_ = 0;
    TWeakLink<TWinControl> initialFocusControl_;
    bool topMost_ = false;
    TWeakLink<TWinControl> popupOwner_;
    std::unique_ptr<TcxContainerStyle> style_;
    std::unique_ptr<TcxContainerViewInfo> viewInfo_;
};

// The open popups, in the order they were opened.
const std::vector<TcxCustomPopupWindow*>& GetOpenPopupWindows();
bool IsOpenPopupWindow(TControl* control);
// Posts CM_POPUPCLOSEREQUEST: the popup closes from the queue and its owner gets the focus back.
void PostPopupCloseRequest(TcxCustomPopupWindow* popup);
bool WindowBelongsToControl(TWinControl* control, HWND wnd, bool includeInside);
bool IsControlsOwnWindow(TWinControl* control, HWND wnd);
// wnd is a window inside the control, or of a popup opened from it.
bool IsWindowInsideControl(TWinControl* control, HWND wnd);
bool ControlHasOpenPopup(TWinControl* control);
// Controls of an inactive form show no hot state, except in the form a popup was opened from.
bool CanHotTrackControl(TWinControl* control);
// Removes queued messages first..last of wnd (one unless all); a WM_QUIT met is posted again.
bool DrainPendingMessages(HWND wnd, UINT first, UINT last, bool all);
HWND FindTopLevelAncestorWindow(HWND wnd);

// The container unit's start-up and shutdown: the open-popup list and the three message hooks.
void InitializeContainersUnit();
void FinalizeContainersUnit();

} // namespace zorvy
