#include "calibration/HistoryProject.h"

#include "framework/TextUtil.h"

namespace korval {

std::string HistoryProblemText(const std::string& path, const HistoryProblem& problem) {
    std::string text = path;
    if (problem.line > 0) text += ":" + std::to_string(problem.line);
    text += ": ";
    if (!problem.column.empty()) text += problem.column + ": ";
    return text + problem.reason;
}

}  // namespace korval
