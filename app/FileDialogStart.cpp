#include "app/FileDialogStart.h"

#include <filesystem>

namespace korval {

std::string FileDialogStartPath(const std::string& initial, const std::string& lastFolder) {
    std::filesystem::path path(initial);
    if (path.has_parent_path() || lastFolder.empty()) return initial;
    if (initial.empty()) return lastFolder + "/";
    return (std::filesystem::path(lastFolder) / path).string();
}

std::string FolderToRemember(const std::string& chosenPath) {
    return std::filesystem::path(chosenPath).parent_path().string();
}

}  // namespace korval
