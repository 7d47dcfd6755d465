#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <limits>

#include "framework/ProfileAccess.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cProfileStore.h"
#include "framework/cTextReportSurface.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "system/cMissingProjectDlg.h"
#include "system/cSystemAttributesDlg.h"
#include "system/cSystemDoc.h"
#include "system/cSystemProjectsDlg.h"
#include "tests/support/TempDir.h"
#include "tests/support/cScriptedPlatform.h"

namespace korval {
namespace {

using testing::TempDir;

// A member with known figures, standing in for a project file.
class cFakeMember : public cSystemProjectDoc {
  public:
    cFakeMember(cAppContext& context, MemberFigures figures)
        : cSystemProjectDoc(context), figures_(figures) {}
    MemberFigures Figures() const override { return figures_; }

  private:
    MemberFigures figures_;
};

class SystemDocTest : public ::testing::Test {
  protected:
    TempDir dir;
    testing::cScriptedPlatform platform;
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};

    void AddMembers(cSystemDoc& system, const std::vector<MemberFigures>& figures) {
        std::vector<std::unique_ptr<cSystemProjectDoc>> members;
        for (const MemberFigures& f : figures)
            members.push_back(std::make_unique<cFakeMember>(context, f));
        system.SetMembers(std::move(members));
    }

    static MemberFigures Schedule(double programming, double integration) {
        MemberFigures f;
        f.programmingTdev = programming;
        f.integrationTdev = integration;
        return f;
    }

    std::string WriteProject(const std::string& name, const std::string& title) {
        std::string path = dir.File(name);
        TempDir::WriteFile(
            path, "[KORVAL]\r\nKORVAL_Type=Project\r\n[ProjectSummary]\r\nTitle=" + title + "\r\n");
        return path;
    }
};

TEST_F(SystemDocTest, TotalsAndCumulativeSchedule) {
    struct Case {
        const char* name;
        double productDesignTdev;
        double finalTestTdev;
        std::vector<MemberFigures> members;
        double totalTdev;
        double latestEnd;
    };
    const Case cases[] = {
        {"NoMembers", 6, 3, {}, 9, 6},
        {"ProgrammingPhasesFollowEachOther", 5, 2, {Schedule(10, 4), Schedule(8, 3)}, 28, 26},
        {"EarlyLongIntegrationSetsTheLatestEnd", 0, 0, {Schedule(10, 12), Schedule(2, 1)}, 22, 22},
    };
    for (const Case& c : cases) {
        cSystemDoc system(context);
        AddMembers(system, c.members);
        system.SetAttributes(c.productDesignTdev, 40, true, c.finalTestTdev, 20);
        system.RecalculateSystem();
        EXPECT_DOUBLE_EQ(system.GetTotalTdev(), c.totalTdev) << c.name;
        EXPECT_DOUBLE_EQ(system.LatestIntegrationEnd(), c.latestEnd) << c.name;
    }
    cSystemDoc system(context);
    AddMembers(system, {Schedule(10, 4), Schedule(8, 3)});
    system.SetAttributes(5, 0, true, 2, 0);
    std::vector<cSystemDoc::ScheduleRow> rows = system.CumulativeSchedule();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_DOUBLE_EQ(rows[0].programmingEnd, 15);
    EXPECT_DOUBLE_EQ(rows[0].integrationEnd, 19);
    EXPECT_DOUBLE_EQ(rows[1].programmingEnd, 23);
    EXPECT_DOUBLE_EQ(rows[1].integrationEnd, 26);
}

TEST_F(SystemDocTest, TotalsOfAbsurdFiguresStopAtTheLargestDouble) {
    const double huge = 1e308;
    MemberFigures big;
    big.sourceLines = huge;
    big.adjustedFunctionPoints = huge;
    big.programmingEffort = huge;
    big.integrationEffort = huge;
    big.programmingTdev = huge;
    big.integrationTdev = huge;
    big.mbi = 6;
    MemberFigures negative;  // a size below 0 counts as no size for the MBI
    negative.sourceLines = -5;
    negative.mbi = -std::numeric_limits<double>::infinity();
    cSystemDoc system(context);
    AddMembers(system, {big, big, negative});
    system.SetAttributes(huge, huge, true, huge, huge);
    system.RecalculateSystem();
    for (double total : {system.GetTotalEffort(), system.GetTotalTdev(), system.GetTotalSloc(),
                         system.GetTotalAdjustedFunctionPoints()}) {
        EXPECT_EQ(total, std::numeric_limits<double>::max());
    }
    EXPECT_TRUE(std::isfinite(system.GetSystemMbi()));
    for (const cSystemDoc::ScheduleRow& row : system.CumulativeSchedule())
        EXPECT_TRUE(std::isfinite(row.programmingEnd) && std::isfinite(row.integrationEnd));
    cTextReportSurface surface;
    cDrawContext dc(surface);
    int y = 5;
    system.DrawReport(dc, y, 0);
    dc.layout.DrawAll(surface);
    ASSERT_NE(surface.Render().find("Total"), std::string::npos) << surface.Render();
    EXPECT_EQ(surface.Render().find("inf"), std::string::npos) << surface.Render();
}

TEST_F(SystemDocTest, EffortSizeAndWeightedMbi) {
    cSystemDoc system(context);
    MemberFigures a;
    a.sourceLines = 10000;
    a.adjustedFunctionPoints = 100;
    a.mbi = 2;
    a.programmingEffort = 30;
    a.integrationEffort = 10;
    a.productDesignEffort = 7;
    a.productDesignTdev = 3;
    MemberFigures b = a;
    b.sourceLines = 30000;
    b.mbi = 4;
    MemberFigures empty;  // a project without size: its MBI is minus infinity
    empty.mbi = -std::numeric_limits<double>::infinity();
    AddMembers(system, {a, b, empty});
    system.SetAttributes(0, 0, false, 1, 5);
    system.DeriveProductDesign();
    system.RecalculateSystem();
    EXPECT_DOUBLE_EQ(system.GetProductDesignEffort(), 14);
    EXPECT_DOUBLE_EQ(system.GetProductDesignTdev(), 6);
    EXPECT_DOUBLE_EQ(system.GetTotalSloc(), 40000);
    EXPECT_DOUBLE_EQ(system.GetTotalAdjustedFunctionPoints(), 200);
    EXPECT_DOUBLE_EQ(system.GetTotalEffort(), 14 + 80 + 5);
    EXPECT_DOUBLE_EQ(system.GetSystemMbi(), 3.5) << "a member without size adds nothing to the MBI";
}

TEST_F(SystemDocTest, SaveWritesOnlyTheCurrentMembersAndLoadReadsThemBack) {
    std::string first = WriteProject("first.prj", "First");
    std::string second = WriteProject("second.prj", "Second");
    std::string path = dir.File("system.sle");
    TempDir::WriteFile(path, "[Projects]\r\nFile_Name02=stale.prj\r\nStale_Key=1\r\n");
    {
        cSystemDoc system(context);
        std::vector<std::unique_ptr<cSystemProjectDoc>> members;
        for (const std::string& file : {first, second}) {
            members.push_back(system.CreateMember());
            ASSERT_TRUE(members.back()->LoadModel(file));
        }
        members.back()->SetStartOffset(2.5);
        system.SetMembers(std::move(members));
        system.SetAttributes(6, 40, true, 3, 20);
        ASSERT_TRUE(system.SaveAs(path));
    }
    std::string text = TempDir::ReadFile(path);
    EXPECT_EQ(text.find("stale"), std::string::npos) << "the old file's keys do not survive a save";
    EXPECT_NE(text.find("Product_Design_User_Specified=TRUE"), std::string::npos);
    EXPECT_NE(text.find("Start_Offset01=2.500000"), std::string::npos);

    cSystemDoc reader(context);
    ASSERT_TRUE(reader.LoadModel(path));
    ASSERT_EQ(reader.GetMembers().size(), 2u);
    EXPECT_EQ(reader.GetMembers()[1]->GetFileName(), second);
    EXPECT_EQ(reader.GetMembers()[1]->GetTitle(), "Second");
    EXPECT_DOUBLE_EQ(reader.GetMembers()[1]->GetStartOffset(), 2.5);
    EXPECT_TRUE(reader.IsProductDesignUserSpecified());
    EXPECT_DOUBLE_EQ(reader.GetProductDesignEffort(), 40);
    EXPECT_DOUBLE_EQ(reader.GetFinalTestTdev(), 3);
    EXPECT_FALSE(reader.IsModified());
}

TEST_F(SystemDocTest, AnInvalidUserSpecifiedFlagIsReportedAndTheDesignDerived) {
    std::string path = dir.File("bad.sle");
    TempDir::WriteFile(path,
                       "[KORVAL]\nKORVAL_Type=System\n[System_Level_Estimation]\nProduct_Design_"
                       "User_Specified=true\n"
                       "Product_Design_TDEV=9\nIntegration_And_Test_TDEV=abc\n");
    platform.ExpectMessage();
    cSystemDoc system(context);
    ASSERT_TRUE(system.LoadModel(path));
    EXPECT_EQ(platform.Messages().back(), "Invalid entry:  Product_Design_User_Specified = true");
    EXPECT_FALSE(system.IsProductDesignUserSpecified());
    EXPECT_DOUBLE_EQ(system.GetProductDesignTdev(), 0);
    EXPECT_DOUBLE_EQ(system.GetFinalTestTdev(), 0)
        << "a value that is not a number keeps the reset value";
}

// Offsets and schedule figures are read through a buffer of 20 characters: a longer number
// reads as the 19 characters kept, with the sign it has, never wrapped round.
TEST_F(SystemDocTest, ALongNumberReadsAsTheCharactersTheReadBufferKeeps) {
    const std::string nines(330, '9');
    struct Case {
        std::string stored;
        double expected;
    };
    const Case cases[] = {
        {nines, 9999999999999999999.0},
        {"+" + nines, 999999999999999999.0},
        {"-" + nines, -999999999999999999.0},
        {"1" + std::string(330, '0'), 1e18},
        {"12." + std::string(330, '5'), 12.5555555555555555},
        {"0." + std::string(330, '0') + "7", 0.0},
    };
    std::string member = WriteProject("member.prj", "Member");
    for (const Case& c : cases) {
        std::string path = dir.File("long.sle");
        TempDir::WriteFile(path,
                           "[KORVAL]\nKORVAL_Type=System\n[System_Level_Estimation]\n"
                           "Integration_And_Test_TDEV=" +
                               c.stored + "\n[Projects]\nFile_Name00=" + member +
                               "\nStart_Offset00=" + c.stored + "\n");
        cProfileStore::Instance().Forget(path);
        cSystemDoc system(context);
        ASSERT_TRUE(system.LoadModel(path)) << c.stored;
        ASSERT_EQ(system.GetMembers().size(), 1u);
        EXPECT_EQ(system.GetMembers()[0]->GetStartOffset(), c.expected) << c.stored;
        EXPECT_EQ(system.GetFinalTestTdev(), c.expected) << c.stored;
    }
}
TEST_F(SystemDocTest, AMissingMemberCanBeReplacedOrKept) {
    std::string replacement = WriteProject("replacement.prj", "Replacement");
    std::string path = dir.File("system.sle");
    TempDir::WriteFile(
        path, "[KORVAL]\nKORVAL_Type=System\n[Projects]\nFile_Name00=" + dir.File("gone.prj") +
                  "\nFile_Name01=" + dir.File("lost.prj") + "\nStart_Offset01=x\n");
    platform.ExpectDialog([&](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cMissingProjectDlg&>(logic);
        EXPECT_EQ(dialog.FirstLabel(), dir.File("gone.prj") + "\nFile not found");
        dialog.OnBrowse();
        EXPECT_EQ(dialog.SecondLabel(), "Replacing with " + replacement);
        return true;
    });
    platform.ExpectOpenFileName(replacement);  // the Browse inside the first dialog
    platform.ExpectDialogCancel();
    cSystemDoc system(context);
    ASSERT_TRUE(system.LoadModel(path));
    ASSERT_EQ(system.GetMembers().size(), 2u);
    EXPECT_TRUE(system.GetMembers()[0]->IsFound());
    EXPECT_EQ(system.GetMembers()[0]->GetTitle(), "Replacement");
    EXPECT_FALSE(system.GetMembers()[1]->IsFound());
    EXPECT_EQ(system.GetMembers()[1]->GetFileName(), dir.File("lost.prj"));
    EXPECT_TRUE(system.IsModified());
    EXPECT_EQ(platform.openTitles, std::vector<std::string>{cMissingProjectDlg::kBrowseTitle});

    ASSERT_TRUE(system.SaveModel(path));
    EXPECT_EQ(ReadProfileValue("Projects", "File_Name00", "", 256, path), replacement);
    EXPECT_EQ(ReadProfileValue("Projects", "File_Name01", "", 256, path), dir.File("lost.prj"));
}

// A relative member path is looked up beside the system file, wherever the program runs;
// the file keeps the path as it was written.
TEST_F(SystemDocTest, RelativeMemberPathsAreFoundBesideTheSystemAndKeptAsWritten) {
    std::filesystem::create_directories(dir.File("plans/sub"));
    TempDir::WriteFile(dir.File("plans/sub/near.prj"),
                       "[KORVAL]\r\nKORVAL_Type=Project\r\n[ProjectSummary]\r\nTitle=Near\r\n");
    std::string absolute = WriteProject("far.prj", "Far");
    std::string path = dir.File("plans/system.sle");
    TempDir::WriteFile(path,
                       "[KORVAL]\nKORVAL_Type=System\n[Projects]\nFile_Name00=sub/near.prj\n"
                       "File_Name01=" +
                           absolute + "\nFile_Name02=near.prj\n");
    platform.ExpectDialogCancel();  // near.prj is not beside the system
    cSystemDoc system(context);
    ASSERT_TRUE(system.LoadModel(path));
    const auto& members = system.GetMembers();
    ASSERT_EQ(members.size(), 3u);
    struct Expected {
        const char* fileName;
        bool found;
        const char* title;
    };
    const Expected expected[] = {
        {"sub/near.prj", true, "Near"}, {absolute.c_str(), true, "Far"}, {"near.prj", false, ""}};
    for (std::size_t i = 0; i < members.size(); ++i) {
        EXPECT_EQ(members[i]->GetFileName(), expected[i].fileName);
        EXPECT_EQ(members[i]->IsFound(), expected[i].found) << expected[i].fileName;
        EXPECT_EQ(members[i]->GetTitle(), expected[i].title) << expected[i].fileName;
    }
    ASSERT_TRUE(system.SaveModel(path));
    EXPECT_EQ(ReadProfileValue("Projects", "File_Name00", "", 256, path), "sub/near.prj");
    EXPECT_EQ(ReadProfileValue("Projects", "File_Name02", "", 256, path), "near.prj");
}

TEST_F(SystemDocTest, AFileListedManyTimesIsReadOnceAndAMissingOneAskedAboutOnce) {
    std::string shared = WriteProject("shared.prj", "Shared");
    std::string path = dir.File("system.sle");
    std::string content = "[KORVAL]\nKORVAL_Type=System\n[Projects]\n";
    for (int i = 0; i < 40; ++i) {
        content += IndexedKey("File_Name", i) + "=" + (i % 2 == 0 ? "shared.prj" : "gone.prj") +
                   "\n" + IndexedKey("Start_Offset", i) + "=" + std::to_string(i) + "\n";
    }
    TempDir::WriteFile(path, content);
    platform.ExpectDialogCancel();  // once, for every member naming gone.prj
    cSystemDoc system(context);
    std::uint64_t parses = cProfileStore::Instance().ParseCount();
    ASSERT_TRUE(system.LoadModel(path));
    EXPECT_EQ(platform.Dialogs().size(), 1u);
    EXPECT_EQ(cProfileStore::Instance().ParseCount() - parses, 1u)
        << "the system; members are read through a view of their bytes";
    EXPECT_EQ(system.GetMembers()[0]->GetFunctionPointModel(),
              system.GetMembers()[38]->GetFunctionPointModel())
        << "shared.prj is read once, its project shared";
    ASSERT_EQ(system.GetMembers().size(), 40u);
    EXPECT_EQ(system.GetMembers()[38]->GetTitle(), "Shared");
    EXPECT_DOUBLE_EQ(system.GetMembers()[38]->GetStartOffset(), 38);
    EXPECT_FALSE(system.GetMembers()[39]->IsFound());
    EXPECT_DOUBLE_EQ(system.GetMembers()[39]->GetStartOffset(), 39);
}

TEST_F(SystemDocTest, ProjectsDialogAddsInsertsWarnsAndRefuses) {
    std::string a = WriteProject("A.PRJ", "A");
    std::string b = WriteProject("B.Prj", "B");
    cSystemDoc system(context);
    platform.ExpectDialog([&](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cSystemProjectsDlg&>(logic);
        EXPECT_EQ(dialog.Items(), std::vector<std::string>{" "});
        platform.ExpectOpenFileName(a);
        dialog.OnAdd();  // blank item selected: appended
        dialog.Select(0);
        EXPECT_EQ(dialog.SelectedTitle(), "A");
        platform.ExpectOpenFileName(b);
        dialog.OnAdd();  // A selected: B goes before it
        EXPECT_EQ(dialog.Items(), (std::vector<std::string>{"?" + b, "?" + a, " "}));
        platform.ExpectOpenFileName(dir.File("A.TXT"));
        platform.ExpectMessage();
        dialog.OnAdd();
        EXPECT_EQ(platform.Messages().back(), "This file is not a KORVAL project file");
        platform.ExpectOpenFileName(a);
        platform.ExpectMessage();
        dialog.OnAdd();
        EXPECT_EQ(platform.Messages().back(), a + "\nThis file already exists ");
        EXPECT_EQ(dialog.Items().size(), 4u) << "a repeated file is added all the same";
        platform.ExpectOpenFileName("");
        dialog.OnAdd();  // cancelled: nothing happens
        dialog.Select(3);
        EXPECT_EQ(dialog.SelectedTitle(), " ");
        return true;
    });
    ASSERT_TRUE(system.OnProjects());
    ASSERT_EQ(system.GetMembers().size(), 3u);
    EXPECT_EQ(system.GetMembers()[0]->GetFileName(), a);
    EXPECT_EQ(system.GetMembers()[1]->GetFileName(), b);
    EXPECT_TRUE(system.IsModified());
}

TEST_F(SystemDocTest, ProjectsDialogDeleteAndCancelKeepTheSystemUntilOk) {
    std::string a = WriteProject("a.prj", "A");
    std::string b = WriteProject("b.prj", "B");
    cSystemDoc system(context);
    std::vector<std::unique_ptr<cSystemProjectDoc>> members;
    for (const std::string& file : {a, b}) {
        members.push_back(system.CreateMember());
        ASSERT_TRUE(members.back()->LoadModel(file));
    }
    system.SetMembers(std::move(members));
    const cSystemProjectDoc* second = system.GetMembers()[1].get();

    platform.ExpectDialog([&](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cSystemProjectsDlg&>(logic);
        dialog.Select(1);
        dialog.OnDelete();
        EXPECT_EQ(dialog.GetSelection(), 0);
        platform.ExpectOpenFileName(dir.File("new.prj"));
        dialog.OnAdd();
        EXPECT_TRUE(dialog.IsMissingItem(0) == false);
        return false;  // Cancel
    });
    EXPECT_FALSE(system.OnProjects());
    ASSERT_EQ(system.GetMembers().size(), 2u);
    EXPECT_EQ(system.GetMembers()[1].get(), second);

    platform.ExpectDialog([&](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cSystemProjectsDlg&>(logic);
        platform.ExpectOpenFileName(a);
        platform.ExpectMessage();
        dialog.OnAdd();     // inserted at 0 and selected
        dialog.OnDelete();  // deleted at once
        dialog.Select(1);
        dialog.OnDelete();  // b marked, gone on OK
        EXPECT_EQ(dialog.Items(), (std::vector<std::string>{"?" + a, " "}));
        dialog.Select(1);
        dialog.OnDelete();  // the blank item cannot be deleted
        EXPECT_EQ(dialog.Items().size(), 2u);
        return true;
    });
    ASSERT_TRUE(system.OnProjects());
    ASSERT_EQ(system.GetMembers().size(), 1u);
    EXPECT_EQ(system.GetMembers()[0]->GetFileName(), a);
}

TEST_F(SystemDocTest, AttributesDialogChecksNumbersAndEnablesTheDesignEdits) {
    cSystemDoc system(context);
    system.SetAttributes(-4, 10, false, 2, 3);
    platform.ExpectDialog([&](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cSystemAttributesDlg&>(logic);
        EXPECT_EQ(dialog.productDesignTdevText, "0.0") << "a negative value is shown as 0";
        EXPECT_FALSE(dialog.AreProductDesignEditsEnabled());
        dialog.OnUserSpecified();
        EXPECT_TRUE(dialog.AreProductDesignEditsEnabled());
        dialog.productDesignTdevText = "five";
        platform.ExpectMessage();
        EXPECT_FALSE(dialog.OnOk());
        dialog.productDesignTdevText = "5";
        dialog.finalTestEffortText = "-550000";  // no longer a discount on the total
        platform.ExpectMessage();
        EXPECT_FALSE(dialog.OnOk());
        EXPECT_EQ(platform.Messages().back(), "A time or an effort cannot be below 0.");
        dialog.finalTestEffortText = "3";
        dialog.finalTestTdevText = "2.5";
        return dialog.OnOk();
    });
    ASSERT_TRUE(system.OnAttributes());
    EXPECT_TRUE(system.IsProductDesignUserSpecified());
    EXPECT_DOUBLE_EQ(system.GetTotalTdev(), 7.5);
    EXPECT_TRUE(system.IsModified());

    // A file that already holds a negative final test says so with its figures.
    system.SetAttributes(5, 10, true, -1, 3);
    ASSERT_EQ(system.Warnings().size(), 1u);
    EXPECT_EQ(system.Warnings()[0].code, "system.negativeAttribute");
    EXPECT_NE(system.Warnings()[0].message.find("final test time is -1.0"), std::string::npos);
}

// Figures are shown as the report shows them, and a field left as shown keeps its value.
TEST_F(SystemDocTest, AttributesDialogShowsReportPrecisionAndKeepsUntouchedValues) {
    cSystemDoc system(context);
    system.SetAttributes(0.4714260620718, 213.1666549, true, 2, 3);
    platform.ExpectDialog([&](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cSystemAttributesDlg&>(logic);
        EXPECT_EQ(dialog.productDesignTdevText, "0.5");
        EXPECT_EQ(dialog.productDesignEffortText, "213.2");
        dialog.finalTestTdevText = "2.25";
        return dialog.OnOk();
    });
    ASSERT_TRUE(system.OnAttributes());
    EXPECT_DOUBLE_EQ(system.GetProductDesignTdev(), 0.4714260620718);
    EXPECT_DOUBLE_EQ(system.GetProductDesignEffort(), 213.1666549);
    EXPECT_DOUBLE_EQ(system.GetFinalTestTdev(), 2.25);
}

TEST_F(SystemDocTest, ReportShowsTotalsScheduleAndSummary) {
    cSystemDoc system(context);
    MemberFigures first = Schedule(10, 4);
    first.sourceLines = 1000;
    first.mbi = 6.7;
    AddMembers(system, {first, Schedule(8, 3)});
    system.SetAttributes(5, 0, true, 2, 0);
    system.SetFilter(cModelDoc::kDescriptionSwitch, FilterState::Off);
    system.RecalculateSystem();
    cTextReportSurface surface;
    cDrawContext dc(surface);
    int y = 5;
    system.DrawReport(dc, y, 0);
    dc.layout.DrawAll(surface);
    std::string text = surface.Render();
    for (const char* expected :
         {"SYSTEM LEVEL ESTIMATION INFORMATION:", "Total Source Lines of Code:", "1000.0",
          "Cumulative Time to Develop (calendar months)", "    Project Number", "15.0", "19.0",
          "23.0", "26.0", "Final Test and Eval.:", "28.0 calendar months",
          "PROJECT SUMMARY INFORMATION:", ">6"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}

// An open system follows its member files: each file changed, gone or come back is read
// again once, however often it is listed, and the system itself is not marked modified.
TEST_F(SystemDocTest, MemberFilesChangedOnDiskAreReadAgainWithoutMarkingTheSystem) {
    std::string shared = WriteProject("shared.prj", "Before");
    std::string other = WriteProject("other.prj", "Other");
    std::string path = dir.File("system.sle");
    TempDir::WriteFile(path,
                       "[KORVAL]\nKORVAL_Type=System\n[Projects]\nFile_Name00=shared.prj\n"
                       "File_Name01=other.prj\nFile_Name02=later.prj\nFile_Name03=shared.prj\n");
    platform.ExpectDialogCancel();  // later.prj is not there yet
    cSystemDoc system(context);
    ASSERT_TRUE(system.LoadModel(path));
    const auto& members = system.GetMembers();
    EXPECT_EQ(system.MemberFiles(),
              (std::vector<std::string>{shared, other, dir.File("later.prj")}));
    EXPECT_TRUE(system.RereadChangedMembers().empty()) << "nothing changed yet";

    auto touch = [](const std::string& file) {
        std::filesystem::last_write_time(
            file, std::filesystem::last_write_time(file) + std::chrono::seconds(2));
    };
    WriteProject("shared.prj", "After");
    touch(shared);
    std::uint64_t revision = system.Revision();
    EXPECT_EQ(system.RereadChangedMembers(), std::vector<std::string>{shared});
    EXPECT_NE(system.Revision(), revision) << "results computed from the old member are stale";
    EXPECT_EQ(members[0]->GetTitle(), "After");
    EXPECT_EQ(members[3]->GetTitle(), "After");
    EXPECT_EQ(members[0]->GetFunctionPointModel(), members[3]->GetFunctionPointModel())
        << "a file listed twice is still read once";

    WriteProject("later.prj", "Later");
    std::filesystem::remove(other);
    EXPECT_EQ(system.RereadChangedMembers(),
              (std::vector<std::string>{other, dir.File("later.prj")}));
    EXPECT_FALSE(members[1]->IsFound());
    EXPECT_TRUE(members[2]->IsFound());
    EXPECT_EQ(members[2]->GetTitle(), "Later");
    EXPECT_EQ(members[2]->GetFileName(), "later.prj") << "the name stays as written";
    EXPECT_FALSE(system.IsModified());
    EXPECT_TRUE(system.RereadChangedMembers().empty());
}

TEST_F(SystemDocTest, MembersBlockNamesEachFileAndCountsTheMissing) {
    WriteProject("alpha.prj", "Alpha");
    std::string path = dir.File("system.sle");
    TempDir::WriteFile(path,
                       "[KORVAL]\nKORVAL_Type=System\n[Filter_Values]\nIntermediate_Totals=OFF\n"
                       "[Projects]\nFile_Name00=alpha.prj\nFile_Name01=gone.prj\n");
    platform.ExpectDialogCancel();
    cSystemDoc system(context);
    ASSERT_TRUE(system.LoadModel(path));
    EXPECT_EQ(system.MissingMemberCount(), 1u);
    cTextReportSurface surface;
    cDrawContext dc(surface);
    int y = 5;
    system.DrawReport(dc, y, 0);
    dc.layout.DrawAll(surface);
    std::string text = surface.Render();
    std::size_t block = text.find("PROJECT MEMBERS:");
    ASSERT_NE(block, std::string::npos) << "shown even without the summary table\n" << text;
    std::string members = text.substr(block);
    for (const char* line :
         {"    Project Number", "Title", "File", "    1", "Alpha", "alpha.prj", "    2",
          "file not found", "gone.prj", "    Member Files Not Found:", "1 of 2"}) {
        EXPECT_NE(members.find(line), std::string::npos) << line << "\n" << members;
    }
    EXPECT_LT(members.find("gone.prj"), members.find("Member Files Not Found:"));
}

TEST_F(SystemDocTest, DisplayOptionsShowOnlyTheSystemSwitches) {
    cSystemDoc system(context);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cDisplayOptionsDlg&>(logic);
        EXPECT_TRUE(dialog.IsVisible(cDisplayOptionsDlg::kTotalsBox));
        EXPECT_FALSE(dialog.IsVisible(cDisplayOptionsDlg::kSensitivityBox));
        EXPECT_FALSE(dialog.IsVisible(cDisplayOptionsDlg::kPhaseDistributionBox));
        EXPECT_FALSE(dialog.IsVisible(cDisplayOptionsDlg::kModelDescriptionsBox));
        EXPECT_TRUE(dialog.IsVisible(cDisplayOptionsDlg::kChartsBox));
        dialog.SetChecked(cDisplayOptionsDlg::kTotalsBox, false);
        dialog.SetChecked(cDisplayOptionsDlg::kChartsBox, false);
        return true;
    });
    system.OnDisplayOptions();
    EXPECT_EQ(system.GetFilter(cModelDoc::kChartsSwitch), FilterState::Off);
    EXPECT_EQ(system.GetFilter(cModelDoc::kStaffingSwitch), FilterState::On);
    EXPECT_EQ(system.GetFilter(cModelDoc::kTotalsSwitch), FilterState::Off);
    EXPECT_EQ(system.GetFilter(cModelDoc::kSensitivityAnalysisSwitch), FilterState::Off);
}

}  // namespace
}  // namespace korval

namespace korval {
namespace {

// Members that are system files, garbage, missing or listed many times open without harm:
// each counts as an empty project, and repeated projects count each time they are listed.
TEST(SystemBadInputTest, OddMembersOpenAndCountAsTheyShould) {
    TempDir dir;
    testing::cScriptedPlatform platform;
    platform.AcceptAllMessages();
    cAppContext context{platform, KORVAL_DEFAULTS_PROFILE};
    std::string project = dir.File("real.prj");
    {
        cProjectDoc real(context);
        real.FunctionPointModel().SetCount(0, 10);
        real.FunctionPointModel().SetSelectedLanguage(cLanguage("Java", 53));
        ASSERT_TRUE(real.SaveAs(project));
    }
    std::string garbage = dir.File("garbage.prj");
    TempDir::WriteFile(garbage, std::string("\x00\xFF[KORVAL\n=\n[[[]]]", 16));
    std::string nested = dir.File("nested.prj");
    TempDir::WriteFile(nested,
                       "[KORVAL]\nKORVAL_Type=System\n[Projects]\nFile_Name00=" + nested + "\n");

    std::string path = dir.File("big.sle");
    std::string content = "[KORVAL]\nKORVAL_Type=System\n[Projects]\n";
    const std::string files[] = {project, garbage, nested};
    for (int i = 0; i < 1000; ++i)
        content += IndexedKey("File_Name", i) + "=" + files[i % 3] + "\n";
    TempDir::WriteFile(path, content);

    cSystemDoc system(context);
    ASSERT_TRUE(system.LoadModel(path));
    ASSERT_EQ(system.GetMembers().size(), 1000u);
    double oneProject = system.GetMembers()[0]->Figures().sourceLines;
    EXPECT_GT(oneProject, 0);
    EXPECT_DOUBLE_EQ(system.GetTotalSloc(), 334 * oneProject);
    EXPECT_TRUE(std::isfinite(system.GetSystemMbi()));
    EXPECT_TRUE(std::isfinite(system.GetTotalTdev()));
}

}  // namespace
}  // namespace korval
