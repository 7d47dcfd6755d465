#include "bench/support/LeanIniIndex.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korval::bench {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        ssize_t got = ::read(fd, bytes.data(), bytes.size());
        bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    ::close(fd);
    return bytes;
}

}  // namespace

LeanIniIndex LeanIniIndex::Read(const std::string& path) {
    LeanIniIndex index;
    index.bytes_ = ReadBytes(path);
    std::string_view text = index.bytes_;
    std::string_view section;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        index.entries_.push_back(
            {section, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))});
    }
    return index;
}

}  // namespace korval::bench
