#include "tests/controls/foundation/ControlFixture.h"

#include "platform/gdi/Drawing.h"
#include "platform/classlib/Menus.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy::test {
namespace {

class Control : public ControlTest {};

TEST_F(Control, AnswersDialogCodesForItsWantedKeysAndLetsCtrlTabLeave) {
    struct {
        TcxWantedKeys keys;
        LRESULT code, withCtrl;
    } const cases[] = {
        {0, 0, 0},
        {wkArrowKeys, 1, 1},
        {wkArrowKeys | wkTabKey, 3, 1},
        {wkAllKeys, 4, 4},
        {wkCharKeys | wkTabKey, 0x82, 0x80},
    };
    TForm* form = NewForm();
    TTestControl* control = NewControl(form, Rect(10, 10, 60, 60));
    form->Show();
    Pump();
    for (const auto& c : cases) {
        control->SetWantedKeys(c.keys);
        EXPECT_EQ(control->Perform(WM_GETDLGCODE), c.code) << c.keys;
        InjectKey(VK_CONTROL, true);
        Pump();
        EXPECT_EQ(control->Perform(WM_GETDLGCODE), c.withCtrl) << c.keys;
        InjectKey(VK_CONTROL, false);
        Pump();
    }
}

TEST_F(Control, AClickFocusesItUnlessFocusOnClickIsOffAndADoubleClickNeverMovesFocus) {
    TForm* form = NewForm();
    TTestControl* first = NewControl(form, Rect(10, 10, 60, 60));
    TTestControl* second = NewControl(form, Rect(100, 10, 150, 60));
    form->Show();
    Pump();
    first->SetFocus();
    Pump();
    display.Click(second->GetHandle(), 5, 5);
    Pump();
    EXPECT_TRUE(second->Focused());

    first->FocusOnClick = false;
    display.Click(first->GetHandle(), 5, 5);
    Pump();
    EXPECT_TRUE(second->Focused());

    first->FocusOnClick = true;
    Wait(2000); // not a double click
    display.Click(first->GetHandle(), 5, 5);
    second->Log.clear();
    Pump();
    EXPECT_TRUE(first->Focused());
    Wait(2000);
    std::vector<std::string> downs;
    second->OnMouseDown = [&](TObject*, TMouseButton, TShiftState s, int, int) {
        downs.push_back((s & ssDouble) ? "double" : "single");
        first->SetFocus(); // focus goes back before the second click
    };
    display.Click(second->GetHandle(), 5, 5);
    display.Click(second->GetHandle(), 5, 5); // arrives as a double click
    Pump();
    EXPECT_EQ(downs, (std::vector<std::string>{"single", "double"}));
    EXPECT_TRUE(first->Focused()) << "the double click did not take the focus";
}

TEST_F(Control, WhenFocusingFailsTheClickStopsAndTheMouseIsNotCaptured) {
    TForm* form = NewForm();
    TTestControl* control = NewControl(form, Rect(10, 10, 60, 60));
    TTestControl* other = NewControl(form, Rect(100, 10, 150, 60));
    std::vector<std::string> downs;
    control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { downs.push_back("down"); };
    control->OnEnter = [&](TObject*) { other->SetFocus(); }; // a handler moves the focus away
    form->Show();
    Pump();
    display.PressMouse(control->GetHandle(), 5, 5);
    Pump();
    EXPECT_TRUE(downs.empty());
    EXPECT_TRUE(control->Log.empty()) << "no ProcessMouseDown";
    EXPECT_EQ(GetCapture(), HWND(0));
    display.ReleaseMouse(control->GetHandle(), 5, 5);
    Pump();
}

TEST_F(Control, AClickReportsThePointUnderThePointerAfterFocusingMovedTheControl) {
    TForm* form = NewForm();
    NewControl(form, Rect(200, 10, 250, 60)); // takes the focus when the form shows
    TTestControl* control = NewControl(form, Rect(10, 10, 60, 60));
    std::vector<TPoint> downs;
    control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { downs.push_back({x, y}); };
    control->OnEnter = [&](TObject*) { control->SetLeft(control->GetLeft() + 10); }; // scrolled into view
    form->Show();
    Pump();
    display.Click(control->GetHandle(), 20, 5);
    Pump();
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].X, 10);
    EXPECT_EQ(downs[0].Y, 5);
}

TEST_F(Control, AHandlerThatFreesTheControlEndsTheMouseHandlingWithoutTouchingIt) {
    TForm* form = NewForm();
    for (int which = 0; which < 3; ++which) {
        TTestControl* control = NewControl(form, Rect(10, 10, 60, 60));
        auto freeIt = [&control] { delete control; };
        if (which == 0) control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { freeIt(); };
        if (which == 1) control->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { freeIt(); };
        if (which == 2) control->OnEnter = [&](TObject*) { freeIt(); };
        form->Show();
        Pump();
        TWeakLink<TTestControl> link(control);
        display.Click(control->GetHandle(), 5, 5); // the sanitizer build proves no freed memory is read
        Pump();
        EXPECT_FALSE(link) << which;
    }
}

TEST_F(Control, EnterAndLeaveEventsFireOnceEach) {
    TForm* form = NewForm();
    TTestControl* control = NewControl(form, Rect(10, 10, 60, 60));
    int enters = 0, leaves = 0;
    control->OnMouseEnter = [&](TObject*) { ++enters; };
    control->OnMouseLeave = [&](TObject*) { ++leaves; };
    form->Show();
    Pump();
    display.MoveMouse(control->GetHandle(), 5, 5);
    Pump();
    display.MoveMouse(form->GetHandle(), 200, 150);
    Pump();
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
}

TEST_F(Control, EraseBackgroundIsAnsweredWithoutErasingUnlessTheControlWantsIt) {
    TForm* form = NewForm();
    TTestControl* control = NewControl(form, Rect(10, 10, 60, 60));
    control->SetColor(clBlue);
    form->Show();
    Pump();
    HDC dc = GetDC(control->GetHandle());
    EXPECT_EQ(control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), 1);
    EXPECT_EQ(GetPixel(dc, 5, 5), ColorToRGB(clLime)) << "what the control painted stays";
    control->EraseBackground = true;
    control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    EXPECT_EQ(GetPixel(dc, 5, 5), ColorToRGB(clBlue));
    ReleaseDC(control->GetHandle(), dc);
}

TEST_F(Control, AChangeOfParentBackgroundIsNoticedAtTheNextPaintOnce) {
    TForm* form = NewForm();
    TTestControl* control = NewControl(form, Rect(10, 10, 60, 60));
    form->Show();
    Pump();
    control->SetParentBackground(false);
    control->Repaint();
    control->Repaint();
    EXPECT_EQ(control->ParentBackgroundChanges, 1);
}

struct TRecordingMenu : public TComponent, public IcxPopupMenuComponent {
    using TComponent::TComponent;
    std::vector<TPoint> Shown;
    bool IsShortCutMessage(TMessage& m) override { return m.WParam == VK_F2; }
    void PopupAt(int x, int y) override { Shown.push_back({x, y}); }
};

TEST_F(Control, TheContextMenuShowsAtThePointOrForTheKeyboardAtTheClientOrigin) {
    TForm* form = NewForm();
    TTestControl* control = NewControl(form, Rect(10, 10, 60, 60));
    auto* menu = new TRecordingMenu(form);
    control->SetPopupMenu(menu);
    form->Show();
    Pump();
    const TPoint origin = control->ClientToScreen({0, 0});
    control->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control->GetHandle()), MakeLParam(-1, -1));
    control->Perform(WM_CONTEXTMENU, 0, MakeLParam(origin.X + 7, origin.Y + 9));
    EXPECT_EQ(control->Perform(WM_CONTEXTMENU, 0, MakeLParam(origin.X + 70, origin.Y + 9)), 0)
        << "outside the client area: default handling";
    ASSERT_EQ(menu->Shown.size(), 2u);
    EXPECT_EQ(menu->Shown[0], origin);
    EXPECT_EQ(menu->Shown[1], (TPoint{origin.X + 7, origin.Y + 9}));

    control->SetFocus();
    Pump();
    display.PressKey(VK_F2);
    Pump();
    EXPECT_TRUE(control->IsPopupMenuShortCutKey(*std::make_unique<TMessage>(TMessage{CN_KEYDOWN, VK_F2, 0, 0})));

    delete menu;
    EXPECT_EQ(control->GetPopupMenu(), nullptr) << "cleared by the free notification";
    control->SetPopupMenu(new TComponent(form));
    EXPECT_EQ(control->GetPopupMenu(), nullptr) << "neither a TPopupMenu nor a popup-menu component";
}

TEST_F(Control, AControlWiderThanSixteenBitsStillReportsClickPositions) {
    TForm* form = NewForm(1200, 100);
    // Scrolled far to the left: the click lands on screen, 35000 pixels into the control.
    TTestControl* control = NewControl(form, Rect(-34000, 0, 6000, 100));
    std::vector<int> xs;
    control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int) { xs.push_back(x); };
    form->Show();
    Pump();
    display.Click(control->GetHandle(), 35000, 5);
    Pump();
    ASSERT_EQ(xs.size(), 1u);
    EXPECT_EQ(xs[0], 35000);
}

} // namespace
} // namespace zorvy::test
