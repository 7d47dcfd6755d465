#include "desktop/cCommandTable.h"

#include <algorithm>

#include "app/qt/AppCommands.h"

namespace korval {

using namespace commands;

namespace {

const std::vector<cCommandInfo>& Table() {
    static const std::vector<cCommandInfo> table = {
        {kFileNew, "&New", "Create a new document\nNew", "Ctrl+N", "new"},
        {kFileOpen, "&Open...", "Open an existing document\nOpen", "Ctrl+O", "open"},
        {kFileClose, "&Close", "Close the active document\nClose", "", ""},
        {kFileSave, "&Save", "Save the active document\nSave", "Ctrl+S", "save"},
        {kFileSaveAs, "Save &As...", "Save the active document with a new name\nSave As", "", ""},
        {kFilePrint, "&Print...", "Print the active document\nPrint", "Ctrl+P", "print"},
        {kFileExport, "&Export...",
         "Write the report as PDF, text or HTML, or its figures as JSON or CSV\nExport", "Ctrl+E",
         ""},
        {kEditUndo, "&Undo", "Undo the last change to the document\nUndo", "Ctrl+Z", ""},
        {kEditRedo, "&Redo", "Redo the change undone last\nRedo", "Ctrl+Shift+Z", ""},
        {kEditCopy, "&Copy", "Copy the report to the clipboard as text and as a table\nCopy",
         "Ctrl+C", ""},
        {kFilePrintPreview, "Print Pre&view", "Display full pages\nPrint Preview", "", ""},
        {kFilePrintSetup, "P&rint Setup...", "Change the printer and printing options\nPrint Setup",
         "", ""},
        {kAppExit, "E&xit", "Quit the application; prompts to save documents\nExit", "Ctrl+Q", ""},
        {kViewToolbar, "&Toolbar...", "Show or hide the toolbars\nToolbars", "", ""},
        {kViewStatusBar, "&Status Bar", "Show or hide the status bar\nToggle Status Bar", "", ""},
        {kWindowCascade, "&Cascade", "Arrange windows so they overlap\nCascade Windows", "", ""},
        {kWindowTile, "&Tile", "Arrange windows as non-overlapping tiles\nTile Windows", "", ""},
        {kWindowArrange, "&Arrange Icons",
         "Arrange icons at the bottom of the window\nArrange Icons", "", ""},
        {kHelpContents, "&Contents", "List Help topics\nHelp Topics", "F1", ""},
        {kHelpTutorial, "&Tutorial", "Work through the Korval tutorial\nTutorial", "", ""},
        {kHelpUsing, "&How to Use Help",
         "Display instructions about how to use help\nHow to Use Help", "", ""},
        {kAppAbout, "&About Korval...",
         "Display program information, version number and copyright\nAbout", "", ""},
        {kHelp, "&Help", "Display help for the current task or command\nHelp", "", "help"},
        {kOptionsDisplay, "&Display...", "Set display options", "", ""},
        {kOptionsLanguages, "&Languages...", "Add, delete, or modify languages", "", ""},
        {kOptionsResetProfile, "&Reset Defaults Profile...",
         "Remove your own copy of the defaults profile and use the installed one again", "", ""},
        {kOptionsDefaultsProfile, "Defaults &Profile...",
         "Choose the defaults profile Korval starts with", "", ""},
        {kToolsCalibrate, "&Calibrate from History...",
         "Fit the models to your organisation's completed projects\nCalibrate from History", "",
         ""},

        {kFpCount, "&Function Point Count...",
         "Input the number of user functions\nFunction Point Count", "Ctrl+Shift+F", "FC"},
        {kFpValueAdjustment, "&Value Adjustment Factor...",
         "Describe the processing complexity of the system\nFunction Point Value Adjustment Factor",
         "Ctrl+Shift+V", "VA"},
        {kFpDescription, "&Description...",
         "Input general information such as title, prepared by, and description\nFunction Point "
         "Description",
         "", "D"},
        {kFpSensitivity, "&Sensitivity Analysis...",
         "Adjust Function Point estimates to allow for uncertainty in model inputs\nFunction Point "
         "Sensitivity Analysis",
         "", "\xC2\xB1"},
        {kFpReverse, "&Reverse Engineering...",
         "Adjust Function Point estimates using \"what-if\" analysis\nFunction Point Reverse "
         "Engineering",
         "", "RE"},
        {kFpUncertainty, "&Uncertainty...",
         "Ranges of the inputs for the Monte Carlo simulation and its trials and targets\nFunction "
         "Point Uncertainty",
         "", ""},
        {kFpInitialize, "&Initialize", "Reset all data to their default values", "", ""},

        {kCocomoAttributes, "&Attributes...",
         "Input mode, model type, and number of source lines of code.\nCOCOMO Attributes",
         "Ctrl+Shift+C", "A"},
        {kCocomoCostDrivers, "&Cost Drivers...",
         "Input settings for the various COCOMO cost drivers\nCOCOMO Cost Drivers", "Ctrl+Shift+D",
         "CD"},
        {kCocomoDescription, "&Description...",
         "Input general information such as title, prepared by, and description\nCOCOMO "
         "Description",
         "", "D"},
        {kCocomoSensitivity, "&Sensitivity Analysis...",
         "Adjust COCOMO estimates to allow for uncertainty in model inputs\nCOCOMO Sensitivity "
         "Analysis",
         "", "\xC2\xB1"},
        {kCocomoReverse, "&Reverse Engineering...",
         "Adjust COCOMO estimates using \"what-if\" analysis\nCOCOMO Reverse Engineering", "",
         "RE"},
        {kCocomoCost, "C&ost...",
         "Input the labour rate per person month and its currency\nCOCOMO Cost", "", ""},
        {kCocomoUncertainty, "&Uncertainty...",
         "Ranges of the inputs for the Monte Carlo simulation and its trials and targets\nCOCOMO "
         "Uncertainty",
         "", ""},
        {kCocomoInitialize, "&Initialize", "Reset all data to their default values", "", ""},

        {kRayleighAttributes, "&Attributes...",
         "Input application type, time to develop, main build phase, and source lines of "
         "code\nRayleigh Attributes",
         "Ctrl+Shift+R", "A"},
        {kRayleighDescription, "&Description...",
         "Input general information such as title, prepared by, and description\nRayleigh "
         "Description",
         "", "D"},
        {kRayleighSensitivity, "&Sensitivity Analysis...",
         "Adjust Rayleigh estimates to allow for uncertainty in model inputs\nRayleigh Sensitivity "
         "Analysis",
         "", "\xC2\xB1"},
        {kRayleighReverse, "&Reverse Engineering...",
         "Adjust Rayleigh estimates using \"what-if\" analysis\nRayleigh Reverse Engineering", "",
         "RE"},
        {kRayleighCost, "&Cost...",
         "Input the labour rate per person month and its currency\nRayleigh Cost", "", ""},
        {kRayleighUncertainty, "&Uncertainty...",
         "Ranges of the inputs for the Monte Carlo simulation and its trials and targets\nRayleigh "
         "Uncertainty",
         "", ""},
        {kRayleighInitialize, "&Initialize", "Reset all data to their default values", "", ""},

        {kImportFp, "Import &FP Model...",
         "Import a function point model file into the project\nImport FP Model", "", "iF"},
        {kImportCocomo, "Import &COCOMO Model...",
         "Import a COCOMO model file into the project\nImport COCOMO Model", "", "iC"},
        {kImportRayleigh, "Import &Rayleigh Model...",
         "Import a Rayleigh model file into the project\nImport Rayleigh Model", "", "iR"},
        {kExportFp, "Export F&P Model...",
         "Save the project's function point model as a model file\nExport FP Model", "", "eF"},
        {kExportCocomo, "Export C&OCOMO Model...",
         "Save the project's COCOMO model as a model file\nExport COCOMO Model", "", "eC"},
        {kExportRayleigh, "Export R&ayleigh Model...",
         "Save the project's Rayleigh model as a model file\nExport Rayleigh Model", "", "eR"},
        {kProjectDescription, "&Description...",
         "Input general information such as title, prepared by, and description\nProject "
         "Description",
         "", "PD"},
        {kUseFpSensitivity, "Use FP &Sensitivity Analysis Data",
         "Carry the function point sensitivity analysis through the project\nUse FP Sensitivity "
         "Analysis Data",
         "", "uF"},
        {kUseCocomoSensitivity, "Use COCOMO S&ensitivity Analysis Data",
         "Carry the COCOMO sensitivity analysis through the project\nUse COCOMO Sensitivity "
         "Analysis Data",
         "", "uC"},
        {kUseRayleighSensitivity, "Use Rayleigh Se&nsitivity Analysis Data",
         "Use the Rayleigh sensitivity analysis for the project\nUse Rayleigh Sensitivity Analysis "
         "Data",
         "", "uR"},
        {kProjectCost, "&Cost...",
         "Input the project's labour rate per person month and its currency\nProject Cost", "", ""},
        {kProjectUncertainty, "&Uncertainty...",
         "Ranges of the inputs for the Monte Carlo simulation and its trials and targets\nProject "
         "Uncertainty",
         "", ""},
        {kProjectInitialize, "&Initialize", "Reset all data to their default values", "", ""},

        {kSystemAttributes, "&Attributes...",
         "Input the system product design and final test and evaluation phases\nSystem Attributes",
         "Ctrl+Shift+A", "SA"},
        {kSystemProjects, "&Projects...",
         "Add or remove the projects of the system\nSystem Projects", "Ctrl+Shift+P", "SP"},
        {kSystemDescription, "&Description...",
         "Input general information such as title, prepared by, and description\nSystem "
         "Description",
         "", "SD"},
        {kSystemCost, "&Cost...",
         "Input the system's labour rate per person month and its currency\nSystem Cost", "", ""},
        {kSystemUncertainty, "&Uncertainty...",
         "Ranges of the inputs for the Monte Carlo simulation and its trials and targets\nSystem "
         "Uncertainty",
         "", ""},
        {kSystemInitialize, "&Initialize", "Reset all data to their default values", "", ""},
    };
    return table;
}

cMenuLayout FileMenu(bool withDocument) {
    if (!withDocument) {
        return {"&File",
                {kFileNew, kFileOpen, kSeparator, kFilePrintSetup, kSeparator, kRecentFiles,
                 kSeparator, kAppExit}};
    }
    return {"&File",
            {kFileNew, kFileOpen, kFileClose, kFileSave, kFileSaveAs, kFileExport, kSeparator,
             kFilePrint, kFilePrintPreview, kFilePrintSetup, kSeparator, kRecentFiles, kSeparator,
             kAppExit}};
}

const cMenuLayout kEditMenu{"&Edit", {kEditUndo, kEditRedo, kSeparator, kEditCopy}};

const cMenuLayout kViewMenu{"&View", {kViewToolbar, kViewStatusBar}};
const cMenuLayout kWindowMenu{"&Window", {kWindowCascade, kWindowTile, kWindowArrange}};
const cMenuLayout kHelpMenu{"&Help",
                            {kHelpContents, kHelpTutorial, kHelpUsing, kSeparator, kAppAbout}};

const cMenuLayout kFunctionPointMenu{
    "F&unctionPoint",
    {kFpCount, kFpValueAdjustment, kFpDescription, kSeparator, kFpSensitivity, kFpReverse,
     kFpUncertainty, kSeparator, kFpInitialize}};
const cMenuLayout kCocomoMenu{
    "&COCOMO",
    {kCocomoAttributes, kCocomoCostDrivers, kCocomoDescription, kSeparator, kCocomoSensitivity,
     kCocomoReverse, kCocomoUncertainty, kSeparator, kCocomoCost, kSeparator, kCocomoInitialize}};
const cMenuLayout kRayleighMenu{
    "&Rayleigh",
    {kRayleighAttributes, kRayleighDescription, kSeparator, kRayleighSensitivity, kRayleighReverse,
     kRayleighUncertainty, kSeparator, kRayleighCost, kSeparator, kRayleighInitialize}};
const cMenuLayout kProjectMenu{
    "&Project",
    {kImportFp, kImportCocomo, kImportRayleigh, kSeparator, kExportFp, kExportCocomo,
     kExportRayleigh, kSeparator, kProjectDescription, kProjectCost, kProjectUncertainty,
     kSeparator, kUseFpSensitivity, kUseCocomoSensitivity, kUseRayleighSensitivity, kSeparator,
     kProjectInitialize}};
const cMenuLayout kSystemMenu{"&System",
                              {kSystemAttributes, kSystemProjects, kSystemDescription, kSystemCost,
                               kSystemUncertainty, kSeparator, kSystemInitialize}};

std::vector<cMenuLayout> ModelMenus(DocumentKind kind) {
    switch (kind) {
        case DocumentKind::Project:
            return {kProjectMenu, kFunctionPointMenu, kCocomoMenu, kRayleighMenu};
        case DocumentKind::FunctionPoint:
            return {kFunctionPointMenu};
        case DocumentKind::Cocomo:
            return {kCocomoMenu};
        case DocumentKind::Rayleigh:
            return {kRayleighMenu};
        case DocumentKind::System:
            return {kSystemMenu};
    }
    return {};
}

const cMenuLayout kToolsMenu{"&Tools", {kToolsCalibrate}};

cMenuLayout OptionsMenu(std::optional<DocumentKind> kind) {
    bool languages =
        !kind || *kind == DocumentKind::FunctionPoint || *kind == DocumentKind::Project;
    if (languages) {
        return {"&Options",
                {kOptionsDisplay, kOptionsLanguages, kSeparator, kOptionsDefaultsProfile,
                 kOptionsResetProfile}};
    }
    return {"&Options",
            {kOptionsDisplay, kSeparator, kOptionsDefaultsProfile, kOptionsResetProfile}};
}

std::string PromptPart(const char* prompt, bool tip) {
    std::string text = prompt;
    std::size_t newline = text.find('\n');
    if (newline == std::string::npos) return tip ? std::string() : text;
    return tip ? text.substr(newline + 1) : text.substr(0, newline);
}

}  // namespace

std::string cCommandInfo::StatusText() const {
    return PromptPart(prompt, false);
}

std::string cCommandInfo::ToolTip() const {
    return PromptPart(prompt, true);
}

const std::vector<cCommandInfo>& cCommandTable::All() {
    return Table();
}

const cCommandInfo* cCommandTable::Find(int id) {
    const std::vector<cCommandInfo>& table = Table();
    auto found = std::find_if(table.begin(), table.end(),
                              [id](const cCommandInfo& c) { return c.id == id; });
    return found == table.end() ? nullptr : &*found;
}

std::vector<cMenuLayout> cCommandTable::MenuBar(std::optional<DocumentKind> kind) {
    std::vector<cMenuLayout> bar{FileMenu(kind.has_value())};
    if (kind) bar.push_back(kEditMenu);
    bar.push_back(kViewMenu);
    if (kind) {
        for (cMenuLayout& menu : ModelMenus(*kind)) bar.push_back(std::move(menu));
    }
    bar.push_back(kToolsMenu);
    bar.push_back(OptionsMenu(kind));
    if (kind) bar.push_back(kWindowMenu);
    bar.push_back(kHelpMenu);
    return bar;
}

const std::vector<cToolbarLayout>& cCommandTable::Toolbars() {
    static const std::vector<cToolbarLayout> bars = {
        {59392, "File", {kFileNew, kFileOpen, kFileSave, kSeparator, kFilePrint, kHelp}},
        {59397,
         "Import/Export",
         {kImportFp, kImportCocomo, kImportRayleigh, kExportFp, kExportCocomo, kExportRayleigh}},
        {59402, "System", {kSystemAttributes, kSystemProjects, kSystemDescription}},
        {59398,
         "Project",
         {kProjectDescription, kSeparator, kUseFpSensitivity, kUseCocomoSensitivity,
          kUseRayleighSensitivity}},
        {59399,
         "Function Point",
         {kFpCount, kFpValueAdjustment, kFpDescription, kFpSensitivity, kFpReverse}},
        {59400,
         "Cocomo",
         {kCocomoAttributes, kCocomoCostDrivers, kCocomoDescription, kCocomoSensitivity,
          kCocomoReverse}},
        {59401,
         "Rayleigh",
         {kRayleighAttributes, kRayleighDescription, kRayleighSensitivity, kRayleighReverse}},
    };
    return bars;
}

bool cCommandTable::IsFrameCommand(int id) {
    switch (id) {
        case kFileNew:
        case kFileOpen:
        case kFilePrintSetup:
        case kAppExit:
        case kViewToolbar:
        case kViewStatusBar:
        case kHelpContents:
        case kHelpTutorial:
        case kHelpUsing:
        case kAppAbout:
        case kHelp:
        case kOptionsResetProfile:
            return true;
        default:
            return id >= kFileRecent1 && id < kFileRecent1 + 4;
    }
}

}  // namespace korval
