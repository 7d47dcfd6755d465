#include <gtest/gtest.h>

#include <set>

#include "cocomo/cCocomoDoc.h"
#include "framework/cUncertaintyDlg.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "project/cProjectDoc.h"
#include "rayleigh/cRayleighDoc.h"
#include "simulation/UncertaintyEditing.h"
#include "system/cSystemDoc.h"
#include "tests/simulation/SimulationTestSupport.h"

namespace korval {
namespace {

using testing::SimulationTest;

// Fills the first three-point row, the trial count and the first switch, then presses OK.
bool FillAndAccept(cDialogLogic& logic) {
    auto& dialog = dynamic_cast<cUncertaintyDlg&>(logic);
    dialog.SetThreePointText(0, cUncertaintyDlg::kOptimistic, "100");
    dialog.SetThreePointText(0, cUncertaintyDlg::kMostLikely, "150");
    dialog.SetThreePointText(0, cUncertaintyDlg::kPessimistic, "300");
    dialog.SetRunText(cUncertaintyDlg::kTrialsField, "2000");
    if (dialog.SwitchCount() > 0) dialog.SetSwitch(0, true);
    return dialog.OnOk();
}

TEST_F(SimulationTest, TheUncertaintyCommandStoresEachKindsInputs) {
    auto cocomoDoc = Open(CopyExample("flight-management.CCM"));
    platform.ExpectDialog(FillAndAccept);
    ASSERT_TRUE(EditUncertainty(*cocomoDoc));
    const CocomoUncertainty& cocomo = dynamic_cast<cCocomoDoc&>(*cocomoDoc).GetUncertainty();
    EXPECT_EQ(cocomo.size, (ThreePointEstimate{100, 150, 300}));
    EXPECT_EQ(cocomo.run.trials, 2000);
    EXPECT_TRUE(cocomoDoc->IsModified());

    auto projectDoc = Open(CopyExample("payroll.PRJ"));
    platform.ExpectDialog(FillAndAccept);
    ASSERT_TRUE(EditUncertainty(*projectDoc));
    auto& project = dynamic_cast<cProjectDoc&>(*projectDoc);
    EXPECT_EQ(project.GetFunctionPointModel()->GetUncertainty().unadjustedFunctionPoints,
              (ThreePointEstimate{100, 150, 300}));
    EXPECT_TRUE(project.GetRayleighModel()->GetUncertainty().productivityVaries);
    EXPECT_EQ(project.GetSimulationSettings().trials, 2000);
    EXPECT_TRUE(HasUncertainty(project));
}

TEST_F(SimulationTest, CancelOrNoChangeLeavesTheDocumentAlone) {
    auto document = Open(CopyExample("flight-management.CCM"));
    platform.ExpectDialogCancel();
    EXPECT_FALSE(EditUncertainty(*document));
    platform.ExpectDialog(
        [](cDialogLogic& logic) { return dynamic_cast<cUncertaintyDlg&>(logic).OnOk(); });
    EXPECT_FALSE(EditUncertainty(*document));
    EXPECT_FALSE(document->IsModified());
}

TEST_F(SimulationTest, TheSystemDialogChoosesCorrelatedMembers) {
    cSystemDoc system(context);
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cUncertaintyDlg&>(logic);
        EXPECT_EQ(dialog.ThreePointCount(), 1);  // the labour rate
        EXPECT_EQ(dialog.ThreePointLabel(0), "Labour rate per person month");
        dialog.SetSwitch(0, true);
        return dialog.OnOk();
    });
    ASSERT_TRUE(EditUncertainty(system));
    EXPECT_TRUE(system.GetSimulationSettings().correlatedMembers);
}

constexpr const char* kDriverRanges =
    "[COCOMO_Uncertainty]\r\nDriver_Lowest02=H\r\nDriver_Highest02=VH\r\n"
    "Driver_Lowest07=N\r\nDriver_Highest07=H\r\n";

// CPLX (the third driver) ranges from High to Very High and ACAP (the eighth) from Nominal
// to High; RELY has no Extra High rating.
TEST_F(SimulationTest, TheCocomoDialogEditsEachCostDriversRatingRange) {
    auto document = Open(CopyExample("flight-management.CCM", kDriverRanges));
    platform.ExpectDialog([](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cUncertaintyDlg&>(logic);
        EXPECT_EQ(dialog.RatingRangeCount(), 15);
        EXPECT_EQ(dialog.RatingRangeLabel(0), "RELY Required Software Reliability");
        EXPECT_EQ(dialog.RatingChoices(0),
                  (std::vector<int>{kVeryLow, kLow, kNominal, kHigh, kVeryHigh}));
        EXPECT_EQ(dialog.RatingName(0, kExtraHigh), "Extra High");
        EXPECT_EQ(dialog.GetRangeEnd(2, cUncertaintyDlg::kLowestEnd), kHigh);
        EXPECT_EQ(dialog.GetRangeEnd(2, cUncertaintyDlg::kHighestEnd), kVeryHigh);
        dialog.SetRangeEnd(0, cUncertaintyDlg::kLowestEnd, kLow);
        dialog.SetRangeEnd(0, cUncertaintyDlg::kHighestEnd, kHigh);
        dialog.SetRangeEnd(7, cUncertaintyDlg::kLowestEnd, cUncertaintyDlg::kNoRating);
        dialog.SetRangeEnd(7, cUncertaintyDlg::kHighestEnd, cUncertaintyDlg::kNoRating);
        return dialog.OnOk();
    });
    ASSERT_TRUE(EditUncertainty(*document));
    const CocomoUncertainty& u = dynamic_cast<cCocomoDoc&>(*document).GetUncertainty();
    ASSERT_EQ(u.driverRanges.size(), 15u);
    EXPECT_EQ(u.driverRanges[0], (RatingRange{kLow, kHigh}));
    EXPECT_EQ(u.driverRanges[2], (RatingRange{kHigh, kVeryHigh}));
    EXPECT_FALSE(u.driverRanges[7]);
}

// The project's COCOMO model varies its drivers in every project trial, so its dialog has
// them too; the influence range given by one end is refused, not dropped.
TEST_F(SimulationTest, TheProjectDialogHasTheDriversAndRefusesHalfAnInfluenceRange) {
    auto document = Open(CopyExample(
        "payroll.PRJ",
        std::string("[Function_Point_Uncertainty]\r\nTDI_Lowest=36\r\nTDI_Highest=48\r\n") +
            kDriverRanges));
    platform.ExpectDialog([this](cDialogLogic& logic) {
        auto& dialog = dynamic_cast<cUncertaintyDlg&>(logic);
        EXPECT_EQ(dialog.RatingRangeCount(), 15);
        // Both models have a size: a message about one must say which.
        std::set<std::string> labels;
        for (int row = 0; row < dialog.ThreePointCount(); ++row)
            EXPECT_TRUE(labels.insert(dialog.ThreePointLabel(row)).second)
                << dialog.ThreePointLabel(row);
        EXPECT_EQ(dialog.GetRangeEnd(7, cUncertaintyDlg::kHighestEnd), kHigh);
        dialog.SetRangeEnd(14, cUncertaintyDlg::kLowestEnd, kNominal);
        dialog.SetRangeEnd(14, cUncertaintyDlg::kHighestEnd, kVeryHigh);
        EXPECT_EQ(dialog.NumberLabel(1), "Highest total degree of influence");
        dialog.SetNumberText(1, "");
        platform.ExpectMessage();
        EXPECT_FALSE(dialog.OnOk());
        EXPECT_EQ(platform.Messages().back(),
                  "Total degree of influence: give both the lowest and the highest value, or "
                  "neither.");
        dialog.SetNumberText(0, "");
        return dialog.OnOk();
    });
    ASSERT_TRUE(EditUncertainty(*document));
    auto& project = dynamic_cast<cProjectDoc&>(*document);
    EXPECT_EQ(project.GetCocomoModel()->GetUncertainty().driverRanges.at(14),
              (RatingRange{kNominal, kVeryHigh}));
    EXPECT_FALSE(project.GetFunctionPointModel()->GetUncertainty().totalDegreeOfInfluence);
}

}  // namespace
}  // namespace korval
