// Ordering groups by a group summary: ascending and descending, ties kept in grouping order, two
// grouping levels, and the group list's indexes after the reorder.
#include "controls/data/DataControllerInfo.h"
#include "controls/data/DataSummary.h"
#include "controls/grid/view/SortingBySummary.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace zorvy::test {
namespace {

// A controller whose view orders groups with the grid's engine.
class TSortingController : public TcxDataController {
  public:
    TSortingController() : TcxDataController(nullptr) {}
    TcxSortingBySummaryEngineClass GetSortingBySummaryEngineClass() const override {
        return SortingBySummaryEngineClassOf<TcxGridSortingBySummaryEngine>();
    }
};

// Items Group, Region (strings) and Amount (float).
class SortingBySummary : public ::testing::Test {
  protected:
    SortingBySummary() {
        for (auto* type : {&cxStringValueType, &cxStringValueType, &cxFloatValueType}) {
            items_.push_back(std::make_unique<TObject>());
            dc_.AddItem(items_.back().get())->ChangeValueType(type);
        }
    }
    void Add(const char* group, const char* region, double amount) {
        const int r = dc_.AppendRecord();
        dc_.SetValue(r, 0, group);
        dc_.SetValue(r, 1, region);
        dc_.SetValue(r, 2, amount);
    }
    // The groups of one level in display order (their grouping values).
    std::vector<std::string> Groups(int level) {
        const TcxDataGroups& groups = dc_.GetDataControllerInfo().GetGroups();
        std::vector<std::string> names;
        for (int i = 0; i < groups.GetCount(); ++i) {
            if (groups.GetItem(i)->Level != level) continue;
            TcxDataRowInfo row{false, level, dc_.GetDataControllerInfo().GetRecordListItem(FirstRecordPosition(i))};
            names.push_back(dc_.GetValue(row.RecordIndex, level).AsString());
        }
        return names;
    }
    int FirstRecordPosition(int groupIndex) {
        const TcxDataGroups& groups = dc_.GetDataControllerInfo().GetGroups();
        while (groups.GetItem(groupIndex)->Level < groups.GetLevelCount() - 1) groupIndex = groups.GetItem(groupIndex)->BeginIndex;
        return groups.GetItem(groupIndex)->BeginIndex;
    }
    TcxDataSummaryItem* SortBySum() {
        TcxDataSummaryItem* item =
            dc_.GetSummary().DefaultGroupSummaryItems().AddLinked(items_[2].get(), spGroup, "", skSum);
        item->SetSorted(true);
        return item;
    }

    std::vector<std::unique_ptr<TObject>> items_;
    TSortingController dc_;
};

TEST_F(SortingBySummary, GroupsFollowTheirSumsAndTiesKeepTheGroupingOrder) {
    dc_.BeginUpdate();
    Add("B", "x", 4);
    Add("A", "x", 2);
    Add("C", "x", 5);
    Add("B", "x", 5);
    Add("A", "x", 3);
    dc_.ChangeItemGroupIndex(0, 0);
    dc_.EndUpdate();
    EXPECT_EQ(Groups(0), (std::vector<std::string>{"A", "B", "C"})) << "by value while no summary is sorted";
    SortBySum();
    EXPECT_EQ(Groups(0), (std::vector<std::string>{"A", "C", "B"})) << "sums 5, 5, 9";
    dc_.SetItemSortOrder(0, soDescending);
    EXPECT_EQ(Groups(0), (std::vector<std::string>{"B", "C", "A"})) << "descending: the tie in descending order";
}

TEST_F(SortingBySummary, EveryLevelIsReorderedInsideItsParent) {
    dc_.BeginUpdate();
    Add("A", "north", 1);
    Add("A", "south", 7);
    Add("B", "north", 9);
    Add("B", "south", 2);
    Add("B", "south", 3);
    dc_.ChangeItemGroupIndex(0, 0);
    dc_.ChangeItemGroupIndex(1, 1);
    dc_.EndUpdate();
    SortBySum();
    EXPECT_EQ(Groups(0), (std::vector<std::string>{"A", "B"})) << "sums 8 and 14";
    EXPECT_EQ(Groups(1), (std::vector<std::string>{"north", "south", "south", "north"}))
        << "A: north 1, south 7; B: south 5, north 9";

    // Each upper group again encloses exactly its descendants.
    const TcxDataGroups& groups = dc_.GetDataControllerInfo().GetGroups();
    for (int i = 0; i < groups.GetCount(); ++i) {
        const TcxDataGroupInfo* group = groups.GetItem(i);
        if (group->Level != 0) continue;
        EXPECT_EQ(group->BeginIndex, i + 1);
        int end = i + 1;
        while (end + 1 < groups.GetCount() && groups.GetItem(end + 1)->Level > 0) ++end;
        EXPECT_EQ(group->EndIndex, end);
    }
    EXPECT_EQ(dc_.GetRowCount(), 2) << "collapsed: the two top groups";
}

TEST_F(SortingBySummary, NoGroupsNoWork) {
    Add("A", "x", 1);
    SortBySum();
    EXPECT_EQ(dc_.GetRowCount(), 1);
}

} // namespace
} // namespace zorvy::test
