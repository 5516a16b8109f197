#pragma once
// Windows with handles: classes, creation and destruction, the parent/child/owner tree, styles,
// visibility, z-order, bounds, coordinate mapping, hit testing, window regions and layering.
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Region.h"
#include "platform/win/Handles.h"
#include "platform/win/Styles.h"

#include <string>

namespace zorvy {

struct TWindowClass {
    std::string name;
    std::uint32_t style = 0; // CS_ flags
    WNDPROC proc = nullptr;
    HCURSOR cursor = 0;
    TColor background = clNone; // erased by the default handling of WM_ERASEBKGND
};

// Passed with WM_NCCREATE and WM_CREATE (lParam points to it).
struct CREATESTRUCT {
    void* createParams = nullptr;
    std::uintptr_t id = 0;
    HWND parent = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::string className;
    std::string text;
};

// Registering a name again replaces the earlier class. Names compare without regard to case.
bool RegisterClass(const TWindowClass& cls);
bool GetClassInfo(const std::string& name, TWindowClass& out);
bool UnregisterClass(const std::string& name);

// parent: the parent of a WS_CHILD window, or the owner of any other window (its top-level ancestor).
// Answers 0 when the class is unknown, a WS_CHILD window has no valid parent, or WM_CREATE refuses.
HWND CreateWindowEx(std::uint32_t exStyle, const std::string& className, const std::string& text,
                    std::uint32_t style, int x, int y, int width, int height, HWND parent, std::uintptr_t id,
                    void* createParams = nullptr);
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);
std::string GetClassName(HWND hwnd);

HWND GetParent(HWND hwnd); // the parent of a child window, else its owner
HWND SetParent(HWND hwnd, HWND newParent);
// Makes a top-level window belong to owner (0: to none): it stays in front of it, goes with it and
// hands the activation back to it. Answers the old owner.
HWND SetWindowOwner(HWND hwnd, HWND owner);
// The smallest and largest outer size of a top-level window (0: no limit): the user cannot resize it
// beyond them, and sizes the program sets are kept inside them too.
void SetWindowSizeLimits(HWND hwnd, int minWidth, int minHeight, int maxWidth, int maxHeight);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetAncestor(HWND hwnd, UINT kind);
HWND GetTopWindow(HWND parent); // 0: the frontmost top-level window
bool IsChild(HWND parent, HWND hwnd);

std::uint32_t GetWindowStyle(HWND hwnd);
std::uint32_t SetWindowStyle(HWND hwnd, std::uint32_t style);
std::uint32_t GetWindowExStyle(HWND hwnd);
std::uint32_t SetWindowExStyle(HWND hwnd, std::uint32_t exStyle);
std::uint32_t GetClassStyle(HWND hwnd);
std::uintptr_t GetDlgCtrlID(HWND hwnd);
std::intptr_t GetWindowUserData(HWND hwnd);
std::intptr_t SetWindowUserData(HWND hwnd, std::intptr_t data);

// Replacing the procedure answers the old one, which the new one may call through CallWindowProc.
WNDPROC GetWindowProc(HWND hwnd);
WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc);
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

bool SetWindowText(HWND hwnd, const std::string& text);
std::string GetWindowText(HWND hwnd);

bool ShowWindow(HWND hwnd, int command);   // answers whether it was visible before
bool IsWindowVisible(HWND hwnd);           // it and all its ancestors have WS_VISIBLE
bool EnableWindow(HWND hwnd, bool enable); // answers whether it was disabled before
bool IsWindowEnabled(HWND hwnd);
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
bool BringWindowToTop(HWND hwnd);

bool GetWindowRect(HWND hwnd, TRect& r); // screen coordinates
bool GetClientRect(HWND hwnd, TRect& r); // (0, 0, width, height) of the client area
// Answers the offset added (low word X, high word Y as in the platform); 0 stands for the screen.
int MapWindowPoints(HWND from, HWND to, TPoint* points, int count);
bool ClientToScreen(HWND hwnd, TPoint& p);
bool ScreenToClient(HWND hwnd, TPoint& p);
// The deepest visible, enabled window under a screen point; windows answering HTTRANSPARENT are skipped.
HWND WindowFromPoint(TPoint screen);
HWND ChildWindowFromPoint(HWND parent, TPoint client);

// The window takes its own copy of the region (window coordinates); an empty optional removes it.
bool SetWindowRgn(HWND hwnd, const TRegion* region, bool redraw);
bool GetWindowRgn(HWND hwnd, TRegion& out);
bool SetLayeredWindowAttributes(HWND hwnd, COLORREF colorKey, std::uint8_t alpha, std::uint32_t flags);
bool GetLayeredWindowAttributes(HWND hwnd, COLORREF* colorKey, std::uint8_t* alpha, std::uint32_t* flags);

// Destroys every window and clears the queue, timers, hooks, focus and capture.
void ShutdownWindowSystem();

} // namespace zorvy
