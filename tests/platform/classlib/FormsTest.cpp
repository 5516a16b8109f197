#include "ClassLibFixture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Dialogs.h"
#include "platform/classlib/Timer.h"
#include "platform/win/Input.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"

#include <functional>
#include <utility>

namespace zorvy::test {
namespace {

class Forms : public ClassLibTest {};

TEST_F(Forms, ShowModalReturnsTheModalResultAndDisablesOtherWindows) {
    TForm* main = NewForm();
    main->Show();
    auto* dialog = new TForm(Application);
    bool mainEnabledDuring = true;
    Soon([&] {
        mainEnabledDuring = IsWindowEnabled(main->GetHandle());
        dialog->SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(mainEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(main->GetHandle()));
    EXPECT_FALSE(dialog->GetVisible());
    EXPECT_EQ(GetActiveWindow(), main->GetHandle());
    EXPECT_THROW((dialog->Show(), dialog->ShowModal()), EInvalidOperation);
}

TEST_F(Forms, AModalFormInsideAModalFormAndAQuitInsideEndsBoth) {
    TForm* main = NewForm();
    main->Show();
    auto* outer = new TForm(Application);
    auto* inner = new TForm(Application);
    int innerResult = -1;
    Soon([&] {
        Soon([&] { Application->Terminate(); });
        innerResult = inner->ShowModal();
    });
    EXPECT_EQ(outer->ShowModal(), mrCancel);
    EXPECT_EQ(innerResult, mrCancel);
    EXPECT_TRUE(Application->Terminated()) << "the quit is not lost by the nested loops";
}

TEST_F(Forms, NestedModalFormsCloseInnerFirst) {
    TForm* main = NewForm();
    main->Show();
    auto* outer = new TForm(Application);
    auto* inner = new TForm(Application);
    std::vector<std::string> order;
    Soon([&] {
        Soon([&] { inner->SetModalResult(mrYes); });
        order.push_back("inner " + std::to_string(inner->ShowModal()));
        outer->SetModalResult(mrNo);
    });
    order.push_back("outer " + std::to_string(outer->ShowModal()));
    EXPECT_EQ(order, (std::vector<std::string>{"inner 6", "outer 7"}));
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(Forms, CloseQueryCanKeepAModalFormOpen) {
    TForm* main = NewForm();
    main->Show();
    auto* dialog = new TForm(Application);
    int asked = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    Soon([&] {
        dialog->Close();
        Soon([&] { dialog->Close(); });
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
}

TEST_F(Forms, ClosingTheMainFormEndsTheApplicationAndCloseActionsApply) {
    TForm* main = NewForm();
    main->Show();
    auto* other = new TForm(Application);
    other->Show();
    TCloseAction wanted = caHide;
    other->OnClose = [&](TObject*, TCloseAction& action) { action = wanted; };
    other->Close();
    EXPECT_FALSE(other->GetVisible());
    other->Show();
    wanted = caNone;
    other->Close();
    EXPECT_TRUE(other->GetVisible());
    wanted = caFree;
    TWeakLink<TForm> link(other);
    other->Close();
    Pump();
    EXPECT_FALSE(link.Alive()) << "released through the queue";

    SendMessage(main->GetHandle(), WM_CLOSE);
    Pump();
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(Forms, AnUnhandledExceptionIsShownInAMessageBoxAndTheLoopGoesOn) {
    TForm* main = NewForm();
    auto* probe = AddProbe(main, 0, 0, 40, 40);
    probe->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
    std::string shown;
    main->Show();
    Pump();
    display.Click(probe->GetHandle(), 5, 5);
    // The box is modal: Enter answers it once it is up.
    Soon([&] {
        shown = Screen->GetActiveForm() ? Screen->GetActiveForm()->GetCaption() : "";
        display.PressKey(VK_RETURN);
    });
    Pump();
    EXPECT_EQ(shown, Application->Title);
    EXPECT_TRUE(IsWindow(main->GetHandle()));
    int clicks = 0;
    probe->OnClick = [&](TObject*) { ++clicks; };
    display.Clock().Advance(GetDoubleClickTime() + 1);
    display.Click(probe->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(clicks, 1);
}

TEST_F(Forms, MessageBoxAnswersByKeyboard) {
    struct Case {
        UINT flags;
        std::uint16_t key;
        int expected;
    };
    const std::vector<Case> cases = {
        {MB_OK, VK_RETURN, IDOK},
        {MB_OK, VK_ESCAPE, IDOK},
        {MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
        {MB_YESNO, VK_RETURN, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, VK_RETURN, IDNO},
        {MB_YESNOCANCEL, VK_ESCAPE, IDCANCEL},
    };
    for (const auto& c : cases) {
        Soon([&] { display.PressKey(c.key); });
        EXPECT_EQ(Application->MessageBox("确定要退出吗？", "提示", c.flags | MB_ICONQUESTION), c.expected)
            << "flags " << c.flags << " key " << c.key;
    }
    Soon([&] {
        display.PressKey(VK_TAB);
        display.PressKey(VK_RETURN);
    });
    EXPECT_EQ(Application->MessageBox("?", "", MB_OKCANCEL), IDCANCEL) << "Tab moves to the second button";
}

class TCreatedForm : public TForm {
  public:
    explicit TCreatedForm(TComponent* owner) : TForm(owner) {
        OnCreate = [this](TObject*) { ++Created; };
    }
    int Created = 0;
};

TEST_F(Forms, CreateFormRunsOnCreateOnceAndTheFirstFormIsTheMainForm) {
    auto* first = Application->CreateForm<TCreatedForm>();
    auto* second = Application->CreateForm<TCreatedForm>();
    EXPECT_EQ(first->Created, 1);
    second->AfterConstruction();
    EXPECT_EQ(second->Created, 1);
    EXPECT_EQ(Application->GetMainForm(), first);
    struct TModule : TDataModule {
        explicit TModule(TComponent* owner) : TDataModule(owner) {
            OnCreate = [this](TObject*) { ++Created; };
        }
        int Created = 0;
    };
    auto* module = Application->CreateForm<TModule>();
    EXPECT_EQ(module->Created, 1);
    EXPECT_EQ(Application->GetMainForm(), first) << "a data module is never the main form";
}

TEST_F(Forms, BadIndexesIntoTheFormAndControlListsRaiseListErrors) {
    TForm* form = NewForm();
    AddProbe(form, 0, 0, 10, 10);
    EXPECT_EQ(Screen->GetForm(0), form);
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"(-1)", [] { (void)Screen->GetForm(-1); }},
        {"(1)", [] { (void)Screen->GetForm(Screen->GetFormCount()); }},
        {"(1)", [form] { (void)form->GetControl(1); }},
    };
    for (const auto& [index, call] : cases) {
        try {
            call();
            ADD_FAILURE() << "accepted " << index;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), std::string("List index out of bounds ") + index);
        }
    }
}

TEST_F(Forms, EAbortIsSilent) {
    int boxes = 0;
    Application->OnException = [&](TObject*, const std::exception&) { ++boxes; };
    Application->HandleException(EAbort());
    EXPECT_EQ(boxes, 0);
    Application->HandleException(EConvertError("bad"));
    EXPECT_EQ(boxes, 1);
}

TEST_F(Forms, TimersFireOnTheVirtualClockAndStopCleanly) {
    auto* timer = new TTimer(Application);
    int ticks = 0;
    timer->SetInterval(100);
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    display.Clock().Advance(99);
    Pump();
    EXPECT_EQ(ticks, 0);
    display.Clock().Advance(1);
    Pump();
    EXPECT_EQ(ticks, 1);
    display.Clock().Advance(100);
    timer->SetEnabled(false);
    Pump();
    EXPECT_EQ(ticks, 1) << "a tick due before disabling does not arrive after it";
    timer->SetEnabled(true);
    display.Clock().Advance(100);
    MSG stale;
    ASSERT_TRUE(PeekMessage(stale, 0, 0, 0, PM_REMOVE));
    delete timer;
    DispatchMessage(stale);
    EXPECT_EQ(ticks, 1) << "a tick taken from the queue before the timer was freed is dropped";
}

TEST_F(Forms, ProcessMessagesOnAnEmptyQueueReturnsAtOnce) {
    TForm* form = NewForm();
    form->Show();
    Pump();
    EXPECT_TRUE(QueueIsEmpty());
    for (int i = 0; i < 1000; ++i)
        Application->ProcessMessages();
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(Forms, PositionAndStayOnTopAndAlphaBlend) {
    auto* form = Application->CreateForm<TForm>();
    form->SetBounds(0, 0, 400, 300);
    form->Position = poScreenCenter;
    form->SetFormStyle(fsStayOnTop);
    form->SetAlphaBlend(true);
    form->SetAlphaBlendValue(200);
    form->Show();
    const TRect work = Screen->GetWorkAreaRect();
    EXPECT_EQ(form->GetLeft(), (work.Width() - 400) / 2);
    EXPECT_EQ(form->GetTop(), (work.Height() - 300) / 2);
    EXPECT_TRUE(GetWindowExStyle(form->GetHandle()) & WS_EX_TOPMOST);
    EXPECT_EQ(display.NativeWindow(form->GetHandle())->alpha, 200);
    auto* normal = NewForm();
    normal->Show();
    EXPECT_EQ(GetTopWindow(0), form->GetHandle()) << "stay-on-top stays in front of later forms";
}

TEST_F(Forms, AFormReparentedIntoAPanelBecomesAChildWindow) {
    TForm* main = NewForm();
    auto* panel = AddProbe(main, 10, 10, 200, 150);
    main->Show();
    auto* docked = new TForm(Application);
    docked->Show();
    EXPECT_FALSE(GetWindowStyle(docked->GetHandle()) & WS_CHILD);
    docked->SetParent(panel);
    docked->SetAlign(alClient);
    docked->Show();
    EXPECT_TRUE(GetWindowStyle(docked->GetHandle()) & WS_CHILD);
    EXPECT_EQ(GetParent(docked->GetHandle()), panel->GetHandle());
    EXPECT_EQ(docked->GetBoundsRect(), Rect(0, 0, 200, 150));
}

TEST_F(Forms, AUtilityWindowHandsItsMessagesToItsHandler) {
    std::vector<UINT> seen;
    HWND hwnd = AllocateHWnd([&](TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_USER) throw EConvertError("inside a handler");
        m.Result = 7;
    });
    ASSERT_TRUE(IsWindow(hwnd));
    int shown = 0;
    Application->OnException = [&](TObject*, const std::exception&) { ++shown; };
    EXPECT_EQ(SendMessage(hwnd, WM_APP), 7);
    SendMessage(hwnd, WM_USER);
    EXPECT_EQ(shown, 1) << "the exception went to the application";
    DeallocateHWnd(hwnd);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(SendMessage(hwnd, WM_APP), 0);
}

TEST_F(Forms, APopupParentOwnsTheFormsWindowUntilItIsFreed) {
    TForm* main = NewForm();
    auto* tool = new TForm(Application);
    tool->SetPopupParent(main);
    tool->Show();
    EXPECT_EQ(GetWindow(tool->GetHandle(), GW_OWNER), main->GetHandle());
    auto* other = new TForm(Application);
    other->SetPopupParent(tool);
    delete tool;
    EXPECT_EQ(other->GetPopupParent(), nullptr);
}

class TFailingPaint : public TCustomControl {
  public:
    using TCustomControl::TCustomControl;
    bool Failing = true;

  protected:
    void Paint() override {
        if (Failing) throw EConvertError("'?' is not a valid integer value");
    }
};

TEST_F(Forms, AnExceptionRaisedWhileTheExceptionBoxIsUpOpensNoBoxOnTopOfIt) {
    TForm* main = NewForm();
    auto* bad = new TFailingPaint(main);
    bad->SetParent(main);
    bad->SetBounds(0, 0, 100, 100);
    int formsDuring = 0;
    bool nestedReturned = false;
    Soon([&] {
        formsDuring = Screen->GetFormCount();
        Application->HandleException(EConvertError("again"));
        nestedReturned = true;
        bad->Failing = false;
        display.PressKey(VK_RETURN);
    });
    main->Show();
    Pump();
    EXPECT_EQ(formsDuring, 2) << "the main form and one box";
    EXPECT_TRUE(nestedReturned) << "the nested exception did not wait in a box of its own";
    EXPECT_EQ(GetActiveWindow(), main->GetHandle()) << "the box is gone and the program goes on";
}

} // namespace
} // namespace zorvy::test
