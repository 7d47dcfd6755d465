#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "tests/functionpoint/FpTestSupport.h"

namespace korval {
namespace {

using testing::FpFixture;
using testing::SetCounts;
using testing::SetRatingSum;

class FpEngineTest : public ::testing::Test, public FpFixture {};

TEST_F(FpEngineTest, FreshDocumentHasOnlyZeroFiguresAndTheProfileDefaults) {
    cFunctionPointDoc doc(context);
    EXPECT_EQ(doc.UnadjustedFunctionPointsRange(), RangedFigure{});
    EXPECT_DOUBLE_EQ(doc.ValueAdjustmentFactor(), 0.65);
    EXPECT_EQ(doc.AdjustedFunctionPointsRange(), RangedFigure{});
    EXPECT_EQ(doc.SourceLinesOfCodeRange(), RangedFigure{});
    EXPECT_EQ(doc.GetSelectedLanguage(), cLanguage("None", 0));
    EXPECT_EQ(doc.GetLanguageTable().Names(),
              (std::vector<std::string>{"None", "Ada 95", "C", "Java"}));
    EXPECT_EQ(doc.GetSensitivityType(), SensitivityType::ADJ_FP);
    const int standard[] = {3, 4, 6, 4, 5, 7, 7, 10, 15, 5, 7, 10, 3, 4, 6};
    for (int cell = 0; cell < kFunctionCellCount; ++cell) {
        EXPECT_EQ(doc.GetFunctionCount(cell), cFunctionCount(0, standard[cell]))
            << FunctionWeightKey(cell).View();
    }
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(FpEngineTest, AllFiveTypesAtOneOneOneGiveNinetySix) {
    cFunctionPointDoc doc(context);
    SetCounts(doc, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    const std::uint64_t expected[] = {13, 16, 32, 22, 13};
    for (int type = 0; type < kFunctionTypeCount; ++type) {
        EXPECT_EQ(doc.TypeSubtotal(static_cast<FunctionType>(type)), expected[type]);
    }
    EXPECT_EQ(doc.UnadjustedFunctionPoints(), 96.0);
}

struct VafCase {
    const char* name;
    int ratingSum;
    double vaf;
};

void PrintTo(const VafCase& c, std::ostream* os) {
    *os << c.name;
}

class FpVafTest : public ::testing::TestWithParam<VafCase>, public FpFixture {};

TEST_P(FpVafTest, IsSixtyFiveHundredthsPlusOneHundredthOfTheRatingSum) {
    cFunctionPointDoc doc(context);
    SetRatingSum(doc, GetParam().ratingSum);
    EXPECT_DOUBLE_EQ(doc.ValueAdjustmentFactor(), GetParam().vaf);
}

INSTANTIATE_TEST_SUITE_P(Cases, FpVafTest,
                         ::testing::Values(VafCase{"AllNone", 0, 0.65},
                                           VafCase{"SumThirtyFive", 35, 1.00},
                                           VafCase{"AllStrong", 70, 1.35}),
                         [](const auto& info) { return info.param.name; });

TEST_F(FpEngineTest, RatingsFromAFileMaySumBeyondThirtyTwoBits) {
    cFunctionPointDoc doc(context);
    for (int i = 0; i < kSystemCharacteristicCount; ++i) doc.SetRating(i, INT_MAX);
    EXPECT_DOUBLE_EQ(doc.ValueAdjustmentFactor(), 0.65 + 0.01 * 14.0 * INT_MAX);
}

// One sensitivity setting, the model it applies to and the figures with their ranges.
struct RangeCase {
    const char* name;
    std::array<int, kFunctionCellCount> counts;
    int ratingSum;
    int multiplier;
    SensitivityType type;
    int cellIndex, cellPercentage;  // DETAILS
    int typeIndex, typePercentage;  // INTERM_TOT
    int unadjustedPercentage, adjustedPercentage;
    double ufp, ufpLow, ufpHigh, afp, afpLow, afpHigh, sloc, slocLow, slocHigh;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class FpRangeTest : public ::testing::TestWithParam<RangeCase>, public FpFixture {};

TEST_P(FpRangeTest, FiguresAndRangesFollowTheSensitivityType) {
    const RangeCase& c = GetParam();
    cFunctionPointDoc doc(context);
    SetCounts(doc, c.counts);
    SetRatingSum(doc, c.ratingSum);
    doc.SetSelectedLanguage(cLanguage("Test", c.multiplier));
    FpSensitivitySettings settings;
    settings.cellPercentages[c.cellIndex] = c.cellPercentage;
    settings.typePercentages[c.typeIndex] = c.typePercentage;
    settings.unadjustedPercentage = c.unadjustedPercentage;
    settings.adjustedPercentage = c.adjustedPercentage;
    settings.type = c.type;
    doc.SetSensitivity(settings);

    RangedFigure ufp = doc.UnadjustedFunctionPointsRange();
    EXPECT_NEAR(ufp.value, c.ufp, 1e-9);
    EXPECT_NEAR(ufp.low, c.ufpLow, 1e-9);
    EXPECT_NEAR(ufp.high, c.ufpHigh, 1e-9);
    RangedFigure afp = doc.AdjustedFunctionPointsRange();
    EXPECT_NEAR(afp.value, c.afp, 1e-9);
    EXPECT_NEAR(afp.low, c.afpLow, 1e-9);
    EXPECT_NEAR(afp.high, c.afpHigh, 1e-9);
    RangedFigure sloc = doc.SourceLinesOfCodeRange();
    EXPECT_NEAR(sloc.value, c.sloc, 1e-7);
    EXPECT_NEAR(sloc.low, c.slocLow, 1e-7);
    EXPECT_NEAR(sloc.high, c.slocHigh, 1e-7);
}

constexpr std::array<int, kFunctionCellCount> kTenInputs = {10, 0, 0, 0, 0, 0, 0, 0,
                                                            0,  0, 0, 0, 0, 0, 0};
// UFP 100: 10 simple inputs (30), 10 average outputs (50), 2 simple logical files (14), 2 simple
// inquiries (6).
constexpr std::array<int, kFunctionCellCount> kHundred = {10, 0, 0, 0, 10, 0, 2, 0,
                                                          0,  0, 0, 0, 2,  0, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, FpRangeTest,
    ::testing::Values(
        // p = 30, d = 300 x 0.01 = 3: the cell adds 27 to low and 33 to high.
        RangeCase{"DetailsCellTenPercent",
                  kTenInputs,
                  35,
                  10,
                  SensitivityType::DETAILS,
                  0,
                  10,
                  0,
                  0,
                  0,
                  0,
                  30,
                  27,
                  33,
                  30,
                  27,
                  33,
                  300,
                  270,
                  330},
        RangeCase{"DetailsCellHundredPercent",
                  kTenInputs,
                  35,
                  1,
                  SensitivityType::DETAILS,
                  0,
                  100,
                  0,
                  0,
                  0,
                  0,
                  30,
                  0,
                  60,
                  30,
                  0,
                  60,
                  30,
                  0,
                  60},
        RangeCase{"DetailsOtherCellsAddTheirProduct",
                  kHundred,
                  35,
                  1,
                  SensitivityType::DETAILS,
                  4,
                  20,
                  0,
                  0,
                  0,
                  0,
                  100,
                  90,
                  110,
                  100,
                  90,
                  110,
                  100,
                  90,
                  110},
        // External Input subtotal 30 at 10 %: 27 to 33; the other types add their subtotal.
        RangeCase{"IntermediateTotalTenPercent",
                  kHundred,
                  35,
                  1,
                  SensitivityType::INTERM_TOT,
                  0,
                  0,
                  0,
                  10,
                  0,
                  0,
                  100,
                  97,
                  103,
                  100,
                  97,
                  103,
                  100,
                  97,
                  103},
        RangeCase{"UnadjustedTenPercentIgnoresAdjusted",
                  kHundred,
                  35,
                  50,
                  SensitivityType::UNADJ_FP,
                  0,
                  0,
                  0,
                  0,
                  10,
                  40,
                  100,
                  90,
                  110,
                  100,
                  90,
                  110,
                  5000,
                  4500,
                  5500},
        RangeCase{"AdjustedTwentyPercentLeavesUfpWithoutRange",
                  kHundred,
                  35,
                  2,
                  SensitivityType::ADJ_FP,
                  0,
                  90,
                  0,
                  90,
                  90,
                  20,
                  100,
                  100,
                  100,
                  100,
                  80,
                  120,
                  200,
                  160,
                  240},
        RangeCase{"UnadjustedRangeTimesVaf",
                  kHundred,
                  70,
                  1,
                  SensitivityType::UNADJ_FP,
                  0,
                  0,
                  0,
                  0,
                  50,
                  0,
                  100,
                  50,
                  150,
                  135,
                  67.5,
                  202.5,
                  135,
                  67.5,
                  202.5},
        RangeCase{"LanguageNoneGivesNoLines",
                  kHundred,
                  35,
                  0,
                  SensitivityType::ADJ_FP,
                  0,
                  0,
                  0,
                  0,
                  0,
                  50,
                  100,
                  100,
                  100,
                  100,
                  50,
                  150,
                  0,
                  0,
                  0}),
    [](const auto& info) { return info.param.name; });

TEST_F(FpEngineTest, HugeCountsFromAFileNeverOverflowIntoAWrongTotal) {
    cFunctionPointDoc doc(context);
    for (int cell = 0; cell < kFunctionCellCount; ++cell) {
        doc.SetCount(cell, 2000000000);
        doc.SetWeight(cell, INT_MAX);
    }
    FpSensitivitySettings settings;
    settings.typePercentages.fill(100);
    settings.type = SensitivityType::INTERM_TOT;
    doc.SetSensitivity(settings);
    double expected = 15.0 * 2000000000.0 * INT_MAX;
    RangedFigure ufp = doc.UnadjustedFunctionPointsRange();
    EXPECT_DOUBLE_EQ(ufp.value, expected);
    EXPECT_EQ(ufp.low, 0.0);
    EXPECT_NEAR(ufp.high, 2 * expected, expected * 1e-12);
    EXPECT_DOUBLE_EQ(static_cast<double>(doc.TypeSubtotal(kExternalInput)),
                     3.0 * 2000000000.0 * INT_MAX);
    doc.SetSelectedLanguage(cLanguage("Big", INT_MAX));
    RangedFigure sloc = doc.SourceLinesOfCodeRange();
    EXPECT_TRUE(std::isfinite(sloc.value));
    EXPECT_GT(sloc.high, 0.0);
}

TEST_F(FpEngineTest, NegativeRatingsFromAFileNeverGiveANegativeZeroLow) {
    cFunctionPointDoc doc(context);
    doc.SetCount(0, 10);
    doc.SetRating(0, -100);
    doc.SetSelectedLanguage(cLanguage("C", 128));
    doc.SetSensitivity({}, {}, 100, 0, SensitivityType::UNADJ_FP);
    RangedFigure sloc = doc.SourceLinesOfCodeRange();
    EXPECT_LT(sloc.value, 0.0);
    EXPECT_EQ(sloc.low, 0.0);
    EXPECT_FALSE(std::signbit(sloc.low)) << "a report would print -0.0";
    EXPECT_FALSE(std::signbit(doc.AdjustedFunctionPointsRange().low));
}

TEST_F(FpEngineTest, SettersIgnoreNegativeValues) {
    cFunctionPointDoc doc(context);
    doc.SetCount(0, 7);
    doc.SetCount(0, -1);
    doc.SetWeight(0, -4);
    EXPECT_EQ(doc.GetFunctionCount(0), cFunctionCount(7, 3));
    cLanguage language("C", 128);
    language.SetMultiplier(-1);
    EXPECT_EQ(language.GetMultiplier(), 128);
}

TEST_F(FpEngineTest, SetSensitivityClampsPercentagesAndType) {
    cFunctionPointDoc doc(context);
    std::array<int, kFunctionCellCount> cells{};
    cells[0] = 101;
    cells[1] = -5;
    cells[2] = 100;
    std::array<int, kFunctionTypeCount> types = {150, 0, 50, 0, -1};
    doc.SetSensitivity(cells, types, 200, 7, static_cast<SensitivityType>(9));
    const FpSensitivitySettings& s = doc.GetSensitivity();
    EXPECT_EQ(s.cellPercentages[0], 0);
    EXPECT_EQ(s.cellPercentages[1], 0);
    EXPECT_EQ(s.cellPercentages[2], 100);
    EXPECT_EQ(s.typePercentages, (std::array<int, kFunctionTypeCount>{0, 0, 50, 0, 0}));
    EXPECT_EQ(s.unadjustedPercentage, 0);
    EXPECT_EQ(s.adjustedPercentage, 7);
    EXPECT_EQ(s.type, SensitivityType::ADJ_FP);
    doc.SetSensitivity(cells, types, 0, 0, SensitivityType::INTERM_TOT);
    EXPECT_EQ(doc.GetSensitivityType(), SensitivityType::INTERM_TOT);
}

struct WeightCase {
    const char* name;
    const char* value;  // nullptr: key missing
    int weight;
    bool message;
};

void PrintTo(const WeightCase& c, std::ostream* os) {
    *os << c.name;
}

class FpLoadWeightsTest : public ::testing::TestWithParam<WeightCase>, public FpFixture {};

TEST_P(FpLoadWeightsTest, ReadsThreeCharactersAndFallsBackToTheBuiltInWeight) {
    const WeightCase& c = GetParam();
    std::string profile = "[FunctionCounts]\r\n";
    if (c.value) profile += std::string("External_Input_Average_Mult=") + c.value + "\r\n";
    WriteProfile(profile);
    platform.AcceptAllMessages();
    cFunctionPointDoc doc(context);
    EXPECT_EQ(doc.GetFunctionCount(1).GetWeight(), c.weight);
    if (c.message) {
        EXPECT_EQ(platform.Messages(),
                  std::vector<std::string>{"Invalid profile entry:  External_Input_Average_Mult"});
    } else {
        EXPECT_TRUE(platform.Messages().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FpLoadWeightsTest,
                         ::testing::Values(WeightCase{"Missing", nullptr, 4, false},
                                           WeightCase{"Zero", "0", 0, false},
                                           WeightCase{"Letters", "abc", 4, true},
                                           WeightCase{"FourDigitsReadAsThree", "1234", 123, false},
                                           WeightCase{"Negative", "-5", 4, true},
                                           WeightCase{"Empty", "", 4, true}),
                         [](const auto& info) { return info.param.name; });

TEST_F(FpEngineTest, ResetPutsEveryDatumBack) {
    cFunctionPointDoc doc(context);
    SetCounts(doc, kHundred);
    doc.SetWeight(0, 99);
    SetRatingSum(doc, 40);
    doc.SetSelectedLanguage(cLanguage("C", 128));
    doc.SetSensitivity({}, {}, 10, 10, SensitivityType::UNADJ_FP);
    doc.ResetToDefaults();
    EXPECT_EQ(doc.GetFunctionCount(0), cFunctionCount(0, 3));
    EXPECT_EQ(doc.UnadjustedFunctionPoints(), 0.0);
    EXPECT_DOUBLE_EQ(doc.ValueAdjustmentFactor(), 0.65);
    EXPECT_EQ(doc.GetSelectedLanguage().GetName(), "None");
    EXPECT_EQ(doc.GetSensitivity(), FpSensitivitySettings{});
}

}  // namespace
}  // namespace korval
