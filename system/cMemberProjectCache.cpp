#include "system/cMemberProjectCache.h"

#include "framework/ProfileAccess.h"
#include "framework/cProfileStore.h"
#include "framework/cReadOnlyProfileScope.h"

namespace korval {

std::string cMemberProjectCache::Resolve(const std::string& path) const {
    bool relative = !path.empty() && path[0] != '/' && path[0] != '\\';
    return relative && !baseFolder_.empty() ? (baseFolder_ / path).string() : path;
}

std::shared_ptr<const cProjectDoc> cMemberProjectCache::Read(const std::string& path) {
    std::shared_ptr<const cProjectDoc>& project = read_[path];
    if (project) return project;
    if (std::string problem = DocumentSizeProblem(path); !problem.empty()) {
        context_.platform.ShowMessage(problem);
        project = Missing();
        return project;
    }
    auto loaded = std::make_shared<cProjectDoc>(context_);
    {
        // A member is never saved: it is read through a view of its bytes, so the store
        // neither parses nor keeps its file.
        cReadOnlyProfileScope view(path);
        // A member whose file exists opens with what could be read, as the desktop opens it.
        static_cast<void>(loaded->LoadModel(path));
    }
    // A member is read once and never saved: a system of hundreds of members need not keep
    // their files in memory.
    cProfileStore::Instance().Forget(path);
    project = std::move(loaded);
    return project;
}

std::shared_ptr<const cProjectDoc> cMemberProjectCache::Missing() {
    if (!missing_) missing_ = std::make_shared<cProjectDoc>(context_);
    return missing_;
}

}  // namespace korval
