#include <cmath>

#include "cocomo/cCocomoReverseDlg.h"
#include "framework/NumberText.h"
#include "tests/cocomo/CocomoTestSupport.h"

namespace korval::testing {
namespace {

using Reverse = CocomoTest;
using Strings = std::vector<std::string>;
using Q = cCocomoReverseDlg;

const ModeConstants kSemidetachedConstants{3.0, 1.12, 2.5, 0.35};

TEST_F(Reverse, NewDocumentShowsZeros) {
    cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
    for (int q = 0; q < Q::kRowCount; ++q) {
        auto row = static_cast<Q::Row>(q);
        EXPECT_EQ(dlg.GetInputText(row), "0.0");
        EXPECT_EQ(dlg.GetOutputText(row), "0.0");
        EXPECT_EQ(dlg.GetOriginalText(row), "0.0");
    }
    EXPECT_EQ(dlg.GetModifyRow(), Q::kSourceLinesRow);
    EXPECT_TRUE(dlg.IsInputEnabled(Q::kSourceLinesRow));
    EXPECT_FALSE(dlg.IsInputEnabled(Q::kTimeToDevelopRow));
    EXPECT_EQ(dlg.GetFocusRow(), Q::kSourceLinesRow);
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(Reverse, NominalEffortBackToSize) {
    cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
    dlg.OnModifyRadio(Q::kNominalEffortRow);
    EXPECT_TRUE(dlg.IsInputEnabled(Q::kNominalEffortRow));
    EXPECT_FALSE(dlg.IsInputEnabled(Q::kSourceLinesRow));
    dlg.SetInputText(Q::kNominalEffortRow, "145.5087904");
    ASSERT_TRUE(dlg.OnCalculate());
    EXPECT_NEAR(dlg.GetOutput(Q::kSourceLinesRow), 32000, 0.01);
    EXPECT_EQ(dlg.GetOutputText(Q::kTimeToDevelopRow), "14.3");
    EXPECT_EQ(dlg.GetInputText(Q::kNominalEffortRow), "145.5");
}

TEST_F(Reverse, EachStartingQuantityDerivesTheOthers) {
    const double factor = 1.25;
    const ModeConstants c = kSemidetachedConstants;
    double nominal = c.a * std::pow(20.0, c.b);
    double adjusted = factor * nominal;
    double time = c.tm * std::pow(adjusted, c.te);
    struct Case {
        Q::Row row;
        double input;
    };
    for (Case k : {Case{Q::kSourceLinesRow, 20000}, Case{Q::kNominalEffortRow, nominal},
                   Case{Q::kAdjustedEffortRow, adjusted}, Case{Q::kTimeToDevelopRow, time}}) {
        cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, factor, c);
        dlg.OnModifyRadio(k.row);
        dlg.SetInputText(k.row, FormatNumber("%.9f", k.input));
        ASSERT_TRUE(dlg.OnCalculate());
        EXPECT_NEAR(dlg.GetOutput(Q::kSourceLinesRow), 20000, 1e-3) << k.row;
        EXPECT_NEAR(dlg.GetOutput(Q::kNominalEffortRow), nominal, 1e-6) << k.row;
        EXPECT_NEAR(dlg.GetOutput(Q::kAdjustedEffortRow), adjusted, 1e-6) << k.row;
        EXPECT_NEAR(dlg.GetOutput(Q::kTimeToDevelopRow), time, 1e-6) << k.row;
    }
}

TEST_F(Reverse, ZeroFactorLeavesNominalAndSizeZero) {
    cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, 0.0, kSemidetachedConstants);
    dlg.OnModifyRadio(Q::kTimeToDevelopRow);
    dlg.SetInputText(Q::kTimeToDevelopRow, "12");
    ASSERT_TRUE(dlg.OnCalculate());
    EXPECT_NEAR(dlg.GetOutput(Q::kAdjustedEffortRow), std::pow(12 / 2.5, 1 / 0.35), 1e-9);
    EXPECT_EQ(dlg.GetOutput(Q::kNominalEffortRow), 0);
    EXPECT_EQ(dlg.GetOutput(Q::kSourceLinesRow), 0);
}

TEST_F(Reverse, InputChecks) {
    struct Case {
        Q::Row row;
        const char* text;
        const char* message;
    };
    for (Case c : {Case{Q::kSourceLinesRow, "1.2.3", "Please enter a number."},
                   Case{Q::kNominalEffortRow, "12 5", "Please enter a number."},
                   Case{Q::kTimeToDevelopRow, "3-", "Please enter a number."},
                   Case{Q::kSourceLinesRow, "1e5", "Please enter a number."},
                   Case{Q::kSourceLinesRow, "-", "Please enter a number."},
                   Case{Q::kAdjustedEffortRow, "", "Please enter a number."},
                   Case{Q::kAdjustedEffortRow, "-5", "Adjusted person months cannot be negative."},
                   Case{Q::kSourceLinesRow, "-1", "Source lines of code cannot be negative."},
                   Case{Q::kNominalEffortRow, "-0.1", "Nominal person months cannot be negative."},
                   Case{Q::kTimeToDevelopRow, "10000.5",
                        "Time to develop must be between 0 and 10000 months."},
                   Case{Q::kTimeToDevelopRow, "10,000.5", "Please enter a number."}}) {
        cScriptedPlatform local;
        cCocomoReverseDlg dlg(local, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
        dlg.OnModifyRadio(c.row);
        dlg.SetInputText(c.row, c.text);
        local.ExpectMessage();
        EXPECT_FALSE(dlg.OnCalculate()) << c.text;
        EXPECT_EQ(local.Messages(), Strings{c.message}) << c.text;
        EXPECT_EQ(dlg.GetModifyRow(), c.row);
        EXPECT_TRUE(dlg.IsInputEnabled(c.row));
        EXPECT_EQ(dlg.GetFocusRow(), c.row);
        EXPECT_EQ(dlg.GetInputText(c.row), c.text);  // a refused text stays as typed
    }
    for (const char* accepted : {"  42\t", "10000", "0", "-0", ".5"}) {
        cScriptedPlatform local;
        cCocomoReverseDlg dlg(local, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
        dlg.OnModifyRadio(Q::kTimeToDevelopRow);
        dlg.SetInputText(Q::kTimeToDevelopRow, accepted);
        EXPECT_TRUE(dlg.OnCalculate()) << accepted;
    }
}

TEST_F(Reverse, BadInputBlocksChoosingAnotherRadio) {
    cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
    dlg.SetInputText(Q::kSourceLinesRow, "abc");
    platform.ExpectMessage();
    dlg.OnModifyRadio(Q::kTimeToDevelopRow);
    EXPECT_EQ(dlg.GetModifyRow(), Q::kSourceLinesRow);
    EXPECT_EQ(platform.Messages(), Strings{"Please enter a number."});
}

TEST_F(Reverse, ResetReturnsToTheStartingValues) {
    cCocomoReverseDlg dlg(platform, {32000, 145.5087904, 145.5087904, 14.2905}, 1.0,
                          kSemidetachedConstants);
    EXPECT_EQ(dlg.GetOriginalText(Q::kSourceLinesRow), "32000.0");
    EXPECT_EQ(dlg.GetOutputText(Q::kNominalEffortRow), "145.5");
    dlg.OnModifyRadio(Q::kAdjustedEffortRow);
    dlg.SetInputText(Q::kAdjustedEffortRow, "300");
    ASSERT_TRUE(dlg.OnCalculate());
    EXPECT_GT(dlg.GetOutput(Q::kSourceLinesRow), 32000);
    dlg.OnReset();
    EXPECT_EQ(dlg.GetModifyRow(), Q::kSourceLinesRow);
    EXPECT_EQ(dlg.GetFocusRow(), Q::kSourceLinesRow);
    EXPECT_EQ(dlg.GetInputText(Q::kAdjustedEffortRow), "145.5");
    EXPECT_NEAR(dlg.GetOutput(Q::kSourceLinesRow), 32000, 1e-6);
}

TEST_F(Reverse, OverflowingInputsGiveFiniteOutputs) {
    cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
    dlg.SetInputText(Q::kSourceLinesRow, std::string(400, '9'));
    ASSERT_TRUE(dlg.OnCalculate());
    for (int q = 0; q < Q::kRowCount; ++q)
        EXPECT_TRUE(std::isfinite(dlg.GetOutput(static_cast<Q::Row>(q))));
}

}  // namespace
}  // namespace korval::testing
