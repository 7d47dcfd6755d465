#include "cli/FiguresJson.h"
#include "functionpoint/cFunctionPointDoc.h"

namespace korval {

Json FunctionPointFigures(cFunctionPointDoc& document) {
    Json figures;
    figures["sensitivityType"] = std::string(FpSensitivityTypeToken(document.GetSensitivityType()));
    figures["ufp"] = RangeJson(document.UnadjustedFunctionPointsRange());
    figures["vaf"] = NumberJson(document.ValueAdjustmentFactor());
    figures["afp"] = RangeJson(document.AdjustedFunctionPointsRange());
    figures["sloc"] = RangeJson(document.SourceLinesOfCodeRange());
    const cLanguage& language = document.GetSelectedLanguage();
    figures["language"] =
        Json{{"name", language.GetName()}, {"multiplier", language.GetMultiplier()}};
    return figures;
}

}  // namespace korval
