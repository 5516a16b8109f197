// The grid's own controller and settings: opening a level tab under a resting dragged object, the
// level tabs' settings, and the cell hints a view's controller shows.
#include "controls/grid/control/LevelTabs.h"
#include "controls/pages/Tabs.h"
#include "platform/classlib/HintWindow.h"
#include "platform/classlib/ImageList.h"
#include "tests/controls/grid/GridFixture.h"

namespace zorvy::test {
namespace {

class GridController : public GridTest {
  protected:
    GridController() : form(NewForm(500, 400)), grid(NewGrid(form)) {
        grid->SetBounds(0, 0, 400, 300);
        for (const char* caption : {"One", "Two", "Three"}) {
            TTestView* view = NewView(grid);
            TcxGridLevel* level = AddLevel(grid, nullptr, view);
            level->SetCaption(caption);
            levels.push_back(level);
        }
        grid->GetRootLevelOptions()->SetDetailTabsPosition(dtpTop);
        grid->OnLayoutChanged = [this](TcxCustomGrid*, TcxCustomGridView* v) {
            if (!v) ++gridLayouts;
        };
        form->Show();
        Pump();
    }
    // The middle of the tab of level i.
    TPoint TabPoint(int i) {
        const TRect r = grid->GetViewInfo()->GetDetailsSiteViewInfo()->GetTabsViewInfo()->GetItem(i)->Bounds;
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void DragOver(TPoint p, TDragState state = dsDragMove) {
        bool accept = false;
        grid->GetController()->DragOver(nullptr, p.X, p.Y, state, accept);
    }
    TForm* form;
    TcxGrid* grid;
    std::vector<TcxGridLevel*> levels;
    int gridLayouts = 0;
};

TEST_F(GridController, ATabUnderARestingDragOpensAfterTheWait) {
    ASSERT_EQ(grid->GetActiveLevel(), levels[0]);
    DragOver(TabPoint(1));
    Wait(500);
    DragOver(TPoint{TabPoint(1).X + 2, TabPoint(1).Y});
    Wait(299);
    EXPECT_EQ(grid->GetActiveLevel(), levels[0]) << "moving within the tab keeps the wait running";
    Wait(1);
    EXPECT_EQ(grid->GetActiveLevel(), levels[1]);
    EXPECT_EQ(grid->GetController()->GetDragOpenTimer(), nullptr) << "opening ends the drag opening";
}

TEST_F(GridController, AnotherTabRestartsTheWaitAndLeavingCancelsIt) {
    DragOver(TabPoint(1));
    Wait(500);
    DragOver(TabPoint(2));
    Wait(500);
    EXPECT_EQ(grid->GetActiveLevel(), levels[0]) << "the wait began again over the other tab";
    Wait(300);
    EXPECT_EQ(grid->GetActiveLevel(), levels[2]);

    DragOver(TabPoint(0));
    Wait(400);
    DragOver(TabPoint(0), dsDragLeave);
    Wait(1000);
    EXPECT_EQ(grid->GetActiveLevel(), levels[2]) << "leaving the grid cancelled the opening";

    DragOver(TabPoint(0));
    grid->GetController()->EndDrag(nullptr, 0, 0);
    Wait(1000);
    EXPECT_EQ(grid->GetActiveLevel(), levels[2]) << "a drag that ends opens nothing";
}

TEST_F(GridController, WithoutDragOpeningNoTabSwitches) {
    grid->SetDragOpening(false);
    DragOver(TabPoint(1));
    Wait(2000);
    EXPECT_EQ(grid->GetActiveLevel(), levels[0]);
    EXPECT_EQ(grid->GetController()->GetDragOpenInfo(), nullptr);
}

TEST_F(GridController, LevelTabSettingsRelayTheGridOut) {
    TcxGridLevelTabs* tabs = grid->GetLevelTabs();
    EXPECT_EQ(tabs->GetCaptionAlignment(), taCenter);
    EXPECT_EQ(tabs->GetStyle(), 0);
    gridLayouts = 0;
    tabs->SetImageBorder(-3);
    EXPECT_EQ(tabs->GetImageBorder(), 0);
    EXPECT_EQ(gridLayouts, 0) << "-3 is stored as 0, the value it had";
    tabs->SetStyle(0);
    EXPECT_EQ(gridLayouts, 0) << "an equal style changes nothing";
    tabs->SetStyle(2);
    EXPECT_EQ(gridLayouts, 1);
    tabs->GetSlants()->SetKind(skCutCorner);
    EXPECT_EQ(gridLayouts, 2) << "the owned slants report their changes";

    auto* images = new TImageList(form);
    tabs->SetImages(images);
    EXPECT_EQ(gridLayouts, 3);
    delete images;
    EXPECT_EQ(tabs->GetImages(), nullptr);
    EXPECT_EQ(gridLayouts, 4) << "a freed image list relays the grid out";

    TcxGrid other(form);
    other.GetLevelTabs()->Assign(tabs);
    EXPECT_EQ(other.GetLevelTabs()->GetStyle(), 2);
    EXPECT_EQ(other.GetLevelTabs()->GetSlants()->GetKind(), skCutCorner);
}

class CellHints : public GridTest {
  protected:
    CellHints() : form(NewForm(400, 300)), grid(NewGrid(form)) {
        grid->SetBounds(0, 0, 300, 200);
        view = NewView(grid);
        AddLevel(grid, nullptr, view);
        view->Info()->CellBounds = Rect(10, 10, 40, 30);
        view->Info()->Cell()->Hints = true;
        view->Info()->Cell()->Caption = "a caption too long for its cell";
        view->LayoutChanged(true);
        form->Show();
        Pump();
        site = view->Info()->GetSite();
    }
    TcxCustomGridController* Controller() const { return view->GetController(); }
    TForm* form;
    TcxGrid* grid;
    TTestView* view;
    TcxGridSite* site;
};

TEST_F(CellHints, ATruncatedTextShowsOneHintUntilTheMouseLeaves) {
    display.MoveMouse(site->GetHandle(), 15, 15);
    Pump();
    ASSERT_TRUE(Controller()->IsHintShown());
    EXPECT_EQ(Controller()->GetHintCell(), view->Info()->Cell());
    THintWindow* hint = Controller()->GetHintWindow();
    const TRect shownAt = hint->GetBoundsRect();
    hint->SetBounds(0, 0, 5, 5); // a hint shown again would be placed again
    display.MoveMouse(site->GetHandle(), 20, 16);
    Pump();
    EXPECT_EQ(hint->GetBoundsRect(), Rect(0, 0, 5, 5)) << "the same text over the same bounds is not shown again";
    hint->SetBounds(shownAt.Left, shownAt.Top, shownAt.Right - shownAt.Left, shownAt.Bottom - shownAt.Top);

    display.MoveMouse(form->GetHandle(), 380, 280); // off the site, still on the form
    Wait(100);
    EXPECT_FALSE(Controller()->IsHintShown()) << "hidden within 100 ms of leaving the site";
    EXPECT_EQ(Controller()->GetHintCell(), nullptr);
}

TEST_F(CellHints, ATextThatFitsShowsNoHint) {
    view->Info()->Cell()->Caption = "a";
    view->LayoutChanged(true);
    display.MoveMouse(site->GetHandle(), 15, 15);
    Pump();
    EXPECT_FALSE(Controller()->IsHintShown());
}

} // namespace
} // namespace zorvy::test
