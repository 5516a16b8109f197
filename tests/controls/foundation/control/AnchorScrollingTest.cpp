#include "tests/controls/foundation/ControlFixture.h"

#include "platform/win/Input.h"
#include "platform/win/Timers.h"

namespace zorvy::test {
namespace {

// Records when it scrolls; the third step clicks, which ends the mode.
class TAnchorControl : public TTestControl {
  public:
    TAnchorControl(TComponent* owner, TVirtualClock& clock) : TTestControl(owner), clock_(clock) {}
    std::vector<std::uint64_t> Steps;
    bool ScrollingDuringSteps = false;

  protected:
    void ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) override {
        TTestControl::ScrollContent(kind, code, pos);
        Steps.push_back(clock_.Milliseconds());
        ScrollingDuringSteps = IsScrollingContent();
        if (Steps.size() == 3) {
            TPoint p;
            GetCursorPos(p);
            InjectMouseButton(TInputButton::Left, true, p);
            InjectMouseButton(TInputButton::Left, false, p);
        }
    }

  private:
    TVirtualClock& clock_;
};

class AnchorScrolling : public ControlTest {};

TEST_F(AnchorScrolling, AMiddleClickStartsHandsFreeScrollingThatSpeedsUpWithDistance) {
    TForm* form = NewForm(400, 300);
    auto* control = new TAnchorControl(form, display.Clock());
    control->SetParent(form);
    control->SetBounds(10, 10, 200, 150);
    control->Content = {100, 1000};
    form->Show();
    Pump();
    control->RecalculateScrollBars();
    ASSERT_TRUE(control->VertScrollBarShown());
    const HWND h = control->GetHandle();
    display.PressMouse(h, 100, 70, TInputButton::Middle);
    display.ReleaseMouse(h, 100, 70, TInputButton::Middle); // without moving: the mode stays on
    // Once the mode runs, the pointer moves 40 below the 28-pixel anchor: speed (40 - 14) div 5 + 1 = 6.
    const TPoint below = control->ClientToScreen({100, 110});
    std::uintptr_t mover = 0;
    mover = SetTimer(0, 0, 100, [&](HWND, UINT, std::uintptr_t, std::uint64_t) {
        KillTimer(0, mover);
        InjectMouseMove(below);
    });
    Pump();
    ASSERT_EQ(control->Steps.size(), 3u);
    EXPECT_EQ(control->Steps[1] - control->Steps[0], 140u) << "one line every 13 - 6 = 7 ticks of 20 ms";
    EXPECT_EQ(control->Steps[2] - control->Steps[1], 140u);
    EXPECT_EQ(control->Log, (std::vector<std::string>{"process 100,70", "v1:0", "v1:0", "v1:0"}));
    EXPECT_TRUE(control->ScrollingDuringSteps);
    EXPECT_FALSE(control->IsScrollingContent()) << "the click ended it";
    EXPECT_EQ(GetCapture(), HWND(0));
}

TEST_F(AnchorScrolling, NothingStartsWithoutAShownBar) {
    TForm* form = NewForm(400, 300);
    TTestControl* control = NewControl(form, Rect(10, 10, 210, 160));
    form->Show();
    Pump();
    display.Click(control->GetHandle(), 100, 70, TInputButton::Middle);
    Pump();
    EXPECT_FALSE(control->IsScrollingContent());
    EXPECT_EQ(GetCapture(), HWND(0));
}

} // namespace
} // namespace zorvy::test
