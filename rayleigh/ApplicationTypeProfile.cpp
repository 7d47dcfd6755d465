#include "rayleigh/ApplicationTypeProfile.h"

#include <new>
#include <utility>

#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/ProfileKey.h"
#include "framework/TextUtil.h"
#include "framework/cPlatformServices.h"
#include "rayleigh/RayleighFormulas.h"

namespace korval {

namespace {

constexpr const char* kNameKey = "Application_Type_Name";
constexpr const char* kUserKey = "Application_Type_User";
constexpr const char* kProdKey = "Application_Type_Prod";
constexpr const char* kValKey = "Application_Type_Val";
constexpr const char* kSdKey = "Application_Type_SD";
// Written by calibration only; tables without it plan for the default buildup level.
constexpr const char* kMbiKey = "Application_Type_MBI";

// Buffer sizes, terminating NUL included: at most 50, 5, 2, 8 and 2 characters arrive.
constexpr std::size_t kNameBuffer = cApplicationType::kNameLimit + 1;
constexpr std::size_t kUserBuffer = 6;
constexpr std::size_t kProdBuffer = 3;
constexpr std::size_t kValBuffer = 9;
constexpr std::size_t kSdBuffer = 3;
constexpr std::size_t kSelectionBuffer = 20;

ProfileKey EntryKey(const char* stem, int number) {
    return ProfileKey(stem).Number(number);
}

std::string Read(std::string_view key, std::size_t buffer, const std::string& path) {
    return ReadProfileString(kApplicationTypesSection, key, "", buffer, path);
}

std::string KeyValueText(std::string_view prefix, std::string_view key, std::string_view separator,
                         const std::string& value) {
    return std::string(prefix) + CutToChars(key, 40) + std::string(separator) + value;
}

void ShowInvalidEntry(cPlatformServices& platform, std::string_view key, const std::string& value) {
    platform.ShowMessage(KeyValueText("Invalid entry:  ", key, " = ", value));
}

void ShowInvalidValue(cPlatformServices& platform, std::string_view key, const std::string& value) {
    platform.ShowMessage(KeyValueText("Invalid value:  ", key, " = ", value));
}

bool Store(cApplicationTypeList& list, const cApplicationType& entry, cPlatformServices& platform) {
    try {
        list.Append(entry);
        return true;
    } catch (const std::bad_alloc&) {
        platform.ShowMessage("Memory allocation error");
        return false;
    }
}

// One entry of the table; nothing (after telling the user) when it is invalid.
std::optional<cApplicationType> ReadEntry(int number, const std::string& name,
                                          const std::string& path, cPlatformServices& platform) {
    ProfileKey userKey = EntryKey(kUserKey, number);
    std::string user = Read(userKey, kUserBuffer, path);
    if (user != "TRUE" && user != "FALSE") {
        ShowInvalidEntry(platform, userKey, user);
        return std::nullopt;
    }
    ProfileKey prodKey = EntryKey(kProdKey, number);
    std::string prod = Read(prodKey, kProdBuffer, path);
    if (prod != "PI" && prod != "PM") {
        ShowInvalidEntry(platform, prodKey, prod);
        return std::nullopt;
    }
    ProfileKey valKey = EntryKey(kValKey, number);
    std::string val = Read(valKey, kValBuffer, path);
    double value = static_cast<double>(ParseLeadingInt(val));
    cProductivity productivity;
    if (prod == "PI") {
        productivity.FromIndex(value);
    } else {
        productivity.FromMeasure(value);
    }
    double index = RoundHalfAwayFromZero(productivity.Index());
    // A measure of 0 or below has no index at all; it counts as below the scale.
    if (productivity.Measure() <= 0.0 || !(index >= 0.0) || index > 40.0) {
        ShowInvalidValue(platform, valKey, val);
        return std::nullopt;
    }
    ProfileKey sdKey = EntryKey(kSdKey, number);
    std::string sd = Read(sdKey, kSdBuffer, path);
    int deviation = ParseLeadingInt(sd);
    if (deviation < 0 || deviation > cApplicationType::kMaxStandardDeviation) {
        ShowInvalidValue(platform, sdKey, sd);
        return std::nullopt;
    }
    cApplicationType entry(name, productivity, deviation, user == "TRUE");
    // A level off the scale is no level: the type plans for the default then.
    std::optional<int> level = TryParseLeadingInt(Read(EntryKey(kMbiKey, number), kSdBuffer, path));
    if (level && *level >= 0 && *level <= 6) entry.SetTypicalBuildupLevel(level);
    return entry;
}

cApplicationType BuiltInApplicationType() {
    cProductivity productivity;
    productivity.FromIndex(16.0);
    return cApplicationType("User specified system", productivity, 4, true);
}

}  // namespace

ApplicationTypeTable ReadApplicationTypeTable(const std::string& path,
                                              cPlatformServices& platform) {
    std::optional<cApplicationTypeList> entries;
    int complete = 0;
    for (int number = 0;;) {
        ProfileKey nameKey = EntryKey(kNameKey, number);
        std::string name = Read(nameKey, kNameBuffer, path);
        if (name.empty()) {
            complete = 1;
            break;
        }
        std::optional<cApplicationType> entry = ReadEntry(number, name, path, platform);
        if (!entry) break;
        if (!entries) entries.emplace();
        if (entries->FindApplicationType(name) >= 0) {
            platform.ShowMessage(
                KeyValueText("Duplicate application type name:  ", nameKey, " =", name));
            break;
        }
        if (!Store(*entries, *entry, platform)) break;
        number = entries->Count();
    }
    if (!entries) return {nullptr, complete};
    return {std::make_shared<const cApplicationTypeList>(std::move(*entries)), complete};
}

int ApplyApplicationTypeTable(const ApplicationTypeTable& table, cApplicationTypeList& list,
                              cPlatformServices& platform) {
    if (table.entries) {
        list = *table.entries;
    } else if (list.IsEmpty()) {
        Store(list, BuiltInApplicationType(), platform);
    }
    return table.complete;
}

int ApplyApplicationTypeTable(const ApplicationTypeTable& table,
                              std::shared_ptr<const cApplicationTypeList>& list,
                              cPlatformServices& platform) {
    if (table.entries) {
        list = table.entries;
    } else if (list->IsEmpty()) {
        cApplicationTypeList builtIn;
        Store(builtIn, BuiltInApplicationType(), platform);
        list = std::make_shared<const cApplicationTypeList>(std::move(builtIn));
    }
    return table.complete;
}

int LoadApplicationTypes(cApplicationTypeList& list, const std::string& path,
                         cPlatformServices& platform) {
    return ApplyApplicationTypeTable(ReadApplicationTypeTable(path, platform), list, platform);
}

bool SaveApplicationTypes(const cApplicationTypeList& list, const std::string& path) {
    int number = 0;
    auto write = [&](const char* stem, const std::string& text) {
        return WriteProfileString(kApplicationTypesSection, EntryKey(stem, number), text, path);
    };
    for (const cApplicationType& entry : list) {
        const cProductivity& productivity = entry.Productivity();
        bool measure = productivity.IsFromMeasure();
        // The value is stored the way it was given, never converted to the other form.
        int value = RoundToInt(measure ? productivity.Measure() : productivity.Index());
        if (!write(kNameKey, entry.Name()) || !write(kProdKey, measure ? "PM" : "PI") ||
            !write(kValKey, FormatNumber("%d", value)) ||
            !write(kSdKey, FormatNumber("%d", entry.StandardDeviation())) ||
            !write(kUserKey, entry.IsUserDefined() ? "TRUE" : "FALSE")) {
            return false;
        }
        if (entry.TypicalBuildupLevel() &&
            !write(kMbiKey, FormatNumber("%d", *entry.TypicalBuildupLevel()))) {
            return false;
        }
        ++number;
    }
    return true;
}

std::optional<int> ReadSelectedApplicationIndex(const std::string& path) {
    return TryParseLeadingInt(ReadProfileValue(kApplicationTypesSection, kSelectedApplicationKey,
                                               "-1", kSelectionBuffer, path));
}

bool WriteSelectedApplication(int index, const std::string& path) {
    return WriteProfileValue(kApplicationTypesSection, kSelectedApplicationKey,
                             FormatNumber("%02d", index), path);
}

}  // namespace korval
