#include "cli/FiguresJson.h"
#include "cli/PlanFigures.h"
#include "project/cProjectDoc.h"

namespace korval {

namespace {
const char* SourceName(cProjectDoc::SensitivitySource source) {
    switch (source) {
        case cProjectDoc::SensitivitySource::Cocomo:
            return "COCOMO";
        case cProjectDoc::SensitivitySource::Rayleigh:
            return "RAYLEIGH";
        default:
            return "FP";
    }
}
}  // namespace

Json ProjectFigures(cProjectDoc& document) {
    Json figures;
    figures["sensitivitySource"] = SourceName(document.GetSensitivitySource());
    figures["functionPoint"] = FunctionPointFigures(document.FunctionPointModel());
    figures["cocomo"] = CocomoFigures(document.CocomoModel());
    figures["rayleigh"] = RayleighFigures(document.RayleighModel());
    figures["plan"] = ProjectPlanJson(document);
    return figures;
}

}  // namespace korval
