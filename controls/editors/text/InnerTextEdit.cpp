#include "controls/editors/text/InnerTextEdit.h"

#include "controls/editors/text/EditListBox.h"
#include "controls/editors/text/TextEdit.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

TcxCustomInnerTextEdit::TcxCustomInnerTextEdit(TComponent* owner) : TCustomEdit(owner) {
    ControlStyle |= csDoubleClicks;
    SetBorderStyle(bsNone);
    SetParentColor(true);
    UpdatePasswordChar();
    isCreating_ = false;
}

void TcxCustomInnerTextEdit::SetStateTextColor(TColor value) {
    if (value == stateTextColor_) return;
    stateTextColor_ = value;
    Invalidate();
}

void TcxCustomInnerTextEdit::CNCtlColor(TMessage& m) {
    TCustomEdit::CNCtlColor(m);
    if (m.WParam && stateTextColor_ != clDefault)
        ::zorvy::SetTextColor(reinterpret_cast<HDC>(m.WParam), ColorToRGB(stateTextColor_));
}

TcxCustomEdit* TcxCustomInnerTextEdit::Owner() const {
    return dynamic_cast<TcxCustomEdit*>(GetOwner());
}

TcxCustomTextEdit* TcxCustomInnerTextEdit::TextOwner() const {
    return dynamic_cast<TcxCustomTextEdit*>(GetOwner());
}

TcxContainer* TcxCustomInnerTextEdit::GetControlContainer() {
    return Owner();
}

void TcxCustomInnerTextEdit::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    if (alignment_ == taRightJustify) params.style |= ES_RIGHT;
    if (alignment_ == taCenter) params.style |= ES_CENTER;
    // The editor draws the frame; the inner edit never draws one of its own.
    params.style &= ~(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
    params.style |= ES_AUTOHSCROLL;
    if (!hideSelection_) params.style |= ES_NOHIDESEL;
    params.exStyle &= ~WS_EX_CLIENTEDGE;
}

void TcxCustomInnerTextEdit::CreateWnd() {
    TCustomEdit::CreateWnd();
    ApplyFontToWindow();
    AdjustMargins();
}

void TcxCustomInnerTextEdit::ApplyFontToWindow() {
    // The native edit draws with the font it is given, so a style's underline or bold shows there too.
    if (HandleAllocated())
        SendMessage(GetHandle(), WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()->GetHandle()), 1);
}

void TcxCustomInnerTextEdit::AdjustMargins() {
    if (HandleAllocated())
        SendMessage(GetHandle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MakeLParam(0, 1));
}

// ---- looks ----

void TcxCustomInnerTextEdit::SetAlignment(TAlignment value) {
    if (TcxCustomTextEdit* owner = TextOwner(); owner && owner->GetTextProperties()->GetUseLeftAlignmentOnEditing())
        value = taLeftJustify;
    if (value == alignment_) return;
    alignment_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TcxCustomInnerTextEdit::SetEchoMode(TcxEditEchoMode value) {
    if (value == echoMode_) return;
    echoMode_ = value;
    UpdatePasswordChar();
}

void TcxCustomInnerTextEdit::SetInnerPasswordChar(char32_t value) {
    if (value == passwordChar_) return;
    passwordChar_ = value;
    if (echoMode_ == eemPassword) UpdatePasswordChar();
}

void TcxCustomInnerTextEdit::UpdatePasswordChar() {
    SetPasswordChar(echoMode_ == eemNormal ? 0 : passwordChar_ ? passwordChar_ : U'*');
}

void TcxCustomInnerTextEdit::SetHideSelection(bool value) {
    if (value == hideSelection_) return;
    hideSelection_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TcxCustomInnerTextEdit::LockBounds(bool lock) {
    if (lock)
        ++lockBoundsCount_;
    else if (lockBoundsCount_ > 0)
        --lockBoundsCount_;
}

void TcxCustomInnerTextEdit::FocusWithoutAutoSelect() {
    const bool autoSelect = AutoSelect;
    AutoSelect = false;
    struct Restore {
        TcxCustomInnerTextEdit* edit;
        bool value;
        ~Restore() { edit->AutoSelect = value; }
    } restore{this, autoSelect};
    SetFocus();
}

bool TcxCustomInnerTextEdit::CanFocus() const {
    const TcxCustomEdit* owner = Owner();
    return owner ? owner->CanReceiveFocus() : TCustomEdit::CanFocus();
}

void TcxCustomInnerTextEdit::SetBounds(int left, int top, int width, int height) {
    if (isCreating_ || lockBoundsCount_ > 0) return;
    TcxCustomEdit* owner = Owner();
    // Moving the inner edit must not make the editor arrange it again.
    if (owner) owner->LockInnerAlignment(true);
    struct Unlock {
        TcxCustomEdit* owner;
        ~Unlock() {
            if (owner) owner->LockInnerAlignment(false);
        }
    } unlock{owner};
    TCustomEdit::SetBounds(left, top, width, height);
}

// ---- the input method's deferred selection ----

int TcxCustomInnerTextEdit::GetEditSelStart() {
    return imeCharCount_ > 0 ? imeSelStart_ : GetSelStart();
}

int TcxCustomInnerTextEdit::GetEditSelLength() {
    return imeCharCount_ > 0 ? imeSelLength_ : GetSelLength();
}

void TcxCustomInnerTextEdit::SetEditSelStart(int value) {
    if (!HandleAllocated()) return;
    if (imeCharCount_ > 0)
        imeSelStart_ = value;
    else
        SetSelStart(value);
}

void TcxCustomInnerTextEdit::SetEditSelLength(int value) {
    if (!HandleAllocated()) return;
    if (imeCharCount_ > 0)
        imeSelLength_ = value;
    else
        SetSelLength(value);
}

// ---- state before a key ----

void TcxCustomInnerTextEdit::SaveState(bool withText, TcxCustomInnerTextEditPrevState& state) {
    state.TextSaved = withText;
    if (withText) state.Text = GetText();
    state.SelStart = GetEditSelStart();
    state.SelLength = GetEditSelLength();
}

bool TcxCustomInnerTextEdit::StateChanged(const TcxCustomInnerTextEditPrevState& state) {
    if (!HandleAllocated()) return true;
    if (GetEditSelStart() != state.SelStart || GetEditSelLength() != state.SelLength) return true;
    if (!state.TextSaved) return false;
    // A change of letter case alone is a change too, so the key is not passed on as well.
    return GetText() != state.Text;
}

// ---- messages ----

void TcxCustomInnerTextEdit::WndProc(TMessage& m) {
    TcxCustomEdit* owner = Owner();
    if (owner && owner->PreviewInnerMessage(m)) return;
    TCustomEdit::WndProc(m);
}

void TcxCustomInnerTextEdit::DefaultHandler(TMessage& m) {
    TcxCustomEdit* owner = Owner();
    if (owner && owner->HandleInnerDefaultMessage(m)) return;
    TCustomEdit::DefaultHandler(m);
}

void TcxCustomInnerTextEdit::Dispatch(TMessage& m) {
    TcxCustomEdit* owner = Owner();
    TWeakLink<TcxCustomInnerTextEdit> self(this);
    switch (m.Msg) {
    case CM_FONTCHANGED:
        TCustomEdit::Dispatch(m);
        if (self) ApplyFontToWindow();
        return;
    case WM_KEYDOWN: {
        // With the list open, the keys that move in it go to the list.
        if (TcxCustomTextEdit* textOwner = TextOwner(); textOwner && textOwner->HasOpenPopup() &&
            textOwner->GetTextProperties()->IsNavigationKey(static_cast<std::uint16_t>(m.WParam), CurrentShiftState()))
            if (TcxCustomTextEditLookupData* data = textOwner->GetLookupData())
                if (TcxCustomEditListBox* list = data->GetList(); list && list->HandleAllocated()) {
                    SendMessage(list->GetHandle(), WM_KEYDOWN, m.WParam, m.LParam);
                    return;
                }
        TcxCustomInnerTextEditPrevState state;
        SaveState(true, state);
        InternalUpdating = false;
        TCustomEdit::Dispatch(m);
        if (!self || !owner) return;
        std::uint16_t key = static_cast<std::uint16_t>(m.WParam);
        if (!InternalUpdating && key != 0 && !StateChanged(state)) {
            owner->FireKeyEvent(key, CurrentShiftState());
            m.WParam = key;
        }
        return;
    }
    case WM_CHAR: {
        TcxCustomInnerTextEditPrevState state;
        SaveState(true, state);
        InternalUpdating = false;
        TCustomEdit::Dispatch(m);
        if (!self) return;
        TcxCustomTextEdit* textOwner = TextOwner();
        if (imeCharCount_ > 0 && --imeCharCount_ == 0 && textOwner && textOwner->IsCompletionHighlighted()) {
            // The selection the editor asked for while the character was on its way.
            SetSelStart(imeSelStart_);
            SetSelLength(imeSelLength_);
        }
        if (!textOwner) return;
        textOwner->SetLookupSyncLocked(false);
        // A character the native control inserted itself ends the completion highlight.
        if (!InternalUpdating && StateChanged(state)) textOwner->SetCompletionHighlighted(false);
        return;
    }
    case WM_IME_CHAR: {
        imeCharCount_ = 1;
        imeSelStart_ = GetSelStart();
        imeSelLength_ = GetSelLength();
        struct Done {
            TWeakLink<TcxCustomInnerTextEdit>& self;
            ~Done() {
                if (self) self->imeCharCount_ = 0;
            }
        } done{self};
        SendMessage(GetHandle(), WM_CHAR, m.WParam, m.LParam);
        return;
    }
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
        // No composition starts in an editor that may not change its value.
        if (owner && !owner->RequestEditing()) return;
        if (self) TCustomEdit::Dispatch(m);
        return;
    case WM_GETDLGCODE:
        DefaultHandler(m);
        m.Result |= DLGC_WANTCHARS;
        // Ctrl+Tab stays the form's.
        if (owner && owner->WantsTabKey() && GetKeyState(VK_CONTROL) >= 0) m.Result |= DLGC_WANTTAB;
        if (owner && (owner->IsInplace() || owner->HasOpenPopup())) m.Result |= DLGC_WANTALLKEYS;
        return;
    case CM_HINTSHOW:
        // The editor decides whether its hint shows (not while its popup is open).
        m.Result = owner ? owner->Perform(CM_HINTSHOW, m.WParam, m.LParam) : 0;
        return;
    case WM_ERASEBKGND:
        m.Result = 1;
        return;
    case WM_NCPAINT:
        m.Result = 0;
        return;
    case WM_SIZE:
        TCustomEdit::Dispatch(m);
        if (self) AdjustMargins();
        return;
    case EM_SETSEL:
        TCustomEdit::Dispatch(m);
        if (self && OnSelChange) OnSelChange(this);
        return;
    case WM_SETFOCUS:
        TCustomEdit::Dispatch(m);
        if (self && owner && !owner->IsDestroying() &&
            (!owner->HandleAllocated() || static_cast<HWND>(m.WParam) != owner->GetHandle()))
            owner->FocusStateChanged();
        return;
    case WM_KILLFOCUS:
        TCustomEdit::Dispatch(m);
        if (self && owner && !owner->IsDestroying()) owner->FocusStateChanged();
        return;
    case CM_MOUSELEAVE:
        TCustomEdit::Dispatch(m);
        if (self && owner) owner->RefreshMouseState(true);
        return;
    case WM_PASTE:
        // The editor checks the text first: an unacceptable paste never reaches the native control.
        if (!GetReadOnly() && owner) owner->PasteFromClipboard();
        return;
    case WM_CUT:
        if (!owner) return;
        if (GetReadOnly())
            owner->CopyToClipboard();
        else
            owner->CutToClipboard();
        return;
    case WM_CLEAR:
        if (!GetReadOnly() && owner) owner->ClearSelectionAsUser();
        return;
    default:
        TCustomEdit::Dispatch(m);
        return;
    }
}

LRESULT TcxCustomInnerTextEdit::CallNative(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    TCustomEdit::Dispatch(m);
    return m.Result;
}

// ---- keys ----

void TcxCustomInnerTextEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    InternalUpdating = false;
    TWeakLink<TcxCustomInnerTextEdit> self(this);
    if (TcxCustomEdit* owner = Owner()) owner->KeyDown(key, shift);
    if (!self) return;
    if (key == 0) {
        InternalUpdating = true;
        return;
    }
    TCustomEdit::KeyDown(key, shift);
}

void TcxCustomInnerTextEdit::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (key == VK_TAB) key = 0;
    TWeakLink<TcxCustomInnerTextEdit> self(this);
    if (TcxCustomEdit* owner = Owner(); owner && key != 0) owner->KeyUp(key, shift);
    if (self && key != 0) TCustomEdit::KeyUp(key, shift);
}

void TcxCustomInnerTextEdit::KeyPress(char32_t& key) {
    InternalUpdating = false;
    if (key == 9) key = 0;
    TcxCustomEdit* owner = Owner();
    TWeakLink<TcxCustomInnerTextEdit> self(this);
    if (owner && key != 0) owner->KeyPress(key);
    if (!self) return;
    // Enter and Escape never reach the native control of an in-place editor, nor right after a
    // drop-down closed its popup with them; Enter not when the editor should not beep.
    if ((key == 13 || key == 27) && owner) {
        TcxCustomTextEdit* textOwner = TextOwner();
        const bool skip = textOwner && textOwner->SkipNextEnterOrEscape;
        const bool silent = key == 13 && textOwner && !textOwner->BeepOnEnter;
        if (owner->IsInplace() || skip || silent) {
            key = 0;
            if (textOwner) textOwner->SkipNextEnterOrEscape = false;
        }
    }
    if (key == 0) {
        InternalUpdating = true;
        return;
    }
    TCustomEdit::KeyPress(key);
}

// ---- mouse ----

void TcxCustomInnerTextEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomInnerTextEdit> self(this);
    TCustomEdit::MouseDown(button, shift, x, y);
    TcxCustomEdit* owner = self ? Owner() : nullptr;
    if (!owner) return;
    // The editor must not take the focus from the inner edit for this press.
    TWeakLink<TcxCustomEdit> ownerLink(owner);
    owner->InnerMouseDown = true;
    owner->MouseDown(button, shift, x + GetLeft(), y + GetTop());
    if (ownerLink) owner->InnerMouseDown = false;
}

void TcxCustomInnerTextEdit::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomInnerTextEdit> self(this);
    TCustomEdit::MouseMove(shift, x, y);
    if (TcxCustomEdit* owner = self ? Owner() : nullptr) owner->MouseMove(shift, x + GetLeft(), y + GetTop());
}

void TcxCustomInnerTextEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomInnerTextEdit> self(this);
    TCustomEdit::MouseUp(button, shift, x, y);
    if (TcxCustomEdit* owner = self ? Owner() : nullptr) owner->MouseUp(button, shift, x + GetLeft(), y + GetTop());
}

void TcxCustomInnerTextEdit::Click() {
    TWeakLink<TcxCustomInnerTextEdit> self(this);
    TCustomEdit::Click();
    if (TcxCustomEdit* owner = self ? Owner() : nullptr) owner->Click();
}

void TcxCustomInnerTextEdit::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    accept = false;
    if (TcxCustomEdit* owner = Owner()) owner->DragOver(source, x + GetLeft(), y + GetTop(), state, accept);
}

void TcxCustomInnerTextEdit::DragDrop(TObject* source, int x, int y) {
    if (TcxCustomEdit* owner = Owner()) owner->DragDrop(source, x + GetLeft(), y + GetTop());
}

void TcxCustomInnerTextEdit::DblClick() {
    TWeakLink<TcxCustomInnerTextEdit> self(this);
    TCustomEdit::DblClick();
    if (TcxCustomEdit* owner = self ? Owner() : nullptr) owner->DblClick();
}

} // namespace zorvy
