#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calibration/Accuracy.h"
#include "calibration/History.h"
#include "rayleigh/cApplicationTypeList.h"

namespace korval {

// The productivity index each project achieved: the PI at which Putnam's software equation
// gives a main build of the project's time (its duration times the main build share of the
// schedule) the project's actual effort and size. Per application type, from
// kMinimumPerType projects, the mean and standard deviation of those PIs. The table holds
// the mean as its productivity measure, a whole number fine enough to keep the mean PI
// (a whole PI would move estimates by a quarter), and the deviation as a whole number.
struct ApplicationTypeFit {
    static constexpr std::size_t kMinimumPerType = 3;

    std::string name;
    bool inProfile = false;
    std::size_t projects = 0;
    std::optional<double> currentIndex;
    int currentDeviation = 0;
    double meanIndex = 0;
    double deviation = 0;
    std::optional<int> fittedMeasure;
    std::optional<double> fittedIndex;  // the index of the fitted measure
    std::optional<int> fittedDeviation;
    // The buildup level its projects achieved: the mean of their MBIs, rounded onto the
    // scale's 0..6. A model of the type plans for it (Putnam's own estimate).
    double meanMbi = 0;
    std::optional<int> fittedBuildupLevel;
    std::vector<std::string> notes;
};

struct AchievedProductivity {
    std::size_t project = 0;
    double index = 0;
    double mbi = 0;  // the buildup the project achieved: log2(K / y^3) - 2
};

struct PutnamCalibration {
    int buildPercentage = 0;
    std::vector<AchievedProductivity> achieved;
    std::vector<ApplicationTypeFit> types;
    // Main build effort in person-months, for the projects of the types the profile has.
    std::vector<EstimatePoint> points;
    ModelAccuracy accuracy;
    std::size_t withoutDuration = 0;
};

PutnamCalibration CalibratePutnam(const History& history, const cApplicationTypeList& types,
                                  int buildPercentage);

// The main build effort (person-months) the software equation gives a size, a PI and a
// schedule of the given months of which the percentage is the main build.
double MainBuildEffortMonths(double sloc, double productivityIndex, double durationMonths,
                             int buildPercentage);
// The PI at which that effort is the project's actual effort; nothing without a duration.
std::optional<double> AchievedProductivityIndex(const HistoryProject& project, int buildPercentage);

}  // namespace korval
