// The embedded database's file under faults: locked by another program, read-only, damaged.
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "platform/db/Odbc.h"
#include "tests/platform/rtl/SavedEnvironment.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/FileRights.h"
#include "tests/support/PrivateMount.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <thread>

namespace zorvy {
namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Another program (the sqlite3 shell) holding a lock on a database until the object goes.
class LockHolder {
  public:
    LockHolder(const std::string& file, const std::string& begin) {
        const std::string ready = file + ".locked";
        pid_ = fork();
        if (pid_ == 0) {
            // Its own process group, so the shell that sqlite3 starts for ".system" goes with it and
            // does not hold the test's output open for another minute.
            setpgid(0, 0);
            execlp("sqlite3", "sqlite3", file.c_str(), begin.c_str(),
                   "insert into FL_issue (LotIssue) values ('x');",
                   (".system touch " + ready + "; sleep 60").c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        setpgid(pid_, pid_);
        for (int i = 0; i < 400 && !std::filesystem::exists(ready); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        if (!std::filesystem::exists(ready))
            throw std::runtime_error("sqlite3 did not take the lock (is it installed?)");
    }
    ~LockHolder() {
        kill(-pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }

  private:
    pid_t pid_ = -1;
};

// What the lock tests wait: the statement time-out they set, under the default lock wait.
constexpr double LockWait = 2;

void ExpectLockedAfterOneWait(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    try {
        action();
        ADD_FAILURE() << "went past another program's lock";
    } catch (const odbc::Error& e) {
        EXPECT_EQ(e.GetFault(), odbc::Fault::Locked) << e.what();
        EXPECT_EQ(std::string(e.what()).rfind("The database is locked by another program: [SQLite]", 0), 0u)
            << e.what();
    }
    const double waited = SecondsSince(start);
    EXPECT_GE(waited, LockWait - 0.2);
    EXPECT_LT(waited, LockWait + 1.5); // once, with a margin for a loaded machine; it used to be twice
}

TEST(FileFault, ALockHeldByAnotherProgramIsWaitedForOnce) {
    test::DrawDatabase database;
    TADOConnection connection(nullptr);
    connection.SetConnectionString(test::DrawDatabase::ConnectionString() + ";Command Timeout=2");
    TADOTable table(nullptr);
    table.SetConnection(&connection);
    table.SetTableName("LotteryIssue");
    table.Open();
    table.Last();
    {
        LockHolder holder(database.File(), "begin immediate;");
        table.Edit();
        table.FieldByName("Notes")->SetAsString("mine");
        ExpectLockedAfterOneWait([&] { table.Post(); });
        EXPECT_EQ(table.GetState(), TDataSetState::dsEdit);
        EXPECT_EQ(table.FieldByName("Notes")->GetAsString(), "mine");
    }
    // Once the other program lets go, the same post goes through.
    table.Post();
    TADOQuery check(nullptr);
    check.SetConnection(&connection);
    check.SetSQLText("select count(*) as n from LotteryIssue where Notes = 'mine'");
    check.Open();
    EXPECT_EQ(check.FieldByName("n")->GetAsInteger(), 1);
}

TEST(FileFault, OpeningADatabaseLockedByAnotherProgramWaitsOnce) {
    test::DrawDatabase database;
    {
        // A database another program switched back to a rollback journal: its exclusive lock keeps
        // readers out too.
        odbc::Connection c;
        c.Open("DRIVER={SQLite3};Database=" + database.File() + ";");
        c.ExecDirect("pragma journal_mode=delete");
    }
    LockHolder holder(database.File(), "begin exclusive;");
    TADOConnection connection(nullptr);
    connection.SetConnectionString(test::DrawDatabase::ConnectionString() + ";Command Timeout=2");
    ExpectLockedAfterOneWait([&] { connection.Open(); });
    EXPECT_FALSE(connection.GetConnected());
}

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(FileFault, AReadOnlyFolderOrFileStillShowsTheDrawsAndSaysSavingIsUnavailable) {
    struct Case {
        std::filesystem::perms folder, file;
        const char* reason; // after the file's path
    } cases[] = {
        {std::filesystem::perms(0555), std::filesystem::perms(0644), "The folder of the database file "},
        {std::filesystem::perms(0755), std::filesystem::perms(0444), "The database file "},
    };
    for (const Case& c : cases) {
        test::DrawDatabase database;
        const std::string before = FileBytes(database.File());
        std::filesystem::permissions(database.File(), c.file);
        std::filesystem::permissions(database.Folder(), c.folder);
        {
            test::OrdinaryFileRights rights;
            TADOConnection connection(nullptr);
            connection.SetConnectionString(test::DrawDatabase::ConnectionString());
            TADOTable table(nullptr);
            table.SetConnection(&connection);
            table.SetTableName("LotteryIssue");
            table.Open();
            EXPECT_EQ(table.GetRecordCount(), 3493) << c.reason;
            const std::string reason =
                std::string(c.reason) + database.File() + " is read-only: saving is unavailable";
            EXPECT_EQ(connection.GetReadOnlyReason(), reason);
            EXPECT_FALSE(table.GetCanModify());
            try {
                table.Edit();
                ADD_FAILURE() << "editing a read-only database";
            } catch (const EDatabaseError& e) {
                EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
            }
            EXPECT_EQ(table.GetState(), TDataSetState::dsBrowse);
        }
        std::filesystem::permissions(database.Folder(), std::filesystem::perms(0755));
        EXPECT_EQ(FileBytes(database.File()), before);
    }
}

TEST(FileFault, ADamagedFileIsNamedAndLeftAsItIs) {
    struct Case {
        const char* what;
        std::function<void(const std::string& file)> damage;
    } cases[] = {
        {"truncated", [](const std::string& file) { std::filesystem::resize_file(file, 8192); }},
        {"random bytes",
         [](const std::string& file) {
             std::mt19937 random(34);
             std::string bytes(65536, '\0');
             for (char& b : bytes)
                 b = static_cast<char>(random());
             std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
         }},
    };
    for (const Case& c : cases) {
        test::DrawDatabase database;
        c.damage(database.File());
        const std::string damaged = FileBytes(database.File());
        TADOConnection connection(nullptr);
        connection.SetConnectionString(test::DrawDatabase::ConnectionString());
        TADOQuery query(nullptr);
        query.SetConnection(&connection);
        query.SetSQLText("select * from LotteryIssue where Issue >= '2026001'");
        try {
            query.Open();
            ADD_FAILURE() << c.what << ": read " << query.GetRecordCount() << " rows";
        } catch (const odbc::Error& e) {
            EXPECT_EQ(e.GetFault(), odbc::Fault::Damaged) << c.what << ": " << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("The database file " + database.File() + " is damaged", 0),
                      0u)
                << e.what();
        }
        EXPECT_EQ(FileBytes(database.File()), damaged) << c.what;
    }
}

// Run in a child process that alone sees a small file system over folder: the database is copied
// there, the disk filled up, and a write must fail as a full disk. The child exits 0 when it did, and
// otherwise says on its error output what happened.
[[noreturn]] void WriteToAFullDisk(const std::string& database, const std::string& folder) {
    if (const std::string why = test::MountPrivateFileSystem(folder, "2m"); !why.empty()) {
        std::cerr << "no small file system to fill: " << why;
        std::_Exit(2);
    }
    std::filesystem::copy_file(database, folder + "/zorvy.db");
    {
        std::ofstream filler(folder + "/filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size()) && filler.flush()) {
        }
    }
    setenv("ZORVY_HOME", folder.c_str(), 1);

    TADOConnection connection(nullptr);
    connection.SetConnectionString(test::DrawDatabase::ConnectionString());
    TADOTable table(nullptr);
    table.SetConnection(&connection);
    table.SetTableName("LotteryIssue");
    try {
        table.Open();
        table.Edit();
        table.FieldByName("Notes")->SetAsString(std::string(255, 'n'));
        table.Post();
        std::cerr << "wrote to a full disk";
    } catch (const odbc::Error& e) {
        if (e.GetFault() == odbc::Fault::DiskFull &&
            std::string(e.what()).rfind("The disk is full (" + folder + "/zorvy.db): [SQLite]", 0) == 0)
            std::_Exit(0);
        std::cerr << "not reported as a full disk: " << e.what();
    }
    std::_Exit(1);
}

TEST(FileFault, AFullDiskAtOpenSaysTheDiskIsFull) {
    test::DrawDatabase database;
    test::TempFolder disk("zorvy-disk");
    EXPECT_EXIT(WriteToAFullDisk(database.File(), disk.Path()), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace zorvy
