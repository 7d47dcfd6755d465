#include "system/qt/SystemDesktop.h"

#include "app/qt/AppCommands.h"
#include "app/qt/CommandHandlers.h"
#include "app/qt/cDialogFormRegistry.h"
#include "system/cMissingProjectDlg.h"
#include "system/cSystemAttributesDlg.h"
#include "system/cSystemDoc.h"
#include "system/cSystemProjectsDlg.h"
#include "system/qt/cMissingProjectForm.h"
#include "system/qt/cSystemAttributesForm.h"
#include "system/qt/cSystemProjectsForm.h"

namespace korval {

void RegisterSystemDesktop() {
    cDialogFormRegistry::RegisterForm<cSystemAttributesForm, cSystemAttributesDlg>();
    cDialogFormRegistry::RegisterForm<cSystemProjectsForm, cSystemProjectsDlg>();
    cDialogFormRegistry::RegisterForm<cMissingProjectForm, cMissingProjectDlg>();

    // Description and Initialize are every document's own (RegisterAppDesktop).
    constexpr DocumentKind kind = DocumentKind::System;
    cDocumentCommands::Register(kind, commands::kSystemAttributes,
                                DocumentCommand<cSystemDoc, &cSystemDoc::OnAttributes>());
    cDocumentCommands::Register(kind, commands::kSystemProjects,
                                DocumentCommand<cSystemDoc, &cSystemDoc::OnProjects>());
    cDocumentCommands::Register(kind, commands::kSystemCost,
                                DocumentCommand<cSystemDoc, &cSystemDoc::OnCost>());
}

}  // namespace korval
