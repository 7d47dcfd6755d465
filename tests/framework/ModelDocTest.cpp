#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include "framework/ProfileAccess.h"
#include "framework/cDescriptionDlg.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cModelDoc.h"
#include "framework/cProfileStore.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

// A document of a model kind with nothing of its own, to exercise the shared behaviour.
class cPlainDoc : public cModelDoc {
  public:
    explicit cPlainDoc(cAppContext& context, DocumentKind kind = DocumentKind::Cocomo)
        : cModelDoc(context, kind) {
        ResetToDefaults();
    }
};

class ModelDocTest : public ::testing::Test {
  protected:
    TempDir dir;
    testing::cScriptedPlatform platform;
    cAppContext context{platform, dir.File("korval.ini")};

    void WriteProfile(const std::string& content) {
        TempDir::WriteFile(context.defaultsProfilePath, content);
    }
};

TEST_F(ModelDocTest, FilterValuesReadCaseInsensitivelyAndKeepUnknownTokens) {
    WriteProfile(
        "[Filter_Values]\nDescription=maybe\nTotals=off\nIntermediate_Totals=\n"
        "SensitivityAnalysis=on\nPhaseDistribution=N/A\n");
    cPlainDoc doc(context);
    EXPECT_EQ(doc.GetFilter(cModelDoc::kDescriptionSwitch), FilterState::On);  // unchanged
    EXPECT_EQ(doc.GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
    EXPECT_EQ(doc.GetFilter(cModelDoc::kIntermediateTotalsSwitch),
              FilterState::On);  // empty: default
    EXPECT_EQ(doc.GetFilter(cModelDoc::kSensitivityAnalysisSwitch), FilterState::On);
    EXPECT_EQ(doc.GetFilter(cModelDoc::kPhaseDistributionSwitch), FilterState::NotApplicable);
}

// The defaults profile's switches are read once for every new document, and again once
// the profile changed; an unknown token keeps what the document had, as in any file.
TEST_F(ModelDocTest, NewDocumentsTakeTheDefaultsProfilesSwitchesAsItIsNow) {
    WriteProfile("[Filter_Values]\nTotals=OFF\nDescription=maybe\n");
    cPlainDoc first(context);
    EXPECT_EQ(first.GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
    EXPECT_EQ(first.GetFilter(cModelDoc::kDescriptionSwitch), FilterState::On);
    ASSERT_TRUE(WriteProfileValue("Filter_Values", "Totals", "ON", context.defaultsProfilePath));
    cPlainDoc second(context);
    EXPECT_EQ(second.GetFilter(cModelDoc::kTotalsSwitch), FilterState::On);
    second.SetFilter(cModelDoc::kDescriptionSwitch, FilterState::Off);
    second.ResetToDefaults();
    EXPECT_EQ(second.GetFilter(cModelDoc::kDescriptionSwitch), FilterState::Off)
        << "the unknown token leaves the switch as it was";
    EXPECT_EQ(first.GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
}

TEST_F(ModelDocTest, PlanSwitchesReadOnWhereTheFileLacksThemAndRoundTrip) {
    // A file written before the staffing, cost and chart blocks shows them.
    std::string old = dir.File("old.ccm");
    TempDir::WriteFile(old, "[Filter_Values]\nDescription=ON\nTotals=OFF\n");
    cPlainDoc doc(context);
    doc.SetFilter(cModelDoc::kStaffingSwitch, FilterState::Off);
    ASSERT_TRUE(doc.LoadModel(old));
    for (cModelDoc::FilterSwitch which :
         {cModelDoc::kStaffingSwitch, cModelDoc::kCostSwitch, cModelDoc::kChartsSwitch})
        EXPECT_EQ(doc.GetFilter(which), FilterState::On) << which;

    doc.SetFilter(cModelDoc::kCostSwitch, FilterState::Off);
    std::string path = dir.File("new.ccm");
    ASSERT_TRUE(doc.SaveModel(path));
    EXPECT_EQ(ReadProfileValue("Filter_Values", "Staffing", "", 10, path), "ON");
    EXPECT_EQ(ReadProfileValue("Filter_Values", "Cost", "", 10, path), "OFF");
    EXPECT_EQ(ReadProfileValue("Filter_Values", "Charts", "", 10, path), "ON");
    cPlainDoc reader(context);
    ASSERT_TRUE(reader.LoadModel(path));
    EXPECT_EQ(reader.GetFilter(cModelDoc::kCostSwitch), FilterState::Off);
    EXPECT_EQ(reader.GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
}

TEST_F(ModelDocTest, UnknownSwitchValueIsWrittenAsUnknownAndReadsBackUnchanged) {
    cPlainDoc doc(context);
    doc.SetFilter(cModelDoc::kTotalsSwitch, static_cast<FilterState>(3));
    std::string path = dir.File("a.ccm");
    ASSERT_TRUE(doc.SaveModel(path));
    EXPECT_EQ(ReadProfileValue("Filter_Values", "Totals", "", 10, path), "UNKNOWN");
    cPlainDoc reader(context);
    reader.SetFilter(cModelDoc::kTotalsSwitch, FilterState::Off);
    ASSERT_TRUE(reader.LoadModel(path));
    EXPECT_EQ(reader.GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
}

TEST_F(ModelDocTest, SaveAndLoadKeepDescriptionsWithLineBreaks) {
    cPlainDoc doc(context);
    std::string description;
    for (int i = 0; i < 50; ++i) description += "line " + std::to_string(i % 10) + "\r\n";
    description = description.substr(0, cModelDoc::kDescriptionLimit);
    doc.SetDescriptionTexts("Payroll", "A. Analyst", description);
    std::string path = dir.File("a.ccm");
    ASSERT_TRUE(doc.SaveAs(path));
    cPlainDoc reader(context);
    ASSERT_TRUE(reader.LoadModel(path));
    EXPECT_EQ(reader.GetTitle(), "Payroll");
    EXPECT_EQ(reader.GetPreparedBy(), "A. Analyst");
    EXPECT_EQ(reader.GetDescription(), description)
        << "a 500-character description reads back whole";
    EXPECT_EQ(ReadProfileValue("KORVAL", "KORVAL_Type", "", 20, path), "Cocomo");
    EXPECT_EQ(ReadProfileValue("KORVAL", "Version", "", 10, path), "4.1");
}

TEST_F(ModelDocTest, SavingWritesTheFileOnceAndLoadingParsesItOnce) {
    cPlainDoc doc(context);
    std::string path = dir.File("once.ccm");
    cProfileStore& store = cProfileStore::Instance();
    std::uint64_t writes = store.WriteCount();
    ASSERT_TRUE(doc.SaveAs(path));
    EXPECT_EQ(store.WriteCount() - writes, 1u);
    store.Clear();
    std::uint64_t parses = store.ParseCount();
    cPlainDoc reader(context);
    ASSERT_TRUE(reader.LoadModel(path));
    EXPECT_EQ(store.ParseCount() - parses, 1u);
}

TEST_F(ModelDocTest, AModelSavedIntoAProjectFileLeavesItsVersionAlone) {
    cPlainDoc doc(context);
    std::string path = dir.File("plan.prj");
    ASSERT_TRUE(doc.SaveModel(path));
    EXPECT_EQ(ReadProfileValue("KORVAL", "Version", "none", 10, path), "none");
    EXPECT_EQ(ReadProfileValue("CocomoSummary", "Title", "none", 51, path), "");
}

TEST_F(ModelDocTest, SaveOfANeverSavedDocumentAsksForANameAndCancelKeepsItModified) {
    cPlainDoc doc(context);
    doc.SetDocumentTitle("COCOMO1");
    doc.SetModifiedFlag();
    platform.ExpectSaveFileName("");
    EXPECT_FALSE(doc.SaveToFile());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(platform.lastFilters.back(), "COCOMO (*.CCM)|*.CCM|All Files (*.*)|*.*|");

    platform.ExpectMessage(MessageAnswer::Cancel);
    EXPECT_FALSE(doc.CanCloseDocument());
    EXPECT_EQ(platform.Messages().back(), "Save changes to COCOMO1?");
}

// Save As of a document never saved proposes its title as the file name, with the kind's
// extension; a saved one proposes its own file.
TEST_F(ModelDocTest, SaveAsProposesTheTitleWithTheKindsExtension) {
    struct Case {
        const char* title;
        const char* windowTitle;
        const char* proposed;
    };
    const Case cases[] = {
        {"", "COCOMO1", "COCOMO1.CCM"},
        {"Order entry", "COCOMO2", "Order entry.CCM"},
        {" Billing/Invoices ", "COCOMO3", "Billing_Invoices.CCM"},
        {"..", "COCOMO4", "COCOMO.CCM"},
    };
    for (const Case& c : cases) {
        cPlainDoc doc(context);
        doc.SetDocumentTitle(c.windowTitle);
        doc.SetDescriptionTexts(c.title, "", "");
        platform.ExpectSaveFileName("");
        EXPECT_FALSE(doc.OnFileSaveAs());
        EXPECT_EQ(platform.saveProposals.back(), c.proposed);
    }
    cPlainDoc saved(context);
    ASSERT_TRUE(saved.SaveAs(dir.File("kept.CCM")));
    platform.ExpectSaveFileName("");
    EXPECT_FALSE(saved.OnFileSaveAs());
    EXPECT_EQ(platform.saveProposals.back(), dir.File("kept.CCM"));
}

TEST_F(ModelDocTest, ClosingAModifiedDocumentFollowsTheAnswer) {
    struct Case {
        MessageAnswer answer;
        bool saveDialogAnswered;
        bool closes;
    };
    const Case cases[] = {{MessageAnswer::No, false, true},
                          {MessageAnswer::Cancel, false, false},
                          {MessageAnswer::Yes, true, true}};
    for (const Case& c : cases) {
        cPlainDoc doc(context);
        doc.SetModifiedFlag();
        platform.ExpectMessage(c.answer);
        if (c.saveDialogAnswered) platform.ExpectSaveFileName(dir.File("saved.ccm"));
        EXPECT_EQ(doc.CanCloseDocument(), c.closes);
        EXPECT_EQ(platform.Messages().back(), "Save changes to Untitled?");
    }
    cPlainDoc unmodified(context);
    EXPECT_TRUE(unmodified.CanCloseDocument());
}

TEST_F(ModelDocTest, AFailedSaveIsToldAndKeepsTheDocumentModified) {
    cPlainDoc doc(context);
    doc.SetModifiedFlag();
    platform.ExpectMessage();
    EXPECT_FALSE(doc.SaveAs(dir.Path()));  // a folder cannot be replaced by a file
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "") << "a failed Save As keeps the document's old name";
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_NE(platform.Messages()[0].find(dir.Path()), std::string::npos);
}

TEST_F(ModelDocTest, SavingAReadOnlyDocumentSaysSoAndOffersSaveAs) {
    std::string path = dir.File("locked.ccm");
    TempDir::WriteFile(path, "[KORVAL]\nKORVAL_Type=Cocomo\n");
    ::chmod(path.c_str(), 0444);
    cPlainDoc doc(context);
    doc.SetPathName(path);
    doc.SetModifiedFlag();
    platform.ExpectMessage();
    platform.ExpectSaveFileName(dir.File("copy.ccm"));
    EXPECT_TRUE(doc.SaveToFile());
    EXPECT_EQ(platform.Messages().at(0), path + " is read-only");
    EXPECT_EQ(doc.GetPathName(), dir.File("copy.ccm"));
    EXPECT_EQ(TempDir::ReadFile(path), "[KORVAL]\nKORVAL_Type=Cocomo\n");
}

TEST_F(ModelDocTest, SaveAsReplacesAnotherFileWholeAndSaveKeepsForeignSections) {
    std::string own = dir.File("own.ccm");
    std::string other = dir.File("other.ccm");
    for (const std::string& path : {own, other})
        TempDir::WriteFile(path, "[KORVAL]\nKORVAL_Type=Cocomo\n[Stale]\nKey=1\n");
    cPlainDoc doc(context);
    doc.SetPathName(own);
    ASSERT_TRUE(doc.SaveToFile());
    ASSERT_TRUE(doc.SaveAs(other));
    EXPECT_NE(TempDir::ReadFile(own).find("[Stale]"), std::string::npos) << "Save works in place";
    EXPECT_EQ(TempDir::ReadFile(other).find("[Stale]"), std::string::npos)
        << "Save As replaces the chosen file whole";
}

// Another program (or another Korval) wrote the file after it was read: Save asks before it
// overwrites, as editors do, and each answer does what it says.
TEST_F(ModelDocTest, SavingOverAFileChangedOnDiskAsksToReloadOverwriteOrSaveAs) {
    const std::string theirs = "[KORVAL]\nKORVAL_Type=Cocomo\n[CocomoSummary]\nTitle=Theirs\n";
    struct Case {
        const char* name;
        std::optional<std::size_t> choice;
        bool saved;
        const char* fileTitle;  // what the file's title is afterwards
        const char* ownTitle;   // what the document's title is afterwards
    };
    const Case cases[] = {{"cancel", std::nullopt, false, "Theirs", "Mine"},
                          {"reload", 0, false, "Theirs", "Theirs"},
                          {"overwrite", 1, true, "Mine", "Mine"},
                          {"save as", 2, true, "Theirs", "Mine"}};
    for (const Case& c : cases) {
        std::string path = dir.File(std::string(c.name) + ".ccm");
        cPlainDoc doc(context);
        doc.SetDescriptionTexts("Mine", "", "");
        ASSERT_TRUE(doc.SaveAs(path));
        doc.SetModifiedFlag();
        EXPECT_FALSE(doc.FileChangedSinceRead()) << c.name;
        TempDir::WriteFile(path, theirs + std::string(64, ';'));  // another size, at least
        cProfileStore::Instance().Clear();
        ASSERT_TRUE(doc.FileChangedSinceRead()) << c.name;
        platform.ExpectChoice(c.choice);
        if (c.choice == std::size_t{2}) platform.ExpectSaveFileName(path + ".mine");
        EXPECT_EQ(doc.SaveToFile(), c.saved) << c.name;
        EXPECT_NE(TempDir::ReadFile(path).find(std::string("Title=") + c.fileTitle),
                  std::string::npos)
            << c.name;
        EXPECT_EQ(doc.GetTitle(), c.ownTitle) << c.name;
        EXPECT_EQ(doc.IsModified(), !c.saved && c.choice != std::size_t{0}) << c.name;
        EXPECT_TRUE(platform.AllStepsUsed()) << c.name;
    }
}

TEST_F(ModelDocTest, DescriptionDialogRefusesTextBeyondItsLimits) {
    cDescriptionDlg dialog("", "", "");
    EXPECT_TRUE(dialog.SetTitleText(std::string(50, 'x')));
    EXPECT_FALSE(dialog.SetTitleText(std::string(51, 'x')));
    EXPECT_EQ(dialog.GetTitleText(), std::string(50, 'x'));
    EXPECT_TRUE(dialog.SetPreparedByText(std::string(50, 'y')));
    EXPECT_FALSE(dialog.SetDescriptionText(std::string(501, 'd')));
    std::string accented;
    for (int i = 0; i < 50; ++i) accented += "\xC3\xA9";
    EXPECT_TRUE(dialog.SetTitleText(accented)) << "limits count characters, not bytes";
}

TEST_F(ModelDocTest, EditDescriptionCopiesBackOnlyOnOk) {
    cPlainDoc doc(context);
    platform.ExpectDialogCancel();
    doc.EditDescription();
    EXPECT_EQ(doc.GetTitle(), "");
    EXPECT_FALSE(doc.IsModified());

    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cDescriptionDlg&>(logic);
        dialog.SetTitleText("Billing");
        dialog.SetDescriptionText("two\r\nlines");
        return true;
    });
    doc.EditDescription();
    EXPECT_EQ(doc.GetTitle(), "Billing");
    EXPECT_EQ(doc.GetDescription(), "two\r\nlines");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ModelDocTest, InitializeResetsOnlyWhenConfirmed) {
    WriteProfile("[Filter_Values]\nTotals=OFF\n");
    cPlainDoc doc(context);
    doc.SetFilter(cModelDoc::kTotalsSwitch, FilterState::On);
    platform.ExpectMessage(MessageAnswer::No);
    EXPECT_FALSE(doc.OnInitialize());
    EXPECT_EQ(doc.GetFilter(cModelDoc::kTotalsSwitch), FilterState::On);
    platform.ExpectMessage(MessageAnswer::Yes);
    EXPECT_TRUE(doc.OnInitialize());
    EXPECT_EQ(doc.GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(platform.Messages().back(),
              "All existing data for the COCOMO model will be reset to their default "
              "values.\n\nContinue?");
}

TEST_F(ModelDocTest, DisplayOptionsHideNotApplicableBoxesAndStoreOffForThem) {
    cPlainDoc doc(context);
    doc.SetFilter(cModelDoc::kTotalsSwitch, FilterState::NotApplicable);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cDisplayOptionsDlg&>(logic);
        EXPECT_FALSE(dialog.IsVisible(cDisplayOptionsDlg::kTotalsBox));
        EXPECT_FALSE(dialog.IsVisible(cDisplayOptionsDlg::kModelDescriptionsBox));
        EXPECT_TRUE(dialog.IsChecked(cDisplayOptionsDlg::kDescriptionBox));
        EXPECT_FALSE(dialog.IsChecked(cDisplayOptionsDlg::kSensitivityBox));
        dialog.SetChecked(cDisplayOptionsDlg::kSensitivityBox, true);
        EXPECT_TRUE(dialog.IsChecked(cDisplayOptionsDlg::kStaffingBox));
        EXPECT_FALSE(dialog.IsVisible(cDisplayOptionsDlg::kChartsBox));
        dialog.SetChecked(cDisplayOptionsDlg::kStaffingBox, false);
        return true;
    });
    doc.SetFilter(cModelDoc::kChartsSwitch, FilterState::NotApplicable);
    doc.OnDisplayOptions();
    EXPECT_EQ(doc.GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
    EXPECT_EQ(doc.GetFilter(cModelDoc::kSensitivityAnalysisSwitch), FilterState::On);
    EXPECT_EQ(doc.GetFilter(cModelDoc::kStaffingSwitch), FilterState::Off);
    EXPECT_EQ(doc.GetFilter(cModelDoc::kChartsSwitch), FilterState::NotApplicable)
        << "a hidden plan box keeps its switch";
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ModelDocTest, SummarySectionAcceptsOnlyTheFiveNames) {
    cPlainDoc doc(context);
    EXPECT_TRUE(doc.SetSummarySection("RayleighSummary"));
    EXPECT_FALSE(doc.SetSummarySection("rayleighsummary"));
    EXPECT_FALSE(doc.SetSummarySection("Other"));
    EXPECT_EQ(doc.GetSummarySection(), "RayleighSummary");
}

}  // namespace
}  // namespace korval
