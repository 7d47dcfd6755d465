#include "rayleigh/qt/RayleighDesktop.h"

#include "app/qt/AppCommands.h"
#include "app/qt/CommandHandlers.h"
#include "app/qt/cDialogFormRegistry.h"
#include "rayleigh/cRayleighAttributesDlg.h"
#include "rayleigh/cRayleighDoc.h"
#include "rayleigh/cRayleighReverseDlg.h"
#include "rayleigh/cRayleighSensitivityDlg.h"
#include "rayleigh/qt/cRayleighAttributesForm.h"
#include "rayleigh/qt/cRayleighReverseForm.h"
#include "rayleigh/qt/cRayleighSensitivityForm.h"

namespace korval {

void RegisterRayleighDesktop() {
    cDialogFormRegistry::RegisterForm<cRayleighAttributesForm, cRayleighAttributesDlg>();
    cDialogFormRegistry::RegisterForm<cRayleighSensitivityForm, cRayleighSensitivityDlg>();
    cDialogFormRegistry::RegisterForm<cRayleighReverseForm, cRayleighReverseDlg>();

    // Description and Initialize are every document's own (RegisterAppDesktop).
    constexpr DocumentKind kind = DocumentKind::Rayleigh;
    cDocumentCommands::Register(kind, commands::kRayleighAttributes,
                                DocumentCommand<cRayleighDoc, &cRayleighDoc::OnAttributes>());
    cDocumentCommands::Register(
        kind, commands::kRayleighSensitivity,
        DocumentCommand<cRayleighDoc, &cRayleighDoc::OnSensitivityAnalysis>());
    cDocumentCommands::Register(
        kind, commands::kRayleighReverse,
        DocumentCommand<cRayleighDoc, &cRayleighDoc::OnReverseEngineering>());
    cDocumentCommands::Register(kind, commands::kRayleighCost,
                                DocumentCommand<cRayleighDoc, &cRayleighDoc::OnCost>());
}

}  // namespace korval
