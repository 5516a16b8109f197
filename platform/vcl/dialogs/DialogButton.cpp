#include "platform/vcl/dialogs/DialogButton.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

TDialogButton::TDialogButton(TComponent* owner, TModalResult result, bool isDefault, bool isCancel)
    : TCustomControl(owner), ModalResult(result), Default(isDefault), Cancel(isCancel) {
    tabStop_ = true;
    SetBounds(0, 0, 75, 25);
}

void TDialogButton::Click() {
    TWeakLink<TDialogButton> self(this);
    TCustomControl::Click();
    if (!self) return;
    if (ModalResult != mrNone)
        if (auto* form = GetParentForm(this)) form->SetModalResult(ModalResult);
}

void TDialogButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == VK_SPACE) {
        Click();
        key = 0;
        return;
    }
    TCustomControl::KeyDown(key, shift);
}

bool TDialogButton::FocusedButtonExists() const {
    auto* form = GetParentForm(const_cast<TDialogButton*>(this));
    TWinControl* active = Screen ? Screen->GetActiveControl() : nullptr;
    return form && dynamic_cast<TDialogButton*>(active) && form->ContainsControl(active);
}

void TDialogButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_DIALOGKEY:
        // Enter presses the focused button, else the default one; Esc the cancelling one.
        if ((m.WParam == VK_RETURN && (Focused() || (Default && !FocusedButtonExists()))) ||
            (m.WParam == VK_ESCAPE && Cancel)) {
            Click();
            m.Result = 1;
        }
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(m.WParam), GetText()) && CanFocus()) {
            Click();
            m.Result = 1;
        }
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(m);
        Invalidate();
        return;
    default:
        TCustomControl::Dispatch(m);
    }
}

void TDialogButton::Paint() {
    TCanvas* c = GetCanvas();
    TRect r = GetClientRect();
    c->GetBrush()->SetColor(clBtnFace);
    c->FillRect(r);
    HDC dc = c->GetHandle();
    // The default button (or the focused one) wears a black frame outside its raised edge.
    const bool framed = Focused() || (Default && !FocusedButtonExists());
    if (framed) {
        c->GetBrush()->SetColor(clWindowFrame);
        c->FrameRect(r);
        InflateRect(r, -1, -1);
    }
    TRect edge = r;
    DrawEdge(dc, edge, EDGE_RAISED, BF_RECT);
    c->SetFont(GetFont());
    c->GetBrush()->SetStyle(bsClear);
    SetTextColor(dc, ColorToRGB(enabled_ ? clBtnText : clGrayText));
    TRect t = r;
    DrawText(dc, GetText(), t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
        TRect f = r;
        InflateRect(f, -3, -3);
        c->DrawFocusRect(f);
    }
}

TForm* NewDialogForm(const std::string& caption, int clientWidth, int clientHeight) {
    InitializeForms();
    auto* form = new TForm(nullptr);
    form->SetBorderStyle(bsDialog);
    form->Position = poScreenCenter;
    form->SetColor(clBtnFace);
    form->SetCaption(caption);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    return form;
}

} // namespace zorvy
