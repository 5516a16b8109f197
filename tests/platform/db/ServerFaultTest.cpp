// A database server that does not answer: the program waits no longer than its time-outs.
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Odbc.h"
#include "tests/platform/rtl/SavedEnvironment.h"
#include "tests/support/PostgresServer.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

namespace zorvy {
namespace {

// A loopback port whose connections the kernel accepts (into the listen queue) and nobody serves.
class SilentPort {
  public:
    SilentPort() {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            listen(fd_, 16) != 0 || getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("Cannot open a loopback port");
        port_ = ntohs(address.sin_port);
    }
    ~SilentPort() { close(fd_); }
    int Port() const { return port_; }

  private:
    int fd_ = -1;
    int port_ = 0;
};

double SecondsWaitedSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(ServerFault, APortThatNeverAnswersFailsAfterTheLoginTimeOut) {
    SilentPort port;
    test::TempFolder folder;
    test::SavedEnvironmentVariable savedIni("ODBCINI");
    const std::string ini = folder.Path() + "/odbc.ini";
    setenv("ODBCINI", ini.c_str(), 1);

    struct Case {
        std::string connectionString;
        const char* dataSourceSetting; // a line of the data source's section
        int property;                  // the connection's own setting, which the others override
        double timeOut;
    } cases[] = {
        {"Provider=MSDASQL.1;Data Source=silent0;Connect Timeout=2", "LoginTimeout=9", 15, 2},
        {"Provider=MSDASQL.1;Data Source=silent1", "LoginTimeout=2", 15, 2},
        {"Provider=MSDASQL.1;Data Source=silent2", "", 3, 3},
    };
    {
        // One file written once: the driver manager keeps what it read of a file until its time changes.
        std::ofstream file(ini);
        for (size_t i = 0; i < std::size(cases); ++i)
            file << "[silent" << i
                 << "]\nDriver=PostgreSQL Unicode\nServername=127.0.0.1\nPort=" << port.Port()
                 << "\nDatabase=zorvy\nUsername=zorvy\n"
                 << cases[i].dataSourceSetting << "\n";
    }
    for (const Case& c : cases) {
        TADOConnection connection(nullptr);
        connection.SetConnectionString(c.connectionString);
        connection.SetConnectionTimeout(c.property);
        const auto start = std::chrono::steady_clock::now();
        try {
            connection.Open();
            ADD_FAILURE() << "connected to a silent port";
        } catch (const odbc::Error& e) {
            EXPECT_EQ(e.GetFault(), odbc::Fault::TimedOut) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("The database did not answer in time: ", 0), 0u)
                << e.what();
        }
        const double waited = SecondsWaitedSince(start);
        // Within the time-out and a margin for a loaded machine; never the hang it used to be.
        EXPECT_GE(waited, c.timeOut - 0.5) << c.connectionString;
        EXPECT_LT(waited, c.timeOut + 5) << c.connectionString;
        EXPECT_FALSE(connection.GetConnected());
    }
}

TEST(ServerFault, AStatementThatRunsTooLongIsCancelledAfterTheCommandTimeOut) {
    test::SharedPostgres().Reset();
    TADOConnection connection(nullptr);
    connection.SetConnectionString(test::PostgresServer::ConnectionString() + ";Command Timeout=1");
    const auto start = std::chrono::steady_clock::now();
    try {
        connection.Execute("select pg_sleep(30)");
        ADD_FAILURE() << "the statement was not cancelled";
    } catch (const odbc::Error& e) {
        EXPECT_EQ(e.GetFault(), odbc::Fault::TimedOut) << e.what();
    }
    const double waited = SecondsWaitedSince(start);
    EXPECT_LT(waited, 1 + 5);
    // The connection itself is fine afterwards.
    EXPECT_TRUE(connection.GetConnected());
    EXPECT_EQ(connection.Execute("update LotteryIssue set Notes = 'x' where 1 = 0"), 0);
}

TEST(ServerFault, AfterARestartTheNextUseConnectsAgainByItself) {
    test::PostgresServer& server = test::SharedPostgres();
    server.Reset();
    TADOConnection connection(nullptr);
    connection.SetConnectionString(test::PostgresServer::ConnectionString());
    connection.Execute("insert into LotteryIssue (LotteryID, Issue) values (3508, '2030001')");
    connection.Execute("checkpoint"); // the test server commits without waiting for its log
    TADOQuery query(nullptr);
    query.SetConnection(&connection);
    query.SetSQLText("select * from LotteryIssue");

    server.Kill();
    try {
        query.Open();
        ADD_FAILURE() << "read from a stopped server";
    } catch (const odbc::Error& e) {
        EXPECT_EQ(e.GetFault(), odbc::Fault::ConnectionLost) << e.what();
        EXPECT_EQ(std::string(e.what()).rfind("The connection to the database was lost", 0), 0u) << e.what();
    }
    EXPECT_FALSE(connection.GetConnected());
    server.Restart();

    query.Open();
    EXPECT_EQ(query.GetRecordCount(), 1);
    EXPECT_TRUE(connection.GetConnected());
}

} // namespace
} // namespace zorvy
