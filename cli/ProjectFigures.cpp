#include "cli/FiguresJson.h"
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
    return figures;
}

}  // namespace korval
