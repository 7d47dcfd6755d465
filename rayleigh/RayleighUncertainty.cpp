#include "rayleigh/RayleighUncertainty.h"

#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"

namespace korval {

namespace {
constexpr const char* kSection = kRayleighUncertaintySection;
}  // namespace

bool RayleighUncertainty::IsNone() const {
    return !size && !timeToDevelop && !productivityVaries && run == SimulationSettings{};
}

RayleighUncertainty ReadRayleighUncertainty(const std::string& path) {
    RayleighUncertainty uncertainty;
    uncertainty.run = ReadSimulationSettings(kSection, path);
    uncertainty.size = ReadThreePoint(kSection, "SLOC", path, kLargestFieldValue);
    uncertainty.timeToDevelop = ReadThreePoint(kSection, "TDEV", path, kLargestFieldValue);
    uncertainty.productivityVaries =
        EqualsNoCase(ReadProfileValue(kSection, "Productivity_Index", "", 20, path), "NORMAL");
    return uncertainty;
}

bool WriteRayleighUncertainty(const RayleighUncertainty& uncertainty, const std::string& path) {
    if (uncertainty.IsNone() && !HasSimulationSection(kSection, path)) return true;
    return WriteSimulationSettings(kSection, uncertainty.run, path) &&
           WriteThreePoint(kSection, "SLOC", uncertainty.size, path) &&
           WriteThreePoint(kSection, "TDEV", uncertainty.timeToDevelop, path) &&
           WriteOptionalValue(kSection, "Productivity_Index",
                              uncertainty.productivityVaries ? "NORMAL" : "", path);
}

}  // namespace korval
