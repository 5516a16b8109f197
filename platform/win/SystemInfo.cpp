#include "platform/win/SystemInfo.h"
#include "platform/win/DisplayBackend.h"
#include "platform/win/WindowState.h"

#include "platform/gdi/GdiObjects.h"

#include "platform/win/MessageLoop.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <unordered_map>

extern char** environ;

namespace zorvy {
namespace {

std::unordered_map<int, int>& Metrics() {
    static std::unordered_map<int, int> m = {
        {SM_CXVSCROLL, 17}, {SM_CYHSCROLL, 17},  {SM_CYVSCROLL, 17},
        {SM_CXHSCROLL, 17}, {SM_CYCAPTION, 19},  {SM_CXBORDER, 1},
        {SM_CYBORDER, 1},   {SM_CXDLGFRAME, 3},  {SM_CYDLGFRAME, 3},
        {SM_CYVTHUMB, 17},  {SM_CXHTHUMB, 17},   {SM_CXICON, 32},
        {SM_CYICON, 32},    {SM_CXCURSOR, 32},   {SM_CYCURSOR, 32},
        {SM_CYMENU, 19},    {SM_CXDOUBLECLK, 4}, {SM_CYDOUBLECLK, 4},
        {SM_CXEDGE, 2},     {SM_CYEDGE, 2},      {SM_CXSMICON, 16},
        {SM_CYSMICON, 16},  {SM_CXSIZE, 18},     {SM_CYSIZE, 18},
        {SM_CXDRAG, 4},     {SM_CYDRAG, 4},      {SM_MOUSEWHEELPRESENT, 1},
        {SM_SWAPBUTTON, 0},
    };
    return m;
}

UINT wheelLines = 3;

NONCLIENTMETRICS& NonClientMetrics() {
    static NONCLIENTMETRICS metrics = [] {
        NONCLIENTMETRICS m;
        LOGFONT base;
        GetObject(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), base);
        m.lfCaptionFont = base;
        m.lfCaptionFont.lfWeight = FW_BOLD;
        m.lfSmCaptionFont = base;
        m.lfMenuFont = base;
        m.lfStatusFont = base;
        m.lfMessageFont = base;
        return m;
    }();
    return metrics;
}
struct TClipboardImage {
    HBITMAP bitmap = nullptr;
    ~TClipboardImage() {
        if (bitmap) DeleteObject(bitmap);
    }
} clipboardPicture;
HBITMAP& clipboardImage = clipboardPicture.bitmap;

std::vector<TMonitorDesc> CurrentMonitors() {
    if (auto* b = GetDisplayBackend()) {
        auto list = b->Monitors();
        if (!list.empty()) return list;
    }
    return DefaultMonitors();
}

long Distance(const TRect& r, TPoint p) {
    long dx = p.X < r.Left ? r.Left - p.X : p.X >= r.Right ? p.X - r.Right + 1 : 0;
    long dy = p.Y < r.Top ? r.Top - p.Y : p.Y >= r.Bottom ? p.Y - r.Bottom + 1 : 0;
    return dx * dx + dy * dy;
}

} // namespace

std::vector<TMonitorDesc> DefaultMonitors() {
    return {TMonitorDesc{Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1040), true}};
}

int GetSystemMetrics(int index) {
    if (index == SM_CXSCREEN || index == SM_CYSCREEN) {
        for (const auto& m : CurrentMonitors())
            if (m.primary) return index == SM_CXSCREEN ? m.bounds.Width() : m.bounds.Height();
        return 0;
    }
    if (index == SM_CMONITORS) return MonitorCount();
    auto& m = Metrics();
    auto it = m.find(index);
    return it == m.end() ? 0 : it->second;
}

void SetSystemMetric(int index, int value) {
    Metrics()[index] = value;
}

bool SystemParametersInfo(UINT action, UINT value, void* data) {
    switch (action) {
    case SPI_GETWORKAREA:
        if (!data) return false;
        for (const auto& m : CurrentMonitors())
            if (m.primary) *static_cast<TRect*>(data) = m.workArea;
        return true;
    case SPI_GETWHEELSCROLLLINES:
        if (!data) return false;
        *static_cast<UINT*>(data) = wheelLines;
        return true;
    case SPI_SETWHEELSCROLLLINES:
        wheelLines = value;
        return true;
    case SPI_GETDRAGFULLWINDOWS:
        if (data) *static_cast<bool*>(data) = true;
        return data != nullptr;
    case SPI_GETNONCLIENTMETRICS:
        if (!data) return false;
        *static_cast<NONCLIENTMETRICS*>(data) = NonClientMetrics();
        return true;
    case SPI_SETNONCLIENTMETRICS: {
        if (!data) return false;
        const auto& m = *static_cast<const NONCLIENTMETRICS*>(data);
        NonClientMetrics() = m;
        SetSystemMetric(SM_CXVSCROLL, m.iScrollWidth);
        SetSystemMetric(SM_CYHSCROLL, m.iScrollHeight);
        SetSystemMetric(SM_CYVSCROLL, m.iScrollHeight);
        SetSystemMetric(SM_CXHSCROLL, m.iScrollWidth);
        SetSystemMetric(SM_CYCAPTION, m.iCaptionHeight + 1);
        SetSystemMetric(SM_CYMENU, m.iMenuHeight + 1);
        BroadcastSystemMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS);
        return true;
    }
    default:
        return false;
    }
}

void BroadcastSystemMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A copy: a receiver may open or close windows.
    const std::vector<HWND> tops = WS().topLevels;
    std::function<void(HWND)> send = [&](HWND hwnd) {
        if (!IsWindow(hwnd)) return;
        std::vector<HWND> children;
        if (msg == WM_THEMECHANGED) children = FindWindowState(hwnd)->children;
        SendMessage(hwnd, msg, wParam, lParam);
        for (HWND child : children)
            send(child);
    };
    for (HWND top : tops)
        send(top);
}

// Monitor handles are 1-based indexes into the current monitor list.
HMONITOR MonitorFromPoint(TPoint p, UINT flags) {
    auto list = CurrentMonitors();
    HMONITOR nearest = 0, primary = 0;
    long best = -1;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (PtInRect(list[i].bounds, p)) return i + 1;
        if (list[i].primary) primary = i + 1;
        long d = Distance(list[i].bounds, p);
        if (best < 0 || d < best) best = d, nearest = i + 1;
    }
    if (flags == MONITOR_DEFAULTTONEAREST) return nearest;
    if (flags == MONITOR_DEFAULTTOPRIMARY) return primary ? primary : (list.empty() ? 0 : 1);
    return 0;
}

HMONITOR MonitorFromRect(const TRect& r, UINT flags) {
    return MonitorFromPoint({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}, flags);
}

HMONITOR MonitorFromWindow(HWND hwnd, UINT flags) {
    TRect r;
    if (!GetWindowRect(hwnd, r)) return flags == MONITOR_DEFAULTTONULL ? 0 : MonitorFromPoint({}, flags);
    return MonitorFromRect(r, flags);
}

bool GetMonitorInfo(HMONITOR monitor, MONITORINFO& info) {
    auto list = CurrentMonitors();
    if (monitor == 0 || monitor > list.size()) return false;
    const auto& m = list[monitor - 1];
    info.rcMonitor = m.bounds;
    info.rcWork = m.workArea;
    info.primary = m.primary;
    return true;
}

int MonitorCount() {
    return static_cast<int>(CurrentMonitors().size());
}

TRect GetWorkAreaAt(TPoint p) {
    MONITORINFO info;
    if (GetMonitorInfo(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), info)) return info.rcWork;
    TRect r;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r);
    return r;
}

bool SetClipboardText(const std::string& text) {
    if (!text.empty() && clipboardImage) {
        DeleteObject(clipboardImage);
        clipboardImage = nullptr;
    }
    if (auto* b = GetDisplayBackend())
        b->SetClipboardText(text);
    else
        WS().clipboard = text;
    return true;
}

std::optional<std::string> GetClipboardText() {
    if (auto* b = GetDisplayBackend()) return b->GetClipboardText();
    if (WS().clipboard.empty()) return std::nullopt;
    return WS().clipboard;
}

HCURSOR LoadCursor(int id) {
    return id;
}

namespace {

struct TBitmapDeleter {
    void operator()(TBitmapObject* b) const { DeleteObject(b); }
};
using TOwnedBitmap = std::unique_ptr<TBitmapObject, TBitmapDeleter>;

struct TCursorImage {
    TOwnedBitmap image;
    TPoint hotSpot;
};

// Registered for the life of the program, like the cursor resources they stand for.
std::map<HCURSOR, TCursorImage>& CursorImages() {
    static std::map<HCURSOR, TCursorImage> images;
    return images;
}

HBITMAP CopyBitmap(HBITMAP b) {
    if (!b) return nullptr;
    HBITMAP copy = CreateBitmap(b->width, b->height, 1, 32);
    copy->bits = b->bits;
    return copy;
}

} // namespace

HCURSOR RegisterCursorImage(HBITMAP image, TPoint hotSpot) {
    if (!image) return 0;
    auto& images = CursorImages();
    // Drawn cursors take handles above the standard ids.
    const HCURSOR handle = 0x10000 + static_cast<HCURSOR>(images.size());
    images[handle] = {TOwnedBitmap(CopyBitmap(image)), hotSpot};
    return handle;
}

HBITMAP GetCursorImage(HCURSOR cursor, TPoint* hotSpot) {
    auto& images = CursorImages();
    auto it = images.find(cursor);
    if (it == images.end()) return nullptr;
    if (hotSpot) *hotSpot = it->second.hotSpot;
    return it->second.image.get();
}

bool SetClipboardImage(HBITMAP image) {
    if (!image) return false;
    if (clipboardImage) DeleteObject(clipboardImage);
    clipboardImage = CopyBitmap(image);
    SetClipboardText("");
    return true;
}

HBITMAP GetClipboardImage() {
    return CopyBitmap(clipboardImage);
}

OSVERSIONINFO GetVersionEx() {
    return OSVERSIONINFO{};
}

bool ShellOpen(const std::string& target) {
    if (target.empty()) return false;
    std::string opener = "xdg-open";
    char* argv[] = {opener.data(), const_cast<char*>(target.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) return false;
    // The opener returns at once after handing the document over; reap it so no zombie stays.
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void SetDisplayBackend(TDisplayBackend* backend) {
    WS().backend = backend;
}
TDisplayBackend* GetDisplayBackend() {
    return WS().backend;
}

} // namespace zorvy
