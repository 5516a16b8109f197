// Transactions that end badly: a disk that fills during a long append, a server killed half-way, a
// rollback. The database keeps none of the transaction, and neither does what the datasets show.
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/Field.h"
#include "platform/db/Odbc.h"
#include "platform/rtl/DateTime.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/Draws.h"
#include "tests/support/PostgresServer.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

// Rows of LotteryIssue as a separate connection finds them: what the database really holds.
int64_t StoredRows(const std::string& adoConnectionString) {
    odbc::Connection connection;
    connection.Open(MapConnectionString(adoConnectionString).connectionString);
    odbc::Statement statement(connection);
    statement.Execute("select count(*) from LotteryIssue");
    EXPECT_TRUE(statement.Fetch());
    return std::get<int64_t>(statement.Get(0));
}

std::vector<std::string> ShownIssues(TDataSet& dataSet) {
    std::vector<std::string> issues;
    dataSet.First();
    while (!dataSet.GetEof()) {
        issues.push_back(dataSet.FieldByName("Issue")->GetAsString() + "|" +
                         dataSet.FieldByName("ResultB1")->GetAsString());
        dataSet.Next();
    }
    return issues;
}

void FillNewDraw(TDataSet& table, int number) {
    table.Append();
    table.FieldByName("LotteryID")->SetAsInteger(3508);
    table.FieldByName("Issue")->SetAsString(std::to_string(2030000 + number));
    table.FieldByName("EndTime")->SetAsDateTime(EncodeDate(2030, 1, 1));
    table.FieldByName("ResultA1")->SetAsString("01 02 03 04 05 06");
    table.FieldByName("Notes")->SetAsString(std::string(250, 'n'));
}

// Appends new draws inside a transaction until a post fails; the failure, and how many were posted.
std::pair<odbc::Error, int> AppendUntilAFailure(TDataSet& table, int limit,
                                                const std::function<void(int)>& beforePost = {}) {
    for (int i = 0; i < limit; ++i) {
        FillNewDraw(table, i);
        if (beforePost) beforePost(i);
        try {
            table.Post();
        } catch (const odbc::Error& e) {
            return {e, i};
        }
    }
    ADD_FAILURE() << "every post succeeded";
    return {odbc::Error(odbc::Fault::Other, ""), limit};
}

class TransactionFaultTest : public ::testing::Test {
  protected:
    void OpenTable(const std::string& connectionString) {
        connection_->SetConnectionString(connectionString);
        table_->SetConnection(connection_);
        table_->SetTableName("LotteryIssue");
        table_->Open();
        before_ = ShownIssues(*table_);
        ASSERT_EQ(before_.size(), 3493u);
    }

    TComponent owner_{nullptr};
    TADOConnection* connection_ = new TADOConnection(&owner_);
    TADOTable* table_ = new TADOTable(&owner_);
    std::vector<std::string> before_;
};

TEST_F(TransactionFaultTest, ADiskThatFillsDuringAnAppendLeavesNoPhantomRows) {
    test::DrawDatabase database;
    OpenTable(test::DrawDatabase::ConnectionString());
    // The database may grow by a few pages only: SQLite's own size limit stands in for a full disk.
    TADOQuery pages(nullptr);
    pages.SetConnection(connection_);
    pages.SetSQLText("pragma page_count");
    pages.Open();
    connection_->Execute("pragma max_page_count = " +
                         std::to_string(pages.GetFields()[0]->GetAsInteger() + 3));

    connection_->BeginTrans();
    auto [failure, posted] = AppendUntilAFailure(*table_, 100);
    EXPECT_EQ(failure.GetFault(), odbc::Fault::DiskFull);
    EXPECT_EQ(std::string(failure.what()).rfind("The disk is full (" + database.File() + "): [SQLite]", 0),
              0u)
        << failure.what();
    EXPECT_GT(posted, 0);
    // The rejected record stays as typed; the ones posted before it are already gone from the database.
    EXPECT_EQ(table_->GetState(), TDataSetState::dsInsert);
    EXPECT_EQ(table_->FieldByName("Issue")->GetAsString(), std::to_string(2030000 + posted));

    try {
        connection_->CommitTrans();
        FAIL() << "the commit reported success";
    } catch (const odbc::Error& e) {
        EXPECT_EQ(e.GetFault(), odbc::Fault::DiskFull);
        EXPECT_EQ(std::string(e.what()).rfind("The changes were not saved: The disk is full", 0), 0u)
            << e.what();
    }
    EXPECT_FALSE(connection_->GetInTransaction());
    EXPECT_EQ(StoredRows(test::DrawDatabase::ConnectionString()), 3493);
    // The user's record is still offered; the posted ones are gone from the dataset too.
    EXPECT_EQ(table_->GetState(), TDataSetState::dsInsert);
    EXPECT_EQ(table_->FieldByName("Issue")->GetAsString(), std::to_string(2030000 + posted));
    table_->Cancel();
    EXPECT_EQ(ShownIssues(*table_), before_);
}

TEST_F(TransactionFaultTest, ARollbackTakesBackAppendsEditsAndDeletes) {
    test::DrawDatabase database;
    OpenTable(test::DrawDatabase::ConnectionString());
    connection_->BeginTrans();
    FillNewDraw(*table_, 1);
    table_->Post();
    ASSERT_TRUE(table_->Locate("Issue", std::string("2010001")));
    table_->Edit();
    table_->FieldByName("ResultB1")->SetAsString("99");
    table_->Post();
    ASSERT_TRUE(table_->Locate("Issue", std::string("2020001")));
    table_->Delete();
    // A record inserted in the transaction, edited when the rollback comes, is offered back as new.
    ASSERT_TRUE(table_->Locate("Issue", std::string("2030001")));
    table_->Edit();
    table_->FieldByName("ResultB1")->SetAsString("07");
    connection_->RollbackTrans();

    EXPECT_EQ(table_->GetState(), TDataSetState::dsInsert);
    EXPECT_EQ(table_->FieldByName("Issue")->GetAsString(), "2030001");
    EXPECT_EQ(table_->FieldByName("ResultB1")->GetAsString(), "07");
    table_->Cancel();
    EXPECT_EQ(ShownIssues(*table_), before_);
    EXPECT_EQ(StoredRows(test::DrawDatabase::ConnectionString()), 3493);

    // Once committed, the changes stay shown.
    connection_->BeginTrans();
    ASSERT_TRUE(table_->Locate("Issue", std::string("2020001")));
    table_->Delete();
    connection_->CommitTrans();
    EXPECT_EQ(table_->GetRecordCount(), 3492);
    EXPECT_EQ(StoredRows(test::DrawDatabase::ConnectionString()), 3492);
}

TEST_F(TransactionFaultTest, AServerKilledHalfWayLosesTheTransactionAndTheNextUseConnectsAgain) {
    test::PostgresServer& server = test::SharedPostgres();
    server.Reset();
    {
        TADOConnection loader(nullptr);
        loader.SetConnectionString(test::PostgresServer::ConnectionString());
        test::ImportDraws(loader);
        // The test server commits without waiting for its log: a checkpoint makes the draws survive
        // the crash below, as a committed transaction of a real server would.
        loader.Execute("checkpoint");
    }
    OpenTable(test::PostgresServer::ConnectionString());
    connection_->BeginTrans();
    auto [failure, posted] = AppendUntilAFailure(*table_, 100, [&](int i) {
        if (i == 52) server.Kill();
    });
    server.Restart();
    EXPECT_EQ(posted, 52);
    EXPECT_EQ(failure.GetFault(), odbc::Fault::ConnectionLost);
    EXPECT_EQ(std::string(failure.what()).rfind("The connection to the database was lost: ", 0), 0u)
        << failure.what();
    EXPECT_FALSE(connection_->GetConnected());
    EXPECT_EQ(table_->GetState(), TDataSetState::dsInsert);

    try {
        connection_->CommitTrans();
        FAIL() << "the commit reported success";
    } catch (const odbc::Error& e) {
        EXPECT_EQ(e.GetFault(), odbc::Fault::ConnectionLost);
        EXPECT_EQ(std::string(e.what()).rfind("The changes were not saved: The connection", 0), 0u)
            << e.what();
    }
    EXPECT_EQ(StoredRows(test::PostgresServer::ConnectionString()), 3493);
    EXPECT_EQ(table_->GetState(), TDataSetState::dsInsert);
    table_->Cancel();
    EXPECT_EQ(ShownIssues(*table_), before_);

    // The next use connects again by itself, and works.
    FillNewDraw(*table_, 1);
    table_->Post();
    EXPECT_TRUE(connection_->GetConnected());
    EXPECT_EQ(StoredRows(test::PostgresServer::ConnectionString()), 3494);
}

TEST_F(TransactionFaultTest, ADataSetThatCannotReadItsRecordsAgainAfterALostTransactionCloses) {
    test::PostgresServer& server = test::SharedPostgres();
    server.Reset();
    {
        TADOConnection loader(nullptr);
        loader.SetConnectionString(test::PostgresServer::ConnectionString());
        test::ImportDraws(loader);
        loader.Execute("checkpoint"); // the test server commits without waiting for its log
    }
    OpenTable(test::PostgresServer::ConnectionString());
    connection_->BeginTrans();
    FillNewDraw(*table_, 1);
    table_->Post();
    table_->Refresh(); // from here only the database knows what the transaction changed
    server.Kill();
    try {
        connection_->CommitTrans();
        ADD_FAILURE() << "the commit reported success";
    } catch (const odbc::Error& e) {
        EXPECT_EQ(e.GetFault(), odbc::Fault::ConnectionLost) << e.what();
    }
    EXPECT_FALSE(table_->GetActive());
    server.Restart();
    table_->Open();
    EXPECT_EQ(ShownIssues(*table_), before_);
}

} // namespace
} // namespace zorvy
