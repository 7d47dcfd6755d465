#include <gtest/gtest.h>

#include <cmath>

#include "framework/ProfileAccess.h"
#include "rayleigh/ApplicationTypeProfile.h"
#include "tests/rayleigh/RayleighTestSupport.h"

namespace korval {
namespace {

using testing::RayleighDocFixture;
using testing::TempDir;

class RayleighFileTest : public RayleighDocFixture {
  protected:
    std::string Value(const char* section, const char* key, const std::string& path) {
        return ReadProfileValue(section, key, "<missing>", 60, path);
    }
};

TEST_F(RayleighFileTest, SaveWritesEveryKeyInItsFormat) {
    cRayleighDoc doc(context);
    doc.SetSourceLines(12500);
    doc.SetSchedule(14.5);
    doc.SetBuildPhasePercentage(80);
    doc.SetSelectedApplication(1);
    doc.SetRayleighSensitivity(12.5, 7, 2, 15, RayleighSensitivityType::Schedule);
    std::string path = dir.File("plan.RLM");
    ASSERT_TRUE(doc.SaveAs(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Value("KORVAL", "KORVAL_Type", path), "Rayleigh");
    EXPECT_EQ(Value("KORVAL", "Version", path), "4.1");
    EXPECT_EQ(Value("RayleighSummary", "Title", path), "");
    EXPECT_EQ(Value("Rayleigh_Model", "Source_Lines_Code", path), "12500.000000");
    EXPECT_EQ(Value("Rayleigh_Model", "Schedule", path), "14.500000");
    EXPECT_EQ(Value("Rayleigh_Model", "Build_Phase_Percentage", path), "80");
    EXPECT_EQ(Value("Application_Types", "Application_Type_Name02", path), "Custom");
    EXPECT_EQ(Value("Application_Types", "Selected_application", path), "01");
    EXPECT_EQ(Value("Rayleigh_Sensitivity_Analysis", "Selected_Rayleigh_Sen", path), "SCHD");
    EXPECT_EQ(Value("Rayleigh_Sensitivity_Analysis", "SLOC_Sen", path), "12.500000");
    EXPECT_EQ(Value("Rayleigh_Sensitivity_Analysis", "Schedule_Sen", path), "7.000000");
    EXPECT_EQ(Value("Rayleigh_Sensitivity_Analysis", "Productivity_Index_Sen", path), "2");
    EXPECT_EQ(Value("Rayleigh_Sensitivity_Analysis", "Productivity_Measure_Sen", path), "15");
    std::string text = TempDir::ReadFile(path);
    EXPECT_LT(text.find("[Rayleigh_Model]"), text.find("[Application_Types]"));
    EXPECT_LT(text.find("[Application_Types]"), text.find("[Rayleigh_Sensitivity_Analysis]"));
}

TEST_F(RayleighFileTest, ReopenedFileGivesTheSameFigures) {
    cRayleighDoc doc(context);
    doc.SetSourceLines(80000);
    doc.SetSchedule(18.25);
    doc.SetBuildPhasePercentage(70);
    doc.SetSelectedApplication(2);
    doc.SetRayleighSensitivity(0, 0, 3, 0, RayleighSensitivityType::Index);
    doc.SetDescriptionTexts("Portal", "A. Analyst", "two\r\nlines");
    std::string path = dir.File("again.RLM");
    ASSERT_TRUE(doc.SaveAs(path));

    cRayleighDoc reader(context);
    ASSERT_TRUE(reader.LoadModel(path));
    EXPECT_EQ(reader.ManpowerBuildupIndexRange(), doc.ManpowerBuildupIndexRange());
    EXPECT_EQ(reader.GetSchedule(), 18.25);
    EXPECT_EQ(reader.GetBuildPhasePercentage(), 70);
    EXPECT_EQ(reader.GetSelectedApplication(), 2);
    EXPECT_EQ(reader.GetSensitivityType(), RayleighSensitivityType::Index);
    EXPECT_EQ(reader.GetDescription(), "two\r\nlines");
}

TEST_F(RayleighFileTest, ProductivityIsWrittenBackAsItWasRead) {
    std::string path = ModelFile(
        "[Application_Types]\r\n"
        "Application_Type_Name00=Web\r\nApplication_Type_User00=TRUE\r\nApplication_Type_Prod00="
        "PM\r\n"
        "Application_Type_Val00=8000\r\nApplication_Type_SD00=5\r\n"
        "Application_Type_Name01=Radar\r\nApplication_Type_User01=FALSE\r\nApplication_Type_Prod01="
        "PI\r\n"
        "Application_Type_Val01=12\r\nApplication_Type_SD01=3\r\n");
    cRayleighDoc doc(context);
    ASSERT_TRUE(doc.LoadModel(path));
    ASSERT_EQ(doc.GetApplicationTypes().Count(), 2) << "the file's table replaces the defaults";
    std::string copy = dir.File("copy.RLM");
    ASSERT_TRUE(doc.SaveAs(copy));
    EXPECT_EQ(Value("Application_Types", "Application_Type_Prod00", copy), "PM");
    EXPECT_EQ(Value("Application_Types", "Application_Type_Val00", copy), "8000");
    EXPECT_EQ(Value("Application_Types", "Application_Type_Prod01", copy), "PI");
    EXPECT_EQ(Value("Application_Types", "Application_Type_Val01", copy), "12");
    EXPECT_EQ(Value("Application_Types", "Application_Type_Name02", copy), "<missing>");
}

struct LoadCase {
    const char* what;
    std::string body;
    RayleighSensitivityType type;
    double slocPercent;
    int piSteps;
    int pmPercent;
};

TEST_F(RayleighFileTest, SensitivityKeysReadByTheirRules) {
    const LoadCase cases[] = {
        {"sched is not a token", "Selected_Rayleigh_Sen=sched\r\n", RayleighSensitivityType::Sloc,
         0, 3, 0},
        {"tokens ignore case", "Selected_Rayleigh_Sen=Schd\r\n", RayleighSensitivityType::Schedule,
         0, 3, 0},
        {"pm", "Selected_Rayleigh_Sen=pm\r\n", RayleighSensitivityType::Measure, 0, 3, 0},
        {"PI", "Selected_Rayleigh_Sen=PI\r\n", RayleighSensitivityType::Index, 0, 3, 0},
        {"out of range",
         "SLOC_Sen=150\r\nProductivity_Index_Sen=11\r\nProductivity_Measure_Sen=101\r\n",
         RayleighSensitivityType::Sloc, 0, 0, 0},
        {"text is out of range",
         "SLOC_Sen=ten\r\nProductivity_Index_Sen=abc\r\nProductivity_Measure_Sen=x\r\n",
         RayleighSensitivityType::Sloc, 0, 0, 0},
        {"leading numbers",
         "SLOC_Sen=12.5 %\r\nProductivity_Index_Sen=2.9\r\nProductivity_Measure_Sen=20%\r\n",
         RayleighSensitivityType::Sloc, 12.5, 2, 20},
        {"-1 means the deviation", "Productivity_Index_Sen=-1\r\n", RayleighSensitivityType::Sloc,
         0, 3, 0},
    };
    for (const LoadCase& c : cases) {
        cRayleighDoc doc(context);
        ASSERT_TRUE(doc.LoadModel(ModelFile("[Rayleigh_Sensitivity_Analysis]\r\n" + c.body)));
        EXPECT_EQ(doc.GetSensitivityType(), c.type) << c.what;
        EXPECT_EQ(doc.GetSlocSensitivityPercent(), c.slocPercent) << c.what;
        EXPECT_EQ(doc.GetPiSensitivity(), c.piSteps) << c.what;
        EXPECT_EQ(doc.GetPmSensitivityPercent(), c.pmPercent) << c.what;
    }
}

TEST_F(RayleighFileTest, MissingIndexStepsTakeTheSelectedDeviationOrZeroAboveTen) {
    std::string path = ModelFile(
        "[Application_Types]\r\n"
        "Application_Type_Name00=Wide\r\nApplication_Type_User00=FALSE\r\nApplication_Type_Prod00="
        "PI\r\n"
        "Application_Type_Val00=9\r\nApplication_Type_SD00=12\r\nSelected_application=00\r\n");
    cRayleighDoc doc(context);
    ASSERT_TRUE(doc.LoadModel(path));
    EXPECT_EQ(doc.GetPiSensitivity(), 0);
}

// Each such value keeps the default and is named on opening, with the value used.
TEST_F(RayleighFileTest, ModelValuesThatAreNotNumbersKeepTheDefaults) {
    struct Case {
        const char* sloc;
        const char* schedule;
        const char* percentage;
        double wantSloc, wantSchedule;
        int wantPercentage;
    };
    const Case cases[] = {
        {"lots", " 9.5 months", "abc", 0, 9.5, 75},   {"-5000", "1e308", "-20", 0, 0, 75},
        {"999999999", "0", "100", 999999999, 0, 100}, {"1000000000", "-0.5", "101", 0, 0, 75},
        {"12.5e3", "nan", "80.9", 12500, 0, 80},
    };
    platform.AcceptAllMessages();
    for (const Case& c : cases) {
        cRayleighDoc doc(context);
        std::size_t before = platform.Messages().size();
        ASSERT_TRUE(doc.LoadModel(ModelFile(
            std::string("[Rayleigh_Model]\r\nSource_Lines_Code=") + c.sloc +
            "\r\nSchedule=" + c.schedule + "\r\nBuild_Phase_Percentage=" + c.percentage + "\r\n")));
        EXPECT_EQ(doc.GetSourceLines(), c.wantSloc) << c.sloc;
        EXPECT_EQ(doc.GetSchedule(), c.wantSchedule) << c.schedule;
        EXPECT_EQ(doc.GetBuildPhasePercentage(), c.wantPercentage) << c.percentage;
        EXPECT_TRUE(std::isfinite(doc.MainBuildPhaseTime()));
        std::vector<std::string> told(platform.Messages().begin() + before,
                                      platform.Messages().end());
        int refused = (c.wantSloc == 0 && std::string(c.sloc) != "0") +
                      (c.wantSchedule == 0 && std::string(c.schedule) != "0") +
                      (c.wantPercentage == 75 && std::string(c.percentage) != "75");
        EXPECT_EQ(told.size(), static_cast<std::size_t>(refused)) << c.sloc;
        for (const std::string& message : told)
            EXPECT_NE(message.find("is outside what the model takes"), std::string::npos);
    }
}

TEST_F(RayleighFileTest, ProjectRangesAreStoredAsSlocAndReadBackAsSloc) {
    cRayleighDoc doc(context);
    doc.SetRayleighSensitivity(8, 0, 3, 0, RayleighSensitivityType::Sloc);
    doc.SetSensitivityType(RayleighSensitivityType::ProjectRanges);
    doc.SetSourceLinesRange(1, 2);
    std::string path = dir.File("ranges.RLM");
    ASSERT_TRUE(doc.SaveAs(path));
    cRayleighDoc reader(context);
    ASSERT_TRUE(reader.LoadModel(path));
    EXPECT_EQ(reader.GetSensitivityType(), RayleighSensitivityType::Sloc);
    EXPECT_EQ(reader.GetSlocSensitivityPercent(), 8);
    EXPECT_EQ(reader.GetSlocLow(), 0) << "project ranges are not stored";
}

TEST_F(RayleighFileTest, SavingIntoAProjectFileWritesNoIdentity) {
    cRayleighDoc doc(context);
    std::string path = dir.File("plan.prj");
    ASSERT_TRUE(doc.SaveModel(path));
    EXPECT_EQ(Value("KORVAL", "Version", path), "<missing>");
    EXPECT_EQ(Value("KORVAL", "KORVAL_Type", path), "<missing>");
    EXPECT_EQ(Value("Rayleigh_Model", "Build_Phase_Percentage", path), "75");
}

TEST_F(RayleighFileTest, ASelectionOutsideAShorterTableBecomesTheFirstType) {
    cAppContext& third = ContextWithTypes(
        "Application_Type_Name00=A\r\nApplication_Type_User00=FALSE\r\nApplication_Type_Prod00="
        "PI\r\n"
        "Application_Type_Val00=5\r\nApplication_Type_SD00=1\r\n"
        "Application_Type_Name01=B\r\nApplication_Type_User01=FALSE\r\nApplication_Type_Prod01="
        "PI\r\n"
        "Application_Type_Val01=6\r\nApplication_Type_SD01=1\r\n"
        "Application_Type_Name02=C\r\nApplication_Type_User02=FALSE\r\nApplication_Type_Prod02="
        "PI\r\n"
        "Application_Type_Val02=7\r\nApplication_Type_SD02=1\r\nSelected_application=02\r\n");
    cRayleighDoc doc(third);
    ASSERT_EQ(doc.GetSelectedApplication(), 2);
    ASSERT_TRUE(doc.LoadModel(ModelFile(
        "[Application_Types]\r\n"
        "Application_Type_Name00=Only\r\nApplication_Type_User00=FALSE\r\n"
        "Application_Type_Prod00=PI\r\nApplication_Type_Val00=9\r\nApplication_Type_SD00=2\r\n"
        "Selected_application=05\r\n")));
    EXPECT_EQ(doc.GetSelectedApplication(), 0);
    EXPECT_EQ(doc.SelectedApplicationType()->Name(), "Only");
    EXPECT_EQ(doc.GetPiSensitivity(), 2);
}

TEST_F(RayleighFileTest, BadTablesLoadWithoutLosingTheDocument) {
    platform.AcceptAllMessages();
    cRayleighDoc doc(context);
    ASSERT_TRUE(doc.LoadModel(ModelFile(
        "[Rayleigh_Model]\r\nSource_Lines_Code=40000\r\nSchedule=12\r\n"
        "[Application_Types]\r\n"
        "Application_Type_Name00=Huge\r\nApplication_Type_User00=FALSE\r\nApplication_Type_Prod00="
        "PI\r\n"
        "Application_Type_Val00=41\r\nApplication_Type_SD00=2\r\nSelected_application=01\r\n")));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0], "Invalid value:  Application_Type_Val00 = 41");
    EXPECT_EQ(doc.GetApplicationTypes().Count(), 3) << "the defaults stay";
    EXPECT_EQ(doc.GetSelectedApplication(), 1);
    EXPECT_EQ(doc.GetSourceLines(), 40000);
}

TEST_F(RayleighFileTest, SaveCommandAsksForANameOnlyWithoutAPath) {
    cRayleighDoc doc(context);
    doc.SetModifiedFlag();
    platform.ExpectSaveFileName("");
    EXPECT_FALSE(doc.SaveToFile());
    EXPECT_TRUE(doc.IsModified());
    std::string path = dir.File("named.RLM");
    platform.ExpectSaveFileName(path);
    EXPECT_TRUE(doc.SaveToFile());
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(Value("KORVAL", "KORVAL_Type", path), "Rayleigh");
    doc.SetSourceLines(5);
    EXPECT_TRUE(doc.SaveToFile()) << "a second save goes to the same path without asking";
    EXPECT_EQ(Value("Rayleigh_Model", "Source_Lines_Code", path), "5.000000");
}

}  // namespace
}  // namespace korval
