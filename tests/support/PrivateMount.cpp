#include "tests/support/PrivateMount.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zorvy::test {
namespace {

bool WriteFile(const char* path, const std::string& text) {
    const int fd = open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    return written;
}

std::string Failed(const std::string& step) {
    return step + ": " + std::strerror(errno);
}

} // namespace

std::string MountPrivateFileSystem(const std::string& folder, const std::string& size) {
    if (geteuid() == 0) {
        if (unshare(CLONE_NEWNS) != 0) return Failed("unshare");
    } else {
        // The process becomes root of a user namespace of its own, mapped onto its own user.
        const std::string uidMap = "0 " + std::to_string(geteuid()) + " 1";
        const std::string gidMap = "0 " + std::to_string(getegid()) + " 1";
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return Failed("unshare of a user namespace");
        if (!WriteFile("/proc/self/setgroups", "deny") || !WriteFile("/proc/self/uid_map", uidMap) ||
            !WriteFile("/proc/self/gid_map", gidMap))
            return Failed("mapping the user into its namespace");
    }
    // Nothing mounted here may reach the system's own mount table.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return Failed("making the mounts private");
    if (mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) != 0) return Failed("mount");
    return {};
}

std::string RemountReadOnly(const std::string& folder) {
    if (mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        return Failed("remount");
    return {};
}

} // namespace zorvy::test
