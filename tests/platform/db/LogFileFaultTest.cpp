// The embedded database's log files (zorvy.db-wal, zorvy.db-shm) where the database file or its folder
// is read-only: a read-only opening leaves nothing that stops a later save, a read-write opening gets
// over what older ones left, and rows still in the log show or are said to be missing.
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Field.h"
#include "platform/db/Odbc.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/FileRights.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

namespace zorvy {
namespace {

namespace fs = std::filesystem;

int64_t DrawCount(TADOConnection& connection) {
    TADOQuery query(nullptr);
    query.SetConnection(&connection);
    query.SetSQLText("select count(*) as n from LotteryIssue");
    query.Open();
    return query.FieldByName("n")->GetAsInteger();
}

// Saves a note on the last draw through the program's connection; the error's text when it cannot.
std::string SaveANote(const std::string& note) {
    try {
        TADOConnection connection(nullptr);
        connection.SetConnectionString(test::DrawDatabase::ConnectionString());
        TADOTable table(nullptr);
        table.SetConnection(&connection);
        table.SetTableName("LotteryIssue");
        table.Open();
        table.Last();
        table.Edit();
        table.FieldByName("Notes")->SetAsString(note);
        table.Post();
        return {};
    } catch (const EDatabaseError& e) {
        return e.what();
    }
}

// What another program sees when it writes through an ordinary read-write opening of the file.
std::string AnotherProgramWrites(const std::string& file) {
    try {
        odbc::Connection connection;
        connection.Open(SqliteConnectionString(file));
        connection.ExecDirect("insert into FL_issue (LotIssue) values ('other')");
        return {};
    } catch (const EDatabaseError& e) {
        return e.what();
    }
}

bool WritableByOwner(const std::string& path) {
    return (fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none;
}

TEST(LogFileFault, AReadOnlyOpeningLeavesNoLogFileThatStopsALaterSave) {
    test::DrawDatabase database;
    test::OrdinaryFileRights rights;
    fs::permissions(database.File(), fs::perms(0444));
    {
        TADOConnection connection(nullptr);
        connection.SetConnectionString(test::DrawDatabase::ConnectionString());
        EXPECT_EQ(DrawCount(connection), 3493);
        EXPECT_NE(connection.GetReadOnlyReason(), "");
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        const std::string log = database.File() + suffix;
        EXPECT_TRUE(!fs::exists(log) || WritableByOwner(log)) << suffix;
    }

    // The user makes the file writable again: the program and any other program save at once.
    fs::permissions(database.File(), fs::perms(0644));
    EXPECT_EQ(SaveANote("after"), "");
    EXPECT_EQ(AnotherProgramWrites(database.File()), "");
}

// What a plain read-only opening of a read-only database file leaves beside it: log files as read-only
// as the file was. The file is writable again afterwards.
void LeaveReadOnlyLogFiles(const std::string& file) {
    fs::permissions(file, fs::perms(0444));
    {
        odbc::Connection reader;
        reader.Open(SqliteReadOnlyConnectionString(file, false));
        odbc::Statement statement(reader);
        statement.Execute("select count(*) from LotteryIssue");
        ASSERT_TRUE(statement.Fetch());
    }
    fs::permissions(file, fs::perms(0644));
    ASSERT_TRUE(fs::exists(file + "-shm"));
    ASSERT_FALSE(WritableByOwner(file + "-shm"));
}

TEST(LogFileFault, AReadWriteOpeningGetsOverReadOnlyLogFilesLeftBehind) {
    test::DrawDatabase database;
    test::OrdinaryFileRights rights;
    LeaveReadOnlyLogFiles(database.File());
    EXPECT_NE(AnotherProgramWrites(database.File()).find("readonly database"), std::string::npos)
        << "the stale log files no longer stop a plain opening: the test shows nothing";

    EXPECT_EQ(SaveANote("recovered"), "");
    EXPECT_EQ(AnotherProgramWrites(database.File()), "");

    // Log files of another user cannot be given back: the database opens for reading, naming the file.
    if (geteuid() == 0) {
        LeaveReadOnlyLogFiles(database.File());
        ASSERT_EQ(chown((database.File() + "-shm").c_str(), 65534, 65534), 0);
        TADOConnection connection(nullptr);
        connection.SetConnectionString(test::DrawDatabase::ConnectionString());
        EXPECT_EQ(DrawCount(connection), 3493);
        EXPECT_EQ(connection.GetReadOnlyReason(),
                  "The file " + database.File() +
                      "-shm beside the database is read-only: saving is unavailable");
    }
}

TEST(LogFileFault, AReadOnlyFolderShowsRowsStillInTheLogOrSaysTheyAreMissing) {
    struct Case {
        bool keepShm;
        int64_t draws;
        bool warned;
    } cases[] = {{true, 3498, false}, {false, 3493, true}};
    for (const Case& c : cases) {
        test::DrawDatabase database;
        ASSERT_EQ(test::LeaveDrawsInTheLog(database.File(), 5), "");
        if (!c.keepShm) fs::remove(database.File() + "-shm");
        fs::permissions(database.Folder(), fs::perms(0555));
        {
            test::OrdinaryFileRights rights;
            TADOConnection connection(nullptr);
            connection.SetConnectionString(test::DrawDatabase::ConnectionString());
            EXPECT_EQ(DrawCount(connection), c.draws) << c.keepShm;
            EXPECT_EQ(connection.GetReadOnlyReason(), "The folder of the database file " + database.File() +
                                                          " is read-only: saving is unavailable");
            if (c.warned)
                EXPECT_EQ(connection.GetUnreadChanges(), "The changes saved last are still in " +
                                                             database.File() +
                                                             "-wal, which cannot be read while the folder is "
                                                             "read-only: the draws shown lack them");
            else
                EXPECT_EQ(connection.GetUnreadChanges(), "");
        }
        fs::permissions(database.Folder(), fs::perms(0755));
        // Once the folder can be written again, every draw is there.
        TADOConnection connection(nullptr);
        connection.SetConnectionString(test::DrawDatabase::ConnectionString());
        EXPECT_EQ(DrawCount(connection), 3498);
        EXPECT_EQ(connection.GetUnreadChanges(), "");
    }
}

} // namespace
} // namespace zorvy
