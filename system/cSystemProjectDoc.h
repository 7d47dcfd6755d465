#pragma once

#include <memory>
#include <optional>
#include <string>

#include "framework/FileIdentity.h"
#include "project/cProjectDoc.h"
#include "system/MemberFigures.h"
#include "system/MemberProject.h"

namespace korval {

class cMemberProjectCache;

// One member project of a system: its entry in the system's list (the file as the system
// names it, its start offset) over the complete project read-only from that file. It is
// never saved and has no window; a missing file leaves it with reset data. Members opened
// together share the project of a file they list alike (see cMemberProjectCache).
class cSystemProjectDoc {
  public:
    // What the Projects dialog does with the member while it is open.
    enum class EditState { Kept, Removed, Added };

    explicit cSystemProjectDoc(cAppContext& context);
    virtual ~cSystemProjectDoc();
    cSystemProjectDoc(const cSystemProjectDoc&) = delete;
    cSystemProjectDoc& operator=(const cSystemProjectDoc&) = delete;

    // Remembers the path; false (data left as reset) when no file exists there.
    [[nodiscard]] bool LoadModel(const std::string& path);
    // The same, with the projects already read for the other members of a system; a
    // relative path is looked up beside the system file (see cMemberProjectCache).
    [[nodiscard]] bool LoadModel(const std::string& path, cMemberProjectCache& projects);

    const std::string& GetFileName() const { return fileName_; }
    // Where the file was looked for, and whether it is no longer as it was read (changed,
    // replaced, gone or come back).
    const std::string& GetResolvedPath() const { return resolvedPath_; }
    bool HasChangedOnDisk() const;
    double GetStartOffset() const { return startOffset_; }
    void SetStartOffset(double offset) { startOffset_ = offset; }
    bool IsFound() const { return found_; }
    EditState GetEditState() const { return editState_; }
    void SetEditState(EditState state) { editState_ = state; }

    // The project's description texts (empty before the member is loaded).
    const std::string& GetTitle() const;
    const std::string& GetPreparedBy() const;
    const std::string& GetDescription() const;
    // The member's project (shared with the members listing the same file); none before
    // the member is loaded.
    const cProjectDoc* GetProject() const { return read_ ? read_->project.get() : nullptr; }
    // The project's models; none before the member is loaded.
    const cFunctionPointDoc* GetFunctionPointModel() const;
    const cCocomoDoc* GetCocomoModel() const;
    const cRayleighDoc* GetRayleighModel() const;

    // Virtual so a test can stand in a member with known figures.
    virtual MemberFigures Figures() const;
    // What a project gives a system. A member's project never changes once read: its
    // figures are worked out when it is read and kept.
    static MemberFigures FiguresOf(const cProjectDoc& project);

  private:
    cAppContext& context_;
    std::shared_ptr<const MemberProject> read_;
    std::string fileName_;
    std::string resolvedPath_;
    std::optional<FileStamp> stamp_;
    double startOffset_ = 0;
    bool found_ = false;
    EditState editState_ = EditState::Kept;
};

}  // namespace korval
