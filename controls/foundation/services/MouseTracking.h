#pragma once
// Mouse tracking for hot-tracked objects whose window gets no leave message of its own (editors,
// buttons, grid cells): a 10 ms timer per tracked object notices when the pointer has left its area,
// sends CM_MOUSELEAVE to the control and tells the object.
#include "controls/foundation/services/Timers.h"

namespace zorvy {

// The object being tracked.
class IcxMouseTrackingCaller {
  public:
    virtual ~IcxMouseTrackingCaller() = default;
    virtual void MouseTrackingLeft() = 0;
};

// A tracked object that decides itself what counts as inside (p in the control's client coordinates).
class IcxMouseTrackingAreaTest : public IcxMouseTrackingCaller {
  public:
    virtual bool ContainsClientPoint(TPoint p) = 0;
};

class TMouseTrackingTimer : public TcxTimer {
    ZORVY_CLASS(TMouseTrackingTimer, TcxTimer)
  public:
    explicit TMouseTrackingTimer(TComponent* owner);

    IcxMouseTrackingCaller* GetCaller() const { return caller_; }
    TWinControl* GetControl() const { return control_.Get(); }
    const TRect& GetBounds() const { return bounds_; }
    // One step of the check; runs on every tick.
    void CheckMouse();

  private:
    friend void StartMouseTracking(TWinControl*, const TRect&, IcxMouseTrackingCaller*);
    friend bool IsMouseInTrackedArea(TMouseTrackingTimer*);
    IcxMouseTrackingCaller* caller_ = nullptr;
    // Set when the caller is an object, so that a caller freed while tracked is noticed.
    TWeakLink<TObject> callerObject_;
    bool callerIsObject_ = false;
    TWeakLink<TWinControl> control_;
    TRect bounds_{};
};

// Starts tracking caller over bounds (the control's window coordinates when a control is given, else
// screen coordinates). Nothing after finalization or when the caller is tracked already (its bounds
// are then kept).
void StartMouseTracking(TWinControl* control, const TRect& bounds, IcxMouseTrackingCaller* caller);
void StopMouseTracking(IcxMouseTrackingCaller* caller);
bool IsMouseTrackingActive(IcxMouseTrackingCaller* caller);
TMouseTrackingTimer* FindMouseTrackingTimer(IcxMouseTrackingCaller* caller);
bool IsMouseInTrackedArea(TMouseTrackingTimer* timer);
// The tracking list, or nullptr after finalization.
const std::vector<TMouseTrackingTimer*>* GetMouseTrackingTimerList();
// Opens tracking again after a finalization (a new start of the unit).
void InitializeMouseTracking();
// Frees every tracking timer and marks tracking finalized; answers how many were still registered.
int FinalizeMouseTracking();

} // namespace zorvy
