// Pages and their tabs: which page becomes active when one goes or hides its tab, moving pages, the
// PageIndex error, pages leaving for another control, and forms docked into pages of their own.
#include "tests/controls/pages/PagesFixture.h"

#include "platform/classlib/stdctrls/Panels.h"

namespace zorvy::test {
namespace {

using PageControlTest = PagesTest;

TEST_F(PageControlTest, FreeingTheActivePageActivatesTheNextUsableOneForwardThenBackward) {
    TTestPageControl* c = NewPageControl({"A", "B", "C", "D", "E"});
    EXPECT_EQ(c->GetActivePage(), Page(c, 0)) << "the first page inserted becomes active";
    TcxTabSheet* a = Page(c, 0);
    TcxTabSheet* d = Page(c, 3);
    TcxTabSheet* e = Page(c, 4);
    Page(c, 1)->SetTabVisible(false);
    Page(c, 2)->SetEnabled(false);
    delete a;
    EXPECT_EQ(c->GetActivePage(), d) << "B's tab is hidden and C is disabled";
    EXPECT_EQ(c->GetTabIndex(), 2);
    EXPECT_TRUE(d->GetVisible());
    delete e;
    EXPECT_EQ(c->GetActivePage(), d) << "freeing another page keeps the active one";
    EXPECT_EQ(c->GetTabIndex(), 2);
    delete d;
    EXPECT_EQ(c->GetActivePage(), nullptr) << "backward: B and C are not usable either";
    EXPECT_EQ(c->GetTabIndex(), -1);
    delete Page(c, 0);
    delete Page(c, 0);
    EXPECT_EQ(c->GetPageCount(), 0);
    EXPECT_EQ(c->GetTabs()->GetCount(), 0);
}

TEST_F(PageControlTest, HidingTheActiveTabMovesToTheTabInItsPlace) {
    TTestPageControl* c = NewPageControl({"A", "B", "C"});
    c->SetActivePage(Page(c, 1));
    Page(c, 1)->SetTabVisible(false);
    EXPECT_EQ(c->GetActivePage(), Page(c, 2));
    Page(c, 2)->SetTabVisible(false);
    EXPECT_EQ(c->GetActivePage(), Page(c, 0)) << "the last visible tab";
    Page(c, 0)->SetTabVisible(false);
    EXPECT_EQ(c->GetActivePage(), nullptr);
    EXPECT_FALSE(Page(c, 0)->GetVisible());
    // SelectNextPage finds no page with a visible tab.
    c->SelectNextPage(true);
    EXPECT_EQ(c->GetActivePage(), nullptr);
    TTestPageControl* single = NewPageControl({"Only"});
    Page(single, 0)->SetTabVisible(false);
    EXPECT_EQ(single->GetActivePage(), nullptr);
    Page(single, 0)->SetTabVisible(true);
    EXPECT_EQ(single->GetActivePage(), Page(single, 0));
}

TEST_F(PageControlTest, AMovedPageStaysActiveAndABadIndexIsAListError) {
    TTestPageControl* c = NewPageControl({"A", "B", "C"});
    TcxTabSheet* b = Page(c, 1);
    c->SetActivePage(b);
    b->SetPageIndex(2);
    EXPECT_EQ(Page(c, 2), b);
    EXPECT_EQ(c->GetActivePage(), b);
    EXPECT_EQ(c->GetTabIndex(), 2);
    EXPECT_EQ(c->GetTabs()->Get(2), "B");
    EXPECT_EQ(b->GetTab(), c->GetTabs()->GetTab(2));
    try {
        b->SetPageIndex(3);
        FAIL();
    } catch (const EListError& error) {
        EXPECT_STREQ(error.what(), "3 is an invalid PageIndex value.  PageIndex must be between 0 and 2");
    }
    EXPECT_THROW(b->SetPageIndex(-1), EListError);
    EXPECT_EQ(b->GetPageIndex(), 2);
    // A form writes the pages in page order and puts a page read back in its place.
    std::vector<std::string> children;
    c->GetChildren([&](TComponent* child) { children.push_back(static_cast<TControl*>(child)->GetCaption()); },
                   form);
    EXPECT_EQ(children, (std::vector<std::string>{"A", "C", "B"}));
    c->SetChildOrder(b, 0);
    EXPECT_EQ(Page(c, 0), b);
    EXPECT_EQ(c->GetActivePage(), b);
}

TEST_F(PageControlTest, PagesFollowTheirControlAndRefuseOtherParents) {
    TTestPageControl* left = NewPageControl({"A", "B"});
    TTestPageControl* right = NewPageControl({});
    TcxTabSheet* a = Page(left, 0);
    a->SetParent(right);
    EXPECT_EQ(a->GetPageControl(), right);
    EXPECT_EQ(right->GetActivePage(), a);
    EXPECT_EQ(left->GetActivePage(), Page(left, 0));
    EXPECT_EQ(left->GetTabs()->Get(0), "B");
    EXPECT_THROW(a->SetParent(form), EAbort);
    EXPECT_EQ(a->GetPageControl(), right);
    // The page's caption, image and state reach its tab.
    a->SetCaption("Renamed");
    a->SetHighlighted(true);
    a->SetImageIndex(3);
    EXPECT_EQ(right->GetTabs()->Get(0), "Renamed");
    EXPECT_TRUE(a->GetTab()->GetHighlighted());
    EXPECT_EQ(a->GetTab()->GetImageIndex(), 3);
    a->SetPageControl(nullptr);
    EXPECT_EQ(right->GetPageCount(), 0);
    EXPECT_EQ(right->GetActivePage(), nullptr);
    delete a;
    // A control freed before its pages leaves them alone.
    TcxTabSheet* b = Page(left, 0);
    b->SetParent(nullptr);
    delete left;
    EXPECT_EQ(b->GetPageControl(), nullptr);
    delete b;
}

TEST_F(PageControlTest, ADockedFormGetsAPageOfItsOwnThatGoesWhenItFloats) {
    TTestPageControl* c = NewPageControl({"A"});
    c->DockSite = true;
    int drops = 0;
    c->OnDockDrop = [&](TObject*, TDragDockObject*, int, int) {
        ++drops;
        EXPECT_EQ(c->GetPageCount(), 2) << "the page is settled before the event";
    };
    auto* docked = Application->CreateForm<TForm>();
    docked->SetCaption("走势 Trend");
    docked->SetBounds(500, 300, 200, 100);
    docked->Show();
    ASSERT_TRUE(docked->ManualDock(c));
    ASSERT_EQ(c->GetPageCount(), 2);
    TcxTabSheet* page = Page(c, 1);
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(c->FindDockedPage(docked), page);
    EXPECT_EQ(docked->GetParent(), page);
    EXPECT_EQ(docked->GetAlign(), alClient);
    EXPECT_EQ(c->GetTabs()->Get(1), "走势 Trend");
    EXPECT_EQ(c->GetActivePage(), page);
    EXPECT_FALSE(c->FindDockedPage(Page(c, 0)));
    bool canDock = true;
    TRect influence;
    c->GetSiteInfo(docked, influence, {0, 0}, canDock);
    EXPECT_FALSE(canDock) << "already docked here";
    // Its caption and visibility reach the tab: one line of the caption only.
    const std::string text = "新标题\r\nsecond line";
    docked->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(c->GetTabs()->Get(1), "新标题");
    docked->Hide();
    EXPECT_FALSE(page->GetTabVisible());
    docked->Show();
    EXPECT_TRUE(page->GetTabVisible());
    // Floating out frees the page, not the form.
    c->SetActivePage(page);
    TWeakLink<TForm> form(docked);
    ASSERT_TRUE(docked->ManualFloat(Bounds(100, 100, 200, 100)));
    EXPECT_TRUE(form);
    EXPECT_EQ(docked->GetParent(), nullptr);
    EXPECT_EQ(c->GetPageCount(), 1);
    EXPECT_EQ(c->GetActivePage(), Page(c, 0));
}

TEST_F(PageControlTest, AtDesignTimeAControlDroppedOnThePageControlLandsOnItsParent) {
    TTestPageControl* c = NewPageControl({"A"});
    c->SetBounds(30, 40, 200, 150);
    c->SetComponentStateFlag(csDesigning, true);
    auto* dropped = new TPanel(form);
    dropped->SetBounds(5, 6, 50, 20);
    dropped->SetParent(c);
    EXPECT_EQ(dropped->GetParent(), form);
    EXPECT_EQ(dropped->GetBoundsRect(), Bounds(35, 46, 50, 20)) << "where it was on the screen";
    auto* sheet = new TcxTabSheet(form);
    sheet->SetParent(c);
    EXPECT_EQ(sheet->GetPageControl(), c);
    c->SetComponentStateFlag(csDesigning, false);
}

} // namespace
} // namespace zorvy::test
