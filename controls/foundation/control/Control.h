#pragma once
// TcxControl: the base of every custom-drawn window control (grid, tab and page controls, calendar,
// and through TcxContainer every editor). It adds uniform focus-on-click rules, mouse capture handed
// to a sub-object, a popup menu that need not be a TPopupMenu, font listeners, a pair of floating
// scroll bars with a size grip, an internal drag-and-drop state machine with the glue to the standard
// drag, wheel and middle-button anchor scrolling, and protection against the control being freed
// inside its own message handling. TcxControlChildComponent is a non-visual part of such a control.
#include "controls/foundation/control/ControlInterfaces.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "platform/classlib/Controls.h"

#include <functional>
#include <memory>
#include <vector>

namespace zorvy {

class TcxCanvas;
class TcxScreenCanvas;
class TcxControl;
class TcxControlScrollBar;
class TcxSizeGrip;
class TcxDragAndDropObject;
class TDragImageList;

enum TcxControlBorderStyle { cxcbsNone, cxcbsDefault };
enum TcxInternalDragState { idsIdle, idsPending, idsRunning };
enum TcxWantedKey : unsigned { wkAllKeys = 1, wkArrowKeys = 2, wkCharKeys = 4, wkTabKey = 8 };
using TcxWantedKeys = unsigned;
enum TScrollBarKind { sbHorizontal, sbVertical };
using TScrollCode = int; // scLineUp .. scEndScroll
constexpr TScrollCode scLineUp = 0, scLineDown = 1, scPageUp = 2, scPageDown = 3, scPosition = 4, scTrack = 5,
                      scTop = 6, scBottom = 7, scEndScroll = 8;

// The private message that tells a control to check the system's scroll-bar sizes.
constexpr UINT CM_SCROLLMETRICSCHANGED = 0x8131;

// Makes the internal drag-and-drop object of a control (the class-reference override).
using TcxDragAndDropObjectClass = std::function<TcxDragAndDropObject*(TcxControl*)>;

class TcxControlChildComponent : public TComponent {
    ZORVY_CLASS(TcxControlChildComponent, TComponent)
  public:
    explicit TcxControlChildComponent(TComponent* owner);
    // Owned by the control's owner when assignOwner holds, else by nobody. InitializeInstance runs
    // after construction, before the control is assigned.
    static TcxControlChildComponent* CreateForControl(const TMetaClass* cls, TcxControl* control, bool assignOwner);
    ~TcxControlChildComponent() override;

    // Nil once the control is gone (a control can be freed before the components its owner holds).
    TcxControl* GetControl() const { return control_.Get(); }
    virtual bool IsBeingDestroyed() const { return HasState(csDestroying); }
    bool IsBeingLoaded() const { return HasState(csLoading); }
    virtual void AssignControl(TcxControl* control) { control_ = TWeakLink<TcxControl>(control); }
    // Joins a TcxControl parent (how a streamed-in view finds its grid).
    virtual void AttachToParent(TComponent* parent);
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return GetControl() != nullptr; }

  protected:
    // The part of construction that needs the most derived class's virtual operations.
    virtual void InitializeInstance() {}
    // Leaves the control's children (a descendant's destructor does so while its parts still live).
    void DetachFromControl();

  private:
    TWeakLink<TcxControl> control_;
};

class TcxControl : public TCustomControl {
    ZORVY_CLASS(TcxControl, TCustomControl)
  public:
    explicit TcxControl(TComponent* owner);
    ~TcxControl() override;
    // Marks the control as being destroyed before descendants tear down.
    void PrepareDestruction();

    // The canvas to measure or paint with: the control's own once it has a window, else a screen
    // canvas made on first use (and freed as soon as a window exists).
    TcxCanvas* GetActiveCanvas();
    TcxCanvas* GetCanvasWrapper() const { return canvasWrapper_.get(); }

    // State
    bool IsBeingDestroyed() const { return HasState(csDestroying); }
    bool IsBeingLoaded() const { return HasState(csLoading); }
    bool IsCreatingWindow() const { return creatingWindow_; }
    bool IsRightButtonReleasing() const { return rightButtonReleasing_; }
    bool IsScrollingContent() const { return scrollingContent_; }
    bool IsUpdatingScrollBars() const { return updatingScrollBars_; }
    TcxInternalDragState GetDragAndDropState() const { return dragAndDropState_; }

    // Appearance
    TcxLookAndFeel* GetLookAndFeel() const { return lookAndFeel_.get(); }
    // Copies the given settings; the object is not kept.
    void SetLookAndFeel(TcxLookAndFeel* value) { lookAndFeel_->AssignFrom(value); }
    // The look-and-feel the control paints with (a container answers its style's).
    virtual TcxLookAndFeel* GetEffectiveLookAndFeel() const { return lookAndFeel_.get(); }
    TcxLookAndFeel* GetSourceLookAndFeel() const { return GetEffectiveLookAndFeel(); }
    virtual TcxLookAndFeelPainterClass GetLookAndFeelPainter() const;
    TcxControlBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TcxControlBorderStyle value);
    TcxWantedKeys GetWantedKeys() const { return wantedKeys_; }
    void SetWantedKeys(TcxWantedKeys value) { wantedKeys_ = value; }
    bool FocusOnClick = true;

    // Popup menu: a TPopupMenu or a component offering IcxPopupMenuComponent; anything else is nil.
    TComponent* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TComponent* value);
    bool IsPopupMenuShortCutKey(TMessage& keyMessage);

    // Mouse
    TPoint GetMouseDownPos() const { return mouseDownPos_; }
    bool IsMouseButtonPressed() const { return mouseButtonPressed_; }
    TObject* GetMouseCaptureObject() const { return mouseCaptureObject_; }
    void SetMouseCaptureObject(TObject* object);
    bool IsInDragDetectArea(int x, int y) const;
    void PostMouseMove(TPoint p);
    void PostMouseMoveAtCursor();

    // Invalidation
    void InvalidateArea(const TRect& r, bool eraseBackground);
    void InvalidateRegionArea(const TRegion* region, bool eraseBackground);
    void InvalidateWithChildren();
    void RepaintNowWithChildren();

    void AddFontListener(IcxControlFontListener* listener);
    void RemoveFontListener(IcxControlFontListener* listener);

    // Scroll bars
    TScrollStyle GetScrollBarsMode() const { return scrollBarsMode_; }
    void SetScrollBarsMode(TScrollStyle value);
    TcxControlScrollBar* GetHScrollBar() const { return hScrollBar_; }
    TcxControlScrollBar* GetVScrollBar() const { return vScrollBar_; }
    TcxSizeGrip* GetSizeGrip() const { return sizeGrip_; }
    bool HorzScrollBarShown() const;
    bool VertScrollBarShown() const;
    void LockScrollBars();
    void UnlockScrollBars();
    // One bar's parameters for the running recalculation (called from ComputeScrollBarParams).
    void SetScrollBarInfo(TScrollBarKind kind, int min, int max, int step, int page, int pos, bool allowShow,
                          bool allowHide);
    void RebuildScrollBars();
    // Direction: 0 none, 1 left, 2 right, 3 up, 4 down.
    void ScrollContentInDirection(int direction);
    void ScrollWindowContent(int dx, int dy, const TRect& r);

    // Internal drag and drop
    TcxDragAndDropObject* ObtainDragAndDropObject();
    void FinishDragAndDrop(bool accepted);
    TcxDragAndDropObjectClass DragAndDropObjectClassOverride;
    // Standard drag: the moving drag image is hidden while the control paints or scrolls.
    void HideDragImage();
    void ShowDragImage();
    TDragImageList* GetDragImageList() override;

    TNotifyEvent OnFocusChanged;

    // Virtual operations
    virtual bool ShowPopupMenuAt(TComponent* menu, int x, int y);
    virtual bool CanReceiveFocus() const;
    virtual bool FocusesOnClick() const;
    virtual bool FocusesOnClickAt(int x, int y) const { (void)x, (void)y; return FocusesOnClick(); }
    virtual bool FocusesOnScrollBarClick() const { return FocusesOnClick(); }
    virtual int GetBorderThickness() const;
    virtual TRect GetControlBounds() const;
    virtual TRect GetContentBounds() const;
    virtual TCursor GetCursorAt(int x, int y) const;
    virtual bool InDesignMode() const { return HasState(csDesigning); }
    virtual bool HoldsFocus() const { return Focused(); }
    virtual bool IsInternalChildControl(TControl* control) const;
    virtual bool UsesScrollBars() const { return true; }
    virtual bool IsPixelScrolling(TScrollBarKind) const { return false; }
    virtual bool AcceptsDragObject(TDragObject*) { return true; }
    virtual bool IsCopyDragDrop() const;

  protected:
    friend class TcxControlScrollBar;
    friend class TcxControlChildComponent;
    friend class TcxDragAndDropObject;

    // Hooks
    virtual void ParentBackgroundChanged() {}
    virtual void AfterMouseButtonDown(TMouseButton button, int x, int y);
    virtual bool CanDragAtDesignTime(int, int, TShiftState) { return true; }
    virtual void ProcessMouseDown(TMouseButton, TShiftState, int, int) {}
    virtual void BringScrollBarsToFront();
    virtual void FinishMouseOperations();
    virtual int GetWheelScrollKind() const; // 0 nothing, 1 horizontal, 2 vertical
    virtual bool WantsEraseBackground() const { return false; }
    virtual void AttachChildControls() { AttachScrollBars(); }
    virtual void HandleLookAndFeelChange(TcxLookAndFeel*, TcxLookAndFeelValues) {}
    virtual void ComputeScrollBarParams() {}
    virtual bool KeepsScrollBarsOnTop() const { return !InDesignMode(); }
    virtual void ScrollContent(TScrollBarKind, TScrollCode, int&) {}
    virtual void PlaceScrollBars();
    virtual void UpdateScrollBarWindows();
    virtual void RecalculateScrollBars();
    virtual TRect CalcHorzScrollBarRect() const;
    virtual TRect CalcVertScrollBarRect() const;
    virtual TRect CalcSizeGripRect() const;
    virtual TcxDragAndDropObjectClass DragAndDropObjectClass() const;
    virtual void PaintDragImage(TcxCanvas*, const TRect&) {}
    virtual TSize GetDragImageSize() const { return {0, 0}; }
    virtual bool UsesDragImages() const { return false; }
    virtual void FillDragImageList(TDragImageList* imageList);
    virtual bool StaysInDragThreshold(int x, int y) const;
    virtual void ColorPropertyChanged() {}
    virtual void VisiblePropertyChanged() {}
    virtual void AddChildComponent(TcxControlChildComponent* component) { component->AssignControl(this); }
    virtual void RemoveChildComponent(TcxControlChildComponent* component) { component->AssignControl(nullptr); }
    virtual bool AllowsMouseDownWithoutFocus() const { return false; }
    virtual void GeometryChanged() { RecalculateScrollBars(); }
    virtual bool AllowsAutoDrag(int, int) const { return dragAndDropState_ == idsIdle; }
    virtual void CursorPropertyChanged() { defaultCursor_ = GetCursor(); }
    virtual void AbortMouseActions();
    virtual void FocusStateChanged();
    virtual void FontPropertyChanged();
    virtual bool HandlesDesignTimeMouse(int x, int y, TShiftState shift) const;
    virtual TMetaClass const* StandardDragObjectClass() const;
    virtual bool WantsFocus() const { return true; }
    virtual void MouseEntered(TControl* control);
    virtual void MouseExited(TControl* control);
    virtual void TextPropertyChanged() {}
    virtual void TrackDragAndDrop(TPoint p, bool& accepted);
    virtual void StopDragAndDrop(bool accepted);
    virtual bool MayStartDragAndDrop(TPoint) { return false; }
    virtual void StartDragAndDrop();
    void SetDragAndDropState(TcxInternalDragState value);

    void CreateScrollBars();
    void DestroyScrollBars();
    void AttachScrollBars();
    void HandleScrollBarScroll(TObject* sender, TScrollCode code, int& pos);
    void RunAnchorScrolling();

    // Overrides of the class library
    void WndProc(TMessage& m) override;
    void Dispatch(TMessage& m) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Paint() override;
    void PaintWindow(HDC dc) override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void DoContextPopup(TPoint mousePos, bool& handled) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void DoStartDrag(TDragObject*& dragObject) override;
    void DoEndDrag(TObject* target, int x, int y) override;
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    void Notification(TComponent* component, TOperation operation) override;

    // Message handlers
    void WMContextMenu(TMessage& m) override;
    void CMMouseEnter(TMessage& m) override;
    void CMMouseLeave(TMessage& m) override;
    void CMVisibleChanged(TMessage& m) override;
    void CMColorChanged(TMessage& m) override;
    void CMFontChanged(TMessage& m) override;
    void CMTextChanged(TMessage& m) override;
    void CMCursorChanged(TMessage& m) override;
    void CNKeyDown(TMessage& m) override;
    void WMEraseBkgnd(TMessage& m) override;
    void WMSetCursor(TMessage& m) override;
    void WMPaint(TMessage& m) override;
    virtual void HandleWmCancelMode(TMessage& m);
    virtual void HandleWmGetDlgCode(TMessage& m);
    virtual void HandleWmNcCalcSize(TMessage& m);
    virtual void HandleCmDesignHitTest(TMessage& m);
    virtual void HandleScrollMetricsChanged(TMessage& m);

  private:
    TPoint MessagePoint(const TMessage& m) const;
    // LParam holds 16 bits per coordinate: a larger control takes its mouse points from the message
    // position instead.
    bool IsWiderThanMessagePoints() const { return GetWidth() > 32768 || GetHeight() > 32768; }
    void CorrectMousePoint(int& x, int& y) const;

    std::unique_ptr<TcxScreenCanvas> screenCanvas_;
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_;
    TcxControlBorderStyle borderStyle_ = cxcbsNone;
    bool calculatingScrollParams_ = false;
    std::unique_ptr<TcxCanvas> canvasWrapper_;
    bool creatingWindow_ = false;
    TCursor defaultCursor_ = crDefault;
    TcxDragAndDropObject* dragAndDropObject_ = nullptr;
    TCursor cursorBeforeDragAndDrop_ = crDefault;
    TcxInternalDragState dragAndDropState_ = idsIdle;
    TDragImageList* dragImageList_ = nullptr;
    bool finishingDragAndDrop_ = false;
    bool dragRefused_ = false; // the standard drag just started was refused by AcceptsDragObject
    std::vector<IcxControlFontListener*> fontListeners_;
    TcxControlScrollBar* hScrollBar_ = nullptr;
    bool initialHScrollBarVisible_ = false;
    bool initialVScrollBarVisible_ = false;
    bool scrollParamsSettled_ = false;
    TcxWantedKeys wantedKeys_ = 0;
    bool mouseButtonPressed_ = false;
    TObject* mouseCaptureObject_ = nullptr;
    TWeakLink<TObject> mouseCaptureObjectLink_;
    TPoint mouseDownPos_{};
    bool rightButtonReleasing_ = false;
    TComponent* popupMenu_ = nullptr;
    TScrollStyle scrollBarsMode_ = ssBoth;
    int scrollBarsLockCount_ = 0;
    bool scrollBarsUpdateNeeded_ = false;
    TcxSizeGrip* sizeGrip_ = nullptr;
    bool updatingScrollBars_ = false;
    TcxControlScrollBar* vScrollBar_ = nullptr;
    bool scrollingContent_ = false;
    bool lastParentBackground_ = true;
};

// The standard drag object last seen over a TcxControl.
TDragObject* GetCurrentDragObject();

} // namespace zorvy
