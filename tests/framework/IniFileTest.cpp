#include <gtest/gtest.h>

#include "framework/cIniFile.h"

namespace korval {
namespace {

struct ReadCase {
    const char* name;
    const char* content;
    const char* section;
    const char* key;
    const char* expected;  // nullptr: not found
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, ReadsAsThePrivateProfileFunctionsDo) {
    const ReadCase& c = GetParam();
    cIniFile file = cIniFile::Parse(c.content);
    std::optional<std::string_view> value = file.Find(c.section, c.key);
    if (c.expected == nullptr) {
        EXPECT_FALSE(value.has_value()) << *value;
    } else {
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReadTest,
    ::testing::Values(
        ReadCase{"MixedCaseNames", "[KoRvAl]\r\nkorval_TYPE=Cocomo\r\n", "KORVAL", "KORVAL_Type",
                 "Cocomo"},
        ReadCase{"BlanksAroundNamesAndValues", "  [ S ]  \n  Key  =  some value  \n", "S", "Key",
                 "some value"},
        ReadCase{"DoubleQuotesDropped", "[S]\nK=\"  quoted  \"\n", "S", "K", "  quoted  "},
        ReadCase{"SingleQuotesDropped", "[S]\nK='x'\n", "S", "K", "x"},
        ReadCase{"UnmatchedQuotesKept", "[S]\nK=\"x'\n", "S", "K", "\"x'"},
        ReadCase{"CommentLineIgnored", "[S]\n;K=commented\nK=real\n", "S", "K", "real"},
        ReadCase{"FirstDuplicateKeyWins", "[S]\nK=first\nk=second\n", "S", "K", "first"},
        ReadCase{"FirstDuplicateSectionWins", "[S]\nA=1\n[s]\nA=2\nB=3\n", "S", "B", nullptr},
        ReadCase{"EqualsInsideValue", "[S]\nK=a=b\n", "S", "K", "a=b"},
        ReadCase{"EmptyValue", "[S]\nK=\n", "S", "K", ""},
        ReadCase{"KeyBeforeAnySectionIgnored", "K=x\n[S]\n", "S", "K", nullptr},
        ReadCase{"MissingSection", "[S]\nK=x\n", "T", "K", nullptr},
        ReadCase{"NoFinalNewline", "[S]\nK=last", "S", "K", "last"},
        ReadCase{"LoneCrStaysInLine", "[S]\rK=x\n", "S", "K", nullptr},
        ReadCase{"HeaderWithoutClosingBracket", "[S\nK=x\n", "S", "K", "x"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class IniWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWriteTest, ChangesOnlyWhatItMust) {
    const WriteCase& c = GetParam();
    cIniFile file = cIniFile::Parse(c.before);
    file.Set(c.section, c.key, c.value);
    EXPECT_EQ(file.Serialize(), c.after);
    cIniFile reread = cIniFile::Parse(file.Serialize());
    EXPECT_EQ(reread.Find(c.section, c.key).value_or("<missing>"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniWriteTest,
    ::testing::Values(
        WriteCase{"ReplacesInPlaceKeepingKeySpelling", "; top\r\n[S]\r\n  Key = old ; x\r\nB=2\r\n",
                  "s", "KEY", "new", "; top\r\n[S]\r\nKey=new\r\nB=2\r\n"},
        WriteCase{"AppendsAfterLastKeyNotAfterComments", "[S]\nA=1\n; note\n\n[T]\nC=3\n", "S", "B",
                  "2", "[S]\nA=1\nB=2\n; note\n\n[T]\nC=3\n"},
        WriteCase{"NewSectionAtEndInFileStyle", "[S]\nA=1\n", "T", "B", "2",
                  "[S]\nA=1\n\n[T]\nB=2\n"},
        WriteCase{"NoFinalNewlineGetsOne", "[S]\nA=1", "S", "B", "2", "[S]\nA=1\nB=2\n"},
        WriteCase{"EmptyFileUsesCrLf", "", "S", "A", "1", "[S]\r\nA=1\r\n"},
        WriteCase{"SectionWithoutKeys", "[S]\n[T]\nX=1\n", "S", "A", "1", "[S]\nA=1\n[T]\nX=1\n"},
        WriteCase{"OnlyFirstDuplicateSectionChanged", "[S]\nA=1\n[S]\nA=2\n", "S", "A", "9",
                  "[S]\nA=9\n[S]\nA=2\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST(IniFileTest, NulBytesAndHugeLinesAreOrdinaryText) {
    std::string content = std::string("[S]\nK=a\0b\nL=", 12) + std::string(3'000'000, 'x') + "\n";
    cIniFile file = cIniFile::Parse(content);
    EXPECT_EQ(file.Find("S", "K").value(), std::string("a\0b", 3));
    EXPECT_EQ(file.Find("S", "L").value_or("").size(), 3'000'000u);
    EXPECT_TRUE(file.Serialize() == content);
}

TEST(IniFileTest, InsertingIntoAnEarlierSectionKeepsLaterKeysFindable) {
    cIniFile file = cIniFile::Parse("[A]\nx=1\ny=2\n[B]\nz=3\n");
    file.Set("A", "new", "n");
    file.Set("A", "y", "22");
    file.Set("B", "z", "33");
    EXPECT_EQ(file.Serialize(), "[A]\nx=1\ny=22\nnew=n\n[B]\nz=33\n");
}

TEST(IniFileTest, NamesListWhatFindReachesInFileOrder) {
    cIniFile file = cIniFile::Parse(
        "; top\n[B]\nz=1\n; c=commented\nA = 2\nz=3\n[a]\nq=4\n[b]\nlost=5\n[Empty]\n");
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"B", "a", "Empty"}));
    EXPECT_EQ(file.KeyNames("b"), (std::vector<std::string>{"z", "A"}));
    EXPECT_EQ(file.KeyNames("Empty"), std::vector<std::string>{});
    EXPECT_EQ(file.KeyNames("missing"), std::vector<std::string>{});
    file.Set("B", "A", "22");
    file.Set("B", "new", "6");
    EXPECT_EQ(file.KeyNames("B"), (std::vector<std::string>{"z", "A", "new"}));
}

TEST(IniFileTest, ErasingAKeyDropsItsLineOnly) {
    struct Case {
        const char* content;
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"[S]\nA=1\nB=2\n[T]\nA=3\n", "s", "a", "[S]\nB=2\n[T]\nA=3\n"},
        {"[S]\nA=1\n; note\nB=2\n", "S", "B", "[S]\nA=1\n; note\n"},
        {"[S]\nA=1\n", "S", "missing", "[S]\nA=1\n"},
        {"[S]\nA=1\n", "T", "A", "[S]\nA=1\n"},
        {"[S]\r\nA=1\r\nA=2\r\n", "S", "A", "[S]\r\nA=2\r\n"},
    };
    for (const Case& c : cases) {
        cIniFile file = cIniFile::Parse(c.content);
        file.Erase(c.section, c.key);
        EXPECT_EQ(file.Serialize(), c.expected) << c.content;
    }
    cIniFile file = cIniFile::Parse("[S]\nA=1\nA=2\nB=3\n");
    file.Erase("S", "A");
    EXPECT_EQ(file.Find("S", "A").value_or(""), "2") << "the duplicate behind it is read now";
    file.Set("S", "C", "4");
    EXPECT_EQ(file.Serialize(), "[S]\nA=2\nB=3\nC=4\n") << "new keys still follow the last";
}

}  // namespace
}  // namespace korval
