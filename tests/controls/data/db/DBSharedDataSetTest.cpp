// Several controllers (grids) on one dataset: while one of them reloads or moves the dataset, the
// others skip the dataset's change notices and hear them once, when it is done.
#include "controls/data/db/DBDataController.h"

#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "tests/platform/db/Engines.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy::test {
namespace {

// A grid's controller that counts its reloads and notes those that run inside another one's
// reload or move.
class SharedGridController : public TcxDBDataController {
  public:
    SharedGridController(std::string name, std::vector<std::string>& log)
        : TcxDBDataController(nullptr), name_(std::move(name)), log_(log) {}

    void ReloadData() override {
        ++Reloads;
        for (SharedGridController* other : Others)
            if (other->reloading_ || other->GetDBProvider().IsLocating()) ++ReloadsInsideOthers;
        reloading_ = true;
        try {
            TcxDBDataController::ReloadData();
        } catch (...) {
            reloading_ = false;
            throw;
        }
        reloading_ = false;
    }
    void SyncFocusedRecord() override {
        for (SharedGridController* other : Others)
            if (other->GetDBProvider().IsDeliveringNotices()) log_.push_back(name_);
        TcxDBDataController::SyncFocusedRecord();
    }

    std::vector<SharedGridController*> Others;
    int Reloads = 0;
    int ReloadsInsideOthers = 0;

  private:
    std::string name_;
    std::vector<std::string>& log_;
    bool reloading_ = false;
};

class DBSharedDataSetTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        query_ = NewQuery({"select LotteryID, Issue, ResultA1 from LotteryIssue where LotteryID=3508 order by Issue"});
        source_ = new TDataSource(&owner_);
        source_->SetDataSet(query_);
    }
    SharedGridController* AddGrid(const std::string& name, const std::string& keyFieldNames = "") {
        auto grid = std::make_unique<SharedGridController>(name, log_);
        grid->AddItem(nullptr);
        grid->AddItem(nullptr);
        grid->SetItemFieldName(0, "Issue");
        grid->SetItemFieldName(1, "ResultA1");
        grid->SetKeyFieldNames(keyFieldNames);
        grid->SetDataSource(source_);
        for (auto& other : grids_) {
            other->Others.push_back(grid.get());
            grid->Others.push_back(other.get());
        }
        grids_.push_back(std::move(grid));
        return grids_.back().get();
    }
    void ResetCounts() {
        for (auto& grid : grids_) grid->Reloads = grid->ReloadsInsideOthers = 0;
        log_.clear();
    }
    static std::string Result(TcxDBDataController* grid, int record) { return VarToStr(grid->GetValue(record, 1)); }

    TADOQuery* query_ = nullptr;
    TDataSource* source_ = nullptr;
    std::vector<std::string> log_;
    std::vector<std::unique_ptr<SharedGridController>> grids_;
};

TEST_P(DBSharedDataSetTest, WhileOneGridReloadsTheOtherWaitsAndReloadsOnceAfterwards) {
    SharedGridController* first = AddGrid("first");
    SharedGridController* second = AddGrid("second");
    query_->Open();
    first->SetFocusedRecordIndex(40);
    ResetCounts();

    connection_->Execute("update LotteryIssue set ResultA1='01 02 03 04 05 06' where LotteryID=3508 and "
                         "Issue='2003002'");
    query_->Refresh();
    for (SharedGridController* grid : {first, second}) {
        EXPECT_EQ(grid->Reloads, 1);
        EXPECT_EQ(grid->ReloadsInsideOthers, 0);
        EXPECT_EQ(Result(grid, 1), "01 02 03 04 05 06");
        EXPECT_EQ(grid->GetFocusedRecordIndex(), 40);
    }

    // A reload of one grid alone changes nothing for the other: it hears a move, not a change.
    ResetCounts();
    first->ReloadData();
    EXPECT_EQ(first->Reloads, 1);
    EXPECT_EQ(second->Reloads, 0);
    EXPECT_EQ(second->GetFocusedRecordIndex(), 40);
    EXPECT_EQ(log_, std::vector<std::string>{"second"}) << "the skipped notice comes once, after the reload";
}

TEST_P(DBSharedDataSetTest, SkippedNoticesComeLastRegisteredFirstAndNeverToAGridThatWent) {
    SharedGridController* first = AddGrid("first");
    AddGrid("second");
    AddGrid("third");
    query_->Open();
    ResetCounts();

    first->ReloadData();
    EXPECT_EQ(log_, (std::vector<std::string>{"third", "second"}));
    for (auto& grid : grids_) EXPECT_EQ(grid->ReloadsInsideOthers, 0);

    // The third grid goes while it waits for the first one's notice.
    ResetCounts();
    TcxDBDataProvider& provider = first->GetDBProvider();
    provider.LockNotifications();
    provider.UnlockNotifications();
    grids_[0]->Others.pop_back();
    grids_[1]->Others.pop_back();
    grids_.pop_back();
    first->AfterDataChanged();
    EXPECT_EQ(log_, std::vector<std::string>{"second"});
}

// A grid with key fields skips the notices while another one locates; the post that the move made
// on its way marks the notice as a change, so the grid reloads and shows the posted value.
TEST_P(DBSharedDataSetTest, APostMadeByAnotherGridsMoveReloadsAGridWithKeys) {
    SharedGridController* editing = AddGrid("editing", "Issue");
    SharedGridController* watching = AddGrid("watching", "Issue");
    query_->Open();
    editing->SetFocusedRecordIndex(5);
    ResetCounts();

    editing->SetEditValue(1, Variant(std::string("07 08 09 10 11 12")), 0);
    ASSERT_EQ(query_->GetState(), TDataSetState::dsEdit);
    editing->SetFocusedRecordIndex(10);

    EXPECT_EQ(watching->Reloads, 1);
    EXPECT_EQ(watching->ReloadsInsideOthers, 0) << "the move ends first";
    EXPECT_EQ(Result(watching, 5), "07 08 09 10 11 12");
    EXPECT_EQ(watching->GetFocusedRecordIndex(), 10);
    EXPECT_EQ(Result(editing, 5), "07 08 09 10 11 12");
    EXPECT_EQ(editing->GetFocusedRecordIndex(), 10);
    EXPECT_FALSE(watching->GetDBProvider().HasPostLocateMark()) << "the reload used the mark up";

    // A plain move of a browsing dataset marks nothing: the watching grid only follows.
    ResetCounts();
    editing->SetFocusedRecordIndex(20);
    EXPECT_EQ(watching->Reloads, 0);
    EXPECT_EQ(watching->GetFocusedRecordIndex(), 20);
}

TEST_P(DBSharedDataSetTest, AnotherProvidersInsertIsTold) {
    SharedGridController* inserting = AddGrid("inserting");
    SharedGridController* other = AddGrid("other");
    query_->Open();
    bool seenByOther = false, seenByItself = true;
    query_->BeforeInsert = [&](TDataSet*) {
        seenByOther = other->GetDBProvider().IsOtherInsert();
        seenByItself = inserting->GetDBProvider().IsOtherInsert();
    };
    inserting->Append();
    EXPECT_TRUE(seenByOther);
    EXPECT_FALSE(seenByItself);
    EXPECT_FALSE(other->GetDBProvider().IsOtherInsert()) << "only while the insert runs";
    inserting->Cancel();
}

ZORVY_ON_BOTH_ENGINES(DBSharedDataSetTest);

} // namespace
} // namespace zorvy::test
