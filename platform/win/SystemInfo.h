#pragma once
// System metrics and parameters, monitors with work areas, the clipboard, standard cursors, the OS
// version answer and opening documents with the desktop's opener.
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/Handles.h"

#include <optional>
#include <string>
#include <vector>

namespace zorvy {

enum : int {
    SM_CXSCREEN = 0,
    SM_CYSCREEN = 1,
    SM_CXVSCROLL = 2,
    SM_CYHSCROLL = 3,
    SM_CYCAPTION = 4,
    SM_CXBORDER = 5,
    SM_CYBORDER = 6,
    SM_CXDLGFRAME = 7,
    SM_CYDLGFRAME = 8,
    SM_CYVTHUMB = 9,
    SM_CXHTHUMB = 10,
    SM_CXICON = 11,
    SM_CYICON = 12,
    SM_CXCURSOR = 13,
    SM_CYCURSOR = 14,
    SM_CYMENU = 15,
    SM_CYVSCROLL = 20,
    SM_CXHSCROLL = 21,
    SM_CXDOUBLECLK = 36,
    SM_CYDOUBLECLK = 37,
    SM_CXEDGE = 45,
    SM_CYEDGE = 46,
    SM_CXSMICON = 49,
    SM_CYSMICON = 50,
    SM_CYSIZE = 31,
    SM_CXSIZE = 30,
    SM_CXDRAG = 68,
    SM_CYDRAG = 69,
    SM_CMONITORS = 80,
    SM_MOUSEWHEELPRESENT = 75,
    SM_SWAPBUTTON = 23,
};
int GetSystemMetrics(int index);
// Changes a metric (what a display-settings change does); tests use it to follow such changes.
void SetSystemMetric(int index, int value);

enum : UINT {
    SPI_GETWORKAREA = 0x30,
    SPI_GETWHEELSCROLLLINES = 0x68,
    SPI_SETWHEELSCROLLLINES = 0x69,
    SPI_GETNONCLIENTMETRICS = 0x29,
    SPI_SETNONCLIENTMETRICS = 0x2A,
    SPI_GETDRAGFULLWINDOWS = 0x26,
};
// The sizes and fonts of window frames, captions, menus, status bars and message boxes.
struct NONCLIENTMETRICS {
    int iBorderWidth = 1;
    int iScrollWidth = 17;
    int iScrollHeight = 17;
    int iCaptionWidth = 18;
    int iCaptionHeight = 18;
    LOGFONT lfCaptionFont;
    int iSmCaptionWidth = 12;
    int iSmCaptionHeight = 15;
    LOGFONT lfSmCaptionFont;
    int iMenuWidth = 18;
    int iMenuHeight = 18;
    LOGFONT lfMenuFont;
    LOGFONT lfStatusFont;
    LOGFONT lfMessageFont;
};

// SPI_GETWORKAREA fills a TRect, SPI_GETWHEELSCROLLLINES an unsigned int, SPI_SETWHEELSCROLLLINES takes
// the value in `value`; SPI_GETNONCLIENTMETRICS fills and SPI_SETNONCLIENTMETRICS takes a NONCLIENTMETRICS
// (setting it changes the scroll-bar metrics too and tells every top-level window, WM_SETTINGCHANGE with
// SPI_SETNONCLIENTMETRICS). Answers false for an unknown action.
bool SystemParametersInfo(UINT action, UINT value, void* data);

// Sends a system notice (WM_SYSCOLORCHANGE, WM_SETTINGCHANGE, WM_TIMECHANGE, WM_FONTCHANGE) to every
// top-level window, front to back; WM_THEMECHANGED reaches every window, children included, as every
// window may hold theme data.
void BroadcastSystemMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

// Monitors.
constexpr UINT MONITOR_DEFAULTTONULL = 0;
constexpr UINT MONITOR_DEFAULTTOPRIMARY = 1;
constexpr UINT MONITOR_DEFAULTTONEAREST = 2;
struct MONITORINFO {
    TRect rcMonitor;
    TRect rcWork;
    bool primary = false;
};
HMONITOR MonitorFromPoint(TPoint p, UINT flags);
HMONITOR MonitorFromRect(const TRect& r, UINT flags);
HMONITOR MonitorFromWindow(HWND hwnd, UINT flags);
bool GetMonitorInfo(HMONITOR monitor, MONITORINFO& info);
int MonitorCount();
// The work area of the monitor nearest to p.
TRect GetWorkAreaAt(TPoint p);
// The monitors used while no display is installed (one 1920 x 1080 screen with a 40-pixel task bar).
std::vector<struct TMonitorDesc> DefaultMonitors();

// Clipboard text (UTF-8).
bool SetClipboardText(const std::string& text);
std::optional<std::string> GetClipboardText();

// Standard cursors: the numbers are the cursor ids of the class library's screen table.
enum : int {
    IDC_ARROW = 32512,
    IDC_IBEAM = 32513,
    IDC_WAIT = 32514,
    IDC_CROSS = 32515,
    IDC_UPARROW = 32516,
    IDC_SIZENWSE = 32642,
    IDC_SIZENESW = 32643,
    IDC_SIZEWE = 32644,
    IDC_SIZENS = 32645,
    IDC_SIZEALL = 32646,
    IDC_NO = 32648,
    IDC_HAND = 32649,
    IDC_APPSTARTING = 32650,
    IDC_HELP = 32651,
};
// The handle of a standard cursor is its id; a drawn cursor gets its handle from RegisterCursorImage.
HCURSOR LoadCursor(int id);
// A cursor drawn by the program: a 32-bit image with premultiplied alpha (copied) and its hot spot.
HCURSOR RegisterCursorImage(HBITMAP image, TPoint hotSpot);
// The image of a drawn cursor (owned by the registry), or nullptr for a standard cursor.
HBITMAP GetCursorImage(HCURSOR cursor, TPoint* hotSpot);

// Pictures on the clipboard (kept by the program; copies go in and out). Setting one clears the
// text and setting text clears the picture, as one clipboard holds one thing.
bool SetClipboardImage(HBITMAP image);
HBITMAP GetClipboardImage(); // a copy the caller deletes, nullptr when there is none

struct OSVERSIONINFO {
    int platformId = 2; // NT family
    int majorVersion = 5;
    int minorVersion = 1;
    int buildNumber = 2600;
};
// A fixed answer: the system the Parts were written for behaves as a current NT system.
OSVERSIONINFO GetVersionEx();

// Opens a document or URL with the desktop's opener (xdg-open), passing it as one argument, never
// through a shell. False when the opener could not be started.
bool ShellOpen(const std::string& target);

} // namespace zorvy
