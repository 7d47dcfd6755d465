#include <cmath>

#include "cocomo/cCocomoDoc.h"
#include "project/ModelConsistency.h"
#include "rayleigh/PutnamFormulas.h"
#include "rayleigh/cRayleighDoc.h"
#include "tests/project/ProjectTestSupport.h"

namespace korval::testing {
namespace {

using ModelConsistencyTest = ProjectTest;

std::vector<std::string> CodesOf(const std::vector<EstimateWarning>& warnings) {
    std::vector<std::string> codes;
    for (const EstimateWarning& warning : warnings) codes.push_back(warning.code);
    return codes;
}

// The shipped examples whose Putnam plan is far from COCOMO say so, and why; the JSON
// carries the same warnings.
TEST_F(ModelConsistencyTest, ExamplesFarFromCocomoRaiseTheirWarnings) {
    struct Case {
        const char* example;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"ground-station.PRJ", {"putnam.scheduleShorterThanMinimum", "project.modelsDisagree"}},
        {"payroll.PRJ", {"putnam.scheduleLongerThanSlowest", "project.modelsDisagree"}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<cProjectDoc> project = OpenCopy(c.example);
        EXPECT_EQ(CodesOf(project->Warnings()), c.codes) << c.example;
        Json warnings = DocumentFigures(*project)["warnings"];
        ASSERT_EQ(warnings.size(), c.codes.size()) << c.example;
        EXPECT_EQ(warnings[0]["code"], c.codes[0]);
        EXPECT_NE(ReportOf(*project).find("WARNINGS:"), std::string::npos) << c.example;
    }
}

// Putnam's main build at COCOMO's schedule, at the productivity index the check names,
// takes exactly COCOMO's effort; set to that index the project raises no warning.
TEST_F(ModelConsistencyTest, AtTheMatchingIndexPutnamTakesCocomosEffort) {
    std::string path = dir.File("web-shop.PRJ");
    std::string text = TempDir::ReadFile(ExamplePath("web-shop.PRJ"));
    TempDir::WriteFile(path, text);
    std::unique_ptr<cProjectDoc> project = Open(path);
    ModelConsistency check = CheckConsistency(project->CocomoModel(), project->RayleighModel());
    ASSERT_TRUE(check.matchingIndex);
    EXPECT_EQ(CodesOf(project->Warnings()), std::vector<std::string>{"project.modelsDisagree"});
    cProductivity matching;
    matching.FromIndex(*check.matchingIndex);
    double buildYears = project->RayleighModel().MainBuildPhaseTime() / 12.0;
    double mainBuild =
        MainBuildEffortYears(LifeCycleEffortYears(project->RayleighModel().GetSourceLines(),
                                                  matching.Measure(), buildYears)) *
        12.0;
    EXPECT_NEAR(mainBuild / check.cocomoEffort, 1.0, 1e-9);

    std::string key = "Application_Type_Val11=20000";
    text.replace(text.find(key), key.size(),
                 "Application_Type_Val11=" +
                     std::to_string(static_cast<long>(std::lround(matching.Measure()))));
    TempDir::WriteFile(path, text);
    std::unique_ptr<cProjectDoc> consistent = Open(path);
    EXPECT_TRUE(consistent->Warnings().empty()) << consistent->Warnings()[0].message;
    Json figures = DocumentFigures(*consistent);
    EXPECT_TRUE(figures["warnings"].empty());
    EXPECT_NEAR(figures["project"]["consistency"]["effortRatio"].get<double>(), 1.0, 0.01);
}

}  // namespace
}  // namespace korval::testing
