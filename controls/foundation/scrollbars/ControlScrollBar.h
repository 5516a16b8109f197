#pragma once
// The scroll bars a TcxControl floats over the bottom and right edges of its content, with the size
// grip in the corner between them. A recalculation of the control writes each bar's pending
// parameters, which the bar applies once the visibility of both bars has settled.
#include "controls/foundation/scrollbars/ScrollBar.h"

namespace zorvy {

class TcxControlScrollBar : public TcxScrollBar {
    ZORVY_CLASS(TcxControlScrollBar, TcxScrollBar)
  public:
    // The parameters the next ApplyPendingParams gives the bar.
    struct TPendingParams {
        int Min = 0, Max = 0, Position = 0, Page = 0;
        std::int16_t SmallChange = 0, LargeChange = 0;
        bool Enabled = false, Visible = false, MayShow = false, MayHide = false;
    };

    explicit TcxControlScrollBar(TComponent* owner);

    bool IsShown() const { return GetVisible(); }
    void SetShown(bool value) { SetVisible(value); }
    TPendingParams Pending;
    void ApplyPendingParams();

  protected:
    virtual void FocusParentOnClick();
    void WndProc(TMessage& m) override;
    void Dispatch(TMessage& m) override;
};

class TcxSizeGrip : public TCustomControl {
    ZORVY_CLASS(TcxSizeGrip, TCustomControl)
  public:
    explicit TcxSizeGrip(TComponent* owner);

  protected:
    void Paint() override;
};

} // namespace zorvy
