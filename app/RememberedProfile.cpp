#include "app/RememberedProfile.h"

#include "framework/cPlatformServices.h"

namespace korval {

namespace {

constexpr const char* kProfileFilters = "Defaults profiles (*.ini)|*.ini|All files (*.*)|*.*|";

}  // namespace

std::string NamedStartupProfile(const char* profileVariable, cPlatformServices& platform) {
    if (profileVariable != nullptr && *profileVariable != '\0') return profileVariable;
    std::string remembered = platform.ReadSetting(kProfileSettingSection, kProfileSettingKey, "");
    if (remembered.empty() || platform.FileExists(remembered)) return remembered;
    RememberProfile(platform, "");
    platform.ShowMessage("The defaults profile " + remembered +
                         " chosen in Options, Defaults Profile is no longer there; Korval uses "
                         "the installed defaults profile again.");
    return {};
}

void RememberProfile(cPlatformServices& platform, const std::string& path) {
    platform.WriteSetting(kProfileSettingSection, kProfileSettingKey, path);
}

bool ChooseRememberedProfile(cPlatformServices& platform) {
    std::string current = platform.ReadSetting(kProfileSettingSection, kProfileSettingKey, "");
    std::string path = platform.PromptOpenFileNameTitled(
        "Defaults Profile", current.empty() ? "*.ini" : current, kProfileFilters, "ini");
    if (!path.empty()) {
        RememberProfile(platform, path);
        platform.ShowMessage("Korval uses the defaults profile " + path + " from its next start.");
        return path != current;
    }
    if (current.empty()) return false;
    MessageAnswer answer = platform.ShowMessage(
        "Korval uses the defaults profile " + current +
            ".\nGo back to the installed defaults profile from the next start?",
        MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) return false;
    RememberProfile(platform, "");
    return true;
}

}  // namespace korval
