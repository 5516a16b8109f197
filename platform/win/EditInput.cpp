// What the user does to an edit: keys, typed characters, the mouse and the input method.
#include "platform/rtl/Encoding.h"
#include "platform/win/EditInternal.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {
namespace {

bool Down(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

// Moves the caret; with Shift the anchor stays, and the selection grows or shrinks.
void MoveTo(TEditState& e, std::size_t pos, bool keepColumn = false) {
    if (!keepColumn) e.desiredX = -1;
    SetSelection(e, Down(VK_SHIFT) ? e.anchor : pos, pos);
}

// The position on another display line, at the remembered column.
std::size_t OnLine(TEditState& e, int line) {
    line = std::clamp(line, 0, e.lines.Count() - 1);
    const int from = e.lines.LineFromPos(e.caret);
    if (e.desiredX < 0) e.desiredX = PosToPoint(e, e.caret).X;
    const int y = PosToPoint(e, e.caret).Y + (line - from) * e.lineHeight;
    return PointToPos(e, {e.desiredX, y});
}

} // namespace

void EditKeyDown(TEditState& e, WPARAM vk) {
    const bool ctrl = Down(VK_CONTROL), shift = Down(VK_SHIFT);
    const bool multi = IsMultiLine(e);
    const bool selection = e.anchor != e.caret;
    const int line = e.lines.LineFromPos(e.caret);
    switch (vk) {
    case VK_LEFT:
        if (!shift && selection && !ctrl)
            MoveTo(e, SelStart(e));
        else
            MoveTo(e, ctrl ? WordStart(e.text, e.caret) : PrevPos(e.text, e.caret));
        break;
    case VK_RIGHT:
        if (!shift && selection && !ctrl)
            MoveTo(e, SelEnd(e));
        else
            MoveTo(e, ctrl ? WordEnd(e.text, e.caret) : NextPos(e.text, e.caret));
        break;
    case VK_HOME:
        MoveTo(e, ctrl || !multi ? 0 : e.lines.Line(line).start);
        break;
    case VK_END: {
        const TEditLine& l = e.lines.Line(line);
        MoveTo(e, ctrl || !multi ? e.text.size() : l.start + l.length);
        break;
    }
    case VK_UP:
    case VK_DOWN:
        if (multi) {
            const std::size_t pos = OnLine(e, line + (vk == VK_UP ? -1 : 1));
            MoveTo(e, pos, true);
        } else {
            MoveTo(e, vk == VK_UP ? PrevPos(e.text, e.caret) : NextPos(e.text, e.caret));
        }
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (multi) {
            const int page = VisibleLines(e);
            const std::size_t pos = OnLine(e, line + (vk == VK_PRIOR ? -page : page));
            ScrollLines(e, e.firstLine + (vk == VK_PRIOR ? -page : page));
            MoveTo(e, pos, true);
        }
        break;
    case VK_DELETE:
        if (shift && !ctrl) {
            SendMessage(e.hwnd, WM_CUT);
        } else if (selection) {
            ReplaceRange(e, SelStart(e), SelEnd(e), {}, TEditChangeKind::Paste);
        } else {
            const std::size_t to = ctrl ? WordEnd(e.text, e.caret) : NextPos(e.text, e.caret);
            ReplaceRange(e, e.caret, to, {}, TEditChangeKind::Paste);
        }
        break;
    case VK_INSERT:
        if (ctrl) SendMessage(e.hwnd, WM_COPY);
        if (shift) SendMessage(e.hwnd, WM_PASTE);
        break;
    default:
        break;
    }
}

void EditChar(TEditState& e, char32_t ch) {
    switch (ch) {
    case 1: // Ctrl+A
        SetSelection(e, 0, e.text.size());
        return;
    case 3: // Ctrl+C
        SendMessage(e.hwnd, WM_COPY);
        return;
    case 0x16: // Ctrl+V
        SendMessage(e.hwnd, WM_PASTE);
        return;
    case 0x18: // Ctrl+X
        SendMessage(e.hwnd, WM_CUT);
        return;
    case 0x1A: // Ctrl+Z
        SendMessage(e.hwnd, WM_UNDO);
        return;
    case 8: // Backspace
        if (e.anchor != e.caret)
            ReplaceRange(e, SelStart(e), SelEnd(e), {}, TEditChangeKind::Typing);
        else if (e.caret > 0)
            ReplaceRange(e, PrevPos(e.text, e.caret), e.caret, {}, TEditChangeKind::Typing);
        e.mergeTyping = false;
        return;
    case '\r':
        if (IsMultiLine(e)) ReplaceRange(e, SelStart(e), SelEnd(e), "\r\n", TEditChangeKind::Typing);
        return;
    case '\t':
        if (IsMultiLine(e)) ReplaceRange(e, SelStart(e), SelEnd(e), "\t", TEditChangeKind::Typing);
        return;
    default:
        break;
    }
    // Control characters and what is no character at all (surrogate halves, beyond Unicode) type nothing.
    if (ch < 0x20 || ch == 0x7F || (ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) return;
    if ((GetWindowStyle(e.hwnd) & ES_NUMBER) && !(ch >= '0' && ch <= '9')) {
        MessageBeep(0);
        return;
    }
    ReplaceRange(e, SelStart(e), SelEnd(e), CodePointToUtf8(ch), TEditChangeKind::Typing);
}

void EditMouseDown(TEditState& e, TPoint p, bool shift, bool doubleClick) {
    if (GetFocus() != e.hwnd) SetFocus(e.hwnd);
    if (!FindEditState(e.hwnd)) return;
    const std::size_t pos = PointToPos(e, p);
    e.desiredX = -1;
    if (doubleClick) {
        std::size_t from = pos, to = pos;
        WordAround(e.text, pos, from, to);
        SetSelection(e, from, to);
        return;
    }
    SetSelection(e, shift ? e.anchor : pos, pos);
    e.selecting = true;
    SetCapture(e.hwnd);
}

void EditMouseMove(TEditState& e, TPoint p) {
    if (!e.selecting || GetCapture() != e.hwnd) return;
    SetSelection(e, e.anchor, PointToPos(e, p));
}

void EditComposition(TEditState& e) {
    int cursor = 0;
    std::string preedit = GetImeCompositionString(&cursor);
    if (!preedit.empty() && e.preedit.empty() && e.anchor != e.caret) {
        // Composing over a selection replaces it, as typing would.
        if (IsReadOnly(e)) return;
        ReplaceRange(e, SelStart(e), SelEnd(e), {}, TEditChangeKind::Typing);
    }
    if (IsReadOnly(e)) preedit.clear();
    e.preedit = preedit;
    e.preeditCursor = cursor;
    ScrollToCaret(e);
    InvalidateEdit(e);
    PlaceCaret(e);
}

} // namespace zorvy
