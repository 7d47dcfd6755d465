#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "framework/NumberText.h"
#include "framework/TextUtil.h"

namespace korval {
namespace {

struct LeadingCase {
    const char* text;
    std::optional<double> expected;
};

TEST(NumberTextTest, LeadingDecimalNumbersOnly) {
    const LeadingCase cases[] = {
        {"12.5", 12.5},        {"  -3e2xyz", -300.0}, {"+7", 7.0},           {".5", 0.5},
        {"5.", 5.0},           {"1e", 1.0},           {"abc", std::nullopt}, {"", std::nullopt},
        {"nan", std::nullopt}, {"inf", std::nullopt}, {"0x1A", 0.0},         {"-", std::nullopt},
        {"1,5", 1.0},
    };
    for (const LeadingCase& c : cases) {
        EXPECT_EQ(TryParseLeadingDouble(c.text), c.expected) << c.text;
    }
}

TEST(NumberTextTest, HugeAndTinyNumbersStayFinite) {
    EXPECT_EQ(ParseLeadingDouble("1e999"), std::numeric_limits<double>::max());
    EXPECT_EQ(ParseLeadingDouble("-1e999"), -std::numeric_limits<double>::max());
    EXPECT_EQ(ParseLeadingDouble("1e-999"), 0.0);
    EXPECT_EQ(ParseLeadingDouble(std::string(400, '9')), std::numeric_limits<double>::max());
}

// Readers cut a value to their buffer before reading the number in it (Start_Offset reads
// 19 characters): what is kept reads as itself, whatever was cut away.
TEST(NumberTextTest, ANumberCutByTheReadBufferReadsAsTheCharactersKept) {
    struct Case {
        std::string stored;
        double expected;
    };
    const Case cases[] = {
        {std::string(330, '9'), 9999999999999999999.0},
        {"+" + std::string(330, '9'), 999999999999999999.0},
        {"-" + std::string(330, '9'), -999999999999999999.0},
        {"1." + std::string(330, '5'), 1.55555555555555555},
        {"1e" + std::string(330, '9'), std::numeric_limits<double>::max()},
        {"0." + std::string(330, '0') + "1", 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseLeadingDouble(CutToBuffer(c.stored, 20)), c.expected) << c.stored;
        EXPECT_EQ(ParseLeadingInt(CutToBuffer(c.stored, 20)) >= 0, c.expected >= 0) << c.stored;
    }
}

TEST(NumberTextTest, IntegersClampLikeAtoiWithoutOverflow) {
    EXPECT_EQ(ParseLeadingInt("42abc"), 42);
    EXPECT_EQ(ParseLeadingInt("  -17"), -17);
    EXPECT_EQ(ParseLeadingInt("99999999999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(ParseLeadingInt("-99999999999999999999"), std::numeric_limits<int>::min());
    EXPECT_EQ(TryParseLeadingInt("x1"), std::nullopt);
    EXPECT_EQ(ParseLeadingInt("2.9"), 2);
}

TEST(NumberTextTest, WholeNumberText) {
    EXPECT_TRUE(IsWholeNumberText(" 12.5 "));
    EXPECT_FALSE(IsWholeNumberText("12.5x"));
    EXPECT_FALSE(IsWholeNumberText(""));
    EXPECT_FALSE(IsWholeNumberText("inf"));
}

TEST(NumberTextTest, FormattingIgnoresTheUserLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(FormatNumber("%lf", 50000.0), "50000.000000");
    EXPECT_EQ(FormatNumber("%-3.1lf person months", 145.508), "145.5 person months");
    EXPECT_EQ(ParseLeadingDouble("3.25"), 3.25);
    std::setlocale(LC_ALL, saved.c_str());
    if (!german) GTEST_SKIP() << "de_DE.UTF-8 is not installed; formatted under C only";
}

TEST(NumberTextTest, LongFormattedTextIsNotCut) {
    std::string text = FormatNumber("%.2f", 1e200);
    EXPECT_GT(text.size(), 200u);
    EXPECT_EQ(text.substr(text.size() - 3), ".00");
}

// No report prints a 309-digit number: figures beyond fifteen whole digits (with or without
// thousands separators) are shown in three digits and said to be out of range.
TEST(NumberTextTest, HugeNumbersAreShortenedAndNamed) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"166.7 person months", std::nullopt},
        {"123456789012345.0", std::nullopt},  // fifteen digits: a real, if large, figure
        {FormatNumber("%-3.1lf person months", 1.7976931348623157e308),
         "1.8e+308 (out of range) person months"},
        {"(1234567890123456789.0 - 2)", "(1.23e+18 (out of range) - 2)"},
        {"-99999999999999999 EUR", "-1e+17 (out of range) EUR"},
        {"1,797,693,134,862,315,708 EUR", "1.8e+18 (out of range) EUR"},
        {"12,500 EUR per person month", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(WithHugeNumbersCapped(text), expected) << text;
}

}  // namespace
}  // namespace korval
