// The model, project and system menus of the desktop, as the application's start-up
// registers them: every command of an open example reaches its document and opens its
// dialog's own form; the project's sensitivity source
// checks its Use entry and enables only its model's Sensitivity Analysis; Languages
// works with no document open. With KORVAL_SCREENSHOT_DIR set, every dialog is saved as
// a picture.
#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

#include "app/qt/AppCommands.h"
#include "app/qt/QtText.h"
#include "app/qt/cDialogForm.h"
#include "cocomo/cCocomoDoc.h"
#include "desktop/cChildFrame.h"
#include "desktop/cEstimatorApp.h"
#include "desktop/cMainFrame.h"
#include "framework/cDialogLogic.h"
#include "project/cProjectDoc.h"
#include "tests/qt/support/QtTestFiles.h"
#include "tests/qt/support/cFrameFixture.h"

using namespace korval;
using namespace korval::commands;
using namespace korval::testing;

namespace {

QString Example(const char* name) {
    return QStringLiteral(KORVAL_SOURCE_DIR "/examples/") + name;
}

// A command and the dialog it opens ("" for none); a command that asks a question first
// is answered No.
struct Step {
    int command;
    const char* title;
    bool asks = false;
};

const std::vector<Step> kCocomoSteps = {
    {kCocomoAttributes, "COCOMO Attributes"},
    {kCocomoCostDrivers, "Cost Driver Attributes"},
    {kCocomoDescription, "Description"},
    {kCocomoSensitivity, "COCOMO Sensitivity Adjustments"},
    {kCocomoReverse, "COCOMO Reverse Engineering"},
};
const std::vector<Step> kFunctionPointSteps = {
    {kFpCount, "Function Point Count"},
    {kFpValueAdjustment, "Value Adjustment Factor"},
    {kFpDescription, "Description"},
    {kFpSensitivity, "Function Point Sensitivity Adjustments"},
    {kFpReverse, "Function Point Reverse Engineering"},
    {kOptionsLanguages, "Language Customization", true},
};
const std::vector<Step> kRayleighSteps = {
    {kRayleighAttributes, "Rayleigh Attributes"},
    {kRayleighDescription, "Description"},
    {kRayleighSensitivity, "Rayleigh Sensitivity Adjustments"},
    {kRayleighReverse, "Rayleigh Reverse Engineering"},
};
const std::vector<Step> kSystemSteps = {
    {kSystemAttributes, "System Level Estimation Attributes"},
    {kSystemProjects, "System Level Estimation Projects"},
    {kSystemDescription, "Description"},
};

std::vector<Step> Join(std::initializer_list<std::vector<Step>> parts) {
    std::vector<Step> steps;
    for (const std::vector<Step>& part : parts) steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}

// In a project each model's Sensitivity Analysis works only while that model is the
// sensitivity source, so each model's commands run after its Use entry.
std::vector<Step> ProjectSteps() {
    return Join({{{kProjectDescription, "Description"}, {kUseFpSensitivity, ""}},
                 kFunctionPointSteps,
                 {{kUseCocomoSensitivity, ""}},
                 kCocomoSteps,
                 {{kUseRayleighSensitivity, ""}},
                 kRayleighSteps});
}

QString PictureName(const QString& file, const QString& title) {
    QString name = QFileInfo(file).fileName() + '-' + title;
    return name.replace(' ', '-').toLower();
}

}  // namespace

Q_DECLARE_METATYPE(std::vector<Step>)

class ModelCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase() { app_.reset(); }

    void startUpOpensTheCommandLineFileWithItsCommands();

    void everyCommandOpensItsForm_data();
    void everyCommandOpensItsForm();

    void okInAFormReachesTheDocument();
    void forwardedInitializeAsksFirst_data();
    void forwardedInitializeAsksFirst();
    void importAndExportPromptForTheFile();
    void sensitivitySourceChecksItsEntryAndEnablesItsModel();
    void languagesWithoutADocumentEditTheDefaults();
    void missingMemberFileAsksForAReplacement();

  private:
    // Records every dialog, checks it got its own form, cancels it.
    void WatchDialogs(cFrameFixture& f, const QString& file);

    QStringList shown_;
    std::unique_ptr<cEstimatorApp> app_;
    QStringList appDialogs_;
};

// The application starts as from the command line; its start-up registers every
// folder's forms and commands, which every test here then uses.
void ModelCommandsTest::initTestCase() {
    cTestQtPlatform::ClearSettings();
    app_ = std::make_unique<cEstimatorApp>(QStringList{"korval", Example("payroll.PRJ")});
    app_->Platform().SetMessageResponder([](const std::string& text, MessageButtons) {
        qWarning("unexpected message: %s", text.c_str());
        return MessageAnswer::Cancel;
    });
    app_->Platform().SetDialogResponder([this](QDialog&, cDialogLogic& logic) {
        appDialogs_ << ToQString(logic.Title());
        return false;
    });
    QVERIFY(app_->Start());
}

void ModelCommandsTest::startUpOpensTheCommandLineFileWithItsCommands() {
    cChildFrame* child = app_->MainFrame()->ActiveChild();
    QVERIFY(child != nullptr);
    QCOMPARE(child->Document().Kind(), DocumentKind::Project);
    appDialogs_.clear();
    for (int command : {kFpCount, kCocomoCostDrivers, kRayleighAttributes})
        app_->MainFrame()->RunCommand(command);
    QCOMPARE(appDialogs_, (QStringList{"Function Point Count", "Cost Driver Attributes",
                                       "Rayleigh Attributes"}));
}

void ModelCommandsTest::WatchDialogs(cFrameFixture& f, const QString& file) {
    shown_.clear();
    f.platform.SetDialogResponder([this, file](QDialog& form, cDialogLogic& logic) {
        QString title = ToQString(logic.Title());
        shown_ << title;
        if (qobject_cast<cDialogForm*>(&form) == nullptr) shown_ << "not a form: " + title;
        if (qEnvironmentVariableIsSet("KORVAL_SCREENSHOT_DIR")) {
            form.show();
            SaveScreenshot(form, PictureName(file, title));
            form.hide();
        }
        return false;
    });
}

void ModelCommandsTest::everyCommandOpensItsForm_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<std::vector<Step>>("steps");
    const std::map<QString, std::vector<Step>> kStepsByExtension = {
        {"CCM", kCocomoSteps},   {"FPM", kFunctionPointSteps}, {"RLM", kRayleighSteps},
        {"PRJ", ProjectSteps()}, {"SLE", kSystemSteps},
    };
    QDir examples(QStringLiteral(KORVAL_SOURCE_DIR "/examples"));
    for (const QFileInfo& file : examples.entryInfoList(QDir::Files, QDir::Name)) {
        auto steps = kStepsByExtension.find(file.suffix().toUpper());
        if (steps == kStepsByExtension.end()) continue;
        std::vector<Step> withDisplay = steps->second;
        withDisplay.push_back({kOptionsDisplay, "Display Options"});
        QTest::newRow(qPrintable(file.fileName())) << file.absoluteFilePath() << withDisplay;
    }
}

void ModelCommandsTest::everyCommandOpensItsForm() {
    QFETCH(QString, file);
    QFETCH(std::vector<Step>, steps);
    cFrameFixture f;
    f.platform.AcceptInformation();
    WatchDialogs(f, file);
    QVERIFY(f.frame->OpenFile(ToStdString(file)) != nullptr);
    for (const Step& step : steps) {
        shown_.clear();
        if (step.asks) f.platform.QueueAnswer(MessageAnswer::No);
        f.frame->RunCommand(step.command);
        QStringList expected;
        if (*step.title != '\0') expected << QString::fromLatin1(step.title);
        QCOMPARE(shown_, expected);
    }
    QVERIFY(f.platform.AllAnswersUsed());
    for (const std::string& message : f.platform.Unexpected()) QFAIL(message.c_str());
}

void ModelCommandsTest::okInAFormReachesTheDocument() {
    cFrameFixture f;
    QVERIFY(f.frame->OpenFile(ToStdString(Example("flight-management.CCM"))) != nullptr);
    auto& document = static_cast<cCocomoDoc&>(f.frame->ActiveChild()->Document());
    int otherMode = (ModeIndex(document.GetDevelopmentMode()) + 1) % 3;
    f.platform.SetDialogResponder([&](QDialog& form, cDialogLogic&) {
        form.findChild<QRadioButton*>(QStringLiteral("modeRadio%1").arg(otherMode))->click();
        form.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        return form.result() == QDialog::Accepted;
    });
    f.frame->RunCommand(kCocomoAttributes);
    QCOMPARE(ModeIndex(document.GetDevelopmentMode()), otherMode);
    QVERIFY(document.IsModified());
}

void ModelCommandsTest::forwardedInitializeAsksFirst_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("function point") << kFpInitialize;
    QTest::newRow("COCOMO") << kCocomoInitialize;
    QTest::newRow("Rayleigh") << kRayleighInitialize;
}

void ModelCommandsTest::forwardedInitializeAsksFirst() {
    QFETCH(int, command);
    cFrameFixture f;
    QVERIFY(f.frame->OpenFile(ToStdString(Example("payroll.PRJ"))) != nullptr);
    f.platform.QueueAnswer(MessageAnswer::No);
    f.frame->RunCommand(command);
    QCOMPARE(f.platform.Messages().size(), std::size_t{1});
    QVERIFY(f.platform.AllAnswersUsed());
    QVERIFY(!f.frame->ActiveChild()->Document().IsModified());
}

void ModelCommandsTest::importAndExportPromptForTheFile() {
    cFrameFixture f;
    QVERIFY(f.frame->OpenFile(ToStdString(Example("payroll.PRJ"))) != nullptr);
    int opens = 0;
    int saves = 0;
    f.platform.SetOpenFileResponder([&](const std::string&, const QStringList&) {
        ++opens;
        return std::string();
    });
    f.platform.SetSaveFileResponder([&](const std::string&, const QStringList&) {
        ++saves;
        return std::string();
    });
    for (int command : {kImportFp, kImportCocomo, kImportRayleigh}) f.frame->RunCommand(command);
    for (int command : {kExportFp, kExportCocomo, kExportRayleigh}) f.frame->RunCommand(command);
    QCOMPARE(opens, 3);
    QCOMPARE(saves, 3);
    QVERIFY(!f.frame->ActiveChild()->Document().IsModified());
}

void ModelCommandsTest::sensitivitySourceChecksItsEntryAndEnablesItsModel() {
    cFrameFixture f;
    QVERIFY(f.frame->OpenFile(ToStdString(Example("payroll.PRJ"))) != nullptr);
    const int useCommands[] = {kUseFpSensitivity, kUseCocomoSensitivity, kUseRayleighSensitivity};
    const int sensitivityCommands[] = {kFpSensitivity, kCocomoSensitivity, kRayleighSensitivity};
    for (int source : {1, 2, 0}) {
        f.frame->RunCommand(useCommands[source]);
        QCOMPARE(static_cast<int>(static_cast<cProjectDoc&>(f.frame->ActiveChild()->Document())
                                      .GetSensitivitySource()),
                 source);
        for (int model = 0; model < 3; ++model) {
            QAction* use = f.frame->Action(useCommands[model]);
            QVERIFY(use->isCheckable());
            QCOMPARE(use->isChecked(), model == source);
            QCOMPARE(f.frame->Action(sensitivityCommands[model])->isEnabled(), model == source);
        }
    }
}

void ModelCommandsTest::languagesWithoutADocumentEditTheDefaults() {
    cFrameFixture f;
    WatchDialogs(f, QStringLiteral("no-document"));
    QVERIFY(f.frame->Action(kOptionsLanguages)->isEnabled());
    f.frame->RunCommand(kOptionsLanguages);
    QCOMPARE(shown_, QStringList{"Language Customization"});
}

void ModelCommandsTest::missingMemberFileAsksForAReplacement() {
    QTemporaryDir folder;
    QVERIFY(QFile::copy(Example("enterprise.SLE"), folder.filePath("enterprise.SLE")));
    cFrameFixture f;
    WatchDialogs(f, QStringLiteral("moved-enterprise.SLE"));
    QVERIFY(f.frame->OpenFile(ToStdString(folder.filePath("enterprise.SLE"))) != nullptr);
    QVERIFY(!shown_.isEmpty());
    for (const QString& title : shown_) QCOMPARE(title, QStringLiteral("Missing Project File"));
    // The members stay, marked missing, in the Projects dialog.
    shown_.clear();
    f.frame->RunCommand(kSystemProjects);
    QCOMPARE(shown_, QStringList{"System Level Estimation Projects"});
}

QTEST_MAIN(ModelCommandsTest)
#include "tst_ModelCommands.moc"
