// The controller's structure: fields moved within their list, components going away, layout and
// data notices that a provider passes on only while its notifications are not locked, and the
// values of grid mode's buffered rows.
#include "controls/data/DataController.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace zorvy;

namespace {

// Remembers the components it heard of.
class WatchingField : public TcxCustomDataField {
  public:
    using TcxCustomDataField::TcxCustomDataField;
    void ComponentRemoved(TComponent* component) override { Removed.push_back(component); }
    std::vector<TComponent*> Removed;
};

class WatchingController : public TcxDataController {
  public:
    WatchingController() : TcxDataController(nullptr) {}
    TcxCustomDataField* AddField() override {
        auto* field = new WatchingField(&GetFields());
        GetFields().Add(field);
        return field;
    }
};

// A provider in grid mode whose buffer row n holds n * 10 and the text "row n".
class BufferProvider : public TcxCustomDataProvider {
  public:
    using TcxCustomDataProvider::TcxCustomDataProvider;
    bool IsGridMode() const override { return true; }
    void GetBufferValue(int row, TcxCustomDataField*, Variant& value) override { value = row * 10; }
    void GetBufferDisplayText(int row, TcxCustomDataField*, std::string& text) override {
        text = "row " + std::to_string(row);
    }
};

class GridModeController : public TcxDataController {
  public:
    GridModeController() : TcxDataController(nullptr) { ReplaceProvider(std::make_unique<BufferProvider>(this)); }
};

// In grid mode until grouping needs every record; counts the restructures that follow.
class LeavingProvider : public TcxCustomDataProvider {
  public:
    using TcxCustomDataProvider::TcxCustomDataProvider;
    bool IsGridMode() const override { return !IsLoadAllNeeded(); }
};

class LeavingController : public TcxDataController {
  public:
    LeavingController() : TcxDataController(nullptr) { ReplaceProvider(std::make_unique<LeavingProvider>(this)); }
    // A restructure ends in a layout change for the data.
    void LayoutChanged(unsigned reasons) override {
        if (reasons == lcData) ++Restructs;
        TcxDataController::LayoutChanged(reasons);
    }
    int Restructs = 0;
};

struct Notices {
    explicit Notices(TcxCustomDataController& dc) {
        dc.OnUpdateControl = [this](TcxUpdateControlInfo& info) {
            if (dynamic_cast<TcxLayoutChangedInfo*>(&info)) ++Layout;
            if (dynamic_cast<TcxDataChangedInfo*>(&info)) ++Data;
        };
    }
    int Layout = 0, Data = 0;
};

} // namespace

TEST(DataStructure, FieldsMoveOnlyAmongTheirOwnKind) {
    TcxDataController dc(nullptr);
    TObject a, b, c;
    TcxCustomDataField* fa = dc.AddItem(&a);
    TcxCustomDataField* fb = dc.AddItem(&b);
    TcxCustomDataField* fc = dc.AddItem(&c);
    TcxCustomDataField* internal = dc.AddInternalField();
    fc->SetIndex(0);
    EXPECT_EQ(dc.GetItem(0), &c);
    EXPECT_EQ(fa->GetIndex(), 1);
    fc->SetIndex(10);
    EXPECT_EQ(fc->GetIndex(), 2) << "an item's field stays before the internal ones";
    fb->SetIndex(-3);
    EXPECT_EQ(fb->GetIndex(), 0);
    internal->SetIndex(0);
    EXPECT_EQ(internal->GetIndex(), 3);
    EXPECT_EQ(dc.GetItemCount(), 3);
}

TEST(DataStructure, ComponentRemovalReachesEveryField) {
    WatchingController dc;
    TObject a, b;
    auto* fa = static_cast<WatchingField*>(dc.AddItem(&a));
    auto* fb = static_cast<WatchingField*>(dc.AddItem(&b));
    TComponent gone(nullptr);
    dc.RemoveNotification(&gone);
    EXPECT_EQ(fa->Removed, std::vector<TComponent*>{&gone});
    EXPECT_EQ(fb->Removed, std::vector<TComponent*>{&gone});
}

TEST(DataStructure, LockedNotificationsAreNotPassedOn) {
    TcxDataController dc(nullptr);
    TObject item;
    TcxCustomDataField* field = dc.AddItem(&item);
    field->ChangeValueType(&cxIntegerValueType);
    dc.SetRecordCount(2);
    Notices notices(dc);
    TcxCustomDataProvider& provider = dc.GetProvider();

    field->NotifyStructureChanged();
    EXPECT_EQ(notices.Layout, 1);
    provider.LockNotifications();
    field->NotifyStructureChanged();
    provider.DataChanged(dcsAll, -1, -1);
    EXPECT_EQ(notices.Layout, 1);
    EXPECT_EQ(notices.Data, 0);
    provider.UnlockNotifications();
    EXPECT_FALSE(provider.IsNotificationsLocked());

    // A data change from the records' side ends a pending edit.
    dc.SetFocusedRowIndex(0);
    dc.Edit();
    ASSERT_TRUE(dc.IsEditing());
    provider.DataChanged(dcsRecord, -1, 1);
    EXPECT_EQ(notices.Data, 1);
    EXPECT_FALSE(dc.IsEditing());
}

TEST(DataStructure, GridModeReadsTheBufferedRows) {
    GridModeController dc;
    TObject item;
    dc.AddItem(&item)->ChangeValueType(&cxIntegerValueType);
    TcxCustomDataField* internal = dc.AddInternalField();
    internal->ChangeValueType(&cxIntegerValueType);
    dc.GetStorage().ResizeStorageRecords(3);
    dc.GetStorage().SetValue(2, internal->ValueDefinition(), 5);
    EXPECT_EQ(dc.GetValue(2, 0).AsInteger(), 20);
    EXPECT_EQ(dc.GetDisplayText(1, 0), "row 1");
    EXPECT_EQ(dc.GetFieldValue(2, internal).AsInteger(), 5) << "internal fields keep their own cells";
    dc.SetValue(0, 0, 7);
    EXPECT_EQ(dc.GetStorage().GetValue(0, dc.GetItemField(0)->ValueDefinition()).IsNull(), true)
        << "grid mode stores nothing";
}

namespace {

class ReadOnlyProvider : public TcxCustomDataProvider {
  public:
    using TcxCustomDataProvider::TcxCustomDataProvider;
    bool CanModify() const override { return false; }
};

class ReadOnlyController : public TcxDataController {
  public:
    ReadOnlyController() : TcxDataController(nullptr) { ReplaceProvider(std::make_unique<ReadOnlyProvider>(this)); }
};

} // namespace

TEST(DataStructure, WhatAProviderAllows) {
    TcxDataController dc(nullptr);
    EXPECT_FALSE(dc.GetProvider().CanDelete()) << "nothing to delete";
    EXPECT_EQ(dc.GetEditOperations() & TcxCustomDataController::dceoDelete, 0u);
    dc.SetRecordCount(1);
    EXPECT_TRUE(dc.GetProvider().CanDelete());
    EXPECT_FALSE(dc.IsImmediatePost());
    // A provider that cannot write keeps edits in memory: they are posted at once.
    ReadOnlyController readOnly;
    EXPECT_TRUE(readOnly.GetProvider().EditsInMemory());
    EXPECT_TRUE(readOnly.IsImmediatePost());

    // Copying a controller copies its detail events too.
    int expanded = 0;
    dc.OnDetailExpanded = [&](TcxCustomDataController*, int) { ++expanded; };
    readOnly.Assign(&dc);
    readOnly.DoDetailExpanded(0);
    EXPECT_EQ(expanded, 1);
}

// Records going away take their selection and bookmark with them; a bookmark after a deleted
// record stays on its record.
TEST(DataStructure, SelectionAndBookmarkFollowRemovedRecords) {
    TcxDataController dc(nullptr);
    TObject item;
    dc.AddItem(&item)->ChangeValueType(&cxIntegerValueType);
    dc.SetRecordCount(5);
    for (int r = 0; r < 5; ++r)
        dc.SetValue(r, 0, r * 10);
    dc.SetMultiSelect(true);
    dc.ChangeRowSelection(1, true);
    dc.ChangeRowSelection(4, true);
    dc.SetFocusedRowIndex(3);
    dc.SetBookmark();

    dc.DeleteRecord(0);
    ASSERT_TRUE(dc.IsBookmarkAvailable());
    dc.GotoBookmark();
    EXPECT_EQ(dc.GetValue(dc.GetFocusedRecordIndex(), 0).AsInteger(), 30) << "the bookmark stays on its record";
    dc.SetValue(dc.InsertRecord(0), 0, 5);
    dc.GotoBookmark();
    EXPECT_EQ(dc.GetValue(dc.GetFocusedRecordIndex(), 0).AsInteger(), 30);
    dc.DeleteRecord(0);

    dc.SetRecordCount(2); // records 10 and 20 are left
    EXPECT_FALSE(dc.IsBookmarkAvailable());
    ASSERT_EQ(dc.GetSelectedCount(), 1);
    EXPECT_EQ(dc.GetValue(dc.GetSelection().GetItem(0).RecordIndex, 0).AsInteger(), 10);
    dc.DeleteSelection();
    EXPECT_EQ(dc.GetRecordCount(), 1);
    EXPECT_EQ(dc.GetValue(0, 0).AsInteger(), 20);
}

TEST(DataStructure, GroupingLeavesGridModeOnceAndSortingDoesNot) {
    LeavingController dc;
    TObject a, b;
    dc.AddItem(&a)->ChangeValueType(&cxIntegerValueType);
    dc.AddItem(&b)->ChangeValueType(&cxIntegerValueType);
    EXPECT_TRUE(dc.IsGridMode());
    dc.SetItemSortOrder(0, soAscending);
    EXPECT_EQ(dc.Restructs, 0);
    dc.ChangeItemGroupIndex(0, 0);
    EXPECT_FALSE(dc.IsGridMode());
    EXPECT_EQ(dc.Restructs, 1);
    dc.ChangeItemGroupIndex(1, 1);
    EXPECT_EQ(dc.Restructs, 1) << "a second level changes nothing";
    dc.ClearGrouping();
    EXPECT_TRUE(dc.IsGridMode());
    EXPECT_EQ(dc.Restructs, 2);
}

TEST(DataStructure, WithSingleSelectionAMovedFocusIsSelectedAgain) {
    TcxDataController dc(nullptr);
    dc.SetRecordCount(3);
    dc.SetFocusedRowIndex(0);
    EXPECT_EQ(dc.GetSelectedCount(), 1);
    dc.SetFocusedSelected(false);
    EXPECT_EQ(dc.GetSelectedCount(), 0);
    dc.SetFocusedRowIndex(2);
    EXPECT_EQ(dc.GetSelectedCount(), 1);
    EXPECT_TRUE(dc.IsRowSelected(2));
}

TEST(DataStructure, WithoutARecordSourceTheSourceSideAnswersNothing) {
    TcxDataController dc(nullptr);
    TObject item;
    TcxCustomDataField* field = dc.AddItem(&item);
    field->ChangeValueType(&cxIntegerValueType);
    dc.SetRecordCount(1);
    TcxCustomDataProvider& provider = dc.GetProvider();
    EXPECT_EQ(provider.SourceAppendRecord(), -1);
    EXPECT_EQ(provider.SourceInsertRecord(0), -1);
    Variant value = 5;
    provider.GetValue(0, field, value);
    EXPECT_TRUE(value.IsNull());
    std::string text = "x";
    provider.GetDisplayText(0, field, text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(dc.GetRecordCount(), 1);
}
