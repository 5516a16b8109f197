// Changing an edit's text: replacing the selection within the limit, one level of undo, the
// clipboard, and stepping through the text by characters and words.
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Strings.h"
#include "platform/win/EditInternal.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {
namespace {

enum class TCharKind { Space, Word, Punct, Break };

TCharKind KindAt(const std::string& text, std::size_t pos) {
    const auto c = static_cast<unsigned char>(text[pos]);
    if (c == '\r' || c == '\n') return TCharKind::Break;
    if (c == ' ' || c == '\t') return TCharKind::Space;
    if (c >= 0x80 || std::isalnum(c) || c == '_') return TCharKind::Word;
    return TCharKind::Punct;
}

} // namespace

bool IsMultiLine(const TEditState& e) {
    return (GetWindowStyle(e.hwnd) & ES_MULTILINE) != 0;
}

bool IsReadOnly(const TEditState& e) {
    return (GetWindowStyle(e.hwnd) & ES_READONLY) != 0;
}

bool WordWraps(const TEditState& e) {
    const std::uint32_t style = GetWindowStyle(e.hwnd);
    return (style & ES_MULTILINE) && !(style & (ES_AUTOHSCROLL | WS_HSCROLL));
}

std::size_t SelStart(const TEditState& e) {
    return std::min(e.anchor, e.caret);
}

std::size_t SelEnd(const TEditState& e) {
    return std::max(e.anchor, e.caret);
}

std::size_t NextPos(const std::string& text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') return pos + 2;
    return NextCharIndex(text, pos);
}

std::size_t PrevPos(const std::string& text, std::size_t pos) {
    if (pos == 0) return 0;
    pos = std::min(pos, text.size());
    if (pos >= 2 && text[pos - 1] == '\n' && text[pos - 2] == '\r') return pos - 2;
    return PrevCharIndex(text, pos);
}

std::size_t SnapPos(const std::string& text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    while (pos > 0 && IsTrailByte(static_cast<unsigned char>(text[pos])))
        --pos;
    if (pos > 0 && text[pos] == '\n' && text[pos - 1] == '\r') --pos;
    return pos;
}

std::size_t WordEnd(const std::string& text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    const TCharKind kind = KindAt(text, pos);
    if (kind == TCharKind::Break) return NextPos(text, pos);
    if (kind != TCharKind::Space)
        while (pos < text.size() && KindAt(text, pos) == kind)
            pos = NextPos(text, pos);
    while (pos < text.size() && KindAt(text, pos) == TCharKind::Space)
        pos = NextPos(text, pos);
    return pos;
}

std::size_t WordStart(const std::string& text, std::size_t pos) {
    if (pos == 0) return 0;
    std::size_t p = PrevPos(text, pos);
    if (KindAt(text, p) == TCharKind::Break) return p;
    while (p > 0 && KindAt(text, p) == TCharKind::Space)
        p = PrevPos(text, p);
    const TCharKind kind = KindAt(text, p);
    if (kind == TCharKind::Break) return NextPos(text, p);
    while (p > 0) {
        const std::size_t q = PrevPos(text, p);
        if (KindAt(text, q) != kind) break;
        p = q;
    }
    return p;
}

void WordAround(const std::string& text, std::size_t pos, std::size_t& from, std::size_t& to) {
    from = to = pos;
    if (text.empty()) return;
    std::size_t p = pos < text.size() ? pos : PrevPos(text, pos);
    const TCharKind kind = KindAt(text, p);
    if (kind == TCharKind::Break) return;
    from = p;
    while (from > 0) {
        const std::size_t q = PrevPos(text, from);
        if (KindAt(text, q) != kind) break;
        from = q;
    }
    to = p;
    while (to < text.size() && KindAt(text, to) == kind)
        to = NextPos(text, to);
}

void Notify(TEditState& e, UINT code) {
    HWND parent = GetParent(e.hwnd);
    if (parent && (GetWindowStyle(e.hwnd) & WS_CHILD))
        SendMessage(parent, WM_COMMAND,
                    MakeWParam(static_cast<int>(GetDlgCtrlID(e.hwnd)), static_cast<int>(code)),
                    static_cast<LPARAM>(e.hwnd));
}

namespace {

// After a change to the text: EN_UPDATE, then (unless its handler destroyed the edit) the repaint, the
// caret brought into view, the scroll bars and EN_CHANGE.
void AnnounceEdit(TEditState& e) {
    const HWND hwnd = e.hwnd;
    Notify(e, EN_UPDATE);
    if (!FindEditState(hwnd)) return;
    InvalidateEdit(e);
    ScrollToCaret(e);
    UpdateScrollBars(e);
    PlaceCaret(e);
    Notify(e, EN_CHANGE);
}

} // namespace

void SetSelection(TEditState& e, std::size_t anchor, std::size_t caret) {
    anchor = SnapPos(e.text, anchor);
    caret = SnapPos(e.text, caret);
    if (anchor == e.anchor && caret == e.caret) return;
    const bool hadSelection = e.anchor != e.caret;
    e.anchor = anchor;
    e.caret = caret;
    e.mergeTyping = false;
    if (hadSelection || anchor != caret) InvalidateEdit(e);
    ScrollToCaret(e);
    PlaceCaret(e);
}

bool ReplaceRange(TEditState& e, std::size_t from, std::size_t to, std::string insert, TEditChangeKind kind) {
    from = SnapPos(e.text, from);
    to = SnapPos(e.text, std::max(to, from));
    if (kind != TEditChangeKind::Program && IsReadOnly(e)) {
        MessageBeep(0);
        return false;
    }
    if (!IsMultiLine(e)) {
        // One line holds no line break: a pasted text keeps its first line.
        const std::size_t br = insert.find_first_of("\r\n");
        if (br != std::string::npos) insert.resize(br);
    }
    const std::uint32_t style = GetWindowStyle(e.hwnd);
    if (kind != TEditChangeKind::Program) {
        if (style & ES_UPPERCASE) insert = AnsiUpperCase(insert);
        if (style & ES_LOWERCASE) insert = AnsiLowerCase(insert);
    }
    const std::size_t removedChars = CharCount(std::string_view(e.text).substr(from, to - from));
    const std::size_t room = e.limit > e.chars - removedChars ? e.limit - (e.chars - removedChars) : 0;
    std::size_t insertChars = CharCount(insert);
    if (insertChars > room) {
        // Over the limit: what fits is kept, cut between characters and never inside a line break.
        const bool breakCut =
            room > 0 && CopyChars(insert, room).back() == '\r' && CopyChars(insert, room + 1).back() == '\n';
        insertChars = breakCut ? room - 1 : room;
        insert = CopyChars(insert, insertChars);
        Notify(e, EN_MAXTEXT);
        if (!FindEditState(e.hwnd)) return false;
        if (insert.empty() && from == to) {
            MessageBeep(0);
            return false;
        }
    }
    if (from == to && insert.empty()) return false;

    std::string removed = e.text.substr(from, to - from);
    if (kind == TEditChangeKind::Typing && e.mergeTyping && e.undo.valid && removed.empty() &&
        e.undo.pos + e.undo.inserted.size() == from) {
        e.undo.inserted += insert;
    } else {
        e.undo = {true, from, removed, insert};
    }
    e.mergeTyping = kind == TEditChangeKind::Typing;

    e.text.replace(from, to - from, insert);
    e.chars = e.chars - removedChars + insertChars;
    e.lines.Update(e.text, from, to - from, insert.size());
    e.anchor = e.caret = from + insert.size();
    e.modified = true;
    e.desiredX = -1;
    AnnounceEdit(e);
    return true;
}

void SetEditText(TEditState& e, const std::string& text, bool notify) {
    e.text = SanitizeUtf8(text);
    if (!IsMultiLine(e)) {
        const std::size_t br = e.text.find_first_of("\r\n");
        if (br != std::string::npos) e.text.resize(br);
    }
    e.chars = CharCount(e.text);
    e.lines.Rebuild(e.text);
    e.anchor = e.caret = 0;
    e.undo = {};
    e.mergeTyping = false;
    e.modified = false;
    e.firstLine = 0;
    e.scrollX = 0;
    e.desiredX = -1;
    const HWND hwnd = e.hwnd;
    if (notify) Notify(e, EN_UPDATE);
    if (!FindEditState(hwnd)) return;
    InvalidateEdit(e);
    UpdateScrollBars(e);
    PlaceCaret(e);
    if (notify) Notify(e, EN_CHANGE);
}

bool UndoEdit(TEditState& e) {
    if (!e.undo.valid) return false;
    const TEditUndo u = e.undo;
    const std::size_t removedChars = CharCount(u.inserted), insertChars = CharCount(u.removed);
    e.text.replace(u.pos, u.inserted.size(), u.removed);
    e.chars = e.chars - removedChars + insertChars;
    e.lines.Update(e.text, u.pos, u.inserted.size(), u.removed.size());
    // Undoing again redoes.
    e.undo = {true, u.pos, u.inserted, u.removed};
    e.mergeTyping = false;
    e.anchor = u.pos;
    e.caret = u.pos + u.removed.size();
    e.modified = true;
    AnnounceEdit(e);
    return true;
}

void CopySelection(TEditState& e) {
    // A password never leaves the edit.
    if (e.passwordChar || SelStart(e) == SelEnd(e)) return;
    SetClipboardText(e.text.substr(SelStart(e), SelEnd(e) - SelStart(e)));
}

void PasteClipboard(TEditState& e) {
    if (auto text = GetClipboardText())
        ReplaceRange(e, SelStart(e), SelEnd(e), SanitizeUtf8(*text), TEditChangeKind::Paste);
}

} // namespace zorvy
