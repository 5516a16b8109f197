// The EDIT window class: single- and multi-line text editing drawn by the window system, driven by
// the EM_ messages, the text and clipboard messages, keys, the mouse and the input method.
#include "platform/gdi/DeviceContext.h"
#include "platform/rtl/Encoding.h"
#include "platform/win/Caret.h"
#include "platform/win/ClassPainting.h"
#include "platform/win/EditInternal.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemClasses.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace zorvy {
namespace {

// The edits' states by window: a control wrapping the class keeps the window's user data for itself.
std::unordered_map<HWND, std::unique_ptr<TEditState>>& EditStates() {
    static std::unordered_map<HWND, std::unique_ptr<TEditState>> states;
    return states;
}

TEditState& CreateEditState(HWND hwnd) {
    auto& slot = EditStates()[hwnd];
    if (!slot) {
        slot = std::make_unique<TEditState>();
        slot->hwnd = hwnd;
        if (GetWindowStyle(hwnd) & ES_PASSWORD) slot->passwordChar = U'*';
        UpdateFont(*slot);
        RelayoutLines(*slot);
    }
    return *slot;
}

void DestroyEditState(HWND hwnd) {
    auto it = EditStates().find(hwnd);
    if (it == EditStates().end()) return;
    if (it->second->measureDc) DeleteDC(it->second->measureDc);
    EditStates().erase(it);
}

std::size_t PosArg(const TEditState& e, WPARAM w) {
    const auto v = static_cast<std::intptr_t>(w);
    return v < 0 ? e.text.size() : SnapPos(e.text, static_cast<std::size_t>(v));
}

int LineArg(const TEditState& e, WPARAM w) {
    const auto v = static_cast<std::intptr_t>(w);
    return v < 0 ? e.lines.LineFromPos(e.caret) : static_cast<int>(v);
}

void ScrollEdit(TEditState& e, UINT msg, WPARAM wParam) {
    const int code = LoWord(wParam);
    if (msg == WM_VSCROLL) {
        SCROLLINFO si;
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(e.hwnd, SB_VERT, si);
        const int page = VisibleLines(e);
        int first = e.firstLine;
        switch (code) {
        case SB_LINEUP:
            first -= 1;
            break;
        case SB_LINEDOWN:
            first += 1;
            break;
        case SB_PAGEUP:
            first -= page;
            break;
        case SB_PAGEDOWN:
            first += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            first = si.nTrackPos;
            break;
        case SB_TOP:
            first = 0;
            break;
        case SB_BOTTOM:
            first = e.lines.Count() - page;
            break;
        default:
            return;
        }
        ScrollLines(e, std::min(first, std::max(0, e.lines.Count() - page)));
        return;
    }
    SCROLLINFO si;
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(e.hwnd, SB_HORZ, si);
    const int page = FormatRect(e).Width();
    int x = e.scrollX;
    const int step = std::max(1, e.lineHeight / 2);
    switch (code) {
    case SB_LINEUP:
        x -= step;
        break;
    case SB_LINEDOWN:
        x += step;
        break;
    case SB_PAGEUP:
        x -= page;
        break;
    case SB_PAGEDOWN:
        x += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        x = si.nTrackPos;
        break;
    case SB_TOP:
        x = 0;
        break;
    case SB_BOTTOM:
        x = std::max(0, e.maxLineWidth - page);
        break;
    default:
        return;
    }
    ScrollHorizontally(e, x);
}

LRESULT EditProc(TEditState& e, UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = e.hwnd;
    switch (msg) {
    case WM_NCCREATE:
        if (lParam) SetEditText(e, reinterpret_cast<const CREATESTRUCT*>(lParam)->text, false);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
        if (GetFocus() == hwnd || e.focused) DestroyCaret();
        DestroyEditState(hwnd);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SIZE:
        RelayoutLines(e);
        ScrollToCaret(e);
        UpdateScrollBars(e);
        PlaceCaret(e);
        InvalidateEdit(e);
        return 0;
    case WM_SETFONT:
        e.font = reinterpret_cast<HFONT>(wParam);
        UpdateFont(e);
        RelayoutLines(e);
        DefWindowProc(hwnd, msg, wParam, lParam);
        if (e.focused) {
            CreateCaret(hwnd, 1, e.lineHeight);
            ShowCaret(hwnd);
        }
        UpdateScrollBars(e);
        PlaceCaret(e);
        if (lParam) InvalidateEdit(e);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(e.font);
    case WM_SETTEXT:
        SetEditText(e, lParam ? *reinterpret_cast<const std::string*>(lParam) : std::string());
        return 1;
    case WM_GETTEXT:
        if (lParam) *reinterpret_cast<std::string*>(lParam) = e.text;
        return static_cast<LRESULT>(e.text.size());
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(e.text.size());
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintSystemClass(hwnd, wParam, [&](HDC dc) { PaintEdit(e, dc); });
    case WM_SETFOCUS:
        e.focused = true;
        CreateCaret(hwnd, 1, e.lineHeight);
        PlaceCaret(e);
        ShowCaret(hwnd);
        if (e.anchor != e.caret) InvalidateEdit(e);
        Notify(e, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        e.focused = false;
        e.preedit.clear();
        DestroyCaret();
        if (e.anchor != e.caret) InvalidateEdit(e);
        Notify(e, EN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        InvalidateEdit(e);
        return 0;
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        if ((GetWindowStyle(hwnd) & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN))
            code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_KEYDOWN:
        EditKeyDown(e, wParam);
        return 0;
    case WM_CHAR:
        EditChar(e, static_cast<char32_t>(wParam));
        return 0;
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
        EditComposition(e);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        EditMouseDown(e, {GetXLParam(lParam), GetYLParam(lParam)}, (wParam & MK_SHIFT) != 0,
                      msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        EditMouseMove(e, {GetXLParam(lParam), GetYLParam(lParam)});
        return 0;
    case WM_LBUTTONUP:
        if (e.selecting && GetCapture() == hwnd) ReleaseCapture();
        e.selecting = false;
        return 0;
    case WM_CAPTURECHANGED:
        e.selecting = false;
        return 0;
    case WM_MOUSEWHEEL:
        if (!IsMultiLine(e)) return DefWindowProc(hwnd, msg, wParam, lParam);
        ScrollLines(e, e.firstLine - GetWheelDeltaWParam(wParam) / 120 * 3);
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (IsMultiLine(e)) ScrollEdit(e, msg, wParam);
        return 0;
    case WM_CUT:
        if (IsReadOnly(e) || e.passwordChar) return 0;
        CopySelection(e);
        ReplaceRange(e, SelStart(e), SelEnd(e), {}, TEditChangeKind::Paste);
        return 0;
    case WM_COPY:
        CopySelection(e);
        return 0;
    case WM_PASTE:
        PasteClipboard(e);
        return 0;
    case WM_CLEAR:
        ReplaceRange(e, SelStart(e), SelEnd(e), {}, TEditChangeKind::Paste);
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        return UndoEdit(e) ? 1 : 0;
    case EM_CANUNDO:
        return e.undo.valid ? 1 : 0;
    case EM_EMPTYUNDOBUFFER:
        e.undo = {};
        return 0;
    case EM_GETSEL: {
        // The full values through the pointers; the result packs them as 16-bit halves.
        const auto s = static_cast<int>(SelStart(e)), t = static_cast<int>(SelEnd(e));
        if (wParam) *reinterpret_cast<int*>(wParam) = s;
        if (lParam) *reinterpret_cast<int*>(lParam) = t;
        return MakeLParam(s, t);
    }
    case EM_SETSEL: {
        if (static_cast<std::intptr_t>(wParam) == -1) {
            SetSelection(e, e.caret, e.caret);
            return 0;
        }
        const std::size_t anchor = PosArg(e, wParam);
        SetSelection(e, anchor, PosArg(e, static_cast<WPARAM>(lParam)));
        return 0;
    }
    case EM_REPLACESEL:
        ReplaceRange(e, SelStart(e), SelEnd(e),
                     lParam ? SanitizeUtf8(*reinterpret_cast<const std::string*>(lParam)) : "",
                     TEditChangeKind::Program);
        if (!wParam && FindEditState(hwnd)) e.undo = {};
        return 0;
    case EM_LIMITTEXT:
        e.limit = wParam ? static_cast<std::size_t>(wParam) : 0x7FFFFFFE;
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(e.limit);
    case EM_SETMARGINS: {
        const int average = std::max(1, e.lineHeight / 4);
        if (wParam & EC_LEFTMARGIN)
            e.marginLeft =
                LoWord(wParam) == EC_USEFONTINFO ? average : LoWord(static_cast<std::uintptr_t>(lParam));
        if (wParam & EC_RIGHTMARGIN)
            e.marginRight =
                LoWord(wParam) == EC_USEFONTINFO ? average : HiWord(static_cast<std::uintptr_t>(lParam));
        RelayoutLines(e);
        PlaceCaret(e);
        InvalidateEdit(e);
        return 0;
    }
    case EM_GETMARGINS:
        return MakeLParam(e.marginLeft, e.marginRight);
    case EM_SETPASSWORDCHAR:
        e.passwordChar = static_cast<char32_t>(wParam);
        SetWindowStyle(hwnd,
                       wParam ? (GetWindowStyle(hwnd) | ES_PASSWORD) : (GetWindowStyle(hwnd) & ~ES_PASSWORD));
        RelayoutLines(e);
        PlaceCaret(e);
        InvalidateEdit(e);
        return 0;
    case EM_GETPASSWORDCHAR:
        return static_cast<LRESULT>(e.passwordChar);
    case EM_SETREADONLY:
        SetWindowStyle(hwnd,
                       wParam ? (GetWindowStyle(hwnd) | ES_READONLY) : (GetWindowStyle(hwnd) & ~ES_READONLY));
        InvalidateEdit(e);
        return 1;
    case EM_GETMODIFY:
        return e.modified ? 1 : 0;
    case EM_SETMODIFY:
        e.modified = wParam != 0;
        return 0;
    case EM_GETLINECOUNT:
        return e.lines.Count();
    case EM_LINEFROMCHAR: {
        const auto v = static_cast<std::intptr_t>(wParam);
        return e.lines.LineFromPos(v < 0 ? SelStart(e)
                                         : std::min(static_cast<std::size_t>(v), e.text.size()));
    }
    case EM_LINEINDEX: {
        const int line = LineArg(e, wParam);
        return line < e.lines.Count() ? static_cast<LRESULT>(e.lines.Line(line).start) : -1;
    }
    case EM_LINELENGTH: {
        const auto v = static_cast<std::intptr_t>(wParam);
        if (v < 0) {
            // The unselected rest of the lines the selection touches.
            const TEditLine& a = e.lines.Line(e.lines.LineFromPos(SelStart(e)));
            const TEditLine& b = e.lines.Line(e.lines.LineFromPos(SelEnd(e)));
            return static_cast<LRESULT>((SelStart(e) - a.start) +
                                        (b.start + b.length - std::min(SelEnd(e), b.start + b.length)));
        }
        return static_cast<LRESULT>(
            e.lines.Line(e.lines.LineFromPos(std::min(static_cast<std::size_t>(v), e.text.size()))).length);
    }
    case EM_GETLINE: {
        const int line = static_cast<int>(wParam);
        if (line < 0 || line >= e.lines.Count() || !lParam) return 0;
        const TEditLine& l = e.lines.Line(line);
        *reinterpret_cast<std::string*>(lParam) = e.text.substr(l.start, l.length);
        return static_cast<LRESULT>(l.length);
    }
    case EM_GETFIRSTVISIBLELINE:
        if (IsMultiLine(e)) return e.firstLine;
        return static_cast<LRESULT>(PointToPos(e, {FormatRect(e).Left, FormatRect(e).Top}));
    case EM_LINESCROLL:
        if (!IsMultiLine(e)) return 0;
        ScrollHorizontally(e, e.scrollX + static_cast<int>(static_cast<std::intptr_t>(wParam)) *
                                              std::max(1, e.lineHeight / 2));
        ScrollLines(e, e.firstLine + static_cast<int>(lParam));
        return 1;
    case EM_SCROLLCARET:
        ScrollToCaret(e);
        return 1;
    case EM_POSFROMCHAR: {
        const std::size_t pos = static_cast<std::size_t>(wParam);
        if (pos > e.text.size()) return -1;
        const TPoint p = PosToPoint(e, SnapPos(e.text, pos));
        return MakeLParam(p.X, p.Y);
    }
    case EM_CHARFROMPOS: {
        const std::size_t pos = PointToPos(e, {GetXLParam(lParam), GetYLParam(lParam)});
        if (wParam) *reinterpret_cast<int*>(wParam) = static_cast<int>(pos);
        return MakeLParam(static_cast<int>(pos), e.lines.LineFromPos(pos));
    }
    case EM_GETRECT:
        if (lParam) *reinterpret_cast<TRect*>(lParam) = FormatRect(e);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace

TEditState* FindEditState(HWND hwnd) {
    auto it = EditStates().find(hwnd);
    return it == EditStates().end() ? nullptr : it->second.get();
}

LRESULT EditClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY && !FindEditState(hwnd)) return DefWindowProc(hwnd, msg, wParam, lParam);
    return EditProc(CreateEditState(hwnd), msg, wParam, lParam);
}

} // namespace zorvy
