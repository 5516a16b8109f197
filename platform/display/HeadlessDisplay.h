#pragma once
// The in-memory display: native windows are records, time is a virtual clock that only moves when a
// test (or a waiting message loop) moves it, input is injected, and any window can be captured as PNG.
#include "platform/gdi/Bitmaps.h"
#include "platform/win/Clock.h"
#include "platform/win/DisplayBackend.h"
#include "platform/win/Input.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zorvy {

class THeadlessDisplay : public TDisplayBackend {
  public:
    struct TNativeWindow {
        TNativeWindowDesc desc;
        bool visible = false;
        std::uint8_t alpha = 255;
        std::optional<std::uint32_t> colorKey;
        std::optional<TRegion> shape;
        TNativeSizeLimits limits;
        bool maximized = false;
        int presents = 0;
    };

    // Installs itself as the display and its virtual clock as the message clock; the destructor
    // destroys every window and puts the previous display and clock back.
    THeadlessDisplay();
    ~THeadlessDisplay() override;
    THeadlessDisplay(const THeadlessDisplay&) = delete;
    THeadlessDisplay& operator=(const THeadlessDisplay&) = delete;

    TVirtualClock& Clock() { return clock_; }
    void SetMonitors(std::vector<TMonitorDesc> monitors) { monitors_ = std::move(monitors); }
    const TNativeWindow* NativeWindow(HWND hwnd) const;
    HCURSOR CursorShape() const { return cursor_; }
    // The shown windows from the back to the front, as a window manager stacks them: a raised window
    // goes to the front, and the windows it owns stay in front of it.
    std::vector<HWND> Stacking() const;
    // The window that has the keyboard (0: none).
    HWND KeyboardWindow() const { return keyboard_; }

    // Input at a point in the client coordinates of a window.
    void MoveMouse(HWND hwnd, int x, int y);
    void PressMouse(HWND hwnd, int x, int y, TInputButton button = TInputButton::Left);
    void ReleaseMouse(HWND hwnd, int x, int y, TInputButton button = TInputButton::Left);
    void Click(HWND hwnd, int x, int y, TInputButton button = TInputButton::Left);
    void Wheel(HWND hwnd, int x, int y, int delta);
    void PressKey(std::uint16_t vk); // down and up
    void TypeText(const std::string& utf8);

    // Paints what is pending and answers a copy of the window's pixels; the caller deletes it.
    HBITMAP Capture(HWND hwnd);
    void SavePng(HWND hwnd, const std::string& path);

    void CreateNativeWindow(HWND hwnd, const TNativeWindowDesc& desc) override;
    void DestroyNativeWindow(HWND hwnd) override;
    void ShowNativeWindow(HWND hwnd, bool show, bool activate) override;
    void SetNativeWindowBounds(HWND hwnd, const TRect& bounds) override;
    void SetNativeWindowCaption(HWND hwnd, const std::string& caption) override;
    void SetNativeWindowOwner(HWND hwnd, HWND owner) override;
    void SetNativeWindowSizeLimits(HWND hwnd, const TNativeSizeLimits& limits) override;
    void SetNativeWindowMaximized(HWND hwnd, bool maximized) override;
    void ActivateNativeWindow(HWND hwnd) override;
    void SetNativeWindowLayering(HWND hwnd, std::uint8_t alpha,
                                 std::optional<std::uint32_t> colorKey) override;
    void SetNativeWindowShape(HWND hwnd, const TRegion* region) override;
    void Present(HWND hwnd, const TPixelView& pixels, const TRect& dirty) override;
    void SetCursorShape(HCURSOR cursor) override { cursor_ = cursor; }
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }
    std::optional<std::string> GetClipboardText() override { return clipboard_; }
    std::vector<TMonitorDesc> Monitors() override { return monitors_; }
    void PumpEvents() override {}
    // Jumps the virtual clock to the deadline; with no deadline nothing could ever arrive, which is a
    // usage error reported with an exception instead of a hang.
    void WaitForEvents(std::optional<std::uint64_t> deadline) override;

  private:
    TPoint ToScreen(HWND hwnd, int x, int y) const;
    void Raise(HWND hwnd);

    TVirtualClock clock_;
    TDisplayBackend* previousBackend_;
    TMessageClock* previousClock_;
    std::map<HWND, TNativeWindow> windows_;
    std::vector<HWND> stacking_; // back to front
    HWND keyboard_ = 0;
    std::vector<TMonitorDesc> monitors_;
    std::optional<std::string> clipboard_;
    HCURSOR cursor_ = 0;
};

} // namespace zorvy
