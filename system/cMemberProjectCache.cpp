#include "system/cMemberProjectCache.h"

#include <unordered_set>
#include <utility>

#include "framework/ProfileAccess.h"
#include "framework/cHelperPool.h"
#include "framework/cProfileStore.h"
#include "framework/cReadOnlyProfileScope.h"
#include "system/cSystemProjectDoc.h"

namespace korval {

std::string cMemberProjectCache::Resolve(const std::string& path) const {
    bool relative = !path.empty() && path[0] != '/' && path[0] != '\\';
    return relative && !baseFolder_.empty() ? (baseFolder_ / path).string() : path;
}

bool cMemberProjectCache::Exists(const std::string& resolved) {
    auto [known, unasked] = exists_.try_emplace(resolved, false);
    if (unasked) {
        auto ahead = ahead_.find(resolved);
        known->second =
            ahead != ahead_.end() ? ahead->second.exists : context_.platform.FileExists(resolved);
    }
    return known->second;
}

const MemberFigures& cMemberProjectCache::FiguresOf(const std::string& path) {
    auto found = figures_.find(path);
    if (found != figures_.end()) return found->second;
    return figures_.emplace(path, cSystemProjectDoc::FiguresOf(*Read(path))).first->second;
}

const MemberFigures& cMemberProjectCache::MissingFigures() {
    if (!missingFigures_) missingFigures_ = cSystemProjectDoc::FiguresOf(*Missing());
    return *missingFigures_;
}

std::optional<FileStamp> cMemberProjectCache::StampOf(const std::string& path) const {
    auto found = stamps_.find(path);
    return found != stamps_.end() ? found->second : StampOfFile(path);
}

cMemberProjectCache::Loaded cMemberProjectCache::Load(const std::string& path) {
    cMessageCapture capture(context_.platform);
    Loaded loaded;
    // Taken before reading: a change while the file is read shows as a change afterwards.
    loaded.stamp = StampOfFile(path);
    try {
        if (std::string problem = DocumentSizeProblem(path); !problem.empty()) {
            capture.ShowMessage(problem, MessageButtons::Ok);
        } else {
            auto project = std::make_shared<cProjectDoc>(context_);
            {
                // A member is never saved: it is read through a view of its bytes, so the
                // store neither parses nor keeps its file.
                cReadOnlyProfileScope view(path);
                // A member whose file exists opens with what could be read, as the desktop
                // opens it.
                static_cast<void>(project->LoadModel(path));
            }
            loaded.figures = cSystemProjectDoc::FiguresOf(*project);
            loaded.project = std::move(project);
        }
    } catch (...) {
        loaded.failure = std::current_exception();
    }
    loaded.messages = capture.Take();
    return loaded;
}

cMemberProjectCache::Loaded cMemberProjectCache::LoadIfPresent(const std::string& path) {
    Loaded loaded;
    loaded.exists = cMessageCapture::Route(context_.platform).FileExists(path);
    return loaded.exists ? Load(path) : loaded;
}

void cMemberProjectCache::ReadAhead(const std::vector<std::string>& paths, unsigned helpers) {
    std::vector<std::string> unread;
    std::unordered_set<std::string> listed;
    for (const std::string& path : paths) {
        if (!read_.contains(path) && !ahead_.contains(path) && listed.insert(path).second)
            unread.push_back(path);
    }
    if (unread.size() < 2) return;
    if (!missing_) {
        // The first project made reads the defaults' tables, which every other then shares:
        // made here, before the helpers start, its messages wait for their turn.
        cMessageCapture capture(context_.platform);
        missing_ = std::make_shared<cProjectDoc>(context_);
        firstProjectMessages_ = capture.Take();
    }
    std::vector<Loaded> loaded(unread.size());
    cHelperPool::Shared().Run(static_cast<std::int64_t>(unread.size()), helpers,
                              [&](std::int64_t index) {
                                  auto at = static_cast<std::size_t>(index);
                                  loaded[at] = LoadIfPresent(unread[at]);
                              });
    for (std::size_t i = 0; i < unread.size(); ++i)
        ahead_.emplace(std::move(unread[i]), std::move(loaded[i]));
}

void cMemberProjectCache::ShowFirstProjectMessages() {
    cMessageCapture::ShowTo(context_.platform, std::exchange(firstProjectMessages_, {}));
}

std::shared_ptr<const cProjectDoc> cMemberProjectCache::Read(const std::string& path) {
    std::shared_ptr<const cProjectDoc>& project = read_[path];
    if (project) return project;
    Loaded loaded;
    if (auto ahead = ahead_.find(path); ahead != ahead_.end()) {
        loaded = std::move(ahead->second);
        ahead_.erase(ahead);
    } else {
        loaded = Load(path);
    }
    // A member is read once and never saved: a system of hundreds of members need not keep
    // their files in memory.
    cProfileStore::Instance().Forget(path);
    if (loaded.failure) std::rethrow_exception(loaded.failure);
    stamps_[path] = loaded.stamp;
    if (loaded.project) figures_[path] = loaded.figures;
    if (!loaded.project) {
        cMessageCapture::ShowTo(context_.platform, loaded.messages);
        project = Missing();
        return project;
    }
    ShowFirstProjectMessages();
    cMessageCapture::ShowTo(context_.platform, loaded.messages);
    project = std::move(loaded.project);
    return project;
}

std::shared_ptr<const cProjectDoc> cMemberProjectCache::Missing() {
    ShowFirstProjectMessages();
    if (!missing_) missing_ = std::make_shared<cProjectDoc>(context_);
    return missing_;
}

}  // namespace korval
