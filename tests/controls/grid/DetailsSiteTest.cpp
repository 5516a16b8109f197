// The details site: its size from the active view within the limits, the client area inside the
// frame and the tab strip, the strip's thickness, the tabs' borders and placement, and the tabs'
// mouse presses and accelerators on the grid's own top site.
#include "controls/foundation/graphics/Canvas.h"
#include "tests/controls/grid/GridFixture.h"

namespace zorvy::test {
namespace {

// A site like a master row's: limits, active view and level given by the test.
class TTestDetailsSite : public TcxCustomGridDetailsSiteViewInfo {
    ZORVY_CLASS(TTestDetailsSite, TcxCustomGridDetailsSiteViewInfo)
  public:
    using TcxCustomGridDetailsSiteViewInfo::TcxCustomGridDetailsSiteViewInfo;
    int MaxHeight = 1000;
    int MaxWidth = 1000;
    TcxCustomGridView* ActiveView = nullptr;
    TcxGridLevel* ActiveLevel = nullptr;

    TcxCanvas* GetCanvas() override { return GetLevel()->GetControl()->GetActiveCanvas(); }
    TWinControl* GetContainer() override { return GetLevel()->GetControl(); }
    TcxCustomGridDesignController* GetDesignController() override { return nullptr; }
    TcxCustomGridRecord* GetMasterRecord() override { return nullptr; }
    int GetMaxHeight() override { return MaxHeight; }
    int GetMaxWidth() override { return MaxWidth; }
    int GetMinWidth() override { return 0; }
    TcxCustomGridView* FindActiveGridView() override { return ActiveView; }
    TcxGridLevel* GetActiveLevel() override { return ActiveLevel; }
    void InitTabHitTest(TcxCustomGridHitTest*) override {}
    void SetActiveLevel(TcxGridLevel* level, bool) override { ActiveLevel = level; }
    bool HasDataForLevel(TcxGridLevel*) override { return true; }
};

class DetailsSite : public GridTest {
  protected:
    DetailsSite() : form(NewForm(500, 400)), grid(NewGrid(form)) {
        grid->SetBounds(0, 0, 402, 302);
        master = AddLevel(grid, nullptr, nullptr);
        form->Show();
        Pump();
    }
    std::unique_ptr<TTestDetailsSite> NewSite(TcxGridLevel* active = nullptr) {
        auto site = std::make_unique<TTestDetailsSite>(master);
        site->ActiveLevel = active;
        site->AfterConstruction();
        return site;
    }
    TcxGridLevel* AddDetail(const std::string& caption) {
        TcxGridLevel* level = AddLevel(grid, master, nullptr);
        level->SetCaption(caption);
        return level;
    }
    // The width a tab's text takes, measured apart from the tab.
    int TextWidth(const std::string& text) {
        TcxCanvas* canvas = grid->GetActiveCanvas();
        canvas->AssignFont(grid->GetFont());
        return canvas->MeasureTextWidth(text);
    }
    TForm* form;
    TcxGrid* grid;
    TcxGridLevel* master;
};

TEST_F(DetailsSite, WithoutAnActiveViewTheClientIs200By100) {
    master->GetOptions()->SetDetailFrameWidth(2);
    auto site = NewSite();
    EXPECT_EQ(site->GetHeight(), 104);
    EXPECT_EQ(site->GetWidth(), 204);
    site->Calculate(10, 20);
    EXPECT_EQ(site->GetBounds(), Rect(10, 20, 214, 124));
    EXPECT_EQ(site->GetClientBounds(), Rect(12, 22, 212, 122)) << "without tabs: the bounds less the frame";
    EXPECT_TRUE(site->GetFullyVisible());
}

TEST_F(DetailsSite, ADetailTallerThanAllowedTakesTheMaximum) {
    TTestView* view = NewView(grid);
    master->SetGridView(view);
    auto site = NewSite();
    site->ActiveView = view;
    site->MaxHeight = 150;
    view->Info()->NaturalHeight = 500;
    EXPECT_EQ(site->GetHeight(), 150);
    EXPECT_FALSE(site->GetFullyVisible());
    EXPECT_EQ(site->GetNormalHeight(), 502) << "the height it needed, frame included";

    view->Info()->NaturalHeight = 60;
    EXPECT_EQ(site->GetHeight(), 62);
    EXPECT_TRUE(site->GetFullyVisible());
    EXPECT_EQ(site->GetWidth(), 70 + 2) << "the view's width and the frame (this site has no minimum)";
}

TEST_F(DetailsSite, TheStripIsThickenedByTheInactiveOffsetOnlyForSeveralTabs) {
    TcxGridLevel* alpha = AddDetail("Alpha");
    const int w = 1; // the standard painter's tab edge
    const int alphaWidth = TextWidth("Alpha") + 4 + 10 + 2 * w;
    master->GetOptions()->SetDetailTabsPosition(dtpLeft);
    {
        auto site = NewSite(alpha);
        EXPECT_EQ(site->GetTabsViewInfo()->GetWidth(), alphaWidth + 4 + 1);
    }
    AddDetail("Be");
    {
        auto site = NewSite(alpha);
        EXPECT_EQ(site->GetTabsViewInfo()->GetWidth(), alphaWidth + 3 + 4 + 1);
        site->Calculate(0, 0);
        TRect client = site->GetClientBounds();
        EXPECT_EQ(client.Left, site->GetTabsViewInfo()->GetWidth() + 1) << "the strip, then the frame";
    }
    master->GetOptions()->SetDetailTabsPosition(dtpTop);
    {
        auto site = NewSite(alpha);
        const int tabHeight = site->GetTabsViewInfo()->GetItem(0)->CalculateHeight();
        EXPECT_EQ(site->GetTabsViewInfo()->GetHeight(), tabHeight + 2 + 4 + 1);
        EXPECT_EQ(site->GetTabsViewInfo()->GetWidth(),
                  4 + site->GetTabsViewInfo()->GetItem(0)->CalculateWidth() +
                      site->GetTabsViewInfo()->GetItem(1)->CalculateWidth());
    }
}

TEST_F(DetailsSite, TabsOpenTowardsTheContentAndTouchEachOther) {
    AddDetail("One");
    TcxGridLevel* two = AddDetail("Two");
    AddDetail("Three");
    const TcxBorders l = cxBorder(bLeft), t = cxBorder(bTop), r = cxBorder(bRight), b = cxBorder(bBottom);
    struct Case {
        TcxGridDetailTabsPosition position;
        TcxBorders borders[3];
    };
    for (const Case& c : {Case{dtpLeft, {TcxBorders(l | r | t), TcxBorders(l | t | b), TcxBorders(l | r | b)}},
                          Case{dtpTop, {TcxBorders(t | b | l), TcxBorders(l | t | r), TcxBorders(t | b | r)}}}) {
        master->GetOptions()->SetDetailTabsPosition(c.position);
        auto site = NewSite(two);
        site->Calculate(0, 0);
        TcxCustomGridDetailsSiteTabsViewInfo* tabs = site->GetTabsViewInfo();
        for (int i = 0; i < 3; ++i) EXPECT_EQ(tabs->GetItem(i)->Borders, c.borders[i]) << c.position << " tab " << i;
        const TRect first = tabs->GetItem(0)->Bounds, active = tabs->GetItem(1)->Bounds, last = tabs->GetItem(2)->Bounds;
        if (c.position == dtpLeft) {
            EXPECT_EQ(first.Left, 2 + 3) << "an inactive tab stands back";
            EXPECT_EQ(active.Left, 2);
            EXPECT_EQ(active.Right - active.Left, tabs->GetBounds().Right - 4 - 1) << "the cross size";
            EXPECT_EQ(active.Top, first.Bottom);
            EXPECT_EQ(last.Top, active.Bottom);
            EXPECT_EQ(active.Bottom - active.Top, tabs->GetItem(1)->GetTextHeightWithMargins() + 2 + 2)
                << "the active tab reaches 2W further, with its top and bottom borders";
        } else {
            EXPECT_EQ(first.Top, 2 + 2);
            EXPECT_EQ(active.Top, 2);
            EXPECT_EQ(active.Left, first.Right);
            EXPECT_EQ(last.Left, active.Right);
        }
    }
}

TEST_F(DetailsSite, TheGridsTopSiteSwitchesLevelsByAnyButtonAndByAccelerator) {
    TcxGridRootLevel* root = grid->GetRootLevel();
    root->Remove(master);
    delete master;
    TTestView* first = NewView(grid);
    TTestView* second = NewView(grid);
    TcxGridLevel* alpha = AddLevel(grid, nullptr, first);
    alpha->SetCaption("&Alpha");
    TcxGridLevel* beta = AddLevel(grid, nullptr, second);
    beta->SetCaption("&Beta");
    grid->GetRootLevelOptions()->SetDetailTabsPosition(dtpTop);
    Pump();
    ASSERT_EQ(grid->GetActiveLevel(), alpha);
    TcxCustomGridDetailsSiteViewInfo* site = grid->GetViewInfo()->GetDetailsSiteViewInfo();
    ASSERT_EQ(site->GetTabsViewInfo()->GetCount(), 2);
    EXPECT_EQ(site->GetTabsViewInfo()->GetItem(0)->GetText(), "&Alpha") << "the top site shows accelerators";
    const TRect betaTab = site->GetTabsViewInfo()->GetItem(1)->Bounds;
    const TPoint p{(betaTab.Left + betaTab.Right) / 2, (betaTab.Top + betaTab.Bottom) / 2};
    TcxCustomGridHitTest* hitTest = grid->GetViewInfo()->GetHitTest(p.X, p.Y);
    EXPECT_EQ(hitTest->GetHitTestCode(), 50);
    EXPECT_EQ(static_cast<TcxGridDetailsSiteTabHitTest*>(hitTest)->GetLevel(), beta);
    EXPECT_EQ(static_cast<TcxGridDetailsSiteTabHitTest*>(hitTest)->GetOwner(), grid);

    display.Click(grid->GetHandle(), p.X, p.Y, TInputButton::Right);
    Pump();
    EXPECT_EQ(grid->GetActiveLevel(), beta);
    const TRect secondSite = second->Info()->GetSite()->GetBoundsRect();
    EXPECT_EQ(secondSite.Top, grid->GetContentBounds().Top +
                                  grid->GetViewInfo()->GetDetailsSiteViewInfo()->GetTabsViewInfo()->GetHeight())
        << "the view's site lies below the strip (the root level has no frame)";

    EXPECT_EQ(grid->Perform(CM_DIALOGCHAR, 'a'), 1);
    EXPECT_EQ(grid->GetActiveLevel(), alpha);
    EXPECT_EQ(grid->Perform(CM_DIALOGCHAR, 'x'), 0);
}

TEST_F(DetailsSite, TheTopSiteHidesTabsOfLevelsWithoutDataWhenAsked) {
    TcxGridRootLevel* root = grid->GetRootLevel();
    root->Remove(master);
    delete master;
    TTestView* full = NewView(grid);
    full->GetDataController()->SetRecordCount(2);
    TTestView* empty = NewView(grid);
    AddLevel(grid, nullptr, full);
    AddLevel(grid, nullptr, empty);
    grid->GetRootLevelOptions()->SetDetailTabsPosition(dtpLeft);
    Pump();
    EXPECT_EQ(grid->GetViewInfo()->GetDetailsSiteViewInfo()->GetTabsViewInfo()->GetCount(), 2);
    grid->GetRootLevelOptions()->SetTabsForEmptyDetails(false);
    Pump();
    TcxCustomGridDetailsSiteTabsViewInfo* tabs = grid->GetViewInfo()->GetDetailsSiteViewInfo()->GetTabsViewInfo();
    ASSERT_EQ(tabs->GetCount(), 1);
    EXPECT_EQ(tabs->GetItem(0)->GetLevel()->GetGridView(), full);
    empty->GetDataController()->SetRecordCount(1);
    Pump();
    EXPECT_EQ(grid->GetViewInfo()->GetDetailsSiteViewInfo()->GetTabsViewInfo()->GetCount(), 2)
        << "the data change brought the tab back";
}

} // namespace
} // namespace zorvy::test
