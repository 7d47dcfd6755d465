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
    for (int q = 0; q < Q::kQuantityCount; ++q) {
        EXPECT_EQ(dlg.GetInputText(q), "0.0000000");
        EXPECT_EQ(dlg.GetOutputText(q), "0.0");
        EXPECT_EQ(dlg.GetOriginalText(q), "0.0");
    }
    EXPECT_EQ(dlg.GetSelected(), Q::kSourceLines);
    EXPECT_TRUE(dlg.IsInputEnabled(Q::kSourceLines));
    EXPECT_FALSE(dlg.IsInputEnabled(Q::kTimeToDevelop));
    EXPECT_EQ(dlg.GetFocus(), Q::kSourceLines);
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(Reverse, NominalEffortBackToSize) {
    cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
    dlg.OnRadio(Q::kNominalEffort);
    EXPECT_TRUE(dlg.IsInputEnabled(Q::kNominalEffort));
    EXPECT_FALSE(dlg.IsInputEnabled(Q::kSourceLines));
    dlg.SetInputText(Q::kNominalEffort, "145.5087904");
    ASSERT_TRUE(dlg.OnCalculate());
    EXPECT_NEAR(dlg.GetOutput(Q::kSourceLines), 32000, 0.01);
    EXPECT_EQ(dlg.GetOutputText(Q::kTimeToDevelop), "14.3");
    EXPECT_EQ(dlg.GetInputText(Q::kNominalEffort), "145.5087904");
}

TEST_F(Reverse, EachStartingQuantityDerivesTheOthers) {
    const double factor = 1.25;
    const ModeConstants c = kSemidetachedConstants;
    double nominal = c.a * std::pow(20.0, c.b);
    double adjusted = factor * nominal;
    double time = c.tm * std::pow(adjusted, c.te);
    struct Case {
        int quantity;
        double input;
    };
    for (Case k : {Case{Q::kSourceLines, 20000}, Case{Q::kNominalEffort, nominal},
                   Case{Q::kAdjustedEffort, adjusted}, Case{Q::kTimeToDevelop, time}}) {
        cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, factor, c);
        dlg.OnRadio(k.quantity);
        dlg.SetInputText(k.quantity, FormatNumber("%.9f", k.input));
        ASSERT_TRUE(dlg.OnCalculate());
        EXPECT_NEAR(dlg.GetOutput(Q::kSourceLines), 20000, 1e-3) << k.quantity;
        EXPECT_NEAR(dlg.GetOutput(Q::kNominalEffort), nominal, 1e-6) << k.quantity;
        EXPECT_NEAR(dlg.GetOutput(Q::kAdjustedEffort), adjusted, 1e-6) << k.quantity;
        EXPECT_NEAR(dlg.GetOutput(Q::kTimeToDevelop), time, 1e-6) << k.quantity;
    }
}

TEST_F(Reverse, ZeroFactorLeavesNominalAndSizeZero) {
    cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, 0.0, kSemidetachedConstants);
    dlg.OnRadio(Q::kTimeToDevelop);
    dlg.SetInputText(Q::kTimeToDevelop, "12");
    ASSERT_TRUE(dlg.OnCalculate());
    EXPECT_NEAR(dlg.GetOutput(Q::kAdjustedEffort), std::pow(12 / 2.5, 1 / 0.35), 1e-9);
    EXPECT_EQ(dlg.GetOutput(Q::kNominalEffort), 0);
    EXPECT_EQ(dlg.GetOutput(Q::kSourceLines), 0);
}

TEST_F(Reverse, InputChecks) {
    struct Case {
        int quantity;
        const char* text;
        const char* message;
    };
    for (Case c :
         {Case{Q::kSourceLines, "1.2.3", "Please enter a valid floating point number"},
          Case{Q::kNominalEffort, "12 5", "Please enter a valid floating point number"},
          Case{Q::kTimeToDevelop, "3-", "Please enter a valid floating point number"},
          Case{Q::kSourceLines, "1e5", "Please enter a valid floating point number"},
          Case{Q::kSourceLines, "-", "Please enter a valid floating point number"},
          Case{Q::kAdjustedEffort, "", "Please enter a valid floating point number"},
          Case{Q::kAdjustedEffort, "-5", "Adjusted person months must be greater than zero"},
          Case{Q::kSourceLines, "-1", "Source lines of code must be greater than zero"},
          Case{Q::kNominalEffort, "-0.1", "Nominal person months must be greater than zero"},
          Case{Q::kTimeToDevelop, "10000.5",
               "Time to develop must be between 0.0 and 10000.0 months"},
          Case{Q::kTimeToDevelop, "10,000.5", "Please enter a valid floating point number"}}) {
        cScriptedPlatform local;
        cCocomoReverseDlg dlg(local, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
        dlg.OnRadio(c.quantity);
        dlg.SetInputText(c.quantity, c.text);
        local.ExpectMessage();
        EXPECT_FALSE(dlg.OnCalculate()) << c.text;
        EXPECT_EQ(local.Messages(), Strings{c.message}) << c.text;
        EXPECT_EQ(dlg.GetSelected(), c.quantity);
        EXPECT_TRUE(dlg.IsInputEnabled(c.quantity));
        EXPECT_EQ(dlg.GetFocus(), c.quantity);
        EXPECT_EQ(dlg.GetInputText(c.quantity), c.text);  // a refused text stays as typed
    }
    for (const char* accepted : {"  42\t", "10000", "0", "-0", ".5"}) {
        cScriptedPlatform local;
        cCocomoReverseDlg dlg(local, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
        dlg.OnRadio(Q::kTimeToDevelop);
        dlg.SetInputText(Q::kTimeToDevelop, accepted);
        EXPECT_TRUE(dlg.OnCalculate()) << accepted;
    }
}

TEST_F(Reverse, BadInputBlocksChoosingAnotherRadio) {
    cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
    dlg.SetInputText(Q::kSourceLines, "abc");
    platform.ExpectMessage();
    dlg.OnRadio(Q::kTimeToDevelop);
    EXPECT_EQ(dlg.GetSelected(), Q::kSourceLines);
    EXPECT_EQ(platform.Messages(), Strings{"Please enter a valid floating point number"});
}

TEST_F(Reverse, ResetReturnsToTheStartingValues) {
    cCocomoReverseDlg dlg(platform, {32000, 145.5087904, 145.5087904, 14.2905}, 1.0,
                          kSemidetachedConstants);
    EXPECT_EQ(dlg.GetOriginalText(Q::kSourceLines), "32000.0");
    EXPECT_EQ(dlg.GetOutputText(Q::kNominalEffort), "145.5");
    dlg.OnRadio(Q::kAdjustedEffort);
    dlg.SetInputText(Q::kAdjustedEffort, "300");
    ASSERT_TRUE(dlg.OnCalculate());
    EXPECT_GT(dlg.GetOutput(Q::kSourceLines), 32000);
    dlg.OnReset();
    EXPECT_EQ(dlg.GetSelected(), Q::kSourceLines);
    EXPECT_EQ(dlg.GetFocus(), Q::kSourceLines);
    EXPECT_EQ(dlg.GetInputText(Q::kAdjustedEffort), "145.5087904");
    EXPECT_NEAR(dlg.GetOutput(Q::kSourceLines), 32000, 1e-6);
}

TEST_F(Reverse, OverflowingInputsGiveFiniteOutputs) {
    cCocomoReverseDlg dlg(platform, {0, 0, 0, 0}, 1.0, kSemidetachedConstants);
    dlg.SetInputText(Q::kSourceLines, std::string(400, '9'));
    ASSERT_TRUE(dlg.OnCalculate());
    for (int q = 0; q < Q::kQuantityCount; ++q) EXPECT_TRUE(std::isfinite(dlg.GetOutput(q)));
}

}  // namespace
}  // namespace korval::testing
