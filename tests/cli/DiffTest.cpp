#include <gtest/gtest.h>

#include <sstream>

#include "cli/cCliRunner.h"
#include "cli/cDocumentDiff.h"
#include "tests/support/TempDir.h"

namespace korval {
namespace {

using testing::TempDir;

struct DiffResult {
    int status;
    std::string out;
    std::string err;
};

std::string Example(const std::string& name) {
    return std::string(KORVAL_SOURCE_DIR) + "/examples/" + name;
}

DiffResult Diff(const std::string& a, const std::string& b, const char* format = "text") {
    std::ostringstream out;
    std::ostringstream err;
    int status = cCliRunner().Run(
        {"diff", a, b, "--format", format, "--profile", KORVAL_DEFAULTS_PROFILE}, out, err);
    return {status, out.str(), err.str()};
}

TEST(DiffTest, EveryExampleEqualsItselfAndAnotherOfItsKindDiffers) {
    struct Pair {
        const char* a;
        const char* b;
    };
    const Pair pairs[] = {{"payroll.PRJ", "web-shop.PRJ"},
                          {"payroll.FPM", "ground-station.FPM"},
                          {"warehouse-inventory.CCM", "flight-management.CCM"},
                          {"order-entry.RLM", "engine-control.RLM"}};
    for (const Pair& pair : pairs) {
        for (const char* name : {pair.a, pair.b}) {
            DiffResult same = Diff(Example(name), Example(name));
            EXPECT_EQ(same.status, 0) << name << same.err;
            EXPECT_EQ(same.out, "") << name;
        }
        DiffResult different = Diff(Example(pair.a), Example(pair.b));
        EXPECT_EQ(different.status, 1) << pair.a << different.err;
        EXPECT_NE(different.out.find("\ninput "), std::string::npos) << pair.a;
        EXPECT_NE(different.out.find("\nfigure "), std::string::npos) << pair.a;
    }
    EXPECT_EQ(Diff(Example("enterprise.SLE"), Example("enterprise.SLE")).status, 0);
}

TEST(DiffTest, AChangedSizeShowsInTheInputAndTheFiguresWithTheChangeInPercent) {
    TempDir dir;
    std::string larger = dir.File("larger.CCM");
    std::string content = TempDir::ReadFile(Example("warehouse-inventory.CCM"));
    content.replace(content.find("Source_Lines_Code=10000.000000"), 30,
                    "Source_Lines_Code=11000.000000");
    TempDir::WriteFile(larger, content);

    DiffResult text = Diff(Example("warehouse-inventory.CCM"), larger);
    EXPECT_EQ(text.status, 1) << text.err;
    EXPECT_EQ(text.out.rfind("input COCOMO_Model.Source_Lines_Code: 10000.000000 -> "
                             "11000.000000 (+10.00%)\n",
                             0),
              0u)
        << text.out;
    EXPECT_NE(text.out.find("\nfigure cocomo.sloc.value: 10000.0 -> 11000.0 (+10.00%)\n"),
              std::string::npos)
        << text.out;

    DiffResult json = Diff(Example("warehouse-inventory.CCM"), larger, "json");
    EXPECT_EQ(json.status, 1);
    Json parsed = Json::parse(json.out);
    EXPECT_EQ(parsed["schemaVersion"], 1);
    EXPECT_EQ(parsed["kind"], "Cocomo");
    EXPECT_EQ(parsed["equal"], false);
    ASSERT_EQ(parsed["inputs"].size(), 1u);
    EXPECT_EQ(parsed["inputs"][0]["name"], "COCOMO_Model.Source_Lines_Code");
    EXPECT_EQ(parsed["inputs"][0]["b"], "11000.000000");
    EXPECT_DOUBLE_EQ(parsed["inputs"][0]["changePercent"].get<double>(), 10.0);
    EXPECT_FALSE(parsed["figures"].empty());
}

TEST(DiffTest, DocumentsThatCannotBeComparedExitWithTwo) {
    DiffResult kinds = Diff(Example("payroll.PRJ"), Example("payroll.FPM"));
    EXPECT_EQ(kinds.status, 2);
    EXPECT_NE(kinds.err.find("only documents of one kind compare"), std::string::npos) << kinds.err;
    EXPECT_EQ(Diff(Example("payroll.PRJ"), Example("missing.PRJ")).status, 2);
    EXPECT_EQ(Diff(Example("missing.PRJ"), Example("payroll.PRJ")).status, 2);
}

TEST(DiffTest, InputsCompareNumbersByValueAndNameKeysOnlyOneSideHas) {
    cDocumentDiff diff("[S]\r\nA=5\r\nB=x\r\nOnlyA=1\r\nZero=0\r\n",
                       "[s]\nA=5.000000\nB=X\nonlyb=2\nZero=3\n", Json{{"v", 1.0}},
                       Json{{"v", 1.0}});
    std::vector<std::string> lines;
    std::istringstream text(diff.Text());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"input S.B: x -> X", "input S.OnlyA: 1 -> (none)",
                                        "input S.Zero: 0 -> 3", "input s.onlyb: (none) -> 2"}));
    EXPECT_TRUE(diff.Figures().empty());
    EXPECT_FALSE(diff.Equal());
    EXPECT_TRUE(cDocumentDiff("[S]\nA=1\n", "[S]\nA=1.0\n", Json(), Json()).Equal());
}

TEST(DiffTest, FiguresCompareEachEndOfARange) {
    Json a = Json::parse(R"({"sloc": {"value": 100.0, "low": 90.0, "high": 110.0},
                             "mode": "ORGANIC", "rows": [1.0]})");
    Json b = Json::parse(R"({"sloc": {"value": 100.0, "low": 80.0, "high": null},
                             "mode": "EMBEDDED", "rows": [1.0, 2.0]})");
    cDocumentDiff diff("", "", a, b);
    EXPECT_EQ(diff.Text(),
              "figure sloc.low: 90.0 -> 80.0 (-11.11%)\n"
              "figure sloc.high: 110.0 -> null\n"
              "figure mode: ORGANIC -> EMBEDDED\n"
              "figure rows[1]: (none) -> 2.0\n");
}

}  // namespace
}  // namespace korval
