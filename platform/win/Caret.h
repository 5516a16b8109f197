#pragma once
// The text caret: one per thread, owned by a window, blinking by inverting its rectangle.
#include "platform/gdi/Geometry.h"
#include "platform/win/Handles.h"

namespace zorvy {

bool CreateCaret(HWND hwnd, int width, int height);
bool DestroyCaret();
bool SetCaretPos(int x, int y);
bool GetCaretPos(TPoint& p);
bool ShowCaret(HWND hwnd);
bool HideCaret(HWND hwnd);
UINT GetCaretBlinkTime();
// Whether the caret's rectangle is inverted on the window right now.
bool CaretDrawn();

} // namespace zorvy
