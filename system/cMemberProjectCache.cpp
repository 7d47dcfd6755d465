#include "system/cMemberProjectCache.h"

#include <utility>

#include "framework/ProfileAccess.h"
#include "framework/cHelperPool.h"
#include "framework/cProfileStore.h"
#include "framework/cReadOnlyFile.h"
#include "framework/cReadOnlyProfileScope.h"
#include "system/cSystemProjectDoc.h"

namespace korval {

std::string cMemberProjectCache::Resolve(const std::string& path) const {
    bool relative = !path.empty() && path[0] != '/' && path[0] != '\\';
    return relative && !baseFolder_.empty() ? (baseFolder_ / path).string() : path;
}

bool cMemberProjectCache::Exists(const std::string& resolved) {
    auto found = files_.find(resolved);
    if (found != files_.end() && found->second.exists) return *found->second.exists;
    bool exists = context_.platform.FileExists(resolved) && !IsSpecialFile(resolved);
    if (exists) files_[resolved].exists = true;
    return exists;
}

std::optional<FileStamp> cMemberProjectCache::StampOf(const std::string& path) const {
    auto found = files_.find(path);
    bool read = found != files_.end() && found->second.state == File::State::HandedOut;
    return read ? found->second.stamp : StampOfFile(path);
}

std::shared_ptr<const MemberProject> cMemberProjectCache::MemberOf(const std::string& path) {
    static_cast<void>(Read(path));
    return files_[path].member;
}

std::shared_ptr<const MemberProject> cMemberProjectCache::MissingMember() {
    if (!missingMember_) {
        std::shared_ptr<const cProjectDoc> project = Missing();
        missingMember_ = std::make_shared<const MemberProject>(
            MemberProject{project, cSystemProjectDoc::FiguresOf(*project)});
    }
    return missingMember_;
}

std::shared_ptr<cProjectDoc> cMemberProjectCache::MakeProject(cPlatformServices& shownTo,
                                                              const ResetProject* reset) const {
    if (!reset || !reset->project) return std::make_shared<cProjectDoc>(context_);
    cMessageCapture::ShowTo(shownTo, reset->messages);
    return std::make_shared<cProjectDoc>(*reset->project);
}

void cMemberProjectCache::Load(const std::string& path, File& file, const ResetProject* reset) {
    cMessageCapture capture(context_.platform);
    cReadOnlyFile opened(path);
    // Taken before reading: a change while the file is read shows as a change afterwards.
    file.stamp = opened.Stamp();
    try {
        // A stamp's size is that of a regular file, which the size check is about.
        std::string problem = file.stamp ? DocumentSizeProblem(path, file.stamp->size) : "";
        if (!problem.empty()) {
            capture.ShowMessage(problem, MessageButtons::Ok);
        } else {
            std::shared_ptr<cProjectDoc> project = MakeProject(capture, reset);
            {
                // A member is never saved: it is read through a view of its bytes, so the
                // store neither parses nor keeps its file.
                cReadOnlyProfileScope view(path, opened);
                // A member whose file exists opens with what could be read, as the desktop
                // opens it.
                static_cast<void>(project->LoadModel(path));
            }
            MemberFigures figures = cSystemProjectDoc::FiguresOf(*project);
            file.member =
                std::make_shared<const MemberProject>(MemberProject{std::move(project), figures});
        }
    } catch (...) {
        file.failure = std::current_exception();
    }
    file.messages = capture.Take();
}

void cMemberProjectCache::LoadIfPresent(const std::string& path, File& file,
                                        const ResetProject& reset) {
    if (!file.exists)
        file.exists =
            cMessageCapture::Route(context_.platform).FileExists(path) && !IsSpecialFile(path);
    if (*file.exists) Load(path, file, &reset);
}

void cMemberProjectCache::ReadAhead(const std::vector<std::string>& paths, unsigned helpers) {
    std::vector<std::pair<const std::string*, File*>> unread;
    for (const std::string& path : paths) {
        auto [entry, added] = files_.try_emplace(path);
        File& file = entry->second;
        if (file.state != File::State::Unread) continue;
        file.state = File::State::ReadAhead;
        unread.emplace_back(&entry->first, &file);
    }
    if (!missing_ && !unread.empty()) {
        // The first project made reads the defaults' tables, which every other then shares:
        // made here, before the helpers start, its messages wait for their turn.
        cMessageCapture capture(context_.platform);
        missing_ = std::make_shared<cProjectDoc>(context_);
        firstProjectMessages_ = capture.Take();
    }
    // Reading the defaults for every member cost as much as reading its file: the members
    // are made from one project made again here, showing what that showed.
    ResetProject reset;
    if (unread.size() > 1) {
        cMessageCapture capture(context_.platform);
        reset.project = std::make_shared<cProjectDoc>(context_);
        reset.messages = capture.Take();
    }
    // Each job fills its own file's record: the map itself is left alone meanwhile.
    cHelperPool::Shared().Run(static_cast<std::int64_t>(unread.size()), helpers,
                              [&](std::int64_t index) {
                                  auto [path, file] = unread[static_cast<std::size_t>(index)];
                                  LoadIfPresent(*path, *file, reset);
                              });
    // Nothing need be kept of a file that is not there: its members share the missing one.
    for (const auto& [path, file] : unread) {
        if (!*file->exists) files_.erase(files_.find(*path));
    }
}

void cMemberProjectCache::ShowFirstProjectMessages() {
    cMessageCapture::ShowTo(context_.platform, std::exchange(firstProjectMessages_, {}));
}

std::shared_ptr<const cProjectDoc> cMemberProjectCache::Read(const std::string& path) {
    File& file = files_[path];
    if (file.state == File::State::HandedOut) return file.member->project;
    if (file.state == File::State::Unread) Load(path, file);
    // A member is read once and never saved: a system of hundreds of members need not keep
    // their files in memory.
    cProfileStore::Instance().Forget(path);
    if (file.failure) {
        file.state = File::State::Unread;
        std::rethrow_exception(std::exchange(file.failure, nullptr));
    }
    file.state = File::State::HandedOut;
    if (!file.member) {
        cMessageCapture::ShowTo(context_.platform, file.messages);
        file.member = MissingMember();
    } else {
        ShowFirstProjectMessages();
        cMessageCapture::ShowTo(context_.platform, file.messages);
    }
    file.messages = {};
    return file.member->project;
}

std::shared_ptr<const cProjectDoc> cMemberProjectCache::Missing() {
    ShowFirstProjectMessages();
    if (!missing_) missing_ = std::make_shared<cProjectDoc>(context_);
    return missing_;
}

}  // namespace korval
