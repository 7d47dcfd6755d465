#pragma once

#include <filesystem>
#include <string>
#include <utility>

#include "project/cProjectDoc.h"
#include "system/MemberFigures.h"

namespace korval {

// One member project of a system: a complete project loaded read-only from its own file.
// It is never saved and has no window; a missing file leaves it with reset data.
class cSystemProjectDoc : public cProjectDoc {
  public:
    // What the Projects dialog does with the member while it is open.
    enum class EditState { Kept, Removed, Added };

    explicit cSystemProjectDoc(cAppContext& context);

    // Remembers the path; false (data left as reset) when no file exists there. A relative
    // path is looked up beside the system file, so a system and its projects can move together.
    [[nodiscard]] bool LoadModel(const std::string& path) override;
    void SetBaseFolder(std::filesystem::path folder) { baseFolder_ = std::move(folder); }

    const std::string& GetFileName() const { return fileName_; }
    double GetStartOffset() const { return startOffset_; }
    void SetStartOffset(double offset) { startOffset_ = offset; }
    bool IsFound() const { return found_; }
    EditState GetEditState() const { return editState_; }
    void SetEditState(EditState state) { editState_ = state; }

    // Virtual so a test can stand in a member with known figures.
    virtual MemberFigures Figures() const;

  private:
    std::string fileName_;
    std::filesystem::path baseFolder_;
    double startOffset_ = 0;
    bool found_ = false;
    EditState editState_ = EditState::Kept;
};

}  // namespace korval
