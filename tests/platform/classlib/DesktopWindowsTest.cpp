// Forms as a window manager sees them: who owns a dialog and what stands in front, where the keyboard
// goes after a modal window, and a sizeable window that maximises, restores and keeps its minimum size.
#include "tests/platform/classlib/ClassLibFixture.h"
#include "platform/win/Input.h"
#include "platform/win/Styles.h"

namespace zorvy::test {
namespace {

class DesktopWindows : public ClassLibTest {
  protected:
    // A decorated window of the session (a native window with a frame the window manager draws).
    TForm* NewDesktopForm(int w = 400, int h = 300) {
        auto* form = Application->CreateForm<TForm>();
        form->SetBounds(60, 40, w, h);
        return form;
    }
    const THeadlessDisplay::TNativeWindow& Native(TForm* form) {
        const auto* native = display.NativeWindow(form->GetHandle());
        EXPECT_NE(native, nullptr);
        static THeadlessDisplay::TNativeWindow none;
        return native ? *native : none;
    }
};

TEST_F(DesktopWindows, AModalFormBelongsToTheWindowItCameFromStandsInFrontAndGivesTheKeyboardBack) {
    Application->MainFormOnTaskBar = true;
    TForm* main = NewDesktopForm();
    TProbe* first = AddProbe(main, 10, 10, 50, 20);
    TProbe* second = AddProbe(main, 10, 40, 50, 20);
    main->Show();
    second->SetFocus();
    Pump();
    EXPECT_EQ(Native(main).desc.owner, 0) << "the main window belongs to nobody";

    auto* dialog = new TForm(Application);
    dialog->SetBorderStyle(bsDialog);
    HWND owner = 0, nativeOwner = 0, front = 0, keyboard = 0;
    Soon([&] {
        owner = GetWindow(dialog->GetHandle(), GW_OWNER);
        nativeOwner = Native(dialog).desc.owner;
        front = display.Stacking().back();
        keyboard = display.KeyboardWindow();
        display.ActivateNativeWindow(main->GetHandle()); // raised meanwhile: what it owns comes along
        front = front == display.Stacking().back() ? front : 0;
        dialog->SetModalResult(mrOk);
    });
    dialog->ShowModal();
    EXPECT_EQ(owner, main->GetHandle());
    EXPECT_EQ(nativeOwner, main->GetHandle());
    EXPECT_EQ(front, dialog->GetHandle()) << "in front of its owner, also after the owner was raised";
    EXPECT_EQ(keyboard, dialog->GetHandle());

    EXPECT_EQ(display.KeyboardWindow(), main->GetHandle()) << "the keyboard returns to the main window";
    EXPECT_EQ(GetFocus(), second->GetHandle()) << "and to the control that had it";
    (void)first;

    // A window shown later, not modal, belongs to the main window as well.
    auto* help = new TForm(Application);
    help->Show();
    EXPECT_EQ(Native(help).desc.owner, main->GetHandle());
    EXPECT_EQ(display.Stacking().back(), help->GetHandle());
}

TEST_F(DesktopWindows, ASizeableFormMaximisesRestoresAndKeepsItsLimits) {
    TForm* form = NewDesktopForm(500, 400);
    form->GetConstraints()->MinWidth = 450;
    form->GetConstraints()->MinHeight = 350;
    form->SetWindowState(wsMaximized);
    form->Show();
    const auto& native = Native(form);
    EXPECT_TRUE(native.desc.sizeable) << "the user may resize it";
    EXPECT_TRUE(native.maximized) << "maximised by the window manager, not by a fixed size";
    EXPECT_EQ(native.limits.minWidth, 450);
    EXPECT_EQ(native.limits.minHeight, 350);
    EXPECT_EQ(native.limits.maxWidth, 0) << "no largest size: maximising can grow it";
    TRect r;
    GetWindowRect(form->GetHandle(), r);
    EXPECT_EQ(r, Rect(0, 0, 1920, 1040)) << "the work area";

    form->SetWindowState(wsNormal);
    EXPECT_FALSE(native.maximized);
    GetWindowRect(form->GetHandle(), r);
    EXPECT_EQ(r, Bounds(60, 40, 500, 400)) << "back to the size it had before";

    // The window manager maximises and restores it too (a double click on the title).
    ShowWindow(form->GetHandle(), SW_SHOWMAXIMIZED);
    EXPECT_EQ(form->GetWindowState(), wsMaximized);
    ShowWindow(form->GetHandle(), SW_RESTORE);
    EXPECT_EQ(form->GetWindowState(), wsNormal);

    // Smaller than its minimum it does not go, whoever asks.
    SetWindowPos(form->GetHandle(), 0, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(form->GetHandle(), r);
    EXPECT_EQ(r.Width(), 450);
    EXPECT_EQ(r.Height(), 350);
}

} // namespace
} // namespace zorvy::test
