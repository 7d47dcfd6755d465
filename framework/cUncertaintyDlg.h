#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "framework/UncertaintyInputs.h"
#include "framework/cDialogLogic.h"

namespace korval {

class cPlatformServices;

// Uncertainty: what the simulation varies and how it runs. Every kind fills it with its
// own inputs (rows of three-point estimates, single numbers, switches) over the run fields
// every kind shares (distribution, trials, seed, effort and time targets, and the cost target
// of the kinds that price their effort), and rows of
// rating ranges (a cost driver's lowest and highest rating). A row left empty is certain;
// OK refuses, naming the field, a row with a value missing or out of order, a value that is
// not a number, a range given by one end or a rating the row does not have, trials outside
// 1..1,000,000 and negative targets.
class cUncertaintyDlg : public cDialogLogic {
  public:
    enum RunField {
        kTrialsField,
        kSeedField,
        kEffortTargetField,
        kTimeTargetField,
        kCostTargetField
    };
    static constexpr int kRunFieldCount = 5;
    enum Part { kOptimistic, kMostLikely, kPessimistic };

    cUncertaintyDlg(cPlatformServices& platform, std::string title, const SimulationSettings& run);

    const char* Title() const override { return title_.c_str(); }
    int HelpTopic() const override { return kHelpTopic; }
    static constexpr int kHelpTopic = 300;

    // --- Building the dialog (each returns the row's index) -------------------------
    // A value above ceiling is refused (the size and schedule fields stop at
    // kLargestFieldValue).
    int AddThreePoint(std::string label, const std::optional<ThreePointEstimate>& estimate,
                      double ceiling = kThreePointCeiling);
    // A number that may be left empty (none), within min..max.
    int AddNumber(std::string label, const std::optional<double>& value, double min, double max);
    int AddSwitch(std::string label, bool on);
    // Shows the cost target, in the document's currency (none: no unit in the label). A
    // dialog without it keeps the cost target the settings had.
    void OfferCostTarget(std::string currency);
    // Makes two number rows the lowest and highest value of one range named `name`: both
    // or neither must be given, the lowest not above the highest.
    void PairAsRange(int lowestRow, int highestRow, std::string name);
    // A row of ratings, lowest first: their names, which of them the input has, the one it
    // has now (shown beside the range) and its range, none for a certain rating.
    int AddRatingRange(std::string label, std::string current, std::vector<std::string> ratingNames,
                       std::vector<bool> hasRating, const std::optional<RatingRange>& range);

    // --- Fields -----------------------------------------------------------------------
    bool HasRunField(int field) const;
    std::string RunFieldLabel(int field) const;
    const std::string& GetRunText(int field) const;
    void SetRunText(int field, std::string text);
    ThreePointShape GetShape() const { return shape_; }
    void SetShape(ThreePointShape shape) { shape_ = shape; }

    int ThreePointCount() const { return static_cast<int>(threePoints_.size()); }
    const std::string& ThreePointLabel(int row) const;
    const std::string& GetThreePointText(int row, int part) const;
    void SetThreePointText(int row, int part, std::string text);

    int NumberCount() const { return static_cast<int>(numbers_.size()); }
    const std::string& NumberLabel(int row) const;
    const std::string& GetNumberText(int row) const;
    void SetNumberText(int row, std::string text);

    int SwitchCount() const { return static_cast<int>(switches_.size()); }
    const std::string& SwitchLabel(int row) const;
    bool GetSwitch(int row) const;
    void SetSwitch(int row, bool on);

    static constexpr int kNoRating = -1;
    enum RangeEnd { kLowestEnd, kHighestEnd };
    int RatingRangeCount() const { return static_cast<int>(ratingRanges_.size()); }
    const std::string& RatingRangeLabel(int row) const;
    const std::string& CurrentRating(int row) const;
    // The ratings a row offers, lowest first: those it has, and a chosen one it lacks (read
    // from a file) so that it shows until OK refuses it.
    std::vector<int> RatingChoices(int row) const;
    const std::string& RatingName(int row, int rating) const;
    // kNoRating, or the rating chosen at that end.
    int GetRangeEnd(int row, int end) const;
    void SetRangeEnd(int row, int end, int rating);

    // Where the focus goes after a refused OK: a run field, a three-point row's part, a
    // number row or a rating range's end.
    struct Focus {
        enum class Area { Run, ThreePoint, Number, RatingRange } area = Area::Run;
        int row = kTrialsField;
        int part = 0;
    };
    const Focus& GetFocus() const { return focus_; }

    // Checks every field; false (the dialog stays open, the focus on the field) after
    // telling the user what is wrong.
    bool OnOk();

    // --- Accepted values (valid after OnOk returned true) -------------------------------
    const SimulationSettings& GetRun() const { return run_; }
    const std::optional<ThreePointEstimate>& GetThreePoint(int row) const;
    const std::optional<double>& GetNumber(int row) const;
    const std::optional<RatingRange>& GetRatingRange(int row) const;

  private:
    struct ThreePointRow {
        std::string label;
        std::array<std::string, 3> texts;
        std::optional<ThreePointEstimate> value;
        double ceiling = kThreePointCeiling;
    };
    struct NumberRow {
        std::string label;
        std::string text;
        std::optional<double> value;
        double min = 0;
        double max = 0;
    };
    struct SwitchRow {
        std::string label;
        bool on = false;
    };
    struct NumberPair {
        int lowest = 0;
        int highest = 0;
        std::string name;
    };
    struct RatingRangeRow {
        std::string label;
        std::string current;
        std::vector<std::string> ratingNames;
        std::vector<bool> hasRating;
        std::array<int, 2> ends{kNoRating, kNoRating};
        std::optional<RatingRange> value;

        bool Has(int rating) const;
    };

    bool Refuse(Focus focus, const std::string& message);
    bool CheckRun(SimulationSettings& run);
    bool CheckThreePoints();
    bool CheckNumbers();
    bool CheckNumberPairs();
    bool CheckRatingRanges();

    cPlatformServices& platform_;
    std::string title_;
    SimulationSettings run_;
    ThreePointShape shape_;
    std::array<std::string, kRunFieldCount> runTexts_;
    std::optional<std::string> costCurrency_;
    std::vector<ThreePointRow> threePoints_;
    std::vector<NumberRow> numbers_;
    std::vector<SwitchRow> switches_;
    std::vector<NumberPair> numberPairs_;
    std::vector<RatingRangeRow> ratingRanges_;
    Focus focus_;
};

}  // namespace korval
