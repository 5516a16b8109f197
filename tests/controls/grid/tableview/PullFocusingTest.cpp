// Drag-selecting with the mouse: records passed over take the focus and, with multi-select, the
// selection from the pressed one; below the records the focus keeps moving every 50 ms until the
// release.
#include "controls/data/DataController.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/Records.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "controls/grid/view/GridSite.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

class PullFocusing : public TableViewTest {
  protected:
    PullFocusing() {
        form->SetBounds(0, 0, 500, 300);
        grid->SetBounds(0, 0, 400, 200);
        AddColumn("A")->SetWidth(100);
        AddColumn("B")->SetWidth(100);
        std::vector<std::vector<std::string>> rows;
        for (int r = 0; r < 30; ++r) rows.push_back({"a" + std::to_string(r), "b" + std::to_string(r)});
        Fill(rows);
        view->GetOptionsBehavior()->SetPullFocusing(true);
        view->GetOptionsSelection()->SetMultiSelect(true);
        form->Show();
        Pump();
    }
    TcxGridTableController* Controller() { return static_cast<TcxGridTableController*>(view->GetController()); }
    HWND Site() { return view->GetSite()->GetHandle(); }
    TPoint RowPoint(int row, int column = 0) {
        const TRect r = view->GetViewData()->GetRecord(row)->GetViewInfo()->Bounds;
        return TPoint{r.Left + 20 + 100 * column, (r.Top + r.Bottom) / 2};
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (int i = 0; i < Controller()->GetSelectedRecordCount(); ++i)
            rows.push_back(Controller()->GetSelectedRecord(i)->GetIndex());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    void Press(TPoint p) { display.PressMouse(Site(), p.X, p.Y); Pump(); }
    void Move(TPoint p) { display.MoveMouse(Site(), p.X, p.Y); Pump(); }
    void Release(TPoint p) { display.ReleaseMouse(Site(), p.X, p.Y); Pump(); }
};

TEST_F(PullFocusing, DraggingOverRecordsFocusesThemAndSelectsTheRangeFromThePressedOne) {
    Press(RowPoint(1));
    Move(RowPoint(4, 1));
    EXPECT_EQ(Controller()->GetFocusedRowIndex(), 4);
    EXPECT_EQ(Controller()->GetFocusedItemIndex(), 1) << "a cell's item takes the focus too";
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 2, 3, 4}));
    Move(RowPoint(2));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 2})) << "going back narrows the range";
    Release(RowPoint(2));
    EXPECT_FALSE(Controller()->IsPullFocusing());
}

TEST_F(PullFocusing, BelowTheRecordsTheFocusKeepsMovingDownUntilTheRelease) {
    Press(RowPoint(0));
    const int lastVisible = Controller()->GetTopRecordIndex() + Controller()->GetVisibleRecordCount() - 1;
    ASSERT_LT(lastVisible, 29);
    const TPoint below{20, view->GetSite()->GetHeight() + 10};
    Move(below);
    ASSERT_TRUE(Controller()->IsPullFocusingScrolling());
    Wait(50);
    EXPECT_EQ(Controller()->GetFocusedRowIndex(), lastVisible + 1);
    EXPECT_GT(Controller()->GetTopRecordIndex(), 0) << "the view scrolled with the focus";
    Wait(50);
    EXPECT_EQ(Controller()->GetFocusedRowIndex(), lastVisible + 2);
    EXPECT_EQ(static_cast<int>(SelectedRows().size()), lastVisible + 3) << "from the pressed record on";

    Release(below);
    EXPECT_FALSE(Controller()->IsPullFocusingScrolling());
    Wait(200);
    EXPECT_EQ(Controller()->GetFocusedRowIndex(), lastVisible + 2);
}

TEST_F(PullFocusing, WithoutTheOptionAPressAndDragFocusesOnlyThePressedRecord) {
    view->GetOptionsBehavior()->SetPullFocusing(false);
    Press(RowPoint(1));
    Move(RowPoint(4));
    EXPECT_FALSE(Controller()->IsPullFocusing());
    EXPECT_EQ(Controller()->GetFocusedRowIndex(), 1);
    Release(RowPoint(4));
}

} // namespace
} // namespace zorvy::test
