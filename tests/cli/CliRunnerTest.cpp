#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "cli/cCliRunner.h"
#include "framework/ProfileAccess.h"
#include "framework/cModelDoc.h"
#include "tests/support/TempDir.h"

namespace korval {
namespace {

using testing::TempDir;

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult RunCli(std::vector<std::string> args) {
    args.push_back("--profile");
    args.push_back(KORVAL_DEFAULTS_PROFILE);
    std::ostringstream out;
    std::ostringstream err;
    int status = cCliRunner().Run(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliRunnerTest, UsageErrorsExitWithTwo) {
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{},
                                               {"report"},
                                               {"frobnicate", "x"},
                                               {"new", "cocomo", "out.ccm"},
                                               {"report", "a", "--format", "html"},
                                               {"figures", "a", "b"},
                                               {"report", "a", "--unknown"},
                                               {"report", "a", "--format", "json"},
                                               {"figures", "a", "--format", "text"},
                                               {"diff", "a"},
                                               {"diff", "a", "b", "--format", "csv"},
                                               {"chart", "a"},
                                               {"chart", "a", "--format", "svg"},
                                               {"chart", "a", "--format", "pdf", "-o", "x"},
                                               {"chart", "a", "b", "-o", "x.svg"}}) {
        CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(result.err.find("usage:"), std::string::npos);
    }
}

TEST(CliRunnerTest, HelpAndVersionGoToStdoutAndExitWithZero) {
    struct Case {
        std::vector<std::string> args;
        const char* start;
    };
    const Case cases[] = {{{"--help"}, "usage: korval-cli report"},
                          {{"-h"}, "usage: korval-cli report"},
                          {{"figures", "missing.ccm", "--help"}, "usage: korval-cli report"},
                          {{"--version"}, "korval-cli 4.1\nrevision "}};
    for (const Case& c : cases) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cCliRunner().Run(c.args, out, err), 0) << c.args[0];
        EXPECT_EQ(out.str().rfind(c.start, 0), 0u) << out.str();
        EXPECT_EQ(err.str(), "");
    }
}

TEST(CliRunnerTest, FiguresAsCsvHoldOneRowPerFigure) {
    CliResult result =
        RunCli({"figures", KORVAL_SOURCE_DIR "/examples/payroll.PRJ", "--format", "csv"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("path,value,low,high\r\nschemaVersion,1,,\r\nkind,Project,,\r\n", 0),
              0u)
        << result.out.substr(0, 200);
    EXPECT_NE(result.out.find("\r\nproject.functionPoint.ufp,637.0,637.0,637.0\r\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("\r\ndescription,\"Replacement of the 1990s payroll system for "
                              "4,000 employees.\nSize"),
              std::string::npos)
        << "a text with commas and line breaks is quoted";
    EXPECT_NE(result.out.find("\r\nproject.cocomo.costDrivers[0].rating,Nominal,,\r\n"),
              std::string::npos);
}

TEST(CliRunnerTest, FilesThatAreNotKorvalFilesExitWithOne) {
    TempDir dir;
    TempDir::WriteFile(dir.File("plain.txt"), "hello\n");
    CliResult result = RunCli({"report", dir.File("plain.txt")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "korval-cli: This file is not recognized by KORVAL\n");
    EXPECT_EQ(RunCli({"figures", dir.File("missing.ccm")}).status, 1);
}

TEST(CliRunnerTest, NewAndResaveGoThroughTheDocumentSave) {
    TempDir dir;
    for (const char* kind : {"Project", "FunctionPoint", "Cocomo", "Rayleigh", "System"}) {
        std::string path = dir.File(std::string(kind) + ".ini");
        ASSERT_EQ(RunCli({"new", kind, path}).status, 0) << kind;
        CliResult figures = RunCli({"figures", path});
        ASSERT_EQ(figures.status, 0) << kind << figures.err;
        EXPECT_NE(figures.out.find(std::string("\"kind\": \"") + kind + "\""), std::string::npos);
        std::string copy = dir.File(std::string(kind) + "-copy.ini");
        ASSERT_EQ(RunCli({"resave", path, copy}).status, 0);
        EXPECT_EQ(RunCli({"figures", copy}).out, figures.out) << kind;
    }
}

TEST(CliRunnerTest, FiguresOfATextWithBrokenUtf8StillPrint) {
    TempDir dir;
    std::string path = dir.File("broken.ccm");
    TempDir::WriteFile(
        path, "[KORVAL]\r\nKORVAL_Type=Cocomo\r\n[CocomoSummary]\r\nTitle=Caf\xE9 \xC3\r\n");
    CliResult result = RunCli({"figures", path});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\"title\": \"Caf\xEF\xBF\xBD"), std::string::npos) << result.out;
}

// A report format exists only on the runner it was given to: it gets the opened document
// and the -o path, and its status is the exit status. Without -o, or on a runner without
// the format, the call is a usage error; "text" stays the runner's own.
TEST(CliRunnerTest, ReportFormatsAreTheRunnersOwn) {
    std::vector<std::string> written;
    auto format = [&written](cModelDoc& document, const std::string& output, std::ostream& err) {
        written.push_back(std::string(cDocumentKind::Of(document.Kind()).typeName) + " " + output);
        err << "written\n";
        return 7;
    };
    std::string example = std::string(KORVAL_SOURCE_DIR) + "/examples/payroll.PRJ";
    auto run = [&](cCliRunner& runner, std::vector<std::string> args) {
        args.insert(args.end(), {"--profile", KORVAL_DEFAULTS_PROFILE});
        std::ostringstream out;
        std::ostringstream err;
        int status = runner.Run(args, out, err);
        return CliResult{status, out.str(), err.str()};
    };
    cCliRunner runner;
    EXPECT_TRUE(runner.RegisterReportFormat("fake", format));
    EXPECT_FALSE(runner.RegisterReportFormat("fake", format));
    EXPECT_FALSE(runner.RegisterReportFormat("text", format));

    CliResult result = run(runner, {"report", example, "--format", "fake", "-o", "out.fake"});
    EXPECT_EQ(result.status, 7);
    EXPECT_EQ(result.err, "written\n");
    EXPECT_EQ(written, std::vector<std::string>{"Project out.fake"});
    EXPECT_EQ(run(runner, {"report", example, "--format", "fake"}).status, cCliRunner::kUsageError);
    cCliRunner plain;
    EXPECT_EQ(run(plain, {"report", example, "--format", "fake", "-o", "out.fake"}).status,
              cCliRunner::kUsageError);
    EXPECT_EQ(written.size(), 1u);
    CliResult text = run(runner, {"report", example, "--format", "text"});
    EXPECT_EQ(text.status, cCliRunner::kSuccess);
    EXPECT_EQ(text.out, RunCli({"report", example}).out);
}

// The chart command writes through the runner's chart formats: SVG unless PNG is asked for
// or the output is named so; a report asked for as an image is its charts.
TEST(CliRunnerTest, ChartFormatsFollowTheFormatOrTheOutputsName) {
    std::vector<std::string> written;
    auto format = [&written](const char* name) {
        return [&written, name](cModelDoc&, const std::string& output, std::ostream&) {
            written.push_back(std::string(name) + " " + output);
            return 0;
        };
    };
    cCliRunner runner;
    EXPECT_TRUE(runner.RegisterChartFormat("svg", format("svg")));
    EXPECT_TRUE(runner.RegisterChartFormat("png", format("png")));
    EXPECT_FALSE(runner.RegisterChartFormat("png", format("png")));
    std::string example = std::string(KORVAL_SOURCE_DIR) + "/examples/payroll.PRJ";
    struct Case {
        std::vector<std::string> args;
        std::string written;
    };
    const Case cases[] = {
        {{"chart", example, "-o", "a.svg"}, "svg a.svg"},
        {{"chart", example, "-o", "b.PNG"}, "png b.PNG"},
        {{"chart", example, "-o", "c", "--format", "png"}, "png c"},
        {{"chart", example, "--format", "svg", "-o", "d.png"}, "svg d.png"},
        {{"report", example, "--format", "png", "-o", "e.png"}, "png e.png"},
    };
    for (const Case& c : cases) {
        written.clear();
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--profile", KORVAL_DEFAULTS_PROFILE});
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runner.Run(args, out, err), cCliRunner::kSuccess) << err.str();
        EXPECT_EQ(written, std::vector<std::string>{c.written});
    }
}

TEST(CliRunnerTest, TextsPrintWithLineFeedsAndNoOtherControlCharacters) {
    using namespace std::string_literals;
    TempDir dir;
    std::string path = dir.File("odd.ccm");
    TempDir::WriteFile(path,
                       "[KORVAL]\r\nKORVAL_Type=Cocomo\r\n[CocomoSummary]\r\n"
                       "Title=a\0b<ENTER>c\td\x7F\xC2\x85"
                       "e\x1B\r\nPreparedBy=one\rtwo\r\n"s);
    CliResult figures = RunCli({"figures", path});
    ASSERT_EQ(figures.status, 0) << figures.err;
    EXPECT_NE(figures.out.find(R"("title": "ab\nc de")"), std::string::npos) << figures.out;
    EXPECT_NE(figures.out.find(R"("preparedBy": "one\ntwo")"), std::string::npos);
    EXPECT_EQ(figures.out.find("\\u00"), std::string::npos) << "no escaped control character";
    CliResult report = RunCli({"report", path});
    ASSERT_EQ(report.status, 0);
    for (char c : report.out) {
        auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(c == '\n' || (byte >= 0x20 && byte != 0x7F)) << static_cast<int>(byte);
    }
    EXPECT_NE(report.out.find("ab\n"), std::string::npos);
}

TEST(CliRunnerTest, AMessageRepeatedRightAfterItselfIsPrintedOnceWithItsCount) {
    TempDir dir;
    std::string system = "[KORVAL]\nKORVAL_Type=System\n[Projects]\n";
    for (int i = 0; i < 300; ++i) {
        std::string member = "m" + std::to_string(i) + ".prj";  // each says the same
        TempDir::WriteFile(dir.File(member),
                           "[KORVAL]\nKORVAL_Type=Project\n[Effort_PDP_Organic]\n"
                           "Effort_PDP_Org_S_Per00=7\n");
        system += IndexedKey("File_Name", i) + "=" + member + "\n";
    }
    for (int i = 300; i < 310; ++i) system += IndexedKey("File_Name", i) + "=gone.prj\n";
    TempDir::WriteFile(dir.File("many.sle"), system);
    CliResult result = RunCli({"figures", dir.File("many.sle")});
    EXPECT_EQ(result.err,
              "korval-cli: Invalid profile entry:  Effort_PDP_Org_S_Per00 (300 times)\n"
              "korval-cli: gone.prj File not found\n");
}

// Finite inputs give finite figures: JSON null is kept for the MBI of a size of 0 only.
TEST(CliRunnerTest, AbsurdConstantsGiveCappedFiguresNeverInfOrNan) {
    struct Case {
        const char* example;
        const char* key;  // every key ending so gets the value
        const char* value;
    };
    const Case cases[] = {
        {"web-shop.PRJ", "_TDEV_Mult", "1e308"},
        {"payroll.PRJ", "_PM_Nom_Mult", "1e308"},
        {"ground-station.PRJ", "_TDEV_Exp", "300"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::string text =
            TempDir::ReadFile(std::string(KORVAL_SOURCE_DIR) + "/examples/" + c.example);
        std::string changed;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            std::size_t equals = line.find('=');
            bool matches =
                equals != std::string::npos && equals >= std::strlen(c.key) &&
                line.compare(equals - std::strlen(c.key), std::strlen(c.key), c.key) == 0;
            changed += (matches ? line.substr(0, equals + 1) + c.value : line) + "\n";
        }
        std::string path = dir.File(c.example);
        TempDir::WriteFile(path, changed);
        CliResult figures = RunCli({"figures", path});
        EXPECT_EQ(figures.out.find("null"), std::string::npos) << c.example << c.key;
        CliResult report = RunCli({"report", path});
        for (const char* word : {" inf ", "nan", "(inf", "inf)", "-inf"})
            EXPECT_EQ(report.out.find(word), std::string::npos) << c.example << c.key << word;
    }
}

TEST(CliRunnerTest, AFailedSaveExitsWithOneAndSaysWhy) {
    TempDir dir;
    CliResult result = RunCli({"new", "Cocomo", dir.Path()});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("could not be saved"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace korval
