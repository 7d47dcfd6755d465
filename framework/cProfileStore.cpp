#include "framework/cProfileStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "framework/TextUtil.h"

namespace korval {

namespace {

// Files larger than this are not kept once nobody holds them: a stray huge file must
// not stay in memory for the rest of the session.
constexpr std::uintmax_t kKeepLimit = 8u * 1024u * 1024u;

struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modified = 0;
};

FileStamp StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    return {true, static_cast<std::uintmax_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    content = std::move(buffer).str();
    return true;
}

std::string ReasonFromErrno() {
    return std::strerror(errno);
}

// Writes content to a temporary file beside the target and renames it over the target,
// so the target holds either its old or its new content, never a mix.
bool ReplaceFileAtomically(const std::string& path, const std::string& content,
                           std::string& error) {
    std::filesystem::path folder = FolderOf(path);
    std::string pattern =
        ((folder.empty() ? "." : folder) / ("." + FileNameOf(path) + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error = ReasonFromErrno();
        return false;
    }
    struct stat info {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0;
    std::size_t written = 0;
    while (ok && written < content.size()) {
        ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (ok) ok = ::fsync(fd) == 0;
    if (!ok) error = ReasonFromErrno();
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = ReasonFromErrno();
    }
    if (ok && ::rename(pattern.c_str(), path.c_str()) != 0) {
        ok = false;
        error = ReasonFromErrno();
    }
    if (!ok) ::unlink(pattern.c_str());
    return ok;
}

}  // namespace

cProfileStore& cProfileStore::Instance() {
    static cProfileStore store;
    return store;
}

cProfileStore::Entry& cProfileStore::Acquire(const std::string& path) {
    if (lastEntry_ != nullptr && lastEntry_->scopeDepth > 0 && *lastPath_ == path)
        return *lastEntry_;
    auto found = cache_.find(path);
    if (found != cache_.end() && found->second.scopeDepth > 0) {
        lastPath_ = &found->first;
        lastEntry_ = &found->second;
        return found->second;
    }
    FileStamp stamp = StampOf(path);
    if (found != cache_.end() && found->second.exists == stamp.exists &&
        found->second.size == stamp.size && found->second.modified == stamp.modified) {
        return found->second;
    }
    Entry entry;
    entry.exists = stamp.exists;
    entry.size = stamp.size;
    entry.modified = stamp.modified;
    std::string content;
    if (stamp.exists && ReadWholeFile(path, content)) {
        entry.ini = cIniFile::Parse(content);
        ++parseCount_;
    }
    entry.generation = nextGeneration_++;
    auto slot = cache_.try_emplace(path).first;
    int depth = slot->second.scopeDepth;
    slot->second = std::move(entry);
    slot->second.scopeDepth = depth;
    lastPath_ = &slot->first;
    lastEntry_ = &slot->second;
    return slot->second;
}

void cProfileStore::ReleaseIfLarge(const std::string& path, const Entry& entry) {
    if (entry.scopeDepth == 0 && entry.size > kKeepLimit) Forget(path);
}

void cProfileStore::Forget(const std::string& path) {
    auto found = cache_.find(path);
    if (found == cache_.end() || found->second.scopeDepth > 0) return;
    if (lastEntry_ == &found->second) {
        lastEntry_ = nullptr;
        lastPath_ = nullptr;
    }
    cache_.erase(found);
}

std::optional<std::string> cProfileStore::Read(const std::string& path, std::string_view section,
                                               std::string_view key, std::size_t bufferSize) {
    Entry& entry = Acquire(path);
    std::optional<std::string_view> found = entry.ini.Find(section, key);
    std::optional<std::string> value;
    if (found) value = CutToBuffer(*found, bufferSize);
    ReleaseIfLarge(path, entry);
    return value;
}

bool cProfileStore::Write(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view value) {
    Entry& entry = Acquire(path);
    entry.ini.Set(section, key, value);
    entry.dirty = true;
    entry.generation = nextGeneration_++;
    if (entry.scopeDepth > 0) return true;
    return WriteOut(path, entry);
}

bool cProfileStore::WriteOut(const std::string& path, Entry& entry) {
    bool ok = Flush(path, entry);
    if (!ok) {
        Forget(path);
    } else {
        ReleaseIfLarge(path, entry);
    }
    return ok;
}

bool cProfileStore::Flush(const std::string& path, Entry& entry) {
    ++writeCount_;
    if (!ReplaceFileAtomically(path, entry.ini.Serialize(), lastError_)) return false;
    FileStamp stamp = StampOf(path);
    entry.exists = stamp.exists;
    entry.size = stamp.size;
    entry.modified = stamp.modified;
    entry.dirty = false;
    return true;
}

void cProfileStore::BeginScope(const std::string& path) {
    Entry& entry = Acquire(path);
    ++entry.scopeDepth;
}

cProfileStore::Entry* cProfileStore::LeaveScope(const std::string& path) {
    auto found = cache_.find(path);
    if (found == cache_.end()) return nullptr;
    Entry& entry = found->second;
    if (entry.scopeDepth > 0) --entry.scopeDepth;
    if (entry.scopeDepth > 0) return nullptr;
    if (!entry.dirty) {
        ReleaseIfLarge(path, entry);
        return nullptr;
    }
    return &entry;
}

bool cProfileStore::CommitScope(const std::string& path) {
    Entry* pending = LeaveScope(path);
    return pending == nullptr || WriteOut(path, *pending);
}

void cProfileStore::DropScope(const std::string& path) {
    if (LeaveScope(path) != nullptr) Forget(path);
}

bool cProfileStore::ReplaceWhole(const std::string& path, const std::string& content) {
    ++writeCount_;
    if (!ReplaceFileAtomically(path, content, lastError_)) return false;
    Forget(path);
    return true;
}

void cProfileStore::StartEmpty(const std::string& path) {
    Entry& entry = Acquire(path);
    entry.ini = cIniFile();
    entry.dirty = true;
    entry.generation = nextGeneration_++;
}

std::uint64_t cProfileStore::Generation(const std::string& path) {
    return Acquire(path).generation;
}

void cProfileStore::Clear() {
    lastEntry_ = nullptr;
    lastPath_ = nullptr;
    for (auto it = cache_.begin(); it != cache_.end();) {
        it = it->second.scopeDepth > 0 ? std::next(it) : cache_.erase(it);
    }
}

}  // namespace korval
