#pragma once

#include <string>

#include "framework/ProfileKey.h"
#include "framework/cAppContext.h"
#include "functionpoint/cLanguage.h"
#include "functionpoint/cLanguageTable.h"

// The [Languages] section of a profile file (the defaults profile or a model file): the
// numbered language table and, in model files, the selected language.
namespace korval {

inline constexpr const char* kLanguagesSection = "Languages";
// A load stops at this many entries, "None" included.
inline constexpr int kLanguageLoadLimit = 100;

// "LanguageName00", "LanguageMult00", ...: table entry i (i >= 1) has number i - 1.
ProfileKey LanguageNameKey(int number);
ProfileKey LanguageMultKey(int number);

// Fills the table from a profile: "None" first, then the numbered entries up to the first
// empty name. A multiplier that is missing, not a number or not above 0 ends the load with
// "Invalid profile entry:  <key>"; the entries read so far stay. An empty path means the
// defaults profile, and the path is set to it. False when the load ended on a bad entry.
bool LoadLanguages(std::string& path, cLanguageTable& table, cAppContext& context);
// Writes entries 1 .. count - 1. False when a write failed.
[[nodiscard]] bool SaveLanguages(const std::string& path, const cLanguageTable& table);
// Empties the numbered keys from table index `count` on, so that a shorter table written
// over a longer one ends where it should: every index below `knownCount`, and beyond it
// every key the file still holds a name for. The name becomes empty, the multiplier "0".
[[nodiscard]] bool BlankSurplusLanguages(const std::string& path, int count, int knownCount = 0);

// The selected language of a model file. The multiplier stored in the file is used; a
// name that is not in the table gives "None" with multiplier 0.
void ReadSelectedLanguage(const std::string& path, const cLanguageTable& table,
                          cLanguage& selected);
[[nodiscard]] bool WriteSelectedLanguage(const std::string& path, const cLanguage& selected);

// "<first 25 characters of the name>  (<multiplier> SLOC/FP)", as reports and the reverse
// engineering calculator show a language.
std::string LanguageLabel(const cLanguage& language);

}  // namespace korval
