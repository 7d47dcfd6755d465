#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "cli/FiguresJson.h"
#include "framework/cAppContext.h"
#include "framework/cTextReportSurface.h"
#include "project/cProjectDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval::testing {

// What a user sees of a project: every figure as korval-cli's figures command writes it,
// and the text report. Read this way, the tests do not depend on the models' getters.
struct ProjectView {
    std::string figures;
    std::string report;

    bool operator==(const ProjectView&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const ProjectView& view) {
    return out << view.figures << "\n" << view.report;
}

inline std::string ReportOf(cModelDoc& document) {
    cTextReportSurface surface;
    document.LayOutReport(surface).DrawAll(surface);
    return surface.Render();
}

inline ProjectView ViewOf(cProjectDoc& project) {
    return {DumpFigures(DocumentFigures(project)), ReportOf(project)};
}

// The "project" object of the figures: sensitivitySource, functionPoint, cocomo, rayleigh.
inline Json FiguresOf(cProjectDoc& project) {
    return DocumentFigures(project)["project"];
}

// How far below its value a range's low end lies, in percent of the value.
inline double SpreadPercent(const Json& range) {
    double value = range["value"].get<double>();
    return value == 0 ? 0.0 : (value - range["low"].get<double>()) * 100.0 / value;
}

// The sensitivity settings a project keeps aside for the models it imposes its own on.
struct KeptAside {
    double cocomoSlocPercent;
    int cocomoType;
    int rayleighType;

    bool operator==(const KeptAside&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const KeptAside& kept) {
    return out << "{" << kept.cocomoSlocPercent << ", " << kept.cocomoType << ", "
               << kept.rayleighType << "}";
}

inline KeptAside KeptAsideOf(const cProjectDoc& project) {
    return {project.GetSavedCocomoSlocSensitivity(),
            static_cast<int>(project.GetSavedCocomoSensitivityType()),
            static_cast<int>(project.GetSavedRayleighSensitivityType())};
}

inline std::string ExamplePath(const std::string& name) {
    return std::string(KORVAL_SOURCE_DIR) + "/examples/" + name;
}

// Projects over the bundled defaults profile with a scripted platform and a scratch folder.
class ProjectTest : public ::testing::Test {
  protected:
    TempDir dir;
    cScriptedPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};

    // A copy of the example in the scratch folder, opened as the desktop opens a file.
    std::unique_ptr<cProjectDoc> OpenCopy(const std::string& example) {
        std::string path = dir.File(example);
        TempDir::WriteFile(path, TempDir::ReadFile(ExamplePath(example)));
        return Open(path);
    }

    std::unique_ptr<cProjectDoc> Open(const std::string& path) {
        auto project = std::make_unique<cProjectDoc>(context);
        project->SetPathName(path);
        project->LoadModel(path);
        return project;
    }

    // Saves under a new name and checks that the save left the project as it was.
    std::string SaveUnchanged(cProjectDoc& project, const std::string& name) {
        ProjectView before = ViewOf(project);
        KeptAside kept = KeptAsideOf(project);
        std::string path = dir.File(name);
        EXPECT_TRUE(project.SaveAs(path));
        EXPECT_EQ(ViewOf(project), before) << "the save changed the project";
        EXPECT_EQ(KeptAsideOf(project), kept) << "the save changed the kept-aside settings";
        EXPECT_FALSE(project.IsModified());
        return path;
    }
};

}  // namespace korval::testing
