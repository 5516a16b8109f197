#pragma once
// Window, class and extended styles; show, position and redraw flags. Our own bit assignments.
#include "platform/win/Handles.h"

namespace zorvy {

// Window styles.
constexpr std::uint32_t WS_OVERLAPPED = 0x00000000;
constexpr std::uint32_t WS_TABSTOP = 0x00000001;
constexpr std::uint32_t WS_GROUP = 0x00000002;
constexpr std::uint32_t WS_THICKFRAME = 0x00000004;
constexpr std::uint32_t WS_SYSMENU = 0x00000008;
constexpr std::uint32_t WS_HSCROLL = 0x00000010;
constexpr std::uint32_t WS_VSCROLL = 0x00000020;
constexpr std::uint32_t WS_DLGFRAME = 0x00000040;
constexpr std::uint32_t WS_BORDER = 0x00000080;
constexpr std::uint32_t WS_CAPTION = WS_BORDER | WS_DLGFRAME;
constexpr std::uint32_t WS_MINIMIZEBOX = 0x00000100;
constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00000200;
constexpr std::uint32_t WS_MAXIMIZE = 0x00000400;
constexpr std::uint32_t WS_MINIMIZE = 0x00000800;
constexpr std::uint32_t WS_CLIPCHILDREN = 0x00001000;
constexpr std::uint32_t WS_CLIPSIBLINGS = 0x00002000;
constexpr std::uint32_t WS_DISABLED = 0x00004000;
constexpr std::uint32_t WS_VISIBLE = 0x00008000;
constexpr std::uint32_t WS_CHILD = 0x00010000;
constexpr std::uint32_t WS_POPUP = 0x00020000;
constexpr std::uint32_t WS_OVERLAPPEDWINDOW =
    WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// The styles of the system classes live in the high bits the window styles leave free for a class
// (0x00100000 up); each class reads only its own.
constexpr std::uint32_t ES_CENTER = 0x00100000;
constexpr std::uint32_t ES_RIGHT = 0x00200000;
constexpr std::uint32_t ES_LOWERCASE = 0x00400000;
constexpr std::uint32_t ES_UPPERCASE = 0x00800000;
constexpr std::uint32_t ES_MULTILINE = 0x01000000;
constexpr std::uint32_t ES_READONLY = 0x02000000;
constexpr std::uint32_t ES_AUTOHSCROLL = 0x04000000;
constexpr std::uint32_t ES_PASSWORD = 0x08000000;
constexpr std::uint32_t ES_NOHIDESEL = 0x10000000;
constexpr std::uint32_t ES_WANTRETURN = 0x20000000;
constexpr std::uint32_t ES_AUTOVSCROLL = 0x40000000;
constexpr std::uint32_t ES_NUMBER = 0x80000000;
constexpr std::uint32_t LBS_SORT = 0x00100000;
constexpr std::uint32_t LBS_HASSTRINGS = 0x00200000;
constexpr std::uint32_t LBS_NOINTEGRALHEIGHT = 0x00400000;
constexpr std::uint32_t LBS_EXTENDEDSEL = 0x00800000;
constexpr std::uint32_t LBS_NOTIFY = 0x01000000;
constexpr std::uint32_t LBS_OWNERDRAWFIXED = 0x02000000;
constexpr std::uint32_t LBS_OWNERDRAWVARIABLE = 0x04000000;
constexpr std::uint32_t LBS_MULTIPLESEL = 0x08000000;
constexpr std::uint32_t LBS_NOSEL = 0x10000000;
constexpr std::uint32_t LBS_WANTKEYBOARDINPUT = 0x20000000;
constexpr std::uint32_t LBS_DISABLENOSCROLL = 0x40000000;
// Buttons: the kind in a 4-bit field, then the flags.
constexpr std::uint32_t BS_TYPEMASK = 0x00F00000;
constexpr std::uint32_t BS_PUSHBUTTON = 0x00000000;
constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x00100000;
constexpr std::uint32_t BS_CHECKBOX = 0x00200000;
constexpr std::uint32_t BS_AUTOCHECKBOX = 0x00300000;
constexpr std::uint32_t BS_RADIOBUTTON = 0x00400000;
constexpr std::uint32_t BS_3STATE = 0x00500000;
constexpr std::uint32_t BS_AUTO3STATE = 0x00600000;
constexpr std::uint32_t BS_GROUPBOX = 0x00700000;
constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x00900000;
constexpr std::uint32_t BS_OWNERDRAW = 0x00B00000;
constexpr std::uint32_t BS_LEFTTEXT = 0x01000000;
constexpr std::uint32_t BS_MULTILINE = 0x02000000;
constexpr std::uint32_t BS_PUSHLIKE = 0x04000000;
constexpr std::uint32_t BS_FLAT = 0x08000000;
constexpr std::uint32_t BS_NOTIFY = 0x10000000; // focus changes and double clicks are told too
// Scroll-bar controls.
constexpr std::uint32_t SBS_HORZ = 0x00000000;
constexpr std::uint32_t SBS_VERT = 0x00100000;

// Extended styles.
constexpr std::uint32_t WS_EX_TOPMOST = 0x0001;
constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x0002;
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x0004;
constexpr std::uint32_t WS_EX_LAYERED = 0x0008;
constexpr std::uint32_t WS_EX_TRANSPARENT = 0x0010;
constexpr std::uint32_t WS_EX_NOACTIVATE = 0x0020;
constexpr std::uint32_t WS_EX_APPWINDOW = 0x0040;
constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x0080;
constexpr std::uint32_t WS_EX_STATICEDGE = 0x0100;

// Class styles.
constexpr std::uint32_t CS_VREDRAW = 0x0001;
constexpr std::uint32_t CS_HREDRAW = 0x0002;
constexpr std::uint32_t CS_DBLCLKS = 0x0004;
constexpr std::uint32_t CS_SAVEBITS = 0x0008;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;

// SetWindowPos: insert-after pseudo handles and flags.
constexpr HWND HWND_TOP = 0;
constexpr HWND HWND_BOTTOM = static_cast<HWND>(1);
constexpr HWND HWND_TOPMOST = static_cast<HWND>(-1);
constexpr HWND HWND_NOTOPMOST = static_cast<HWND>(-2);
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;

// RedrawWindow flags.
constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

// ScrollWindowEx flags.
constexpr UINT SW_SCROLLCHILDREN = 0x0001;
constexpr UINT SW_INVALIDATE = 0x0002;
constexpr UINT SW_ERASE = 0x0004;

// GetWindow relations and GetAncestor kinds.
constexpr UINT GW_HWNDFIRST = 0;
constexpr UINT GW_HWNDLAST = 1;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;
constexpr UINT GA_PARENT = 1;
constexpr UINT GA_ROOT = 2;

// Layered window attributes.
constexpr std::uint32_t LWA_COLORKEY = 0x1;
constexpr std::uint32_t LWA_ALPHA = 0x2;

} // namespace zorvy
