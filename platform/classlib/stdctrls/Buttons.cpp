#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/StdPaint.h"
#include "platform/classlib/stdctrls/SystemClassInput.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {

// ---- TButtonControl ----

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    ControlStyle = csSetCaption | csDoubleClicks;
    color_ = clBtnFace;
    parentColor_ = true;
    tabStop_ = true;
}

void TButtonControl::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND && HiWord(m.WParam) == BN_CLICKED) {
        Clicked();
        return;
    }
    if (IsSystemClassMouseMessage(m.Msg) && HandleAllocated()) {
        TWeakLink<TButtonControl> self(this);
        DefaultHandler(m);
        if (!self) return;
    }
    TWinControl::Dispatch(m);
}

// ---- TButton ----

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    CreateSubClass(p, "BUTTON");
    p.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
    default_ = value;
    TCustomForm* form = GetParentForm(this);
    TWinControl* active = form ? form->GetActiveControl() : nullptr;
    SetButtonStyle(dynamic_cast<TButton*>(active) ? active == this : value);
}

void TButton::SetButtonStyle(bool isDefault) {
    if (HandleAllocated()) SendMessage(handle_, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
}

void TButton::Dispatch(TMessage& m) {
    if (m.Msg == CM_FOCUSCHANGED) {
        auto* focused = reinterpret_cast<TControl*>(m.LParam);
        SetButtonStyle(dynamic_cast<TButton*>(focused) ? focused == this : default_);
    }
    TButtonControl::Dispatch(m);
}

void TButton::Click() {
    TWeakLink<TButton> self(this);
    TButtonControl::Click();
    if (!self || ModalResult == mrNone) return;
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(ModalResult);
}

void TButton::CMDialogKey(TMessage& m) {
    // Enter presses the focused button, else the default one while no other button has the focus;
    // Esc presses the cancelling one.
    const bool enter = m.WParam == VK_RETURN, escape = m.WParam == VK_ESCAPE;
    bool press = false;
    if (enter) {
        TCustomForm* form = GetParentForm(this);
        TWinControl* active = form ? form->GetActiveControl() : nullptr;
        press = Focused() || (default_ && !dynamic_cast<TButton*>(active));
    }
    if (escape) press = Cancel;
    if (press && CanFocus()) {
        Click();
        m.Result = 1;
        return;
    }
    TButtonControl::CMDialogKey(m);
}

void TButton::CMDialogChar(TMessage& m) {
    if (IsAccel(static_cast<char32_t>(m.WParam), GetText()) && CanFocus()) {
        Click();
        m.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(m);
}

// ---- TBitBtn ----

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::CreateParams(TCreateParams& p) {
    TButton::CreateParams(p);
    p.style = (p.style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TBitBtn::SetGlyph(TBitmap* glyph) {
    glyph_->Assign(glyph);
    Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    kind_ = kind;
    if (kind == bkCustom) return;
    struct TKindInfo {
        const char* caption;
        TModalResult result;
    };
    static const TKindInfo kinds[] = {{"", mrNone},          {"确定", mrOk},       {"取消", mrCancel},
                                      {"帮助(&H)", mrNone}, {"是(&Y)", mrYes},   {"否(&N)", mrNo},
                                      {"关闭(&C)", mrNone}, {"中止(&A)", mrAbort}, {"重试(&R)", mrRetry},
                                      {"忽略(&I)", mrIgnore}, {"全部(&A)", mrAll}};
    SetCaption(kinds[kind].caption);
    ModalResult = kinds[kind].result;
    SetDefault(kind == bkOK || kind == bkYes);
    Cancel = kind == bkCancel || kind == bkNo;
}

void TBitBtn::SetButtonStyle(bool isDefault) {
    if (isDefault == isDefaultLook_) return;
    isDefaultLook_ = isDefault;
    Invalidate();
}

void TBitBtn::Dispatch(TMessage& m) {
    if (m.Msg == CN_DRAWITEM) {
        if (auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam)) DrawItem(*item);
        m.Result = 1;
        return;
    }
    TButton::Dispatch(m);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    TCanvas canvas;
    canvas.SetHandle(item.hDC);
    TRect r = item.rcItem;
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    canvas.GetBrush()->SetColor(clBtnFace);
    canvas.FillRect(r);
    if (focused || isDefaultLook_) {
        canvas.GetBrush()->SetColor(clWindowFrame);
        canvas.FrameRect(r);
        InflateRect(r, -1, -1);
    }
    TRect edge = r;
    if (pushed) {
        canvas.GetBrush()->SetColor(clBtnShadow);
        canvas.FrameRect(edge);
    } else {
        DrawEdge(canvas.GetHandle(), edge, EDGE_RAISED, BF_RECT);
    }
    // The glyph, then the caption, centred together; pressed, both move a pixel down and right.
    canvas.SetFont(GetFont());
    const std::string caption = GetText();
    TRect text = Rect(0, 0, 0, 0);
    if (!caption.empty()) DrawText(canvas.GetHandle(), caption, text, DT_CALCRECT | DT_SINGLELINE);
    const int glyphWidth = glyph_->Empty() ? 0 : glyph_->GetWidth();
    const int gap = glyphWidth && !caption.empty() ? Spacing : 0;
    const int shift = pushed ? 1 : 0;
    int x = r.Left + (r.Width() - glyphWidth - gap - text.Width()) / 2 + shift;
    if (glyphWidth) {
        const int y = r.Top + (r.Height() - glyph_->GetHeight()) / 2 + shift;
        canvas.Draw(x, y, glyph_.get());
        x += glyphWidth + gap;
    }
    if (!caption.empty()) {
        canvas.GetBrush()->SetStyle(bsClear);
        const int y = r.Top + (r.Height() - text.Height()) / 2 + shift;
        DrawCaption(&canvas, caption, Bounds(x, y, text.Width() + 1, text.Height()), DT_SINGLELINE | DT_LEFT | DT_TOP,
                    !(item.itemState & ODS_DISABLED));
    }
    if (focused) {
        TRect f = r;
        InflateRect(f, -3, -3);
        canvas.DrawFocusRect(f);
    }
    canvas.SetHandle(nullptr);
}

// ---- TCheckBox ----

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    CreateSubClass(p, "BUTTON");
    // The box is checked by this control (so that code and clicks go the same way), not the window.
    p.style |= BS_3STATE;
    if (alignment_ == taLeftJustify) p.style |= BS_LEFTTEXT;
}

void TCheckBox::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessage(handle_, BM_SETCHECK, static_cast<WPARAM>(state_));
}

void TCheckBox::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    RecreateWnd();
}

void TCheckBox::SetState(TCheckBoxState value) {
    if (value == state_) return;
    state_ = value;
    if (HandleAllocated()) SendMessage(handle_, BM_SETCHECK, static_cast<WPARAM>(value));
    Click();
}

void TCheckBox::Clicked() {
    switch (state_) {
    case cbUnchecked:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(AllowGrayed ? cbGrayed : cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbUnchecked);
        break;
    }
}

void TCheckBox::CMDialogChar(TMessage& m) {
    if (IsAccel(static_cast<char32_t>(m.WParam), GetText()) && CanFocus()) {
        SetFocus();
        Clicked();
        m.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(m);
}

// ---- TRadioButton ----

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    CreateSubClass(p, "BUTTON");
    p.style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessage(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED);
}

void TRadioButton::SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    tabStop_ = value;
    if (HandleAllocated()) SendMessage(handle_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED);
    if (!value) return;
    if (parent_) {
        for (int i = 0; i < parent_->GetControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent_->GetControl(i)); other && other != this)
                other->SetChecked(false);
    }
    Click();
}

void TRadioButton::Clicked() {
    SetChecked(true);
}

void TRadioButton::CMDialogChar(TMessage& m) {
    if (IsAccel(static_cast<char32_t>(m.WParam), GetText()) && CanFocus()) {
        SetFocus();
        SetChecked(true);
        m.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(m);
}

} // namespace zorvy
