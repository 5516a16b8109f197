#include "controls/data/DataController.h"
#include "controls/data/DataGroups.h"

#include "controls/data/SortingFields.h"

#include <gtest/gtest.h>

using namespace zorvy;

namespace {

// Stand-ins for data fields: the lists only compare their addresses.
TcxCustomDataField* FieldAt(int n) {
    return reinterpret_cast<TcxCustomDataField*>(static_cast<intptr_t>(0x1000 + 16 * n));
}

TcxDataGroupInfo* Add(TcxDataGroups& groups, int level, int begin, int end, bool expanded, int row = 0) {
    TcxDataGroupInfo* g = groups.AddItem();
    g->Level = level;
    g->BeginIndex = begin;
    g->EndIndex = end;
    g->Expanded = expanded;
    g->RowIndex = row;
    return g;
}

} // namespace

TEST(DataGroups, OneLevelRowsFollowTheExpandedGroups) {
    TcxDataGroups groups;
    groups.AddLevelField(FieldAt(0));
    Add(groups, 0, 0, 2, true);
    Add(groups, 0, 3, 4, false);
    groups.RebuildRowIndexes();
    EXPECT_EQ(groups.GetRowCount(), 5);
    TcxDataGroupInfo* group;
    EXPECT_EQ(groups.FindByRow(4, group), 1);
    EXPECT_EQ(groups.FindByRow(0, group), 0);
    TcxDataRowInfo data = groups.GetRowInfo(2);
    EXPECT_EQ(data.Level, 1);
    EXPECT_FALSE(data.Expanded);
    EXPECT_EQ(data.RecordIndex, 1);
    TcxDataRowInfo b = groups.GetRowInfo(4);
    EXPECT_EQ(b.Level, 0);
    EXPECT_EQ(b.RecordIndex, 3);
    EXPECT_EQ(groups.GetChildCount(0), 3);
    EXPECT_EQ(groups.GetChildRecordListIndex(1, 1), 4);
    EXPECT_EQ(groups.GetChildRecordListIndex(1, 2), -1);
    EXPECT_EQ(groups.GetIndexByRow(3), 0);
    groups.SetRowExpanded(4, true, false);
    EXPECT_EQ(groups.GetRowCount(), 7);
    groups.SetRowExpanded(1, false, false); // a data row: nothing
    EXPECT_EQ(groups.GetRowCount(), 7);
}

// Two levels: A (A1: records 0..1, A2: 2) and B (B1: 3..5).
TEST(DataGroups, TwoLevelsCollapseIntoTheirTopGroups) {
    TcxDataGroups groups;
    groups.AddLevelField(FieldAt(0));
    groups.AddLevelField(FieldAt(1));
    Add(groups, 0, 1, 2, false, 0); // A
    Add(groups, 1, 0, 1, false, 0); // A1
    Add(groups, 1, 2, 2, false, 0); // A2
    Add(groups, 0, 4, 4, false, 1); // B
    Add(groups, 1, 3, 5, false, 1); // B1
    groups.RebuildRowIndexes();
    const int collapsedRows[] = {0, 0, 0, 1, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(groups.GetItem(i)->RowIndex, collapsedRows[i]) << i;
    EXPECT_EQ(groups.GetRowCount(), 2);
    EXPECT_EQ(groups.GetTopCount(), 2);
    EXPECT_EQ(groups.GetChildGroupIndex(0, 1), 2);
    EXPECT_EQ(groups.GetChildGroupIndex(0, 2), -1);
    EXPECT_EQ(groups.GetTopGroupIndex(1), 3);
    EXPECT_EQ(groups.GetFirstRecordListIndex(3), 3);
    EXPECT_FALSE(groups.IsItemShown(1));
    EXPECT_TRUE(groups.IsItemShown(3));

    // Expanding A shows its children only; their data rows stay hidden.
    groups.SetRowExpanded(0, true, false);
    EXPECT_EQ(groups.GetRowCount(), 4); // A, A1, A2, B
    EXPECT_EQ(groups.GetItem(4)->RowIndex, 3);
    EXPECT_EQ(groups.GetIndexByRowAndLevel(2, 1), 2);
    // Expanding A1 inserts its two data rows.
    groups.SetRowExpanded(1, true, false);
    EXPECT_EQ(groups.GetRowCount(), 6);
    EXPECT_EQ(groups.GetRowInfo(3).RecordIndex, 1);
    EXPECT_EQ(groups.GetRowInfo(3).Level, 2);
    EXPECT_EQ(groups.GetIndexByRowAndLevel(3, 0), 0);
    EXPECT_EQ(groups.FindGroupOfRecordListIndex(4, 0), 3);
    EXPECT_EQ(groups.FindGroupOfRecordListIndex(2, 1), 2);
    // Making B1 visible expands B.
    EXPECT_TRUE(groups.MakeItemVisible(4, true));
    EXPECT_FALSE(groups.MakeItemVisible(4, true));
    EXPECT_EQ(groups.GetRowCount(), 6 + 1 + 3);
    groups.SetRowExpanded(0, false, true);
    EXPECT_FALSE(groups.GetItem(1)->Expanded);
    EXPECT_EQ(groups.GetRowCount(), 1 + 1 + 1 + 3);
    groups.SetAllExpanded(false);
    EXPECT_EQ(groups.GetRowCount(), 2);
}

TEST(DataGroups, SortingAndGroupingLists) {
    int changes = 0;
    TcxSortingFieldList sorting;
    sorting.OnChanged = [&] { ++changes; };
    sorting.SetFieldOrder(FieldAt(0), soAscending);
    sorting.SetFieldOrder(FieldAt(1), soDescending);
    sorting.SetFieldOrder(FieldAt(2), soAscending);
    sorting.SetFieldOrder(FieldAt(2), soAscending); // unchanged: no notice
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(sorting.OrderOfField(FieldAt(1)), soDescending);
    EXPECT_EQ(sorting.OrderOfField(FieldAt(5)), soNone);
    sorting.MoveEntry(2, 0);
    EXPECT_EQ(sorting.GetItem(0).Field, FieldAt(2));
    changes = 0;
    sorting.Clear();
    EXPECT_EQ(changes, 3);

    TcxGroupingFieldList grouping;
    grouping.SetFieldGroupIndex(FieldAt(0), 0);
    grouping.SetFieldGroupIndex(FieldAt(1), 7); // beyond the count: appended
    grouping.SetFieldGroupIndex(FieldAt(2), 1);
    EXPECT_EQ(grouping.GroupIndexOf(FieldAt(1)), 2);
    grouping.SetFieldGroupIndex(FieldAt(0), 9); // moved to the end
    EXPECT_EQ(grouping.GroupIndexOf(FieldAt(0)), 2);
    grouping.SetFieldOrder(FieldAt(0), soNone);
    EXPECT_EQ(grouping.OrderOfField(FieldAt(0)), soAscending);
    sorting.Add(FieldAt(2), soDescending);
    grouping.SyncOrders(sorting);
    EXPECT_EQ(grouping.OrderOfField(FieldAt(2)), soDescending);
    EXPECT_EQ(grouping.OrderOfField(FieldAt(1)), soAscending);
    grouping.SetFieldGroupIndex(FieldAt(2), -1);
    EXPECT_EQ(grouping.GetCount(), 2);
    TcxSortingFieldList total;
    total.AppendMissing(grouping);
    total.AppendMissing(sorting);
    EXPECT_EQ(total.GetCount(), 3);
    EXPECT_EQ(total.GetItem(2).Field, FieldAt(2));
}

TEST(DataControllerGroupAccess, LevelsChildrenAndRecordsOfGroups) {
    TObject name, day;
    TcxDataController dc(nullptr);
    dc.AddItem(&name)->ChangeValueType(&cxStringValueType);
    dc.AddItem(&day)->ChangeValueType(&cxIntegerValueType);
    const std::pair<const char*, int> rows[] = {{"b", 1}, {"a", 2}, {"b", 1}, {"a", 1}, {"b", 2}};
    for (const auto& [n, d] : rows) {
        int r = dc.AppendRecord();
        dc.SetValue(r, 0, n);
        dc.SetValue(r, 1, d);
    }
    TcxDataControllerGroups& groups = dc.GetGroups();
    groups.ChangeItemGroupLevel(0, 0);
    groups.ChangeItemGroupLevel(1, 1);
    EXPECT_EQ(groups.GetLevelCount(), 2);
    EXPECT_EQ(groups.LevelItemIndex(1), 1);
    EXPECT_EQ(groups.ItemGroupLevel(1), 1);
    EXPECT_THROW(groups.ItemGroupLevel(2), EcxInvalidDataControllerOperation);
    groups.ExpandAll();
    // Rows: a (0), a/1 (1), record 3 (2), a/2 (3), record 1 (4), b (5), b/1 (6), records 0, 2
    // (7, 8), b/2 (9), record 4 (10).
    int b = groups.GroupIndexOfRow(5);
    EXPECT_EQ(groups.GroupLevel(b), 0);
    EXPECT_EQ(groups.GroupChildCount(b), 2);
    std::vector<int> records;
    groups.CollectRecordIndexesOfRow(records, 5);
    EXPECT_EQ(records, (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(groups.GroupChildRecordIndex(groups.GroupChildGroupIndex(b, 0), 1), 2);
    EXPECT_EQ(groups.GroupChildRecordIndex(groups.GroupChildGroupIndex(b, 0), 2), -1);
    EXPECT_TRUE(groups.IsRowInGroupOfRow(7, 5));
    EXPECT_TRUE(groups.IsRowInGroupOfRow(9, 5));
    EXPECT_FALSE(groups.IsRowInGroupOfRow(2, 5));
    EXPECT_FALSE(groups.IsRowInGroupOfRow(7, 9)) << "a sibling group";
    groups.CollapseAll();
    EXPECT_EQ(dc.GetRowCount(), 2);
    groups.ClearAllGrouping();
    EXPECT_EQ(groups.GetLevelCount(), 0);
    EXPECT_FALSE(groups.IsRowInGroupOfRow(0, 1));
}
