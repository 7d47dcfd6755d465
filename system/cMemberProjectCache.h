#pragma once

#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/FileIdentity.h"
#include "framework/cMessageCapture.h"
#include "project/cProjectDoc.h"
#include "system/MemberProject.h"

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
    // Whether a file is there (the platform is asked once per file, on a helper thread when
    // the file was read ahead).
    bool Exists(const std::string& resolved);
    // Reads the files at paths that exist ahead, each once, on the calling thread and up to
    // `helpers` helper threads, while the caller holds the defaults profile in a scope. Nothing
    // is shown yet: Read hands each project out with the messages its reading gave, and Missing the
    // messages making the first project gave, so the user is told the same things in the same order
    // as when the members are read one after the other.
    void ReadAhead(const std::vector<std::string>& paths, unsigned helpers);
    // The project read from the file at path (which exists).
    std::shared_ptr<const cProjectDoc> Read(const std::string& path);
    // The stamp the file at path had just before Read read it.
    std::optional<FileStamp> StampOf(const std::string& path) const;
    // The project Read gives for path with its figures (worked out on the helper that read
    // the file ahead), and the same for the missing members' project.
    std::shared_ptr<const MemberProject> MemberOf(const std::string& path);
    std::shared_ptr<const MemberProject> MissingMember();
    // The project of a member whose file is missing: as reset.
    std::shared_ptr<const cProjectDoc> Missing();

  private:
    // What is known of one file: whether it is there, and once read its project (the
    // missing members' one when the file is too large to read), its stamp, its figures and
    // what reading it showed, until Read shows that.
    struct File {
        enum class State { Unread, ReadAhead, HandedOut };
        State state = State::Unread;
        std::optional<bool> exists;
        std::shared_ptr<const MemberProject> member;
        std::optional<FileStamp> stamp;
        std::vector<cMessageCapture::Message> messages;
        std::exception_ptr failure;
    };

    // A project as reset, made once for a batch of reads, and what making one again shows:
    // copying it gives the project the constructor gives while the defaults stay as they are.
    struct ResetProject {
        std::shared_ptr<const cProjectDoc> project;
        std::vector<cMessageCapture::Message> messages;
    };

    // Both safe on any thread while the defaults profile is held and its tables are read.
    void Load(const std::string& path, File& file, const ResetProject* reset = nullptr);
    void LoadIfPresent(const std::string& path, File& file, const ResetProject& reset);
    std::shared_ptr<cProjectDoc> MakeProject(cPlatformServices& shownTo,
                                             const ResetProject* reset) const;
    void ShowFirstProjectMessages();

    cAppContext& context_;
    std::filesystem::path baseFolder_;
    std::unordered_map<std::string, File> files_;
    std::shared_ptr<const cProjectDoc> missing_;
    std::shared_ptr<const MemberProject> missingMember_;
    // Made ahead, the missing members' project read the defaults' tables before any other
    // did: what that showed waits for the first member that makes a project.
    std::vector<cMessageCapture::Message> firstProjectMessages_;
};

}  // namespace korval
