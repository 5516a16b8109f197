// Editing through the controller: the edit state and operations, immediate posting, a post that
// a handler refuses or that destroys the controller, and where the focus goes after a cancel.
#include "controls/data/DataController.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Items Number (Integer) and Name (String).
struct Controller {
    Controller() : dc(std::make_unique<TcxDataController>(nullptr)) {
        for (auto* type : {&cxIntegerValueType, &cxStringValueType}) {
            items.push_back(std::make_unique<TObject>());
            dc->AddItem(items.back().get())->ChangeValueType(type);
        }
        for (int i = 0; i < 3; ++i)
            dc->SetValue(dc->AppendRecord(), 0, i + 1);
    }
    std::vector<std::unique_ptr<TObject>> items;
    std::unique_ptr<TcxDataController> dc;
};

} // namespace

TEST(DataControllerEditing, EditStateFollowsInsertValuesAndPostedEditorData) {
    Controller c;
    TcxDataController& dc = *c.dc;
    EXPECT_EQ(dc.GetEditState(), 0u);
    EXPECT_EQ(dc.GetEditOperations(), 31u) << "append, delete, edit, insert and show editor";
    dc.ChangeFocusedRowIndex(1);
    dc.Insert();
    EXPECT_EQ(dc.GetEditState(), 1u);
    ASSERT_TRUE(dc.SetEditValue(0, 7, 0));
    EXPECT_EQ(dc.GetEditState(), 13u) << "inserting, changing and modified";
    dc.PostEditingData();
    EXPECT_EQ(dc.GetEditState(), 9u) << "inserting and modified";
    dc.Post();
    EXPECT_EQ(dc.GetEditState(), 0u);
    EXPECT_EQ(dc.GetRecordCount(), 4);
    EXPECT_EQ(dc.GetValue(1, 0).AsInteger(), 7);

    dc.Edit();
    EXPECT_EQ(dc.GetEditState(), 2u);
    dc.Cancel();
    EXPECT_THROW(dc.SetEditValue(5, 1, 0), EcxInvalidDataControllerOperation);
}

TEST(DataControllerEditing, ImmediatePostAndARefusedPostKeepsTheEdit) {
    Controller c;
    TcxDataController& dc = *c.dc;
    dc.ChangeFocusedRowIndex(0);
    dc.SetOptions(dc.GetOptions() | dcoImmediatePost);
    ASSERT_TRUE(dc.SetEditValue(1, "now", 0));
    EXPECT_FALSE(dc.IsEditing()) << "posted at once";
    EXPECT_EQ(VarToStr(dc.GetValue(0, 1)), "now");

    dc.SetOptions(dc.GetOptions() & ~dcoImmediatePost);
    dc.OnBeforePost = [](TcxCustomDataController*) { throw Exception("refused"); };
    dc.SetEditValue(0, 99, 0);
    EXPECT_THROW(dc.Post(), Exception);
    EXPECT_TRUE(dc.IsEditing()) << "a refused post keeps the record in edit";
    EXPECT_EQ(dc.GetEditValue(0).AsInteger(), 99) << "with the user's value";
    dc.OnBeforePost = nullptr;
    dc.Cancel();
    EXPECT_EQ(dc.GetValue(0, 0).AsInteger(), 1);
}

TEST(DataControllerEditing, APostWhoseHandlerDestroysTheControllerReturnsQuietly) {
    Controller c;
    c.dc->ChangeFocusedRowIndex(0);
    c.dc->SetEditValue(0, 5, 0);
    c.dc->OnAfterPost = [&](TcxCustomDataController*) { c.dc.reset(); };
    TcxDataController* raw = c.dc.get();
    raw->Post(); // the sanitizer reports any use of the destroyed controller
    EXPECT_EQ(c.dc, nullptr);
}

TEST(DataControllerEditing, CancellingAnAppendFocusesTheNewLastRow) {
    Controller c;
    TcxDataController& dc = *c.dc;
    dc.ChangeFocusedRowIndex(2);
    dc.Append();
    ASSERT_EQ(dc.GetFocusedRowIndex(), 3);
    dc.SetEditValue(0, 4, 0);
    int cancels = 0;
    dc.OnBeforeCancel = [&](TcxCustomDataController* sender) {
        ++cancels;
        sender->Cancel(); // a nested cancel is ignored
    };
    dc.Cancel();
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(dc.GetRecordCount(), 3);
    EXPECT_EQ(dc.GetFocusedRowIndex(), 2);
}

TEST(DataControllerEditing, EventsComeInTheirOrder) {
    Controller c;
    TcxDataController& dc = *c.dc;
    std::vector<std::string> events;
    auto log = [&](const char* name) {
        return [&events, name](TcxCustomDataController*) { events.push_back(name); };
    };
    dc.OnBeforeInsert = log("before insert");
    dc.OnAfterInsert = log("after insert");
    dc.OnBeforePost = log("before post");
    dc.OnAfterPost = log("after post");
    dc.OnBeforeCancel = log("before cancel");
    dc.OnAfterCancel = log("after cancel");
    dc.OnNewRecord = [&](TcxCustomDataController*, int record) {
        events.push_back("new record " + std::to_string(record));
    };
    using Events = std::vector<std::string>;

    dc.ChangeFocusedRowIndex(0);
    dc.Append();
    dc.SetEditValue(0, 10, 0);
    dc.Post();
    EXPECT_EQ(events, (Events{"before insert", "new record 3", "after insert", "before post", "after post"}));
    EXPECT_EQ(dc.GetValue(3, 0).AsInteger(), 10);

    events.clear();
    dc.ChangeFocusedRowIndex(1);
    dc.Insert();
    dc.Post();
    EXPECT_EQ(events, (Events{"before insert", "new record 1", "after insert", "before cancel", "after cancel"}))
        << "an insert nobody changed is cancelled, not posted";
    EXPECT_EQ(dc.GetRecordCount(), 4);

    events.clear();
    dc.Edit();
    dc.SetEditValue(0, 20, 0);
    dc.Cancel();
    EXPECT_EQ(events, (Events{"before cancel", "after cancel"}));
    EXPECT_EQ(dc.GetValue(1, 0).AsInteger(), 2) << "the value from before the edit";
}
