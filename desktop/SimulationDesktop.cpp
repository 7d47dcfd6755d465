#include "desktop/SimulationDesktop.h"

#include "app/qt/AppCommands.h"
#include "app/qt/cDocumentCommands.h"
#include "simulation/UncertaintyEditing.h"

namespace korval {

void RegisterSimulationDesktop() {
    cDocumentCommands::Handler edit{[](cModelDoc& document) { EditUncertainty(document); }, {}, {}};
    const std::pair<DocumentKind, int> commands[] = {
        {DocumentKind::Cocomo, commands::kCocomoUncertainty},
        {DocumentKind::FunctionPoint, commands::kFpUncertainty},
        {DocumentKind::Rayleigh, commands::kRayleighUncertainty},
        {DocumentKind::System, commands::kSystemUncertainty},
        // A project has one dialog for its models' inputs and its run.
        {DocumentKind::Project, commands::kProjectUncertainty},
        {DocumentKind::Project, commands::kCocomoUncertainty},
        {DocumentKind::Project, commands::kFpUncertainty},
        {DocumentKind::Project, commands::kRayleighUncertainty},
    };
    for (const auto& [kind, command] : commands) cDocumentCommands::Register(kind, command, edit);
}

}  // namespace korval
