#include "calibration/CalibrationBaseline.h"

#include "cocomo/cCocomoDoc.h"
#include "framework/TextUtil.h"
#include "functionpoint/LanguageProfile.h"
#include "rayleigh/ApplicationTypeProfile.h"
#include "rayleigh/cRayleighDoc.h"

namespace korval {

namespace {

// "RELY Required Software Reliability" is the column "rely".
std::string DriverColumn(const std::string& name) {
    return ToLowerAscii(name.substr(0, name.find(' ')));
}

}  // namespace

CalibrationBaseline ReadCalibrationBaseline(cAppContext& context) {
    CalibrationBaseline baseline;
    baseline.profilePath = context.defaultsProfilePath;
    cCocomoDoc cocomo(context);
    for (DevelopmentMode mode : kDevelopmentModes) {
        baseline.modes[static_cast<std::size_t>(ModeIndex(mode))] = cocomo.GetModeConstants(mode);
    }
    for (const cCostDriverAttribute& driver : cocomo.GetCostDrivers()) {
        CostDriverColumn column;
        column.column = DriverColumn(driver.GetName());
        for (int rating = 0; rating < kRatingCount; ++rating) {
            column.multipliers[static_cast<std::size_t>(rating)] = driver.GetMultiplier(rating);
        }
        baseline.vocabulary.drivers.push_back(std::move(column));
    }
    std::string path = context.defaultsProfilePath;
    (void)LoadLanguages(path, baseline.languages, context);
    for (const cLanguage& language : baseline.languages.Entries()) {
        if (!IsNoneLanguageName(language.GetName()))
            baseline.vocabulary.languages.push_back(language.GetName());
    }
    LoadApplicationTypes(baseline.applicationTypes, context.defaultsProfilePath, context.platform);
    for (const cApplicationType& type : baseline.applicationTypes) {
        baseline.vocabulary.applicationTypes.push_back(type.Name());
    }
    baseline.buildPercentage = cRayleighDoc::kDefaultBuildPhasePercentage;
    return baseline;
}

}  // namespace korval
