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

void WriteFileBytesAtomically(const std::string& fileName, const std::string& bytes) {
    std::string temporary = fileName + ".tmp-" + std::to_string(::getpid());
    try {
        TFileStream file(temporary, fmCreate);
        file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    } catch (const EStreamError& e) {
        ::unlink(temporary.c_str());
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + e.Message());
    }
    if (::rename(temporary.c_str(), fileName.c_str()) != 0) {
        std::string reason = Reason();
        ::unlink(temporary.c_str());
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
    }
}

} // namespace zorvy
