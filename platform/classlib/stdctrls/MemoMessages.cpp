// The memo as an edit control: the window text and the EM_ messages over the line buffer, and the
// notifications an edit control sends its parent.
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <utility>

namespace zorvy {

std::string TMemo::GetTextValue() const {
    std::string text;
    const int count = lines_->GetCount();
    text.reserve(lines_->CharCount() + static_cast<std::size_t>(std::max(count - 1, 0)) * 2);
    for (int i = 0; i < count; ++i) {
        if (i) text += "\r\n";
        text.append(lines_->Line(i));
    }
    return text;
}

void TMemo::SetTextValue(const std::string& text) {
    lines_->SetText(text);
    caret_ = anchor_ = {};
    NotifyParent(EN_CHANGE);
}

void TMemo::NotifyParent(UINT code) {
    if (!HandleAllocated() || !parent_ || !parent_->HandleAllocated()) return;
    SendMessage(parent_->GetHandle(), WM_COMMAND,
                MakeWParam(static_cast<int>(GetDlgCtrlID(handle_)), static_cast<int>(code)),
                static_cast<LPARAM>(handle_));
}

TMemoPos TMemo::PosOfOffset(std::size_t offset) const {
    const int count = lines_->GetCount();
    if (count == 0) return {};
    // The last line starting at or before offset; every line before it is followed by CR LF.
    int low = 0, high = count - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (lines_->LineStart(mid) + 2 * static_cast<std::size_t>(mid) <= offset)
            low = mid;
        else
            high = mid - 1;
    }
    const std::size_t start = lines_->LineStart(low) + 2 * static_cast<std::size_t>(low);
    return Clamp({low, static_cast<int>(std::min<std::size_t>(offset - start, lines_->Line(low).size()))});
}

bool TMemo::EditMessage(TMessage& m) {
    const auto w = static_cast<std::intptr_t>(m.WParam);
    const auto l = static_cast<std::intptr_t>(m.LParam);
    switch (m.Msg) {
    case WM_GETTEXT: {
        // A window being destroyed is asked for its text so that a new one can start with it; the
        // lines outlive the window, so a long text is not joined and copied for nothing.
        if (ControlState & csDestroyingHandle) {
            if (m.LParam) reinterpret_cast<std::string*>(m.LParam)->clear();
            m.Result = 0;
            return true;
        }
        std::string text = GetTextValue();
        m.Result = static_cast<LRESULT>(text.size());
        if (m.LParam) *reinterpret_cast<std::string*>(m.LParam) = std::move(text);
        return true;
    }
    case WM_GETTEXTLENGTH:
        m.Result = static_cast<LRESULT>(lines_->CharCount() + 2 * static_cast<std::size_t>(std::max(lines_->GetCount() - 1, 0)));
        return true;
    case WM_SETTEXT:
        SetTextValue(m.LParam ? *reinterpret_cast<const std::string*>(m.LParam) : std::string());
        m.Result = 1;
        return true;
    case EM_GETSEL: {
        const auto start = static_cast<int>(GetSelStart()), end = static_cast<int>(GetSelStart() + GetSelLength());
        if (m.WParam) *reinterpret_cast<int*>(m.WParam) = start;
        if (m.LParam) *reinterpret_cast<int*>(m.LParam) = end;
        m.Result = MakeLParam(start, end);
        return true;
    }
    case EM_SETSEL: {
        // -1 as the start removes the selection; -1 as the end means the end of the text.
        if (w == -1) {
            anchor_ = caret_;
        } else {
            const std::size_t length = static_cast<std::size_t>(SendMessage(handle_, WM_GETTEXTLENGTH));
            const TMemoPos from = PosOfOffset(static_cast<std::size_t>(w));
            const TMemoPos to = PosOfOffset(l < 0 ? length : static_cast<std::size_t>(l));
            SetCaretPos(from);
            SetCaretPos(to, true);
        }
        Invalidate();
        return true;
    }
    case EM_REPLACESEL:
        SetSelText(m.LParam ? *reinterpret_cast<const std::string*>(m.LParam) : std::string());
        Modified = true;
        NotifyParent(EN_CHANGE);
        return true;
    case EM_LINEINDEX: {
        const int line = w < 0 ? caret_.Line : static_cast<int>(w);
        m.Result = line >= 0 && line < std::max(lines_->GetCount(), 1)
                       ? static_cast<LRESULT>(lines_->GetCount() ? TextOffset({line, 0}) : 0)
                       : -1;
        return true;
    }
    case EM_LINEFROMCHAR:
        m.Result = w < 0 ? caret_.Line : PosOfOffset(static_cast<std::size_t>(w)).Line;
        return true;
    case EM_LINELENGTH: {
        const int line = w < 0 ? caret_.Line : PosOfOffset(static_cast<std::size_t>(w)).Line;
        m.Result = lines_->GetCount() ? static_cast<LRESULT>(lines_->Line(line).size()) : 0;
        return true;
    }
    case EM_GETLINECOUNT:
        m.Result = std::max(lines_->GetCount(), 1);
        return true;
    case EM_GETLINE: {
        const int line = static_cast<int>(w);
        if (line < 0 || line >= lines_->GetCount() || !m.LParam) {
            m.Result = 0;
            return true;
        }
        *reinterpret_cast<std::string*>(m.LParam) = std::string(lines_->Line(line));
        m.Result = static_cast<LRESULT>(lines_->Line(line).size());
        return true;
    }
    case EM_GETFIRSTVISIBLELINE:
        m.Result = topLine_;
        return true;
    case EM_LINESCROLL:
        SetLeftOffset(leftOffset_ + static_cast<int>(w) * std::max(1, GetLineHeight() / 2));
        SetTopLine(topLine_ + static_cast<int>(l));
        m.Result = 1;
        return true;
    case EM_SCROLLCARET:
        SetCaretPos(caret_, true);
        m.Result = 1;
        return true;
    case EM_SETREADONLY:
        ReadOnly = m.WParam != 0;
        m.Result = 1;
        return true;
    case EM_GETMODIFY:
        m.Result = Modified ? 1 : 0;
        return true;
    case EM_SETMODIFY:
        Modified = m.WParam != 0;
        return true;
    case EM_CANUNDO:
        m.Result = 0; // the memo keeps no undo
        return true;
    case WM_COPY:
        CopyToClipboard();
        return true;
    case WM_CUT:
        CutToClipboard();
        return true;
    case WM_PASTE:
        PasteFromClipboard();
        return true;
    case WM_CLEAR:
        if (!ReadOnly) UserEdit({});
        return true;
    default:
        return false;
    }
}

} // namespace zorvy
