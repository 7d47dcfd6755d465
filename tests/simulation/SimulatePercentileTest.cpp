#include <gtest/gtest.h>

#include <sstream>

#include "cli/FiguresJson.h"
#include "cli/cCliRunner.h"
#include "tests/simulation/SimulationTestSupport.h"

namespace korval {
namespace {

using testing::SimulationTest;

struct Printed {
    int status;
    std::string out;
    std::string err;
};

Printed Simulate(const std::string& file, std::vector<std::string> options) {
    std::vector<std::string> args = {"simulate", file, "--profile", KORVAL_DEFAULTS_PROFILE};
    args.insert(args.end(), options.begin(), options.end());
    std::ostringstream out;
    std::ostringstream err;
    int status = cCliRunner().Run(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string kExample = std::string(KORVAL_SOURCE_DIR) + "/examples/flight-management.CCM";

TEST_F(SimulationTest, PercentilesAreAddedToEveryOutputAndP80IsTheP80) {
    Printed printed =
        Simulate(kExample, {"--trials", "400", "--percentile", "80, 5", "--percentile", "97.5,80"});
    ASSERT_EQ(printed.status, cCliRunner::kSuccess) << printed.err;
    Json json = Json::parse(printed.out);
    for (const auto& [key, output] : json["outputs"].items()) {
        SCOPED_TRACE(key);
        const Json& percentiles = output["percentiles"];
        ASSERT_EQ(percentiles.size(), 3u);  // in the order asked, each once
        EXPECT_EQ(percentiles.begin().key(), "80");
        EXPECT_EQ(percentiles["80"], output["p80"]);
        EXPECT_LE(percentiles["5"].get<double>(), output["p10"].get<double>());
        EXPECT_GE(percentiles["97.5"].get<double>(), output["p90"].get<double>());
    }
}

TEST_F(SimulationTest, WithoutPercentilesTheJsonIsAsItWas) {
    Printed plain = Simulate(kExample, {"--trials", "300"});
    ASSERT_EQ(plain.status, cCliRunner::kSuccess);
    EXPECT_EQ(plain.out.find("percentiles"), std::string::npos);
    Json with = Json::parse(Simulate(kExample, {"--trials", "300", "--percentile", "50"}).out);
    for (auto& [key, output] : with["outputs"].items()) output.erase("percentiles");
    EXPECT_EQ(with, Json::parse(plain.out));
}

TEST_F(SimulationTest, PercentilesOutsideZeroToHundredAreRefused) {
    for (const char* text : {"101", "-1", "abc", "50,,60", "nan", ""}) {
        Printed printed = Simulate(kExample, {"--percentile", text});
        EXPECT_EQ(printed.status, cCliRunner::kUsageError) << text;
        EXPECT_NE(printed.err.find("--percentile needs percents from 0 to 100"), std::string::npos)
            << printed.err;
        EXPECT_EQ(printed.out, "");
    }
    EXPECT_EQ(Simulate(kExample, {"--percentile"}).status, cCliRunner::kUsageError);
}

}  // namespace
}  // namespace korval
