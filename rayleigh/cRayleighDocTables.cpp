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
    return korval::LoadApplicationTypes(applicationTypes_, ProfilePath(path), Platform());
}

// Members of a system carry the application types of the defaults they were made from: a
// table read once is shared by every file that holds the section alike.
void cRayleighDoc::LoadFileApplicationTypes(const std::string& path) {
    static const std::vector<std::string_view> sections = {kApplicationTypesSection};
    static cSectionMemo<ApplicationTypeTable> memo;
    ApplicationTypeTable table = memo.Read(path, sections, nullptr, Platform(), [&] {
        return ReadApplicationTypeTable(path, Platform());
    });
    ApplyApplicationTypeTable(std::move(table), applicationTypes_, Platform());
}

bool cRayleighDoc::SaveApplicationTypes(const std::string& path) const {
    return korval::SaveApplicationTypes(applicationTypes_, ProfilePath(path));
}

void cRayleighDoc::ReadSelectedApplication(const std::string& path) {
    std::optional<int> index = ReadSelectedApplicationIndex(ProfilePath(path));
    if (index) SetSelectedApplication(*index);
}

}  // namespace korval
