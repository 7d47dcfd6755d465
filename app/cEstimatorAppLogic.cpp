#include "app/cEstimatorAppLogic.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/FileIdentity.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cModelDoc.h"

namespace korval {

cEstimatorAppLogic::cEstimatorAppLogic(cPlatformServices& platform, std::string defaultsProfilePath,
                                       DocumentFactory createDocument)
    : context_{platform, std::move(defaultsProfilePath)},
      createDocument_(std::move(createDocument)) {}

std::string cEstimatorAppLogic::GetDefaultsProfilePath(
    const std::filesystem::path& executableFolder, const char* profileOverride) {
    if (profileOverride != nullptr && *profileOverride != '\0') return profileOverride;
    return (std::filesystem::path(ShippedDataFolder(executableFolder)) / "korval.ini").string();
}

std::string cEstimatorAppLogic::ShippedDataFolder(const std::filesystem::path& executableFolder) {
    std::filesystem::path beside = executableFolder.empty() ? "." : executableFolder;
    std::filesystem::path installed = (beside / ".." / "share" / "korval").lexically_normal();
    std::error_code error;
    if (!std::filesystem::exists(beside / "korval.ini", error) &&
        std::filesystem::exists(installed / "korval.ini", error)) {
        return installed.string();
    }
    std::string folder = beside.string();
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string cEstimatorAppLogic::ProfileProblem(const std::string& path) const {
    return profileCheck_ ? profileCheck_(path) : std::string();
}

void cEstimatorAppLogic::UseUserProfileUnlessNamed(const char* profileOverride) {
    if (profileOverride != nullptr && *profileOverride != '\0') return;
    std::string copyPath =
        cUserProfile::DefaultCopyPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (!copyPath.empty()) UseUserProfile(copyPath);
}

void cEstimatorAppLogic::UseUserProfile(const std::string& copyPath) {
    cUserProfile& profile = context_.userProfile.emplace(context_.defaultsProfilePath, copyPath);
    if (!profile.HasCopy() && !profile.CopyIsLink()) return;
    std::string problem = ProfileProblem(copyPath);
    if (problem.empty() && profile.CopyIsLink())
        problem = "it is a symbolic link, and Korval keeps its own files only in place";
    if (!problem.empty()) {
        profile.SetCopyProblem(problem);
        context_.platform.ShowMessage("Your defaults profile " + copyPath + " cannot be used: " +
                                      problem + ".\nKorval reads the installed defaults profile " +
                                      profile.ShippedPath() + " instead.");
        return;
    }
    if (!profile.BringUpToDate()) {
        context_.platform.ShowMessage("Your defaults in " + copyPath +
                                      " could not take the values of the newer " +
                                      profile.ShippedPath() + ":\n" + profile.LastError());
    }
    context_.defaultsProfilePath = copyPath;
}

bool cEstimatorAppLogic::KeepNamedProfileIfUsable(const std::string& shippedPath) {
    std::string problem = ProfileProblem(context_.defaultsProfilePath);
    if (problem.empty()) return true;
    context_.platform.ShowMessage(
        "The defaults profile " + context_.defaultsProfilePath + " cannot be used: " + problem +
        ".\nKorval reads the installed defaults profile " + shippedPath + " instead.");
    context_.defaultsProfilePath = shippedPath;
    return false;
}

bool cEstimatorAppLogic::ResetDefaultsProfile() {
    cPlatformServices& platform = context_.platform;
    if (!context_.userProfile ||
        (!context_.userProfile->HasCopy() && !context_.userProfile->CopyIsLink())) {
        platform.ShowMessage("Korval reads the defaults profile " + context_.defaultsProfilePath +
                             "; there is no copy of your own to remove.");
        return false;
    }
    cUserProfile& profile = *context_.userProfile;
    std::string question = "Remove your own defaults profile " + profile.CopyPath() +
                           "?\nYour changes to the defaults are lost; Korval reads the "
                           "installed " +
                           profile.ShippedPath() + " again.";
    if (platform.ShowMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes) return false;
    if (!profile.RemoveCopy()) {
        platform.ShowMessage(profile.CopyPath() + " could not be removed:\n" + profile.LastError());
        return false;
    }
    profile.SetCopyProblem({});
    context_.defaultsProfilePath = profile.ShippedPath();
    LoadExtensions();
    return true;
}

std::string cEstimatorAppLogic::WindowsDefaultsProfilePath(const std::string& programPath) {
    std::string path = ToUpperAscii(programPath);
    std::size_t exe = path.find(".EXE");
    if (exe != std::string::npos) path.replace(exe + 1, 3, "INI");
    return path;
}

std::string cEstimatorAppLogic::CommandLinePath(int argc, const char* const* argv) {
    std::string path;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) path += ' ';
        path += argv[i];
    }
    return path;
}

void cEstimatorAppLogic::LoadExtensions() {
    for (const cDocumentKind& kind : cDocumentKind::All()) {
        context_.extensions[static_cast<int>(kind.kind)] =
            ReadProfileString("Extensions", kind.extensionKey, kind.defaultExtension, 5,
                              context_.defaultsProfilePath);
    }
}

const std::string& cEstimatorAppLogic::Extension(DocumentKind kind) const {
    return context_.extensions[static_cast<int>(kind)];
}

std::string cEstimatorAppLogic::FilterText(DocumentKind kind) const {
    return cDocumentKind::Of(kind).FilterText(Extension(kind));
}

std::string cEstimatorAppLogic::OpenFilters() const {
    return cDocumentKind::OpenFilters(context_.extensions);
}

std::string cEstimatorAppLogic::SaveFilters(DocumentKind kind) const {
    return FilterText(kind) + "All Files (*.*)|*.*|";
}

std::string cEstimatorAppLogic::SaveDefaultExtension(DocumentKind kind) const {
    const std::string& extension = Extension(kind);
    return CutToChars(extension.empty() ? extension : extension.substr(1), 3);
}

std::unique_ptr<cModelDoc> cEstimatorAppLogic::NewDocument(DocumentKind kind) {
    std::unique_ptr<cModelDoc> document = createDocument_(kind, context_);
    int number = ++untitledCounters_[static_cast<int>(kind)];
    document->SetDocumentTitle(std::string(cDocumentKind::Of(kind).documentName) +
                               std::to_string(number));
    return document;
}

std::optional<DocumentKind> cEstimatorAppLogic::KindOfFile(const std::string& path) {
    return cDocumentKind::FromTypeName(ReadProfileString("KORVAL", "KORVAL_Type", "", 20, path));
}

std::unique_ptr<cModelDoc> cEstimatorAppLogic::OpenByKind(const std::string& path) {
    if (path.empty()) return nullptr;
    if (std::string problem = FileReadProblem(path); !problem.empty()) {
        context_.platform.ShowMessage(CannotOpenMessage(path, problem));
        return nullptr;
    }
    if (std::string problem = DocumentSizeProblem(path); !problem.empty()) {
        context_.platform.ShowMessage(problem);
        return nullptr;
    }
    std::optional<DocumentKind> kind = KindOfFile(path);
    if (!kind) {
        context_.platform.ShowMessage(NotKorvalFileMessage(path));
        return nullptr;
    }
    std::unique_ptr<cModelDoc> document = createDocument_(*kind, context_);
    document->SetPathName(path);
    if (!document->LoadModel(path)) {
        context_.platform.ShowMessage(CannotOpenMessage(path, "Cannot be read"));
        return nullptr;
    }
    document->UpdateAllViews();
    return document;
}

std::string cEstimatorAppLogic::CannotOpenMessage(const std::string& path,
                                                  const std::string& reason) {
    return "Cannot open " + path + ": " + reason + ".";
}

std::string cEstimatorAppLogic::NotKorvalFileMessage(const std::string& path) {
    return "This file is not recognized by KORVAL: " + path + " is not a Korval file.";
}

void cEstimatorAppLogic::CheckDefaultsProfile() {
    const std::string& path = context_.defaultsProfilePath;
    if (!context_.platform.FileExists(path)) {
        context_.platform.ShowMessage(path + " not found");
        return;
    }
    if (std::string problem = ProfileProblem(path); !problem.empty()) {
        context_.platform.ShowMessage("The defaults profile " + path +
                                      " cannot be used: " + problem +
                                      ".\nNew documents take no constants or tables "
                                      "from it.");
        return;
    }
    CheckFileVersion(path, context_.platform);
}

std::string cEstimatorAppLogic::AboutVersionText() const {
    return "Version " + GetProductVersion();
}

std::string cEstimatorAppLogic::AboutCopyrightText() const {
    return GetProductCopyright();
}

}  // namespace korval
