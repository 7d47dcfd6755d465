#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "app/cEstimatorAppLogic.h"
#include "documents/cDocumentFactory.h"
#include "framework/cAppContext.h"
#include "simulation/Simulate.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval::testing {

// Documents opened as the programs open them, in a scratch folder of their own.
class SimulationTest : public ::testing::Test {
  protected:
    TempDir dir;
    cScriptedPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};

    // The documents keep the application's context: it lives as long as the test.
    std::unique_ptr<cModelDoc> Open(const std::string& path) {
        if (!app_) {
            app_ = std::make_unique<cEstimatorAppLogic>(platform, KORVAL_DEFAULTS_PROFILE,
                                                        &CreateDocument);
            app_->LoadExtensions();
        }
        return app_->OpenByKind(path);
    }

    // The file's text without any of its uncertainty sections.
    static std::string WithoutUncertainty(const std::string& text) {
        std::istringstream in(text);
        std::string line;
        std::string kept;
        bool dropping = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line[0] == '[')
                dropping = line.find("Uncertainty]") != std::string::npos;
            if (!dropping) kept += line + "\n";
        }
        return kept;
    }

    // Copies the example into the scratch folder, without uncertainty unless asked, and
    // adds the lines given at its end.
    std::string CopyExample(const std::string& name, const std::string& added = "",
                            const std::string& as = "") {
        std::string text = TempDir::ReadFile(std::string(KORVAL_SOURCE_DIR) + "/examples/" + name);
        std::string path = dir.File(as.empty() ? name : as);
        TempDir::WriteFile(path, WithoutUncertainty(text) + added);
        return path;
    }

  private:
    // After the platform, so it goes first.
    std::unique_ptr<cEstimatorAppLogic> app_;
};

}  // namespace korval::testing
