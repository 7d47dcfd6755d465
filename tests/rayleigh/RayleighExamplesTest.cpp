#include <gtest/gtest.h>

#include <filesystem>

#include "app/cEstimatorAppLogic.h"
#include "cli/FiguresJson.h"
#include "documents/cDocumentFactory.h"
#include "framework/ProfileAccess.h"
#include "framework/cModelDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

// Every example opened by its kind, saved under a new name and opened again gives the
// same figures and the same application type table, word for word.
TEST(RayleighExamplesTest, SavedAndReopenedExamplesKeepTheirFigures) {
    testing::TempDir dir;
    testing::cScriptedPlatform platform;
    cEstimatorAppLogic app(platform, KORVAL_DEFAULTS_PROFILE, &CreateDocument);
    int examples = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(KORVAL_SOURCE_DIR) + "/examples")) {
        if (entry.path().extension() != ".RLM") continue;
        ++examples;
        std::string original = entry.path().string();
        std::unique_ptr<cModelDoc> doc = app.OpenByKind(original);
        ASSERT_TRUE(doc) << original;
        std::string copy = dir.File(entry.path().filename().string());
        ASSERT_TRUE(doc->SaveAs(copy));
        std::unique_ptr<cModelDoc> reopened = app.OpenByKind(copy);
        ASSERT_TRUE(reopened);
        EXPECT_EQ(DocumentFigures(*reopened), DocumentFigures(*doc)) << original;
        for (int i = 0;; ++i) {
            char key[40];
            std::snprintf(key, sizeof key, "Application_Type_Prod%02d", i);
            std::string before = ReadProfileString("Application_Types", key, "", 3, original);
            EXPECT_EQ(ReadProfileString("Application_Types", key, "", 3, copy), before) << key;
            std::snprintf(key, sizeof key, "Application_Type_Val%02d", i);
            EXPECT_EQ(ReadProfileString("Application_Types", key, "", 9, copy),
                      ReadProfileString("Application_Types", key, "", 9, original))
                << key;
            if (before.empty()) break;
        }
    }
    EXPECT_GE(examples, 2);
    EXPECT_TRUE(platform.Messages().empty());
}

// New models start from the application type most estimates are for, in a model of its own
// and in a project's.
TEST(RayleighExamplesTest, NewModelsSelectBusinessSystemsFromTheShippedProfile) {
    testing::cScriptedPlatform platform;
    cEstimatorAppLogic app(platform, KORVAL_DEFAULTS_PROFILE, &CreateDocument);
    std::unique_ptr<cModelDoc> model = app.NewDocument(DocumentKind::Rayleigh);
    std::unique_ptr<cModelDoc> project = app.NewDocument(DocumentKind::Project);
    for (const cRayleighDoc* rayleigh :
         {dynamic_cast<const cRayleighDoc*>(model.get()),
          dynamic_cast<const cProjectDoc&>(*project).GetRayleighModel()}) {
        ASSERT_NE(rayleigh, nullptr);
        ASSERT_NE(rayleigh->SelectedApplicationType(), nullptr);
        EXPECT_EQ(rayleigh->SelectedApplicationType()->Name(), "Business Systems");
    }
}

}  // namespace
}  // namespace korval
