#include "platform/db/EmbeddedDatabase.h"

#include "platform/db/Odbc.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zorvy {
namespace {

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

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

bool IsProgramDataSource(const std::string& name) { return SameText(name, "zorvy") || SameText(name, "Tkp"); }

std::string EmbeddedDataFolder() {
    std::filesystem::path folder;
    if (!Env("ZORVY_HOME").empty())
        folder = Env("ZORVY_HOME");
    else if (!Env("XDG_DATA_HOME").empty())
        folder = std::filesystem::path(Env("XDG_DATA_HOME")) / "zorvy";
    else if (!Env("HOME").empty())
        folder = std::filesystem::path(Env("HOME")) / ".local" / "share" / "zorvy";
    else
        throw EDatabaseError("No data folder: neither ZORVY_HOME, XDG_DATA_HOME nor HOME is set");
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw EDatabaseError("Cannot create the data folder \"" + folder.string() + "\": " + error.message());
    return folder.string();
}

std::string EmbeddedDatabaseFile() { return (std::filesystem::path(EmbeddedDataFolder()) / "zorvy.db").string(); }

std::string SqliteConnectionString(const std::string& file) {
    // The SQLite driver takes the value up to the next ";" as it stands: no quoting is possible.
    if (file.find(';') != std::string::npos)
        throw EDatabaseError("The database path \"" + file + "\" contains \";\", which ODBC cannot pass on");
    return "DRIVER={SQLite3};Database=" + file + ";Timeout=5000;";
}

void CreateProgramTables(odbc::Connection& connection) {
    for (const char* statement : ProgramTables)
        connection.ExecDirect(statement);
}

} // namespace zorvy
