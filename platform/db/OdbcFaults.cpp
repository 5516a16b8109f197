// What a driver's diagnostic means for the user: the engines' codes and texts sorted into the causes
// a user can act on (a full disk, a read-only file, a lost server, a lock, a time-out, a damaged file).
#include "platform/db/Odbc.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <cctype>

namespace zorvy::odbc {
namespace {

bool Has(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// True when the folder of the file has no room left for an ordinary user.
bool FolderIsFull(const std::string& file) {
    const size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
    struct statvfs info {};
    return statvfs(folder.c_str(), &info) == 0 && info.f_bavail == 0;
}

Fault ClassifyText(const std::string& sqlState, const std::string& driverText) {
    std::string text = driverText;
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    // SQLite's texts, then PostgreSQL's SQLSTATEs and libpq's texts.
    if (Has(text, "database or disk is full") || Has(text, "no space left on device") ||
        Has(text, "could not extend file") || sqlState == "53100")
        return Fault::DiskFull;
    if (Has(text, "readonly database") || Has(text, "read-only") || sqlState == "25006")
        return Fault::ReadOnly;
    if (Has(text, "database is locked") || Has(text, "database table is locked") || sqlState == "55P03")
        return Fault::Locked;
    if (sqlState == "HYT00" || sqlState == "HYT01" || sqlState == "57014" || Has(text, "timeout expired") ||
        Has(text, "timed out") || Has(text, "statement timeout"))
        return Fault::TimedOut;
    if (sqlState.starts_with("08") || sqlState == "57P01" || sqlState == "57P02" ||
        Has(text, "server closed the connection") || Has(text, "no connection to the server") ||
        Has(text, "could not send data") || Has(text, "could not receive data") ||
        Has(text, "connection refused") || Has(text, "terminating connection"))
        return Fault::ConnectionLost;
    if (Has(text, "file is not a database") || Has(text, "database disk image is malformed") ||
        Has(text, "file is encrypted"))
        return Fault::Damaged;
    if (Has(text, "disk i/o error") || Has(text, "unable to open database file")) return Fault::FileError;
    return Fault::Other;
}

} // namespace

Fault ClassifyFault(const std::string& sqlState, const std::string& driverText,
                    const std::string& databaseFile) {
    const Fault fault = ClassifyText(sqlState, driverText);
    // SQLite reports a write that found no room as an I/O error when it happens outside its pages.
    if (fault == Fault::FileError && !databaseFile.empty() && FolderIsFull(databaseFile))
        return Fault::DiskFull;
    return fault;
}

std::string DescribeFault(Fault fault, const std::string& databaseFile, const std::string& driverText) {
    const std::string file = databaseFile.empty() ? "The database" : "The database file " + databaseFile;
    std::string words;
    switch (fault) {
    case Fault::Other:
        return driverText;
    case Fault::DiskFull:
        words = "The disk is full" + (databaseFile.empty() ? std::string() : " (" + databaseFile + ")");
        break;
    case Fault::ReadOnly:
        words = file + " is read-only";
        break;
    case Fault::ConnectionLost:
        words = "The connection to the database was lost";
        break;
    case Fault::Locked:
        words = "The database is locked by another program";
        break;
    case Fault::TimedOut:
        words = "The database did not answer in time";
        break;
    case Fault::Damaged:
        words = file + " is damaged or is not a database";
        break;
    case Fault::FileError:
        words = file + " could not be read or written";
        break;
    }
    return driverText.empty() ? words : words + ": " + driverText;
}

} // namespace zorvy::odbc
