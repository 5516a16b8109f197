#include "platform/db/ConnectionString.h"

#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Odbc.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace zorvy {
namespace {

#if defined(__SANITIZE_ADDRESS__)
struct IgnoreLeaksOfThirdPartyCode {
    IgnoreLeaksOfThirdPartyCode() { __lsan_disable(); }
    ~IgnoreLeaksOfThirdPartyCode() { __lsan_enable(); }
};
#else
struct IgnoreLeaksOfThirdPartyCode {};
#endif

TEST(ConnectionString, ParsesThePairsOfTheProgramsConnectionStrings) {
    ConnectionStringPairs pairs = ParseConnectionString(
        "Provider=MSDASQL.1;Password=kqd# m&T! ~RW;Persist Security Info=True;User ID=admin;Data Source=Tkp");
    ASSERT_EQ(pairs.size(), 5u);
    EXPECT_EQ(ConnectionStringValue(pairs, "password"), "kqd# m&T! ~RW");
    EXPECT_EQ(ConnectionStringValue(pairs, "DATA SOURCE"), "Tkp");
    EXPECT_EQ(ConnectionStringValue(pairs, "Missing"), "");

    pairs =
        ParseConnectionString("Extended Properties=\"DRIVER={SQLite3};Database=a;b.db\";Data Source='x''y'");
    EXPECT_EQ(ConnectionStringValue(pairs, "Extended Properties"), "DRIVER={SQLite3};Database=a;b.db");
    EXPECT_EQ(ConnectionStringValue(pairs, "Data Source"), "x'y");
}

TEST(ConnectionString, RejectsMalformedText) {
    for (const char* text : {"Provider", "Data Source=\"open", "=value", "a=1;junk;b=2"})
        EXPECT_THROW(ParseConnectionString(text), EDatabaseError) << text;
}

TEST(ConnectionString, MapsTheProgramsDataSourceToTheEmbeddedDatabaseWithoutCredentials) {
    test::TempDataFolder home;
    OdbcTarget target = MapConnectionString(
        "Provider=MSDASQL.1;Password=kqd# m&T! ~RW;Persist Security Info=True;Data Source=zorvy");
    EXPECT_TRUE(target.embedded);
    EXPECT_EQ(target.databaseFile, home.Path() + "/zorvy.db");
    EXPECT_EQ(target.connectionString.find("kqd#"), std::string::npos);
    EXPECT_EQ(target.connectionString.find("admin"), std::string::npos);
    EXPECT_TRUE(MapConnectionString("Provider=MSDASQL.1;User ID=admin;Data Source=Tkp").embedded);
}

TEST(ConnectionString, ADataSourceTheOdbcConfigurationDefinesWinsOverTheEmbeddedDatabase) {
    test::TempDataFolder home;
    std::string ini = home.Path() + "/odbc.ini";
    std::ofstream(ini) << "[zorvy]\nDriver=SQLite3\nDatabase=" << home.Path() << "/configured.db\n";
    const char* previous = std::getenv("ODBCINI");
    std::string saved = previous ? previous : "";
    setenv("ODBCINI", ini.c_str(), 1);
    OdbcTarget target = MapConnectionString("Provider=MSDASQL.1;Password=kqd# m&T! ~RW;Data Source=zorvy");
    bool tablesCreated = false;
    {
        // The SQLite driver keeps the strings it reads from a data source's configuration for good.
        [[maybe_unused]] IgnoreLeaksOfThirdPartyCode ignore;
        odbc::Connection connection;
        connection.Open(target.connectionString);
        tablesCreated = connection.TableExists("LotteryIssue");
    }
    if (previous)
        setenv("ODBCINI", saved.c_str(), 1);
    else
        unsetenv("ODBCINI");
    EXPECT_FALSE(target.embedded);
    EXPECT_EQ(target.connectionString, "DSN=zorvy;");
    EXPECT_FALSE(tablesCreated); // the configured database is the user's: nothing is created in it
    EXPECT_TRUE(std::filesystem::exists(home.Path() + "/configured.db"));
    EXPECT_FALSE(std::filesystem::exists(home.Path() + "/zorvy.db"));
}

TEST(ConnectionString, ClearErrorsForWhatCannotBeReached) {
    test::TempDataFolder home;
    struct Case {
        const char* connectionString;
        const char* messagePart;
    } cases[] = {
        {"Provider=MSDASQL.1;Data Source=NoSuchSource", "\"NoSuchSource\" is not defined"},
        {"Provider=Foreign.Provider.4;Data Source=zorvy", "Provider \"Foreign.Provider.4\""},
        {"Provider=MSDASQL.1;Password=x", "names no data source"},
        {"Provider=MSDASQL.1;Data Source=zorvy;Connect Timeout=soon",
         "\"Connect Timeout\" must be a whole number of seconds, not \"soon\""},
        {"Provider=MSDASQL.1;Data Source=zorvy;Command Timeout=-1", "\"Command Timeout\" must be"},
    };
    for (const Case& c : cases) {
        try {
            MapConnectionString(c.connectionString);
            ADD_FAILURE() << c.connectionString;
        } catch (const EDatabaseError& e) {
            EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
        }
    }
}

TEST(ConnectionString, ExtendedPropertiesAreReadWithTheOdbcGrammar) {
    test::TempDataFolder home;
    // Braces hold ";" and quotes mean nothing in ODBC: both values are valid there.
    for (const char* properties :
         {"DRIVER={SQLite3};PWD={p;ss};Database=/x.db", "DRIVER={SQLite3};PWD='abc"}) {
        const OdbcTarget target =
            MapConnectionString("Provider=MSDASQL.1;Extended Properties=\"" + std::string(properties) + "\"");
        EXPECT_FALSE(target.embedded);
        EXPECT_EQ(target.connectionString, std::string(properties) + ";");
    }
    for (const char* properties :
         {"DRIVER={SQLite3", "DRIVER={SQLite3}x;Database=a", "DRIVER={SQLite3};junk"})
        EXPECT_THROW(MapConnectionString("Extended Properties=\"" + std::string(properties) + "\""),
                     EDatabaseError)
            << properties;
}

TEST(ConnectionString, AValueInBracesAlreadyReachesTheDriverManagerAsItStands) {
    test::TempDataFolder home;
    const std::string file = home.Path() + "/braced.db";
    const OdbcTarget target = MapConnectionString("Provider=MSDASQL.1;Driver={SQLite3};Database=" + file);
    EXPECT_EQ(target.connectionString, "Driver={SQLite3};Database=" + file + ";");
    odbc::Connection connection;
    connection.Open(target.connectionString);
    connection.ExecDirect("create table t (a integer)");
    EXPECT_TRUE(std::filesystem::exists(file));

    // Only one whole braced value counts as braced: these are braced (again) with "}" doubled.
    EXPECT_EQ(MapConnectionString("Driver=x;Database={a}b}").connectionString,
              "Driver=x;Database={{a}}b}}};");
    EXPECT_EQ(MapConnectionString("Driver=x;Database={a}}").connectionString, "Driver=x;Database={{a}}}}};");
    EXPECT_EQ(MapConnectionString("Driver=x;Database={a}}}").connectionString, "Driver=x;Database={a}}};");
}

TEST(ConnectionString, EveryProviderAndEveryDataSourceIsChecked) {
    test::TempDataFolder home;
    struct Case {
        const char* connectionString;
        const char* messagePart;
    } cases[] = {
        {"Provider=MSDASQL.1;Provider=Foreign.Provider.4;Data Source=zorvy",
         "Provider \"Foreign.Provider.4\""},
        {"Provider=MSDASQL.1;Data Source=NoSuchSource;Driver={SQLite3}", "\"NoSuchSource\" is not defined"},
        {"Provider=MSDASQL.1;Extended Properties=\"DSN=NoSuchSource;DRIVER={SQLite3}\"",
         "\"NoSuchSource\" is not defined"},
        // A later data source does not hide an earlier one that is not defined.
        {"Provider=MSDASQL.1;Data Source=NoSuchSource;Data Source=zorvy", "\"NoSuchSource\" is not defined"},
    };
    for (const Case& c : cases) {
        try {
            MapConnectionString(c.connectionString);
            ADD_FAILURE() << c.connectionString;
        } catch (const EDatabaseError& e) {
            EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
        }
    }
}

TEST(EmbeddedDatabase, IsCreatedWithTheProgramsTablesAndKeys) {
    test::TempDataFolder home;
    OdbcTarget target = MapConnectionString("Provider=MSDASQL.1;Data Source=zorvy");
    odbc::Connection connection;
    connection.Open(target.connectionString);
    CreateProgramTables(connection);
    CreateProgramTables(connection); // a second time changes nothing
    EXPECT_TRUE(std::filesystem::exists(target.databaseFile));
    EXPECT_TRUE(connection.TableExists("LotteryIssue"));
    EXPECT_TRUE(connection.TableExists("FL_issue"));
    auto keys = connection.UniqueKeys("LotteryIssue");
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys[0], (std::vector<std::string>{"LotteryID", "Issue"}));
    EXPECT_EQ(connection.UniqueKeys("FL_issue").at(0), std::vector<std::string>{"LotIssue"});

    // An issue such as "0012345" stays text.
    connection.ExecDirect("insert into LotteryIssue (LotteryID, Issue) values (3508, '0012345')");
    odbc::Statement statement(connection);
    statement.Execute("select Issue from LotteryIssue");
    ASSERT_TRUE(statement.Fetch());
    EXPECT_EQ(std::get<std::string>(statement.Get(0)), "0012345");
}

TEST(EmbeddedDatabase, AMissingDriverIsAClearError) {
    odbc::Connection connection;
    try {
        connection.Open("DRIVER={No Such Driver};Database=/nonexistent");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("No Such Driver"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(connection.IsOpen());
}

} // namespace
} // namespace zorvy
