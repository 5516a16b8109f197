#pragma once
// Window-free timers and hidden message windows of the control unit. Every TcxTimer runs on one
// shared hidden window and is known there by its own address; the list of running timers makes a
// WM_TIMER that arrives after a timer stopped or was freed harmless.
#include "platform/classlib/Controls.h"

#include <cstdint>
#include <vector>

namespace zorvy {

// An object with a hidden window whose messages arrive at HandleWindowMessage.
class TcxMessageWindow : public TObject {
    ZORVY_CLASS(TcxMessageWindow, TObject)
  public:
    TcxMessageWindow();
    ~TcxMessageWindow() override;
    HWND GetHandle() const { return handle_; }

  protected:
    // The base passes the message to DefWindowProc and keeps its result.
    virtual void HandleWindowMessage(TMessage& message);

  private:
    HWND handle_ = 0;
};

// The hidden window every TcxTimer is set on.
class TcxTimerWindow : public TcxMessageWindow {
    ZORVY_CLASS(TcxTimerWindow, TcxMessageWindow)
  protected:
    void HandleWindowMessage(TMessage& message) override;
};

class TcxTimer : public TComponent {
    ZORVY_CLASS(TcxTimer, TComponent)
  public:
    explicit TcxTimer(TComponent* owner);
    ~TcxTimer() override;

    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned GetInterval() const { return interval_; }
    // 0 and the current value are ignored; anything else restarts the period.
    void SetInterval(unsigned value);
    const TNotifyEvent& GetOnTimer() const { return onTimer_; }
    // Setting a handler (even the same one) restarts the period.
    void SetOnTimer(TNotifyEvent value);
    // Running: enabled, with a handler, and set on the timer window.
    bool IsRunning() const { return running_; }

  protected:
    friend class TcxTimerWindow;
    virtual void HandleTimeout();
    bool CanStartTimer() const;
    void StartTimer();
    void StopTimer();
    void RestartTimer();

  private:
    void SetRunning(bool value);
    std::uintptr_t TimerId() const { return reinterpret_cast<std::uintptr_t>(this); }

    bool enabled_ = true;
    unsigned interval_ = 1000;
    bool running_ = false;
    TNotifyEvent onTimer_;
};

// The shared objects, created on first use and freed by FinalizeControlTimers.
TcxMessageWindow* GetMessageWindow();
TcxTimerWindow* GetTimerWindow();
// The ids of the running timers.
const std::vector<std::uintptr_t>& GetActiveTimerList();
// Frees the shared windows and forgets every running timer: a timer still alive afterwards stops
// quietly and no tick reaches it.
void FinalizeControlTimers();

} // namespace zorvy
