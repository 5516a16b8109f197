#include "platform/classlib/stdctrls/ScrollBox.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Styles.h"

#include <algorithm>

namespace zorvy {

void TControlScrollBar::SetPosition(int value) {
    const int page = bar_ == SB_HORZ ? box_->GetClientWidth() : box_->GetClientHeight();
    value = std::clamp(value, 0, std::max(0, range_ - page));
    if (value == position_) return;
    const int delta = value - position_;
    box_->ScrollBy(bar_ == SB_HORZ ? delta : 0, bar_ == SB_VERT ? delta : 0);
}

void TControlScrollBar::SetRange(int value) {
    range_ = std::max(value, 0);
    (bar_ == SB_HORZ ? box_->fixedHorz_ : box_->fixedVert_) = true;
    box_->UpdateScrollBars();
}

TScrollBox::TScrollBox(TComponent* owner)
    : TCustomControl(owner), horz_(this, SB_HORZ), vert_(this, SB_VERT) {
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    color_ = clBtnFace;
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.style |= WS_HSCROLL | WS_VSCROLL;
    if (borderSingle_) p.exStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateScrollBars();
}

void TScrollBox::SetBorderSingle(bool value) {
    if (value == borderSingle_) return;
    borderSingle_ = value;
    RecreateWnd();
}

void TScrollBox::ScrollBy(int dx, int dy) {
    if (!dx && !dy) return;
    horz_.position_ += dx;
    vert_.position_ += dy;
    DisableAlign();
    for (int i = 0; i < GetControlCount(); ++i) {
        TControl* c = GetControl(i);
        c->SetBounds(c->GetLeft() - dx, c->GetTop() - dy, c->GetWidth(), c->GetHeight());
    }
    EnableAlign();
    UpdateScrollBars();
    Invalidate();
}

void TScrollBox::ScrollInView(TControl* control) {
    if (!control || !ContainsControl(control)) return;
    const TRect r = control->GetBoundsRect(); // in the box's client coordinates
    int dx = 0, dy = 0;
    if (r.Right > GetClientWidth()) dx = r.Right - GetClientWidth();
    if (r.Left - dx < 0) dx = r.Left;
    if (r.Bottom > GetClientHeight()) dy = r.Bottom - GetClientHeight();
    if (r.Top - dy < 0) dy = r.Top;
    horz_.SetPosition(horz_.position_ + dx);
    vert_.SetPosition(vert_.position_ + dy);
}

void TScrollBox::AlignControls(TControl* control, TRect& rect) {
    TCustomControl::AlignControls(control, rect);
    if (!AutoScroll) return;
    // The contents reach to the furthest control, counted from the unscrolled origin.
    int right = 0, bottom = 0;
    for (int i = 0; i < GetControlCount(); ++i) {
        TControl* c = GetControl(i);
        if (!c->GetVisible()) continue;
        right = std::max(right, c->GetLeft() + c->GetWidth() + horz_.position_);
        bottom = std::max(bottom, c->GetTop() + c->GetHeight() + vert_.position_);
    }
    if (!fixedHorz_) horz_.range_ = right;
    if (!fixedVert_) vert_.range_ = bottom;
    UpdateScrollBars();
}

void TScrollBox::UpdateScrollBars() {
    if (!HandleAllocated() || updating_) return;
    updating_ = true;
    for (TControlScrollBar* bar : {&horz_, &vert_}) {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = bar->Visible ? std::max(0, bar->range_ - 1) : 0;
        si.nPage = static_cast<UINT>(bar->bar_ == SB_HORZ ? GetClientWidth() : GetClientHeight());
        si.nPos = bar->position_;
        SetScrollInfo(handle_, bar->bar_, si, true);
    }
    updating_ = false;
    // Showing or hiding a bar changes the client size: positions beyond the new end come back.
    for (TControlScrollBar* bar : {&horz_, &vert_})
        bar->SetPosition(bar->position_);
}

void TScrollBox::ScrollMessage(TControlScrollBar& bar, TMessage& m) {
    const int page = bar.bar_ == SB_HORZ ? GetClientWidth() : GetClientHeight();
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(handle_, bar.bar_, si);
    switch (LoWord(m.WParam)) {
    case SB_LINEUP: bar.SetPosition(bar.position_ - bar.Increment); break;
    case SB_LINEDOWN: bar.SetPosition(bar.position_ + bar.Increment); break;
    case SB_PAGEUP: bar.SetPosition(bar.position_ - page); break;
    case SB_PAGEDOWN: bar.SetPosition(bar.position_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: bar.SetPosition(si.nTrackPos); break;
    case SB_TOP: bar.SetPosition(0); break;
    case SB_BOTTOM: bar.SetPosition(bar.range_); break;
    default: break;
    }
}

bool TScrollBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
    vert_.SetPosition(vert_.position_ - wheelDelta / 120 * 3 * vert_.Increment);
    return true;
}

void TScrollBox::Dispatch(TMessage& m) {
    if (m.Msg == WM_HSCROLL && m.LParam == 0) {
        ScrollMessage(horz_, m);
        return;
    }
    if (m.Msg == WM_VSCROLL && m.LParam == 0) {
        ScrollMessage(vert_, m);
        return;
    }
    TCustomControl::Dispatch(m);
    if (m.Msg == WM_SIZE) UpdateScrollBars();
}

void TScrollBox::Paint() {
    TCanvas* c = GetCanvas();
    c->GetBrush()->SetColor(color_);
    c->FillRect(GetClientRect());
}

} // namespace zorvy
