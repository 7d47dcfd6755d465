#include "framework/cReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace korval {

namespace {

std::string OpenProblem(int error) {
    if (error == ENOENT || error == ENOTDIR) return "File not found";
    if (error == EACCES || error == EPERM) return "Permission denied";
    if (error == EISDIR) return "It is a folder, not a file";
    return error != 0 ? std::string(std::strerror(error)) : std::string("Cannot be read");
}

std::string KindProblem(mode_t mode) {
    if (S_ISDIR(mode)) return "It is a folder, not a file";
    if (S_ISFIFO(mode)) return "It is a pipe (FIFO), not a file";
    if (S_ISSOCK(mode)) return "It is a socket, not a file";
    return "It is a device, not a file";
}

}  // namespace

// O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer forever. A
// regular file ignores the flag, so its reads are as ever.
cReadOnlyFile::cReadOnlyFile(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {
    if (fd_ < 0) {
        problem_ = OpenProblem(errno);
        return;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        problem_ = OpenProblem(errno);
    } else if (!S_ISREG(info.st_mode)) {
        problem_ = KindProblem(info.st_mode);
    } else {
        stamp_ = StampOfStatus(info);
        return;
    }
    ::close(fd_);
    fd_ = -1;
}

cReadOnlyFile::~cReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
}

long cReadOnlyFile::ReadSome(char* buffer, std::size_t size) {
    if (fd_ < 0) return -1;
    for (;;) {
        ssize_t n = ::read(fd_, buffer, size);
        if (n < 0 && errno == EINTR) continue;
        return static_cast<long>(n);
    }
}

bool cReadOnlyFile::ReadAll(std::string& bytes) {
    if (!stamp_) return false;
    bytes.resize(static_cast<std::size_t>(stamp_->size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        long n = ReadSome(bytes.data() + got, bytes.size() - got);
        if (n <= 0) break;  // the file shrank while being read: keep what was there
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::uintmax_t limit) {
    cReadOnlyFile file(path);
    if (!file.Stamp() || file.Stamp()->size > limit) return std::nullopt;
    std::string bytes;
    if (!file.ReadAll(bytes)) return std::nullopt;
    return bytes;
}

}  // namespace korval
