#include "platform/classlib/HintWindow.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Windows.h"

namespace zorvy {

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    color_ = clInfoBk;
    visible_ = false;
    parentFont_ = false;
    if (Screen) font_->Assign(Screen->GetHintFont());
    font_->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.style = WS_POPUP | WS_BORDER;
    p.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.wndParent = 0;
    p.classStyle |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    HDC dc = CreateScreenDC();
    HFONT old = SelectObject(dc, font_->GetHandle());
    TRect r = Rect(0, 0, maxWidth, 0);
    DrawText(dc, hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteDC(dc);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& r, const std::string& hint) {
    SetText(hint);
    TRect place = r;
    if (Screen) {
        const TRect work = Screen->MonitorFromPoint(r.TopLeft()).WorkareaRect;
        if (place.Right > work.Right) OffsetRect(place, work.Right - place.Right, 0);
        if (place.Bottom > work.Bottom) OffsetRect(place, 0, work.Bottom - place.Bottom);
        if (place.Left < work.Left) OffsetRect(place, work.Left - place.Left, 0);
        if (place.Top < work.Top) OffsetRect(place, 0, work.Top - place.Top);
    }
    HWND h = GetHandle();
    SetBounds(place.Left, place.Top, place.Width(), place.Height());
    visible_ = true;
    SetWindowPos(h, HWND_TOPMOST, place.Left, place.Top, place.Width(), place.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::ReleaseHandle() {
    visible_ = false;
    if (HandleAllocated()) ShowWindow(handle_, SW_HIDE);
}

bool THintWindow::IsShowingHint() const {
    return HandleAllocated() && IsWindowVisible(handle_);
}

void THintWindow::Paint() {
    TCanvas* c = GetCanvas();
    TRect r = GetClientRect();
    c->GetBrush()->SetColor(color_);
    c->FillRect(r);
    c->SetFont(GetFont());
    c->GetBrush()->SetStyle(bsClear);
    InflateRect(r, -2, -1);
    DrawText(c->GetHandle(), GetText(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::Dispatch(TMessage& m) {
    if (m.Msg == WM_NCHITTEST) {
        m.Result = HTTRANSPARENT;
        return;
    }
    TCustomControl::Dispatch(m);
}

} // namespace zorvy
