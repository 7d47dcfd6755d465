#include <gtest/gtest.h>

#include "framework/DialogFieldCheck.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

// Every dialog refuses a field in these words, and a field that says "greater than zero"
// refuses zero.
TEST(DialogFieldCheckTest, NumberFieldsAreRefusedInOneWording) {
    struct Case {
        const char* text;
        NumberRule rule;
        std::string problem;
    };
    const Case cases[] = {
        {"12.5", NumberRule::GreaterThanZero, ""},
        {" 0.001 ", NumberRule::GreaterThanZero, ""},
        {"0", NumberRule::GreaterThanZero, "Size must be greater than zero."},
        {"-3", NumberRule::GreaterThanZero, "Size must be greater than zero."},
        {"0", NumberRule::NotNegative, ""},
        {"-0.5", NumberRule::NotNegative, "Size cannot be negative."},
        {"", NumberRule::NotNegative, "Please enter a number."},
        {"abc", NumberRule::GreaterThanZero, "Please enter a number."},
        {"1 2", NumberRule::GreaterThanZero, "Please enter a number."},
        {"-", NumberRule::NotNegative, "Please enter a number."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberFieldProblem(c.text, "Size", c.rule), c.problem) << c.text;
    }
    testing::cScriptedPlatform platform;
    platform.ExpectMessage();
    EXPECT_FALSE(CheckNumberField(platform, "x", 0, 1));
    EXPECT_EQ(platform.Messages().back(), kNotANumberMessage);
}

}  // namespace
}  // namespace korval
