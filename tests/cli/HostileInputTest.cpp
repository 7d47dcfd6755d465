#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "cli/cCliRunner.h"
#include "framework/cProfileStore.h"
#include "tests/support/TempDir.h"

namespace korval {
namespace {

using testing::TempDir;

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult RunCli(std::vector<std::string> args,
                 const std::string& profile = KORVAL_DEFAULTS_PROFILE) {
    args.insert(args.end(), {"--profile", profile});
    std::ostringstream out;
    std::ostringstream err;
    int status = cCliRunner().Run(args, out, err);
    cProfileStore::Instance().Clear();
    return {status, out.str(), err.str()};
}

std::string Example(const std::string& name) {
    return std::string(KORVAL_SOURCE_DIR) + "/examples/" + name;
}

bool HasControlCharacter(const std::string& text) {
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n' && c != '\r' && c != '\t') || byte == 0x7F) return true;
    }
    return false;
}

// A hang is a failure, not a stuck test run: the alarm ends the process.
class HostileInputTest : public ::testing::Test {
  protected:
    TempDir dir;
    void SetUp() override { ::alarm(60); }
    void TearDown() override { ::alarm(0); }
};

TEST_F(HostileInputTest, AFifoOrDeviceIsRefusedAtOnceAsADocumentAMemberOrAHistory) {
    std::string fifo = dir.File("plan.PRJ");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    CliResult document = RunCli({"report", fifo});
    EXPECT_EQ(document.status, cCliRunner::kFileError);
    EXPECT_NE(document.err.find("It is a pipe (FIFO), not a file"), std::string::npos)
        << document.err;

    std::string system = dir.File("plan.SLE");
    TempDir::WriteFile(system,
                       "[KORVAL]\nKORVAL_Type=System\n[System_Level_Estimation]\n"
                       "Integration_And_Test_TDEV=3\n[Projects]\nFile_Name00=plan.PRJ\n");
    CliResult member = RunCli({"figures", system});
    EXPECT_EQ(member.status, cCliRunner::kSuccess) << member.err;
    EXPECT_NE(member.out.find("\"found\": false"), std::string::npos) << member.out;

    for (const std::string& history : {fifo, std::string("/dev/zero")}) {
        CliResult calibration = RunCli({"calibrate", history});
        EXPECT_EQ(calibration.status, cCliRunner::kFileError) << history;
        EXPECT_NE(calibration.err.find("not a file"), std::string::npos) << calibration.err;
    }
}

// Boost's beta distribution throws on an infinite span; the range is refused on reading,
// naming its key, and nothing a library throws ends the program.
TEST_F(HostileInputTest, AHugePertRangeIsNamedAndNeverAborts) {
    std::string path = dir.File("payroll.PRJ");
    std::string text = TempDir::ReadFile(Example("payroll.PRJ"));
    std::string key = "Rate_Pessimistic=12500";
    ASSERT_NE(text.find(key), std::string::npos);
    text.replace(text.find(key), key.size(), "Rate_Pessimistic=1e308");
    TempDir::WriteFile(path, text);
    for (const char* command : {"simulate", "report"}) {
        CliResult result = RunCli({command, path});
        EXPECT_EQ(result.status, cCliRunner::kSuccess) << command << ": " << result.err;
        EXPECT_NE(result.err.find("[Project_Uncertainty] Rate: a value cannot be above"),
                  std::string::npos)
            << command << ": " << result.err;
    }
}

TEST_F(HostileInputTest, AProfileThatCannotBeUsedIsRefusedAndNothingIsWritten) {
    std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    std::string empty = dir.File("empty.ini");
    TempDir::WriteFile(empty, "; nothing here\n");
    std::string damaged = dir.File("damaged.ini");
    TempDir::WriteFile(damaged, TempDir::ReadFile(KORVAL_DEFAULTS_PROFILE).substr(0, 600));
    std::string zeroed = dir.File("zeroed.ini");
    std::string shipped = TempDir::ReadFile(KORVAL_DEFAULTS_PROFILE);
    std::size_t constant = shipped.find("\nOrganic_PM_Nom_Mult=");
    ASSERT_NE(constant, std::string::npos);
    std::size_t value = shipped.find('=', constant) + 1;
    shipped.replace(value, shipped.find('\n', value) - value, "0");
    TempDir::WriteFile(zeroed, shipped);
    const std::pair<std::string, const char*> cases[] = {
        {"/nonexistent/typo.ini", "File not found"},
        {folder, "It is a folder"},
        {empty, "it is empty"},
        {damaged, "it is not a Korval defaults profile"},
        {zeroed, "Organic_PM_Nom_Mult is not a number above 0"},
    };
    for (const auto& [profile, reason] : cases) {
        std::string out = dir.File("t.CCM");
        CliResult result = RunCli({"new", "Cocomo", out}, profile);
        EXPECT_EQ(result.status, cCliRunner::kFileError) << profile;
        EXPECT_NE(result.err.find("cannot use the defaults profile " + profile), std::string::npos)
            << result.err;
        EXPECT_NE(result.err.find(reason), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << profile;
    }
}

TEST_F(HostileInputTest, ControlCharactersNeverReachTheTerminalNorAProfile) {
    std::string a = dir.File("a.CCM");
    std::string b = dir.File("b.CCM");
    std::string text = TempDir::ReadFile(Example("warehouse-inventory.CCM"));
    TempDir::WriteFile(a, text);
    std::string title = "Title=Warehouse Inventory Tracking";
    text.replace(text.find(title), title.size(), std::string("Title=\x1b]0;owned\x07\x1b[2J", 18));
    TempDir::WriteFile(b, text);
    for (const char* format : {"text", "json"}) {
        std::ostringstream out;
        std::ostringstream err;
        cCliRunner().Run({"diff", a, b, "--format", format, "--profile", KORVAL_DEFAULTS_PROFILE},
                         out, err);
        EXPECT_NE(out.str().find("owned"), std::string::npos) << format;
        EXPECT_FALSE(HasControlCharacter(out.str())) << format << ": " << out.str();
    }
    CliResult csv = RunCli({"figures", b, "--format", "csv"});
    EXPECT_NE(csv.out.find("owned"), std::string::npos);
    EXPECT_FALSE(HasControlCharacter(csv.out)) << csv.out;

    // A history named with a line break cannot add a section to the profile it writes.
    std::string history = dir.File("h\n[Extensions]\nProject_Ext=.EVIL\n.csv");
    std::filesystem::copy_file(Example("history.csv"), history);
    std::string written = dir.File("calibrated.ini");
    CliResult calibration = RunCli({"calibrate", history, "-o", written});
    ASSERT_EQ(calibration.status, cCliRunner::kSuccess) << calibration.err;
    EXPECT_EQ(TempDir::ReadFile(written).find("\nProject_Ext=.EVIL"), std::string::npos);
    EXPECT_NE(TempDir::ReadFile(written).find("Project_Ext=.PRJ"), std::string::npos);
}

}  // namespace
}  // namespace korval
