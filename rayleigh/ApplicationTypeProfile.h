#pragma once

#include <memory>
#include <optional>
#include <string>

#include "rayleigh/cApplicationTypeList.h"

// The [Application_Types] table of a profile file: the defaults profile gives new
// documents their list, and every Rayleigh model file carries its own copy.
namespace korval {

class cPlatformServices;

inline constexpr const char* kApplicationTypesSection = "Application_Types";
inline constexpr const char* kSelectedApplicationKey = "Selected_application";

// Reads the table into the list. The list is replaced only once a valid entry has been
// read; an invalid entry is reported and ends the reading, keeping the entries before it.
// An empty list that gains nothing gets the built-in "User specified system". Returns 1
// when the table ended at its first empty name, 0 when reading stopped early.
int LoadApplicationTypes(cApplicationTypeList& list, const std::string& path,
                         cPlatformServices& platform);
// The same in two steps: what the table holds (the entries once a valid one was read, the
// user told of the entry that ended the reading), whatever list it goes into, and then the
// list it makes of a document's list.
struct ApplicationTypeTable {
    std::shared_ptr<const cApplicationTypeList> entries;
    int complete = 0;  // what LoadApplicationTypes returns
};
ApplicationTypeTable ReadApplicationTypeTable(const std::string& path, cPlatformServices& platform);
int ApplyApplicationTypeTable(const ApplicationTypeTable& table, cApplicationTypeList& list,
                              cPlatformServices& platform);
// The same for a list shared between documents: it takes the table's own entries.
int ApplyApplicationTypeTable(const ApplicationTypeTable& table,
                              std::shared_ptr<const cApplicationTypeList>& list,
                              cPlatformServices& platform);
// Writes every entry (name, PI or PM as given, value, deviation, user flag); false when a
// write failed.
[[nodiscard]] bool SaveApplicationTypes(const cApplicationTypeList& list, const std::string& path);

// The stored selection index, if the key holds a number.
std::optional<int> ReadSelectedApplicationIndex(const std::string& path);
[[nodiscard]] bool WriteSelectedApplication(int index, const std::string& path);

}  // namespace korval
