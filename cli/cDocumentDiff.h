#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/FiguresJson.h"

namespace korval {

// What differs between two documents of one kind: their inputs as the files hold them
// (every key of every section, numbers compared by value so that "5" and "5.000000" agree)
// and every computed figure (each of a range's value, low and high on its own).
class cDocumentDiff {
  public:
    struct Change {
        std::string name;       // "COCOMO_Model.Source_Lines_Code", "cocomo.sloc.value"
        std::optional<Json> a;  // empty when that side lacks it
        std::optional<Json> b;
        std::optional<double> changePercent;  // when both are numbers and a is not 0
    };

    // The files' contents (as read from disk) and the figures of the opened documents.
    cDocumentDiff(const std::string& fileA, const std::string& fileB, const Json& figuresA,
                  const Json& figuresB);

    bool Equal() const { return inputs_.empty() && figures_.empty(); }
    const std::vector<Change>& Inputs() const { return inputs_; }
    const std::vector<Change>& Figures() const { return figures_; }

    // One line per change: "input NAME: A -> B (+12.5%)", then "figure NAME: ...".
    std::string Text() const;
    Json ToJson(const std::string& kind, const std::string& pathA, const std::string& pathB) const;

  private:
    std::vector<Change> inputs_;
    std::vector<Change> figures_;
};

}  // namespace korval
