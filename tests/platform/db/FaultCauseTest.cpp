// The causes read from drivers' diagnostics that the fault tests cannot provoke for real here
// (PostgreSQL's full disk, read-only transactions, lock time-outs), and how a message is put together.
#include "platform/db/Odbc.h"

#include <gtest/gtest.h>

namespace zorvy::odbc {
namespace {

TEST(FaultCause, SqlStatesAndTextsOfBothEngines) {
    struct Case {
        const char* sqlState;
        const char* text;
        Fault fault;
    } cases[] = {
        {"53100", "ERROR: could not extend file \"base/5/16384\": No space left on device", Fault::DiskFull},
        {"HY000", "[SQLite]database or disk is full (13)", Fault::DiskFull},
        {"25006", "ERROR: cannot execute UPDATE in a read-only transaction", Fault::ReadOnly},
        {"HY000", "[SQLite]attempt to write a readonly database (8)", Fault::ReadOnly},
        {"55P03", "ERROR: could not obtain lock on relation \"lotteryissue\"", Fault::Locked},
        {"HY000", "[SQLite]database is locked (5)", Fault::Locked},
        {"57014", "ERROR: canceling statement due to statement timeout", Fault::TimedOut},
        {"HYT00", "Timeout expired", Fault::TimedOut},
        {"08001", "could not connect to server: Connection refused", Fault::ConnectionLost},
        {"57P01", "FATAL: terminating connection due to administrator command", Fault::ConnectionLost},
        {"HY000", "server closed the connection unexpectedly", Fault::ConnectionLost},
        {"HY000", "[SQLite]file is not a database (26)", Fault::Damaged},
        {"HY000", "[SQLite]database disk image is malformed (11)", Fault::Damaged},
        {"HY000", "[SQLite]disk I/O error (10)", Fault::FileError},
        {"23505", "ERROR: duplicate key value violates unique constraint", Fault::Other},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyFault(c.sqlState, c.text), c.fault) << c.text;
}

TEST(FaultCause, TheMessageNamesTheCauseThenTheDriversText) {
    EXPECT_EQ(
        DescribeFault(Fault::ReadOnly, "/d/zorvy.db", "[SQLite]attempt to write a readonly database (8)"),
        "The database file /d/zorvy.db is read-only: [SQLite]attempt to write a readonly database (8)");
    EXPECT_EQ(DescribeFault(Fault::ReadOnly, "", "ERROR: read-only transaction"),
              "The database is read-only: ERROR: read-only transaction");
    EXPECT_EQ(DescribeFault(Fault::Locked, "/d/zorvy.db", "[SQLite]database is locked (5)"),
              "The database is locked by another program: [SQLite]database is locked (5)");
    EXPECT_EQ(DescribeFault(Fault::Other, "/d/zorvy.db", "ERROR: syntax error"), "ERROR: syntax error");
    EXPECT_EQ(DescribeFault(Fault::ConnectionLost, "", ""), "The connection to the database was lost");
}

} // namespace
} // namespace zorvy::odbc
