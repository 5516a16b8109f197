// TcxCustomTextEdit: edit operations checked against the input style, the length limit in
// characters and the lookup items, the clipboard, the window's text messages, and the caret's position.
#include "controls/editors/text/TextEdit.h"

#include "controls/editors/text/TextEditViewInfo.h"
#include "platform/rtl/Encoding.h"
#include "platform/win/Caret.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemInfo.h"

#include <algorithm>
#include <cstdint>

namespace zorvy {

namespace {

// The byte length of the first count characters of text.
std::size_t BytesOfCharacters(const std::string& text, int count) {
    std::size_t at = 0;
    for (int i = 0; i < count && at < text.size(); ++i) at += CharLengthAt(text, at);
    return std::min(at, text.size());
}

// The longest start of text that fits limit bytes without splitting a character.
std::size_t CharacterBoundaryBefore(const std::string& text, std::size_t limit) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t next = at + CharLengthAt(text, at);
        if (next > limit) break;
        at = next;
    }
    return at;
}

} // namespace

bool TcxCustomTextEdit::CheckNewText(const std::string& inserted, std::string& newText, int& caret) {
    TcxCustomTextEditProperties* p = GetTextProperties();
    const TcxEditInputStyle style = p->GetInputStyle();
    caret = 0;
    if (IsUserChange() && style == istNoTyping) return false;
    const std::string text = inner_->GetText();
    int selStart = inner_->GetSelStart(), selLength = inner_->GetSelLength();
    if (style == istListOnly || style == istNoTyping) {
        selStart = 0;
        selLength = static_cast<int>(text.size());
    }
    const std::string before = text.substr(0, selStart);
    const std::string after = text.substr(std::min<std::size_t>(text.size(), selStart + selLength));
    const int maxLength = p->GetMaxLength();
    if (IsUserChange() && style == istFreeText && maxLength > 0) {
        std::string head = before + inserted;
        head.resize(BytesOfCharacters(head, maxLength));
        caret = static_cast<int>(head.size());
        if (caret < selStart) return false;
        newText = head + after;
        newText.resize(BytesOfCharacters(newText, maxLength));
    } else {
        newText = style == istListOnly ? inserted : before + inserted + after;
        caret = selStart + static_cast<int>(inserted.size());
    }
    if (!p->CheckTextValue(newText)) return false;
    return !IsUserChange() || RequestEditing();
}

bool TcxCustomTextEdit::AcceptText(const std::string& text) {
    std::string value = text;
    if (!GetTextProperties()->CheckTextValue(value)) return false;
    if (IsUserChange() && !RequestEditing()) return false;
    ApplyDisplayValue(Variant(value));
    return true;
}

void TcxCustomTextEdit::ReplaceSelectedText(const std::string& text) {
    // The user's change exactly while the editor has the focus: then the length limit applies.
    const bool wasUserChange = IsUserChange();
    if (IsFocused())
        BeginUserChange();
    else
        EndUserChange();
    struct Restore {
        TcxCustomTextEdit* edit;
        bool value;
        ~Restore() { value ? edit->BeginUserChange() : edit->EndUserChange(); }
    } restore{this, wasUserChange};
    std::string newText;
    int caret;
    if (!CheckNewText(text, newText, caret)) return;
    ApplyDisplayValue(Variant(newText));
    inner_->SetSelStart(caret);
    inner_->SetSelLength(0);
}

void TcxCustomTextEdit::UndoChanges() {
    GetDataBinding()->Reset();
}

void TcxCustomTextEdit::DeleteSelection() {
    const int selStart = inner_->GetSelStart(), selLength = inner_->GetSelLength();
    if (selLength <= 0) return;
    std::string text = inner_->GetText();
    text.erase(selStart, selLength);
    if (AcceptText(text)) inner_->SetSelStart(selStart);
}

void TcxCustomTextEdit::ClearSelectionAsUser() {
    BeginUserChange();
    struct End {
        TcxCustomTextEdit* edit;
        ~End() { edit->EndUserChange(); }
    } end{this};
    DeleteSelection();
}

void TcxCustomTextEdit::CopyToClipboard() {
    const TcxEditInputStyle style = GetTextProperties()->GetInputStyle();
    if (style == istListOnly || style == istNoTyping) inner_->SelectAll();
    if (inner_->GetSelLength() > 0) inner_->CallNative(WM_COPY);
}

void TcxCustomTextEdit::CutToClipboard() {
    if (inner_->GetSelLength() <= 0) return;
    if (!IsFocused()) {
        inner_->CallNative(WM_COPY);
        ReplaceSelectedText({});
        return;
    }
    BeginUserChange();
    struct End {
        TcxCustomTextEdit* edit;
        ~End() { edit->EndUserChange(); }
    } end{this};
    std::string newText;
    int caret;
    if (CheckNewText({}, newText, caret)) inner_->CallNative(WM_CUT);
}

void TcxCustomTextEdit::PasteFromClipboard() {
    const std::optional<std::string> clip = GetClipboardText();
    if (!clip) return;
    if (!IsFocused()) {
        ReplaceSelectedText(*clip);
        return;
    }
    BeginUserChange();
    struct End {
        TcxCustomTextEdit* edit;
        ~End() { edit->EndUserChange(); }
    } end{this};
    std::string newText;
    int caret;
    if (CheckNewText(*clip, newText, caret)) inner_->CallNative(WM_PASTE);
}

// ---- the window's text ----

// The text messages carry a std::string; a non-zero wParam of WM_GETTEXT is a buffer size in bytes
// with its terminating zero, as callers that copy into fixed buffers give it.
void TcxCustomTextEdit::Dispatch(TMessage& m) {
    if (!inner_) {
        TcxCustomEdit::Dispatch(m);
        return;
    }
    switch (m.Msg) {
    case WM_GETTEXT: {
        std::string text = inner_->GetText();
        // Cut on a character boundary, never inside a character.
        if (m.WParam > 0) text.resize(CharacterBoundaryBefore(text, m.WParam - 1));
        if (m.LParam) *reinterpret_cast<std::string*>(m.LParam) = text;
        m.Result = static_cast<LRESULT>(text.size());
        return;
    }
    case WM_GETTEXTLENGTH:
        m.Result = static_cast<LRESULT>(inner_->GetText().size());
        return;
    case WM_SETTEXT:
        if (inSetText_) {
            TcxCustomEdit::Dispatch(m);
            return;
        }
        m.Result = 0;
        inSetText_ = true;
        {
            struct Clear {
                bool& flag;
                ~Clear() { flag = false; }
            } clear{inSetText_};
            const auto* text = reinterpret_cast<const std::string*>(m.LParam);
            // Taken whole or not at all: a refused text leaves the shown one.
            if (AcceptText(text ? *text : std::string())) m.Result = 1;
        }
        return;
    default:
        TcxCustomEdit::Dispatch(m);
        return;
    }
}

// ---- positions ----

int TcxCustomTextEdit::GetCaretCharIndex() const {
    if (!inner_ || !inner_->HandleAllocated()) return 0;
    TPoint caret{};
    GetCaretPos(caret);
    const std::string text = inner_->GetText();
    const int n = static_cast<int>(text.size());
    const HWND handle = inner_->GetHandle();
    const auto xOf = [&](int index) {
        const LRESULT r = SendMessage(handle, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
        return static_cast<int>(static_cast<std::int16_t>(r & 0xFFFF));
    };
    // The first position whose x is the caret's, by halving between the first and the last.
    int lo = 0, hi = n - 1;
    while (hi - lo >= 2) {
        const int mid = (lo + hi) / 2;
        if (xOf(mid) < caret.X)
            lo = mid;
        else
            hi = mid;
    }
    int index = xOf(lo) == caret.X ? lo : xOf(hi) == caret.X ? hi : hi + 1;
    // Inside a character the native edit answers the x of its start, so that start is meant.
    while (index > 0 && index < n && (static_cast<unsigned char>(text[index]) & 0xC0) == 0x80) --index;
    return std::clamp(index, 0, n);
}

int TcxCustomTextEdit::GetTextBaseline() const {
    const auto* vi = dynamic_cast<const TcxCustomTextEditViewInfo*>(GetViewInfo());
    return vi ? vi->GetTextBottom() : 0;
}

} // namespace zorvy
