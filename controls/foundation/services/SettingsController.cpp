#include "controls/foundation/services/SettingsController.h"

#include "controls/foundation/control/Control.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/SystemInfo.h"

#include <algorithm>
#include <memory>

namespace zorvy {
namespace {

std::unique_ptr<TcxSettingsController> settingsController;

} // namespace

TcxSettingsController::~TcxSettingsController() {
    if (window_) DeallocateHWnd(window_);
}

void TcxSettingsController::AddControl(TcxControl* control) {
    if (std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return;
    if (controls_.empty() && !window_) window_ = AllocateHWnd([this](TMessage& m) { HandleWindowMessage(m); });
    controls_.push_back(control);
}

void TcxSettingsController::RemoveControl(TcxControl* control) {
    std::erase(controls_, control);
    if (controls_.empty() && window_) {
        DeallocateHWnd(window_);
        window_ = 0;
    }
}

void TcxSettingsController::NotifyControls() {
    // A control may leave the list while it is told.
    for (TcxControl* control : std::vector<TcxControl*>(controls_)) {
        if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) continue;
        if (control->HandleAllocated()) SendNotifyMessage(control->GetHandle(), CM_SCROLLMETRICSCHANGED);
    }
}

void TcxSettingsController::HandleWindowMessage(TMessage& m) {
    if (m.Msg == WM_SETTINGCHANGE && m.WParam == SPI_SETNONCLIENTMETRICS) {
        NotifyControls();
        m.Result = 0;
        return;
    }
    m.Result = DefWindowProc(window_, m.Msg, m.WParam, m.LParam);
}

TcxSettingsController* GetSettingsController() {
    if (!settingsController) settingsController = std::make_unique<TcxSettingsController>();
    return settingsController.get();
}

TcxSettingsController* FindSettingsController() {
    return settingsController.get();
}

void FinalizeSettingsController() {
    settingsController.reset();
}

} // namespace zorvy
