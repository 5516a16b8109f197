// The table view's horizontal position: its clamp, the scroll bars, the scroll bar events, bringing
// a column into view and the pressed column header; and the table view's hit-test classes.
#include "controls/foundation/scrollbars/ControlScrollBar.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/grid/common/GridCommon.h"
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridSizingObjects.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "tests/controls/grid/tableview/TableViewFixture.h"

namespace zorvy::test {
namespace {

class TableHorzPosition : public TableViewTest {
  protected:
    // Ten columns of 100 pixels: data 1,000 wide.
    TableHorzPosition() {
        form->SetBounds(0, 0, 1100, 500);
        grid->SetBounds(0, 0, 900, 300);
        for (int i = 0; i < 10; ++i) AddColumn("C" + std::to_string(i))->SetWidth(100);
        Fill({{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, {"k", "l", "m", "n", "o", "p", "q", "r", "s", "t"}});
        Relayout();
    }
    TcxGridTableController* Controller() { return static_cast<TcxGridTableController*>(view->GetController()); }
    TcxGridTableViewInfo* Layout() { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    void Relayout() { Layout()->Recalculate(); }
    // Makes the client the given width.
    void SetClientWidth(int width) {
        grid->SetBounds(0, 0, grid->GetWidth() + width - Layout()->GetClientWidth(), grid->GetHeight());
        Relayout();
        ASSERT_EQ(Layout()->GetClientWidth(), width);
    }
};

TEST_F(TableHorzPosition, TheLeftPosStaysWithinTheDataThatDoesNotFit) {
    SetClientWidth(865);
    ASSERT_EQ(Layout()->GetDataWidth(), 1000);
    struct {
        int asked, expected;
    } const cases[] = {{500, 135}, {-7, 0}, {100, 100}, {135, 135}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        Controller()->SetLeftPos(c.asked);
        EXPECT_EQ(Controller()->GetLeftPos(), c.expected);
    }
    SetClientWidth(1100 - 60);
    Controller()->SetLeftPos(0);
    grid->SetBounds(0, 0, 1090, 300);
    Relayout();
    Controller()->SetLeftPos(300);
    EXPECT_EQ(Controller()->GetLeftPos(), 0);
}

TEST_F(TableHorzPosition, TheScrollBarsTakeTheDataWidthAndTheRecords) {
    SetClientWidth(865);
    Controller()->SetLeftPos(40);
    Controller()->InitScrollBars();
    const auto& horz = view->GetSite()->GetHScrollBar()->Pending;
    EXPECT_EQ((std::vector<int>{horz.Min, horz.Max, horz.SmallChange, horz.Page, horz.Position}),
              (std::vector<int>{0, 999, 10, 865, 40}));
    // Both records are shown: nothing to scroll.
    EXPECT_FALSE(view->GetSite()->GetVScrollBar()->Pending.Visible);
}

TEST_F(TableHorzPosition, MovingTheLeftPosMovesRowsAndMakesCellsForColumnsComingIntoView) {
    SetClientWidth(865);
    int changes = 0;
    view->SetOnLeftPosChanged([&](TcxGridTableView*) { ++changes; });
    auto* row = static_cast<TcxGridDataRowViewInfo*>(Layout()->GetRowsViewInfo()->GetItem(0));
    const int left = row->Bounds.Left;
    ASSERT_EQ(row->FindCellViewInfo(9), nullptr);
    Controller()->SetLeftPos(135);
    EXPECT_EQ(changes, 1);
    row = static_cast<TcxGridDataRowViewInfo*>(Layout()->GetRowsViewInfo()->GetItem(0));
    EXPECT_EQ(row->Bounds.Left, left - 135);
    ASSERT_NE(row->FindCellViewInfo(9), nullptr);
    EXPECT_EQ(row->FindCellViewInfo(9)->Bounds.Right, Layout()->GetClientBounds().Right);
    // A new pass keeps the position.
    Relayout();
    EXPECT_EQ(Layout()->GetRowsViewInfo()->GetItem(0)->Bounds.Left, left - 135);
    Controller()->SetLeftPos(135);
    EXPECT_EQ(changes, 1);
}

TEST_F(TableHorzPosition, ScrollBarEventsStepByTenByTheCellsAreaOrToTheTrack) {
    SetClientWidth(300);
    const int page = Layout()->GetCellsAreaBounds().Right - Layout()->GetCellsAreaBounds().Left;
    struct {
        TScrollCode code;
        int position, expected;
    } const cases[] = {{scLineDown, 0, 10},    {scLineDown, 0, 20},   {scPageDown, 0, 20 + page},
                       {scLineUp, 0, 10 + page}, {scTrack, 250, 250},   {scPosition, 40, 250},
                       {scTrack, 5000, 700},     {scPageUp, 0, 700 - page}, {scLineUp, 0, 690 - page}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        int position = c.position;
        Controller()->Scroll(sbHorizontal, c.code, position);
        EXPECT_EQ(Controller()->GetLeftPos(), c.expected);
        EXPECT_EQ(position, c.expected);
    }
}

TEST_F(TableHorzPosition, MakingAColumnVisibleScrollsItsHeaderIntoTheCellsArea) {
    SetClientWidth(250);
    struct {
        int column, before, after;
    } const cases[] = {
        {3, 0, 150},   // right of the area: its right edge goes to the area's right edge
        {1, 150, 100}, // left of the area: its left edge goes to the area's left edge
        {2, 100, 100}, // already shown: nothing moves
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        ASSERT_EQ(Controller()->GetLeftPos(), c.before);
        Controller()->MakeItemVisible(view->GetColumn(c.column));
        EXPECT_EQ(Controller()->GetLeftPos(), c.after);
    }
    // Wider than the area: its left edge goes to the area's left edge.
    view->GetColumn(5)->SetWidth(400);
    Relayout();
    Controller()->MakeItemVisible(view->GetColumn(5));
    EXPECT_EQ(Controller()->GetLeftPos(), 500);
}

TEST_F(TableHorzPosition, APressedColumnGoesWithACancelledMouseOperation) {
    Controller()->SetPressedColumn(view->GetColumn(2));
    EXPECT_EQ(Controller()->GetPressedColumn(), view->GetColumn(2));
    Controller()->CancelMouseOperations();
    EXPECT_EQ(Controller()->GetPressedColumn(), nullptr);
    Controller()->SetPressedColumn(view->GetColumn(1));
    Controller()->BeforeStopDragAndDrop(false);
    EXPECT_EQ(Controller()->GetPressedColumn(), nullptr);
}

class TableHitTests : public GridTest {};

TEST_F(TableHitTests, EachPartAnswersItsCodeCursorAndRecordHit) {
    struct {
        const TMetaClass* cls;
        int code;
        TCursor cursor;
    } const cases[] = {
        {TcxGridGroupByBoxHitTest::StaticClass(), 201, crDefault},
        {TcxGridColumnHeaderHitTest::StaticClass(), 202, crDefault},
        {TcxGridColumnHeaderHorzSizingEdgeHitTest::StaticClass(), 203, crcxHorzSize},
        {TcxGridColumnHeaderFilterButtonHitTest::StaticClass(), 204, crDefault},
        {TcxGridFooterHitTest::StaticClass(), 205, crDefault},
        {TcxGridFooterCellHitTest::StaticClass(), 206, crDefault},
        {TcxGridGroupFooterHitTest::StaticClass(), 207, crDefault},
        {TcxGridGroupFooterCellHitTest::StaticClass(), 208, crDefault},
        {TcxGridRowIndicatorHitTest::StaticClass(), 209, crDefault},
        {TcxGridRowSizingEdgeHitTest::StaticClass(), 210, crcxVertSize},
        {TcxGridIndicatorHitTest::StaticClass(), 211, crDefault},
        {TcxGridIndicatorHeaderHitTest::StaticClass(), 212, crDefault},
        {TcxGridRowLevelIndentHitTest::StaticClass(), 213, crDefault},
        {TcxGridHeaderHitTest::StaticClass(), 214, crDefault},
        {TcxGridGroupSummaryHitTest::StaticClass(), 215, crDefault},
        {TcxGridPreviewHitTest::StaticClass(), 231, crDefault},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        TcxCustomGridHitTest* hitTest = TcxCustomGridHitTest::GetInstance(c.cls, TPoint{1, 2});
        EXPECT_EQ(hitTest->GetHitTestCode(), c.code);
        EXPECT_EQ(hitTest->GetCursor(), c.cursor);
        // The sizing edges start their sizing; no other part starts a drag without a column.
        const TMetaClass* drag = c.code == 203   ? TcxGridColumnHorzSizingObject::StaticClass()
                                 : c.code == 210 ? TcxGridRowSizingObject::StaticClass()
                                                 : nullptr;
        EXPECT_EQ(hitTest->GetDragAndDropObjectClass(), drag);
        if (auto* record = dynamic_cast<TcxGridRecordHitTest*>(hitTest)) {
            EXPECT_EQ(record->IsRecordHit(), c.code != 213);
        }
    }
    auto* indicator = TcxCustomGridHitTest::Instance<TcxGridRowIndicatorHitTest>(TPoint{});
    indicator->MultiSelect = true;
    EXPECT_EQ(indicator->GetCursor(), static_cast<TCursor>(crcxGridSelectRow));
    indicator->MultiSelect = false;
}

} // namespace
} // namespace zorvy::test
