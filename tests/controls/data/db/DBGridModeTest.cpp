// Grid mode: only the data link's buffer of draws around the current one is loaded; scrolling and
// moving the dataset move the buffer, and the focus stays on the dataset's record.
#include "controls/data/db/DBDataController.h"
#include "controls/data/DataControllerSearch.h"

#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "tests/platform/db/Engines.h"

namespace zorvy::test {
namespace {

class DBGridModeTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        query_ = NewQuery({"select Issue, ResultA1 from LotteryIssue where LotteryID=3508 order by Issue"});
        auto* source = new TDataSource(&owner_);
        source->SetDataSet(query_);
        controller_.AddItem(nullptr);
        controller_.SetItemFieldName(0, "Issue");
        controller_.SetDataSource(source);
        query_->Open();
    }
    std::string Issue(int record) const { return VarToStr(controller_.GetValue(record, 0)); }
    std::string FocusedIssue() const { return Issue(controller_.GetFocusedRecordIndex()); }
    std::string DataSetIssue() const { return query_->FieldByName("Issue")->GetAsString(); }

    TADOQuery* query_ = nullptr;
    TcxDBDataController controller_{nullptr};
};

TEST_P(DBGridModeTest, TheBufferFollowsTheDataSetToTheEndAndBack) {
    TcxDBDataModeController& mode = controller_.GetDataModeController();
    mode.SetGridModeBufferCount(-5);
    EXPECT_EQ(mode.GetGridModeBufferCount(), 0);
    mode.SetGridMode(true);
    EXPECT_EQ(controller_.GetRecordCount(), 100); // the default buffer
    mode.SetGridModeBufferCount(20);
    ASSERT_EQ(controller_.GetRecordCount(), 20);
    EXPECT_EQ(Issue(0), "2003001");
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 0);

    query_->MoveBy(7);
    EXPECT_EQ(FocusedIssue(), DataSetIssue());
    TBookmark seventh = query_->GetBookmark();
    std::string seventhIssue = DataSetIssue();

    query_->Last();
    EXPECT_EQ(controller_.GetRecordCount(), 20);
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 19);
    EXPECT_EQ(FocusedIssue(), "2026096");

    // Focusing a row inside the buffer moves the dataset there and keeps the buffer.
    controller_.SetFocusedRecordIndex(5);
    EXPECT_EQ(DataSetIssue(), Issue(5));
    EXPECT_EQ(Issue(19), "2026096");

    // The scroll bar moves the window by rows from its top: 3 rows above it.
    std::string topIssue = Issue(0);
    controller_.GetDBProvider().Scroll(-3);
    EXPECT_EQ(controller_.GetRecordCount(), 20);
    EXPECT_EQ(FocusedIssue(), DataSetIssue());
    EXPECT_EQ(Issue(3), topIssue);
    // 3 rows below its bottom: from row r of 20 the dataset moves 3 + 20 - r - 1 records.
    int row = controller_.GetFocusedRecordIndex();
    int recNo = query_->GetRecNo();
    controller_.GetDBProvider().Scroll(3);
    EXPECT_EQ(query_->GetRecNo() - recNo, 3 + 20 - row - 1);
    EXPECT_EQ(FocusedIssue(), DataSetIssue());

    query_->GotoBookmark(seventh);
    EXPECT_EQ(FocusedIssue(), seventhIssue);
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 0); // a window moved up starts at the record

    mode.SetGridMode(false);
    EXPECT_EQ(controller_.GetRecordCount(), 3493);
    EXPECT_EQ(FocusedIssue(), seventhIssue);
}

// Groups of a buffer would be groups of a hundred draws: grouping loads every draw.
// A lookup list must not reload from a buffer whose new record is not there yet.
TEST_P(DBGridModeTest, DataChangesAreLockedWhileTheDataSetInsertsInGridModeOnly) {
    query_->Insert();
    EXPECT_FALSE(controller_.IsDataChangeLocked());
    query_->Cancel();
    controller_.GetDataModeController().SetGridMode(true);
    EXPECT_FALSE(controller_.IsDataChangeLocked());
    query_->Insert();
    EXPECT_TRUE(controller_.IsDataChangeLocked());
    query_->Cancel();
    EXPECT_FALSE(controller_.IsDataChangeLocked());
    controller_.LockDataChanged();
    EXPECT_TRUE(controller_.IsDataChangeLocked());
    controller_.UnlockDataChanged();
}

TEST_P(DBGridModeTest, GroupingLoadsEveryRecordAndUngroupingReturnsToTheBuffer) {
    controller_.AddItem(nullptr);
    controller_.SetItemFieldName(1, "ResultA1");
    TcxDBDataModeController& mode = controller_.GetDataModeController();
    mode.SetGridModeBufferCount(20);
    mode.SetGridMode(true);
    ASSERT_EQ(controller_.GetRecordCount(), 20);
    controller_.ChangeItemGroupIndex(1, 0);
    EXPECT_FALSE(controller_.IsGridMode());
    EXPECT_EQ(controller_.GetRecordCount(), 3493);
    std::vector<int> records;
    for (int g = 0; g < controller_.GetGroups().GroupChildCount(-1); ++g)
        controller_.GetGroups().CollectRecordIndexes(records, controller_.GetGroups().GroupChildGroupIndex(-1, g));
    EXPECT_EQ(records.size(), 3493u);
    controller_.ClearGrouping();
    EXPECT_TRUE(controller_.IsGridMode());
    EXPECT_EQ(controller_.GetRecordCount(), 20);
    EXPECT_EQ(FocusedIssue(), DataSetIssue());
}

TEST_P(DBGridModeTest, IncrementalSearchWalksTheDataSetAndWrapsOnce) {
    controller_.GetDataModeController().SetGridModeBufferCount(10);
    controller_.GetDataModeController().SetGridMode(true);
    query_->MoveBy(20);
    TcxDataControllerSearch& search = controller_.GetSearch();

    // Far outside the buffer: the dataset is searched, and the buffer comes to the record found.
    ASSERT_TRUE(search.Locate(0, "2026"));
    EXPECT_EQ(FocusedIssue().substr(0, 4), "2026");
    EXPECT_EQ(DataSetIssue(), FocusedIssue());
    EXPECT_EQ(controller_.GetRecordCount(), 10);

    // From the last draw a search that does not skip the current one wraps to the first.
    query_->Last();
    ASSERT_TRUE(search.Locate(0, "2003"));
    EXPECT_EQ(FocusedIssue(), "2003001");

    // Skipping the current one stops at the end: the next 2003 draw going back from the first is none.
    EXPECT_FALSE(search.LocateNext(false));
    EXPECT_EQ(DataSetIssue(), "2003001");
    EXPECT_TRUE(search.LocateNext(true));
    EXPECT_EQ(FocusedIssue(), "2003002");

    // Nothing matches: a full cycle, and the dataset stays where it was.
    EXPECT_FALSE(search.Locate(0, "1999"));
    EXPECT_EQ(DataSetIssue(), "2003002");
}

TEST_P(DBGridModeTest, NavigationMovesTheDataSetNotOnlyTheFocusInTheBuffer) {
    controller_.GetDataModeController().SetGridModeBufferCount(20);
    controller_.GetDataModeController().SetGridMode(true);
    controller_.GotoLast();
    EXPECT_EQ(DataSetIssue(), "2026096");
    EXPECT_EQ(FocusedIssue(), "2026096");
    EXPECT_TRUE(controller_.IsEOF());
    controller_.GotoPrev();
    EXPECT_EQ(FocusedIssue(), "2026095");
    EXPECT_FALSE(controller_.IsEOF());
    controller_.GotoFirst();
    EXPECT_EQ(FocusedIssue(), "2003001");
    EXPECT_TRUE(controller_.IsBOF());
    controller_.MoveBy(50); // beyond the buffer of 20
    EXPECT_EQ(query_->GetRecNo(), 51);
    EXPECT_EQ(FocusedIssue(), DataSetIssue());
    controller_.GotoNext();
    EXPECT_EQ(query_->GetRecNo(), 52);
    controller_.MoveBy(100000);
    EXPECT_TRUE(controller_.IsEOF());
    EXPECT_EQ(FocusedIssue(), "2026096");
    // The scroll bar's move: 3 rows above the buffer's top row.
    int recNo = query_->GetRecNo(), row = controller_.GetFocusedRecordIndex();
    controller_.GridModeMoveBy(-3);
    EXPECT_EQ(recNo - query_->GetRecNo(), 3 + row);
}

TEST_P(DBGridModeTest, TheSelectionAndTheBookmarkAreRecordsNotBufferRows) {
    controller_.GetDataModeController().SetGridModeBufferCount(20);
    controller_.GetDataModeController().SetGridMode(true);
    controller_.SetMultiSelect(true);
    controller_.ClearSelection();
    controller_.ChangeRowSelection(2, true);
    controller_.ChangeRowSelection(5, true);
    controller_.ChangeRowSelection(5, true); // once only
    ASSERT_EQ(controller_.GetSelectedCount(), 2);
    controller_.SetFocusedRecordIndex(7);
    controller_.DoSetBookmark();
    EXPECT_EQ(DataSetIssue(), "2003008");

    // At the end of the draws the buffer holds other records: none of its rows is selected.
    query_->Last();
    ASSERT_EQ(Issue(19), "2026096");
    EXPECT_EQ(controller_.GetSelectedCount(), 2);
    for (int row = 0; row < controller_.GetRowCount(); ++row) {
        EXPECT_FALSE(controller_.IsRowSelected(row)) << row;
        EXPECT_FALSE(controller_.IsBookmarkRow(row)) << row;
    }
    EXPECT_EQ(controller_.GetSelectedRowIndex(0), -1);
    EXPECT_TRUE(controller_.IsBookmarkAvailable());

    // Back at the start the same records are selected again, and the bookmark brings the dataset back.
    controller_.DoGotoBookmark();
    EXPECT_EQ(DataSetIssue(), "2003008");
    EXPECT_EQ(FocusedIssue(), "2003008");
    query_->First();
    EXPECT_EQ(Issue(2), "2003003");
    EXPECT_TRUE(controller_.IsRowSelected(2));
    EXPECT_TRUE(controller_.IsRowSelected(5));
    EXPECT_FALSE(controller_.IsRowSelected(3));
    EXPECT_EQ(controller_.GetSelectedRowIndex(1), 5);
    EXPECT_TRUE(controller_.IsBookmarkRow(7));

    // A range from an anchor in this buffer to a row of a later one: every record between.
    controller_.SetSelectionAnchor(18); // 2003019
    EXPECT_TRUE(controller_.HasSelectionAnchor());
    EXPECT_EQ(controller_.GetSelectionAnchorRowIndex(), -1);
    query_->MoveBy(40);
    int target = controller_.GetFocusedRowIndex();
    int targetRecNo = query_->GetRecNo();
    controller_.SelectFromAnchor(target, false);
    EXPECT_EQ(controller_.GetSelectedCount(), targetRecNo - 19 + 1);
    EXPECT_EQ(controller_.GetSelectedBookmark(0), controller_.GetSelectionAnchorBookmark());
    EXPECT_EQ(DataSetIssue(), Issue(target)) << "the walk leaves the dataset where it was";
    controller_.SelectFromAnchor(target, true); // kept: nothing new
    EXPECT_EQ(controller_.GetSelectedCount(), targetRecNo - 19 + 1);

    std::vector<std::string> visited;
    controller_.ForEachRow(true, [&](int row, const TcxDataRowInfo&) { visited.push_back(Issue(row)); });
    ASSERT_EQ(static_cast<int>(visited.size()), targetRecNo - 19 + 1) << "each selected record, as the focused row";
    EXPECT_EQ(visited.front(), "2003019");
    EXPECT_EQ(visited.back(), DataSetIssue());

    controller_.SelectAll();
    EXPECT_EQ(controller_.GetSelectedCount(), 3493);
    EXPECT_EQ(DataSetIssue(), Issue(target));
    ASSERT_TRUE(controller_.FocusSelectedRow(3492));
    EXPECT_EQ(DataSetIssue(), "2026096");

    int rows = 0;
    std::string last;
    controller_.ForEachRow(false, [&](int row, const TcxDataRowInfo&) {
        ++rows;
        last = Issue(row);
    });
    EXPECT_EQ(rows, 3493) << "every record of the dataset, not only the buffer";
    EXPECT_EQ(last, "2026096");

    controller_.GetDataModeController().SetGridMode(false);
    EXPECT_THROW(controller_.GetSelectedBookmark(0), EcxInvalidDataControllerOperation);
}

TEST_P(DBGridModeTest, OutsideGridModeTheSelectionIsTheControllersOwn) {
    controller_.SetMultiSelect(true);
    controller_.ClearSelection();
    controller_.ChangeRowSelection(3, true);
    controller_.ChangeRowSelection(300, true);
    EXPECT_EQ(controller_.GetSelectedCount(), 2);
    EXPECT_EQ(controller_.GetSelectedRowIndex(1), 300);
    ASSERT_TRUE(controller_.FocusSelectedRow(1)) << "focusing a selected row works without bookmarks too";
    EXPECT_EQ(DataSetIssue(), Issue(300));
    EXPECT_EQ(controller_.GetRowBookmark(3), "") << "no bookmarks outside grid mode";
}

TEST_P(DBGridModeTest, DeletingTheSelectionDeletesTheSelectedRecordsOnly) {
    controller_.GetDataModeController().SetGridModeBufferCount(10);
    controller_.GetDataModeController().SetGridMode(true);
    controller_.SetMultiSelect(true);
    controller_.ClearSelection();
    controller_.ChangeRowSelection(1, true); // 2003002
    query_->MoveBy(100);
    controller_.ChangeRowSelection(controller_.GetFocusedRowIndex(), true);
    std::string far = FocusedIssue();
    controller_.DeleteSelection();
    EXPECT_EQ(controller_.GetSelectedCount(), 0);
    TADOQuery* check = NewQuery({"select count(*) from LotteryIssue where LotteryID=3508 and Issue in ('2003002', '" +
                                 far + "')"});
    check->Open();
    EXPECT_EQ(check->GetFields().GetField(0)->GetAsInteger(), 0);
    query_->Close();
    query_->Open();
    EXPECT_EQ(query_->GetRecordCount(), 3491);
}

// Shift with an arrow key grows or shrinks the range by the one record at its far end: only that
// record is added or dropped. A jump of several records walks the range.
TEST_P(DBGridModeTest, ARangeChangedByOneRecordIsNotWalkedAgain) {
    controller_.GetDataModeController().SetGridMode(true); // rows 0-99 are the first 100 draws
    controller_.SetMultiSelect(true);
    controller_.ClearSelection();
    auto selectedRows = [&] {
        std::vector<int> rows;
        for (int i = 0; i < controller_.GetSelectedCount(); ++i) rows.push_back(controller_.GetSelectedRowIndex(i));
        return rows;
    };
    auto rowsFromTo = [](int from, int to) {
        std::vector<int> rows;
        for (int row = from; row <= to; ++row) rows.push_back(row);
        return rows;
    };
    int scrolls = 0;
    query_->AfterScroll = [&](TDataSet*) { ++scrolls; };
    controller_.SetSelectionAnchor(40);

    struct Step {
        int row, first, last;
        bool walked;
    };
    const Step steps[] = {
        {60, 40, 60, true},   // a jump down from the anchor
        {61, 40, 61, false},  // one more below
        {60, 40, 60, false},  // one less below
        {30, 30, 40, true},   // a jump to the other side of the anchor
        {29, 29, 40, false},  // one more above
        {30, 30, 40, false},  // one less above
        {40, 40, 40, false},  // the anchor alone
        {45, 40, 45, true},   // from the anchor alone, a jump
    };
    for (const Step& step : steps) {
        scrolls = 0;
        controller_.SelectFromAnchor(step.row, false);
        EXPECT_EQ(selectedRows(), rowsFromTo(step.first, step.last)) << "to row " << step.row;
        if (step.walked)
            EXPECT_GT(scrolls, step.last - step.first) << "to row " << step.row;
        else
            EXPECT_LT(scrolls, 5) << "to row " << step.row;
        EXPECT_EQ(controller_.GetSelectionAnchorBookmark(), controller_.GetRowBookmark(40));
    }

    // Keeping the other selected rows always walks: a range one record longer than a selection with a
    // gap in it still selects the whole range.
    controller_.ClearSelection();
    controller_.ChangeRowSelection(40, true);
    controller_.ChangeRowSelection(42, true);
    controller_.SelectFromAnchor(43, true);
    EXPECT_EQ(selectedRows(), rowsFromTo(40, 43));
}

// A key outside the buffer is found in the dataset, whose buffer then holds it focused.
TEST_P(DBGridModeTest, LocatingAKeyOutsideTheBufferMovesTheDataSetThere) {
    controller_.SetKeyFieldNames("Issue");
    controller_.GetDataModeController().SetGridModeBufferCount(20);
    controller_.GetDataModeController().SetGridMode(true);
    ASSERT_TRUE(controller_.LocateByKeyValue(Variant(std::string("2003007"))));
    EXPECT_EQ(DataSetIssue(), "2003007");
    EXPECT_EQ(FocusedIssue(), "2003007");

    ASSERT_TRUE(controller_.LocateByKeyValue(Variant(std::string("2026090"))));
    EXPECT_EQ(DataSetIssue(), "2026090");
    EXPECT_EQ(FocusedIssue(), "2026090");
    EXPECT_EQ(controller_.GetRecordCount(), 20);

    EXPECT_FALSE(controller_.LocateByKeyValue(Variant(std::string("1999001"))));
    EXPECT_EQ(DataSetIssue(), "2026090");
}

// Scrolling the buffer reads it again without running the summaries and their after-summary event
// at every move.
TEST_P(DBGridModeTest, MovingTheBufferLeavesTheSummariesAlone) {
    TObject issueItem;
    TcxDBDataController controller{nullptr};
    controller.AddItem(&issueItem);
    controller.SetItemFieldName(0, "Issue");
    TcxDataSummary& summary = controller.GetSummary();
    summary.FooterSummaryItems().AddLinked(&issueItem, spFooter, "", skCount);
    controller.GetDataModeController().SetGridModeBufferCount(20);
    controller.GetDataModeController().SetGridMode(true);
    controller.SetDataSource(controller_.GetDataSource());
    int afterSummary = 0;
    summary.OnAfterSummary = [&](TcxDataSummary*) { ++afterSummary; };

    query_->Last();
    ASSERT_EQ(VarToStr(controller.GetValue(19, 0)), "2026096");
    query_->First();
    query_->MoveBy(50);
    ASSERT_EQ(VarToStr(controller.GetValue(controller.GetFocusedRecordIndex(), 0)), DataSetIssue());
    EXPECT_EQ(afterSummary, 0);

    controller.Refresh(); // not a buffer move
    EXPECT_EQ(afterSummary, 1);
}

ZORVY_ON_BOTH_ENGINES(DBGridModeTest);

} // namespace
} // namespace zorvy::test
