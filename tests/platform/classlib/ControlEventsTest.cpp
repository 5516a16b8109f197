#include "ClassLibFixture.h"
#include "platform/classlib/Menus.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy::test {
namespace {

class ControlEvents : public ClassLibTest {
  protected:
    // A probe on a shown form, with what showing it logged cleared.
    TProbe* ShownProbe() {
        TForm* form = NewForm();
        auto* probe = AddProbe(form, 10, 10, 50, 50, &log);
        form->Show();
        Pump();
        log.clear();
        return probe;
    }

    std::vector<std::string> log;
};

TEST_F(ControlEvents, AClickAndADoubleClickRaiseEventsInOrder) {
    auto* probe = ShownProbe();
    display.Click(probe->GetHandle(), 5, 5);
    display.Click(probe->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"down", "click", "up", "dblclick", "down(double)", "up"}));
}

TEST_F(ControlEvents, AReleaseOutsideTheControlIsNoClick) {
    auto* probe = ShownProbe();
    display.PressMouse(probe->GetHandle(), 5, 5);
    display.MoveMouse(probe->GetHandle(), 100, 100);
    display.ReleaseMouse(probe->GetHandle(), 100, 100);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"down", "up"}))
        << "the capture brought the release back, outside";
    EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(ControlEvents, GraphicControlsGetTheMouseThroughTheirParent) {
    TForm* form = NewForm();
    auto* label = new TGraphicControl(form);
    label->SetParent(form);
    label->SetBounds(100, 100, 40, 20);
    int clicks = 0;
    TPoint where{};
    label->OnClick = [&](TObject*) { ++clicks; };
    label->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { where = {x, y}; };
    form->Show();
    Pump();
    display.Click(form->GetHandle(), 105, 103);
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(where, Point(5, 3));
}

TEST_F(ControlEvents, AControlFreedByItsOwnClickHandlerIsGoneWithoutHarm) {
    TForm* form = NewForm();
    auto* probe = AddProbe(form, 0, 0, 40, 40);
    bool mouseUpAfterFree = false;
    probe->OnClick = [probe](TObject*) { delete probe; };
    probe->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { mouseUpAfterFree = true; };
    form->Show();
    Pump();
    HWND h = probe->GetHandle();
    display.Click(h, 5, 5);
    Pump();
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(mouseUpAfterFree);
    EXPECT_EQ(form->GetControlCount(), 0);
    display.Click(form->GetHandle(), 5, 5);
    Pump();
}

TEST_F(ControlEvents, AFreedPopupMenuIsClearedFromTheControlsThatUseIt) {
    TForm* form = NewForm();
    auto* a = new TProbe(form);
    auto* b = new TProbe(nullptr);
    auto* menu = new TPopupMenu(nullptr);
    a->SetPopupMenu(menu);
    b->SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(a->GetPopupMenu(), nullptr);
    EXPECT_EQ(b->GetPopupMenu(), nullptr);
    delete b;
}

TEST_F(ControlEvents, FocusMovesWithEnterAndExitAndTabOrder) {
    std::vector<std::string> log;
    TForm* form = NewForm();
    auto* first = new TProbe(form, &log);
    first->SetName("first");
    first->SetParent(form);
    first->SetBounds(0, 0, 20, 20);
    auto* second = new TProbe(form, &log);
    second->SetName("second");
    second->SetParent(form);
    second->SetBounds(30, 0, 20, 20);
    form->Show();
    Pump();
    EXPECT_EQ(form->GetActiveControl(), first) << "the first control in tab order takes the focus";
    EXPECT_TRUE(first->Focused());
    log.clear();
    display.PressKey(VK_TAB);
    Pump();
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(log, (std::vector<std::string>{"exit:first", "enter:second"}));
    log.clear();
    first->SetFocus();
    Pump();
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(log, (std::vector<std::string>{"exit:second", "enter:first"}));
    second->SetEnabled(false);
    EXPECT_FALSE(second->CanFocus());
}

TEST_F(ControlEvents, CaptureFollowsThePressAndIsReleasedWhenTheControlHides) {
    TForm* form = NewForm();
    auto* probe = AddProbe(form, 0, 0, 40, 40);
    form->Show();
    Pump();
    display.PressMouse(probe->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(GetCaptureControl(), probe);
    EXPECT_TRUE(probe->GetMouseCapture());
    probe->Hide();
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(GetCapture(), 0u);
    display.ReleaseMouse(form->GetHandle(), 5, 5);
    Pump();
}

TEST_F(ControlEvents, MouseEnterAndLeaveFollowThePointer) {
    std::vector<std::string> log;
    TForm* form = NewForm();
    auto* probe = AddProbe(form, 10, 10, 40, 40);
    probe->OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
    probe->OnMouseLeave = [&](TObject*) { log.push_back("leave"); };
    form->Show();
    Pump();
    display.MoveMouse(form->GetHandle(), 20, 20);
    display.MoveMouse(form->GetHandle(), 25, 25);
    display.MoveMouse(form->GetHandle(), 200, 150);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(ControlEvents, AlignmentAndAnchorsLayOutChildren) {
    TForm* form = NewForm(300, 200);
    auto make = [&](TAlign align, int w, int h) {
        auto* c = new TProbe(form);
        c->SetBounds(0, 0, w, h);
        c->SetAlign(align);
        c->SetParent(form);
        return c;
    };
    TProbe* top = make(alTop, 10, 30);
    TProbe* left = make(alLeft, 50, 10);
    TProbe* client = make(alClient, 10, 10);
    auto* anchored = AddProbe(form, 250, 150, 20, 20);
    anchored->SetAnchors(akRight | akBottom);
    form->Show();
    EXPECT_EQ(top->GetBoundsRect(), Rect(0, 0, 300, 30));
    EXPECT_EQ(left->GetBoundsRect(), Rect(0, 30, 50, 200));
    EXPECT_EQ(client->GetBoundsRect(), Rect(50, 30, 300, 200));
    form->SetBounds(50, 50, 400, 260);
    EXPECT_EQ(client->GetBoundsRect(), Rect(50, 30, 400, 260));
    EXPECT_EQ(anchored->GetBoundsRect(), Rect(350, 210, 370, 230));
}

TEST_F(ControlEvents, KeysReachTheFocusedControlAndKeyPreviewSeesThemFirst) {
    std::vector<std::string> log;
    TForm* form = NewForm();
    auto* probe = AddProbe(form, 0, 0, 20, 20);
    probe->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) {
        log.push_back("control " + std::to_string(key));
    };
    probe->OnKeyPress = [&](TObject*, char32_t& ch) { log.push_back("char " + std::to_string(ch)); };
    form->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) {
        log.push_back("form " + std::to_string(key));
        if (key == 'B') key = 0;
    };
    form->KeyPreview = true;
    form->Show();
    Pump();
    display.PressKey('A');
    display.PressKey('B');
    display.TypeText("中");
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"form 65", "control 65", "form 66", "char 20013"}));
}

TEST_F(ControlEvents, AnUnhandledWheelGoesToTheParent) {
    TForm* form = NewForm();
    auto* outer = AddProbe(form, 0, 0, 200, 150);
    auto* inner = new TProbe(form);
    inner->SetParent(outer);
    inner->SetBounds(10, 10, 50, 50);
    std::vector<std::string> log;
    inner->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        log.push_back("inner " + std::to_string(delta));
        handled = delta > 0;
    };
    outer->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
        log.push_back("outer down");
        handled = true;
    };
    form->Show();
    inner->SetFocus();
    Pump();
    display.Wheel(inner->GetHandle(), 5, 5, 120);
    display.Wheel(inner->GetHandle(), 5, 5, -120);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"inner 120", "inner -120", "outer down"}));
}

TEST_F(ControlEvents, TheCursorFollowsTheControlUnderThePointerUnlessTheScreenSetsOne) {
    TForm* form = NewForm();
    auto* probe = AddProbe(form, 10, 10, 50, 50);
    probe->SetCursor(crHandPoint);
    auto* label = new TGraphicControl(form);
    label->SetParent(form);
    label->SetBounds(100, 10, 50, 20);
    label->SetCursor(crIBeam);
    form->Show();
    Pump();
    display.MoveMouse(probe->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(display.CursorShape(), Screen->GetCursorHandle(crHandPoint));
    display.MoveMouse(form->GetHandle(), 110, 15);
    Pump();
    EXPECT_EQ(display.CursorShape(), Screen->GetCursorHandle(crIBeam)) << "a windowless control's cursor";
    Screen->SetCursor(crHourGlass);
    display.MoveMouse(probe->GetHandle(), 6, 6);
    Pump();
    EXPECT_EQ(display.CursorShape(), Screen->GetCursorHandle(crHourGlass));
    Screen->SetCursor(crDefault);
    EXPECT_EQ(display.CursorShape(), Screen->GetCursorHandle(crHandPoint))
        << "back to the control's own at once";
}

} // namespace
} // namespace zorvy::test
