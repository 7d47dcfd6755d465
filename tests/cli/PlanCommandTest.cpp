#include <gtest/gtest.h>

#include <sstream>

#include "cli/FiguresJson.h"
#include "cli/PlanFigures.h"
#include "cli/cCliRunner.h"
#include "tests/support/TempDir.h"

namespace korval {
namespace {

struct PlanRun {
    int status;
    std::string out;
    std::string err;
};

PlanRun RunCli(std::vector<std::string> args) {
    args.insert(args.end(), {"--profile", KORVAL_DEFAULTS_PROFILE});
    std::ostringstream out;
    std::ostringstream err;
    int status = cCliRunner().Run(args, out, err);
    return {status, out.str(), err.str()};
}

std::string Example(const char* name) {
    return std::string(KORVAL_SOURCE_DIR) + "/examples/" + name;
}

std::vector<std::string> Lines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, stop; (stop = text.find(end, start)) != std::string::npos;
         start = stop + end.size())
        lines.push_back(text.substr(start, stop - start));
    return lines;
}

// The CSV of every kind with a plan: a header, one line a month, five fields, the cost
// empty, and the months adding up to the last cumulative effort.
TEST(PlanCommandTest, CsvListsTheMonthsOfEveryKindWithAPlan) {
    for (const char* example :
         {"claims-portal.RLM", "order-billing.CCM", "payroll.PRJ", "enterprise.SLE"}) {
        SCOPED_TRACE(example);
        PlanRun run = RunCli({"plan", Example(example), "--format", "csv"});
        ASSERT_EQ(run.status, 0) << run.err;
        std::vector<std::string> lines = Lines(run.out, "\r\n");
        ASSERT_GT(lines.size(), 3u);
        EXPECT_EQ(lines[0], "month,staff,effort,cumulativeEffort,cumulativeCost");
        double sum = 0;
        double last = 0;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            std::vector<std::string> fields = Lines(lines[i] + ",", ",");
            ASSERT_EQ(fields.size(), 5u) << lines[i];
            EXPECT_EQ(fields[0], std::to_string(i));
            EXPECT_EQ(fields[4], "");
            sum += std::stod(fields[2]);
            last = std::stod(fields[3]);
        }
        EXPECT_NEAR(sum, last, 1e-9 * last);
    }
}

TEST(PlanCommandTest, TextIsTheDefaultAndAFunctionPointCountHasNoPlan) {
    PlanRun text = RunCli({"plan", Example("claims-portal.RLM")});
    ASSERT_EQ(text.status, 0);
    EXPECT_EQ(text.out.rfind("Month", 0), 0u);
    EXPECT_EQ(Lines(text.out, "\n").size(), 1u + 30u) << "30 months for a 10.5-month build";

    PlanRun none = RunCli({"plan", Example("payroll.FPM"), "--format", "csv"});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("no staffing plan"), std::string::npos);
    EXPECT_EQ(RunCli({"plan", Example("payroll.FPM"), "--format", "json"}).status, 2);
}

TEST(PlanCommandTest, FiguresCarryEachKindsPlanBesideItsOtherKeys) {
    PlanRun rayleigh = RunCli({"figures", Example("claims-portal.RLM")});
    Json figures = Json::parse(rayleigh.out)["rayleigh"];
    EXPECT_TRUE(figures.contains("mbi")) << "existing keys stay";
    Json plan = figures["plan"];
    double k = plan["lifeCycleEffort"]["personMonths"]["value"].get<double>();
    EXPECT_NEAR(plan["lifeCycleEffort"]["personYears"]["value"].get<double>() * 12, k, 1e-9 * k);
    EXPECT_EQ(plan["staffing"]["periods"].size(), 30u);

    Json project = Json::parse(RunCli({"figures", Example("payroll.PRJ")}).out)["project"];
    EXPECT_EQ(project["plan"]["cocomoPhases"].size(), 3u);
    EXPECT_TRUE(project["cocomo"].contains("plan"));
    EXPECT_TRUE(project["rayleigh"].contains("plan"));

    Json system = Json::parse(RunCli({"figures", Example("enterprise.SLE")}).out)["system"];
    EXPECT_NEAR(system["plan"]["placedEffort"].get<double>(), system["totalEffort"].get<double>(),
                1e-9);
}

}  // namespace
}  // namespace korval
