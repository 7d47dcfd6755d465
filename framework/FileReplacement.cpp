#include "framework/FileReplacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <optional>
#include <random>

#include "framework/TextUtil.h"

namespace korval {

namespace {

ReplaceStepHook stepHook = nullptr;

constexpr std::string_view kNameCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomPartLength = 6;
constexpr int kMaxLinkDepth = 40;
constexpr int kAttempts = 100;  // random names tried before giving up

// False when the injected fault makes the step fail.
bool MayRun(ReplaceStep step) {
    if (stepHook == nullptr || stepHook(step)) return true;
    errno = EIO;
    return false;
}

ReplaceOutcome Failure(int error) {
    return {false, false, std::strerror(error)};
}

// The file a chain of symbolic links finally names (it need not exist yet).
std::optional<std::string> FinalTarget(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(4096, '\0');
        ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return std::nullopt;
        target.resize(static_cast<std::size_t>(length));
        std::string folder = FolderOf(current);
        current = target.front() == '/' || folder.empty() ? target : folder + "/" + target;
    }
    errno = ELOOP;
    return std::nullopt;
}

// Like a file marked read-only: no write permission at all, or none for this user.
bool IsReadOnlyFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

// The old file's permissions, or those a new file gets.
mode_t ModeFor(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string TemporaryName(const std::string& fileName) {
    static std::mt19937_64 generator(std::random_device{}() ^
                                     static_cast<std::uint64_t>(::getpid()) << 32 ^
                                     static_cast<std::uint64_t>(std::time(nullptr)));
    std::string name = "." + fileName + ".";
    for (std::size_t i = 0; i < kRandomPartLength; ++i)
        name += kNameCharacters[generator() % kNameCharacters.size()];
    return name;
}

// ".NAME.XXXXXX": what an earlier replacement of NAME left when it was killed.
bool IsLeftoverOf(std::string_view entry, std::string_view fileName) {
    if (entry.size() != fileName.size() + 2 + kRandomPartLength || entry.front() != '.' ||
        entry.substr(1, fileName.size()) != fileName || entry[fileName.size() + 1] != '.') {
        return false;
    }
    for (char c : entry.substr(fileName.size() + 2)) {
        if (kNameCharacters.find(c) == std::string_view::npos) return false;
    }
    return true;
}

// A leftover is removed only when no running replacement holds its lock: four saves of one
// file at once must not remove each other's temporary files before their renames.
void RemoveLeftovers(const std::string& folder, const std::string& fileName) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsLeftoverOf(entry->d_name, fileName)) continue;
        int fd = ::openat(::dirfd(dir), entry->d_name,
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlinkat(::dirfd(dir), entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

// Whether the name still leads to the open file: a clean-up may have removed a named
// temporary file between its creation and its lock.
bool NameLeadsTo(const std::string& path, int fd) {
    struct stat named {};
    struct stat open {};
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

bool WriteAll(int fd, std::string_view content) {
    std::size_t written = 0;
    while (written < content.size()) {
        ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some filesystems cannot sync a folder at all; that is no failure of the save.
    bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

// A file being written: unnamed until it is complete, where the filesystem allows.
class cTemporaryFile {
  public:
    cTemporaryFile(const std::string& folder, const std::string& fileName, mode_t mode)
        : folder_(folder), fileName_(fileName) {
        if (::access("/proc/self/fd", X_OK) == 0)
            fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) Discard();
        for (int attempt = 0; fd_ < 0 && attempt < kAttempts; ++attempt) {
            path_ = folder + "/" + TemporaryName(fileName);
            fd_ = ::open(path_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
            if (fd_ < 0) path_.clear();
            if (fd_ < 0 && errno != EEXIST) break;
            if (fd_ >= 0 && (::flock(fd_, LOCK_EX) != 0 || !NameLeadsTo(path_, fd_))) {
                path_.clear();  // another save's clean-up took the name: try another
                Discard();
            }
        }
    }
    ~cTemporaryFile() {
        int error = errno;
        if (!path_.empty()) ::unlink(path_.c_str());
        if (fd_ >= 0) ::close(fd_);
        errno = error;
    }
    cTemporaryFile(const cTemporaryFile&) = delete;
    cTemporaryFile& operator=(const cTemporaryFile&) = delete;

    int Descriptor() const { return fd_; }

    void Discard() {
        int error = errno;
        ::close(fd_);
        fd_ = -1;
        errno = error;
    }

    // Gives the complete file a name beside the target, to be renamed over it.
    bool Link() {
        if (!path_.empty()) return true;
        std::string source = "/proc/self/fd/" + std::to_string(fd_);
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            std::string candidate = folder_ + "/" + TemporaryName(fileName_);
            if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, candidate.c_str(),
                         AT_SYMLINK_FOLLOW) == 0) {
                path_ = candidate;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    // The descriptor, and with it the lock, stays open until the rename: closing it first
    // would let another save's clean-up take the named file away. The content is synced
    // before, so closing has nothing left to report.
    bool RenameOver(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) return false;
        path_.clear();
        return true;
    }

  private:
    std::string folder_;
    std::string fileName_;
    std::string path_;  // empty while unnamed
    int fd_ = -1;
};

bool IsLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace

ReplaceOutcome ReplaceFileAtomically(const std::string& path, std::string_view content,
                                     LinkRule links) {
    if (links == LinkRule::kRefuse && IsLink(path)) {
        return {false, false,
                path + " is a symbolic link; Korval writes its own files only in place"};
    }
    std::optional<std::string> target = FinalTarget(path);
    if (!target) return Failure(errno);
    if (IsReadOnlyFile(*target)) return {false, true, path + " is read-only"};
    std::string folder = FolderOf(*target);
    if (folder.empty()) folder = ".";
    std::string fileName = FileNameOf(*target);
    RemoveLeftovers(folder, fileName);
    mode_t mode = ModeFor(*target);

    if (!MayRun(ReplaceStep::kCreate)) return Failure(errno);
    cTemporaryFile temporary(folder, fileName, mode);
    int fd = temporary.Descriptor();
    if (fd < 0 || ::fchmod(fd, mode) != 0) return Failure(errno);
    if (!MayRun(ReplaceStep::kWrite) || !WriteAll(fd, content)) return Failure(errno);
    if (!MayRun(ReplaceStep::kSync) || ::fsync(fd) != 0) return Failure(errno);
    if (!MayRun(ReplaceStep::kLink) || !temporary.Link()) return Failure(errno);
    if (!MayRun(ReplaceStep::kRename) || !temporary.RenameOver(*target)) return Failure(errno);
    // The new content is in place; only its name's durability is still open.
    if (!MayRun(ReplaceStep::kSyncFolder) || !SyncFolder(folder)) return Failure(errno);
    return {};
}

void SetReplaceStepHook(ReplaceStepHook hook) {
    stepHook = hook;
}

}  // namespace korval
