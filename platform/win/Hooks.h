#pragma once
// Thread hooks: see a message before its window procedure (call-window-proc), as it leaves the queue
// (get-message, may rewrite it), or a mouse message before it is delivered (mouse, may discard it).
#include "platform/gdi/Geometry.h"
#include "platform/win/Handles.h"

#include <functional>

namespace zorvy {

constexpr int WH_CALLWNDPROC = 4;
constexpr int WH_GETMESSAGE = 3;
constexpr int WH_MOUSE = 7;
constexpr int HC_ACTION = 0;

using HOOKPROC = std::function<LRESULT(int code, WPARAM wParam, LPARAM lParam)>;

// lParam of a call-window-proc hook.
struct CWPSTRUCT {
    LPARAM lParam = 0;
    WPARAM wParam = 0;
    UINT message = 0;
    HWND hwnd = 0;
};

// lParam of a mouse hook; wParam is the mouse message.
struct MOUSEHOOKSTRUCT {
    TPoint pt;
    HWND hwnd = 0;
    LRESULT hitTestCode = 0;
};

// The newest hook of a kind is called first; it passes on with CallNextHookEx.
HHOOK SetWindowsHookEx(int kind, HOOKPROC proc);
bool UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
// Runs the chain of a kind from its newest hook; 0 when there is none.
LRESULT CallHookChain(int kind, int code, WPARAM wParam, LPARAM lParam);

} // namespace zorvy
