#include "calibration/CocomoCalibration.h"

#include <cmath>

#include "calibration/LeastSquares.h"
#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"

namespace korval {

namespace {

constexpr double kSlocPerKsloc = 1000.0;

struct Group {
    std::optional<DevelopmentMode> mode;
    std::vector<std::size_t> members;
};

double AsWritten(double value) {
    std::optional<std::string> text = ModeConstantText(value);
    return text ? ParseLeadingDouble(*text) : 0;
}

double EffortOf(const ModeConstants& constants, const HistoryProject& project) {
    return FiniteFigure(constants.a * std::pow(project.sloc / kSlocPerKsloc, constants.b) *
                        project.eaf);
}

// Fits one group and adds its projects' estimates.
CocomoModeFit FitGroup(const Group& group, const History& history, const ModeConstants& current,
                       std::vector<EstimatePoint>& points) {
    CocomoModeFit fit;
    fit.mode = group.mode;
    fit.projects = group.members.size();
    fit.current = current;
    fit.calibrated = current;
    std::vector<double> x, y;
    x.reserve(group.members.size());
    y.reserve(group.members.size());
    for (std::size_t index : group.members) {
        const HistoryProject& project = history.projects[index];
        x.push_back(std::log(project.sloc / kSlocPerKsloc));
        y.push_back(std::log(project.effortPm / project.eaf));
    }
    std::optional<LineFit> chosen;
    if (fit.projects < CocomoModeFit::kMinimumForA) {
        fit.notes.push_back(TooFewNote(fit.projects, CocomoModeFit::kMinimumForA, "a") +
                            ", so the profile's a stays");
    } else if (auto fixed = FitIntercept(x, y, current.b);
               fixed && ModeConstantText(std::exp(fixed->intercept))) {
        fit.aWithFixedB = std::exp(fixed->intercept);
        fit.calibrated.a = AsWritten(*fit.aWithFixedB);
        chosen = fixed;
    }
    if (fit.projects >= CocomoModeFit::kMinimumForA &&
        fit.projects < CocomoModeFit::kMinimumForAB) {
        fit.notes.push_back(
            FormatNumber("a and b together need %zu projects; b stays at the profile's",
                         CocomoModeFit::kMinimumForAB));
    } else if (fit.projects >= CocomoModeFit::kMinimumForAB) {
        std::optional<LineFit> both = FitLine(x, y);
        if (both && ModeConstantText(std::exp(both->intercept)) && ModeConstantText(both->slope)) {
            fit.aTogether = std::exp(both->intercept);
            fit.bTogether = both->slope;
            fit.calibrated.a = AsWritten(*fit.aTogether);
            fit.calibrated.b = AsWritten(*fit.bTogether);
            chosen = both;
        } else {
            fit.notes.push_back("the sizes are too alike to tell b; b stays at the profile's");
        }
    }
    for (std::size_t k = 0; k < group.members.size(); ++k) {
        const HistoryProject& project = history.projects[group.members[k]];
        EstimatePoint point;
        point.project = group.members[k];
        point.actual = project.effortPm;
        point.current = EffortOf(current, project);
        point.calibrated = EffortOf(fit.calibrated, project);
        point.leaveOneOut =
            chosen ? FiniteFigure(std::exp(chosen->leaveOneOut[k]) * project.eaf) : point.current;
        points.push_back(point);
    }
    return fit;
}

}  // namespace

std::optional<std::string> ModeConstantText(double value) {
    if (!(value > 0) || !(value < 99999.5)) return std::nullopt;
    const char* format = value < 9.9995   ? "%.3f"
                         : value < 99.995 ? "%.2f"
                         : value < 999.95 ? "%.1f"
                                          : "%.0f";
    return FormatNumber(format, value);
}

std::string ModeFitLabel(const CocomoModeFit& fit) {
    if (!fit.mode) return "All projects";
    switch (*fit.mode) {
        case DevelopmentMode::Organic:
            return "Organic";
        case DevelopmentMode::Semidetached:
            return "Semidetached";
        default:
            return "Embedded";
    }
}

CocomoCalibration CalibrateCocomo(const History& history,
                                  const std::array<ModeConstants, kDevelopmentModeCount>& current) {
    CocomoCalibration calibration;
    std::vector<Group> groups;
    if (history.hasMode) {
        for (DevelopmentMode mode : kDevelopmentModes) groups.push_back({mode, {}});
    } else {
        groups.push_back({std::nullopt, {}});
    }
    for (std::size_t index = 0; index < history.projects.size(); ++index) {
        const HistoryProject& project = history.projects[index];
        if (!history.hasMode) {
            groups.front().members.push_back(index);
        } else if (project.mode) {
            groups[static_cast<std::size_t>(ModeIndex(*project.mode))].members.push_back(index);
        } else {
            ++calibration.withoutMode;
        }
    }
    calibration.points.reserve(history.projects.size());
    for (const Group& group : groups) {
        DevelopmentMode mode = group.mode.value_or(DevelopmentMode::Semidetached);
        calibration.modes.push_back(FitGroup(group, history,
                                             current[static_cast<std::size_t>(ModeIndex(mode))],
                                             calibration.points));
    }
    calibration.accuracy = AccuracyOf(calibration.points);
    return calibration;
}

}  // namespace korval
