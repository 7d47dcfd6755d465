#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "framework/cAppContext.h"
#include "framework/cDocumentKind.h"

namespace korval {

class cModelDoc;

// What the application object decides, without any window: where the defaults profile
// is, which extensions are in use, the file-dialog filters, opening a file as the kind
// written in it, new documents and the start-up check of the defaults profile.
class cEstimatorAppLogic {
  public:
    // Makes an empty document of a kind. Whoever composes the program supplies it (the
    // desktop, korval-cli and the tests pass CreateDocument), so this layer names no model.
    using DocumentFactory =
        std::function<std::unique_ptr<cModelDoc>(DocumentKind kind, cAppContext& context)>;

    cEstimatorAppLogic(cPlatformServices& platform, std::string defaultsProfilePath,
                       DocumentFactory createDocument);

    // Why a defaults profile cannot be used, empty when it can. The programs pass
    // DefaultsProfileProblem (this layer names no model); without a check every profile is
    // used as it is.
    using ProfileCheck = std::function<std::string(const std::string& path)>;
    void SetProfileCheck(ProfileCheck check) { profileCheck_ = std::move(check); }
    std::string ProfileProblem(const std::string& path) const;

    cAppContext& Context() { return context_; }
    const std::string& DefaultsProfilePath() const { return context_.defaultsProfilePath; }

    // korval.ini in the shipped data folder, unless KORVAL_PROFILE names another file.
    static std::string GetDefaultsProfilePath(const std::filesystem::path& executableFolder,
                                              const char* profileOverride);
    // Where the shipped files (defaults profile, help, tutorial) are: beside the executables
    // in a build folder, ../share/korval from them once installed.
    static std::string ShippedDataFolder(const std::filesystem::path& executableFolder);

    // Unless a profile was named (profileOverride is KORVAL_PROFILE), the user's own copy in
    // the configuration folder goes in front of the shipped profile.
    void UseUserProfileUnlessNamed(const char* profileOverride);
    // The copy at copyPath is read when it exists (first brought up to date with a newer
    // shipped profile) and made on the first change to the defaults. A copy that cannot be
    // used is not read: the user is told why, and the shipped profile is read instead.
    void UseUserProfile(const std::string& copyPath);
    // The desktop's start with a named profile (KORVAL_PROFILE, Options, Defaults Profile)
    // that cannot be used: the user is told why and the shipped profile at shippedPath is
    // read instead. False when it fell back. (korval-cli refuses such a profile instead.)
    bool KeepNamedProfileIfUsable(const std::string& shippedPath);
    // Options, Reset Defaults Profile: removes the user's copy after asking; true when removed.
    bool ResetDefaultsProfile();
    // The rule of the Windows program: the program path upper-cased with ".EXE" turned
    // into ".INI". Kept for reference; upper-casing would lose files on Linux.
    static std::string WindowsDefaultsProfilePath(const std::string& programPath);
    // The command line's arguments joined by single blanks: the one path to open.
    static std::string CommandLinePath(int argc, const char* const* argv);

    // [Extensions] of the defaults profile, at most 4 characters each.
    void LoadExtensions();
    const std::string& Extension(DocumentKind kind) const;
    std::string FilterText(DocumentKind kind) const;
    std::string OpenFilters() const;
    std::string SaveFilters(DocumentKind kind) const;
    std::string SaveDefaultExtension(DocumentKind kind) const;

    // A new untitled document of the kind ("Project1", "FP2", ...), not yet described.
    std::unique_ptr<cModelDoc> NewDocument(DocumentKind kind);
    // Opens the file as the kind named in its [KORVAL] section; null (after telling the
    // user) when the file is not a Korval file or cannot be read.
    std::unique_ptr<cModelDoc> OpenByKind(const std::string& path);
    // The kind written in a file, if it is one of the five.
    static std::optional<DocumentKind> KindOfFile(const std::string& path);
    // What the user is told when a file cannot be read ("File not found", ...) and when a
    // readable file is not Korval's.
    static std::string CannotOpenMessage(const std::string& path, const std::string& reason);
    static std::string NotKorvalFileMessage(const std::string& path);

    // Warns when the defaults profile is missing or of another version.
    void CheckDefaultsProfile();
    std::string AboutVersionText() const;
    std::string AboutCopyrightText() const;

  private:
    cAppContext context_;
    DocumentFactory createDocument_;
    ProfileCheck profileCheck_;
    std::array<int, 5> untitledCounters_{};
};

}  // namespace korval
