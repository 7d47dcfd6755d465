#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "calibration/HistoryProject.h"
#include "calibration/HistoryVocabulary.h"
#include "calibration/cCsvRecordSplitter.h"

namespace korval {

// Where each known column of a history stands, taken from its header row by name (in any
// letter case and order; unknown columns are left alone), and the reading of one row.
class cHistoryColumns {
  public:
    using HeaderOutcome = std::variant<cHistoryColumns, HistoryProblem>;
    using RowOutcome = std::variant<HistoryProject, HistoryProblem>;

    // The columns of the header record, or why it cannot head a history.
    static HeaderOutcome FromHeader(const cCsvRecordSplitter::Record& header,
                                    const HistoryVocabulary& vocabulary, char delimiter);

    // One project row, or the first problem found in it.
    RowOutcome ReadRow(const cCsvRecordSplitter::Record& row) const;
    // A row of empty cells, which is passed over.
    static bool IsBlank(const cCsvRecordSplitter::Record& row);

    bool HasMode() const { return mode_.has_value(); }
    bool HasCostDrivers() const { return eaf_.has_value() || !drivers_.empty(); }

  private:
    explicit cHistoryColumns(const HistoryVocabulary& vocabulary, char delimiter)
        : vocabulary_(&vocabulary), delimiter_(delimiter) {}

    std::optional<HistoryProblem> Assign(std::string_view name, std::size_t index,
                                         std::size_t line);
    std::optional<HistoryProblem> CheckComplete(std::size_t line) const;
    std::optional<std::string> ReadEffortFactor(const cCsvRecordSplitter::Record& row,
                                                HistoryProject& project, std::string& column) const;

    const HistoryVocabulary* vocabulary_;
    char delimiter_;
    std::size_t cellCount_ = 0;
    std::optional<std::size_t> name_, sloc_, ksloc_, functionPoints_, language_, effort_, duration_,
        mode_, applicationType_, eaf_;
    // (column index, driver index in the vocabulary)
    std::vector<std::pair<std::size_t, std::size_t>> drivers_;
};

}  // namespace korval
