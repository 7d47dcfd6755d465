#include <gtest/gtest.h>

#include "app/cRecentFileList.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::cScriptedPlatform;

TEST(RecentFileListTest, KeepsFourNewestFirstWithoutRepeats) {
    cRecentFileList list;
    for (const char* path : {"a.CCM", "b.FPM", "c.RLM", "a.CCM", "d.PRJ", "e.SLE"}) list.Add(path);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"e.SLE", "d.PRJ", "a.CCM", "c.RLM"}));
    list.Add("");
    EXPECT_EQ(list.Entries().size(), 4u);
}

TEST(RecentFileListTest, AddingAListedEntryByReferenceIsSafe) {
    cRecentFileList list;
    list.Add("one");
    list.Add("two");
    list.Add(list.Entries()[1]);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"one", "two"}));
}

TEST(RecentFileListTest, AFailedOpenDropsOnlyAnEntryWhoseFileIsGone) {
    cScriptedPlatform platform;
    platform.existingFiles = {"/p/here.PRJ"};
    cRecentFileList list;
    for (const char* path : {"/p/gone.CCM", "/p/here.PRJ"}) list.Add(path);
    EXPECT_FALSE(list.RemoveIfGone("/p/here.PRJ", platform));
    EXPECT_TRUE(list.RemoveIfGone("/p/gone.CCM", platform));
    EXPECT_FALSE(list.RemoveIfGone("/p/gone.CCM", platform)) << "no longer listed";
    EXPECT_EQ(list.Entries(), std::vector<std::string>{"/p/here.PRJ"});
}

TEST(RecentFileListTest, SavesAndLoadsThroughTheSettingsStore) {
    cScriptedPlatform platform;
    cRecentFileList list;
    list.Add("/p/one.PRJ");
    list.Add("/p/two.PRJ");
    list.Save(platform);
    EXPECT_EQ(platform.ReadSetting("Recent File List", "File1", "?"), "/p/two.PRJ");
    EXPECT_EQ(platform.ReadSetting("Recent File List", "File2", "?"), "/p/one.PRJ");
    EXPECT_EQ(platform.ReadSetting("Recent File List", "File3", "?"), "");

    cRecentFileList loaded;
    loaded.Load(platform);
    EXPECT_EQ(loaded.Entries(), list.Entries());
}

TEST(RecentFileListTest, LoadSkipsGapsAndDuplicates) {
    cScriptedPlatform platform;
    platform.WriteSetting("Recent File List", "File1", "x");
    platform.WriteSetting("Recent File List", "File3", "y");
    platform.WriteSetting("Recent File List", "File4", "x");
    cRecentFileList list;
    list.Load(platform);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"x", "y"}));
}

TEST(RecentFileListTest, MenuTextNumbersShortensAndEscapes) {
    EXPECT_EQ(cRecentFileList::MenuText(0, "/home/a/plan.PRJ"), "&1 /home/a/plan.PRJ");
    EXPECT_EQ(cRecentFileList::MenuText(3, "/r&d/x.CCM"), "&4 /r&&d/x.CCM");
    std::string shown =
        cRecentFileList::MenuText(1, "/very/long/folder/names/that/go/on/and/on/estimate.CCM");
    EXPECT_EQ(shown.rfind("&2 /very/", 0), 0u);
    EXPECT_NE(shown.find(".../estimate.CCM"), std::string::npos);
    EXPECT_LE(shown.size(), 3u + 40u);
}

}  // namespace
}  // namespace korval
