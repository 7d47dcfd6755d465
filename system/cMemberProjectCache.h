#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>

#include "project/cProjectDoc.h"

namespace korval {

// The projects read while a system opens, one per file: members that list the same file
// share its project, and all members whose file is missing share one project reset to the
// defaults, so a file listed any number of times is read once and kept once.
class cMemberProjectCache {
  public:
    // Members' relative paths are looked up in baseFolder (the system file's folder), so a
    // system and its projects can move together.
    explicit cMemberProjectCache(cAppContext& context, std::filesystem::path baseFolder = {})
        : context_(context), baseFolder_(std::move(baseFolder)) {}

    // Where the member's file is.
    std::string Resolve(const std::string& path) const;
    // The project read from the file at path (which exists).
    std::shared_ptr<const cProjectDoc> Read(const std::string& path);
    // The project of a member whose file is missing: as reset.
    std::shared_ptr<const cProjectDoc> Missing();

  private:
    cAppContext& context_;
    std::filesystem::path baseFolder_;
    std::unordered_map<std::string, std::shared_ptr<const cProjectDoc>> read_;
    std::shared_ptr<const cProjectDoc> missing_;
};

}  // namespace korval
