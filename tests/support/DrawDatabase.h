#pragma once
// An embedded (SQLite) draw database in a temporary data folder, ready for "Data Source=zorvy".
#include "tests/support/TempFolder.h"

#include <string>

namespace zorvy::test {

class DrawDatabase {
  public:
    enum Contents { Empty, RealDraws };
    // Empty: the program's tables without rows. RealDraws: LotteryIssue holds the 3,493 real draws.
    explicit DrawDatabase(Contents contents = RealDraws);

    // "Provider=MSDASQL.1;Data Source=zorvy": what the program's connections use.
    static std::string ConnectionString();
    const std::string& Folder() const { return folder_.Path(); }
    std::string File() const;

  private:
    TempDataFolder folder_;
};

// Saves `count` draws after the last real one (2026097 on) into the database file through a process
// that ends without closing it, as a crash does: they stay in its log (zorvy.db-wal) only. Returns why
// that failed, or an empty text.
std::string LeaveDrawsInTheLog(const std::string& file, int count);

} // namespace zorvy::test
