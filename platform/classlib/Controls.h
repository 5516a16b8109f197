#pragma once
// The control classes: TControl (a visual component inside a parent), TWinControl (a control with a
// window handle that holds child controls), TCustomControl (a windowed control that paints itself
// on its Canvas) and TGraphicControl (a windowless control painted by its parent), with the standard
// drag objects and the look-ups from windows and points to controls.
#include "platform/classlib/Canvas.h"
#include "platform/classlib/ControlTypes.h"
#include "platform/win/Messages.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TWinControl;
class TCustomForm;
class TPopupMenu;
class TDragImageList;
class TBasicAction;
class TControlActionLink;
class TDragDockObject;

using TStartDockEvent = std::function<void(TObject* sender, TDragDockObject*& dragObject)>;
using TDockDropEvent = std::function<void(TObject* sender, TDragDockObject* source, int x, int y)>;
using TDockOverEvent = std::function<void(TObject* sender, TDragDockObject* source, int x, int y,
                                          TDragState state, bool& accept)>;
using TUnDockEvent =
    std::function<void(TObject* sender, TControl* client, TWinControl* newTarget, bool& allow)>;

class TSizeConstraints : public TPersistent {
    ZORVY_CLASS(TSizeConstraints, TPersistent)
  public:
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0; // 0 = no limit
    void Assign(TPersistent* source) override;
    // Limits a size to the constraints.
    void Apply(int& width, int& height) const;
};

struct TCreateParams {
    std::string caption;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND wndParent = 0;
    std::uint32_t classStyle = 0;
    std::string className;
    // The system class (EDIT, LISTBOX, BUTTON, SCROLLBAR) whose procedure handles what the control
    // leaves to its default handler; empty for a control of its own class. Set by CreateSubClass.
    std::string subClassOf;
};

class TControlCanvas;

class TControl : public TComponent {
    ZORVY_CLASS(TControl, TComponent)
  public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* GetParent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }

    int GetLeft() const { return left_; }
    int GetTop() const { return top_; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect GetBoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect GetClientRect() const;
    int GetClientWidth() const { return GetClientRect().Width(); }
    int GetClientHeight() const { return GetClientRect().Height(); }
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    // Screen position of the client origin.
    virtual TPoint GetClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign GetAlign() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors GetAnchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors) { anchors_ = anchors; }
    TSizeConstraints* GetConstraints() { return &constraints_; }

    bool GetVisible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a top-level window is showing.
    virtual bool IsShowing() const;
    bool GetEnabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    TColor GetColor() const { return color_; }
    void SetColor(TColor color);
    bool GetParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont* GetFont() { return font_.get(); }
    void SetFont(TFont* font) { font_->Assign(font); }
    bool GetParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    TCursor GetCursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    const std::string& GetHint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    // With ParentShowHint, whatever the parent's says now.
    bool GetShowHint() const;
    void SetShowHint(bool value);
    bool GetParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);
    TPopupMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    // The menu a context request and its short-cut keys use: the control's own unless a descendant
    // answers another's.
    virtual TPopupMenu* GetPopupMenuObject() const { return popupMenu_; }
    std::string GetText() const;
    void SetText(const std::string& text);
    std::string GetCaption() const { return GetText(); }
    void SetCaption(const std::string& caption) { SetText(caption); }

    // A control that sizes itself to its content (CanAutoSize) does so whenever AdjustSize runs.
    bool GetAutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TBiDiMode GetBiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool GetParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool value);
    bool UseRightToLeftAlignment() const { return false; }
    bool UseRightToLeftReading() const { return false; }
    // The action the control is linked to (caption, enabled, hint, visible and its click).
    TBasicAction* GetAction() const;
    void SetAction(TBasicAction* action);
    TControlActionLink* GetActionLink() const { return actionLink_.get(); }
    // Docking: the dock site holding the control, whether it floats, and moving it in and out.
    TWinControl* GetHostDockSite() const { return hostDockSite_; }
    bool GetFloating() const { return hostDockSite_ == nullptr; }
    bool ManualDock(TWinControl* newDockSite, TControl* dropControl = nullptr, TAlign align = alNone);
    bool ManualFloat(const TRect& screenPos);
    TEndDragEvent OnEndDock;
    TStartDockEvent OnStartDock;

    TControlStyle ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState ControlState = 0;
    TDragMode DragMode = dmManual;
    TDragMode GetDragMode() const { return DragMode; }
    virtual void SetDragMode(TDragMode value) { DragMode = value; }
    TDragKind DragKind = dkDrag;
    TCursor DragCursor = crDrag;

    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    virtual void SetZOrder(bool topMost);

    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The message entry; replaceable (the default calls WndProc).
    std::function<void(TMessage&)> WindowProc;
    virtual void WndProc(TMessage& message);
    // Routes a message to its handler by number; descendants handle theirs and pass the rest on.
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    bool GetMouseCapture() const;
    void SetMouseCapture(bool value);

    // Standard drag and drop.
    void BeginDrag(bool immediate, int threshold = -1);
    void EndDrag(bool drop);
    bool Dragging() const;
    virtual void DragDrop(TObject* source, int x, int y);
    // A drag this control started ended without a drop (before OnEndDrag runs).
    virtual void DragCanceled() {}
    // The images a drag from this control shows; none by default.
    virtual TDragImageList* GetDragImageList() { return nullptr; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TContextPopupEvent OnContextPopup;
    TNotifyEvent OnResize;
    TCanResizeEvent OnCanResize;
    TStartDragEvent OnStartDrag;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;

  protected:
    friend class TWinControl;
    friend class TDragEngine;
    friend class TBaseDragControlObject;

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    virtual void DoContextPopup(TPoint mousePos, bool& handled);
    virtual void Resize();
    virtual bool CanResize(int& newWidth, int& newHeight);
    virtual void ChangeScale(int m, int d);
    virtual void DoStartDrag(TDragObject*& dragObject);
    virtual void DoEndDrag(TObject* target, int x, int y);
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
    void Notification(TComponent* component, TOperation operation) override;
    // Tells the parent to lay out its children again.
    void RequestAlign();
    virtual void VisibleChanging() {}
    void Changed();
    // Sizes an AutoSize control to what CanAutoSize answers.
    virtual void AdjustSize();
    virtual bool CanAutoSize(int& /*newWidth*/, int& /*newHeight*/) { return false; }
    // The action changed (or was set: checkDefaults, so only the control's default values are taken).
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    virtual std::unique_ptr<TControlActionLink> CreateActionLink();
    virtual void CMBiDiModeChanged(TMessage&) { Invalidate(); }
    virtual void CMParentBiDiModeChanged(TMessage& m);

    // Message handlers.
    virtual void WMLButtonDown(TMessage& m);
    virtual void WMLButtonDblClk(TMessage& m);
    virtual void WMLButtonUp(TMessage& m);
    virtual void WMRButtonDown(TMessage& m);
    virtual void WMRButtonDblClk(TMessage& m);
    virtual void WMRButtonUp(TMessage& m);
    virtual void WMMButtonDown(TMessage& m);
    virtual void WMMButtonDblClk(TMessage& m);
    virtual void WMMButtonUp(TMessage& m);
    virtual void WMMouseMove(TMessage& m);
    virtual void WMMouseWheel(TMessage& m);
    virtual void WMContextMenu(TMessage& m);
    virtual void CMMouseEnter(TMessage& m);
    virtual void CMMouseLeave(TMessage& m);
    virtual void CMEnabledChanged(TMessage& m);
    virtual void CMVisibleChanged(TMessage& m);
    virtual void CMColorChanged(TMessage& m);
    virtual void CMFontChanged(TMessage& m);
    virtual void CMTextChanged(TMessage& m);
    virtual void CMParentColorChanged(TMessage& m);
    virtual void CMParentFontChanged(TMessage& m);
    virtual void CMHintShow(TMessage&) {}
    virtual void CMCursorChanged(TMessage&) {}

    void DoMouseDown(TMessage& m, TMouseButton button, TShiftState shift);
    void DoMouseUp(TMessage& m, TMouseButton button);
    // Text as a plain control keeps it (windowed controls keep it in the window).
    virtual std::string GetTextValue() const { return text_; }
    virtual void SetTextValue(const std::string& text);

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_ = akLeft | akTop;
    TSizeConstraints constraints_;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    TCursor cursor_ = crDefault;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TPopupMenu* popupMenu_ = nullptr;
    std::string text_;
    bool autoSize_ = false;
    TBiDiMode biDiMode_ = bdLeftToRight;
    bool parentBiDiMode_ = true;
    std::unique_ptr<TControlActionLink> actionLink_;
    TWinControl* hostDockSite_ = nullptr;
};

class TWinControl : public TControl {
    ZORVY_CLASS(TWinControl, TControl)
  public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    HWND GetHandle();
    bool HandleAllocated() const { return handle_ != 0; }
    void HandleNeeded();
    // Window of a parent that is not a control (for a control placed on a foreign window).
    HWND GetParentWindow() const { return parentWindow_; }
    void SetParentWindow(HWND hwnd);
    void RecreateWnd();

    int GetControlCount() const { return static_cast<int>(controls_.size() + winControls_.size()); }
    // Graphic controls first, then windowed ones, each from back to front.
    TControl* GetControl(int index) const;
    bool ContainsControl(const TControl* control) const;
    TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    bool GetTabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }
    int GetTabOrder() const;
    void SetTabOrder(int order);
    virtual bool CanFocus() const;
    virtual bool Focused() const;
    virtual void SetFocus();
    void SelectFirst();
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    // The windowed controls inside, in tab order, each followed by its own list.
    virtual void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // Pixels kept free inside the client area before the children are aligned.
    int GetBorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TImeMode ImeMode = imDontCare;
    std::string ImeName;
    // Docking: a dock site takes docked controls (as children; no dock manager lays them out).
    bool DockSite = false;
    bool UseDockManager = false;
    int GetDockClientCount() const { return static_cast<int>(dockClients_.size()); }
    TControl* GetDockClient(int index) const;
    virtual void DockDrop(TDragDockObject* source, int x, int y);
    virtual void DockOver(TDragDockObject* source, int x, int y, TDragState state, bool& accept);
    virtual void GetSiteInfo(TControl* client, TRect& influenceRect, TPoint mousePos, bool& canDock);
    TDockDropEvent OnDockDrop;
    TDockOverEvent OnDockOver;
    TUnDockEvent OnUnDock;

    // Whether the parent's background shows through (csParentBackground).
    bool GetParentBackground() const { return (ControlStyle & csParentBackground) != 0; }
    void SetParentBackground(bool value);
    // Shows or hides the window to match Visible and the parents.
    void UpdateControlState() { UpdateShowing(); }
    // Scales bounds and fonts of the control and its children by m / d.
    void ScaleBy(int m, int d) { ChangeScale(m, d); }

    void DisableAlign() { ++alignLevel_; }
    void EnableAlign();
    void Realign();
    bool DoubleBuffered = false;
    bool Ctl3D = true;
    // Paints the control and its children onto dc with its top-left at (x, y).
    void PaintTo(HDC dc, int x, int y);
    TPoint GetClientOrigin() const override;
    TRect GetClientRect() const override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetZOrder(bool topMost) override;
    bool IsShowing() const override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void SetParent(TWinControl* parent) override;
    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

  protected:
    friend class TControl;
    friend class TCustomForm;
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    virtual void CreateHandle();
    virtual void DestroyHandle();
    virtual void AlignControls(TControl* control, TRect& rect);
    virtual void AdjustClientRect(TRect& rect);
    virtual void PaintWindow(HDC dc);
    void PaintHandler(TMessage& m);
    void PaintControls(HDC dc, TControl* first);
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void KeyUp(std::uint16_t& key, TShiftState shift);
    virtual void DoEnter();
    virtual void DoExit();
    void ChangeScale(int m, int d) override;
    // Answers true when a graphic child took the mouse message.
    bool IsControlMouseMsg(TMessage& m);
    void UpdateShowing();

    virtual void WMPaint(TMessage& m);
    virtual void WMEraseBkgnd(TMessage& m);
    virtual void WMSize(TMessage& m);
    virtual void WMMove(TMessage& m);
    virtual void WMWindowPosChanged(TMessage& m);
    virtual void WMSetFocus(TMessage& m);
    virtual void WMKillFocus(TMessage& m);
    virtual void WMKeyDown(TMessage& m);
    virtual void WMKeyUp(TMessage& m);
    virtual void WMChar(TMessage& m);
    virtual void WMSetCursor(TMessage& m);
    virtual void WMNCDestroy(TMessage& m);
    virtual void CNKeyDown(TMessage& m);
    virtual void CNChar(TMessage& m);
    void CMEnabledChanged(TMessage& m) override;
    void CMVisibleChanged(TMessage& m) override;
    void CMColorChanged(TMessage& m) override;
    void CMFontChanged(TMessage& m) override;
    virtual void CMDialogKey(TMessage& m);
    // A window of a system class: the control's own class (named after it) wraps the system class,
    // whose procedure stays the default handler.
    void CreateSubClass(TCreateParams& params, const std::string& systemClass);
    // Hands a notification a child window sent to its parent (WM_COMMAND, WM_DRAWITEM, WM_MEASUREITEM,
    // WM_H/VSCROLL from a scroll-bar control, WM_CTLCOLOR*) to the child's control as CN_ + message.
    // False when the sender is no control.
    bool ReflectNotification(TMessage& m);
    // Sends the message to every child control until one answers non-zero.
    void Broadcast(TMessage& m);
    virtual void CNCtlColor(TMessage& m);
    virtual void CNSysChar(TMessage& m);
    virtual void CMDialogChar(TMessage& m);
    virtual void CMEnter(TMessage& m);
    virtual void CMExit(TMessage& m);
    virtual void CMSysColorChange(TMessage& m);
    virtual void CMWinIniChange(TMessage& m);
    void CMBiDiModeChanged(TMessage& m) override;
    virtual void DoAddDockClient(TControl* client, const TRect& rect);
    virtual void DoRemoveDockClient(TControl* client);
    // Whether the client may leave for newTarget (OnUnDock decides).
    virtual bool DoUnDock(TWinControl* newTarget, TControl* client);
    void AdjustSize() override;
    std::string GetTextValue() const override;
    void SetTextValue(const std::string& text) override;

    HWND handle_ = 0;
    WNDPROC defWndProc_ = nullptr;
    HWND parentWindow_ = 0;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> winControls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    int alignLevel_ = 0;
    TSize oldClientSize_{};
    TBrush brush_;
    bool showing_ = false; // the window was last shown (CM_SHOWINGCHANGED when it changes)
    int borderWidth_ = 0;
    std::vector<TControl*> dockClients_;

  private:
    static LRESULT ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

class TControlCanvas : public TCanvas {
    ZORVY_CLASS(TControlCanvas, TCanvas)
  public:
    TControlCanvas() = default;
    ~TControlCanvas() override { FreeHandle(); }
    TControl* Control = nullptr;
    // Releases a context obtained from the control's window.
    void FreeHandle();
    // Runs paint with the canvas drawing on dc (a context lent by a paint message), locked,
    // and lets go of dc afterwards, also when paint throws.
    void PaintOn(HDC dc, const std::function<void()>& paint);

  protected:
    void CreateHandle() override;

  private:
    HDC ownDc_ = nullptr;
    HWND ownWindow_ = 0;
};

class TCustomControl : public TWinControl {
    ZORVY_CLASS(TCustomControl, TWinControl)
  public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TCanvas* GetCanvas() { return canvas_.get(); }

  protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

    std::unique_ptr<TControlCanvas> canvas_;
};

class TGraphicControl : public TControl {
    ZORVY_CLASS(TGraphicControl, TControl)
  public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TCanvas* GetCanvas() { return canvas_.get(); }
    void Dispatch(TMessage& message) override;

  protected:
    virtual void Paint() {}
    virtual void WMPaint(TMessage& m);

    std::unique_ptr<TControlCanvas> canvas_;
};

// The object a standard drag carries.
class TDragObject : public TObject {
    ZORVY_CLASS(TDragObject, TObject)
  public:
    TPoint DragPos;
    TControl* DragTarget = nullptr;
    bool Dropped = false;
    bool Cancelling = false;
    virtual TCursor GetDragCursor(bool accepted, int x, int y);
    virtual void HideDragImage() {}
    virtual void ShowDragImage() {}
    virtual void Finished(TObject* target, int x, int y, bool accepted);
    // Whether the drag object is freed by the drag itself when the drag ends.
    virtual bool AutoRelease() const { return false; }
};

class TBaseDragControlObject : public TDragObject {
    ZORVY_CLASS(TBaseDragControlObject, TDragObject)
  public:
    explicit TBaseDragControlObject(TControl* control = nullptr) : Control(control) {}
    TControl* Control;
    void Finished(TObject* target, int x, int y, bool accepted) override;
};

class TDragControlObject : public TBaseDragControlObject {
    ZORVY_CLASS(TDragControlObject, TBaseDragControlObject)
  public:
    using TBaseDragControlObject::TBaseDragControlObject;
    TCursor GetDragCursor(bool accepted, int x, int y) override;
};

// The drag object made for a control that supplies none; freed when the drag ends.
class TDragControlObjectEx : public TDragControlObject {
    ZORVY_CLASS(TDragControlObjectEx, TDragControlObject)
  public:
    using TDragControlObject::TDragControlObject;
    bool AutoRelease() const override { return true; }
};

// What CM_DOCKNOTIFICATION tells a dock site (wParam the docked control): the message the control got.
struct TDockNotifyRec {
    UINT ClientMsg = 0;
    WPARAM MsgWParam = 0;
    LPARAM MsgLParam = 0;
};

// A control on its way into a dock site: where it would go (screen) and how it would align there.
class TDragDockObject : public TBaseDragControlObject {
    ZORVY_CLASS(TDragDockObject, TBaseDragControlObject)
  public:
    using TBaseDragControlObject::TBaseDragControlObject;
    TRect DockRect;
    TAlign DropAlign = alNone;
    TControl* DropOnControl = nullptr;
    bool Floating = false;
};

// A hidden window whose messages go to handler (for objects that need a window but are no control).
HWND AllocateHWnd(std::function<void(TMessage&)> handler);
void DeallocateHWnd(HWND hwnd);

TWinControl* FindControl(HWND hwnd);
// The windowed control under a screen point.
TWinControl* FindVCLWindow(TPoint screen);
// The control (windowed or not) under a screen point.
TControl* FindDragTarget(TPoint screen, bool allowDisabled);
TCustomForm* GetParentForm(TControl* control, bool topForm = true);
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
// The drag in progress, or nullptr.
TDragObject* CurrentDragObject();
// Cancels a running standard drag (as Esc does).
void CancelDrag();
// Whether a typed character is the accelerator of a caption (the character after a single '&'),
// letter case aside.
bool IsAccel(char32_t key, const std::string& caption);

} // namespace zorvy
