#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/cEstimatorAppLogic.h"
#include "documents/cDocumentFactory.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "functionpoint/cLanguageDlg.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

// An installed layout: the shipped profile read-only under share/korval, the user's copy
// under the configuration folder.
class DefaultsProfileTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string shipped = dir.File("usr/share/korval/korval.ini");
    std::string copy = dir.File("config/korval/korval.ini");
    std::string shippedContent = TempDir::ReadFile(KORVAL_DEFAULTS_PROFILE);
    testing::cScriptedPlatform platform;

    void SetUp() override {
        std::filesystem::create_directories(dir.File("usr/bin"));
        std::filesystem::create_directories(dir.File("usr/share/korval"));
        TempDir::WriteFile(shipped, shippedContent);
        ::chmod(shipped.c_str(), 0444);
    }

    std::unique_ptr<cEstimatorAppLogic> Start() {
        auto app = std::make_unique<cEstimatorAppLogic>(
            platform, cEstimatorAppLogic::GetDefaultsProfilePath(dir.File("usr/bin"), nullptr),
            &CreateDocument);
        app->UseUserProfile(copy);
        app->LoadExtensions();
        return app;
    }

    // Language Customization with no document open: adds a language, Set Defaults checked.
    // The first change to the defaults says where the copy is.
    void AddDefaultLanguage(cEstimatorAppLogic& app, const std::string& name,
                            bool firstChange = false) {
        platform.ExpectDialog([this, name, firstChange](cDialogLogic& logic) {
            if (firstChange) platform.ExpectMessage();
            auto& dialog = dynamic_cast<cLanguageDlg&>(logic);
            dialog.SetNameText(name);
            dialog.SetMultiplierText("45");
            return dialog.OnAdd() && dialog.OnOk();
        });
        cLanguageDlg::EditDefaultLanguages(app.Context());
    }

    static bool NewModelKnows(cEstimatorAppLogic& app, const std::string& language) {
        std::unique_ptr<cModelDoc> document = app.NewDocument(DocumentKind::FunctionPoint);
        auto& model = static_cast<cFunctionPointDoc&>(*document);
        return model.GetLanguageTable().FindLanguage(language) >= 0;
    }
};

TEST_F(DefaultsProfileTest, TheShippedProfileIsFoundBesideTheExecutablesOrInShare) {
    EXPECT_EQ(cEstimatorAppLogic::GetDefaultsProfilePath(dir.File("usr/bin"), nullptr), shipped);
    EXPECT_EQ(cEstimatorAppLogic::ShippedDataFolder(dir.File("usr/bin/")),
              dir.File("usr/share/korval"));
    TempDir::WriteFile(dir.File("usr/bin/korval.ini"), "[KORVAL]\n");
    EXPECT_EQ(cEstimatorAppLogic::GetDefaultsProfilePath(dir.File("usr/bin"), nullptr),
              dir.File("usr/bin/korval.ini"))
        << "a build folder's own profile comes first";
    EXPECT_EQ(cEstimatorAppLogic::GetDefaultsProfilePath(dir.File("usr/bin"), "/etc/k.ini"),
              "/etc/k.ini");
}

TEST_F(DefaultsProfileTest, TheFirstChangeToTheDefaultsGoesToANewCopyAndIsReadFromThere) {
    std::unique_ptr<cEstimatorAppLogic> app = Start();
    EXPECT_EQ(app->DefaultsProfilePath(), shipped) << "no copy yet";

    AddDefaultLanguage(*app, "Rust", true);
    ASSERT_FALSE(platform.Messages().empty());
    EXPECT_NE(platform.Messages().back().find(copy), std::string::npos);
    EXPECT_EQ(TempDir::ReadFile(shipped), shippedContent) << "the shipped profile is never written";
    EXPECT_EQ(app->DefaultsProfilePath(), copy);
    EXPECT_TRUE(NewModelKnows(*app, "Rust"));

    AddDefaultLanguage(*app, "Zig");  // no second message
    EXPECT_EQ(TempDir::ReadFile(shipped), shippedContent);

    std::unique_ptr<cEstimatorAppLogic> restarted = Start();
    EXPECT_EQ(restarted->DefaultsProfilePath(), copy);
    EXPECT_TRUE(NewModelKnows(*restarted, "Rust"));
    EXPECT_TRUE(NewModelKnows(*restarted, "Zig"));
}

TEST_F(DefaultsProfileTest, ResetRemovesTheCopyOnlyWhenTheUserAgrees) {
    std::unique_ptr<cEstimatorAppLogic> app = Start();
    platform.ExpectMessage();
    EXPECT_FALSE(app->ResetDefaultsProfile()) << "nothing to remove yet";
    EXPECT_NE(platform.Messages().back().find("no copy of your own"), std::string::npos);

    AddDefaultLanguage(*app, "Rust", true);

    platform.ExpectMessage(MessageAnswer::No);
    EXPECT_FALSE(app->ResetDefaultsProfile());
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_TRUE(NewModelKnows(*app, "Rust"));

    platform.ExpectMessage(MessageAnswer::Yes);
    EXPECT_TRUE(app->ResetDefaultsProfile());
    EXPECT_NE(platform.Messages().back().find(copy), std::string::npos) << "the question names it";
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_EQ(app->DefaultsProfilePath(), shipped);
    EXPECT_FALSE(NewModelKnows(*app, "Rust"));
    EXPECT_EQ(TempDir::ReadFile(shipped), shippedContent);
}

TEST_F(DefaultsProfileTest, ANewerShippedProfileUpdatesTheCopyAtStartKeepingTheUsersLanguages) {
    {
        std::unique_ptr<cEstimatorAppLogic> app = Start();
        AddDefaultLanguage(*app, "Rust", true);
    }
    // An update ships version 9.0 with another Filter_Values default.
    std::string newer = shippedContent;
    newer.replace(newer.find("Version=4.1"), 11, "Version=9.0");
    newer.replace(newer.find("Totals=ON"), 9, "Totals=OFF");
    ::chmod(shipped.c_str(), 0644);
    TempDir::WriteFile(shipped, newer);

    std::unique_ptr<cEstimatorAppLogic> app = Start();
    std::string updated = TempDir::ReadFile(copy);
    EXPECT_NE(updated.find("Version=9.0"), std::string::npos);
    EXPECT_NE(updated.find("Totals=OFF"), std::string::npos);
    EXPECT_TRUE(NewModelKnows(*app, "Rust"));
}

// A copy that cannot be used is neither read nor written: a link planted in its place (even
// to a file that reads as a valid profile) and a damaged copy fall back to the shipped
// profile, and the user is told why.
TEST_F(DefaultsProfileTest, AnUnusableCopyIsNeitherReadNorWritten) {
    std::string older = shippedContent;
    older.replace(older.find("Version=4.1"), 11, "Version=1.0");
    std::string victim = dir.File("victim.ini");
    std::filesystem::create_directories(dir.File("config/korval"));
    const std::pair<const char*, const char*> cases[] = {{"link", "symbolic link"},
                                                         {"damaged", "it is empty"}};
    for (const auto& [name, reason] : cases) {
        std::filesystem::remove(copy);
        TempDir::WriteFile(victim, older);
        if (std::string(name) == "link") {
            std::filesystem::create_symlink(victim, copy);
        } else {
            TempDir::WriteFile(copy, "\n");
        }
        std::string before = TempDir::ReadFile(copy);
        auto app = std::make_unique<cEstimatorAppLogic>(
            platform, cEstimatorAppLogic::GetDefaultsProfilePath(dir.File("usr/bin"), nullptr),
            &CreateDocument);
        app->SetProfileCheck([](const std::string& path) {
            return TempDir::ReadFile(path).size() < 2 ? std::string("it is empty") : std::string();
        });
        platform.ExpectMessage();
        app->UseUserProfile(copy);
        EXPECT_EQ(app->DefaultsProfilePath(), shipped) << name;
        ASSERT_FALSE(platform.Messages().empty());
        EXPECT_NE(platform.Messages().back().find(reason), std::string::npos) << name;
        EXPECT_EQ(TempDir::ReadFile(victim), older) << name << ": never brought up to date";
        EXPECT_EQ(TempDir::ReadFile(copy), before) << name;
        // Nor does a change to the defaults go there.
        platform.ExpectMessage();
        EXPECT_EQ(app->Context().DefaultsProfileForWriting(), "") << name;
        EXPECT_TRUE(platform.AllStepsUsed()) << name;
    }
}

}  // namespace
}  // namespace korval
