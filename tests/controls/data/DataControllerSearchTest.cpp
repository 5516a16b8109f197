// Incremental search, text search, the incremental filter, locating records by fields and by
// group values, navigation, the bookmark and the single-selection rule.
#include "controls/data/DataController.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Items Name (String) and Number (Integer).
class SearchFixture : public ::testing::Test {
  protected:
    SearchFixture() : dc_(nullptr) {
        for (auto* type : {&cxStringValueType, &cxIntegerValueType}) {
            items_.push_back(std::make_unique<TObject>());
            dc_.AddItem(items_.back().get())->ChangeValueType(type);
        }
        dc_.OnUpdateControl = [this](TcxUpdateControlInfo& info) {
            if (dynamic_cast<TcxSearchChangedInfo*>(&info)) changes_ |= dccSearch;
            if (dynamic_cast<TcxBookmarkChangedInfo*>(&info)) changes_ |= dccBookmark;
        };
    }
    void Fill(const std::vector<std::pair<const char*, int>>& rows) {
        dc_.BeginUpdate();
        for (const auto& [name, number] : rows) {
            int r = dc_.AppendRecord();
            dc_.SetValue(r, 0, name);
            dc_.SetValue(r, 1, number);
        }
        dc_.EndUpdate();
    }

    std::vector<std::unique_ptr<TObject>> items_;
    TcxDataController dc_;
    TcxDataControllerChanges changes_ = 0;
};

// Fills a probe record with values by item field.
class MapReader : public TcxValueDefReader {
  public:
    std::map<TObject*, Variant> values;
    void ReadValue(TcxValueDef* def, Variant& value) override {
        auto it = values.find(def->GetLink());
        value = it == values.end() ? Variant::Null() : it->second;
    }
};

} // namespace

TEST_F(SearchFixture, IncrementalSearchFindsByPrefixIgnoringCaseAndStepsWithoutWrapping) {
    Fill({{"x", 1}, {"Abc", 2}, {"ab", 3}, {"y", 4}});
    dc_.ChangeFocusedRowIndex(0);
    TcxDataControllerSearch& search = dc_.GetSearch();
    changes_ = 0;
    ASSERT_TRUE(search.Locate(0, "ab"));
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 1);
    EXPECT_TRUE(search.GetSearching());
    EXPECT_EQ(search.GetSearchText(), "ab");
    EXPECT_TRUE(changes_ & dccSearch);
    ASSERT_TRUE(search.Locate(0, "abc")) << "typing on keeps the focus while it matches";
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 1);
    ASSERT_TRUE(search.Locate(0, "ab"));
    ASSERT_TRUE(search.LocateNext(true));
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 2);
    EXPECT_FALSE(search.LocateNext(true)) << "no match after the last one";
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 2);
    ASSERT_TRUE(search.LocateNext(false));
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 1);
    EXPECT_FALSE(search.Locate(0, "zz"));
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 1) << "a failed search keeps the focus";
    EXPECT_TRUE(search.GetSearching()) << "and the running search";

    // From the last row a search wraps to the first match.
    dc_.ChangeFocusedRowIndex(3);
    EXPECT_FALSE(search.GetSearching()) << "moving the focus by other means ends the search";
    ASSERT_TRUE(search.Locate(0, "X"));
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 0);

    EXPECT_THROW(search.Locate(5, "a"), EcxInvalidDataControllerOperation);
    EXPECT_FALSE(search.Locate(0, "")) << "an empty text finds nothing";
}

TEST_F(SearchFixture, IncrementalSearchFollowsTheSortedRowsAndSelectsWithMultiSelection) {
    Fill({{"b2", 1}, {"a", 2}, {"b1", 3}});
    dc_.SetItemSortOrder(0, soAscending); // rows: a, b1, b2
    dc_.SetMultiSelect(true);
    dc_.ChangeFocusedRowIndex(0);
    TcxDataControllerSearch& search = dc_.GetSearch();
    ASSERT_TRUE(search.Locate(0, "b"));
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 2) << "b1 comes first in the rows";
    EXPECT_EQ(dc_.GetSelectedCount(), 1);
    EXPECT_TRUE(dc_.IsRowSelected(1));
    ASSERT_TRUE(search.LocateNext(true));
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 0);
    EXPECT_TRUE(dc_.IsRowSelected(2));
    EXPECT_FALSE(dc_.IsRowSelected(1));
}

TEST_F(SearchFixture, FindRecordByTextWholeOrPartialWithWrappingBothWays) {
    Fill({{"ab", 1}, {"x", 2}, {"AB", 3}, {"abc", 4}, {"y", 5}});
    struct Case {
        int start;
        bool forward, wrap, partial;
        const char* text;
        int record;
    };
    const Case cases[] = {
        {0, true, false, false, "aB", 0},   // whole text, ignoring case
        {1, true, false, false, "ab", 2},
        {3, true, false, false, "ab", -1},  // "abc" is not the whole text
        {3, true, false, true, "ab", 3},    // but starts with it
        {4, true, true, false, "ab", 0},    // forward wraps to the first
        {4, true, false, false, "ab", -1},
        {1, false, false, false, "ab", 0},  // backward
        {1, false, true, false, "AB", 0},
        {0, false, false, true, "abc", -1},
        {0, false, true, true, "abc", 3},   // backward from the first wraps to the last
        {0, false, true, false, "y", 4},
        {5, true, true, false, "ab", -1},   // a start outside the positions
        {-1, true, true, false, "ab", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dc_.FindRecordByText(c.start, 0, c.forward, c.wrap, c.partial, c.text), c.record)
            << c.start << (c.forward ? " forward " : " backward ") << c.text;
    EXPECT_THROW(dc_.FindRecordByText(0, 2, true, true, true, "a"), EcxInvalidDataControllerOperation);
}

TEST_F(SearchFixture, IncrementalFilterKeepsMatchingRecordsUntilReset) {
    Fill({{"apple", 1}, {"Banana", 2}, {"avocado", 3}, {"berry", 4}});
    EXPECT_EQ(dc_.ChangeIncrementalFilterText(0, "b"), 1);
    EXPECT_TRUE(dc_.IsIncrementalFilterActive());
    EXPECT_EQ(dc_.GetRowCount(), 2);
    EXPECT_EQ(dc_.GetRowInfo(1).RecordIndex, 3);
    EXPECT_TRUE(dc_.UpdateIncrementalFilterText("A"));
    EXPECT_EQ(dc_.GetRowCount(), 2);
    EXPECT_EQ(dc_.GetRowInfo(1).RecordIndex, 2);
    EXPECT_FALSE(dc_.UpdateIncrementalFilterText("A")) << "the same text changes nothing";
    EXPECT_EQ(dc_.ChangeIncrementalFilterText(0, "zz"), -1);
    EXPECT_EQ(dc_.GetRowCount(), 0);
    dc_.ResetIncrementalFilter();
    EXPECT_FALSE(dc_.IsIncrementalFilterActive());
    EXPECT_EQ(dc_.GetRowCount(), 4);
    EXPECT_THROW(dc_.ChangeIncrementalFilterText(7, "a"), EcxInvalidDataControllerOperation);
}

TEST_F(SearchFixture, LocateObjectsFindByKeysAndByGroupValues) {
    Fill({{"b", 1}, {"a", 2}, {"b", 3}, {"a", 2}, {"c", 1}});
    dc_.SetItemSortOrder(0, soDescending);
    dc_.OnFilterRecord = [](TcxCustomDataController*, int record, bool& accept) { accept = record != 1; };
    dc_.FilterChanged();
    {
        TcxDataControllerKeyLocateObject locate(&dc_);
        EXPECT_EQ(locate.FindRecordIndex(), -1) << "no probe yet";
        locate.KeyFields = {dc_.GetItemField(0), dc_.GetItemField(1)};
        MapReader reader;
        reader.values = {{dc_.GetItemField(0), Variant("a")}, {dc_.GetItemField(1), Variant(2)}};
        locate.ReadData(reader);
        EXPECT_LT(locate.GetRecordIndex(), 0) << "the probe is an internal record";
        EXPECT_EQ(locate.FindRecordIndex(), 1) << "the first in storage order, filtered out or not";
        reader.values[dc_.GetItemField(1)] = Variant(9);
        locate.ReadData(reader);
        EXPECT_EQ(locate.FindRecordIndex(), -1);
        locate.KeyFields.clear();
        EXPECT_EQ(locate.FindRecordIndex(), -1) << "no key fields match nothing";
    }
    EXPECT_EQ(dc_.GetStorage().InternalRecordCount() > 0 ? dc_.GetStorage().BufferOfRecord(-1) : nullptr, nullptr)
        << "the probe record is freed with its locate object";

    dc_.ChangeItemGroupIndex(0, 0);
    TcxDataControllerGroupLocateObject groups(&dc_);
    MapReader reader;
    for (const char* name : {"a", "b", "c"}) {
        reader.values = {{dc_.GetItemField(0), Variant(name)}};
        groups.ReadData(reader);
        int record = groups.FindRecordIndex();
        ASSERT_GE(record, 0) << name;
        EXPECT_EQ(VarToStr(dc_.GetValue(record, 0)), name);
        EXPECT_NE(record, 1) << "a filtered record is not a group's";
    }
    reader.values = {{dc_.GetItemField(0), Variant("bb")}};
    groups.ReadData(reader);
    EXPECT_EQ(groups.FindRecordIndex(), -1);
}

TEST_F(SearchFixture, NavigationClampsToTheRows) {
    EXPECT_TRUE(dc_.IsBOF());
    EXPECT_TRUE(dc_.IsEOF());
    dc_.GotoLast();
    EXPECT_EQ(dc_.GetFocusedRowIndex(), -1);
    Fill({{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}});
    dc_.ChangeFocusedRowIndex(-1);
    EXPECT_FALSE(dc_.IsBOF());
    EXPECT_FALSE(dc_.IsEOF());
    dc_.GotoNext();
    EXPECT_EQ(dc_.GetFocusedRowIndex(), 0) << "next from no row is the first";
    EXPECT_TRUE(dc_.IsBOF());
    dc_.GotoPrev();
    EXPECT_EQ(dc_.GetFocusedRowIndex(), 0);
    dc_.MoveBy(2);
    EXPECT_EQ(dc_.GetFocusedRowIndex(), 2);
    dc_.MoveBy(-5);
    EXPECT_EQ(dc_.GetFocusedRowIndex(), 0);
    dc_.MoveBy(10);
    EXPECT_EQ(dc_.GetFocusedRowIndex(), 3);
    EXPECT_TRUE(dc_.IsEOF());
    dc_.GotoNext();
    EXPECT_EQ(dc_.GetFocusedRowIndex(), 3);
    dc_.GotoFirst();
    EXPECT_EQ(dc_.GetFocusedRowIndex(), 0);
}

TEST_F(SearchFixture, BookmarkIsLostWhenItsRecordIsFilteredOut) {
    Fill({{"a", 1}, {"b", 2}, {"c", 3}});
    dc_.ChangeFocusedRowIndex(1);
    changes_ = 0;
    dc_.DoSetBookmark();
    EXPECT_TRUE(dc_.IsBookmarkAvailable());
    EXPECT_TRUE(changes_ & dccBookmark);
    EXPECT_TRUE(dc_.IsBookmarkRow(1));
    dc_.GotoLast();
    dc_.DoGotoBookmark();
    EXPECT_EQ(dc_.GetFocusedRecordIndex(), 1);
    EXPECT_FALSE(dc_.IsBookmarkLost(-1));
    EXPECT_TRUE(dc_.IsBookmarkLost(1)) << "its own record going away";
    changes_ = 0;
    dc_.OnFilterRecord = [](TcxCustomDataController*, int record, bool& accept) { accept = record != 1; };
    dc_.FilterChanged();
    EXPECT_FALSE(dc_.IsBookmarkAvailable()) << "a filter that takes its record loses it";
    EXPECT_TRUE(changes_ & dccBookmark);
}

TEST_F(SearchFixture, SingleSelectionIsTheFocusedRowAndRangesSelectBothWays) {
    Fill({{"a", 0}, {"b", 1}, {"c", 2}, {"d", 3}, {"e", 4}, {"f", 5}, {"g", 6}, {"h", 7}, {"i", 8}});
    EXPECT_EQ(dc_.GetSelectedCount(), 0);
    dc_.ChangeFocusedRowIndex(4);
    EXPECT_EQ(dc_.GetSelectedCount(), 1);
    EXPECT_EQ(dc_.GetSelectedRowIndex(0), 4);
    EXPECT_EQ(dc_.GetSelectedRowIndex(1), -1);
    EXPECT_TRUE(dc_.IsRowSelected(4));
    dc_.ChangeRowSelection(2, true);
    EXPECT_FALSE(dc_.IsRowSelected(2)) << "single selection selects no other row";
    dc_.SetFocusedSelected(false);
    EXPECT_EQ(dc_.GetSelectedCount(), 0);
    EXPECT_FALSE(dc_.IsRowSelected(4));

    dc_.SetMultiSelect(true);
    EXPECT_EQ(dc_.GetSelectedCount(), 1) << "turning multi-selection on selects the focused row";
    dc_.ClearSelection();
    dc_.SelectRows(7, 3);
    EXPECT_EQ(dc_.GetSelectedCount(), 5);
    for (int row = 0; row < 9; ++row)
        EXPECT_EQ(dc_.IsRowSelected(row), row >= 3 && row <= 7) << row;
    EXPECT_THROW(dc_.SetSelectionAnchor(9), EcxInvalidDataControllerOperation);
    dc_.SetSelectionAnchor(1);
    dc_.SelectFromAnchor(2, false);
    EXPECT_EQ(dc_.GetSelectedCount(), 2);
    dc_.SelectFromAnchor(0, true);
    EXPECT_EQ(dc_.GetSelectedCount(), 3);
    dc_.SelectAll();
    EXPECT_EQ(dc_.GetSelectedCount(), 9);
    dc_.SetMultiSelect(false);
    EXPECT_EQ(dc_.GetSelectedCount(), 1) << "back to the focused row";
}

TEST_F(SearchFixture, GroupRowsShowTheirGroupingItemAndRowsAreWalkedInOrder) {
    Fill({{"b", 2}, {"a", 1}, {"b", 3}});
    dc_.ChangeItemGroupIndex(0, 0);
    dc_.FullExpand();
    // Rows: group "a" (its first record 1), record 1, group "b" (record 0), records 0 and 2.
    ASSERT_EQ(dc_.GetRowCount(), 5);
    int item = 1;
    EXPECT_EQ(dc_.GetRowDisplayText(dc_.GetRowInfo(2), item), "b");
    EXPECT_EQ(item, 0) << "a group row shows the item grouped at its level";
    item = 1;
    EXPECT_EQ(dc_.GetRowDisplayText(dc_.GetRowInfo(3), item), "2");
    EXPECT_EQ(item, 1);
    EXPECT_EQ(dc_.GetRowValue(dc_.GetRowInfo(0), 1).RawString(), "a");
    EXPECT_EQ(dc_.GetLastRowRecordIndex(), 2);

    std::vector<int> rows;
    auto collect = [&](int row, const TcxDataRowInfo&) { rows.push_back(row); };
    dc_.ForEachRow(false, collect);
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 3, 4}));
    dc_.SetMultiSelect(true);
    dc_.ClearSelection();
    dc_.ChangeRowSelection(4, true);
    dc_.ChangeRowSelection(1, true);
    rows.clear();
    dc_.ForEachRow(true, collect);
    EXPECT_EQ(rows, (std::vector<int>{1, 4})) << "the selection keeps its rows in order";
}

TEST_F(SearchFixture, DeletingARecordBeforeTheEditedOneEndsTheEdit) {
    Fill({{"a", 1}, {"b", 2}, {"c", 3}});
    dc_.ChangeFocusedRecordIndex(2);
    dc_.Edit();
    ASSERT_EQ(dc_.GetEditingRecordIndex(), 2);
    dc_.DeleteRecord(0);
    EXPECT_FALSE(dc_.IsEditing()) << "the editing record index would name another record now";
    dc_.ChangeFocusedRecordIndex(0);
    dc_.Edit();
    dc_.DeleteRecord(1);
    EXPECT_TRUE(dc_.IsEditing()) << "a record after the edited one leaves the edit alone";
}

namespace {

// A provider whose focus moves with its source's record (a dataset's).
class SyncModeProvider : public TcxCustomDataProvider {
  public:
    using TcxCustomDataProvider::TcxCustomDataProvider;
    bool Active = false, Sync = true;
    bool IsActive() const override { return Active; }
    bool IsSyncMode() const override { return Sync; }
};

class SyncModeController : public TcxDataController {
  public:
    SyncModeController() : TcxDataController(nullptr) {
        auto provider = std::make_unique<SyncModeProvider>(this);
        Provider = provider.get();
        ReplaceProvider(std::move(provider));
        AddItem(&item_)->ChangeValueType(&cxIntegerValueType);
        SetRecordCount(3);
    }
    bool CanLeaveRecord() override { return LeaveAllowed; }
    SyncModeProvider* Provider;
    bool LeaveAllowed = true;

  private:
    TObject item_;
};

} // namespace

TEST(DataControllerSyncMode, ARecordThatMayNotBeLeftKeepsTheFocus) {
    SyncModeController dc;
    dc.GotoLast();
    dc.LeaveAllowed = false;
    EXPECT_FALSE(dc.ChangeFocusedRowIndex(0));
    EXPECT_EQ(dc.GetFocusedRowIndex(), 2);
    EXPECT_TRUE(dc.ChangeFocusedRowIndex(2)) << "staying on the row is no leaving";

    // In-place editors show over open external data only where focus and source move together.
    dc.Provider->Active = true;
    EXPECT_TRUE(dc.GetEditOperations() & TcxCustomDataController::dceoShowEdit);
    dc.Provider->Sync = false;
    EXPECT_FALSE(dc.GetEditOperations() & TcxCustomDataController::dceoShowEdit);
}
