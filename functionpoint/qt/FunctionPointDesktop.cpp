#include "functionpoint/qt/FunctionPointDesktop.h"

#include "app/qt/AppCommands.h"
#include "app/qt/CommandHandlers.h"
#include "app/qt/cDialogFormRegistry.h"
#include "framework/cAppContext.h"
#include "functionpoint/cFpReverseDlg.h"
#include "functionpoint/cFpSensitivityDlg.h"
#include "functionpoint/cFunctionPointCountDlg.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "functionpoint/cLanguageDlg.h"
#include "functionpoint/cValueAdjustmentDlg.h"
#include "functionpoint/qt/cFpReverseForm.h"
#include "functionpoint/qt/cFpSensitivityForm.h"
#include "functionpoint/qt/cFunctionPointCountForm.h"
#include "functionpoint/qt/cLanguageForm.h"
#include "functionpoint/qt/cValueAdjustmentForm.h"

namespace korval {

void RegisterFunctionPointDesktop() {
    cDialogFormRegistry::RegisterForm<cFunctionPointCountForm, cFunctionPointCountDlg>();
    cDialogFormRegistry::RegisterForm<cValueAdjustmentForm, cValueAdjustmentDlg>();
    cDialogFormRegistry::RegisterForm<cFpSensitivityForm, cFpSensitivityDlg>();
    cDialogFormRegistry::RegisterForm<cFpReverseForm, cFpReverseDlg>();
    cDialogFormRegistry::RegisterForm<cLanguageForm, cLanguageDlg>();

    // Description and Initialize are every document's own (RegisterAppDesktop).
    using Doc = cFunctionPointDoc;
    constexpr DocumentKind kind = DocumentKind::FunctionPoint;
    cDocumentCommands::Register(kind, commands::kFpCount,
                                DocumentCommand<Doc, &Doc::OnFunctionPointCount>());
    cDocumentCommands::Register(kind, commands::kFpValueAdjustment,
                                DocumentCommand<Doc, &Doc::OnValueAdjustmentFactor>());
    cDocumentCommands::Register(kind, commands::kFpSensitivity,
                                DocumentCommand<Doc, &Doc::OnSensitivityAnalysis>());
    cDocumentCommands::Register(kind, commands::kFpReverse,
                                DocumentCommand<Doc, &Doc::OnReverseEngineering>());
    cDocumentCommands::Register(
        kind, commands::kOptionsLanguages,
        DocumentCommand<Doc, static_cast<bool (Doc::*)()>(&Doc::OnLanguages)>());
    cDocumentCommands::RegisterFrameCommand(commands::kOptionsLanguages, [](cAppContext& context) {
        cLanguageDlg::EditDefaultLanguages(context);
    });
}

}  // namespace korval
