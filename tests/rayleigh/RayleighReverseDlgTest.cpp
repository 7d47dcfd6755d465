#include <gtest/gtest.h>

#include <cmath>

#include "rayleigh/RayleighFormulas.h"
#include "rayleigh/cRayleighReverseDlg.h"
#include "tests/rayleigh/RayleighTestSupport.h"

namespace korval {
namespace {

using Dlg = cRayleighReverseDlg;
using testing::RayleighDocFixture;

class RayleighReverseDlgTest : public RayleighDocFixture {
  protected:
    // Business (PI 17), SLOC 50000, TDEV 20 months, 75 %.
    cRayleighDoc& Document() {
        doc_.SetSourceLines(50000);
        doc_.SetSchedule(20);
        return doc_;
    }

    double NominalMbi() { return doc_.ManpowerBuildupIndex(); }

    double Measure() { return doc_.SelectedApplicationType()->Productivity().Measure(); }

  private:
    cRayleighDoc doc_{context};
};

TEST(IsNumberTextTest, PlainDecimalsOnly) {
    const std::pair<const char*, bool> cases[] = {
        {"12", true},     {"  12.5  ", true}, {"-3", true},      {"-", true},     {".", true},
        {"-.", true},     {"0.", true},       {"\t7\r\n", true}, {"", false},     {"   ", false},
        {"1-", false},    {"--1", false},     {"+1", false},     {"1e5", false},  {"1 2", false},
        {"1.2.3", false}, {"- 1", false},     {"abc", false},    {"12,5", false},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(IsNumberText(text), number) << '"' << text << '"';
}

TEST_F(RayleighReverseDlgTest, OpensWithTheDocumentInEveryColumn) {
    cRayleighDoc& doc = Document();
    Dlg dialog(platform, doc);
    EXPECT_EQ(dialog.GetInputText(Dlg::kSlocRow), "50000.0");
    EXPECT_EQ(dialog.GetInputText(Dlg::kScheduleRow), "20.0");
    EXPECT_EQ(dialog.GetOriginalText(Dlg::kScheduleRow), "20.0");
    EXPECT_EQ(dialog.GetOutputText(Dlg::kSlocRow), "50000.0");
    EXPECT_DOUBLE_EQ(dialog.GetOriginal(Dlg::kMbiRow), NominalMbi());
    EXPECT_EQ(dialog.GetOutputText(Dlg::kMbiRow), "-2.8");
    EXPECT_NEAR(dialog.GetBuildup(), std::pow(2.0, NominalMbi() + 2), 1e-12);
    EXPECT_EQ(dialog.GetModifyRow(), Dlg::kSlocRow);
    EXPECT_EQ(dialog.GetFixedRow(), Dlg::kScheduleRow);
    EXPECT_TRUE(dialog.IsInputEnabled(Dlg::kSlocRow));
    EXPECT_FALSE(dialog.IsInputEnabled(Dlg::kScheduleRow));
    EXPECT_FALSE(dialog.IsFixedRadioEnabled(Dlg::kSlocRow));
    EXPECT_TRUE(dialog.IsFixedRadioEnabled(Dlg::kMbiRow));
    EXPECT_EQ(dialog.GetFocusRow(), Dlg::kSlocRow);
}

TEST_F(RayleighReverseDlgTest, DoublingTheSizeWithTheScheduleFixedRaisesTheIndexByThree) {
    Dlg dialog(platform, Document());
    dialog.SetInputText(Dlg::kSlocRow, "100000");
    ASSERT_TRUE(dialog.OnCalculate());
    EXPECT_NEAR(dialog.GetOutput(Dlg::kMbiRow) - dialog.GetOriginal(Dlg::kMbiRow), 3, 1e-9);
    EXPECT_EQ(dialog.GetOutput(Dlg::kScheduleRow), 20);
    EXPECT_EQ(dialog.GetInputText(Dlg::kSlocRow), "100000.0");
    EXPECT_NEAR(dialog.GetBuildup(), 8 * std::pow(2.0, dialog.GetOriginal(Dlg::kMbiRow) + 2), 1e-9);
}

TEST_F(RayleighReverseDlgTest, EveryPairSolvesForTheThirdRow) {
    cRayleighDoc& doc = Document();
    const double p = 75;
    const double pm = Measure();
    const double originalBuildup = std::pow(2.0, NominalMbi() + 2);
    struct Case {
        Dlg::Row modify;
        Dlg::Row fixed;
        double sloc, tdev, mbi;  // expected outputs
    };
    const double buildupAt45 = std::pow(2.0, 6.5);
    const Case cases[] = {
        {Dlg::kSlocRow, Dlg::kScheduleRow, 60000, 20,
         MbiFromBuildup(BuildupFromSizeAndSchedule(60000, 20, p, pm))},
        {Dlg::kSlocRow, Dlg::kMbiRow, 60000, ScheduleFromBuildup(60000, originalBuildup, p, pm),
         NominalMbi()},
        {Dlg::kScheduleRow, Dlg::kSlocRow, 50000, 16,
         MbiFromBuildup(BuildupFromSizeAndSchedule(50000, 16, p, pm))},
        {Dlg::kScheduleRow, Dlg::kMbiRow, SizeFromBuildup(16, originalBuildup, p, pm), 16,
         NominalMbi()},
        {Dlg::kMbiRow, Dlg::kSlocRow, 50000, ScheduleFromBuildup(50000, buildupAt45, p, pm), 4.5},
        {Dlg::kMbiRow, Dlg::kScheduleRow, SizeFromBuildup(20, buildupAt45, p, pm), 20, 4.5},
    };
    for (const Case& c : cases) {
        Dlg dialog(platform, doc);
        dialog.OnModifyRadio(c.modify);
        dialog.OnFixedRadio(c.fixed);
        ASSERT_EQ(dialog.GetModifyRow(), c.modify);
        ASSERT_EQ(dialog.GetFixedRow(), c.fixed);
        dialog.SetInputText(Dlg::kSlocRow, "60000");
        dialog.SetInputText(Dlg::kScheduleRow, "16");
        dialog.SetInputText(Dlg::kMbiRow, "4.5");
        ASSERT_TRUE(dialog.OnCalculate());
        // The radio clicks calculate too, from inputs shown to seven decimals.
        EXPECT_NEAR(dialog.GetOutput(Dlg::kSlocRow), c.sloc, 1e-2) << c.modify << "/" << c.fixed;
        EXPECT_NEAR(dialog.GetOutput(Dlg::kScheduleRow), c.tdev, 1e-6)
            << c.modify << "/" << c.fixed;
        EXPECT_NEAR(dialog.GetOutput(Dlg::kMbiRow), c.mbi, 1e-6) << c.modify << "/" << c.fixed;
    }
}

TEST_F(RayleighReverseDlgTest, ResetReturnsToTheOriginalBuildup) {
    Dlg dialog(platform, Document());
    dialog.OnModifyRadio(Dlg::kScheduleRow);
    dialog.OnFixedRadio(Dlg::kMbiRow);
    dialog.SetInputText(Dlg::kScheduleRow, "10");
    dialog.OnCalculate();
    dialog.OnModifyRadio(Dlg::kMbiRow);
    dialog.SetInputText(Dlg::kMbiRow, "6");
    dialog.OnCalculate();
    dialog.OnReset();
    EXPECT_EQ(dialog.GetModifyRow(), Dlg::kSlocRow);
    EXPECT_EQ(dialog.GetFixedRow(), Dlg::kScheduleRow);
    EXPECT_EQ(dialog.GetInputText(Dlg::kScheduleRow), "20.0");
    dialog.OnFixedRadio(Dlg::kMbiRow);
    dialog.SetInputText(Dlg::kSlocRow, "50000");
    ASSERT_TRUE(dialog.OnCalculate());
    EXPECT_NEAR(dialog.GetOutput(Dlg::kScheduleRow), 20, 1e-9)
        << "the original MBI gives back the original TDEV";
}

TEST_F(RayleighReverseDlgTest, ClickingTheFixedRowAsModifyMovesTheFixedRow) {
    Dlg dialog(platform, Document());
    const std::pair<Dlg::Row, Dlg::Row> moves[] = {{Dlg::kScheduleRow, Dlg::kMbiRow},
                                                   {Dlg::kMbiRow, Dlg::kSlocRow},
                                                   {Dlg::kSlocRow, Dlg::kScheduleRow}};
    for (const auto& [modify, fixedAfter] : moves) {
        dialog.OnFixedRadio(modify);
        dialog.OnModifyRadio(modify);
        EXPECT_EQ(dialog.GetFixedRow(), fixedAfter);
        EXPECT_TRUE(dialog.IsInputEnabled(modify));
        EXPECT_FALSE(dialog.IsFixedRadioEnabled(modify));
    }
}

struct RefusedCase {
    Dlg::Row row;
    const char* text;
    const char* message;
};

TEST_F(RayleighReverseDlgTest, InputsAreCheckedInOrderAndTheRefusedRowBecomesModify) {
    const RefusedCase cases[] = {
        {Dlg::kSlocRow, "5e4", "Please enter a number."},
        {Dlg::kSlocRow, "-", "Please enter a number."},
        {Dlg::kSlocRow, "0", "Source lines of code must be greater than zero."},
        {Dlg::kScheduleRow, "+20", "Please enter a number."},
        {Dlg::kScheduleRow, "-20", "Time to develop must be greater than zero."},
        {Dlg::kMbiRow, "1 5", "Please enter a number."},
    };
    for (const RefusedCase& c : cases) {
        Dlg dialog(platform, Document());
        dialog.OnModifyRadio(Dlg::kMbiRow);
        dialog.OnFixedRadio(c.row == Dlg::kMbiRow ? Dlg::kSlocRow : c.row);
        dialog.SetInputText(c.row, c.text);
        platform.ExpectMessage();
        EXPECT_FALSE(dialog.OnCalculate()) << c.text;
        EXPECT_EQ(platform.Messages().back(), c.message);
        EXPECT_EQ(dialog.GetModifyRow(), c.row);
        EXPECT_NE(dialog.GetFixedRow(), c.row) << "never the same row";
        EXPECT_TRUE(dialog.IsInputEnabled(c.row));
        EXPECT_EQ(dialog.GetFocusRow(), c.row);
        EXPECT_EQ(dialog.GetInputText(c.row), c.text) << "a refused text stays for correcting";
    }
    Dlg dialog(platform, Document());
    dialog.SetInputText(Dlg::kMbiRow, "-.");
    EXPECT_TRUE(dialog.OnCalculate()) << "no range on the MBI";
}

TEST_F(RayleighReverseDlgTest, WithoutASizeEveryStepAsksForOne) {
    cRayleighDoc& doc = Document();
    doc.SetSourceLines(0);
    Dlg dialog(platform, doc);
    EXPECT_EQ(dialog.GetOriginal(Dlg::kMbiRow), 0)
        << "no buildup is shown as 0, not minus infinity";
    for (int attempt = 0; attempt < 3; ++attempt) platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnCalculate());
    dialog.OnModifyRadio(Dlg::kScheduleRow);
    dialog.OnFixedRadio(Dlg::kMbiRow);
    for (const std::string& message : platform.Messages()) {
        EXPECT_EQ(message, "Source lines of code must be greater than zero.");
    }
    EXPECT_EQ(dialog.GetModifyRow(), Dlg::kSlocRow);
    dialog.SetInputText(Dlg::kSlocRow, "1000");
    dialog.OnModifyRadio(Dlg::kScheduleRow);
    ASSERT_TRUE(dialog.OnCalculate());
    for (auto row : {Dlg::kSlocRow, Dlg::kScheduleRow, Dlg::kMbiRow}) {
        EXPECT_TRUE(std::isfinite(dialog.GetOutput(row))) << row;
    }
}

TEST_F(RayleighReverseDlgTest, CommandNeverChangesTheDocument) {
    cRayleighDoc& doc = Document();
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<Dlg&>(logic);
        dialog.SetInputText(Dlg::kSlocRow, "90000");
        dialog.OnCalculate();
        return true;
    });
    doc.OnReverseEngineering();
    EXPECT_EQ(doc.GetSourceLines(), 50000);
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace korval
