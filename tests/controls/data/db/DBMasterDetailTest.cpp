// A detail controller over a second query keeps its rows in step with the master's focused draw,
// by locating in a shared detail dataset or by reopening a parameterised detail query.
#include "controls/data/db/DBDataController.h"
#include "controls/data/db/DBMasterDetail.h"
#include "controls/data/Variants.h"

#include <functional>
#include <memory>

#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "tests/platform/db/Engines.h"

namespace zorvy::test {
namespace {

struct Mode {
    // The detail query reopens with parameters (else it locates in one dataset of every prize).
    bool sqlMode;
    const char* sql;
};

class DBMasterDetailTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        connection_->Execute("create table Prize (Issue varchar(7), Tier integer, Amount integer)");
        connection_->Execute("insert into Prize values ('2003001', 1, 500), ('2003001', 2, 30), ('2003001', 3, 3), "
                             "('2003002', 1, 800), ('2003004', 2, 40), ('2003004', 1, 600)");
        master_ = NewQuery({"select Issue, ResultA1 from LotteryIssue where LotteryID=3508 order by Issue"});
        auto* masterSource = new TDataSource(&owner_);
        masterSource->SetDataSet(master_);
        masterController_.AddItem(nullptr);
        masterController_.SetItemFieldName(0, "Issue");
        masterController_.SetDataSource(masterSource);
    }

    void OpenDetail(const Mode& mode) {
        detail_ = NewQuery({mode.sql});
        detail_->AfterOpen = [this](TDataSet*) { ++detailOpens_; };
        auto* detailSource = new TDataSource(&owner_);
        detailSource->SetDataSet(detail_);
        detailController_.AddItem(nullptr);
        detailController_.AddItem(nullptr);
        detailController_.SetItemFieldName(0, "Tier");
        detailController_.SetItemFieldName(1, "Amount");
        detailController_.SetKeyFieldNames("Issue;Tier");
        detailController_.SetMasterKeyFieldNames("Issue");
        detailController_.SetDetailKeyFieldNames("Issue");
        detailController_.GetDataModeController().SetDetailInSQLMode(mode.sqlMode);
        detailController_.SetDataSource(detailSource);
        // What the grid's detail level does when the master's focused record changes.
        masterController_.OnUpdateControl = [this](TcxUpdateControlInfo&) {
            int record = masterController_.GetFocusedRecordIndex();
            Variant key = record < 0 ? Variant() : masterController_.GetValue(record, 0);
            if (!VariantsEqualStrict(key, detailController_.GetMasterDetailKeyValues()))
                detailController_.SetMasterDetailKeyValues(key);
        };
        detail_->Open();
        master_->Open();
    }

    std::vector<int> DetailAmounts() {
        std::vector<int> amounts;
        for (int row = 0; row < detailController_.GetRowCount(); ++row)
            amounts.push_back(detailController_.GetValue(detailController_.GetRowInfo(row).RecordIndex, 1).AsInteger());
        return amounts;
    }

    void ExpectDetailRowsFollowTheMaster() {
        EXPECT_EQ(DetailAmounts(), (std::vector<int>{500, 30, 3}));
        masterController_.SetFocusedRecordIndex(1);
        EXPECT_EQ(DetailAmounts(), (std::vector<int>{800}));
        masterController_.SetFocusedRecordIndex(2); // 2003003 has no prizes
        EXPECT_EQ(detailController_.GetRowCount(), 0);

        master_->Next(); // the master's dataset moves by itself: its focus and the detail follow
        EXPECT_EQ(masterController_.GetFocusedRecordIndex(), 3);
        ASSERT_EQ(DetailAmounts(), (std::vector<int>{600, 40}));

        // Focusing a detail row moves the detail dataset to it.
        detailController_.SetFocusedRowIndex(1);
        EXPECT_EQ(detail_->FieldByName("Issue")->GetAsString(), "2003004");
        EXPECT_EQ(detail_->FieldByName("Tier")->GetAsInteger(), 2);
    }

    TADOQuery* master_ = nullptr;
    TADOQuery* detail_ = nullptr;
    int detailOpens_ = 0;
    TcxDBDataController masterController_{nullptr};
    TcxDBDataController detailController_{nullptr};
};

const Mode modes[] = {
    {false, "select Issue, Tier, Amount from Prize order by Issue, Tier"},
    {true, "select Issue, Tier, Amount from Prize where Issue = :Issue order by Tier"},
};

TEST_P(DBMasterDetailTest, InSyncModeDetailRowsAreLocatedInTheSharedDataSet) {
    OpenDetail(modes[0]);
    ExpectDetailRowsFollowTheMaster();
}

TEST_P(DBMasterDetailTest, InSQLModeTheDetailQueryIsReopenedOnlyForOtherKeyValues) {
    OpenDetail(modes[1]);
    ExpectDetailRowsFollowTheMaster();
    // Equal parameters only go to the first row; other values reopen the query once.
    int opens = detailOpens_;
    detailController_.SetMasterDetailKeyValues(Variant(std::string("2003004")));
    EXPECT_EQ(detailOpens_, opens);
    detailController_.SetMasterDetailKeyValues(Variant(std::string("2003001")));
    EXPECT_EQ(detailOpens_, opens + 1);
    EXPECT_EQ(DetailAmounts(), (std::vector<int>{500, 30, 3}));
}

TEST_P(DBMasterDetailTest, ADetailWithoutKeyValuesHoldsNoRows) {
    OpenDetail(modes[0]);
    detailController_.SetMasterDetailKeyValues(Variant());
    EXPECT_EQ(detailController_.GetRecordCount(), 0);
    EXPECT_NE(detailController_.GetDetailFilterAdapter(), nullptr);
}

// A new detail record gets its master's key; holding only that, it is dropped when left and kept
// once the user typed into it.
TEST_P(DBMasterDetailTest, ANewDetailRecordTakesItsMastersKeyYetIsPostedOnlyWithTheUsersValues) {
    OpenDetail(modes[1]);
    ASSERT_EQ(DetailAmounts(), (std::vector<int>{500, 30, 3}));
    auto prizesInDatabase = [this] {
        TADOQuery* count = NewQuery({"select count(*) as n from Prize where Issue='2003001'"});
        count->Open();
        return count->FieldByName("n")->GetAsInteger();
    };

    detailController_.Append();
    ASSERT_EQ(detail_->GetState(), TDataSetState::dsInsert);
    EXPECT_EQ(detail_->FieldByName("Issue")->GetAsString(), "2003001");
    detailController_.SetFocusedRowIndex(0);
    EXPECT_EQ(detail_->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(DetailAmounts(), (std::vector<int>{500, 30, 3}));
    EXPECT_EQ(prizesInDatabase(), 3);

    detailController_.Append();
    detailController_.SetEditValue(0, Variant(4), 0);
    detailController_.SetEditValue(1, Variant(7), 0);
    detailController_.Post();
    EXPECT_EQ(prizesInDatabase(), 4);
    EXPECT_EQ(DetailAmounts(), (std::vector<int>{500, 30, 3, 7}));
}

// Cancelling a record appended past a detail's rows in the shared dataset leaves the dataset on the
// detail's last row, where the focus goes.
TEST_P(DBMasterDetailTest, CancellingADetailsAppendedRecordKeepsTheDataSetOnItsLastRow) {
    OpenDetail(modes[0]);
    detailController_.SetFocusedRowIndex(0);
    detailController_.Append();
    ASSERT_EQ(detail_->GetState(), TDataSetState::dsInsert);
    detailController_.GetProvider().Cancel();
    EXPECT_EQ(detail_->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(detail_->FieldByName("Issue")->GetAsString(), "2003001");
    EXPECT_EQ(detail_->FieldByName("Tier")->GetAsInteger(), 3);
    EXPECT_EQ(DetailAmounts(), (std::vector<int>{500, 30, 3}));
    EXPECT_EQ(detailController_.GetFocusedRowIndex(), 2);
}

// Stands in for a grid's master view: the detail level of a master record is a clone of the level's
// pattern, here with a query of its own over the same prizes.
class MasterView : public TcxDBDataController {
  public:
    struct Link : TObject {
        TComponent Owner{nullptr};
        std::unique_ptr<TcxDBDataController> Controller;
    };
    explicit MasterView(std::function<TADOQuery*(TComponent*)> newDetailQuery)
        : TcxDBDataController(nullptr), newDetailQuery_(std::move(newDetailQuery)) {}

    std::unique_ptr<TObject> CreateDetailLinkObject(TcxCustomDataRelation* relation, int recordIndex) override {
        auto* pattern = static_cast<TcxDBDataController*>(relation->DetailDataController);
        auto link = std::make_unique<Link>();
        link->Controller = std::make_unique<TcxDBDataController>(nullptr);
        TcxDBDataController& clone = *link->Controller;
        for (int i = 0; i < pattern->GetItemCount(); ++i) {
            clone.AddItem(nullptr);
            clone.SetItemFieldName(i, pattern->GetItemFieldName(i));
        }
        clone.Assign(pattern); // with the pattern's data source
        if (!SharePatternsDataSet) {
            TADOQuery* query = newDetailQuery_(&link->Owner);
            auto* source = new TDataSource(&link->Owner);
            source->SetDataSet(query);
            clone.SetDataSource(source);
            query->Open();
        }
        clone.SetMasterRelation(relation, recordIndex);
        return link;
    }
    // Clones read the pattern's dataset instead of queries of their own.
    bool SharePatternsDataSet = false;
    TcxCustomDataController* GetDetailDataControllerByLinkObject(TObject* link) override {
        return static_cast<Link*>(link)->Controller.get();
    }

  private:
    std::function<TADOQuery*(TComponent*)> newDetailQuery_;
};

class DBMasterDetailClonesTest : public DBMasterDetailTest {
  protected:
    // How the pattern's dataset finds a master record's rows.
    virtual const Mode& DetailMode() const { return modes[0]; }
    void SetUp() override {
        DBMasterDetailTest::SetUp();
        const char* sql = DetailMode().sql;
        view_ = std::make_unique<MasterView>([this, sql](TComponent* owner) {
            auto* query = new TADOQuery(owner);
            query->SetConnection(connection_);
            query->SetSQL({sql});
            return query;
        });
        view_->AddItem(nullptr);
        view_->SetItemFieldName(0, "Issue");
        view_->SetDataSource(masterController_.GetDataSource());
        OpenDetail(DetailMode());
        masterController_.OnUpdateControl = nullptr;
        relation_ = view_->GetRelations().Add(&level_);
        detailController_.SetRelationPattern(relation_);
    }
    std::vector<int> Amounts(TcxCustomDataController* clone) {
        std::vector<int> amounts;
        for (int row = 0; row < clone->GetRowCount(); ++row)
            amounts.push_back(clone->GetValue(clone->GetRowInfo(row).RecordIndex, 1).AsInteger());
        return amounts;
    }

    TcxDBDataController* Clone(int masterRecord) {
        return static_cast<TcxDBDataController*>(view_->GetDetailDataController(masterRecord, 0));
    }
    std::string DetailRow() const {
        return detail_->FieldByName("Issue")->GetAsString() + "/" + detail_->FieldByName("Tier")->GetAsString();
    }
    static bool IsCurrent(TcxDBDataController* clone) { return clone->GetDBProvider().GetDataSetCurrentMark(); }

    TObject level_;
    std::unique_ptr<MasterView> view_;
    TcxCustomDataRelation* relation_ = nullptr;
};

TEST_P(DBMasterDetailClonesTest, EachMasterRecordsCloneHoldsItsOwnRows) {
    auto* relation = dynamic_cast<TcxDBDataRelation*>(relation_);
    ASSERT_NE(relation, nullptr) << "a dataset-bound master makes dataset relations";
    EXPECT_TRUE(relation->IsKeyLinked());
    EXPECT_EQ(relation->GetDetailPattern(), &detailController_);
    EXPECT_EQ(VarToStr(relation->GetMasterKeyValues(3)), "2003004");

    TcxCustomDataController* first = view_->GetDetailDataController(0, 0);
    TcxCustomDataController* fourth = view_->GetDetailDataController(3, 0);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(first->GetDetailMode(), TcxCustomDataController::dcdmClone);
    EXPECT_EQ(Amounts(fourth), (std::vector<int>{600, 40}));
    EXPECT_EQ(Amounts(first), (std::vector<int>{500, 30, 3})) << "the first clone keeps its rows";
    EXPECT_EQ(Amounts(view_->GetDetailDataController(2, 0)), std::vector<int>{}) << "2003003 has no prizes";
}

TEST_P(DBMasterDetailClonesTest, ClonesSharingThePatternsDataSetHoldTheirOwnRows) {
    view_->SharePatternsDataSet = true;
    TcxCustomDataController* first = view_->GetDetailDataController(0, 0);
    TcxCustomDataController* fourth = view_->GetDetailDataController(3, 0);
    EXPECT_EQ(Amounts(fourth), (std::vector<int>{600, 40}));
    EXPECT_EQ(Amounts(first), (std::vector<int>{500, 30, 3})) << "the dataset moved for the fourth clone";
}

TEST_P(DBMasterDetailClonesTest, AMasterRecordHasDetailRowsWhenThePatternsDataSetLocatesItsKey) {
    // Asked before any clone exists: 2003001 and 2003004 have prizes, 2003003 none.
    EXPECT_TRUE(view_->GetDetailHasChildren(0, 0));
    EXPECT_FALSE(view_->GetDetailHasChildren(2, 0));
    EXPECT_TRUE(view_->GetDetailHasChildren(3, 0));
    EXPECT_EQ(detail_->FieldByName("Issue")->GetAsString(), "2003001") << "the pattern's dataset stays put";

    int asked = 0;
    view_->OnDetailHasChildren = [&](TcxDBDataController*, int, int relationIndex, const std::string& names,
                                     const Variant& keys, bool& hasChildren) {
        ++asked;
        EXPECT_EQ(relationIndex, 0);
        EXPECT_EQ(names, "Issue");
        hasChildren = VarToStr(keys) == "2003003";
    };
    view_->CheckDetailsHasChildren();
    EXPECT_FALSE(view_->GetDetailHasChildren(0, 0));
    EXPECT_TRUE(view_->GetDetailHasChildren(2, 0));
    EXPECT_EQ(asked, 2);
}

TEST_P(DBMasterDetailClonesTest, LeavingADetailRecordPostsThePendingEditsOfBothSides) {
    auto* clone = static_cast<TcxDBDataController*>(view_->GetDetailDataController(0, 0));
    TDataSet* prizes = clone->GetDataSet();
    ASSERT_EQ(prizes->FieldByName("Amount")->GetAsInteger(), 500);
    prizes->Edit();
    prizes->FieldByName("Amount")->SetAsInteger(501);
    EXPECT_TRUE(clone->CanLeaveRecord());
    EXPECT_EQ(prizes->GetState(), TDataSetState::dsBrowse);
    TADOQuery* prize = NewQuery({"select Amount from Prize where Issue='2003001' and Tier=1"});
    prize->Open();
    EXPECT_EQ(prize->FieldByName("Amount")->GetAsInteger(), 501);

    // The master's pending edit is posted first; its reload takes the clone away, so the detail
    // record is not there to leave any more.
    ASSERT_EQ(master_->FieldByName("Issue")->GetAsString(), "2003001");
    master_->Edit();
    master_->FieldByName("ResultA1")->SetAsString("01 02 03 04 05 06");
    EXPECT_FALSE(clone->CanLeaveRecord());
    EXPECT_EQ(master_->GetState(), TDataSetState::dsBrowse);
    EXPECT_FALSE(view_->IsDetailDataControllerExist(0, 0));
    TADOQuery* draw = NewQuery({"select ResultA1 from LotteryIssue where LotteryID=3508 and Issue='2003001'"});
    draw->Open();
    EXPECT_EQ(draw->FieldByName("ResultA1")->GetAsString(), "01 02 03 04 05 06");
}

// The clones of one relation share the pattern's dataset: it stands for one clone at a time.
TEST_P(DBMasterDetailClonesTest, ExpandingAnotherMasterRecordMakesItsCloneCurrentAndUnfocusesTheFirst) {
    view_->SharePatternsDataSet = true;
    view_->ChangeDetailExpanding(0, true);
    TcxDBDataController* first = Clone(0);
    first->SetFocusedRecordIndex(1);
    EXPECT_TRUE(IsCurrent(first));
    EXPECT_EQ(DetailRow(), "2003001/2");

    view_->ChangeDetailExpanding(3, true);
    TcxDBDataController* fourth = Clone(3);
    EXPECT_TRUE(IsCurrent(fourth));
    EXPECT_FALSE(IsCurrent(first));
    EXPECT_EQ(first->GetFocusedRecordIndex(), -1);
    EXPECT_EQ(Amounts(first), (std::vector<int>{500, 30, 3})) << "unfocused, not emptied";

    // Focusing a row of the first clone takes the dataset back to it.
    first->SetFocusedRecordIndex(2);
    EXPECT_TRUE(IsCurrent(first));
    EXPECT_FALSE(IsCurrent(fourth));
    EXPECT_EQ(fourth->GetFocusedRecordIndex(), -1);
    EXPECT_EQ(DetailRow(), "2003001/3");
}

TEST_P(DBMasterDetailClonesTest, MovingTheSharedDetailDataSetToAnotherMastersRowMovesTheMastersFocusThere) {
    view_->SharePatternsDataSet = true;
    view_->SetKeyFieldNames("Issue");
    view_->ChangeDetailExpanding(0, true);
    TcxDBDataController* first = Clone(0);
    first->SetFocusedRecordIndex(0);
    ASSERT_EQ(view_->GetFocusedRecordIndex(), 0);

    ASSERT_TRUE(detail_->Locate("Issue;Tier", VarArrayOf({Variant(std::string("2003004")), Variant(2)})));
    EXPECT_EQ(view_->GetFocusedRecordIndex(), 3);
    EXPECT_EQ(master_->FieldByName("Issue")->GetAsString(), "2003004");
    EXPECT_TRUE(view_->GetDetailExpanding(3));
    EXPECT_EQ(view_->GetActiveRelationIndex(3), 0);
    ASSERT_TRUE(view_->IsDetailDataControllerExist(3, 0));
    TcxDBDataController* fourth = Clone(3);
    EXPECT_EQ(Amounts(fourth), (std::vector<int>{600, 40}));
    ASSERT_EQ(fourth->GetFocusedRecordIndex(), 1) << "the clone shows the row moved to";
    EXPECT_TRUE(IsCurrent(fourth));
    EXPECT_EQ(first->GetFocusedRecordIndex(), -1);
    EXPECT_EQ(DetailRow(), "2003004/2") << "the detail dataset stays where it was moved";

    // A move within the master record's rows leaves the master where it is.
    detail_->Prior();
    EXPECT_EQ(view_->GetFocusedRecordIndex(), 3);
    EXPECT_EQ(fourth->GetFocusedRecordIndex(), 0);
}

TEST_P(DBMasterDetailClonesTest, OnlyTheCloneTheSharedDataSetStandsForTakesItsNewRecord) {
    view_->SharePatternsDataSet = true;
    TcxDBDataController* first = Clone(0);
    TcxDBDataController* fourth = Clone(3);
    fourth->SetFocusedRecordIndex(0);
    ASSERT_TRUE(IsCurrent(fourth));

    fourth->Append();
    EXPECT_TRUE(fourth->GetDBProvider().IsInserting());
    EXPECT_FALSE(first->IsEditing());
    EXPECT_EQ(first->GetRecordCount(), 3);
    EXPECT_TRUE(IsCurrent(fourth));
    fourth->Cancel();
    EXPECT_EQ(Amounts(fourth), (std::vector<int>{600, 40}));
    EXPECT_EQ(Amounts(first), (std::vector<int>{500, 30, 3}));
}

// One parameterised detail query shared by the clones holds one master record's rows at a time.
class DBSharedDetailQueryTest : public DBMasterDetailClonesTest {
  protected:
    const Mode& DetailMode() const override { return modes[1]; }
};

TEST_P(DBSharedDetailQueryTest, FocusingACloneReopensTheSharedQueryForItsMasterRecord) {
    view_->SharePatternsDataSet = true;
    detailController_.SetMasterDetailKeyValues(Variant()); // a pattern holds no rows of its own
    TcxDBDataController* first = Clone(0);
    TcxDBDataController* fourth = Clone(3);
    EXPECT_EQ(Amounts(first), (std::vector<int>{500, 30, 3}));
    EXPECT_EQ(Amounts(fourth), (std::vector<int>{600, 40}));
    EXPECT_TRUE(first->IsDetailQueryOutdated());
    EXPECT_FALSE(fourth->IsDetailQueryOutdated());

    // The query holds the fourth clone's rows: the first clone ignores their changes.
    int opens = detailOpens_;
    detail_->Refresh();
    EXPECT_EQ(detailOpens_, opens);
    EXPECT_EQ(Amounts(first), (std::vector<int>{500, 30, 3}));

    first->SetFocusedRecordIndex(1);
    EXPECT_EQ(detailOpens_, opens + 1);
    EXPECT_EQ(DetailRow(), "2003001/2");
    EXPECT_EQ(first->GetFocusedRecordIndex(), 1);
    EXPECT_FALSE(first->IsDetailQueryOutdated());
    EXPECT_TRUE(fourth->IsDetailQueryOutdated());
    EXPECT_EQ(fourth->GetFocusedRecordIndex(), -1);
    // The reopen made new fields: the other clone reads them, its rows kept.
    EXPECT_EQ(fourth->GetItemDataSetField(1), detail_->FieldByName("Amount"));
    EXPECT_EQ(Amounts(fourth), (std::vector<int>{600, 40}));

    // Checking again with the query already current reopens nothing.
    first->CheckDetailSync();
    EXPECT_EQ(detailOpens_, opens + 1);
    fourth->CheckDetailSync();
    EXPECT_EQ(detailOpens_, opens + 2);
    EXPECT_EQ(DetailRow(), "2003004/1");
}

ZORVY_ON_BOTH_ENGINES(DBMasterDetailTest);
ZORVY_ON_BOTH_ENGINES(DBMasterDetailClonesTest);
ZORVY_ON_BOTH_ENGINES(DBSharedDetailQueryTest);

} // namespace
} // namespace zorvy::test
