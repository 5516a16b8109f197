// The LISTBOX window class: a scrolling list of texts (or owner-drawn items) with single, multiple
// or extended selection, driven by the LB_ messages, keys, type-ahead and the mouse.
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Strings.h"
#include "platform/win/ClassPainting.h"
#include "platform/win/Input.h"
#include "platform/win/ListBoxInternal.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemClasses.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace zorvy {
namespace {

std::unordered_map<HWND, std::unique_ptr<TListBoxState>>& ListBoxStates() {
    static std::unordered_map<HWND, std::unique_ptr<TListBoxState>> states;
    return states;
}

void UpdateFontHeight(TListBoxState& s) {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, s.font ? s.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    TEXTMETRIC tm;
    GetTextMetrics(dc, tm);
    DeleteDC(dc);
    s.itemHeight = std::max(1, tm.tmHeight);
}

TListBoxState& CreateListBoxState(HWND hwnd) {
    auto& slot = ListBoxStates()[hwnd];
    if (!slot) {
        slot = std::make_unique<TListBoxState>();
        slot->hwnd = hwnd;
        slot->scrollBar = (GetWindowStyle(hwnd) & WS_VSCROLL) != 0;
        slot->hScrollBar = (GetWindowStyle(hwnd) & WS_HSCROLL) != 0;
        UpdateFontHeight(*slot);
    }
    return *slot;
}

bool ValidIndex(const TListBoxState& s, WPARAM w) {
    const auto i = static_cast<std::intptr_t>(w);
    return i >= 0 && i < Count(s);
}

TListItem& Item(TListBoxState& s, WPARAM w) {
    return s.items[static_cast<std::size_t>(w)];
}

// An item from an add or insert: a text, or for an owner-drawn list without texts its data.
TListItem MakeItem(const TListBoxState& s, LPARAM lParam) {
    TListItem item;
    if (HasStrings(s))
        item.text = lParam ? SanitizeUtf8(*reinterpret_cast<const std::string*>(lParam)) : std::string();
    else
        item.data = lParam;
    item.height = s.itemHeight;
    return item;
}

LRESULT Insert(TListBoxState& s, int index, TListItem item) {
    const int n = Count(s);
    if (index < 0 || index > n) index = n;
    s.items.insert(s.items.begin() + index, std::move(item));
    for (int* i : {&s.current, &s.caret, &s.anchor})
        if (*i >= index) ++*i;
    if (IsVariable(s)) MeasureItem(s, index);
    if (!FindListBoxState(s.hwnd)) return LB_ERR;
    UpdateScrollBar(s);
    InvalidateRect(s.hwnd, nullptr, true);
    return index;
}

LRESULT Add(TListBoxState& s, LPARAM lParam) {
    TListItem item = MakeItem(s, lParam);
    int index = Count(s);
    if ((GetWindowStyle(s.hwnd) & LBS_SORT) && HasStrings(s)) {
        auto it = std::upper_bound(
            s.items.begin(), s.items.end(), item,
            [](const TListItem& a, const TListItem& b) { return AnsiCompareText(a.text, b.text) < 0; });
        index = static_cast<int>(it - s.items.begin());
    }
    return Insert(s, index, std::move(item));
}

LRESULT Delete(TListBoxState& s, WPARAM w) {
    if (!ValidIndex(s, w)) return LB_ERR;
    const int index = static_cast<int>(w);
    s.items.erase(s.items.begin() + index);
    for (int* i : {&s.current, &s.caret, &s.anchor}) {
        if (*i == index)
            *i = -1;
        else if (*i > index)
            --*i;
    }
    SetTop(s, s.top);
    s.top = std::min(s.top, std::max(0, Count(s) - 1));
    UpdateScrollBar(s);
    InvalidateRect(s.hwnd, nullptr, true);
    return Count(s);
}

void Reset(TListBoxState& s) {
    s.items.clear();
    s.top = 0;
    s.current = s.caret = s.anchor = -1;
    UpdateScrollBar(s);
    InvalidateRect(s.hwnd, nullptr, true);
}

void ScrollHorizontally(TListBoxState& s, WPARAM wParam) {
    TRect client;
    GetClientRect(s.hwnd, client);
    SCROLLINFO si;
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(s.hwnd, SB_HORZ, si);
    const int step = std::max(1, s.itemHeight / 2);
    switch (LoWord(wParam)) {
    case SB_LINEUP:
        SetScrollX(s, s.scrollX - step);
        break;
    case SB_LINEDOWN:
        SetScrollX(s, s.scrollX + step);
        break;
    case SB_PAGEUP:
        SetScrollX(s, s.scrollX - client.Width());
        break;
    case SB_PAGEDOWN:
        SetScrollX(s, s.scrollX + client.Width());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetScrollX(s, si.nTrackPos);
        break;
    case SB_TOP:
        SetScrollX(s, 0);
        break;
    case SB_BOTTOM:
        SetScrollX(s, s.horizontalExtent);
        break;
    default:
        break;
    }
}

void ScrollList(TListBoxState& s, WPARAM wParam) {
    const int page = std::max(1, VisibleItems(s) - 1);
    SCROLLINFO si;
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(s.hwnd, SB_VERT, si);
    switch (LoWord(wParam)) {
    case SB_LINEUP:
        SetTop(s, s.top - 1);
        break;
    case SB_LINEDOWN:
        SetTop(s, s.top + 1);
        break;
    case SB_PAGEUP:
        SetTop(s, s.top - page);
        break;
    case SB_PAGEDOWN:
        SetTop(s, s.top + page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetTop(s, si.nTrackPos);
        break;
    case SB_TOP:
        SetTop(s, 0);
        break;
    case SB_BOTTOM:
        SetTop(s, Count(s));
        break;
    default:
        break;
    }
}

LRESULT ListProc(TListBoxState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = s.hwnd;
    const TSelectionMode mode = SelectionMode(s);
    switch (msg) {
    case WM_CREATE:
        if (IsOwnerDraw(s) && !IsVariable(s)) MeasureItem(s, 0);
        if (!FindListBoxState(hwnd)) return -1;
        FitIntegralHeight(s);
        UpdateScrollBar(s);
        return 0;
    case WM_NCDESTROY:
        ListBoxStates().erase(hwnd);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SIZE:
        FitIntegralHeight(s);
        if (!FindListBoxState(hwnd)) return 0;
        SetTop(s, s.top);
        UpdateScrollBar(s);
        InvalidateRect(hwnd, nullptr, true);
        return 0;
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wParam);
        DefWindowProc(hwnd, msg, wParam, lParam);
        if (!IsOwnerDraw(s)) UpdateFontHeight(s);
        FitIntegralHeight(s);
        UpdateScrollBar(s);
        if (lParam) InvalidateRect(hwnd, nullptr, true);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintSystemClass(hwnd, wParam, [&](HDC dc) { PaintListBox(s, dc); });
    case WM_SETFOCUS:
        s.focused = true;
        if (s.caret < 0 && Count(s) > 0)
            s.caret = mode == TSelectionMode::Single && s.current >= 0 ? s.current : 0;
        InvalidateItem(s, s.caret);
        if (IsOwnerDraw(s) && Count(s) == 0) InvalidateRect(hwnd, nullptr, true);
        NotifyParent(s, LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s.focused = false;
        s.tracking = false;
        InvalidateItem(s, s.caret);
        if (IsOwnerDraw(s) && Count(s) == 0) InvalidateRect(hwnd, nullptr, true);
        NotifyParent(s, LBN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, true);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        ListKeyDown(s, wParam);
        return 0;
    case WM_CHAR:
        ListChar(s, static_cast<char32_t>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ListMouseDown(s, {GetXLParam(lParam), GetYLParam(lParam)}, wParam, msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        ListMouseMove(s, {GetXLParam(lParam), GetYLParam(lParam)});
        return 0;
    case WM_LBUTTONUP:
        if (s.tracking && GetCapture() == hwnd) ReleaseCapture();
        s.tracking = false;
        return 0;
    case WM_CAPTURECHANGED:
        s.tracking = false;
        return 0;
    case WM_MOUSEWHEEL: {
        UINT lines = 3;
        SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines);
        SetTop(s, s.top - GetWheelDeltaWParam(wParam) / 120 * static_cast<int>(lines));
        return 0;
    }
    case WM_VSCROLL:
        ScrollList(s, wParam);
        return 0;
    case WM_HSCROLL:
        ScrollHorizontally(s, wParam);
        return 0;
    case LB_ADDSTRING:
        return Add(s, lParam);
    case LB_INSERTSTRING:
        return Insert(s, static_cast<int>(static_cast<std::intptr_t>(wParam)), MakeItem(s, lParam));
    case LB_DELETESTRING:
        return Delete(s, wParam);
    case LB_RESETCONTENT:
        Reset(s);
        return 0;
    case LB_GETCOUNT:
        return Count(s);
    case LB_GETCURSEL:
        return mode == TSelectionMode::Single ? s.current : s.caret;
    case LB_SETCURSEL:
        if (mode != TSelectionMode::Single) return LB_ERR;
        if (!ValidIndex(s, wParam)) {
            SelectOnly(s, -1);
            return LB_ERR;
        }
        SelectOnly(s, static_cast<int>(wParam));
        SetCaret(s, static_cast<int>(wParam));
        return static_cast<LRESULT>(wParam);
    case LB_GETSEL:
        return ValidIndex(s, wParam) ? (IsSelected(s, static_cast<int>(wParam)) ? 1 : 0) : LB_ERR;
    case LB_SETSEL: {
        if (mode != TSelectionMode::Multiple && mode != TSelectionMode::Extended) return LB_ERR;
        const auto index = static_cast<std::intptr_t>(lParam);
        if (index == -1) {
            SelectRange(s, 0, Count(s) - 1, wParam != 0);
            return 0;
        }
        if (index < 0 || index >= Count(s)) return LB_ERR;
        SelectRange(s, static_cast<int>(index), static_cast<int>(index), wParam != 0);
        return 0;
    }
    case LB_SELITEMRANGE:
        if (mode != TSelectionMode::Multiple && mode != TSelectionMode::Extended) return LB_ERR;
        SelectRange(s, LoWord(static_cast<std::uintptr_t>(lParam)),
                    HiWord(static_cast<std::uintptr_t>(lParam)), wParam != 0);
        return 0;
    case LB_GETSELCOUNT: {
        if (mode == TSelectionMode::Single || mode == TSelectionMode::None) return LB_ERR;
        return static_cast<LRESULT>(
            std::count_if(s.items.begin(), s.items.end(), [](const TListItem& i) { return i.selected; }));
    }
    case LB_GETSELITEMS: {
        if (mode == TSelectionMode::Single || mode == TSelectionMode::None || !lParam) return LB_ERR;
        auto* out = reinterpret_cast<int*>(lParam);
        int n = 0;
        for (int i = 0; i < Count(s) && n < static_cast<int>(wParam); ++i)
            if (s.items[static_cast<std::size_t>(i)].selected) out[n++] = i;
        return n;
    }
    case LB_GETTOPINDEX:
        return s.top;
    case LB_SETTOPINDEX:
        if (!ValidIndex(s, wParam) && !(wParam == 0 && Count(s) == 0)) return LB_ERR;
        SetTop(s, static_cast<int>(wParam));
        return 0;
    case LB_GETCARETINDEX:
        return s.caret;
    case LB_SETCARETINDEX:
        if (!ValidIndex(s, wParam)) return LB_ERR;
        SetCaret(s, static_cast<int>(wParam));
        return 0;
    case LB_GETANCHORINDEX:
        return s.anchor;
    case LB_SETANCHORINDEX:
        if (!ValidIndex(s, wParam)) return LB_ERR;
        s.anchor = static_cast<int>(wParam);
        return 0;
    case LB_GETITEMRECT:
        if (!ValidIndex(s, wParam) || !lParam) return LB_ERR;
        *reinterpret_cast<TRect*>(lParam) = ItemRect(s, static_cast<int>(wParam));
        return 1;
    case LB_ITEMFROMPOINT: {
        // The index (all of it through the pointer in wParam) and whether the point lies outside.
        bool outside = false;
        const int index = ItemFromPoint(s, {GetXLParam(lParam), GetYLParam(lParam)}, outside);
        if (wParam) *reinterpret_cast<int*>(wParam) = index;
        return MakeLParam(index, outside ? 1 : 0);
    }
    case LB_GETITEMHEIGHT:
        return ItemHeightOf(s, IsVariable(s) ? static_cast<int>(wParam) : 0);
    case LB_SETITEMHEIGHT: {
        const int height = LoWord(static_cast<std::uintptr_t>(lParam));
        if (height <= 0 || height > 255) return LB_ERR;
        if (IsVariable(s)) {
            if (!ValidIndex(s, wParam)) return LB_ERR;
            Item(s, wParam).height = height;
        } else {
            s.itemHeight = height;
            FitIntegralHeight(s);
        }
        SetTop(s, s.top);
        UpdateScrollBar(s);
        InvalidateRect(hwnd, nullptr, true);
        return 0;
    }
    case LB_GETTEXT:
        if (!ValidIndex(s, wParam)) return LB_ERR;
        if (lParam) *reinterpret_cast<std::string*>(lParam) = Item(s, wParam).text;
        return static_cast<LRESULT>(Item(s, wParam).text.size());
    case LB_GETTEXTLEN:
        return ValidIndex(s, wParam) ? static_cast<LRESULT>(Item(s, wParam).text.size()) : LB_ERR;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        return lParam ? FindItem(s, static_cast<int>(static_cast<std::intptr_t>(wParam)),
                                 *reinterpret_cast<const std::string*>(lParam), msg == LB_FINDSTRINGEXACT)
                      : LB_ERR;
    case LB_SELECTSTRING: {
        if (!lParam || mode != TSelectionMode::Single) return LB_ERR;
        const int found = FindItem(s, static_cast<int>(static_cast<std::intptr_t>(wParam)),
                                   *reinterpret_cast<const std::string*>(lParam), false);
        if (found < 0) return LB_ERR;
        SelectOnly(s, found);
        SetCaret(s, found);
        return found;
    }
    case LB_GETITEMDATA:
        return ValidIndex(s, wParam) ? Item(s, wParam).data : LB_ERR;
    case LB_SETITEMDATA:
        if (!ValidIndex(s, wParam)) return LB_ERR;
        Item(s, wParam).data = lParam;
        return 0;
    case LB_SETHORIZONTALEXTENT:
        s.horizontalExtent = std::max(0, static_cast<int>(wParam));
        SetScrollX(s, s.scrollX);
        UpdateScrollBar(s);
        return 0;
    case LB_GETHORIZONTALEXTENT:
        return s.horizontalExtent;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace

TListBoxState* FindListBoxState(HWND hwnd) {
    auto it = ListBoxStates().find(hwnd);
    return it == ListBoxStates().end() ? nullptr : it->second.get();
}

TSelectionMode SelectionMode(const TListBoxState& s) {
    const std::uint32_t style = GetWindowStyle(s.hwnd);
    if (style & LBS_NOSEL) return TSelectionMode::None;
    if (style & LBS_EXTENDEDSEL) return TSelectionMode::Extended;
    if (style & LBS_MULTIPLESEL) return TSelectionMode::Multiple;
    return TSelectionMode::Single;
}

bool IsOwnerDraw(const TListBoxState& s) {
    return (GetWindowStyle(s.hwnd) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool IsVariable(const TListBoxState& s) {
    return (GetWindowStyle(s.hwnd) & LBS_OWNERDRAWVARIABLE) != 0;
}

bool HasStrings(const TListBoxState& s) {
    return !IsOwnerDraw(s) || (GetWindowStyle(s.hwnd) & LBS_HASSTRINGS);
}

int Count(const TListBoxState& s) {
    return static_cast<int>(s.items.size());
}

void NotifyParent(TListBoxState& s, UINT code) {
    const std::uint32_t style = GetWindowStyle(s.hwnd);
    if (!(style & LBS_NOTIFY) || !(style & WS_CHILD)) return;
    if (HWND parent = GetParent(s.hwnd))
        SendMessage(parent, WM_COMMAND,
                    MakeWParam(static_cast<int>(GetDlgCtrlID(s.hwnd)), static_cast<int>(code)),
                    static_cast<LPARAM>(s.hwnd));
}

LRESULT ListBoxClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY && !FindListBoxState(hwnd)) return DefWindowProc(hwnd, msg, wParam, lParam);
    return ListProc(CreateListBoxState(hwnd), msg, wParam, lParam);
}

} // namespace zorvy
