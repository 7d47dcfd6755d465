#include <gtest/gtest.h>

#include "framework/cProbabilitySolve.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using Status = SimulatedOutputs::Status;

// A simulation double: answers with what the test set and counts how often it was asked.
struct FakeSimulation {
    SimulatedOutputs answer;
    int asked = 0;

    cProbabilitySolve::Fetch Fetch() {
        return [this](const std::vector<std::string>& keys) {
            ++asked;
            EXPECT_EQ(keys, (std::vector<std::string>{"adjustedEffort", "timeToDevelop"}));
            return answer;
        };
    }
};

std::vector<ProbabilityOutput> Outputs() {
    return {{"adjustedEffort", "Adjusted effort (PM)", 100}, {"timeToDevelop", "TDEV", 12}};
}

// 1, 2, ... 101 and 11, 12, ... 111: P percent is value P + 1 and P + 11 exactly.
SimulatedOutputs Ladder() {
    SimulatedOutputs ready{Status::Ready, 1, {{}, {}}};
    for (int i = 0; i <= 100; ++i) {
        ready.sorted[0].push_back(1 + i);
        ready.sorted[1].push_back(11 + i);
    }
    return ready;
}

struct PercentCase {
    const char* text;
    const char* problem;
};

class PercentTexts : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PercentTexts, AreRefusedOutsideOneToNinetyNine) {
    EXPECT_EQ(cProbabilitySolve::PercentProblem(GetParam().text), GetParam().problem);
}

constexpr const char* kRange = "Probability must be between 1 and 99 percent.";

INSTANTIATE_TEST_SUITE_P(Table, PercentTexts,
                         ::testing::Values(PercentCase{"1", ""}, PercentCase{"99", ""},
                                           PercentCase{" 80 ", ""}, PercentCase{"12.5", ""},
                                           PercentCase{"0", kRange}, PercentCase{"0.99", kRange},
                                           PercentCase{"99.01", kRange}, PercentCase{"100", kRange},
                                           PercentCase{"-50", kRange},
                                           PercentCase{"", "Please enter a number."},
                                           PercentCase{"8O", "Please enter a number."},
                                           PercentCase{"nan", "Please enter a number."},
                                           PercentCase{"80%", "Please enter a number."}));

TEST(ProbabilitySolve, ARefusedProbabilityIsToldAndKeepsTheLastFigures) {
    testing::cScriptedPlatform platform;
    FakeSimulation simulation{Ladder()};
    cProbabilitySolve solve(platform, Outputs(), simulation.Fetch());
    EXPECT_EQ(solve.GetValue(0), 81);  // 80 % by default
    solve.SetPercentText("100");
    platform.ExpectMessage();
    EXPECT_FALSE(solve.OnSolve());
    EXPECT_EQ(platform.Messages(), std::vector<std::string>{kRange});
    EXPECT_EQ(solve.GetPercent(), 80);
    EXPECT_EQ(solve.ValueHeading(), "P80");
    EXPECT_EQ(solve.GetValue(1), 91);
}

TEST(ProbabilitySolve, SolvingForManyProbabilitiesAsksTheSimulationOnce) {
    testing::cScriptedPlatform platform;
    FakeSimulation simulation{Ladder()};
    cProbabilitySolve solve(platform, Outputs(), simulation.Fetch());
    for (const char* percent : {"10", "50", "95", "2.5"}) {
        solve.SetPercentText(percent);
        ASSERT_TRUE(solve.OnSolve());
        EXPECT_FALSE(solve.Poll());
    }
    EXPECT_EQ(solve.GetValue(0), 3.5);
    EXPECT_EQ(simulation.asked, 1);
}

TEST(ProbabilitySolve, ARunningSimulationShowsItsProgressUntilItsFiguresArrive) {
    testing::cScriptedPlatform platform;
    FakeSimulation simulation{{Status::Running, 0.25, {}}};
    cProbabilitySolve solve(platform, Outputs(), simulation.Fetch());
    EXPECT_TRUE(solve.IsRunning());
    EXPECT_EQ(solve.GetValueText(0), "");
    EXPECT_EQ(solve.GetNote(), "Simulating... 25%");
    EXPECT_FALSE(solve.Poll());  // nothing new
    simulation.answer = Ladder();
    EXPECT_TRUE(solve.Poll());
    EXPECT_FALSE(solve.IsRunning());
    EXPECT_EQ(solve.GetValueText(1), "91.0");
    EXPECT_EQ(solve.GetNote(), "80% of 101 simulated trials stay within these figures.");
}

TEST(ProbabilitySolve, OnlyARunningSimulationCanBeCancelled) {
    testing::cScriptedPlatform platform;
    int cancelled = 0;
    FakeSimulation simulation{{Status::Running, 0.5, {}, [&cancelled] { ++cancelled; }}};
    cProbabilitySolve solve(platform, Outputs(), simulation.Fetch());
    ASSERT_TRUE(solve.CanCancel());
    solve.OnCancel();
    EXPECT_EQ(cancelled, 1);
    simulation.answer = {Status::Cancelled, 0.5, {}, [&cancelled] { ++cancelled; }};
    EXPECT_TRUE(solve.Poll());
    EXPECT_FALSE(solve.CanCancel());
    solve.OnCancel();
    EXPECT_EQ(cancelled, 1);
    EXPECT_NE(solve.GetNote().find("cancelled"), std::string::npos);
}

TEST(ProbabilitySolve, WithoutUncertaintyEveryProbabilityGivesTheModelsFigures) {
    testing::cScriptedPlatform platform;
    FakeSimulation simulation{{Status::NotUncertain, 0, {}}};
    cProbabilitySolve solve(platform, Outputs(), simulation.Fetch());
    for (const char* percent : {"1", "50", "99"}) {
        solve.SetPercentText(percent);
        ASSERT_TRUE(solve.OnSolve());
        EXPECT_EQ(solve.GetValue(0), 100);
        EXPECT_EQ(solve.GetValue(1), 12);
    }
    solve.SetTarget(0, 100);
    EXPECT_EQ(solve.GetChanceText(0), "");  // no distribution to tell a chance from
    EXPECT_NE(solve.GetNote().find("No input is uncertain"), std::string::npos);
}

TEST(ProbabilitySolve, WithoutASimulationThereAreNoFiguresAndTheNoteSaysWhy) {
    testing::cScriptedPlatform platform;
    cProbabilitySolve solve(platform, Outputs(), {});
    EXPECT_TRUE(solve.OnSolve());
    EXPECT_EQ(solve.GetValue(0), std::nullopt);
    EXPECT_EQ(solve.GetNote(), "The simulation is not available here.");
}

TEST(ProbabilitySolve, TheChanceOfATargetIsTheShareOfTrialsAtOrBelowIt) {
    testing::cScriptedPlatform platform;
    FakeSimulation simulation{Ladder()};
    cProbabilitySolve solve(platform, Outputs(), simulation.Fetch());
    const std::pair<double, std::string> cases[] = {{0.5, "0%"},   {1, "1%"},     {51, "50%"},
                                                    {40.5, "40%"}, {101, "100%"}, {1000, "100%"}};
    for (const auto& [target, chance] : cases) {
        solve.SetTarget(0, target);
        EXPECT_EQ(solve.GetChanceText(0), chance) << target;
    }
    solve.SetTarget(0, std::nullopt);
    EXPECT_EQ(solve.GetChance(0), std::nullopt);
}

TEST(ProbabilitySolve, ACancelledRunIsAskedForAgainOnSolve) {
    testing::cScriptedPlatform platform;
    FakeSimulation simulation{{Status::Cancelled, 0.5, {}}};
    cProbabilitySolve solve(platform, Outputs(), simulation.Fetch());
    EXPECT_NE(solve.GetNote().find("cancelled"), std::string::npos);
    simulation.answer = Ladder();
    ASSERT_TRUE(solve.OnSolve());
    EXPECT_EQ(solve.GetValue(0), 81);
    EXPECT_EQ(simulation.asked, 2);
}

}  // namespace
}  // namespace korval
