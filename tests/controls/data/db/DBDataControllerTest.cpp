// The dataset-bound controller over the real draws, on SQLite and on PostgreSQL.
#include "controls/data/db/DBDataController.h"

#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <map>
#include "tests/platform/db/Engines.h"

namespace zorvy::test {
namespace {

class DBDataControllerTest : public EngineTest {
  protected:
    // A controller with the items Issue and ResultA1 over the draws of lottery 3508 in issue order.
    void OpenDraws(const std::string& keyFieldNames = "") {
        query_ = NewQuery({"select LotteryID, Issue, ResultA1, ResultB1 from LotteryIssue where LotteryID=3508 "
                           "order by Issue"});
        source_ = new TDataSource(&owner_);
        source_->SetDataSet(query_);
        controller_ = std::make_unique<TcxDBDataController>(nullptr);
        controller_->AddItem(nullptr);
        controller_->AddItem(nullptr);
        controller_->SetItemFieldName(0, "Issue");
        controller_->SetItemFieldName(1, "ResultA1");
        controller_->SetKeyFieldNames(keyFieldNames);
        controller_->SetDataSource(source_);
        query_->Open();
    }
    std::string Issue(int record) const { return VarToStr(controller_->GetValue(record, 0)); }
    std::string DataSetIssue() const { return query_->FieldByName("Issue")->GetAsString(); }
    int CountInDatabase(const std::string& where) {
        TADOQuery* count = NewQuery({"select count(*) as n from LotteryIssue where " + where});
        count->Open();
        return count->FieldByName("n")->GetAsInteger();
    }

    TADOQuery* query_ = nullptr;
    TDataSource* source_ = nullptr;
    std::unique_ptr<TcxDBDataController> controller_;
};

class LayoutCountingController : public TcxDBDataController {
  public:
    using TcxDBDataController::TcxDBDataController;
    void LayoutChanged(unsigned reasons) override {
        ++Layouts;
        TcxDBDataController::LayoutChanged(reasons);
    }
    int Layouts = 0;
};

// Streamed while its form loads, the controller binds its fields and loads the draws again on its
// first Loaded, once every item is there, when the dataset's fields are known; not on later calls,
// and not for a query whose fields are only made when it opens.
TEST_P(DBDataControllerTest, TheFirstLoadedRebindsWhenTheDataSetsFieldsAreKnown) {
    TComponent form(nullptr);
    form.SetComponentStateFlag(csLoading, true);
    TADOQuery* open = NewQuery({"select Issue from LotteryIssue where LotteryID=3508 order by Issue"});
    TADOQuery* unopened = NewQuery({"select Issue from LotteryIssue where LotteryID=3508 order by Issue"});
    open->Open();
    auto* openSource = new TDataSource(&owner_);
    openSource->SetDataSet(open);
    auto* unopenedSource = new TDataSource(&owner_);
    unopenedSource->SetDataSet(unopened);
    LayoutCountingController withFields(&form), withoutFields(&form);
    withFields.SetDataSource(openSource);
    withoutFields.SetDataSource(unopenedSource);
    for (LayoutCountingController* controller : {&withFields, &withoutFields}) {
        controller->AddItem(nullptr);
        controller->SetItemFieldName(0, "Issue");
        controller->Layouts = 0;
    }
    form.SetComponentStateFlag(csLoading, false);

    withFields.Loaded();
    EXPECT_EQ(withFields.Layouts, 1);
    ASSERT_EQ(withFields.GetRecordCount(), 3493);
    EXPECT_EQ(VarToStr(withFields.GetValue(3492, 0)), "2026096");
    withFields.Loaded();
    EXPECT_EQ(withFields.Layouts, 1);

    withoutFields.Loaded();
    EXPECT_EQ(withoutFields.Layouts, 0);
    unopened->Open();
    EXPECT_EQ(VarToStr(withoutFields.GetValue(0, 0)), "2003001");
}

TEST_P(DBDataControllerTest, OpeningLoadsEveryDrawInIssueOrderAndClosingUnbinds) {
    OpenDraws();
    ASSERT_EQ(controller_->GetRecordCount(), 3493);
    EXPECT_EQ(controller_->GetRowCount(), 3493);
    EXPECT_EQ(Issue(0), "2003001");
    EXPECT_EQ(Issue(3492), "2026096");
    EXPECT_EQ(controller_->GetFocusedRecordIndex(), 0);
    EXPECT_EQ(controller_->GetItemDataSetField(0), query_->FieldByName("Issue"));
    EXPECT_EQ(controller_->GetItemByFieldName("ISSUE"), controller_->GetItem(0));

    query_->MoveBy(10);
    query_->Close();
    EXPECT_EQ(controller_->GetRecordCount(), 0);
    EXPECT_EQ(controller_->GetItemDataSetField(0), nullptr);
    EXPECT_EQ(controller_->GetDataSetRecNo(), -1);
    EXPECT_EQ(controller_->GetDataSetRecordCount(), 0);

    query_->Open();
    EXPECT_EQ(controller_->GetRecordCount(), 3493);
    EXPECT_EQ(controller_->GetItemDataSetField(0), query_->FieldByName("Issue"));
    EXPECT_EQ(Issue(3492), "2026096");
}

// Reopening with the controls disabled makes new fields: the controller binds them before it reads.
// The old ones are let go of as they are freed, though the link hears nothing while disabled.
TEST_P(DBDataControllerTest, ReopeningWhileControlsAreDisabledRebindsTheFields) {
    OpenDraws();
    query_->DisableControls();
    query_->Close();
    EXPECT_EQ(controller_->GetItemDataSetField(0), nullptr);
    query_->Open();
    query_->EnableControls();
    ASSERT_EQ(controller_->GetRecordCount(), 3493);
    EXPECT_EQ(controller_->GetItemDataSetField(0), query_->FieldByName("Issue"));
    EXPECT_EQ(Issue(3492), "2026096");
}

// In-place editors show over an open dataset while the controller follows it (sync mode).
TEST_P(DBDataControllerTest, EditorsShowOverAnOpenDataSetOnlyInSyncMode) {
    OpenDraws();
    const unsigned showEdit = TcxCustomDataController::dceoShowEdit;
    EXPECT_EQ(controller_->GetEditOperations() & showEdit, showEdit);
    controller_->GetDataModeController().SetSyncMode(false);
    EXPECT_EQ(controller_->GetEditOperations() & showEdit, 0u);
}

TEST_P(DBDataControllerTest, FreeingTheDataSetAndThenItsSourceLeavesAnEmptyController) {
    OpenDraws();
    delete query_;
    EXPECT_EQ(controller_->GetRecordCount(), 0);
    EXPECT_EQ(controller_->GetItemDataSetField(0), nullptr);
    EXPECT_EQ(controller_->GetDataSet(), nullptr);
    delete source_;
    EXPECT_EQ(controller_->GetDataSource(), nullptr);
    controller_->SetFocusedRecordIndex(0); // nothing to move, nothing to crash on
}

TEST_P(DBDataControllerTest, AFieldFreedWhileOpenIsUnboundAndItsItemReadsNull) {
    OpenDraws();
    delete query_->FieldByName("ResultA1");
    EXPECT_EQ(controller_->GetItemDataSetField(1), nullptr);
    EXPECT_EQ(controller_->GetRecordCount(), 3493);
    EXPECT_TRUE(controller_->GetValue(0, 1).IsNull());
    EXPECT_EQ(Issue(0), "2003001");
}

TEST_P(DBDataControllerTest, TheFocusMovesTheDataSetAndTheDataSetMovesTheFocus) {
    OpenDraws();
    controller_->SetFocusedRecordIndex(7);
    EXPECT_EQ(query_->GetRecNo(), 8);
    EXPECT_EQ(DataSetIssue(), Issue(7));
    controller_->SetFocusedRecordIndex(3);
    EXPECT_EQ(query_->GetRecNo(), 4);

    query_->MoveBy(100);
    EXPECT_EQ(controller_->GetFocusedRecordIndex(), 103);
    query_->Last();
    EXPECT_EQ(controller_->GetFocusedRecordIndex(), 3492);
    ASSERT_TRUE(query_->Locate("Issue", std::string("2010050")));
    EXPECT_EQ(Issue(controller_->GetFocusedRecordIndex()), "2010050");
}

// Opened afresh, a sorted view starts at its top row; a refresh of the open dataset keeps the focus.
TEST_P(DBDataControllerTest, ReopeningASortedViewFocusesItsTopRow) {
    OpenDraws();
    controller_->SetOptions(controller_->GetOptions() | dcoFocusTopRowAfterSorting);
    controller_->SetItemSortOrder(0, soDescending);
    EXPECT_EQ(Issue(controller_->GetFocusedRecordIndex()), "2026096");
    controller_->SetFocusedRowIndex(5);
    EXPECT_EQ(DataSetIssue(), "2026091");
    query_->Refresh();
    EXPECT_EQ(controller_->GetFocusedRowIndex(), 5);
    EXPECT_EQ(Issue(controller_->GetFocusedRecordIndex()), "2026091");

    query_->Close();
    query_->Open(); // the dataset stands on its first record, the sorted view's last row
    EXPECT_EQ(controller_->GetFocusedRowIndex(), 0);
    EXPECT_EQ(Issue(controller_->GetFocusedRecordIndex()), "2026096");
    EXPECT_EQ(DataSetIssue(), "2026096");
}

TEST_P(DBDataControllerTest, TwoControllersOnOneDataSourceFollowEachOther) {
    OpenDraws();
    TcxDBDataController other(nullptr);
    other.AddItem(nullptr);
    other.SetItemFieldName(0, "ResultA1");
    other.SetDataSource(source_);
    EXPECT_EQ(other.GetRecordCount(), 3493);

    controller_->SetFocusedRecordIndex(10);
    EXPECT_EQ(other.GetFocusedRecordIndex(), 10);
    other.SetFocusedRecordIndex(20);
    EXPECT_EQ(controller_->GetFocusedRecordIndex(), 20);

    other.SetEditValue(0, Variant(std::string("03 06 09 12 15 18")), 0);
    other.Post();
    EXPECT_EQ(VarToStr(controller_->GetValue(20, 1)), "03 06 09 12 15 18");
    EXPECT_EQ(controller_->GetRecordCount(), 3493);
    EXPECT_EQ(controller_->GetFocusedRecordIndex(), 20);
}

TEST_P(DBDataControllerTest, AnItemBoundToADataSetFieldKeepsItsValueType) {
    OpenDraws();
    TcxValueTypeClass bound = controller_->GetItemValueTypeClass(0);
    controller_->ChangeValueTypeClass(0, &cxCurrencyValueType);
    EXPECT_EQ(controller_->GetItemValueTypeClass(0), bound);
    EXPECT_EQ(Issue(0), "2003001");
    EXPECT_THROW(controller_->ChangeValueTypeClass(9, &cxCurrencyValueType), EcxInvalidDataControllerOperation);
}

TEST_P(DBDataControllerTest, AFocusChangeTheDataSetCannotFollowIsRefused) {
    OpenDraws();
    controller_->SetFocusedRecordIndex(2);
    // The dataset shrinks without telling the controller: it cannot reach record 100 any more.
    query_->DisableControls();
    query_->SetFilter("Issue < '2003010'");
    query_->SetFiltered(true);
    query_->First();
    controller_->SetFocusedRecordIndex(100);
    EXPECT_NE(controller_->GetFocusedRecordIndex(), 100);
    EXPECT_EQ(controller_->GetDBProvider().GetCurrentRecordIndex(), query_->GetRecNo() - 1);
    query_->EnableControls();
    EXPECT_EQ(controller_->GetRecordCount(), query_->GetRecordCount());
}

TEST_P(DBDataControllerTest, AnEditThroughTheControllerIsPostedToTheDatabase) {
    OpenDraws();
    controller_->SetFocusedRecordIndex(5);
    std::string issue = Issue(5);
    controller_->SetEditValue(1, Variant(std::string("01 02 03 04 05 06")), 0);
    EXPECT_TRUE(controller_->IsEditing());
    EXPECT_EQ(VarToStr(controller_->GetEditValue(1)), "01 02 03 04 05 06");
    controller_->Post();
    EXPECT_FALSE(controller_->IsEditing());
    EXPECT_EQ(query_->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(VarToStr(controller_->GetValue(5, 1)), "01 02 03 04 05 06");
    EXPECT_EQ(CountInDatabase("Issue='" + issue + "' and ResultA1='01 02 03 04 05 06'"), 1);

    // Moving on posts a pending edit too.
    controller_->SetEditValue(1, Variant(std::string("07 08 09 10 11 12")), 0);
    controller_->SetFocusedRecordIndex(9);
    EXPECT_EQ(query_->GetRecNo(), 10);
    EXPECT_EQ(VarToStr(controller_->GetValue(5, 1)), "07 08 09 10 11 12");
    EXPECT_EQ(CountInDatabase("Issue='" + issue + "' and ResultA1='07 08 09 10 11 12'"), 1);
}

TEST_P(DBDataControllerTest, WithSmartRefreshAPostReadsThePostedRecordOnly) {
    OpenDraws("Issue");
    controller_->GetDataModeController().SetSmartRefresh(true);
    int scrolls = 0;
    query_->AfterScroll = [&](TDataSet*) { ++scrolls; };
    controller_->SetFocusedRecordIndex(30);
    scrolls = 0;
    controller_->SetEditValue(1, Variant(std::string("04 08 15 16 23 33")), 0);
    controller_->Post();
    EXPECT_LT(scrolls, 10); // a reload would walk every draw
    EXPECT_EQ(VarToStr(controller_->GetValue(30, 1)), "04 08 15 16 23 33");
    EXPECT_EQ(controller_->GetFocusedRecordIndex(), 30);

    controller_->GetDataModeController().SetSmartRefresh(false);
    scrolls = 0;
    controller_->SetEditValue(1, Variant(std::string("05 08 15 16 23 33")), 0);
    controller_->Post();
    EXPECT_GT(scrolls, 3000);
    EXPECT_EQ(VarToStr(controller_->GetValue(30, 1)), "05 08 15 16 23 33");
}

TEST_P(DBDataControllerTest, ARefusedPostKeepsTheUsersValuesWithTheDriversMessage) {
    OpenDraws();
    controller_->Append();
    ASSERT_TRUE(controller_->GetDBProvider().IsInserting());
    int editing = controller_->GetEditingRecordIndex();
    EXPECT_EQ(controller_->GetFocusedRecordIndex(), editing);
    query_->FieldByName("LotteryID")->SetAsInteger(3508);
    controller_->SetEditValue(0, Variant(std::string("2026096")), 0); // the key is taken
    controller_->SetEditValue(1, Variant(std::string("02 05 08 11 14 17")), 0);

    EXPECT_THROW(controller_->Post(), EDatabaseError);
    EXPECT_EQ(query_->GetState(), TDataSetState::dsInsert);
    EXPECT_EQ(VarToStr(controller_->GetEditValue(0)), "2026096");
    EXPECT_EQ(VarToStr(controller_->GetEditValue(1)), "02 05 08 11 14 17");

    // Locking notifications would have cancelled the insert: it refuses with the same error instead.
    EXPECT_THROW(controller_->GetDBProvider().LockNotifications(), EDatabaseError);
    EXPECT_EQ(query_->GetState(), TDataSetState::dsInsert);
    EXPECT_FALSE(query_->ControlsDisabled());
    EXPECT_EQ(VarToStr(controller_->GetEditValue(1)), "02 05 08 11 14 17");

    // Another issue posts.
    controller_->SetEditValue(0, Variant(std::string("2026097")), 0);
    controller_->Post();
    EXPECT_EQ(controller_->GetRecordCount(), 3494);
    EXPECT_EQ(Issue(3493), "2026097");
    EXPECT_EQ(CountInDatabase("Issue='2026097' and ResultA1='02 05 08 11 14 17'"), 1);
}

TEST_P(DBDataControllerTest, LeavingAnUntouchedNewRecordCancelsIt) {
    OpenDraws();
    controller_->Append();
    ASSERT_EQ(query_->GetState(), TDataSetState::dsInsert);
    EXPECT_EQ(controller_->GetRecordCount(), 3494);
    controller_->SetFocusedRecordIndex(0);
    EXPECT_EQ(query_->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(controller_->GetRecordCount(), 3493);
    EXPECT_EQ(controller_->GetFocusedRecordIndex(), 0);
    EXPECT_EQ(query_->GetRecNo(), 1);
}

TEST_P(DBDataControllerTest, ANewRecordHoldingOnlyItsGroupValuesIsCancelledAndOneWithTypedValuesPosted) {
    OpenDraws();
    controller_->AddItem(nullptr);
    controller_->SetItemFieldName(2, "LotteryID");
    controller_->ChangeItemGroupIndex(2, 0);
    controller_->Append();
    ASSERT_EQ(query_->GetState(), TDataSetState::dsInsert);
    EXPECT_EQ(query_->FieldByName("LotteryID")->GetAsInteger(), 3508); // the group's value, put in for the user
    // Values the provider puts in later (as a detail's master keys) do not count as the user's either.
    controller_->GetProvider().SetValue(controller_->GetEditingRecordIndex(), controller_->GetItemField(2),
                                        Variant(3508));
    EXPECT_TRUE(query_->GetModified());
    controller_->SetFocusedRecordIndex(0);
    EXPECT_EQ(query_->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(controller_->GetRecordCount(), 3493);

    controller_->Append();
    controller_->SetEditValue(0, Variant(std::string("2026097")), 0);
    controller_->SetFocusedRecordIndex(0);
    EXPECT_EQ(controller_->GetRecordCount(), 3494);
    EXPECT_EQ(CountInDatabase("LotteryID=3508 and Issue='2026097'"), 1);
}

TEST_P(DBDataControllerTest, DeletingTheFocusedDrawDeletesItInTheDatabase) {
    OpenDraws();
    controller_->SetFocusedRecordIndex(3492);
    controller_->DeleteFocused();
    EXPECT_EQ(controller_->GetRecordCount(), 3492);
    EXPECT_EQ(CountInDatabase("LotteryID=3508 and Issue='2026096'"), 0);
    EXPECT_EQ(Issue(controller_->GetFocusedRecordIndex()), DataSetIssue());
}

TEST_P(DBDataControllerTest, DeletingSeveralDrawsDeletesExactlyThoseWithOrWithoutKeys) {
    for (const char* keys : {"", "Issue"}) {
        SCOPED_TRACE(keys);
        OpenDraws(keys);
        int count = controller_->GetRecordCount();
        // The last draw among them: after deleting it the dataset stands on the one before.
        std::vector<std::string> gone = {Issue(0), Issue(5), Issue(count - 2), Issue(count - 1)};
        std::string kept = Issue(count - 3);
        controller_->GetProvider().DeleteRecords({count - 1, 0, 5, count - 2});
        EXPECT_EQ(controller_->GetRecordCount(), count - 4);
        for (const std::string& issue : gone) EXPECT_EQ(CountInDatabase("Issue='" + issue + "'"), 0) << issue;
        EXPECT_EQ(CountInDatabase("LotteryID=3508"), count - 4);
        EXPECT_EQ(Issue(count - 5), kept);
    }
}

TEST_P(DBDataControllerTest, KeysLocateDrawsAndIdentifyRecords) {
    OpenDraws("Issue");
    EXPECT_TRUE(controller_->HasRecordKeys());
    EXPECT_EQ(VarToStr(controller_->GetRecordKey(0)), "2003001");
    ASSERT_TRUE(controller_->LocateByKeyValue(Variant(std::string("2010050"))));
    EXPECT_EQ(Issue(controller_->GetFocusedRecordIndex()), "2010050");
    EXPECT_EQ(DataSetIssue(), "2010050");
    EXPECT_EQ(VarToStr(controller_->GetDataSetKeyValues()), "2010050");
    EXPECT_FALSE(controller_->LocateByKeyValue(Variant(std::string("1999001"))));
    EXPECT_EQ(DataSetIssue(), "2010050");

    controller_->SetKeyFieldNames("LotteryID;Issue");
    Variant key = VarArrayCreate({{0, 1}}, varVariant);
    key[0] = Variant(3508);
    key[1] = Variant(std::string("2003002"));
    EXPECT_EQ(controller_->FindRecordIndexByKey(key), 1);
    EXPECT_EQ(controller_->FindRecordIndexByKey(Variant(std::string("2003002"))), -1); // not an array

    controller_->SetKeyFieldNames("Issue;NoSuchField");
    EXPECT_THROW(controller_->GetDataSetKeyValues(), EcxInvalidDataControllerOperation);
}

TEST_P(DBDataControllerTest, ItemsOfOneFieldShareItAndANameListGetsSubFields) {
    OpenDraws();
    controller_->AddItem(nullptr);
    controller_->SetItemFieldName(2, "issue");
    EXPECT_EQ(controller_->GetItemDataSetField(2), query_->FieldByName("Issue"));
    EXPECT_EQ(VarToStr(controller_->GetValue(4, 2)), Issue(4));

    controller_->AddItem(nullptr);
    controller_->SetItemFieldName(3, "LotteryID; Issue");
    TcxDBDataField* field = controller_->GetDBField(3);
    ASSERT_EQ(field->GetFieldCount(), 2);
    EXPECT_EQ(field->GetSubField(0)->GetField(), query_->FieldByName("LotteryID"));
    EXPECT_EQ(field->GetSubField(1)->GetField(), query_->FieldByName("Issue"));
}

// A lookup item shows the looked-up reds, and groups and filters by its key field, the draw's issue.
TEST_P(DBDataControllerTest, ALookupItemGroupsAndFiltersByItsKeyFields) {
    TADOQuery* draws = NewQuery({"select Issue as DrawIssue, ResultA1 as DrawReds from LotteryIssue where LotteryID=3508"});
    draws->Open();
    query_ = NewQuery({"select Issue, ResultB1 from LotteryIssue where LotteryID=3508 order by Issue"});
    auto* reds = new TWideStringField(query_);
    reds->SetFieldName("Reds");
    reds->SetFieldKind(TFieldKind::fkLookup);
    reds->SetLookupDataSet(draws);
    reds->SetKeyFields("Issue");
    reds->SetLookupKeyFields("DrawIssue");
    reds->SetLookupResultField("DrawReds");
    reds->SetDataSet(query_);
    source_ = new TDataSource(&owner_);
    source_->SetDataSet(query_);
    TObject redsItem;
    controller_ = std::make_unique<TcxDBDataController>(nullptr);
    controller_->AddItem(&redsItem);
    controller_->SetItemFieldName(0, "Reds");
    controller_->SetDataSource(source_);
    query_->Open();

    TcxDBDataField* field = controller_->GetDBField(0);
    ASSERT_EQ(field->GetFieldCount(), 1);
    EXPECT_EQ(field->GetSubField(0)->GetField(), query_->FieldByName("Issue"));
    EXPECT_EQ(VarToStr(controller_->GetValue(0, 0)), "10 11 12 13 26 28");
    EXPECT_EQ(VarToStr(controller_->GetGroupValue(1, field)), "2003002");
    EXPECT_EQ(VarToStr(controller_->GetFilterDataValue(1, field)), "2003002");
    EXPECT_EQ(LowerCase(controller_->GetFilterFieldName(&redsItem)), "issue"); // PostgreSQL folds names

    TcxDataFilterCriteria& filter = controller_->GetFilter();
    filter.AddItem(filter.GetRoot(), &redsItem, ocEqual, Variant(std::string("2003002")), "2003002");
    filter.SetActive(true);
    ASSERT_EQ(controller_->GetRowCount(), 1);
    EXPECT_EQ(VarToStr(controller_->GetValue(controller_->GetRowInfo(0).RecordIndex, 0)), "04 09 19 20 21 26");
}

class FieldChangeCountingController : public TcxDBDataController {
  public:
    using TcxDBDataController::TcxDBDataController;
    void ItemFieldChanged(int itemIndex) override { ++Changed[itemIndex]; }
    std::map<int, int> Changed;
};

// Closing the query frees its fields: each bound item, and the item sharing its field, hears that
// its field changed; so it does when the reopened query binds new ones.
TEST_P(DBDataControllerTest, ClosingAndReopeningTellsEachItemItsFieldChanged) {
    query_ = NewQuery({"select Issue, ResultA1 from LotteryIssue where LotteryID=3508 order by Issue"});
    source_ = new TDataSource(&owner_);
    source_->SetDataSet(query_);
    FieldChangeCountingController controller(nullptr);
    for (int i = 0; i < 3; ++i) controller.AddItem(nullptr);
    controller.SetItemFieldName(0, "Issue");
    controller.SetItemFieldName(1, "ResultA1");
    controller.SetItemFieldName(2, "Issue"); // shares item 0's field
    controller.SetDataSource(source_);
    query_->Open();
    controller.Changed.clear();

    query_->Close();
    EXPECT_EQ(controller.Changed, (std::map<int, int>{{0, 1}, {1, 1}, {2, 1}}));
    controller.Changed.clear();
    query_->Open();
    EXPECT_EQ(controller.Changed, (std::map<int, int>{{0, 1}, {1, 1}, {2, 1}}));
    EXPECT_EQ(VarToStr(controller.GetValue(3492, 2)), "2026096");
}

// Moving to the new-item row posts the edit of the record the user leaves.
TEST_P(DBDataControllerTest, FocusingTheNewItemRowPostsThePendingEdit) {
    OpenDraws();
    controller_->SetUseNewItemRowForEditing(true);
    controller_->SetFocusedRecordIndex(5);
    std::string issue = Issue(5);
    controller_->SetEditValue(1, Variant(std::string("02 04 06 08 10 12")), 0);
    controller_->SetNewItemRowFocused(true);
    EXPECT_TRUE(controller_->GetNewItemRowFocused());
    EXPECT_EQ(query_->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(CountInDatabase("Issue='" + issue + "' and ResultA1='02 04 06 08 10 12'"), 1);
}

// A refresh shows what another program changed in the database, with smart refresh too.
TEST_P(DBDataControllerTest, RefreshingShowsDrawsAddedElsewhereWithOrWithoutSmartRefresh) {
    OpenDraws("Issue");
    int added = 0;
    for (bool smart : {false, true}) {
        controller_->GetDataModeController().SetSmartRefresh(smart);
        TADOQuery* insert = NewQuery({"insert into LotteryIssue (LotteryID, Issue, ResultA1, ResultB1) values (3508, '202609" +
                                      std::to_string(7 + added) + "', '01 02 03 04 05 06', '01')"});
        insert->ExecSQL();
        ++added;
        controller_->RefreshExternalData();
        ASSERT_EQ(controller_->GetRecordCount(), 3493 + added) << "smart refresh " << smart;
        EXPECT_EQ(Issue(3492 + added), "202609" + std::to_string(6 + added));
    }
}

// A handler that formats a field's text makes its item store texts: the records are read again when the
// fields are next bound, also when smart refresh would only re-read the record it posts.
TEST_P(DBDataControllerTest, AnItemThatStartsStoringTextsIsReadAgain) {
    OpenDraws("Issue");
    controller_->GetDataModeController().SetSmartRefresh(true);
    query_->FieldByName("ResultA1")->OnGetText = [](TField* sender, std::string& text, bool) {
        text = "<" + sender->GetAsString() + ">";
    };
    query_->DisableControls();
    query_->EnableControls();
    controller_->SetFocusedRecordIndex(5);
    controller_->SetEditValue(1, Variant(std::string("01 02 03 04 05 06")), 0);
    controller_->Post();
    EXPECT_EQ(VarToStr(controller_->GetValue(0, 1)), "10 11 12 13 26 28");
    EXPECT_EQ(controller_->GetDisplayText(0, 1), "<10 11 12 13 26 28>");
    EXPECT_EQ(controller_->GetDisplayText(5, 1), "<01 02 03 04 05 06>");
}

ZORVY_ON_BOTH_ENGINES(DBDataControllerTest);

} // namespace
} // namespace zorvy::test
