// Editing through the dataset provider over the real draws, on SQLite and on PostgreSQL: explicit
// posts and cancels, values that are the user's or the provider's, edit texts and lookup keys,
// smart refresh and the data link's notices.
#include "controls/data/db/DBDataController.h"

#include "controls/data/RecordSource.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "tests/platform/db/Engines.h"

namespace zorvy::test {
namespace {

// Items 0 Issue, 1 ResultA1, 2 LotteryID.
class DBProviderEditingTest : public EngineTest {
  protected:
    void OpenDraws(const std::string& keyFieldNames = "", TField* extraField = nullptr) {
        query_ = NewQuery({"select LotteryID, Issue, ResultA1 from LotteryIssue where LotteryID=3508 order by Issue"});
        if (extraField) extraField->SetDataSet(query_);
        source_ = new TDataSource(&owner_);
        source_->SetDataSet(query_);
        controller_ = std::make_unique<TcxDBDataController>(nullptr);
        for (const char* name : {"Issue", "ResultA1", "LotteryID"}) {
            int item = controller_->GetItemCount();
            controller_->AddItem(nullptr);
            controller_->SetItemFieldName(item, name);
        }
        controller_->SetKeyFieldNames(keyFieldNames);
        controller_->SetDataSource(source_);
        query_->AfterScroll = [this](TDataSet*) { ++scrolls_; };
        query_->Open();
    }
    std::string Value(int record, int item) const { return VarToStr(controller_->GetValue(record, item)); }
    std::string DataSetIssue() const { return query_->FieldByName("Issue")->GetAsString(); }
    int CountInDatabase(const std::string& where) {
        TADOQuery* count = NewQuery({"select count(*) as n from LotteryIssue where " + where});
        count->Open();
        return count->FieldByName("n")->GetAsInteger();
    }
    // What a detail's master keys or a group's values are: put in by the provider, not typed.
    void PutInForTheUser(const std::string& issue) {
        TcxCustomDataProvider& provider = controller_->GetProvider();
        int record = controller_->GetEditingRecordIndex();
        provider.SetValue(record, controller_->GetItemField(2), Variant(3508));
        provider.SetValue(record, controller_->GetItemField(0), Variant(issue));
    }

    TADOQuery* query_ = nullptr;
    TDataSource* source_ = nullptr;
    std::unique_ptr<TcxDBDataController> controller_;
    int scrolls_ = 0;
};

// Leaving a new record that holds only what the provider put in drops it; an explicit post stores
// it; a value typed into an unbound column makes it the user's, so leaving posts it.
TEST_P(DBProviderEditingTest, ExplicitPostsAndUnboundValuesKeepANewRecordThatLeavingWouldDrop) {
    OpenDraws();
    controller_->Append();
    PutInForTheUser("2026097");
    controller_->SetFocusedRecordIndex(0);
    EXPECT_EQ(query_->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(CountInDatabase("Issue='2026097'"), 0);
    EXPECT_EQ(controller_->GetRecordCount(), 3493);

    controller_->Append();
    PutInForTheUser("2026097");
    controller_->Post();
    EXPECT_EQ(query_->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(CountInDatabase("LotteryID=3508 and Issue='2026097'"), 1);
    ASSERT_EQ(controller_->GetRecordCount(), 3494);
    EXPECT_EQ(Value(3493, 0), "2026097");

    const int note = controller_->GetItemCount();
    controller_->AddItem(nullptr);
    controller_->ChangeValueTypeClass(note, &cxStringValueType);
    ASSERT_TRUE(controller_->GetDBField(note)->IsUnbound());
    controller_->Append();
    PutInForTheUser("2026098");
    ASSERT_TRUE(controller_->SetEditValue(note, Variant(std::string("typed")), 0));
    controller_->SetFocusedRecordIndex(0);
    EXPECT_EQ(query_->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(CountInDatabase("LotteryID=3508 and Issue='2026098'"), 1);
}

// What the provider put into an earlier new record says nothing of the next one: values the
// program writes into a record it appended itself are the user's, and leaving posts them.
TEST_P(DBProviderEditingTest, ValuesPutIntoAnEarlierNewRecordDoNotMakeTheNextOnesValuesThrowaway) {
    OpenDraws();
    controller_->Append();
    PutInForTheUser("2026097");
    controller_->SetFocusedRecordIndex(0);
    ASSERT_EQ(CountInDatabase("Issue='2026097'"), 0);

    query_->Append();
    query_->FieldByName("LotteryID")->SetAsInteger(3508);
    query_->FieldByName("Issue")->SetAsString("2026098");
    controller_->SetFocusedRecordIndex(0);
    EXPECT_EQ(query_->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(CountInDatabase("LotteryID=3508 and Issue='2026098'"), 1);
}

// The edit text goes through the field's OnGetText and OnSetText; without a handler a null field
// has no edit text.
TEST_P(DBProviderEditingTest, EditTextsGoThroughTheFieldsTextHandlers) {
    OpenDraws();
    controller_->SetFocusedRecordIndex(5);
    const std::string result = Value(5, 1);
    controller_->Edit();
    ASSERT_TRUE(controller_->IsEditing());
    EXPECT_EQ(VarToStr(controller_->GetEditValue(1, 1)), result);
    query_->FieldByName("ResultA1")->Clear();
    EXPECT_TRUE(controller_->GetEditValue(1, 1).IsNull());
    EXPECT_TRUE(controller_->GetEditValue(1, 0).IsNull());

    TField* field = query_->FieldByName("ResultA1");
    field->OnGetText = [](TField* sender, std::string& text, bool displayText) {
        text = (displayText ? "shown " : "edited ") + sender->GetAsString();
    };
    field->OnSetText = [](TField* sender, const std::string& text) { sender->SetAsString("[" + text + "]"); };
    EXPECT_EQ(VarToStr(controller_->GetEditValue(1, 1)), "edited ");
    // A handler takes every value written as text, whatever its kind.
    ASSERT_TRUE(controller_->SetEditValue(1, Variant(std::string("01 02")), 0));
    EXPECT_EQ(VarToStr(controller_->GetEditValue(1, 0)), "[01 02]");
    EXPECT_EQ(VarToStr(controller_->GetEditValue(1, 1)), "edited [01 02]");
    ASSERT_TRUE(controller_->SetEditValue(1, Variant(std::string("03")), 1));
    EXPECT_EQ(field->GetAsString(), "[03]");
}

// A lookup field is edited through its key fields: kind 2 reads and writes the values of the
// fields its KeyFields name, and a lookup value the provider puts in counts as its key fields'.
TEST_P(DBProviderEditingTest, ALookupFieldIsEditedThroughItsKeyFields) {
    TADOQuery* draws = NewQuery({"select Issue, ResultA1 from LotteryIssue where LotteryID=3508"});
    draws->Open();
    auto* lookup = new TStringField(&owner_);
    lookup->SetFieldName("SameDraw");
    lookup->SetFieldKind(TFieldKind::fkLookup);
    lookup->SetLookupDataSet(draws);
    lookup->SetKeyFields("Issue");
    lookup->SetLookupKeyFields("Issue");
    lookup->SetLookupResultField("ResultA1");
    OpenDraws("", lookup);
    const int item = controller_->GetItemCount();
    controller_->AddItem(nullptr);
    controller_->SetItemFieldName(item, "SameDraw");
    ASSERT_EQ(controller_->GetItemDataSetField(item), lookup);

    controller_->SetFocusedRecordIndex(7);
    const std::string issue = Value(7, 0);
    controller_->Edit();
    EXPECT_EQ(VarToStr(controller_->GetEditValue(item, 2)), issue);
    EXPECT_EQ(VarToStr(controller_->GetEditValue(item, 0)), Value(7, 1));
    ASSERT_TRUE(controller_->SetEditValue(item, Variant(std::string("2003001")), 2));
    EXPECT_EQ(DataSetIssue(), "2003001");
    EXPECT_EQ(VarToStr(controller_->GetEditValue(item, 2)), "2003001");
    controller_->Cancel();
    EXPECT_EQ(DataSetIssue(), issue);

    controller_->Append();
    TcxCustomDataProvider& provider = controller_->GetProvider();
    provider.SetValue(controller_->GetEditingRecordIndex(), controller_->GetItemField(item),
                      Variant(std::string("2026097")));
    provider.SetValue(controller_->GetEditingRecordIndex(), controller_->GetItemField(2), Variant(3508));
    EXPECT_EQ(DataSetIssue(), "2026097");
    controller_->SetFocusedRecordIndex(0);
    EXPECT_EQ(CountInDatabase("Issue='2026097'"), 0);
}

// With smart refresh a post, a new record, a cancel and deletes touch only their own records: no
// reload walks the draws, and the others keep their values.
TEST_P(DBProviderEditingTest, SmartRefreshChangesOnlyTheRecordsItPostsCancelsOrDeletes) {
    OpenDraws("Issue");
    controller_->GetDataModeController().SetSmartRefresh(true);
    const std::string first = Value(0, 0), last = Value(3492, 0);

    controller_->SetFocusedRecordIndex(30);
    const std::string result30 = Value(30, 1);
    scrolls_ = 0;
    controller_->SetEditValue(1, Variant(std::string("01 02 03 04 05 06")), 0);
    EXPECT_EQ(Value(30, 1), "01 02 03 04 05 06");
    controller_->Cancel();
    EXPECT_EQ(Value(30, 1), result30);
    EXPECT_EQ(query_->FieldByName("ResultA1")->GetAsString(), result30);

    controller_->Append();
    controller_->SetEditValue(2, Variant(3508), 0);
    controller_->SetEditValue(0, Variant(std::string("2026097")), 0);
    controller_->SetEditValue(1, Variant(std::string("07 08 09 10 11 12")), 0);
    controller_->Post();
    ASSERT_EQ(controller_->GetRecordCount(), 3494);
    const int added = controller_->GetFocusedRecordIndex();
    ASSERT_GE(added, 0);
    EXPECT_EQ(Value(added, 0), "2026097");
    EXPECT_EQ(Value(added, 1), "07 08 09 10 11 12");
    EXPECT_EQ(CountInDatabase("Issue='2026097' and ResultA1='07 08 09 10 11 12'"), 1);

    controller_->SetFocusedRecordIndex(100);
    const std::string gone = Value(100, 0), next = Value(101, 0);
    controller_->DeleteFocused();
    EXPECT_EQ(controller_->GetRecordCount(), 3493);
    EXPECT_EQ(Value(100, 0), next);
    EXPECT_EQ(CountInDatabase("Issue='" + gone + "'"), 0);
    EXPECT_EQ(Value(controller_->GetFocusedRecordIndex(), 0), DataSetIssue());

    const std::string fifth = Value(5, 0), seventh = Value(7, 0), eighth = Value(8, 0);
    controller_->GetProvider().DeleteRecords({7, 5});
    EXPECT_EQ(controller_->GetRecordCount(), 3491);
    EXPECT_EQ(Value(6, 0), eighth);
    EXPECT_EQ(CountInDatabase("Issue in ('" + fifth + "', '" + seventh + "')"), 0);
    EXPECT_EQ(Value(controller_->GetFocusedRecordIndex(), 0), DataSetIssue());

    EXPECT_LT(scrolls_, 100) << "a reload walks all 3493 draws";
    EXPECT_EQ(Value(0, 0), first);
    EXPECT_EQ(CountInDatabase("LotteryID=3508"), 3491);
    EXPECT_EQ(Value(controller_->GetRecordCount() - 2, 0), last);
}

// A posted record that no longer passes the controller's filter leaves its rows at once.
TEST_P(DBProviderEditingTest, SmartRefreshFiltersThePostedRecordAgain) {
    OpenDraws("Issue");
    controller_->GetDataModeController().SetSmartRefresh(true);
    controller_->SetOnFilterRecord([](TcxCustomDataController* sender, int record, bool& accept) {
        accept = VarToStr(sender->GetValue(record, 1)) != "hidden";
    });
    ASSERT_EQ(controller_->GetRowCount(), 3493);
    controller_->SetFocusedRecordIndex(40);
    controller_->SetEditValue(1, Variant(std::string("hidden")), 0);
    controller_->Post();
    EXPECT_EQ(controller_->GetRecordCount(), 3493);
    EXPECT_EQ(controller_->GetRowCount(), 3492);
    EXPECT_LT(controller_->GetRowIndexByRecordIndex(40, false), 0);
}

// Grid mode shows the dataset's own buffer, so the focus moves the dataset even with SyncMode off.
TEST_P(DBProviderEditingTest, InGridModeTheFocusMovesTheDataSetWithoutSyncMode) {
    OpenDraws();
    TcxDBDataModeController& mode = controller_->GetDataModeController();
    mode.SetSyncMode(false);
    EXPECT_FALSE(controller_->GetProvider().IsSyncMode());
    mode.SetGridModeBufferCount(10);
    mode.SetGridMode(true);
    EXPECT_TRUE(controller_->GetProvider().IsSyncMode());
    controller_->SetFocusedRecordIndex(6);
    EXPECT_EQ(Value(controller_->GetFocusedRecordIndex(), 0), DataSetIssue());
    EXPECT_EQ(DataSetIssue(), "2003007");
}

TEST_P(DBProviderEditingTest, ACustomRecordSourceNeverReplacesTheDataSet) {
    OpenDraws();
    TcxCustomRecordSource source;
    controller_->GetProvider().SetCustomDataSource(&source);
    EXPECT_EQ(controller_->GetProvider().GetCustomDataSource(), nullptr);
    EXPECT_FALSE(controller_->IsProviderMode());
    EXPECT_EQ(controller_->GetRecordCount(), 3493);
    EXPECT_EQ(Value(3492, 0), "2026096");
}

class FocusRecordingController : public TcxDBDataController {
  public:
    using TcxDBDataController::TcxDBDataController;
    void FocusControl(int itemIndex, bool& done) override {
        FocusedItem = itemIndex;
        done = Handles;
    }
    int FocusedItem = -1;
    bool Handles = true;
};

// A field's FocusControl reaches the item bound to it; once an item took the focus, the controls
// after it no longer hear the request.
TEST_P(DBProviderEditingTest, AFieldsFocusRequestReachesItsItemUntilOneTakesIt) {
    TADOQuery* query = NewQuery({"select Issue, ResultA1 from LotteryIssue where LotteryID=3508 order by Issue"});
    auto* source = new TDataSource(&owner_);
    source->SetDataSet(query);
    FocusRecordingController first(nullptr), second(nullptr);
    for (FocusRecordingController* controller : {&first, &second}) {
        controller->AddItem(nullptr);
        controller->AddItem(nullptr);
        controller->SetItemFieldName(0, "Issue");
        controller->SetItemFieldName(1, "ResultA1");
        controller->SetDataSource(source);
    }
    query->Open();

    query->FieldByName("ResultA1")->FocusControl();
    EXPECT_EQ(first.FocusedItem, 1);
    EXPECT_EQ(second.FocusedItem, -1);

    first.Handles = false;
    query->FieldByName("Issue")->FocusControl();
    EXPECT_EQ(first.FocusedItem, 0);
    EXPECT_EQ(second.FocusedItem, 0);
}

class LayoutRecordingController : public TcxDBDataController {
  public:
    using TcxDBDataController::TcxDBDataController;
    void UpdateFields() override {
        ++FieldUpdates;
        TcxDBDataController::UpdateFields();
    }
    int FieldUpdates = 0;
};

// Controls enabled again may have missed a change of the dataset's fields: the change notice that
// follows binds them again before the records are read.
TEST_P(DBProviderEditingTest, EnablingControlsAgainBindsTheFieldsBeforeTheRecordsAreRead) {
    TADOQuery* query = NewQuery({"select Issue, ResultA1 from LotteryIssue where LotteryID=3508 order by Issue"});
    auto* source = new TDataSource(&owner_);
    source->SetDataSet(query);
    LayoutRecordingController controller(nullptr);
    controller.AddItem(nullptr);
    controller.SetItemFieldName(0, "ResultA1");
    controller.SetDataSource(source);
    query->Open();

    query->DisableControls();
    query->MoveBy(3);
    controller.FieldUpdates = 0;
    query->EnableControls();
    EXPECT_GE(controller.FieldUpdates, 1);
    EXPECT_EQ(controller.GetItemDataSetField(0), query->FieldByName("ResultA1"));
    EXPECT_EQ(controller.GetFocusedRecordIndex(), 3);
}

ZORVY_ON_BOTH_ENGINES(DBProviderEditingTest);

} // namespace
} // namespace zorvy::test
