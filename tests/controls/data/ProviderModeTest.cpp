#include "controls/data/DataController.h"

#include <gtest/gtest.h>

#include <list>
#include <vector>

using namespace zorvy;

namespace {

// Rows of (number, name) kept in a list, so a row's address is a stable handle.
class RowSource : public TcxCustomRecordSource {
  public:
    struct Row {
        Variant Number, Name;
        int Id;
    };
    std::list<Row> Rows;
    int NextId = 100;

    void Add(int number, const char* name) { Rows.push_back({number, name, NextId++}); }
    TcxDataRecordHandle AppendRecord() override {
        Rows.push_back({Variant::Null(), Variant::Null(), NextId++});
        return &Rows.back();
    }
    void DeleteRecord(TcxDataRecordHandle handle) override {
        Rows.remove_if([&](const Row& row) { return &row == handle; });
    }
    void LoadRecordHandles() override {
        for (Row& row : Rows)
            GetProvider()->StoreRecordHandle(&row);
    }
    void GetValue(TcxDataRecordHandle handle, TcxDataItemHandle item, Variant& value) override {
        Row& row = *static_cast<Row*>(handle);
        value = item == nullptr ? row.Number : row.Name;
    }
    void SetValue(TcxDataRecordHandle handle, TcxDataItemHandle item, const Variant& value) override {
        Row& row = *static_cast<Row*>(handle);
        (item == nullptr ? row.Number : row.Name) = value;
    }
    bool SupportsRecordIds() const override { return true; }
    void GetRecordId(TcxDataRecordHandle handle, Variant& value) override {
        value = static_cast<Row*>(handle)->Id;
    }
};

class DataProviderMode : public ::testing::Test {
  protected:
    DataProviderMode() {
        controller_.AddItem(&number_)->ChangeValueType(&cxIntegerValueType);
        controller_.AddItem(&name_)->ChangeValueType(&cxStringValueType);
        source_.Add(3, "c");
        source_.Add(1, "a");
        source_.Add(2, "b");
    }
    std::vector<int> Numbers() {
        std::vector<int> numbers;
        for (int row = 0; row < controller_.GetRowCount(); ++row)
            numbers.push_back(controller_.GetValue(controller_.GetRowInfo(row).RecordIndex, 0).AsInteger());
        return numbers;
    }

    TObject number_, name_;
    RowSource source_;
    TcxDataController controller_{nullptr};
};

} // namespace

TEST_F(DataProviderMode, ValuesComeFromAndGoToTheSource) {
    controller_.SetCustomDataSource(&source_);
    EXPECT_TRUE(controller_.IsProviderMode());
    ASSERT_EQ(controller_.GetRecordCount(), 3);
    EXPECT_EQ(controller_.GetItemCount(), 2) << "the record-handles field is internal";
    EXPECT_EQ(controller_.GetValue(1, 1).RawString(), "a");
    EXPECT_EQ(controller_.GetDisplayText(0, 0), "3");
    controller_.SetDisplayText(0, 0, "three");
    EXPECT_EQ(controller_.GetDisplayText(0, 0), "3") << "texts come from the source";
    controller_.SetValue(2, 1, "B");
    EXPECT_EQ(source_.Rows.back().Name.RawString(), "B");
    EXPECT_EQ(controller_.GetRecordId(0).AsInteger(), 100);

    controller_.SetItemSortOrder(0, soAscending);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 3}));
    int r = controller_.AppendRecord();
    EXPECT_EQ(r, 3);
    EXPECT_EQ(source_.Rows.size(), 4u);
    controller_.SetValue(r, 0, 0);
    EXPECT_EQ(Numbers(), (std::vector<int>{0, 1, 2, 3}));
    controller_.DeleteRecord(0); // the row holding 3
    EXPECT_EQ(source_.Rows.size(), 3u);
    EXPECT_EQ(Numbers(), (std::vector<int>{0, 1, 2}));

    // A change made behind the controller's back shows after the source says so.
    source_.Add(-5, "z");
    source_.DataChanged();
    EXPECT_EQ(Numbers(), (std::vector<int>{-5, 0, 1, 2}));

    controller_.SetCustomDataSource(nullptr);
    EXPECT_FALSE(controller_.IsProviderMode());
    EXPECT_EQ(controller_.GetRecordCount(), 0);
    EXPECT_EQ(controller_.GetFields().GetCount(), 2);
}

TEST_F(DataProviderMode, EditingAndDeletingThroughTheProvider) {
    controller_.SetCustomDataSource(&source_);
    controller_.SetFocusedRowIndex(1);
    controller_.Edit();
    controller_.SetEditValue(1, "A!", 0);
    controller_.Post();
    EXPECT_EQ(std::next(source_.Rows.begin())->Name.RawString(), "A!");
    // Deleting the focused record focuses the nearest one.
    controller_.SetFocusedRowIndex(1);
    controller_.DeleteFocused();
    EXPECT_EQ(controller_.GetRecordCount(), 2);
    EXPECT_EQ(controller_.GetValue(controller_.GetFocusedRecordIndex(), 0).AsInteger(), 2);
}

TEST(DataDeleting, SelectionAndFocusedRecord) {
    TcxDataController controller(nullptr);
    TObject item;
    controller.AddItem(&item)->ChangeValueType(&cxIntegerValueType);
    for (int i = 0; i < 6; ++i)
        controller.SetValue(controller.AppendRecord(), 0, i * 10);
    controller.SetMultiSelect(true);
    controller.ChangeRowSelection(1, true);
    controller.ChangeRowSelection(3, true);
    controller.SetFocusedRowIndex(3);
    int before = 0, after = 0;
    controller.OnBeforeDelete = [&](TcxCustomDataController*, int) { ++before; };
    controller.OnAfterDelete = [&](TcxCustomDataController*) { ++after; };
    controller.DeleteSelection();
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 2);
    ASSERT_EQ(controller.GetRecordCount(), 4);
    EXPECT_EQ(controller.GetValue(1, 0).AsInteger(), 20);
    EXPECT_EQ(controller.GetValue(2, 0).AsInteger(), 40);
    EXPECT_EQ(controller.GetSelectedCount(), 0);
    EXPECT_EQ(controller.GetValue(controller.GetFocusedRecordIndex(), 0).AsInteger(), 40)
        << "the nearest row of the deleted focused row";
    controller.SetFocusedRowIndex(3);
    controller.DeleteFocused();
    EXPECT_EQ(controller.GetValue(controller.GetFocusedRecordIndex(), 0).AsInteger(), 40)
        << "the last row goes: the previous one";
}

// A reload gives every record a new index; the selection follows the records' ids.
TEST_F(DataProviderMode, SelectionFollowsRecordKeysAcrossAReload) {
    controller_.SetCustomDataSource(&source_);
    controller_.SetMultiSelect(true);
    controller_.ChangeRowSelection(0, true); // 3, id 100
    controller_.ChangeRowSelection(2, true); // 2, id 102
    source_.Rows.push_front({9, "first", source_.NextId++});
    source_.Rows.erase(std::next(source_.Rows.begin(), 2)); // 1, id 101
    source_.DataChanged();
    ASSERT_EQ(controller_.GetRecordCount(), 3);
    EXPECT_EQ(controller_.GetSelectedCount(), 2);
    EXPECT_FALSE(controller_.IsRowSelected(0));
    EXPECT_TRUE(controller_.IsRowSelected(1));
    EXPECT_TRUE(controller_.IsRowSelected(2));
    // A selected record that is deleted leaves the selection.
    controller_.DeleteRecord(controller_.GetRowInfo(2).RecordIndex);
    EXPECT_EQ(controller_.GetSelectedCount(), 1);
    EXPECT_TRUE(controller_.IsRowSelected(1));
}

// The new-item row's values live in the controller until the post hands them to a new row of the
// source; the handles of the records stay their own.
TEST_F(DataProviderMode, TheNewItemRowPostsIntoANewRowOfTheSource) {
    controller_.SetCustomDataSource(&source_);
    controller_.SetUseNewItemRowForEditing(true);
    controller_.SetNewItemRowFocused(true);
    controller_.SetEditValue(0, 7, 0);
    controller_.SetEditValue(1, "g", 0);
    EXPECT_EQ(source_.Rows.size(), 3u) << "nothing reaches the source before the post";
    controller_.Post();
    ASSERT_EQ(source_.Rows.size(), 4u);
    EXPECT_EQ(source_.Rows.back().Number.AsInteger(), 7);
    EXPECT_EQ(source_.Rows.back().Name.RawString(), "g");
    ASSERT_EQ(controller_.GetRecordCount(), 4);
    EXPECT_EQ(controller_.GetValue(3, 0).AsInteger(), 7);
    EXPECT_EQ(controller_.GetValue(0, 0).AsInteger(), 3) << "the first record still reads its own row";
    EXPECT_FALSE(controller_.IsEditing());
}

// The row after a deleted one takes the focus, however many records went before it.
TEST(DataDeleting, TheFocusGoesToTheNextRowsRecord) {
    TcxDataController controller(nullptr);
    TObject item;
    controller.AddItem(&item)->ChangeValueType(&cxIntegerValueType);
    for (int i = 0; i < 6; ++i)
        controller.SetValue(controller.AppendRecord(), 0, i * 10);
    auto focused = [&] { return controller.GetValue(controller.GetFocusedRecordIndex(), 0).AsInteger(); };
    controller.SetFocusedRowIndex(1);
    controller.DeleteFocused();
    EXPECT_EQ(focused(), 20);
    // Rows 0 and 2 (values 0 and 30) selected, the focus on row 2: the next row is 40.
    controller.SetMultiSelect(true);
    controller.ClearSelection();
    controller.ChangeRowSelection(0, true);
    controller.SetFocusedRowIndex(2);
    controller.ChangeRowSelection(2, true);
    controller.DeleteSelection();
    ASSERT_EQ(controller.GetRecordCount(), 3);
    EXPECT_EQ(focused(), 40);
}

TEST(DataDeleting, AGroupRowTakesItsGroupAndSingleSelectionTheFocusedRow) {
    TcxDataController controller(nullptr);
    TObject item;
    controller.AddItem(&item)->ChangeValueType(&cxStringValueType);
    for (const char* name : {"A", "B", "A", "C"})
        controller.SetValue(controller.AppendRecord(), 0, name);
    controller.ChangeItemGroupIndex(0, 0);
    controller.SetFocusedRowIndex(0); // group A
    controller.DeleteFocused();
    ASSERT_EQ(controller.GetRecordCount(), 2);
    EXPECT_EQ(controller.GetValue(0, 0).RawString(), "B");
    EXPECT_EQ(controller.GetValue(1, 0).RawString(), "C");
    controller.ClearGrouping();
    controller.SetFocusedRowIndex(0);
    controller.DeleteSelection();
    ASSERT_EQ(controller.GetRecordCount(), 1);
    EXPECT_EQ(controller.GetValue(0, 0).RawString(), "C");
    controller.SetFocusedRowIndex(-1);
    controller.DeleteFocused();
    EXPECT_EQ(controller.GetRecordCount(), 1) << "nothing focused, nothing deleted";
}
