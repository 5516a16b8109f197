#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/SystemClassInput.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    ControlStyle = csClickEvents | csSetCaption | csDoubleClicks;
    color_ = clWindow;
    tabStop_ = true;
    cursor_ = crIBeam;
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    CreateSubClass(p, "EDIT");
    p.style |= ES_AUTOHSCROLL;
    if (readOnly_) p.style |= ES_READONLY;
    if (charCase_ == ecUpperCase) p.style |= ES_UPPERCASE;
    if (charCase_ == ecLowerCase) p.style |= ES_LOWERCASE;
    if (passwordChar_) p.style |= ES_PASSWORD;
    if (borderStyle_ == bsSingle) p.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    if (maxLength_) SendMessage(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_));
    if (passwordChar_) SendMessage(handle_, EM_SETPASSWORDCHAR, static_cast<WPARAM>(passwordChar_));
    SendMessage(handle_, EM_SETMODIFY, modified_ ? 1 : 0);
}

void TCustomEdit::SetReadOnly(bool value) {
    readOnly_ = value;
    if (HandleAllocated()) SendMessage(handle_, EM_SETREADONLY, value ? 1 : 0);
}

void TCustomEdit::SetMaxLength(int value) {
    maxLength_ = std::max(value, 0);
    if (HandleAllocated()) SendMessage(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_));
}

void TCustomEdit::SetPasswordChar(char32_t value) {
    passwordChar_ = value;
    if (HandleAllocated()) SendMessage(handle_, EM_SETPASSWORDCHAR, static_cast<WPARAM>(value));
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
    if (value == charCase_) return;
    charCase_ = value;
    RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    RecreateWnd();
}

bool TCustomEdit::GetModified() {
    if (HandleAllocated()) modified_ = SendMessage(handle_, EM_GETMODIFY) != 0;
    return modified_;
}

void TCustomEdit::SetModified(bool value) {
    modified_ = value;
    if (HandleAllocated()) SendMessage(handle_, EM_SETMODIFY, value ? 1 : 0);
}

int TCustomEdit::GetSelStart() {
    int start = 0, end = 0;
    SendMessage(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start;
}

int TCustomEdit::GetSelLength() {
    int start = 0, end = 0;
    SendMessage(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end - start;
}

void TCustomEdit::SetSelStart(int value) {
    SendMessage(GetHandle(), EM_SETSEL, static_cast<WPARAM>(value), value);
}

void TCustomEdit::SetSelLength(int value) {
    const int start = GetSelStart();
    SendMessage(GetHandle(), EM_SETSEL, static_cast<WPARAM>(start), start + value);
}

std::string TCustomEdit::GetSelText() {
    const std::string text = GetText();
    const auto start = static_cast<std::size_t>(GetSelStart());
    return start <= text.size() ? text.substr(start, static_cast<std::size_t>(GetSelLength())) : std::string();
}

void TCustomEdit::SetSelText(const std::string& text) {
    SendMessage(GetHandle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(&text));
}

void TCustomEdit::SelectAll() {
    SendMessage(GetHandle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::CopyToClipboard() {
    SendMessage(GetHandle(), WM_COPY);
}

void TCustomEdit::CutToClipboard() {
    SendMessage(GetHandle(), WM_CUT);
}

void TCustomEdit::PasteFromClipboard() {
    SendMessage(GetHandle(), WM_PASTE);
}

void TCustomEdit::Undo() {
    SendMessage(GetHandle(), EM_UNDO);
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::DoEnter() {
    // Entered by Tab (not by a click), the whole text is selected, ready to be typed over.
    if (AutoSelect && !(GetKeyState(VK_LBUTTON) & 0x8000)) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND && HiWord(m.WParam) == EN_CHANGE) {
        Change();
        return;
    }
    if (IsSystemClassMouseMessage(m.Msg) && HandleAllocated()) {
        TWeakLink<TCustomEdit> self(this);
        DefaultHandler(m);
        if (!self) return;
    }
    TWinControl::Dispatch(m);
}

} // namespace zorvy
