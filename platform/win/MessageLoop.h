#pragma once
// The UI thread's message queue: send, post, peek, get, translate, dispatch, quit, and the default
// window procedure. Retrieval order: posted and input messages in arrival order, then WM_QUIT, then
// WM_PAINT for windows with something to paint, then due timers.
#include "platform/win/Messages.h"

namespace zorvy {

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Same thread: delivered at once, as SendMessage.
bool SendNotifyMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// hwnd 0 posts a thread message. False for a handle that is not a window.
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exitCode);

// hwnd filter: that window and its descendants (0: any). A range of 0, 0 takes every message.
bool PeekMessage(MSG& msg, HWND hwnd, UINT first, UINT last, UINT remove);
// Waits for a message; false when it is WM_QUIT.
bool GetMessage(MSG& msg, HWND hwnd, UINT first, UINT last);
// Waits until the queue holds something (a posted, paint or due timer message).
void WaitMessage();
// Whether any message is waiting, without touching the display.
bool QueueIsEmpty();

// Posts WM_CHAR for keys that produce a control character (Enter, Esc, Backspace, Tab, Ctrl+letter);
// printable text arrives from the display as WM_CHAR already.
bool TranslateMessage(const MSG& msg);
LRESULT DispatchMessage(const MSG& msg);

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Position and time of the message last retrieved.
TPoint GetMessagePos();
std::uint64_t GetMessageTime();

} // namespace zorvy
