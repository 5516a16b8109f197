// Message dialogs and input boxes answered from the keyboard while they run modally.
#include "platform/classlib/dialogs/MessageDialogs.h"
#include "platform/win/Input.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "tests/platform/classlib/ClassLibFixture.h"

#include <memory>

namespace zorvy::test {
namespace {

class MessageDialogs : public ClassLibTest {};

TEST_F(MessageDialogs, EnterPressesTheDefaultButtonAndEscTheCancellingOne) {
    struct Case {
        TMsgDlgButtons buttons;
        std::vector<std::uint16_t> keys;
        std::string typed;
        TModalResult expected;
        const char* why;
    };
    const std::vector<Case> cases = {
        {mbYesNoCancel, {VK_RETURN}, "", mrYes, "Yes is the default without OK"},
        {mbYesNoCancel, {VK_ESCAPE}, "", mrCancel, "Cancel cancels"},
        {mbYesNo, {VK_ESCAPE}, "", mrNo, "No cancels when there is no Cancel"},
        {MsgDlgButtons({mbOK}), {VK_ESCAPE}, "", mrOk, "a lone OK also cancels"},
        {mbAbortRetryIgnore, {VK_RETURN}, "", mrAbort, "the first button is the default"},
        {mbAbortRetryIgnore, {VK_ESCAPE}, "", mrCancel, "Esc closes a dialog with no cancelling button"},
        {mbYesNo, {VK_TAB, VK_RETURN}, "", mrNo, "Tab moves to the next button, Enter presses it"},
        {mbYesNo, {}, "n", mrNo, "the accelerator of 否(&N)"},
    };
    for (const auto& c : cases) {
        Soon([&] {
            for (std::uint16_t key : c.keys)
                display.PressKey(key);
            if (!c.typed.empty()) display.TypeText(c.typed);
        });
        EXPECT_EQ(MessageDlg("是否保存?", mtConfirmation, c.buttons), c.expected) << c.why;
    }
    Soon([&] { display.PressKey(VK_RETURN); });
    EXPECT_EQ(MessageDlg("?", mtWarning, mbOKCancel, 0, mbCancel), mrCancel) << "a chosen default button";
    EXPECT_EQ(Screen->GetFormCount(), 0) << "every dialog is freed";
}

TEST_F(MessageDialogs, InputBoxGivesTheTypedTextOrItsDefault) {
    Soon([&] {
        display.TypeText("16"); // the edit starts with its text selected, so typing replaces it
        display.PressKey(VK_RETURN);
    });
    EXPECT_EQ(InputBox("输入蓝球", "请输入要打印的蓝球：", "08"), "16");
    Soon([&] {
        display.TypeText("16");
        display.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(InputBox("输入蓝球", "请输入要打印的蓝球：", "08"), "08") << "Cancel gives the default";
    std::string value = "01 02";
    Soon([&] { display.PressKey(VK_ESCAPE); });
    EXPECT_FALSE(InputQuery("彩票打印", "请按格式输入开奖号码(不含蓝球)", value));
    EXPECT_EQ(value, "01 02");
}

} // namespace
} // namespace zorvy::test
