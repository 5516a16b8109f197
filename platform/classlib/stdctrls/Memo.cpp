#include "platform/classlib/stdctrls/Memo.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/FrameControls.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Encoding.h"
#include "platform/classlib/stdctrls/StdPaint.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Windows.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>

namespace zorvy {
namespace {

constexpr int TextMargin = 2; // between the border and the text
// Posted to itself after lines change: the scroll bars catch up once per batch of changes.
constexpr UINT WM_MEMOSCROLLBARS = WM_USER + 0x4D0;

} // namespace

TMemo::TMemo(TComponent* owner) : TCustomControl(owner), lines_(std::make_unique<TMemoLines>()) {
    ControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
    color_ = clWindow;
    tabStop_ = true;
    cursor_ = crIBeam;
    SetBounds(0, 0, 185, 89);
    lines_->OnLinesChange = [this](TMemoLines::TChange change, int firstLine) { LinesChanged(change, firstLine); };
}

TMemo::~TMemo() {
    Destroying();
    lines_->OnLinesChange = nullptr;
}

void TMemo::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.exStyle |= WS_EX_CLIENTEDGE;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) p.style |= WS_HSCROLL;
}

void TMemo::CreateWnd() {
    TCustomControl::CreateWnd();
    visibleLines_ = 0;
    UpdateScrollBars();
}

void TMemo::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_) return;
    scrollBars_ = value;
    visibleLines_ = 0;
    if (HandleAllocated()) RecreateWnd();
}

int TMemo::GetLineHeight() const {
    if (lineHeight_ == 0) {
        lineHeight_ = std::max(1, FontTextHeight(*font_));
    }
    return lineHeight_;
}

TRect TMemo::TextRect() const {
    TRect r = GetClientRect();
    InflateRect(r, -TextMargin, 0);
    r.Top += 1;
    if (r.Right < r.Left) r.Right = r.Left;
    return r;
}

int TMemo::GetVisibleLineCount() const {
    if (visibleLines_ == 0) visibleLines_ = std::max(1, TextRect().Height() / GetLineHeight());
    return visibleLines_;
}

int TMemo::MaxTopLine() const {
    return std::max(0, GetRowCount() - GetVisibleLineCount());
}

void TMemo::SetTopLine(int row) {
    row = std::clamp(row, 0, MaxTopLine());
    if (row == topLine_) return;
    topLine_ = row;
    UpdateScrollBars();
    Invalidate();
    NotifyParent(EN_VSCROLL);
}

void TMemo::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    rowsValid_ = false;
    leftOffset_ = 0;
    topLine_ = std::clamp(RowOf({RowAt(topLine_).Line, 0}), 0, MaxTopLine());
    UpdateScrollBars();
    Invalidate();
}

// ---- Rows ----

int TMemo::GetRowCount() const {
    if (!wordWrap_) return lines_->GetCount();
    EnsureRows();
    return static_cast<int>(rows_.size());
}

TMemo::TRow TMemo::RowAt(int row) const {
    if (!wordWrap_) {
        if (row < 0 || row >= lines_->GetCount()) return {0, 0, 0};
        return {row, 0, static_cast<int>(lines_->Line(row).size())};
    }
    EnsureRows();
    if (row < 0 || row >= static_cast<int>(rows_.size())) return {0, 0, 0};
    return rows_[static_cast<std::size_t>(row)];
}

int TMemo::RowOf(TMemoPos pos) const {
    if (!wordWrap_) return pos.Line;
    EnsureRows();
    // The last row that starts at or before pos: a position where a row wraps opens the next row.
    auto it = std::upper_bound(rows_.begin(), rows_.end(), pos, [](const TMemoPos& p, const TRow& r) {
        return p.Line < r.Line || (p.Line == r.Line && p.Offset < r.Start);
    });
    return std::max(0, static_cast<int>(it - rows_.begin()) - 1);
}

void TMemo::EnsureRows() const {
    if (rowsValid_) return;
    rowsValid_ = true;
    rows_.clear();
    rows_.reserve(static_cast<std::size_t>(lines_->GetCount()));
    const int width = std::max(1, TextRect().Width());
    HDC dc = CreateScreenDC();
    HFONT old = SelectObject(dc, font_->GetHandle());
    for (int line = 0; line < lines_->GetCount(); ++line) {
        const std::string_view s = lines_->Line(line);
        // Most lines surely fit, as the bound of their width tells without measuring them.
        const int bound = GetTextExtentBound(dc, s);
        if (bound >= 0 && bound <= width) {
            rows_.push_back({line, 0, static_cast<int>(s.size())});
            continue;
        }
        int start = 0;
        do {
            const std::string_view rest = s.substr(static_cast<std::size_t>(start));
            int fit = 0;
            TSize size;
            GetTextExtentExPoint(dc, rest, width, &fit, nullptr, size);
            int end = start + fit;
            if (end < static_cast<int>(s.size())) {
                // Break after the last blank that fits; a word longer than the view breaks where
                // it must, but a row holds at least one character.
                const std::size_t blank = s.substr(0, static_cast<std::size_t>(end)).find_last_of(' ');
                if (blank != std::string_view::npos && static_cast<int>(blank) >= start) end = static_cast<int>(blank) + 1;
                if (end <= start) end = static_cast<int>(NextCharIndex(s, static_cast<std::size_t>(start)));
            }
            rows_.push_back({line, start, end});
            start = end;
        } while (start < static_cast<int>(s.size()));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
}

int TMemo::RowExtent(const TRow& row, int offset) const {
    HDC dc = CreateScreenDC();
    HFONT old = SelectObject(dc, font_->GetHandle());
    TSize size{};
    const std::string_view s = lines_->Line(row.Line);
    GetTextExtentPoint32(dc, s.substr(static_cast<std::size_t>(row.Start), static_cast<std::size_t>(offset - row.Start)), size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size.cx;
}

int TMemo::OffsetAtX(const TRow& row, int x) const {
    const std::string_view s =
        lines_->Line(row.Line).substr(static_cast<std::size_t>(row.Start), static_cast<std::size_t>(row.End - row.Start));
    HDC dc = CreateScreenDC();
    HFONT old = SelectObject(dc, font_->GetHandle());
    int fit = 0;
    std::vector<int> extents;
    TSize size;
    GetTextExtentExPoint(dc, s, std::max(0, x), &fit, &extents, size);
    SelectObject(dc, old);
    DeleteDC(dc);
    int offset = fit;
    if (offset < static_cast<int>(s.size())) {
        // The nearer of the two boundaries around the point.
        const int before = offset > 0 ? extents[static_cast<std::size_t>(offset) - 1] : 0;
        const int next = static_cast<int>(NextCharIndex(s, static_cast<std::size_t>(offset)));
        const int after = extents[static_cast<std::size_t>(next) - 1];
        if (x - before > after - x) offset = next;
    }
    // A wrapped row's end is the next row's start: the caret stays on this row before its last blank.
    if (wordWrap_ && row.Start + offset == row.End && row.End < static_cast<int>(lines_->Line(row.Line).size()) && offset > 0)
        offset = static_cast<int>(PrevCharIndex(s, static_cast<std::size_t>(offset)));
    return row.Start + offset;
}

void TMemo::ScrollRowInView(int row) {
    if (row < topLine_)
        SetTopLine(row);
    else if (row >= topLine_ + GetVisibleLineCount())
        SetTopLine(row - GetVisibleLineCount() + 1);
}

void TMemo::SetLeftOffset(int pixels) {
    pixels = std::clamp(pixels, 0, std::max(0, TextWidth() - TextRect().Width()));
    if (pixels == leftOffset_) return;
    leftOffset_ = pixels;
    UpdateScrollBars();
    Invalidate();
    NotifyParent(EN_HSCROLL);
}

int TMemo::TextExtentOf(int line, int offset) const {
    HDC dc = CreateScreenDC();
    HFONT old = SelectObject(dc, font_->GetHandle());
    TSize size{};
    GetTextExtentPoint32(dc, lines_->Line(line).substr(0, static_cast<std::size_t>(offset)), size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size.cx;
}

int TMemo::TextWidth() const {
    if (wordWrap_) return 0;
    const int longest = lines_->LongestLine();
    if (longest < 0) return 0;
    // A little room after the longest line for the caret at its end.
    return TextExtentOf(longest, static_cast<int>(lines_->Line(longest).size())) + 2;
}

void TMemo::ScrollInView(int line) {
    ScrollRowInView(RowOf({line, 0}));
}

TMemoPos TMemo::Clamp(TMemoPos pos) const {
    const int count = lines_->GetCount();
    if (count == 0) return {};
    pos.Line = std::clamp(pos.Line, 0, count - 1);
    const std::string_view s = lines_->Line(pos.Line);
    pos.Offset = std::clamp(pos.Offset, 0, static_cast<int>(s.size()));
    // A position inside a character moves to its start: no character is ever split.
    while (pos.Offset > 0 && pos.Offset < static_cast<int>(s.size()) &&
           IsTrailByte(static_cast<unsigned char>(s[static_cast<std::size_t>(pos.Offset)])))
        --pos.Offset;
    return pos;
}

void TMemo::SetCaretPos(TMemoPos pos, bool extend) {
    caret_ = Clamp(pos);
    if (!extend) anchor_ = caret_;
    ScrollRowInView(RowOf(caret_));
    // The caret's column comes into view too.
    if (lines_->GetCount() > 0 && !wordWrap_) {
        const int x = TextExtentOf(caret_.Line, caret_.Offset);
        const int width = TextRect().Width();
        if (x < leftOffset_)
            SetLeftOffset(x);
        else if (x >= leftOffset_ + width)
            SetLeftOffset(x - width + 1);
    }
    Invalidate();
}

std::size_t TMemo::TextOffset(TMemoPos pos) const {
    // Every line before pos carries its CR LF; the buffer knows where each line starts.
    if (lines_->GetCount() == 0) return 0;
    pos = Clamp(pos);
    const std::size_t before = static_cast<std::size_t>(lines_->Line(pos.Line).data() - lines_->Line(0).data());
    return before + static_cast<std::size_t>(pos.Line) * 2 + static_cast<std::size_t>(pos.Offset);
}

std::string TMemo::GetSelText() const {
    const TMemoPos from = GetSelStartPos(), to = GetSelEndPos();
    if (from == to || lines_->GetCount() == 0) return {};
    std::string text;
    text.reserve(GetSelLength());
    for (int line = from.Line; line <= to.Line; ++line) {
        const std::string_view s = lines_->Line(line);
        const auto begin = static_cast<std::size_t>(line == from.Line ? from.Offset : 0);
        const std::size_t end = line == to.Line ? static_cast<std::size_t>(to.Offset) : s.size();
        text.append(s.substr(begin, end - begin));
        if (line != to.Line) text.append("\r\n");
    }
    return text;
}

void TMemo::SelectAll() {
    const int count = lines_->GetCount();
    anchor_ = {};
    caret_ = count ? TMemoPos{count - 1, static_cast<int>(lines_->Line(count - 1).size())} : TMemoPos{};
    Invalidate();
}

void TMemo::CopyToClipboard() {
    const std::string text = GetSelText();
    if (!text.empty()) SetClipboardText(text);
}

void TMemo::LinesChanged(TMemoLines::TChange change, int firstLine) {
    // The scroll bars follow once the messages waiting now are handled: a run appends a million
    // lines, one at a time.
    if (HandleAllocated() && !barsPending_) {
        barsPending_ = true;
        PostMessage(handle_, WM_MEMOSCROLLBARS);
    }
    rowsValid_ = false;
    // A line appended below the view changes nothing else.
    if (!wordWrap_ && change == TMemoLines::TChange::Appended && firstLine >= topLine_ + GetVisibleLineCount()) return;
    caret_ = Clamp(caret_);
    anchor_ = Clamp(anchor_);
    // The first row is always in range: the rows are then only laid out when something needs them,
    // at the width the memo has by then.
    if (topLine_ > 0) topLine_ = std::clamp(topLine_, 0, MaxTopLine());
    Invalidate();
}

TMemoPos TMemo::PosAtPoint(TPoint client) const {
    const TRect text = TextRect();
    if (lines_->GetCount() == 0) return {};
    const int visual = client.Y < text.Top ? -1 : (client.Y - text.Top) / GetLineHeight();
    const TRow row = RowAt(std::clamp(topLine_ + visual, 0, GetRowCount() - 1));
    return {row.Line, OffsetAtX(row, client.X - text.Left + leftOffset_)};
}

void TMemo::Paint() {
    TCanvas* c = GetCanvas();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(color_);
    c->FillRect(GetClientRect());
    const TRect text = TextRect();
    c->SetFont(GetFont());
    HDC dc = c->GetHandle();
    IntersectClipRect(dc, text.Left, text.Top, text.Right, text.Bottom);
    const int h = GetLineHeight();
    const int x0 = text.Left - leftOffset_;
    const int last = std::min(GetRowCount(), topLine_ + GetVisibleLineCount() + 1);
    const TMemoPos from = GetSelStartPos(), to = GetSelEndPos();
    const COLORREF textColor = ColorToRGB(enabled_ ? font_->GetColor() : clGrayText);
    for (int visual = topLine_; visual < last; ++visual) {
        const TRow row = RowAt(visual);
        const int line = row.Line;
        const std::string_view s = lines_->Line(line).substr(0, static_cast<std::size_t>(row.End));
        const int y = text.Top + (visual - topLine_) * h;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, textColor);
        TextOut(dc, x0, y, s.substr(static_cast<std::size_t>(row.Start)));
        const TMemoPos rowFrom{line, row.Start}, rowTo{line, row.End};
        if (from == to || to < rowFrom || from > rowTo) continue;
        // The selected part again, in the highlight colours over its own background; a selected line
        // break shows as a little room after the text.
        const int begin = std::max(from, rowFrom).Offset;
        const int end = std::min(to, rowTo).Offset;
        if (end < begin || (end == begin && !(line != to.Line && row.End == static_cast<int>(lines_->Line(line).size()))))
            continue;
        TSize lead{}, part{};
        GetTextExtentPoint32(dc, s.substr(static_cast<std::size_t>(row.Start), static_cast<std::size_t>(begin - row.Start)), lead);
        GetTextExtentPoint32(dc, s.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)), part);
        const bool breakSelected = line != to.Line && row.End == static_cast<int>(lines_->Line(line).size());
        const int breakRoom = breakSelected ? 4 : 0;
        TRect sel = Rect(x0 + lead.cx, y, x0 + lead.cx + part.cx + breakRoom, y + h);
        SetBkColor(dc, ColorToRGB(clHighlight));
        SetTextColor(dc, ColorToRGB(clHighlightText));
        ExtTextOut(dc, sel.Left, y, ETO_OPAQUE | ETO_CLIPPED, &sel,
                   s.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)));
    }
    const int caretRow = lines_->GetCount() > 0 ? RowOf(caret_) : -1;
    if (Focused() && !ReadOnly && caretRow >= topLine_ && caretRow < last) {
        const int x = x0 + RowExtent(RowAt(caretRow), caret_.Offset);
        const int y = text.Top + (caretRow - topLine_) * h;
        c->GetBrush()->SetColor(font_->GetColor());
        c->FillRect(Rect(x, y, x + 1, y + h));
    }
    SelectClipRgn(dc, nullptr);
}

// ---- The scroll bars ----

void TMemo::UpdateScrollBars() {
    if (!HandleAllocated()) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    // By the memo's own setting: the window style loses a bar while there is nothing to scroll.
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) {
        si.nMin = 0;
        si.nMax = std::max(0, GetRowCount() - 1);
        si.nPage = static_cast<UINT>(GetVisibleLineCount());
        si.nPos = topLine_;
        SetScrollInfo(handle_, SB_VERT, si, true);
    }
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) {
        si.nMin = 0;
        si.nMax = std::max(0, TextWidth() - 1);
        si.nPage = static_cast<UINT>(std::max(1, TextRect().Width()));
        si.nPos = leftOffset_;
        SetScrollInfo(handle_, SB_HORZ, si, true);
    }
    // A bar that came or went changed the view's size.
    visibleLines_ = 0;
}

void TMemo::ScrollMessage(TMessage& m, bool vertical) {
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(handle_, vertical ? SB_VERT : SB_HORZ, si);
    const int line = vertical ? 1 : std::max(1, GetLineHeight() / 2);
    const int page = vertical ? GetVisibleLineCount() : std::max(1, TextRect().Width() - line);
    const int now = vertical ? topLine_ : leftOffset_;
    int to = now;
    switch (LoWord(m.WParam)) {
    case SB_LINEUP: to = now - line; break;
    case SB_LINEDOWN: to = now + line; break;
    case SB_PAGEUP: to = now - page; break;
    case SB_PAGEDOWN: to = now + page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: to = si.nTrackPos; break;
    case SB_TOP: to = 0; break;
    case SB_BOTTOM: to = vertical ? GetRowCount() : TextWidth(); break;
    default: return;
    }
    if (vertical)
        SetTopLine(to);
    else
        SetLeftOffset(to);
}

// ---- Input ----

void TMemo::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const bool extend = (shift & ssShift) != 0;
    const int page = GetVisibleLineCount();
    const int count = lines_->GetCount();
    TMemoPos pos = caret_;
    // Up and down move by rows, keeping the caret's distance from the row's start.
    auto byRows = [&](int rows) {
        if (!count) return;
        const int now = RowOf(caret_);
        const TRow target = RowAt(std::clamp(now + rows, 0, GetRowCount() - 1));
        pos = {target.Line, OffsetAtX(target, RowExtent(RowAt(now), caret_.Offset))};
    };
    switch (key) {
    case VK_UP: byRows(-1); break;
    case VK_DOWN: byRows(1); break;
    case VK_PRIOR: byRows(-page); break;
    case VK_NEXT: byRows(page); break;
    case VK_HOME:
        if (shift & ssCtrl)
            pos = {};
        else if (count)
            pos.Offset = RowAt(RowOf(caret_)).Start;
        break;
    case VK_END:
        if (shift & ssCtrl) {
            pos.Line = count - 1;
            pos.Offset = count ? static_cast<int>(lines_->Line(count - 1).size()) : 0;
        } else if (count) {
            // The end of a wrapped row is before its last blank; of a line, its end.
            const TRow row = RowAt(RowOf(caret_));
            pos.Offset = row.End == static_cast<int>(lines_->Line(row.Line).size())
                             ? row.End
                             : static_cast<int>(PrevCharIndex(lines_->Line(row.Line), static_cast<std::size_t>(row.End)));
        }
        break;
    case VK_LEFT:
        if (pos.Offset > 0) pos.Offset = static_cast<int>(PrevCharIndex(lines_->Line(pos.Line), static_cast<std::size_t>(pos.Offset)));
        break;
    case VK_RIGHT:
        if (count && pos.Offset < static_cast<int>(lines_->Line(pos.Line).size()))
            pos.Offset = static_cast<int>(NextCharIndex(lines_->Line(pos.Line), static_cast<std::size_t>(pos.Offset)));
        break;
    case 'A':
        if (shift == ssCtrl) SelectAll();
        return;
    case 'C':
    case VK_INSERT:
        if (shift == ssCtrl) CopyToClipboard();
        if (key == VK_INSERT && shift == ssShift && !ReadOnly) PasteFromClipboard();
        return;
    case 'X':
        if (shift == ssCtrl && !ReadOnly) CutToClipboard();
        return;
    case 'V':
        if (shift == ssCtrl && !ReadOnly) PasteFromClipboard();
        return;
    case VK_DELETE:
        if (ReadOnly) return;
        // Without a selection, Delete takes the character after the caret (or the line break).
        if (anchor_ == caret_ && count) {
            const std::string_view s = lines_->Line(caret_.Line);
            if (caret_.Offset < static_cast<int>(s.size()))
                anchor_.Offset = static_cast<int>(NextCharIndex(s, static_cast<std::size_t>(caret_.Offset)));
            else if (caret_.Line + 1 < count)
                anchor_ = {caret_.Line + 1, 0};
        }
        UserEdit({});
        key = 0;
        return;
    default:
        return;
    }
    SetCaretPos(pos, extend);
    key = 0;
}

void TMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TMemo> self(this);
    if (CanFocus() && !Focused()) SetFocus();
    if (!self) return;
    TCustomControl::MouseDown(button, shift, x, y);
    if (!self || button != mbLeft) return;
    if (!PtInRect(GetClientRect(), {x, y})) return;
    SetCaretPos(PosAtPoint({x, y}), (shift & ssShift) != 0);
    selecting_ = true;
}

void TMemo::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TMemo> self(this);
    TCustomControl::MouseMove(shift, x, y);
    if (!self) return;
    if (selecting_) SetCaretPos(PosAtPoint({x, y}), true);
}

void TMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft) return;
    selecting_ = false;
}

bool TMemo::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
    SetTopLine(topLine_ - wheelDelta / 120 * 3);
    return true;
}

void TMemo::Dispatch(TMessage& m) {
    if (EditMessage(m)) return;
    switch (m.Msg) {
    case WM_GETDLGCODE:
        // An editable memo keeps Enter for its line breaks, and Tab when it types tabs.
        m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (ReadOnly || !WantReturns ? 0 : DLGC_WANTALLKEYS) |
                   (WantTabs && !ReadOnly ? DLGC_WANTTAB : 0);
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(m);
        Invalidate();
        return;
    case CM_FONTCHANGED:
    case CM_PARENTFONTCHANGED:
        lineHeight_ = 0;
        visibleLines_ = 0;
        rowsValid_ = false;
        TCustomControl::Dispatch(m);
        return;
    case WM_SIZE:
        visibleLines_ = 0;
        rowsValid_ = false;
        TCustomControl::Dispatch(m);
        SetTopLine(topLine_);
        UpdateScrollBars();
        return;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (m.LParam == 0) {
            ScrollMessage(m, m.Msg == WM_VSCROLL);
            return;
        }
        TCustomControl::Dispatch(m);
        return;
    case WM_MEMOSCROLLBARS:
        barsPending_ = false;
        UpdateScrollBars();
        return;
    default:
        TCustomControl::Dispatch(m);
    }
}

} // namespace zorvy
