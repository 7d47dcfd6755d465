#include <gtest/gtest.h>

#include "app/cWindowPlacement.h"

namespace korval {
namespace {

TEST(WindowPlacementTest, FormatsTenNumbers) {
    cWindowPlacement p;
    p.flags = 2;
    p.showState = 3;
    p.left = 10;
    p.top = 20;
    p.right = 810;
    p.bottom = 620;
    EXPECT_EQ(p.Format(), "2 3 -1 -1 -1 -1 10 20 810 620");
}

TEST(WindowPlacementTest, ReadsBackWhatItWrites) {
    cWindowPlacement p;
    p.flags = 0;
    p.showState = 1;
    p.minX = -32000;
    p.minY = -32000;
    p.left = -5;
    p.top = 0;
    p.right = 1200;
    p.bottom = 900;
    std::optional<cWindowPlacement> read = cWindowPlacement::Parse(p.Format());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Format(), p.Format());
}

TEST(WindowPlacementTest, RefusesTextThatIsNotTenWholeNumbers) {
    const char* const damaged[] = {
        "",
        "0 1 -1 -1 -1 -1 10 20 810",              // nine numbers
        "0 1 -1 -1 -1 -1 10 20 810 x",            // a word in place of the tenth
        "0 1 -1 -1 -1 -1 10 20 810 6.5",          // not whole
        "0 1 -1 -1 -1 -1 10 20 810 99999999999",  // out of range
        "zero 1 -1 -1 -1 -1 10 20 810 620",
    };
    for (const char* text : damaged) EXPECT_FALSE(cWindowPlacement::Parse(text)) << text;
    EXPECT_TRUE(cWindowPlacement::Parse("  0\t1 -1 -1 -1 -1 10 20 810 620  "));
    EXPECT_TRUE(cWindowPlacement::Parse("0 1 -1 -1 -1 -1 10 20 810 620 7"));  // the first ten count
}

TEST(WindowPlacementTest, StartupShowState) {
    struct Case {
        unsigned flags;
        unsigned saved;
        unsigned requested;
        unsigned expected;
    };
    const Case cases[] = {
        {0, 1, 1, 1},  // normal stays normal
        {2, 3, 1, 3},  // closed maximised comes back maximised
        {2, 3, 2, 2},  // a minimised start overrides the saved state
        {0, 1, 3, 3},  // so does a maximised start
        {0, 2, 1, 1},  // saved minimised: back to its normal window, never out of sight
        {2, 2, 1, 3},  // ... or maximised when it was maximised before
        {0, 7, 1, 1},  // unknown states show normally
    };
    for (const Case& c : cases) {
        cWindowPlacement p;
        p.flags = c.flags;
        p.showState = c.saved;
        EXPECT_EQ(p.StartupShowState(c.requested), c.expected)
            << c.flags << " " << c.saved << " " << c.requested;
    }
}

}  // namespace
}  // namespace korval
