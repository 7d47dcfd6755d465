#include <gtest/gtest.h>

#include "framework/ProfileAccess.h"
#include "rayleigh/ApplicationTypeProfile.h"
#include "rayleigh/cApplicationTypeList.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

// One [Application_Types] entry in file form.
std::string Entry(int n, const std::string& name, const std::string& user, const std::string& prod,
                  const std::string& val, const std::string& sd) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", n);
    return "Application_Type_Name" + std::string(number) + "=" + name + "\n" +
           "Application_Type_User" + number + "=" + user + "\n" + "Application_Type_Prod" + number +
           "=" + prod + "\n" + "Application_Type_Val" + number + "=" + val + "\n" +
           "Application_Type_SD" + number + "=" + sd + "\n";
}

cApplicationType Type(const std::string& name, double pi) {
    cProductivity productivity;
    productivity.FromIndex(pi);
    return cApplicationType(name, productivity, 2, false);
}

class ApplicationTypeProfileTest : public ::testing::Test {
  protected:
    TempDir dir;
    testing::cScriptedPlatform platform;
    int files = 0;

    std::string Profile(const std::string& entries) {
        std::string path = dir.File("types" + std::to_string(++files) + ".ini");
        TempDir::WriteFile(path, "[Application_Types]\n" + entries);
        return path;
    }
};

TEST_F(ApplicationTypeProfileTest, ReadsEveryFieldUntilTheFirstEmptyName) {
    cApplicationTypeList list;
    std::string path = Profile(Entry(0, "Avionics", "FALSE", "PI", "6", "3") +
                               Entry(1, "Web", "TRUE", "PM", "8000", "5") +
                               Entry(3, "Unreached", "TRUE", "PI", "9", "1"));
    EXPECT_EQ(LoadApplicationTypes(list, path, platform), 1);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0)->Name(), "Avionics");
    EXPECT_FALSE(list.At(0)->IsUserDefined());
    EXPECT_EQ(list.At(0)->Productivity().Index(), 6);
    EXPECT_FALSE(list.At(0)->Productivity().IsFromMeasure());
    EXPECT_EQ(list.At(0)->StandardDeviation(), 3);
    EXPECT_TRUE(list.At(1)->IsUserDefined());
    EXPECT_EQ(list.At(1)->Productivity().Measure(), 8000);
    EXPECT_TRUE(list.At(1)->Productivity().IsFromMeasure());
    EXPECT_EQ(list.At(2), nullptr);
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(ApplicationTypeProfileTest, WithoutATableAnEmptyListGetsTheBuiltInType) {
    cApplicationTypeList list;
    EXPECT_EQ(LoadApplicationTypes(list, dir.File("missing.ini"), platform), 1);
    ASSERT_EQ(list.Count(), 1);
    const cApplicationType& builtIn = *list.At(0);
    EXPECT_EQ(builtIn.Name(), "User specified system");
    EXPECT_EQ(builtIn.Productivity().Index(), 16);
    EXPECT_NEAR(builtIn.Productivity().Measure(), 28236.92, 0.005);
    EXPECT_EQ(builtIn.StandardDeviation(), 4);
    EXPECT_TRUE(builtIn.IsUserDefined());

    list.ClearApplicationTypes();
    list.Append(Type("Kept", 5));
    LoadApplicationTypes(list, dir.File("missing.ini"), platform);
    ASSERT_EQ(list.Count(), 1) << "a list that has entries stays as it was";
    EXPECT_EQ(list.At(0)->Name(), "Kept");
}

struct InvalidCase {
    std::string entries;
    std::string message;
    int entriesKept;
};

TEST_F(ApplicationTypeProfileTest, AnInvalidEntryIsReportedAndEndsTheReading) {
    const std::string good = Entry(0, "Avionics", "FALSE", "PI", "6", "3");
    const InvalidCase cases[] = {
        {Entry(0, "A", "Yes", "PI", "6", "3"), "Invalid entry:  Application_Type_User00 = Yes", 0},
        {Entry(0, "A", "true", "PI", "6", "3"), "Invalid entry:  Application_Type_User00 = true",
         0},
        {good + Entry(1, "B", "TRUE", "pi", "6", "3"),
         "Invalid entry:  Application_Type_Prod01 = pi", 1},
        {good + Entry(1, "B", "TRUE", "PM", "500", "3"),
         "Invalid value:  Application_Type_Val01 = 500", 1},
        {good + Entry(1, "B", "TRUE", "PM", "0", "3"), "Invalid value:  Application_Type_Val01 = 0",
         1},
        {good + Entry(1, "B", "TRUE", "PM", "-700", "3"),
         "Invalid value:  Application_Type_Val01 = -700", 1},
        {good + Entry(1, "B", "TRUE", "PI", "41", "3"),
         "Invalid value:  Application_Type_Val01 = 41", 1},
        {good + Entry(1, "B", "TRUE", "PI", "-1", "3"),
         "Invalid value:  Application_Type_Val01 = -1", 1},
        {good + Entry(1, "B", "TRUE", "PI", "6", "41"),
         "Invalid value:  Application_Type_SD01 = 41", 1},
        {good + Entry(1, "B", "TRUE", "PI", "6", "-1"),
         "Invalid value:  Application_Type_SD01 = -1", 1},
        {good + Entry(1, "Avionics", "TRUE", "PI", "6", "3"),
         "Duplicate application type name:  Application_Type_Name01 =Avionics", 1},
    };
    for (const InvalidCase& c : cases) {
        cApplicationTypeList list;
        list.Append(Type("Old", 3));
        platform.ExpectMessage();
        EXPECT_EQ(LoadApplicationTypes(list, Profile(c.entries), platform), 0) << c.message;
        ASSERT_FALSE(platform.Messages().empty());
        EXPECT_EQ(platform.Messages().back(), c.message);
        if (c.entriesKept == 0) {
            ASSERT_EQ(list.Count(), 1) << "nothing valid read: the old list stays";
            EXPECT_EQ(list.At(0)->Name(), "Old");
        } else {
            EXPECT_EQ(list.Count(), c.entriesKept) << c.message;
            EXPECT_EQ(list.At(0)->Name(), "Avionics");
        }
    }
}

TEST_F(ApplicationTypeProfileTest, ValuesAtTheEndsOfTheScaleAreAccepted) {
    cApplicationTypeList list;
    std::string path = Profile(Entry(0, "Zero", "FALSE", "PI", "0", "0") +
                               Entry(1, "Forty", "FALSE", "PI", "40", "40") +
                               Entry(2, "Low PM", "TRUE", "PM", "700", "3") +
                               Entry(3, "Embedded", "FALSE", "PI", "5", "3") +
                               Entry(4, "embedded", "FALSE", "PI", "5", "3"));
    EXPECT_EQ(LoadApplicationTypes(list, path, platform), 1);
    ASSERT_EQ(list.Count(), 5) << "names are compared with letter case";
    EXPECT_NEAR(list.At(2)->Productivity().Index(), 0.64, 0.005);
    EXPECT_EQ(list.FindApplicationType("embedded"), 4);
    EXPECT_EQ(list.FindApplicationType("EMBEDDED"), -1);
    EXPECT_EQ(list.FindApplicationType(""), -1);
}

TEST_F(ApplicationTypeProfileTest, LongNamesAndValuesAreCutToTheirBuffers) {
    cApplicationTypeList list;
    std::string longName(60, 'n');
    LoadApplicationTypes(list, Profile(Entry(0, longName, "FALSE", "PI", "12abc", "3 steps")),
                         platform);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.At(0)->Name(), std::string(50, 'n'));
    EXPECT_EQ(list.At(0)->Productivity().Index(), 12);
    EXPECT_EQ(list.At(0)->StandardDeviation(), 3);
}

TEST_F(ApplicationTypeProfileTest, SavingKeepsTheFormTheValueWasGivenIn) {
    cApplicationTypeList list;
    std::string path = Profile(Entry(0, "Web", "TRUE", "PM", "8000", "5") +
                               Entry(1, "Radar", "FALSE", "PI", "12", "3"));
    LoadApplicationTypes(list, path, platform);
    std::string saved = dir.File("saved.ini");
    ASSERT_TRUE(SaveApplicationTypes(list, saved));
    auto read = [&](const char* key) {
        return ReadProfileString(kApplicationTypesSection, key, "", 60, saved);
    };
    EXPECT_EQ(read("Application_Type_Prod00"), "PM");
    EXPECT_EQ(read("Application_Type_Val00"), "8000");
    EXPECT_EQ(read("Application_Type_User00"), "TRUE");
    EXPECT_EQ(read("Application_Type_Prod01"), "PI");
    EXPECT_EQ(read("Application_Type_Val01"), "12");
    EXPECT_EQ(read("Application_Type_SD01"), "3");
    EXPECT_EQ(read("Application_Type_User01"), "FALSE");
}

TEST_F(ApplicationTypeProfileTest, AShorterListSavedOverALongerOneReadsBackWithTheOldTail) {
    cApplicationTypeList five;
    for (const char* name : {"A", "B", "C", "D", "E"}) five.Append(Type(name, 5));
    std::string path = dir.File("five.ini");
    ASSERT_TRUE(SaveApplicationTypes(five, path));
    cApplicationTypeList three;
    for (const char* name : {"X", "Y", "Z"}) three.Append(Type(name, 7));
    ASSERT_TRUE(SaveApplicationTypes(three, path));
    cApplicationTypeList read;
    LoadApplicationTypes(read, path, platform);
    std::vector<std::string> names;
    for (const cApplicationType& type : read) names.push_back(type.Name());
    EXPECT_EQ(names, (std::vector<std::string>{"X", "Y", "Z", "D", "E"}));
}

TEST_F(ApplicationTypeProfileTest, SelectionIsReadAsANumber) {
    TempDir::WriteFile(dir.File("sel.ini"), "[Application_Types]\nSelected_application=07\n");
    EXPECT_EQ(ReadSelectedApplicationIndex(dir.File("sel.ini")), 7);
    EXPECT_EQ(ReadSelectedApplicationIndex(dir.File("none.ini")), -1);
    TempDir::WriteFile(dir.File("text.ini"), "[Application_Types]\nSelected_application=first\n");
    EXPECT_EQ(ReadSelectedApplicationIndex(dir.File("text.ini")), std::nullopt);
    ASSERT_TRUE(WriteSelectedApplication(3, dir.File("w.ini")));
    EXPECT_EQ(ReadProfileValue(kApplicationTypesSection, kSelectedApplicationKey, "", 20,
                               dir.File("w.ini")),
              "03");
}

TEST(ApplicationTypeListTest, RemoveGivesTheEntryAndCopiesAreIndependent) {
    cApplicationTypeList list;
    list.Append(Type("A", 5));
    list.Append(Type("B", 6));
    cApplicationTypeList copy = list;
    copy.At(0)->Productivity().FromMeasure(9000);
    EXPECT_EQ(list.At(0)->Productivity().Index(), 5) << "a copy never shares a productivity";
    std::optional<cApplicationType> removed = list.RemoveAt(0);
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->Name(), "A");
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(list.RemoveAt(1));
    EXPECT_FALSE(list.RemoveAt(-1));
    cApplicationType intermediate;
    EXPECT_EQ(intermediate.Name(), "User defined system");
    EXPECT_TRUE(intermediate.IsUserDefined());
    EXPECT_EQ(intermediate.StandardDeviation(), 0);
}

}  // namespace
}  // namespace korval
