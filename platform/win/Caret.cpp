#include "platform/win/Caret.h"
#include "platform/gdi/Drawing.h"
#include "platform/win/DisplayBackend.h"
#include "platform/win/Painting.h"
#include "platform/win/Timers.h"
#include "platform/win/Windows.h"

namespace zorvy {
namespace {

struct TCaret {
    HWND owner = 0;
    int width = 1, height = 1;
    TPoint pos{};
    int hideLevel = 1; // a new caret is hidden until shown
    bool drawn = false;
    std::uintptr_t timer = 0;
};

TCaret caret;
constexpr UINT BlinkTime = 530;

void Toggle() {
    if (!IsWindow(caret.owner)) return;
    HDC dc = GetDC(caret.owner);
    InvertRect(dc, Bounds(caret.pos.X, caret.pos.Y, caret.width, caret.height));
    ReleaseDC(caret.owner, dc);
    caret.drawn = !caret.drawn;
}

void Erase() {
    if (caret.drawn) Toggle();
}

void Blink() {
    if (!IsWindow(caret.owner)) {
        DestroyCaret();
        return;
    }
    if (caret.hideLevel == 0) Toggle();
}

} // namespace

bool CreateCaret(HWND hwnd, int width, int height) {
    if (!IsWindow(hwnd)) return false;
    DestroyCaret();
    caret.owner = hwnd;
    caret.width = width > 0 ? width : 1;
    caret.height = height > 0 ? height : 1;
    caret.hideLevel = 1;
    caret.timer = SetTimer(0, 0, BlinkTime, [](HWND, UINT, std::uintptr_t, std::uint64_t) { Blink(); });
    return true;
}

bool DestroyCaret() {
    if (!caret.owner) return false;
    Erase();
    if (caret.timer) KillTimer(0, caret.timer);
    caret = TCaret{};
    return true;
}

bool SetCaretPos(int x, int y) {
    if (!caret.owner) return false;
    const bool was = caret.drawn;
    Erase();
    caret.pos = {x, y};
    if (was) Toggle();
    if (auto* backend = GetDisplayBackend()) {
        TPoint screen = caret.pos;
        ClientToScreen(caret.owner, screen);
        backend->SetTextInputArea(Bounds(screen.X, screen.Y, caret.width, caret.height));
    }
    return true;
}

bool GetCaretPos(TPoint& p) {
    if (!caret.owner) return false;
    p = caret.pos;
    return true;
}

bool ShowCaret(HWND hwnd) {
    if (!caret.owner || (hwnd && hwnd != caret.owner) || caret.hideLevel == 0) return false;
    if (--caret.hideLevel == 0 && !caret.drawn) Toggle();
    return true;
}

bool HideCaret(HWND hwnd) {
    if (!caret.owner || (hwnd && hwnd != caret.owner)) return false;
    if (caret.hideLevel++ == 0) Erase();
    return true;
}

UINT GetCaretBlinkTime() {
    return BlinkTime;
}
bool CaretDrawn() {
    return caret.drawn;
}

} // namespace zorvy
