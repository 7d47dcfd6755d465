#include "framework/FileIdentity.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

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
    std::error_code error;
    fs::file_status status = fs::status(fs::path(path), error);
    if (status.type() == fs::file_type::not_found) return "File not found";
    if (status.type() == fs::file_type::directory) return "It is a folder, not a file";
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (file) return {};
    int reason = errno;
    if (reason == ENOENT) return "File not found";
    if (reason == EACCES || reason == EPERM) return "Permission denied";
    return reason != 0 ? std::string(std::strerror(reason)) : std::string("Cannot be read");
}

std::optional<FileStamp> StampOfFile(const std::string& path) {
    std::error_code error;
    FileStamp stamp;
    stamp.size = fs::file_size(fs::path(path), error);
    if (error) return std::nullopt;
    stamp.modified = fs::last_write_time(fs::path(path), error);
    if (error) return std::nullopt;
    return stamp;
}

}  // namespace korval
