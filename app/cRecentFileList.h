#pragma once

#include <string>
#include <vector>

namespace korval {

class cPlatformServices;

// The File menu's list of recently used files, newest first, kept in the application's
// settings store under "Recent File List" as "File1" .. "File4".
class cRecentFileList {
  public:
    static constexpr std::size_t kDefaultSize = 4;

    explicit cRecentFileList(std::size_t size = kDefaultSize) : size_(size) {}

    // Moves the path to the top (an entry already listed is not repeated).
    void Add(std::string path);
    // Drops the entry (a file that is gone); false when it was not listed.
    bool Remove(const std::string& path);
    // After a failed open: drops the entry when its file is gone; true when dropped.
    bool RemoveIfGone(const std::string& path, cPlatformServices& platform);
    const std::vector<std::string>& Entries() const { return entries_; }
    std::size_t Size() const { return size_; }

    void Load(cPlatformServices& platform);
    void Save(cPlatformServices& platform) const;

    // "&1 name" for the File menu; long paths are shortened in the middle.
    static std::string MenuText(std::size_t index, const std::string& path);

  private:
    std::size_t size_;
    std::vector<std::string> entries_;
};

}  // namespace korval
