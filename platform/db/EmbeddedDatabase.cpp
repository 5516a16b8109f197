#include "platform/db/EmbeddedDatabase.h"

#include "platform/db/Odbc.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

namespace zorvy {
namespace {

// Texts are declared as character types so that SQLite keeps "0012"-like values as texts.
const char* const ProgramTables[] = {
    "create table if not exists LotteryIssue ("
    "LotteryID integer not null, Issue char(7) not null, EndTime timestamp, ResultA1 varchar(50), "
    "ResultA2 char(2), ResultB1 char(2), ResultB2 char(2), Sale integer, Bonus1 integer, Count1 integer, "
    "Bonus2 integer, Count2 integer, Bonus3 integer, Count3 integer, Notes varchar(255))",
    "create unique index if not exists LotteryIssue_Key on LotteryIssue (LotteryID, Issue)",
    "create table if not exists FL_issue ("
    "LotIssue char(7) not null, StartTime timestamp, EndTime timestamp, Result varchar(50), Result2 char(2), "
    "Result3 varchar(50), Bonus1 integer, Bonus2 integer, Bonus3 integer, count1 integer, count2 integer, "
    "count3 integer, Sale integer, Memo varchar(255))",
    "create unique index if not exists FL_issue_Key on FL_issue (LotIssue)",
};

} // namespace

bool IsProgramDataSource(const std::string& name) {
    return SameText(name, "zorvy") || SameText(name, "Tkp");
}

std::string EmbeddedDataFolder() {
    try {
        return DataFolder();
    } catch (const Exception& e) {
        throw EDatabaseError(e.Message());
    }
}

std::string EmbeddedDatabaseFile() {
    return EmbeddedDataFolder() + "/zorvy.db";
}

std::string SqliteConnectionString(const std::string& file) {
    // The SQLite driver takes the value up to the next ";" as it stands: no quoting is possible.
    if (file.find(';') != std::string::npos)
        throw EDatabaseError("The database path \"" + file + "\" contains \";\", which ODBC cannot pass on");
    // Write-ahead logging with normal sync: a post commits without waiting for the disk each time, and
    // a crash of the program loses nothing that was committed.
    return "DRIVER={SQLite3};Database=" + file + ";Timeout=5000;JournalMode=WAL;SyncPragma=NORMAL;";
}

void CreateProgramTables(odbc::Connection& connection) {
    for (const char* statement : ProgramTables)
        connection.ExecDirect(statement);
}

} // namespace zorvy
