#include "calibration/cHistoryColumns.h"

#include <array>
#include <unordered_map>

#include "framework/FiniteFigure.h"
#include "framework/NumberText.h"
#include "framework/TextUtil.h"
#include "rayleigh/cApplicationType.h"

namespace korval {

namespace {

constexpr std::size_t kShownCellChars = 40;
constexpr std::size_t kNameChars = 60;
constexpr const char* kColumnList =
    "name, sloc or ksloc, function_points, language, effort_pm, duration_months, mode, "
    "application_type, eaf or the cost driver ratings (rely ... sced)";

std::string Quoted(std::string_view text) {
    return "'" + CutToChars(PrintableText(text), kShownCellChars) + "'";
}

// The cell at the index, without the blanks around it; empty where the row is short.
std::string_view CellAt(const cCsvRecordSplitter::Record& row, std::optional<std::size_t> index) {
    if (!index || *index >= row.cells.size()) return {};
    return TrimBlanks(row.cells[*index]);
}

// Files written with a semicolon between fields often come from spreadsheets that write a
// decimal comma; a single comma there is the decimal separator.
std::string DecimalText(std::string_view text, char delimiter) {
    std::string decimal(text);
    if (delimiter == ';' && decimal.find('.') == std::string::npos &&
        decimal.find(',') == decimal.rfind(',')) {
        decimal = ReplaceAll(decimal, ",", ".");
    }
    return decimal;
}

// The number above 0 the cell holds, or why it does not hold one.
std::variant<double, std::string> PositiveNumber(std::string_view text, char delimiter) {
    if (text.empty()) return std::string("is empty; every project needs it");
    std::string decimal = DecimalText(text, delimiter);
    if (!IsWholeNumberText(decimal)) return Quoted(text) + " is not a number";
    double value = FiniteFigure(ParseLeadingDouble(decimal));
    if (!(value > 0)) return Quoted(text) + " is not above 0";
    return value;
}

std::string Normalised(std::string_view text) {
    std::string out;
    for (char c : ToLowerAscii(text)) {
        if (c != ' ' && c != '-' && c != '_') out += c;
    }
    return out;
}

std::optional<DevelopmentMode> ModeFromText(std::string_view text) {
    std::string mode = Normalised(text);
    if (mode == "organic") return DevelopmentMode::Organic;
    if (mode == "semidetached") return DevelopmentMode::Semidetached;
    if (mode == "embedded") return DevelopmentMode::Embedded;
    return std::nullopt;
}

std::optional<int> RatingFromText(std::string_view text) {
    static const std::unordered_map<std::string, int> ratings = {{"verylow", kVeryLow},
                                                                 {"vl", kVeryLow},
                                                                 {"low", kLow},
                                                                 {"l", kLow},
                                                                 {"nominal", kNominal},
                                                                 {"n", kNominal},
                                                                 {"high", kHigh},
                                                                 {"h", kHigh},
                                                                 {"veryhigh", kVeryHigh},
                                                                 {"vh", kVeryHigh},
                                                                 {"extrahigh", kExtraHigh},
                                                                 {"eh", kExtraHigh},
                                                                 {"xh", kExtraHigh}};
    auto found = ratings.find(Normalised(text));
    if (found == ratings.end()) return std::nullopt;
    return found->second;
}

// The profile's spelling of a name it knows, else the name as the history gives it.
std::string ProfileSpelling(std::string_view text, const std::vector<std::string>& known) {
    for (const std::string& name : known) {
        if (EqualsNoCase(name, text)) return name;
    }
    return CutToChars(PrintableText(text), cApplicationType::kNameLimit);
}

HistoryProblem Problem(std::size_t line, std::string_view column, std::string reason) {
    return {line, std::string(column), std::move(reason)};
}

}  // namespace

cHistoryColumns::HeaderOutcome cHistoryColumns::FromHeader(const cCsvRecordSplitter::Record& header,
                                                           const HistoryVocabulary& vocabulary,
                                                           char delimiter) {
    cHistoryColumns columns(vocabulary, delimiter);
    columns.cellCount_ = header.cells.size();
    std::unordered_map<std::string, std::size_t> seen;
    for (std::size_t index = 0; index < header.cells.size(); ++index) {
        std::string name = ToLowerAscii(TrimBlanks(header.cells[index]));
        if (name.empty()) continue;
        auto [at, inserted] = seen.emplace(name, index);
        if (!inserted) {
            return Problem(header.line, CutToChars(PrintableText(name), kShownCellChars),
                           FormatNumber("the header names this column twice (columns %zu and "
                                        "%zu); keep one",
                                        at->second + 1, index + 1));
        }
        if (auto problem = columns.Assign(name, index, header.line)) return *problem;
    }
    if (auto problem = columns.CheckComplete(header.line)) return *problem;
    return columns;
}

std::optional<HistoryProblem> cHistoryColumns::Assign(std::string_view name, std::size_t index,
                                                      std::size_t) {
    const std::pair<std::string_view, std::optional<std::size_t> cHistoryColumns::*> known[] = {
        {"name", &cHistoryColumns::name_},
        {"sloc", &cHistoryColumns::sloc_},
        {"ksloc", &cHistoryColumns::ksloc_},
        {"function_points", &cHistoryColumns::functionPoints_},
        {"language", &cHistoryColumns::language_},
        {"effort_pm", &cHistoryColumns::effort_},
        {"duration_months", &cHistoryColumns::duration_},
        {"mode", &cHistoryColumns::mode_},
        {"application_type", &cHistoryColumns::applicationType_},
        {"eaf", &cHistoryColumns::eaf_}};
    for (const auto& [column, member] : known) {
        if (name == column) {
            this->*member = index;
            return std::nullopt;
        }
    }
    for (std::size_t driver = 0; driver < vocabulary_->drivers.size(); ++driver) {
        if (name == vocabulary_->drivers[driver].column) {
            drivers_.emplace_back(index, driver);
            return std::nullopt;
        }
    }
    return std::nullopt;  // a column of the organisation's own, left alone
}

std::optional<HistoryProblem> cHistoryColumns::CheckComplete(std::size_t line) const {
    if (!effort_) {
        return Problem(line, "effort_pm",
                       std::string("the header has no effort_pm column (the actual effort in "
                                   "person-months); a history's columns are ") +
                           kColumnList);
    }
    if (!sloc_ && !ksloc_) {
        return Problem(line, "sloc",
                       "the header has no sloc or ksloc column; every project needs its size");
    }
    if (sloc_ && ksloc_) {
        return Problem(line, "ksloc", "the header names both sloc and ksloc; keep one");
    }
    if (eaf_ && !drivers_.empty()) {
        return Problem(line, "eaf",
                       "the header has both an eaf column and cost driver ratings; keep one");
    }
    return std::nullopt;
}

bool cHistoryColumns::IsBlank(const cCsvRecordSplitter::Record& row) {
    for (const std::string& cell : row.cells) {
        if (!TrimBlanks(cell).empty()) return false;
    }
    return true;
}

cHistoryColumns::RowOutcome cHistoryColumns::ReadRow(const cCsvRecordSplitter::Record& row) const {
    std::size_t line = row.line;
    if (row.cells.size() > cellCount_) {
        return Problem(line, "",
                       FormatNumber("the row has %zu fields and the header %zu; a field holding "
                                    "the delimiter needs quotes",
                                    row.cells.size(), cellCount_));
    }
    HistoryProject project;
    project.line = line;
    project.name = CutToChars(PrintableText(CellAt(row, name_)), kNameChars);
    if (project.name.empty()) project.name = "line " + std::to_string(line);

    auto required = [&](std::optional<std::size_t> index, std::string_view column,
                        double& value) -> std::optional<HistoryProblem> {
        auto number = PositiveNumber(CellAt(row, index), delimiter_);
        if (auto* reason = std::get_if<std::string>(&number)) return Problem(line, column, *reason);
        value = std::get<double>(number);
        return std::nullopt;
    };
    auto optional = [&](std::optional<std::size_t> index, std::string_view column,
                        std::optional<double>& value) -> std::optional<HistoryProblem> {
        std::string_view text = CellAt(row, index);
        if (text.empty()) return std::nullopt;
        double number = 0;
        if (auto problem = required(index, column, number)) return problem;
        value = number;
        return std::nullopt;
    };

    if (auto problem = sloc_ ? required(sloc_, "sloc", project.sloc)
                             : required(ksloc_, "ksloc", project.sloc)) {
        return *problem;
    }
    if (!sloc_) project.sloc = FiniteFigure(project.sloc * 1000.0);
    if (auto problem = required(effort_, "effort_pm", project.effortPm)) return *problem;
    if (auto problem = optional(functionPoints_, "function_points", project.functionPoints))
        return *problem;
    if (auto problem = optional(duration_, "duration_months", project.durationMonths))
        return *problem;

    std::string_view modeText = CellAt(row, mode_);
    if (!modeText.empty()) {
        project.mode = ModeFromText(modeText);
        if (!project.mode) {
            return Problem(
                line, "mode",
                Quoted(modeText) + " is no mode; write organic, semidetached or embedded");
        }
    }
    if (std::string_view text = CellAt(row, language_); !text.empty())
        project.language = ProfileSpelling(text, vocabulary_->languages);
    if (std::string_view text = CellAt(row, applicationType_); !text.empty())
        project.applicationType = ProfileSpelling(text, vocabulary_->applicationTypes);

    std::string column;
    if (auto reason = ReadEffortFactor(row, project, column)) return Problem(line, column, *reason);
    return project;
}

// The EAF from the eaf column or the product of the ratings' multipliers; an empty cell is
// Nominal.
std::optional<std::string> cHistoryColumns::ReadEffortFactor(const cCsvRecordSplitter::Record& row,
                                                             HistoryProject& project,
                                                             std::string& column) const {
    if (eaf_) {
        column = "eaf";
        std::string_view text = CellAt(row, eaf_);
        if (text.empty()) return std::nullopt;
        auto number = PositiveNumber(text, delimiter_);
        if (auto* reason = std::get_if<std::string>(&number)) return *reason;
        project.eaf = std::get<double>(number);
        return std::nullopt;
    }
    double factor = 1;
    for (const auto& [index, driverIndex] : drivers_) {
        const CostDriverColumn& driver = vocabulary_->drivers[driverIndex];
        column = driver.column;
        std::string_view text = CellAt(row, index);
        if (text.empty()) continue;
        if (std::optional<int> rating = RatingFromText(text)) {
            double multiplier = driver.multipliers[static_cast<std::size_t>(*rating)];
            if (multiplier == 0) {
                return std::string(RatingName(*rating)) + " is not a rating of " +
                       ToUpperAscii(driver.column);
            }
            factor = FiniteFigure(factor * multiplier);
            continue;
        }
        auto number = PositiveNumber(text, delimiter_);
        if (std::holds_alternative<std::string>(number)) {
            return Quoted(text) +
                   " is no rating (Very Low, Low, Nominal, High, Very High, Extra High) and no "
                   "multiplier above 0";
        }
        factor = FiniteFigure(factor * std::get<double>(number));
    }
    project.eaf = factor;
    return std::nullopt;
}

}  // namespace korval
