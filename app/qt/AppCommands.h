#pragma once

// Command ids of the menus and toolbars. The framework's commands keep the ids of the
// Windows program's resources so that saved toolbar layouts and the help texts agree.
namespace korval::commands {

// File
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFileExport = 32860;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFileRecent1 = 57616;  // .. kFileRecent1 + 3
inline constexpr int kAppExit = 57665;

// Edit
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
// View
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
// Window
inline constexpr int kWindowArrange = 57649;
inline constexpr int kWindowCascade = 57650;
inline constexpr int kWindowTile = 57651;
// Help
inline constexpr int kAppAbout = 57664;
inline constexpr int kHelpContents = 57667;
inline constexpr int kHelpUsing = 57668;
inline constexpr int kHelp = 57670;
inline constexpr int kHelpTutorial = 32806;
// Options
inline constexpr int kOptionsDisplay = 32771;
inline constexpr int kOptionsLanguages = 32797;
inline constexpr int kOptionsResetProfile = 32843;
inline constexpr int kOptionsDefaultsProfile = 32861;
// Tools
inline constexpr int kToolsCalibrate = 32862;

// Function point
inline constexpr int kFpCount = 32772;
inline constexpr int kFpInitialize = 32773;
inline constexpr int kFpDescription = 32782;
inline constexpr int kFpValueAdjustment = 32783;
inline constexpr int kFpSensitivity = 32790;
inline constexpr int kFpUncertainty = 32856;
inline constexpr int kFpReverse = 32795;
// COCOMO
inline constexpr int kCocomoAttributes = 32778;
inline constexpr int kCocomoCostDrivers = 32779;
inline constexpr int kCocomoDescription = 32780;
inline constexpr int kCocomoInitialize = 32781;
inline constexpr int kCocomoSensitivity = 32791;
inline constexpr int kCocomoReverse = 32794;
inline constexpr int kCocomoCost = 32850;
inline constexpr int kCocomoUncertainty = 32854;
// Rayleigh
inline constexpr int kRayleighAttributes = 32798;
inline constexpr int kRayleighDescription = 32799;
inline constexpr int kRayleighSensitivity = 32800;
inline constexpr int kRayleighReverse = 32801;
inline constexpr int kRayleighInitialize = 32802;
inline constexpr int kRayleighCost = 32851;
inline constexpr int kRayleighUncertainty = 32855;
// Project
inline constexpr int kImportFp = 32774;
inline constexpr int kExportFp = 32775;
inline constexpr int kImportCocomo = 32776;
inline constexpr int kExportCocomo = 32777;
inline constexpr int kProjectDescription = 32786;
inline constexpr int kProjectInitialize = 32787;
inline constexpr int kUseFpSensitivity = 32792;
inline constexpr int kUseCocomoSensitivity = 32793;
inline constexpr int kUseRayleighSensitivity = 32803;
inline constexpr int kExportRayleigh = 32804;
inline constexpr int kImportRayleigh = 32805;
inline constexpr int kProjectCost = 32852;
inline constexpr int kProjectUncertainty = 32857;
// System
inline constexpr int kSystemAttributes = 32839;
inline constexpr int kSystemProjects = 32840;
inline constexpr int kSystemDescription = 32841;
inline constexpr int kSystemInitialize = 32842;
inline constexpr int kSystemCost = 32853;
inline constexpr int kSystemUncertainty = 32858;

// Placeholders in menu layouts.
inline constexpr int kSeparator = 0;
inline constexpr int kRecentFiles = -1;

}  // namespace korval::commands
