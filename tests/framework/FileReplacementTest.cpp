#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "framework/FileReplacement.h"
#include "tests/support/TempDir.h"

namespace korval {
namespace {

using testing::TempDir;

ReplaceStep faultyStep;
bool FailAtFaultyStep(ReplaceStep step) {
    return step != faultyStep;
}
bool KillAtFaultyStep(ReplaceStep step) {
    if (step == faultyStep) ::raise(SIGKILL);
    return true;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct StepCase {
    ReplaceStep step;
    const char* name;
    bool replacedBeforeTheStep;  // the new content is in place when the step is reached
};
const StepCase kSteps[] = {
    {ReplaceStep::kCreate, "create", false}, {ReplaceStep::kWrite, "write", false},
    {ReplaceStep::kSync, "sync", false},     {ReplaceStep::kLink, "link", false},
    {ReplaceStep::kRename, "rename", false}, {ReplaceStep::kSyncFolder, "folder sync", true},
};

TEST(FileReplacementTest, AFailedStepLeavesTheOldFileAndNoTemporaryFile) {
    for (const StepCase& c : kSteps) {
        TempDir dir;
        std::string path = dir.File("model.ccm");
        TempDir::WriteFile(path, "old");
        faultyStep = c.step;
        SetReplaceStepHook(&FailAtFaultyStep);
        ReplaceOutcome outcome = ReplaceFileAtomically(path, "new");
        SetReplaceStepHook(nullptr);
        EXPECT_FALSE(outcome.ok) << c.name;
        EXPECT_EQ(outcome.reason, std::strerror(EIO)) << c.name;
        EXPECT_EQ(TempDir::ReadFile(path), c.replacedBeforeTheStep ? "new" : "old") << c.name;
        EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"model.ccm"}) << c.name;
    }
}

TEST(FileReplacementTest, AProcessKilledAtAnyStepLeavesNothingAfterTheNextSave) {
    for (const StepCase& c : kSteps) {
        TempDir dir;
        std::string path = dir.File("model.ccm");
        TempDir::WriteFile(path, "old");
        faultyStep = c.step;
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SetReplaceStepHook(&KillAtFaultyStep);
            ReplaceFileAtomically(path, "killed");
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << c.name;
        EXPECT_EQ(TempDir::ReadFile(path), c.replacedBeforeTheStep ? "killed" : "old") << c.name;

        ASSERT_TRUE(ReplaceFileAtomically(path, "next").ok) << c.name;
        EXPECT_EQ(TempDir::ReadFile(path), "next");
        EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"model.ccm"}) << c.name;
    }
}

// Four processes saving one file at once: none removes another's temporary file as a
// leftover before its rename, so every save succeeds and the file is always whole.
TEST(FileReplacementTest, ConcurrentSavesOfOneFileAllSucceed) {
    TempDir dir;
    std::string path = dir.File("shared.prj");
    TempDir::WriteFile(path, "start");
    constexpr int kSavers = 4;
    constexpr int kSaves = 150;
    std::vector<pid_t> children;
    for (int saver = 0; saver < kSavers; ++saver) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::string content(4096, static_cast<char>('a' + saver));
            int failures = 0;
            for (int i = 0; i < kSaves; ++i)
                failures += ReplaceFileAtomically(path, content).ok ? 0 : 1;
            ::_exit(failures == 0 ? 0 : 1);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
    std::string last = TempDir::ReadFile(path);
    EXPECT_EQ(last.size(), 4096u);
    EXPECT_EQ(last.find_first_not_of(last.front()), std::string::npos) << "one writer's content";
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"shared.prj"});
}

TEST(FileReplacementTest, AKorvalOwnFileIsNeverWrittenThroughALink) {
    TempDir dir;
    std::string victim = dir.File("passwd");
    TempDir::WriteFile(victim, "root:x:0:0\n");
    std::filesystem::create_symlink(victim, dir.File("korval.ini"));
    ReplaceOutcome outcome =
        ReplaceFileAtomically(dir.File("korval.ini"), "[KORVAL]\n", LinkRule::kRefuse);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.reason.find("symbolic link"), std::string::npos);
    EXPECT_EQ(TempDir::ReadFile(victim), "root:x:0:0\n");
}

TEST(FileReplacementTest, SavingThroughALinkReplacesItsTargetAndKeepsTheLink) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("real"));
    std::string target = dir.File("real/plan.prj");
    TempDir::WriteFile(target, "old");
    std::filesystem::create_symlink("real/plan.prj", dir.File("near.prj"));
    std::filesystem::create_symlink(dir.File("near.prj"), dir.File("far.prj"));  // a chain
    ASSERT_TRUE(ReplaceFileAtomically(dir.File("far.prj"), "new").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("near.prj")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("far.prj")));
    EXPECT_EQ(TempDir::ReadFile(target), "new");
    EXPECT_EQ(FilesIn(dir.File("real")), std::vector<std::string>{"plan.prj"});
}

TEST(FileReplacementTest, AReadOnlyFileIsRefusedUntouched) {
    TempDir dir;
    std::string path = dir.File("locked.ccm");
    TempDir::WriteFile(path, "old");
    ::chmod(path.c_str(), 0444);
    ReplaceOutcome outcome = ReplaceFileAtomically(path, "new");
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.readOnly);
    EXPECT_EQ(outcome.reason, path + " is read-only");
    EXPECT_EQ(TempDir::ReadFile(path), "old");
}

}  // namespace
}  // namespace korval
