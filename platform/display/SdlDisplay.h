#pragma once
// The SDL2 display: top-level windows become SDL windows (popups without decoration and without
// taking the focus), SDL events become window-system input, and cursors and the clipboard are SDL's.
#include "platform/gdi/Region.h"
#include "platform/win/DisplayBackend.h"

#include <map>
#include <memory>
#include <optional>

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace zorvy {

class TSdlDisplay : public TDisplayBackend {
  public:
    // Initialises SDL's video and installs itself as the display; raises EOutOfResources when SDL
    // cannot open a display. The destructor destroys every window and shuts SDL down.
    TSdlDisplay();
    ~TSdlDisplay() override;
    TSdlDisplay(const TSdlDisplay&) = delete;
    TSdlDisplay& operator=(const TSdlDisplay&) = delete;

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
    void SetCursorShape(HCURSOR cursor) override;
    void SetTextInputArea(const TRect& screen) override;
    void SetClipboardText(const std::string& text) override;
    std::optional<std::string> GetClipboardText() override;
    std::vector<TMonitorDesc> Monitors() override;
    void PumpEvents() override;
    void WaitForEvents(std::optional<std::uint64_t> deadline) override;

  private:
    struct TNative {
        SDL_Window* window = nullptr;
        TRect bounds;
        bool popup = false;
        TNativeWindowDesc desc;
        bool visible = false;
        bool shaped = false; // made by SDL's shaped-window call
        std::optional<TRegion> region;
        std::optional<std::uint32_t> colorKey;
        TNativeSizeLimits limits;
        bool maximized = false; // asked of the window manager, which then owns the size
    };
    // Replaces a plain window by a shaped one (SDL can shape only windows created so).
    void MakeShaped(HWND hwnd, TNative& native);
    // Tells the display server what the window belongs to and how far it may be resized.
    void ApplyOwnerAndLimits(TNative& native);
    // Whether a window manager runs: without one, nobody maximises, stacks or focuses our windows.
    bool WindowManagerRunning();
    void ApplyShape(TNative& native, const TPixelView* pixels);
    HWND FindHandle(std::uint32_t windowId) const;
    void Translate(const SDL_Event& event);
    TPoint ScreenPoint(std::uint32_t windowId, int x, int y) const;

    TDisplayBackend* previous_;
    std::map<HWND, TNative> windows_;
    std::map<HCURSOR, SDL_Cursor*> cursors_;
    std::uint64_t lastPump_ = 0;
    std::optional<bool> windowManager_;
};

} // namespace zorvy
