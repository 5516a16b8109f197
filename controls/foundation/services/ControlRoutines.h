#pragma once
// Free routines the controls, editors, page control and grid share: window-handle and coordinate
// questions, monitor work areas, key and character tests, popup menus, captions without
// accelerators, the nested hourglass cursor and scaling a form to a new font.
#include "platform/gdi/Geometry.h"
#include "platform/classlib/ControlTypes.h"
#include "platform/win/Messages.h"

#include <string>

namespace zorvy {

class TComponent;
class TControl;
class TWinControl;
class TPopupMenu;
class TForm;
class TFont;

// Sides of GetRectSideAtPoint.
enum TcxRectSide : int { rsNone = 0, rsLeft = 1, rsRight = 2, rsTop = 3, rsBottom = 4 };
// Modes of IsNumericInputChar.
enum TcxNumericInputMode : int { nimInteger = 0, nimDecimal = 1, nimExponent = 2 };

// A handle, a parent window handle, or (asked again) the parent's answer.
bool CanHaveWindowHandle(TWinControl* control);
unsigned GetDoubleClickInterval();
// The work area of the monitor nearest to p (the desktop's when there are no monitor functions).
void GetMonitorWorkArea(TPoint p, TRect& r);
// Whether monitor functions are offered (true here); off, the desktop work area is used.
void SetMonitorFunctionsAvailable(bool available);
// (-1, -1) when the position cannot be had.
void GetMouseCursorPos(TPoint& p);
// The side of r that p is nearest, cutting r by its diagonals (both directions) or its middle.
int GetRectSideAtPoint(const TRect& r, TPoint p, bool horz, bool vert);
bool IsChildWindowHandle(HWND wnd);
bool IsSameOrChildWindow(HWND wnd, HWND other);
bool IsCtrlKeyDown();
// '+', '-' and digits; decimal mode adds the locale's decimal separator, exponent mode also 'e'/'E'.
bool IsNumericInputChar(char32_t ch, int mode);
bool IsPrintableChar(char32_t ch);
// Moves bounds inside the work area of the monitor at p (a larger rectangle ends at its left and top).
void KeepRectInWorkArea(TRect& bounds, TPoint p);
void MapPointBetweenWindows(HWND from, HWND to, TPoint& p);
void MapRectBetweenWindows(HWND from, HWND to, TRect& r);
// "&File" -> "File", "A&&B" -> "A&B", a final "&" -> "_".
std::string RemoveAccelChars(const std::string& text);
// Tells a form designer of a design-time change; nothing at run time.
void NotifyDesignerOfChange(TComponent* control);
// MK_ flags of the shift state's keys and buttons.
uint16_t ShiftToKeyFlags(TShiftState shift);
inline uint16_t NormalizeKeyCode(uint16_t key) {
    return key;
}
// Nested hourglass: the first push saves the screen cursor, the outermost pop restores it.
void PushHourglassCursor();
void PopHourglassCursor();
int HourglassNesting();

int GetPopupMenuHeight(TPopupMenu* menu);
// The popup-menu component's shortcut handling (which runs the item).
bool IsPopupMenuShortCut(TComponent* menu, TMessage& keyMessage);
// Shows the popup-menu component at a screen point; false when it is none or does not pop up by itself.
bool ShowPopupMenu(TControl* control, TComponent* menu, int x, int y);
// Scales the form's controls and client size by the ratio of the new font's line height to the old.
void ScaleFormToFont(TForm* form, TFont* font);

} // namespace zorvy
