#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "framework/ProfileAccess.h"
#include "framework/ProfileKey.h"
#include "framework/TextUtil.h"
#include "framework/cProfileFileScope.h"
#include "framework/cProfileStore.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

TEST(LineBreakCodingTest, EveryLineBreakBecomesOneTokenAndNothingIsLost) {
    struct Case {
        const char* text;
        const char* encoded;
    };
    const Case cases[] = {
        {"a\r\nb", "a<ENTER>b"},
        {"\r\nstarts empty", "<ENTER>starts empty"},
        {"lone\rcr", "lone<ENTER>cr"},
        {"lone\nlf", "lone<ENTER>lf"},
        {"ends\r", "ends<ENTER>"},
        {"\r\n\r\n", "<ENTER><ENTER>"},
        {"[Injected]\nKORVAL_Type=System", "[Injected]<ENTER>KORVAL_Type=System"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeLineBreaks(c.text), c.encoded) << c.text;
        EXPECT_EQ(EncodeLineBreaks(c.text).find_first_of("\r\n"), std::string::npos);
    }
    EXPECT_EQ(DecodeLineBreaks("<ENTER>x<ENTER>"), "\r\nx\r\n");
    EXPECT_EQ(DecodeLineBreaks("typed <ENTER> literally"), "typed \r\n literally");
}

TEST(ProfileAccessTest, ValuesRoundTripThroughAFile) {
    TempDir dir;
    std::string path = dir.File("model.ccm");
    ASSERT_TRUE(WriteProfileValue("CocomoSummary", "Description", "\r\nfirst\r\nsecond", path));
    EXPECT_EQ(ReadProfileValue("CocomoSummary", "Description", "", 501, path),
              "\r\nfirst\r\nsecond");
    EXPECT_EQ(TempDir::ReadFile(path),
              "[CocomoSummary]\r\nDescription=<ENTER>first<ENTER>second\r\n");
    EXPECT_EQ(ReadProfileString("CocomoSummary", "Description", "", 501, path),
              "<ENTER>first<ENTER>second");
}

TEST(ProfileAccessTest, MissingFileSectionOrKeyGivesTheDefault) {
    TempDir dir;
    EXPECT_EQ(ReadProfileValue("S", "K", "fallback", 20, dir.File("none.ini")), "fallback");
    TempDir::WriteFile(dir.File("a.ini"), "[S]\nK=v\n");
    EXPECT_EQ(ReadProfileValue("T", "K", "d", 20, dir.File("a.ini")), "d");
    EXPECT_EQ(ReadProfileValue("S", "X", "d", 20, dir.File("a.ini")), "d");
}

TEST(ProfileAccessTest, BufferCutsAtCharacterBoundariesBeforeDecoding) {
    TempDir dir;
    std::string path = dir.File("a.ini");
    TempDir::WriteFile(path, "[S]\nK=abc<ENTER>def\nU=\xC3\xA9\xC3\xA9\xC3\xA9\n");
    EXPECT_EQ(ReadProfileValue("S", "K", "", 6, path), "abc<E");  // a cut token stays literal
    EXPECT_EQ(ReadProfileValue("S", "K", "", 11, path), "abc\r\n");
    EXPECT_EQ(ReadProfileValue("S", "K", "", 13, path), "abc\r\nde");
    EXPECT_EQ(ReadProfileValue("S", "U", "", 3, path), "\xC3\xA9\xC3\xA9");
}

TEST(ProfileAccessTest, WritesKeepEveryOtherByteOfAHandWrittenFile) {
    TempDir dir;
    std::string path = dir.File("hand.ini");
    std::string original =
        "; written by hand\n[korval]\nkorval_type = \"Cocomo\"\n\n[Other]\nKeep=me\n";
    TempDir::WriteFile(path, original);
    EXPECT_EQ(ReadProfileValue("KORVAL", "KORVAL_Type", "", 20, path), "Cocomo");
    ASSERT_TRUE(WriteFileVersion(path));
    EXPECT_EQ(
        TempDir::ReadFile(path),
        "; written by hand\n[korval]\nkorval_type = \"Cocomo\"\nVersion=4.1\n\n[Other]\nKeep=me\n");
}

TEST(ProfileAccessTest, ReadsOfOneFileInsideAScopeParseItOnce) {
    TempDir dir;
    std::string path = dir.File("many.ini");
    std::string content = "[S]\n";
    for (int i = 0; i < 400; ++i)
        content += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    TempDir::WriteFile(path, content);
    std::uint64_t before = cProfileStore::Instance().ParseCount();
    {
        cProfileFileScope scope(path);
        for (int i = 0; i < 400; ++i) {
            ASSERT_EQ(ReadProfileValue("S", "Key" + std::to_string(i), "", 20, path),
                      std::to_string(i));
        }
    }
    EXPECT_EQ(cProfileStore::Instance().ParseCount() - before, 1u);
}

TEST(ProfileAccessTest, AScopeWritesTheFileOnceAtCommit) {
    TempDir dir;
    std::string path = dir.File("save.ini");
    TempDir::WriteFile(path, "[S]\nOld=1\n");
    {
        cProfileFileScope scope(path);
        ASSERT_TRUE(WriteProfileValue("S", "A", "1", path));
        ASSERT_TRUE(WriteProfileValue("S", "B", "2", path));
        EXPECT_EQ(TempDir::ReadFile(path), "[S]\nOld=1\n")
            << "nothing reaches the disk before Commit";
        ASSERT_TRUE(scope.Commit());
    }
    EXPECT_EQ(TempDir::ReadFile(path), "[S]\nOld=1\nA=1\nB=2\n");
}

TEST(ProfileAccessTest, AScopeEndedWithoutCommitDropsItsWrites) {
    TempDir dir;
    std::string path = dir.File("drop.ini");
    TempDir::WriteFile(path, "[S]\nA=1\n");
    {
        cProfileFileScope scope(path);
        ASSERT_TRUE(WriteProfileValue("S", "A", "changed", path));
    }
    EXPECT_EQ(ReadProfileValue("S", "A", "", 20, path), "1");
}

// A full disk is simulated with a file size limit: the new content cannot be written,
// and the old file must come through untouched.
TEST(ProfileAccessTest, AFailedSaveLeavesTheOldFileIntact) {
    TempDir dir;
    std::string path = dir.File("model.ccm");
    std::string old = "[S]\nA=old\n";
    TempDir::WriteFile(path, old);
    cProfileFileScope scope(path);
    ASSERT_TRUE(WriteProfileValue("S", "A", std::string(4096, 'n'), path));

    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 64;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    bool committed = scope.Commit();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(committed);
    EXPECT_FALSE(LastProfileError().empty());
    EXPECT_EQ(TempDir::ReadFile(path), old);
    EXPECT_EQ(ReadProfileValue("S", "A", "", 20, path), "old");
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        EXPECT_EQ(entry.path().filename(), "model.ccm") << "no temporary file is left behind";
    }
}

TEST(ProfileAccessTest, ChangesMadeBehindTheCacheAreSeen) {
    TempDir dir;
    std::string path = dir.File("edit.ini");
    TempDir::WriteFile(path, "[S]\nA=1\n");
    EXPECT_EQ(ReadProfileValue("S", "A", "", 20, path), "1");
    TempDir::WriteFile(path, "[S]\nA=22\n");  // different size
    EXPECT_EQ(ReadProfileValue("S", "A", "", 20, path), "22");
}

TEST(ProfileAccessTest, IndexedKeysWriteTheIndexAsPercent2Point2d) {
    EXPECT_EQ(IndexedKey("File_Name", 0), "File_Name00");
    EXPECT_EQ(IndexedKey("Project_", 7), "Project_07");
    EXPECT_EQ(IndexedKey("X", 123), "X123");
    EXPECT_EQ(IndexedKey("X", -1), "X-01");
    EXPECT_EQ(IndexedKey("X", -2147483647 - 1), "X-2147483648");
}

// Key names built on the stack read as IndexedKey writes them.
TEST(ProfileAccessTest, ProfileKeysNumberAsIndexedKeys) {
    for (int number :
         {0, 1, 9, 10, 42, 99, 100, 123, 4567, -1, -10, -99, -100, 2147483647, -2147483647 - 1}) {
        EXPECT_EQ(ProfileKey("Stem_").Number(number), IndexedKey("Stem_", number)) << number;
    }
    EXPECT_EQ(ProfileKey("Product").Append("_CDA_").Append("VL").Append("_Mult").Number(3),
              "Product_CDA_VL_Mult03");
    EXPECT_EQ(ProfileKey(), "");
    std::string longStem(100, 'x');
    EXPECT_EQ(ProfileKey(longStem).View(), longStem.substr(0, ProfileKey::kCapacity));
    EXPECT_EQ(ProfileKey(longStem).Number(7).View().size(), ProfileKey::kCapacity);
}

TEST(ProfileAccessTest, FolderOfAPath) {
    const std::pair<const char*, const char*> cases[] = {{"/home/ann/plan.prj", "/home/ann"},
                                                         {"/plan.prj", "/"},
                                                         {"plan.prj", ""},
                                                         {"plans/2024/plan.prj", "plans/2024"}};
    for (const auto& [path, folder] : cases) EXPECT_EQ(FolderOf(path).string(), folder) << path;
}

TEST(FileVersionTest, WarnsOnlyWhenTheVersionIsMissingOrDiffers) {
    struct Case {
        const char* content;
        const char* message;  // nullptr: no warning
    };
    const Case cases[] = {
        {"[KORVAL]\nVersion=4.1\n", nullptr},
        {"[KORVAL]\nVersion=4.10\n", nullptr},
        {"[KORVAL]\nVersion=4.1a\n", nullptr},
        {"[Other]\n", "File version not found in %s"},
        {"[KORVAL]\nVersion=3.2\n", "File %s version 3.2 does not match application version"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::string path = dir.File("korval.ini");
        TempDir::WriteFile(path, c.content);
        testing::cScriptedPlatform platform;
        if (c.message != nullptr) platform.ExpectMessage();
        EXPECT_TRUE(CheckFileVersion(path, platform));
        if (c.message == nullptr) {
            EXPECT_TRUE(platform.Messages().empty()) << c.content;
        } else {
            std::string expected = c.message;
            expected.replace(expected.find("%s"), 2, path);
            ASSERT_EQ(platform.Messages().size(), 1u);
            EXPECT_EQ(platform.Messages()[0], expected);
        }
    }
}

TEST(FileVersionTest, ProjectFilesAreRecognisedByTheirLiteralExtension) {
    EXPECT_TRUE(IsProjectFilePath("C:\\A\\B.prj"));
    EXPECT_TRUE(IsProjectFilePath("C:\\A\\B.PRJ"));
    EXPECT_TRUE(IsProjectFilePath("/home/a/b.Prj"));
    EXPECT_FALSE(IsProjectFilePath("C:\\A\\B.PRJX"));
    EXPECT_FALSE(IsProjectFilePath("PRJ"));
}

}  // namespace
}  // namespace korval
