#pragma once
// TSplitter: a bar between two aligned controls that the user drags to resize the control on its
// aligned side (the one it is docked against), keeping the other at least MinSize.
#include "platform/classlib/Controls.h"

namespace zorvy {

class TSplitter : public TGraphicControl {
    ZORVY_CLASS(TSplitter, TGraphicControl)
  public:
    explicit TSplitter(TComponent* owner);

    // The least size of the resized control and of the room left for the rest.
    int GetMinSize() const { return minSize_; }
    void SetMinSize(int value) { minSize_ = std::max(value, 1); }
    bool GetBeveled() const { return beveled_; }
    void SetBeveled(bool value);
    // The control the splitter resizes (found when a drag starts); nullptr when none.
    TControl* FindControl() const;

    void Dispatch(TMessage& message) override;

    // Raised after each change of the resized control's size during a drag.
    TNotifyEvent OnMoved;

  protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  private:
    int minSize_ = 30;
    bool beveled_ = false;
    TWeakLink<TControl> control_;
    TPoint downPos_{};
    int startSize_ = 0;
    int maxSize_ = 0;
};

} // namespace zorvy
