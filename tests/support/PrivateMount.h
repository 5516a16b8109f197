#pragma once
// A small file system (tmpfs) that only the calling process sees, for tests of a full or read-only disk.
#include <string>

namespace zorvy::test {

// Mounts a tmpfs of the given size ("2m") over folder in a mount namespace of the calling process's
// own, entered through a user namespace when the process is not root, so that no one else sees it
// and it goes when the process ends. It changes the process for good: call it in a child process
// (a death test's statement). Returns why it could not, or an empty text.
std::string MountPrivateFileSystem(const std::string& folder, const std::string& size);
// Makes a file system mounted that way read-only, as a disk mounted read-only is. Returns why it could
// not, or an empty text.
std::string RemountReadOnly(const std::string& folder);

} // namespace zorvy::test
