#pragma once
// TcxCustomEditPopupWindow: the window a drop-down editor opens, dressed with the editor's popup
// frame. It sizes itself to its content, places itself against the editor with the size grip in the
// corner away from it, cuts the shadow over the editor out of its region, lets the user resize it by
// the grip or the frame within its limits and tells the editor how the user closed it. The editor
// answers through IcxEditPopupWindowOwner. TcxPopupEditPopupWindow is the popup edit's kind.
#include "controls/editors/popup/EditPopupViewInfo.h"
#include "controls/foundation/containers/EditorPopup.h"

namespace zorvy {

// Posted by an editor with a typed character: the open popup hands it to its focused control.
constexpr UINT CM_POPUPFORWARDCHAR = 0x806B;

// Close-up reasons of drop-down editors.
enum TcxEditCloseUpReason { crUnknown = 0, crTab = 1, crToggle = 2, crCancel = 3, crEnter = 4 };

// What a popup needs of the drop-down editor that opened it.
class IcxEditPopupWindowOwner {
  public:
    virtual ~IcxEditPopupWindowOwner() = default;
    // The rectangle the popup opens against, in the coordinates of the editor's parent.
    virtual TRect GetPopupOwnerRect() = 0;
    // The size the content needs.
    virtual TSize CalcPopupSize() = 0;
    virtual void PositionPopupControl(const TRect& clientRect) = 0;
    virtual void ClosePopup(TcxEditCloseUpReason reason) = 0;
    virtual void AfterCloseUp() {}
    virtual TcxLookAndFeelKind GetPopupLookAndFeelKind() { return lfStandard; }
    virtual bool PopupFitsWorkArea() { return true; }
    virtual bool GetPopupUserSized() { return false; }
    // The user resized the popup during this drop-down.
    virtual void PopupSizedByUser() {}
    // Whether the content is a lookup list that sizes in whole rows; AdjustPopupListSize then fits
    // size to it (maxHeight 0: no limit) and answers whether it accepted.
    virtual bool SizesPopupByList() { return false; }
    virtual bool AdjustPopupListSize(TSize& /*size*/, int /*maxHeight*/) { return true; }
};

class TcxCustomEditPopupWindow : public TcxCustomPopupWindow {
    ZORVY_CLASS(TcxCustomEditPopupWindow, TcxCustomPopupWindow)
  public:
    // ownerEdit is the drop-down editor; it implements IcxEditPopupWindowOwner.
    explicit TcxCustomEditPopupWindow(TWinControl* ownerEdit);

    IcxEditPopupWindowOwner* GetOwnerEdit() const;
    TcxCustomEditPopupWindowViewInfo* GetPopupViewInfo() const;

    // ---- settings the editor fills before every drop-down ----
    bool PopupAutoSize = true;
    int MinHeight = 0;
    int MinWidth = 0;
    int PopupHeight = 0;
    int PopupWidth = 0;
    TcxEditPopupBorderStyle GetPopupBorderStyle() const { return borderStyle_; }
    void SetPopupBorderStyle(TcxEditPopupBorderStyle value);
    bool GetClientEdge() const { return clientEdge_; }
    void SetClientEdge(bool value);
    bool GetCloseButton() const { return closeButton_; }
    void SetCloseButton(bool value);
    bool GetNativeStyle() const { return nativeStyle_; }
    void SetNativeStyle(bool value);
    bool GetShadow() const { return shadow_; }
    void SetShadow(bool value);
    bool GetSizeable() const { return sizeable_; }
    void SetSizeable(bool value);
    bool GetSysPanelStyle() const { return sysPanelStyle_; }
    void SetSysPanelStyle(bool value);
    void SetMinSysPanelHeight(int value);

    // The control the popup focuses when it shows from its queued opening message.
    void SetControlToFocus(TWinControl* control) { controlToFocus_ = TWeakLink<TWinControl>(control); }
    // Whether an opening message is queued for the popup.
    bool IsOpeningQueued() const;

    // ---- layout ----
    virtual void CalculatePopupViewInfo();
    virtual void ForwardChar(char32_t ch);
    // The smallest size the frame allows.
    virtual TSize GetFrameSize();
    TcxFrameExtent GetClientExtent() { return GetPopupViewInfo()->GetClientExtent(); }
    void UpdateLayout();
    // Sizes the popup to its content and places it against its editor inside the work area.
    void FitAndPlace();
    // The list height that fits between the editor and the work area's edge on the popup's side.
    int GetAvailableListHeight();
    void ApplyShape();
    // Erases the frame last drawn and draws r (nothing when empty or not sizing), XOR on the screen.
    void DrawTrackingFrame(const TRect& r);
    void InvalidateArea(const TRect& r);

    TPoint ComputePosition() const override;
    void Popup(TWinControl* focusControl) override;
    bool CanResize(int& newWidth, int& newHeight) override;
    void AdjustClientRect(TRect& rect) override;

    // Whether a size-grip drag is going on (one popup at a time).
    static bool IsSizing();
    // The editor destroys the popup's window before its own.
    using TcxCustomPopupWindow::DestroyHandle;

  protected:
    TcxCustomEditPopupWindow(TWinControl* ownerEdit, std::unique_ptr<TcxCustomEditPopupWindowViewInfo> viewInfo);
    // The owner rectangle, anchored to the editor's parent.
    void RefreshOwnerRect();

    void FitSizeToContent() override;
    bool FitsToWorkArea() const override;
    void NotifyClosed() override;
    void NotifyClosing() override;
    void CloseOnModalResult() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseExited(TControl* control) override;
    void Resize() override;
    void Dispatch(TMessage& m) override;

  private:
    void SetCloseButtonState(TcxButtonState state);
    void SetSizingCursor(int x, int y);
    void TrackSizing(int x, int y);

    TcxEditPopupBorderStyle borderStyle_ = epbsDefault;
    bool clientEdge_ = false;
    bool closeButton_ = false;
    bool nativeStyle_ = false;
    bool shadow_ = false;
    bool sizeable_ = false;
    bool sysPanelStyle_ = false;
    TWeakLink<TWinControl> controlToFocus_;
};

class TcxPopupEditPopupWindow : public TcxCustomEditPopupWindow {
    ZORVY_CLASS(TcxPopupEditPopupWindow, TcxCustomEditPopupWindow)
  public:
    explicit TcxPopupEditPopupWindow(TWinControl* ownerEdit);
};

} // namespace zorvy
