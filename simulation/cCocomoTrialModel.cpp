#include "simulation/cCocomoTrialModel.h"

#include <algorithm>

#include "cocomo/CocomoFormulas.h"
#include "cocomo/FiniteFigure.h"
#include "cocomo/cCocomoDoc.h"
#include "simulation/Distributions.h"

namespace korval {

namespace {

// A negative size counts as 0, as in the document.
double EffectiveSize(double sourceLines) {
    return sourceLines > 0 ? FiniteFigure(sourceLines) : 0;
}

double ShareOf(double fraction, double figure) {
    return FiniteFigure(fraction * figure);
}

}  // namespace

cCocomoTrialModel::cCocomoTrialModel(const cCocomoDoc& document,
                                     const CocomoUncertainty& uncertainty, ThreePointShape shape,
                                     cSamplerFactory& samplers)
    : modeValid_(IsKnownMode(document.GetDevelopmentMode())),
      mode_(document.GetDevelopmentMode()),
      constants_(document.GetModeConstants(document.GetDevelopmentMode())),
      sourceLines_(document.GetSourceLines()),
      size_(samplers.Make(uncertainty.size, shape)),
      modelErrorSpread_(uncertainty.modelErrorSpread) {
    const std::vector<cCostDriverAttribute>& attributes = document.GetCostDrivers();
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        Driver driver{attributes[i].GetCurrentMultiplier(), {}};
        if (i < uncertainty.driverRanges.size() && uncertainty.driverRanges[i]) {
            for (int r = uncertainty.driverRanges[i]->lowest;
                 r <= uncertainty.driverRanges[i]->highest; ++r) {
                if (attributes[i].IsRatingDefined(r))
                    driver.choices.push_back(attributes[i].GetMultiplier(r));
            }
        }
        drivers_.push_back(std::move(driver));
    }
    if (modeValid_) {
        const std::vector<cPhaseDistribution>& table = document.GetPhaseDistribution();
        std::size_t first = static_cast<std::size_t>(kPhaseRowsPerMode * ModeIndex(mode_));
        for (std::size_t row = 0; row < rows_.size(); ++row) {
            if (first + row < table.size()) rows_[row] = table[first + row];
        }
    }
}

double cCocomoTrialModel::EffortAdjustmentFactor(cTrialDraws& draws) const {
    double factor = 1;
    for (std::size_t i = 0; i < drivers_.size(); ++i) {
        const Driver& driver = drivers_[i];
        double multiplier = driver.current;
        if (!driver.choices.empty()) {
            double u = draws.Uniform(kFirstDriverDraw + static_cast<int>(i));
            std::size_t count = driver.choices.size();
            multiplier = driver.choices[std::min(static_cast<std::size_t>(u * count), count - 1)];
        }
        factor = FiniteFigure(factor * multiplier);
    }
    return factor;
}

double cCocomoTrialModel::Fraction(int row, double ksloc) const {
    return PhaseFractionAt(*rows_[static_cast<std::size_t>(row)], mode_, ksloc);
}

bool cCocomoTrialModel::HasRows(std::initializer_list<int> rows) const {
    return std::all_of(rows.begin(), rows.end(), [this](int row) {
        return rows_[static_cast<std::size_t>(row)].has_value();
    });
}

CocomoTrial cCocomoTrialModel::Run(cTrialDraws& draws, std::optional<double> sourceLines) const {
    CocomoTrial trial;
    double size = sourceLines_;
    if (sourceLines) {
        size = *sourceLines;
    } else if (size_) {
        size = size_->Quantile(draws.Uniform(kSizeDraw));
    }
    trial.sourceLines = EffectiveSize(size);
    double nominal = modeValid_ ? NominalEffortFor(constants_, trial.sourceLines) : 0;
    if (!drivers_.empty())
        trial.adjustedEffort = FiniteFigure(EffortAdjustmentFactor(draws) * nominal);
    if (modelErrorSpread_ > 0) {
        double factor = LogNormalQuantile(0, modelErrorSpread_, draws.Uniform(kModelErrorDraw));
        trial.adjustedEffort = FiniteFigure(trial.adjustedEffort * factor);
    }
    trial.timeToDevelop = modeValid_ ? ScheduleFor(constants_, trial.adjustedEffort) : 0;

    double ksloc = trial.sourceLines * 0.001;
    if (ksloc <= 0) return trial;
    if (HasRows({kProductDesignEffortRow, kProductDesignScheduleRow})) {
        trial.productDesignEffort =
            ShareOf(Fraction(kProductDesignEffortRow, ksloc), trial.adjustedEffort);
        trial.productDesignTdev =
            ShareOf(Fraction(kProductDesignScheduleRow, ksloc), trial.timeToDevelop);
    }
    if (HasRows({kDetailedDesignEffortRow, kCodeAndUnitTestEffortRow, kProgrammingScheduleRow})) {
        trial.programmingEffort =
            ShareOf(Fraction(kDetailedDesignEffortRow, ksloc), trial.adjustedEffort) +
            ShareOf(Fraction(kCodeAndUnitTestEffortRow, ksloc), trial.adjustedEffort);
        trial.programmingTdev =
            ShareOf(Fraction(kProgrammingScheduleRow, ksloc), trial.timeToDevelop);
    }
    if (HasRows({kIntegrationEffortRow, kIntegrationScheduleRow})) {
        trial.integrationEffort =
            ShareOf(Fraction(kIntegrationEffortRow, ksloc), trial.adjustedEffort);
        trial.integrationTdev =
            ShareOf(Fraction(kIntegrationScheduleRow, ksloc), trial.timeToDevelop);
    }
    return trial;
}

}  // namespace korval
