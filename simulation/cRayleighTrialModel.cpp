#include "simulation/cRayleighTrialModel.h"

#include <algorithm>

#include "framework/FiniteFigure.h"
#include "rayleigh/PutnamPlan.h"
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
      buildupLevel_(document.GetBuildupLevel()),
      size_(samplers.Make(uncertainty.size, shape)),
      schedule_(samplers.Make(uncertainty.timeToDevelop, shape)) {
    // Without an application type the MBI is 0, as the document shows it.
    if (const cApplicationType* type = document.SelectedApplicationType()) {
        measure_ = type->Productivity().Measure();
        // A bounded range: a normal draw clamped at index 0 piled trials at the end of the
        // scale and, with effort going as P^-3, spread efforts a thousandfold.
        double index = type->Productivity().Index();
        if (uncertainty.productivityVaries && measure_ > 0) {
            double spread = ProductivityIndexSpread(*type);
            index_ = samplers.Make(
                ThreePointEstimate{std::max(index - spread, 0.0), index, index + spread}, shape);
        }
    }
}

// A calibrated type (calibration gives it its typical buildup level beside its PI) spreads as
// its own projects did; the shipped table's deviations (3 or 4 index points, a factor of
// eight in effort) describe the industry, not one organisation.
double ProductivityIndexSpread(const cApplicationType& type) {
    if (type.TypicalBuildupLevel() && type.StandardDeviation() > 0) return type.StandardDeviation();
    return kProductivityIndexSpread;
}

double cRayleighTrialModel::Measure(cTrialDraws& draws) const {
    if (!index_) return measure_;
    cProductivity productivity;
    productivity.FromIndex(index_->Quantile(draws.Uniform(kProductivityDraw)));
    return productivity.Measure();
}

double cRayleighTrialModel::DrawSize(cTrialDraws& draws) const {
    return size_ ? size_->Quantile(draws.Uniform(kSizeDraw)) : sourceLines_;
}

RayleighTrial cRayleighTrialModel::Run(cTrialDraws& draws, std::optional<double> sourceLines,
                                       std::optional<double> timeToDevelop) const {
    RayleighTrial trial;
    double size = sourceLines ? *sourceLines : DrawSize(draws);
    trial.timeToDevelop = timeToDevelop ? *timeToDevelop
                          : schedule_   ? schedule_->Quantile(draws.Uniform(kScheduleDraw))
                                        : timeToDevelop_;
    double measure = Measure(draws);
    double buildMonths = FiniteFigure(trial.timeToDevelop * buildPhasePercentage_ * 0.01);
    trial.mbi = ComputeMbi(buildMonths, size, measure);
    double buildYears = buildMonths / kMonthsPerYear;
    PutnamEstimate plan = PlanForSchedule(size, measure, buildYears, buildupLevel_);
    trial.mainBuildEffort = plan.MainBuildEffortMonths();
    trial.peakStaff = plan.PeakStaff();
    ScheduleFit fit = FitOfSchedule(size, measure, buildYears);
    trial.outsideScale =
        fit == ScheduleFit::kShorterThanFastest || fit == ScheduleFit::kLongerThanSlowest ? 1 : 0;
    // Less than one person at the peak is no plan: the smallest staff one is, and the trial
    // counts with those the scale does not reach.
    if (trial.peakStaff > 0 && trial.peakStaff < kSmallestPeakStaff) {
        trial.peakStaff = kSmallestPeakStaff;
        trial.outsideScale = 1;
    }
    return trial;
}

}  // namespace korval
