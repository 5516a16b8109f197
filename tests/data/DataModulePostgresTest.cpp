#include "data/DataModule.h"

#include "engine/SerialNumber.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/Draws.h"
#include "tests/support/PostgresServer.h"

#include <gtest/gtest.h>

using namespace zorvy;

namespace {

[[maybe_unused]] auto* const postgres = ::testing::AddGlobalTestEnvironment(new test::PostgresEnvironment);

} // namespace

// The same module over a PostgreSQL data source: the views, the draw context and the trend table.
TEST(DataModulePostgres, ViewsDrawContextAndTrendTableOverTheRealDraws) {
    test::DrawDatabase embedded(test::DrawDatabase::Empty);
    test::PostgresServer& server = test::SharedPostgres();
    server.Reset();
    TData data(nullptr);
    data.datacon->Close();
    data.datacon->SetConnectionString(test::PostgresServer::ConnectionString());
    test::ImportDraws(*data.datacon);

    data.GetWzEnd6v();
    // The last real draw is 01 04 16 22 26 31.
    EXPECT_EQ(data.DrawContext.LastDrawDigits,
              SerialPositionDigits(SerialNumber(TCombination{1, 4, 16, 22, 26, 31})));

    data.Frfx.Panel4 = true;
    data.Frfx.Rule = TTrendRule::sx3qiatchk;
    ASSERT_TRUE(data.BuildTrendTable(TTrendView::qw, "2025001", "2026096"));
    TADOQuery* view = data.qw;
    EXPECT_EQ(view->GetRecordCount(), 247);
    view->First();
    EXPECT_EQ(view->FieldByName("Issue")->GetAsString(), "2025001");
    data.xxtoxxTb->Close();
    data.xxtoxxTb->Open();
    EXPECT_EQ(data.xxtoxxTb->GetRecordCount(), 247);
}
