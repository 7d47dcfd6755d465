#include <gtest/gtest.h>

#include "framework/ProfileAccess.h"
#include "framework/cProfileStore.h"
#include "functionpoint/LanguageProfile.h"
#include "functionpoint/cLanguageDlg.h"
#include "tests/functionpoint/FpTestSupport.h"

namespace korval {
namespace {

using testing::FpFixture;
using testing::TempDir;

class LanguageDlgTest : public ::testing::Test, public FpFixture {
  protected:
    std::string modelPath = dir.File("model.FPM");

    // A model file whose table holds only Cobol.
    void WriteModel() {
        TempDir::WriteFile(
            modelPath,
            "[KORVAL]\r\nKORVAL_Type=FunctionPoint\r\n[Languages]\r\n"
            "LanguageName00=Cobol\r\nLanguageMult00=91\r\nSelected_Language=Cobol\r\n"
            "Selected_Language_Mult=91\r\n");
    }
    cLanguageTable Stored(const std::string& path) {
        cProfileStore::Instance().Clear();
        std::string copy = path;
        cLanguageTable table;
        LoadLanguages(copy, table, context);
        return table;
    }
    static void Fill(cLanguageDlg& dialog, const std::string& name, const std::string& multiplier) {
        dialog.SetNameText(name);
        dialog.SetMultiplierText(multiplier);
    }
};

TEST_F(LanguageDlgTest, OpeningSetsTheCheckBoxesByTheFileEdited) {
    cLanguageDlg noModel(context, context.defaultsProfilePath, "");
    EXPECT_TRUE(noModel.IsSetDefaultsChecked());
    EXPECT_FALSE(noModel.IsSetCurrentModelChecked());
    EXPECT_FALSE(noModel.IsSetCurrentModelEnabled());
    noModel.SetSetCurrentModel(true);
    EXPECT_FALSE(noModel.IsSetCurrentModelChecked()) << "a disabled box cannot be checked";
    EXPECT_EQ(noModel.GetList(), (std::vector<std::string>{"Ada 95", "C", "Java", "None"}));
    EXPECT_EQ(noModel.GetNameText(), "");
    EXPECT_EQ(noModel.GetMultiplierText(), "0");
    EXPECT_EQ(noModel.GetLoadedCount(), 4);

    WriteModel();
    cLanguageDlg onModel(context, modelPath, modelPath);
    EXPECT_FALSE(onModel.IsSetDefaultsChecked());
    EXPECT_TRUE(onModel.IsSetCurrentModelChecked());
    EXPECT_EQ(onModel.GetList(), (std::vector<std::string>{"Cobol", "None"}));

    cLanguageDlg onDefaults(context, context.defaultsProfilePath, modelPath);
    EXPECT_TRUE(onDefaults.IsSetDefaultsChecked());
    EXPECT_FALSE(onDefaults.IsSetCurrentModelChecked());
    EXPECT_TRUE(onDefaults.IsSetCurrentModelEnabled());
}

TEST_F(LanguageDlgTest, SelectingAnItemFillsTheFields) {
    cLanguageDlg dialog(context, "", "");
    dialog.OnSelectItem(1);
    EXPECT_EQ(dialog.GetNameText(), "C");
    EXPECT_EQ(dialog.GetMultiplierText(), "128");
    EXPECT_EQ(dialog.GetSelectedIndex(), 1);
}

struct RefusalCase {
    const char* name;
    std::function<bool(cLanguageDlg&)> action;
    const char* typedName;
    const char* multiplier;
    const char* message;
    cLanguageDlg::Focus focus;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class LanguageDlgRefusalTest : public LanguageDlgTest,
                               public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LanguageDlgRefusalTest, RefusesWithItsMessageAndKeepsTheTable) {
    const RefusalCase& c = GetParam();
    cLanguageDlg dialog(context, "", "");
    cLanguageTable before = dialog.GetTable();
    Fill(dialog, c.typedName, c.multiplier);
    platform.ExpectMessage();
    EXPECT_FALSE(c.action(dialog));
    EXPECT_EQ(platform.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(dialog.GetFocusField(), c.focus);
    EXPECT_EQ(dialog.GetTable(), before);
}

const auto kAdd = [](cLanguageDlg& d) { return d.OnAdd(); };
const auto kModify = [](cLanguageDlg& d) { return d.OnModify(); };
const auto kDelete = [](cLanguageDlg& d) { return d.OnDelete(); };

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageDlgRefusalTest,
    ::testing::Values(
        RefusalCase{"AddNone", kAdd, "nONe", "10", "Language specifier 'None' may not be added",
                    cLanguageDlg::kNameField},
        RefusalCase{"AddBlank", kAdd, " ", "10", "Blank language may not be added",
                    cLanguageDlg::kNameField},
        RefusalCase{"AddBlanksOnly", kAdd, "    ", "10", "Blank language may not be added",
                    cLanguageDlg::kNameField},
        RefusalCase{"AddControlCharacter", kAdd, "\x01X", "10", "Blank language may not be added",
                    cLanguageDlg::kNameField},
        RefusalCase{"AddZeroMultiplier", kAdd, "Rust", "0", "Multiplier must be greater than zero.",
                    cLanguageDlg::kMultiplierField},
        RefusalCase{"AddExistingInOtherCase", kAdd, "JAVA", "10", "Language already exists",
                    cLanguageDlg::kNameField},
        RefusalCase{"AddMultiplierTooLarge", kAdd, "Rust", "10000",
                    "Please enter an integer between 0 and 9999.", cLanguageDlg::kMultiplierField},
        RefusalCase{"AddMultiplierNotANumber", kAdd, "Rust", "ten", "Please enter an integer.",
                    cLanguageDlg::kMultiplierField},
        RefusalCase{"ModifyNone", kModify, "none", "10",
                    "Language specifier 'None' may not be modified", cLanguageDlg::kNameField},
        RefusalCase{"ModifyBlank", kModify, "", "10", "Blank language may not be modified",
                    cLanguageDlg::kNameField},
        RefusalCase{"ModifyUnknown", kModify, "Rust", "10",
                    "Language not found, must be added before it can be modified",
                    cLanguageDlg::kNameField},
        RefusalCase{"ModifyZeroMultiplier", kModify, "Java", "0",
                    "Multiplier must be greater than zero.", cLanguageDlg::kMultiplierField},
        RefusalCase{"DeleteNone", kDelete, "None", "0",
                    "Language specifier 'None' may not be deleted", cLanguageDlg::kNameField},
        RefusalCase{"DeleteUnknown", kDelete, "Rust", "0", "Language does not exist",
                    cLanguageDlg::kNameField}),
    [](const auto& info) { return info.param.name; });

TEST_F(LanguageDlgTest, AddAppendsAndSelectsTheNewLanguage) {
    cLanguageDlg dialog(context, "", "");
    Fill(dialog, "  Rust ", "45");
    ASSERT_TRUE(dialog.OnAdd());
    EXPECT_EQ(dialog.GetTable().Names(),
              (std::vector<std::string>{"None", "Ada 95", "C", "Java", "Rust"}));
    EXPECT_EQ(dialog.GetList()[static_cast<std::size_t>(dialog.GetSelectedIndex())], "Rust");
    EXPECT_EQ(dialog.GetMultiplierText(), "45") << "name and multiplier stay in their fields";
}

// The figure beside each list item is that language's multiplier, following every change.
TEST_F(LanguageDlgTest, ListFiguresFollowTheTable) {
    WriteModel();
    cLanguageDlg dialog(context, modelPath, modelPath);
    EXPECT_EQ(dialog.GetListFigures(), (std::vector<std::string>{"91 SLOC/FP", ""}));
    Fill(dialog, "Ada", "71");
    ASSERT_TRUE(dialog.OnAdd());
    EXPECT_EQ(dialog.GetList(), (std::vector<std::string>{"Ada", "Cobol", "None"}));
    EXPECT_EQ(dialog.GetListFigures(), (std::vector<std::string>{"71 SLOC/FP", "91 SLOC/FP", ""}));
    dialog.OnSelectItem(1);
    Fill(dialog, "Cobol", "107");
    ASSERT_TRUE(dialog.OnModify());
    EXPECT_EQ(dialog.GetListFigures(), (std::vector<std::string>{"71 SLOC/FP", "107 SLOC/FP", ""}));
    dialog.OnSelectItem(0);
    ASSERT_TRUE(dialog.OnDelete());
    EXPECT_EQ(dialog.GetListFigures(), (std::vector<std::string>{"107 SLOC/FP", ""}));
}

TEST_F(LanguageDlgTest, ModifyRenamesTheSelectedLanguage) {
    cLanguageDlg dialog(context, "", "");
    dialog.OnSelectItem(1);  // C
    Fill(dialog, "C (ANSI)", "130");
    ASSERT_TRUE(dialog.OnModify());
    EXPECT_EQ(dialog.GetTable().At(2), cLanguage("C (ANSI)", 130));
    EXPECT_EQ(dialog.GetList(), (std::vector<std::string>{"Ada 95", "C (ANSI)", "Java", "None"}));
    Fill(dialog, "Java", "130");
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnModify()) << "renaming onto another language would make two of one name";
    EXPECT_EQ(platform.Messages().back(), "Language already exists");
}

TEST_F(LanguageDlgTest, ModifyAfterAddChangesTheLanguageShownSelected) {
    cLanguageDlg dialog(context, "", "");
    dialog.OnSelectItem(0);  // Ada 95
    Fill(dialog, "Zig", "40");
    ASSERT_TRUE(dialog.OnAdd());
    dialog.SetMultiplierText("42");
    ASSERT_TRUE(dialog.OnModify());
    EXPECT_EQ(dialog.GetTable().At(dialog.GetTable().FindLanguage("Zig")).GetMultiplier(), 42);
    EXPECT_EQ(dialog.GetTable().At(1), cLanguage("Ada 95", 49))
        << "the earlier selection is left alone";
}

TEST_F(LanguageDlgTest, ModifyAfterDeleteLooksUpTheTypedName) {
    cLanguageDlg dialog(context, "", "");
    dialog.OnSelectItem(2);  // Java
    ASSERT_TRUE(dialog.OnDelete());
    EXPECT_EQ(dialog.GetNameText(), "");
    EXPECT_EQ(dialog.GetMultiplierText(), "0");
    Fill(dialog, "c", "100");
    ASSERT_TRUE(dialog.OnModify());
    EXPECT_EQ(dialog.GetTable().Names(), (std::vector<std::string>{"None", "Ada 95", "c"}));
    EXPECT_EQ(dialog.GetTable().At(2).GetMultiplier(), 100);
}

TEST_F(LanguageDlgTest, ModifyNeverTurnsNoneIntoALanguage) {
    cLanguageDlg dialog(context, "", "");
    dialog.OnSelectItem(3);  // None
    Fill(dialog, "Pascal", "91");
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnModify());
    EXPECT_EQ(platform.Messages().back(), "Language specifier 'None' may not be modified");
    EXPECT_EQ(dialog.GetTable().At(0), cLanguage("None", 0));
}

TEST_F(LanguageDlgTest, UseDefaultsReloadsTheDefaultsProfile) {
    WriteModel();
    cLanguageDlg dialog(context, modelPath, modelPath);
    dialog.OnSelectItem(0);
    dialog.OnUseDefaults();
    EXPECT_EQ(dialog.GetList(), (std::vector<std::string>{"Ada 95", "C", "Java", "None"}));
    EXPECT_EQ(dialog.GetNameText(), "");
    EXPECT_TRUE(dialog.IsSetCurrentModelChecked()) << "check boxes are unchanged";
    EXPECT_EQ(dialog.GetLoadedCount(), 2);
}

TEST_F(LanguageDlgTest, OkWritesWhereTheBoxesSayAndEmptiesTheSurplusKeys) {
    WriteModel();
    cLanguageDlg dialog(context, "", modelPath);
    dialog.SetSetDefaults(true);
    dialog.SetSetCurrentModel(true);
    Fill(dialog, "Java", "0");
    ASSERT_TRUE(dialog.OnDelete());
    Fill(dialog, "Ada 95", "0");
    ASSERT_TRUE(dialog.OnDelete());
    Fill(dialog, "Go", "9999");
    ASSERT_TRUE(dialog.OnAdd());
    ASSERT_TRUE(dialog.OnOk());
    cLanguageTable expected;
    expected.ResetToNone();
    expected.AddLanguage("C", 128);
    expected.AddLanguage("Go", 9999);
    EXPECT_EQ(Stored(context.defaultsProfilePath), expected);
    EXPECT_EQ(Stored(modelPath), expected);
    EXPECT_EQ(ReadProfileString("Languages", "LanguageName02", "missing", 60,
                                context.defaultsProfilePath),
              "");
    EXPECT_EQ(ReadProfileString("Languages", "LanguageMult02", "missing", 60,
                                context.defaultsProfilePath),
              "0");
}

TEST_F(LanguageDlgTest, OkValidatesTheMultiplierButDoesNotApplyTheFields) {
    cLanguageDlg dialog(context, "", "");
    Fill(dialog, "Rust", "-1");
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnOk());
    Fill(dialog, "Rust", "12");
    EXPECT_TRUE(dialog.OnOk());
    EXPECT_EQ(Stored(context.defaultsProfilePath).FindLanguage("Rust"), -1);
}

// --- The Languages command -----------------------------------------------------------

TEST_F(LanguageDlgTest, CommandWithoutAFileEditsTheDefaultsAndEndsWithNone) {
    cFunctionPointDoc doc(context);
    doc.SetSelectedLanguage(cLanguage("Java", 53));
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cLanguageDlg&>(logic);
        EXPECT_EQ(dialog.GetModelPath(), "");
        dialog.SetNameText("Rust");
        dialog.SetMultiplierText("45");
        return dialog.OnAdd() && dialog.OnOk();
    });
    EXPECT_TRUE(doc.OnLanguages());
    EXPECT_TRUE(platform.Messages().empty()) << "no question without a file";
    EXPECT_EQ(doc.GetLanguageTable().Count(), 5);
    EXPECT_EQ(doc.GetSelectedLanguage(), cLanguage("None", 0));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(LanguageDlgTest, CommandAsksWhichTableAndReloadsFromTheModelFile) {
    WriteModel();
    cFunctionPointDoc doc(context);
    ASSERT_TRUE(doc.LoadModel(modelPath));
    doc.SetPathName(modelPath);
    doc.SetSelectedLanguage(cLanguage("None", 0));
    platform.ExpectMessage(MessageAnswer::Yes);
    platform.ExpectDialog([&](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cLanguageDlg&>(logic);
        EXPECT_EQ(dialog.GetEditPath(), modelPath);
        dialog.OnSelectItem(0);  // Cobol
        dialog.SetMultiplierText("107");
        return dialog.OnModify() && dialog.OnOk();
    });
    EXPECT_TRUE(doc.OnLanguages());
    EXPECT_EQ(platform.Messages().front(),
              "Load languages from " + modelPath +
                  "?\n\n(Selecting 'NO' will load the KORVAL default languages.)\n");
    EXPECT_EQ(doc.GetLanguageTable().At(1), cLanguage("Cobol", 107));
    EXPECT_EQ(doc.GetSelectedLanguage(), cLanguage("Cobol", 91))
        << "the selection stored in the file";
}

TEST_F(LanguageDlgTest, CommandCancelledChangesNothing) {
    WriteModel();
    cFunctionPointDoc doc(context);
    doc.SetPathName(modelPath);
    doc.SetSelectedLanguage(cLanguage("Java", 53));
    platform.ExpectMessage(MessageAnswer::No);
    platform.ExpectDialog([&](cDialogLogic& logic) {
        EXPECT_EQ(dynamic_cast<cLanguageDlg&>(logic).GetEditPath(), context.defaultsProfilePath);
        return false;
    });
    EXPECT_FALSE(doc.OnLanguages());
    EXPECT_EQ(doc.GetSelectedLanguage(), cLanguage("Java", 53));
    EXPECT_EQ(doc.GetLanguageTable().Count(), 4);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(LanguageDlgTest, MainFrameCommandEditsTheDefaultsProfile) {
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cLanguageDlg&>(logic);
        EXPECT_TRUE(dialog.IsSetDefaultsChecked());
        dialog.SetNameText("Java");
        EXPECT_TRUE(dialog.OnDelete());
        return dialog.OnOk();
    });
    EXPECT_TRUE(cLanguageDlg::EditDefaultLanguages(context));
    EXPECT_EQ(Stored(context.defaultsProfilePath).Names(),
              (std::vector<std::string>{"None", "Ada 95", "C"}));
}

}  // namespace
}  // namespace korval
