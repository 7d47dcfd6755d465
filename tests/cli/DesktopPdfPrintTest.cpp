// korval-cli hands PDF output to the desktop's PDF renderer and charts to the desktop
// program: the arguments and the offscreen platform it passes, the exit status it gives
// back, and a build without the program.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "cli/DesktopPdfPrint.h"
#include "tests/support/TempDir.h"

namespace korval {
namespace {

using testing::TempDir;

// A stand-in for the renderer or the desktop program: a script that writes its arguments and its
// platform variable, one a line, then ends as the given shell command ends.
std::string FakeDesktop(const TempDir& dir, const std::string& ending) {
    std::string path = dir.File("korval");
    TempDir::WriteFile(path,
                       "#!/bin/sh\n"
                       "for a in \"$@\"; do echo \"$a\"; done > \"" +
                           dir.File("arguments") +
                           "\"\n"
                           "echo \"$QT_QPA_PLATFORM\" >> \"" +
                           dir.File("arguments") + "\"\n" + ending + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

TEST(DesktopPdfPrintTest, HandsTheJobOverAndGivesBackTheStatus) {
    struct Case {
        const char* ending;
        std::string profile;
        int status;
        const char* arguments;
        bool messageExpected;
    };
    const Case cases[] = {
        {"exit 0", "", 0, "in.prj\nout.pdf\noffscreen\n", false},
        {"exit 0", "my.ini", 0, "in.prj\nout.pdf\n--profile\nmy.ini\noffscreen\n", false},
        {"exit 1", "", 1, "in.prj\nout.pdf\noffscreen\n", false},
        {"exit 2", "", 2, "in.prj\nout.pdf\noffscreen\n", false},
        {"kill -9 $$", "", 1, "in.prj\nout.pdf\noffscreen\n", true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::string program = FakeDesktop(dir, c.ending);
        std::ostringstream err;
        int status = PrintPdfThroughRenderer(program, "in.prj", "out.pdf", c.profile, err);
        EXPECT_EQ(status, c.status) << c.ending;
        EXPECT_EQ(TempDir::ReadFile(dir.File("arguments")), c.arguments) << c.ending;
        EXPECT_EQ(!err.str().empty(), c.messageExpected) << c.ending << ": " << err.str();
    }
}

TEST(DesktopPdfPrintTest, ChartsAreHandedOverWithTheirFormat) {
    struct Case {
        std::string format;
        std::string profile;
        const char* arguments;
    };
    const Case cases[] = {
        {"svg", "", "--print-chart\nin.prj\nout.svg\n--format\nsvg\noffscreen\n"},
        {"png", "my.ini",
         "--print-chart\nin.prj\nout.svg\n--format\npng\n--profile\nmy.ini\noffscreen\n"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::string program = FakeDesktop(dir, "exit 0");
        std::ostringstream err;
        EXPECT_EQ(DrawChartsThroughDesktop(program, "in.prj", "out.svg", c.format, c.profile, err),
                  0);
        EXPECT_EQ(TempDir::ReadFile(dir.File("arguments")), c.arguments);
    }
    std::ostringstream err;
    EXPECT_EQ(DrawChartsThroughDesktop("/nonexistent/korval", "in.prj", "out.svg", "svg", "", err),
              1);
    EXPECT_NE(err.str().find("Chart output needs the desktop application"), std::string::npos);
}

TEST(DesktopPdfPrintTest, WithoutTheRendererSaysSoAndFails) {
    TempDir dir;
    std::ostringstream err;
    EXPECT_EQ(PrintPdfThroughRenderer(dir.File("korval-pdf"), "in.prj", "out.pdf", "", err), 1);
    EXPECT_EQ(err.str(),
              "korval-cli: PDF output needs the desktop application's PDF renderer, which is not "
              "installed beside korval-cli (" +
                  dir.File("korval-pdf") + ")\n");
    EXPECT_FALSE(TempDir::ReadFile(dir.File("out.pdf")).size() > 0);
}

}  // namespace
}  // namespace korval
