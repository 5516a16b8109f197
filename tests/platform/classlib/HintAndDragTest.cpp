#include "ClassLibFixture.h"
#include "platform/classlib/HintWindow.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy::test {
namespace {

class HintAndDrag : public ClassLibTest {};

TEST_F(HintAndDrag, AHintShowsAfterTheHintPauseAndHidesOnAPress) {
    TForm* form = NewForm();
    auto* probe = AddProbe(form, 10, 10, 50, 50);
    probe->SetHint("选择号码");
    probe->SetShowHint(true);
    form->Show();
    Pump();
    display.MoveMouse(probe->GetHandle(), 5, 5);
    Pump();
    EXPECT_TRUE(!Application->HintWindow() || !Application->HintWindow()->IsShowingHint());
    display.Clock().Advance(Application->HintPause);
    Pump();
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_TRUE(Application->HintWindow()->IsShowingHint());
    EXPECT_EQ(Application->HintWindow()->GetText(), "选择号码");
    display.PressMouse(probe->GetHandle(), 5, 5);
    Pump();
    EXPECT_FALSE(Application->HintWindow()->IsShowingHint());
    display.ReleaseMouse(probe->GetHandle(), 5, 5);
    Pump();
}

TEST_F(HintAndDrag, AnAutomaticDragDropsOnAnAcceptingControl) {
    std::vector<std::string> log;
    TForm* form = NewForm();
    auto* source = AddProbe(form, 10, 10, 40, 40);
    source->DragMode = dmAutomatic;
    source->OnEndDrag = [&](TObject*, TObject* target, int, int) {
        log.push_back(target ? "end on target" : "end nowhere");
    };
    auto* target = AddProbe(form, 100, 10, 40, 40);
    target->OnDragOver = [&](TObject*, TObject* src, int, int, TDragState, bool& accept) {
        accept = src == source;
    };
    target->OnDragDrop = [&](TObject*, TObject* src, int x, int y) {
        log.push_back("drop " + std::to_string(x) + "," + std::to_string(y) +
                      (src == source ? " from source" : ""));
    };
    form->Show();
    Pump();
    display.PressMouse(source->GetHandle(), 5, 5);
    display.MoveMouse(source->GetHandle(), 7, 6); // inside the drag threshold
    display.MoveMouse(target->GetHandle(), 10, 12);
    display.ReleaseMouse(target->GetHandle(), 10, 12);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"drop 10,12 from source", "end on target"}));
    EXPECT_EQ(CurrentDragObject(), nullptr);

    log.clear();
    display.PressMouse(source->GetHandle(), 5, 5);
    display.MoveMouse(target->GetHandle(), 10, 12);
    display.PressKey(VK_ESCAPE);
    display.ReleaseMouse(target->GetHandle(), 10, 12);
    Pump();
    EXPECT_EQ(log, std::vector<std::string>{"end nowhere"}) << "Esc cancels the drag";
}

} // namespace
} // namespace zorvy::test
