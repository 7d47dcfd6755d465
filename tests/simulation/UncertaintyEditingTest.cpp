#include <gtest/gtest.h>

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

}  // namespace
}  // namespace korval
