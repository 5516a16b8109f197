#pragma once
// TTimer: a component that fires OnTimer every Interval milliseconds while Enabled, through the
// message queue. A tick already queued when the timer is stopped or freed is dropped.
#include "platform/classlib/GraphicsObjects.h"

#include <cstdint>

namespace zorvy {

class TTimer : public TComponent {
    ZORVY_CLASS(TTimer, TComponent)
  public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned GetInterval() const { return interval_; }
    void SetInterval(unsigned ms);
    const TNotifyEvent& GetOnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);

  protected:
    virtual void Timer();

  private:
    void UpdateTimer();
    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
    std::uintptr_t id_ = 0;
};

} // namespace zorvy
