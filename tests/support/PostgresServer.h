#pragma once
// A PostgreSQL server of its own for the tests: initdb in a temporary folder, a free loopback port,
// and an ODBC data source for it in a private odbc.ini ($ODBCINI), so that the program's connection
// strings reach it by name. Runs as the "postgres" user when the tests run as root (initdb and
// postgres refuse root). Missing PostgreSQL is an error, never a silent skip.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zorvy::test {

class TempFolder;

class PostgresServer {
  public:
    PostgresServer();  // starts the server; throws std::runtime_error when it cannot
    ~PostgresServer(); // stops it and removes its folder
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    int Port() const { return port_; }
    // The ODBC data source name defined for the server.
    static std::string DataSourceName() { return "zorvy_pg"; }
    // "Provider=MSDASQL.1;Data Source=zorvy_pg".
    static std::string ConnectionString();
    // Drops every table so that a test starts from an empty database, then creates the program's tables.
    void Reset(bool withProgramTables = true);
    // Stops the server at once, as a crash would (its clients' connections break); Restart brings it
    // back on the same port with the same data.
    void Kill();
    void Restart();

  private:
    std::vector<std::string> Command(std::vector<std::string> argv) const;
    std::string ServerLog() const;
    bool Launch();

    std::unique_ptr<TempFolder> folder_;
    std::string binDir_;
    std::string dataDir_;
    bool asPostgresUser_ = false;
    int port_ = 0;
    bool running_ = false;
};

// Stops the server of the test binary at the end. Register it once:
//   static auto* const postgres = ::testing::AddGlobalTestEnvironment(new zorvy::test::PostgresEnvironment);
class PostgresEnvironment : public ::testing::Environment {
  public:
    void SetUp() override;
    void TearDown() override;
};

// The one server of the test binary, started on first use; throws when it cannot start.
PostgresServer& SharedPostgres();

} // namespace zorvy::test
