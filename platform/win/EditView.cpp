// What an edit shows: font metrics, word wrap, positions on screen, scrolling, its scroll bars, the
// caret and the painting of text, selection and the input method's composition.
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Encoding.h"
#include "platform/win/Caret.h"
#include "platform/win/EditInternal.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Styles.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {
namespace {

// The text a line shows: the password character for every character of a password edit.
std::string Shown(const TEditState& e, std::string_view text) {
    if (!e.passwordChar) return std::string(text);
    const std::string one = CodePointToUtf8(e.passwordChar);
    std::string out;
    for (std::size_t i = 0, n = CharCount(text); i < n; ++i)
        out += one;
    return out;
}

int Width(const TEditState& e, std::string_view text) {
    if (text.empty()) return 0;
    TSize size;
    GetTextExtentPoint32(e.measureDc, Shown(e, text), size);
    return size.cx;
}

std::string_view LineText(const TEditState& e, int line) {
    const TEditLine& l = e.lines.Line(line);
    return std::string_view(e.text).substr(l.start, l.length);
}

// Where a line's text starts, after alignment, before scrolling.
int AlignOffset(TEditState& e, int line) {
    const std::uint32_t style = GetWindowStyle(e.hwnd);
    if (!(style & (ES_CENTER | ES_RIGHT))) return 0;
    const int room = FormatRect(e).Width() - Width(e, LineText(e, line));
    if (room <= 0) return 0;
    return (style & ES_RIGHT) ? room : room / 2;
}

int LineLeft(TEditState& e, int line) {
    return FormatRect(e).Left + AlignOffset(e, line) - e.scrollX;
}

int LineTop(const TEditState& e, int line) {
    return FormatRect(e).Top + (line - e.firstLine) * e.lineHeight;
}

void SetBar(TEditState& e, int bar, int max, int page, int pos) {
    int* last = e.lastScroll[bar];
    if (last[0] == max && last[1] == page && last[2] == pos) return;
    last[0] = max, last[1] = page, last[2] = pos;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = max;
    si.nPage = static_cast<UINT>(page);
    si.nPos = pos;
    SetScrollInfo(e.hwnd, bar, si, true);
}

} // namespace

void UpdateFont(TEditState& e) {
    if (!e.measureDc) e.measureDc = CreateCompatibleDC(nullptr);
    SelectObject(e.measureDc, e.font ? e.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    TEXTMETRIC tm;
    GetTextMetrics(e.measureDc, tm);
    e.lineHeight = std::max(tm.tmHeight, 1);
}

TRect FormatRect(const TEditState& e) {
    TRect r;
    GetClientRect(e.hwnd, r);
    r.Left += e.marginLeft;
    r.Right = std::max(r.Left, r.Right - e.marginRight);
    if (!IsMultiLine(e)) {
        // One line sits in the middle of its height, as a field in a form expects.
        const int spare = r.Height() - e.lineHeight;
        if (spare > 0) r.Top += spare / 2;
    }
    return r;
}

int VisibleLines(const TEditState& e) {
    return std::max(1, FormatRect(e).Height() / e.lineHeight);
}

void RelayoutLines(TEditState& e) {
    if (WordWraps(e)) {
        const int width = std::max(FormatRect(e).Width(), 1);
        e.lines.SetWrap([&e, width](std::string_view line) -> std::size_t {
            int fit = 0;
            TSize size;
            const std::string shown = Shown(e, line);
            GetTextExtentExPoint(e.measureDc, shown, width, &fit, nullptr, size);
            if (size.cx <= width || e.passwordChar) return line.size();
            std::size_t cut = static_cast<std::size_t>(std::max(fit, 0));
            if (cut == 0) return NextCharIndex(line, 0);
            // Break after the last space that fits; a line without one breaks between characters.
            const std::size_t space = line.rfind(' ', cut - 1);
            if (space != std::string_view::npos && space > 0) return space + 1;
            return cut;
        });
    } else {
        e.lines.SetWrap(nullptr);
    }
    e.lines.Rebuild(e.text);
    e.firstLine = std::clamp(e.firstLine, 0, std::max(0, e.lines.Count() - 1));
}

int XInLine(TEditState& e, int line, std::size_t pos) {
    const TEditLine& l = e.lines.Line(line);
    pos = std::clamp(pos, l.start, l.start + l.length);
    return Width(e, std::string_view(e.text).substr(l.start, pos - l.start));
}

TPoint PosToPoint(TEditState& e, std::size_t pos) {
    const int line = e.lines.LineFromPos(pos);
    return {LineLeft(e, line) + XInLine(e, line, pos), LineTop(e, line)};
}

std::size_t PointToPos(TEditState& e, TPoint p) {
    const TRect fr = FormatRect(e);
    int line =
        e.firstLine + (p.Y < fr.Top ? -1 - (fr.Top - p.Y - 1) / e.lineHeight : (p.Y - fr.Top) / e.lineHeight);
    line = std::clamp(line, 0, e.lines.Count() - 1);
    const TEditLine& l = e.lines.Line(line);
    const int x = p.X - LineLeft(e, line);
    if (x <= 0 || l.length == 0) return l.start;
    const std::string shown = Shown(e, LineText(e, line));
    std::vector<int> extents;
    TSize size;
    GetTextExtentExPoint(e.measureDc, shown, 0, nullptr, &extents, size);
    // The boundary nearest to x: a click on a character's right half goes after it.
    std::size_t shownPos = 0, textPos = l.start;
    int left = 0;
    while (shownPos < shown.size()) {
        const std::size_t next = NextCharIndex(shown, shownPos);
        const int right = extents[next - 1];
        if (x < (left + right + 1) / 2) break;
        left = right;
        shownPos = next;
        textPos = NextPos(e.text, textPos);
    }
    return std::min(textPos, l.start + l.length);
}

bool ScrollToCaret(TEditState& e) {
    bool scrolled = false;
    const int line = e.lines.LineFromPos(e.caret);
    if (IsMultiLine(e)) {
        const int visible = VisibleLines(e);
        int first = e.firstLine;
        if (line < first) first = line;
        if (line >= first + visible) first = line - visible + 1;
        if (first != e.firstLine) {
            ScrollLines(e, first);
            scrolled = true;
        }
    }
    if (!WordWraps(e)) {
        const TRect fr = FormatRect(e);
        const int x =
            AlignOffset(e, line) + XInLine(e, line, e.caret) + (e.preedit.empty() ? 0 : Width(e, e.preedit));
        const int width = std::max(fr.Width(), 1);
        int scroll = e.scrollX;
        // Off either side, the view jumps a quarter of its width past the caret.
        if (x < scroll) scroll = std::max(0, x - width / 4);
        if (x >= scroll + width) scroll = x - width + width / 4;
        if (scroll != e.scrollX) {
            ScrollHorizontally(e, scroll);
            scrolled = true;
        }
    }
    return scrolled;
}

void ScrollLines(TEditState& e, int firstLine) {
    firstLine = std::clamp(firstLine, 0, std::max(0, e.lines.Count() - 1));
    if (firstLine == e.firstLine) return;
    e.firstLine = firstLine;
    InvalidateEdit(e);
    UpdateScrollBars(e);
    PlaceCaret(e);
    Notify(e, EN_VSCROLL);
}

void ScrollHorizontally(TEditState& e, int x) {
    x = std::max(0, x);
    if (x == e.scrollX) return;
    e.scrollX = x;
    InvalidateEdit(e);
    UpdateScrollBars(e);
    PlaceCaret(e);
    Notify(e, EN_HSCROLL);
}

void UpdateScrollBars(TEditState& e) {
    const std::uint32_t style = GetWindowStyle(e.hwnd);
    if (!(style & ES_MULTILINE)) return;
    if (style & WS_VSCROLL) SetBar(e, SB_VERT, e.lines.Count() - 1, VisibleLines(e), e.firstLine);
    if (style & WS_HSCROLL) {
        const int width = FormatRect(e).Width();
        e.maxLineWidth = std::max(e.maxLineWidth, e.scrollX + width);
        SetBar(e, SB_HORZ, e.maxLineWidth - 1, width, e.scrollX);
    }
}

void PlaceCaret(TEditState& e) {
    if (!e.focused) return;
    TPoint p = PosToPoint(e, e.caret);
    if (!e.preedit.empty())
        p.X += Width(e, std::string_view(e.preedit).substr(0, static_cast<std::size_t>(e.preeditCursor)));
    SetCaretPos(p.X, p.Y);
}

void InvalidateEdit(TEditState& e) {
    InvalidateRect(e.hwnd, nullptr, false);
}

void PaintEdit(TEditState& e, HDC dc) {
    HideCaret(e.hwnd);
    TRect client;
    GetClientRect(e.hwnd, client);
    const bool enabled = IsWindowEnabled(e.hwnd);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    HBRUSH background = GetSysColorBrush(enabled && !IsReadOnly(e) ? COLOR_WINDOW : COLOR_BTNFACE);
    // The parent decides the colours (a read-only or disabled edit asks as a static text would).
    if (HWND parent = GetParent(e.hwnd)) {
        const UINT ask = enabled && !IsReadOnly(e) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
        if (LRESULT brush =
                SendMessage(parent, ask, reinterpret_cast<WPARAM>(dc), static_cast<LPARAM>(e.hwnd)))
            background = reinterpret_cast<HBRUSH>(brush);
        if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    FillRect(dc, client, background);
    const COLORREF textColor = GetTextColor(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, e.font ? e.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    const TRect fr = FormatRect(e);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, fr.Left, client.Top, fr.Right, client.Bottom);
    const bool showSelection = e.focused || (GetWindowStyle(e.hwnd) & ES_NOHIDESEL);
    const std::size_t s0 = showSelection ? SelStart(e) : 0, s1 = showSelection ? SelEnd(e) : 0;
    const int caretLine = e.lines.LineFromPos(e.caret);
    const int last = std::min(e.lines.Count(), e.firstLine + VisibleLines(e) + 1);
    for (int line = IsMultiLine(e) ? e.firstLine : 0; line < last; ++line) {
        const TEditLine& l = e.lines.Line(line);
        const int y = LineTop(e, line);
        int x = LineLeft(e, line);
        auto run = [&](std::size_t from, std::size_t to, bool selected) {
            if (to <= from) return;
            const std::string shown = Shown(e, std::string_view(e.text).substr(from, to - from));
            TSize size;
            GetTextExtentPoint32(dc, shown, size);
            if (selected) {
                FillRect(dc, Bounds(x, y, size.cx, e.lineHeight), GetSysColorBrush(COLOR_HIGHLIGHT));
                SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            } else {
                SetTextColor(dc, textColor);
            }
            TextOut(dc, x, y, shown);
            x += size.cx;
        };
        const std::size_t a = l.start, b = l.start + l.length;
        if (line == caretLine && !e.preedit.empty()) {
            // The composition shows at the caret, underlined, inside the text.
            run(a, e.caret, false);
            TSize size;
            GetTextExtentPoint32(dc, e.preedit, size);
            SetTextColor(dc, textColor);
            TextOut(dc, x, y, e.preedit);
            HPEN pen = CreatePen(PS_SOLID, 1, textColor);
            HGDIOBJ old = SelectObject(dc, pen);
            MoveToEx(dc, x, y + e.lineHeight - 1, nullptr);
            LineTo(dc, x + size.cx, y + e.lineHeight - 1);
            SelectObject(dc, old);
            DeleteObject(pen);
            x += size.cx;
            run(e.caret, b, false);
        } else {
            run(a, std::clamp(s0, a, b), false);
            run(std::clamp(s0, a, b), std::clamp(s1, a, b), true);
            run(std::clamp(s1, a, b), b, false);
        }
        // A selected line break shows as a little selected space.
        if (s0 <= b && s1 > b && l.breakLength)
            FillRect(dc, Bounds(x, y, std::max(2, e.lineHeight / 4), e.lineHeight),
                     GetSysColorBrush(COLOR_HIGHLIGHT));
        e.maxLineWidth = std::max(e.maxLineWidth, x + e.scrollX - fr.Left);
    }
    RestoreDC(dc, saved);
    ShowCaret(e.hwnd);
}

} // namespace zorvy
