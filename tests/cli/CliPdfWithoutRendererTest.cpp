// korval-cli draws PDF pages itself from the print font's metrics the renderer kept, gives
// the document's messages once and in order, and leaves to the renderer what only Qt can
// lay out.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

#include "cli/cCliRunner.h"
#include "pdfwriter/PrintFontCache.h"
#include "tests/support/SyntheticPrintFont.h"
#include "tests/support/TempDir.h"

namespace korval {
namespace {

using testing::TempDir;

// The renderer the runner looks for: beside this test program.
std::string RendererBesideThisProgram() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "korval-pdf").string();
}

// A system of one example project and a member file that is not there.
std::string SystemWithAMissingMember(const TempDir& dir, const std::string& title) {
    std::string path = dir.File("plain.SLE");
    TempDir::WriteFile(
        path, "[KORVAL]\r\nKORVAL_Type=System\r\nVersion=4.1\r\n[SystemSummary]\r\nTitle=" + title +
                  "\r\n[Projects]\r\nFile_Name00=" KORVAL_SOURCE_DIR
                  "/examples/payroll.PRJ\r\nFile_Name01=" +
                  dir.File("absent.PRJ") + "\r\n");
    return path;
}

class CliPdfWithoutRendererTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_CACHE_HOME");
        if (old != nullptr) savedCache_ = old;
        ::setenv("XDG_CACHE_HOME", cache_.Path().c_str(), 1);
        std::string renderer = RendererBesideThisProgram();
        ASSERT_TRUE(
            printfont::Store(printfont::CurrentSetup(renderer, {}), testing::SyntheticPrintFont()));
        ASSERT_TRUE(printfont::LoadCurrent(renderer));
    }
    void TearDown() override {
        if (savedCache_)
            ::setenv("XDG_CACHE_HOME", savedCache_->c_str(), 1);
        else
            ::unsetenv("XDG_CACHE_HOME");
    }

    TempDir cache_;
    std::optional<std::string> savedCache_;
};

TEST_F(CliPdfWithoutRendererTest, DrawsThePagesAndGivesTheMessagesOnceBeforeAnyError) {
    TempDir dir;
    const std::string missing = "korval-cli: " + dir.File("absent.PRJ") + " File not found\n";
    struct Case {
        std::string output;
        int status;
        std::string messages;
    };
    for (const Case& c :
         {Case{dir.File("out.pdf"), 0, missing},
          Case{dir.File("no-folder/out.pdf"), 1,
               missing + "korval-cli: cannot write " + dir.File("no-folder/out.pdf") + "\n"}}) {
        std::ostringstream out, err;
        int status =
            cCliRunner().Run({"report", SystemWithAMissingMember(dir, "Plain"), "--profile",
                              KORVAL_DEFAULTS_PROFILE, "--format", "pdf", "-o", c.output},
                             out, err);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(err.str(), c.messages);
        if (c.status == 0) {
            std::string pdf = TempDir::ReadFile(c.output);
            EXPECT_EQ(pdf.rfind("%PDF-1.4", 0), 0u);
            // Drawn here, in the kept font, not by the renderer in the real one.
            EXPECT_NE(pdf.find("+Synthetic"), std::string::npos);
        }
    }
}

// A title only Qt can lay out sends the pages to the renderer, which gives the document's
// messages itself: held ones are dropped, never given twice.
TEST_F(CliPdfWithoutRendererTest, TextOnlyQtCanLayOutGoesToTheRenderer) {
    TempDir dir;
    std::string output = dir.File("out.pdf");
    std::ostringstream out, err;
    int status =
        cCliRunner().Run({"report",
                          SystemWithAMissingMember(dir,
                                                   "\xC3\x9C"
                                                   "ber"),
                          "--profile", KORVAL_DEFAULTS_PROFILE, "--format", "pdf", "-o", output},
                         out, err);
    const std::string missing = dir.File("absent.PRJ") + " File not found";
    EXPECT_EQ(err.str().find(missing), std::string::npos) << err.str();
    if (std::filesystem::exists(RendererBesideThisProgram())) {
        EXPECT_EQ(status, 0) << err.str();
        EXPECT_EQ(TempDir::ReadFile(output).find("+Synthetic"), std::string::npos);
    } else {
        EXPECT_EQ(status, 1);
        EXPECT_NE(err.str().find("PDF output needs the desktop application's PDF renderer"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace korval
