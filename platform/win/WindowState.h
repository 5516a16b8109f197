#pragma once
// Internal to the window system: the state of every window and of the UI thread's queue. Only the
// window system's own .cpp files include this header.
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Region.h"
#include "platform/win/Clock.h"
#include "platform/win/DisplayBackend.h"
#include "platform/win/Hooks.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/Timers.h"
#include "platform/win/Windows.h"

#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zorvy {

// The pixels of a top-level window, frame included.
struct TBackBuffer {
    HBITMAP bitmap = nullptr;
    TBackBuffer() = default;
    TBackBuffer(const TBackBuffer&) = delete;
    TBackBuffer& operator=(const TBackBuffer&) = delete;
    ~TBackBuffer();
};

struct TWindow {
    HWND handle = 0;
    std::string className;
    std::uint32_t classStyle = 0;
    TColor classBackground = clNone;
    HCURSOR classCursor = 0;
    WNDPROC proc = nullptr;
    std::intptr_t userData = 0;
    std::uintptr_t id = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    HWND parent = 0;
    HWND owner = 0;
    std::vector<HWND> children; // z-order: front first
    TRect windowRect;           // parent client coordinates (screen for top-level windows)
    TRect clientRect;           // client area inside the window rectangle, window coordinates
    std::string text;
    std::intptr_t font = 0;
    bool destroying = false;
    bool redrawOff = false;

    // Painting: the update region in client coordinates, whether it wants erasing, whether the frame needs
    // it.
    TRegion update;
    bool erasePending = false;
    bool framePending = false;
    bool internalPaint = false;
    bool paintCounted = false; // counted in TWindowSystem::paintPending

    std::shared_ptr<struct TScrollBars> scrollBars; // made when a scroll bar is first used

    std::optional<TRegion> windowRegion; // window coordinates
    std::uint8_t alpha = 255;
    std::optional<std::uint32_t> colorKey;

    // Top-level windows only.
    bool hasNative = false;
    TRect restoreRect;             // the bounds a maximised window returns to
    TNativeSizeLimits sizeLimits;  // what the user may resize it to (0: no limit)
    std::unique_ptr<TBackBuffer> backBuffer;
    TRect dirty; // what changed in the back buffer since the last present, window coordinates
};

// One running timer (not the TTimer component, which sets one of these).
struct TTimerEntry {
    HWND hwnd = 0;
    std::uintptr_t id = 0;
    std::uint64_t interval = 0;
    std::uint64_t due = 0;
    TIMERPROC proc;
    std::uint64_t serial = 0;
};

struct THook {
    HHOOK handle = 0;
    int kind = 0;
    HOOKPROC proc;
};

// Raw input waits in the queue as it came from the display; it becomes a window message (target,
// hit test, activation, double click) only when it is retrieved, as capture and focus are then.
enum class TRawKind { None, MouseMove, MouseButton, Wheel, Key, Char };

struct TRawInput {
    TRawKind kind = TRawKind::None;
    TInputButton button = TInputButton::Left;
    bool down = false;
    int delta = 0;
    std::uint16_t vk = 0;
    bool sys = false;
    bool alt = false;
    bool repeat = false; // the key was already down: an auto-repeat
    WPARAM keyFlags = 0;
};

struct TQueued {
    MSG msg;
    TRawInput raw;
    std::uint64_t seq = 0;
};

// Turns a raw input record into its window message; false when the input reaches no window.
bool ResolveInput(TQueued& q);

struct TWindowSystem {
    std::unordered_map<HWND, std::unique_ptr<TWindow>> windows;
    std::vector<HWND> topLevels;                           // z-order: front first
    std::unordered_map<std::string, TWindowClass> classes; // by lower-case name
    HWND nextHandle = 0x100;

    std::deque<TQueued> posted;
    std::uint64_t nextSeq = 1;
    bool quitPosted = false;
    int quitCode = 0;
    int paintPending = 0; // windows with something to paint; keeps an empty queue check cheap
    bool presentPending = false;

    std::vector<TTimerEntry> timers;
    std::uint64_t nextTimerDue = UINT64_MAX;
    std::uint64_t nextTimerSerial = 1;
    std::uintptr_t nextTimerId = 0x7F00;

    std::vector<THook> hooks;
    HHOOK nextHook = 1;

    HWND focus = 0;
    HWND active = 0;
    HWND capture = 0;
    bool appActive = false;

    std::array<std::uint8_t, 256> keyState{};
    std::array<std::uint8_t, 256> asyncKeyState{};
    TPoint cursorPos{};
    HCURSOR cursor = 0;

    // Double-click detection.
    HWND lastClickWindow = 0;
    UINT lastClickMessage = 0;
    std::uint64_t lastClickTime = 0;
    TPoint lastClickPos{};

    TDisplayBackend* backend = nullptr;
    std::string clipboard; // used while no display is installed
};

TWindowSystem& WS();
// The window of a handle, or nullptr for a handle that is not (or no longer) a window.
TWindow* FindWindowState(HWND hwnd);
// Marks that the window's paint state changed, keeping paintPending in step.
void SetPaintState(TWindow& w, bool needsPaint);
bool NeedsPaint(const TWindow& w);
void RecalcNextTimerDue();
// Screen offset of a window's client origin.
TPoint ClientOrigin(const TWindow& w);
TPoint WindowOrigin(const TWindow& w);
// The window's top-level ancestor (itself when top-level).
TWindow* TopLevelOf(TWindow* w);
// Width of the frame the default handling of WM_NCCALCSIZE leaves around the client area.
int FrameWidth(const TWindow& w);
// Called when a window's visible area changed: invalidates what became uncovered below it.
void InvalidateUnder(TWindow& w, const TRect& parentRect);
void ReleaseBackBuffer(TWindow& w);
void EnsureBackBuffer(TWindow& w);
// Deactivates/unfocuses/uncaptures references to a window that is going away or being hidden.
void DetachInputFrom(HWND hwnd, bool destroying);

} // namespace zorvy
