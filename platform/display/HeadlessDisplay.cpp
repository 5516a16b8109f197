#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/rtl/Exceptions.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Windows.h"

namespace zorvy {

THeadlessDisplay::THeadlessDisplay()
    : previousBackend_(GetDisplayBackend()), previousClock_(&GetMessageClock()),
      monitors_(DefaultMonitors()) {
    SetDisplayBackend(this);
    SetMessageClock(&clock_);
}

THeadlessDisplay::~THeadlessDisplay() {
    ShutdownWindowSystem();
    SetDisplayBackend(previousBackend_);
    SetMessageClock(previousClock_);
}

const THeadlessDisplay::TNativeWindow* THeadlessDisplay::NativeWindow(HWND hwnd) const {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : &it->second;
}

TPoint THeadlessDisplay::ToScreen(HWND hwnd, int x, int y) const {
    TPoint p{x, y};
    ClientToScreen(hwnd, p);
    return p;
}

void THeadlessDisplay::MoveMouse(HWND hwnd, int x, int y) {
    InjectMouseMove(ToScreen(hwnd, x, y));
}

void THeadlessDisplay::PressMouse(HWND hwnd, int x, int y, TInputButton button) {
    const TPoint p = ToScreen(hwnd, x, y);
    InjectMouseMove(p);
    InjectMouseButton(button, true, p);
}

void THeadlessDisplay::ReleaseMouse(HWND hwnd, int x, int y, TInputButton button) {
    InjectMouseButton(button, false, ToScreen(hwnd, x, y));
}

void THeadlessDisplay::Click(HWND hwnd, int x, int y, TInputButton button) {
    const TPoint p = ToScreen(hwnd, x, y);
    InjectMouseMove(p);
    InjectMouseButton(button, true, p);
    InjectMouseButton(button, false, p);
}

void THeadlessDisplay::Wheel(HWND hwnd, int x, int y, int delta) {
    InjectMouseWheel(delta, ToScreen(hwnd, x, y));
}

void THeadlessDisplay::PressKey(std::uint16_t vk) {
    InjectKey(vk, true);
    InjectKey(vk, false);
}

void THeadlessDisplay::TypeText(const std::string& utf8) {
    InjectText(utf8);
}

HBITMAP THeadlessDisplay::Capture(HWND hwnd) {
    FlushPainting();
    return CaptureWindowImage(hwnd);
}

void THeadlessDisplay::SavePng(HWND hwnd, const std::string& path) {
    HBITMAP image = Capture(hwnd);
    if (!image) throw EInvalidOperation("Cannot capture a window that does not exist");
    try {
        SavePngFile(image, path);
    } catch (...) {
        DeleteObject(image);
        throw;
    }
    DeleteObject(image);
}

void THeadlessDisplay::CreateNativeWindow(HWND hwnd, const TNativeWindowDesc& desc) {
    TNativeWindow w;
    w.desc = desc;
    windows_[hwnd] = w;
}

void THeadlessDisplay::DestroyNativeWindow(HWND hwnd) {
    windows_.erase(hwnd);
    std::erase(stacking_, hwnd);
    if (keyboard_ == hwnd) keyboard_ = 0;
}

void THeadlessDisplay::ShowNativeWindow(HWND hwnd, bool show, bool activate) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    it->second.visible = show;
    if (!show) {
        std::erase(stacking_, hwnd);
        if (keyboard_ == hwnd) keyboard_ = 0;
        return;
    }
    Raise(hwnd);
    if (activate && !it->second.desc.popup) keyboard_ = hwnd;
}

void THeadlessDisplay::Raise(HWND hwnd) {
    std::erase(stacking_, hwnd);
    stacking_.push_back(hwnd);
    // What the window owns comes along in front of it, in the order it was stacked.
    const std::vector<HWND> before = stacking_;
    for (HWND other : before)
        if (auto it = windows_.find(other); it != windows_.end() && it->second.desc.owner == hwnd) Raise(other);
}

std::vector<HWND> THeadlessDisplay::Stacking() const { return stacking_; }

void THeadlessDisplay::SetNativeWindowOwner(HWND hwnd, HWND owner) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    it->second.desc.owner = owner;
    if (owner && it->second.visible) Raise(hwnd);
}

void THeadlessDisplay::SetNativeWindowSizeLimits(HWND hwnd, const TNativeSizeLimits& limits) {
    if (auto it = windows_.find(hwnd); it != windows_.end()) it->second.limits = limits;
}

void THeadlessDisplay::SetNativeWindowMaximized(HWND hwnd, bool maximized) {
    if (auto it = windows_.find(hwnd); it != windows_.end()) it->second.maximized = maximized;
}

void THeadlessDisplay::ActivateNativeWindow(HWND hwnd) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end() || !it->second.visible) return;
    Raise(hwnd);
    if (!it->second.desc.popup) keyboard_ = hwnd;
}

void THeadlessDisplay::SetNativeWindowBounds(HWND hwnd, const TRect& bounds) {
    if (auto it = windows_.find(hwnd); it != windows_.end()) it->second.desc.bounds = bounds;
}

void THeadlessDisplay::SetNativeWindowCaption(HWND hwnd, const std::string& caption) {
    if (auto it = windows_.find(hwnd); it != windows_.end()) it->second.desc.caption = caption;
}

void THeadlessDisplay::SetNativeWindowLayering(HWND hwnd, std::uint8_t alpha,
                                               std::optional<std::uint32_t> colorKey) {
    if (auto it = windows_.find(hwnd); it != windows_.end()) {
        it->second.alpha = alpha;
        it->second.colorKey = colorKey;
    }
}

void THeadlessDisplay::SetNativeWindowShape(HWND hwnd, const TRegion* region) {
    if (auto it = windows_.find(hwnd); it != windows_.end()) {
        if (region)
            it->second.shape = *region;
        else
            it->second.shape.reset();
    }
}

void THeadlessDisplay::Present(HWND hwnd, const TPixelView&, const TRect&) {
    if (auto it = windows_.find(hwnd); it != windows_.end()) ++it->second.presents;
}

void THeadlessDisplay::WaitForEvents(std::optional<std::uint64_t> deadline) {
    if (!deadline)
        throw EInvalidOperation(
            "The message loop is waiting for input, but the headless display has none to give");
    if (*deadline > clock_.Milliseconds()) clock_.Set(*deadline);
}

} // namespace zorvy
