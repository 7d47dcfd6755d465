#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "cli/SimulationJson.h"
#include "cocomo/cCocomoDoc.h"
#include "framework/NumberText.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "simulation/Distributions.h"
#include "simulation/cRayleighTrialModel.h"
#include "system/cSystemDoc.h"
#include "tests/simulation/SimulationTestSupport.h"

namespace korval {
namespace {

using testing::SimulationTest;

struct Expected {
    const char* key;
    double value;
};

std::vector<Expected> DeterministicFigures(const cModelDoc& document) {
    if (auto* cocomo = dynamic_cast<const cCocomoDoc*>(&document))
        return {{"adjustedEffort", cocomo->GetAdjustedEffort()},
                {"timeToDevelop", cocomo->GetTimeToDevelop()},
                {"cost", cocomo->GetCostRate().CostOf(cocomo->GetAdjustedEffort())}};
    if (auto* fp = dynamic_cast<const cFunctionPointDoc*>(&document))
        return {{"adjustedFunctionPoints", fp->AdjustedFunctionPoints()},
                {"sourceLines", fp->SourceLinesOfCode()}};
    if (auto* rayleigh = dynamic_cast<const cRayleighDoc*>(&document)) {
        return {{"timeToDevelop", rayleigh->GetSchedule()},
                {"mainBuildEffort", rayleigh->MainBuildEffortMonths()},
                {"peakStaff", rayleigh->PeakStaff()},
                {"mbi", rayleigh->ManpowerBuildupIndex()},
                {"cost", rayleigh->GetCostRate().CostOf(rayleigh->MainBuildEffortMonths())}};
    }
    if (auto* project = dynamic_cast<const cProjectDoc*>(&document)) {
        const cRayleighDoc& rayleigh = *project->GetRayleighModel();
        return {{"adjustedEffort", project->GetCocomoModel()->GetAdjustedEffort()},
                {"timeToDevelop", project->GetCocomoModel()->GetTimeToDevelop()},
                {"mainBuildEffort", rayleigh.MainBuildEffortMonths()},
                {"peakStaff", rayleigh.PeakStaff()},
                {"mbi", project->GetRayleighModel()->ManpowerBuildupIndex()},
                {"sourceLines", project->GetCocomoModel()->GetSourceLinesRange().value},
                {"cost",
                 project->GetCostRate().CostOf(project->GetCocomoModel()->GetAdjustedEffort())}};
    }
    auto& system = dynamic_cast<const cSystemDoc&>(document);
    return {{"cost", system.GetCostRate().CostOf(system.GetTotalEffort())},
            {"totalEffort", system.GetTotalEffort()},
            {"totalTimeToDevelop", system.GetTotalTdev()},
            {"totalSourceLines", system.GetTotalSloc()},
            {"systemMbi", system.GetSystemMbi()}};
}

TEST_F(SimulationTest, WithEveryInputCertainEveryPercentileIsTheFigureExactly) {
    for (const char* name :
         {"flight-management.CCM", "order-billing.CCM", "payroll.FPM", "claims-portal.RLM",
          "engine-control.RLM", "ground-station.PRJ", "payroll.PRJ", "web-shop.PRJ"}) {
        SCOPED_TRACE(name);
        auto document = Open(CopyExample(name));
        ASSERT_TRUE(document);
        SimulationRequest request;
        request.trials = 300;
        SimulationResults results = Simulate(*document, request);
        EXPECT_FALSE(results.uncertain);
        for (const Expected& expected : DeterministicFigures(*document)) {
            SCOPED_TRACE(expected.key);
            const OutputSummary* output = results.Find(expected.key);
            ASSERT_NE(output, nullptr);
            for (double figure : {output->mean, output->p10, output->p50, output->p80, output->p90,
                                  output->minimum, output->maximum}) {
                EXPECT_EQ(figure, expected.value);
            }
            EXPECT_EQ(output->standardDeviation, 0);
        }
    }
}

TEST_F(SimulationTest, SystemWithCertainMembersGivesItsTotalsExactly) {
    for (const char* member : {"payroll.PRJ", "web-shop.PRJ", "ground-station.PRJ"})
        CopyExample(member);
    platform.ExpectDialogCancel();  // the programme's third project has no file yet
    auto system = Open(CopyExample("enterprise.SLE"));
    ASSERT_TRUE(system);
    SimulationRequest request;
    request.trials = 200;
    SimulationResults results = Simulate(*system, request);
    for (const Expected& expected : DeterministicFigures(*system)) {
        SCOPED_TRACE(expected.key);
        const OutputSummary* output = results.Find(expected.key);
        ASSERT_NE(output, nullptr);
        EXPECT_EQ(output->p10, expected.value);
        EXPECT_EQ(output->p90, expected.value);
        EXPECT_EQ(output->mean, expected.value);
    }
}

// With only the size uncertain, effort rises with size: its P-th percentile is the effort
// of the size's P-th percentile. The sample percentile lies, within four standard errors
// of the trial count, between the efforts of the neighbouring size quantiles.
TEST_F(SimulationTest, EffortPercentilesAreTheEffortsOfTheSizePercentiles) {
    ThreePointEstimate size{20000, 40000, 90000};
    for (ThreePointShape shape : {ThreePointShape::Triangular, ThreePointShape::Pert}) {
        SCOPED_TRACE(std::string(ThreePointShapeToken(shape)));
        auto document = Open(CopyExample("flight-management.CCM"));
        auto& cocomo = dynamic_cast<cCocomoDoc&>(*document);
        CocomoUncertainty uncertainty = cocomo.GetUncertainty();
        uncertainty.size = size;
        uncertainty.run.shape = shape;
        uncertainty.run.trials = 20000;
        cocomo.SetUncertainty(uncertainty);
        SimulationResults results = Simulate(cocomo);
        const OutputSummary* effort = results.Find("adjustedEffort");
        ASSERT_NE(effort, nullptr);

        auto effortAt = [&](double p) {
            cocomo.SetSourceLines(ThreePointQuantile(shape, size, p));
            return cocomo.GetAdjustedEffort();
        };
        for (double percent : {10.0, 50.0, 80.0, 90.0}) {
            SCOPED_TRACE(percent);
            double p = percent / 100;
            double error = 4 * std::sqrt(p * (1 - p) / 20000);
            double value = effort->ValueAt(percent);
            EXPECT_GE(value, effortAt(p - error));
            EXPECT_LE(value, effortAt(p + error));
        }
    }
}

// A certain effort at an uncertain rate: the cost's percentiles are the effort priced at
// the rate's percentiles, and the cost is measured against the cost target.
TEST_F(SimulationTest, CostPercentilesAreTheEffortPricedAtTheRatePercentiles) {
    auto document = Open(CopyExample("flight-management.CCM"));
    auto& cocomo = dynamic_cast<cCocomoDoc&>(*document);
    ASSERT_TRUE(cocomo.GetCostRate().IsPriced());
    CocomoUncertainty uncertainty = cocomo.GetUncertainty();
    ThreePointEstimate rate{10000, 14000, 20000};
    uncertainty.run.rate = rate;
    uncertainty.run.trials = 20000;
    uncertainty.run.targetCost = 8e6;
    cocomo.SetUncertainty(uncertainty);
    SimulationResults results = Simulate(cocomo);
    const OutputSummary* cost = results.Find("cost");
    ASSERT_NE(cost, nullptr);
    EXPECT_EQ(cost->unit, cocomo.GetCostRate().currency);
    double effort = cocomo.GetAdjustedEffort();
    EXPECT_EQ(results.Find("adjustedEffort")->standardDeviation, 0);
    for (double percent : {10.0, 50.0, 90.0}) {
        double p = percent / 100;
        double error = 4 * std::sqrt(p * (1 - p) / 20000);
        EXPECT_GE(cost->ValueAt(percent), effort * TriangularQuantile(rate, p - error));
        EXPECT_LE(cost->ValueAt(percent), effort * TriangularQuantile(rate, p + error));
    }
    ASSERT_TRUE(cost->probabilityOfTarget);
    EXPECT_DOUBLE_EQ(*cost->probabilityOfTarget, cost->ProbabilityAtMost(8e6));
}

TEST_F(SimulationTest, SameSeedGivesTheSameBytesOnAnyNumberOfThreads) {
    auto document = Open(CopyExample("flight-management.CCM"));
    auto& cocomo = dynamic_cast<cCocomoDoc&>(*document);
    CocomoUncertainty uncertainty = cocomo.GetUncertainty();
    uncertainty.size = ThreePointEstimate{30000, 45000, 80000};
    uncertainty.run.shape = ThreePointShape::Pert;
    uncertainty.modelErrorSpread = 0.2;
    uncertainty.driverRanges.assign(cocomo.GetCostDrivers().size(), RatingRange{kLow, kHigh});
    uncertainty.run.trials = 3001;
    uncertainty.run.seed = 99;
    cocomo.SetUncertainty(uncertainty);

    std::string first;
    for (unsigned threads : {1u, 2u, 3u, 8u}) {
        SimulationRequest request;
        request.threads = threads;
        std::string bytes = DumpFigures(SimulationJson(Simulate(cocomo, request)));
        if (first.empty()) first = bytes;
        EXPECT_EQ(bytes, first) << threads << " threads";
    }
    SimulationRequest otherSeed;
    otherSeed.seed = 100;
    EXPECT_NE(DumpFigures(SimulationJson(Simulate(cocomo, otherSeed))), first);
}

class SystemSimulationTest : public SimulationTest {
  protected:
    // Members copied from the payroll project, each with its own function point range.
    std::unique_ptr<cModelDoc> System(int members, bool correlated, int trials) {
        std::string list;
        for (int i = 0; i < members; ++i) {
            std::string name = "member" + std::to_string(i) + ".PRJ";
            double scale = 1 + i;
            CopyExample(
                "payroll.PRJ",
                "[Function_Point_Uncertainty]\nUFP_Optimistic=" + std::to_string(200 * scale) +
                    "\nUFP_Most_Likely=" + std::to_string(300 * scale) +
                    "\nUFP_Pessimistic=" + std::to_string(600 * scale) + "\n",
                name);
            list += "File_Name" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "=" + name +
                    "\nStart_Offset" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "=0\n";
        }
        std::string path = dir.File("system.SLE");
        testing::TempDir::WriteFile(
            path,
            "[KORVAL]\nKORVAL_Type=System\n[System_Level_Estimation]\n"
            "Product_Design_User_Specified=FALSE\nIntegration_And_Test_TDEV=2\n"
            "Integration_And_Test_Effort=10\n[System_Uncertainty]\nTrials=" +
                std::to_string(trials) + "\nMembers=" +
                (correlated ? "CORRELATED" : "INDEPENDENT") + "\n[Projects]\n" + list);
        return Open(path);
    }
};

TEST_F(SystemSimulationTest, CorrelatedMembersAddUpTheirMedians) {
    auto system = System(4, true, 4000);
    ASSERT_TRUE(system);
    SimulationResults results = Simulate(*system);
    double sumOfMedians = 10;  // the final test effort
    for (const auto& member : dynamic_cast<cSystemDoc&>(*system).GetMembers()) {
        auto project = Open(dir.File(member->GetFileName()));
        SimulationRequest request;
        request.trials = 4000;
        sumOfMedians += Simulate(*project, request).Find("adjustedEffort")->p50;
    }
    EXPECT_NEAR(results.Find("totalEffort")->p50, sumOfMedians, 1e-6 * sumOfMedians);
}

TEST_F(SystemSimulationTest, IndependentMembersSpreadLessThanCorrelatedOnes) {
    SimulationResults independent = Simulate(*System(6, false, 4000));
    SimulationResults correlated = Simulate(*System(6, true, 4000));
    const OutputSummary* a = independent.Find("totalEffort");
    const OutputSummary* b = correlated.Find("totalEffort");
    EXPECT_LT(a->standardDeviation, 0.8 * b->standardDeviation);
    EXPECT_NEAR(a->mean, b->mean, 0.02 * b->mean);
    EXPECT_LT(b->p10, a->p10);
    EXPECT_GT(b->p90, a->p90);
}

TEST_F(SimulationTest, TargetsGiveTheShareOfTrialsMeetingThem) {
    auto document = Open(CopyExample("flight-management.CCM"));
    auto& cocomo = dynamic_cast<cCocomoDoc&>(*document);
    CocomoUncertainty uncertainty = cocomo.GetUncertainty();
    uncertainty.size = ThreePointEstimate{30000, 45000, 80000};
    cocomo.SetUncertainty(uncertainty);
    SimulationResults plain = Simulate(cocomo);
    const OutputSummary* effort = plain.Find("adjustedEffort");
    EXPECT_FALSE(effort->probabilityOfTarget);

    SimulationRequest request;
    request.targetEffort = effort->p80;
    request.targetTime = 0;
    SimulationResults results = Simulate(cocomo, request);
    EXPECT_NEAR(*results.Find("adjustedEffort")->probabilityOfTarget, 0.80, 1e-3);
    EXPECT_EQ(*results.Find("timeToDevelop")->probabilityOfTarget, 0);
}

TEST(SimulationRequestTest, BadRunsAreRefusedWithAClearMessage) {
    struct Case {
        SimulationRequest request;
        const char* message;
    };
    auto with = [](auto change) {
        SimulationRequest request;
        change(request);
        return request;
    };
    const Case cases[] = {
        {with([](auto& r) { r.trials = 0; }), "at least 1"},
        {with([](auto& r) { r.trials = 1000000000; }), "cannot exceed 1000000"},
        {with([](auto& r) { r.targetEffort = std::nan(""); }), "effort target must be a number"},
        {with([](auto& r) { r.targetTime = -1; }), "time target cannot be below 0"},
    };
    for (const Case& c : cases) {
        std::string problem = SimulationRequestProblem(c.request);
        EXPECT_NE(problem.find(c.message), std::string::npos) << problem;
    }
    EXPECT_EQ(SimulationRequestProblem({}), "");
}

TEST(ThreePointProblemTest, NamesWhatIsWrong) {
    const std::pair<ThreePointEstimate, const char*> cases[] = {
        {{10, 5, 20}, "optimistic value is above the most likely"},
        {{10, 30, 20}, "most likely value is above the pessimistic"},
        {{-1, 5, 20}, "cannot be below 0"},
        {{1, std::nan(""), 20}, "must be a number"},
        {{1, 5, INFINITY}, "must be a number"},
    };
    for (const auto& [estimate, message] : cases) {
        std::string problem = ThreePointProblem("Size", estimate);
        EXPECT_NE(problem.find(message), std::string::npos) << problem;
        EXPECT_EQ(problem.rfind("Size", 0), 0u);
    }
    EXPECT_EQ(ThreePointProblem("Size", {5, 5, 5}), "");
}

// What a sponsor is shown stays within the model's range: no output of any example, nor of
// many generated Rayleigh documents, spreads more than tenfold from P10 to P90, and no
// trial reports a plan with less than one person at its peak.
TEST_F(SimulationTest, EverySimulatedFigureStaysWithinTheModelsRange) {
    auto checkBounds = [](const SimulationResults& results, const std::string& name) {
        for (const OutputSummary& output : results.outputs) {
            if (output.key == "mbi" || output.key == "systemMbi" ||
                output.key == "putnamOutsideScale")
                continue;  // an index and a share, not amounts
            if (output.p10 > 0) {
                EXPECT_LE(output.p90 / output.p10, 10.0) << name << " " << output.key;
            }
            if (output.key == "peakStaff") {
                EXPECT_GE(output.minimum, 1.0) << name;
            }
        }
    };
    SimulationRequest request;
    request.trials = 2000;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(KORVAL_SOURCE_DIR) + "/examples")) {
        if (entry.path().extension() == ".csv") continue;
        // A system lists one member that is missing on purpose: its dialog is cancelled.
        if (entry.path().extension() == ".SLE") platform.ExpectDialogCancel();
        std::unique_ptr<cModelDoc> document = Open(entry.path().string());
        ASSERT_TRUE(document) << entry.path();
        checkBounds(Simulate(*document, request), entry.path().filename().string());
    }
    std::mt19937 random(11);
    std::uniform_real_distribution<double> logSize(std::log(2000.0), std::log(2e6));
    std::uniform_int_distribution<int> type(0, 11);
    std::uniform_real_distribution<double> tdev(6.0, 48.0);
    for (int i = 0; i < 60; ++i) {
        double sloc = std::exp(logSize(random));
        double schedule = tdev(random);
        std::string path = dir.File("generated" + std::to_string(i) + ".RLM");
        testing::TempDir::WriteFile(
            path, FormatNumber("[KORVAL]\nKORVAL_Type=Rayleigh\n[Rayleigh_Model]\n"
                               "Source_Lines_Code=%.0f\nSchedule=%.2f\n"
                               "[Application_Types]\nSelected_application=%02d\n"
                               "[Rayleigh_Uncertainty]\nDistribution=TRIANGULAR\nTrials=2000\n"
                               "SLOC_Optimistic=%.0f\nSLOC_Most_Likely=%.0f\n"
                               "SLOC_Pessimistic=%.0f\nTDEV_Optimistic=%.2f\n"
                               "TDEV_Most_Likely=%.2f\nTDEV_Pessimistic=%.2f\n"
                               "Productivity_Index=NORMAL\n",
                               sloc, schedule, type(random), sloc * 0.9, sloc, sloc * 1.2,
                               schedule * 0.95, schedule, schedule * 1.1));
        std::unique_ptr<cModelDoc> document = Open(path);
        ASSERT_TRUE(document) << path;
        checkBounds(Simulate(*document, request), path);
    }
}

// The productivity index spreads one point either side unless calibration fitted the type
// (its typical buildup level marks it so): then as its own projects spread.
TEST(ProductivityIndexSpreadTest, OnePointUnlessCalibrationGaveTheTypesOwn) {
    cProductivity productivity;
    productivity.FromIndex(12);
    cApplicationType shipped("Business", productivity, 3, false);
    EXPECT_EQ(ProductivityIndexSpread(shipped), kProductivityIndexSpread);
    cApplicationType calibrated = shipped;
    calibrated.SetTypicalBuildupLevel(2);
    EXPECT_EQ(ProductivityIndexSpread(calibrated), 3);
    calibrated.SetStandardDeviation(0);
    EXPECT_EQ(ProductivityIndexSpread(calibrated), kProductivityIndexSpread);
}

}  // namespace
}  // namespace korval
