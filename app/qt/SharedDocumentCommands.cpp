// The commands every document kind has through cModelDoc: its Description entry, its
// Initialize entry and Options, Display. The model folders register their own dialogs.
#include "app/qt/AppCommands.h"
#include "app/qt/cDocumentCommands.h"
#include "framework/cModelDoc.h"

namespace korval {

namespace {

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

bool RegisterSharedCommands() {
    bool all = true;
    for (const KindCommands& entry : kKindCommands) {
        all &= cDocumentCommands::Register(entry.kind, entry.description,
                                           {[](cModelDoc& doc) { doc.EditDescription(); }, {}, {}});
        all &= cDocumentCommands::Register(entry.kind, entry.initialize,
                                           {[](cModelDoc& doc) { doc.OnInitialize(); }, {}, {}});
        all &=
            cDocumentCommands::Register(entry.kind, commands::kOptionsDisplay,
                                        {[](cModelDoc& doc) { doc.OnDisplayOptions(); }, {}, {}});
    }
    return all;
}

const bool kRegistered = RegisterSharedCommands();

}  // namespace

}  // namespace korval
