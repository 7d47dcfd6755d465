#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandLineInfo.h"

namespace korval {
namespace {

TEST(CommandLineInfoTest, TheDesktopAnswersHelpAndVersionBeforeStarting) {
    struct Case {
        std::vector<std::string> args;
        std::optional<int> status;
        const char* start;  // of what goes to stdout
    };
    const Case cases[] = {
        {{}, std::nullopt, ""},
        {{"plan.PRJ"}, std::nullopt, ""},
        {{"--help"}, 0, "usage: korval [FILE]\n"},
        {{"-h"}, 0, "usage: korval [FILE]\n"},
        {{"-platform", "offscreen", "--version"}, 0, "korval 4.1\nrevision "},
        {{"--version", "--help"}, 0, "korval 4.1\n"},
        {{"--helpful"}, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        EXPECT_EQ(AnswerDesktopInfoOption(c.args, out), c.status)
            << (c.args.empty() ? "" : c.args.back());
        EXPECT_EQ(out.str().rfind(c.start, 0), 0u) << out.str();
    }
}

TEST(CommandLineInfoTest, AnOptionLeftOverAfterQtIsBadUsage) {
    struct Case {
        std::vector<std::string> args;
        std::optional<int> status;
    };
    const Case cases[] = {
        {{}, std::nullopt},
        {{"plan.PRJ"}, std::nullopt},
        {{"my", "plan.PRJ"}, std::nullopt},
        {{"-"}, std::nullopt},
        {{"--bogus"}, 2},
        {{"plan.PRJ", "-x"}, 2},
    };
    for (const Case& c : cases) {
        std::ostringstream err;
        EXPECT_EQ(RefuseDesktopOptions(c.args, err), c.status);
        EXPECT_EQ(err.str().find("usage: korval [FILE]") != std::string::npos,
                  c.status.has_value());
    }
}

}  // namespace
}  // namespace korval
