#include "documents/DefaultsProfileCheck.h"

#include <optional>

#include "cocomo/CocomoTables.h"
#include "framework/NumberText.h"
#include "framework/cIniFile.h"
#include "framework/cProfileStore.h"
#include "framework/cReadOnlyFile.h"
#include "functionpoint/LanguageProfile.h"
#include "rayleigh/ApplicationTypeProfile.h"

namespace korval {

namespace {

std::string MissingSection(std::string_view section) {
    return "it is not a Korval defaults profile (it has no [" + std::string(section) + "] section)";
}

std::string ModeConstantsProblem(const cIniFile& profile) {
    for (DevelopmentMode mode : kDevelopmentModes) {
        ProfileKey key = ModeConstantKeys(mode)[0];
        std::optional<std::string_view> text = profile.Find(kModeConstantsSection, key);
        std::optional<double> value = text ? TryParseLeadingDouble(*text) : std::nullopt;
        if (!value || !(*value > 0)) {
            return "its COCOMO constant [" + std::string(kModeConstantsSection) + "] " +
                   std::string(key.View()) + " is not a number above 0";
        }
    }
    return {};
}

}  // namespace

std::string DefaultsProfileProblem(const std::string& path) {
    cReadOnlyFile file(path);
    if (!file.Problem().empty()) return file.Problem();
    std::string bytes;
    if (file.Stamp()->size > cProfileStore::kDocumentSizeLimit || !file.ReadAll(bytes))
        return "it is too large to be a defaults profile";
    cIniFile profile = cIniFile::Parse(std::move(bytes));
    if (profile.SectionNames().empty()) return "it is empty";
    for (std::string_view section : {kModeConstantsSection, std::string_view(kLanguagesSection),
                                     std::string_view(kApplicationTypesSection)}) {
        if (!profile.HasSection(section)) return MissingSection(section);
    }
    for (const CostDriverGroup& group : CostDriverGroups()) {
        if (group.section != "UserDef_CDA_Group" && !profile.HasSection(group.section))
            return MissingSection(group.section);
    }
    return ModeConstantsProblem(profile);
}

}  // namespace korval
