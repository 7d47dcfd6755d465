#include <gtest/gtest.h>

#include "app/cEstimatorAppLogic.h"
#include "documents/cDocumentFactory.h"
#include "framework/ProfileAccess.h"
#include "tests/project/ProjectTestSupport.h"

namespace korval {
namespace {

using testing::ExamplePath;
using testing::FiguresOf;
using testing::KeptAside;
using testing::KeptAsideOf;
using testing::ProjectView;
using testing::SpreadPercent;
using testing::TempDir;
using testing::ViewOf;
using Model = cProjectDoc::Model;

// Each example opens in its own sensitivity source.
struct Start {
    const char* example;
    const char* source;
    const char* functionPointImport;  // another project's count
};
const Start kStarts[] = {
    {"payroll.PRJ", "FP", "ground-station.FPM"},
    {"ground-station.PRJ", "COCOMO", "web-shop.FPM"},
    {"web-shop.PRJ", "RAYLEIGH", "payroll.FPM"},
};
// Own settings: 20 % SLOC range; PI type.
constexpr const char* kCocomoImport = "self-service-portal.CCM";
constexpr const char* kRayleighImport = "engine-control.RLM";
const Model kModels[] = {Model::FunctionPoint, Model::Cocomo, Model::Rayleigh};
const char* const kModelKeys[] = {"functionPoint", "cocomo", "rayleigh"};
const char* const kExtensions[] = {".FPM", ".CCM", ".RLM"};

std::string Describe(const Start& start, Model model) {
    return std::string(start.example) + " / " + kModelKeys[static_cast<int>(model)];
}

class ProjectTransferTest : public testing::ProjectTest {
  protected:
    // A model file opened on its own, as the desktop opens it.
    Json StandaloneFigures(const std::string& path, Model model) {
        cEstimatorAppLogic app(platform, KORVAL_DEFAULTS_PROFILE, &CreateDocument);
        std::unique_ptr<cModelDoc> document = app.OpenByKind(path);
        EXPECT_NE(document, nullptr) << path;
        if (document == nullptr) return Json();
        Json figures = DocumentFigures(*document);
        return figures[kModelKeys[static_cast<int>(model)]];
    }

    std::string ImportPath(const Start& start, Model model) {
        switch (model) {
            case Model::FunctionPoint:
                return ExamplePath(start.functionPointImport);
            case Model::Cocomo:
                return ExamplePath(kCocomoImport);
            case Model::Rayleigh:
                break;
        }
        return ExamplePath(kRayleighImport);
    }

    // The figures that flow from model to model are the ones the models show.
    static void ExpectFiguresFlowOn(const Json& figures) {
        double sloc = figures["functionPoint"]["sloc"]["value"].get<double>();
        EXPECT_EQ(figures["cocomo"]["sloc"]["value"].get<double>(), sloc);
        EXPECT_EQ(figures["rayleigh"]["sloc"].get<double>(), sloc);
        EXPECT_EQ(figures["rayleigh"]["tdev"].get<double>(),
                  figures["cocomo"]["timeToDevelop"]["value"].get<double>());
    }
};

TEST_F(ProjectTransferTest, ImportUnderEverySourceBringsTheModelAndKeepsItsOwnSettings) {
    for (const Start& start : kStarts) {
        for (Model model : kModels) {
            SCOPED_TRACE(Describe(start, model));
            auto project = OpenCopy(start.example);
            Json before = FiguresOf(*project);
            KeptAside keptBefore = KeptAsideOf(*project);
            std::string path = ImportPath(start, model);
            Json file = StandaloneFigures(path, model);

            platform.ExpectOpenFileName(path);
            if (project->ModelHasData(model)) platform.ExpectMessage(MessageAnswer::Yes);
            ASSERT_TRUE(project->OnImport(model));
            EXPECT_TRUE(project->IsModified());
            Json figures = FiguresOf(*project);
            EXPECT_EQ(figures["sensitivitySource"], start.source);
            ExpectFiguresFlowOn(figures);

            std::string source = start.source;
            KeptAside kept = keptBefore;
            switch (model) {
                case Model::FunctionPoint:
                    EXPECT_EQ(figures["functionPoint"], file);
                    break;
                case Model::Cocomo:
                    for (const char* key : {"mode", "model", "eaf", "costDrivers"})
                        EXPECT_EQ(figures["cocomo"][key], file[key]) << key;
                    // An imported COCOMO model keeps its own settings aside under the FP
                    // source; under the others only its type is kept.
                    kept.cocomoSlocPercent = source == "FP" ? 20 : 0;
                    kept.cocomoType = 0;
                    break;
                case Model::Rayleigh:
                    for (const char* key : {"applicationType", "productivityIndex",
                                            "productivityMeasure", "buildPhasePercentage"})
                        EXPECT_EQ(figures["rayleigh"][key], file[key]) << key;
                    kept.rayleighType = 3;
                    break;
            }
            EXPECT_EQ(KeptAsideOf(*project), kept);

            if (source == "FP") {
                EXPECT_EQ(figures["cocomo"]["sensitivityType"], "SLOC");
                EXPECT_NEAR(SpreadPercent(figures["cocomo"]["sloc"]),
                            SpreadPercent(figures["functionPoint"]["sloc"]), 1e-9);
            } else {
                const Json& cocomo = model == Model::Cocomo ? file : before["cocomo"];
                EXPECT_EQ(figures["cocomo"]["sensitivityType"], cocomo["sensitivityType"]);
                EXPECT_NEAR(SpreadPercent(figures["cocomo"]["sloc"]), SpreadPercent(cocomo["sloc"]),
                            1e-9);
            }
            if (source == "RAYLEIGH") {
                EXPECT_EQ(figures["rayleigh"]["sensitivityType"],
                          model == Model::Rayleigh ? "PI" : "SCHD");
            } else {
                EXPECT_EQ(figures["rayleigh"]["sensitivityType"], "PROJECT");
            }

            ProjectView shown = ViewOf(*project);
            std::string saved = SaveUnchanged(*project, "imported.prj");
            EXPECT_EQ(ViewOf(*Open(saved)), shown);
        }
    }
}

TEST_F(ProjectTransferTest, ImportOfAnotherKindOrCancelledChangesNothing) {
    auto project = OpenCopy("payroll.PRJ");
    ProjectView opened = ViewOf(*project);
    platform.ExpectOpenFileName(ExamplePath(kRayleighImport));
    platform.ExpectMessage();
    EXPECT_FALSE(project->OnImport(Model::FunctionPoint));
    platform.ExpectOpenFileName("");
    EXPECT_FALSE(project->OnImport(Model::Cocomo));
    EXPECT_EQ(ViewOf(*project), opened);
    EXPECT_FALSE(project->IsModified());
}

// An export writes the model as the project shows it, and leaves the project alone.
TEST_F(ProjectTransferTest, ExportUnderEverySourceWritesTheModelAsShown) {
    for (const Start& start : kStarts) {
        for (Model model : kModels) {
            SCOPED_TRACE(Describe(start, model));
            auto project = OpenCopy(start.example);
            std::string savedBefore = SaveUnchanged(*project, "before.prj");
            ProjectView shown = ViewOf(*project);
            KeptAside kept = KeptAsideOf(*project);
            Json figures = FiguresOf(*project);

            std::string path =
                dir.File(std::string("exported") + kExtensions[static_cast<int>(model)]);
            platform.ExpectSaveFileName(path);
            ASSERT_TRUE(project->OnExport(model));
            EXPECT_EQ(ViewOf(*project), shown);
            EXPECT_EQ(KeptAsideOf(*project), kept);
            EXPECT_FALSE(project->IsModified());
            std::string savedAfter = SaveUnchanged(*project, "after.prj");
            EXPECT_EQ(TempDir::ReadFile(savedAfter), TempDir::ReadFile(savedBefore));

            Json file = StandaloneFigures(path, model);
            const Json& inProject = figures[kModelKeys[static_cast<int>(model)]];
            switch (model) {
                case Model::FunctionPoint:
                    EXPECT_EQ(file, inProject);
                    break;
                case Model::Cocomo:
                    EXPECT_EQ(file["sensitivityType"], inProject["sensitivityType"]);
                    EXPECT_NEAR(SpreadPercent(file["sloc"]), SpreadPercent(inProject["sloc"]),
                                1e-6);
                    EXPECT_NEAR(file["timeToDevelop"]["value"].get<double>(),
                                inProject["timeToDevelop"]["value"].get<double>(), 1e-9);
                    break;
                case Model::Rayleigh:
                    // The project ranges are no type of a model of its own: the file says SLOC.
                    EXPECT_EQ(file["sensitivityType"],
                              std::string(start.source) == "RAYLEIGH" ? "SCHD" : "SLOC");
                    EXPECT_NEAR(file["tdev"].get<double>(), inProject["tdev"].get<double>(), 1e-6);
                    EXPECT_NEAR(file["sloc"].get<double>(), inProject["sloc"].get<double>(), 1e-6);
                    break;
            }
        }
    }
}

}  // namespace
}  // namespace korval
