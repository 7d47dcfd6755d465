#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "cocomo/cCocomoAttributesDlg.h"
#include "cocomo/cCocomoSensitivityDlg.h"
#include "cocomo/cCostDriverDlg.h"
#include "functionpoint/cFpSensitivityDlg.h"
#include "functionpoint/cFunctionPointCountDlg.h"
#include "functionpoint/cValueAdjustmentDlg.h"
#include "rayleigh/cRayleighAttributesDlg.h"
#include "rayleigh/cRayleighSensitivityDlg.h"
#include "tests/project/ProjectTestSupport.h"

namespace korval {
namespace {

using testing::cScriptedPlatform;
using testing::FiguresOf;
using testing::KeptAsideOf;
using testing::ProjectView;
using testing::SpreadPercent;
using testing::ViewOf;

// Each dialog is confirmed the way its form confirms it, through the logic's OK.
template <class Dialog>
void ExpectDialog(cScriptedPlatform& platform, std::function<void(Dialog&)> edit) {
    platform.ExpectDialog([edit](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<Dialog&>(logic);
        edit(dialog);
        if constexpr (requires { dialog.OnOk(); }) {
            return static_cast<bool>(dialog.OnOk());
        } else {
            return true;
        }
    });
}

void CountFiveMoreSimpleInputs(cScriptedPlatform& platform) {
    ExpectDialog<cFunctionPointCountDlg>(platform, [](cFunctionPointCountDlg& dialog) {
        dialog.SetCountText(0, std::to_string(std::stoi(dialog.GetCountText(0)) + 5));
    });
}

void RateTheFirstCharacteristicHigher(cScriptedPlatform& platform) {
    ExpectDialog<cValueAdjustmentDlg>(platform, [](cValueAdjustmentDlg& dialog) {
        dialog.Select(0, (dialog.GetSelection(0) + 1) % 6);
    });
}

void WidenTheFunctionPointRange(cScriptedPlatform& platform) {
    ExpectDialog<cFpSensitivityDlg>(platform, [](cFpSensitivityDlg& dialog) {
        for (int field = 0; field < cFpSensitivityDlg::kFieldCount; ++field)
            if (dialog.IsFieldEnabled(field)) dialog.SetFieldText(field, "25");
    });
}

void AnswerYes(cScriptedPlatform& platform) {
    platform.ExpectMessage(MessageAnswer::Yes);
}

void ChooseOrganicMode(cScriptedPlatform& platform) {
    ExpectDialog<cCocomoAttributesDlg>(platform, [](cCocomoAttributesDlg& dialog) {
        dialog.OnRadioMode(DevelopmentMode::Organic);
    });
}

void RateTheFirstCostDriverOtherwise(cScriptedPlatform& platform) {
    ExpectDialog<cCostDriverDlg>(platform, [](cCostDriverDlg& dialog) {
        dialog.OnSelectRow(0);
        for (int rating = 0; rating < 6; ++rating) {
            if (dialog.IsRatingEnabled(rating) && !dialog.IsRatingChecked(rating)) {
                dialog.OnRating(rating);
                return;
            }
        }
    });
}

void GiveCocomoASlocRange(cScriptedPlatform& platform) {
    ExpectDialog<cCocomoSensitivityDlg>(platform, [](cCocomoSensitivityDlg& dialog) {
        dialog.OnRadioType(CocomoSensitivityType::Sloc);
        dialog.SetFieldText(cCocomoSensitivityDlg::kSlocField, "12.5");
    });
}

void ChooseTheNextApplicationType(cScriptedPlatform& platform) {
    ExpectDialog<cRayleighAttributesDlg>(platform, [](cRayleighAttributesDlg& dialog) {
        int count = static_cast<int>(dialog.GetApplicationTypeNames().size());
        dialog.OnSelectApplicationType((dialog.GetSelectedApplication() + 1) % count);
    });
}

void GiveRayleighAScheduleRange(cScriptedPlatform& platform) {
    ExpectDialog<cRayleighSensitivityDlg>(platform, [](cRayleighSensitivityDlg& dialog) {
        dialog.OnRadio(RayleighSensitivityType::Schedule);
        dialog.SetText(cRayleighSensitivityDlg::kSchedulePercentField, "7");
    });
}

enum class SizeFlow {
    Exact,
    // The attributes dialog hands back the size it shows (15 significant digits).
    AsTheDialogShowsIt,
};

enum class Reopens {
    AsShown,
    // The file holds the size the project hands on, not COCOMO's rounded one.
    WithTheSameReport,
    // Rayleigh takes the type kept aside again (FP and COCOMO sources); COCOMO takes the
    // project's report switches again.
    Otherwise,
};

struct CommandCase {
    const char* name;
    void (*script)(cScriptedPlatform&);
    void (cProjectDoc::*command)();
    // Sensitivity commands work only under their own source.
    std::optional<std::string> onlyUnder = {};
    SizeFlow size = SizeFlow::Exact;
    // Rayleigh initialized under the FP or COCOMO source shows its new SLOC type, not
    // the project's ranges.
    bool rayleighShowsItsOwnType = false;
    Reopens reopens = Reopens::AsShown;
};

const CommandCase kCommandCases[] = {
    {"function point count", CountFiveMoreSimpleInputs, &cProjectDoc::OnFunctionPointCount},
    {"value adjustment", RateTheFirstCharacteristicHigher, &cProjectDoc::OnValueAdjustmentFactor},
    {"function point sensitivity", WidenTheFunctionPointRange,
     &cProjectDoc::OnFunctionPointSensitivity, "FP"},
    {"function point initialize", AnswerYes, &cProjectDoc::OnFunctionPointInitialize},
    {"COCOMO attributes", ChooseOrganicMode, &cProjectDoc::OnCocomoAttributes, std::nullopt,
     SizeFlow::AsTheDialogShowsIt, false, Reopens::WithTheSameReport},
    {"cost drivers", RateTheFirstCostDriverOtherwise, &cProjectDoc::OnCocomoCostDrivers},
    {"COCOMO sensitivity", GiveCocomoASlocRange, &cProjectDoc::OnCocomoSensitivity, "COCOMO"},
    {"COCOMO initialize", AnswerYes, &cProjectDoc::OnCocomoInitialize, std::nullopt,
     SizeFlow::Exact, false, Reopens::Otherwise},
    {"Rayleigh attributes", ChooseTheNextApplicationType, &cProjectDoc::OnRayleighAttributes},
    {"Rayleigh sensitivity", GiveRayleighAScheduleRange, &cProjectDoc::OnRayleighSensitivity,
     "RAYLEIGH"},
    {"Rayleigh initialize", AnswerYes, &cProjectDoc::OnRayleighInitialize, std::nullopt,
     SizeFlow::Exact, true, Reopens::Otherwise},
};

const char* const kExamples[] = {"payroll.PRJ", "ground-station.PRJ", "web-shop.PRJ"};

class ProjectModelCommandsTest : public testing::ProjectTest {};

TEST_F(ProjectModelCommandsTest, EveryModelCommandUnderEverySourceHandsItsFiguresOn) {
    for (const CommandCase& c : kCommandCases) {
        for (const char* example : kExamples) {
            SCOPED_TRACE(std::string(c.name) + " in " + example);
            auto project = OpenCopy(example);
            ProjectView opened = ViewOf(*project);
            std::string source = FiguresOf(*project)["sensitivitySource"];
            std::string rayleighType = FiguresOf(*project)["rayleigh"]["sensitivityType"];
            if (c.onlyUnder && *c.onlyUnder != source) {
                ((*project).*c.command)();
                EXPECT_EQ(ViewOf(*project), opened);
                EXPECT_FALSE(project->IsModified());
                continue;
            }
            c.script(platform);
            ((*project).*c.command)();
            ASSERT_TRUE(platform.AllStepsUsed());
            EXPECT_TRUE(project->IsModified());
            EXPECT_NE(ViewOf(*project), opened) << "the command changed nothing";

            Json figures = FiguresOf(*project);
            double sloc = figures["functionPoint"]["sloc"]["value"].get<double>();
            if (c.size == SizeFlow::Exact) {
                EXPECT_EQ(figures["cocomo"]["sloc"]["value"].get<double>(), sloc);
            } else {
                EXPECT_NEAR(figures["cocomo"]["sloc"]["value"].get<double>(), sloc, sloc * 1e-14);
            }
            EXPECT_EQ(figures["rayleigh"]["sloc"].get<double>(), sloc);
            EXPECT_EQ(figures["rayleigh"]["tdev"].get<double>(),
                      figures["cocomo"]["timeToDevelop"]["value"].get<double>());
            if (source == "FP") {
                EXPECT_EQ(figures["cocomo"]["sensitivityType"], "SLOC");
                EXPECT_NEAR(SpreadPercent(figures["cocomo"]["sloc"]),
                            SpreadPercent(figures["functionPoint"]["sloc"]), 1e-9);
            }
            if (c.rayleighShowsItsOwnType) {
                EXPECT_EQ(figures["rayleigh"]["sensitivityType"], "SLOC");
            } else if (source != "RAYLEIGH") {
                EXPECT_EQ(figures["rayleigh"]["sensitivityType"], "PROJECT");
            } else if (!c.onlyUnder) {
                EXPECT_EQ(figures["rayleigh"]["sensitivityType"], rayleighType);
            }

            ProjectView shown = ViewOf(*project);
            auto reopened = Open(SaveUnchanged(*project, "changed.prj"));
            ProjectView view = ViewOf(*reopened);
            if (c.reopens == Reopens::AsShown) {
                EXPECT_EQ(view, shown);
            } else if (c.reopens == Reopens::WithTheSameReport) {
                EXPECT_EQ(view.report, shown.report);
            }
        }
    }
}

TEST_F(ProjectModelCommandsTest, CancelledOrDescriptionOnlyCommandsLeaveTheFigures) {
    auto project = OpenCopy("payroll.PRJ");
    ProjectView opened = ViewOf(*project);
    platform.ExpectDialogCancel();
    project->OnFunctionPointCount();
    platform.ExpectDialogCancel();
    project->OnCocomoAttributes();
    platform.ExpectMessage(MessageAnswer::No);
    project->OnRayleighInitialize();
    EXPECT_EQ(ViewOf(*project), opened);
    EXPECT_FALSE(project->IsModified());

    platform.ExpectDialog([](cDialogLogic&) { return true; });
    project->OnCocomoDescription();
    EXPECT_EQ(ViewOf(*project).figures, opened.figures);
    EXPECT_TRUE(project->IsModified());
}

// The sensitivity dialogs of the source mark the project even when cancelled.
TEST_F(ProjectModelCommandsTest, CancelledSensitivityOfTheSourceStillMarksTheProject) {
    const std::pair<const char*, void (cProjectDoc::*)()> cases[] = {
        {"payroll.PRJ", &cProjectDoc::OnFunctionPointSensitivity},
        {"ground-station.PRJ", &cProjectDoc::OnCocomoSensitivity},
        {"web-shop.PRJ", &cProjectDoc::OnRayleighSensitivity}};
    const bool marks[] = {true, true, false};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(cases[i].first);
        auto project = OpenCopy(cases[i].first);
        ProjectView opened = ViewOf(*project);
        platform.ExpectDialogCancel();
        ((*project).*cases[i].second)();
        EXPECT_EQ(ViewOf(*project), opened);
        EXPECT_EQ(project->IsModified(), marks[i]);
    }
}

// Initializing COCOMO keeps Rayleigh's current type aside, which under the FP and COCOMO
// sources is the project ranges: Rayleigh shows them after a switch to its own source.
TEST_F(ProjectModelCommandsTest, CocomoInitializeKeepsTheProjectRangesAsRayleighsType) {
    auto project = OpenCopy("payroll.PRJ");
    platform.ExpectMessage(MessageAnswer::Yes);
    project->OnCocomoInitialize();
    EXPECT_EQ(KeptAsideOf(*project).rayleighType, 4);
    project->OnUseSensitivity(cProjectDoc::SensitivitySource::Rayleigh);
    EXPECT_EQ(FiguresOf(*project)["rayleigh"]["sensitivityType"], "PROJECT");
}

// The language table is read again from the project's file; the size that changes with
// it reaches COCOMO and Rayleigh only with the next function point command.
TEST_F(ProjectModelCommandsTest, LanguagesReadTheFileAgainWithoutHandingTheSizeOn) {
    auto project = OpenCopy("payroll.PRJ");
    ExpectDialog<cFunctionPointCountDlg>(
        platform, [](cFunctionPointCountDlg& dialog) { dialog.SelectLanguage(1); });
    project->OnFunctionPointCount();
    Json chosen = FiguresOf(*project);

    platform.ExpectMessage(MessageAnswer::Yes);
    platform.ExpectDialog([](cDialogLogic&) { return true; });
    project->OnLanguages();
    Json reread = FiguresOf(*project);
    EXPECT_NE(reread["functionPoint"]["sloc"], chosen["functionPoint"]["sloc"]);
    EXPECT_EQ(reread["cocomo"], chosen["cocomo"]);
    EXPECT_EQ(reread["rayleigh"], chosen["rayleigh"]);

    platform.ExpectDialog([](cDialogLogic&) { return true; });
    project->OnFunctionPointCount();
    Json counted = FiguresOf(*project);
    EXPECT_EQ(counted["cocomo"]["sloc"]["value"], counted["functionPoint"]["sloc"]["value"]);
}

}  // namespace
}  // namespace korval
