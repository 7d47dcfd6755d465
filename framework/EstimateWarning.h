#pragma once

#include <string>

namespace korval {

// Something a reviewer must know before trusting a document's figures: a schedule outside
// what a model was fitted on, two models that disagree. The code is stable for scripts
// ("putnam.scheduleShorterThanMinimum"); the message says it in words, naming the figures.
struct EstimateWarning {
    std::string code;
    std::string message;

    bool operator==(const EstimateWarning&) const = default;
};

}  // namespace korval
