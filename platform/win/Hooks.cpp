#include "platform/win/Hooks.h"
#include "platform/win/WindowState.h"

namespace zorvy {
namespace {

// Index of the newest hook of a kind installed before position `before` (exclusive).
int PreviousHook(int kind, int before) {
    auto& hooks = WS().hooks;
    for (int i = before - 1; i >= 0; --i)
        if (hooks[static_cast<std::size_t>(i)].kind == kind) return i;
    return -1;
}

LRESULT CallAt(int index, int code, WPARAM wParam, LPARAM lParam) {
    if (index < 0) return 0;
    HOOKPROC proc = WS().hooks[static_cast<std::size_t>(index)].proc; // copied: the hook may unhook itself
    return proc ? proc(code, wParam, lParam) : 0;
}

} // namespace

HHOOK SetWindowsHookEx(int kind, HOOKPROC proc) {
    if (!proc || (kind != WH_CALLWNDPROC && kind != WH_GETMESSAGE && kind != WH_MOUSE)) return 0;
    auto& ws = WS();
    const HHOOK handle = ws.nextHook++;
    ws.hooks.push_back({handle, kind, std::move(proc)});
    return handle;
}

bool UnhookWindowsHookEx(HHOOK hook) {
    return std::erase_if(WS().hooks, [hook](const THook& h) { return h.handle == hook; }) > 0;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    auto& hooks = WS().hooks;
    for (std::size_t i = 0; i < hooks.size(); ++i)
        if (hooks[i].handle == hook)
            return CallAt(PreviousHook(hooks[i].kind, static_cast<int>(i)), code, wParam, lParam);
    return 0;
}

LRESULT CallHookChain(int kind, int code, WPARAM wParam, LPARAM lParam) {
    auto& hooks = WS().hooks;
    if (hooks.empty()) return 0;
    return CallAt(PreviousHook(kind, static_cast<int>(hooks.size())), code, wParam, lParam);
}

} // namespace zorvy
