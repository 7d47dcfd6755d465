// The application type table of cRayleighDoc, read from and written to the defaults
// profile or a model file.
#include <optional>

#include "framework/cSectionMemo.h"
#include "rayleigh/ApplicationTypeProfile.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

std::string cRayleighDoc::ProfilePath(const std::string& path) const {
    return path.empty() ? DefaultsProfile() : path;
}

int cRayleighDoc::LoadApplicationTypes(const std::string& path) {
    cApplicationTypeList list = *applicationTypes_;
    int complete = korval::LoadApplicationTypes(list, ProfilePath(path), Platform());
    applicationTypes_ = std::make_shared<const cApplicationTypeList>(std::move(list));
    return complete;
}

// Members of a system carry the application types of the defaults they were made from: a
// table read once, with the selection kept in its section, is shared by every file that
// holds the section alike.
void cRayleighDoc::LoadFileApplicationTypes(const std::string& path) {
    struct TableAndSelection {
        ApplicationTypeTable table;
        std::optional<int> selection;
    };
    static const std::vector<std::string_view> sections = {kApplicationTypesSection};
    static cSectionMemo<TableAndSelection> memo;
    TableAndSelection read = memo.Read(path, sections, nullptr, Platform(), [&] {
        ApplicationTypeTable table = ReadApplicationTypeTable(path, Platform());
        return TableAndSelection{std::move(table), ReadSelectedApplicationIndex(path)};
    });
    ApplyApplicationTypeTable(read.table, applicationTypes_, Platform());
    if (read.selection) SetSelectedApplication(*read.selection);
}

bool cRayleighDoc::SaveApplicationTypes(const std::string& path) const {
    return korval::SaveApplicationTypes(*applicationTypes_, ProfilePath(path));
}

void cRayleighDoc::ReadSelectedApplication(const std::string& path) {
    std::optional<int> index = ReadSelectedApplicationIndex(ProfilePath(path));
    if (index) SetSelectedApplication(*index);
}

}  // namespace korval
