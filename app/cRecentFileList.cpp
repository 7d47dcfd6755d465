#include "app/cRecentFileList.h"

#include <algorithm>

#include "framework/TextUtil.h"
#include "framework/cPlatformServices.h"

namespace korval {

namespace {
constexpr const char* kSection = "Recent File List";
constexpr std::size_t kMenuPathChars = 40;

std::string KeyOf(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

// Keeps the file name whole and the start of the folder, with "..." between them.
std::string ShortenPath(const std::string& path) {
    if (CountChars(path) <= kMenuPathChars) return path;
    std::string name = FileNameOf(path);
    std::size_t nameChars = CountChars(name);
    if (nameChars + 4 >= kMenuPathChars) return name;
    return CutToChars(path, kMenuPathChars - nameChars - 4) + ".../" + name;
}
}  // namespace

void cRecentFileList::Add(std::string path) {
    if (path.empty()) return;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
    entries_.insert(entries_.begin(), std::move(path));
    if (entries_.size() > size_) entries_.resize(size_);
}

bool cRecentFileList::Remove(const std::string& path) {
    auto found = std::find(entries_.begin(), entries_.end(), path);
    if (found == entries_.end()) return false;
    entries_.erase(found);
    return true;
}

bool cRecentFileList::RemoveIfGone(const std::string& path, cPlatformServices& platform) {
    return !platform.FileExists(path) && Remove(path);
}

void cRecentFileList::Load(cPlatformServices& platform) {
    entries_.clear();
    for (std::size_t i = 0; i < size_; ++i) {
        std::string path = platform.ReadSetting(kSection, KeyOf(i), "");
        if (path.empty()) continue;
        if (std::find(entries_.begin(), entries_.end(), path) == entries_.end())
            entries_.push_back(path);
    }
}

void cRecentFileList::Save(cPlatformServices& platform) const {
    for (std::size_t i = 0; i < size_; ++i) {
        platform.WriteSetting(kSection, KeyOf(i),
                              i < entries_.size() ? entries_[i] : std::string());
    }
}

std::string cRecentFileList::MenuText(std::size_t index, const std::string& path) {
    std::string shown = ReplaceAll(ShortenPath(path), "&", "&&");
    return "&" + std::to_string(index + 1) + " " + shown;
}

}  // namespace korval
