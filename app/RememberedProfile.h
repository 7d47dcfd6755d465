#pragma once

#include <string>

namespace korval {

class cPlatformServices;

// The defaults profile the user chose in Options, Defaults Profile, kept in the settings
// store and used from the next start. KORVAL_PROFILE still comes first; without either
// the shipped profile is used with the user's own copy in front of it.
inline constexpr const char* kProfileSettingSection = "Options";
inline constexpr const char* kProfileSettingKey = "DefaultsProfile";

// The profile a start names: the variable's value when set, else the remembered profile
// when its file is still there. Empty: none is named. A remembered profile that is gone
// is forgotten, and the user told.
std::string NamedStartupProfile(const char* profileVariable, cPlatformServices& platform);

// Options, Defaults Profile: the user picks a profile file to use from the next start, or,
// cancelling the file dialog, may go back to the shipped profile. True when the setting
// changed.
bool ChooseRememberedProfile(cPlatformServices& platform);

// Remembers the profile for the next start (an empty path forgets it).
void RememberProfile(cPlatformServices& platform, const std::string& path);

}  // namespace korval
