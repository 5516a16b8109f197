// The main window on a desktop: dialogs in front of it, maximising and resizing, hints, and the keyboard
// after a modal window and after a run.
#include "platform/classlib/HintWindow.h"
#include "platform/classlib/Menus.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/classlib/stdctrls/StatusBar.h"
#include "platform/classlib/stdctrls/ToolBar.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/Windows.h"
#include "tests/app/AppFixture.h"

namespace zorvy::test {
namespace {

using Desktop = AppTest;

TConditionCheckBox* CheckOf(const std::string& name) { return dynamic_cast<TConditionCheckBox*>(Frmain->FindComponent(name)); }
TConditionEdit* EditOf(const std::string& name) { return dynamic_cast<TConditionEdit*>(Frmain->FindComponent(name)); }

// Whether the keyboard focus is in control or a window inside it.
bool HasFocusIn(TWinControl* control) {
    const HWND focus = GetFocus();
    return focus && (focus == control->GetHandle() || IsChild(control->GetHandle(), focus));
}

TEST_F(Desktop, DialogsStandInFrontOfTheMainWindowAndTheKeyboardComesBack) {
    Start();
    const HWND main = Frmain->GetHandle();
    EXPECT_EQ(display.NativeWindow(main)->desc.owner, 0) << "the main window belongs to no other window";
    Frmain->PageTabTiaojian->SetActivePage(Frmain->Tabgw);
    CheckOf("gw1chk")->SetChecked(true);
    EditOf("gw1Edit")->SetFocus();
    Application->ProcessMessages();
    ASSERT_TRUE(HasFocusIn(EditOf("gw1Edit")));

    // The closing question, answered with Cancel.
    HWND owner = 0, front = 0, keyboard = 0;
    Soon([&] {
        const HWND box = Screen->GetActiveForm()->GetHandle();
        owner = display.NativeWindow(box)->desc.owner;
        front = display.Stacking().back() == box ? box : 0;
        keyboard = display.KeyboardWindow() == box ? box : 0;
        display.PressKey(VK_ESCAPE);
    });
    Frmain->ToolButton7Click(nullptr);
    EXPECT_EQ(owner, main);
    EXPECT_NE(front, 0) << "the question stands in front of the main window";
    EXPECT_NE(keyboard, 0) << "and takes the keyboard";
    EXPECT_EQ(display.KeyboardWindow(), main) << "the keyboard comes back to the main window";
    EXPECT_TRUE(HasFocusIn(EditOf("gw1Edit"))) << "to the edit that had it";
    display.TypeText("j=1/");
    Application->ProcessMessages();
    EXPECT_EQ(EditOf("gw1Edit")->GetText(), "j=1/") << "typed text arrives";
    display.PressKey(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_EQ(EditOf("gw1Edit")->GetText(), "j=1/") << "Esc keeps what was typed: it is the condition";

    // The help window belongs to the main window too, wraps its text at its width, and Esc closes it.
    Frmain->N11Click(nullptr);
    Application->ProcessMessages();
    EXPECT_EQ(display.NativeWindow(Frhelp->GetHandle())->desc.owner, main);
    EXPECT_EQ(display.Stacking().back(), Frhelp->GetHandle());
    EXPECT_TRUE(Frhelp->Memo1->GetWordWrap());
    display.PressKey(VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_FALSE(Frhelp->GetVisible());
}

TEST_F(Desktop, ARunStartedWithEnterLeavesTheFocusOnAButtonThatShowsIt) {
    Start();
    Frmain->Btfilter->SetFocus();
    Application->ProcessMessages();
    // A click on the cancel button, handled at the run's first look at its messages, sees the focus.
    bool cancelFocused = false;
    TNotifyEvent cancel = Frmain->Btcance->OnClick;
    Frmain->Btcance->OnClick = [&](TObject* sender) {
        cancelFocused = Frmain->Btcance->Focused();
        cancel(sender);
    };
    ASSERT_TRUE(Frmain->Btfilter->Focused());
    display.PressKey(VK_RETURN);
    PostMessage(Frmain->Btcance->GetHandle(), BM_CLICK, 0, 0);
    Application->ProcessMessages();
    EXPECT_NE(Frmain->Lbtouzhushu->GetCaption(), TouzhushuIdleCaption) << "Enter started the run";
    EXPECT_TRUE(cancelFocused) << "during the run the focus is on 取消过滤";
    EXPECT_TRUE(Frmain->Btfilter->Focused()) << "after it on 开始过滤 again";
}

TEST_F(Desktop, TheMainWindowMaximisesRestoresToItsFormSizeAndKeepsItsMinimum) {
    Start();
    const HWND main = Frmain->GetHandle();
    const auto* native = display.NativeWindow(main);
    EXPECT_TRUE(native->desc.sizeable);
    EXPECT_TRUE(native->maximized) << "maximised in the window manager's sense";
    EXPECT_GT(native->limits.minWidth, 0);
    EXPECT_EQ(native->limits.maxWidth, 0) << "no fixed size";

    Frmain->SetWindowState(wsNormal);
    EXPECT_EQ(Frmain->GetClientWidth(), 1028);
    EXPECT_EQ(Frmain->GetClientHeight(), 734);
    SetWindowPos(main, 0, 0, 0, 1400, 1000, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Frmain->GetWidth(), 1400) << "it resizes like any window";
    SetWindowPos(main, 0, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Frmain->GetClientWidth(), 1028) << "but not below what its controls need";
    EXPECT_EQ(Frmain->GetClientHeight(), 734);
    TToolButton* exit = Frmain->ToolButtons[6];
    EXPECT_LE(exit->GetLeft() + exit->GetWidth(), Frmain->ToolBar1->GetClientWidth()) << "退出系统 stays on the bar";
    EXPECT_LE(Frmain->StatusBar1->GetTop() + Frmain->StatusBar1->GetHeight(), Frmain->GetClientHeight());
    Frmain->SetWindowState(wsMaximized);
    EXPECT_TRUE(native->maximized);
}

TEST_F(Desktop, HintsShowAfterThePauseAndHideAgain) {
    Start();
    auto hint = [&]() -> std::string {
        THintWindow* window = Application->HintWindow();
        return window && window->IsShowingHint() ? window->GetText() : "";
    };
    struct Case {
        TControl* control;
        std::string text;
    };
    Frmain->PageTabTiaojian->SetActivePage(Frmain->Tabgw);
    CheckOf("gw1chk")->SetChecked(true);
    TConditionEdit* edit = EditOf("gw1Edit");
    const std::string longText = "fw1=2/fw2=5/xfw= 1 3 5 7 9 11 13 15 17 19 21 23 25 27 29 31 33 35 37 /";
    edit->SetText(longText);
    Application->ProcessMessages();
    const Case cases[] = {{Frmain->ToolButtons[0], "调用方案"},
                          {Frmain->ToolButtons[3], "数据维护"},
                          {edit, longText}};
    for (const Case& c : cases) {
        TWinControl* parent = c.control->GetParent();
        display.MoveMouse(Frmain->GetHandle(), 1, 1);
        Application->ProcessMessages();
        display.Clock().Advance(4000);
        Application->ProcessMessages();
        TPoint p = parent->ClientToScreen({c.control->GetLeft() + c.control->GetWidth() / 2,
                                           c.control->GetTop() + c.control->GetHeight() / 2});
        ScreenToClient(Frmain->GetHandle(), p);
        display.MoveMouse(Frmain->GetHandle(), p.X, p.Y);
        Application->ProcessMessages();
        display.Clock().Advance(499);
        Application->ProcessMessages();
        EXPECT_EQ(hint(), "") << c.text << ": not before the hint pause";
        display.Clock().Advance(1);
        Application->ProcessMessages();
        EXPECT_EQ(hint(), c.text);
        display.Clock().Advance(3665);
        Application->ProcessMessages();
        EXPECT_EQ(hint(), c.text) << "shown until the hide pause";
        display.Clock().Advance(1);
        Application->ProcessMessages();
        EXPECT_EQ(hint(), "") << c.text << ": hidden after it";
    }
}

} // namespace
} // namespace zorvy::test
