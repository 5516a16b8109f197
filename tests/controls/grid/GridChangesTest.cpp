// The change queue: merging of equal changes, dropping of covered ones, the batch lock of a run,
// cancelling, and the changes a view asks for while it cannot take them.
#include "tests/controls/grid/GridFixture.h"

namespace zorvy::test {
namespace {

// Records whether the grid was locked while it ran.
class TProbeChange : public TcxCustomGridChange {
    ZORVY_CLASS(TProbeChange, TcxCustomGridChange)
  public:
    TProbeChange(std::vector<std::string>* log, std::string name, bool canRunLocked = true)
        : log_(log), name_(std::move(name)), canRunLocked_(canRunLocked) {}
    void Execute() override { log_->push_back(name_ + (GetControl()->IsUpdateLocked() ? " locked" : " unlocked")); }
    bool IsMergeable() const override { return false; }
    bool CanRunLocked() const override { return canRunLocked_; }

  private:
    std::vector<std::string>* log_;
    std::string name_;
    bool canRunLocked_;
};

class GridChanges : public GridTest {
  protected:
    GridChanges() {
        form = NewForm();
        grid = NewGrid(form);
        view = NewView(grid);
        level = AddLevel(grid, nullptr, view);
        grid->OnLayoutChanged = [this](TcxCustomGrid*, TcxCustomGridView* v) {
            Layouts.push_back(v ? v->GetName().empty() ? "view" : v->GetName() : "grid");
        };
        Layouts.clear();
        passesBefore = view->Info()->Passes;
    }
    int Passes() const { return view->Info()->Passes - passesBefore; }

    TForm* form;
    TcxGrid* grid;
    TTestView* view;
    TcxGridLevel* level;
    std::vector<std::string> Layouts;
    int passesBefore = 0;
};

TEST_F(GridChanges, EqualChangesUnderOneLockRunOnce) {
    ASSERT_TRUE(view->CanCalculateLayout());
    grid->BeginUpdate();
    for (int i = 0; i < 3; ++i) view->LayoutChanged(true);
    EXPECT_EQ(grid->GetQueuedChangeCount(), 3);
    EXPECT_EQ(Passes(), 0) << "nothing runs while locked";
    grid->EndUpdate();
    EXPECT_EQ(Passes(), 1);
    EXPECT_EQ(Layouts, std::vector<std::string>{"view"});

    // Repaints merge by rectangle; a relayout of the view covers them.
    grid->BeginUpdate();
    view->InvalidateRect(Rect(0, 0, 5, 5));
    view->InvalidateRect(Rect(0, 0, 5, 5));
    view->InvalidateRect(Rect(1, 1, 5, 5));
    view->InvalidateRect(TRect{});
    grid->EndUpdate();
    EXPECT_EQ(view->Paint()->Rects, (std::vector<TRect>{Rect(0, 0, 5, 5), Rect(1, 1, 5, 5)}));
    EXPECT_EQ(grid->GetQueuedChangeCount(), 0);
    view->Paint()->Rects.clear();
    grid->BeginUpdate();
    view->InvalidateRect(Rect(0, 0, 5, 5));
    view->LayoutChanged(true);
    view->InvalidateRect(Rect(2, 2, 5, 5));
    grid->EndUpdate();
    EXPECT_TRUE(view->Paint()->Rects.empty()) << "covered by the relayout, before and after it";
    EXPECT_EQ(Passes(), 2);
}

TEST_F(GridChanges, ADetailsLayoutChangeGivesWayToItsMastersSizeChange) {
    view->GetDataController()->SetRecordCount(2);
    TTestView* pattern = NewView(grid);
    pattern->SetName("pattern");
    TcxGridLevel* detailLevel = AddLevel(grid, level, pattern);
    ASSERT_TRUE(pattern->IsPattern());
    TcxCustomGridView* clone = detailLevel->CreateDetailView(detailLevel->GetDataRelation(), 1);
    ASSERT_NE(clone, nullptr);
    clone->SetName("clone");
    EXPECT_EQ(clone->GetMasterGridView(), view);
    EXPECT_EQ(clone->GetPatternGridView(), pattern);
    EXPECT_TRUE(clone->IsTransient());
    EXPECT_EQ(clone->GetOwner(), form);
    Layouts.clear();

    grid->BeginUpdate();
    clone->LayoutChanged(true);
    view->SizeChanged(false, false);
    grid->EndUpdate();
    EXPECT_EQ(Layouts, std::vector<std::string>{"grid"}) << "the master's resize relays out the grid, once";

    Layouts.clear();
    grid->BeginUpdate();
    clone->LayoutChanged(true);
    grid->EndUpdate();
    EXPECT_EQ(Layouts, std::vector<std::string>{"clone"}) << "alone, it runs";
    // Outside a master view's own detail handling the clone is let go of by hand.
    clone->GetDataController()->SetMasterRelation(nullptr, -1);
    delete clone;
}

TEST_F(GridChanges, OneChangeRunsUnlockedSeveralUnderOneBatchLock) {
    std::vector<std::string> log;
    grid->BeginUpdate();
    grid->AddChange(new TProbeChange(&log, "a"));
    grid->EndUpdate();
    EXPECT_EQ(log, std::vector<std::string>{"a unlocked"});

    log.clear();
    grid->BeginUpdate();
    grid->AddChange(new TProbeChange(&log, "a"));
    grid->AddChange(new TProbeChange(&log, "focus", false));
    grid->AddChange(new TProbeChange(&log, "b"));
    grid->EndUpdate();
    EXPECT_EQ(log, (std::vector<std::string>{"a locked", "focus unlocked", "b locked"}));
    EXPECT_FALSE(grid->IsUpdateLocked());

    log.clear();
    grid->AddChange(new TProbeChange(&log, "now"));
    EXPECT_EQ(log, std::vector<std::string>{"now unlocked"}) << "unlocked, a change runs at once";
}

TEST_F(GridChanges, CancelDiscardsTheQueueAndAnUnmatchedEndDoesNothing) {
    std::vector<std::string> log;
    grid->BeginUpdate();
    grid->AddChange(new TProbeChange(&log, "a"));
    view->LayoutChanged(true);
    grid->CancelUpdate();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(Passes(), 0);
    EXPECT_EQ(grid->GetQueuedChangeCount(), 0);

    grid->EndUpdate();
    grid->CancelUpdate();
    EXPECT_EQ(grid->GetUpdateLockCount(), 0);
    grid->BeginUpdate();
    grid->BeginUpdate();
    grid->AddChange(new TProbeChange(&log, "b"));
    grid->CancelUpdate();
    EXPECT_EQ(grid->GetQueuedChangeCount(), 1) << "only the outermost cancel discards";
    grid->EndUpdate();
    EXPECT_EQ(log, std::vector<std::string>{"b unlocked"});
}

// While the records are being reloaded a view cannot lay out; the strongest change it was asked
// for then waits and runs once the data reports its changes (the view used to drop it).
TEST_F(GridChanges, AChangeAskedForWhileTheDataIsLockedRunsOnceTheDataChanges) {
    TcxCustomDataProvider& provider = view->GetDataController()->GetProvider();
    provider.LockNotifications();
    view->Changed(vckLayout);
    view->Changed(vckProperty);
    view->Changed(vckLayout);
    provider.UnlockNotifications();
    EXPECT_EQ(Passes(), 0);
    view->GetDataController()->SetRecordCount(3);
    EXPECT_EQ(Passes(), 1);
    view->GetDataController()->SetRecordCount(4);
    EXPECT_EQ(Passes(), 1) << "carried out once";
}

TEST_F(GridChanges, AChangeAskedForDuringALayoutPassRunsAfterThePass) {
    bool asked = false;
    view->Info()->DuringPass = [&] {
        if (asked) return;
        asked = true;
        view->LayoutChanged(true);
        view->Invalidate();
    };
    const int repaintsBefore = view->Paint()->Repaints;
    view->LayoutChanged(true);
    EXPECT_EQ(Passes(), 2) << "the relayout asked for during the pass ran after it";
    EXPECT_EQ(view->Paint()->Repaints - repaintsBefore, 2) << "one repaint per pass; the asked one is covered";
}

} // namespace
} // namespace zorvy::test
