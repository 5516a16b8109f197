#include "Engines.h"

#include "platform/db/Odbc.h"

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

using BlockFetchTest = EngineTest;

std::vector<std::vector<odbc::Value>> ReadAll(odbc::Connection& connection, const std::string& sql,
                                              bool blocks, bool* whole = nullptr) {
    odbc::Statement statement(connection);
    statement.Execute(sql);
    std::vector<std::vector<odbc::Value>> rows;
    auto keep = [&](std::vector<odbc::Value>& row) { rows.push_back(row); };
    if (blocks) {
        const bool read = statement.FetchBlocks(keep);
        if (whole) *whole = read;
    } else {
        statement.FetchEach(keep);
    }
    return rows;
}

// Every kind of column the datasets read, with nulls, texts outside the basic plane and more rows than a
// block holds: read in blocks into bound buffers, the values equal those read cell by cell.
TEST_P(BlockFetchTest, BlocksOfBoundRowsReadTheSameValuesAsCellByCell) {
    const bool postgres = GetParam() == Engine::Postgres;
    connection_->Execute(std::string("create table Kinds (Id integer, Small smallint, Big bigint, Flag ") +
                         (postgres ? "boolean" : "bit") +
                         ", Real double precision, Fixed numeric(10,3), Code char(5), Name varchar(20), "
                         "Day date, Moment timestamp)");
    odbc::Connection& odbc = connection_->OdbcConnection();
    const std::vector<std::string> names = {
        "", "七星彩", "a'b", "𝄞 clef", "ends with space ", "二十个字符二十个字符二十个字符二十个字"};
    odbc.BeginTransaction();
    for (int i = 0; i < 600; ++i) {
        const bool null = i % 7 == 3;
        auto orNull = [&](odbc::Value value) { return null ? odbc::Value() : value; };
        odbc.ExecDirect("insert into Kinds values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                        {int64_t{i}, orNull(int64_t{i % 300 - 150}), orNull(int64_t{i} * 10000000000LL),
                         orNull(i % 2 == 0), orNull(i / 8.0 - 3.25), orNull(i * 1.125),
                         orNull(std::string(1 + i % 5, static_cast<char>('a' + i % 26))),
                         orNull(names[static_cast<size_t>(i) % names.size()]),
                         orNull(odbc::Timestamp{2003 + i % 20, 1 + i % 12, 1 + i % 28}),
                         orNull(odbc::Timestamp{2026, 2, 28, i % 24, i % 60, (i * 7) % 60})});
    }
    odbc.Commit();
    const std::string sql = "select * from Kinds order by Id";
    bool whole = false;
    const auto blocks = ReadAll(odbc, sql, true, &whole);
    EXPECT_TRUE(whole);
    const auto cells = ReadAll(odbc, sql, false);
    ASSERT_EQ(blocks.size(), 600u);
    EXPECT_EQ(blocks, cells);
    EXPECT_EQ(blocks[5][7], odbc::Value(std::string("二十个字符二十个字符二十个字符二十个字")));
    EXPECT_EQ(blocks[3][7], odbc::Value());
    EXPECT_EQ(blocks[599][2], odbc::Value(int64_t{5990000000000}));
}

// SQLite keeps a text longer than its column declares; reading in blocks stops there, and the dataset
// reads the result again, each value whole.
TEST(BlockFetchSqliteTest, ATextLongerThanItsColumnIsReadWhole) {
    DrawDatabase database;
    TComponent owner(nullptr);
    auto* connection = new TADOConnection(&owner);
    connection->SetConnectionString(DrawDatabase::ConnectionString());
    connection->SetLoginPrompt(false);
    connection->Execute("create table Short (Id integer, Name varchar(4))");
    const std::string longName(3000, 'x');
    connection->BeginTrans();
    for (int i = 0; i < 300; ++i)
        connection->Execute("insert into Short values (" + std::to_string(i) + ", '" +
                            (i == 280 ? longName : std::string("ab")) + "')");
    connection->CommitTrans();
    bool whole = true;
    const auto rows = ReadAll(connection->OdbcConnection(), "select * from Short order by Id", true, &whole);
    EXPECT_FALSE(whole);
    EXPECT_EQ(rows.size(), 280u); // the rows before the long text

    auto* query = new TADOQuery(&owner);
    query->SetConnection(connection);
    query->SetSQL({"select * from Short order by Id"});
    query->Open();
    ASSERT_EQ(query->GetRecordCount(), 300);
    ASSERT_TRUE(query->Locate("Id", 280));
    EXPECT_EQ(query->FieldByName("Name")->GetAsString(), longName);
    ASSERT_TRUE(query->Locate("Id", 281));
    EXPECT_EQ(query->FieldByName("Name")->GetAsString(), "ab");
}

ZORVY_ON_BOTH_ENGINES(BlockFetchTest);

} // namespace
} // namespace zorvy::test
