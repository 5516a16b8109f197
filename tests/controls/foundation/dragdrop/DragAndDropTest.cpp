#include "controls/foundation/dragdrop/DragAndDrop.h"
#include "controls/foundation/services/ControlUnit.h"
#include "tests/controls/foundation/ControlFixture.h"

#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy::test {
namespace {

// Logs every step the control drives; accepts a drop right of x = 100.
class TRecordingDragObject : public TcxDragAndDropObject {
  public:
    TRecordingDragObject(TcxControl* control, std::vector<std::string>* log)
        : TcxDragAndDropObject(control), log_(log) {}
    std::function<void()> OnStop;

  protected:
    void StartTracking() override {
        log_->push_back("start " + std::to_string(GetCurrentPoint().X) + "," + std::to_string(GetCurrentPoint().Y));
    }
    void TrackTo(TPoint p, bool& accepted) override {
        accepted = p.X > 100;
        log_->push_back("track " + std::to_string(p.X) + (accepted ? " yes" : " no"));
        TcxDragAndDropObject::TrackTo(p, accepted);
    }
    void StopTracking(bool accepted) override {
        log_->push_back(accepted ? "stop accepted" : "stop cancelled");
        if (OnStop) OnStop();
    }

  private:
    std::vector<std::string>* log_;
};

class DragAndDrop : public ControlTest {
  protected:
    TTestControl* NewDragControl() {
        TForm* form = NewForm(400, 300);
        TTestControl* control = NewControl(form, Rect(10, 10, 310, 210));
        control->DragAndDropAllowed = true;
        control->DragAndDropObjectClassOverride = [this](TcxControl* c) {
            auto* object = new TRecordingDragObject(c, &log);
            object->OnStop = [this] {
                if (onStop) onStop();
            };
            return object;
        };
        control->OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
            log.push_back("key " + std::to_string(key));
        };
        form->Show();
        Pump();
        control->Log.clear();
        return control;
    }
    std::vector<std::string> log;
    std::function<void()> onStop;
};

TEST_F(DragAndDrop, AClickWithoutMovingLeavesThePendingOperationWithoutFeedback) {
    TTestControl* control = NewDragControl();
    display.PressMouse(control->GetHandle(), 20, 20);
    Pump();
    EXPECT_EQ(control->GetDragAndDropState(), idsPending);
    display.ReleaseMouse(control->GetHandle(), 20, 20);
    Pump();
    EXPECT_EQ(control->GetDragAndDropState(), idsIdle);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(control->Log, std::vector<std::string>{"process 20,20"}) << "the control's own click runs";
}

TEST_F(DragAndDrop, TheOperationStartsBeyondTheThresholdTracksAndIsAcceptedOnRelease) {
    TTestControl* control = NewDragControl();
    const HWND h = control->GetHandle();
    display.PressMouse(h, 20, 20);
    display.MoveMouse(h, 22, 21); // within the threshold of 4
    Pump();
    EXPECT_EQ(control->GetDragAndDropState(), idsPending);
    display.MoveMouse(h, 30, 20);
    Pump();
    EXPECT_EQ(control->GetDragAndDropState(), idsRunning);
    display.MoveMouse(h, 150, 20);
    Pump();
    EXPECT_EQ(Screen->GetCursor(), crDrag);
    display.ReleaseMouse(h, 150, 20);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"start 30,20", "track 150 yes", "stop accepted"}));
    EXPECT_EQ(control->GetDragAndDropState(), idsIdle);
    EXPECT_EQ(Screen->GetCursor(), crDefault);
    EXPECT_EQ(GetCapture(), HWND(0));
}

TEST_F(DragAndDrop, EscCancelsRestoresTheCursorAndNoOtherKeyGetsThroughMeanwhile) {
    TTestControl* control = NewDragControl();
    const HWND h = control->GetHandle();
    display.PressMouse(h, 20, 20);
    display.MoveMouse(h, 40, 20);
    Pump();
    display.MoveMouse(h, 60, 20);
    Pump();
    EXPECT_EQ(Screen->GetCursor(), crNoDrop);
    display.PressKey('A');
    display.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"start 40,20", "track 60 no", "stop cancelled", "key 27"}));
    EXPECT_EQ(Screen->GetCursor(), crDefault);
    EXPECT_EQ(control->GetDragAndDropState(), idsIdle);
    display.ReleaseMouse(h, 60, 20);
    Pump();
}

TEST_F(DragAndDrop, AControlFreedWhenTheOperationStopsIsNotTouchedAfterwards) {
    TTestControl* control = NewDragControl();
    onStop = [&] { delete control; };
    TWeakLink<TTestControl> link(control);
    const HWND h = control->GetHandle();
    display.PressMouse(h, 20, 20);
    display.MoveMouse(h, 40, 20);
    display.ReleaseMouse(h, 40, 20);
    Pump(); // the sanitizer build proves the freed control and object are not read
    EXPECT_FALSE(link);
}

class DragTarget : public TTestControl {
  public:
    using TTestControl::TTestControl;
    bool Accepts = true;
    std::vector<std::string> Drops;

  protected:
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override {
        TTestControl::DragOver(source, x, y, state, accept);
        accept = Accepts;
    }
    void DragDrop(TObject*, int x, int y) override { Drops.push_back(std::to_string(x) + "," + std::to_string(y)); }
};

TEST_F(DragAndDrop, AStandardDragShowsTheCopyCursorWithCtrlAndDropsOnlyWhereAccepted) {
    TForm* form = NewForm(400, 300);
    TTestControl* source = NewControl(form, Rect(10, 10, 60, 60));
    source->DragMode = dmAutomatic;
    auto* target = new DragTarget(form);
    target->SetParent(form);
    target->SetBounds(200, 10, 100, 100);
    std::vector<std::string> ends;
    source->OnEndDrag = [&](TObject*, TObject* t, int, int) { ends.push_back(t ? "on target" : "nowhere"); };
    form->Show();
    Pump();

    display.PressMouse(source->GetHandle(), 5, 5);
    display.MoveMouse(source->GetHandle(), 20, 5); // out of the drag square: the drag starts
    display.MoveMouse(target->GetHandle(), 10, 10);
    Pump();
    EXPECT_NE(CurrentDragObject(), nullptr);
    InjectKey(VK_CONTROL, true);
    display.MoveMouse(target->GetHandle(), 12, 10);
    Pump();
    EXPECT_EQ(Screen->GetCursor(), crcxDragCopy);
    InjectKey(VK_CONTROL, false);
    display.MoveMouse(target->GetHandle(), 14, 10);
    Pump();
    EXPECT_EQ(Screen->GetCursor(), source->DragCursor);
    display.ReleaseMouse(target->GetHandle(), 14, 10);
    Pump();
    EXPECT_EQ(target->Drops, std::vector<std::string>{"14,10"});

    Wait(1000);
    target->Accepts = false;
    display.PressMouse(source->GetHandle(), 5, 5);
    display.MoveMouse(source->GetHandle(), 20, 5);
    display.MoveMouse(target->GetHandle(), 10, 10);
    display.ReleaseMouse(target->GetHandle(), 10, 10);
    Pump();
    EXPECT_EQ(target->Drops.size(), 1u) << "a refusing target gets nothing";

    Wait(1000);
    display.PressMouse(source->GetHandle(), 5, 5);
    display.MoveMouse(source->GetHandle(), 20, 5);
    display.MoveMouse(target->GetHandle(), 10, 10);
    display.PressKey(VK_ESCAPE);
    display.ReleaseMouse(target->GetHandle(), 10, 10);
    Pump();
    EXPECT_EQ(ends, (std::vector<std::string>{"on target", "nowhere", "nowhere"}));
    EXPECT_EQ(Screen->GetCursor(), crDefault) << "Esc restores the cursor";
    EXPECT_EQ(CurrentDragObject(), nullptr);
}

TEST_F(DragAndDrop, TheGestureMeasuresNegativeClientPointsAgainstTheDeadZone) {
    TForm* form = NewForm(400, 300);
    TTestControl* control = NewControl(form, Rect(0, 0, 60, 60));
    form->Show();
    Pump();
    const HWND h = control->GetHandle();
    display.MoveMouse(h, 2, 5);
    Pump();
    display.MoveMouse(h, -1, 5); // 3 pixels: inside the square
    display.MoveMouse(h, -10, 5);
    EXPECT_EQ(WaitForDragGesture(h), 1);
    display.MoveMouse(h, 2, 5);
    Pump();
    display.ReleaseMouse(h, 3, 5);
    EXPECT_EQ(WaitForDragGesture(h), 0);
    display.PressKey(VK_ESCAPE);
    EXPECT_EQ(WaitForDragGesture(h), 2);
    EXPECT_EQ(GetCapture(), HWND(0));
}

TEST_F(DragAndDrop, TheDropArrowSitsAtTheTargetsEdgeInsideTheClip) {
    const TRect target = Rect(100, 50, 200, 80);
    struct {
        TRect clip;
        int place;
        TRect expected;
    } const cases[] = {
        {{}, 0, Rect(91, 45, 100, 56)},  {{}, 2, Rect(200, 45, 209, 56)},
        {{}, 1, Rect(95, 41, 106, 50)},  {{}, 3, Rect(95, 80, 106, 89)},
        {Rect(120, 0, 180, 100), 0, Rect(111, 45, 120, 56)},
        {Rect(120, 0, 180, 100), 2, Rect(179, 45, 188, 56)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcArrowRect(target, c.clip, c.place), c.expected) << c.place;
    const auto down = BuildArrowPolygon(Rect(0, 0, 11, 9), 1, 0);
    const std::array<TPoint, 7> expected{{{3, 0}, {7, 0}, {7, 3}, {10, 3}, {5, 8}, {0, 3}, {3, 3}}};
    EXPECT_EQ(down, expected);
}

} // namespace
} // namespace zorvy::test
