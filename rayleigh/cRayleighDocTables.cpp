// The application type table of cRayleighDoc, read from and written to the defaults
// profile or a model file.
#include <optional>

#include "rayleigh/ApplicationTypeProfile.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

std::string cRayleighDoc::ProfilePath(const std::string& path) const {
    return path.empty() ? DefaultsProfile() : path;
}

int cRayleighDoc::LoadApplicationTypes(const std::string& path) {
    return korval::LoadApplicationTypes(applicationTypes_, ProfilePath(path), Platform());
}

bool cRayleighDoc::SaveApplicationTypes(const std::string& path) const {
    return korval::SaveApplicationTypes(applicationTypes_, ProfilePath(path));
}

void cRayleighDoc::ReadSelectedApplication(const std::string& path) {
    std::optional<int> index = ReadSelectedApplicationIndex(ProfilePath(path));
    if (index) SetSelectedApplication(*index);
}

}  // namespace korval
