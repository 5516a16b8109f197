// Editing a TMemo: replacing the selection in the line buffer, the typed characters, Backspace and
// the clipboard.
#include "platform/rtl/Encoding.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/win/SystemInfo.h"

namespace zorvy {

void TMemo::SetSelText(const std::string& rawText) {
    const std::string text = SanitizeUtf8(rawText);
    if (lines_->GetCount() == 0) lines_->Add({});
    const TMemoPos from = Clamp(GetSelStartPos()), to = Clamp(GetSelEndPos());
    const std::string prefix(lines_->Line(from.Line).substr(0, static_cast<std::size_t>(from.Offset)));
    const std::string suffix(lines_->Line(to.Line).substr(static_cast<std::size_t>(to.Offset)));
    // The new lines: prefix + text + suffix, broken at CR LF, CR or LF.
    std::vector<std::string> pieces(1, prefix);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            pieces.emplace_back();
        } else {
            pieces.back() += text[i];
        }
    }
    const int caretOffset = static_cast<int>(pieces.back().size());
    pieces.back() += suffix;
    lines_->BeginUpdate();
    lines_->Put(from.Line, pieces[0]);
    for (int line = to.Line; line > from.Line; --line)
        lines_->Delete(line);
    for (std::size_t i = 1; i < pieces.size(); ++i)
        lines_->Insert(from.Line + static_cast<int>(i), pieces[i]);
    lines_->EndUpdate();
    SetCaretPos({from.Line + static_cast<int>(pieces.size()) - 1, caretOffset});
}

void TMemo::UserEdit(const std::string& text) {
    if (ReadOnly) return;
    TWeakLink<TMemo> self(this);
    SetSelText(text);
    Modified = true;
    NotifyParent(EN_CHANGE);
    if (self && OnChange) OnChange(this);
}

void TMemo::CutToClipboard() {
    if (ReadOnly || GetSelLength() == 0) return;
    CopyToClipboard();
    UserEdit({});
}

void TMemo::PasteFromClipboard() {
    if (ReadOnly) return;
    if (const auto text = GetClipboardText(); text && !text->empty()) UserEdit(*text);
}

void TMemo::KeyPress(char32_t& key) {
    TCustomControl::KeyPress(key);
    if (key == 0 || ReadOnly) return;
    if (key == '\b') {
        // Without a selection, Backspace takes the character before the caret (or the line break).
        if (anchor_ == caret_) {
            if (caret_.Offset > 0)
                anchor_.Offset = static_cast<int>(
                    PrevCharIndex(lines_->Line(caret_.Line), static_cast<std::size_t>(caret_.Offset)));
            else if (caret_.Line > 0)
                anchor_ = {caret_.Line - 1, static_cast<int>(lines_->Line(caret_.Line - 1).size())};
        }
        UserEdit({});
    } else if (key == '\r') {
        // Without WantReturns only Ctrl+Enter breaks the line.
        if (!WantReturns && !(KeyboardStateToShiftState() & ssCtrl)) return;
        UserEdit("\r\n");
    } else if (key == '\n') {
        UserEdit("\r\n");
    } else if (key == '\t') {
        if (!WantTabs) return;
        UserEdit("\t");
    } else if (key >= 0x20 && key != 0x7F) {
        UserEdit(CodePointToUtf8(key));
    } else {
        return;
    }
    key = 0;
}

} // namespace zorvy
