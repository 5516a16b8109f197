#pragma once
// One hidden window that hears when the system's non-client metrics change and tells every
// registered control with scroll bars to check their sizes.
#include "platform/classlib/Controls.h"

#include <vector>

namespace zorvy {

class TcxControl;

class TcxSettingsController : public TObject {
    ZORVY_CLASS(TcxSettingsController, TObject)
  public:
    TcxSettingsController() = default;
    ~TcxSettingsController() override;

    // The first registration allocates the window; the last removal frees it.
    void AddControl(TcxControl* control);
    void RemoveControl(TcxControl* control);
    // Sends CM_SCROLLMETRICSCHANGED to every registered control with a window, in registration order.
    void NotifyControls();
    HWND GetWindowHandle() const { return window_; }
    int GetControlCount() const { return static_cast<int>(controls_.size()); }

  protected:
    virtual void HandleWindowMessage(TMessage& message);

  private:
    std::vector<TcxControl*> controls_;
    HWND window_ = 0;
};

TcxSettingsController* GetSettingsController();
// The shared instance when it exists (a control unregistering late must not create it again).
TcxSettingsController* FindSettingsController();
void FinalizeSettingsController();

} // namespace zorvy
