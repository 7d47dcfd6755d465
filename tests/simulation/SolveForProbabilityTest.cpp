#include <gtest/gtest.h>

#include "cocomo/cCocomoDoc.h"
#include "cocomo/cCocomoReverseDlg.h"
#include "functionpoint/cFpReverseDlg.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "rayleigh/cRayleighReverseDlg.h"
#include "simulation/CalculatorOutputs.h"
#include "tests/simulation/SimulationTestSupport.h"

namespace korval {
namespace {

// Each kind's what-if calculator with the two outputs its group solves for.
struct CalculatorCase {
    const char* example;
    const char* first;
    const char* second;
};

const CalculatorCase kCalculators[] = {
    {"flight-management.CCM", "adjustedEffort", "timeToDevelop"},
    {"payroll.FPM", "adjustedFunctionPoints", "sourceLines"},
    {"claims-portal.RLM", "mainBuildEffort", "timeToDevelop"},
};

cProbabilitySolve* GroupOf(cDialogLogic& dialog) {
    if (auto* cocomo = dynamic_cast<cCocomoReverseDlg*>(&dialog)) return &cocomo->Probability();
    if (auto* fp = dynamic_cast<cFpReverseDlg*>(&dialog)) return &fp->Probability();
    if (auto* rayleigh = dynamic_cast<cRayleighReverseDlg*>(&dialog))
        return &rayleigh->Probability();
    return nullptr;
}

void OpenCalculator(cModelDoc& document) {
    if (auto* cocomo = dynamic_cast<cCocomoDoc*>(&document)) cocomo->OnReverseEngineering();
    if (auto* fp = dynamic_cast<cFunctionPointDoc*>(&document)) fp->OnReverseEngineering();
    if (auto* rayleigh = dynamic_cast<cRayleighDoc*>(&document)) rayleigh->OnReverseEngineering();
}

class SolveForProbability : public testing::SimulationTest {
  protected:
    std::unique_ptr<cModelDoc> OpenExample(const std::string& name) {
        auto document = Open(std::string(KORVAL_SOURCE_DIR) + "/examples/" + name);
        if (document) document->Context().simulatedOutputs = &ProgramCalculatorOutputs;
        return document;
    }

    // Runs the document's calculator with the script over its probability group.
    void WithGroup(cModelDoc& document, const std::function<void(cProbabilitySolve&)>& script) {
        platform.ExpectDialog([&script](cDialogLogic& dialog) {
            cProbabilitySolve* group = GroupOf(dialog);
            EXPECT_NE(group, nullptr);
            if (group) script(*group);
            return true;
        });
        OpenCalculator(document);
        EXPECT_TRUE(platform.AllStepsUsed());
    }

    static double SolveAt(cProbabilitySolve& group, const std::string& percent, int output) {
        group.SetPercentText(percent);
        EXPECT_TRUE(group.OnSolve()) << percent;
        return group.GetValue(output).value_or(-1);
    }
};

TEST_F(SolveForProbability, P50P80AndP90AreTheReportsPercentilesToTheBit) {
    for (const CalculatorCase& c : kCalculators) {
        SCOPED_TRACE(c.example);
        auto document = OpenExample(c.example);
        ASSERT_TRUE(document);
        // Computed afresh, not read from the cache the calculator reads.
        SimulationResults report = Simulate(*document);
        const OutputSummary* first = report.Find(c.first);
        const OutputSummary* second = report.Find(c.second);
        ASSERT_TRUE(first && second);
        ASSERT_LT(first->p10, first->p90);  // the example is uncertain
        WithGroup(*document, [&](cProbabilitySolve& group) {
            EXPECT_EQ(group.GetValue(0), first->p80);  // the default probability
            EXPECT_EQ(SolveAt(group, "50", 0), first->p50);
            EXPECT_EQ(SolveAt(group, "90", 0), first->p90);
            EXPECT_EQ(SolveAt(group, "10", 1), second->p10);
            EXPECT_EQ(SolveAt(group, "50", 1), second->p50);
            EXPECT_EQ(SolveAt(group, "80", 1), second->p80);
            EXPECT_EQ(SolveAt(group, "90", 1), second->p90);
        });
    }
}

TEST_F(SolveForProbability, AProjectsCalculatorsReadTheProjectsSimulation) {
    auto document = OpenExample("web-shop.PRJ");
    ASSERT_TRUE(document);
    auto& project = dynamic_cast<cProjectDoc&>(*document);
    SimulationResults report = Simulate(project);
    struct Forwarded {
        void (cProjectDoc::*command)();
        std::vector<const char*> keys;
    };
    const Forwarded forwarded[] = {
        {&cProjectDoc::OnCocomoReverseEngineering, {"adjustedEffort", "timeToDevelop"}},
        {&cProjectDoc::OnRayleighReverseEngineering, {"mainBuildEffort", "timeToDevelop"}},
        // A project simulates no function points, only the size they flow on as.
        {&cProjectDoc::OnFunctionPointReverseEngineering, {nullptr, "sourceLines"}}};
    for (const Forwarded& calculator : forwarded) {
        platform.ExpectDialog([&](cDialogLogic& dialog) {
            cProbabilitySolve* group = GroupOf(dialog);
            EXPECT_NE(group, nullptr);
            if (!group) return true;
            for (int output = 0; output < 2; ++output) {
                const char* key = calculator.keys[static_cast<std::size_t>(output)];
                SCOPED_TRACE(key ? key : "none");
                if (!key) {
                    EXPECT_EQ(group->GetValue(output), std::nullopt);
                    continue;
                }
                const OutputSummary* summary = report.Find(key);
                EXPECT_NE(summary, nullptr);
                if (summary) {
                    EXPECT_EQ(group->GetValue(output), summary->p80);
                }
            }
            return true;
        });
        (project.*calculator.command)();
    }
    EXPECT_TRUE(platform.AllStepsUsed());
}

TEST_F(SolveForProbability, FiguresRiseWithTheProbabilityAndTheCalculatorsOutputsHaveAChance) {
    for (const CalculatorCase& c : kCalculators) {
        SCOPED_TRACE(c.example);
        auto document = OpenExample(c.example);
        ASSERT_TRUE(document);
        WithGroup(*document, [&](cProbabilitySolve& group) {
            for (int output = 0; output < 2; ++output) {
                double previous = 0;
                for (int percent = 1; percent <= 99; ++percent) {
                    double value = SolveAt(group, std::to_string(percent), output);
                    EXPECT_GE(value, previous) << percent;
                    previous = value;
                }
            }
            // The second output is one every calculator works out from the model's figures.
            EXPECT_NE(group.GetChance(1), std::nullopt);
        });
    }
}

TEST_F(SolveForProbability, WithEveryInputCertainEveryProbabilityGivesTheModelsFigure) {
    struct Certain {
        const char* example;
        const char* section;  // empty: no uncertainty settings at all
    };
    const Certain cases[] = {{"flight-management.CCM", ""},
                             {"flight-management.CCM", "[COCOMO_Uncertainty]\nTrials=200\n"},
                             {"payroll.FPM", ""},
                             {"payroll.FPM", "[Function_Point_Uncertainty]\nTrials=200\n"},
                             {"claims-portal.RLM", ""},
                             {"claims-portal.RLM", "[Rayleigh_Uncertainty]\nTrials=200\n"}};
    for (const Certain& c : cases) {
        SCOPED_TRACE(std::string(c.example) + " " + c.section);
        auto document = Open(CopyExample(c.example, c.section));
        ASSERT_TRUE(document);
        document->Context().simulatedOutputs = &ProgramCalculatorOutputs;
        std::vector<double> figures;
        if (auto* cocomo = dynamic_cast<cCocomoDoc*>(document.get()))
            figures = {cocomo->GetAdjustedEffort(), cocomo->GetTimeToDevelop()};
        if (auto* fp = dynamic_cast<cFunctionPointDoc*>(document.get()))
            figures = {fp->AdjustedFunctionPoints(), fp->SourceLinesOfCode()};
        if (auto* rayleigh = dynamic_cast<cRayleighDoc*>(document.get()))
            figures = {rayleigh->MainBuildEffortMonths(), rayleigh->GetSchedule()};
        ASSERT_EQ(figures.size(), 2u);
        WithGroup(*document, [&](cProbabilitySolve& group) {
            for (const char* percent : {"1", "37.5", "80", "99"}) {
                EXPECT_EQ(SolveAt(group, percent, 0), figures[0]) << percent;
                EXPECT_EQ(SolveAt(group, percent, 1), figures[1]) << percent;
            }
            EXPECT_NE(
                group.GetNote().find(*c.section ? "No input varies" : "No input is uncertain"),
                std::string::npos)
                << group.GetNote();
        });
    }
}

}  // namespace
}  // namespace korval
