#pragma once
// The records of owner-drawn list boxes and buttons: WM_MEASUREITEM asks the parent for an item's
// size, WM_DRAWITEM asks it to paint one. Both name the control's window, so the class library can
// reflect them to the control itself.
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Handles.h"
#include "platform/win/Handles.h"

namespace zorvy {

// Kinds of control.
constexpr UINT ODT_MENU = 1;
constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODT_BUTTON = 4;

// What to draw.
constexpr UINT ODA_DRAWENTIRE = 0x1;
constexpr UINT ODA_SELECT = 0x2;
constexpr UINT ODA_FOCUS = 0x4;

// The item's state.
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;
constexpr UINT ODS_DEFAULT = 0x0020;

struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    std::uintptr_t CtlID = 0;
    int itemID = -1; // -1: an empty list box drawing its focus
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = 0;
    HDC hDC = nullptr;
    TRect rcItem;
    std::intptr_t itemData = 0;
};

struct MEASUREITEMSTRUCT {
    UINT CtlType = 0;
    std::uintptr_t CtlID = 0;
    int itemID = -1;
    int itemWidth = 0;
    int itemHeight = 0;
    std::intptr_t itemData = 0;
    HWND hwndItem = 0; // the control's window (the parent cannot find it by id before creation ends)
};

} // namespace zorvy
