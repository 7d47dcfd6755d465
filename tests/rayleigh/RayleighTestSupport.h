#pragma once

#include <deque>
#include <string>

#include "framework/cAppContext.h"
#include "rayleigh/cRayleighDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval::testing {

// A Rayleigh document over a defaults profile of the test's own: "Business" (PI 17,
// deviation 3), "Embedded" (PI 5, deviation 2) and the user-defined "Custom" (PI 12,
// deviation 4).
class RayleighDocFixture : public ::testing::Test {
  protected:
    TempDir dir;
    cScriptedPlatform platform;
    cAppContext context{platform, dir.File("korval.ini")};

    RayleighDocFixture() {
        TempDir::WriteFile(
            context.defaultsProfilePath,
            "[Filter_Values]\r\nSensitivityAnalysis=ON\r\nCharts=OFF\r\n"
            "[Application_Types]\r\n"
            "Application_Type_Name00=Business\r\nApplication_Type_User00=FALSE\r\n"
            "Application_Type_Prod00=PI\r\nApplication_Type_Val00=17\r\nApplication_Type_SD00=3\r\n"
            "Application_Type_Name01=Embedded\r\nApplication_Type_User01=FALSE\r\n"
            "Application_Type_Prod01=PI\r\nApplication_Type_Val01=5\r\nApplication_Type_SD01=2\r\n"
            "Application_Type_Name02=Custom\r\nApplication_Type_User02=TRUE\r\n"
            "Application_Type_Prod02=PI\r\nApplication_Type_Val02=12\r\nApplication_Type_SD02=4\r\n"
            "Selected_application=00\r\n");
    }

    // A context whose defaults profile holds only the given [Application_Types] lines.
    cAppContext& ContextWithTypes(const std::string& lines) {
        std::string path = dir.File("types" + std::to_string(++files_) + ".ini");
        TempDir::WriteFile(path, "[Application_Types]\r\n" + lines);
        return contexts_.emplace_back(cAppContext{platform, path});
    }

    // A model file with the given body, under a fresh name.
    std::string ModelFile(const std::string& body) {
        std::string path = dir.File("model" + std::to_string(++files_) + ".RLM");
        TempDir::WriteFile(path, "[KORVAL]\r\nKORVAL_Type=Rayleigh\r\n" + body);
        return path;
    }

  private:
    int files_ = 0;
    std::deque<cAppContext> contexts_;
};

}  // namespace korval::testing
