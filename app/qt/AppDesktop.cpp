#include "app/qt/AppDesktop.h"

#include "app/RememberedProfile.h"
#include "app/cAboutDlg.h"
#include "app/cFileNewDlg.h"
#include "app/cToolbarConfigDlg.h"
#include "app/qt/AppCommands.h"
#include "app/qt/cAboutForm.h"
#include "app/qt/cCostForm.h"
#include "app/qt/cDescriptionForm.h"
#include "app/qt/cDialogFormRegistry.h"
#include "app/qt/cDisplayOptionsForm.h"
#include "app/qt/cDocumentCommands.h"
#include "app/qt/cFileNewForm.h"
#include "app/qt/cToolbarConfigForm.h"
#include "app/qt/cUncertaintyForm.h"
#include "framework/cCostDlg.h"
#include "framework/cDescriptionDlg.h"
#include "framework/cDisplayOptionsDlg.h"
#include "framework/cModelDoc.h"
#include "framework/cUncertaintyDlg.h"

namespace korval {

namespace {

void RegisterShellForms() {
    cDialogFormRegistry::RegisterForm<cDescriptionForm, cDescriptionDlg>();
    // One Cost form for every priced kind; each kind registers its own Cost command.
    cDialogFormRegistry::RegisterForm<cCostForm, cCostDlg>();
    // One Uncertainty form for every kind; the desktop registers the Uncertainty commands.
    cDialogFormRegistry::RegisterForm<cUncertaintyForm, cUncertaintyDlg>();
    cDialogFormRegistry::RegisterForm<cDisplayOptionsForm, cDisplayOptionsDlg>();
    cDialogFormRegistry::RegisterForm<cToolbarConfigForm, cToolbarConfigDlg>();
    cDialogFormRegistry::RegisterForm<cFileNewForm, cFileNewDlg>();
    cDialogFormRegistry::RegisterForm<cAboutForm, cAboutDlg>();
}

// The commands every document kind has through cModelDoc: its Description entry, its
// Initialize entry and Options, Display. The model folders register their own dialogs.
struct KindCommands {
    DocumentKind kind;
    int description;
    int initialize;
};

constexpr KindCommands kKindCommands[] = {
    {DocumentKind::Project, commands::kProjectDescription, commands::kProjectInitialize},
    {DocumentKind::FunctionPoint, commands::kFpDescription, commands::kFpInitialize},
    {DocumentKind::Cocomo, commands::kCocomoDescription, commands::kCocomoInitialize},
    {DocumentKind::Rayleigh, commands::kRayleighDescription, commands::kRayleighInitialize},
    {DocumentKind::System, commands::kSystemDescription, commands::kSystemInitialize},
};

void RegisterSharedCommands() {
    for (const KindCommands& entry : kKindCommands) {
        cDocumentCommands::Register(entry.kind, entry.description,
                                    {[](cModelDoc& doc) { doc.EditDescription(); }, {}, {}});
        cDocumentCommands::Register(entry.kind, entry.initialize,
                                    {[](cModelDoc& doc) { doc.OnInitialize(); }, {}, {}});
        cDocumentCommands::Register(entry.kind, commands::kOptionsDisplay,
                                    {[](cModelDoc& doc) { doc.OnDisplayOptions(); }, {}, {}});
    }
}

}  // namespace

void RegisterAppDesktop() {
    RegisterShellForms();
    cDocumentCommands::RegisterFrameCommand(
        commands::kOptionsDefaultsProfile,
        [](cAppContext& context) { ChooseRememberedProfile(context.platform); });
    RegisterSharedCommands();
}

}  // namespace korval
