#include <gtest/gtest.h>

#include <sstream>

#include "cli/cCliRunner.h"
#include "cocomo/cCocomoDoc.h"
#include "framework/cUncertaintyDlg.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "simulation/UncertaintyFileCheck.h"
#include "system/cSystemDoc.h"
#include "tests/simulation/SimulationTestSupport.h"

namespace korval {
namespace {

using testing::SimulationTest;
using testing::TempDir;

const char* const kGarbage =
    "[COCOMO_Uncertainty]\n"
    "Distribution=BOGUS\n"
    "Trials=0\n"
    "Seed=xyz\n"
    "Target_Effort=-3\n"
    "Target_TDEV=nan\n"
    "SLOC_Optimistic=90000\n"
    "SLOC_Most_Likely=abc\n"
    "SLOC_Pessimistic=-5\n"
    "Model_Error_Spread=inf\n"
    "Driver_Lowest00=QQ\n"
    "Driver_Highest00=VH\n"
    "Driver_Lowest01=VH\n"
    "Driver_Highest01=L\n"
    "Driver_Lowest9999999999=L\n";

TEST_F(SimulationTest, GarbageInTheSectionReadsAsNoUncertainty) {
    auto document = Open(CopyExample("flight-management.CCM", kGarbage));
    ASSERT_TRUE(document);
    auto& cocomo = dynamic_cast<cCocomoDoc&>(*document);
    CocomoUncertainty expected;
    expected.driverRanges.resize(cocomo.GetCostDrivers().size());
    EXPECT_EQ(cocomo.GetUncertainty(), expected);

    SimulationResults results = Simulate(cocomo);
    EXPECT_EQ(results.run.trials, kDefaultTrials);
    EXPECT_EQ(results.Find("adjustedEffort")->p90, cocomo.GetAdjustedEffort());

    std::vector<std::string> problems = UncertaintyFileProblems(document->GetPathName());
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_NE(problems[0].find("SLOC_Most_Likely is not a number"), std::string::npos);
    EXPECT_NE(problems[1].find("Trials = 0"), std::string::npos);
    EXPECT_NE(problems[2].find("Seed = xyz"), std::string::npos);
}

TEST_F(SimulationTest, ThreePointsOutOfOrderAreDroppedAndNamed) {
    auto path = CopyExample("claims-portal.RLM",
                            "[Rayleigh_Uncertainty]\nSLOC_Optimistic=900\nSLOC_Most_Likely=500\n"
                            "SLOC_Pessimistic=1000\nTDEV_Optimistic=10\nTDEV_Most_Likely=12\n"
                            "TDEV_Pessimistic=20\nTrials=1000000000\nSeed=" +
                                std::string(330, '9') + "\n");
    auto document = Open(path);
    const RayleighUncertainty& read = dynamic_cast<cRayleighDoc&>(*document).GetUncertainty();
    EXPECT_FALSE(read.size);
    EXPECT_EQ(read.timeToDevelop, (ThreePointEstimate{10, 12, 20}));
    EXPECT_EQ(read.run.trials, kDefaultTrials);
    EXPECT_EQ(read.run.seed, kDefaultSeed);
    std::vector<std::string> problems = UncertaintyFileProblems(path);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_NE(problems[0].find("optimistic value is above the most likely"), std::string::npos);
    EXPECT_NE(problems[1].find("cannot exceed"), std::string::npos);
    EXPECT_NE(problems[2].find("Seed = 999"), std::string::npos);
    EXPECT_NE(problems[2].find("Seed 1 is used."), std::string::npos);
}

// A range beyond what the model's own field takes is dropped and named, in the file and
// in the Uncertainty dialog alike.
TEST_F(SimulationTest, RangesBeyondTheFieldsLimitAreRefused) {
    auto path = CopyExample("claims-portal.RLM",
                            "[Rayleigh_Uncertainty]\nSLOC_Optimistic=9000\nSLOC_Most_Likely=10000\n"
                            "SLOC_Pessimistic=999999999999\n");
    auto document = Open(path);
    EXPECT_FALSE(dynamic_cast<cRayleighDoc&>(*document).GetUncertainty().size);
    std::vector<std::string> problems = UncertaintyFileProblems(path);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("[Rayleigh_Uncertainty] SLOC: a value cannot be above 999999999."),
              std::string::npos)
        << problems[0];

    cUncertaintyDlg dialog(platform, "Uncertainty", SimulationSettings{});
    int row = dialog.AddThreePoint("Size", std::nullopt, kLargestFieldValue);
    for (int part = 0; part < 3; ++part) dialog.SetThreePointText(row, part, "999999999999");
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnOk());
}

TEST_F(SimulationTest, SettingsSurviveSaveAndOpenForEveryKind) {
    auto cocomoDoc = Open(CopyExample("flight-management.CCM"));
    auto& cocomo = dynamic_cast<cCocomoDoc&>(*cocomoDoc);
    CocomoUncertainty c = cocomo.GetUncertainty();
    c.size = ThreePointEstimate{1000.5, 2000, 4000};
    c.driverRanges.at(1) = RatingRange{kLow, kVeryHigh};
    c.modelErrorSpread = 0.25;
    c.run = {ThreePointShape::Pert, 5000, 77,    120.5,
             std::nullopt,          18,   false, ThreePointEstimate{9000, 10000, 12000.5}};
    cocomo.SetUncertainty(c);

    auto rayleighDoc = Open(CopyExample("claims-portal.RLM"));
    auto& rayleigh = dynamic_cast<cRayleighDoc&>(*rayleighDoc);
    RayleighUncertainty r;
    r.size = ThreePointEstimate{1, 2, 3};
    r.timeToDevelop = ThreePointEstimate{10, 11, 15};
    r.productivityVaries = true;
    rayleigh.SetUncertainty(r);

    auto fpDoc = Open(CopyExample("payroll.FPM"));
    auto& fp = dynamic_cast<cFunctionPointDoc&>(*fpDoc);
    FunctionPointUncertainty f;
    f.unadjustedFunctionPoints = ThreePointEstimate{100, 150, 300};
    f.totalDegreeOfInfluence = InfluenceRange{20, 45};
    fp.SetUncertainty(f);

    for (cModelDoc* document : {cocomoDoc.get(), rayleighDoc.get(), fpDoc.get()}) {
        std::string path = document->GetPathName() + ".copy";
        ASSERT_TRUE(document->SaveAs(path));
    }
    EXPECT_EQ(dynamic_cast<cCocomoDoc&>(*Open(cocomo.GetPathName())).GetUncertainty(), c);
    EXPECT_EQ(dynamic_cast<cRayleighDoc&>(*Open(rayleigh.GetPathName())).GetUncertainty(), r);
    EXPECT_EQ(dynamic_cast<cFunctionPointDoc&>(*Open(fp.GetPathName())).GetUncertainty(), f);
}

TEST_F(SimulationTest, AFileWithoutUncertaintyIsSavedWithoutTheNewSections) {
    for (const char* name :
         {"flight-management.CCM", "claims-portal.RLM", "payroll.FPM", "payroll.PRJ"}) {
        auto document = Open(CopyExample(name));
        std::string path = document->GetPathName() + ".copy";
        ASSERT_TRUE(document->SaveAs(path));
        EXPECT_EQ(TempDir::ReadFile(path).find("Uncertainty]"), std::string::npos) << name;
    }
}

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult RunCli(std::vector<std::string> args) {
    args.push_back("--profile");
    args.push_back(KORVAL_DEFAULTS_PROFILE);
    std::ostringstream out;
    std::ostringstream err;
    int status = cCliRunner().Run(args, out, err);
    return {status, out.str(), err.str()};
}

TEST_F(SimulationTest, SimulateRefusesBadOptionsWithAClearMessage) {
    std::string file = CopyExample("flight-management.CCM");
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--trials", "0"}, "at least 1"},
        {{"--trials", "1000000000"}, "cannot exceed 1000000"},
        {{"--trials", "12x"}, "--trials needs a whole number, not \"12x\""},
        {{"--trials", "-5"}, "--trials needs a whole number"},
        {{"--seed", "nan"}, "--seed needs a whole number"},
        {{"--budget", "nan"}, "--budget needs a number, not \"nan\""},
        {{"--deadline", "-2"}, "time target cannot be below 0"},
        {{"--cost-target", "12k"}, "--cost-target needs a number, not \"12k\""},
        {{"--cost-target", "-1"}, "cost target cannot be below 0"},
        {{"--threads", "0"}, "--threads needs a number from 1 to 256"},
    };
    for (const auto& [options, message] : cases) {
        std::vector<std::string> args = {"simulate", file};
        args.insert(args.end(), options.begin(), options.end());
        CliResult result = RunCli(args);
        EXPECT_EQ(result.status, cCliRunner::kUsageError) << options[0];
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(RunCli({"figures", file, "--trials", "5"}).status, cCliRunner::kUsageError);
}

TEST_F(SimulationTest, SimulatePrintsEveryPercentileAndWarnsOfSpoiledSettings) {
    std::string file = CopyExample("flight-management.CCM", kGarbage);
    CliResult result = RunCli(
        {"simulate", file, "--trials", "500", "--seed", "3", "--budget", "1e9", "--deadline", "0"});
    EXPECT_EQ(result.status, cCliRunner::kSuccess) << result.err;
    for (const char* key :
         {"\"trials\": 500", "\"seed\": 3", "\"adjustedEffort\"", "\"p10\"", "\"p50\"", "\"p80\"",
          "\"p90\"", "\"standardDeviation\"", "\"histogram\"", "\"probabilityOfTarget\": 1.0",
          "\"probabilityOfTarget\": 0.0"}) {
        EXPECT_NE(result.out.find(key), std::string::npos) << key;
    }
    EXPECT_NE(result.err.find("SLOC_Most_Likely is not a number"), std::string::npos);
}

// The file's cost target (9,000,000) gives way to the option's, as the other targets do.
TEST_F(SimulationTest, SimulateTakesTheCostTargetFromTheCommandLine) {
    std::string file = CopyExample("flight-management.CCM");
    const std::pair<const char*, const char*> cases[] = {
        {"1", "\"target\": 1.0,\n      \"probabilityOfTarget\": 0.0"},
        {"1e12", "\"target\": 1000000000000.0,\n      \"probabilityOfTarget\": 1.0"},
    };
    for (const auto& [target, expected] : cases) {
        CliResult result = RunCli({"simulate", file, "--trials", "200", "--cost-target", target});
        ASSERT_EQ(result.status, cCliRunner::kSuccess) << result.err;
        std::size_t cost = result.out.find("\"cost\": {");
        ASSERT_NE(cost, std::string::npos);
        EXPECT_NE(result.out.find(expected, cost), std::string::npos) << result.out.substr(cost);
    }
}

}  // namespace
}  // namespace korval
