#include <gtest/gtest.h>

#include <filesystem>

#include "framework/ProfileAccess.h"
#include "framework/TextUtil.h"
#include "framework/cProfileFileScope.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "system/cMemberProjectCache.h"
#include "system/cSystemDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

// Messages and dialogs in the one order the user meets them.
class cOrderedLogPlatform : public testing::cScriptedPlatform {
  public:
    std::vector<std::string> log;
    MessageAnswer ShowMessage(const std::string& text, MessageButtons) override {
        log.push_back("message: " + text);
        return MessageAnswer::Ok;
    }
    bool RunDialog(cDialogLogic&) override {
        log.push_back("dialog");
        return false;
    }
};

// What a member's project gives a system, compared exactly.
struct MemberOutcome {
    std::string title;
    MemberFigures figures;
    const cProjectDoc* project;
    bool operator==(const MemberOutcome& other) const {
        const MemberFigures& a = figures;
        const MemberFigures& b = other.figures;
        return title == other.title && a.adjustedFunctionPoints == b.adjustedFunctionPoints &&
               a.sourceLines == b.sourceLines && a.productDesignEffort == b.productDesignEffort &&
               a.productDesignTdev == b.productDesignTdev &&
               a.programmingEffort == b.programmingEffort &&
               a.programmingTdev == b.programmingTdev &&
               a.integrationEffort == b.integrationEffort &&
               a.integrationTdev == b.integrationTdev && a.mbi == b.mbi;
    }
};

class MemberProjectCacheTest : public ::testing::Test {
  protected:
    TempDir dir;

    // Project files as Korval writes them (every table of the defaults in each), some
    // spoiled: a phase fraction, a language multiplier and a cost driver multiplier that are
    // no valid entries, a file too large to read, and files that are not there.
    std::vector<std::string> WriteMembers() {
        testing::cScriptedPlatform quiet;
        quiet.AcceptAllMessages();
        cAppContext context{quiet, KORVAL_DEFAULTS_PROFILE};
        std::vector<std::string> names;
        for (int i = 0; i < 12; ++i) {
            cProjectDoc project(context);
            project.SetDescriptionTexts("Member " + std::to_string(i), "", "");
            project.FunctionPointModel().SetCount(i % 5, 10 + 7 * i);
            project.FunctionPointModel().SetSelectedLanguage(cLanguage("Java", 53 + i));
            std::string path = dir.File("m" + std::to_string(i) + ".prj");
            EXPECT_TRUE(project.SaveAs(path));
            names.push_back(path);
        }
        Spoil(names[3], "Effort_PDP_Org_S_Per00=0.16", "Effort_PDP_Org_S_Per00=7");
        Spoil(names[5], "LanguageMult01=320", "LanguageMult01=-4");
        Spoil(names[8], "Product_CDA_VL_Mult00=0.75", "Product_CDA_VL_Mult00=abc");
        std::string huge = dir.File("huge.prj");
        TempDir::WriteFile(huge, "[KORVAL]\n");
        std::filesystem::resize_file(huge, 65u * 1024u * 1024u);
        return {names[0],  names[3],  dir.File("gone.prj"),
                names[5],  huge,      names[3],
                names[8],  names[9],  names[1],
                names[2],  names[4],  names[6],
                names[7],  names[10], dir.File("gone.prj"),
                names[11], names[0]};
    }

    static void Spoil(const std::string& path, const std::string& from, const std::string& to) {
        std::string text = TempDir::ReadFile(path);
        ASSERT_NE(text.find(from), std::string::npos) << from;
        TempDir::WriteFile(path, ReplaceAll(text, from, to));
    }

    // A copy of the defaults profile, its tables holding bad entries when spoiled: the first
    // project made from a copy says so. Each copy is a new file, read anew.
    std::string WriteDefaults(bool spoiled) {
        std::string path = dir.File("defaults" + std::to_string(copies_++) + ".ini");
        std::string text = TempDir::ReadFile(KORVAL_DEFAULTS_PROFILE);
        if (spoiled) {
            text = ReplaceAll(ReplaceAll(text, "LanguageMult01=320", "LanguageMult01=0"),
                              "Product_CDA_VL_Mult00=0.75", "Product_CDA_VL_Mult00=zz");
        }
        TempDir::WriteFile(path, text);
        return path;
    }
    int copies_ = 0;

    // Members taken in order as a system takes them; with helpers, read ahead first.
    static std::vector<MemberOutcome> TakeMembers(cAppContext& context,
                                                  const std::vector<std::string>& files,
                                                  std::optional<unsigned> helpers) {
        cProfileFileScope defaults(context.defaultsProfilePath);
        cMemberProjectCache projects(context);
        if (helpers) projects.ReadAhead(files, *helpers);
        std::vector<MemberOutcome> outcomes;
        for (const std::string& file : files) {
            cSystemProjectDoc member(context);
            static_cast<void>(member.LoadModel(file, projects));
            outcomes.push_back({member.GetTitle(), member.Figures(), member.GetProject()});
        }
        return outcomes;
    }
};

// Read ahead on any number of threads, the members get the same projects, shared alike, and
// the user the same messages in the same order as when each file is read in its turn, with
// good and spoiled defaults alike (whose messages the first project made gives).
TEST_F(MemberProjectCacheTest, ReadingAheadChangesNeitherProjectsNorMessages) {
    std::vector<std::string> files = WriteMembers();
    for (bool spoiled : {false, true}) {
        cOrderedLogPlatform inTurn;
        cAppContext inTurnContext{inTurn, WriteDefaults(spoiled)};
        std::vector<MemberOutcome> expected = TakeMembers(inTurnContext, files, std::nullopt);
        ASSERT_EQ(inTurn.log.size(), spoiled ? 6u : 4u);
        for (unsigned helpers : {0u, 1u, 3u}) {
            SCOPED_TRACE((spoiled ? "spoiled defaults, " : "defaults, ") + std::to_string(helpers) +
                         " helpers");
            cOrderedLogPlatform ahead;
            cAppContext aheadContext{ahead, WriteDefaults(spoiled)};
            std::vector<MemberOutcome> outcomes = TakeMembers(aheadContext, files, helpers);
            EXPECT_EQ(ahead.log, inTurn.log);
            ASSERT_EQ(outcomes.size(), expected.size());
            for (std::size_t i = 0; i < outcomes.size(); ++i) {
                EXPECT_EQ(outcomes[i], expected[i]) << "member " << i;
                for (std::size_t j = 0; j < i; ++j) {
                    EXPECT_EQ(outcomes[i].project == outcomes[j].project,
                              expected[i].project == expected[j].project)
                        << "members " << j << " and " << i << " share a project";
                }
            }
        }
    }
}

// A system opened on every core tells the user what went wrong in its members' order: the
// spoiled defaults once, when the first member is made, then each member's own.
TEST_F(MemberProjectCacheTest, ASystemTellsWhatItsMembersSayInTheirOrder) {
    std::vector<std::string> files = WriteMembers();
    std::string defaults = WriteDefaults(true);
    std::string path = dir.File("system.sle");
    std::string content = "[KORVAL]\nKORVAL_Type=System\n[Projects]\n";
    for (std::size_t i = 0; i < files.size(); ++i)
        content += IndexedKey("File_Name", static_cast<int>(i)) + "=" + files[i] + "\n";
    TempDir::WriteFile(path, content);
    cOrderedLogPlatform platform;
    cAppContext context{platform, defaults};
    cSystemDoc system(context);
    platform.log.clear();
    ASSERT_TRUE(system.LoadModel(path));
    std::string huge = dir.File("huge.prj");
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{
                  "message: Invalid profile entry:  Product_CDA_VL_Mult00",
                  "message: Invalid profile entry:  LanguageMult01",
                  "message: Invalid profile entry:  Effort_PDP_Org_S_Per00",
                  "dialog",
                  "message: Invalid profile entry:  LanguageMult01",
                  "message: " + huge +
                      " is 68157440 bytes: too large for a Korval document (at most 64 MB)",
                  "message: Invalid profile entry:  Product_CDA_VL_Mult00",
              }));
    ASSERT_EQ(system.GetMembers().size(), files.size());
    EXPECT_EQ(system.GetMembers()[16]->GetTitle(), "Member 0");
    EXPECT_EQ(system.GetMembers()[16]->GetProject(), system.GetMembers()[0]->GetProject());
    EXPECT_FALSE(system.GetMembers()[2]->IsFound());
    EXPECT_EQ(system.GetMembers()[4]->GetTitle(), "") << "a file too large reads as reset";
}

}  // namespace
}  // namespace korval
