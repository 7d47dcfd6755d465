#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calibration/CalibratedProfile.h"
#include "calibration/Calibration.h"
#include "framework/cAppContext.h"
#include "framework/cDialogLogic.h"

namespace korval {

// Tools, Calibrate from History: the calibration of one history against the defaults
// profile in use, the rows that could not be used, the report, and a tick for each fitted
// value; Save Profile writes the ticked values into a new profile, which the user may then
// choose as the one Korval starts with.
class cCalibrateDlg : public cDialogLogic {
  public:
    static constexpr int kHelpTopic = 300;

    cCalibrateDlg(cAppContext& context, const std::string& historyPath);

    const char* Title() const override { return "Calibrate from History"; }
    int HelpTopic() const override { return kHelpTopic; }

    // Asks for a history file and calibrates it; nothing when the user cancelled.
    static std::optional<std::string> PromptHistoryPath(cPlatformServices& platform);

    const Calibration& Result() const { return calibration_; }
    // "24 projects used; 2 rows could not be used."
    std::string Summary() const;
    std::vector<std::string> ProblemTexts() const { return calibration_.history.ProblemTexts(); }
    std::string ReportText() const;

    const std::vector<CalibrationItem>& Items() const { return items_; }
    void SetApplied(std::size_t index, bool applied);
    // Save Profile is enabled while a value is ticked.
    bool CanSaveProfile() const;
    // Asks where to write the profile, writes it and offers to start with it. True when
    // the profile was written.
    bool OnSaveProfile();
    const std::string& SavedProfilePath() const { return savedPath_; }

  private:
    cAppContext& context_;
    Calibration calibration_;
    std::vector<CalibrationItem> items_;
    std::string savedPath_;
};

}  // namespace korval
