// What a list box shows: item heights and places, the top item, its scroll bar, and the painting of
// items (by the list box, or by its parent for an owner-drawn list).
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Text.h"
#include "platform/win/ListBoxInternal.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Styles.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {
namespace {

int ClientHeight(const TListBoxState& s) {
    TRect r;
    GetClientRect(s.hwnd, r);
    return r.Height();
}

// The largest top item that still fills the window down to the last item.
int MaxTop(const TListBoxState& s) {
    const int n = Count(s);
    if (!IsVariable(s)) return std::max(0, n - std::max(1, ClientHeight(s) / std::max(1, s.itemHeight)));
    int room = ClientHeight(s), top = n;
    while (top > 0 && room - ItemHeightOf(s, top - 1) >= 0)
        room -= ItemHeightOf(s, --top);
    return std::min(top, std::max(0, n - 1));
}

void DrawItem(TListBoxState& s, HDC dc, int index, const TRect& r, bool enabled, COLORREF text) {
    const bool selected = index >= 0 && IsSelected(s, index);
    const bool focus = s.focused && index == s.caret;
    if (IsOwnerDraw(s)) {
        DRAWITEMSTRUCT item;
        item.CtlType = ODT_LISTBOX;
        item.CtlID = GetDlgCtrlID(s.hwnd);
        item.itemID = index;
        item.itemAction = index < 0 ? ODA_FOCUS : ODA_DRAWENTIRE;
        item.itemState =
            (selected ? ODS_SELECTED : 0u) | (focus ? ODS_FOCUS : 0u) | (enabled ? 0u : ODS_DISABLED);
        item.hwndItem = s.hwnd;
        item.hDC = dc;
        item.rcItem = r;
        item.itemData = index >= 0 ? s.items[static_cast<std::size_t>(index)].data : 0;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
        if (HWND parent = GetParent(s.hwnd))
            SendMessage(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        RestoreDC(dc, saved);
        return;
    }
    if (selected) FillRect(dc, r, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text);
    TRect label = r;
    label.Left += 2;
    DrawText(dc, s.items[static_cast<std::size_t>(index)].text, label,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (focus) DrawFocusRect(dc, r);
}

} // namespace

int ItemHeightOf(const TListBoxState& s, int index) {
    if (IsVariable(s) && index >= 0 && index < Count(s))
        return s.items[static_cast<std::size_t>(index)].height;
    return s.itemHeight;
}

int VisibleItems(const TListBoxState& s) {
    if (!IsVariable(s)) return std::max(1, ClientHeight(s) / std::max(1, s.itemHeight));
    int room = ClientHeight(s), n = 0;
    for (int i = s.top; i < Count(s) && room - ItemHeightOf(s, i) >= 0; ++i, ++n)
        room -= ItemHeightOf(s, i);
    return std::max(1, n);
}

TRect ItemRect(const TListBoxState& s, int index) {
    TRect client;
    GetClientRect(s.hwnd, client);
    int y = 0;
    if (!IsVariable(s)) {
        y = (index - s.top) * s.itemHeight;
    } else if (index >= s.top) {
        for (int i = s.top; i < index; ++i)
            y += ItemHeightOf(s, i);
    } else {
        for (int i = index; i < s.top; ++i)
            y -= ItemHeightOf(s, i);
    }
    return Rect(client.Left, y, client.Right, y + ItemHeightOf(s, index));
}

int ItemFromPoint(const TListBoxState& s, TPoint p, bool& outside) {
    TRect client;
    GetClientRect(s.hwnd, client);
    outside = !PtInRect(client, p);
    const int n = Count(s);
    if (n == 0) {
        outside = true;
        return 0;
    }
    int index;
    if (p.Y < 0) {
        index = s.top - 1;
    } else if (!IsVariable(s)) {
        index = s.top + p.Y / std::max(1, s.itemHeight);
    } else {
        int y = 0;
        index = s.top;
        while (index < n && y + ItemHeightOf(s, index) <= p.Y)
            y += ItemHeightOf(s, index++);
    }
    if (index < 0 || index >= n) outside = true;
    return std::clamp(index, 0, n - 1);
}

void SetTop(TListBoxState& s, int top) {
    top = std::clamp(top, 0, MaxTop(s));
    if (top == s.top) return;
    s.top = top;
    InvalidateRect(s.hwnd, nullptr, true);
    UpdateScrollBar(s);
}

void MakeVisible(TListBoxState& s, int index) {
    if (index < 0 || index >= Count(s)) return;
    if (index < s.top) {
        SetTop(s, index);
        return;
    }
    if (!IsVariable(s)) {
        const int visible = VisibleItems(s);
        if (index >= s.top + visible) SetTop(s, index - visible + 1);
        return;
    }
    int room = ClientHeight(s) - ItemHeightOf(s, index), top = index;
    while (top > s.top && room - ItemHeightOf(s, top - 1) >= 0)
        room -= ItemHeightOf(s, --top);
    if (top > s.top) SetTop(s, top);
}

void SetScrollX(TListBoxState& s, int x) {
    TRect client;
    GetClientRect(s.hwnd, client);
    x = std::clamp(x, 0, std::max(0, s.horizontalExtent - client.Width()));
    if (x == s.scrollX) return;
    s.scrollX = x;
    InvalidateRect(s.hwnd, nullptr, true);
    UpdateScrollBar(s);
}

void UpdateScrollBar(TListBoxState& s) {
    const std::uint32_t style = GetWindowStyle(s.hwnd);
    if (s.hScrollBar) {
        TRect client;
        GetClientRect(s.hwnd, client);
        SCROLLINFO si;
        si.fMask =
            SIF_RANGE | SIF_PAGE | SIF_POS | ((style & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0u);
        si.nMin = 0;
        si.nMax = std::max(0, s.horizontalExtent - 1);
        si.nPage = static_cast<UINT>(client.Width());
        si.nPos = s.scrollX;
        SetScrollInfo(s.hwnd, SB_HORZ, si, true);
    }
    if (!s.scrollBar) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | ((style & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0u);
    si.nMin = 0;
    si.nMax = std::max(0, Count(s) - 1);
    si.nPage = static_cast<UINT>(VisibleItems(s));
    si.nPos = s.top;
    SetScrollInfo(s.hwnd, SB_VERT, si, true);
}

void InvalidateItem(TListBoxState& s, int index) {
    if (index < 0 || index >= Count(s)) return;
    const TRect r = ItemRect(s, index);
    InvalidateRect(s.hwnd, &r, true);
}

void MeasureItem(TListBoxState& s, int index) {
    MEASUREITEMSTRUCT m;
    m.CtlType = ODT_LISTBOX;
    m.CtlID = GetDlgCtrlID(s.hwnd);
    m.itemID = index;
    m.itemHeight = s.itemHeight;
    m.itemData = index >= 0 && index < Count(s) ? s.items[static_cast<std::size_t>(index)].data : 0;
    m.hwndItem = s.hwnd;
    if (HWND parent = GetParent(s.hwnd))
        SendMessage(parent, WM_MEASUREITEM, m.CtlID, reinterpret_cast<LPARAM>(&m));
    if (!FindListBoxState(s.hwnd)) return;
    if (IsVariable(s) && index >= 0 && index < Count(s))
        s.items[static_cast<std::size_t>(index)].height = std::max(1, m.itemHeight);
    else if (!IsVariable(s))
        s.itemHeight = std::max(1, m.itemHeight);
}

void FitIntegralHeight(TListBoxState& s) {
    const std::uint32_t style = GetWindowStyle(s.hwnd);
    if ((style & LBS_NOINTEGRALHEIGHT) || IsVariable(s)) return;
    const int h = ClientHeight(s), extra = h % std::max(1, s.itemHeight);
    // The window loses the part of an item it could not show whole.
    if (extra == 0 || h <= s.itemHeight) return;
    TRect wr;
    GetWindowRect(s.hwnd, wr);
    SetWindowPos(s.hwnd, 0, 0, 0, wr.Width(), wr.Height() - extra,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaintListBox(TListBoxState& s, HDC dc) {
    TRect client;
    GetClientRect(s.hwnd, client);
    const bool enabled = IsWindowEnabled(s.hwnd);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    HBRUSH background = GetSysColorBrush(COLOR_WINDOW);
    if (HWND parent = GetParent(s.hwnd)) {
        if (LRESULT brush = SendMessage(parent, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                        static_cast<LPARAM>(s.hwnd)))
            background = reinterpret_cast<HBRUSH>(brush);
        if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    if (!FindListBoxState(s.hwnd)) return;
    FillRect(dc, client, background);
    const COLORREF text = GetTextColor(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, s.font ? s.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    if (Count(s) == 0) {
        // An empty owner-drawn list still shows where the focus is.
        if (IsOwnerDraw(s) && s.focused)
            DrawItem(s, dc, -1, Rect(client.Left, 0, client.Right, s.itemHeight), enabled, text);
        return;
    }
    int y = ItemRect(s, s.top).Top;
    // Scrolled sideways, an item is drawn as wide as the horizontal extent, moved left.
    const int left = client.Left - s.scrollX, right = std::max(client.Right, s.horizontalExtent) - s.scrollX;
    for (int i = s.top; i < Count(s) && y < client.Bottom; ++i) {
        const TRect r = Rect(left, y, right, y + ItemHeightOf(s, i));
        if (RectVisible(dc, r)) DrawItem(s, dc, i, r, enabled, text);
        if (!FindListBoxState(s.hwnd)) return;
        y = r.Bottom;
    }
}

} // namespace zorvy
