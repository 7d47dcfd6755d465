#include <gtest/gtest.h>

#include "cli/FiguresTable.h"

namespace korval {
namespace {

TEST(FiguresTableTest, RangesAreOneRowAndEveryOtherValueARowOfItsOwn) {
    Json figures = Json::parse(R"({
        "kind": "Cocomo",
        "cocomo": {"sloc": {"value": 10.5, "low": null, "high": 12.0},
                   "costDrivers": [{"name": "RELY", "rating": null}],
                   "level": {"value": "1", "low": "0", "high": "2"},
                   "partial": {"value": 1, "low": 2}}
    })");
    std::vector<FigureRow> rows = FigureRows(figures);
    std::vector<std::string> paths;
    for (const FigureRow& row : rows) paths.push_back(row.path + (row.isRange ? "*" : ""));
    EXPECT_EQ(paths, (std::vector<std::string>{"kind", "cocomo.sloc*", "cocomo.costDrivers[0].name",
                                               "cocomo.costDrivers[0].rating", "cocomo.level*",
                                               "cocomo.partial.value", "cocomo.partial.low"}));
}

TEST(FiguresTableTest, CsvQuotesAsRfc4180Does) {
    struct Case {
        Json value;
        const char* row;
    };
    const Case cases[] = {
        {Json("plain text"), "x,plain text,,\r\n"},
        {Json("4,000 staff"), "x,\"4,000 staff\",,\r\n"},
        {Json("say \"hi\""), "x,\"say \"\"hi\"\"\",,\r\n"},
        {Json("two\nlines"), "x,\"two\nlines\",,\r\n"},
        // A lone CR is a line break, as everywhere texts leave Korval; ESC and NUL never reach
        // the terminal or spreadsheet showing the table.
        {Json("cr\rhere"), "x,\"cr\nhere\",,\r\n"},
        {Json(std::string("esc\x1b[31mred\0nul", 15)), "x,esc[31mrednul,,\r\n"},
        {Json(nullptr), "x,,,\r\n"},
        {Json(true), "x,true,,\r\n"},
        {Json(0.1), "x,0.1,,\r\n"},
        {Json(36124.270000000004), "x,36124.270000000004,,\r\n"},
        {Json(53), "x,53,,\r\n"},
        {Json{{"value", 1.5}, {"low", nullptr}, {"high", 2.0}}, "x,1.5,,2.0\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FiguresCsv(Json{{"x", c.value}}), std::string("path,value,low,high\r\n") + c.row)
            << c.value.dump();
    }
}

}  // namespace
}  // namespace korval
