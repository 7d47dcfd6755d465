#include "simulation/cRayleighTrialModel.h"

#include <algorithm>

#include "framework/FiniteFigure.h"
#include "rayleigh/PutnamFormulas.h"
#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cRayleighDoc.h"
#include "simulation/Distributions.h"

namespace korval {

namespace {
constexpr double kMonthsPerYear = 12.0;
}  // namespace

cRayleighTrialModel::cRayleighTrialModel(const cRayleighDoc& document,
                                         const RayleighUncertainty& uncertainty,
                                         ThreePointShape shape, cSamplerFactory& samplers)
    : sourceLines_(document.GetSourceLines()),
      timeToDevelop_(document.GetSchedule()),
      buildPhasePercentage_(document.GetBuildPhasePercentage()),
      size_(samplers.Make(uncertainty.size, shape)),
      schedule_(samplers.Make(uncertainty.timeToDevelop, shape)) {
    // Without an application type the MBI is 0, as the document shows it.
    if (const cApplicationType* type = document.SelectedApplicationType()) {
        measure_ = type->Productivity().Measure();
        index_ = type->Productivity().Index();
        if (uncertainty.productivityVaries) indexDeviation_ = type->StandardDeviation();
    }
}

double cRayleighTrialModel::Measure(cTrialDraws& draws) const {
    if (!(indexDeviation_ > 0) || measure_ == 0) return measure_;
    double index = NormalQuantile(index_, indexDeviation_, draws.Uniform(kProductivityDraw));
    cProductivity productivity;
    productivity.FromIndex(std::max(index, 0.0));
    return productivity.Measure();
}

RayleighTrial cRayleighTrialModel::Run(cTrialDraws& draws, std::optional<double> sourceLines,
                                       std::optional<double> timeToDevelop) const {
    RayleighTrial trial;
    double size = sourceLines ? *sourceLines
                  : size_     ? size_->Quantile(draws.Uniform(kSizeDraw))
                              : sourceLines_;
    trial.timeToDevelop = timeToDevelop ? *timeToDevelop
                          : schedule_   ? schedule_->Quantile(draws.Uniform(kScheduleDraw))
                                        : timeToDevelop_;
    double measure = Measure(draws);
    double buildMonths = FiniteFigure(trial.timeToDevelop * buildPhasePercentage_ * 0.01);
    trial.mbi = ComputeMbi(buildMonths, size, measure);
    double buildYears = buildMonths / kMonthsPerYear;
    double lifeCycle = LifeCycleEffortYears(size, measure, buildYears);
    trial.mainBuildEffort = FiniteFigure(MainBuildEffortYears(lifeCycle) * kMonthsPerYear);
    trial.peakStaff = PeakStaff(lifeCycle, buildYears);
    return trial;
}

}  // namespace korval
