// The lookup grid: column settings, the layout of headers, rows and grid lines, fitting heights to
// whole rows, the nearest top row, header sorting, keys, and the mouse in a drop-down.
#include "controls/editors/lookup/LookupGrid.h"
#include "controls/editors/repository/EditDataRegisteredRepositoryItems.h"
#include "controls/editors/repository/EditRepositoryItems.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

// The grid with its key and mouse handlers reachable, called as the window messages would.
class TTestLookupGrid : public TcxLookupGrid {
  public:
    using TcxLookupGrid::TcxLookupGrid;
    using TcxCustomLookupGrid::KeyDown;
    using TcxCustomLookupGrid::MouseDown;
    using TcxCustomLookupGrid::MouseMove;
    using TcxCustomLookupGrid::MouseUp;
    using TcxCustomLookupGrid::ScrollContent;
};

class LookupGridTest : public EditorsTest {
  protected:
    LookupGridTest() { RegisterDefaultEditorsByValueType(); }
    ~LookupGridTest() override { UnregisterDefaultEditorsByValueType(); }

    // A shown grid of the given size with `columns` string columns and `rows` records ("r<row>c<col>").
    TTestLookupGrid* NewGrid(int rows, int columns, int width = 200, int height = 200) {
        form = NewForm(400, 400);
        auto* grid = new TTestLookupGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, width, height);
        grid->BeginUpdate();
        for (int c = 0; c < columns; ++c) {
            TcxLookupGridColumn* column = grid->GetColumns()->AddColumn();
            column->SetCaption("C" + std::to_string(c));
            column->SetValueTypeClass(&cxStringValueType);
        }
        TcxCustomDataController* controller = grid->GetDataController();
        controller->SetRecordCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                controller->SetValue(r, c, Variant("r" + std::to_string(r) + "c" + std::to_string(c)));
        grid->EndUpdate();
        form->Show();
        Pump();
        grid->FullRefresh();
        return grid;
    }
    static TPoint RowPoint(TcxCustomLookupGrid* grid, int laidOutRow, int cell = 0) {
        const TRect r = grid->GetViewInfo()->Rows.at(laidOutRow)->Cells.at(cell).Bounds;
        return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    static void Key(TTestLookupGrid* grid, std::uint16_t key, TShiftState shift = 0) { grid->KeyDown(key, shift); }
    TForm* form = nullptr;
};

TEST_F(LookupGridTest, AColumnKeepsItsWidthAtOrAboveItsMinimumAndCopiesOnlyWhatIsSet) {
    TTestLookupGrid* grid = NewGrid(0, 2);
    TcxLookupGridColumn* column = grid->GetColumns()->GetColumn(0);
    EXPECT_EQ(grid->GetColumns()->GetColumn(1)->GetWidth(), 64);
    column->SetMinWidth(-5);
    EXPECT_EQ(column->GetMinWidth(), 0);
    column->SetWidth(30);
    column->SetMinWidth(50);
    EXPECT_EQ(column->GetWidth(), 50);
    column->SetWidth(10);
    EXPECT_EQ(column->GetWidth(), 50);
    column->SetHeaderAlignment(taCenter);
    TcxLookupGridColumn* other = grid->GetColumns()->GetColumn(1);
    other->Assign(column);
    EXPECT_EQ(other->GetWidth(), 50);
    EXPECT_EQ(other->GetMinWidth(), 50);
    EXPECT_EQ(other->GetHeaderAlignment(), taCenter);
    EXPECT_EQ(other->GetCaption(), "C0");
    column->RestoreDefaults();
    EXPECT_FALSE(column->IsCaptionStored());
    EXPECT_EQ(column->GetCaption(), "");
    EXPECT_EQ(column->GetWidth(), 64);
    // Without an item of its own the column edits with the shared default text editor.
    EXPECT_EQ(column->GetEffectiveRepositoryItem(), GetEditDataRegisteredRepositoryItems()->GetDefaultRepositoryItem());
}

TEST_F(LookupGridTest, ColumnsShareTheHeaderWidthAndRowsStackBelowTheHeader) {
    TTestLookupGrid* grid = NewGrid(5, 2, 200, 200);
    TcxLookupGridViewInfo* vi = grid->GetViewInfo();
    ASSERT_EQ(vi->Columns.size(), 2u);
    EXPECT_EQ(vi->Columns[0]->Bounds.Left, vi->HeaderRect.Left);
    EXPECT_EQ(vi->Columns[0]->Bounds.Right, vi->Columns[1]->Bounds.Left);
    EXPECT_EQ(vi->Columns[1]->Bounds.Right, vi->HeaderRect.Right);
    EXPECT_EQ(vi->HeaderRect.Right, grid->GetContentBounds().Right); // 64 + 64 stretched to the width
    ASSERT_EQ(vi->Rows.size(), 5u);
    EXPECT_EQ(vi->Rows[0]->Bounds.Top, vi->HeaderRect.Bottom);
    for (size_t i = 1; i < vi->Rows.size(); ++i)
        EXPECT_EQ(vi->Rows[i]->Bounds.Top, vi->Rows[i - 1]->Bounds.Bottom);
    EXPECT_EQ(vi->Rows[0]->Bounds.Bottom - vi->Rows[0]->Bounds.Top, vi->GetRowHeight());
    EXPECT_EQ(vi->FullyVisibleRowCount, 5);
    EXPECT_EQ(vi->BottomEmptyRect.Top, vi->Rows[4]->Bounds.Bottom);
    grid->GetOptions()->SetShowHeader(false);
    EXPECT_EQ(vi->HeaderRect.Bottom, vi->HeaderRect.Top);
    EXPECT_EQ(vi->Rows[0]->Bounds.Top, grid->GetContentBounds().Top);
}

TEST_F(LookupGridTest, GridLinesGiveCellsAndRowsTheirRightAndBottomLines) {
    constexpr TcxBorders right = 1 << bRight, bottom = 1 << bBottom;
    struct Case {
        TcxGridLines lines;
        TcxBorders firstCell, lastRowOfData, middleRow;
        int extraHeight;
    };
    const Case cases[] = {
        {glBoth, right, right | bottom, right | bottom, 1},
        {glNone, 0, 0, 0, 0},
        {glHorizontal, 0, right | bottom, right | bottom, 1},
        {glVertical, right, right | bottom, right, 0}, // the bottom line closes the data only
    };
    TTestLookupGrid* grid = NewGrid(3, 2, 200, 300);
    TcxLookupGridViewInfo* vi = grid->GetViewInfo();
    for (const Case& c : cases) {
        grid->GetOptions()->SetGridLines(c.lines);
        ASSERT_EQ(vi->Rows.size(), 3u);
        EXPECT_EQ(vi->Rows[0]->Cells[0].Borders, c.firstCell) << c.lines;
        EXPECT_EQ(vi->Rows[0]->Cells[1].Borders, 0) << c.lines; // the last cell's line is the row's
        EXPECT_EQ(vi->Rows[1]->Borders, c.middleRow) << c.lines;
        EXPECT_EQ(vi->Rows[2]->Borders, c.lastRowOfData) << c.lines;
        EXPECT_EQ(vi->GetRowHeight(), vi->GetRowMinHeight() + c.extraHeight) << c.lines;
    }
}

TEST_F(LookupGridTest, FitHeightGivesWholeRowsBetweenOneRowAndEveryRow) {
    TTestLookupGrid* grid = NewGrid(4, 1);
    TcxLookupGridViewInfo* vi = grid->GetViewInfo();
    const int header = vi->HeaderRect.Bottom - vi->HeaderRect.Top;
    const int row = vi->GetRowHeight();
    ASSERT_GT(header, 0);
    ASSERT_GT(row, 1);
    EXPECT_EQ(grid->FitHeight(0), header + row);
    EXPECT_EQ(grid->FitHeight(header + 2 * row + row / 2), header + 2 * row);
    EXPECT_EQ(grid->FitHeight(100000), header + 4 * row);
    EXPECT_EQ(grid->GetHeightForRows(7), header + 7 * row);
    grid->GetDataController()->SetRecordCount(0);
    EXPECT_EQ(grid->FitHeight(100000), header + row);
}

TEST_F(LookupGridTest, AGridWithoutColumnsShowsNothingAndFitsToNoHeight) {
    TTestLookupGrid* grid = NewGrid(3, 0);
    TcxLookupGridViewInfo* vi = grid->GetViewInfo();
    EXPECT_TRUE(IsRectEmpty(vi->HeaderRect));
    EXPECT_TRUE(vi->Rows.empty());
    EXPECT_EQ(vi->GetRowHeight(), 1); // no editor row, one grid line
    grid->GetOptions()->SetGridLines(glNone);
    EXPECT_EQ(vi->GetRowHeight(), 0);
    EXPECT_EQ(grid->FitHeight(500), 0);
}

TEST_F(LookupGridTest, TheTopRowLeavesNoEmptySpaceBelowTheRows) {
    TTestLookupGrid* grid = NewGrid(3, 1, 200, 400);
    grid->SetTopRowIndex(2);
    EXPECT_EQ(grid->GetTopRowIndex(), 0);
    grid->GetDataController()->SetRecordCount(30);
    const int visible = grid->GetViewInfo()->FullyVisibleRowCount;
    ASSERT_LT(visible, 30);
    grid->SetTopRowIndex(100);
    EXPECT_EQ(grid->GetTopRowIndex(), 30 - visible);
    grid->FocusRow(0);
    grid->MakeFocusedRowVisible();
    EXPECT_EQ(grid->GetTopRowIndex(), 0);
}

TEST_F(LookupGridTest, HeaderClicksSortAddToTheSortOrRemoveIt) {
    TTestLookupGrid* grid = NewGrid(3, 2);
    TcxLookupGridColumn* a = grid->GetColumns()->GetColumn(0);
    TcxLookupGridColumn* b = grid->GetColumns()->GetColumn(1);
    grid->HeaderPressed(0, 0);
    EXPECT_EQ(a->GetSortOrder(), soAscending);
    grid->HeaderPressed(1, ssShift);
    EXPECT_EQ(a->GetSortOrder(), soAscending);
    EXPECT_EQ(b->GetSortOrder(), soAscending);
    grid->HeaderPressed(1, 0); // plain click on an ascending column: descending, the others cleared
    EXPECT_EQ(a->GetSortOrder(), soNone);
    EXPECT_EQ(b->GetSortOrder(), soDescending);
    EXPECT_EQ(grid->GetDataController()->GetDisplayText(grid->GetDataController()->GetRowInfo(0).RecordIndex, 1),
              "r2c1");
    grid->HeaderPressed(1, ssCtrl);
    EXPECT_EQ(b->GetSortOrder(), soNone);
    b->SetSorting(false);
    grid->HeaderPressed(1, 0);
    EXPECT_EQ(b->GetSortOrder(), soNone);
    grid->GetOptions()->ColumnSorting = false;
    grid->HeaderPressed(0, 0);
    EXPECT_EQ(a->GetSortOrder(), soNone);
}

TEST_F(LookupGridTest, KeysMoveTheFocusWithinTheRowsAndEnterClosesUp) {
    TTestLookupGrid* grid = NewGrid(4, 2);
    std::vector<bool> closed;
    grid->OnCloseUp = [&](TObject*, bool accept) { closed.push_back(accept); };
    grid->FocusRow(0);
    Key(grid, VK_UP);
    EXPECT_EQ(grid->GetFocusedRowIndex(), 0);
    Key(grid, VK_DOWN);
    Key(grid, VK_DOWN);
    EXPECT_EQ(grid->GetFocusedRowIndex(), 2);
    Key(grid, VK_END); // row select: the last row
    EXPECT_EQ(grid->GetFocusedRowIndex(), 3);
    Key(grid, VK_DOWN);
    EXPECT_EQ(grid->GetFocusedRowIndex(), 3);
    Key(grid, VK_RETURN);
    EXPECT_EQ(closed, std::vector<bool>{true});
    // Without row select Home and End pick columns; turning it off focuses none yet.
    grid->GetOptions()->SetRowSelect(false);
    EXPECT_EQ(grid->GetFocusedColumn(), nullptr);
    Key(grid, VK_RIGHT);
    EXPECT_EQ(grid->GetFocusedColumn(), grid->GetColumns()->GetColumn(0));
    ASSERT_NE(grid->GetViewInfo()->FindRow(3), nullptr);
    EXPECT_TRUE(grid->GetViewInfo()->FindRow(3)->Cells[0].Focused); // drawn in content colours
    EXPECT_FALSE(grid->GetViewInfo()->FindRow(3)->Cells[1].Focused);
    Key(grid, VK_END);
    EXPECT_EQ(grid->GetFocusedColumn(), grid->GetColumns()->GetColumn(1));
    EXPECT_EQ(grid->GetFocusedRowIndex(), 3);
    Key(grid, VK_HOME, ssCtrl);
    EXPECT_EQ(grid->GetFocusedRowIndex(), 0);
    grid->GetOptions()->SetRowSelect(true);
    EXPECT_EQ(grid->GetFocusedColumn(), nullptr);
}

TEST_F(LookupGridTest, InPopupModeTheMouseFocusesRowsOnlyWhenItReallyMoves) {
    TTestLookupGrid* grid = NewGrid(5, 1);
    grid->SetPopupMode(true);
    EXPECT_EQ(grid->GetBorderThickness(), 0);
    grid->FocusRow(0);
    TTestLookupGrid* mouse = grid;
    const TPoint p3 = RowPoint(grid, 3);
    const TPoint screen = grid->ClientToScreen(p3);
    SetCursorPos(screen.X, screen.Y);
    mouse->MouseMove(0, p3.X, p3.Y);
    EXPECT_EQ(grid->GetFocusedRowIndex(), 3);
    grid->FocusRow(1);
    mouse->MouseMove(0, p3.X, p3.Y); // the same cursor position: nothing changes
    EXPECT_EQ(grid->GetFocusedRowIndex(), 1);
    grid->GetOptions()->FocusRowOnMouseMove = false;
    SetCursorPos(screen.X + 1, screen.Y);
    mouse->MouseMove(0, p3.X + 1, p3.Y);
    EXPECT_EQ(grid->GetFocusedRowIndex(), 1);
}

TEST_F(LookupGridTest, ReleasingAPressOutsideTheRowsClosesUpWithoutAccepting) {
    TTestLookupGrid* grid = NewGrid(5, 1, 200, 300);
    std::vector<bool> closed;
    grid->OnCloseUp = [&](TObject*, bool accept) { closed.push_back(accept); };
    TTestLookupGrid* mouse = grid;
    const TPoint p2 = RowPoint(grid, 2);
    mouse->MouseDown(mbLeft, ssLeft, p2.X, p2.Y);
    EXPECT_EQ(grid->GetFocusedRowIndex(), 2);
    mouse->MouseUp(mbLeft, 0, p2.X, 290); // below the rows
    mouse->MouseDown(mbLeft, ssLeft, p2.X, p2.Y);
    mouse->MouseUp(mbLeft, 0, p2.X, p2.Y);
    EXPECT_EQ(closed, (std::vector<bool>{false, true}));
    mouse->MouseUp(mbLeft, 0, p2.X, p2.Y); // no press on a row: no close-up
    EXPECT_EQ(closed.size(), 2u);
}

TEST_F(LookupGridTest, TheScrollBarMovesTheTopRowByLinesPagesAndTracking) {
    TTestLookupGrid* grid = NewGrid(30, 1, 200, 150);
    const int visible = grid->GetViewInfo()->FullyVisibleRowCount;
    ASSERT_GT(visible, 2);
    int pos = 0;
    grid->ScrollContent(sbVertical, scLineDown, pos);
    EXPECT_EQ(grid->GetTopRowIndex(), 1);
    EXPECT_EQ(pos, 1);
    grid->ScrollContent(sbVertical, scPageDown, pos);
    EXPECT_EQ(grid->GetTopRowIndex(), 1 + visible - 1);
    pos = 5;
    grid->ScrollContent(sbVertical, scTrack, pos);
    EXPECT_EQ(grid->GetTopRowIndex(), 5);
    pos = 9;
    grid->ScrollContent(sbVertical, scPosition, pos); // the thumb's end counts in grid mode only
    EXPECT_EQ(grid->GetTopRowIndex(), 5);
    EXPECT_EQ(pos, 5);
    grid->ScrollContent(sbVertical, scPageUp, pos);
    grid->ScrollContent(sbVertical, scLineUp, pos);
    EXPECT_EQ(grid->GetTopRowIndex(), 0);
}

TEST_F(LookupGridTest, DraggingBelowTheRowsScrollsTheFocusOnEveryTick) {
    TTestLookupGrid* grid = NewGrid(30, 1, 200, 150);
    const int visible = grid->GetViewInfo()->FullyVisibleRowCount;
    grid->FocusRow(0);
    grid->SetAutoScrollDirection(2);
    Wait(50);
    EXPECT_EQ(grid->GetFocusedRowIndex(), visible + 1); // two rows past the last fully visible one
    EXPECT_FALSE(grid->GetDataController()->IsRowSelected(grid->GetFocusedRowIndex()));
    grid->SetAutoScrollDirection(0);
    const int focused = grid->GetFocusedRowIndex();
    Wait(200);
    EXPECT_EQ(grid->GetFocusedRowIndex(), focused);
}

TEST_F(LookupGridTest, MovingAColumnMovesItsDataAndARemovedEditorLeavesTheColumn) {
    TTestLookupGrid* grid = NewGrid(2, 2);
    grid->GetColumns()->GetColumn(1)->SetIndex(0);
    EXPECT_EQ(grid->GetColumns()->GetColumn(0)->GetCaption(), "C1");
    EXPECT_EQ(grid->GetDataController()->GetDisplayText(0, 0), "r0c1");
    auto* item = new TcxEditRepositoryTextItem(nullptr);
    TcxLookupGridColumn* column = grid->GetColumns()->GetColumn(0);
    column->SetRepositoryItem(item);
    EXPECT_EQ(column->GetProperties(), item->GetProperties());
    delete item;
    EXPECT_EQ(column->GetRepositoryItem(), nullptr);
    delete grid->GetColumns()->GetColumn(1);
    EXPECT_EQ(grid->GetDataController()->GetItemCount(), 1);
    EXPECT_EQ(grid->GetViewInfo()->Columns.size(), 1u);
}

} // namespace
} // namespace zorvy::test
