#include "calibration/PutnamCalibration.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "calibration/Statistics.h"
#include "framework/NumberText.h"
#include "rayleigh/PutnamFormulas.h"
#include "rayleigh/PutnamPlan.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cProductivity.h"

namespace korval {

namespace {

constexpr double kMonthsPerYear = 12.0;
constexpr double kHighestIndex = 40.0;
constexpr double kLargestMeasure = 99999999.0;

double BuildYears(double durationMonths, int buildPercentage) {
    return durationMonths * buildPercentage / 100.0 / kMonthsPerYear;
}

double IndexOfMeasure(double measure) {
    cProductivity productivity;
    productivity.FromMeasure(measure);
    return productivity.Index();
}

// The productivity measure the table holds for an index: a whole number of at most eight
// digits whose index, rounded, lies on the table's scale of 0 to 40.
std::optional<int> TableMeasure(double index) {
    double rounded = RoundHalfAwayFromZero(index);
    if (!(rounded >= 0) || rounded > kHighestIndex) return std::nullopt;
    cProductivity productivity;
    productivity.FromIndex(index);
    double measure = RoundHalfAwayFromZero(productivity.Measure());
    if (!(measure >= 1) || measure > kLargestMeasure) return std::nullopt;
    return static_cast<int>(measure);
}

struct TypeGroup {
    std::string name;
    std::vector<std::size_t> achieved;  // indices into the achieved list
};

ApplicationTypeFit FitType(const TypeGroup& group, const PutnamCalibration& calibration,
                           const cApplicationTypeList& types) {
    ApplicationTypeFit fit;
    fit.name = group.name;
    fit.projects = group.achieved.size();
    if (const cApplicationType* known = types.At(types.FindApplicationType(group.name))) {
        fit.inProfile = true;
        fit.currentIndex = known->Productivity().Index();
        fit.currentDeviation = known->StandardDeviation();
    }
    std::vector<double> indices;
    indices.reserve(group.achieved.size());
    for (std::size_t k : group.achieved) indices.push_back(calibration.achieved[k].index);
    fit.meanIndex = Mean(indices);
    fit.deviation = SampleStandardDeviation(indices);
    if (fit.projects < ApplicationTypeFit::kMinimumPerType) {
        fit.notes.push_back(
            TooFewNote(fit.projects, ApplicationTypeFit::kMinimumPerType, "a type's PI"));
        return fit;
    }
    fit.fittedMeasure = TableMeasure(fit.meanIndex);
    if (!fit.fittedMeasure) {
        fit.notes.push_back(
            FormatNumber("a PI of %.1f is outside the table's 0 to 40", fit.meanIndex));
        return fit;
    }
    fit.fittedIndex = IndexOfMeasure(*fit.fittedMeasure);
    std::vector<double> mbis;
    for (std::size_t k : group.achieved) mbis.push_back(calibration.achieved[k].mbi);
    fit.meanMbi = Mean(mbis);
    if (std::isfinite(fit.meanMbi))
        fit.fittedBuildupLevel = ClampBuildupLevel(RoundToInt(fit.meanMbi));
    fit.fittedDeviation = std::min(static_cast<int>(RoundHalfAwayFromZero(fit.deviation)),
                                   cApplicationType::kMaxStandardDeviation);
    return fit;
}

// Each project of a type the profile has, estimated with the profile's PI, the fitted one
// and the mean PI of the type's other projects (leave-one-out).
void AddEstimates(const ApplicationTypeFit& fit, const TypeGroup& group, const History& history,
                  PutnamCalibration& calibration) {
    double sum = fit.meanIndex * static_cast<double>(fit.projects);
    for (std::size_t k : group.achieved) {
        const AchievedProductivity& achieved = calibration.achieved[k];
        const HistoryProject& project = history.projects[achieved.project];
        auto estimate = [&](std::optional<double> index) {
            return MainBuildEffortMonths(project.sloc, index.value_or(*fit.currentIndex),
                                         *project.durationMonths, calibration.buildPercentage);
        };
        std::optional<double> others;
        if (fit.fittedIndex)
            others = (sum - achieved.index) / static_cast<double>(fit.projects - 1);
        calibration.points.push_back({achieved.project, project.effortPm, estimate(std::nullopt),
                                      estimate(fit.fittedIndex), estimate(others)});
    }
}

}  // namespace

double MainBuildEffortMonths(double sloc, double productivityIndex, double durationMonths,
                             int buildPercentage) {
    cProductivity productivity;
    productivity.FromIndex(productivityIndex);
    double lifeCycle = LifeCycleEffortYears(sloc, productivity.Measure(),
                                            BuildYears(durationMonths, buildPercentage));
    return MainBuildEffortYears(lifeCycle) * kMonthsPerYear;
}

std::optional<double> AchievedProductivityIndex(const HistoryProject& project,
                                                int buildPercentage) {
    if (!project.durationMonths) return std::nullopt;
    double measure = MeasureFromMainBuildEffort(
        project.sloc, BuildYears(*project.durationMonths, buildPercentage),
        project.effortPm / kMonthsPerYear);
    if (!(measure > 0)) return std::nullopt;
    cProductivity productivity;
    productivity.FromMeasure(measure);
    return productivity.Index();
}

PutnamCalibration CalibratePutnam(const History& history, const cApplicationTypeList& types,
                                  int buildPercentage) {
    PutnamCalibration calibration;
    calibration.buildPercentage = buildPercentage;
    std::vector<TypeGroup> groups;
    std::unordered_map<std::string, std::size_t> groupOf;
    for (std::size_t index = 0; index < history.projects.size(); ++index) {
        const HistoryProject& project = history.projects[index];
        std::optional<double> achieved = AchievedProductivityIndex(project, buildPercentage);
        if (!achieved) {
            ++calibration.withoutDuration;
            continue;
        }
        cProductivity productivity;
        productivity.FromIndex(*achieved);
        double mbi = ComputeMbi(*project.durationMonths * buildPercentage / 100.0, project.sloc,
                                productivity.Measure());
        calibration.achieved.push_back({index, *achieved, mbi});
        if (project.applicationType.empty()) continue;
        auto [at, added] = groupOf.emplace(project.applicationType, groups.size());
        if (added) groups.push_back({project.applicationType, {}});
        groups[at->second].achieved.push_back(calibration.achieved.size() - 1);
    }
    for (const TypeGroup& group : groups) {
        ApplicationTypeFit fit = FitType(group, calibration, types);
        if (fit.currentIndex) AddEstimates(fit, group, history, calibration);
        calibration.types.push_back(std::move(fit));
    }
    calibration.accuracy = AccuracyOf(calibration.points);
    return calibration;
}

}  // namespace korval
