#include "controls/foundation/services/Timers.h"

#include "platform/win/MessageLoop.h"
#include "platform/win/Timers.h"

#include <algorithm>
#include <memory>

namespace zorvy {
namespace {

std::unique_ptr<TcxMessageWindow> messageWindow;
std::unique_ptr<TcxTimerWindow> timerWindow;
std::vector<std::uintptr_t> activeTimers;

bool IsActiveTimer(std::uintptr_t id) {
    return std::find(activeTimers.begin(), activeTimers.end(), id) != activeTimers.end();
}

} // namespace

// ---- Message windows ----

TcxMessageWindow::TcxMessageWindow() {
    handle_ = AllocateHWnd([this](TMessage& m) { HandleWindowMessage(m); });
}

TcxMessageWindow::~TcxMessageWindow() {
    if (handle_) DeallocateHWnd(handle_);
}

void TcxMessageWindow::HandleWindowMessage(TMessage& m) {
    m.Result = DefWindowProc(handle_, m.Msg, m.WParam, m.LParam);
}

void TcxTimerWindow::HandleWindowMessage(TMessage& m) {
    if (m.Msg != WM_TIMER) {
        TcxMessageWindow::HandleWindowMessage(m);
        return;
    }
    const auto id = static_cast<std::uintptr_t>(m.WParam);
    if (IsActiveTimer(id)) reinterpret_cast<TcxTimer*>(id)->HandleTimeout();
}

TcxMessageWindow* GetMessageWindow() {
    if (!messageWindow) messageWindow = std::make_unique<TcxMessageWindow>();
    return messageWindow.get();
}

TcxTimerWindow* GetTimerWindow() {
    if (!timerWindow) timerWindow = std::make_unique<TcxTimerWindow>();
    return timerWindow.get();
}

const std::vector<std::uintptr_t>& GetActiveTimerList() {
    return activeTimers;
}

void FinalizeControlTimers() {
    // Forget the running timers first: their objects may outlive the windows and must not kill
    // timers of a window that is gone.
    activeTimers.clear();
    timerWindow.reset();
    messageWindow.reset();
}

// ---- TcxTimer ----

TcxTimer::TcxTimer(TComponent* owner) : TComponent(owner) {}

TcxTimer::~TcxTimer() {
    StopTimer();
}

void TcxTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    RestartTimer();
}

void TcxTimer::SetInterval(unsigned value) {
    if (value == 0 || value == interval_) return;
    interval_ = value;
    RestartTimer();
}

void TcxTimer::SetOnTimer(TNotifyEvent value) {
    onTimer_ = std::move(value);
    RestartTimer();
}

bool TcxTimer::CanStartTimer() const {
    return enabled_ && !running_ && onTimer_;
}

void TcxTimer::StartTimer() {
    if (!CanStartTimer()) return;
    SetRunning(SetTimer(GetTimerWindow()->GetHandle(), TimerId(), interval_) != 0);
}

void TcxTimer::StopTimer() {
    if (!running_) return;
    // After finalization the list no longer holds this timer and its window is gone.
    if (IsActiveTimer(TimerId()) && timerWindow) KillTimer(timerWindow->GetHandle(), TimerId());
    SetRunning(false);
}

void TcxTimer::RestartTimer() {
    StopTimer();
    StartTimer();
}

void TcxTimer::SetRunning(bool value) {
    if (value == running_) return;
    if (value)
        activeTimers.push_back(TimerId());
    else
        std::erase(activeTimers, TimerId());
    running_ = value;
}

void TcxTimer::HandleTimeout() {
    if (onTimer_) {
        auto handler = onTimer_; // the handler may free the timer or replace itself
        handler(this);
    }
}

} // namespace zorvy
