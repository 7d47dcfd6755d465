#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <system_error>

#include "framework/FileIdentity.h"
#include "framework/cReadOnlyFile.h"
#include "tests/support/TempDir.h"

namespace korval {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// What the standard library says of the file: a stamp only where file_size and
// last_write_time both answer.
std::optional<FileStamp> LibraryStamp(const std::string& path) {
    std::error_code error;
    FileStamp stamp;
    stamp.size = fs::file_size(path, error);
    if (error) return std::nullopt;
    stamp.modified = fs::last_write_time(path, error);
    if (error) return std::nullopt;
    return stamp;
}

// A stamp taken with one stat call, or from the file opened to be read, must compare equal
// with the library's, or a file stamped one way would look changed when stamped the other.
TEST(FileStampTest, OneStatCallGivesTheLibrarysStamp) {
    TempDir folder;
    std::string file = folder.File("member.prj");
    TempDir::WriteFile(file, "[KORVAL]\r\nKORVAL_Type=Project\r\n");
    // A time with nanoseconds and one before 1970, so that neither is rounded away.
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::nanoseconds(123));
    std::string old = folder.File("old.prj");
    TempDir::WriteFile(old, "");
    fs::last_write_time(old, fs::file_time_type(fs::file_time_type::clock::now() -
                                                std::chrono::hours(24 * 365 * 80)));
    fs::create_directory(folder.File("folder"));
    fs::create_symlink(file, folder.File("link.prj"));
    fs::create_symlink(folder.File("folder"), folder.File("folder-link"));
    fs::create_symlink(folder.File("gone.prj"), folder.File("dangling.prj"));

    struct Case {
        std::string name;
        bool stamped;
    };
    for (const Case& check :
         {Case{"member.prj", true}, Case{"old.prj", true}, Case{"link.prj", true},
          Case{"missing.prj", false}, Case{"folder", false}, Case{"folder-link", false},
          Case{"dangling.prj", false}}) {
        SCOPED_TRACE(check.name);
        std::string path = folder.File(check.name);
        std::optional<FileStamp> stamp = StampOfFile(path);
        EXPECT_EQ(stamp.has_value(), check.stamped);
        EXPECT_EQ(stamp, LibraryStamp(path));
        // Opened to be read, the file gives the same stamp, and its bytes only if stamped.
        cReadOnlyFile opened(path);
        EXPECT_EQ(opened.Stamp(), stamp);
        std::string bytes = "before";
        EXPECT_EQ(opened.ReadAll(bytes), check.stamped);
        EXPECT_EQ(bytes, check.stamped ? TempDir::ReadFile(path) : "before");
    }
}

}  // namespace
}  // namespace korval
