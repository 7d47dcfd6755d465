#include "calibration/History.h"

namespace korval {

std::string CountOf(std::size_t count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string TooFewNote(std::size_t count, std::size_t minimum, std::string_view what) {
    return CountOf(count, "project") + "; " + std::string(what) + " is fitted from " +
           CountOf(minimum, "project") + " on";
}

void History::AddProblem(HistoryProblem problem) {
    ++problemCount;
    if (problems.size() < kKeptProblems) problems.push_back(std::move(problem));
}

std::vector<std::string> History::ProblemTexts() const {
    std::vector<std::string> texts;
    texts.reserve(problems.size() + 1);
    for (const HistoryProblem& problem : problems)
        texts.push_back(HistoryProblemText(path, problem));
    if (problemCount > problems.size()) {
        texts.push_back(path + ": " + CountOf(problemCount - problems.size(), "more row") +
                        " could not be used");
    }
    return texts;
}

}  // namespace korval
