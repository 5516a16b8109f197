#include "controls/editors/text/InnerTextEdit.h"

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
}

TcxCustomEdit* TcxCustomInnerTextEdit::Owner() const {
    return dynamic_cast<TcxCustomEdit*>(GetOwner());
}

TcxContainer* TcxCustomInnerTextEdit::GetControlContainer() {
    return Owner();
}

void TcxCustomInnerTextEdit::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.style &= ~(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
    params.style |= ES_AUTOHSCROLL;
    params.exStyle &= ~WS_EX_CLIENTEDGE;
}

void TcxCustomInnerTextEdit::SaveState(bool withText, TcxCustomInnerTextEditPrevState& state) {
    state.TextSaved = withText;
    if (withText) state.Text = GetText();
    state.SelStart = GetSelStart();
    state.SelLength = GetSelLength();
}

bool TcxCustomInnerTextEdit::StateChanged(const TcxCustomInnerTextEditPrevState& state) {
    if (!HandleAllocated()) return true;
    if (GetSelStart() != state.SelStart || GetSelLength() != state.SelLength) return true;
    if (!state.TextSaved) return false;
    // A change of letter case alone is a change too, so the key is not passed on as well.
    return GetText() != state.Text;
}

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
    case WM_KEYDOWN: {
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
    case WM_CHAR:
        InternalUpdating = false;
        TCustomEdit::Dispatch(m);
        return;
    case WM_GETDLGCODE:
        DefaultHandler(m);
        m.Result |= DLGC_WANTCHARS;
        // In place the grid decides about Tab (Ctrl+Tab stays the form's).
        if (owner && owner->IsInplace() && GetKeyState(VK_CONTROL) >= 0) m.Result |= DLGC_WANTTAB;
        if (owner && owner->IsInplace()) m.Result |= DLGC_WANTALLKEYS;
        return;
    case WM_ERASEBKGND:
        m.Result = 1;
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
    // Enter and Escape never reach the native control of an in-place editor.
    if ((key == 13 || key == 27) && owner && owner->IsInplace()) key = 0;
    if (key == 0) {
        InternalUpdating = true;
        return;
    }
    TCustomEdit::KeyPress(key);
}

} // namespace zorvy
