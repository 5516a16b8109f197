#pragma once
// TcxContainer: the base of every editor and list box. A TcxControl with four state styles, a view
// info of the current appearance, an optional inner window control (the real edit or list) that it
// places, feeds with keys, focuses in its own stead and clips, hot tracking with a mouse-tracking
// timer, a window shaped by its transparent border and drop shadow, and scroll bars laid over those
// of its inner control.
#include "controls/foundation/containers/ContainerStyle.h"
#include "controls/foundation/containers/ContainerViewInfo.h"
#include "controls/foundation/control/Control.h"
#include "controls/foundation/services/MouseTracking.h"

#include <functional>
#include <memory>

namespace zorvy {

class TcxContainer;
class TcxScrollBar;
struct SCROLLBARINFO;

// Every inner control (the list box of a list, the edit of an editor) offers its container.
class IcxContainerInnerControl {
  public:
    virtual ~IcxContainerInnerControl() = default;
    virtual TWinControl* GetControl() = 0;
    virtual TcxContainer* GetControlContainer() = 0;
};

// Private messages: evaluate the state once the window exists; synchronise the scroll bars.
constexpr UINT CM_CONTAINERREFRESHSTATE = 0x8067;
constexpr UINT CM_CONTAINERSYNCSCROLLBARS = 0x8068;

using TcxContainerViewInfoClass = std::function<TcxContainerViewInfo*()>;

class TcxContainer : public TcxControl, public IcxMouseTrackingCaller {
    ZORVY_CLASS(TcxContainer, TcxControl)
    // The inner list box hands its keys, mouse, clicks and drags to its container's handlers.
    friend class TcxCustomInnerListBox;

  public:
    explicit TcxContainer(TComponent* owner);
    ~TcxContainer() override;

    // Styles
    TcxContainerStyles* GetStyles() const { return styles_.get(); }
    TcxContainerStyle* GetStyle() const { return styles_->NormalStyle(); }
    TcxContainerStyle* GetStyleFocused() const { return styles_->FocusedStyle(); }
    TcxContainerStyle* GetStyleDisabled() const { return styles_->DisabledStyle(); }
    TcxContainerStyle* GetStyleHot() const { return styles_->HotStyle(); }
    void SetStyle(TcxContainerStyle* style) { styles_->AssignNormalStyle(style); }
    void SetStyleFocused(TcxContainerStyle* style) { styles_->AssignFocusedStyle(style); }
    void SetStyleDisabled(TcxContainerStyle* style) { styles_->AssignDisabledStyle(style); }
    void SetStyleHot(TcxContainerStyle* style) { styles_->AssignHotStyle(style); }
    TcxStyleController* GetFakeStyleController() const { return GetStyle()->GetStyleController(); }
    // The style of the view info's state (cached).
    TcxContainerStyle* CurrentStateStyle();
    bool IsStylePropertyShown(const std::string& name, bool checkExtended) const;
    TcxContainerViewInfo* GetViewInfo() const { return viewInfo_.get(); }

    // The inner control
    TWinControl* GetInnerControl() const { return innerControl_; }
    void SetInnerControl(TWinControl* control) { innerControl_ = control; }
    TWinControl* GetFocusTarget() { return innerControl_ ? innerControl_ : this; }
    void LockInnerAlignment(bool lock);
    bool IsInnerAlignmentLocked() const { return innerAlignmentLock_ > 0; }
    // Set while the inner control forwards a press to the container.
    bool InnerMouseDown = false;
    TDragKind GetDragKind() const { return DragKind; }
    void SetDragKind(TDragKind value);
    // The drag mode, the repaints, a cancelled drag and the drag images are the inner control's too.
    void SetDragMode(TDragMode value) override;
    void Invalidate() override;
    void Update() override;
    void DragCanceled() override;
    TDragImageList* GetDragImageList() override;

    // State
    bool IsDestroying() const { return destroying_ || HasState(csDestroying); }
    // Re-evaluates the container at the cursor; false when it did not run.
    bool RefreshMouseState(bool isMouseEvent);
    void EnsureMouseStateComputed();
    void RequestScrollBarSync();
    virtual bool IsFocused() const;
    virtual bool IsFocusWithin() const { return IsFocused(); }
    virtual bool DefaultsToParentColor() const { return false; }
    virtual bool IsInplaceEditor() const { return false; }
    virtual bool HasOpenPopup() const { return false; }
    // Public: the popup hooks tell an owner whose popup closed with the application's deactivation.
    void FocusStateChanged() override;
    void SetFocus() override;

    // IcxMouseTrackingCaller
    void MouseTrackingLeft() override;

    TRect GetContentBounds() const override;
    TcxLookAndFeel* GetEffectiveLookAndFeel() const override { return GetStyle()->GetLookAndFeel(); }
    bool UsesScrollBars() const override { return false; }
    bool FocusesOnClick() const override;
    // The inner control sees its messages here first; a consumed one goes no further.
    virtual bool PreviewInnerMessage(TMessage& m);
    virtual bool HandleInnerDefaultMessage(TMessage&) { return false; }
    virtual void HandleStyleChange(TObject* style);
    virtual TRect GetHotTrackBounds() const;
    virtual TRect GetShapeBounds() const;
    // Margins (left, top, right, bottom) between the bounds and the border rectangle.
    virtual TRect GetBorderExtent() const;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    // While the inner control is the form's active control it stands in the tab order in the
    // container's place, so that moving backwards from it leaves the container.
    void GetTabOrderList(std::vector<TWinControl*>& list) const override;

  protected:
    // ParentColor from DefaultsToParentColor and IsInplaceEditor. The constructor runs it with this
    // class's answers; a descendant that answers otherwise runs it again from its own constructor.
    void InitializeParentColor();
    // The styles and view info again from GetStyleClass and GetViewInfoClass: the constructor made them
    // with this class's answers; a descendant with its own classes runs it from its constructor.
    void RecreateStylesAndViewInfo();
    virtual void SyncInnerControlLook();
    virtual void ComputeViewInfo(TPoint p, bool allowHot);
    virtual bool HandlesTabKey() const { return true; }
    virtual bool NeedsWindowShape() const;
    virtual bool AllowsContextPopupAt(TPoint) { return true; }
    virtual bool HasShadow() const;
    virtual TcxContainerStyle* GetStyleForState();
    virtual TcxContainerStyleValues GetHiddenStyleValues() const { return 0; }
    virtual bool UsesStandardChildLayout() const { return false; }
    virtual bool ShowsParentBackground() const { return false; }
    virtual bool UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent);
    virtual void ApplyWindowShape();
    virtual void PlaceInnerControl();
    virtual void ClipCanvasToShape();
    virtual void SyncScrollBarsFromInner(bool keepPlacement);
    virtual void ArrangeScrollBar(TcxScrollBar* bar);
    virtual bool UsesNativeLook() const;
    virtual TThemedObjectKind GetThemedObjectKind() const { return tokEdit; }
    virtual int GetThemePartId() const { return 1; }
    virtual int GetThemeStateId() const;
    virtual void FocusInnerControl();
    virtual void ShowScrollBarControl(TControl* control, bool visible);
    virtual void EnabledPropertyChanged();
    virtual TcxContainerStyleClass GetStyleClass() const { return TcxContainerStyle::Class(); }
    virtual TcxContainerViewInfoClass GetViewInfoClass() const;
    // Where a child window sticks out of rect: the part of it to keep (none when it lies inside).
    struct TInnerRegion {
        bool NoRegion = true;
        TRect Rect{};
    };
    virtual TInnerRegion CalcInnerControlRegion(const TRect& bounds, TWinControl* control) const;
    void ResetInnerControlRegion() { appliedInnerRegion_ = TInnerRegion{}; }
    bool IsScrollBarEnabled(TcxScrollBar* bar, const SCROLLBARINFO& info) const;
    bool GetInnerScrollBarInfo(SCROLLBARINFO& info, TScrollBarKind kind) const;
    TRect ScreenRectToClient(const TRect& screenRect) const;

    // Overrides of the base control and the class library
    void WndProc(TMessage& m) override;
    void Dispatch(TMessage& m) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void AdjustClientRect(TRect& rect) override;
    void AlignControls(TControl* control, TRect& rect) override;
    bool CanDragAtDesignTime(int, int, TShiftState) override { return false; }
    bool WantsFocus() const override;
    void ColorPropertyChanged() override;
    void CursorPropertyChanged() override;
    void DoContextPopup(TPoint mousePos, bool& handled) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEntered(TControl* control) override;
    void MouseExited(TControl* control) override;
    void Resize() override;
    void ChangeScale(int m, int d) override;
    void CMFontChanged(TMessage& m) override;
    void CMParentColorChanged(TMessage& m) override;
    void CMParentFontChanged(TMessage& m) override;
    void CMEnabledChanged(TMessage& m) override;

  private:
    void HandleWmSetFocus(TMessage& m);
    void HandleWmKillFocus(TMessage& m);
    void HandleWmSetCursor(TMessage& m);
    void HandleWmWindowPosChanging(TMessage& m);
    void HandleWmWindowPosChanged(TMessage& m);
    bool InnerRegionChanged(TWinControl* control, const TInnerRegion& info) const;

    TcxContainerStateFlags cachedState_ = cxcsNormal;
    TcxContainerStyle* cachedStateStyle_ = nullptr;
    TWinControl* innerControl_ = nullptr;
    TInnerRegion appliedInnerRegion_;
    bool destroying_ = false;
    bool placingInnerControl_ = false;
    bool mouseStateComputed_ = false;
    int innerAlignmentLock_ = 0;
    bool refreshingMouseState_ = false;
    bool changeFromStyle_ = false;
    bool beingCreated_ = false;
    std::unique_ptr<TcxContainerStyles> styles_;
    std::unique_ptr<TcxContainerViewInfo> viewInfo_;
};

// The container of a control: itself, or the container an inner control names; nil otherwise.
TcxContainer* ContainerOfControl(TWinControl* control);
bool ContainerIsDestroying(const TcxContainer* container);
// mbLeft 1, mbRight 2, mbMiddle 3 (0: no button).
int ContainerMouseButtonCode(TMouseButton button);
TShiftState CurrentShiftState();
// Case-sensitive: equal texts; otherwise equal after upper-casing.
bool StringsMatch(const std::string& a, const std::string& b, bool caseSensitive);
bool SystemScrollBarInfoAvailable();
bool QueryScrollBarInfo(HWND wnd, long objectId, SCROLLBARINFO& info);

} // namespace zorvy
