#include <gtest/gtest.h>

#include "framework/ProfileAccess.h"
#include "framework/cProfileStore.h"
#include "functionpoint/LanguageProfile.h"
#include "tests/functionpoint/FpTestSupport.h"

namespace korval {
namespace {

using testing::FpFixture;
using testing::TempDir;

struct LoadCase {
    const char* name;
    const char* section;
    std::vector<std::string> names;
    std::vector<int> multipliers;
    const char* message;  // nullptr: none
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadLanguagesTest : public ::testing::TestWithParam<LoadCase>, public FpFixture {};

TEST_P(LoadLanguagesTest, ReadsUpToTheFirstGapOrBadMultiplier) {
    const LoadCase& c = GetParam();
    std::string path = dir.File("model.fpm");
    TempDir::WriteFile(path, c.section);
    platform.AcceptAllMessages();
    cLanguageTable table;
    EXPECT_EQ(LoadLanguages(path, table, context), c.message == nullptr);
    EXPECT_EQ(table.Names(), c.names);
    std::vector<int> multipliers;
    for (const cLanguage& entry : table.Entries()) multipliers.push_back(entry.GetMultiplier());
    EXPECT_EQ(multipliers, c.multipliers);
    if (c.message) {
        EXPECT_EQ(platform.Messages(), std::vector<std::string>{c.message});
    } else {
        EXPECT_TRUE(platform.Messages().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadLanguagesTest,
    ::testing::Values(
        LoadCase{"TwoLanguages",
                 "[Languages]\nLanguageName00=First\nLanguageMult00=100\nLanguageName01="
                 "Second\nLanguageMult01=128\n",
                 {"None", "First", "Second"},
                 {0, 100, 128},
                 nullptr},
        LoadCase{"GapEndsTheTable",
                 "[Languages]\nLanguageName00=First\nLanguageMult00=100\nLanguageName02="
                 "Third\nLanguageMult02=5\n",
                 {"None", "First"},
                 {0, 100},
                 nullptr},
        LoadCase{"ZeroMultiplier",
                 "[Languages]\nLanguageName00=First\nLanguageMult00=0\n",
                 {"None"},
                 {0},
                 "Invalid profile entry:  LanguageMult00"},
        LoadCase{"LetterMultiplier",
                 "[Languages]\nLanguageName00=First\nLanguageMult00=abc\n",
                 {"None"},
                 {0},
                 "Invalid profile entry:  LanguageMult00"},
        LoadCase{"MissingMultiplierKeepsEarlierEntries",
                 "[Languages]\nLanguageName00=First\nLanguageMult00=7\nLanguageName01=Second\n",
                 {"None", "First"},
                 {0, 7},
                 "Invalid profile entry:  LanguageMult01"},
        LoadCase{"FourDigitMultiplierReadsBack",
                 "[Languages]\nLanguageName00=Spreadsheet\nLanguageMult00=9999\n",
                 {"None", "Spreadsheet"},
                 {0, 9999},
                 nullptr},
        LoadCase{"NoSection", "[Other]\nKey=1\n", {"None"}, {0}, nullptr}),
    [](const auto& info) { return info.param.name; });

class LanguageTableTest : public ::testing::Test, public FpFixture {};

TEST_F(LanguageTableTest, LoadStopsAtOneHundredEntriesIncludingNone) {
    std::string path = dir.File("long.fpm");
    std::string content = "[Languages]\n";
    for (int i = 0; i < 120; ++i) {
        content += LanguageNameKey(i).String() + "=L" + std::to_string(i) + "\n" +
                   LanguageMultKey(i).String() + "=1\n";
    }
    TempDir::WriteFile(path, content);
    cLanguageTable table;
    LoadLanguages(path, table, context);
    ASSERT_EQ(table.Count(), kLanguageLoadLimit);
    EXPECT_EQ(table.At(99).GetName(), "L98");
}

TEST_F(LanguageTableTest, EmptyPathMeansTheDefaultsProfile) {
    std::string path;
    cLanguageTable table;
    LoadLanguages(path, table, context);
    EXPECT_EQ(path, context.defaultsProfilePath);
    EXPECT_EQ(table.Names(), (std::vector<std::string>{"None", "Ada 95", "C", "Java"}));
}

// New documents share the defaults profile's table; a file's table or one set on a
// document is that document's alone.
TEST_F(LanguageTableTest, TableOfOneDocumentNeverChangesAnother) {
    std::string path = dir.File("model.FPM");
    TempDir::WriteFile(path,
                       "[Languages]\r\nLanguageName00=Cobol\r\nLanguageMult00=107\r\n"
                       "Selected_Language=Cobol\r\nSelected_Language_Mult=107\r\n");
    cFunctionPointDoc fromFile(context);
    ASSERT_TRUE(fromFile.LoadModel(path));
    cFunctionPointDoc edited(context);
    cLanguageTable own;
    own.ResetToNone();
    ASSERT_TRUE(own.AddLanguage("Forth", 60));
    edited.SetLanguageTable(own);
    const std::vector<std::string> defaults = {"None", "Ada 95", "C", "Java"};
    EXPECT_EQ(fromFile.GetLanguageTable().Names(), (std::vector<std::string>{"None", "Cobol"}));
    EXPECT_EQ(fromFile.GetSelectedLanguage().GetName(), "Cobol");
    EXPECT_EQ(edited.GetLanguageTable().Names(), (std::vector<std::string>{"None", "Forth"}));
    EXPECT_EQ(cFunctionPointDoc(context).GetLanguageTable().Names(), defaults);
    fromFile.ResetToDefaults();
    EXPECT_EQ(fromFile.GetLanguageTable().Names(), defaults);
}

TEST_F(LanguageTableTest, BundledProfileHoldsTheWholePublishedTable) {
    std::string path = KORVAL_DEFAULTS_PROFILE;
    cLanguageTable table;
    EXPECT_TRUE(LoadLanguages(path, table, context));
    EXPECT_EQ(table.Count(), 53);
    EXPECT_EQ(table.At(table.FindLanguage("Machine Code")).GetMultiplier(), 640);
    EXPECT_EQ(table.At(table.FindLanguage("python")).GetMultiplier(), 57);
    EXPECT_EQ(table.At(table.FindLanguage("Fifth Generation Default")).GetMultiplier(), 4);
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(LanguageTableTest, FindAddAndRemoveCompareNamesWithoutCase) {
    cLanguageTable table;
    EXPECT_EQ(table.FindLanguage("None"), -1) << "an empty table finds nothing";
    table.ResetToNone();
    EXPECT_TRUE(table.AddLanguage("Ada 95", 49));
    EXPECT_TRUE(table.AddLanguage("COBOL", 91));
    EXPECT_FALSE(table.AddLanguage("", 5));
    EXPECT_FALSE(table.AddLanguage("Negative", -1));
    EXPECT_EQ(table.FindLanguage("cobol"), 2);
    EXPECT_EQ(table.FindExactName("cobol"), -1);
    EXPECT_FALSE(table.RemoveLanguage("Fortran"));
    EXPECT_TRUE(table.RemoveLanguage("ADA 95"));
    EXPECT_EQ(table.Names(), (std::vector<std::string>{"None", "COBOL"}));
}

TEST_F(LanguageTableTest, SaveWritesEveryEntryButNoneAndBlankingEndsALongerOldTable) {
    std::string path = dir.File("m.fpm");
    TempDir::WriteFile(path,
                       "[Languages]\nLanguageName00=Old0\nLanguageMult00=1\nLanguageName01=Old1\n"
                       "LanguageMult01=2\nLanguageName02=Old2\nLanguageMult02=3\n");
    cLanguageTable table;
    table.ResetToNone();
    table.AddLanguage("New", 9999);
    ASSERT_TRUE(SaveLanguages(path, table));
    ASSERT_TRUE(BlankSurplusLanguages(path, table.Count()));
    EXPECT_EQ(TempDir::ReadFile(path),
              "[Languages]\nLanguageName00=New\nLanguageMult00=9999\nLanguageName01=\n"
              "LanguageMult01=0\nLanguageName02=\nLanguageMult02=0\n");
    cLanguageTable reread;
    LoadLanguages(path, reread, context);
    EXPECT_EQ(reread, table);
}

TEST_F(LanguageTableTest, SelectedLanguageKeepsTheFileMultiplierOrBecomesNone) {
    cLanguageTable table;
    table.ResetToNone();
    table.AddLanguage("Java", 53);
    std::string path = dir.File("s.fpm");
    cLanguage selected;
    TempDir::WriteFile(path, "[Languages]\nSelected_Language=java\nSelected_Language_Mult=60\n");
    ReadSelectedLanguage(path, table, selected);
    EXPECT_EQ(selected, cLanguage("java", 60))
        << "the multiplier stored with the model wins over the table";
    TempDir::WriteFile(path, "[Languages]\nSelected_Language=Java\nSelected_Language_Mult=-3\n");
    cProfileStore::Instance().Clear();
    ReadSelectedLanguage(path, table, selected);
    EXPECT_EQ(selected, cLanguage("Java", 60)) << "a negative multiplier leaves the previous one";
    TempDir::WriteFile(path, "[Languages]\nSelected_Language=Cobol\nSelected_Language_Mult=91\n");
    cProfileStore::Instance().Clear();
    ReadSelectedLanguage(path, table, selected);
    EXPECT_EQ(selected, cLanguage("None", 0));
}

TEST(LanguageLabelTest, CutsTheNameToTwentyFiveCharacters) {
    EXPECT_EQ(LanguageLabel(cLanguage("None", 0)), "None  (0 SLOC/FP)");
    EXPECT_EQ(LanguageLabel(cLanguage("Fourth Generation Default Language", 20)),
              "Fourth Generation Default  (20 SLOC/FP)");
}

}  // namespace
}  // namespace korval
