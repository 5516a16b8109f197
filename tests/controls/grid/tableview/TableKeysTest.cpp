// The table view's keys: cells across columns, the horizontal position at a row's ends, Home and
// End, and the filter row and the new-item row above the data rows; sorting by a header click.
#include "controls/data/DataController.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "controls/grid/view/GridSite.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

class TableKeys : public TableViewTest {
  protected:
    // Ten columns of 100 pixels in a narrower client, five records.
    TableKeys() {
        form->SetBounds(0, 0, 1100, 500);
        grid->SetBounds(0, 0, 600, 300);
        for (int i = 0; i < 10; ++i) AddColumn("C" + std::to_string(i))->SetWidth(100);
        std::vector<std::vector<std::string>> rows;
        for (int r = 0; r < 5; ++r) rows.push_back(std::vector<std::string>(10, "r" + std::to_string(r)));
        Fill(rows);
        Layout()->Recalculate();
    }
    TcxGridTableController* Controller() { return static_cast<TcxGridTableController*>(view->GetController()); }
    TcxGridTableViewInfo* Layout() { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    void FocusCell(int row, int column) {
        Controller()->FocusRowIndex(row);
        Controller()->SetFocusedItem(view->GetColumn(column));
    }
    std::uint16_t Press(std::uint16_t key, TShiftState shift = 0) {
        Controller()->KeyDown(key, shift);
        return key;
    }
    int FocusedColumn() { return Controller()->GetFocusedItemIndex(); }
    int FocusedRow() { return Controller()->GetFocusedRowIndex(); }
};

TEST_F(TableKeys, LeftAndRightMoveBetweenCellsAndScrollAtTheRowsEnds) {
    struct {
        bool focusCellOnCycle;
        int column;
        std::uint16_t key;
        int leftPos, row, focused, leftPosAfter;
    } const cases[] = {
        {false, 3, VK_RIGHT, 0, 2, 4, -1},     // a further cell: the focus moves
        {false, 9, VK_RIGHT, 0, 2, 9, 10},     // the last cell: the data scrolls instead
        {false, 0, VK_LEFT, 50, 2, 0, 40},     // the first cell: back by 10
        {true, 9, VK_RIGHT, 0, 3, 0, -1},      // cycling: the next record's first cell
        {true, 0, VK_LEFT, 50, 1, 9, -1},      // cycling back: the previous record's last cell
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + (c.focusCellOnCycle ? " cycling" : ""));
        view->GetOptionsBehavior()->SetFocusCellOnCycle(c.focusCellOnCycle);
        FocusCell(2, c.column);
        Controller()->SetLeftPos(c.leftPos);
        Press(c.key);
        EXPECT_EQ(FocusedRow(), c.row);
        EXPECT_EQ(FocusedColumn(), c.focused);
        if (c.leftPosAfter != -1) {
            EXPECT_EQ(Controller()->GetLeftPos(), c.leftPosAfter);
        }
    }
}

TEST_F(TableKeys, HomeAndEndGoToTheRowsEndsAndWithCtrlToTheFirstAndLastRecords) {
    struct {
        std::uint16_t key;
        TShiftState shift;
        int row, column;
    } const cases[] = {
        {VK_HOME, 0, 2, 0},
        {VK_END, 0, 2, 9},
        {VK_HOME, ssCtrl, 0, 5},
        {VK_END, ssCtrl, 4, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + (c.shift ? " ctrl" : ""));
        FocusCell(2, 5);
        Press(c.key, c.shift);
        EXPECT_EQ(FocusedRow(), c.row);
        EXPECT_EQ(FocusedColumn(), c.column);
    }
}

TEST_F(TableKeys, UpAndDownPassThroughTheNewItemRowAndTheFilterRow) {
    view->GetFilterRow()->SetVisible(true);
    view->GetNewItemRow()->SetVisible(true);
    Layout()->Recalculate();
    FocusCell(1, 0);
    Press(VK_UP);
    ASSERT_EQ(FocusedRow(), 0);
    Press(VK_UP);
    EXPECT_TRUE(Controller()->IsNewItemRowRecordFocused());
    EXPECT_FALSE(Controller()->IsFilterRowFocused());
    EXPECT_EQ(Controller()->GetFocusedRecord(), view->GetViewData()->GetNewItemRecord());
    Press(VK_UP);
    EXPECT_TRUE(Controller()->IsFilterRowFocused());
    EXPECT_FALSE(Controller()->IsNewItemRowRecordFocused());
    EXPECT_EQ(Press(VK_UP), 0) << "nothing above the filter row";
    EXPECT_EQ(Press(VK_PRIOR), 0) << "PageUp is swallowed there too";
    EXPECT_TRUE(Controller()->IsFilterRowFocused());
    Press(VK_DOWN);
    EXPECT_TRUE(Controller()->IsNewItemRowRecordFocused());
    EXPECT_FALSE(Controller()->IsFilterRowFocused());
    Press(VK_DOWN);
    EXPECT_FALSE(Controller()->IsSpecialRowFocused());
    EXPECT_EQ(FocusedRow(), Controller()->GetTopRecordIndex());
}

TEST_F(TableKeys, WithoutTheNewItemRowUpAndDownGoStraightBetweenTheFilterRowAndTheData) {
    view->GetFilterRow()->SetVisible(true);
    Layout()->Recalculate();
    FocusCell(0, 0);
    Press(VK_UP);
    EXPECT_TRUE(Controller()->IsFilterRowFocused());
    EXPECT_FALSE(Controller()->CanDelete(false)) << "the filter row is never deleted";
    Press(VK_DOWN);
    EXPECT_FALSE(Controller()->IsFilterRowFocused());
    EXPECT_EQ(FocusedRow(), 0);
    // Up from a row below the first only moves up.
    FocusCell(3, 0);
    Press(VK_UP);
    EXPECT_EQ(FocusedRow(), 2);
    EXPECT_FALSE(Controller()->IsFilterRowFocused());
}

TEST_F(TableKeys, AValueTypedIntoTheFilterRowKeepsItFocusedWhileTheDataRefilters) {
    view->GetFilterRow()->SetVisible(true);
    Layout()->Recalculate();
    FocusCell(2, 0);
    Press(VK_UP);
    Press(VK_UP);
    Press(VK_UP);
    ASSERT_TRUE(Controller()->IsFilterRowFocused());
    auto* rows = static_cast<TcxGridViewData*>(view->GetViewData());
    rows->GetFilterRow()->SetValue(0, Variant(std::string("r3")));
    EXPECT_EQ(Data()->GetRowCount(), 1);
    EXPECT_TRUE(Controller()->IsFilterRowFocused());
}

TEST_F(TableKeys, WithCellMultiSelectShiftArrowsWidenTheColumnRangeFromTheAnchor) {
    view->GetOptionsSelection()->SetCellMultiSelect(true);
    FocusCell(1, 2);
    Controller()->ClearSelection();
    auto selected = [&] {
        std::vector<int> columns;
        for (int i = 0; i < 10; ++i)
            if (view->GetColumn(i)->GetSelected()) columns.push_back(i);
        return columns;
    };
    EXPECT_EQ(selected(), (std::vector<int>{2}));
    Press(VK_RIGHT, ssShift);
    Press(VK_RIGHT, ssShift);
    EXPECT_EQ(selected(), (std::vector<int>{2, 3, 4}));
    Press(VK_LEFT, ssShift);
    Press(VK_LEFT, ssShift);
    Press(VK_LEFT, ssShift);
    EXPECT_EQ(selected(), (std::vector<int>{1, 2})) << "the range turns round at the anchor";
    Press(VK_RIGHT);
    EXPECT_EQ(selected(), (std::vector<int>{2})) << "a plain move starts again at the focused cell";
    EXPECT_EQ(Controller()->GetCellSelectionAnchor(), view->GetColumn(2));
    Controller()->SelectAll();
    EXPECT_EQ(Controller()->GetSelectedColumnCount(), 10);
    // A selected column that goes leaves the selection.
    delete view->GetColumn(3);
    EXPECT_EQ(Controller()->GetSelectedColumnCount(), 9);
}

// ---- sorting by a header click ----

class TableHeaderSorting : public TableViewTest {
  protected:
    TableHeaderSorting() {
        a = AddColumn("A");
        b = AddColumn("B");
        c = AddColumn("C");
        Fill({{"2", "x", "p"}, {"1", "y", "q"}, {"3", "x", "p"}});
    }
    TcxGridTableController* Controller() { return static_cast<TcxGridTableController*>(view->GetController()); }
    TcxGridColumn *a, *b, *c;
};

TEST_F(TableHeaderSorting, AClickSortsByTheColumnAloneShiftAddsItCtrlRemovesIt) {
    struct {
        TShiftState shift;
        TcxDataSortOrder a, b;
    } const cases[] = {
        {0, soDescending, soNone},
        {ssShift, soDescending, soAscending},
        {ssCtrl, soNone, soAscending},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.shift);
        c->SetGroupIndex(0);
        b->SetSortOrder(soAscending);
        a->SetSortOrder(soAscending);
        Controller()->DoHeaderClick(a, k.shift);
        EXPECT_EQ(a->GetSortOrder(), k.a);
        EXPECT_EQ(b->GetSortOrder(), k.b);
        EXPECT_EQ(c->GetGroupIndex(), 0) << "grouping stays";
        EXPECT_NE(c->GetSortOrder(), soNone) << "a grouped column keeps its sorting";
        a->SetSortOrder(soNone);
        b->SetSortOrder(soNone);
    }
    // A column that is not sorted starts ascending.
    Controller()->DoHeaderClick(b, 0);
    EXPECT_EQ(b->GetSortOrder(), soAscending);
}

TEST_F(TableHeaderSorting, WithGroupBySortingTheFirstSortedColumnIsTheGrouping) {
    view->GetOptionsCustomize()->SetGroupBySorting(true);
    c->SetGroupIndex(0);
    Controller()->DoHeaderClick(a, 0);
    EXPECT_EQ(c->GetGroupIndex(), -1) << "a plain click removes all grouping";
    EXPECT_TRUE(c->GetVisible());
    EXPECT_EQ(a->GetGroupIndex(), 0);
    EXPECT_EQ(a->GetSortOrder(), soAscending);
    Controller()->DoHeaderClick(b, ssShift);
    EXPECT_EQ(b->GetGroupIndex(), -1) << "second in the sort order";
    EXPECT_EQ(b->GetSortOrder(), soAscending);
    Controller()->DoHeaderClick(a, ssCtrl);
    EXPECT_EQ(a->GetGroupIndex(), -1);
    EXPECT_TRUE(a->GetVisible());
    EXPECT_EQ(a->GetSortOrder(), soNone);
    EXPECT_EQ(b->GetGroupIndex(), 0) << "the first column left in the sort order groups";
}

TEST_F(TableHeaderSorting, AColumnThatCannotSortIgnoresTheClick) {
    a->GetOptions()->SetSorting(false);
    Controller()->DoHeaderClick(a, 0);
    EXPECT_EQ(a->GetSortOrder(), soNone);
}

class TableHeaderClicks : public TableHeaderSorting {
  protected:
    TableHeaderClicks() {
        form->SetBounds(0, 0, 500, 300);
        grid->SetBounds(0, 0, 400, 200);
        form->Show();
        Pump();
    }
    HWND Site() { return view->GetSite()->GetHandle(); }
    TPoint HeaderPoint(TcxGridColumn* column) {
        auto* viewInfo = static_cast<TcxGridTableViewInfo*>(view->GetViewInfo());
        const TRect r = viewInfo->GetHeaderViewInfo()->GetItem(column->GetVisibleIndex())->Bounds;
        return TPoint{r.Left + 10, (r.Top + r.Bottom) / 2};
    }
};

TEST_F(TableHeaderClicks, TheReleaseOfAHeaderPressSortsUnlessTheMouseLeftTheDragThreshold) {
    const TPoint p = HeaderPoint(a);
    display.PressMouse(Site(), p.X, p.Y);
    Pump();
    EXPECT_EQ(Controller()->GetPressedColumn(), a);
    display.ReleaseMouse(Site(), p.X, p.Y);
    Pump();
    EXPECT_EQ(Controller()->GetPressedColumn(), nullptr);
    EXPECT_EQ(a->GetSortOrder(), soAscending);

    Wait(1000);
    display.PressMouse(Site(), p.X, p.Y);
    Pump();
    display.MoveMouse(Site(), p.X + 30, p.Y);
    Pump();
    display.ReleaseMouse(Site(), p.X + 30, p.Y);
    Pump();
    EXPECT_EQ(Controller()->GetPressedColumn(), nullptr);
    EXPECT_EQ(a->GetSortOrder(), soAscending) << "a drag is no click";
}

} // namespace
} // namespace zorvy::test
