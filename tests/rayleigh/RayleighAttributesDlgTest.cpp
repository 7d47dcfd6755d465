#include <gtest/gtest.h>

#include "framework/ProfileAccess.h"
#include "rayleigh/cRayleighAttributesDlg.h"
#include "tests/rayleigh/RayleighTestSupport.h"

namespace korval {
namespace {

using Dlg = cRayleighAttributesDlg;
using testing::RayleighDocFixture;

constexpr int kBusiness = 0;
constexpr int kEmbedded = 1;
constexpr int kCustom = 2;  // user-defined, PI 12

void ExpectProductivityLocked(const Dlg& dialog) {
    EXPECT_FALSE(dialog.IsEnabled(Dlg::kIndexField));
    EXPECT_FALSE(dialog.IsEnabled(Dlg::kMeasureField));
    EXPECT_FALSE(dialog.AreFormRadiosEnabled());
}

class RayleighAttributesDlgTest : public RayleighDocFixture {};

TEST_F(RayleighAttributesDlgTest, OpensWithTheDocumentAndItsPreviews) {
    cRayleighDoc doc(context);
    doc.SetSourceLines(150000);
    doc.SetSchedule(16);
    Dlg dialog(platform, doc);
    EXPECT_EQ(dialog.GetApplicationTypeNames(),
              (std::vector<std::string>{"Business", "Embedded", "Custom"}));
    EXPECT_EQ(dialog.GetSelectedApplication(), kBusiness);
    EXPECT_EQ(dialog.GetText(Dlg::kIndexField), "17");
    EXPECT_EQ(dialog.GetText(Dlg::kMeasureField), "35920");
    EXPECT_EQ(dialog.GetProductivityForm(), Dlg::Form::Index);
    EXPECT_EQ(dialog.GetText(Dlg::kSourceLinesField), "150000");
    EXPECT_EQ(dialog.GetText(Dlg::kScheduleField), "16");
    EXPECT_EQ(dialog.GetText(Dlg::kPercentageField), "75");
    EXPECT_EQ(dialog.GetText(Dlg::kBuildTimeField), "12.0");
    EXPECT_EQ(dialog.GetText(Dlg::kMbiLevelField), "4");
    ExpectProductivityLocked(dialog);
    EXPECT_TRUE(dialog.IsEnabled(Dlg::kSourceLinesField));
    EXPECT_TRUE(dialog.IsReadOnly(Dlg::kBuildTimeField));
}

TEST_F(RayleighAttributesDlgTest, PreviewsUseTheRoundedTimeAndTheWholeMeasure) {
    cRayleighDoc doc(
        ContextWithTypes("Application_Type_Name00=Sixteen\r\nApplication_Type_User00=TRUE\r\n"
                         "Application_Type_Prod00=PI\r\nApplication_Type_Val00=16\r\n"
                         "Application_Type_SD00=4\r\n"));
    Dlg dialog(platform, doc);
    EXPECT_EQ(dialog.GetText(Dlg::kMeasureField), "28237");
    struct Case {
        const char* sloc;
        const char* tdev;
        const char* percentage;
        const char* buildTime;
        const char* level;
    };
    const Case cases[] = {
        {"50000", "20", "75", "15.0", "<0"},
        {"200000", "12", "75", "9.0", ">6"},
        {"200000", "12", "0", "0.0", "0"},
        {"100000", "13.3", "75", "10.0", "5"},  // 9.975 months shows as 10.0
    };
    for (const Case& c : cases) {
        dialog.SetText(Dlg::kSourceLinesField, c.sloc);
        dialog.SetText(Dlg::kScheduleField, c.tdev);
        dialog.SetText(Dlg::kPercentageField, c.percentage);
        EXPECT_TRUE(dialog.OnLeaveInputField());
        EXPECT_EQ(dialog.GetText(Dlg::kBuildTimeField), c.buildTime) << c.sloc << " " << c.tdev;
        EXPECT_EQ(dialog.GetText(Dlg::kMbiLevelField), c.level) << c.sloc << " " << c.tdev;
    }
}

// As the user types, the previews follow without leaving the field; a half-typed text
// leaves them as they were and says nothing.
TEST_F(RayleighAttributesDlgTest, PreviewsFollowTheTypingQuietly) {
    cRayleighDoc doc(context);
    doc.SetSourceLines(150000);
    doc.SetSchedule(16);
    Dlg dialog(platform, doc);
    dialog.SetText(Dlg::kScheduleField, "20");
    dialog.PreviewAsTyped();
    EXPECT_EQ(dialog.GetText(Dlg::kBuildTimeField), "15.0");
    for (const char* partial : {"", "-", "0", "1e"}) {
        dialog.SetText(Dlg::kScheduleField, partial);
        dialog.PreviewAsTyped();
        EXPECT_EQ(dialog.GetText(Dlg::kBuildTimeField), "15.0") << partial;
    }
    dialog.SetText(Dlg::kScheduleField, "2.5");
    dialog.PreviewAsTyped();
    EXPECT_EQ(dialog.GetText(Dlg::kBuildTimeField), "1.9");
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(RayleighAttributesDlgTest, AFixedTypeLeavesTheListUnchanged) {
    cRayleighDoc doc(context);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<Dlg&>(logic);
        EXPECT_TRUE(dialog.OnSelectApplicationType(kEmbedded));
        EXPECT_EQ(dialog.GetText(Dlg::kIndexField), "5");
        dialog.SetText(Dlg::kScheduleField, "18");
        dialog.SetText(Dlg::kSourceLinesField, "25000");
        dialog.SetText(Dlg::kPercentageField, "80");
        return dialog.OnOk();
    });
    doc.OnAttributes();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetSelectedApplication(), kEmbedded);
    EXPECT_EQ(doc.GetSchedule(), 18);
    EXPECT_EQ(doc.GetSourceLines(), 25000);
    EXPECT_EQ(doc.GetBuildPhasePercentage(), 80);
    EXPECT_EQ(doc.GetApplicationTypes().At(kEmbedded)->Productivity().Index(), 5);
    EXPECT_EQ(doc.GetApplicationTypes().At(kCustom)->Productivity().Index(), 12);
}

TEST_F(RayleighAttributesDlgTest, AUserDefinedTypeTakesANewMeasure) {
    cRayleighDoc doc(context);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<Dlg&>(logic);
        dialog.OnSelectApplicationType(kCustom);
        EXPECT_EQ(dialog.GetText(Dlg::kMeasureField), "10784") << "measure 10783.54 rounded";
        EXPECT_TRUE(dialog.AreFormRadiosEnabled());
        EXPECT_TRUE(dialog.IsEnabled(Dlg::kIndexField));
        EXPECT_FALSE(dialog.IsEnabled(Dlg::kMeasureField));
        EXPECT_TRUE(dialog.OnMeasureRadio());
        EXPECT_FALSE(dialog.IsEnabled(Dlg::kIndexField));
        EXPECT_TRUE(dialog.IsEnabled(Dlg::kMeasureField));
        dialog.SetText(Dlg::kMeasureField, "5000");
        EXPECT_TRUE(dialog.OnLeaveMeasureField());
        EXPECT_EQ(dialog.GetText(Dlg::kIndexField), "9");
        return dialog.OnOk();
    });
    doc.OnAttributes();
    const cProductivity& productivity = doc.GetApplicationTypes().At(kCustom)->Productivity();
    EXPECT_TRUE(productivity.IsFromMeasure());
    EXPECT_EQ(productivity.Measure(), 5000);
    std::string path = dir.File("custom.RLM");
    ASSERT_TRUE(doc.SaveAs(path));
    EXPECT_EQ(ReadProfileString("Application_Types", "Application_Type_Prod02", "", 3, path), "PM");
    EXPECT_EQ(ReadProfileString("Application_Types", "Application_Type_Val02", "", 9, path),
              "5000");
}

TEST_F(RayleighAttributesDlgTest, WorkingCopiesSurviveSwitchingAndCancelDropsThem) {
    cRayleighDoc doc(context);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<Dlg&>(logic);
        dialog.OnSelectApplicationType(kCustom);
        dialog.SetText(Dlg::kIndexField, "20");
        EXPECT_TRUE(dialog.OnLeaveIndexField());
        EXPECT_EQ(dialog.GetText(Dlg::kMeasureField), "73939");
        dialog.OnSelectApplicationType(kBusiness);
        ExpectProductivityLocked(dialog);
        dialog.OnSelectApplicationType(kCustom);
        EXPECT_EQ(dialog.GetText(Dlg::kIndexField), "20") << "the working copy, not the document";
        return false;
    });
    doc.OnAttributes();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetApplicationTypes().At(kCustom)->Productivity().Index(), 12);
}

TEST_F(RayleighAttributesDlgTest, EditsOfAnotherTypeReachTheDocumentOnOk) {
    cRayleighDoc doc(context);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<Dlg&>(logic);
        dialog.OnSelectApplicationType(kCustom);
        dialog.SetText(Dlg::kIndexField, "14");
        dialog.OnLeaveIndexField();
        dialog.OnSelectApplicationType(kEmbedded);
        return dialog.OnOk();
    });
    doc.OnAttributes();
    EXPECT_EQ(doc.GetSelectedApplication(), kEmbedded);
    EXPECT_EQ(doc.GetApplicationTypes().At(kCustom)->Productivity().Index(), 14);
}

TEST_F(RayleighAttributesDlgTest, AProjectsFiguresAreShownRoundedAndKeptExact) {
    cRayleighDoc doc(context);
    doc.SetSourceLines(12345.678);
    doc.SetSchedule(14.26);
    doc.SetSourceLinesEditable(false);
    doc.SetScheduleEditable(false);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<Dlg&>(logic);
        EXPECT_EQ(dialog.GetText(Dlg::kSourceLinesField), "12345.7");
        EXPECT_EQ(dialog.GetText(Dlg::kScheduleField), "14.3");
        EXPECT_FALSE(dialog.IsEnabled(Dlg::kSourceLinesField));
        EXPECT_TRUE(dialog.IsReadOnly(Dlg::kScheduleField));
        dialog.SetText(Dlg::kSourceLinesField, "99");
        EXPECT_EQ(dialog.GetText(Dlg::kSourceLinesField), "12345.7");
        dialog.SetText(Dlg::kPercentageField, "60");
        return dialog.OnOk();
    });
    doc.OnAttributes();
    EXPECT_EQ(doc.GetSourceLines(), 12345.678);
    EXPECT_EQ(doc.GetSchedule(), 14.26);
    EXPECT_EQ(doc.GetBuildPhasePercentage(), 60);
}

TEST_F(RayleighAttributesDlgTest, FieldChecksStopEveryStep) {
    cRayleighDoc doc(context);
    Dlg dialog(platform, doc);
    struct Case {
        Dlg::Field field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {Dlg::kScheduleField, "1000000000", "Please enter a number between 0 and 999999999."},
        {Dlg::kScheduleField, "soon", "Please enter a number."},
        {Dlg::kPercentageField, "101", "Please enter an integer between 0 and 100."},
        {Dlg::kSourceLinesField, "-1", "Please enter a number between 0 and 999999999."},
    };
    for (const Case& c : cases) {
        std::string kept = dialog.GetText(c.field);
        dialog.SetText(c.field, c.text);
        platform.ExpectMessage();
        platform.ExpectMessage();
        EXPECT_FALSE(dialog.OnLeaveInputField()) << c.text;
        EXPECT_FALSE(dialog.OnOk()) << c.text;
        EXPECT_EQ(platform.Messages().back(), c.message);
        dialog.SetText(c.field, kept);
    }
    EXPECT_TRUE(dialog.OnOk());
}

// The planned buildup level reaches the document on OK; a size without a main build time
// (TDEV or percentage 0) is refused, as its Putnam figures would all read 0.
TEST_F(RayleighAttributesDlgTest, TheBuildupLevelIsChosenAndASizeNeedsAMainBuild) {
    cRayleighDoc doc(context);
    platform.ExpectDialog([this](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<Dlg&>(logic);
        EXPECT_EQ(dialog.GetBuildupLevelNames().front(), "0 (very slow)");
        EXPECT_EQ(dialog.GetBuildupLevel(), kDefaultBuildupLevel);
        dialog.OnSelectBuildupLevel(5);
        dialog.SetText(Dlg::kSourceLinesField, "15000");
        for (const char* schedule : {"0", "12"}) {
            dialog.SetText(Dlg::kScheduleField, schedule);
            for (const char* percentage : {"0", "75"}) {
                dialog.SetText(Dlg::kPercentageField, percentage);
                bool refused = std::string(schedule) == "0" || std::string(percentage) == "0";
                if (refused) platform.ExpectMessage();
                EXPECT_EQ(dialog.OnOk(), !refused) << schedule << " " << percentage;
            }
        }
        return true;
    });
    doc.OnAttributes();
    EXPECT_EQ(doc.GetBuildupLevel(), 5);
    EXPECT_EQ(doc.GetSchedule(), 12);
}

TEST_F(RayleighAttributesDlgTest, ATypeOffTheEditRangesBlocksUntilAnotherIsChosen) {
    cRayleighDoc doc(
        ContextWithTypes("Application_Type_Name00=Slow\r\nApplication_Type_User00="
                         "FALSE\r\nApplication_Type_Prod00=PM\r\n"
                         "Application_Type_Val00=650\r\nApplication_Type_SD00=1\r\n"
                         "Application_Type_Name01=Normal\r\nApplication_Type_User01="
                         "FALSE\r\nApplication_Type_Prod01=PI\r\n"
                         "Application_Type_Val01=10\r\nApplication_Type_SD01=1\r\n"));
    Dlg dialog(platform, doc);
    EXPECT_EQ(dialog.GetText(Dlg::kIndexField), "0");
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnOk());
    EXPECT_EQ(platform.Messages().back(), "Please enter an integer between 1 and 40.");
    EXPECT_TRUE(dialog.OnSelectApplicationType(1));
    EXPECT_TRUE(dialog.OnOk());
}

}  // namespace
}  // namespace korval
