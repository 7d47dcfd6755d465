#include "framework/cUserProfile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "framework/cIniFile.h"
#include "framework/cProfileStore.h"
#include "framework/cReadOnlyFile.h"

namespace korval {

namespace {

constexpr const char* kVersionSection = "KORVAL";
constexpr const char* kVersionKey = "Version";

std::optional<std::string> ReadText(const std::string& path) {
    return ReadRegularFile(path, cProfileStore::kDocumentSizeLimit);
}

std::string VersionOf(const cIniFile& profile) {
    return std::string(profile.Find(kVersionSection, kVersionKey).value_or(""));
}

bool SameValue(std::optional<std::string_view> a, std::optional<std::string_view> b) {
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

// The user changed a key when the copy's value differs from the base's (a key the copy
// lacks while the base has it was removed by the user; one both lack is untouched).
void TakeUntouchedKeys(cIniFile& copy, const cIniFile& base, const cIniFile& shipped) {
    for (const std::string& section : shipped.SectionNames()) {
        for (const std::string& key : shipped.KeyNames(section)) {
            if (SameValue(copy.Find(section, key), base.Find(section, key)))
                copy.Set(section, key, *shipped.Find(section, key));
        }
    }
    for (const std::string& section : base.SectionNames()) {
        for (const std::string& key : base.KeyNames(section)) {
            if (!shipped.Find(section, key) &&
                SameValue(copy.Find(section, key), base.Find(section, key)))
                copy.Erase(section, key);
        }
    }
    copy.Set(kVersionSection, kVersionKey, VersionOf(shipped));
}

}  // namespace

int CompareVersions(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() || j < b.size()) {
        int left = ParseLeadingInt(std::string_view(a).substr(std::min(i, a.size())));
        int right = ParseLeadingInt(std::string_view(b).substr(std::min(j, b.size())));
        if (left != right) return left < right ? -1 : 1;
        i = a.find('.', i);
        j = b.find('.', j);
        i = i == std::string::npos ? a.size() : i + 1;
        j = j == std::string::npos ? b.size() : j + 1;
    }
    return 0;
}

cUserProfile::cUserProfile(std::string shippedPath, std::string copyPath)
    : shippedPath_(std::move(shippedPath)), copyPath_(std::move(copyPath)) {}

std::string cUserProfile::DefaultCopyPath(const char* configHome, const char* home) {
    std::string folder;
    if (configHome != nullptr && configHome[0] == '/') {
        folder = configHome;
    } else if (home != nullptr && home[0] == '/') {
        folder = std::string(home) + "/.config";
    } else {
        return {};
    }
    if (folder.back() != '/') folder += '/';
    return folder + "korval/korval.ini";
}

bool cUserProfile::HasCopy() const {
    std::error_code error;
    return std::filesystem::is_regular_file(copyPath_, error);
}

bool cUserProfile::CopyIsLink() const {
    std::error_code error;
    return std::filesystem::is_symlink(copyPath_, error) ||
           std::filesystem::is_symlink(BasePath(), error);
}

bool cUserProfile::MakeCopy() {
    if (HasCopy()) return true;
    std::optional<std::string> shipped = ReadText(shippedPath_);
    if (!shipped) {
        lastError_ = shippedPath_ + ": " + std::strerror(errno);
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(FolderOf(copyPath_), error);
    if (error) {
        lastError_ = error.message();
        return false;
    }
    cProfileStore& store = cProfileStore::Instance();
    if (!store.ReplaceWhole(BasePath(), *shipped) || !store.ReplaceWhole(copyPath_, *shipped)) {
        lastError_ = store.LastError();
        return false;
    }
    return true;
}

// The copy is written before the base: should the base not follow, the copy is up to date
// and only the next update may keep a value the user never changed.
bool cUserProfile::BringUpToDate() {
    std::optional<std::string> copyText = ReadText(copyPath_);
    std::optional<std::string> shippedText = ReadText(shippedPath_);
    if (!copyText || !shippedText) return true;
    cIniFile copy = cIniFile::Parse(*copyText);
    cIniFile shipped = cIniFile::Parse(*shippedText);
    if (CompareVersions(VersionOf(shipped), VersionOf(copy)) <= 0) return true;
    cIniFile base = cIniFile::Parse(ReadText(BasePath()).value_or(""));
    TakeUntouchedKeys(copy, base, shipped);
    cProfileStore& store = cProfileStore::Instance();
    if (!store.ReplaceWhole(copyPath_, copy.Serialize()) ||
        !store.ReplaceWhole(BasePath(), *shippedText)) {
        lastError_ = store.LastError();
        return false;
    }
    return true;
}

bool cUserProfile::RemoveCopy() {
    std::error_code error;
    std::filesystem::remove(copyPath_, error);
    if (!error) std::filesystem::remove(BasePath(), error);
    if (error) {
        lastError_ = error.message();
        return false;
    }
    cProfileStore::Instance().Forget(copyPath_);
    return true;
}

}  // namespace korval
