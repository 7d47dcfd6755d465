#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

struct stat;

namespace korval {

// Whether two paths name one file: symbolic links, "." and ".." and relative paths are
// resolved first, and hard links count as the same file.
bool IsSameFile(const std::string& first, const std::string& second);

// Why the file at path cannot be read, in the words the user is shown ("File not found",
// "Permission denied", ...); empty when it can be read.
std::string FileReadProblem(const std::string& path);

// Whether something that is not a regular file nor a folder is at path (a FIFO, a device, a
// socket): a member listed there is missing, as reading it would block or never end.
bool IsSpecialFile(const std::string& path);

// What tells a changed file from the one read before: its size and modification time.
struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path; none when there is no file.
std::optional<FileStamp> StampOfFile(const std::string& path);
// The stamp a stat call's answer gives; none unless it is a regular file's.
std::optional<FileStamp> StampOfStatus(const struct stat& status);

}  // namespace korval
