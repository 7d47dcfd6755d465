#include <gtest/gtest.h>

#include "rayleigh/cRayleighSensitivityDlg.h"
#include "tests/rayleigh/RayleighTestSupport.h"

namespace korval {
namespace {

using Dlg = cRayleighSensitivityDlg;
using testing::RayleighDocFixture;

class RayleighSensitivityDlgTest : public RayleighDocFixture {};

TEST_F(RayleighSensitivityDlgTest, OpensWithTheCurrentTypeCheckedAndOnlyItsRowEnabled) {
    Dlg dialog(platform, 12.5, 7, 20, 3, 16.5, RayleighSensitivityType::Measure);
    EXPECT_EQ(dialog.GetText(Dlg::kSlocPercentField), "12.5");
    EXPECT_EQ(dialog.GetText(Dlg::kSchedulePercentField), "7");
    EXPECT_EQ(dialog.GetText(Dlg::kMeasurePercentField), "20");
    EXPECT_EQ(dialog.GetText(Dlg::kIndexStepsField), "3");
    EXPECT_EQ(dialog.GetText(Dlg::kSelectedIndexField), "17") << "PI rounded half away from zero";
    EXPECT_EQ(dialog.GetCheckedType(), RayleighSensitivityType::Measure);
    EXPECT_EQ(dialog.GetFocus(), Dlg::kMeasurePercentField);
    const Dlg::Field rows[] = {Dlg::kSlocPercentField, Dlg::kSchedulePercentField,
                               Dlg::kMeasurePercentField, Dlg::kIndexStepsField};
    for (int type = 0; type < 4; ++type) {
        dialog.OnRadio(static_cast<RayleighSensitivityType>(type));
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(dialog.IsEnabled(rows[row]), row == type) << type << row;
        EXPECT_EQ(dialog.GetFocus(), rows[type]);
        EXPECT_FALSE(dialog.IsEnabled(Dlg::kSelectedIndexField));
    }
    dialog.SetText(Dlg::kSelectedIndexField, "5");
    EXPECT_EQ(dialog.GetText(Dlg::kSelectedIndexField), "17") << "read-only";
}

TEST_F(RayleighSensitivityDlgTest, ProjectRangesOpenWithNoButtonChecked) {
    Dlg dialog(platform, 0, 0, 0, 3, 17, RayleighSensitivityType::ProjectRanges);
    EXPECT_EQ(dialog.GetCheckedType(), std::nullopt);
    for (int field = 0; field < Dlg::kFieldCount; ++field)
        EXPECT_FALSE(dialog.IsEnabled(static_cast<Dlg::Field>(field)));
    EXPECT_TRUE(dialog.OnOk());
}

struct RefusedCase {
    Dlg::Field field;
    const char* text;
    const char* message;
};

TEST_F(RayleighSensitivityDlgTest, OkChecksEveryFieldInOrder) {
    const RefusedCase cases[] = {
        {Dlg::kSlocPercentField, "100.5", "Please enter a number between 0 and 100."},
        {Dlg::kSlocPercentField, "ten", "Please enter a number."},
        {Dlg::kSchedulePercentField, "-1", "Please enter a number between 0 and 100."},
        {Dlg::kMeasurePercentField, "12.5", "Please enter an integer."},
        {Dlg::kMeasurePercentField, "101", "Please enter an integer between 0 and 100."},
        {Dlg::kIndexStepsField, "11", "Please enter an integer between 0 and 10."},
    };
    for (const RefusedCase& c : cases) {
        Dlg dialog(platform, 10, 10, 10, 3, 17, RayleighSensitivityType::Sloc);
        dialog.SetText(c.field, c.text);
        platform.ExpectMessage();
        EXPECT_FALSE(dialog.OnOk()) << c.text;
        EXPECT_EQ(platform.Messages().back(), c.message);
        EXPECT_EQ(dialog.GetFocus(), c.field);
    }
    Dlg accepted(platform, 10, 10, 10, 3, 17, RayleighSensitivityType::Sloc);
    accepted.SetText(Dlg::kSlocPercentField, " 100 ");
    accepted.SetText(Dlg::kIndexStepsField, "0");
    EXPECT_TRUE(accepted.OnOk());
    EXPECT_EQ(accepted.GetSlocPercent(), 100);
    EXPECT_EQ(accepted.GetIndexSteps(), 0);
}

TEST_F(RayleighSensitivityDlgTest, ATypeWhoseIndexRoundsToZeroIsRefused) {
    Dlg dialog(platform, 0, 0, 0, 3, 0.4, RayleighSensitivityType::Index);
    platform.ExpectMessage();
    EXPECT_FALSE(dialog.OnOk());
    EXPECT_EQ(platform.Messages().back(), "Please enter an integer between 1 and 40.");
}

TEST_F(RayleighSensitivityDlgTest, CommandStoresOnOkAndNothingOnCancel) {
    cRayleighDoc doc(context);
    platform.ExpectDialogCancel();
    doc.OnSensitivityAnalysis();
    EXPECT_FALSE(doc.IsModified());

    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<Dlg&>(logic);
        EXPECT_EQ(dialog.GetCheckedType(), RayleighSensitivityType::Sloc);
        dialog.OnRadio(RayleighSensitivityType::Index);
        dialog.SetText(Dlg::kIndexStepsField, "5");
        dialog.SetText(Dlg::kSchedulePercentField, "12.5");
        return dialog.OnOk();
    });
    doc.OnSensitivityAnalysis();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetSensitivityType(), RayleighSensitivityType::Index);
    EXPECT_EQ(doc.GetPiSensitivity(), 5);
    EXPECT_EQ(doc.GetScheduleSensitivityPercent(), 12.5);

    doc.SetSensitivityType(RayleighSensitivityType::ProjectRanges);
    platform.ExpectDialog([](cDialogLogic& logic) { return dynamic_cast<Dlg&>(logic).OnOk(); });
    doc.OnSensitivityAnalysis();
    EXPECT_EQ(doc.GetSensitivityType(), RayleighSensitivityType::ProjectRanges)
        << "no button chosen keeps type 4";
}

}  // namespace
}  // namespace korval
