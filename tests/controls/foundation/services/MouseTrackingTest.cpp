#include "controls/foundation/services/MouseTracking.h"
#include "platform/rtl/Exceptions.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

struct TRecordingCaller : public TObject, public IcxMouseTrackingCaller {
    int Left = 0;
    void MouseTrackingLeft() override { ++Left; }
};

class MouseTracking : public FoundationTest {
  protected:
    // A windowed control at (20, 20) on a form, counting the leave notices that tracking sends it.
    TCustomControl* NewTrackedControl() {
        TForm* form = NewForm();
        auto* control = new TCustomControl(form);
        control->SetParent(form);
        control->SetBounds(20, 20, 100, 40);
        control->WindowProc = [this, control](TMessage& m) {
            if (m.Msg == CM_MOUSELEAVE && m.LParam == reinterpret_cast<LPARAM>(control)) ++leaves;
            control->WndProc(m);
        };
        form->Show();
        Pump();
        return control;
    }
    int leaves = 0;
};

TEST_F(MouseTracking, LeavingTheAreaAndTheWindowTellsTheCallerAndTheControlOnce) {
    TCustomControl* control = NewTrackedControl();
    TRecordingCaller caller;
    display.MoveMouse(control->GetHandle(), 5, 5);
    Pump();
    StartMouseTracking(control, Rect(0, 0, 50, 40), &caller);
    Wait(30);
    EXPECT_EQ(caller.Left, 0) << "still inside";
    display.MoveMouse(control->GetHandle(), 5, 60); // below the control
    Wait(10);
    EXPECT_EQ(caller.Left, 1);
    EXPECT_EQ(leaves, 1);
    EXPECT_FALSE(IsMouseTrackingActive(&caller));
    Wait(50);
    EXPECT_EQ(caller.Left, 1);
    EXPECT_EQ(leaves, 1);
}

TEST_F(MouseTracking, LeavingTheAreaButNotTheWindowSendsNoLeaveMessage) {
    TCustomControl* control = NewTrackedControl();
    TRecordingCaller caller;
    display.MoveMouse(control->GetHandle(), 5, 5);
    Pump();
    StartMouseTracking(control, Rect(0, 0, 50, 40), &caller);
    display.MoveMouse(control->GetHandle(), 80, 5); // right of the area, inside the control
    Wait(10);
    EXPECT_EQ(caller.Left, 1);
    EXPECT_EQ(leaves, 0);
}

TEST_F(MouseTracking, TrackingACallerTwiceKeepsTheFirstBounds) {
    TCustomControl* control = NewTrackedControl();
    TRecordingCaller caller;
    display.MoveMouse(control->GetHandle(), 5, 5);
    Pump();
    StartMouseTracking(control, Rect(0, 0, 10, 10), &caller);
    StartMouseTracking(control, Rect(0, 0, 100, 40), &caller);
    ASSERT_EQ(GetMouseTrackingTimerList()->size(), 1u);
    display.MoveMouse(control->GetHandle(), 30, 5);
    Wait(10);
    EXPECT_EQ(caller.Left, 1);
}

TEST_F(MouseTracking, ACallerFreedWhileTrackedIsForgottenWithoutBeingCalled) {
    TCustomControl* control = NewTrackedControl();
    auto* caller = new TRecordingCaller;
    display.MoveMouse(control->GetHandle(), 5, 5);
    Pump();
    StartMouseTracking(control, Rect(0, 0, 50, 40), caller);
    delete caller;
    display.MoveMouse(control->GetHandle(), 5, 60);
    Wait(10); // the sanitizer build proves the freed caller is not called
    EXPECT_TRUE(GetMouseTrackingTimerList()->empty());
}

TEST_F(MouseTracking, TimersStillRegisteredAtShutdownAreFreedAndReported) {
    TRecordingCaller caller;
    StartMouseTracking(nullptr, Rect(0, 0, 10, 10), &caller);
    try {
        FinalizeControlsUnit();
        ADD_FAILURE() << "no report";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "MouseTrackingTimerList.Count <> 0");
    }
    EXPECT_EQ(GetMouseTrackingTimerList(), nullptr);
    StartMouseTracking(nullptr, Rect(0, 0, 10, 10), &caller);
    EXPECT_FALSE(IsMouseTrackingActive(&caller)) << "nothing is tracked after finalization";
    InitializeControlsUnit();
}

} // namespace
} // namespace zorvy::test
