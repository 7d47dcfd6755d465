#include <gtest/gtest.h>

#include <filesystem>

#include "framework/cAppContext.h"
#include "framework/cIniFile.h"
#include "framework/cUserProfile.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

class UserProfileTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string shipped = dir.File("share/korval.ini");
    std::string copy = dir.File("config/korval/korval.ini");
    cUserProfile profile{shipped, copy};

    void SetUp() override { std::filesystem::create_directories(dir.File("share")); }

    // A copy as the user left it, and the shipped profile it was made from (none: no base).
    void WriteCopy(const std::string& content, const char* base) {
        std::filesystem::create_directories(dir.File("config/korval"));
        TempDir::WriteFile(copy, content);
        if (base) {
            TempDir::WriteFile(profile.BasePath(), base);
        } else {
            std::filesystem::remove(profile.BasePath());
        }
    }

    static std::string Value(const std::string& path, const char* section, const char* key) {
        cIniFile file = cIniFile::Parse(TempDir::ReadFile(path));
        std::optional<std::string_view> value = file.Find(section, key);
        return value ? std::string(*value) : "(none)";
    }
};

TEST_F(UserProfileTest, TheFirstCopyIsTheShippedProfileByteForByteInAFolderMadeForIt) {
    const std::string content = "; shipped\r\n[KORVAL]\r\nVersion=4.1\r\n[Languages]\r\nA=1\r\n";
    TempDir::WriteFile(shipped, content);
    EXPECT_FALSE(profile.HasCopy());
    EXPECT_EQ(profile.ReadPath(), shipped);

    ASSERT_TRUE(profile.MakeCopy()) << profile.LastError();
    EXPECT_EQ(TempDir::ReadFile(copy), content);
    EXPECT_EQ(TempDir::ReadFile(profile.BasePath()), content);
    EXPECT_EQ(profile.ReadPath(), copy);

    TempDir::WriteFile(copy, "[KORVAL]\r\nVersion=4.1\r\n");
    ASSERT_TRUE(profile.MakeCopy());
    EXPECT_EQ(TempDir::ReadFile(copy), "[KORVAL]\r\nVersion=4.1\r\n") << "an existing copy stays";
    EXPECT_EQ(TempDir::ReadFile(shipped), content);
}

TEST_F(UserProfileTest, ANewerShippedProfileReachesOnlyTheKeysTheUserNeverChanged) {
    struct Case {
        const char* name;
        const char* base;     // the shipped profile the copy was made from
        const char* copy;     // the copy as the user left it
        const char* shipped;  // the shipped profile now
        std::vector<std::tuple<const char*, const char*, const char*>> expected;
    };
    const Case cases[] = {
        {"UntouchedValueFollows",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.2\n[T]\nA=2\n",
         {{"T", "A", "2"}, {"KORVAL", "Version", "4.2"}}},
        {"ChangedValueStays",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.1\n[T]\nA=7\n",
         "[KORVAL]\nVersion=4.2\n[T]\nA=2\n",
         {{"T", "A", "7"}, {"KORVAL", "Version", "4.2"}}},
        {"NewKeysAndSectionsArrive",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.1\n[T]\nA=7\n",
         "[KORVAL]\nVersion=4.2\n[T]\nA=1\nB=5\n[U]\nC=6\n",
         {{"T", "A", "7"}, {"T", "B", "5"}, {"U", "C", "6"}}},
        {"DroppedUntouchedKeyGoesChangedOneStays",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\nB=2\n",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\nB=9\n",
         "[KORVAL]\nVersion=4.2\n[T]\n",
         {{"T", "A", "(none)"}, {"T", "B", "9"}}},
        {"KeyTheUserAddedStays",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\nMine=3\n",
         "[KORVAL]\nVersion=4.2\n[T]\nA=2\n",
         {{"T", "A", "2"}, {"T", "Mine", "3"}}},
        {"BlankedTableEntryStaysBlank",
         "[KORVAL]\nVersion=4.1\n[L]\nName01=Ada\n",
         "[KORVAL]\nVersion=4.1\n[L]\nName01=\n",
         "[KORVAL]\nVersion=4.2\n[L]\nName01=Ada 95\n",
         {{"L", "Name01", ""}}},
        {"NamesMatchInAnyCase",
         "[KORVAL]\nVersion=4.1\n[t]\na=1\n",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.2\n[T]\nA=2\n",
         {{"T", "A", "2"}}},
        {"SameVersionChangesNothing",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.1\n[T]\nA=2\n",
         {{"T", "A", "1"}}},
        {"OlderShippedChangesNothing",
         "[KORVAL]\nVersion=4.2\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.2\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.1\n[T]\nA=2\n",
         {{"T", "A", "1"}, {"KORVAL", "Version", "4.2"}}},
        {"WithoutABaseTheUsersValuesStayAndMissingOnesArrive",
         nullptr,
         "[KORVAL]\nVersion=4.1\n[T]\nA=1\n",
         "[KORVAL]\nVersion=4.2\n[T]\nA=2\nB=3\n",
         {{"T", "A", "1"}, {"T", "B", "3"}, {"KORVAL", "Version", "4.2"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteCopy(c.copy, c.base);
        TempDir::WriteFile(shipped, c.shipped);
        bool newer = CompareVersions(Value(shipped, "KORVAL", "Version"),
                                     Value(copy, "KORVAL", "Version")) > 0;
        std::string baseBefore = c.base ? c.base : "";
        ASSERT_TRUE(profile.BringUpToDate()) << profile.LastError();
        for (const auto& [section, key, value] : c.expected)
            EXPECT_EQ(Value(copy, section, key), value) << section << "." << key;
        if (newer) {
            EXPECT_EQ(TempDir::ReadFile(profile.BasePath()), c.shipped) << "the base moves on";
        } else if (c.base) {
            EXPECT_EQ(TempDir::ReadFile(profile.BasePath()), baseBefore);
        }
    }
}

TEST_F(UserProfileTest, AnUpdateKeepsTheCopysCommentsAndLineEnds) {
    TempDir::WriteFile(shipped, "[KORVAL]\r\nVersion=4.2\r\n[T]\r\nA=2\r\n");
    WriteCopy("[KORVAL]\r\nVersion=4.1\r\n[T]\r\n; my note\r\nA=1\r\n",
              "[KORVAL]\r\nVersion=4.1\r\n[T]\r\nA=1\r\n");
    ASSERT_TRUE(profile.BringUpToDate());
    EXPECT_EQ(TempDir::ReadFile(copy), "[KORVAL]\r\nVersion=4.2\r\n[T]\r\n; my note\r\nA=2\r\n");
}

TEST_F(UserProfileTest, ANamedProfileIsWrittenInPlaceAndAFailedCopyIsReported) {
    testing::cScriptedPlatform platform;
    cAppContext named{platform, shipped};
    EXPECT_EQ(named.DefaultsProfileForWriting(), shipped);

    cAppContext layered{platform, shipped};
    layered.userProfile.emplace(shipped, copy);  // the shipped profile is missing
    platform.ExpectMessage();
    EXPECT_EQ(layered.DefaultsProfileForWriting(), "");
    EXPECT_NE(platform.Messages().back().find(shipped), std::string::npos);
    EXPECT_FALSE(layered.userProfile->HasCopy());
    EXPECT_EQ(layered.defaultsProfilePath, shipped);
}

TEST(UserProfilePathTest, TheCopyLivesInTheUsersConfigurationFolder) {
    struct Case {
        const char* configHome;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/x/config", "/home/u", "/x/config/korval/korval.ini"},
        {"/x/config/", nullptr, "/x/config/korval/korval.ini"},
        {nullptr, "/home/u", "/home/u/.config/korval/korval.ini"},
        {"", "/home/u", "/home/u/.config/korval/korval.ini"},
        {"relative", "/home/u", "/home/u/.config/korval/korval.ini"},
        {nullptr, nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cUserProfile::DefaultCopyPath(c.configHome, c.home), c.expected)
            << (c.configHome ? c.configHome : "(unset)") << " " << (c.home ? c.home : "(unset)");
    }
}

TEST(UserProfilePathTest, VersionsCompareNumberByNumber) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {{"4.1", "4.1", 0},   {"4.2", "4.1", 1}, {"4.1", "4.2", -1},
                          {"4.10", "4.9", 1},  {"5", "4.9", 1},   {"4.1", "4.1.0", 0},
                          {"4.1.1", "4.1", 1}, {"", "4.1", -1},   {"4.1", "", 1},
                          {" 4.1", "4.1", 0},  {"4.1a", "4.1", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(CompareVersions(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

}  // namespace
}  // namespace korval
