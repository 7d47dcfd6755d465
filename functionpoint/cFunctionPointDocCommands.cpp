// The function point menu commands of cFunctionPointDoc. Each dialog works on copies of
// the model data; OK copies them back, marks the document modified and redraws its views.
#include "functionpoint/LanguageProfile.h"
#include "functionpoint/cFpReverseDlg.h"
#include "functionpoint/cFpSensitivityDlg.h"
#include "functionpoint/cFunctionPointCountDlg.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "functionpoint/cLanguageDlg.h"
#include "functionpoint/cValueAdjustmentDlg.h"

namespace korval {

bool cFunctionPointDoc::OnFunctionPointCount() {
    cFunctionPointCountDlg dialog(Platform(), counts_, selectedLanguage_, *languages_);
    if (!Platform().RunDialog(dialog)) return false;
    counts_ = dialog.GetFunctionCounts();
    selectedLanguage_ = dialog.GetSelectedLanguage();
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

bool cFunctionPointDoc::OnValueAdjustmentFactor() {
    cValueAdjustmentDlg dialog(ratings_);
    if (!Platform().RunDialog(dialog)) return false;
    ratings_ = dialog.GetRatings();
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

bool cFunctionPointDoc::OnSensitivityAnalysis() {
    cFpSensitivityDlg dialog(Platform(), sensitivity_);
    if (!Platform().RunDialog(dialog)) return false;
    SetSensitivity(dialog.GetSettings());
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

void cFunctionPointDoc::OnReverseEngineering() {
    OnReverseEngineeringWith(cProbabilitySolve::FetchFor(*this));
}

void cFunctionPointDoc::OnReverseEngineeringWith(cProbabilitySolve::Fetch simulation) {
    cFpReverseDlg dialog(Platform(), UnadjustedFunctionPoints(), AdjustedFunctionPoints(),
                         SourceLinesOfCode(), ValueAdjustmentFactor(), selectedLanguage_,
                         std::move(simulation));
    Platform().RunDialog(dialog);
}

bool cFunctionPointDoc::OnLanguages() {
    return OnLanguages(GetPathName());
}

bool cFunctionPointDoc::OnLanguages(const std::string& modelPath) {
    std::string editPath = DefaultsProfile();
    if (!modelPath.empty()) {
        std::string question = "Load languages from " + modelPath +
                               "?\n\n(Selecting 'NO' will load the KORVAL default languages.)\n";
        if (Platform().ShowMessage(question, MessageButtons::YesNo) == MessageAnswer::Yes)
            editPath = modelPath;
    }
    cLanguageDlg dialog(Context(), editPath, modelPath);
    if (!Platform().RunDialog(dialog)) return false;
    ReadLanguages(modelPath);
    SetModifiedFlag();
    UpdateAllViews();
    return true;
}

}  // namespace korval
