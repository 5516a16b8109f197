#include "controls/foundation/services/MouseTracking.h"

#include "controls/foundation/services/ControlRoutines.h"

#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {
namespace {

std::vector<TMouseTrackingTimer*> trackingTimers;
bool trackingFinalized = false;

TPoint CursorPos() {
    TPoint p;
    GetMouseCursorPos(p);
    return p;
}

} // namespace

TMouseTrackingTimer::TMouseTrackingTimer(TComponent* owner) : TcxTimer(owner) {
    SetInterval(10);
    SetOnTimer([this](TObject*) { CheckMouse(); });
}

bool IsMouseInTrackedArea(TMouseTrackingTimer* timer) {
    TWinControl* control = timer->GetControl();
    if (auto* test = dynamic_cast<IcxMouseTrackingAreaTest*>(timer->caller_)) {
        if (!control || !control->HandleAllocated()) return false;
        return test->ContainsClientPoint(control->ScreenToClient(CursorPos()));
    }
    return PtInRect(timer->bounds_, CursorPos());
}

void TMouseTrackingTimer::CheckMouse() {
    if (callerIsObject_ && !callerObject_) {
        // The caller was freed without stopping its tracking: nothing is left to tell.
        StopMouseTracking(caller_);
        return;
    }
    if (IsMouseInTrackedArea(this)) return;
    TWeakLink<TMouseTrackingTimer> self(this);
    IcxMouseTrackingCaller* caller = caller_;
    TWinControl* control = control_.Get();
    if (control && control->HandleAllocated()) {
        const TPoint p = control->ScreenToClient(CursorPos());
        if (!PtInRect(control->GetClientRect(), p))
            control->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(control));
        if (!self) return;
    }
    caller->MouseTrackingLeft();
    // The caller may have stopped its tracking itself, which freed this timer.
    if (self) StopMouseTracking(caller);
}

void StartMouseTracking(TWinControl* control, const TRect& bounds, IcxMouseTrackingCaller* caller) {
    if (trackingFinalized || !caller || FindMouseTrackingTimer(caller)) return;
    auto* timer = new TMouseTrackingTimer(nullptr);
    timer->caller_ = caller;
    if (auto* object = dynamic_cast<TObject*>(caller)) {
        timer->callerObject_ = TWeakLink<TObject>(object);
        timer->callerIsObject_ = true;
    }
    timer->control_ = TWeakLink<TWinControl>(control);
    TRect r = bounds;
    if (control) {
        TRect window;
        if (control->HandleAllocated() && GetWindowRect(control->GetHandle(), window)) {
            OffsetRect(r, window.Left, window.Top);
        } else {
            const TPoint o = control->ClientToScreen({0, 0});
            OffsetRect(r, o.X, o.Y);
        }
    }
    timer->bounds_ = r;
    trackingTimers.push_back(timer);
}

void StopMouseTracking(IcxMouseTrackingCaller* caller) {
    TMouseTrackingTimer* timer = FindMouseTrackingTimer(caller);
    if (!timer) return;
    std::erase(trackingTimers, timer);
    delete timer;
}

bool IsMouseTrackingActive(IcxMouseTrackingCaller* caller) {
    return !trackingFinalized && FindMouseTrackingTimer(caller) != nullptr;
}

TMouseTrackingTimer* FindMouseTrackingTimer(IcxMouseTrackingCaller* caller) {
    for (TMouseTrackingTimer* t : trackingTimers)
        if (t->GetCaller() == caller) return t;
    return nullptr;
}

const std::vector<TMouseTrackingTimer*>* GetMouseTrackingTimerList() {
    return trackingFinalized ? nullptr : &trackingTimers;
}

void InitializeMouseTracking() {
    trackingFinalized = false;
}

int FinalizeMouseTracking() {
    const int left = static_cast<int>(trackingTimers.size());
    for (TMouseTrackingTimer* t : std::vector<TMouseTrackingTimer*>(trackingTimers))
        delete t;
    trackingTimers.clear();
    trackingFinalized = true;
    return left;
}

} // namespace zorvy
