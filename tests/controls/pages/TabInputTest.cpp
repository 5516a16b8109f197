// The user at the tabs: the change events and their veto, keys (Ctrl+Tab wraps, arrows skip disabled
// tabs, Home/End from the far end), the scroll arrows repeating while held, the go-to menu, and a click
// handler that frees the control.
#include "tests/controls/pages/PagesFixture.h"

#include "controls/pages/GoDialog.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy::test {
namespace {

using TabInputTest = PagesTest;

TEST_F(TabInputTest, ClicksFireOneChangingBeforeAndOneChangeAfterAndMayBeRefused) {
    TTestPageControl* c = NewPageControl({"40", "40", "40"});
    c->SetStyle(50);
    std::vector<std::string> log;
    c->OnChanging = [&](TObject*, bool&) { log.push_back("changing"); };
    c->OnPageChanging = [&](TObject*, TcxTabSheet* page, bool& allow) {
        log.push_back("page changing to " + page->GetCaption());
        allow = page != Page(c, 2);
    };
    c->OnChange = [&](TObject*) {
        log.push_back(c->GetActivePage() ? "change to " + c->GetActivePage()->GetCaption() : "change to none");
    };
    display.Click(c->GetHandle(), 50, 10);
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "page changing to 40", "change to 40"}));
    EXPECT_EQ(c->GetActivePage(), Page(c, 1));
    EXPECT_TRUE(Page(c, 1)->GetVisible());
    EXPECT_FALSE(Page(c, 0)->GetVisible());
    log.clear();
    display.Click(c->GetHandle(), 90, 10);
    Pump();
    EXPECT_EQ(c->GetActivePage(), Page(c, 1)) << "refused";
    EXPECT_EQ(c->GetTabIndex(), 1);
    EXPECT_EQ(log.back(), "page changing to 40");
    // Clearing the selection asks no page.
    log.clear();
    c->SetTabIndex(-1);
    EXPECT_EQ(log.front(), "changing");
    EXPECT_EQ(c->GetActivePage(), nullptr);
    c->SetTabIndex(7);
    EXPECT_EQ(c->GetTabIndex(), -1) << "out of range: ignored";
}

TEST_F(TabInputTest, KeysMoveOverEnabledTabsAndCtrlTabWraps) {
    TTestPageControl* c = NewPageControl({"40", "40", "40", "40"});
    c->SetStyle(50);
    Page(c, 1)->SetEnabled(false);
    EXPECT_TRUE(c->NavigationKey(VK_RIGHT, 0));
    EXPECT_EQ(c->GetTabIndex(), 2) << "the disabled tab is skipped";
    EXPECT_TRUE(c->NavigationKey(VK_LEFT, 0));
    EXPECT_EQ(c->GetTabIndex(), 0);
    EXPECT_TRUE(c->NavigationKey(VK_LEFT, 0)) << "at the start: handled, no change";
    EXPECT_EQ(c->GetTabIndex(), 0);
    EXPECT_FALSE(c->NavigationKey(VK_TAB, 0)) << "Tab without Ctrl is not ours";
    EXPECT_TRUE(c->NavigationKey(VK_TAB, ssCtrl | ssShift));
    EXPECT_EQ(c->GetTabIndex(), 3) << "Ctrl+Shift+Tab wraps to the end";
    EXPECT_TRUE(c->NavigationKey(VK_TAB, ssCtrl));
    EXPECT_EQ(c->GetTabIndex(), 0) << "Ctrl+Tab wraps to the start";
    EXPECT_TRUE(c->NavigationKey(VK_END, 0));
    EXPECT_EQ(c->GetTabIndex(), 3);
    EXPECT_TRUE(c->NavigationKey(VK_HOME, 0));
    EXPECT_EQ(c->GetTabIndex(), 0);
    EXPECT_FALSE(c->NavigationKey(VK_RIGHT, ssAlt));
    // With every other tab disabled the selection stays.
    Page(c, 2)->SetEnabled(false);
    Page(c, 3)->SetEnabled(false);
    EXPECT_TRUE(c->NavigationKey(VK_TAB, ssCtrl));
    EXPECT_EQ(c->GetTabIndex(), 0);
    // Side tabs with upward text run from the bottom: Home takes the last enabled tab, at the top.
    Page(c, 2)->SetEnabled(true);
    c->SetTabPosition(tpLeft);
    EXPECT_TRUE(c->NavigationKey(VK_HOME, 0));
    EXPECT_EQ(c->GetTabIndex(), 2);
    EXPECT_TRUE(c->NavigationKey(VK_END, 0));
    EXPECT_EQ(c->GetTabIndex(), 0);
}

TEST_F(TabInputTest, AHeldArrowScrollsAtOnceThenAfter300ThenEvery150) {
    TTestPageControl* c = NewPageControl({"80", "80", "80", "80", "80", "80", "80", "80"}, 300, 100);
    c->SetStyle(50);
    ASSERT_TRUE(PCButtonIn(nbBottomRight, c->GetVisibleButtons()));
    // Arrows at 260..280 and 280..300.
    display.PressMouse(c->GetHandle(), 290, 10);
    Pump();
    EXPECT_EQ(c->GetFirstVisibleTab(), 1);
    EXPECT_EQ(c->GetButtonState(nbBottomRight), nbsPressed);
    Wait(299);
    EXPECT_EQ(c->GetFirstVisibleTab(), 1);
    Wait(1);
    EXPECT_EQ(c->GetFirstVisibleTab(), 2);
    Wait(150);
    EXPECT_EQ(c->GetFirstVisibleTab(), 3);
    Wait(150);
    EXPECT_EQ(c->GetFirstVisibleTab(), 4);
    display.ReleaseMouse(c->GetHandle(), 290, 10);
    Pump();
    Wait(600);
    EXPECT_EQ(c->GetFirstVisibleTab(), 4) << "released: no more scrolling";
    EXPECT_EQ(c->GetButtonState(nbTopLeft), nbsNormal);
    // Held until the end: the arrow becomes disabled and the repeat stops there.
    display.PressMouse(c->GetHandle(), 290, 10);
    Wait(2000);
    display.ReleaseMouse(c->GetHandle(), 290, 10);
    Pump();
    EXPECT_EQ(c->GetLastVisibleTab(), 7);
    EXPECT_TRUE(c->GetAllTabsFit());
    EXPECT_EQ(c->GetButtonState(nbBottomRight), nbsDisabled);
}

TEST_F(TabInputTest, TheGoMenuListsEnabledVisibleTabsAndChoosesOne) {
    TTestPageControl* c = NewPageControl({"&Zeta", "A&lpha", "Hidden", "Off", "Be&&ta"}, 200, 100);
    c->SetOptions(c->GetOptions() | PCOptionSet(pcoGoDialog));
    Page(c, 2)->SetTabVisible(false);
    Page(c, 3)->SetEnabled(false);
    std::vector<std::string> captions;
    std::vector<intptr_t> tags;
    std::vector<std::uint16_t> keys; // what the user types into the open menu
    TcxPCGoDialog* dialog = c->GetGoDialog();
    dialog->OnPopup = [&](TObject*) {
        captions.clear();
        tags.clear();
        for (int i = 0; i < dialog->GetItems()->GetCount(); ++i) {
            captions.push_back(dialog->GetItems()->GetItem(i)->Caption);
            tags.push_back(dialog->GetItems()->GetItem(i)->GetTag());
        }
        for (std::uint16_t key : keys)
            display.PressKey(key);
    };
    TRect button;
    c->GetPainter()->GetGoDialogButtonBounds(button);
    ASSERT_FALSE(IsRectEmpty(button));
    keys = {VK_DOWN, VK_DOWN, VK_RETURN};
    display.Click(c->GetHandle(), button.Left + 3, button.Top + 3);
    Pump();
    EXPECT_EQ(captions, (std::vector<std::string>{"&Zeta", "A&lpha", "Be&&ta"})) << "in visible order";
    EXPECT_EQ(tags, (std::vector<intptr_t>{0, 1, 4}));
    EXPECT_EQ(c->GetTabIndex(), 1);
    EXPECT_FALSE(c->IsGoDialogShown());
    EXPECT_EQ(c->GetButtonState(nbGoDialog), nbsNormal);
    // Sorted by the captions without their marks: Alpha, Be&ta, Zeta.
    c->SetOptions(c->GetOptions() | PCOptionSet(pcoSort));
    keys = {VK_ESCAPE};
    display.Click(c->GetHandle(), button.Left + 3, button.Top + 3);
    Pump();
    EXPECT_EQ(captions, (std::vector<std::string>{"A&lpha", "Be&&ta", "&Zeta"}));
    EXPECT_EQ(c->GetTabIndex(), 1) << "Esc chose nothing";
    // All tabs disabled: an empty menu.
    c->SetEnabled(false);
    dialog->Popup(false);
    EXPECT_TRUE(captions.empty());
}

TEST_F(TabInputTest, AChangeHandlerMayFreeTheControl) {
    TTestPageControl* c = NewPageControl({"40", "40"});
    c->SetStyle(50);
    TWeakLink<TcxPageControl> link(c);
    c->OnChange = [&](TObject*) { delete c; };
    display.Click(c->GetHandle(), 50, 10);
    Pump();
    EXPECT_FALSE(link);
}

TEST_F(TabInputTest, TheCloseButtonClosesOnlyWhenReleasedOnIt) {
    TTestPageControl* c = NewPageControl({"40", "40", "40"});
    c->SetStyle(50);
    c->SetOptions(c->GetOptions() | PCOptionSet(pcoCloseButton));
    TcxTabSheet* first = Page(c, 0);
    bool asked = false;
    c->OnCanClose = [&](TObject*, bool&) { asked = true; };
    // The close button is outermost: 280..300.
    display.PressMouse(c->GetHandle(), 290, 10);
    display.MoveMouse(c->GetHandle(), 200, 100);
    display.ReleaseMouse(c->GetHandle(), 200, 100);
    Pump();
    EXPECT_FALSE(asked);
    EXPECT_EQ(c->GetPageCount(), 3);
    display.Click(c->GetHandle(), 290, 10);
    Pump();
    EXPECT_TRUE(asked);
    EXPECT_EQ(c->GetPageCount(), 2);
    EXPECT_NE(c->GetActivePage(), first);
    EXPECT_EQ(c->GetActivePage(), Page(c, 0));
    c->SetTabIndex(-1);
    EXPECT_EQ(c->GetButtonState(nbClose), nbsDisabled) << "nothing selected: nothing to close";
}

} // namespace
} // namespace zorvy::test
