// The tab layout, worked by hand with tabs as wide as their captions say: one row with arrows and the
// go-dialog button when it overflows, balanced rows, the selected row next to the page, side tabs.
#include "tests/controls/pages/PagesFixture.h"

namespace zorvy::test {
namespace {

using TabLayoutTest = PagesTest;

TPoint PositionOf(TcxCustomTabControl* c, int visibleIndex) {
    return c->GetTabs()->GetVisibleTab(visibleIndex)->NormalPosition;
}

TEST_F(TabLayoutTest, AnOverflowingRowShowsArrowsAndTheGoButtonAndScrolls) {
    TTestPageControl* c = NewPageControl({"80", "80", "80"}, 300, 150);
    c->SetStyle(50);
    c->SetOptions(c->GetOptions() | PCOptionSet(pcoGoDialog));
    EXPECT_EQ(c->GetVisibleButtons(), PCButtonSet(nbGoDialog)) << "all fit: the go button only when always shown";
    c->SetOptions(c->GetOptions() & ~PCOptionSet(pcoAlwaysShowGoDialogButton));
    EXPECT_EQ(c->GetVisibleButtons(), 0);
    EXPECT_TRUE(c->GetAllTabsFit());
    c->GetTabs()->Add("80");
    c->GetTabs()->Add("80");
    // 400 pixels of tabs in 300: arrows (20 + 20) and the go button (12) take 52 from the right end.
    EXPECT_EQ(c->GetVisibleButtons(), PCButtonSet(nbTopLeft) | PCButtonSet(nbBottomRight) | PCButtonSet(nbGoDialog));
    EXPECT_EQ(c->GetTabsRegion().RowLength, 248);
    EXPECT_FALSE(c->GetAllTabsFit());
    EXPECT_EQ(c->GetFirstVisibleTab(), 0);
    EXPECT_EQ(c->GetLastVisibleTab(), 3) << "a tab that fits only in part is placed";
    auto* painter = static_cast<TcxPCStandardPainter*>(c->GetPainter());
    const auto& buttons = painter->ButtonPositions;
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0].Button, nbGoDialog);
    EXPECT_EQ(buttons[0].Bounds, Rect(248, 0, 260, 20)) << "the go button next to the tabs";
    EXPECT_EQ(buttons[2].Bounds, Rect(280, 0, 300, 20));
    EXPECT_EQ(c->GetButtonState(nbTopLeft), nbsDisabled);
    EXPECT_EQ(c->GetButtonState(nbBottomRight), nbsNormal);
    c->ScrollTabs(5);
    EXPECT_EQ(c->GetFirstVisibleTab(), 2) << "until the last tab is wholly shown";
    EXPECT_EQ(PositionOf(c, 2).X, 0);
    EXPECT_EQ(c->GetButtonState(nbBottomRight), nbsDisabled);
    // Growing the control lets everything fit again: the row scrolls back to the start.
    c->SetWidth(600);
    EXPECT_EQ(c->GetFirstVisibleTab(), 0);
    EXPECT_EQ(c->GetVisibleButtons(), 0);
}

TEST_F(TabLayoutTest, RowsAreBalancedStretchedAndTheSelectedRowMeetsThePage) {
    // Greedy rows 50 50 | 10 10 leave the second row 80 short; moving one 50 across makes 50 | 50 10 10.
    TTestPageControl* c = NewPageControl({"50", "50", "10", "10"}, 100, 150);
    c->SetStyle(50);
    c->SetMultiLine(true);
    ASSERT_EQ(c->GetRowCount(), 2);
    TcxTabs* tabs = c->GetTabs();
    EXPECT_EQ(tabs->GetTab(0)->Row, 0);
    EXPECT_EQ(tabs->GetTab(1)->Row, 1);
    // Stretched to the row: 50 becomes 100; 50 10 10 share 30 as 21, 4 and the rest 5.
    EXPECT_EQ(tabs->GetTab(0)->NormalWidth, 100);
    EXPECT_EQ(tabs->GetTab(1)->NormalWidth, 71);
    EXPECT_EQ(tabs->GetTab(2)->NormalWidth, 14);
    EXPECT_EQ(tabs->GetTab(3)->NormalWidth, 15);
    EXPECT_EQ(PositionOf(c, 2).X, 71);
    EXPECT_EQ(PositionOf(c, 3).X, 85);
    // The selected tab's row lies next to the page.
    EXPECT_EQ(PositionOf(c, 0).Y, 20);
    EXPECT_EQ(PositionOf(c, 1).Y, 0);
    EXPECT_EQ(c->GetTopLeftTabsBounds(), Rect(0, 0, 100, 40));
    c->SetActivePage(Page(c, 2));
    EXPECT_EQ(PositionOf(c, 0).Y, 0);
    EXPECT_EQ(PositionOf(c, 2).Y, 20);
    TRect display;
    c->GetDisplayRect(display);
    EXPECT_EQ(display, Rect(0, 40, 100, 150));
    // ScrollOpposite: rows after the selected one go below the page.
    c->SetActivePage(Page(c, 0));
    c->SetScrollOpposite(true);
    EXPECT_EQ(c->GetTopLeftRowCount(), 1);
    EXPECT_EQ(PositionOf(c, 1).Y, 130) << "the second row at the bottom edge";
    c->GetDisplayRect(display);
    EXPECT_EQ(display, Rect(0, 20, 100, 130));
}

TEST_F(TabLayoutTest, ALongTabTakesARowOfItsOwnCutToTheRow) {
    TTestPageControl* c = NewPageControl({"30", "150", "30"}, 100, 150);
    c->SetStyle(50);
    c->SetMultiLine(true);
    EXPECT_EQ(c->GetRowCount(), 3);
    EXPECT_EQ(c->GetTabs()->GetTab(1)->NormalWidth, 100);
    EXPECT_EQ(c->GetTabs()->GetTab(2)->Row, 2);
}

TEST_F(TabLayoutTest, SideTabsWithUpwardTextRunFromTheBottom) {
    TTestPageControl* c = NewPageControl({"40", "60"}, 200, 150);
    c->SetStyle(50);
    c->SetTabPosition(tpLeft);
    EXPECT_TRUE(IsReversedRowDirection(c));
    EXPECT_EQ(GetTextRotation(c), 1);
    // The first tab ends at the bottom edge; tabs are 20 wide across the row.
    EXPECT_EQ(PositionOf(c, 0), (TPoint{0, 110}));
    EXPECT_EQ(PositionOf(c, 1), (TPoint{0, 50}));
    TRect r;
    c->GetTabs()->GetTab(0)->GetNormalRect(r);
    EXPECT_EQ(r, Rect(0, 110, 20, 150));
    EXPECT_EQ(c->GetTabAt(5, 120), 0);
    c->SetTabPosition(tpRight);
    EXPECT_EQ(PositionOf(c, 0), (TPoint{180, 110}));
    c->SetTabPosition(tpBottom);
    EXPECT_EQ(PositionOf(c, 1), (TPoint{40, 130}));
    TRect display;
    c->GetDisplayRect(display);
    EXPECT_EQ(display, Rect(0, 0, 200, 130));
}

TEST_F(TabLayoutTest, RotationRulesOfTheGeometryRoutines) {
    const TRect r = Rect(10, 20, 50, 30);
    struct {
        TcxTabPosition position;
        TPoint expected;
    } const cases[] = {{tpTop, {12, 20}}, {tpBottom, {12, 29}}, {tpLeft, {40, 27}}, {tpRight, {19, 27}}};
    for (const auto& k : cases) {
        TPoint p{12, 20};
        TcxPCCustomPainter::RotatePoint(r, p, k.position);
        EXPECT_EQ(p, k.expected) << k.position;
    }
    TRect out;
    RotateInsets(Rect(1, 2, 3, 4), tpRight, out);
    EXPECT_EQ(out, Rect(4, 1, 2, 3));
    EXPECT_EQ(TabPaintingPosition(tpLeft, 0), 6);
    EXPECT_EQ(TabPaintingPosition(tpBottom, 2), 12);
}

} // namespace
} // namespace zorvy::test
