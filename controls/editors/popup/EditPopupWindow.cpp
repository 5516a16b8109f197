// The edit popup window: settings, sizing to content, placement, shape, resizing limits, the close
// button and its private message. Dragging the grip or the frame is in EditPopupSizing.cpp.
#include "controls/editors/popup/EditPopupWindow.h"

#include "controls/foundation/services/ControlRoutines.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {

TcxCustomEditPopupWindow::TcxCustomEditPopupWindow(TWinControl* ownerEdit)
    : TcxCustomEditPopupWindow(ownerEdit, std::make_unique<TcxCustomEditPopupWindowViewInfo>()) {}

TcxCustomEditPopupWindow::TcxCustomEditPopupWindow(TWinControl* ownerEdit,
                                                   std::unique_ptr<TcxCustomEditPopupWindowViewInfo> viewInfo)
    : TcxCustomPopupWindow(ownerEdit, std::move(viewInfo)) {
    GetPopupViewInfo()->CloseButtonState = cxbsNormal;
}

TcxPopupEditPopupWindow::TcxPopupEditPopupWindow(TWinControl* ownerEdit)
    : TcxCustomEditPopupWindow(ownerEdit, std::make_unique<TcxPopupEditPopupWindowViewInfo>()) {}

IcxEditPopupWindowOwner* TcxCustomEditPopupWindow::GetOwnerEdit() const {
    return dynamic_cast<IcxEditPopupWindowOwner*>(GetPopupOwner());
}

TcxCustomEditPopupWindowViewInfo* TcxCustomEditPopupWindow::GetPopupViewInfo() const {
    return static_cast<TcxCustomEditPopupWindowViewInfo*>(GetViewInfo());
}

// ---- Settings ----

void TcxCustomEditPopupWindow::SetPopupBorderStyle(TcxEditPopupBorderStyle value) {
    borderStyle_ = GetPopupViewInfo()->PopupBorderStyle = value;
}
void TcxCustomEditPopupWindow::SetClientEdge(bool value) {
    clientEdge_ = GetPopupViewInfo()->ClientEdge = value;
}
void TcxCustomEditPopupWindow::SetCloseButton(bool value) {
    closeButton_ = GetPopupViewInfo()->CloseButton = value;
}
void TcxCustomEditPopupWindow::SetNativeStyle(bool value) {
    nativeStyle_ = GetPopupViewInfo()->Native = value;
}
void TcxCustomEditPopupWindow::SetShadow(bool value) {
    shadow_ = GetPopupViewInfo()->Shadow = value;
}
void TcxCustomEditPopupWindow::SetSizeable(bool value) {
    sizeable_ = GetPopupViewInfo()->Sizeable = value;
}
void TcxCustomEditPopupWindow::SetSysPanelStyle(bool value) {
    sysPanelStyle_ = GetPopupViewInfo()->SysPanelStyle = value;
}
void TcxCustomEditPopupWindow::SetMinSysPanelHeight(int value) {
    GetPopupViewInfo()->MinSysPanelHeight = value;
}

// ---- Layout ----

void TcxCustomEditPopupWindow::CalculatePopupViewInfo() {
    TcxCustomEditPopupWindowViewInfo* vi = GetPopupViewInfo();
    vi->Bounds = Rect(0, 0, GetWidth(), GetHeight());
    vi->Calculate();
    if (IcxEditPopupWindowOwner* owner = GetOwnerEdit()) vi->LookAndFeelKind = owner->GetPopupLookAndFeelKind();
    vi->SkinPainter = GetStyle()->GetLookAndFeel()->GetSkinPainter();
}

TSize TcxCustomEditPopupWindow::GetFrameSize() {
    const TcxFrameExtent e = GetClientExtent();
    TSize size{e.Width(), e.Height()};
    if (sizeable_ && sysPanelStyle_) {
        const TcxCustomEditPopupWindowViewInfo* vi = GetPopupViewInfo();
        size.cx += vi->CloseButtonRect.Width() + vi->SizeGripSizingRect.Width() + 10;
    }
    return size;
}

void TcxCustomEditPopupWindow::AdjustClientRect(TRect& rect) {
    const TcxFrameExtent e = GetClientExtent();
    rect.Left += e.Left;
    rect.Top += e.Top;
    rect.Right -= e.Right;
    rect.Bottom -= e.Bottom;
}

void TcxCustomEditPopupWindow::RefreshOwnerRect() {
    TWinControl* edit = GetPopupOwner();
    IcxEditPopupWindowOwner* owner = GetOwnerEdit();
    if (!edit || !owner) return;
    SetAnchorParent(edit->GetParent());
    AnchorBounds = owner->GetPopupOwnerRect();
}

void TcxCustomEditPopupWindow::FitSizeToContent() {
    GetPopupViewInfo()->SizeGripCorner = 3;
    RefreshOwnerRect();
    IcxEditPopupWindowOwner* owner = GetOwnerEdit();
    if (!owner) return;
    CalculatePopupViewInfo();
    const TcxFrameExtent e = GetClientExtent();
    const TSize frame = GetFrameSize();
    const TSize content = owner->CalcPopupSize();
    int w = PopupAutoSize ? e.Width() + content.cx : (PopupWidth != 0 ? PopupWidth : AnchorBounds.Width());
    if (sizeable_ && MinWidth > 0) w = std::max(w, MinWidth);
    int h = PopupAutoSize ? e.Height() + content.cy
                          : (PopupHeight > 0 ? PopupHeight : std::max(MinHeight, frame.cy));
    if (sizeable_ && MinHeight > 0) h = std::max(h, MinHeight);
    SetBounds(GetLeft(), GetTop(), std::max(w, frame.cx), std::max(h, frame.cy));
}

TPoint TcxCustomEditPopupWindow::ComputePosition() const {
    auto* self = const_cast<TcxCustomEditPopupWindow*>(this);
    self->RefreshOwnerRect();
    TPoint p = TcxCustomPopupWindow::ComputePosition();
    const TRect o = GetOwnerScreenBounds();
    TRect work;
    GetMonitorWorkArea(p, work);
    const int w = GetWidth(), h = GetHeight();
    const bool rightHeld = (HorzAlignment == phaRight && p.X + w == o.Right && p.X > work.Left) ||
                           p.X + w == o.Left || (p.X + w == work.Right && p.X < o.Right);
    const bool bottomHeld = (VertAlignment == pvaBottom && p.Y + h == o.Bottom && p.Y > work.Top) ||
                            p.Y + h == o.Top || (p.Y + h == work.Bottom && p.Y < o.Bottom);
    std::uint8_t corner = 3;
    if (rightHeld && bottomHeld)
        corner = 0;
    else if (rightHeld)
        corner = 2;
    else if (bottomHeld)
        corner = 1;
    GetPopupViewInfo()->SizeGripCorner = corner;
    if (shadow_ && bottomHeld) p.Y += ContainerShadowSize;
    return p;
}

bool TcxCustomEditPopupWindow::FitsToWorkArea() const {
    IcxEditPopupWindowOwner* owner = GetOwnerEdit();
    return owner && owner->PopupFitsWorkArea();
}

void TcxCustomEditPopupWindow::UpdateLayout() {
    RefreshOwnerRect();
    CalculatePopupViewInfo();
    if (IcxEditPopupWindowOwner* owner = GetOwnerEdit()) owner->PositionPopupControl(GetPopupViewInfo()->ClientRect);
    InvalidateArea(GetBoundsRect());
    Update();
}

void TcxCustomEditPopupWindow::FitAndPlace() {
    FitSizeToContent();
    TPoint p = ComputePosition();
    FitIntoWorkArea(p);
    SetBounds(p.X, p.Y, GetWidth(), GetHeight());
}

void TcxCustomEditPopupWindow::InvalidateArea(const TRect& r) {
    if (HandleAllocated()) InvalidateRect(GetHandle(), &r, true);
}

void TcxCustomEditPopupWindow::ApplyShape() {
    if (!HandleAllocated()) return;
    const TcxCustomEditPopupWindowViewInfo* vi = GetPopupViewInfo();
    TRect r = Rect(0, 0, GetWidth(), GetHeight());
    TRect excluded{};
    if (!nativeStyle_ && shadow_) {
        r.Right -= ContainerShadowSize;
        r.Bottom -= ContainerShadowSize;
        if (GripIsOnTop(vi->SizeGripCorner)) {
            // Above the editor: the shadow rows would lie over it.
            const TRect o = GetOwnerScreenBounds();
            excluded = Rect(o.Left - GetLeft(), GetHeight() - ContainerShadowSize, o.Right - GetLeft() - ContainerShadowSize,
                            GetHeight());
        }
    }
    ApplyWindowShapeRegion(GetHandle(), r, nativeStyle_, excluded, shadow_);
}

void TcxCustomEditPopupWindow::Resize() {
    TcxCustomPopupWindow::Resize();
    CalculatePopupViewInfo();
    ApplyShape();
}

int TcxCustomEditPopupWindow::GetAvailableListHeight() {
    const TcxFrameExtent e = GetClientExtent();
    TRect work;
    GetMonitorWorkArea({GetLeft(), GetTop()}, work);
    const int room = GripIsOnTop(GetPopupViewInfo()->SizeGripCorner) ? GetOwnerScreenBounds().Top - work.Top
                                                                     : work.Bottom - GetTop();
    return room - e.Height();
}

bool TcxCustomEditPopupWindow::CanResize(int& newWidth, int& newHeight) {
    if (!sizeable_ || (newWidth == GetWidth() && newHeight == GetHeight())) return true;
    const TSize frame = GetFrameSize();
    newWidth = std::max({newWidth, frame.cx, MinWidth});
    newHeight = std::max({newHeight, frame.cy, MinHeight});
    IcxEditPopupWindowOwner* owner = GetOwnerEdit();
    if ((newWidth == GetWidth() && newHeight == GetHeight()) || !owner || !owner->SizesPopupByList()) return true;
    const TcxFrameExtent e = GetClientExtent();
    TSize list{newWidth - e.Width(), newHeight - e.Height()};
    if (owner->AdjustPopupListSize(list, GetAvailableListHeight())) {
        newWidth = std::max(e.Width() + list.cx, frame.cx);
        newHeight = std::max(e.Height() + list.cy, frame.cy);
    } else {
        newWidth = GetWidth();
        newHeight = GetHeight();
    }
    return true;
}

// ---- Showing and closing ----

void TcxCustomEditPopupWindow::Popup(TWinControl* focusControl) {
    if (!IsOwnerVisible())
        if (IcxEditPopupWindowOwner* owner = GetOwnerEdit()) owner->AfterCloseUp();
    TcxCustomPopupWindow::Popup(focusControl);
}

void TcxCustomEditPopupWindow::CloseOnModalResult() {
    IcxEditPopupWindowOwner* owner = GetOwnerEdit();
    if (!owner) return;
    const int result = GetModalResult();
    owner->ClosePopup(result == mrOk ? crEnter : result == mrCancel ? crCancel : crUnknown);
}

void TcxCustomEditPopupWindow::ForwardChar(char32_t ch) {
    if (HWND focused = GetFocus()) SendMessage(focused, WM_CHAR, static_cast<WPARAM>(ch), 0);
}

bool TcxCustomEditPopupWindow::IsOpeningQueued() const {
    MSG msg;
    return HandleAllocated() && PeekMessage(msg, const_cast<TcxCustomEditPopupWindow*>(this)->GetHandle(), CM_POPUPREOPEN, CM_POPUPREOPEN, PM_NOREMOVE);
}

void TcxCustomEditPopupWindow::Dispatch(TMessage& m) {
    if (m.Msg == CM_POPUPREOPEN) {
        Popup(controlToFocus_.Get());
        return;
    }
    if (m.Msg != CM_POPUPFORWARDCHAR) {
        TcxCustomPopupWindow::Dispatch(m);
        return;
    }
    // The whole character: a Chinese character cut to its low byte would be another one.
    if (IsOpenPopupWindow(this)) ForwardChar(static_cast<char32_t>(m.WParam));
}

} // namespace zorvy
