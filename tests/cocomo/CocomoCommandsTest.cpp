#include "cocomo/cCocomoAttributesDlg.h"
#include "cocomo/cCocomoReverseDlg.h"
#include "cocomo/cCocomoSensitivityDlg.h"
#include "cocomo/cCostDriverDlg.h"
#include "framework/ProfileAccess.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cDocObserver.h"
#include "tests/cocomo/CocomoTestSupport.h"

namespace korval::testing {
namespace {

struct CountingView : cDocObserver {
    int updates = 0;
    void OnDocumentUpdated(cModelDoc&) override { ++updates; }
};

class Commands : public CocomoTest {
  protected:
    std::unique_ptr<cCocomoDoc> document = Estimate(DevelopmentMode::Semidetached, 32000);
    CountingView view;

    void SetUp() override { document->AddObserver(&view); }
    void TearDown() override { document->RemoveObserver(&view); }

    template <class Dialog, class Script>
    void ExpectDialog(Script script) {
        platform.ExpectDialog([script](cDialogLogic& logic) {
            auto* dialog = dynamic_cast<Dialog*>(&logic);
            EXPECT_NE(dialog, nullptr) << logic.Title();
            return dialog != nullptr && script(*dialog);
        });
    }
};

TEST_F(Commands, AttributesOkStoresIntermediateModeAndSize) {
    document->SetModelType(ModelType::Advanced);
    ExpectDialog<cCocomoAttributesDlg>([](cCocomoAttributesDlg& dlg) {
        EXPECT_EQ(dlg.GetSelectedModel(), ModelType::Intermediate);
        dlg.OnRadioMode(DevelopmentMode::Embedded);
        dlg.SetSourceLinesText("48000");
        return dlg.OnOk();
    });
    document->OnAttributes();
    EXPECT_EQ(document->GetModelType(), ModelType::Intermediate);
    EXPECT_EQ(document->GetDevelopmentMode(), DevelopmentMode::Embedded);
    EXPECT_EQ(document->GetSourceLines(), 48000);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(view.updates, 1);
    EXPECT_EQ(platform.Dialogs(), std::vector<std::string>{"COCOMO Attributes"});
}

TEST_F(Commands, AttributesInsideAProjectCannotEditTheSize) {
    document->SetSlocEditable(false);
    ExpectDialog<cCocomoAttributesDlg>([](cCocomoAttributesDlg& dlg) {
        EXPECT_FALSE(dlg.IsSourceLinesEnabled());
        return dlg.OnOk();
    });
    document->OnAttributes();
    EXPECT_EQ(document->GetSourceLines(), 32000);
}

TEST_F(Commands, CancelledDialogsChangeNothing) {
    RangedFigure before = document->GetTimeToDevelopRange();
    ExpectDialog<cCocomoAttributesDlg>([](cCocomoAttributesDlg& dlg) {
        dlg.OnRadioMode(DevelopmentMode::Organic);
        return false;
    });
    ExpectDialog<cCostDriverDlg>([](cCostDriverDlg& dlg) {
        dlg.OnRating(kVeryHigh);
        return false;
    });
    ExpectDialog<cCocomoSensitivityDlg>([](cCocomoSensitivityDlg& dlg) {
        dlg.SetFieldText(cCocomoSensitivityDlg::kSlocField, "50");
        return false;
    });
    document->OnAttributes();
    document->OnCostDrivers();
    document->OnSensitivityAnalysis();
    EXPECT_EQ(document->GetTimeToDevelopRange(), before);
    EXPECT_EQ(document->GetSlocSensitivity(), 0);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(view.updates, 0);
}

TEST_F(Commands, CostDriversOkCopiesTheRatingsBack) {
    ExpectDialog<cCostDriverDlg>([](cCostDriverDlg& dlg) {
        dlg.OnGroupChoice(cCostDriverDlg::kPersonnelGroup);
        dlg.OnRating(kHigh);  // ACAP, the first Personnel row
        return true;
    });
    document->OnCostDrivers();
    EXPECT_EQ(document->GetCostDrivers()[DriverIndex("ACAP", *document)].GetRating(), kHigh);
    EXPECT_DOUBLE_EQ(document->GetEffortAdjustmentFactor(), 0.86);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(view.updates, 1);
}

TEST_F(Commands, CostDriversWithoutAttributes) {
    UseProfile({"; no cost drivers"});
    auto bare = NewDocument();
    platform.ExpectMessage();
    bare->OnCostDrivers();
    EXPECT_EQ(platform.Messages(),
              std::vector<std::string>{"No cost driver attributes could be found."});
    EXPECT_TRUE(platform.Dialogs().empty());
}

TEST_F(Commands, SensitivityOkStoresTheSettings) {
    ExpectDialog<cCocomoSensitivityDlg>([](cCocomoSensitivityDlg& dlg) {
        dlg.OnRadioType(CocomoSensitivityType::NominalEffort);
        dlg.SetFieldText(cCocomoSensitivityDlg::kNominalField, "25");
        return dlg.OnOk();
    });
    document->OnSensitivityAnalysis();
    EXPECT_EQ(document->GetSensitivityType(), CocomoSensitivityType::NominalEffort);
    EXPECT_EQ(document->GetNominalSensitivity(), 25);
    EXPECT_TRUE(document->IsModified());
}

TEST_F(Commands, ReverseEngineeringStartsFromTheFiguresAndChangesNothing) {
    ExpectDialog<cCocomoReverseDlg>([](cCocomoReverseDlg& dlg) {
        EXPECT_EQ(dlg.GetOriginalText(cCocomoReverseDlg::kSourceLinesRow), "32000.0");
        EXPECT_EQ(dlg.GetOriginalText(cCocomoReverseDlg::kNominalEffortRow), "145.5");
        EXPECT_EQ(dlg.GetOriginalText(cCocomoReverseDlg::kTimeToDevelopRow), "14.3");
        dlg.OnModifyRadio(cCocomoReverseDlg::kNominalEffortRow);
        dlg.SetInputText(cCocomoReverseDlg::kNominalEffortRow, "200");
        EXPECT_TRUE(dlg.OnCalculate());
        return true;
    });
    document->OnReverseEngineering();
    EXPECT_EQ(document->GetSourceLines(), 32000);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(view.updates, 0);
}

TEST_F(Commands, InitializeResetsOnYesOnly) {
    document->SetCocomoSensitivity(10, 0, 0, CocomoSensitivityType::Sloc);
    platform.ExpectMessage(MessageAnswer::No);
    document->OnInitialize();
    EXPECT_EQ(document->GetSourceLines(), 32000);
    platform.ExpectMessage(MessageAnswer::Yes);
    document->OnInitialize();
    EXPECT_EQ(platform.Messages().back(),
              "All existing data for the COCOMO model will be reset to their default "
              "values.\n\nContinue?");
    EXPECT_EQ(document->GetSourceLines(), 0);
    EXPECT_EQ(document->GetSlocSensitivity(), 0);
    EXPECT_EQ(document->GetDevelopmentMode(), DevelopmentMode::Semidetached);
    EXPECT_EQ(document->GetCostDrivers().size(), 15u);
    EXPECT_TRUE(document->IsModified());
}

TEST_F(Commands, DisplayOptionsOfferTheFiveSwitches) {
    ExpectDialog<cDisplayOptionsDlg>([](cDisplayOptionsDlg& dlg) {
        EXPECT_FALSE(dlg.IsVisible(cDisplayOptionsDlg::kModelDescriptionsBox));
        EXPECT_TRUE(dlg.IsVisible(cDisplayOptionsDlg::kPhaseDistributionBox));
        EXPECT_TRUE(dlg.IsVisible(cDisplayOptionsDlg::kSensitivityBox));
        dlg.SetChecked(cDisplayOptionsDlg::kPhaseDistributionBox, true);
        return true;
    });
    document->OnDisplayOptions();
    EXPECT_EQ(document->GetFilter(cModelDoc::kPhaseDistributionSwitch), FilterState::On);
    EXPECT_EQ(ReportRows(*document).size(), 22u + 5u + 1u)
        << "with the staffing block and the chart's heading";
}

}  // namespace
}  // namespace korval::testing
