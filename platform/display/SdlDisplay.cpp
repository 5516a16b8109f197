#include "platform/display/SdlDisplay.h"
#include "platform/display/SdlKeys.h"
#include "platform/display/X11Session.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/win/Clock.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Windows.h"

#include <SDL.h>
#include <SDL_shape.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace zorvy {
namespace {

SDL_SystemCursor SdlCursorFor(HCURSOR cursor) {
    switch (cursor) {
    case IDC_IBEAM:
        return SDL_SYSTEM_CURSOR_IBEAM;
    case IDC_WAIT:
        return SDL_SYSTEM_CURSOR_WAIT;
    case IDC_CROSS:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case IDC_SIZENWSE:
        return SDL_SYSTEM_CURSOR_SIZENWSE;
    case IDC_SIZENESW:
        return SDL_SYSTEM_CURSOR_SIZENESW;
    case IDC_SIZEWE:
        return SDL_SYSTEM_CURSOR_SIZEWE;
    case IDC_SIZENS:
        return SDL_SYSTEM_CURSOR_SIZENS;
    case IDC_SIZEALL:
        return SDL_SYSTEM_CURSOR_SIZEALL;
    case IDC_NO:
        return SDL_SYSTEM_CURSOR_NO;
    case IDC_HAND:
        return SDL_SYSTEM_CURSOR_HAND;
    case IDC_APPSTARTING:
        return SDL_SYSTEM_CURSOR_WAITARROW;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}

TRect FromSdl(const SDL_Rect& r) {
    return Bounds(r.x, r.y, r.w, r.h);
}

} // namespace

TSdlDisplay::TSdlDisplay() : previous_(GetDisplayBackend()) {
    // Pixels are copied into the window's own surface; an accelerated surface would make SDL replace
    // each window with a new one the first time it is drawn.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw EOutOfResources(std::string("Cannot open the display: ") + SDL_GetError());
    SDL_StartTextInput();
    SetDisplayBackend(this);
}

TSdlDisplay::~TSdlDisplay() {
    ShutdownWindowSystem();
    for (auto& [id, cursor] : cursors_)
        SDL_FreeCursor(cursor);
    for (auto& [hwnd, native] : windows_)
        SDL_DestroyWindow(native.window);
    SetDisplayBackend(previous_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

namespace {

Uint32 WindowFlags(const TNativeWindowDesc& desc) {
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (desc.popup) flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
    if (desc.topmost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    if (desc.toolWindow || desc.owner) flags |= SDL_WINDOW_SKIP_TASKBAR;
    if (desc.sizeable) flags |= SDL_WINDOW_RESIZABLE;
    return flags;
}

} // namespace

void TSdlDisplay::CreateNativeWindow(HWND hwnd, const TNativeWindowDesc& desc) {
    SDL_Window* window = SDL_CreateWindow(desc.caption.c_str(), desc.bounds.Left, desc.bounds.Top,
                                          std::max(1, desc.bounds.Width()), std::max(1, desc.bounds.Height()),
                                          WindowFlags(desc));
    if (!window) throw EOutOfResources(std::string("Cannot create a window: ") + SDL_GetError());
    TNative native;
    native.window = window;
    native.bounds = desc.bounds;
    native.popup = desc.popup;
    native.desc = desc;
    ApplyOwnerAndLimits(native);
    windows_[hwnd] = native;
}

void TSdlDisplay::ApplyOwnerAndLimits(TNative& native) {
    if (native.popup) return;
    if (auto owner = windows_.find(native.desc.owner); owner != windows_.end())
        SDL_SetWindowModalFor(native.window, owner->second.window);
    const TNativeSizeLimits& l = native.limits;
    if (l.minWidth || l.minHeight) SDL_SetWindowMinimumSize(native.window, std::max(1, l.minWidth), std::max(1, l.minHeight));
    if (l.maxWidth || l.maxHeight)
        SDL_SetWindowMaximumSize(native.window, l.maxWidth ? l.maxWidth : 16384, l.maxHeight ? l.maxHeight : 16384);
}

bool TSdlDisplay::WindowManagerRunning() {
    if (windowManager_) return *windowManager_;
    if (windows_.empty()) return true;
    windowManager_ = WindowManagerRunningFor(windows_.begin()->second.window);
    return *windowManager_;
}

void TSdlDisplay::SetNativeWindowOwner(HWND hwnd, HWND owner) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    it->second.desc.owner = owner;
    // A window that belongs to none keeps the last owner the display server knows: SDL cannot undo it.
    ApplyOwnerAndLimits(it->second);
}

void TSdlDisplay::SetNativeWindowSizeLimits(HWND hwnd, const TNativeSizeLimits& limits) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    it->second.limits = limits;
    ApplyOwnerAndLimits(it->second);
}

void TSdlDisplay::SetNativeWindowMaximized(HWND hwnd, bool maximized) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end() || it->second.maximized == maximized) return;
    it->second.maximized = maximized;
    if (!WindowManagerRunning()) return; // the window system sets the size itself
    if (maximized)
        SDL_MaximizeWindow(it->second.window);
    else
        SDL_RestoreWindow(it->second.window);
}

void TSdlDisplay::ActivateNativeWindow(HWND hwnd) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end() || it->second.popup || !it->second.visible) return;
    SDL_RaiseWindow(it->second.window);
    // Without a window manager the keyboard stays where it was (or nowhere, when that window went).
    if (!WindowManagerRunning()) SDL_SetWindowInputFocus(it->second.window);
}

void TSdlDisplay::MakeShaped(HWND, TNative& native) {
    if (native.shaped) return;
    const TRect b = native.bounds;
    SDL_Window* shaped =
        SDL_CreateShapedWindow(native.desc.caption.c_str(), static_cast<unsigned>(b.Left),
                               static_cast<unsigned>(b.Top), static_cast<unsigned>(std::max(1, b.Width())),
                               static_cast<unsigned>(std::max(1, b.Height())), WindowFlags(native.desc));
    // A display server without shaped windows keeps the plain, rectangular window.
    if (!shaped) return;
    SDL_DestroyWindow(native.window);
    native.window = shaped;
    native.shaped = true;
    ApplyOwnerAndLimits(native);
    if (native.visible) SDL_ShowWindow(shaped);
}

void TSdlDisplay::ApplyShape(TNative& native, const TPixelView* pixels) {
    if (!native.shaped) return;
    int w = 0, h = 0;
    SDL_GetWindowSize(native.window, &w, &h);
    SDL_Surface* mask = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!mask) return;
    // The key is 0x00BBGGRR; pixels are 0x00RRGGBB.
    std::optional<std::uint32_t> key;
    if (native.colorKey)
        key = ((*native.colorKey & 0xFF) << 16) | (*native.colorKey & 0xFF00) |
              ((*native.colorKey >> 16) & 0xFF);
    SDL_LockSurface(mask);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(mask->pixels) +
                                                     static_cast<std::size_t>(y) *
                                                         static_cast<std::size_t>(mask->pitch));
        for (int x = 0; x < w; ++x) {
            bool inside = !native.region || native.region->Contains({x, y});
            if (inside && key && pixels && x < pixels->width && y < pixels->height)
                inside =
                    (pixels->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(pixels->stride) +
                                    static_cast<std::size_t>(x)] &
                     0xFFFFFF) != *key;
            row[x] = inside ? 0xFF000000u : 0u;
        }
    }
    SDL_UnlockSurface(mask);
    SDL_WindowShapeMode mode;
    mode.mode = ShapeModeBinarizeAlpha;
    mode.parameters.binarizationCutoff = 128;
    SDL_SetWindowShape(native.window, mask, &mode);
    SDL_FreeSurface(mask);
}

void TSdlDisplay::SetNativeWindowShape(HWND hwnd, const TRegion* region) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    if (region)
        it->second.region = *region;
    else
        it->second.region.reset();
    if (region) MakeShaped(hwnd, it->second);
    ApplyShape(it->second, nullptr);
}

void TSdlDisplay::DestroyNativeWindow(HWND hwnd) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    SDL_DestroyWindow(it->second.window);
    windows_.erase(it);
}

void TSdlDisplay::ShowNativeWindow(HWND hwnd, bool show, bool activate) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    it->second.visible = show;
    if (!show) {
        SDL_HideWindow(it->second.window);
        return;
    }
    SDL_ShowWindow(it->second.window);
    if (activate && !it->second.popup) SDL_RaiseWindow(it->second.window);
}

void TSdlDisplay::SetNativeWindowBounds(HWND hwnd, const TRect& bounds) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end() || it->second.bounds == bounds) return;
    it->second.bounds = bounds;
    it->second.desc.bounds = bounds;
    // The window manager sizes a maximised window, and restores the size it had before.
    if (it->second.maximized && WindowManagerRunning()) return;
    SDL_SetWindowPosition(it->second.window, bounds.Left, bounds.Top);
    SDL_SetWindowSize(it->second.window, std::max(1, bounds.Width()), std::max(1, bounds.Height()));
}

void TSdlDisplay::SetNativeWindowCaption(HWND hwnd, const std::string& caption) {
    if (auto it = windows_.find(hwnd); it != windows_.end()) {
        it->second.desc.caption = caption;
        SDL_SetWindowTitle(it->second.window, caption.c_str());
    }
}

void TSdlDisplay::SetNativeWindowLayering(HWND hwnd, std::uint8_t alpha,
                                          std::optional<std::uint32_t> colorKey) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    // A colour key becomes the window's shape, made again from its pixels at each present.
    it->second.colorKey = colorKey;
    if (colorKey) MakeShaped(hwnd, it->second);
    SDL_SetWindowOpacity(it->second.window, alpha / 255.0f);
}

void TSdlDisplay::Present(HWND hwnd, const TPixelView& pixels, const TRect& dirty) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    SDL_Surface* surface = SDL_GetWindowSurface(it->second.window);
    if (!surface) return;
    TRect r;
    if (!IntersectRect(r, dirty,
                       Rect(0, 0, std::min(pixels.width, surface->w), std::min(pixels.height, surface->h))))
        return;
    const auto* src = pixels.pixels + static_cast<std::size_t>(r.Top) * pixels.stride + r.Left;
    auto* dst = static_cast<std::uint8_t*>(surface->pixels) +
                static_cast<std::size_t>(r.Top) * surface->pitch +
                static_cast<std::size_t>(r.Left) * surface->format->BytesPerPixel;
    SDL_LockSurface(surface);
    SDL_ConvertPixels(r.Width(), r.Height(), SDL_PIXELFORMAT_RGB888, src, pixels.stride * 4,
                      surface->format->format, dst, surface->pitch);
    SDL_UnlockSurface(surface);
    SDL_Rect rect{r.Left, r.Top, r.Width(), r.Height()};
    SDL_UpdateWindowSurfaceRects(it->second.window, &rect, 1);
    if (it->second.colorKey) ApplyShape(it->second, &pixels);
}

void TSdlDisplay::SetTextInputArea(const TRect& screen) {
    // SDL places the candidate list relative to the window with the keyboard focus.
    SDL_Window* focus = SDL_GetKeyboardFocus();
    int wx = 0, wy = 0;
    if (focus) SDL_GetWindowPosition(focus, &wx, &wy);
    SDL_Rect r{screen.Left - wx, screen.Top - wy, screen.Width(), screen.Height()};
    SDL_SetTextInputRect(&r);
}

void TSdlDisplay::SetCursorShape(HCURSOR cursor) {
    TPoint hot;
    if (HBITMAP image = GetCursorImage(cursor, &hot)) {
        auto& c = cursors_[cursor];
        if (!c) {
            SDL_Surface* surface =
                SDL_CreateRGBSurfaceWithFormatFrom(image->bits.data(), image->width, image->height, 32,
                                                   image->width * 4, SDL_PIXELFORMAT_ARGB8888);
            if (surface) {
                c = SDL_CreateColorCursor(surface, hot.X, hot.Y);
                SDL_FreeSurface(surface);
            }
        }
        if (c) {
            SDL_SetCursor(c);
            return;
        }
    }
    const SDL_SystemCursor shape = SdlCursorFor(cursor);
    // System shapes are cached under negative keys, apart from drawn cursors' handles.
    auto& c = cursors_[-1 - static_cast<HCURSOR>(shape)];
    if (!c) c = SDL_CreateSystemCursor(shape);
    if (c) SDL_SetCursor(c);
}

void TSdlDisplay::SetClipboardText(const std::string& text) {
    SDL_SetClipboardText(text.c_str());
}

std::optional<std::string> TSdlDisplay::GetClipboardText() {
    if (!SDL_HasClipboardText()) return std::nullopt;
    char* text = SDL_GetClipboardText();
    std::optional<std::string> result;
    if (text) result = std::string(text);
    SDL_free(text);
    return result;
}

std::vector<TMonitorDesc> TSdlDisplay::Monitors() {
    std::vector<TMonitorDesc> list;
    const int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
        SDL_Rect bounds, usable;
        if (SDL_GetDisplayBounds(i, &bounds) != 0) continue;
        if (SDL_GetDisplayUsableBounds(i, &usable) != 0) usable = bounds;
        list.push_back({FromSdl(bounds), FromSdl(usable), i == 0});
    }
    return list;
}

HWND TSdlDisplay::FindHandle(std::uint32_t windowId) const {
    for (const auto& [hwnd, native] : windows_)
        if (SDL_GetWindowID(native.window) == windowId) return hwnd;
    return 0;
}

TPoint TSdlDisplay::ScreenPoint(std::uint32_t windowId, int x, int y) const {
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    int wx = 0, wy = 0;
    if (window) SDL_GetWindowPosition(window, &wx, &wy);
    return {wx + x, wy + y};
}

void TSdlDisplay::PumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event))
        Translate(event);
}

void TSdlDisplay::Translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION:
        InjectMouseMove(ScreenPoint(event.motion.windowID, event.motion.x, event.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const auto b = event.button.button;
        const TInputButton button = b == SDL_BUTTON_RIGHT    ? TInputButton::Right
                                    : b == SDL_BUTTON_MIDDLE ? TInputButton::Middle
                                                             : TInputButton::Left;
        InjectMouseButton(button, event.type == SDL_MOUSEBUTTONDOWN,
                          ScreenPoint(event.button.windowID, event.button.x, event.button.y));
        break;
    }
    case SDL_MOUSEWHEEL: {
        int delta = event.wheel.y * 120;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) delta = -delta;
        TPoint p;
        GetCursorPos(p);
        if (delta) InjectMouseWheel(delta, p);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (auto vk = VirtualKeyFromSdl(event.key.keysym.sym)) InjectKey(vk, event.type == SDL_KEYDOWN);
        break;
    case SDL_TEXTINPUT:
        InjectText(event.text.text);
        break;
    case SDL_TEXTEDITING:
        // event.edit.start counts characters; the window system counts bytes.
        InjectComposition(event.edit.text,
                          static_cast<int>(CharToByteIndex(
                              event.edit.text, static_cast<std::size_t>(std::max(event.edit.start, 0)))));
        break;
    case SDL_QUIT:
        // The session asks the program to end (a termination signal or the last window closing).
        PostQuitMessage(0);
        break;
    case SDL_WINDOWEVENT: {
        const HWND hwnd = FindHandle(event.window.windowID);
        if (!hwnd) break;
        auto& native = windows_[hwnd];
        switch (event.window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
            break;
        case SDL_WINDOWEVENT_MOVED:
            if (native.bounds.Left != event.window.data1 || native.bounds.Top != event.window.data2) {
                OffsetRect(native.bounds, event.window.data1 - native.bounds.Left,
                           event.window.data2 - native.bounds.Top);
                SetWindowPos(hwnd, 0, native.bounds.Left, native.bounds.Top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            if (native.bounds.Width() != event.window.data1 || native.bounds.Height() != event.window.data2) {
                native.bounds.Right = native.bounds.Left + event.window.data1;
                native.bounds.Bottom = native.bounds.Top + event.window.data2;
                SetWindowPos(hwnd, 0, 0, 0, event.window.data1, event.window.data2,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            break;
        case SDL_WINDOWEVENT_LEAVE:
            // The pointer left our windows: nothing of ours is under it any more (unless captured).
            if (!GetCapture()) InjectMouseMove({-32000, -32000});
            break;
        case SDL_WINDOWEVENT_MAXIMIZED:
            native.maximized = true;
            if (!(GetWindowStyle(hwnd) & WS_MAXIMIZE)) ShowWindow(hwnd, SW_SHOWMAXIMIZED);
            break;
        case SDL_WINDOWEVENT_RESTORED:
            if (native.maximized && (GetWindowStyle(hwnd) & WS_MAXIMIZE)) {
                native.maximized = false;
                ShowWindow(hwnd, SW_RESTORE);
            }
            native.maximized = false;
            break;
        case SDL_WINDOWEVENT_CLOSE:
            PostMessage(hwnd, WM_CLOSE);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            if (!native.popup && GetActiveWindow() != hwnd && IsWindowEnabled(hwnd)) SetActiveWindow(hwnd);
            break;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
}

void TSdlDisplay::WaitForEvents(std::optional<std::uint64_t> deadline) {
    if (!deadline) {
        SDL_WaitEvent(nullptr);
        lastPump_ = 0;
        return;
    }
    const std::uint64_t now = GetMessageTickCount();
    if (*deadline <= now) return;
    SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<std::uint64_t>(*deadline - now, INT_MAX)));
    lastPump_ = 0;
}

} // namespace zorvy
