#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/cEstimatorAppLogic.h"
#include "documents/cDocumentFactory.h"
#include "framework/ProfileAccess.h"
#include "framework/cModelDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

class EstimatorAppLogicTest : public ::testing::Test {
  protected:
    TempDir dir;
    testing::cScriptedPlatform platform;
    cEstimatorAppLogic app{platform, dir.File("korval.ini"), &CreateDocument};
};

TEST_F(EstimatorAppLogicTest, OpensByTheKindWrittenInTheFileNotByItsName) {
    struct Case {
        const char* fileName;
        std::string content;
        std::optional<DocumentKind> kind;
    };
    const Case cases[] = {
        {"X.PRJ", "[KORVAL]\r\nKORVAL_Type=Cocomo\r\n", DocumentKind::Cocomo},
        {"X.TXT", "[korval]\nkorval_type = Project\n", DocumentKind::Project},
        {"a.sle", "[KORVAL]\nKORVAL_Type=\"System\"\n", DocumentKind::System},
        {"b.fpm", "[KORVAL]\nKORVAL_Type=FunctionPoint\n", DocumentKind::FunctionPoint},
        {"c.rlm", "[KORVAL]\nKORVAL_Type=Rayleigh\n", DocumentKind::Rayleigh},
        {"lower.ccm", "[KORVAL]\nKORVAL_Type=cocomo\n", std::nullopt},
        {"empty.ccm", "[KORVAL]\nKORVAL_Type=\n", std::nullopt},
        {"nosection.ccm", "KORVAL_Type=Cocomo\n", std::nullopt},
        {"binary.ccm",
         std::string("\x7F"
                     "ELF\0\0\x01[KORVAL",
                     13),
         std::nullopt},
    };
    for (const Case& c : cases) {
        std::string path = dir.File(c.fileName);
        TempDir::WriteFile(path, c.content);
        if (!c.kind) platform.ExpectMessage();
        std::unique_ptr<cModelDoc> document = app.OpenByKind(path);
        if (c.kind) {
            ASSERT_NE(document, nullptr) << c.fileName;
            EXPECT_EQ(document->Kind(), *c.kind) << c.fileName;
            EXPECT_EQ(document->GetPathName(), path);
            EXPECT_EQ(document->GetDocumentTitle(), c.fileName);
        } else {
            EXPECT_EQ(document, nullptr) << c.fileName;
            EXPECT_EQ(platform.Messages().back(),
                      "This file is not recognized by KORVAL: " + path + " is not a Korval file.");
        }
    }
}

TEST_F(EstimatorAppLogicTest, AFileThatCannotBeReadIsNamedWithTheReason) {
    std::string missing = dir.File("missing.ccm");
    std::string folder = dir.File("folder.ccm");
    std::filesystem::create_directory(folder);
    const std::pair<std::string, std::string> cases[] = {
        {missing, "Cannot open " + missing + ": File not found."},
        {folder, "Cannot open " + folder + ": It is a folder, not a file."},
    };
    for (const auto& [path, message] : cases) {
        platform.ExpectMessage();
        EXPECT_EQ(app.OpenByKind(path), nullptr) << path;
        EXPECT_EQ(platform.Messages().back(), message);
    }
}

TEST_F(EstimatorAppLogicTest, AFileLargerThanAnyDocumentIsRefusedUnread) {
    std::string path = dir.File("huge.prj");
    TempDir::WriteFile(path, "[KORVAL]\nKORVAL_Type=Project\n");
    std::filesystem::resize_file(path, 64 * 1024 * 1024 + 1);  // sparse: no disk needed
    platform.ExpectMessage();
    EXPECT_EQ(app.OpenByKind(path), nullptr);
    EXPECT_EQ(platform.Messages().back(),
              path + " is 67108865 bytes: too large for a Korval document (at most 64 MB)");
    EXPECT_EQ(ReadProfileValue("KORVAL", "KORVAL_Type", "unread", 20, path), "unread");
}

TEST_F(EstimatorAppLogicTest, MissingOrQuotedPathsAreNotRecognised) {
    std::string path = dir.File("plan.prj");
    TempDir::WriteFile(path, "[KORVAL]\nKORVAL_Type=Project\n");
    platform.ExpectMessage();
    EXPECT_EQ(app.OpenByKind("\"" + path + "\""), nullptr);
    platform.ExpectMessage();
    EXPECT_EQ(app.OpenByKind(dir.File("gone.prj")), nullptr);
    EXPECT_EQ(app.OpenByKind(""), nullptr) << "an empty path does nothing";
    EXPECT_EQ(platform.Messages().size(), 2u);
}

TEST_F(EstimatorAppLogicTest, ExtensionsComeFromTheProfileCutToFourCharacters) {
    TempDir::WriteFile(app.DefaultsProfilePath(),
                       "[Extensions]\nCOCOMO_Ext=.COCOMO\nRayleigh_Ext=.ray\n");
    app.LoadExtensions();
    EXPECT_EQ(app.Extension(DocumentKind::Cocomo), ".COC");
    EXPECT_EQ(app.Extension(DocumentKind::Rayleigh), ".ray");
    EXPECT_EQ(app.Extension(DocumentKind::Project), ".PRJ");
    EXPECT_EQ(app.FilterText(DocumentKind::Cocomo), "COCOMO (*.COC)|*.COC|");
    EXPECT_EQ(app.OpenFilters(),
              "All Files (*.*)|*.*|Project (*.PRJ)|*.PRJ|Function Point (*.FPM)|*.FPM|"
              "COCOMO (*.COC)|*.COC|Rayleigh (*.ray)|*.ray|System Level Estimation (*.SLE)|*.SLE|");
    EXPECT_EQ(app.SaveFilters(DocumentKind::System),
              "System Level Estimation (*.SLE)|*.SLE|All Files (*.*)|*.*|");
    EXPECT_EQ(app.SaveDefaultExtension(DocumentKind::Cocomo), "COC");
}

TEST_F(EstimatorAppLogicTest, DefaultsProfileIsBesideTheProgramUnlessOverridden) {
    EXPECT_EQ(cEstimatorAppLogic::GetDefaultsProfilePath("/opt/korval/bin", nullptr),
              "/opt/korval/bin/korval.ini");
    EXPECT_EQ(cEstimatorAppLogic::GetDefaultsProfilePath("/opt/korval/bin/", ""),
              "/opt/korval/bin/korval.ini");
    EXPECT_EQ(cEstimatorAppLogic::GetDefaultsProfilePath("/opt", "/etc/korval.ini"),
              "/etc/korval.ini");
    EXPECT_EQ(cEstimatorAppLogic::GetDefaultsProfilePath("", nullptr), "./korval.ini");
    EXPECT_EQ(cEstimatorAppLogic::GetDefaultsProfilePath("/", nullptr), "/korval.ini");
    EXPECT_EQ(cEstimatorAppLogic::WindowsDefaultsProfilePath("C:\\TOOLS\\KORVAL.EXE"),
              "C:\\TOOLS\\KORVAL.INI");
    EXPECT_EQ(cEstimatorAppLogic::WindowsDefaultsProfilePath("c:\\tools\\korval.exe"),
              "C:\\TOOLS\\KORVAL.INI");
    EXPECT_EQ(cEstimatorAppLogic::WindowsDefaultsProfilePath("C:\\TOOLS\\KORVAL"),
              "C:\\TOOLS\\KORVAL");
}

TEST_F(EstimatorAppLogicTest, CommandLineArgumentsFormOnePath) {
    const char* argv[] = {"korval", "/home/ann/My", "Plans/big.prj"};
    EXPECT_EQ(cEstimatorAppLogic::CommandLinePath(3, argv), "/home/ann/My Plans/big.prj");
    EXPECT_EQ(cEstimatorAppLogic::CommandLinePath(1, argv), "");
}

TEST_F(EstimatorAppLogicTest, DefaultsProfileCheckWarnsOnceAtMost) {
    platform.ExpectMessage();
    app.CheckDefaultsProfile();
    EXPECT_EQ(platform.Messages().back(), app.DefaultsProfilePath() + " not found");

    TempDir::WriteFile(app.DefaultsProfilePath(), "[KORVAL]\nVersion=3.2\n");
    platform.ExpectMessage();
    app.CheckDefaultsProfile();
    EXPECT_EQ(platform.Messages().back(), "File " + app.DefaultsProfilePath() +
                                              " version 3.2 does not match application version");

    TempDir::WriteFile(app.DefaultsProfilePath(), "[KORVAL]\nVersion=4.1\n");
    app.CheckDefaultsProfile();
    EXPECT_EQ(platform.Messages().size(), 2u);
}

TEST_F(EstimatorAppLogicTest, NewDocumentsAreNumberedPerKind) {
    EXPECT_EQ(app.NewDocument(DocumentKind::Project)->GetDocumentTitle(), "Project1");
    EXPECT_EQ(app.NewDocument(DocumentKind::Project)->GetDocumentTitle(), "Project2");
    EXPECT_EQ(app.NewDocument(DocumentKind::FunctionPoint)->GetDocumentTitle(), "FP1");
    EXPECT_EQ(app.NewDocument(DocumentKind::Cocomo)->GetDocumentTitle(), "COCOMO1");
}

// The logic names no model: every document it opens or creates comes from the factory
// the program gave it, asked for the kind written in the file and handed the logic's
// own context; a file of no kind never reaches the factory.
TEST_F(EstimatorAppLogicTest, DocumentsComeFromTheFactoryItWasGiven) {
    std::vector<DocumentKind> asked;
    cEstimatorAppLogic logic{platform, dir.File("korval.ini"),
                             [&](DocumentKind kind, cAppContext& context) {
                                 EXPECT_EQ(&context, &logic.Context());
                                 asked.push_back(kind);
                                 return CreateDocument(kind, context);
                             }};
    std::string rayleigh = dir.File("named-like-cocomo.ccm");
    TempDir::WriteFile(rayleigh, "[KORVAL]\nKORVAL_Type=Rayleigh\n");
    std::string plain = dir.File("plain.ccm");
    TempDir::WriteFile(plain, "[KORVAL]\nKORVAL_Type=Nothing\n");

    EXPECT_EQ(logic.OpenByKind(rayleigh)->GetPathName(), rayleigh);
    platform.ExpectMessage();
    EXPECT_EQ(logic.OpenByKind(plain), nullptr);
    EXPECT_EQ(logic.NewDocument(DocumentKind::System)->GetDocumentTitle(), "System1");
    EXPECT_EQ(asked, (std::vector<DocumentKind>{DocumentKind::Rayleigh, DocumentKind::System}));
}

TEST_F(EstimatorAppLogicTest, AboutTexts) {
    EXPECT_EQ(app.AboutVersionText(), "Version 4.1");
    EXPECT_FALSE(app.AboutCopyrightText().empty());
}

}  // namespace
}  // namespace korval
