#pragma once
// What the window system needs of a display: native windows for top-level and popup windows, a place
// to show their pixels, events, cursor shapes, the clipboard and the monitors. The display layer
// implements it (headless in memory, or SDL); the window system only calls through this interface.
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Region.h"
#include "platform/win/Handles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorvy {

struct TMonitorDesc {
    TRect bounds;
    TRect workArea;
    bool primary = false;
};

struct TNativeWindowDesc {
    TRect bounds; // screen coordinates of the whole window
    std::string caption;
    bool popup = false; // no decoration of the display server (menus, drop-downs, hints)
    bool topmost = false;
    bool toolWindow = false;
    bool sizeable = false; // the user may resize and maximise it
    HWND owner = 0;        // the window it belongs to and stays in front of (0: none)
};

// What the user may do with a window's size: the smallest and largest outer size (0: no limit).
struct TNativeSizeLimits {
    int minWidth = 0;
    int minHeight = 0;
    int maxWidth = 0;
    int maxHeight = 0;
};

// Pixels of a window's back buffer: 32-bit 0x00RRGGBB values (the alpha byte is not used), rows top
// to bottom.
struct TPixelView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0; // in pixels
};

class TDisplayBackend {
  public:
    virtual ~TDisplayBackend() = default;

    virtual void CreateNativeWindow(HWND hwnd, const TNativeWindowDesc& desc) = 0;
    virtual void DestroyNativeWindow(HWND hwnd) = 0;
    virtual void ShowNativeWindow(HWND hwnd, bool show, bool activate) = 0;
    virtual void SetNativeWindowBounds(HWND hwnd, const TRect& bounds) = 0;
    virtual void SetNativeWindowCaption(HWND hwnd, const std::string& caption) = 0;
    // The window belongs to owner (0: to none): it stays in front of it and is not a window of its own
    // in the session's task list.
    virtual void SetNativeWindowOwner(HWND hwnd, HWND owner) = 0;
    virtual void SetNativeWindowSizeLimits(HWND hwnd, const TNativeSizeLimits& limits) = 0;
    // Maximised windows take the size the display server gives them; bounds set meanwhile are the
    // size to restore to.
    virtual void SetNativeWindowMaximized(HWND hwnd, bool maximized) = 0;
    // Brings a shown window to the front and gives it the keyboard.
    virtual void ActivateNativeWindow(HWND hwnd) = 0;
    // Constant alpha (255 = opaque) and an optional colour key (0x00BBGGRR) of a layered window.
    virtual void SetNativeWindowLayering(HWND hwnd, std::uint8_t alpha,
                                         std::optional<std::uint32_t> colorKey) = 0;
    // Only the pixels inside region (window coordinates) belong to the window; nullptr: all of them.
    virtual void SetNativeWindowShape(HWND hwnd, const TRegion* region) = 0;
    // The window's pixels changed inside dirty (window coordinates).
    virtual void Present(HWND hwnd, const TPixelView& pixels, const TRect& dirty) = 0;

    virtual void SetCursorShape(HCURSOR cursor) = 0;
    // Where text is being typed (the caret, screen coordinates), so the input method can place its
    // candidate list next to it.
    virtual void SetTextInputArea(const TRect& /*screen*/) {}
    virtual void SetClipboardText(const std::string& text) = 0;
    virtual std::optional<std::string> GetClipboardText() = 0;
    virtual std::vector<TMonitorDesc> Monitors() = 0;

    // Turns the native events that are waiting into window-system input. Cheap when nothing waits.
    virtual void PumpEvents() = 0;
    // Blocks until a native event arrives or the message clock reaches deadline (when given).
    virtual void WaitForEvents(std::optional<std::uint64_t> deadline) = 0;
};

// Installs the display (the caller keeps ownership); nullptr leaves windows without a display.
void SetDisplayBackend(TDisplayBackend* backend);
TDisplayBackend* GetDisplayBackend();

} // namespace zorvy
