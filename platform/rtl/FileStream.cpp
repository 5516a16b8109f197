#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvy {

namespace {

std::string Reason() {
    return std::strerror(errno);
}

} // namespace

TFileStream::TFileStream(const std::string& fileName, unsigned mode) : fileName_(fileName) {
    if (mode == fmCreate) {
        fd_ = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd_ < 0) throw EFCreateError("Cannot create file \"" + fileName + "\". " + Reason());
        return;
    }
    int flags = (mode & 3) == fmOpenWrite ? O_WRONLY : (mode & 3) == fmOpenReadWrite ? O_RDWR : O_RDONLY;
    fd_ = ::open(fileName.c_str(), flags | O_CLOEXEC);
    if (fd_ < 0) throw EFOpenError("Cannot open file \"" + fileName + "\". " + Reason());
    struct stat info;
    if (::fstat(fd_, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + std::strerror(EISDIR));
    }
}

TFileStream::~TFileStream() {
    if (fd_ >= 0) ::close(fd_);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
    int64_t total = 0;
    char* out = static_cast<char*>(buffer);
    while (total < count) {
        ssize_t n = ::read(fd_, out + total, static_cast<size_t>(count - total));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        total += n;
    }
    return total;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
    int64_t total = 0;
    const char* in = static_cast<const char*>(buffer);
    while (total < count) {
        ssize_t n = ::write(fd_, in + total, static_cast<size_t>(count - total));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        total += n;
    }
    return total;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    off_t position = ::lseek(fd_, offset, whence);
    if (position < 0) position = ::lseek(fd_, 0, SEEK_CUR);
    return position;
}

void TFileStream::SetSize(int64_t size) {
    if (size < 0 || ::ftruncate(fd_, size) != 0) throw EWriteError("Stream write error");
    if (GetPosition() > size) Seek(size, soBeginning);
}

std::string ReadFileBytes(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead);
    std::string bytes;
    char buffer[65536];
    for (int64_t n; (n = file.Read(buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<size_t>(n));
    return bytes;
}

std::string FileFaultCause(int error) {
    const std::string system = std::strerror(error);
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "the disk is full (" + system + ")";
    case EROFS:
        return "the disk is read-only (" + system + ")";
    case EACCES:
    case EPERM:
        return "no permission to write there (" + system + ")";
    default:
        return system;
    }
}

void WriteFileBytesAtomically(const std::string& fileName, const std::string& bytes) {
    auto fail = [&](int error) {
        return EFCreateError("Cannot create file \"" + fileName + "\": " + FileFaultCause(error));
    };
    // A file the user made read-only is kept, though the folder would let a rename replace it.
    if (::access(fileName.c_str(), F_OK) == 0 &&
        ::faccessat(AT_FDCWD, fileName.c_str(), W_OK, AT_EACCESS) != 0)
        throw fail(errno);
    const std::string temporary = fileName + ".tmp-" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw fail(errno);
    int error = 0;
    for (size_t done = 0; done < bytes.size() && !error;) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (n < 0 && errno != EINTR)
            error = errno;
    }
    // The new bytes reach the disk before the name moves: a full disk can show only at the flush, and a
    // crash right after the rename must not leave an empty file in the old one's place.
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temporary.c_str(), fileName.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        throw fail(error);
    }
}

} // namespace zorvy
