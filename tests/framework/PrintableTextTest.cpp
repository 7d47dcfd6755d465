#include <gtest/gtest.h>

#include <random>
#include <string>

#include "framework/TextUtil.h"

namespace korval {
namespace {

// The shortcut that leaves most texts alone must never pass over one that printing
// changes: over many texts built from the bytes printing treats apart, a text said to print
// as it is comes back unchanged.
TEST(PrintableTextTest, TextsSaidToPrintAsTheyAreComeBackUnchanged) {
    const std::string bytes = {'a',    ' ',    '\t',   '\n',   '\r',   '\x01', '\x1F',
                               '\x7F', '\xC2', '\x85', '\xA0', '\xC3', '\xA9', '\xFF'};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, bytes.size() - 1);
    std::uniform_int_distribution<int> length(0, 6);
    int asItIs = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) text += bytes[pick(random)];
        if (!IsPrintableAsItIs(text)) continue;
        ++asItIs;
        EXPECT_EQ(PrintableText(text), text) << "text of " << text.size() << " bytes";
    }
    EXPECT_GT(asItIs, 1000);  // the shortcut is taken, not merely never wrong
}

}  // namespace
}  // namespace korval
