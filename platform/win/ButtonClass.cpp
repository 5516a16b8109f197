// The BUTTON window class: push buttons (plain and default), check boxes (two and three states),
// radio buttons, group boxes and owner-drawn buttons. A click checks an automatic box or radio button
// and tells the parent (BN_CLICKED); an owner-drawn button asks its parent to paint it (WM_DRAWITEM).
#include "platform/gdi/Drawing.h"
#include "platform/gdi/FrameControls.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Text.h"
#include "platform/win/ClassPainting.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemClasses.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <unordered_map>

namespace zorvy {
namespace {

struct TButtonState {
    WPARAM check = BST_UNCHECKED;
    bool pushed = false;   // drawn pressed
    bool tracking = false; // the left button went down on it
    bool spaceDown = false;
    bool focused = false;
};

std::unordered_map<HWND, TButtonState>& ButtonStates() {
    static std::unordered_map<HWND, TButtonState> states;
    return states;
}

std::uint32_t Kind(HWND hwnd) {
    return GetWindowStyle(hwnd) & BS_TYPEMASK;
}

bool IsCheckKind(std::uint32_t kind) {
    return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE;
}

bool IsRadioKind(std::uint32_t kind) {
    return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

void Notify(HWND hwnd, UINT code) {
    if (HWND parent = GetParent(hwnd); parent && (GetWindowStyle(hwnd) & WS_CHILD))
        SendMessage(parent, WM_COMMAND,
                    MakeWParam(static_cast<int>(GetDlgCtrlID(hwnd)), static_cast<int>(code)),
                    static_cast<LPARAM>(hwnd));
}

// The automatic radio button's group: the siblings from the WS_GROUP one before it to the next one.
void UncheckGroup(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    std::vector<HWND> siblings;
    for (HWND c = GetWindow(hwnd, GW_HWNDFIRST); c; c = GetWindow(c, GW_HWNDNEXT))
        siblings.push_back(c);
    // Child order runs front to back; creation order is back to front.
    std::reverse(siblings.begin(), siblings.end());
    auto self = std::find(siblings.begin(), siblings.end(), hwnd);
    if (self == siblings.end()) return;
    auto first = self;
    while (first != siblings.begin() && !(GetWindowStyle(*first) & WS_GROUP))
        --first;
    for (auto it = first; it != siblings.end(); ++it) {
        if (it != first && (GetWindowStyle(*it) & WS_GROUP)) break;
        if (*it != hwnd && GetClassName(*it) == GetClassName(hwnd) && Kind(*it) == BS_AUTORADIOBUTTON)
            SendMessage(*it, BM_SETCHECK, BST_UNCHECKED);
    }
}

void Click(HWND hwnd) {
    TButtonState& b = ButtonStates()[hwnd];
    switch (Kind(hwnd)) {
    case BS_AUTOCHECKBOX:
        SendMessage(hwnd, BM_SETCHECK, b.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        SendMessage(hwnd, BM_SETCHECK, (b.check + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        SendMessage(hwnd, BM_SETCHECK, BST_CHECKED);
        UncheckGroup(hwnd);
        break;
    default:
        break;
    }
    if (IsWindow(hwnd)) Notify(hwnd, BN_CLICKED);
}

void SetPushed(HWND hwnd, bool pushed) {
    TButtonState& b = ButtonStates()[hwnd];
    if (b.pushed == pushed) return;
    b.pushed = pushed;
    InvalidateRect(hwnd, nullptr, false);
}

HFONT FontOf(HWND hwnd) {
    HFONT f = reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT));
    return f ? f : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void PaintButton(HWND hwnd, HDC dc) {
    const TButtonState& b = ButtonStates()[hwnd];
    const std::uint32_t style = GetWindowStyle(hwnd), kind = style & BS_TYPEMASK;
    const bool enabled = IsWindowEnabled(hwnd);
    TRect r;
    GetClientRect(hwnd, r);
    if (kind == BS_OWNERDRAW) {
        DRAWITEMSTRUCT item;
        item.CtlType = ODT_BUTTON;
        item.CtlID = GetDlgCtrlID(hwnd);
        item.itemID = 0;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = (b.pushed ? ODS_SELECTED : 0u) | (b.focused ? ODS_FOCUS : 0u) |
                         (enabled ? 0u : ODS_DISABLED) | (b.check == BST_CHECKED ? ODS_CHECKED : 0u);
        item.hwndItem = hwnd;
        item.hDC = dc;
        item.rcItem = r;
        if (HWND parent = GetParent(hwnd))
            SendMessage(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        return;
    }
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    HBRUSH background = GetSysColorBrush(COLOR_BTNFACE);
    if (HWND parent = GetParent(hwnd)) {
        const UINT ask =
            kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC;
        if (LRESULT brush = SendMessage(parent, ask, reinterpret_cast<WPARAM>(dc), static_cast<LPARAM>(hwnd)))
            background = reinterpret_cast<HBRUSH>(brush);
        if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    SelectObject(dc, FontOf(hwnd));
    SetBkMode(dc, TRANSPARENT);
    const std::string text = GetWindowText(hwnd);
    const bool pushLike = kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || (style & BS_PUSHLIKE);
    if (pushLike) {
        TRect face = r;
        if (kind == BS_DEFPUSHBUTTON) {
            FrameRect(dc, face, GetSysColorBrush(COLOR_WINDOWFRAME));
            InflateRect(face, -1, -1);
        }
        const bool down = b.pushed || (IsCheckKind(kind) && b.check != BST_UNCHECKED);
        FillRect(dc, face, GetSysColorBrush(COLOR_BTNFACE));
        TRect edge = face;
        if (down)
            FrameRect(dc, edge, GetSysColorBrush(COLOR_BTNSHADOW));
        else
            DrawEdge(dc, edge, EDGE_RAISED, BF_RECT);
        TRect label = face;
        if (down) OffsetRect(label, 1, 1);
        DrawText(dc, text, label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (b.focused) {
            TRect focus = face;
            InflateRect(focus, -4, -4);
            DrawFocusRect(dc, focus);
        }
        return;
    }
    if (kind == BS_GROUPBOX) {
        // A group box leaves its inside to the controls it holds.
        TSize size;
        GetTextExtentPoint32(dc, text.empty() ? "X" : text, size);
        TRect frame = r;
        frame.Top += size.cy / 2;
        DrawEdge(dc, frame, EDGE_ETCHED, BF_RECT);
        if (!text.empty()) {
            TRect label = Bounds(r.Left + 8, r.Top, size.cx + 4, size.cy);
            FillRect(dc, label, background);
            label.Left += 2;
            DrawText(dc, text, label, DT_LEFT | DT_TOP | DT_SINGLELINE);
        }
        return;
    }
    FillRect(dc, r, background);
    // A check box or radio button: the mark at the left (at the right with BS_LEFTTEXT), the text beside it.
    const int mark = CheckBoxCellSize;
    const bool right = (style & BS_LEFTTEXT) != 0;
    const int top = r.Top + (r.Height() - mark) / 2;
    const TRect box = right ? Bounds(r.Right - mark, top, mark, mark) : Bounds(r.Left, top, mark, mark);
    // A three-state box looks grey only in its third state; checked, it shows a plain check.
    unsigned state = IsRadioKind(kind)               ? DFCS_BUTTONRADIO
                     : b.check == BST_INDETERMINATE ? DFCS_BUTTON3STATE
                                                     : DFCS_BUTTONCHECK;
    if (b.check != BST_UNCHECKED) state |= DFCS_CHECKED;
    if (b.pushed) state |= DFCS_PUSHED;
    if (!enabled) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, box, DFC_BUTTON, state);
    TRect label =
        right ? Rect(r.Left, r.Top, box.Left - 4, r.Bottom) : Rect(box.Right + 4, r.Top, r.Right, r.Bottom);
    const unsigned format = (style & BS_MULTILINE) ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
    TRect measured = label;
    DrawText(dc, text, measured, format | DT_CALCRECT);
    DrawText(dc, text, label, format);
    if (b.focused && !text.empty()) {
        TRect focus = Bounds(label.Left - 1, label.Top + (label.Height() - measured.Height()) / 2 - 1,
                             measured.Width() + 2, measured.Height() + 2);
        if (format & DT_WORDBREAK) focus.Top = label.Top;
        DrawFocusRect(dc, focus);
    }
}

} // namespace

LRESULT ButtonClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCDESTROY:
        ButtonStates().erase(hwnd);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintSystemClass(hwnd, wParam, [&](HDC dc) { PaintButton(hwnd, dc); });
    case WM_SETTEXT:
    case WM_ENABLE: {
        const LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, false);
        return r;
    }
    case WM_SETFONT:
        DefWindowProc(hwnd, msg, wParam, lParam);
        if (lParam) InvalidateRect(hwnd, nullptr, false);
        return 0;
    case WM_GETDLGCODE: {
        const std::uint32_t kind = Kind(hwnd);
        if (kind == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (kind == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        if (IsRadioKind(kind)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (kind == BS_GROUPBOX) return DLGC_STATIC;
        return DLGC_BUTTON;
    }
    case WM_SETFOCUS:
        ButtonStates()[hwnd].focused = true;
        InvalidateRect(hwnd, nullptr, false);
        if (GetWindowStyle(hwnd) & BS_NOTIFY) Notify(hwnd, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS: {
        TButtonState& b = ButtonStates()[hwnd];
        b.focused = false;
        b.spaceDown = false;
        if (b.pushed && !b.tracking) SetPushed(hwnd, false);
        InvalidateRect(hwnd, nullptr, false);
        if (GetWindowStyle(hwnd) & BS_NOTIFY) Notify(hwnd, BN_KILLFOCUS);
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        if (IsRadioKind(Kind(hwnd)) || Kind(hwnd) == BS_OWNERDRAW || (GetWindowStyle(hwnd) & BS_NOTIFY)) {
            Notify(hwnd, BN_DOUBLECLICKED);
            return 0;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (Kind(hwnd) == BS_GROUPBOX) return 0;
        if (GetFocus() != hwnd) SetFocus(hwnd);
        if (!IsWindow(hwnd)) return 0;
        ButtonStates()[hwnd].tracking = true;
        SetCapture(hwnd);
        SetPushed(hwnd, true);
        return 0;
    case WM_MOUSEMOVE:
        if (ButtonStates()[hwnd].tracking && GetCapture() == hwnd) {
            TRect r;
            GetClientRect(hwnd, r);
            SetPushed(hwnd, PtInRect(r, {GetXLParam(lParam), GetYLParam(lParam)}));
        }
        return 0;
    case WM_LBUTTONUP: {
        TButtonState& b = ButtonStates()[hwnd];
        if (!b.tracking) return 0;
        b.tracking = false;
        const bool click = b.pushed;
        SetPushed(hwnd, false);
        if (GetCapture() == hwnd) ReleaseCapture();
        if (click) Click(hwnd);
        return 0;
    }
    case WM_CAPTURECHANGED: {
        TButtonState& b = ButtonStates()[hwnd];
        if (b.tracking && static_cast<HWND>(lParam) != hwnd) {
            b.tracking = false;
            SetPushed(hwnd, false);
        }
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && Kind(hwnd) != BS_GROUPBOX) {
            ButtonStates()[hwnd].spaceDown = true;
            SetPushed(hwnd, true);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && ButtonStates()[hwnd].spaceDown) {
            ButtonStates()[hwnd].spaceDown = false;
            SetPushed(hwnd, false);
            Click(hwnd);
        }
        return 0;
    case BM_GETCHECK:
        return static_cast<LRESULT>(ButtonStates()[hwnd].check);
    case BM_SETCHECK: {
        const std::uint32_t kind = Kind(hwnd);
        WPARAM check = wParam;
        if (!(kind == BS_3STATE || kind == BS_AUTO3STATE) && check == BST_INDETERMINATE) check = BST_CHECKED;
        if (!IsCheckKind(kind) && !IsRadioKind(kind) && !(GetWindowStyle(hwnd) & BS_PUSHLIKE) &&
            kind != BS_OWNERDRAW)
            return 0;
        TButtonState& b = ButtonStates()[hwnd];
        if (b.check != check) {
            b.check = check;
            InvalidateRect(hwnd, nullptr, false);
        }
        if (IsRadioKind(kind)) {
            // The checked radio button of a group is the one the Tab key stops at.
            const std::uint32_t style = GetWindowStyle(hwnd);
            SetWindowStyle(hwnd, check == BST_CHECKED ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
        }
        return 0;
    }
    case BM_GETSTATE: {
        const TButtonState& b = ButtonStates()[hwnd];
        return static_cast<LRESULT>(b.check | (b.pushed ? BST_PUSHED : 0) | (b.focused ? BST_FOCUS : 0));
    }
    case BM_SETSTATE:
        SetPushed(hwnd, wParam != 0);
        return 0;
    case BM_SETSTYLE:
        SetWindowStyle(hwnd, (GetWindowStyle(hwnd) & ~BS_TYPEMASK) |
                                 (static_cast<std::uint32_t>(wParam) & BS_TYPEMASK));
        if (lParam) InvalidateRect(hwnd, nullptr, false);
        return 0;
    case BM_CLICK:
        if (!IsWindowEnabled(hwnd)) return 0;
        SetPushed(hwnd, true);
        SetPushed(hwnd, false);
        Click(hwnd);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace zorvy
