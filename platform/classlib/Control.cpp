#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Actions.h"
#include "platform/classlib/Controls.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/Menus.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_->OnChange = [this](TObject*) {
        parentFont_ = false;
        Perform(CM_FONTCHANGED);
    };
}

TControl::~TControl() {
    Destroying();
    if (GetCaptureControl() == this) SetCaptureControl(nullptr);
    if (parent_) parent_->RemoveControl(this);
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
}

TComponent* TControl::GetParentComponent() const {
    return parent_;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    constraints_.Apply(width, height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    if ((width != width_ || height != height_) && !CanResize(width, height)) return;
    const TRect old = GetBoundsRect();
    const bool sized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (parent_ && visible_ && parent_->HandleAllocated()) {
        TRect u;
        UnionRect(u, old, GetBoundsRect());
        InvalidateRect(parent_->GetHandle(), &u, true);
    }
    if (sized) Resize();
    RequestAlign();
}

TRect TControl::GetClientRect() const {
    return Rect(0, 0, width_, height_);
}

void TControl::SetClientWidth(int v) {
    SetWidth(width_ - GetClientWidth() + v);
}
void TControl::SetClientHeight(int v) {
    SetHeight(height_ - GetClientHeight() + v);
}

TPoint TControl::GetClientOrigin() const {
    if (!parent_) return {left_, top_};
    TPoint p = parent_->GetClientOrigin();
    return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    TPoint o = GetClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    TPoint o = GetClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    anchors_ = akLeft | akTop;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    VisibleChanging();
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    RequestAlign();
}

bool TControl::IsShowing() const {
    return visible_ && parent_ && parent_->IsShowing();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    parentColor_ = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    if (parent_ && value) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
    if (value == parentFont_) return;
    parentFont_ = value;
    if (parent_ && value) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED);
}

bool TControl::GetShowHint() const {
    return parentShowHint_ && parent_ ? parent_->GetShowHint() : showHint_;
}

void TControl::SetShowHint(bool value) {
    showHint_ = value;
    parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool value) {
    parentShowHint_ = value;
    if (value && parent_) showHint_ = parent_->GetShowHint();
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (menu == popupMenu_) return;
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
    if (operation == opRemove && actionLink_ && component == actionLink_->GetAction()) SetAction(nullptr);
}

std::string TControl::GetText() const {
    return GetTextValue();
}

void TControl::SetText(const std::string& text) {
    if (text == GetTextValue()) return;
    SetTextValue(text);
    Perform(CM_TEXTCHANGED);
}

void TControl::SetTextValue(const std::string& text) {
    text_ = text;
}

void TControl::Changed() {
    Invalidate();
}

void TControl::Invalidate() {
    if (!parent_ || !visible_ || !parent_->HandleAllocated()) return;
    TRect r = GetBoundsRect();
    InvalidateRect(parent_->GetHandle(), &r, !(ControlStyle & csOpaque));
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::Repaint() {
    if (!parent_ || !visible_ || !parent_->HandleAllocated()) return;
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool topMost) {
    if (!parent_) return;
    auto& list = parent_->controls_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    if (topMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    Invalidate();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    if (WindowProc) {
        auto proc = WindowProc; // the control may be freed while its procedure runs
        proc(m);
    } else {
        WndProc(m);
    }
    return m.Result;
}

void TControl::WndProc(TMessage& m) {
    if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST) {
        if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && DragMode == dmAutomatic &&
            !HasState(csDesigning) && !Dragging()) {
            BeginDrag(false);
            return;
        }
    }
    if (m.Msg != WM_SETTEXT && m.Msg != CM_VISIBLECHANGED) {
        Dispatch(m);
        return;
    }
    // The dock site hears of a docked control's new text and visibility (when the control outlives them).
    TWeakLink<TControl> self(this);
    Dispatch(m);
    if (self && hostDockSite_) {
        TDockNotifyRec rec{m.Msg, m.WParam, m.LParam};
        hostDockSite_->Perform(CM_DOCKNOTIFICATION, reinterpret_cast<WPARAM>(this),
                               reinterpret_cast<LPARAM>(&rec));
    }
}

void TControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
        WMLButtonDown(m);
        break;
    case WM_LBUTTONDBLCLK:
        WMLButtonDblClk(m);
        break;
    case WM_LBUTTONUP:
        WMLButtonUp(m);
        break;
    case WM_RBUTTONDOWN:
        WMRButtonDown(m);
        break;
    case WM_RBUTTONDBLCLK:
        WMRButtonDblClk(m);
        break;
    case WM_RBUTTONUP:
        WMRButtonUp(m);
        break;
    case WM_MBUTTONDOWN:
        WMMButtonDown(m);
        break;
    case WM_MBUTTONDBLCLK:
        WMMButtonDblClk(m);
        break;
    case WM_MBUTTONUP:
        WMMButtonUp(m);
        break;
    case WM_MOUSEMOVE:
        WMMouseMove(m);
        break;
    case WM_MOUSEWHEEL:
        WMMouseWheel(m);
        break;
    case WM_CONTEXTMENU:
        WMContextMenu(m);
        break;
    case CM_MOUSEENTER:
        CMMouseEnter(m);
        break;
    case CM_MOUSELEAVE:
        CMMouseLeave(m);
        break;
    case CM_ENABLEDCHANGED:
        CMEnabledChanged(m);
        break;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(m);
        break;
    case CM_COLORCHANGED:
        CMColorChanged(m);
        break;
    case CM_FONTCHANGED:
        CMFontChanged(m);
        break;
    case CM_TEXTCHANGED:
        CMTextChanged(m);
        break;
    case CM_PARENTCOLORCHANGED:
        CMParentColorChanged(m);
        break;
    case CM_PARENTFONTCHANGED:
        CMParentFontChanged(m);
        break;
    case CM_HINTSHOW:
        CMHintShow(m);
        break;
    case CM_CURSORCHANGED:
        CMCursorChanged(m);
        break;
    case CM_BIDIMODECHANGED:
        CMBiDiModeChanged(m);
        break;
    case CM_PARENTBIDIMODECHANGED:
        CMParentBiDiModeChanged(m);
        break;
    default:
        DefaultHandler(m);
        break;
    }
}

void TControl::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case WM_GETTEXT:
        if (m.LParam) *reinterpret_cast<std::string*>(m.LParam) = text_;
        m.Result = static_cast<LRESULT>(text_.size());
        break;
    case WM_GETTEXTLENGTH:
        m.Result = static_cast<LRESULT>(text_.size());
        break;
    case WM_SETTEXT:
        text_ = m.LParam ? *reinterpret_cast<const std::string*>(m.LParam) : std::string();
        m.Result = 1;
        break;
    default:
        break;
    }
}

bool TControl::GetMouseCapture() const {
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
    if (value == GetMouseCapture()) return;
    SetCaptureControl(value ? this : nullptr);
}

void TControl::Click() {
    // A control without a click handler of its own runs its action.
    if (OnClick)
        OnClick(this);
    else if (actionLink_)
        actionLink_->Execute(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    if (!handled)
        handled = wheelDelta < 0 ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, shift, mousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, shift, mousePos, handled);
    return handled;
}

void TControl::DoContextPopup(TPoint mousePos, bool& handled) {
    if (OnContextPopup) OnContextPopup(this, mousePos, handled);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

bool TControl::CanResize(int& newWidth, int& newHeight) {
    bool resize = true;
    if (OnCanResize) OnCanResize(this, newWidth, newHeight, resize);
    return resize;
}

void TControl::ChangeScale(int m, int d) {
    if (m == d || d == 0) return;
    auto scale = [&](int v) { return static_cast<int>((static_cast<long long>(v) * m) / d); };
    SetBounds(scale(left_), scale(top_), scale(left_ + width_) - scale(left_),
              scale(top_ + height_) - scale(top_));
    if (!parentFont_) font_->SetHeight(scale(font_->GetHeight()));
}

void TControl::DoMouseDown(TMessage& m, TMouseButton button, TShiftState shift) {
    shift |= KeysToShiftState(m.WParam);
    MouseDown(button, shift, GetXLParam(m.LParam), GetYLParam(m.LParam));
}

void TControl::DoMouseUp(TMessage& m, TMouseButton button) {
    MouseUp(button, KeysToShiftState(m.WParam), GetXLParam(m.LParam), GetYLParam(m.LParam));
}

void TControl::WMLButtonDown(TMessage& m) {
    TWeakLink<TControl> self(this);
    if (ControlStyle & csCaptureMouse) SetMouseCapture(true);
    if (!self) return;
    if (ControlStyle & csClickEvents) ControlState |= csClicked;
    DoMouseDown(m, mbLeft, 0);
}

void TControl::WMLButtonDblClk(TMessage& m) {
    TWeakLink<TControl> self(this);
    if (ControlStyle & csCaptureMouse) SetMouseCapture(true);
    if (ControlStyle & csClickEvents) DblClick();
    if (!self) return;
    DoMouseDown(m, mbLeft, ssDouble);
}

void TControl::WMLButtonUp(TMessage& m) {
    TWeakLink<TControl> self(this);
    if (ControlStyle & csCaptureMouse) SetMouseCapture(false);
    if (ControlState & csClicked) {
        ControlState &= ~csClicked;
        if (PtInRect(GetClientRect(), {GetXLParam(m.LParam), GetYLParam(m.LParam)})) Click();
        // The click handler may have freed this control.
        if (!self) return;
    }
    DoMouseUp(m, mbLeft);
}

void TControl::WMRButtonDown(TMessage& m) {
    DoMouseDown(m, mbRight, 0);
}
void TControl::WMRButtonDblClk(TMessage& m) {
    DoMouseDown(m, mbRight, ssDouble);
}
void TControl::WMRButtonUp(TMessage& m) {
    // The default handling asks for the context menu; the release is reported afterwards.
    TWeakLink<TControl> self(this);
    DefaultHandler(m);
    if (self) DoMouseUp(m, mbRight);
}
void TControl::WMMButtonDown(TMessage& m) {
    DoMouseDown(m, mbMiddle, 0);
}
void TControl::WMMButtonDblClk(TMessage& m) {
    DoMouseDown(m, mbMiddle, ssDouble);
}
void TControl::WMMButtonUp(TMessage& m) {
    DoMouseUp(m, mbMiddle);
}

void TControl::WMMouseMove(TMessage& m) {
    MouseMove(KeysToShiftState(m.WParam), GetXLParam(m.LParam), GetYLParam(m.LParam));
}

void TControl::WMMouseWheel(TMessage& m) {
    const TPoint pos{GetXLParam(m.LParam), GetYLParam(m.LParam)};
    if (DoMouseWheel(KeysToShiftState(static_cast<std::uintptr_t>(LoWord(m.WParam))),
                     GetWheelDeltaWParam(m.WParam), pos))
        m.Result = 1;
    else
        DefaultHandler(m);
}

void TControl::WMContextMenu(TMessage& m) {
    if (m.Result != 0) return;
    TWeakLink<TControl> self(this);
    TPoint screen{GetXLParam(m.LParam), GetYLParam(m.LParam)};
    const bool keyboard = screen.X == -1 && screen.Y == -1;
    TPoint client = keyboard ? TPoint{-1, -1} : ScreenToClient(screen);
    bool handled = false;
    DoContextPopup(client, handled);
    if (!self) return;
    if (handled) {
        m.Result = 1;
        return;
    }
    if (TPopupMenu* menu = GetPopupMenuObject(); menu && menu->AutoPopup) {
        if (keyboard) screen = ClientToScreen({0, 0});
        menu->PopupComponent = this;
        menu->Popup(screen.X, screen.Y);
        m.Result = 1;
        return;
    }
    DefaultHandler(m);
}

void TControl::CMMouseEnter(TMessage& m) {
    if (parent_) parent_->Perform(CM_MOUSEENTER, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
    if (m.LParam == 0 && OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage& m) {
    if (parent_) parent_->Perform(CM_MOUSELEAVE, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
    if (m.LParam == 0 && OnMouseLeave) OnMouseLeave(this);
}

void TControl::CMEnabledChanged(TMessage&) {
    Invalidate();
}
void TControl::CMVisibleChanged(TMessage&) {
    if (!parent_ || !parent_->HandleAllocated()) return;
    TRect r = GetBoundsRect();
    InvalidateRect(parent_->GetHandle(), &r, true);
}
void TControl::CMColorChanged(TMessage&) {
    Invalidate();
}
void TControl::CMFontChanged(TMessage&) {
    Invalidate();
}
void TControl::CMTextChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentColorChanged(TMessage&) {
    if (parentColor_ && parent_) {
        color_ = parent_->GetColor();
        Perform(CM_COLORCHANGED);
        parentColor_ = true;
    }
}

void TControl::CMParentFontChanged(TMessage&) {
    if (parentFont_ && parent_) {
        auto handler = std::move(font_->OnChange);
        font_->OnChange = nullptr;
        font_->Assign(parent_->GetFont());
        font_->OnChange = std::move(handler);
        Perform(CM_FONTCHANGED);
    }
}

} // namespace zorvy
