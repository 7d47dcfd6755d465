#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/cEstimatorAppLogic.h"
#include "cli/DocumentExport.h"
#include "cli/FiguresJson.h"
#include "documents/cDocumentFactory.h"
#include "framework/cModelDoc.h"
#include "framework/cUndoHistory.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

class UndoHistoryTest : public ::testing::Test {
  protected:
    TempDir dir;
    testing::cScriptedPlatform platform;
    cEstimatorAppLogic app{platform, KORVAL_DEFAULTS_PROFILE, &CreateDocument};

    // A change of every input at once: the document as Initialize leaves it.
    static void Initialize(cModelDoc& document) {
        document.ResetToDefaults();
        document.SetModifiedFlag();
    }

    // Undo gives back the figures and the report of before the change, and no longer
    // anything to save; Redo gives the change back, to be saved again.
    void CheckUndoAndRedo(cModelDoc& document, const std::string& name) {
        cUndoHistory history(document);
        history.MarkSaved();
        EXPECT_FALSE(history.Record([] {})) << name << ": nothing changed";
        Json before = DocumentFigures(document);
        std::string report = ReportText(document);
        ASSERT_TRUE(history.Record([&] { Initialize(document); })) << name;
        Json changed = DocumentFigures(document);
        ASSERT_NE(changed, before) << name;
        EXPECT_TRUE(history.CanUndo());
        EXPECT_FALSE(history.CanRedo());

        ASSERT_TRUE(history.Undo()) << name;
        EXPECT_EQ(DocumentFigures(document), before) << name;
        EXPECT_EQ(ReportText(document), report) << name;
        EXPECT_FALSE(document.IsModified()) << name << ": back at the saved state";
        EXPECT_FALSE(history.Undo()) << name;

        ASSERT_TRUE(history.Redo()) << name;
        EXPECT_EQ(DocumentFigures(document), changed) << name;
        EXPECT_TRUE(document.IsModified()) << name;
        EXPECT_FALSE(history.CanRedo());
    }

    std::string WriteProject(const std::string& name, const std::string& title) {
        std::string path = dir.File(name);
        std::unique_ptr<cModelDoc> project = app.NewDocument(DocumentKind::Project);
        project->SetDescriptionTexts(title, "", "");
        EXPECT_TRUE(project->SaveAs(path));
        return path;
    }
};

TEST_F(UndoHistoryTest, EveryExampleComesBackAsItWasAfterAChange) {
    int examples = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(KORVAL_SOURCE_DIR) + "/examples")) {
        if (entry.path().extension() == ".SLE") continue;  // a member is missing on purpose
        if (entry.path().extension() == ".csv") continue;  // a history, not a document
        std::string copy = dir.File(entry.path().filename().string());
        std::filesystem::copy_file(entry.path(), copy);
        std::unique_ptr<cModelDoc> document = app.OpenByKind(copy);
        ASSERT_TRUE(document) << copy;
        CheckUndoAndRedo(*document, copy);
        ++examples;
    }
    EXPECT_GE(examples, 13);
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_NE(entry.path().filename().string().rfind(".korval-undo", 0), 0u)
            << "snapshots leave no file behind";
}

// A system's members listed by relative path come back from beside the system file.
TEST_F(UndoHistoryTest, ASystemGetsItsMembersBack) {
    WriteProject("alpha.PRJ", "Alpha");
    WriteProject("beta.PRJ", "Beta");
    std::string path = dir.File("plan.SLE");
    TempDir::WriteFile(path,
                       "[KORVAL]\nKORVAL_Type=System\n[System_Level_Estimation]\n"
                       "Integration_And_Test_TDEV=3\n[Projects]\nFile_Name00=alpha.PRJ\n"
                       "File_Name01=beta.PRJ\n");
    std::unique_ptr<cModelDoc> system = app.OpenByKind(path);
    ASSERT_TRUE(system);
    CheckUndoAndRedo(*system, path);
}

// Snapshots never touch the disk: links planted at any name a snapshot could take, in the
// document's folder or the temporary one, lead nowhere.
TEST_F(UndoHistoryTest, LinksPlantedWhereSnapshotsCouldGoAreNeverWritten) {
    std::string victim = dir.File("victim");
    TempDir::WriteFile(victim, "export PATH=/usr/bin\n");
    std::string tmp = std::filesystem::temp_directory_path().string();
    std::vector<std::string> planted;
    for (const std::string& folder : {dir.Path(), tmp}) {
        for (int n = 0; n < 64; ++n) {
            for (const std::string& name :
                 {".korval-undo-" + std::to_string(n),
                  ".korval-undo-" + std::to_string(::getpid() + n / 8) + "-" + std::to_string(n)}) {
                std::string link = folder + "/" + name;
                std::error_code error;
                std::filesystem::create_symlink(victim, link, error);
                if (!error) planted.push_back(link);
            }
        }
    }
    std::string copy = dir.File("payroll.PRJ");
    std::filesystem::copy_file(std::string(KORVAL_SOURCE_DIR) + "/examples/payroll.PRJ", copy);
    std::unique_ptr<cModelDoc> saved = app.OpenByKind(copy);
    std::unique_ptr<cModelDoc> unsaved = app.NewDocument(DocumentKind::Cocomo);
    for (cModelDoc* document : {saved.get(), unsaved.get()}) {
        ASSERT_TRUE(document);
        cUndoHistory history(*document);
        history.MarkSaved();
        ASSERT_TRUE(history.Record([&] { document->SetDescriptionTexts("Changed", "", ""); }));
        ASSERT_TRUE(history.Undo());
        ASSERT_TRUE(history.Redo());
    }
    EXPECT_EQ(TempDir::ReadFile(victim), "export PATH=/usr/bin\n");
    for (const std::string& link : planted) std::filesystem::remove(link);
}

TEST_F(UndoHistoryTest, ANewDocumentUndoesToItsOwnModifiedState) {
    std::unique_ptr<cModelDoc> document = app.NewDocument(DocumentKind::Cocomo);
    cUndoHistory history(*document);
    ASSERT_TRUE(history.Record([&] { document->SetDescriptionTexts("Changed", "", ""); }));
    document->SetModifiedFlag();
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(document->GetTitle(), "");
    EXPECT_FALSE(document->IsModified()) << "it had nothing to save before the change";
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(document->GetTitle(), "Changed");
    // A new change after an undo drops what could be redone.
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Record([&] { document->SetDescriptionTexts("Other", "", ""); }));
    EXPECT_FALSE(history.CanRedo());
}

}  // namespace
}  // namespace korval
