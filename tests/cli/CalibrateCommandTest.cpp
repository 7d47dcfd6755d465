#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cCliRunner.h"
#include "tests/support/TempDir.h"

namespace korval {
namespace {

using testing::TempDir;

struct CalibrateResult {
    int status;
    std::string out;
    std::string err;
};

CalibrateResult Calibrate(std::vector<std::string> args) {
    args.insert(args.begin(), "calibrate");
    args.push_back("--profile");
    args.push_back(KORVAL_DEFAULTS_PROFILE);
    std::ostringstream out;
    std::ostringstream err;
    int status = cCliRunner().Run(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string kExample = KORVAL_SOURCE_DIR "/examples/history.csv";

TEST(CalibrateCommandTest, TheExampleHistoryGivesTheReportAndTheJson) {
    CalibrateResult text = Calibrate({kExample});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.err, "");
    for (const char* part : {"COCOMO Nominal Effort", "Organic", "Putnam Productivity Index",
                             "Business Systems", "Function Points", "COCOMO, leave-one-out"}) {
        EXPECT_NE(text.out.find(part), std::string::npos) << part;
    }
    CalibrateResult json = Calibrate({kExample, "--format", "json"});
    ASSERT_EQ(json.status, 0);
    nlohmann::json figures = nlohmann::json::parse(json.out);
    EXPECT_EQ(figures["history"]["projects"], 28);
    EXPECT_EQ(figures["cocomo"]["modes"].size(), 3u);
    EXPECT_EQ(figures["cocomo"]["modes"][0]["projects"], 10);
    EXPECT_TRUE(figures["cocomo"]["modes"][0]["bTogether"].is_number());
    EXPECT_TRUE(figures["cocomo"]["modes"][1]["bTogether"].is_null());
}

TEST(CalibrateCommandTest, OutputWritesTheProfileAndBadHistoriesExitWithOne) {
    TempDir dir;
    std::string out = dir.File("calibrated.ini");
    CalibrateResult written = Calibrate({kExample, "-o", out});
    EXPECT_EQ(written.status, 0);
    EXPECT_NE(written.err.find("calibrated values written to " + out), std::string::npos);
    EXPECT_NE(TempDir::ReadFile(out).find("Organic_PM_Nom_Mult=2.717"), std::string::npos);

    std::string bad = dir.File("bad.csv");
    TempDir::WriteFile(bad, "name,sloc\na,1000\n");
    CalibrateResult refused = Calibrate({bad, "-o", dir.File("never.ini")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("bad.csv:1: effort_pm: the header has no effort_pm column"),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("never.ini")));
    EXPECT_EQ(Calibrate({kExample, "--format", "csv"}).status, 2);
    EXPECT_EQ(Calibrate({}).status, 2);
}

}  // namespace
}  // namespace korval
