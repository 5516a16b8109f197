// A controller bound to a trend view's query of the data module: every draw in issue order with
// its calculated trend columns, on SQLite and on PostgreSQL.
#include "controls/data/db/DBDataController.h"
#include "data/DataModule.h"

#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "tests/platform/db/Engines.h"

namespace zorvy::test {
namespace {

class DBViewQueryTest : public ::testing::TestWithParam<Engine> {
  protected:
    void SetUp() override {
        bool sqlite = GetParam() == Engine::Sqlite;
        database_ = std::make_unique<DrawDatabase>(sqlite ? DrawDatabase::RealDraws : DrawDatabase::Empty);
        data_ = std::make_unique<TData>(nullptr);
        if (!sqlite) {
            SharedPostgres().Reset();
            data_->datacon->Close();
            data_->datacon->SetConnectionString(PostgresServer::ConnectionString());
            ImportDraws(*data_->datacon);
        }
    }
    void TearDown() override {
        controller_.reset();
        data_.reset();
    }

    std::unique_ptr<DrawDatabase> database_;
    std::unique_ptr<TData> data_;
    std::unique_ptr<TcxDBDataController> controller_;
};

TEST_P(DBViewQueryTest, EveryDrawInIssueOrderWithItsTrendColumns) {
    TADOQuery* query = data_->ViewQuery(TTrendView::gw);
    ASSERT_TRUE(data_->RefreshView(TTrendView::gw, "2003001", "2026096"));
    controller_ = std::make_unique<TcxDBDataController>(nullptr);
    for (int i = 0; i < query->GetFieldCount(); ++i) {
        controller_->AddItem(nullptr);
        controller_->SetItemFieldName(i, query->GetFields()[i]->GetFieldName());
    }
    controller_->SetDataSource(data_->ViewSource(TTrendView::gw));
    ASSERT_EQ(controller_->GetRecordCount(), 3493);
    int issue = -1;
    for (int i = 0; i < query->GetFieldCount(); ++i)
        if (query->GetFields()[i]->GetFieldName() == "Issue") issue = i;
    ASSERT_GE(issue, 0);
    for (int record = 1; record < controller_->GetRecordCount(); ++record)
        ASSERT_LT(VarToStr(controller_->GetValue(record - 1, issue)), VarToStr(controller_->GetValue(record, issue)));

    // Every column of a record, calculated trend columns too, is what the dataset shows there.
    for (int record : {0, 1746, 3492}) {
        controller_->SetFocusedRecordIndex(record);
        ASSERT_EQ(query->GetRecNo(), record + 1);
        for (int i = 0; i < query->GetFieldCount(); ++i) {
            TField* field = query->GetFields()[i];
            EXPECT_EQ(VarToStr(controller_->GetValue(record, i)), field->GetAsString())
                << field->GetFieldName() << " of record " << record;
        }
    }

    // The analysis window's refresh reopens the query: the controller reloads and keeps up.
    ASSERT_TRUE(data_->RefreshView(TTrendView::gw, "2025001", "2026096"));
    EXPECT_EQ(controller_->GetRecordCount(), query->GetRecordCount());
    EXPECT_EQ(VarToStr(controller_->GetValue(0, issue)), "2025001");
}

INSTANTIATE_TEST_SUITE_P(Engines, DBViewQueryTest, ::testing::Values(Engine::Sqlite, Engine::Postgres), EngineName);

} // namespace
} // namespace zorvy::test
