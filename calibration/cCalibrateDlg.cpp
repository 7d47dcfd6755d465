#include "calibration/cCalibrateDlg.h"

#include "app/RememberedProfile.h"
#include "calibration/CalibrationReport.h"
#include "framework/NumberText.h"

namespace korval {

namespace {

constexpr const char* kHistoryFilters = "Histories (*.csv)|*.csv|All files (*.*)|*.*|";
constexpr const char* kProfileFilters = "Defaults profiles (*.ini)|*.ini|";

}  // namespace

cCalibrateDlg::cCalibrateDlg(cAppContext& context, const std::string& historyPath)
    : context_(context),
      calibration_(CalibrateFromFile(historyPath, ReadCalibrationBaseline(context))),
      items_(CalibrationItems(calibration_)) {}

std::optional<std::string> cCalibrateDlg::PromptHistoryPath(cPlatformServices& platform) {
    std::string path = platform.PromptOpenFileNameTitled("Calibrate from History", "*.csv",
                                                         kHistoryFilters, "csv");
    if (path.empty()) return std::nullopt;
    return path;
}

std::string cCalibrateDlg::Summary() const {
    const History& history = calibration_.history;
    if (!history.readable) return "No project could be read from the history.";
    std::string text = CountOf(history.projects.size(), "project") + " used";
    if (history.problemCount > 0)
        text += "; " + CountOf(history.problemCount, "row") + " could not be used";
    if (items_.empty() && !history.projects.empty()) text += "; no fit has enough projects";
    return text + ".";
}

std::string cCalibrateDlg::ReportText() const {
    return CalibrationReportText(calibration_);
}

void cCalibrateDlg::SetApplied(std::size_t index, bool applied) {
    if (index < items_.size()) items_[index].applied = applied;
}

bool cCalibrateDlg::CanSaveProfile() const {
    for (const CalibrationItem& item : items_) {
        if (item.applied) return true;
    }
    return false;
}

bool cCalibrateDlg::OnSaveProfile() {
    if (!CanSaveProfile()) return false;
    cPlatformServices& platform = context_.platform;
    std::string path = platform.PromptSaveFileName("calibrated.ini", kProfileFilters, "ini");
    if (path.empty()) return false;
    ProfileWriteOutcome outcome = WriteCalibratedProfile(calibration_, items_, path);
    if (!outcome.ok) {
        platform.ShowMessage(outcome.message);
        return false;
    }
    savedPath_ = path;
    MessageAnswer answer = platform.ShowMessage(
        outcome.message + ".\nStart Korval with this defaults profile from now on?",
        MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) RememberProfile(platform, path);
    return true;
}

}  // namespace korval
