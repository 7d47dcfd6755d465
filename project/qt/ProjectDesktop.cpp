#include "project/qt/ProjectDesktop.h"

#include "app/qt/AppCommands.h"
#include "app/qt/CommandHandlers.h"
#include "project/cProjectDoc.h"

namespace korval {

namespace {

using Model = cProjectDoc::Model;
constexpr DocumentKind kKind = DocumentKind::Project;

cProjectDoc& Project(cModelDoc& document) {
    return static_cast<cProjectDoc&>(document);
}
const cProjectDoc& Project(const cModelDoc& document) {
    return static_cast<const cProjectDoc&>(document);
}

void RegisterImportExport() {
    struct Transfer {
        Model model;
        int importCommand;
        int exportCommand;
    };
    constexpr Transfer kTransfers[] = {
        {Model::FunctionPoint, commands::kImportFp, commands::kExportFp},
        {Model::Cocomo, commands::kImportCocomo, commands::kExportCocomo},
        {Model::Rayleigh, commands::kImportRayleigh, commands::kExportRayleigh},
    };
    for (const Transfer& transfer : kTransfers) {
        Model model = transfer.model;
        cDocumentCommands::Register(
            kKind, transfer.importCommand,
            {[model](cModelDoc& doc) { Project(doc).OnImport(model); }, {}, {}});
        cDocumentCommands::Register(
            kKind, transfer.exportCommand,
            {[model](cModelDoc& doc) { Project(doc).OnExport(model); }, {}, {}});
    }
}

// Use ... Sensitivity Analysis Data: checked while that model is the source; a model's
// own Sensitivity Analysis command works only while it is.
void RegisterSensitivity() {
    struct Source {
        Model model;
        cProjectDoc::SensitivitySource source;
        int useCommand;
        int sensitivityCommand;
        void (cProjectDoc::*sensitivity)();
    };
    constexpr Source kSources[] = {
        {Model::FunctionPoint, cProjectDoc::SensitivitySource::FunctionPoint,
         commands::kUseFpSensitivity, commands::kFpSensitivity,
         &cProjectDoc::OnFunctionPointSensitivity},
        {Model::Cocomo, cProjectDoc::SensitivitySource::Cocomo, commands::kUseCocomoSensitivity,
         commands::kCocomoSensitivity, &cProjectDoc::OnCocomoSensitivity},
        {Model::Rayleigh, cProjectDoc::SensitivitySource::Rayleigh,
         commands::kUseRayleighSensitivity, commands::kRayleighSensitivity,
         &cProjectDoc::OnRayleighSensitivity},
    };
    for (const Source& entry : kSources) {
        cProjectDoc::SensitivitySource source = entry.source;
        Model model = entry.model;
        auto sensitivity = entry.sensitivity;
        cDocumentCommands::Register(
            kKind, entry.useCommand,
            {[source](cModelDoc& doc) { Project(doc).OnUseSensitivity(source); },
             {},
             [source](const cModelDoc& doc) {
                 return Project(doc).GetSensitivitySource() == source;
             }});
        cDocumentCommands::Register(
            kKind, entry.sensitivityCommand,
            {[sensitivity](cModelDoc& doc) { (Project(doc).*sensitivity)(); },
             [model](const cModelDoc& doc) {
                 return Project(doc).IsSensitivityCommandEnabled(model);
             },
             {}});
    }
}

void RegisterModelMenus() {
    using Doc = cProjectDoc;
    struct Forwarded {
        int command;
        cDocumentCommands::Handler handler;
    };
    const Forwarded kForwarded[] = {
        {commands::kFpCount, DocumentCommand<Doc, &Doc::OnFunctionPointCount>()},
        {commands::kFpValueAdjustment, DocumentCommand<Doc, &Doc::OnValueAdjustmentFactor>()},
        {commands::kFpDescription, DocumentCommand<Doc, &Doc::OnFunctionPointDescription>()},
        {commands::kFpReverse, DocumentCommand<Doc, &Doc::OnFunctionPointReverseEngineering>()},
        {commands::kFpInitialize, DocumentCommand<Doc, &Doc::OnFunctionPointInitialize>()},
        {commands::kCocomoAttributes, DocumentCommand<Doc, &Doc::OnCocomoAttributes>()},
        {commands::kCocomoCostDrivers, DocumentCommand<Doc, &Doc::OnCocomoCostDrivers>()},
        {commands::kCocomoDescription, DocumentCommand<Doc, &Doc::OnCocomoDescription>()},
        {commands::kCocomoReverse, DocumentCommand<Doc, &Doc::OnCocomoReverseEngineering>()},
        {commands::kCocomoInitialize, DocumentCommand<Doc, &Doc::OnCocomoInitialize>()},
        {commands::kRayleighAttributes, DocumentCommand<Doc, &Doc::OnRayleighAttributes>()},
        {commands::kRayleighDescription, DocumentCommand<Doc, &Doc::OnRayleighDescription>()},
        {commands::kRayleighReverse, DocumentCommand<Doc, &Doc::OnRayleighReverseEngineering>()},
        {commands::kRayleighInitialize, DocumentCommand<Doc, &Doc::OnRayleighInitialize>()},
        {commands::kOptionsLanguages, DocumentCommand<Doc, &Doc::OnLanguages>()},
        // One rate prices the project: the models' Cost entries open the project's.
        {commands::kProjectCost, DocumentCommand<Doc, &Doc::OnCost>()},
        {commands::kCocomoCost, DocumentCommand<Doc, &Doc::OnCost>()},
        {commands::kRayleighCost, DocumentCommand<Doc, &Doc::OnCost>()},
    };
    for (const Forwarded& entry : kForwarded)
        cDocumentCommands::Register(kKind, entry.command, entry.handler);
}

}  // namespace

void RegisterProjectDesktop() {
    // Project Description, Project Initialize and Options Display are every document's
    // own (RegisterAppDesktop).
    RegisterImportExport();
    RegisterSensitivity();
    RegisterModelMenus();
}

}  // namespace korval
