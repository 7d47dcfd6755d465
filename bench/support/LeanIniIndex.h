#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korval::bench {

// The least a reader of an INI file has to do, as a yardstick: the file's bytes read once,
// and one flat list of (section, key, value) views into them. No case folding, quotes or
// duplicates: only the cost of finding every name and value.
class LeanIniIndex {
  public:
    struct Entry {
        std::string_view section;
        std::string_view key;
        std::string_view value;
    };

    // An empty index when the file cannot be read.
    static LeanIniIndex Read(const std::string& path);

    const std::vector<Entry>& Entries() const { return entries_; }

  private:
    std::string bytes_;
    std::vector<Entry> entries_;
};

}  // namespace korval::bench
