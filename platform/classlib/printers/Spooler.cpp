#include "platform/classlib/printers/Spooler.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zorvy {
namespace {

std::string Tool(const std::string& folder, const char* name) {
    return folder.empty() ? std::string(name) : folder + "/" + name;
}

} // namespace

TProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
    TProgramResult result;
    int out[2], err[2];
    if (pipe2(out, O_CLOEXEC) != 0) return result;
    if (pipe2(err, O_CLOEXEC) != 0) {
        close(out[0]);
        close(out[1]);
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    if (spawned != 0) {
        close(out[0]);
        close(err[0]);
        result.errors = std::strerror(spawned);
        return result;
    }
    // Both pipes are drained together, so a program that fills one cannot stall on it.
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.output, &result.errors};
    int open = 2;
    char buffer[4096];
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    return result;
}

std::vector<std::string> ParsePrinterQueues(const std::string& queueList, const std::string& defaultLine) {
    auto trimmed = [](std::string s) {
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
        return s;
    };
    std::vector<std::string> queues;
    std::size_t from = 0;
    while (from < queueList.size()) {
        std::size_t end = queueList.find('\n', from);
        if (end == std::string::npos) end = queueList.size();
        std::string name = trimmed(queueList.substr(from, end - from));
        if (!name.empty()) queues.push_back(name);
        from = end + 1;
    }
    // "system default destination: NAME" names the queue that goes first.
    const std::string marker = "destination: ";
    if (const std::size_t at = defaultLine.find(marker); at != std::string::npos) {
        const std::string name = trimmed(defaultLine.substr(at + marker.size()));
        for (std::size_t i = 1; i < queues.size(); ++i)
            if (queues[i] == name) {
                std::rotate(queues.begin(), queues.begin() + static_cast<std::ptrdiff_t>(i),
                            queues.begin() + static_cast<std::ptrdiff_t>(i) + 1);
                break;
            }
    }
    return queues;
}

std::vector<std::string> ListPrinterQueues(const std::string& toolFolder) {
    const TProgramResult list = RunProgram(Tool(toolFolder, "lpstat"), {"-e"});
    if (list.exitCode != 0) return {};
    const TProgramResult def = RunProgram(Tool(toolFolder, "lpstat"), {"-d"});
    return ParsePrinterQueues(list.output, def.exitCode == 0 ? def.output : std::string());
}

void SpoolPdf(const std::string& toolFolder, const std::string& printer, const std::string& title, int copies,
              const std::string& file) {
    std::vector<std::string> args{"-d", printer, "-t", title};
    if (copies > 1) {
        args.push_back("-n");
        args.push_back(std::to_string(copies));
    }
    args.push_back(file);
    const TProgramResult r = RunProgram(Tool(toolFolder, "lp"), args);
    if (r.exitCode == 0) return;
    std::string message = r.errors.empty() ? "The print system refused the job" : r.errors;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    throw EInOutError(message);
}

} // namespace zorvy
