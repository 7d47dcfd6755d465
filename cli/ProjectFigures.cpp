#include "cli/FiguresJson.h"
#include "project/cProjectDoc.h"

namespace korval {

namespace {
const char* SourceName(int source) {
    switch (source) {
        case cProjectDoc::kCocomoSource:
            return "COCOMO";
        case cProjectDoc::kRayleighSource:
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
    return figures;
}

}  // namespace korval
