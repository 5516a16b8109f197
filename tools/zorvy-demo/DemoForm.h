#pragma once
// The demo's window: a custom-drawn button that changes colour and counts its clicks, a row of
// drawn lottery balls, and a clock line kept up to date by a timer.
#include "platform/classlib/Forms.h"
#include "platform/classlib/Timer.h"

namespace zorvy {

class TDemoButton : public TCustomControl {
  public:
    explicit TDemoButton(TComponent* owner);
    int Clicks() const { return clicks_; }

  protected:
    void Paint() override;
    void Click() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  private:
    int clicks_ = 0;
    bool pressed_ = false;
};

class TBallRow : public TGraphicControl {
  public:
    explicit TBallRow(TComponent* owner);
    int Selected = 0;

  protected:
    void Paint() override;
    void Click() override;
};

class TDemoForm : public TForm {
  public:
    explicit TDemoForm(TComponent* owner);

  protected:
    void Paint() override;

  private:
    TDemoButton* button_;
    TBallRow* balls_;
    TTimer* clock_;
    std::string clockText_;
};

} // namespace zorvy
