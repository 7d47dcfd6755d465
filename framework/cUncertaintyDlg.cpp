#include "framework/cUncertaintyDlg.h"

#include "framework/DialogFieldCheck.h"
#include "framework/NumberText.h"
#include "framework/cPlatformServices.h"

namespace korval {

namespace {

const std::string kNoText;

std::string OptionalText(const std::optional<double>& value) {
    return value ? FieldText(*value) : std::string();
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

template <class Rows>
bool IsRow(const Rows& rows, int row) {
    return row >= 0 && row < static_cast<int>(rows.size());
}

}  // namespace

cUncertaintyDlg::cUncertaintyDlg(cPlatformServices& platform, std::string title,
                                 const SimulationSettings& run)
    : platform_(platform), title_(std::move(title)), run_(run), shape_(run.shape) {
    runTexts_[kTrialsField] = FormatNumber("%lld", static_cast<long long>(run.trials));
    runTexts_[kSeedField] = FormatNumber("%llu", static_cast<unsigned long long>(run.seed));
    runTexts_[kEffortTargetField] = OptionalText(run.targetEffort);
    runTexts_[kTimeTargetField] = OptionalText(run.targetTime);
    runTexts_[kCostTargetField] = OptionalText(run.targetCost);
}

int cUncertaintyDlg::AddThreePoint(std::string label,
                                   const std::optional<ThreePointEstimate>& estimate,
                                   double ceiling) {
    ThreePointRow row{std::move(label), {}, estimate, ceiling};
    if (estimate) {
        row.texts = {FieldText(estimate->optimistic), FieldText(estimate->mostLikely),
                     FieldText(estimate->pessimistic)};
    }
    threePoints_.push_back(std::move(row));
    return ThreePointCount() - 1;
}

int cUncertaintyDlg::AddNumber(std::string label, const std::optional<double>& value, double min,
                               double max) {
    numbers_.push_back({std::move(label), OptionalText(value), value, min, max});
    return NumberCount() - 1;
}

int cUncertaintyDlg::AddSwitch(std::string label, bool on) {
    switches_.push_back({std::move(label), on});
    return SwitchCount() - 1;
}

void cUncertaintyDlg::OfferCostTarget(std::string currency) {
    costCurrency_ = std::move(currency);
}

void cUncertaintyDlg::PairAsRange(int lowestRow, int highestRow, std::string name) {
    if (IsRow(numbers_, lowestRow) && IsRow(numbers_, highestRow))
        numberPairs_.push_back({lowestRow, highestRow, std::move(name)});
}

int cUncertaintyDlg::AddRatingRange(std::string label, std::string current,
                                    std::vector<std::string> ratingNames,
                                    std::vector<bool> hasRating,
                                    const std::optional<RatingRange>& range) {
    hasRating.resize(ratingNames.size(), false);
    RatingRangeRow row{std::move(label),     std::move(current),     std::move(ratingNames),
                       std::move(hasRating), {kNoRating, kNoRating}, range};
    if (range) row.ends = {range->lowest, range->highest};
    ratingRanges_.push_back(std::move(row));
    return RatingRangeCount() - 1;
}

bool cUncertaintyDlg::RatingRangeRow::Has(int rating) const {
    return rating >= 0 && rating < static_cast<int>(hasRating.size()) &&
           hasRating[static_cast<std::size_t>(rating)];
}

bool cUncertaintyDlg::HasRunField(int field) const {
    if (field == kCostTargetField) return costCurrency_.has_value();
    return field >= 0 && field < kRunFieldCount;
}

std::string cUncertaintyDlg::RunFieldLabel(int field) const {
    if (!HasRunField(field)) return {};
    if (field == kCostTargetField)
        return costCurrency_->empty() ? "Cost target:" : "Cost target (" + *costCurrency_ + "):";
    static constexpr const char* kLabels[kRunFieldCount] = {
        "Trials:", "Seed:", "Effort target (person months):", "Time target (calendar months):"};
    return kLabels[field];
}

const std::string& cUncertaintyDlg::GetRunText(int field) const {
    return field >= 0 && field < kRunFieldCount ? runTexts_[static_cast<std::size_t>(field)]
                                                : kNoText;
}

void cUncertaintyDlg::SetRunText(int field, std::string text) {
    if (field >= 0 && field < kRunFieldCount)
        runTexts_[static_cast<std::size_t>(field)] = std::move(text);
}

const std::string& cUncertaintyDlg::ThreePointLabel(int row) const {
    return IsRow(threePoints_, row) ? threePoints_[static_cast<std::size_t>(row)].label : kNoText;
}

const std::string& cUncertaintyDlg::GetThreePointText(int row, int part) const {
    if (!IsRow(threePoints_, row) || part < 0 || part > kPessimistic) return kNoText;
    return threePoints_[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(part)];
}

void cUncertaintyDlg::SetThreePointText(int row, int part, std::string text) {
    if (!IsRow(threePoints_, row) || part < 0 || part > kPessimistic) return;
    threePoints_[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(part)] =
        std::move(text);
}

const std::string& cUncertaintyDlg::NumberLabel(int row) const {
    return IsRow(numbers_, row) ? numbers_[static_cast<std::size_t>(row)].label : kNoText;
}

const std::string& cUncertaintyDlg::GetNumberText(int row) const {
    return IsRow(numbers_, row) ? numbers_[static_cast<std::size_t>(row)].text : kNoText;
}

void cUncertaintyDlg::SetNumberText(int row, std::string text) {
    if (IsRow(numbers_, row)) numbers_[static_cast<std::size_t>(row)].text = std::move(text);
}

const std::string& cUncertaintyDlg::SwitchLabel(int row) const {
    return IsRow(switches_, row) ? switches_[static_cast<std::size_t>(row)].label : kNoText;
}

bool cUncertaintyDlg::GetSwitch(int row) const {
    return IsRow(switches_, row) && switches_[static_cast<std::size_t>(row)].on;
}

void cUncertaintyDlg::SetSwitch(int row, bool on) {
    if (IsRow(switches_, row)) switches_[static_cast<std::size_t>(row)].on = on;
}

const std::string& cUncertaintyDlg::RatingRangeLabel(int row) const {
    return IsRow(ratingRanges_, row) ? ratingRanges_[static_cast<std::size_t>(row)].label : kNoText;
}

const std::string& cUncertaintyDlg::CurrentRating(int row) const {
    return IsRow(ratingRanges_, row) ? ratingRanges_[static_cast<std::size_t>(row)].current
                                     : kNoText;
}

std::vector<int> cUncertaintyDlg::RatingChoices(int row) const {
    std::vector<int> choices;
    if (!IsRow(ratingRanges_, row)) return choices;
    const RatingRangeRow& range = ratingRanges_[static_cast<std::size_t>(row)];
    for (int rating = 0; rating < static_cast<int>(range.ratingNames.size()); ++rating) {
        bool chosen = rating == range.ends[kLowestEnd] || rating == range.ends[kHighestEnd];
        if (range.Has(rating) || chosen) choices.push_back(rating);
    }
    return choices;
}

const std::string& cUncertaintyDlg::RatingName(int row, int rating) const {
    if (!IsRow(ratingRanges_, row)) return kNoText;
    const std::vector<std::string>& names =
        ratingRanges_[static_cast<std::size_t>(row)].ratingNames;
    return IsRow(names, rating) ? names[static_cast<std::size_t>(rating)] : kNoText;
}

int cUncertaintyDlg::GetRangeEnd(int row, int end) const {
    if (!IsRow(ratingRanges_, row) || (end != kLowestEnd && end != kHighestEnd)) return kNoRating;
    return ratingRanges_[static_cast<std::size_t>(row)].ends[static_cast<std::size_t>(end)];
}

void cUncertaintyDlg::SetRangeEnd(int row, int end, int rating) {
    if (!IsRow(ratingRanges_, row) || (end != kLowestEnd && end != kHighestEnd)) return;
    RatingRangeRow& range = ratingRanges_[static_cast<std::size_t>(row)];
    bool known = rating >= 0 && rating < static_cast<int>(range.ratingNames.size());
    range.ends[static_cast<std::size_t>(end)] = known ? rating : kNoRating;
}

const std::optional<ThreePointEstimate>& cUncertaintyDlg::GetThreePoint(int row) const {
    static const std::optional<ThreePointEstimate> kNone;
    return IsRow(threePoints_, row) ? threePoints_[static_cast<std::size_t>(row)].value : kNone;
}

const std::optional<double>& cUncertaintyDlg::GetNumber(int row) const {
    static const std::optional<double> kNone;
    return IsRow(numbers_, row) ? numbers_[static_cast<std::size_t>(row)].value : kNone;
}

const std::optional<RatingRange>& cUncertaintyDlg::GetRatingRange(int row) const {
    static const std::optional<RatingRange> kNone;
    return IsRow(ratingRanges_, row) ? ratingRanges_[static_cast<std::size_t>(row)].value : kNone;
}

bool cUncertaintyDlg::Refuse(Focus focus, const std::string& message) {
    focus_ = focus;
    platform_.ShowMessage(message);
    return false;
}

bool cUncertaintyDlg::CheckRun(SimulationSettings& run) {
    using Area = Focus::Area;
    std::optional<std::uint64_t> trials = ParseSimulationCount(runTexts_[kTrialsField]);
    if (!trials)
        return Refuse({Area::Run, kTrialsField, 0}, "The number of trials must be a whole number.");
    std::int64_t count = *trials > static_cast<std::uint64_t>(kMaxTrials)
                             ? kMaxTrials + 1
                             : static_cast<std::int64_t>(*trials);
    if (std::string problem = TrialsProblem(count); !problem.empty())
        return Refuse({Area::Run, kTrialsField, 0}, problem);
    std::optional<std::uint64_t> seed = ParseSimulationCount(runTexts_[kSeedField]);
    if (!seed) return Refuse({Area::Run, kSeedField, 0}, "The seed must be a whole number.");
    run.trials = count;
    run.seed = *seed;
    run.shape = shape_;
    struct Target {
        int field;
        std::optional<double> SimulationSettings::*member;
        const char* name;
    };
    static constexpr Target kTargets[] = {
        {kEffortTargetField, &SimulationSettings::targetEffort, "The effort target"},
        {kTimeTargetField, &SimulationSettings::targetTime, "The time target"},
        {kCostTargetField, &SimulationSettings::targetCost, "The cost target"}};
    for (const auto& [field, member, name] : kTargets) {
        if (!HasRunField(field)) continue;
        const std::string& text = runTexts_[static_cast<std::size_t>(field)];
        if (IsBlank(text)) {
            run.*member = std::nullopt;
            continue;
        }
        std::optional<double> value = ParseSimulationNumber(text);
        if (!value) return Refuse({Area::Run, field, 0}, std::string(name) + " must be a number.");
        if (std::string problem = TargetProblem(name, *value); !problem.empty())
            return Refuse({Area::Run, field, 0}, problem);
        run.*member = value;
    }
    return true;
}

bool cUncertaintyDlg::CheckThreePoints() {
    for (int r = 0; r < ThreePointCount(); ++r) {
        ThreePointRow& row = threePoints_[static_cast<std::size_t>(r)];
        int blanks = 0;
        for (const std::string& text : row.texts) blanks += IsBlank(text) ? 1 : 0;
        if (blanks == 3) {
            row.value.reset();
            continue;
        }
        std::array<double, 3> values{};
        for (int part = 0; part < 3; ++part) {
            std::optional<double> value =
                ParseSimulationNumber(row.texts[static_cast<std::size_t>(part)]);
            if (!value) {
                return Refuse({Focus::Area::ThreePoint, r, part},
                              row.label + ": give all three values as numbers, or none.");
            }
            values[static_cast<std::size_t>(part)] = *value;
        }
        ThreePointEstimate estimate{values[0], values[1], values[2]};
        if (std::string problem = ThreePointProblem(row.label, estimate, row.ceiling);
            !problem.empty()) {
            int part = estimate.optimistic > estimate.mostLikely ? kOptimistic : kPessimistic;
            for (int i = 0; i < 3; ++i) {
                if (values[static_cast<std::size_t>(i)] < 0) part = i;
            }
            return Refuse({Focus::Area::ThreePoint, r, part}, problem);
        }
        row.value = estimate;
    }
    return true;
}

bool cUncertaintyDlg::CheckNumbers() {
    for (int r = 0; r < NumberCount(); ++r) {
        NumberRow& row = numbers_[static_cast<std::size_t>(r)];
        if (IsBlank(row.text)) {
            row.value.reset();
            continue;
        }
        std::optional<double> value = ParseSimulationNumber(row.text);
        if (!value || *value < row.min || *value > row.max) {
            return Refuse({Focus::Area::Number, r, 0},
                          row.label + FormatNumber(" must be a number from %g to %g, or empty.",
                                                   row.min, row.max));
        }
        row.value = value;
    }
    return true;
}

// Each number is valid on its own by now; a range needs both ends, in order.
bool cUncertaintyDlg::CheckNumberPairs() {
    for (const NumberPair& pair : numberPairs_) {
        const std::optional<double>& lowest = numbers_[static_cast<std::size_t>(pair.lowest)].value;
        const std::optional<double>& highest =
            numbers_[static_cast<std::size_t>(pair.highest)].value;
        if (lowest.has_value() != highest.has_value()) {
            return Refuse({Focus::Area::Number, lowest ? pair.highest : pair.lowest, 0},
                          pair.name + ": give both the lowest and the highest value, or neither.");
        }
        if (lowest && *lowest > *highest) {
            return Refuse({Focus::Area::Number, pair.lowest, 0},
                          pair.name + ": the lowest value is above the highest one.");
        }
    }
    return true;
}

bool cUncertaintyDlg::CheckRatingRanges() {
    for (int r = 0; r < RatingRangeCount(); ++r) {
        RatingRangeRow& row = ratingRanges_[static_cast<std::size_t>(r)];
        int lowest = row.ends[kLowestEnd];
        int highest = row.ends[kHighestEnd];
        if (lowest == kNoRating && highest == kNoRating) {
            row.value.reset();
            continue;
        }
        if (lowest == kNoRating || highest == kNoRating) {
            return Refuse(
                {Focus::Area::RatingRange, r, lowest == kNoRating ? kLowestEnd : kHighestEnd},
                row.label + ": choose both the lowest and the highest rating, or neither.");
        }
        for (int end : {kLowestEnd, kHighestEnd}) {
            int rating = row.ends[static_cast<std::size_t>(end)];
            if (!row.Has(rating)) {
                return Refuse({Focus::Area::RatingRange, r, end},
                              row.label + " has no " + RatingName(r, rating) + " rating.");
            }
        }
        if (lowest > highest) {
            return Refuse({Focus::Area::RatingRange, r, kLowestEnd},
                          row.label + ": the lowest rating (" + RatingName(r, lowest) +
                              ") is above the highest (" + RatingName(r, highest) + ").");
        }
        row.value = RatingRange{lowest, highest};
    }
    return true;
}

bool cUncertaintyDlg::OnOk() {
    SimulationSettings run = run_;
    if (!CheckRun(run) || !CheckThreePoints() || !CheckNumbers() || !CheckNumberPairs() ||
        !CheckRatingRanges()) {
        return false;
    }
    run_ = run;
    return true;
}

}  // namespace korval
