#include "framework/cProfileStore.h"

#include <sys/stat.h>

#include "framework/FileReplacement.h"
#include "framework/TextUtil.h"
#include "framework/cReadOnlyFile.h"

namespace korval {

namespace {

// Files larger than this are not kept once nobody holds them: a stray huge file must
// not stay in memory for the rest of the session.
constexpr std::uintmax_t kKeepLimit = 8u * 1024u * 1024u;

struct StoreStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modified = 0;
};

StoreStamp StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    return {true, static_cast<std::uintmax_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
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
    if (found != cache_.end() && (found->second.scopeDepth > 0 || found->second.inMemory)) {
        lastPath_ = &found->first;
        lastEntry_ = &found->second;
        return found->second;
    }
    StoreStamp stamp = StampOf(path);
    if (found != cache_.end() && found->second.exists == stamp.exists &&
        found->second.size == stamp.size && found->second.modified == stamp.modified) {
        return found->second;
    }
    Entry entry;
    entry.exists = stamp.exists;
    entry.size = stamp.size;
    entry.modified = stamp.modified;
    std::optional<std::string> content;
    if (stamp.exists) content = ReadRegularFile(path, kDocumentSizeLimit);
    if (content) {
        entry.ini = cIniFile::Parse(std::move(*content));
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
    std::lock_guard lock(mutex_);
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
    std::lock_guard lock(mutex_);
    Entry& entry = Acquire(path);
    std::optional<std::string_view> found = entry.ini.Find(section, key);
    std::optional<std::string> value;
    if (found) value = CutToBuffer(*found, bufferSize);
    ReleaseIfLarge(path, entry);
    return value;
}

bool cProfileStore::Write(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view value) {
    std::lock_guard lock(mutex_);
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
    if (entry.inMemory) {
        entry.dirty = false;
        return true;
    }
    ++writeCount_;
    ReplaceOutcome outcome = ReplaceFileAtomically(path, entry.ini.Serialize());
    lastErrorReadOnly_ = outcome.readOnly;
    if (!outcome.ok) {
        lastError_ = std::move(outcome.reason);
        return false;
    }
    StoreStamp stamp = StampOf(path);
    entry.exists = stamp.exists;
    entry.size = stamp.size;
    entry.modified = stamp.modified;
    entry.dirty = false;
    return true;
}

void cProfileStore::BeginScope(const std::string& path) {
    std::lock_guard lock(mutex_);
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
    std::lock_guard lock(mutex_);
    Entry* pending = LeaveScope(path);
    return pending == nullptr || WriteOut(path, *pending);
}

void cProfileStore::DropScope(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (LeaveScope(path) != nullptr) Forget(path);
}

bool cProfileStore::ReplaceWhole(const std::string& path, const std::string& content) {
    std::lock_guard lock(mutex_);
    ++writeCount_;
    ReplaceOutcome outcome = ReplaceFileAtomically(path, content, LinkRule::kRefuse);
    lastErrorReadOnly_ = outcome.readOnly;
    if (!outcome.ok) {
        lastError_ = std::move(outcome.reason);
        return false;
    }
    Forget(path);
    return true;
}

void cProfileStore::StartEmpty(const std::string& path) {
    std::lock_guard lock(mutex_);
    Entry& entry = Acquire(path);
    entry.ini = cIniFile();
    entry.dirty = true;
    entry.generation = nextGeneration_++;
}

void cProfileStore::KeepInMemory(const std::string& path, std::string content) {
    std::lock_guard lock(mutex_);
    Entry& entry = cache_[path];
    entry.ini = cIniFile::Parse(std::move(content));
    entry.exists = true;
    entry.inMemory = true;
    entry.dirty = false;
    entry.generation = nextGeneration_++;
}

std::string cProfileStore::MemoryText(const std::string& path) {
    std::lock_guard lock(mutex_);
    auto found = cache_.find(path);
    if (found == cache_.end() || !found->second.inMemory) return {};
    return found->second.ini.Serialize();
}

std::uint64_t cProfileStore::Generation(const std::string& path) {
    std::lock_guard lock(mutex_);
    return Acquire(path).generation;
}

void cProfileStore::Clear() {
    std::lock_guard lock(mutex_);
    lastEntry_ = nullptr;
    lastPath_ = nullptr;
    for (auto it = cache_.begin(); it != cache_.end();) {
        it = it->second.scopeDepth > 0 ? std::next(it) : cache_.erase(it);
    }
}

}  // namespace korval
