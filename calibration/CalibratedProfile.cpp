#include "calibration/CalibratedProfile.h"

#include <algorithm>
#include <filesystem>

#include "framework/FileReplacement.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/cIniFile.h"
#include "framework/cProfileStore.h"
#include "framework/cReadOnlyFile.h"
#include "functionpoint/LanguageProfile.h"
#include "rayleigh/ApplicationTypeProfile.h"

namespace korval {

namespace {

constexpr const char* kCalibrationSection = "Calibration";
// Sizes spanning less than this factor give an exponent that holds for them alone.
constexpr double kWideSizeRange = 30.0;

std::string ModeItemLabel(const CocomoModeFit& fit) {
    return ModeFitLabel(fit) + FormatNumber(": a = %.3f, b = %.3f (profile: %g, %g)",
                                            fit.calibrated.a, fit.calibrated.b, fit.current.a,
                                            fit.current.b);
}

std::string TypeItemLabel(const ApplicationTypeFit& fit) {
    std::string was = fit.currentIndex ? FormatNumber(" (profile: PI %.0f, deviation %d)",
                                                      *fit.currentIndex, fit.currentDeviation)
                                       : std::string(" (new in the profile)");
    return fit.name +
           FormatNumber(": PI %.1f (PM %d), deviation %d", *fit.fittedIndex, *fit.fittedMeasure,
                        *fit.fittedDeviation) +
           (fit.fittedBuildupLevel ? FormatNumber(", buildup level %d", *fit.fittedBuildupLevel)
                                   : std::string()) +
           was;
}

std::string LanguageItemLabel(const LanguageFit& fit) {
    std::string was = fit.current ? FormatNumber(" (profile: %d)", *fit.current)
                                  : std::string(" (new in the profile)");
    return fit.name + FormatNumber(": %d SLOC per function point", *fit.fitted) + was;
}

// Where a name stands in a numbered table: its entry, or the first free number for a new
// one (-1 when the table is full).
struct TableEntry {
    int number = -1;
    bool exists = false;
};

TableEntry FindEntry(const cIniFile& ini, std::string_view section, std::string_view nameStem,
                     const std::string& name) {
    for (int number = 0; number < 100; ++number) {
        std::optional<std::string_view> entry = ini.Find(section, IndexedKey(nameStem, number));
        if (!entry || entry->empty()) return {number, false};
        if (*entry == name) return {number, true};
    }
    return {};
}

void ApplyMode(cIniFile& ini, const CocomoModeFit& fit) {
    std::vector<DevelopmentMode> modes;
    if (fit.mode) {
        modes.push_back(*fit.mode);
    } else {
        modes.assign(kDevelopmentModes.begin(), kDevelopmentModes.end());
    }
    for (DevelopmentMode mode : modes) {
        std::array<ProfileKey, 4> keys = ModeConstantKeys(mode);
        ini.Set(kModeConstantsSection, keys[0], ModeConstantText(fit.calibrated.a).value_or("0"));
        // b only when it was fitted, or when one equation stands for every mode.
        if (fit.bTogether || !fit.mode)
            ini.Set(kModeConstantsSection, keys[1],
                    ModeConstantText(fit.calibrated.b).value_or("0"));
    }
}

bool ApplyType(cIniFile& ini, const ApplicationTypeFit& fit) {
    TableEntry entry = FindEntry(ini, kApplicationTypesSection, "Application_Type_Name", fit.name);
    int number = entry.number;
    if (number < 0) return false;
    auto set = [&](const char* stem, const std::string& value) {
        ini.Set(kApplicationTypesSection, IndexedKey(stem, number), value);
    };
    if (!entry.exists) {
        set("Application_Type_Name", fit.name);
        set("Application_Type_User", "TRUE");
    }
    set("Application_Type_Prod", "PM");
    set("Application_Type_Val", FormatNumber("%d", *fit.fittedMeasure));
    set("Application_Type_SD", FormatNumber("%d", *fit.fittedDeviation));
    if (fit.fittedBuildupLevel)
        set("Application_Type_MBI", FormatNumber("%d", *fit.fittedBuildupLevel));
    return true;
}

bool ApplyLanguage(cIniFile& ini, const LanguageFit& fit) {
    TableEntry entry = FindEntry(ini, kLanguagesSection, "LanguageName", fit.name);
    int number = entry.number;
    if (number < 0 || number + 1 >= kLanguageLoadLimit) return false;
    if (!entry.exists) ini.Set(kLanguagesSection, LanguageNameKey(number), fit.name);
    ini.Set(kLanguagesSection, LanguageMultKey(number), FormatNumber("%d", *fit.fitted));
    return true;
}

template <class Belongs>
std::vector<EstimatePoint> PointsOf(const std::vector<EstimatePoint>& all, Belongs belongs) {
    std::vector<EstimatePoint> points;
    for (const EstimatePoint& point : all)
        if (belongs(point.project)) points.push_back(point);
    return points;
}

// A fitted value is taken only where it estimates its own projects better than the profile
// does, each project estimated by a fit made without it (leave-one-out): a fit that only
// describes the projects it came from is no better estimate of the next one.
CalibrationItem Gated(CalibrationItem item, const std::vector<EstimatePoint>& points) {
    if (points.size() < 2) return item;
    ModelAccuracy accuracy = AccuracyOf(points);
    if (accuracy.leaveOneOut.mmre < accuracy.current.mmre) return item;
    item.applied = false;
    item.label += FormatNumber(
        " - the profile's value is kept: leave-one-out MMRE %.0f %% is no better than its %.0f %%",
        100 * accuracy.leaveOneOut.mmre, 100 * accuracy.current.mmre);
    return item;
}

// An exponent fitted from sizes within a narrow range says little beyond it.
std::string NarrowSizeNote(const CocomoModeFit& fit, const std::vector<EstimatePoint>& points,
                           const std::vector<HistoryProject>& projects) {
    if (!fit.bTogether || points.empty()) return {};
    double smallest = projects[points.front().project].sloc;
    double largest = smallest;
    for (const EstimatePoint& point : points) {
        smallest = std::min(smallest, projects[point.project].sloc);
        largest = std::max(largest, projects[point.project].sloc);
    }
    if (!(smallest > 0) || largest / smallest >= kWideSizeRange) return {};
    return FormatNumber(" - b comes from %.0f to %.0f KSLOC only and holds for that range",
                        smallest / 1000, largest / 1000);
}

}  // namespace

std::vector<CalibrationItem> CalibrationItems(const Calibration& calibration) {
    std::vector<CalibrationItem> items;
    const std::vector<HistoryProject>& projects = calibration.history.projects;
    for (std::size_t i = 0; i < calibration.cocomo.modes.size(); ++i) {
        const CocomoModeFit& fit = calibration.cocomo.modes[i];
        if (!fit.HasFit()) continue;
        std::vector<EstimatePoint> points = PointsOf(calibration.cocomo.points, [&](std::size_t p) {
            return !fit.mode || projects[p].mode == fit.mode;
        });
        CalibrationItem item{CalibrationItem::Kind::ModeConstants, i,
                             ModeItemLabel(fit) + NarrowSizeNote(fit, points, projects), true};
        items.push_back(Gated(std::move(item), points));
    }
    for (std::size_t i = 0; i < calibration.putnam.types.size(); ++i) {
        const ApplicationTypeFit& fit = calibration.putnam.types[i];
        if (!fit.fittedIndex) continue;
        std::vector<EstimatePoint> points = PointsOf(calibration.putnam.points, [&](std::size_t p) {
            return projects[p].applicationType == fit.name;
        });
        items.push_back(
            Gated({CalibrationItem::Kind::ApplicationType, i, TypeItemLabel(fit), true}, points));
    }
    for (std::size_t i = 0; i < calibration.functionPoints.languages.size(); ++i) {
        const LanguageFit& fit = calibration.functionPoints.languages[i];
        if (fit.fitted)
            items.push_back({CalibrationItem::Kind::Language, i, LanguageItemLabel(fit), true});
    }
    return items;
}

ProfileWriteOutcome WriteCalibratedProfile(const Calibration& calibration,
                                           const std::vector<CalibrationItem>& items,
                                           const std::string& outputPath) {
    std::error_code error;
    if (std::filesystem::equivalent(outputPath, calibration.profilePath, error)) {
        return {false,
                outputPath + " is the profile in use; the calibrated profile goes to a new file"};
    }
    std::optional<std::string> content =
        ReadRegularFile(calibration.profilePath, cProfileStore::kDocumentSizeLimit);
    if (!content) return {false, calibration.profilePath + " cannot be read"};
    cIniFile ini = cIniFile::Parse(std::move(*content));
    std::size_t applied = 0;
    for (const CalibrationItem& item : items) {
        if (!item.applied) continue;
        bool done = true;
        switch (item.kind) {
            case CalibrationItem::Kind::ModeConstants:
                ApplyMode(ini, calibration.cocomo.modes.at(item.fit));
                break;
            case CalibrationItem::Kind::ApplicationType:
                done = ApplyType(ini, calibration.putnam.types.at(item.fit));
                break;
            case CalibrationItem::Kind::Language:
                done = ApplyLanguage(ini, calibration.functionPoints.languages.at(item.fit));
                break;
        }
        if (!done) return {false, "the profile's table has no room for " + item.label};
        ++applied;
    }
    ini.Set(kCalibrationSection, "History", calibration.history.path);
    ini.Set(kCalibrationSection, "Projects", std::to_string(calibration.history.projects.size()));
    ReplaceOutcome outcome = ReplaceFileAtomically(outputPath, ini.Serialize());
    if (!outcome.ok) {
        return {false, outcome.readOnly ? outputPath + " is read-only"
                                        : "Cannot write " + outputPath + ": " + outcome.reason};
    }
    return {true, FormatNumber("%zu calibrated values written to ", applied) + outputPath};
}

}  // namespace korval
