// The embedded database's first start: made with the shipped draw history in one step, or not at all.
#include "platform/db/EmbeddedDatabase.h"

#include "platform/db/ADOConnection.h"
#include "platform/db/DrawHistoryFile.h"
#include "platform/db/Odbc.h"
#include "platform/rtl/Exceptions.h"
#include "tests/platform/rtl/SavedEnvironment.h"
#include "tests/support/DrawFile.h"
#include "tests/support/FileRights.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zorvy {
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int64_t Count(TADOConnection& connection, const std::string& sql) {
    odbc::Statement statement(connection.OdbcConnection());
    statement.Execute(sql);
    EXPECT_TRUE(statement.Fetch());
    return std::get<int64_t>(statement.Get(0));
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EDatabaseError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no EDatabaseError";
    return {};
}

TEST(DrawHistoryFile, ReadsTheShippedHistoryAsTheTestReaderDoes) {
    const TDrawHistory history = ReadDrawHistory(ShippedHistoryFile());
    const std::vector<test::DrawRow> expected = test::ReadDraws();
    EXPECT_EQ(history.Columns,
              (std::vector<std::string>{"LotteryID", "Issue", "EndTime", "ResultA1", "ResultB1", "Sale",
                                        "Bonus1", "Bonus2", "Bonus3", "Count1", "Count2", "Count3"}));
    ASSERT_EQ(history.Rows.size(), 3493u);
    for (size_t i = 0; i < expected.size(); ++i) {
        const std::vector<odbc::Value>& row = history.Rows[i];
        ASSERT_EQ(std::get<std::string>(row[1]), expected[i].issue);
        ASSERT_EQ(std::get<std::string>(row[3]), expected[i].resultA1);
        ASSERT_EQ(std::holds_alternative<std::monostate>(row[5]), !expected[i].sale.has_value()) << i;
    }
    EXPECT_EQ(std::get<int64_t>(history.Rows[0][0]), 3508);
    EXPECT_EQ(std::get<odbc::Timestamp>(history.Rows[0][2]), (odbc::Timestamp{2003, 2, 23}));
    EXPECT_EQ(std::get<std::string>(history.Rows.back()[4]), expected.back().resultB1);
}

TEST(DrawHistoryFile, NamesTheLineAndColumnOfWhatItCannotRead) {
    const std::string header = "LotteryID,Issue,EndTime,ResultA1,Sale\n";
    struct Case {
        std::string text;
        const char* message;
    } cases[] = {
        {"", "h.csv: the file is empty"},
        {"LotteryID,Issue,Colour\n", "h.csv line 1: \"Colour\" is not a column of the draw table"},
        {"LotteryID,EndTime\n", "h.csv line 1: the header lacks the column \"Issue\""},
        {"Issue,LotteryID,issue\n", "h.csv line 1: column \"issue\" appears twice"},
        {header + "3508,2003001,2003-02-23,01 02 03 04 05 06,0\n3508,2003002,2003-02-27,x\n",
         "h.csv line 3: 4 cells where the header names 5"},
        {header + "3508,2003001,2003-02-23,x,12a\n",
         "h.csv line 2: column Sale: \"12a\" is not a whole number"},
        {header + "3508,2003001,2003-02-23,x,99999999999\n",
         "column Sale: \"99999999999\" is not a whole number"},
        {header + "3508,2003001,2003-02-30,x,1\n",
         "column EndTime: \"2003-02-30\" is not a date (yyyy-mm-dd)"},
        {header + "3508,20030011,2003-02-03,x,1\n",
         "column Issue: \"20030011\" is not at most 7 characters long"},
        {header + "3508,,2003-02-03,x,1\n", "h.csv line 2: column Issue is empty"},
        {header + "3508,\"2003001\",2003-02-03,x,1\n", "h.csv line 2: quoted cells are not supported"},
        {header + "3508,2003001,2003-02-03,\xff\xfe,1\n", "h.csv: the file is not UTF-8 text"},
        // A file cut at a line end, a count that does not match, and lines after the closing one.
        {header + "3508,2003001,2003-02-23,x,0\n3508,2003002,2003-02-27,x,0\n",
         "h.csv: the closing line \"# <number of draws> draws\" is missing: the file is cut short after 2 "
         "draws"},
        {header,
         "h.csv: the closing line \"# <number of draws> draws\" is missing: the file is cut short after 0"},
        {header + "3508,2003001,2003-02-23,x,0\n# 2 draws\n",
         "h.csv: the file holds 1 draws where its closing line states 2"},
        {header + "3508,2003001,2003-02-23,x,0\n# 1 draws\n3508,2003002,2003-02-27,x,0\n",
         "h.csv line 4: the file goes on after its closing line"},
        {header + "# 1 draws\n# 1 draws\n", "h.csv line 3: the file goes on after its closing line"},
        {header + "#3508,2003001,2003-02-23,x,0\n",
         "h.csv line 2: a line starting with \"#\" must be the closing"},
        {header + "# 01 draws\n", "h.csv line 2: a line starting with \"#\" must be the closing"},
        {header + "# 99999999999999999999 draws\n", "h.csv line 2: a line starting with \"#\" must be"},
    };
    for (const Case& c : cases) {
        const std::string message = MessageOf([&] { ParseDrawHistory(c.text, "h.csv"); });
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }

    // A byte-order mark, CRLF line ends, blank lines (after the closing line too), empty optional cells
    // and Chinese text are all fine.
    const TDrawHistory history = ParseDrawHistory(
        "\xEF\xBB\xBFLotteryID,Issue,Notes,Sale\r\n\r\n3508,2003001,开奖,\r\n# 1 draws\r\n\r\n", "h.csv");
    ASSERT_EQ(history.Rows.size(), 1u);
    EXPECT_EQ(std::get<std::string>(history.Rows[0][2]), "开奖");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(history.Rows[0][3]));
}

TEST(DrawHistoryFile, TakesOnlyFourDigitYearsOfTheTwentiethAndTwentyFirstCenturiesAndNoControlCharacters) {
    using namespace std::string_literals;
    const std::string header = "LotteryID,Issue,EndTime,ResultA1\n";
    for (const char* date : {"-001-01-01", "0000-02-29", "1899-12-31", "2100-01-01", "+003-01-01",
                             "2003-+1-01", "2003-01- 1", "２００３-01-01"}) {
        const std::string message =
            MessageOf([&] { ParseDrawHistory(header + "3508,2003001," + date + ",\n", "h.csv"); });
        EXPECT_NE(message.find("h.csv line 2: column EndTime: \"" + std::string(date) +
                               "\" is not a date (yyyy-mm-dd) of the years 1900-2099"),
                  std::string::npos)
            << message;
    }
    // A NUL would cut the text in the database, which then differs from the file.
    EXPECT_THROW(ParseDrawHistory(header + "3508,2003001,,04 09\0 21\n"s, "h.csv"), EDatabaseError);
    EXPECT_NE(MessageOf([&] {
                  ParseDrawHistory(header + "3508,2003001,,04\t09\n", "h.csv");
              }).find("h.csv line 2: column ResultA1: \"04\t09\" is not a text without control characters"),
              std::string::npos);
    const TDrawHistory history =
        ParseDrawHistory(header + "3508,1,1900-01-01,\n3508,2,2099-12-31,\n3508,3,2000-02-29,\n# 3 draws\n", "h.csv");
    EXPECT_EQ(std::get<odbc::Timestamp>(history.Rows[0][2]), (odbc::Timestamp{1900, 1, 1}));
    EXPECT_EQ(std::get<odbc::Timestamp>(history.Rows[1][2]), (odbc::Timestamp{2099, 12, 31}));
    EXPECT_EQ(std::get<odbc::Timestamp>(history.Rows[2][2]), (odbc::Timestamp{2000, 2, 29}));
}

TEST(EmbeddedDatabase, StartsWithTheShippedHistoryAndASecondOpeningAddsNothing) {
    test::TempDataFolder home;
    for (int opening = 0; opening < 2; ++opening) {
        TADOConnection connection(nullptr);
        connection.SetConnectionString("Provider=MSDASQL.1;Data Source=zorvy");
        connection.Open();
        EXPECT_TRUE(connection.IsEmbedded());
        EXPECT_EQ(Count(connection, "select count(*) from LotteryIssue where LotteryID=3508"), 3493)
            << opening;
        EXPECT_EQ(Count(connection, "select count(*) from LotteryIssue where Sale is null"), 980);
        EXPECT_EQ(Count(connection, "select count(*) from FL_issue"), 0);
    }
    EXPECT_EQ(FolderEntries(home.Path()), std::vector<std::string>{"zorvy.db"});
}

TEST(EmbeddedDatabase, AnExistingDatabaseIsNeverFilled) {
    test::TempDataFolder home;
    {
        odbc::Connection connection;
        connection.Open(SqliteConnectionString(EmbeddedDatabaseFile()));
        CreateProgramTables(connection);
    }
    TADOConnection connection(nullptr);
    connection.SetConnectionString("Provider=MSDASQL.1;Data Source=zorvy");
    EXPECT_EQ(Count(connection, "select count(*) from LotteryIssue"), 0);
}

// A driver that steps through results describes a count as text; the tables are still found, not made
// twice or refused with a failed read.
TEST(EmbeddedDatabase, TablesAreFoundThroughADriverThatReportsACountAsText) {
    test::TempFolder folder;
    odbc::Connection connection;
    connection.Open("DRIVER={SQLite3};Database=" + folder.Path() + "/stepped.db;StepAPI=1;");
    for (int opening = 0; opening < 2; ++opening)
        EXPECT_NO_THROW(EnsureProgramTables(connection)) << opening;
    connection.ExecDirect("insert into FL_issue (LotIssue) values ('2026001')");
    EnsureProgramTables(connection);
    odbc::Statement statement(connection);
    statement.Execute("select count(*) from FL_issue");
    ASSERT_TRUE(statement.Fetch());
    const odbc::Value count = statement.Get(0);
    EXPECT_TRUE(count == odbc::Value(int64_t{1}) || count == odbc::Value(std::string("1")));
}

TEST(EmbeddedDatabase, AFillThatFailsHalfWayLeavesNoFileAndSaysWhy) {
    test::TempDataFolder home;
    test::TempFolder share;
    test::SavedEnvironmentVariable savedShare("ZORVY_SHARE_DIR");
    setenv("ZORVY_SHARE_DIR", share.Path().c_str(), 1);

    // Draw 2003050 a second time after 2,944 good rows: the table's key refuses it mid-fill.
    std::string text = ReadText(test::DrawsCsvPath());
    const size_t line = text.find("\n3508,2003050,");
    const std::string repeated = text.substr(line, text.find('\n', line + 1) - line);
    const size_t late = text.find("\n3508,2023001,");
    text.insert(late, repeated);
    text.replace(text.find("# 3493 draws"), 12, "# 3494 draws");
    std::ofstream(share.Path() + "/lottery-3508.csv", std::ios::binary) << text;

    TADOConnection connection(nullptr);
    connection.SetConnectionString("Provider=MSDASQL.1;Data Source=zorvy");
    const std::string message = MessageOf([&] { connection.Open(); });
    EXPECT_NE(message.find("Cannot create the database " + home.Path() + "/zorvy.db with the draw history"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("UNIQUE"), std::string::npos) << message;
    EXPECT_FALSE(connection.GetConnected());
    EXPECT_TRUE(FolderEntries(home.Path()).empty());

    // What a start cut off while making the database left is removed by the next one, once it is older
    // than any making takes; a younger one may be another start's at work and stays.
    for (const char* name : {"zorvy.db.new-a1b2c3", "zorvy.db.new-d4e5f6"})
        std::ofstream(home.Path() + "/" + name) << "half";
    std::filesystem::last_write_time(home.Path() + "/zorvy.db.new-a1b2c3",
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));

    // A missing history file is named; the next start with a sound file succeeds.
    std::filesystem::remove(share.Path() + "/lottery-3508.csv");
    EXPECT_NE(MessageOf([&] { connection.Open(); }).find("Cannot read the draw history " + share.Path()),
              std::string::npos);
    EXPECT_EQ(FolderEntries(home.Path()).size(), 2u);
    std::filesystem::copy_file(test::DrawsCsvPath(), share.Path() + "/lottery-3508.csv");
    connection.Open();
    EXPECT_EQ(Count(connection, "select count(*) from LotteryIssue"), 3493);
    std::vector<std::string> entries = FolderEntries(home.Path());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries,
              (std::vector<std::string>{"zorvy.db", "zorvy.db-shm", "zorvy.db-wal", "zorvy.db.new-d4e5f6"}));
}

// The shipped history as a test's own share folder holds it, for the first start to read.
class ShippedHistory {
  public:
    ShippedHistory() : saved_("ZORVY_SHARE_DIR") { setenv("ZORVY_SHARE_DIR", folder_.Path().c_str(), 1); }
    void Write(const std::string& text) {
        std::ofstream(folder_.Path() + "/lottery-3508.csv", std::ios::binary) << text;
    }
    std::string File() const { return folder_.Path() + "/lottery-3508.csv"; }

  private:
    test::TempFolder folder_;
    test::SavedEnvironmentVariable saved_;
};

TEST(EmbeddedDatabase, AShippedHistoryCutShortIsRefusedAndTheNextStartFillsTheDatabase) {
    test::TempDataFolder home;
    ShippedHistory shipped;
    // Cut at the end of its 1,700th line, as a copy that stopped half-way leaves it.
    const std::string whole = ReadText(test::DrawsCsvPath());
    size_t cut = 0;
    for (int line = 0; line < 1700; ++line)
        cut = whole.find('\n', cut) + 1;
    shipped.Write(whole.substr(0, cut));

    TADOConnection connection(nullptr);
    connection.SetConnectionString("Provider=MSDASQL.1;Data Source=zorvy");
    EXPECT_EQ(
        MessageOf([&] { connection.Open(); }),
        "Cannot create the database " + home.Path() + "/zorvy.db with the draw history: " + shipped.File() +
            ": the closing line \"# <number of draws> draws\" is missing: the file is cut short after 1699 "
            "draws");
    EXPECT_TRUE(FolderEntries(home.Path()).empty());

    shipped.Write(whole);
    EXPECT_EQ(Count(connection, "select count(*) from LotteryIssue"), 3493);
}

TEST(EmbeddedDatabase, AnEmptyFileIsFilledLikeAMissingOneOrSaidToBeEmpty) {
    // Filled where it can be replaced; a failed fill keeps the empty file for the next start to try.
    {
        test::TempDataFolder home;
        const std::string file = home.Path() + "/zorvy.db";
        std::ofstream(file).close();
        {
            ShippedHistory shipped;
            shipped.Write("LotteryID,Issue\n3508,2003001\n");
            TADOConnection connection(nullptr);
            connection.SetConnectionString("Provider=MSDASQL.1;Data Source=zorvy");
            EXPECT_NE(MessageOf([&] { connection.Open(); }).find("the closing line"), std::string::npos);
            EXPECT_EQ(FolderEntries(home.Path()), std::vector<std::string>{"zorvy.db"});
            EXPECT_EQ(std::filesystem::file_size(file), 0u);
        }
        TADOConnection connection(nullptr);
        connection.SetConnectionString("Provider=MSDASQL.1;Data Source=zorvy");
        EXPECT_EQ(Count(connection, "select count(*) from LotteryIssue where LotteryID=3508"), 3493);
        EXPECT_EQ(Count(connection, "select count(*) from FL_issue"), 0);
        EXPECT_EQ(connection.GetReadOnlyReason(), "");
    }
    // Said to be empty where it cannot be, and left as it was.
    struct Case {
        std::filesystem::perms folder, file;
        const char* reason; // after the path
    } cases[] = {
        {std::filesystem::perms(0555), std::filesystem::perms(0644), "The folder of the database file "},
        {std::filesystem::perms(0755), std::filesystem::perms(0444), "The database file "},
    };
    for (const Case& c : cases) {
        test::TempDataFolder home;
        const std::string file = home.Path() + "/zorvy.db";
        std::ofstream(file).close();
        std::filesystem::permissions(file, c.file);
        std::filesystem::permissions(home.Path(), c.folder);
        {
            test::OrdinaryFileRights rights;
            TADOConnection connection(nullptr);
            connection.SetConnectionString("Provider=MSDASQL.1;Data Source=zorvy");
            EXPECT_EQ(MessageOf([&] { connection.Open(); }),
                      "The database file " + file +
                          " is empty (0 bytes) and cannot be filled with the draw history: " + c.reason +
                          file + " is read-only");
        }
        std::filesystem::permissions(home.Path(), std::filesystem::perms(0755));
        EXPECT_EQ(FolderEntries(home.Path()), std::vector<std::string>{"zorvy.db"});
        EXPECT_EQ(std::filesystem::file_size(file), 0u);
    }
}

} // namespace
} // namespace zorvy
