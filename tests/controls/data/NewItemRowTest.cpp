// Inserting and the new-item row: typing into the row inserts into an internal record, posting
// appends a real record with the values typed, cancelling leaves the records as they were; an
// edit's saved copy never takes another record's place; an append posts a pending edit first.
#include "controls/data/DataController.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace zorvy;

namespace {

// Items Number (Integer) and Name (String); records (1, "B"), (2, "A"), (3, "B").
struct NewItemRow : ::testing::Test {
    NewItemRow() {
        for (auto* type : {&cxIntegerValueType, &cxStringValueType}) {
            items.push_back(std::make_unique<TObject>());
            dc.AddItem(items.back().get())->ChangeValueType(type);
        }
        const char* names[] = {"B", "A", "B"};
        for (int i = 0; i < 3; ++i) {
            int r = dc.AppendRecord();
            dc.SetValue(r, 0, i + 1);
            dc.SetValue(r, 1, names[i]);
        }
        dc.OnUpdateControl = [this](TcxUpdateControlInfo& info) {
            if (auto* focus = dynamic_cast<TcxFocusedRecordChangedInfo*>(&info))
                newItemFocusNotices += focus->NewItemRowFocusingChanged ? 1 : 0;
            if (dynamic_cast<TcxDataChangedInfo*>(&info)) ++dataNotices;
        };
    }
    std::vector<std::unique_ptr<TObject>> items;
    TcxDataController dc{nullptr};
    int newItemFocusNotices = 0, dataNotices = 0;
};

} // namespace

TEST_F(NewItemRow, TypingInsertsAndPostingAppendsTheValues) {
    dc.SetUseNewItemRowForEditing(true);
    dc.SetFocusedRowIndex(1);
    dc.SetNewItemRowFocused(true);
    EXPECT_EQ(dc.GetFocusedRowIndex(), -1) << "the new-item row takes the focus from the rows";
    EXPECT_TRUE(dc.IsNewItemRowActive());
    EXPECT_EQ(newItemFocusNotices, 1);
    EXPECT_TRUE(dc.GetEditValue(0).IsNull()) << "nothing typed yet";

    ASSERT_TRUE(dc.SetEditValue(0, 7, 0));
    const int newItem = dc.GetEditingRecordIndex();
    EXPECT_LT(newItem, 0) << "the values go into an internal record";
    EXPECT_EQ(dc.GetEditState() & TcxCustomDataController::dceInsert, TcxCustomDataController::dceInsert);
    EXPECT_EQ(dc.GetRecordCount(), 3);
    EXPECT_EQ(dc.GetValue(newItem, 0).AsInteger(), 7);
    dc.SetEditValue(1, "C", 0);

    int inserted = -2;
    dc.OnAfterPost = [&](TcxCustomDataController* c) { inserted = c->GetProvider().GetInsertedRecordIndex(); };
    dc.Post();
    ASSERT_EQ(dc.GetRecordCount(), 4);
    EXPECT_EQ(dc.GetValue(3, 0).AsInteger(), 7);
    EXPECT_EQ(dc.GetValue(3, 1).RawString(), "C");
    EXPECT_EQ(inserted, 3) << "the post names the record it created";
    EXPECT_EQ(dc.GetProvider().GetInsertedRecordIndex(), -1) << "and forgets it afterwards";
    EXPECT_FALSE(dc.IsEditing());
    EXPECT_TRUE(dc.IsNewItemRowActive()) << "the row stays focused for the next record";
    EXPECT_TRUE(dc.GetValue(dc.GetNewItemRecordIndex(), 0).IsNull()) << "and starts empty";
    EXPECT_THROW(dc.GetValue(4, 0), EcxInvalidDataControllerOperation);
}

TEST_F(NewItemRow, CancelOrAnUntouchedPostLeavesTheRecords) {
    dc.SetUseNewItemRowForEditing(true);
    dc.SetNewItemRowFocused(true);
    dc.SetEditValue(0, 7, 0);
    dc.Cancel();
    EXPECT_FALSE(dc.IsEditing());
    EXPECT_EQ(dc.GetRecordCount(), 3);
    EXPECT_TRUE(dc.GetValue(dc.GetNewItemRecordIndex(), 0).IsNull()) << "the typed value is gone";

    int posts = 0;
    dc.OnAfterPost = [&](TcxCustomDataController*) { ++posts; };
    dc.Insert();
    EXPECT_TRUE(dc.GetProvider().IsInserting());
    dc.Post();
    EXPECT_EQ(dc.GetRecordCount(), 3) << "an insert nobody touched is cancelled";
    EXPECT_EQ(posts, 0);
}

TEST_F(NewItemRow, FocusingARowPostsAndTakesTheFocusAway) {
    dc.SetUseNewItemRowForEditing(true);
    dc.SetNewItemRowFocused(true);
    dc.SetEditValue(0, 8, 0);
    newItemFocusNotices = 0;
    dc.SetFocusedRowIndex(0);
    EXPECT_EQ(dc.GetRecordCount(), 4) << "leaving the row posts what was typed";
    EXPECT_EQ(dc.GetValue(3, 0).AsInteger(), 8);
    EXPECT_FALSE(dc.GetNewItemRowFocused());
    EXPECT_FALSE(dc.IsNewItemRowActive());
    EXPECT_EQ(dc.GetFocusedRowIndex(), 0);
    EXPECT_EQ(newItemFocusNotices, 1);
    // An edit of a data row is posted when the new-item row takes the focus.
    dc.Edit();
    dc.SetEditValue(0, 10, 0);
    dc.SetNewItemRowFocused(true);
    EXPECT_FALSE(dc.IsEditing());
    EXPECT_EQ(dc.GetValue(0, 0).AsInteger(), 10);
}

TEST_F(NewItemRow, InsertOnFocusingTakesTheFirstRowsGroupValues) {
    dc.SetOptions(dc.GetOptions() | dcoInsertOnNewItemRowFocusing);
    dc.SetUseNewItemRowForEditing(true);
    dc.ChangeItemGroupIndex(1, 0); // groups "A" (record 1) and "B" (records 0, 2)
    dc.SetNewItemRowFocused(true);
    ASSERT_TRUE(dc.GetProvider().IsInserting());
    const int newItem = dc.GetEditingRecordIndex();
    EXPECT_EQ(newItem, dc.GetNewItemRecordIndex());
    EXPECT_EQ(dc.GetValue(newItem, 1).RawString(), "A") << "row 0 is group A";
    EXPECT_EQ(dc.GetRecordCount(), 3);
}

TEST_F(NewItemRow, SwitchingTheRowOnCancelsTheEditAndClearsTheSelection) {
    dc.SetMultiSelect(true);
    dc.SetFocusedRowIndex(0);
    dc.ChangeRowSelection(2, true);
    dc.Edit();
    dc.SetEditValue(0, 99, 0);
    dataNotices = 0;
    dc.SetUseNewItemRowForEditing(true);
    EXPECT_FALSE(dc.IsEditing());
    EXPECT_EQ(dc.GetValue(0, 0).AsInteger(), 1) << "the edit was cancelled";
    EXPECT_EQ(dc.GetSelectedCount(), 0);
    EXPECT_GE(dataNotices, 1);
}

// After a post the new-item record's slot is free; the next record behind the row must be a new
// one, never the slot an edit's saved copy now holds.
TEST_F(NewItemRow, APostedRowNeverSharesItsRecordWithAnEditsSavedCopy) {
    dc.SetUseNewItemRowForEditing(true);
    dc.SetNewItemRowFocused(true);
    dc.SetEditValue(0, 7, 0);
    dc.Post();
    dc.SetFocusedRowIndex(0);
    dc.Edit();
    dc.SetEditValue(0, 50, 0);
    const int saved = dc.GetProvider().GetSavedRecordIndex();
    ASSERT_NE(saved, 0);
    const int newItem = dc.GetNewItemRecordIndex();
    EXPECT_NE(newItem, saved);
    EXPECT_TRUE(dc.GetValue(newItem, 0).IsNull());
    dc.SetValue(newItem, 0, 5);
    dc.Cancel();
    EXPECT_EQ(dc.GetValue(0, 0).AsInteger(), 1) << "the saved copy was not overwritten";
}

// A record's own internal cells (its detail object) stay its own when an edit saves and restores it.
TEST_F(NewItemRow, AnEditsSavedCopyLeavesTheDetailObjectAlone) {
    class Probe : public TObject {
      public:
        explicit Probe(int& alive) : alive_(alive) { ++alive_; }
        ~Probe() override { --alive_; }

      private:
        int& alive_;
    };
    TObject level;
    TcxDataController detail(nullptr);
    TcxCustomDataRelationList& relations = dc.GetRelations();
    relations.Add(&level)->DetailDataController = &detail;
    int alive = 0;
    relations.GetDetailObject(0)->SetLinkObject(0, std::make_unique<Probe>(alive));
    for (bool post : {false, true}) {
        dc.SetFocusedRowIndex(0);
        dc.Edit();
        dc.SetEditValue(0, 40, 0);
        post ? dc.Post() : dc.Cancel();
        EXPECT_EQ(alive, 1);
        ASSERT_NE(relations.GetStoredDetailObject(0), nullptr);
        EXPECT_NE(relations.GetStoredDetailObject(0)->GetLinkObject(0), nullptr);
    }
    relations.Clear();
    EXPECT_EQ(alive, 0);
}

TEST_F(NewItemRow, AnAppendPostsThePendingEditFirst) {
    dc.SetFocusedRowIndex(1);
    dc.Edit();
    dc.SetEditValue(0, 20, 0);
    dc.Append();
    EXPECT_EQ(dc.GetValue(1, 0).AsInteger(), 20) << "the edit was posted, not lost";
    EXPECT_EQ(dc.GetProvider().GetSavedRecordIndex(), 0);
    EXPECT_EQ(dc.GetEditingRecordIndex(), 3);
    EXPECT_EQ(dc.GetFocusedRecordIndex(), 3);
    dc.Cancel();
    EXPECT_EQ(dc.GetRecordCount(), 3);
    EXPECT_EQ(dc.GetValue(1, 0).AsInteger(), 20);
}

TEST_F(NewItemRow, AFilterChangeLeavesTheNewItemRowFocused) {
    dc.SetUseNewItemRowForEditing(true);
    dc.SetNewItemRowFocused(true);
    dc.SetOnFilterRecord([](TcxCustomDataController*, int record, bool& accept) { accept = record != 0; });
    EXPECT_TRUE(dc.GetNewItemRowFocused());
    EXPECT_EQ(dc.GetFocusedRowIndex(), -1);
    EXPECT_EQ(dc.GetRowCount(), 2);
}

// Insert moves the focus to the new-item row; that move must not post (and so cancel) the
// insert it belongs to, whichever internal record backs the row.
TEST_F(NewItemRow, InsertFromADataRowStartsInTheNewItemRow) {
    const int other = dc.GetStorage().AllocInternalRecord(); // another user of internal records
    dc.SetUseNewItemRowForEditing(true);
    dc.SetFocusedRowIndex(2);
    dc.Insert();
    EXPECT_TRUE(dc.GetProvider().IsInserting());
    EXPECT_TRUE(dc.IsNewItemRowActive());
    EXPECT_NE(dc.GetEditingRecordIndex(), other);
    dc.SetEditValue(0, 9, 0);
    dc.Post();
    EXPECT_EQ(dc.GetRecordCount(), 4);
    EXPECT_EQ(dc.GetValue(3, 0).AsInteger(), 9);
}
