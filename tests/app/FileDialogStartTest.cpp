#include <gtest/gtest.h>

#include "app/FileDialogStart.h"

namespace korval {
namespace {

TEST(FileDialogStartTest, ANameWithoutAFolderStartsInTheLastFolderUsed) {
    struct Case {
        const char* initial;
        const char* lastFolder;
        const char* start;
    };
    const Case cases[] = {
        {"/plans/own.CCM", "/elsewhere", "/plans/own.CCM"},
        {"*.PRJ", "/elsewhere", "/elsewhere/*.PRJ"},
        {"Order entry.CCM", "/home/me/plans", "/home/me/plans/Order entry.CCM"},
        {"", "/home/me/plans", "/home/me/plans/"},
        {"*.*", "", "*.*"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileDialogStartPath(c.initial, c.lastFolder), c.start) << c.initial;
    EXPECT_EQ(FolderToRemember("/home/me/plans/a.PRJ"), "/home/me/plans");
}

}  // namespace
}  // namespace korval
