#include "app/RememberedProfile.h"
#include "calibration/cCalibrateDlg.h"
#include "tests/calibration/CalibrationTestSupport.h"

namespace korval::testing {
namespace {

class CalibrateDlgTest : public CalibrationTest {
  protected:
    std::string HistoryFile() {
        return WriteHistory("history.csv",
                            "name,ksloc,effort_pm,mode\n"
                            "a,10,30,organic\nb,20,62,organic\nc,40,130,organic\n"
                            "d,15,47,organic\ne,8,23,organic\nf,x,3,organic\n");
    }
};

TEST_F(CalibrateDlgTest, ShowsTheProblemsAndTicksEveryFit) {
    cCalibrateDlg dialog(context, HistoryFile());
    EXPECT_EQ(dialog.Summary(), "5 projects used; 1 row could not be used.");
    ASSERT_EQ(dialog.ProblemTexts().size(), 1u);
    EXPECT_NE(dialog.ProblemTexts()[0].find("history.csv:7: ksloc: 'x' is not a number"),
              std::string::npos);
    ASSERT_EQ(dialog.Items().size(), 1u);
    EXPECT_EQ(dialog.Items()[0].label.rfind("Organic: a = ", 0), 0u);
    EXPECT_TRUE(dialog.CanSaveProfile());
    dialog.SetApplied(0, false);
    EXPECT_FALSE(dialog.CanSaveProfile());
    EXPECT_FALSE(dialog.OnSaveProfile());  // nothing ticked: nothing asked
    EXPECT_TRUE(platform.AllStepsUsed());
    EXPECT_NE(dialog.ReportText().find("Accuracy on the History"), std::string::npos);
}

TEST_F(CalibrateDlgTest, SaveProfileWritesItAndMayRememberIt) {
    cCalibrateDlg dialog(context, HistoryFile());
    std::string out = dir.File("ours.ini");
    platform.ExpectSaveFileName(out);
    platform.ExpectMessage(MessageAnswer::Yes);
    ASSERT_TRUE(dialog.OnSaveProfile());
    EXPECT_EQ(dialog.SavedProfilePath(), out);
    EXPECT_TRUE(std::filesystem::exists(out));
    EXPECT_EQ(platform.ReadSetting(kProfileSettingSection, kProfileSettingKey, ""), out);
    // The next start names it, unless KORVAL_PROFILE does.
    platform.existingFiles.push_back(out);
    EXPECT_EQ(NamedStartupProfile(nullptr, platform), out);
    EXPECT_EQ(NamedStartupProfile("/elsewhere.ini", platform), "/elsewhere.ini");
}

TEST_F(CalibrateDlgTest, ARememberedProfileThatIsGoneIsForgotten) {
    RememberProfile(platform, dir.File("gone.ini"));
    platform.ExpectMessage();
    EXPECT_EQ(NamedStartupProfile("", platform), "");
    EXPECT_NE(platform.Messages().back().find("no longer there"), std::string::npos);
    EXPECT_EQ(platform.ReadSetting(kProfileSettingSection, kProfileSettingKey, ""), "");
}

TEST_F(CalibrateDlgTest, OptionsDefaultsProfileChoosesOrGoesBack) {
    platform.ExpectOpenFileName("/profiles/ours.ini");
    platform.ExpectMessage();
    EXPECT_TRUE(ChooseRememberedProfile(platform));
    EXPECT_EQ(platform.ReadSetting(kProfileSettingSection, kProfileSettingKey, ""),
              "/profiles/ours.ini");
    platform.ExpectOpenFileName("");
    platform.ExpectMessage(MessageAnswer::Yes);
    EXPECT_TRUE(ChooseRememberedProfile(platform));
    EXPECT_EQ(platform.ReadSetting(kProfileSettingSection, kProfileSettingKey, ""), "");
}

TEST_F(CalibrateDlgTest, AHistoryWithoutProjectsOffersNothing) {
    cCalibrateDlg dialog(context, WriteHistory("empty.csv", ""));
    EXPECT_EQ(dialog.Summary(), "No project could be read from the history.");
    EXPECT_TRUE(dialog.Items().empty());
    EXPECT_FALSE(dialog.CanSaveProfile());
}

}  // namespace
}  // namespace korval::testing
