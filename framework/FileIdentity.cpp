#include "framework/FileIdentity.h"

#include <sys/stat.h>

#include <chrono>
#include <system_error>

#include "framework/cReadOnlyFile.h"

namespace korval {

namespace fs = std::filesystem;

namespace {

// The path as the file system resolves it, or as written (made absolute) when it cannot.
fs::path ResolvedPath(const std::string& path) {
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(fs::path(path), error);
    if (error) resolved = fs::absolute(fs::path(path), error).lexically_normal();
    return resolved;
}

}  // namespace

bool IsSameFile(const std::string& first, const std::string& second) {
    if (first.empty() || second.empty()) return false;
    std::error_code error;
    if (fs::equivalent(fs::path(first), fs::path(second), error) && !error) return true;
    // A file not (or no longer) there is still the same file when both paths lead to it.
    return ResolvedPath(first) == ResolvedPath(second);
}

std::string FileReadProblem(const std::string& path) {
    return cReadOnlyFile(path).Problem();
}

bool IsSpecialFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

// One stat call where file_size and last_write_time would make two: a system stamps each
// of its members, by the thousand. The time is the file clock's, as last_write_time gives it,
// so a stamp compares equal with one taken through the library.
std::optional<FileStamp> StampOfFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return StampOfStatus(info);
}

std::optional<FileStamp> StampOfStatus(const struct stat& status) {
    if (!S_ISREG(status.st_mode)) return std::nullopt;
    using namespace std::chrono;
    auto sinceEpoch = duration_cast<system_clock::duration>(seconds(status.st_mtim.tv_sec) +
                                                            nanoseconds(status.st_mtim.tv_nsec));
    FileStamp stamp;
    stamp.size = static_cast<std::uintmax_t>(status.st_size);
    stamp.modified = file_clock::from_sys(system_clock::time_point(sinceEpoch));
    return stamp;
}

}  // namespace korval
