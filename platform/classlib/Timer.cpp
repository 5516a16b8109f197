#include "platform/classlib/Timer.h"
#include "platform/win/Timers.h"

namespace zorvy {

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    if (id_) KillTimer(0, id_);
}

void TTimer::UpdateTimer() {
    if (id_) KillTimer(0, id_);
    id_ = 0;
    if (!enabled_ || interval_ == 0 || !onTimer_) return;
    TWeakLink<TTimer> self(this);
    id_ = SetTimer(0, 0, interval_, [self](HWND, UINT, std::uintptr_t, std::uint64_t) {
        if (auto* t = self.Get()) t->Timer();
    });
}

void TTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == interval_) return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::Timer() {
    if (onTimer_) onTimer_(this);
}

} // namespace zorvy
