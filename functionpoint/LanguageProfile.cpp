#include "functionpoint/LanguageProfile.h"

#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cMessageCapture.h"
#include "framework/cProfileFileScope.h"

namespace korval {

namespace {

// Names and multipliers are read with as many characters as the language dialog lets
// the user type (50 and four digits, one more of each than older files were read with),
// so that every language written comes back unchanged.
constexpr std::size_t kNameBuffer = 51;
constexpr std::size_t kMultiplierBuffer = 5;

}  // namespace

ProfileKey LanguageNameKey(int number) {
    return ProfileKey("LanguageName").Number(number);
}

ProfileKey LanguageMultKey(int number) {
    return ProfileKey("LanguageMult").Number(number);
}

bool LoadLanguages(std::string& path, cLanguageTable& table, cAppContext& context) {
    if (path.empty()) path = context.defaultsProfilePath;
    cProfileFileScope scope(path);
    table.ResetToNone();
    while (table.Count() < kLanguageLoadLimit) {
        int number = table.Count() - 1;
        std::string name =
            ReadProfileString(kLanguagesSection, LanguageNameKey(number), "", kNameBuffer, path);
        if (name.empty()) return true;
        ProfileKey multiplierKey = LanguageMultKey(number);
        int multiplier = ParseLeadingInt(
            ReadProfileString(kLanguagesSection, multiplierKey, "", kMultiplierBuffer, path));
        if (multiplier <= 0) {
            cMessageCapture::Route(context.platform)
                .ShowMessage("Invalid profile entry:  " + CutToChars(multiplierKey, 40));
            return false;
        }
        if (!table.AddLanguage(name, multiplier)) {
            cMessageCapture::Route(context.platform).ShowMessage("Memory allocation error");
            return false;
        }
    }
    return true;
}

bool SaveLanguages(const std::string& path, const cLanguageTable& table) {
    for (int i = 1; i < table.Count(); ++i) {
        const cLanguage& entry = table.At(i);
        if (!WriteProfileString(kLanguagesSection, LanguageNameKey(i - 1), entry.GetName(), path) ||
            !WriteProfileString(kLanguagesSection, LanguageMultKey(i - 1),
                                FormatNumber("%d", entry.GetMultiplier()), path)) {
            return false;
        }
    }
    return true;
}

bool BlankSurplusLanguages(const std::string& path, int count, int knownCount) {
    cProfileFileScope scope(path);
    for (int index = count < 1 ? 1 : count;; ++index) {
        ProfileKey nameKey = LanguageNameKey(index - 1);
        bool present =
            !ReadProfileString(kLanguagesSection, nameKey, "", kNameBuffer, path).empty();
        if (index >= knownCount && !present) break;
        if (!WriteProfileString(kLanguagesSection, nameKey, "", path) ||
            !WriteProfileString(kLanguagesSection, LanguageMultKey(index - 1), "0", path)) {
            return false;
        }
    }
    return scope.Commit();
}

void ReadSelectedLanguage(const std::string& path, const cLanguageTable& table,
                          cLanguage& selected) {
    selected.SetName(
        ReadProfileValue(kLanguagesSection, "Selected_Language", "", kNameBuffer, path));
    selected.SetMultiplier(ParseLeadingInt(ReadProfileValue(
        kLanguagesSection, "Selected_Language_Mult", "0", kMultiplierBuffer, path)));
    if (table.FindLanguage(selected.GetName()) < 0) selected = cLanguage();
}

bool WriteSelectedLanguage(const std::string& path, const cLanguage& selected) {
    return WriteProfileString(kLanguagesSection, "Selected_Language", selected.GetName(), path) &&
           WriteProfileString(kLanguagesSection, "Selected_Language_Mult",
                              FormatNumber("%d", selected.GetMultiplier()), path);
}

std::string LanguageLabel(const cLanguage& language) {
    return CutToChars(language.GetName(), 25) +
           FormatNumber("  (%d SLOC/FP)", language.GetMultiplier());
}

}  // namespace korval
