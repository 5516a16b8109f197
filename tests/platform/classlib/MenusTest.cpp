#include "platform/classlib/Menus.h"
#include "platform/classlib/HintWindow.h"
#include "ClassLibFixture.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Exceptions.h"
#include "platform/win/Input.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy::test {
namespace {

class Menus : public ClassLibTest {
  protected:
    TPopupMenu* MakeMenu(std::vector<std::string>& log) {
        auto* menu = new TPopupMenu(Application);
        for (const char* caption : {"&Open", "-", "&Save", "Disabled"}) {
            auto* item = new TMenuItem(menu);
            item->Caption = caption;
            item->OnClick = [&log, caption](TObject*) { log.push_back(caption); };
            menu->GetItems()->Add(item);
        }
        menu->GetItems()->GetItem(2)->ShortCut = ShortCut('S', ssCtrl);
        menu->GetItems()->GetItem(3)->Enabled = false;
        return menu;
    }
    // Rows are the menu font's height plus 6 pixels, separators 8, inside a 1-pixel border.
    static int RowHeight() {
        HDC dc = CreateScreenDC();
        SelectObject(dc, Screen->GetMenuFont()->GetHandle());
        TEXTMETRIC tm;
        GetTextMetrics(dc, tm);
        DeleteDC(dc);
        return tm.tmHeight + 6;
    }
};

TEST_F(Menus, AClickOnAnItemRunsItAfterTheMenuCloses) {
    std::vector<std::string> log;
    TPopupMenu* menu = MakeMenu(log);
    const int row = RowHeight();
    const TPoint save{205, 200 + 1 + row + 8 + row / 2};
    InjectMouseMove(save);
    InjectMouseButton(TInputButton::Left, true, save);
    InjectMouseButton(TInputButton::Left, false, save);
    HWND during = 0;
    menu->GetItems()->GetItem(2)->OnClick = [&](TObject*) {
        log.push_back("&Save");
        during = GetCapture();
    };
    menu->Popup(200, 200);
    EXPECT_EQ(log, std::vector<std::string>{"&Save"});
    EXPECT_EQ(during, 0u) << "the menu window is gone when the item runs";
}

TEST_F(Menus, AnItemsHintShowsAfterThePauseAlsoWhenTheItemIsDisabled) {
    std::vector<std::string> log;
    TPopupMenu* menu = MakeMenu(log);
    menu->GetItems()->GetItem(3)->Hint = "comes later";
    const int row = RowHeight();
    InjectMouseMove({205, 200 + 1 + row + 8 + row + row / 2}); // on "Disabled"
    auto shown = [] {
        THintWindow* window = Application->HintWindow();
        return window && window->IsShowingHint() ? window->GetText() : std::string();
    };
    std::string before, after;
    auto at = [](UINT ms, std::function<void()> action) {
        auto shared = std::make_shared<std::function<void()>>(std::move(action));
        auto id = std::make_shared<std::uintptr_t>(0);
        *id = SetTimer(0, 0, ms, [shared, id](HWND, UINT, std::uintptr_t, std::uint64_t) {
            KillTimer(0, *id);
            (*shared)();
        });
    };
    at(Application->HintPause - 1, [&] { before = shown(); });
    at(Application->HintPause + 1, [&] {
        after = shown();
        InjectKey(VK_ESCAPE, true);
    });
    menu->Popup(200, 200);
    EXPECT_EQ(before, "");
    EXPECT_EQ(after, "comes later");
    EXPECT_EQ(shown(), "") << "the hint goes with the menu";
    EXPECT_TRUE(log.empty());
}

TEST_F(Menus, KeysMoveChooseAndDismiss) {
    std::vector<std::string> log;
    TPopupMenu* menu = MakeMenu(log);
    display.PressKey(VK_DOWN);
    display.PressKey(VK_DOWN);
    display.PressKey(VK_RETURN);
    menu->Popup(10, 10);
    EXPECT_EQ(log, std::vector<std::string>{"&Save"}) << "the separator is skipped";
    display.PressKey(VK_ESCAPE);
    menu->Popup(10, 10);
    display.TypeText("o");
    menu->Popup(10, 10);
    EXPECT_EQ(log, (std::vector<std::string>{"&Save", "&Open"}))
        << "Esc chose nothing; the accelerator chose Open";
    // A press outside the menu dismisses it.
    InjectMouseButton(TInputButton::Left, true, {900, 900});
    menu->Popup(10, 10);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(Menus, ShortcutsRunEnabledItemsOnly) {
    std::vector<std::string> log;
    TPopupMenu* menu = MakeMenu(log);
    EXPECT_TRUE(menu->IsShortCut('S', ssCtrl));
    EXPECT_FALSE(menu->IsShortCut('S', 0));
    menu->GetItems()->GetItem(3)->ShortCut = ShortCut(VK_F5, 0);
    EXPECT_FALSE(menu->IsShortCut(VK_F5, 0)) << "disabled";
    EXPECT_EQ(log, std::vector<std::string>{"&Save"});
    EXPECT_EQ(ShortCutToText(ShortCut('S', ssCtrl | ssShift)), "Shift+Ctrl+S");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, 0)), "Del");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F1 + 11, ssAlt)), "Alt+F12");
    EXPECT_EQ(ShortCutToText(ShortCut('7', ssCtrl)), "Ctrl+7");
}

TEST_F(Menus, ARightClickOnAControlPopsUpItsMenuAndTheMenuKeyToo) {
    std::vector<std::string> log;
    TPopupMenu* menu = MakeMenu(log);
    TComponent* popupFor = nullptr;
    menu->OnPopup = [&](TObject*) {
        popupFor = menu->PopupComponent;
        display.PressKey(VK_ESCAPE);
    };
    TForm* form = NewForm();
    auto* probe = AddProbe(form, 10, 10, 50, 50);
    probe->SetPopupMenu(menu);
    form->Show();
    Pump();
    display.Click(probe->GetHandle(), 5, 5, TInputButton::Right);
    Pump();
    EXPECT_EQ(popupFor, probe);
    popupFor = nullptr;
    probe->SetFocus();
    display.PressKey(VK_APPS);
    Pump();
    EXPECT_EQ(popupFor, probe);
}

TEST_F(Menus, ItemTreesOwnTheirItemsAndRefuseCycles) {
    auto* root = new TMenuItem(nullptr);
    auto* child = new TMenuItem(nullptr);
    auto* grandchild = new TMenuItem(nullptr);
    root->Add(child);
    child->Add(grandchild);
    EXPECT_THROW(grandchild->Add(root), EInvalidOperation);
    EXPECT_THROW(root->GetItem(5), EListError);
    child->Caption = "&Edit";
    EXPECT_EQ(root->Find("edit"), child);
    delete grandchild;
    EXPECT_EQ(child->GetCount(), 0);
    delete root;
}

TEST_F(Menus, AQuitMetInsideTheMenuLoopReachesTheOuterLoop) {
    std::vector<std::string> log;
    TPopupMenu* menu = MakeMenu(log);
    PostQuitMessage(3);
    menu->Popup(10, 10);
    EXPECT_TRUE(log.empty());
    Application->ProcessMessages();
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(Menus, SubmenusOpenByKeyOrPointerAndEscReturnsToTheParent) {
    std::vector<std::string> log;
    auto* menu = new TPopupMenu(Application);
    auto add = [&](TMenuItem* to, const char* caption) {
        auto* item = new TMenuItem(menu);
        item->Caption = caption;
        item->OnClick = [&log, caption](TObject*) { log.push_back(caption); };
        to->Add(item);
        return item;
    };
    TMenuItem* tools = add(menu->GetItems(), "Tools");
    add(menu->GetItems(), "Exit");
    add(tools, "Sort");
    add(tools, "Filter");

    display.PressKey(VK_DOWN);
    display.PressKey(VK_RIGHT);
    display.PressKey(VK_DOWN);
    display.PressKey(VK_DOWN);
    display.PressKey(VK_RETURN);
    menu->Popup(100, 100);
    EXPECT_EQ(log, std::vector<std::string>{"Filter"});

    display.PressKey(VK_DOWN);
    display.PressKey(VK_RIGHT);
    display.PressKey(VK_ESCAPE);
    display.PressKey(VK_DOWN);
    display.PressKey(VK_RETURN);
    menu->Popup(100, 100);
    EXPECT_EQ(log, (std::vector<std::string>{"Filter", "Exit"})) << "Esc closed only the submenu";

    // Pointer: resting on Tools opens its submenu to the right; a click there chooses.
    const int row = RowHeight();
    InjectMouseMove({105, 101 + row / 2});
    std::uintptr_t timer = SetTimer(0, 0, 1, [&](HWND, UINT, std::uintptr_t, std::uint64_t) {
        KillTimer(0, timer);
        // The submenu is the window holding the mouse now; its first row is Sort.
        TRect r;
        GetWindowRect(GetCapture(), r);
        const TPoint sort{r.Left + 10, r.Top + 1 + row / 2};
        InjectMouseMove(sort);
        InjectMouseButton(TInputButton::Left, true, sort);
        InjectMouseButton(TInputButton::Left, false, sort);
    });
    menu->Popup(100, 100);
    EXPECT_EQ(log, (std::vector<std::string>{"Filter", "Exit", "Sort"}));
}

} // namespace
} // namespace zorvy::test
