#include "cli/FiguresJson.h"
#include "functionpoint/cFunctionPointDoc.h"

namespace korval {

Json FunctionPointFigures(cFunctionPointDoc& document) {
    double low = 0.0, high = 0.0;
    Json figures;
    figures["sensitivityType"] =
        std::string(FpSensitivityTypeToken(static_cast<int>(document.GetSensitivityType())));
    double ufp = document.UnadjustedFunctionPoints(low, high);
    figures["ufp"] = RangeJson(ufp, low, high);
    figures["vaf"] = NumberJson(document.ValueAdjustmentFactor());
    double afp = document.AdjustedFunctionPoints(low, high);
    figures["afp"] = RangeJson(afp, low, high);
    double sloc = document.SourceLinesOfCode(low, high);
    figures["sloc"] = RangeJson(sloc, low, high);
    const cLanguage& language = document.GetSelectedLanguage();
    figures["language"] =
        Json{{"name", language.GetName()}, {"multiplier", language.GetMultiplier()}};
    return figures;
}

}  // namespace korval
