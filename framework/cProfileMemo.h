#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "framework/cProfileStore.h"

namespace korval {

// What a loader read from a profile file, kept while that file stays unchanged. Every new
// document reads its tables from the defaults profile; a system opens hundreds of member
// projects, each with three models, and reading the same tables again for each of them would
// cost more than reading the members' own files. A bad entry is reported by the first load
// only, instead of once per member. Members load on several threads: one loads, the others
// wait for it; the value stays in place while the file is unchanged, which it is while a
// scope holds it.
template <class T>
class cProfileMemo {
  public:
    template <class Loader>
    const T& Get(const std::string& path, Loader&& load) {
        std::lock_guard lock(mutex_);
        std::uint64_t generation = cProfileStore::Instance().Generation(path);
        if (!valid_ || generation != generation_ || path != path_) {
            value_ = load();
            path_ = path;
            generation_ = cProfileStore::Instance().Generation(path);
            valid_ = true;
        }
        return value_;
    }

  private:
    std::mutex mutex_;
    bool valid_ = false;
    std::string path_;
    std::uint64_t generation_ = 0;
    T value_{};
};

}  // namespace korval
