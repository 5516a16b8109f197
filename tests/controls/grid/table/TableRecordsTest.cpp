// Records made on demand per row, thrown away by a refresh, their keys, and the record changes
// that repaint them.
#include "tests/controls/grid/table/TableFixture.h"

namespace zorvy::test {
namespace {

constexpr std::uint16_t KeyEnter = 13;
constexpr std::uint16_t KeyAdd = 107;

// Counts the record changes that reached it.
class TCountingRecordViewInfo : public TcxCustomGridRecordViewInfo {
  public:
    using TcxCustomGridRecordViewInfo::TcxCustomGridRecordViewInfo;
    void Recalculate() override { ++Recalculations; }
    int Recalculations = 0;
};

class TableRecords : public TableTest {
  protected:
    TableRecords() {
        view->AddTestItem("Ball");
        view->AddTestItem("Colour");
        Fill({{"1", "red"}, {"2", "blue"}, {"3", "red"}});
    }
    TcxCustomGridTableViewData* ViewData() const { return view->GetViewData(); }
};

TEST_F(TableRecords, RecordsAreMadeOnlyWhenAskedFor) {
    ASSERT_EQ(ViewData()->GetRecordCount(), 3);
    EXPECT_EQ(ViewData()->FindRecord(1), nullptr) << "nothing made yet";
    TcxCustomGridRecord* record = ViewData()->GetRecord(1);
    EXPECT_EQ(ViewData()->FindRecord(1), record);
    EXPECT_EQ(ViewData()->GetRecord(1), record) << "made once";
    EXPECT_EQ(record->GetDisplayText(1), "blue");
    EXPECT_FALSE(record->IsFirst());
    EXPECT_TRUE(ViewData()->GetRecord(2)->IsLast());
    EXPECT_EQ(ViewData()->FindRecord(-1), nullptr);
    EXPECT_EQ(ViewData()->FindRecord(3), nullptr);
    EXPECT_THROW(ViewData()->GetRecord(3), EListError);
    EXPECT_THROW(view->GetItem(2), EListError);
    EXPECT_EQ(ViewData()->GetRecordByRecordIndex(2), ViewData()->GetRecord(2));
    EXPECT_EQ(ViewData()->GetRecordByRecordIndex(7), nullptr);
}

TEST_F(TableRecords, ARefreshThrowsRecordsAway) {
    ViewData()->GetRecord(0);
    Fill({{"9", "green"}});
    ASSERT_EQ(ViewData()->GetRecordCount(), 1);
    EXPECT_EQ(ViewData()->FindRecord(0), nullptr) << "the old record is gone";
    EXPECT_EQ(ViewData()->GetRecord(0)->GetDisplayText(1), "green");
    Fill({});
    EXPECT_EQ(ViewData()->GetRecordCount(), 0);
    EXPECT_EQ(ViewData()->FindRecord(0), nullptr);
}

TEST_F(TableRecords, GroupRowsAndTheirParents) {
    view->GetItem(1)->SetGroupIndex(0);
    Data()->FullExpand();
    // blue: 2; red: 1, 3
    ASSERT_EQ(ViewData()->GetRecordCount(), 5);
    TcxCustomGridRecord* group = ViewData()->GetRecord(2);
    EXPECT_TRUE(group->CanExpand());
    EXPECT_EQ(group->GetLevel(), 0);
    EXPECT_EQ(group->GetParentRecord(), nullptr) << "level 0 of a master view";
    TcxCustomGridRecord* row = ViewData()->GetRecord(4);
    EXPECT_EQ(row->GetLevel(), 1);
    EXPECT_EQ(row->GetParentRecord(), group);
    EXPECT_EQ(row->GetValue(1).AsString(), "red");
    EXPECT_TRUE(row->IsLastInLevel(0));
    EXPECT_EQ(row->GetLastParentLevelCount(), 1);
    EXPECT_EQ(group->GetValue(0).AsString(), "red") << "a group row gives its grouping value";
}

TEST_F(TableRecords, KeypadPlusExpandsAGroupAndSwallowsTheCharacter) {
    view->GetItem(1)->SetGroupIndex(0);
    Data()->FullCollapse();
    ASSERT_EQ(ViewData()->GetRecordCount(), 2);
    TcxCustomGridRecord* group = ViewData()->GetRecord(0);
    std::uint16_t key = KeyAdd;
    group->KeyDown(key, 0);
    EXPECT_EQ(key, 0) << "consumed";
    EXPECT_EQ(ViewData()->GetRecordCount(), 3) << "expanded";
    EXPECT_TRUE(view->GetController()->EatSwallowedChar()) << "the '+' goes nowhere";
    EXPECT_FALSE(view->GetController()->EatSwallowedChar()) << "only one character";

    TcxCustomGridRecord* row = ViewData()->GetRecord(1);
    key = KeyAdd;
    row->KeyDown(key, 0);
    EXPECT_EQ(key, KeyAdd) << "a data row does nothing";
    EXPECT_FALSE(view->GetController()->EatSwallowedChar());
}

TEST_F(TableRecords, EnterStartsEditingWithShiftButNotWithCtrl) {
    view->GetController()->SetFocusedRowIndex(0);
    TcxCustomGridRecord* record = ViewData()->GetRecord(0);
    ASSERT_NE(view->GetController()->GetFocusedItem(), nullptr);
    const struct {
        TShiftState shift;
        bool edits;
    } cases[] = {{ssCtrl, false}, {ssCtrl | ssShift, false}, {ssShift, true}, {0, true}};
    for (const auto& c : cases) {
        view->GetController()->SetEditingItem(nullptr);
        std::uint16_t key = KeyEnter;
        record->KeyDown(key, c.shift);
        EXPECT_EQ(view->GetController()->IsEditing(), c.edits) << c.shift;
        EXPECT_EQ(key, c.edits ? 0 : KeyEnter) << c.shift;
    }
    // OnEditing refuses.
    view->GetController()->SetEditingItem(nullptr);
    view->OnEditing = [](TcxCustomGridTableView*, TcxCustomGridTableItem*, bool& allow) { allow = false; };
    std::uint16_t key = KeyEnter;
    record->KeyDown(key, 0);
    EXPECT_FALSE(view->GetController()->IsEditing());
    EXPECT_EQ(key, KeyEnter);
}

TEST_F(TableRecords, TwoChangesOfOneCellUnderOneLockRepaintOnce) {
    TcxCustomGridRecord* record = ViewData()->GetRecord(1);
    TCountingRecordViewInfo laidOut(nullptr, record);
    laidOut.SetBounds(Rect(0, 20, 100, 40));
    TTestPainter* painter = view->Paint();
    painter->Rects.clear();
    grid->BeginUpdate();
    record->Invalidate(view->GetItem(1));
    record->Invalidate(view->GetItem(1));
    grid->EndUpdate();
    EXPECT_EQ(laidOut.Recalculations, 1);
    EXPECT_EQ(painter->Rects.size(), 1u);
    grid->BeginUpdate();
    record->Invalidate(view->GetItem(1));
    record->Invalidate(view->GetItem(0));
    grid->EndUpdate();
    EXPECT_EQ(laidOut.Recalculations, 3) << "another item is another change";
    laidOut.Recalculations = 0;

    // A relayout of the view in the same batch makes them unnecessary.
    painter->Rects.clear();
    grid->BeginUpdate();
    record->Invalidate(view->GetItem(1));
    view->LayoutChanged();
    record->Invalidate();
    grid->EndUpdate();
    EXPECT_EQ(laidOut.Recalculations, 0);
}

TEST_F(TableRecords, AQueuedChangeOutlivesNoRecord) {
    TcxCustomGridRecord* record = ViewData()->GetRecord(1);
    auto* laidOut = new TcxCustomGridRecordViewInfo(nullptr, record);
    laidOut->SetBounds(Rect(0, 20, 100, 40));
    view->Paint()->Rects.clear();
    grid->BeginUpdate();
    record->Invalidate();
    // The refresh frees the record while its change waits.
    ViewData()->Refresh(Data()->GetRowCount());
    EXPECT_EQ(laidOut->GetGridRecord(), nullptr) << "the record cleared its view info's link";
    grid->EndUpdate();
    EXPECT_TRUE(view->Paint()->Rects.empty());
    delete laidOut;

    // Also when no size change of the view reaches the queue.
    record = ViewData()->GetRecord(1);
    laidOut = new TcxCustomGridRecordViewInfo(nullptr, record);
    grid->BeginUpdate();
    record->Invalidate();
    grid->DropViewChanges(nullptr);
    delete laidOut;
    ViewData()->Refresh(Data()->GetRowCount());
    grid->EndUpdate();
    EXPECT_TRUE(view->Paint()->Rects.empty());
}

TEST_F(TableRecords, FocusedRecordChangesReachTheEvent) {
    std::vector<std::pair<int, int>> moves;
    view->OnFocusedRecordChanged = [&](TcxCustomGridTableView*, TcxCustomGridRecord* prev, TcxCustomGridRecord* focused,
                                       bool) { moves.emplace_back(prev ? prev->GetIndex() : -1, focused ? focused->GetIndex() : -1); };
    view->GetController()->SetFocusedRowIndex(0);
    view->GetController()->SetFocusedRowIndex(2);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), std::make_pair(0, 2));
    EXPECT_TRUE(ViewData()->GetRecord(2)->GetFocused());
    EXPECT_TRUE(view->GetController()->IsAtLastRecord());
}

} // namespace
} // namespace zorvy::test
