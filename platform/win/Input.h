#pragma once
// Focus, activation, capture, keyboard state, cursor, double clicks, and the entry points through
// which a display delivers raw input (turned here into posted mouse and key messages).
#include "platform/gdi/Geometry.h"
#include "platform/win/Handles.h"

#include <string>

namespace zorvy {

HWND SetFocus(HWND hwnd); // answers the window that had the focus, 0 when it failed
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
HWND GetForegroundWindow();
bool IsApplicationActive();
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();

// High bit (negative) while down, low bit toggled; as of the message last retrieved.
std::int16_t GetKeyState(int vk);
// As of now, whatever the queue holds.
std::int16_t GetAsyncKeyState(int vk);
void GetKeyboardState(std::uint8_t state[256]);

bool GetCursorPos(TPoint& p);
bool SetCursorPos(int x, int y);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

UINT GetDoubleClickTime();
void SetDoubleClickTime(UINT ms);
void MessageBeep(UINT type);
int MessageBeepCount(); // beeps so far; a display without sound only counts them

enum class TInputButton { Left, Right, Middle };

// Raw input from the display, in screen coordinates. It waits in the queue and becomes its window
// message when retrieved: the target, hit test, activation and double click are decided then, with
// the capture and focus of that moment.
void InjectMouseMove(TPoint screen);
void InjectMouseButton(TInputButton button, bool down, TPoint screen);
void InjectMouseWheel(int delta, TPoint screen);
void InjectKey(std::uint16_t vk, bool down);
void InjectText(const std::string& utf8); // one WM_CHAR per character, to the focused window
// The input method's text being composed (preedit) and its cursor (a byte offset into it) changed:
// the focused window gets WM_IME_STARTCOMPOSITION when a composition begins, WM_IME_COMPOSITION
// (GCS_COMPSTR | GCS_CURSORPOS) with every change, and WM_IME_ENDCOMPOSITION when the preedit becomes
// empty. The committed text arrives on its own, as characters (InjectText).
void InjectComposition(const std::string& preedit, int cursor);
// The text being composed now and its cursor (when asked for).
std::string GetImeCompositionString(int* cursor = nullptr);
void InjectApplicationActive(bool active);

} // namespace zorvy
