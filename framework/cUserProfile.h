#pragma once

#include <string>

namespace korval {

// The user's own copy of the defaults profile. An installed defaults profile is read-only,
// so changes to the defaults go to a copy in the user's configuration folder, made from the
// shipped profile on the first change and read instead of it from then on. Beside the copy
// lies the shipped profile it was made from (its base): it tells the keys the user changed
// from those they never touched, so that a newer shipped profile can bring its values to
// the untouched ones without losing the user's tables.
class cUserProfile {
  public:
    cUserProfile(std::string shippedPath, std::string copyPath);

    // $XDG_CONFIG_HOME/korval/korval.ini, else ~/.config/korval/korval.ini; empty when
    // neither variable gives an absolute folder.
    static std::string DefaultCopyPath(const char* configHome, const char* home);

    const std::string& ShippedPath() const { return shippedPath_; }
    const std::string& CopyPath() const { return copyPath_; }
    std::string BasePath() const { return copyPath_ + ".shipped"; }
    bool HasCopy() const;
    // The copy's place holds a symbolic link: Korval never writes its own files through one.
    bool CopyIsLink() const;
    // Why the copy cannot be used (set by whoever checked it); empty when it can.
    const std::string& CopyProblem() const { return copyProblem_; }
    void SetCopyProblem(std::string problem) { copyProblem_ = std::move(problem); }
    // The copy when it exists, else the shipped profile.
    std::string ReadPath() const { return HasCopy() ? copyPath_ : shippedPath_; }

    // Makes the copy (and its base) from the shipped profile unless it exists; each file
    // is written atomically, the copy last. False (with LastError) when it could not be made.
    bool MakeCopy();
    // When the shipped profile's version is newer than the copy's, every key the user never
    // changed takes the shipped value (new keys arrive, keys the shipped profile dropped
    // go) and the base becomes the shipped profile. False (with LastError) when the copy
    // could not be written; it is then read as it is.
    bool BringUpToDate();
    // Removes the copy and its base: the shipped profile is read again.
    bool RemoveCopy();

    const std::string& LastError() const { return lastError_; }

  private:
    std::string shippedPath_;
    std::string copyPath_;
    std::string lastError_;
    std::string copyProblem_;
};

// -1, 0 or 1 as version a ("4.1") is older than, the same as or newer than version b,
// comparing the dotted numbers one by one ("4.10" is newer than "4.9").
int CompareVersions(const std::string& a, const std::string& b);

}  // namespace korval
