#include "rayleigh/PutnamPlan.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "framework/FiniteFigure.h"
#include "rayleigh/PutnamFormulas.h"
#include "rayleigh/RayleighFormulas.h"

namespace korval {

std::string_view BuildupLevelName(int level) {
    static constexpr std::array<std::string_view, 7> kNames = {
        "very slow",       "slow", "moderately slow", "moderate",
        "moderately fast", "fast", "very rapid"};
    if (level < kSlowestBuildupLevel || level > kFastestBuildupLevel) return {};
    return kNames[static_cast<std::size_t>(level)];
}

std::string BuildupLevelText(int level) {
    return std::to_string(level) + " (" + std::string(BuildupLevelName(level)) + ")";
}

double PutnamEstimate::BuildMonths() const {
    return FiniteFigure(buildYears * 12.0);
}

double PutnamEstimate::LifeCycleEffortMonths() const {
    return FiniteFigure(lifeCycleEffortYears * 12.0);
}

double PutnamEstimate::MainBuildEffortMonths() const {
    return FiniteFigure(MainBuildEffortYears(lifeCycleEffortYears) * 12.0);
}

double PutnamEstimate::PeakStaff() const {
    return korval::PeakStaff(lifeCycleEffortYears, buildYears);
}

int ClampBuildupLevel(int level) {
    return std::clamp(level, kSlowestBuildupLevel, kFastestBuildupLevel);
}

double BuildupOfMbi(double mbi) {
    return std::exp2(mbi + 2.0);
}

PutnamEstimate PutnamEstimateAtMbi(double sloc, double pm, double mbi) {
    if (!(sloc > 0.0) || !(pm > 0.0)) return {};
    double buildup = BuildupOfMbi(mbi);
    // y^7 = S^3 / (P^3 D), taken as (S / P)^(3/7) D^(-1/7) so no power overflows first.
    double years = FiniteFigure(std::pow(sloc / pm, 3.0 / 7.0) * std::pow(buildup, -1.0 / 7.0));
    return {years, FiniteFigure(buildup * years * years * years)};
}

ScheduleFit FitOfSchedule(double sloc, double pm, double buildYears) {
    if (!(sloc > 0.0) || !(pm > 0.0) || !(buildYears > 0.0)) return ScheduleFit::kUndefined;
    double mbi = ComputeMbi(buildYears * 12.0, sloc, pm);
    if (mbi >= kFastestMbi) return ScheduleFit::kShorterThanFastest;
    if (mbi < kSlowestMbi) return ScheduleFit::kLongerThanSlowest;
    return ScheduleFit::kWithin;
}

std::string_view ScheduleFitToken(ScheduleFit fit) {
    switch (fit) {
        case ScheduleFit::kWithin:
            return "within";
        case ScheduleFit::kShorterThanFastest:
            return "shorterThanMinimum";
        case ScheduleFit::kLongerThanSlowest:
            return "longerThanSlowest";
        case ScheduleFit::kUndefined:
            break;
    }
    return "undefined";
}

PutnamEstimate PlanForSchedule(double sloc, double pm, double buildYears, int plannedLevel) {
    switch (FitOfSchedule(sloc, pm, buildYears)) {
        case ScheduleFit::kShorterThanFastest:
            return PutnamEstimateAtMbi(sloc, pm, ClampBuildupLevel(plannedLevel));
        case ScheduleFit::kLongerThanSlowest:
            return {buildYears, PutnamEstimateAtMbi(sloc, pm, kSlowestMbi).lifeCycleEffortYears};
        case ScheduleFit::kWithin:
        case ScheduleFit::kUndefined:
            break;
    }
    return {buildYears, LifeCycleEffortYears(sloc, pm, buildYears)};
}

}  // namespace korval
