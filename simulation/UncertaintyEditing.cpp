#include "simulation/UncertaintyEditing.h"

#include "cocomo/cCocomoDoc.h"
#include "cocomo/cCostDriverDlg.h"
#include "framework/cUncertaintyDlg.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "system/cSystemDoc.h"

namespace korval {

namespace {

constexpr const char* kSizeLabel = "Source lines of code";
constexpr const char* kSpreadLabel = "Model error spread (of its logarithm)";
constexpr const char* kProductivityLabel =
    "Productivity index varies (one point either side, or a calibrated type's deviation)";

std::optional<double> SpreadOrNone(double spread) {
    return spread > 0 ? std::optional<double>(spread) : std::nullopt;
}

std::optional<double> Lowest(const std::optional<InfluenceRange>& range) {
    return range ? std::optional<double>(range->lowest) : std::nullopt;
}
std::optional<double> Highest(const std::optional<InfluenceRange>& range) {
    return range ? std::optional<double>(range->highest) : std::nullopt;
}
std::optional<InfluenceRange> RangeOf(const std::optional<double>& lowest,
                                      const std::optional<double>& highest) {
    if (!lowest || !highest) return std::nullopt;
    InfluenceRange range{*lowest, *highest};
    if (!InfluenceRangeProblem(range).empty()) return std::nullopt;
    return range;
}

// One rating range row per cost driver, with the rating names the Cost Driver Attributes
// dialog shows and only the ratings the driver defines.
int AddDriverRange(cUncertaintyDlg& dialog, const cCostDriverAttribute& driver,
                   const std::optional<RatingRange>& range) {
    std::vector<std::string> names;
    std::vector<bool> defined;
    for (int rating = 0; rating < kRatingCount; ++rating) {
        names.emplace_back(cCostDriverDlg::RatingLabel(rating));
        defined.push_back(driver.IsRatingDefined(rating));
    }
    return dialog.AddRatingRange(driver.GetName(), cCostDriverDlg::RatingLabel(driver.GetRating()),
                                 std::move(names), std::move(defined), range);
}

// The rows of each model, added to a dialog and read back from it.
struct CocomoRows {
    int size;
    int spread;
    int firstDriver;
    std::size_t drivers;
    CocomoRows(cUncertaintyDlg& dialog, const cCocomoDoc& document,
               const char* sizeLabel = kSizeLabel)
        : size(dialog.AddThreePoint(sizeLabel, document.GetUncertainty().size, kLargestFieldValue)),
          spread(dialog.AddNumber(kSpreadLabel,
                                  SpreadOrNone(document.GetUncertainty().modelErrorSpread), 0,
                                  kMaxModelErrorSpread)),
          firstDriver(dialog.RatingRangeCount()),
          drivers(document.GetCostDrivers().size()) {
        const std::vector<std::optional<RatingRange>>& ranges =
            document.GetUncertainty().driverRanges;
        for (std::size_t i = 0; i < drivers; ++i) {
            AddDriverRange(dialog, document.GetCostDrivers()[i],
                           i < ranges.size() ? ranges[i] : std::nullopt);
        }
    }
    CocomoUncertainty Read(const cUncertaintyDlg& dialog, CocomoUncertainty u) const {
        u.size = dialog.GetThreePoint(size);
        u.modelErrorSpread = dialog.GetNumber(spread).value_or(0);
        u.driverRanges.resize(drivers);
        for (std::size_t i = 0; i < drivers; ++i)
            u.driverRanges[i] = dialog.GetRatingRange(firstDriver + static_cast<int>(i));
        return u;
    }
};

struct FunctionPointRows {
    int ufp;
    int lowest;
    int highest;
    FunctionPointRows(cUncertaintyDlg& dialog, const cFunctionPointDoc& document)
        : ufp(dialog.AddThreePoint("Unadjusted function points",
                                   document.GetUncertainty().unadjustedFunctionPoints,
                                   kLargestFieldValue)),
          lowest(dialog.AddNumber("Lowest total degree of influence",
                                  Lowest(document.GetUncertainty().totalDegreeOfInfluence), 0,
                                  kMaxTotalDegreeOfInfluence)),
          highest(dialog.AddNumber("Highest total degree of influence",
                                   Highest(document.GetUncertainty().totalDegreeOfInfluence), 0,
                                   kMaxTotalDegreeOfInfluence)) {
        dialog.PairAsRange(lowest, highest, "Total degree of influence");
    }
    FunctionPointUncertainty Read(const cUncertaintyDlg& dialog, FunctionPointUncertainty u) const {
        u.unadjustedFunctionPoints = dialog.GetThreePoint(ufp);
        u.totalDegreeOfInfluence = RangeOf(dialog.GetNumber(lowest), dialog.GetNumber(highest));
        return u;
    }
};

struct RayleighRows {
    int size;
    int tdev;
    int productivity;
    RayleighRows(cUncertaintyDlg& dialog, const cRayleighDoc& document,
                 const char* sizeLabel = kSizeLabel)
        : size(dialog.AddThreePoint(sizeLabel, document.GetUncertainty().size, kLargestFieldValue)),
          tdev(dialog.AddThreePoint("Time to develop (calendar months)",
                                    document.GetUncertainty().timeToDevelop, kLargestFieldValue)),
          productivity(
              dialog.AddSwitch(kProductivityLabel, document.GetUncertainty().productivityVaries)) {}
    RayleighUncertainty Read(const cUncertaintyDlg& dialog, RayleighUncertainty u) const {
        u.size = dialog.GetThreePoint(size);
        u.timeToDevelop = dialog.GetThreePoint(tdev);
        u.productivityVaries = dialog.GetSwitch(productivity);
        return u;
    }
};

// Stores the new value when it differs; true when it did.
template <class Value, class Setter>
bool StoreChanged(const Value& old, const Value& changed, Setter set) {
    if (changed == old) return false;
    set(changed);
    return true;
}

constexpr const char* kRateLabel = "Labour rate per person month";

// The rate and the cost target, for the kinds whose effort is priced; the row of the rate.
int AddPricing(cUncertaintyDlg& dialog, const CostRate& cost, const SimulationSettings& run) {
    dialog.OfferCostTarget(cost.currency);
    return dialog.AddThreePoint(kRateLabel, run.rate);
}

// The run as the dialog accepted it, with the rate row read back when there is one.
SimulationSettings RunOf(const cUncertaintyDlg& dialog, int rateRow) {
    SimulationSettings run = dialog.GetRun();
    if (rateRow >= 0) run.rate = dialog.GetThreePoint(rateRow);
    return run;
}

// A kind without a cost (none) offers neither the rate nor the cost target.
template <class Document, class Rows>
bool EditModel(Document& document, const char* title, const CostRate* cost) {
    auto uncertainty = document.GetUncertainty();
    cUncertaintyDlg dialog(document.Platform(), title, uncertainty.run);
    Rows rows(dialog, document);
    int rate = cost ? AddPricing(dialog, *cost, uncertainty.run) : -1;
    if (!document.Platform().RunDialog(dialog)) return false;
    auto changed = rows.Read(dialog, uncertainty);
    changed.run = RunOf(dialog, rate);
    return StoreChanged(uncertainty, changed,
                        [&](const auto& value) { document.SetUncertainty(value); });
}

bool EditProject(cProjectDoc& project) {
    cUncertaintyDlg dialog(project.Platform(), "Project Uncertainty",
                           project.GetSimulationSettings());
    FunctionPointRows fp(dialog, project.FunctionPointModel());
    // Both models have a size row: the labels (and any message about them) say whose it is.
    CocomoRows cocomo(dialog, project.CocomoModel(), "COCOMO source lines of code");
    RayleighRows rayleigh(dialog, project.RayleighModel(), "Rayleigh source lines of code");
    int rate = AddPricing(dialog, project.GetCostRate(), project.GetSimulationSettings());
    if (!project.Platform().RunDialog(dialog)) return false;
    cFunctionPointDoc& fpModel = project.FunctionPointModel();
    cCocomoDoc& cocomoModel = project.CocomoModel();
    cRayleighDoc& rayleighModel = project.RayleighModel();
    bool changed = StoreChanged(project.GetSimulationSettings(), RunOf(dialog, rate),
                                [&](const auto& v) { project.SetSimulationSettings(v); });
    changed |= StoreChanged(fpModel.GetUncertainty(), fp.Read(dialog, fpModel.GetUncertainty()),
                            [&](const auto& v) { fpModel.SetUncertainty(v); });
    changed |= StoreChanged(cocomoModel.GetUncertainty(),
                            cocomo.Read(dialog, cocomoModel.GetUncertainty()),
                            [&](const auto& v) { cocomoModel.SetUncertainty(v); });
    changed |= StoreChanged(rayleighModel.GetUncertainty(),
                            rayleigh.Read(dialog, rayleighModel.GetUncertainty()),
                            [&](const auto& v) { rayleighModel.SetUncertainty(v); });
    return changed;
}

bool EditSystem(cSystemDoc& system) {
    SimulationSettings run = system.GetSimulationSettings();
    cUncertaintyDlg dialog(system.Platform(), "System Uncertainty", run);
    int rate = AddPricing(dialog, system.GetCostRate(), run);
    int correlated = dialog.AddSwitch(
        "Members fully correlated (every member draws the same quantile)", run.correlatedMembers);
    if (!system.Platform().RunDialog(dialog)) return false;
    SimulationSettings changed = RunOf(dialog, rate);
    changed.correlatedMembers = dialog.GetSwitch(correlated);
    return StoreChanged(run, changed, [&](const auto& v) { system.SetSimulationSettings(v); });
}

bool EditByKind(cModelDoc& document) {
    if (auto* cocomo = dynamic_cast<cCocomoDoc*>(&document))
        return EditModel<cCocomoDoc, CocomoRows>(*cocomo, "COCOMO Uncertainty",
                                                 &cocomo->GetCostRate());
    if (auto* fp = dynamic_cast<cFunctionPointDoc*>(&document))
        return EditModel<cFunctionPointDoc, FunctionPointRows>(*fp, "Function Point Uncertainty",
                                                               nullptr);
    if (auto* rayleigh = dynamic_cast<cRayleighDoc*>(&document))
        return EditModel<cRayleighDoc, RayleighRows>(*rayleigh, "Rayleigh Uncertainty",
                                                     &rayleigh->GetCostRate());
    if (auto* project = dynamic_cast<cProjectDoc*>(&document)) return EditProject(*project);
    if (auto* system = dynamic_cast<cSystemDoc*>(&document)) return EditSystem(*system);
    return false;
}

}  // namespace

bool EditUncertainty(cModelDoc& document) {
    if (!EditByKind(document)) return false;
    document.SetModifiedFlag();
    document.UpdateAllViews();
    return true;
}

}  // namespace korval
