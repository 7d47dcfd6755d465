#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "framework/cIniFile.h"

namespace korval {

// The process-wide cache of parsed profile files. A file is parsed once and reused
// while its size and modification time stay the same; inside a file scope (see
// cProfileFileScope) reads do not even look at the disk, and writes are collected and
// replace the file once, atomically, when the outermost scope commits. A write outside
// any scope replaces the file at once. Its calls may come from several threads (a system's
// members load on helper threads and read the defaults profile): each runs alone.
class cProfileStore {
  public:
    // No Korval document comes near this size: a larger file is not read at all (it reads
    // as empty), so a stray huge file cannot take the memory of the session.
    static constexpr std::uintmax_t kDocumentSizeLimit = 64u * 1024u * 1024u;

    static cProfileStore& Instance();

    // The value cut for a caller's buffer of bufferSize characters (NUL included).
    std::optional<std::string> Read(const std::string& path, std::string_view section,
                                    std::string_view key, std::size_t bufferSize = SIZE_MAX);
    // Outside a scope the file is replaced at once: false (with LastError) when it could
    // not be written.
    [[nodiscard]] bool Write(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view value);

    void BeginScope(const std::string& path);
    // Ends one scope level; the outermost level writes pending changes. False (with
    // LastError) when the file could not be written.
    [[nodiscard]] bool CommitScope(const std::string& path);
    // Ends one scope level; the outermost level drops pending changes.
    void DropScope(const std::string& path);

    // Replaces the file at once with this content, atomically, outside any scope: a copy of
    // another file that Korval keeps for itself, so a symbolic link in its place is refused,
    // never followed. False (with LastError) when it could not be written.
    bool ReplaceWhole(const std::string& path, const std::string& content);

    // A number that changes whenever the cached content of the file changes (parsed anew or
    // written): what was read from the file earlier is still valid while it is the same.
    std::uint64_t Generation(const std::string& path);

    // Inside a scope: the file's content is replaced as a whole by what is written next.
    void StartEmpty(const std::string& path);

    // Makes path a file that lives only here, holding content: reads and writes never
    // reach the disk (whatever may lie at that path there) until Forget. Undo snapshots are
    // such files: nothing on disk can be planted in their way.
    void KeepInMemory(const std::string& path, std::string content);
    // The content of a file kept in memory, as its writes left it.
    std::string MemoryText(const std::string& path);

    // Why the last write failed, in words for the user.
    const std::string& LastError() const { return lastError_; }
    // The last write failed because the file is read-only (LastError says so).
    bool LastErrorIsReadOnly() const { return lastErrorReadOnly_; }
    // Forgets every cached file (tests, and after files were changed behind our back).
    void Clear();
    // Forgets one file unless a scope holds it: a file read once and not again (a system's
    // member projects) need not stay in memory.
    void Forget(const std::string& path);
    // Files parsed from disk since start: lets tests and benchmarks prove a file is read once.
    std::uint64_t ParseCount() const { return parseCount_.load(); }
    // Files written to disk since start: a document save writes its file once.
    std::uint64_t WriteCount() const { return writeCount_.load(); }

  private:
    struct Entry {
        cIniFile ini;
        bool exists = false;
        std::uintmax_t size = 0;
        std::int64_t modified = 0;
        int scopeDepth = 0;
        bool dirty = false;
        bool inMemory = false;
        std::uint64_t generation = 0;
    };

    Entry& Acquire(const std::string& path);
    // One scope level less: the entry when that ended the outermost level with changes
    // pending, null otherwise.
    Entry* LeaveScope(const std::string& path);
    // Writes the entry's pending changes; a file that could not be written is forgotten,
    // so the next read sees what is on disk.
    [[nodiscard]] bool WriteOut(const std::string& path, Entry& entry);
    [[nodiscard]] bool Flush(const std::string& path, Entry& entry);
    void ReleaseIfLarge(const std::string& path, const Entry& entry);

    // Recursive: a public call that forgets a file goes through Forget.
    std::recursive_mutex mutex_;
    std::unordered_map<std::string, Entry> cache_;
    std::string lastError_;
    bool lastErrorReadOnly_ = false;
    std::atomic<std::uint64_t> parseCount_ = 0;
    std::atomic<std::uint64_t> writeCount_ = 0;
    std::uint64_t nextGeneration_ = 1;
    // The entry used last: table loaders read hundreds of keys of one file in a row.
    const std::string* lastPath_ = nullptr;
    Entry* lastEntry_ = nullptr;
};

}  // namespace korval
