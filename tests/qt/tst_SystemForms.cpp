// The system dialog forms: each shows its logic's state and hands every edit, radio, list
// choice and button to the logic; the project list draws a missing member's file in
// inverse colours and scrolls sideways to its widest item. The rules behind the forms
// are the logic's and are tested with it.
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "app/qt/QtText.h"
#include "app/qt/cDialogFormRegistry.h"
#include "framework/cAppContext.h"
#include "system/cMissingProjectDlg.h"
#include "system/cSystemAttributesDlg.h"
#include "system/cSystemDoc.h"
#include "system/cSystemProjectsDlg.h"
#include "system/qt/SystemDesktop.h"
#include "system/qt/cProjectItemDelegate.h"
#include "tests/qt/support/FormTesting.h"
#include "tests/qt/support/cTestQtPlatform.h"

using namespace korval;
using namespace korval::testing;

namespace {

std::string Example(const char* name) {
    return std::string(KORVAL_SOURCE_DIR "/examples/") + name;
}

// The colour in the middle of a list row, a little right of its text's start.
QColor RowBackground(QListWidget& list, int row) {
    QImage image = list.viewport()->grab().toImage();
    QRect rect = list.visualItemRect(list.item(row));
    return image.pixelColor(rect.left() + 1, rect.center().y());
}

}  // namespace

class SystemFormsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { RegisterSystemDesktop(); }
    void init();

    void helpAndDismiss_data();
    void helpAndDismiss();

    void attributesRadiosEnableTheProductDesignEdits();

    void projectsListShowsMembersAndTheirTexts();
    void projectsAddAndDeleteReachTheLogic();
    void projectsMissingMemberDrawnInverse();
    void projectsListScrollsToTheWidestItem();

    void missingProjectBrowseShowsTheReplacement();

  private:
    std::unique_ptr<QDialog> Form(cDialogLogic& logic) {
        std::unique_ptr<QDialog> form = cDialogFormRegistry::Create(logic, *platform_, nullptr);
        if (!form) qFatal("no form for %s", logic.Title());
        return form;
    }
    QStringList ShownItems(QDialog& form) {
        auto* list = Child<QListWidget>(form, "projectList");
        QStringList items;
        for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
        return items;
    }
    QStringList LogicItems(const cSystemProjectsDlg& logic) {
        QStringList items;
        for (const std::string& item : logic.Items()) items << ToQString(item);
        return items;
    }

    std::unique_ptr<cTestQtPlatform> platform_;
    std::unique_ptr<cAppContext> context_;
    std::unique_ptr<cSystemDoc> system_;
};

void SystemFormsTest::init() {
    system_.reset();
    platform_ = std::make_unique<cTestQtPlatform>();
    context_ = std::make_unique<cAppContext>(cAppContext{*platform_, KORVAL_DEFAULTS_PROFILE});
    system_ = std::make_unique<cSystemDoc>(*context_);
    // The example's third member is missing: its dialog is cancelled, so it stays listed.
    QVERIFY(system_->LoadModel(Example("enterprise.SLE")));
}

void SystemFormsTest::helpAndDismiss_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("System Level Estimation Attributes") << 0;
    QTest::newRow("System Level Estimation Projects") << 1;
    QTest::newRow("Missing Project File") << 2;
}

void SystemFormsTest::helpAndDismiss() {
    QFETCH(int, which);
    std::unique_ptr<cDialogLogic> logic;
    switch (which) {
        case 0:
            logic = std::make_unique<cSystemAttributesDlg>(*system_, *platform_);
            break;
        case 1:
            logic = std::make_unique<cSystemProjectsDlg>(*system_, *platform_);
            break;
        default:
            logic = std::make_unique<cMissingProjectDlg>("gone.PRJ", *platform_);
            break;
    }
    auto form = Form(*logic);
    QCOMPARE(form->windowTitle(), QString::fromLatin1(QTest::currentDataTag()));
    CheckHelpAndDismiss(*form, *platform_, logic->HelpTopic());
}

void SystemFormsTest::attributesRadiosEnableTheProductDesignEdits() {
    cSystemAttributesDlg logic(*system_, *platform_);
    auto form = Form(logic);
    QCOMPARE(IsChecked(*form, "userSpecifiedRadio"), logic.IsUserSpecified());
    QCOMPARE(Text(*form, "productDesignTdevEdit"), ToQString(logic.productDesignTdevText));
    QCOMPARE(Text(*form, "finalTestEffortEdit"), ToQString(logic.finalTestEffortText));

    Click(*form, "userSpecifiedRadio");
    QVERIFY(logic.IsUserSpecified());
    QVERIFY(IsEnabled(*form, "productDesignTdevEdit"));
    QVERIFY(IsEnabled(*form, "productDesignEffortEdit"));
    Retype(Child<QLineEdit>(*form, "productDesignTdevEdit"), "6");
    Retype(Child<QLineEdit>(*form, "finalTestEffortEdit"), "20");
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(logic.ProductDesignTdev(), 6.0);
    QCOMPARE(logic.FinalTestEffort(), 20.0);

    Click(*form, "projectDerivedRadio");
    QVERIFY(!logic.IsUserSpecified());
    QVERIFY(!IsEnabled(*form, "productDesignTdevEdit"));
}

void SystemFormsTest::projectsListShowsMembersAndTheirTexts() {
    cSystemProjectsDlg logic(*system_, *platform_);
    auto form = Form(logic);
    QCOMPARE(ShownItems(*form), LogicItems(logic));
    auto* list = Child<QListWidget>(*form, "projectList");
    for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        QCOMPARE(logic.GetSelection(), row);
        QCOMPARE(Child<QLabel>(*form, "titleText")->text(), ToQString(logic.SelectedTitle()));
        QCOMPARE(Child<QLabel>(*form, "preparedByText")->text(),
                 ToQString(logic.SelectedPreparedBy()));
        QCOMPARE(Child<QLabel>(*form, "descriptionText")->text(),
                 ToQtLineBreaks(logic.SelectedDescription()));
    }
    auto* startTime = Child<QLineEdit>(*form, "startTimeEdit");
    QVERIFY(!startTime->isEnabled());
    QCOMPARE(startTime->text(), ToQString(logic.StartTimeText()));
}

void SystemFormsTest::projectsAddAndDeleteReachTheLogic() {
    cSystemProjectsDlg logic(*system_, *platform_);
    auto form = Form(logic);
    platform_->SetOpenFileResponder(
        [](const std::string&, const QStringList&) { return Example("web-shop.PRJ"); });
    platform_->AcceptInformation();  // the file is listed already
    std::size_t before = logic.Items().size();
    Click(*form, "addButton");
    QCOMPARE(logic.Items().size(), before + 1);
    QCOMPARE(ShownItems(*form), LogicItems(logic));
    QCOMPARE(Child<QListWidget>(*form, "projectList")->currentRow(), logic.GetSelection());

    Click(*form, "deleteButton");
    QCOMPARE(logic.Items().size(), before);
    QCOMPARE(ShownItems(*form), LogicItems(logic));
    QCOMPARE(Child<QListWidget>(*form, "projectList")->currentRow(), logic.GetSelection());
    logic.Discard();
}

void SystemFormsTest::projectsMissingMemberDrawnInverse() {
    cSystemProjectsDlg logic(*system_, *platform_);
    auto form = Form(logic);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto* list = Child<QListWidget>(*form, "projectList");
    int missing = -1;
    for (int row = 0; row < list->count(); ++row) {
        if (logic.IsMissingItem(static_cast<std::size_t>(row))) missing = row;
    }
    QVERIFY(missing > 0);
    QCOMPARE(cProjectItemDelegate::ShownText(list->model()->index(missing, 0)),
             ToQString(logic.Items()[static_cast<std::size_t>(missing)]).mid(1));
    const QPalette& palette = list->palette();
    // Row 0 is selected: highlight; the missing row is inverse, selected or not.
    QCOMPARE(RowBackground(*list, 0), palette.color(QPalette::Highlight));
    QCOMPARE(RowBackground(*list, missing), palette.color(QPalette::Text));
    list->setCurrentRow(missing);
    QCOMPARE(RowBackground(*list, missing), palette.color(QPalette::Text));
    QCOMPARE(RowBackground(*list, 0), palette.color(QPalette::Base));
}

void SystemFormsTest::projectsListScrollsToTheWidestItem() {
    std::string longPath = "/" + std::string(400, 'x') + ".PRJ";
    platform_->SetOpenFileResponder(
        [&](const std::string&, const QStringList&) { return longPath; });
    cSystemProjectsDlg logic(*system_, *platform_);
    auto form = Form(logic);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto* list = Child<QListWidget>(*form, "projectList");
    QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    Click(*form, "addButton");
    QVERIFY(list->horizontalScrollBar()->maximum() > 0);
    logic.Discard();
}

void SystemFormsTest::missingProjectBrowseShowsTheReplacement() {
    cMissingProjectDlg logic("/old/place/a.PRJ", *platform_);
    auto form = Form(logic);
    QCOMPARE(Child<QLabel>(*form, "firstLabel")->text(), ToQtLineBreaks(logic.FirstLabel()));
    QCOMPARE(Child<QLabel>(*form, "secondLabel")->text(), QString());
    QVERIFY(!Child<QLabel>(*form, "iconLabel")->pixmap().isNull());
    auto* browse = Child<QPushButton>(*form, "browseButton");
    // Enter presses OK; Alt+B browses.
    QVERIFY(!browse->isDefault() && !browse->autoDefault());
    QVERIFY(Child<QPushButton>(*form, "okButton")->isDefault());
    QCOMPARE(browse->text(), QStringLiteral("&Browse..."));

    platform_->SetOpenFileResponder(
        [](const std::string&, const QStringList&) { return std::string("/new/b.PRJ"); });
    browse->click();
    QCOMPARE(logic.GetPath(), std::string("/new/b.PRJ"));
    QCOMPARE(Child<QLabel>(*form, "secondLabel")->text(), ToQString(logic.SecondLabel()));
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Accepted));
}

QTEST_MAIN(SystemFormsTest)
#include "tst_SystemForms.moc"
