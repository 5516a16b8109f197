#include "platform/win/Timers.h"
#include "platform/win/WindowState.h"

#include <algorithm>

namespace zorvy {

void RecalcNextTimerDue() {
    auto& ws = WS();
    ws.nextTimerDue = UINT64_MAX;
    for (const auto& t : ws.timers)
        ws.nextTimerDue = std::min(ws.nextTimerDue, t.due);
}

std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, UINT elapseMs, TIMERPROC proc) {
    auto& ws = WS();
    if (hwnd && !IsWindow(hwnd)) return 0;
    if (!hwnd) {
        // A thread timer: a fresh id unless an existing thread timer is being reset.
        auto it = std::find_if(ws.timers.begin(), ws.timers.end(),
                               [id](const TTimerEntry& t) { return t.hwnd == 0 && t.id == id; });
        if (id == 0 || it == ws.timers.end()) id = ++ws.nextTimerId;
    }
    const std::uint64_t interval = std::max<UINT>(elapseMs, 1);
    const std::uint64_t now = GetMessageTickCount();
    TTimerEntry timer{hwnd, id, interval, now + interval, std::move(proc), ws.nextTimerSerial++};
    auto it = std::find_if(ws.timers.begin(), ws.timers.end(),
                           [&](const TTimerEntry& t) { return t.hwnd == hwnd && t.id == id; });
    if (it != ws.timers.end())
        *it = std::move(timer);
    else
        ws.timers.push_back(std::move(timer));
    RecalcNextTimerDue();
    return id;
}

bool KillTimer(HWND hwnd, std::uintptr_t id) {
    const auto removed =
        std::erase_if(WS().timers, [&](const TTimerEntry& t) { return t.hwnd == hwnd && t.id == id; });
    RecalcNextTimerDue();
    return removed > 0;
}

} // namespace zorvy
