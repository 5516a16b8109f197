// The grid control and its levels: names that follow the grid's, the active level, the focused
// view, the relations of detail levels, and the values levels correct.
#include "controls/data/DataRelations.h"
#include "tests/controls/grid/GridFixture.h"

namespace zorvy::test {
namespace {

class GridLevels : public GridTest {
  protected:
    GridLevels() : form(NewForm()), grid(NewGrid(form)) {}
    TForm* form;
    TcxGrid* grid;
};

TEST_F(GridLevels, RenamingTheGridRenamesWhatCarriesItsName) {
    grid->SetName("cxGrid1");
    TTestView* view = NewView(grid);
    view->SetName("cxGrid1DBTableView1");
    // A view may carry the grid's very name only in another owner, and keeps it.
    auto* same = static_cast<TTestView*>(
        TcxControlChildComponent::CreateForControl(TTestView::StaticClass(), grid, false));
    same->SetName("cxGrid1");
    TcxGridLevel* level = AddLevel(grid, nullptr, view);
    level->SetName("cxGrid1Level1");
    TcxGridLevel* detail = AddLevel(grid, level, nullptr);
    detail->SetName("cxGrid1Level2");
    grid->SetName("Grid2");
    EXPECT_EQ(view->GetName(), "Grid2DBTableView1");
    EXPECT_EQ(same->GetName(), "cxGrid1");
    EXPECT_EQ(level->GetName(), "Grid2Level1");
    EXPECT_EQ(detail->GetName(), "Grid2Level2") << "levels of the whole tree";
}

TEST_F(GridLevels, OnlyAVisibleTopLevelBecomesActive) {
    TcxGridLevel* first = AddLevel(grid, nullptr, NewView(grid));
    TcxGridLevel* second = AddLevel(grid, nullptr, NewView(grid));
    TcxGridLevel* third = AddLevel(grid, nullptr, NewView(grid));
    EXPECT_EQ(grid->GetActiveLevel(), first) << "the first top level becomes active";
    EXPECT_EQ(grid->GetFocusedView(), first->GetGridView());

    third->SetVisible(false);
    grid->SetActiveLevel(third);
    EXPECT_EQ(grid->GetActiveLevel(), first) << "an invisible level is refused";

    // Clearing the active level makes the first visible top level active, also when the first
    // child of all is hidden.
    first->SetVisible(false);
    EXPECT_EQ(grid->GetActiveLevel(), second);
    third->SetVisible(true);
    grid->SetActiveLevel(third);
    grid->SetActiveLevel(nullptr);
    EXPECT_EQ(grid->GetActiveLevel(), second);
    third->SetActive(false);
    EXPECT_EQ(grid->GetActiveLevel(), second) << "only the active level stops being active";
    second->SetActive(false);
    EXPECT_EQ(grid->GetActiveLevel(), second) << "the first visible level again";
    EXPECT_EQ(grid->GetFocusedView(), second->GetGridView());

    second->SetVisible(false);
    EXPECT_EQ(grid->GetActiveLevel(), third);
    third->SetVisible(false);
    EXPECT_EQ(grid->GetActiveLevel(), nullptr) << "no visible top level: none active";
    EXPECT_EQ(grid->GetFocusedView(), nullptr);

    TcxGridLevel* detail = AddLevel(grid, second, nullptr);
    detail->SetActive(true);
    EXPECT_FALSE(detail->IsActive()) << "a detail level is never active";
}

TEST_F(GridLevels, TheFocusedViewFollowsTheLevels) {
    std::vector<std::string> log;
    grid->OnFocusedViewChanged = [&](TcxCustomGrid*, TcxCustomGridView* prev, TcxCustomGridView* now) {
        log.push_back((prev ? prev->GetName() : "-") + ">" + (now ? now->GetName() : "-"));
    };
    TTestView* a = NewView(grid);
    a->SetName("a");
    TTestView* b = NewView(grid);
    b->SetName("b");
    AddLevel(grid, nullptr, a);
    TcxGridLevel* levelB = AddLevel(grid, nullptr, b);
    b->SetFocused(true);
    EXPECT_EQ(grid->GetActiveLevel(), levelB) << "focusing a view activates its level";
    EXPECT_EQ(log, (std::vector<std::string>{"->a", "a>b"}));
    EXPECT_EQ(a->Control()->Log, (std::vector<std::string>{"focus", "unfocus"}));
    grid->SetFocusedView(nullptr);
    EXPECT_EQ(grid->GetFocusedView(), a) << "with a view on the active level, the first top-level view";

    TcxGridLevel* other = AddLevel(grid, nullptr, nullptr);
    other->SetGridView(b);
    EXPECT_EQ(levelB->GetGridView(), nullptr) << "a view belongs to one level";
    EXPECT_EQ(b->GetLevel(), other);
}

TEST_F(GridLevels, ChildLevelsGetRelationsOnceTheirParentHasAView) {
    TcxGridLevel* master = AddLevel(grid, nullptr, nullptr);
    TcxGridLevel* d1 = AddLevel(grid, master, nullptr);
    TcxGridLevel* d2 = AddLevel(grid, master, nullptr);
    EXPECT_EQ(d1->GetDataRelation(), nullptr);
    TTestView* view = NewView(grid);
    master->SetGridView(view);
    TcxCustomDataRelationList& relations = view->GetDataController()->GetRelations();
    ASSERT_EQ(relations.GetCount(), 2);
    EXPECT_EQ(relations.GetItem(0)->GetItem(), d1);
    EXPECT_EQ(relations.GetItem(1)->GetItem(), d2);
    master->SetChildIndex(d2, -4);
    EXPECT_EQ(master->GetItem(0), d2) << "clamped to the first place";
    EXPECT_EQ(relations.GetItem(0)->GetItem(), d2) << "the relation moves along";
    EXPECT_TRUE(view->IsMaster());

    TTestView* pattern = NewView(grid);
    d1->SetGridView(pattern);
    EXPECT_TRUE(pattern->IsPattern());
    EXPECT_FALSE(pattern->GetVisible()) << "a pattern is never shown itself";
    d1->SetVisible(false);
    EXPECT_EQ(pattern->GetDataController()->GetMasterRelation(), nullptr) << "a hidden detail is detached";
    EXPECT_EQ(d1->CreateDetailView(d1->GetDataRelation(), 0), nullptr);
    master->SetGridView(nullptr);
    EXPECT_EQ(d2->GetDataRelation(), nullptr);
    delete view;
}

TEST_F(GridLevels, LevelsCorrectTheirValues) {
    TcxGridLevel* level = AddLevel(grid, nullptr, nullptr);
    level->SetMaxDetailHeight(-3);
    EXPECT_EQ(level->GetMaxDetailHeight(), 0);
    level->GetOptions()->SetDetailFrameWidth(-3);
    EXPECT_EQ(level->GetOptions()->GetDetailFrameWidth(), 0);
    level->SetImageIndex(-5);
    EXPECT_EQ(level->GetImageIndex(), -1);
    EXPECT_EQ(grid->GetRootLevelOptions()->GetDetailFrameWidth(), 0);
    EXPECT_EQ(AddLevel(grid, nullptr, nullptr)->GetOptions()->GetDetailFrameWidth(), 1);

    int height = -7;
    level->CheckHeight(height);
    EXPECT_EQ(height, 0);
    height = 500;
    level->CheckHeight(height);
    EXPECT_EQ(height, 500) << "0 sets no upper bound";
    level->SetMaxDetailHeight(120);
    level->CheckHeight(height);
    EXPECT_EQ(height, 120);

    level->SetCaption("&Trend && 走势");
    EXPECT_EQ(level->GetDisplayCaption(), "Trend & 走势");
    EXPECT_EQ(level->GetOptions()->GetEffectiveDetailFrameColor(), clBtnText);
    grid->SetDragOpeningWaitTime(-5);
    EXPECT_EQ(grid->GetDragOpeningWaitTime(), 0);
}

TEST_F(GridLevels, LevelStylesGiveTabDefaultsAndAskTheTabEvents) {
    TcxGridLevel* level = AddLevel(grid, nullptr, nullptr);
    TcxGridLevel* child = AddLevel(grid, level, nullptr);
    TcxPartParams params;
    level->GetStyles()->GetTabParams(nullptr, child, params);
    EXPECT_EQ(params.Color, clBtnFace);
    EXPECT_EQ(params.TextColor, clBtnText);
    EXPECT_EQ(params.Font, grid->GetFont());
    TcxStyle style(nullptr);
    style.SetColor(clAqua);
    std::vector<std::string> asked;
    level->GetStyles()->OnGetTabStyle = [&](TcxGridLevel*, TcxGridLevel* tab, TcxStyle*&) {
        asked.push_back(tab == child ? "tab" : "?");
    };
    child->GetStyles()->OnGetOwnTabStyle = [&](TcxGridLevel*, TcxCustomGridRecord*, TcxStyle*& s) {
        asked.push_back("own");
        s = &style;
    };
    level->GetStyles()->GetTabParams(nullptr, child, params);
    EXPECT_EQ(asked, (std::vector<std::string>{"tab", "own"}));
    EXPECT_EQ(params.Color, clAqua);
}

TEST_F(GridLevels, NavigatorRequestsGoToTheFocusedView) {
    EXPECT_FALSE(grid->IsActive());
    EXPECT_FALSE(grid->CanEdit());
    grid->DoAction(NBDI_NEXT);
    AddLevel(grid, nullptr, NewView(grid));
    EXPECT_FALSE(grid->IsActive()) << "a view without the navigator interface answers nothing";
}

} // namespace
} // namespace zorvy::test
