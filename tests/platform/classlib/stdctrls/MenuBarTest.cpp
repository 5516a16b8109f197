// The main menu drawn as the form's menu bar: its room above the client area, Alt + letter, the
// arrow keys, the mouse and the shortcuts of its items.
#include "platform/classlib/Menus.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"
#include "tests/platform/classlib/ClassLibFixture.h"

namespace zorvy::test {
namespace {

class MenuBar : public ClassLibTest {
  protected:
    TForm* MakeForm(std::vector<std::string>& log) {
        TForm* form = NewForm(300, 200);
        auto* menu = new TMainMenu(form);
        auto add = [&](TMenuItem* parent, const char* caption) {
            auto* item = new TMenuItem(menu);
            item->Caption = caption;
            item->OnClick = [&log, caption](TObject*) { log.push_back(caption); };
            parent->Add(item);
            return item;
        };
        TMenuItem* scheme = add(menu->GetItems(), "方案(&F)");
        add(scheme, "保存方案")->ShortCut = ShortCut('S', ssCtrl);
        add(scheme, "调用方案");
        TMenuItem* help = add(menu->GetItems(), "帮助(&H)");
        add(help, "帮助文档");
        form->SetMenu(menu);
        return form;
    }
    void AltKey(std::uint16_t key) {
        InjectKey(VK_MENU, true);
        InjectKey(key, true);
        InjectKey(key, false);
        InjectKey(VK_MENU, false);
    }
    void Key(std::uint16_t key) {
        InjectKey(key, true);
        InjectKey(key, false);
    }
};

TEST_F(MenuBar, TheBarTakesItsRoomAboveTheClientArea) {
    std::vector<std::string> log;
    TForm* form = MakeForm(log);
    form->Show();
    Pump();
    const int bar = form->GetMenu()->BarHeight();
    ASSERT_GT(bar, 10);
    EXPECT_EQ(form->GetClientHeight(), 200 - bar);
    EXPECT_EQ(form->ClientToScreen({0, 0}), (TPoint{50, 50 + bar}));
    // The captions are drawn on the bar: some pixel of the first item is in the menu text colour.
    HBITMAP image = display.Capture(form->GetHandle());
    const TRect first = form->GetMenu()->BarItemRects()[0];
    int ink = 0;
    for (int y = first.Top; y < first.Bottom; ++y)
        for (int x = first.Left; x < first.Right; ++x)
            if ((image->Row(y)[x] & 0xFFFFFF) == (ColorToRGB(clMenuText) & 0xFFFFFF)) ++ink;
    DeleteObject(image);
    EXPECT_GT(ink, 0);
}

TEST_F(MenuBar, AltLetterOpensAMenuAndTheKeysChooseInIt) {
    std::vector<std::string> log;
    TForm* form = MakeForm(log);
    form->Show();
    Pump();
    AltKey('F');
    Key(VK_RETURN); // the menu opens with its first item selected
    Pump();
    EXPECT_EQ(log, std::vector<std::string>{"保存方案"});
    AltKey('F');
    Key(VK_DOWN);
    Key(VK_RETURN);
    AltKey('F');
    Key(VK_RIGHT); // on to the next bar item
    Key(VK_RETURN);
    AltKey('H');
    Key(VK_ESCAPE);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"保存方案", "调用方案", "帮助文档"}));
    EXPECT_EQ(form->GetMenu()->GetBarHotIndex(), -1) << "no bar item stays selected";
}

TEST_F(MenuBar, ShortcutsAndTheMouseReachTheCommands) {
    std::vector<std::string> log;
    TForm* form = MakeForm(log);
    form->Show();
    Pump();
    InjectKey(VK_CONTROL, true);
    Key('S');
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_EQ(log, std::vector<std::string>{"保存方案"});

    const TRect help = form->GetMenu()->BarItemRects()[1];
    const int bar = form->GetMenu()->BarHeight();
    const TPoint onHelp{50 + help.Left + 5, 50 + bar / 2};
    InjectMouseButton(TInputButton::Left, true, onHelp);
    InjectMouseButton(TInputButton::Left, false, onHelp);
    // The menu opens below its bar item; its first row is the menu font's height plus 6.
    const TPoint onItem{onHelp.X + 10, 50 + bar + 6};
    InjectMouseMove(onItem);
    InjectMouseButton(TInputButton::Left, true, onItem);
    InjectMouseButton(TInputButton::Left, false, onItem);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"保存方案", "帮助文档"}));
}

} // namespace
} // namespace zorvy::test
