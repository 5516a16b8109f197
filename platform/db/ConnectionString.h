#pragma once
// Connection strings in the program's ADO form ("Provider=MSDASQL.1;Data Source=zorvy;...") and the one
// place where they become ODBC connection strings.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zorvy {

using ConnectionStringPairs = std::vector<std::pair<std::string, std::string>>;

// Splits "Key=Value;Key2=Value2" (values may be quoted with " or '; keys keep their spelling).
// Raises EDatabaseError on an entry without "=" or an unterminated quote.
ConnectionStringPairs ParseConnectionString(const std::string& text);

// Splits an ODBC connection string ("DRIVER={SQLite3};PWD={p;ss}": a value in braces may hold ";", with
// "}" doubled; quotes mean nothing). Raises EDatabaseError on an entry without "=" or an unclosed brace.
ConnectionStringPairs ParseOdbcConnectionString(const std::string& text);

// The value of a key, compared case-insensitively; empty when absent.
std::string ConnectionStringValue(const ConnectionStringPairs& pairs, const std::string& key);

struct OdbcTarget {
    std::string connectionString;                      // what the driver manager receives
    bool embedded = false;                             // the program's own SQLite database in the data folder
    std::string databaseFile;                          // the embedded database's file, when embedded
    std::optional<int> connectTimeout, commandTimeout; // seconds, when the string sets them
};

// Maps an ADO-form connection string to ODBC:
// - "Data Source=NAME" becomes "DSN=NAME" when the ODBC configuration defines NAME; a name of the
//   program's own data sources that the configuration lacks opens the embedded database instead;
//   any other undefined name raises EDatabaseError, also when a "Driver" is given.
// - "User ID", "Password" and "Persist Security Info" are dropped: credentials belong in the data
//   source's own configuration, never in the program.
// - Every "Provider" must be the ODBC provider (MSDASQL) or empty.
// - "Connect Timeout" and "Command Timeout" (whole seconds, 0: no limit) set the waits; a data source
//   the ODBC configuration defines may set them in its section as "LoginTimeout" and "QueryTimeout".
//   EDatabaseError for any other value.
// - "Extended Properties" is an ODBC connection string of its own (values in braces, quotes mean
//   nothing) and is passed on as it stands; EDatabaseError when it is not one.
// - Any other key ("Driver", "Database", ...) passes on unchanged, its value braced when it holds ";"
//   or braces, unless it is one braced ODBC value already ("Driver={SQLite3}").
OdbcTarget MapConnectionString(const std::string& adoConnectionString);

} // namespace zorvy
