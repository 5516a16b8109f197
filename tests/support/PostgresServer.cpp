#include "tests/support/PostgresServer.h"

#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Odbc.h"
#include "tests/support/FreePort.h"
#include "tests/support/TempFolder.h"

#include <pwd.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace zorvy::test {
namespace {

std::unique_ptr<PostgresServer> server;
std::string startError;

std::string FindBinDir() {
    std::vector<std::filesystem::path> candidates;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/lib/postgresql", error))
        if (std::filesystem::exists(entry.path() / "bin" / "initdb"))
            candidates.push_back(entry.path() / "bin");
    if (!candidates.empty()) {
        std::sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) {
            return std::stoi(a.parent_path().filename().string()) <
                   std::stoi(b.parent_path().filename().string());
        });
        return candidates.back().string();
    }
    for (const char* dir : {"/usr/local/bin", "/usr/bin"})
        if (std::filesystem::exists(std::filesystem::path(dir) / "initdb")) return dir;
    throw std::runtime_error(
        "PostgreSQL is not installed: no initdb in /usr/lib/postgresql/*/bin or on the path "
        "(run scripts/setup.sh)");
}

int Run(std::vector<std::string> argv) {
    std::vector<char*> args;
    for (std::string& a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0)
        throw std::runtime_error("Cannot start " + argv[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

PostgresServer::PostgresServer() {
    binDir_ = FindBinDir();
    folder_ = std::make_unique<TempFolder>("zorvy-pg");
    dataDir_ = folder_->Path() + "/data";
    asPostgresUser_ = geteuid() == 0;
    if (asPostgresUser_) {
        passwd* user = getpwnam("postgres");
        if (!user)
            throw std::runtime_error("Running as root but there is no \"postgres\" user to run PostgreSQL");
        if (chown(folder_->Path().c_str(), user->pw_uid, user->pw_gid) != 0)
            throw std::runtime_error("Cannot hand " + folder_->Path() + " to the postgres user");
    }
    std::string log = folder_->Path() + "/initdb.log";
    if (Run(Command({"sh", "-c",
                     "exec \"$0\" -D \"$1\" -A trust -U zorvy -E UTF8 --no-locale --no-sync >\"$2\" 2>&1",
                     binDir_ + "/initdb", dataDir_, log})) != 0)
        throw std::runtime_error("initdb failed:\n" + ReadWholeFile(log));

    for (int attempt = 0; attempt < 5 && !running_; ++attempt) {
        port_ = FreeLoopbackPort();
        running_ = Launch();
    }
    if (!running_) throw std::runtime_error("PostgreSQL did not start:\n" + ReadWholeFile(ServerLog()));

    std::string ini = folder_->Path() + "/odbc.ini";
    std::ofstream(ini) << "[" << DataSourceName() << "]\n"
                       << "Driver=PostgreSQL Unicode\n"
                       << "Servername=127.0.0.1\n"
                       << "Port=" << port_ << "\n"
                       << "Database=postgres\n"
                       << "Username=zorvy\n";
    setenv("ODBCINI", ini.c_str(), 1);
}

PostgresServer::~PostgresServer() {
    try {
        Kill();
    } catch (...) {
    }
    unsetenv("ODBCINI");
}

std::vector<std::string> PostgresServer::Command(std::vector<std::string> argv) const {
    if (asPostgresUser_) argv.insert(argv.begin(), {"runuser", "-u", "postgres", "--"});
    return argv;
}

std::string PostgresServer::ServerLog() const {
    return folder_->Path() + "/server.log";
}

bool PostgresServer::Launch() {
    std::string options =
        "-p " + std::to_string(port_) + " -h 127.0.0.1 -k " + folder_->Path() +
        " -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c shared_buffers=16MB"
        " -c max_connections=20";
    return Run(Command({binDir_ + "/pg_ctl", "-D", dataDir_, "-o", options, "-l", ServerLog(), "-w", "-s",
                        "start"})) == 0;
}

void PostgresServer::Kill() {
    if (!running_) return;
    Run(Command({binDir_ + "/pg_ctl", "-D", dataDir_, "-m", "immediate", "-s", "stop"}));
    running_ = false;
}

void PostgresServer::Restart() {
    if (running_) return;
    running_ = Launch();
    if (!running_) throw std::runtime_error("PostgreSQL did not start again:\n" + ReadWholeFile(ServerLog()));
}

std::string PostgresServer::ConnectionString() {
    return "Provider=MSDASQL.1;Data Source=" + DataSourceName();
}

void PostgresServer::Reset(bool withProgramTables) {
    odbc::Connection connection;
    connection.Open("DSN=" + DataSourceName() + ";");
    connection.ExecDirect("drop schema public cascade");
    connection.ExecDirect("create schema public");
    if (withProgramTables) CreateProgramTables(connection);
}

// Started on first use, so that a test process that needs no PostgreSQL does not pay for it.
void PostgresEnvironment::SetUp() {}

void PostgresEnvironment::TearDown() {
    server.reset();
}

PostgresServer& SharedPostgres() {
    if (!server) {
        if (!startError.empty()) throw std::runtime_error("PostgreSQL test server: " + startError);
        try {
            server = std::make_unique<PostgresServer>();
        } catch (const std::exception& e) {
            startError = e.what();
            throw std::runtime_error("PostgreSQL test server: " + startError);
        }
    }
    return *server;
}

} // namespace zorvy::test
