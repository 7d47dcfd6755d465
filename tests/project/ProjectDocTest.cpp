#include <gtest/gtest.h>

#include <filesystem>

#include "cocomo/cCocomoDoc.h"
#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cTextReportSurface.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/RayleighSensitivityType.h"
#include "rayleigh/cRayleighDoc.h"
#include "tests/project/ProjectTestSupport.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;
using Model = cProjectDoc::Model;

class ProjectDocTest : public ::testing::Test {
  protected:
    TempDir dir;
    testing::cScriptedPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};

    // 100 unadjusted function points at VAF 1.00 in a 50 SLOC/FP language: 5000 SLOC.
    static void SizeProject(cProjectDoc& project, int adjustedPercent) {
        cFunctionPointDoc& fp = project.FunctionPointModel();
        fp.SetCount(0, 100);
        fp.SetWeight(0, 1);
        for (int i = 1; i < 15; ++i) fp.SetCount(i, 0);
        for (int i = 0; i < 14; ++i) fp.SetRating(i, 0);
        for (int i = 0; i < 7; ++i) fp.SetRating(i, 5);  // 35 points: VAF 1.00
        cLanguageTable table = fp.GetLanguageTable();
        table.AddLanguage("Test", 50);
        fp.SetLanguageTable(table);
        fp.SetSelectedLanguage(cLanguage("Test", 50));
        FpSensitivitySettings settings;
        settings.adjustedPercentage = adjustedPercent;
        settings.type = SensitivityType::ADJ_FP;
        fp.SetSensitivity(settings);
    }
};

TEST_F(ProjectDocTest, FunctionPointSourceCarriesItsRangeIntoCocomoAndKeepsCocomosOwn) {
    cProjectDoc project(context);
    project.OnUseSensitivity(cProjectDoc::SensitivitySource::Cocomo);
    project.CocomoModel().SetCocomoSensitivity(
        25, 0, 0,
        CocomoSensitivityType::AdjustedEffort);  // COCOMO's own settings
    project.OnUseSensitivity(cProjectDoc::SensitivitySource::FunctionPoint);
    SizeProject(project, 10);
    platform.ExpectDialog([](cDialogLogic&) { return true; });
    project.OnValueAdjustmentFactor();  // the size flows on only after a function point command
    EXPECT_DOUBLE_EQ(project.FunctionPointModel().SourceLinesOfCode(), 5000);
    EXPECT_NEAR(project.CocomoModel().GetSlocSensitivity(), 10, 1e-9);
    EXPECT_EQ(project.CocomoModel().GetSensitivityType(), CocomoSensitivityType::Sloc);
    EXPECT_EQ(project.RayleighModel().GetSensitivityType(), RayleighSensitivityType::ProjectRanges);
    EXPECT_DOUBLE_EQ(project.RayleighModel().GetSlocLow(), 4500);

    std::string path = dir.File("plan.prj");
    ASSERT_TRUE(project.SaveAs(path));
    EXPECT_EQ(ParseLeadingDouble(
                  ReadProfileValue("COCOMO_Sensitivity_Analysis", "SLOC_Sen", "", 20, path)),
              25)
        << TempDir::ReadFile(path);

    cProjectDoc reopened(context);
    ASSERT_TRUE(reopened.LoadModel(path));
    EXPECT_EQ(reopened.GetSensitivitySource(), cProjectDoc::SensitivitySource::FunctionPoint);
    EXPECT_NEAR(reopened.CocomoModel().GetSlocSensitivity(), 10, 1e-9);
    reopened.OnUseSensitivity(cProjectDoc::SensitivitySource::Cocomo);
    EXPECT_DOUBLE_EQ(reopened.CocomoModel().GetSlocSensitivity(), 25);
    EXPECT_EQ(reopened.CocomoModel().GetSensitivityType(), CocomoSensitivityType::AdjustedEffort);
    EXPECT_TRUE(reopened.IsSensitivityCommandEnabled(Model::Cocomo));
    EXPECT_FALSE(reopened.IsSensitivityCommandEnabled(Model::FunctionPoint));
}

TEST_F(ProjectDocTest, SizeAndScheduleFlowFromModelToModel) {
    cProjectDoc project(context);
    SizeProject(project, 0);
    platform.ExpectDialog([](cDialogLogic&) { return true; });
    project.OnValueAdjustmentFactor();
    EXPECT_TRUE(project.IsModified());
    EXPECT_DOUBLE_EQ(project.CocomoModel().GetSourceLines(), 5000);
    EXPECT_DOUBLE_EQ(project.RayleighModel().GetSourceLines(), 5000);
    EXPECT_DOUBLE_EQ(project.RayleighModel().GetSchedule(),
                     project.CocomoModel().GetTimeToDevelop());
    EXPECT_GT(project.RayleighModel().GetSchedule(), 0);
}

TEST_F(ProjectDocTest, FileWithoutSourceOrModelDescriptionSwitchOpensWithDefaults) {
    std::string path = dir.File("bare.prj");
    TempDir::WriteFile(path,
                       "[KORVAL]\r\nKORVAL_Type=Project\r\n[Filter_Values]\r\nDescription=ON\r\n");
    cProjectDoc project(context);
    project.OnUseSensitivity(cProjectDoc::SensitivitySource::Rayleigh);
    ASSERT_TRUE(project.LoadModel(path));
    EXPECT_EQ(project.GetSensitivitySource(), cProjectDoc::SensitivitySource::FunctionPoint);
    EXPECT_EQ(project.GetFpmCcmDescription(), FilterState::Off);
    EXPECT_EQ(project.CocomoModel().GetFilter(cModelDoc::kDescriptionSwitch), FilterState::Off);
    EXPECT_EQ(project.FunctionPointModel().GetFilter(cModelDoc::kDescriptionSwitch),
              FilterState::Off);
}

TEST_F(ProjectDocTest, ImportChecksTheKindWrittenInTheFile) {
    cProjectDoc source(context);
    std::string cocomoNamedFpm = dir.File("odd.FPM");
    source.CocomoModel().SetDescriptionTexts("Imported", "", "");
    ASSERT_TRUE(source.CocomoModel().SaveAs(cocomoNamedFpm));
    std::string rayleighFile = dir.File("r.rlm");
    ASSERT_TRUE(source.RayleighModel().SaveAs(rayleighFile));

    cProjectDoc project(context);
    platform.ExpectOpenFileName(rayleighFile);
    platform.ExpectMessage();
    EXPECT_FALSE(project.OnImport(Model::Cocomo));
    EXPECT_EQ(platform.Messages().back(), "This file is not a COCOMO file");
    EXPECT_FALSE(project.IsModified());

    platform.ExpectOpenFileName(cocomoNamedFpm);
    EXPECT_TRUE(project.OnImport(Model::Cocomo));
    EXPECT_EQ(project.CocomoModel().GetTitle(), "Imported");
    EXPECT_TRUE(project.IsModified());

    // The imported model has data now: replacing it asks, and No keeps it.
    EXPECT_TRUE(project.ModelHasData(Model::Cocomo));
    EXPECT_FALSE(project.ModelHasData(Model::Rayleigh));
    platform.ExpectOpenFileName(cocomoNamedFpm);
    platform.ExpectMessage(MessageAnswer::No);
    project.CocomoModel().SetDescriptionTexts("Kept", "", "");
    EXPECT_FALSE(project.OnImport(Model::Cocomo));
    EXPECT_EQ(project.CocomoModel().GetTitle(), "Kept");
    EXPECT_EQ(platform.Messages().back(),
              "The project's COCOMO Model has data. Replace it with the model in " +
                  cocomoNamedFpm + "?");

    platform.ExpectOpenFileName("");
    EXPECT_FALSE(project.OnImport(Model::FunctionPoint));
    // Each import names what it imports and offers that kind's files first.
    EXPECT_EQ(platform.openTitles,
              (std::vector<std::string>{"Import COCOMO Model", "Import COCOMO Model",
                                        "Import COCOMO Model", "Import Function Point Model"}));
    EXPECT_EQ(platform.lastFilters.back(), "Function Point (*.FPM)|*.FPM|All Files (*.*)|*.*|");
}

TEST_F(ProjectDocTest, ExportWritesACompleteStandAloneModelFile) {
    cProjectDoc project(context);
    std::string path = dir.File("exported.ccm");
    platform.ExpectSaveFileName(path);
    EXPECT_TRUE(project.OnExport(Model::Cocomo));
    EXPECT_EQ(ReadProfileValue("KORVAL", "KORVAL_Type", "", 20, path), "Cocomo");
    EXPECT_EQ(ReadProfileValue("KORVAL", "Version", "", 10, path), "4.1");
    EXPECT_FALSE(project.IsModified());
}

TEST_F(ProjectDocTest, ExportedModelsImportIntoAnotherProjectWithTheSameFigures) {
    cProjectDoc source(context);
    ASSERT_TRUE(source.LoadModel(std::string(KORVAL_SOURCE_DIR) + "/examples/ground-station.PRJ"));
    cProjectDoc target(context);
    target.OnUseSensitivity(cProjectDoc::SensitivitySource::Cocomo);
    const std::pair<Model, const char*> models[] = {{Model::FunctionPoint, "fp.fpm"},
                                                    {Model::Cocomo, "cocomo.ccm"},
                                                    {Model::Rayleigh, "rayleigh.rlm"}};
    for (const auto& [model, name] : models) {
        platform.ExpectSaveFileName(dir.File(name));
        ASSERT_TRUE(source.OnExport(model)) << name;
        platform.ExpectOpenFileName(dir.File(name));
        // The imported size reaches the later models, which then hold data.
        if (target.ModelHasData(model)) platform.ExpectMessage(MessageAnswer::Yes);
        ASSERT_TRUE(target.OnImport(model)) << name;
    }
    EXPECT_DOUBLE_EQ(target.FunctionPointModel().SourceLinesOfCode(),
                     source.FunctionPointModel().SourceLinesOfCode());
    RangedFigure targetEffort = target.CocomoModel().GetAdjustedEffortRange();
    RangedFigure sourceEffort = source.CocomoModel().GetAdjustedEffortRange();
    EXPECT_DOUBLE_EQ(targetEffort.value, sourceEffort.value);
    EXPECT_DOUBLE_EQ(targetEffort.low, sourceEffort.low);
    EXPECT_DOUBLE_EQ(targetEffort.high, sourceEffort.high);
    EXPECT_DOUBLE_EQ(target.CocomoModel().GetTimeToDevelop(),
                     source.CocomoModel().GetTimeToDevelop());
    EXPECT_DOUBLE_EQ(target.RayleighModel().ManpowerBuildupIndex(),
                     source.RayleighModel().ManpowerBuildupIndex());
    EXPECT_EQ(target.CocomoModel().GetTitle(), source.CocomoModel().GetTitle());
}

TEST_F(ProjectDocTest, ReportHidesSensitivityOfModelsBeforeTheSourceAndRestoresSwitches) {
    cProjectDoc project(context);
    project.SetFilter(cModelDoc::kSensitivityAnalysisSwitch, FilterState::On);
    project.FunctionPointModel().SetFilter(cModelDoc::kSensitivityAnalysisSwitch, FilterState::On);
    project.CocomoModel().SetFilter(cModelDoc::kSensitivityAnalysisSwitch, FilterState::On);
    project.OnUseSensitivity(cProjectDoc::SensitivitySource::Rayleigh);
    cTextReportSurface surface;
    cDrawContext dc(surface);
    int y = 5;
    project.DrawReport(dc, y, 0);
    dc.layout.DrawAll(surface);
    std::string text = surface.Render();
    std::size_t rayleigh = text.find("RAYLEIGH INFORMATION:");
    ASSERT_NE(rayleigh, std::string::npos);
    EXPECT_EQ(text.substr(0, rayleigh).find("Sensitivity Analysis Type"), std::string::npos)
        << text;
    EXPECT_NE(text.find("PROJECT INFORMATION:"), std::string::npos);
    EXPECT_NE(text.find("COCOMO INFORMATION:"), std::string::npos);
    EXPECT_EQ(project.FunctionPointModel().GetFilter(cModelDoc::kSensitivityAnalysisSwitch),
              FilterState::On);
    EXPECT_EQ(project.CocomoModel().GetFilter(cModelDoc::kSensitivityAnalysisSwitch),
              FilterState::On);
}

TEST_F(ProjectDocTest, DisplayOptionsReachTheModels) {
    cProjectDoc project(context);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cDisplayOptionsDlg&>(logic);
        EXPECT_TRUE(dialog.IsVisible(cDisplayOptionsDlg::kModelDescriptionsBox));
        dialog.SetChecked(cDisplayOptionsDlg::kModelDescriptionsBox, true);
        dialog.SetChecked(cDisplayOptionsDlg::kPhaseDistributionBox, true);
        dialog.SetChecked(cDisplayOptionsDlg::kTotalsBox, false);
        return true;
    });
    project.OnDisplayOptions();
    EXPECT_EQ(project.GetFpmCcmDescription(), FilterState::On);
    EXPECT_EQ(project.CocomoModel().GetFilter(cModelDoc::kPhaseDistributionSwitch),
              FilterState::On);
    EXPECT_EQ(project.RayleighModel().GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
    EXPECT_EQ(project.FunctionPointModel().GetFilter(cModelDoc::kDescriptionSwitch),
              FilterState::On);
    EXPECT_TRUE(project.IsModified());
}

// A system makes its members' projects by copying one reset project. Each copy must read
// any file, with good or spoiled defaults, into what a project made anew reads, and leave
// the project it was copied from as it was.
TEST_F(ProjectDocTest, ACopiedResetProjectReadsEveryFileAsANewOneDoes) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(KORVAL_SOURCE_DIR "/examples")) {
        std::string extension = entry.path().extension().string();
        if (extension != ".csv" && extension != ".SLE") files.push_back(entry.path().string());
    }
    std::string spoiled = dir.File("spoiled.prj");
    TempDir::WriteFile(spoiled, ReplaceAll(TempDir::ReadFile(files.front()), "=", "=x"));
    files.push_back(spoiled);
    std::string spoiledDefaults = dir.File("defaults.ini");
    TempDir::WriteFile(spoiledDefaults,
                       ReplaceAll(ReplaceAll(TempDir::ReadFile(KORVAL_DEFAULTS_PROFILE),
                                             "LanguageMult01=320", "LanguageMult01=zz"),
                                  "Organic_TDEV_Mult=2.5", "Organic_TDEV_Mult=q"));
    ASSERT_GE(files.size(), 10u);
    platform.AcceptAllMessages();
    for (const std::string& defaults : {std::string(KORVAL_DEFAULTS_PROFILE), spoiledDefaults}) {
        cAppContext defaultsContext{platform, defaults};
        cProjectDoc reset(defaultsContext);
        const testing::ProjectView resetView = testing::ViewOf(reset);
        for (const std::string& file : files) {
            SCOPED_TRACE(file + " with " + defaults);
            cProjectDoc made(defaultsContext);
            cProjectDoc copied(reset);
            ASSERT_EQ(made.LoadModel(file), copied.LoadModel(file));
            EXPECT_EQ(testing::ViewOf(copied), testing::ViewOf(made));
            ASSERT_TRUE(made.SaveAs(dir.File("made.prj")));
            ASSERT_TRUE(copied.SaveAs(dir.File("copied.prj")));
            EXPECT_EQ(TempDir::ReadFile(dir.File("copied.prj")),
                      TempDir::ReadFile(dir.File("made.prj")));
            EXPECT_EQ(testing::ViewOf(reset), resetView);
        }
    }
}

}  // namespace
}  // namespace korval
