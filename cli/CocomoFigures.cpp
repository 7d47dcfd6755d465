#include "cli/FiguresJson.h"
#include "cocomo/cCocomoDoc.h"

namespace korval {

namespace {

Json PhaseRange(const PhaseFigures& figures, int index) {
    return RangeJson(figures[index], figures[index + 1], figures[index + 2]);
}

Json CostDriverJson(const cCostDriverAttribute& attribute) {
    int rating = attribute.GetRating();
    return Json{{"group", attribute.GetGroup()},
                {"name", attribute.GetName()},
                {"rating", rating == kRatingUndefined ? Json(nullptr)
                                                      : Json(std::string(RatingName(rating)))},
                {"multiplier", NumberJson(attribute.GetCurrentMultiplier())}};
}

}  // namespace

Json CocomoFigures(cCocomoDoc& document) {
    double low = 0;
    double high = 0;
    Json figures;
    figures["mode"] = DevelopmentModeToken(document.GetDevelopmentMode());
    figures["model"] = ModelTypeToken(document.GetModelType());
    figures["sensitivityType"] = SensitivityTypeToken(document.GetSensitivityType());
    double sloc = document.GetSourceLinesRange(low, high);
    figures["sloc"] = RangeJson(sloc, low, high);
    figures["eaf"] = NumberJson(document.GetEffortAdjustmentFactor());
    double nominal = document.GetNominalEffort(low, high);
    figures["nominalEffort"] = RangeJson(nominal, low, high);
    double adjusted = document.GetAdjustedEffort(low, high);
    figures["adjustedEffort"] = RangeJson(adjusted, low, high);
    double time = document.GetTimeToDevelop(low, high);
    figures["timeToDevelop"] = RangeJson(time, low, high);

    PhaseFigures design = document.GetPhaseFigures(cCocomoDoc::kProductDesignPhase);
    figures["productDesign"] = Json{{"effort", PhaseRange(design, PhaseFigures::kEffort)},
                                    {"schedule", PhaseRange(design, PhaseFigures::kSchedule)},
                                    {"staff", PhaseRange(design, PhaseFigures::kStaff)}};
    PhaseFigures programming = document.GetProgrammingPhaseFigures();
    figures["programming"] =
        Json{{"detailedDesign", PhaseRange(programming, PhaseFigures::kDetailedDesign)},
             {"codeAndUnitTest", PhaseRange(programming, PhaseFigures::kCodeAndUnitTest)},
             {"schedule", PhaseRange(programming, PhaseFigures::kSchedule)},
             {"staff", PhaseRange(programming, PhaseFigures::kStaff)}};
    PhaseFigures integration = document.GetPhaseFigures(cCocomoDoc::kIntegrationAndTestPhase);
    figures["integrationAndTest"] =
        Json{{"effort", PhaseRange(integration, PhaseFigures::kEffort)},
             {"schedule", PhaseRange(integration, PhaseFigures::kSchedule)},
             {"staff", PhaseRange(integration, PhaseFigures::kStaff)}};

    Json drivers = Json::array();
    for (const cCostDriverAttribute& attribute : document.GetCostDrivers())
        drivers.push_back(CostDriverJson(attribute));
    figures["costDrivers"] = std::move(drivers);
    return figures;
}

}  // namespace korval
