#include "tests/support/CupsServer.h"

#include "tests/support/FreePort.h"
#include "tests/support/TempFolder.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace zorvy::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Generous: a loaded two-core machine running the sanitized suite starts cupsd in well under a second.
constexpr std::chrono::seconds StartTimeout{60};
constexpr std::chrono::seconds JobTimeout{60};

// The queue's driver: documents reach the file as they were sent, through the plain copying filter CUPS
// ships (it only unpacks compressed jobs).
constexpr const char* Ppd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "ZORVYPDF.PPD"
*Manufacturer: "Zorvy"
*Product: "(Zorvy test queue)"
*ModelName: "Zorvy test queue"
*ShortNickName: "Zorvy test queue"
*NickName: "Zorvy test queue"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*cupsFilter2: "application/pdf application/vnd.cups-raw 0 gziptoany"
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4: ""
*CloseUI: *PageSize
*DefaultPaperDimension: A4
*PaperDimension A4: "595 842"
*DefaultImageableArea: A4
*ImageableArea A4: "0 0 595 842"
)ppd";

// The program on the PATH, or in the administrator's folders an ordinary user's PATH leaves out.
std::string FindProgram(const std::string& name) {
    std::vector<std::string> folders;
    if (const char* path = std::getenv("PATH")) {
        std::stringstream in(path);
        for (std::string folder; std::getline(in, folder, ':');)
            if (!folder.empty()) folders.push_back(folder);
    }
    for (const char* folder : {"/usr/local/sbin", "/usr/sbin", "/sbin"})
        folders.emplace_back(folder);
    for (const std::string& folder : folders) {
        const std::string candidate = folder + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

std::string FindServerBin() {
    for (const char* folder : {"/usr/lib/cups", "/usr/libexec/cups", "/usr/local/lib/cups", "/usr/local/libexec/cups"})
        if (access((std::string(folder) + "/filter/gziptoany").c_str(), X_OK) == 0) return folder;
    return {};
}

// Runs argv with its output and errors going to log; its exit code, -1 when it did not start.
int Run(const std::vector<std::string>& argv, const std::string& log) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Accepts(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return connected;
}

} // namespace

CupsServer::CupsServer() {
    const std::string cupsd = FindProgram("cupsd");
    const std::string lpadmin = FindProgram("lpadmin");
    const std::string serverBin = FindServerBin();
    if (cupsd.empty()) throw std::runtime_error("CUPS is not installed: no cupsd (run scripts/setup.sh)");
    if (lpadmin.empty()) throw std::runtime_error("The CUPS tools are not installed: no lpadmin (run scripts/setup.sh)");
    if (serverBin.empty())
        throw std::runtime_error("CUPS's gziptoany filter is not installed (run scripts/setup.sh)");

    folder_ = std::make_unique<TempFolder>("zorvy-cups");
    const std::string root = folder_->Path();
    // Run as root, cupsd runs its filters as the "lp" user, who must reach the spooled files.
    if (geteuid() == 0) chmod(root.c_str(), 0755);
    for (const char* sub : {"spool", "cache", "state", "tmp", "log", "out"})
        fs::create_directory(root + "/" + sub);
    std::ofstream(root + "/cups-files.conf") << "ServerRoot " << root << "\n"
                                             << "ServerBin " << serverBin << "\n"
                                             << "StateDir " << root << "/state\n"
                                             << "CacheDir " << root << "/cache\n"
                                             << "RequestRoot " << root << "/spool\n"
                                             << "TempDir " << root << "/tmp\n"
                                             << "AccessLog " << root << "/log/access_log\n"
                                             << "ErrorLog " << root << "/log/error_log\n"
                                             << "PageLog " << root << "/log/page_log\n"
                                             << "Printcap " << root << "/printcap\n"
                                             << "FileDevice Yes\n";
    std::ofstream(root + "/zorvy.ppd") << Ppd;

    for (int attempt = 0; attempt < 5 && pid_ < 0; ++attempt) {
        port_ = FreeLoopbackPort();
        // Anyone may do anything: only this test's processes reach a loopback port it just picked.
        std::ofstream(root + "/cupsd.conf") << "Listen 127.0.0.1:" << port_ << "\n"
                                            << "LogLevel info\n"
                                            << "Browsing No\n"
                                            << "WebInterface No\n"
                                            << "DefaultAuthType None\n"
                                            << "PageLogFormat %j %P %{job-name}\n"
                                            << "<Policy default>\n"
                                            << "  JobPrivateAccess all\n"
                                            << "  JobPrivateValues none\n"
                                            << "  SubscriptionPrivateAccess all\n"
                                            << "  SubscriptionPrivateValues none\n"
                                            << "  <Limit All>\n"
                                            << "    Order allow,deny\n"
                                            << "    Allow all\n"
                                            << "  </Limit>\n"
                                            << "</Policy>\n";
        if (!Launch()) pid_ = -1;
    }
    if (pid_ < 0) throw std::runtime_error("cupsd did not start:\n" + Log());

    if (const char* server = std::getenv("CUPS_SERVER")) previousServer_ = server;
    setenv("CUPS_SERVER", ("127.0.0.1:" + std::to_string(port_)).c_str(), 1);
    const std::string adminLog = root + "/log/lpadmin";
    if (Run({lpadmin, "-p", QueueName(), "-v", "file:" + root + "/out/printed.pdf", "-P", root + "/zorvy.ppd",
             "-E"},
            adminLog) != 0 ||
        Run({lpadmin, "-d", QueueName()}, adminLog) != 0) {
        const std::string why = ReadWholeFile(adminLog);
        Stop();
        throw std::runtime_error("lpadmin could not make the test queue:\n" + why + Log());
    }
}

CupsServer::~CupsServer() {
    Stop();
    if (previousServer_)
        setenv("CUPS_SERVER", previousServer_->c_str(), 1);
    else
        unsetenv("CUPS_SERVER");
}

bool CupsServer::Launch() {
    const std::string root = folder_->Path();
    const std::string cupsd = FindProgram("cupsd");
    const std::string conf = root + "/cupsd.conf";
    const std::string files = root + "/cups-files.conf";
    const std::string output = root + "/log/cupsd.out";
    const char* argv[] = {cupsd.c_str(), "-f", "-c", conf.c_str(), "-s", files.c_str(), nullptr};
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ < 0) return false;
    if (pid_ == 0) {
        // A process group of its own, so that the filters it starts go with it; it also goes when the
        // test process dies without its destructor, and never holds the test's output open.
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(127);
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0) _exit(127);
        dup2(in, 0);
        dup2(out, 1);
        dup2(out, 2);
        execv(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    setpgid(pid_, pid_);
    for (const auto deadline = Clock::now() + StartTimeout; Clock::now() < deadline;) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) return false; // it gave up, the port taken perhaps
        if (Accepts(port_)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    Stop();
    return false;
}

void CupsServer::Stop() {
    if (pid_ <= 0) return;
    kill(-pid_, SIGTERM);
    siginfo_t info{};
    bool exited = false;
    for (const auto deadline = Clock::now() + std::chrono::seconds(10); !exited && Clock::now() < deadline;) {
        info.si_pid = 0;
        exited = waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid_;
        if (!exited) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // While cupsd is unreaped its group cannot be reused: whatever it left running goes now.
    kill(-pid_, SIGKILL);
    while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

std::string CupsServer::Log() const {
    const std::string root = folder_->Path();
    return ReadWholeFile(root + "/log/cupsd.out") + ReadWholeFile(root + "/log/error_log");
}

CupsServer::Job CupsServer::WaitForJob() const {
    const std::string root = folder_->Path();
    // The scheduler notes "JOB-ID total TITLE" in its page log once the job is done.
    for (const auto deadline = Clock::now() + JobTimeout; Clock::now() < deadline;) {
        std::stringstream log(ReadWholeFile(root + "/log/page_log"));
        for (std::string line; std::getline(log, line);)
            if (line.rfind("1 total ", 0) == 0) return {line.substr(8), root + "/out/printed.pdf"};
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    throw std::runtime_error("The test queue printed nothing within a minute:\n" + Log());
}

} // namespace zorvy::test
