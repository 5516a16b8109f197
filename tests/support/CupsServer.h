#pragma once
// A CUPS scheduler of its own for the printing tests: cupsd with its own configuration in a temporary
// folder, on a free loopback port, run as the current user, with one queue that writes each job it
// prints to a file. While the object lives CUPS_SERVER points the lp and lpstat tools at it. Missing
// CUPS is an error with the reason, never a silent skip.
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>

namespace zorvy::test {

class TempFolder;

class CupsServer {
  public:
    CupsServer();  // starts the scheduler and makes the queue; throws std::runtime_error when it cannot
    ~CupsServer(); // stops the scheduler and everything it started, and removes its folder
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    static std::string QueueName() { return "zorvy_test"; }
    int Port() const { return port_; }

    // A job as the queue printed it.
    struct Job {
        std::string title; // the job's name as the scheduler recorded it
        std::string file;  // what the queue wrote out
    };
    // Waits until the queue has finished its first job; throws with the scheduler's log when that does
    // not happen within a generous time.
    Job WaitForJob() const;

  private:
    bool Launch();
    void Stop();
    std::string Log() const;

    std::unique_ptr<TempFolder> folder_;
    std::string tools_; // where lpadmin lives
    int port_ = 0;
    pid_t pid_ = -1;
    std::optional<std::string> previousServer_;
};

} // namespace zorvy::test
