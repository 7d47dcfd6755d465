#include "framework/cReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace korval {

cReadOnlyFile::cReadOnlyFile(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    struct stat info {};
    if (fd_ >= 0 && ::fstat(fd_, &info) == 0) stamp_ = StampOfStatus(info);
}

cReadOnlyFile::~cReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool cReadOnlyFile::ReadAll(std::string& bytes) {
    if (!stamp_) return false;
    bytes.resize(static_cast<std::size_t>(stamp_->size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        ssize_t n = ::read(fd_, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
}

}  // namespace korval
