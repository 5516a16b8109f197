#pragma once
// Timers delivered as WM_TIMER through the queue, on the message clock. A WM_TIMER of a timer that
// has been killed (or set again) since the message was made is dropped by DispatchMessage.
#include "platform/win/Handles.h"

#include <functional>

namespace zorvy {

using TIMERPROC = std::function<void(HWND hwnd, UINT msg, std::uintptr_t id, std::uint64_t time)>;

// Setting an existing (hwnd, id) again replaces it and restarts its period. With hwnd 0 a new id is
// chosen. Answers the id, or 0 when hwnd is not a window.
std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, UINT elapseMs, TIMERPROC proc = nullptr);
bool KillTimer(HWND hwnd, std::uintptr_t id);

} // namespace zorvy
