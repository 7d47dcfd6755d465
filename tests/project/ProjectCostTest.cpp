#include "cocomo/cCocomoDoc.h"
#include "framework/cCostDlg.h"
#include "rayleigh/cRayleighDoc.h"
#include "tests/project/ProjectTestSupport.h"

namespace korval::testing {
namespace {

using Model = cProjectDoc::Model;
using ProjectCostTest = ProjectTest;

void EnterRate(cScriptedPlatform& platform, const char* rate, const char* currency) {
    platform.ExpectDialog([rate, currency](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cCostDlg&>(logic);
        dialog.rateText = rate;
        dialog.currencyText = currency;
        return dialog.OnOk();
    });
}

void ExpectPricedAt(cProjectDoc& project, const CostRate& cost) {
    EXPECT_EQ(project.GetCostRate(), cost);
    EXPECT_EQ(project.CocomoModel().GetCostRate(), cost);
    EXPECT_EQ(project.RayleighModel().GetCostRate(), cost);
}

TEST_F(ProjectCostTest, OneRatePricesBothModels) {
    std::unique_ptr<cProjectDoc> project = OpenCopy("payroll.PRJ");
    ExpectPricedAt(*project, {10000, "EUR"});
    EnterRate(platform, "12000", "USD");
    EXPECT_TRUE(project->OnCost());
    EXPECT_TRUE(project->IsModified());
    ExpectPricedAt(*project, {12000, "USD"});
    Json cocomo = FiguresOf(*project)["cocomo"]["cost"];
    EXPECT_DOUBLE_EQ(cocomo["adjustedEffort"]["value"].get<double>(),
                     project->CocomoModel().GetAdjustedEffort() * 12000);

    platform.ExpectDialogCancel();
    EXPECT_FALSE(project->OnCost());
    ExpectPricedAt(*project, {12000, "USD"});
}

// A model that comes into the project, initialized or imported, takes the project's rate,
// whatever rate its own file held; an exported model keeps the project's rate.
TEST_F(ProjectCostTest, ModelsThatComeInTakeTheProjectsRate) {
    std::unique_ptr<cProjectDoc> project = OpenCopy("web-shop.PRJ");
    const CostRate projectRate{11500, "EUR"};
    ExpectPricedAt(*project, projectRate);

    platform.ExpectMessage(MessageAnswer::Yes);
    project->OnCocomoInitialize();
    ExpectPricedAt(*project, projectRate);

    std::string engine = dir.File("engine-control.RLM");
    TempDir::WriteFile(engine, TempDir::ReadFile(ExamplePath("engine-control.RLM")));
    platform.ExpectOpenFileName(engine);
    platform.ExpectMessage(MessageAnswer::Yes);  // the project's Rayleigh model has data
    ASSERT_TRUE(project->OnImport(Model::Rayleigh));
    ExpectPricedAt(*project, projectRate);

    std::string exported = dir.File("exported.CCM");
    platform.ExpectSaveFileName(exported);
    ASSERT_TRUE(project->OnExport(Model::Cocomo));
    cCocomoDoc reopened(context);
    ASSERT_TRUE(reopened.LoadModel(exported));
    EXPECT_EQ(reopened.GetCostRate(), projectRate);
}

TEST_F(ProjectCostTest, TheCostBlockFollowsTheModelsAndItsSwitch) {
    std::unique_ptr<cProjectDoc> project = OpenCopy("ground-station.PRJ");
    project->SetFilter(cModelDoc::kChartsSwitch, FilterState::Off);  // the charts follow the cost
    std::string priced = ReportOf(*project);
    ASSERT_NE(priced.find("COST INFORMATION:"), std::string::npos);
    EXPECT_GT(priced.find("COST INFORMATION:"), priced.find("STAFFING INFORMATION:"));
    EXPECT_EQ(priced.find("    Cost\n"), std::string::npos) << "no model prices itself";

    project->SetFilter(cModelDoc::kCostSwitch, FilterState::Off);
    std::string unpriced = ReportOf(*project);
    EXPECT_EQ(unpriced.find("EUR"), std::string::npos);
    EXPECT_EQ(priced.rfind(unpriced, 0), 0u) << "every other row stays where it was";
    EXPECT_TRUE(FiguresOf(*project)["cocomo"].contains("cost")) << "the figures keep the cost";
}

}  // namespace
}  // namespace korval::testing
