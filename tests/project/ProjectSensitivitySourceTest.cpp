#include <gtest/gtest.h>

#include <vector>

#include "framework/NumberText.h"
#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
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

using Source = cProjectDoc::SensitivitySource;
constexpr Source kFp = Source::FunctionPoint;
constexpr Source kCocomo = Source::Cocomo;
constexpr Source kRayleigh = Source::Rayleigh;

// Stands for "the function point percentage" where a table expects a COCOMO percentage.
constexpr double kFpPercent = -1;

const char* const kCocomoTypeTokens[] = {"SLOC", "NOM_PM", "ADJ_PM"};
const char* const kRayleighTypeTokens[] = {"SLOC", "SCHD", "PM", "PI", "SLOC"};

enum class Reopens {
    AsShown,
    // COCOMO carries the function point percentage under the Rayleigh source and the file
    // keeps six decimals of it: the last digits of the figures change, the report does not.
    FpPercentRounded,
    Otherwise,
};
using enum Reopens;

// One path through the sensitivity sources, starting from an example opened in its own
// source, and what the project shows and keeps aside at its end.
struct SwitchCase {
    const char* example;
    std::vector<Source> path;
    const char* cocomoType;
    double cocomoSlocPercent;
    const char* rayleighType;
    KeptAside kept;
    bool showsTheFileAgain;
    Reopens reopens;
};

// FP source; COCOMO's own 0 % SLOC; Rayleigh's own SLOC; FP range 10 %.
constexpr const char* kPayroll = "payroll.PRJ";
// COCOMO source, COCOMO changed to 5 % SLOC and ADJ_PM; Rayleigh's own PI.
constexpr const char* kStation = "ground-station.PRJ";
// Rayleigh source (SCHD); COCOMO's own 20 % SLOC.
constexpr const char* kShop = "web-shop.PRJ";

const SwitchCase kSwitchCases[] = {
    {kPayroll, {kCocomo}, "SLOC", 0, "PROJECT", {0, 0, 0}, false, AsShown},
    {kPayroll, {kRayleigh}, "SLOC", kFpPercent, "SLOC", {0, 0, 0}, false, FpPercentRounded},
    {kPayroll, {kCocomo, kFp}, "SLOC", kFpPercent, "PROJECT", {0, 0, 0}, true, AsShown},
    {kPayroll, {kCocomo, kRayleigh}, "SLOC", 0, "SLOC", {0, 0, 0}, false, AsShown},
    // Leaving Rayleigh for FP keeps COCOMO's current percentage aside, which is the
    // function point one it carried under Rayleigh.
    {kPayroll, {kRayleigh, kFp}, "SLOC", kFpPercent, "PROJECT", {kFpPercent, 0, 0}, true, AsShown},
    {kPayroll, {kRayleigh, kCocomo}, "SLOC", 0, "PROJECT", {0, 0, 0}, false, AsShown},

    {kStation, {kFp}, "SLOC", kFpPercent, "PROJECT", {5, 2, 3}, false, AsShown},
    {kStation, {kRayleigh}, "ADJ_PM", 5, "PI", {0, 0, 3}, false, AsShown},
    {kStation, {kFp, kCocomo}, "ADJ_PM", 5, "PROJECT", {5, 2, 3}, true, AsShown},
    {kStation, {kFp, kRayleigh}, "SLOC", kFpPercent, "PI", {5, 2, 3}, false, FpPercentRounded},
    // Leaving Rayleigh for COCOMO brings back what was kept aside at the last imposition
    // (here the new project's defaults), not COCOMO's own settings.
    {kStation, {kRayleigh, kCocomo}, "SLOC", 0, "PROJECT", {0, 0, 3}, false, AsShown},
    // Leaving Rayleigh for FP keeps COCOMO's percentage aside but leaves its type; the file
    // gets the type kept aside before, so the reopened project shows SLOC.
    {kStation, {kRayleigh, kFp}, "ADJ_PM", kFpPercent, "PROJECT", {5, 0, 3}, false, Otherwise},

    {kShop, {kFp}, "SLOC", kFpPercent, "PROJECT", {20, 0, 1}, false, AsShown},
    // The same from the file's Rayleigh source: COCOMO's own 20 % gives way to 0 %.
    {kShop, {kCocomo}, "SLOC", 0, "PROJECT", {0, 0, 1}, false, AsShown},
    {kShop, {kFp, kCocomo}, "SLOC", 20, "PROJECT", {20, 0, 1}, false, AsShown},
    // Under Rayleigh COCOMO keeps the function point percentage, and the file gets it.
    {kShop, {kFp, kRayleigh}, "SLOC", kFpPercent, "SCHD", {20, 0, 1}, false, FpPercentRounded},
    {kShop, {kCocomo, kFp}, "SLOC", kFpPercent, "PROJECT", {0, 0, 1}, false, AsShown},
    {kShop, {kCocomo, kRayleigh}, "SLOC", 0, "SCHD", {0, 0, 1}, false, AsShown},
};

class ProjectSensitivitySourceTest : public testing::ProjectTest {
  protected:
    // The examples, except that ground-station's COCOMO gets settings of its own (5 % SLOC
    // range, adjusted effort type), so that keeping them aside shows.
    std::unique_ptr<cProjectDoc> OpenStart(const std::string& example) {
        std::string text = TempDir::ReadFile(ExamplePath(example));
        if (example == "ground-station.PRJ") {
            text = ReplaceAll(text, "Selected_COCOMO_Sen=SLOC\r\nSLOC_Sen=0.000000",
                              "Selected_COCOMO_Sen=ADJ_PM\r\nSLOC_Sen=5.000000");
        }
        std::string path = dir.File(example);
        TempDir::WriteFile(path, text);
        return Open(path);
    }

    static std::string CocomoFileValue(const std::string& key, const std::string& path) {
        return ReadProfileValue("COCOMO_Sensitivity_Analysis", key, "", 20, path);
    }
    static std::string RayleighFileType(const std::string& path) {
        return ReadProfileValue("Rayleigh_Sensitivity_Analysis", "Selected_Rayleigh_Sen", "", 20,
                                path);
    }
};

std::string Describe(const SwitchCase& c) {
    std::string text = c.example;
    for (Source source : c.path) text += " -> " + std::to_string(static_cast<int>(source));
    return text;
}

TEST_F(ProjectSensitivitySourceTest, EverySwitchShowsTheChosenSourcesRanges) {
    const char* const sourceTokens[] = {"FP", "COCOMO", "RAYLEIGH"};
    for (const SwitchCase& c : kSwitchCases) {
        SCOPED_TRACE(Describe(c));
        auto project = OpenStart(c.example);
        ProjectView opened = ViewOf(*project);
        for (Source source : c.path) project->OnUseSensitivity(source);

        Json figures = FiguresOf(*project);
        double fpPercent = SpreadPercent(figures["functionPoint"]["sloc"]);
        EXPECT_EQ(figures["sensitivitySource"], sourceTokens[static_cast<int>(c.path.back())]);
        EXPECT_EQ(figures["cocomo"]["sensitivityType"], c.cocomoType);
        EXPECT_NEAR(SpreadPercent(figures["cocomo"]["sloc"]),
                    c.cocomoSlocPercent == kFpPercent ? fpPercent : c.cocomoSlocPercent, 1e-9);
        EXPECT_EQ(figures["rayleigh"]["sensitivityType"], c.rayleighType);
        KeptAside expected = c.kept;
        if (expected.cocomoSlocPercent == kFpPercent) expected.cocomoSlocPercent = fpPercent;
        EXPECT_EQ(KeptAsideOf(*project), expected);
        EXPECT_EQ(ViewOf(*project) == opened, c.showsTheFileAgain);
        EXPECT_TRUE(project->IsModified());
        for (int model = 0; model < 3; ++model) {
            EXPECT_EQ(project->IsSensitivityCommandEnabled(static_cast<cProjectDoc::Model>(model)),
                      model == static_cast<int>(c.path.back()));
        }
    }
}

TEST_F(ProjectSensitivitySourceTest, ChoosingTheCurrentSourceChangesNothing) {
    const std::pair<const char*, Source> starts[] = {
        {kPayroll, kFp}, {kStation, kCocomo}, {kShop, kRayleigh}};
    for (const auto& [example, source] : starts) {
        SCOPED_TRACE(example);
        auto project = OpenStart(example);
        ProjectView opened = ViewOf(*project);
        KeptAside kept = KeptAsideOf(*project);
        project->OnUseSensitivity(source);
        EXPECT_EQ(ViewOf(*project), opened);
        EXPECT_EQ(KeptAsideOf(*project), kept);
        EXPECT_FALSE(project->IsModified());
    }
}

// The file holds each model's own settings: those kept aside where the project imposes
// its own, the model's where it does not.
TEST_F(ProjectSensitivitySourceTest, EverySwitchSavesTheModelsOwnSettingsAndReopens) {
    for (const SwitchCase& c : kSwitchCases) {
        SCOPED_TRACE(Describe(c));
        auto project = OpenStart(c.example);
        for (Source source : c.path) project->OnUseSensitivity(source);
        ProjectView shown = ViewOf(*project);
        KeptAside kept = KeptAsideOf(*project);
        Json figures = FiguresOf(*project);

        std::string path = SaveUnchanged(*project, "switched.prj");
        std::string bytes = TempDir::ReadFile(path);
        SaveUnchanged(*project, "switched.prj");
        EXPECT_EQ(TempDir::ReadFile(path), bytes) << "a second save wrote other bytes";

        Source source = c.path.back();
        if (source == kFp) {
            EXPECT_EQ(CocomoFileValue("SLOC_Sen", path),
                      FormatNumber("%lf", kept.cocomoSlocPercent));
            EXPECT_EQ(CocomoFileValue("Selected_COCOMO_Sen", path),
                      kCocomoTypeTokens[kept.cocomoType]);
        } else {
            EXPECT_NEAR(ParseLeadingDouble(CocomoFileValue("SLOC_Sen", path)),
                        SpreadPercent(figures["cocomo"]["sloc"]), 1e-6);
            EXPECT_EQ(CocomoFileValue("Selected_COCOMO_Sen", path),
                      figures["cocomo"]["sensitivityType"]);
        }
        EXPECT_EQ(RayleighFileType(path),
                  source == kRayleigh ? figures["rayleigh"]["sensitivityType"].get<std::string>()
                                      : kRayleighTypeTokens[kept.rayleighType]);

        auto reopened = Open(path);
        EXPECT_EQ(reopened->GetSensitivitySource(), source);
        ProjectView view = ViewOf(*reopened);
        EXPECT_EQ(view.figures == shown.figures, c.reopens == AsShown);
        EXPECT_EQ(view.report == shown.report, c.reopens != Otherwise);
        EXPECT_FALSE(reopened->IsModified());
    }
}

TEST_F(ProjectSensitivitySourceTest, ReopenedProjectSavesTheSameBytes) {
    for (const char* example : {kPayroll, kStation, kShop}) {
        SCOPED_TRACE(example);
        auto project = OpenStart(example);
        std::string first = SaveUnchanged(*project, "first.prj");
        auto reopened = Open(first);
        EXPECT_EQ(ViewOf(*reopened), ViewOf(*project));
        EXPECT_EQ(KeptAsideOf(*reopened), KeptAsideOf(*project));
        std::string second = SaveUnchanged(*reopened, "second.prj");
        EXPECT_EQ(TempDir::ReadFile(second), TempDir::ReadFile(first));
    }
}

}  // namespace
}  // namespace korval
