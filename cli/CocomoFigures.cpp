#include "cli/FiguresJson.h"
#include "cocomo/cCocomoDoc.h"

namespace korval {

namespace {

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
    Json figures;
    figures["mode"] = DevelopmentModeToken(document.GetDevelopmentMode());
    figures["model"] = ModelTypeToken(document.GetModelType());
    figures["sensitivityType"] = SensitivityTypeToken(document.GetSensitivityType());
    figures["sloc"] = RangeJson(document.GetSourceLinesRange());
    figures["eaf"] = NumberJson(document.GetEffortAdjustmentFactor());
    figures["nominalEffort"] = RangeJson(document.GetNominalEffortRange());
    figures["adjustedEffort"] = RangeJson(document.GetAdjustedEffortRange());
    figures["timeToDevelop"] = RangeJson(document.GetTimeToDevelopRange());

    PhaseFigures design = document.GetPhaseFigures(cCocomoDoc::Phase::ProductDesign);
    figures["productDesign"] = Json{{"effort", RangeJson(design.effort)},
                                    {"schedule", RangeJson(design.schedule)},
                                    {"staff", RangeJson(design.staff)}};
    PhaseFigures programming = document.GetProgrammingPhaseFigures();
    figures["programming"] = Json{{"detailedDesign", RangeJson(programming.detailedDesign)},
                                  {"codeAndUnitTest", RangeJson(programming.codeAndUnitTest)},
                                  {"schedule", RangeJson(programming.schedule)},
                                  {"staff", RangeJson(programming.staff)}};
    PhaseFigures integration = document.GetPhaseFigures(cCocomoDoc::Phase::IntegrationAndTest);
    figures["integrationAndTest"] = Json{{"effort", RangeJson(integration.effort)},
                                         {"schedule", RangeJson(integration.schedule)},
                                         {"staff", RangeJson(integration.staff)}};

    Json drivers = Json::array();
    for (const cCostDriverAttribute& attribute : document.GetCostDrivers())
        drivers.push_back(CostDriverJson(attribute));
    figures["costDrivers"] = std::move(drivers);

    const CostRate& cost = document.GetCostRate();
    if (cost.IsPriced()) {
        figures["cost"] = CostJson(cost, {{"nominalEffort", document.GetNominalEffortRange()},
                                          {"adjustedEffort", document.GetAdjustedEffortRange()},
                                          {"productDesign", design.effort},
                                          {"programming", document.GetProgrammingEffortRange()},
                                          {"detailedDesign", programming.detailedDesign},
                                          {"codeAndUnitTest", programming.codeAndUnitTest},
                                          {"integrationAndTest", integration.effort}});
    }
    return figures;
}

}  // namespace korval
