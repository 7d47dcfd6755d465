#include "desktop/cEstimatorApp.h"

#include <QApplication>
#include <QPalette>
#include <QTimer>
#include <cstdlib>

#include "app/RememberedProfile.h"
#include "app/cEstimatorAppLogic.h"
#include "app/qt/AppDesktop.h"
#include "app/qt/QtText.h"
#include "calibration/qt/CalibrationDesktop.h"
#include "cocomo/qt/CocomoDesktop.h"
#include "desktop/SimulationDesktop.h"
#include "desktop/cAfterFirstPaint.h"
#include "desktop/cBackgroundSimulation.h"
#include "desktop/cChildFrame.h"
#include "desktop/cDeferredIconStyle.h"
#include "desktop/cMainFrame.h"
#include "desktop/cReportView.h"
#include "documents/DefaultsProfileCheck.h"
#include "documents/cDocumentFactory.h"
#include "functionpoint/qt/FunctionPointDesktop.h"
#include "project/qt/ProjectDesktop.h"
#include "rayleigh/qt/RayleighDesktop.h"
#include "system/qt/SystemDesktop.h"

namespace korval {

cEstimatorApp::cEstimatorApp(QStringList arguments) : arguments_(std::move(arguments)) {}

cEstimatorApp::~cEstimatorApp() {
    if (logic_) {
        logic_->Context().reportAppendix = nullptr;
        logic_->Context().simulatedOutputs = nullptr;
    }
    simulation_.reset();
    mainFrame_.reset();
    platform_.SetMainWindow(nullptr);
}

void cEstimatorApp::ApplyDialogColours() {
    QPalette palette = QApplication::palette();
    // Under a dark theme the dialogs keep its colours: grey behind black would sit among
    // dark edit fields with light text.
    if (palette.color(QPalette::Window).lightness() < 128) return;
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::ButtonText, Qt::black);
    // Disabled labels and buttons stay grey, or they could not be told from enabled ones.
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    QApplication::setPalette(palette, "QDialog");
}

std::string cEstimatorApp::CommandLinePath(const QStringList& arguments) {
    std::vector<std::string> texts;
    for (const QString& argument : arguments) texts.push_back(ToStdString(argument));
    std::vector<const char*> argv;
    for (const std::string& text : texts) argv.push_back(text.c_str());
    return cEstimatorAppLogic::CommandLinePath(static_cast<int>(argv.size()), argv.data());
}

void cEstimatorApp::RegisterFormsAndCommands() {
    RegisterAppDesktop();
    RegisterCocomoDesktop();
    RegisterFunctionPointDesktop();
    RegisterRayleighDesktop();
    RegisterProjectDesktop();
    RegisterSystemDesktop();
    RegisterCalibrationDesktop();
    RegisterSimulationDesktop();
}

bool cEstimatorApp::Start() {
    // Nothing on screen waits for settings to reach the disk or for a simulation: both
    // wait for the first paint (see StartDeferredWork).
    platform_.HoldSettingWrites();
    cDeferredIconStyle::Install();
    ApplyDialogColours();
    RegisterFormsAndCommands();
    recentFiles_.Load(platform_);

    // The five document kinds are fixed (cDocumentKind::All); their views come from
    // CreateReportView. The defaults profile is needed before the frame so that the
    // frame's commands can reach it.
    std::string named = NamedStartupProfile(std::getenv("KORVAL_PROFILE"), platform_);
    std::string folder = ToStdString(QCoreApplication::applicationDirPath());
    std::string profile = cEstimatorAppLogic::GetDefaultsProfilePath(folder, named.c_str());
    logic_ = std::make_unique<cEstimatorAppLogic>(platform_, profile, &CreateDocument);
    logic_->SetProfileCheck(&DefaultsProfileProblem);
    if (!named.empty() && !logic_->KeepNamedProfileIfUsable(
                              cEstimatorAppLogic::GetDefaultsProfilePath(folder, nullptr))) {
        named.clear();
    }
    logic_->UseUserProfileUnlessNamed(named.c_str());

    mainFrame_ = std::make_unique<cMainFrame>(*logic_, platform_, recentFiles_);
    simulation_ = std::make_unique<cBackgroundSimulation>(*mainFrame_);
    simulation_->HoldRuns();
    logic_->Context().reportAppendix = [this](const cModelDoc& document, cDrawContext& dc, int& y) {
        return simulation_->Appendix(document, dc, y);
    };
    logic_->Context().simulatedOutputs = [this](const cModelDoc& document,
                                                const std::vector<std::string>& keys) {
        return simulation_->CalculatorOutputs(document, keys);
    };
    platform_.SetMainWindow(mainFrame_.get());

    logic_->LoadExtensions();
    mainFrame_->ShowWithPlacement();
    mainFrame_->repaint();

    std::string path = CommandLinePath(arguments_);
    cChildFrame* opened = path.empty() ? nullptr : mainFrame_->OpenFile(path);
    logic_->CheckDefaultsProfile();
    StartDeferredWork(opened);
    return true;
}

void cEstimatorApp::StartDeferredWork(cChildFrame* opened) {
    auto work = [this] {
        platform_.ReleaseSettingWrites();
        simulation_->ReleaseRuns();
    };
    // The main window painted itself above; a document opened from the command line is
    // painted at the event loop's first turn.
    if (opened != nullptr)
        cAfterFirstPaint::Run(*opened->View().viewport(), work);
    else
        QTimer::singleShot(0, mainFrame_.get(), work);
}

}  // namespace korval
