#pragma once
// THintWindow: the small top-level window that shows a control's hint without taking the focus.
#include "platform/classlib/Controls.h"

namespace zorvy {

class THintWindow : public TCustomControl {
    ZORVY_CLASS(THintWindow, TCustomControl)
  public:
    explicit THintWindow(TComponent* owner);
    // The rectangle (at 0, 0) the text needs, wrapped at maxWidth.
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows the hint at r (screen coordinates) without activating it.
    virtual void ActivateHint(const TRect& r, const std::string& hint);
    // Hides the window.
    void ReleaseHandle();
    bool IsShowingHint() const;

  protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Dispatch(TMessage& m) override;
};

} // namespace zorvy
