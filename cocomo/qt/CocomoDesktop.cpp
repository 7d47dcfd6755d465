#include "cocomo/qt/CocomoDesktop.h"

#include "app/qt/AppCommands.h"
#include "app/qt/CommandHandlers.h"
#include "app/qt/cDialogFormRegistry.h"
#include "cocomo/cCocomoAttributesDlg.h"
#include "cocomo/cCocomoDoc.h"
#include "cocomo/cCocomoReverseDlg.h"
#include "cocomo/cCocomoSensitivityDlg.h"
#include "cocomo/cCostDriverDlg.h"
#include "cocomo/qt/cCocomoAttributesForm.h"
#include "cocomo/qt/cCocomoReverseForm.h"
#include "cocomo/qt/cCocomoSensitivityForm.h"
#include "cocomo/qt/cCostDriverForm.h"

namespace korval {

void RegisterCocomoDesktop() {
    cDialogFormRegistry::RegisterForm<cCocomoAttributesForm, cCocomoAttributesDlg>();
    cDialogFormRegistry::RegisterForm<cCostDriverForm, cCostDriverDlg>();
    cDialogFormRegistry::RegisterForm<cCocomoSensitivityForm, cCocomoSensitivityDlg>();
    cDialogFormRegistry::RegisterForm<cCocomoReverseForm, cCocomoReverseDlg>();

    // Description and Initialize are every document's own (RegisterAppDesktop).
    constexpr DocumentKind kind = DocumentKind::Cocomo;
    cDocumentCommands::Register(kind, commands::kCocomoAttributes,
                                DocumentCommand<cCocomoDoc, &cCocomoDoc::OnAttributes>());
    cDocumentCommands::Register(kind, commands::kCocomoCostDrivers,
                                DocumentCommand<cCocomoDoc, &cCocomoDoc::OnCostDrivers>());
    cDocumentCommands::Register(kind, commands::kCocomoSensitivity,
                                DocumentCommand<cCocomoDoc, &cCocomoDoc::OnSensitivityAnalysis>());
    cDocumentCommands::Register(kind, commands::kCocomoReverse,
                                DocumentCommand<cCocomoDoc, &cCocomoDoc::OnReverseEngineering>());
    cDocumentCommands::Register(kind, commands::kCocomoCost,
                                DocumentCommand<cCocomoDoc, &cCocomoDoc::OnCost>());
}

}  // namespace korval
