#include "controls/data/DataController.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

using namespace zorvy;

namespace {

// A controller with items Number (Integer), Name (String) and Amount (Float).
class DataControllerFixture : public ::testing::Test {
  protected:
    DataControllerFixture() : controller_(nullptr) {
        for (auto* type : {&cxIntegerValueType, &cxStringValueType, &cxFloatValueType}) {
            items_.push_back(std::make_unique<TObject>());
            controller_.AddItem(items_.back().get())->ChangeValueType(type);
        }
        controller_.OnUpdateControl = [this](TcxUpdateControlInfo&) { ++notices_; };
        controller_.OnSortingChanged = [this](TObject*) { ++sortingChanged_; };
        controller_.OnGroupingChanged = [this](TObject*) { ++groupingChanged_; };
    }
    // Appends one record per row of values (Null where a row is short).
    void Fill(const std::vector<std::vector<Variant>>& rows) {
        controller_.BeginUpdate();
        for (const auto& row : rows) {
            int r = controller_.AppendRecord();
            for (size_t i = 0; i < row.size(); ++i)
                controller_.SetValue(r, static_cast<int>(i), row[i]);
        }
        controller_.EndUpdate();
    }
    // The record index of every row, -1 for a group row followed by its level.
    std::vector<int> Rows() {
        std::vector<int> rows;
        for (int row = 0; row < controller_.GetRowCount(); ++row) {
            TcxDataRowInfo info = controller_.GetRowInfo(row);
            if (info.Level < controller_.GetGroupingItemCount()) {
                rows.push_back(-1);
                rows.push_back(info.Level);
            } else {
                rows.push_back(info.RecordIndex);
            }
        }
        return rows;
    }

    std::vector<std::unique_ptr<TObject>> items_;
    TcxDataController controller_;
    int notices_ = 0;
    int sortingChanged_ = 0, groupingChanged_ = 0;
};

using V = std::vector<int>;

} // namespace

TEST_F(DataControllerFixture, SortingIsStableAndSecondFieldsBreakTies) {
    Fill({{5, "b"}, {3, "a"}, {5, "a"}});
    EXPECT_EQ(Rows(), (V{0, 1, 2}));
    notices_ = 0;
    controller_.SetItemSortOrder(0, soAscending);
    EXPECT_EQ(Rows(), (V{1, 0, 2}));
    EXPECT_EQ(notices_, 1) << "one layout notice";
    EXPECT_EQ(sortingChanged_, 1);
    controller_.SetItemSortOrder(0, soDescending);
    EXPECT_EQ(Rows(), (V{0, 2, 1})) << "ties keep ascending record order";
    controller_.SetItemSortOrder(1, soAscending);
    EXPECT_EQ(Rows(), (V{2, 0, 1}));
    EXPECT_EQ(controller_.GetItemSortingIndex(1), 1);
    controller_.ClearSorting(false);
    EXPECT_EQ(Rows(), (V{0, 1, 2}));
    EXPECT_EQ(controller_.GetItemSortOrder(0), soNone);
}

// Nulls, NaNs and an order that contradicts itself must never crash or hang a sort.
TEST_F(DataControllerFixture, SortingSurvivesNullsNaNsAndABrokenCompare) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::vector<Variant>> rows;
    for (int i = 0; i < 200; ++i)
        rows.push_back({Variant::Null(), Variant::Null(),
                        i % 3 == 0 ? Variant(nan) : (i % 3 == 1 ? Variant::Null() : Variant(i * 0.5))});
    Fill(rows);
    controller_.SetItemSortOrder(2, soAscending);
    V order = Rows();
    ASSERT_EQ(order.size(), 200u);
    // Nulls first, then NaNs, then numbers, each in record order.
    EXPECT_EQ(order[0], 1);
    EXPECT_EQ(order[66], 199);
    EXPECT_EQ(order[67], 0);
    EXPECT_EQ(order[134], 2);
    EXPECT_EQ(order[199], 197);
    int calls = 0;
    controller_.OnCompare = [&](TcxCustomDataController*, int, int, int, const Variant&, const Variant&,
                                int& compare) {
        compare = ++calls % 2 ? 1 : -1; // answers that contradict each other
    };
    controller_.SetItemSortOrder(0, soAscending);
    V shuffled = Rows();
    std::sort(shuffled.begin(), shuffled.end());
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(shuffled[static_cast<size_t>(i)], i) << "every record is still listed once";
}

TEST_F(DataControllerFixture, CaseInsensitiveStringSorting) {
    Fill({{1, "b"}, {2, "B"}, {3, "a"}, {4, "A"}});
    controller_.SetItemSortOrder(1, soAscending);
    EXPECT_EQ(Rows(), (V{3, 1, 2, 0})) << "byte order: upper case first";
    controller_.SetOptions(controller_.GetOptions() | dcoCaseInsensitive);
    EXPECT_EQ(Rows(), (V{2, 3, 0, 1}));
}

TEST_F(DataControllerFixture, GroupingBuildsTheTreeAndExpandingMovesRows) {
    Fill({{1, "A", 1.0}, {2, "B", 1.0}, {3, "A", 2.0}, {4, "B", 1.0}, {5, "A", 1.0}});
    controller_.ChangeItemGroupIndex(1, 0);
    EXPECT_EQ(groupingChanged_, 1);
    EXPECT_EQ(Rows(), (V{-1, 0, -1, 0})) << "two collapsed groups";
    controller_.ChangeExpanding(0, true, false);
    EXPECT_EQ(Rows(), (V{-1, 0, 0, 2, 4, -1, 0}));
    controller_.ChangeExpanding(4, true, false);
    EXPECT_EQ(Rows(), (V{-1, 0, 0, 2, 4, -1, 0, 1, 3}));
    // A second level: within A, Amount 1 (records 0, 4) and 2 (record 2).
    controller_.ChangeItemGroupIndex(2, 1);
    controller_.FullExpand();
    EXPECT_EQ(Rows(), (V{-1, 0, -1, 1, 0, 4, -1, 1, 2, -1, 0, -1, 1, 1, 3}));
    const TcxDataGroups& groups = controller_.GetDataControllerInfo().GetGroups();
    EXPECT_EQ(groups.GetCount(), 5);
    EXPECT_EQ(groups.GetItem(3)->RowIndex, 6) << "B";
    controller_.ChangeExpanding(1, false, false);
    EXPECT_EQ(Rows(), (V{-1, 0, -1, 1, -1, 1, 2, -1, 0, -1, 1, 1, 3}));
    controller_.FullCollapse();
    EXPECT_EQ(controller_.GetRowCount(), 2);
    controller_.ClearGrouping();
    EXPECT_EQ(Rows(), (V{0, 1, 2, 3, 4}));
    EXPECT_THROW(controller_.GetRowInfo(5), EcxInvalidDataControllerOperation);
}

TEST_F(DataControllerFixture, FocusFollowsItsRecordThroughSortsAndGroups) {
    Fill({{7, "x"}, {3, "y"}, {5, "x"}, {1, "y"}});
    controller_.SetFocusedRowIndex(2);
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 2);
    controller_.SetItemSortOrder(0, soAscending);
    EXPECT_EQ(controller_.GetFocusedRowIndex(), 2) << "1, 3, 5, 7: record 2 holds 5";
    controller_.SetItemSortOrder(0, soDescending);
    EXPECT_EQ(controller_.GetFocusedRowIndex(), 1);
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 2);
    // Grouped and collapsed: the focused data row's group opens so it can stay focused.
    controller_.ChangeItemGroupIndex(1, 0);
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 2);
    EXPECT_EQ(controller_.GetRowInfo(controller_.GetFocusedRowIndex()).Level, 1);
    EXPECT_EQ(Rows(), (V{-1, 0, 0, 2, -1, 0}));
    // Collapsing the group moves the focus to the group row.
    controller_.ChangeExpanding(0, false, false);
    EXPECT_EQ(controller_.GetFocusedRowIndex(), 0);
    controller_.SetFocusedRecordIndex(3);
    EXPECT_EQ(Rows(), (V{-1, 0, -1, 0, 1, 3}));
    EXPECT_EQ(controller_.GetFocusedRowIndex(), 3);
}

TEST_F(DataControllerFixture, ANewOrderFocusesTheTopRowUnlessAControlHandlerSorts) {
    controller_.SetMultiSelect(true);
    controller_.SetOptions(controller_.GetOptions() | dcoFocusTopRowAfterSorting);
    Fill({{5}, {3}, {9}, {1}});
    controller_.SetFocusedRowIndex(2);
    controller_.ChangeRowSelection(1, true);
    controller_.SetItemSortOrder(0, soAscending);
    EXPECT_EQ(Rows(), (V{3, 1, 0, 2}));
    EXPECT_EQ(controller_.GetFocusedRowIndex(), 0);
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 3);
    EXPECT_EQ(controller_.GetSelectedCount(), 0);

    // A handler that re-sorts while it hears of the focus: the focus stays on its record.
    bool sortOnNotice = true;
    controller_.OnUpdateControl = [&](TcxUpdateControlInfo&) {
        if (std::exchange(sortOnNotice, false)) controller_.SetItemSortOrder(0, soDescending);
    };
    controller_.SetFocusedRowIndex(1);
    EXPECT_FALSE(sortOnNotice);
    EXPECT_EQ(Rows(), (V{2, 0, 1, 3}));
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 1);
    EXPECT_EQ(controller_.GetFocusedRowIndex(), 2);
}

TEST_F(DataControllerFixture, ExpansionAndSelectionSurviveARefresh) {
    controller_.SetMultiSelect(true);
    Fill({{1, "A"}, {2, "B"}, {3, "C"}, {4, "B"}});
    controller_.ChangeItemGroupIndex(1, 0);
    controller_.ChangeExpanding(1, true, false); // B
    EXPECT_EQ(Rows(), (V{-1, 0, -1, 0, 1, 3, -1, 0}));
    controller_.ChangeRowSelection(2, true); // rows: A, B, records 1 and 3, C
    controller_.ChangeRowSelection(3, true);
    controller_.ChangeRowSelection(0, true); // the group row A
    EXPECT_EQ(controller_.GetSelectedCount(), 3);
    // New records before B's: B moves down, stays open; the same records stay selected.
    controller_.BeginUpdate();
    int r = controller_.InsertRecord(0);
    controller_.SetValue(r, 1, "A");
    controller_.SetValue(controller_.AppendRecord(), 1, "AA");
    controller_.EndUpdate();
    EXPECT_EQ(Rows(), (V{-1, 0, -1, 0, -1, 0, 2, 4, -1, 0}));
    EXPECT_EQ(controller_.GetSelectedCount(), 3);
    EXPECT_TRUE(controller_.IsRowSelected(0)) << "group A";
    EXPECT_TRUE(controller_.IsRowSelected(3)) << "record 2 (was 1)";
    EXPECT_TRUE(controller_.IsRowSelected(4)) << "record 4 (was 3)";
    EXPECT_FALSE(controller_.IsRowSelected(2));
    // Other grouping levels drop the selection; re-sorting keeps it on its records.
    controller_.ClearGrouping();
    EXPECT_EQ(controller_.GetSelectedCount(), 0);
    controller_.ChangeRowSelection(2, true);
    controller_.ChangeRowSelection(4, true);
    controller_.SetItemSortOrder(1, soDescending);
    EXPECT_EQ(Rows(), (V{3, 2, 4, 5, 0, 1}));
    EXPECT_TRUE(controller_.IsRowSelected(1));
    EXPECT_TRUE(controller_.IsRowSelected(2));
    EXPECT_EQ(controller_.GetSelectedCount(), 2);
}

TEST_F(DataControllerFixture, IndexChecksAndItems) {
    Fill({{1}, {2}});
    EXPECT_THROW(controller_.GetValue(2, 0), EcxInvalidDataControllerOperation);
    EXPECT_THROW(controller_.GetValue(-1, 0), EcxInvalidDataControllerOperation);
    EXPECT_THROW(controller_.GetValue(0, 3), EcxInvalidDataControllerOperation);
    try {
        controller_.SetValue(5, 0, 1);
        FAIL();
    } catch (const EcxInvalidDataControllerOperation& e) {
        EXPECT_EQ(e.Message(), "RecordIndex out of range");
    }
    EXPECT_EQ(controller_.InsertRecord(2), 2);
    EXPECT_THROW(controller_.InsertRecord(4), EcxInvalidDataControllerOperation);
    EXPECT_THROW(controller_.AddItem(items_[0].get()), EcxInvalidDataControllerOperation);
    controller_.AddItem(nullptr);
    controller_.AddItem(nullptr);
    EXPECT_EQ(controller_.GetItemCount(), 5);
    controller_.AddInternalField();
    EXPECT_EQ(controller_.GetItemCount(), 5);
    TObject extra;
    TcxCustomDataField* late = controller_.AddItem(&extra);
    EXPECT_EQ(late->GetIndex(), 5) << "external fields come before internal ones";
    notices_ = 0;
    controller_.SetOptions(controller_.GetOptions());
    EXPECT_EQ(notices_, 0) << "an equal set does not refresh";
    controller_.SetRecordCount(1);
    EXPECT_EQ(controller_.GetRowCount(), 1);
}

TEST_F(DataControllerFixture, FieldsShareAndHandOverTheirData) {
    Fill({{10, "x"}});
    TcxCustomDataField* a = controller_.GetItemField(0);
    TcxCustomDataField* b = controller_.AddItem(nullptr);
    TcxCustomDataField* c = controller_.AddItem(nullptr);
    b->ReferTo(a);
    c->ReferTo(b);
    EXPECT_EQ(c->GetReferenceField(), a) << "references go to the end of the chain";
    a->ReferTo(c);
    EXPECT_EQ(a->GetReferenceField(), nullptr) << "no cycles";
    EXPECT_EQ(controller_.GetValue(0, 4).AsInteger(), 10);
    // Removing the field two others refer to: the first takes the data, the second refers to it.
    controller_.RemoveItem(items_[0].get());
    EXPECT_EQ(b->GetReferenceField(), nullptr);
    EXPECT_EQ(c->GetReferenceField(), b);
    EXPECT_EQ(controller_.GetValue(0, b->GetIndex()).AsInteger(), 10);
    // Changing a field's type discards its values.
    controller_.ChangeValueTypeClass(b->GetIndex(), &cxLargeIntValueType);
    EXPECT_TRUE(controller_.GetValue(0, b->GetIndex()).IsNull());
    EXPECT_EQ(controller_.GetValue(0, 0).RawString(), "x");
}

TEST_F(DataControllerFixture, AnUntouchedAppendIsCancelledOnPost) {
    Fill({{1}, {2}});
    int posts = 0, cancels = 0;
    controller_.OnAfterPost = [&](TcxCustomDataController*) { ++posts; };
    controller_.OnAfterCancel = [&](TcxCustomDataController*) { ++cancels; };
    controller_.Append();
    EXPECT_EQ(controller_.GetRecordCount(), 3);
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 2);
    controller_.Post();
    EXPECT_EQ(controller_.GetRecordCount(), 2);
    EXPECT_EQ(posts, 0);
    EXPECT_EQ(cancels, 1);
    EXPECT_FALSE(controller_.IsEditing());
    // A touched append posts.
    controller_.Append();
    controller_.SetEditValue(0, 9, 0);
    controller_.Post();
    EXPECT_EQ(controller_.GetRecordCount(), 3);
    EXPECT_EQ(controller_.GetValue(2, 0).AsInteger(), 9);
    EXPECT_EQ(posts, 1);
}

TEST_F(DataControllerFixture, EditingKeepsTheRecordInPlaceAndCancelRestoresIt) {
    Fill({{1, "a"}, {2, "b"}, {3, "c"}});
    controller_.SetItemSortOrder(0, soAscending);
    controller_.SetFocusedRowIndex(0);
    controller_.Edit();
    controller_.SetEditValue(0, 10, 0);
    EXPECT_EQ(Rows(), (V{0, 1, 2})) << "the edited record stays before its next row until the edit ends";
    controller_.Cancel();
    EXPECT_EQ(controller_.GetValue(0, 0).AsInteger(), 1);
    EXPECT_EQ(Rows(), (V{0, 1, 2}));
    controller_.Edit();
    controller_.SetEditValue(1, "", 1);
    EXPECT_TRUE(controller_.GetValue(0, 1).IsNull()) << "an empty typed text is stored as Null";
    controller_.SetEditValue(0, 10, 0);
    controller_.Post();
    EXPECT_EQ(Rows(), (V{1, 2, 0}));
    EXPECT_EQ(controller_.GetFocusedRowIndex(), 2);
    // Inserting before the focused record: the new record is the editing record.
    controller_.SetFocusedRowIndex(0); // record 1
    controller_.Insert();
    EXPECT_EQ(controller_.GetEditingRecordIndex(), 1);
    EXPECT_EQ(controller_.GetProvider().GetNextAnchor(), 2);
    controller_.Cancel();
    EXPECT_EQ(controller_.GetRecordCount(), 3);
}

TEST_F(DataControllerFixture, OneUpdatePerBatchAndGroupsAlwaysExpanded) {
    Fill({{1, "A"}, {2, "B"}, {3, "A"}});
    controller_.SetItemSortOrder(1, soAscending);
    int updates = 0;
    controller_.OnDataChanged = [&](TObject*) { ++updates; };
    TcxCustomDataControllerInfo& info = controller_.GetDataControllerInfo();
    info.LockRecalculation();
    controller_.ChangeItemGroupIndex(1, 0);
    controller_.SetValue(0, 0, 10);
    controller_.SetValue(1, 0, 20);
    EXPECT_EQ(updates, 0);
    info.UnlockRecalculation();
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(controller_.GetRowCount(), 2) << "A with two records, B with one, both collapsed";
    EXPECT_EQ(info.GetGroups().GetChildCount(0), 2);
    EXPECT_THROW(controller_.GetRowInfo(2), EcxInvalidDataControllerOperation);
    controller_.SetOptions(controller_.GetOptions() | dcoGroupsAlwaysExpanded);
    EXPECT_EQ(Rows(), (V{-1, 0, 0, 2, -1, 0, 1}));
    controller_.FullCollapse();
    EXPECT_EQ(controller_.GetRowCount(), 5) << "always expanded groups do not collapse";
}

TEST_F(DataControllerFixture, EditValuesAndReaderSkippedDefinitions) {
    Fill({{1}, {2}});
    EXPECT_THROW(controller_.GetEditValue(0), EcxInvalidDataControllerOperation) << "nothing is being edited";
    controller_.SetFocusedRowIndex(1);
    EXPECT_TRUE(controller_.GetProvider().CanInitEditing(1));
    EXPECT_TRUE(controller_.GetProvider().IsChanging());
    EXPECT_EQ(controller_.GetEditValue(0).AsInteger(), 2);
    EXPECT_THROW(controller_.GetProvider().CanInitEditing(2), EcxInvalidDataControllerOperation);
    controller_.Cancel();
    TcxCustomDataField* internal = controller_.AddInternalField();
    internal->ChangeValueType(&cxIntegerValueType);
    EXPECT_TRUE(IsDefinitionSkippedByReaders(internal->ValueDefinition()));
    EXPECT_FALSE(IsDefinitionSkippedByReaders(controller_.GetItemField(0)->ValueDefinition()));
    EXPECT_LT(CompareValueDefsByFieldIndex(controller_.GetItemField(0)->ValueDefinition(),
                                           controller_.GetItemField(2)->ValueDefinition()),
              0);
}

TEST_F(DataControllerFixture, FilteringKeepsOrMovesTheFocus) {
    Fill({{1}, {2}, {3}, {4}});
    controller_.SetFocusedRowIndex(2); // record 2
    controller_.SetOnFilterRecord(
        [](TcxCustomDataController*, int record, bool& accept) { accept = record != 0; });
    EXPECT_EQ(Rows(), (V{1, 2, 3}));
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 2) << "the focused record stays focused on its new row";
    EXPECT_EQ(controller_.GetFocusedRowIndex(), 1);
    controller_.SetOnFilterRecord(
        [](TcxCustomDataController*, int record, bool& accept) { accept = record != 2; });
    EXPECT_EQ(controller_.GetFocusedRowIndex(), 0)
        << "the focused record went: the first row takes the focus";
    EXPECT_EQ(controller_.GetFocusedRecordIndex(), 0);
    // A filter change ends a pending edit first.
    controller_.SetFocusedRowIndex(1);
    controller_.Edit();
    ASSERT_TRUE(controller_.IsEditing());
    controller_.SetOnFilterRecord([](TcxCustomDataController*, int, bool& accept) { accept = false; });
    EXPECT_FALSE(controller_.IsEditing());
    EXPECT_EQ(controller_.GetRowCount(), 0);
}

TEST_F(DataControllerFixture, FilteredOutRecordsLeaveTheSelectionAndTheAnchorWithThem) {
    controller_.SetMultiSelect(true);
    Fill({{1}, {2}, {3}, {4}, {5}, {6}});
    for (int row : {0, 1, 2, 4, 5}) controller_.ChangeRowSelection(row, true);
    controller_.SetSelectionAnchor(1);
    controller_.SetOnFilterRecord(
        [](TcxCustomDataController*, int record, bool& accept) { accept = record % 2 == 0; });
    EXPECT_EQ(Rows(), (V{0, 2, 4}));
    EXPECT_EQ(controller_.GetSelectedCount(), 3) << "records 0, 2 and 4 stay selected";
    for (int row : {0, 1, 2}) EXPECT_TRUE(controller_.IsRowSelected(row)) << row;
    EXPECT_FALSE(controller_.HasSelectionAnchor()) << "the anchor's record was filtered out";

    // Records filtered back in come back unselected; record 4 goes.
    controller_.SetOnFilterRecord([](TcxCustomDataController*, int record, bool& accept) { accept = record < 4; });
    EXPECT_EQ(Rows(), (V{0, 1, 2, 3}));
    EXPECT_EQ(controller_.GetSelectedCount(), 2);
    EXPECT_TRUE(controller_.IsRowSelected(0));
    EXPECT_TRUE(controller_.IsRowSelected(2));
}

TEST_F(DataControllerFixture, ItemIndexesFollowTheViewsOrder) {
    // A view that shows its items in reverse order.
    TObject a, b, c;
    struct Reversed : TcxDataController {
        using TcxDataController::TcxDataController;
        std::vector<TObject*> Shown;
        TObject* GetItem(int index) const override { return Shown.at(static_cast<size_t>(index)); }
    };
    Reversed view(nullptr);
    view.Shown = {&c, &b, &a};
    for (TObject* item : {&a, &b, &c})
        view.AddItem(item);
    view.UpdateItemIndexes();
    EXPECT_EQ(view.GetFields().GetItem(0)->GetItem(), &c);
    EXPECT_EQ(view.GetFields().GetItem(2)->GetItem(), &a);
}

TEST_F(DataControllerFixture, SortingIndexesMoveEntriesWithinTheList) {
    Fill({{2, "b", 1.0}, {1, "b", 2.0}, {2, "a", 3.0}});
    controller_.SetItemSortOrder(0, soAscending);
    controller_.SetItemSortOrder(1, soDescending);
    EXPECT_EQ(Rows(), (V{1, 0, 2}));
    sortingChanged_ = 0;
    controller_.ChangeItemSortingIndex(1, 9); // beyond the last entry: the last position
    EXPECT_EQ(controller_.GetItemSortingIndex(1), 1);
    EXPECT_EQ(sortingChanged_, 0) << "already there";
    controller_.ChangeItemSortingIndex(1, 0);
    EXPECT_EQ(controller_.GetSortingItemIndex(0), 1);
    EXPECT_EQ(Rows(), (V{1, 0, 2})) << "name descending first, then number";
    EXPECT_EQ(sortingChanged_, 1);
    controller_.ChangeItemSortingIndex(2, 0); // unsorted: nothing to move
    EXPECT_EQ(controller_.GetSortingItemCount(), 2);
    controller_.ChangeItemGroupIndex(0, 0);
    controller_.ClearSorting(true);
    EXPECT_EQ(controller_.GetItemSortOrder(0), soAscending) << "a grouped item reads its grouping order";
    EXPECT_THROW(controller_.SetSortingBySummaryItemIndex(7), EcxInvalidDataControllerOperation);
    controller_.SetSortingBySummaryItemIndex(2);
    EXPECT_EQ(controller_.GetSortingBySummaryItemIndex(), 2);
}
