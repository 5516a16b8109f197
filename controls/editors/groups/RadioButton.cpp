// The painter-drawn radio button: mouse state, owner-drawn face, caption, focus and popup menu.
#include "controls/editors/groups/RadioButton.h"

#include "controls/foundation/containers/Container.h"
#include "controls/foundation/containers/ContainerViewInfo.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/painters/PainterResources.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/classlib/Menus.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"
#include "platform/win/Windows.h"

namespace zorvy {

TcxButtonState RadioButtonPainterState(TcxRadioButtonState state) {
    switch (state) {
    case rbsDisabled: return cxbsDisabled;
    case rbsHot: return cxbsHot;
    case rbsPressed: return cxbsPressed;
    default: return cxbsNormal;
    }
}

TcxRadioButton::TcxRadioButton(TComponent* owner)
    : TRadioButton(owner),
      controlCanvas_(std::make_unique<TCanvas>()),
      canvas_(std::make_unique<TcxCanvas>(controlCanvas_.get())),
      lookAndFeel_(std::make_unique<TcxLookAndFeel>(this)) {
    ControlStyle |= csDoubleClicks;
    lookAndFeel_->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { LookAndFeelChanged(); };
    SetParentBackground(true);
    // Only a checked radio button is a tab stop.
    SetTabStop(false);
    NeedRadioButtonImageList();
}

TcxRadioButton::~TcxRadioButton() {
    StopMouseTracking(this);
}

void TcxRadioButton::SetLookAndFeel(TcxLookAndFeel* value) {
    lookAndFeel_->Assign(value);
}

void TcxRadioButton::SetPopupMenu(TComponent* value) {
    if (!dynamic_cast<TPopupMenu*>(value) && !dynamic_cast<IcxPopupMenuComponent*>(value)) value = nullptr;
    if (popupMenu_ == value) return;
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = value;
    if (value) value->FreeNotification(this);
}

void TcxRadioButton::Notification(TComponent* component, TOperation operation) {
    TRadioButton::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_) SetPopupMenu(nullptr);
}

void TcxRadioButton::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    Invalidate();
}

void TcxRadioButton::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    Invalidate();
}

void TcxRadioButton::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    Invalidate();
}

bool TcxRadioButton::Focused() const {
    return !HasState(csDesigning) && TRadioButton::Focused();
}

void TcxRadioButton::Invalidate() {
    if (HandleAllocated()) InvalidateWindowArea(GetHandle(), GetClientRect(), false);
}

void TcxRadioButton::CreateParams(TCreateParams& params) {
    TRadioButton::CreateParams(params);
    params.style = (params.style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TcxRadioButton::CreateWnd() {
    TRadioButton::CreateWnd();
    RefreshMouseState();
}

// ---- mouse state ----

void TcxRadioButton::RefreshMouseState() {
    if (!HandleAllocated()) return;
    TPoint p;
    GetCursorPos(p);
    UpdateMouseState(0, KeyboardStateToShiftState(), ScreenToClient(p));
}

void TcxRadioButton::SetState(TcxRadioButtonState value) {
    if (value == state_) return;
    state_ = value;
    TRect r = buttonRect_;
    InflateRect(r, 1, 1);
    if (HandleAllocated()) InvalidateWindowArea(GetHandle(), r, false);
}

void TcxRadioButton::UpdateMouseState(int, TShiftState shift, TPoint p) {
    const TRect r{0, 0, GetWidth(), GetHeight()};
    const bool inside = PtInRect(r, p);
    TcxRadioButtonState state;
    if (!GetEnabled())
        state = rbsDisabled;
    else if (HasState(csDesigning))
        state = rbsNormal;
    else if (HandleAllocated() && GetCapture() == GetHandle())
        state = inside ? rbsPressed : rbsHot;
    else
        state = inside && (shift & (ssShift | ssAlt | ssCtrl | ssLeft | ssRight | ssMiddle)) == 0 ? rbsHot : rbsNormal;
    SetState(state);
}

void TcxRadioButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TRadioButton::MouseDown(button, shift, x, y);
    UpdateMouseState(static_cast<int>(button) + 1, shift, {x, y});
}

void TcxRadioButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TRadioButton::MouseUp(button, shift, x, y);
    UpdateMouseState(static_cast<int>(button) + 1, shift, {x, y});
}

void TcxRadioButton::MouseMove(TShiftState shift, int x, int y) {
    TRadioButton::MouseMove(shift, x, y);
    UpdateMouseState(0, shift, {x, y});
    StartMouseTracking(this, TRect{0, 0, GetWidth(), GetHeight()}, this);
}

void TcxRadioButton::MouseEnter() {
    RefreshMouseState();
    StartMouseTracking(this, TRect{0, 0, GetWidth(), GetHeight()}, this);
}

void TcxRadioButton::MouseLeave() {
    UpdateMouseState(0, 0, {-1, -1});
    StopMouseTracking(this);
}

void TcxRadioButton::MouseTrackingLeft() {
    MouseLeave();
}

// ---- focus and popup ----

void TcxRadioButton::DoEnter() {
    TRadioButton::DoEnter();
    if (GetChecked() || ClicksDisabled) return;
    {
        ClicksDisabled = true;
        struct Enable {
            bool& flag;
            ~Enable() { flag = false; }
        } enable{ClicksDisabled};
        SetChecked(true);
    }
    if (!HasState(csLoading)) Click();
}

void TcxRadioButton::Click() {
    if (!ClicksDisabled) TRadioButton::Click();
}

void TcxRadioButton::DoContextPopup(TPoint mousePos, bool& handled) {
    TRadioButton::DoContextPopup(mousePos, handled);
    if (handled) return;
    const bool keyboard = mousePos.X == -1 && mousePos.Y == -1;
    const TPoint screen = ClientToScreen(keyboard ? TPoint{0, 0} : mousePos);
    handled = ShowPopupMenuAt(popupMenu_, screen.X, screen.Y);
}

bool TcxRadioButton::ShowPopupMenuAt(TComponent* menu, int x, int y) {
    return ShowPopupMenu(this, menu, x, y);
}

void TcxRadioButton::WMContextMenu(TMessage& m) {
    if (m.Result != 0) return;
    if (HasState(csDesigning)) {
        TRadioButton::WMContextMenu(m);
        return;
    }
    TPoint p{GetXLParam(m.LParam), GetYLParam(m.LParam)};
    if (p.X != -1 || p.Y != -1) {
        p = ScreenToClient(p);
        if (!PtInRect(GetClientRect(), p)) {
            TRadioButton::WMContextMenu(m);
            return;
        }
    }
    bool handled = false;
    DoContextPopup(p, handled);
    m.Result = handled ? 1 : 0;
    if (!handled) TRadioButton::WMContextMenu(m);
}

// ---- painting ----

bool TcxRadioButton::IsNativeStyle() const {
    return CanUseNativeTheme(lookAndFeel_->GetNativeStyle(), tokButton);
}

bool TcxRadioButton::HasNativeParentBackground() const {
    return IsNativeStyle() && GetParentBackground() && !IsInplace() && !transparent_;
}

TRect TcxRadioButton::CalcButtonRect(TSize size, bool native) const {
    TRect r;
    r.Top = (GetHeight() - size.cy) / 2;
    r.Bottom = r.Top + size.cy;
    if (alignment_ == taRightJustify) {
        r.Left = !native && !IsInplace() ? 1 : 0;
        r.Right = r.Left + size.cx;
    } else {
        r.Right = GetWidth();
        r.Left = r.Right - size.cx;
    }
    return r;
}

void TcxRadioButton::DrawBackground(TcxCanvas* canvas) {
    if (!HasParentBackground()) canvas->FillRectSolid(TRect{0, 0, GetWidth(), GetHeight()}, GetColor());
}

void TcxRadioButton::PaintButton(TcxCanvas* canvas) {
    const TRect client{0, 0, GetWidth(), GetHeight()};
    const bool native = IsNativeStyle();
    if (IsTransparentBackground())
        PaintParentImage(this, canvas, client, true);
    else if (HasNativeParentBackground())
        PaintParentBackground(this, canvas, client);
    if (native) DrawBackground(canvas);
    TcxLookAndFeelPainterClass painter = lookAndFeel_->GetPainterForThemeType(tokButton);
    buttonRect_ = CalcButtonRect(painter->GetRadioButtonExtent(), native);
    painter->DrawRadioButton(canvas, buttonRect_.Left, buttonRect_.Top, RadioButtonPainterState(state_), GetChecked(),
                             Focused(), HasParentBackground() ? clDefault : GetColor(), HasState(csDesigning));
    canvas->ClipExcludeRect(buttonRect_);
    if (!native) DrawBackground(canvas);
    DrawCaption(canvas, native);
}

void TcxRadioButton::AdjustCaptionRect(TRect& r, bool native) {
    TRect margins;
    if (IsInplace())
        margins = native ? TRect{3, 0, 0, 0} : TRect{5, 0, 1, 0};
    else if (!native)
        margins = alignment_ == taLeftJustify ? (wordWrap_ ? TRect{2, -1, 6, 0} : TRect{2, -1, 1, 0})
                                              : (wordWrap_ ? TRect{5, -1, 2, 0} : TRect{5, -1, 0, 0});
    else
        margins = alignment_ == taLeftJustify ? (wordWrap_ ? TRect{0, -1, 3, 0} : TRect{0, -1, 1, 0})
                                              : TRect{3, -1, 0, 0};
    ShrinkRectByMargins(r, margins);
}

void TcxRadioButton::DrawCaption(TcxCanvas* canvas, bool native) {
    canvas->AssignFont(GetFont());
    if (!GetEnabled() && !IsInnerControl()) canvas->CurrentFont()->SetColor(clBtnShadow);
    TRect r{0, 0, GetWidth(), GetHeight()};
    if (alignment_ == taRightJustify)
        r.Left = buttonRect_.Right;
    else
        r.Right = buttonRect_.Left;
    canvas->CurrentBrush()->SetStyle(bsClear);
    AdjustCaptionRect(r, native);
    const int flags = wordWrap_ ? 0x6A1 : 0x261;
    const std::string& caption = GetCaption();
    canvas->PaintText(caption, r, flags, IsInnerControl() || native || GetEnabled());
    canvas->CurrentBrush()->SetStyle(bsSolid);
    if (!Focused() || caption.empty()) return;
    TRect focus = r;
    canvas->MeasureTextRect(caption, focus, flags);
    InflateRect(focus, 1, 1);
    ++focus.Bottom;
    if (IsInplace()) {
        focus.Top = std::max(focus.Top, 1);
        focus.Bottom = std::min(focus.Bottom, GetHeight() - 1);
        focus.Right = std::min(focus.Right, GetWidth());
    }
    canvas->CurrentBrush()->SetColor(GetColor());
    canvas->CurrentFont()->SetColor(GetFont()->GetColor());
    canvas->PaintFocusRect(focus);
}

// ---- messages ----

void TcxRadioButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CN_DRAWITEM:
        if (auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam); item && !HasState(csDestroying)) {
            controlCanvas_->SetHandle(item->hDC);
            struct Detach {
                TCanvas* canvas;
                ~Detach() { canvas->SetHandle(nullptr); }
            } detach{controlCanvas_.get()};
            PaintButton(canvas_.get());
        }
        m.Result = 1;
        return;
    case CN_MEASUREITEM:
        if (auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)) {
            item->itemWidth = GetWidth();
            item->itemHeight = GetHeight();
        }
        return;
    case WM_ERASEBKGND: m.Result = 1; return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        if (IsPopupMenuShortCut(popupMenu_, m)) {
            m.Result = 1;
            return;
        }
        break;
    case CM_MOUSEENTER:
        TRadioButton::Dispatch(m);
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        TRadioButton::Dispatch(m);
        MouseLeave();
        return;
    case CM_ENABLEDCHANGED:
        TRadioButton::Dispatch(m);
        RefreshMouseState();
        Invalidate();
        return;
    case WM_WINDOWPOSCHANGED:
        TRadioButton::Dispatch(m);
        if (!HasState(csDestroying) && HasParentBackground()) Invalidate();
        return;
    case BM_SETCHECK:
        TRadioButton::Dispatch(m);
        if (HandleAllocated()) InvalidateWindowArea(GetHandle(), buttonRect_, false);
        return;
    case CM_SYSCOLORCHANGE:
        TRadioButton::Dispatch(m);
        Invalidate();
        return;
    default: break;
    }
    TRadioButton::Dispatch(m);
}

} // namespace zorvy
