#include <fstream>

#include "tests/calibration/CalibrationTestSupport.h"

namespace korval::testing {
namespace {

using HistoryReaderTest = CalibrationTest;

struct BadInput {
    const char* label;
    std::string text;
    std::size_t line;
    const char* column;
    const char* reason;  // a part of the reason
    std::size_t projects;
};

std::string Header() {
    return "name,sloc,effort_pm,duration_months,mode\n";
}

TEST_F(HistoryReaderTest, EveryBadInputNamesItsLineColumnAndReason) {
    const std::string good = "ok,12000,40,12,organic\n";
    const BadInput cases[] = {
        {"empty file", "", 1, "", "the file is empty", 0},
        {"blank lines only", "\n  \n\r\n", 1, "", "the file is empty", 0},
        {"header only", Header(), 1, "", "no project rows", 0},
        {"header after blank lines", "\n\n" + Header(), 3, "", "no project rows", 0},
        {"duplicate column", "name,sloc,SLOC,effort_pm\na,1,2,3\n", 1, "sloc",
         "twice (columns 2 and 3)", 0},
        {"no effort column", "name,sloc\na,1000\n", 1, "effort_pm", "no effort_pm column", 0},
        {"no size column", "name,effort_pm\na,10\n", 1, "sloc", "no sloc or ksloc", 0},
        {"sloc and ksloc", "sloc,ksloc,effort_pm\n1000,1,2\n", 1, "ksloc", "both sloc and ksloc",
         0},
        {"eaf and ratings", "sloc,effort_pm,eaf,rely\n1000,2,1,High\n", 1, "eaf", "keep one", 0},
        {"text in a number", Header() + "a,abc,10,12,organic\n" + good, 2, "sloc",
         "'abc' is not a number", 1},
        {"number with a unit", Header() + "a,1200 lines,10,12,organic\n" + good, 2, "sloc",
         "not a number", 1},
        {"empty size", Header() + "a,,10,12,organic\n" + good, 2, "sloc", "is empty", 1},
        {"zero size", Header() + "a,0,10,12,organic\n" + good, 2, "sloc", "'0' is not above 0", 1},
        {"negative effort", Header() + good + "a,1000,-3,12,organic\n", 3, "effort_pm",
         "'-3' is not above 0", 1},
        {"zero duration", Header() + "a,1000,3,0,organic\n" + good, 2, "duration_months",
         "not above 0", 1},
        {"unknown mode", Header() + good + "a,1000,3,4,detached\n", 3, "mode",
         "'detached' is no mode", 1},
        {"row not UTF-8", Header() + "caf\xE9,1000,3,4,organic\n" + good, 2, "", "not UTF-8", 1},
        {"header not UTF-8",
         "n\xC0\xAF"
         "me,sloc,effort_pm\na,1,2\n",
         1, "", "header is not UTF-8", 0},
        {"UTF-16 file", std::string("\xFF\xFEn\0a\0", 6) + "\n", 1, "", "UTF-16", 0},
        {"binary header",
         std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\0",
                     10) +
             "\n",
         1, "", "not UTF-8", 0},
        {"too many fields", Header() + "a,1000,3,4,organic,extra\n" + good, 2, "",
         "6 fields and the header 5", 1},
        {"quote inside a field", Header() + "a\"b,1000,3,4,organic\n" + good, 2, "",
         "quote in the middle", 1},
        {"quote never closed", Header() + good + "\"open,1000,3,4,organic\n", 3, "",
         "not closed by the end", 1},
        {"bad rating", "name,sloc,effort_pm,rely\na,1000,3,Hgh\n" + std::string("b,1000,3,High\n"),
         2, "rely", "'Hgh' is no rating", 1},
        {"rating the driver lacks", "name,sloc,effort_pm,rely\na,1000,3,Extra High\nb,1000,3,vh\n",
         2, "rely", "Extra High is not a rating of RELY", 1},
        {"eaf text", "name,sloc,effort_pm,eaf\na,1000,3,x\nb,1000,3,1.2\n", 2, "eaf",
         "not a number", 1},
        {"long line", Header() + good + std::string(3 << 20, 'x') + "\n" + good, 3, "",
         "3.0 MB long", 2},
    };
    for (const BadInput& input : cases) {
        SCOPED_TRACE(input.label);
        History history = ReadText(input.text);
        ASSERT_GE(history.problems.size(), 1u);
        const HistoryProblem& problem = history.problems.front();
        EXPECT_EQ(problem.line, input.line);
        EXPECT_EQ(problem.column, input.column);
        EXPECT_NE(problem.reason.find(input.reason), std::string::npos) << problem.reason;
        EXPECT_EQ(history.projects.size(), input.projects);
        std::string text = HistoryProblemText(history.path, problem);
        EXPECT_EQ(text.rfind("history.csv:" + std::to_string(input.line) + ": ", 0), 0u) << text;
    }
}

TEST_F(HistoryReaderTest, ColumnsByNameInAnyOrderWithUnknownOnesLeftAlone) {
    History history = ReadText(
        "Team,EFFORT_PM,Mode,KSLOC,Name,application_type,Language,function_points\n"
        "blue,40,Semi-Detached,12.5,\"Billing, phase 2\",business systems,c++,250\n");
    ASSERT_EQ(history.problemCount, 0u);
    ASSERT_EQ(history.projects.size(), 1u);
    const HistoryProject& project = history.projects.front();
    EXPECT_EQ(project.line, 2u);
    EXPECT_EQ(project.name, "Billing, phase 2");
    EXPECT_DOUBLE_EQ(project.sloc, 12500);
    EXPECT_DOUBLE_EQ(project.effortPm, 40);
    EXPECT_EQ(project.mode, DevelopmentMode::Semidetached);
    EXPECT_EQ(project.applicationType, "Business Systems");
    EXPECT_EQ(project.language, "C++");
    EXPECT_EQ(project.functionPoints, 250);
    EXPECT_FALSE(project.durationMonths);
    EXPECT_DOUBLE_EQ(project.eaf, 1);
    EXPECT_TRUE(history.hasMode);
    EXPECT_FALSE(history.hasCostDrivers);
}

TEST_F(HistoryReaderTest, SemicolonFilesMayWriteADecimalComma) {
    History history = ReadText("\xEF\xBB\xBFname;sloc;effort_pm;eaf\r\n\"a;b\";1200;12,5;0,9\r\n");
    ASSERT_EQ(history.problemCount, 0u);
    EXPECT_EQ(history.delimiter, ';');
    ASSERT_EQ(history.projects.size(), 1u);
    EXPECT_EQ(history.projects[0].name, "a;b");
    EXPECT_DOUBLE_EQ(history.projects[0].effortPm, 12.5);
    EXPECT_DOUBLE_EQ(history.projects[0].eaf, 0.9);
}

TEST_F(HistoryReaderTest, RatingsByNameOrMultiplierGiveTheEaf) {
    History history = ReadText(
        "name,sloc,effort_pm,rely,cplx,acap,tool\n"
        "a,1000,3,High,VH,0.86,\n");
    ASSERT_EQ(history.problemCount, 0u);
    ASSERT_EQ(history.projects.size(), 1u);
    EXPECT_NEAR(history.projects[0].eaf, 1.15 * 1.30 * 0.86, 1e-12);
    EXPECT_TRUE(history.hasCostDrivers);
}

TEST_F(HistoryReaderTest, RowsKeepTheLineTheyStartOnAcrossQuotedLineBreaks) {
    History history = ReadText(
        "name,sloc,effort_pm\n"
        "\"two\nline name\",1000,3\n"
        "\n"
        "bad,x,3\n"
        "c,2000,4");
    ASSERT_EQ(history.projects.size(), 2u);
    EXPECT_EQ(history.projects[0].line, 2u);
    EXPECT_EQ(history.projects[1].line, 6u);
    EXPECT_EQ(history.projects[1].name, "c");
    ASSERT_EQ(history.problems.size(), 1u);
    EXPECT_EQ(history.problems[0].line, 5u);
}

TEST_F(HistoryReaderTest, AFileThatCannotBeOpenedSaysWhy) {
    History missing = cHistoryReader(baseline.vocabulary).ReadFile(dir.File("none.csv"));
    ASSERT_EQ(missing.problems.size(), 1u);
    EXPECT_NE(
        HistoryProblemText(missing.path, missing.problems[0]).find("none.csv: cannot be read"),
        std::string::npos);
    History folder = cHistoryReader(baseline.vocabulary).ReadFile(dir.Path());
    ASSERT_EQ(folder.problems.size(), 1u);
    EXPECT_NE(folder.problems[0].reason.find("folder"), std::string::npos);
}

// A file of a hundred-megabyte line between good rows is read in blocks: the line is
// passed over without being held, and the rows after it are read.
TEST_F(HistoryReaderTest, AHundredMegabyteLineIsPassedOver) {
    std::string path = dir.File("long.csv");
    {
        std::ofstream out(path, std::ios::binary);
        out << Header() << "a,1000,3,4,organic\n";
        std::string block(1 << 20, 'x');
        for (int i = 0; i < 100; ++i) out << block;
        out << "\nb,2000,5,6,embedded\n";
    }
    History history = cHistoryReader(baseline.vocabulary).ReadFile(path);
    ASSERT_EQ(history.projects.size(), 2u);
    EXPECT_EQ(history.projects[1].line, 4u);
    ASSERT_EQ(history.problems.size(), 1u);
    EXPECT_EQ(history.problems[0].line, 3u);
    EXPECT_NE(history.problems[0].reason.find("100.0 MB"), std::string::npos);
}

// A million rows are all read, and a million bad ones keep a bounded list of problems
// with the count of all of them.
TEST_F(HistoryReaderTest, AMillionRowsAreReadAndTheirProblemsCounted) {
    std::string path = dir.File("million.csv");
    {
        std::ofstream out(path, std::ios::binary);
        out << "sloc,effort_pm\n";
        for (int i = 0; i < 1000000; ++i) out << (i % 2 == 0 ? "1000,3\n" : "0,3\n");
    }
    History history = cHistoryReader(baseline.vocabulary).ReadFile(path);
    EXPECT_EQ(history.projects.size(), 500000u);
    EXPECT_EQ(history.problemCount, 500000u);
    EXPECT_EQ(history.problems.size(), History::kKeptProblems);
    std::vector<std::string> texts = history.ProblemTexts();
    EXPECT_NE(texts.back().find("499000 more rows could not be used"), std::string::npos);
}

}  // namespace
}  // namespace korval::testing
