#include "platform/db/ConnectionString.h"
#include "platform/db/Odbc.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/Draws.h"
#include "tests/support/PostgresServer.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

int64_t Count(odbc::Connection& connection, const std::string& sql) {
    odbc::Statement statement(connection);
    statement.Execute(sql);
    EXPECT_TRUE(statement.Fetch());
    return std::get<int64_t>(statement.Get(0));
}

TEST(DrawImport, ReadsEveryRealDraw) {
    std::vector<test::DrawRow> rows = test::ReadDraws();
    ASSERT_EQ(rows.size(), 3493u);
    EXPECT_EQ(rows.front().issue, "2003001");
    EXPECT_EQ(rows.front().resultA1, "10 11 12 13 26 28");
    EXPECT_EQ(rows.back().issue, "2026096");
    EXPECT_FALSE(rows.back().sale.has_value());
}

TEST(DrawImport, FillsTheEmbeddedAndThePostgresDatabases) {
    test::DrawDatabase sqlite;
    odbc::Connection embedded;
    embedded.Open(MapConnectionString(test::DrawDatabase::ConnectionString()).connectionString);
    EXPECT_EQ(Count(embedded, "select count(*) from LotteryIssue where LotteryID=3508"), 3493);
    EXPECT_EQ(Count(embedded, "select count(*) from LotteryIssue where Sale is null"), 980);

    test::SharedPostgres().Reset();
    odbc::Connection postgres;
    postgres.Open(MapConnectionString(test::PostgresServer::ConnectionString()).connectionString);
    EXPECT_EQ(postgres.DbmsName(), "PostgreSQL");
    EXPECT_EQ(test::ImportDraws(postgres), 3493);
    EXPECT_EQ(Count(postgres, "select count(*) from LotteryIssue where Issue>='2026001'"), 96);
}

} // namespace
} // namespace zorvy
