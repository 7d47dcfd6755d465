// The function point dialog forms: each shows its logic's state, hands every edit,
// radio, list choice and button to the logic, and OK, Cancel, Close and Help do what they
// say. The rules behind them are the logic's and are tested with it.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/qt/QtText.h"
#include "app/qt/cDialogFormRegistry.h"
#include "framework/cAppContext.h"
#include "functionpoint/cFpReverseDlg.h"
#include "functionpoint/cFpSensitivityDlg.h"
#include "functionpoint/cFunctionPointCountDlg.h"
#include "functionpoint/cFunctionPointDoc.h"
#include "functionpoint/cLanguageDlg.h"
#include "functionpoint/cValueAdjustmentDlg.h"
#include "functionpoint/qt/FunctionPointDesktop.h"
#include "functionpoint/qt/cLanguageListDelegate.h"
#include "tests/qt/support/FormTesting.h"
#include "tests/qt/support/cTestQtPlatform.h"

using namespace korval;
using namespace korval::testing;

class FunctionPointFormsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { RegisterFunctionPointDesktop(); }
    void init();

    void helpAndDismiss_data();
    void helpAndDismiss();

    void countShowsTotalsWhenTheFocusEnters();
    void countRefusedValueTakesTheFocusOnce();
    void countReturnsCountsAndLanguage();

    void valueAdjustmentRadiosReachTheRatings();

    void sensitivityRadioEnablesItsFields();

    void reverseShowsAllColumnsAndCalculates();

    void languagesListFieldsAndButtons();
    void languagesRefusalFocusesTheNamedField();

  private:
    std::unique_ptr<QDialog> Form(cDialogLogic& logic) {
        std::unique_ptr<QDialog> form = cDialogFormRegistry::Create(logic, *platform_, nullptr);
        if (!form) qFatal("no form for %s", logic.Title());
        return form;
    }
    std::unique_ptr<cFunctionPointCountDlg> Count() {
        return std::make_unique<cFunctionPointCountDlg>(*platform_, document_->GetFunctionCounts(),
                                                        document_->GetSelectedLanguage(),
                                                        document_->GetLanguageTable());
    }
    std::unique_ptr<cLanguageDlg> Languages() {
        return std::make_unique<cLanguageDlg>(*context_, context_->defaultsProfilePath, "");
    }

    // The defaults profile is copied: the Languages dialog writes to it on OK.
    QTemporaryDir folder_;
    std::unique_ptr<cTestQtPlatform> platform_;
    std::unique_ptr<cAppContext> context_;
    std::unique_ptr<cFunctionPointDoc> document_;
};

void FunctionPointFormsTest::init() {
    QString profile = folder_.filePath("korval.ini");
    QFile::remove(profile);
    QVERIFY(QFile::copy(KORVAL_DEFAULTS_PROFILE, profile));
    QFile::setPermissions(profile, QFile::ReadOwner | QFile::WriteOwner);
    platform_ = std::make_unique<cTestQtPlatform>();
    context_ = std::make_unique<cAppContext>(cAppContext{*platform_, ToStdString(profile)});
    document_ = std::make_unique<cFunctionPointDoc>(*context_);
    for (int cell = 0; cell < kFunctionCellCount; ++cell) document_->SetCount(cell, cell + 1);
}

void FunctionPointFormsTest::helpAndDismiss_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("Function Point Count") << 0;
    QTest::newRow("Value Adjustment Factor") << 1;
    QTest::newRow("Function Point Sensitivity Adjustments") << 2;
    QTest::newRow("Function Point Reverse Engineering") << 3;
    QTest::newRow("Language Customization") << 4;
}

void FunctionPointFormsTest::helpAndDismiss() {
    QFETCH(int, which);
    std::unique_ptr<cDialogLogic> logic;
    switch (which) {
        case 0:
            logic = Count();
            break;
        case 1:
            logic = std::make_unique<cValueAdjustmentDlg>(document_->GetRatings());
            break;
        case 2:
            logic = std::make_unique<cFpSensitivityDlg>(*platform_, document_->GetSensitivity());
            break;
        case 3:
            logic = std::make_unique<cFpReverseDlg>(*platform_, 100, 100, 5000, 1.0,
                                                    document_->GetSelectedLanguage());
            break;
        default:
            logic = Languages();
            break;
    }
    auto form = Form(*logic);
    QCOMPARE(form->windowTitle(), QString::fromLatin1(QTest::currentDataTag()));
    CheckHelpAndDismiss(*form, *platform_, logic->HelpTopic());
}

void FunctionPointFormsTest::countShowsTotalsWhenTheFocusEnters() {
    auto logic = Count();
    auto form = Form(*logic);
    auto showsTotals = [&] {
        for (int type = 0; type < kFunctionTypeCount; ++type) {
            if (Text(*form, QStringLiteral("typeTotalField%1").arg(type)) !=
                ToQString(logic->GetTypeTotalText(static_cast<FunctionType>(type))))
                return false;
        }
        return Text(*form, "totalField") == ToQString(logic->GetTotalText());
    };
    for (int cell = 0; cell < kFunctionCellCount; ++cell)
        QCOMPARE(Text(*form, QStringLiteral("countEdit%1").arg(cell)), QString::number(cell + 1));
    QVERIFY(logic->GetTotalText() != "0");  // opening enters the first count
    QVERIFY(showsTotals());

    QString before = Text(*form, "totalField");
    Retype(Child<QLineEdit>(*form, "countEdit0"), "100");
    QCOMPARE(Text(*form, "totalField"), before);  // nothing until the focus moves
    EnterFocus(Child<QLineEdit>(*form, "countEdit1"));
    QVERIFY(Text(*form, "totalField") != before);
    QVERIFY(showsTotals());
    Retype(Child<QLineEdit>(*form, "countEdit0"), "7");
    EnterFocus(Child<QComboBox>(*form, "languageList"));
    QVERIFY(showsTotals());
}

void FunctionPointFormsTest::countRefusedValueTakesTheFocusOnce() {
    platform_->AcceptInformation();
    auto logic = Count();
    auto form = Form(*logic);
    auto* bad = Child<QLineEdit>(*form, "countEdit4");
    Retype(bad, "12000");
    EnterFocus(Child<QLineEdit>(*form, "countEdit5"));
    QCOMPARE(platform_->Messages().size(), std::size_t{1});
    QCOMPARE(form->focusWidget(), bad);
    EnterFocus(bad);  // coming back to the refused field does not repeat the message
    QCOMPARE(platform_->Messages().size(), std::size_t{1});
}

void FunctionPointFormsTest::countReturnsCountsAndLanguage() {
    auto logic = Count();
    auto form = Form(*logic);
    auto* language = Child<QComboBox>(*form, "languageList");
    QCOMPARE(language->count(), static_cast<int>(logic->GetLanguageList().size()));
    QCOMPARE(language->currentIndex(), logic->GetLanguageSelection());
    int other = language->currentIndex() == 1 ? 2 : 1;
    language->setCurrentIndex(other);
    emit language->activated(other);
    QCOMPARE(logic->GetLanguageSelection(), other);
    // Typing a name finds it, and the list tells the logic.
    QString wanted = language->itemText(0).left(2);
    QTest::keyClicks(language, wanted);
    QVERIFY(language->currentText().startsWith(wanted, Qt::CaseInsensitive));
    QCOMPARE(logic->GetLanguageSelection(), language->currentIndex());
    language->setCurrentIndex(other);
    emit language->activated(other);
    Retype(Child<QLineEdit>(*form, "countEdit0"), "42");
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(logic->GetFunctionCounts()[0].GetCount(), 42);
    QVERIFY(
        language->itemText(other).startsWith(ToQString(logic->GetSelectedLanguage().GetName())));
    QVERIFY(language->itemText(other).endsWith(QStringLiteral(" SLOC/FP)")));
}

void FunctionPointFormsTest::valueAdjustmentRadiosReachTheRatings() {
    cValueAdjustmentDlg::Ratings ratings{};
    for (int row = 0; row < kSystemCharacteristicCount; ++row) ratings[row] = row % 6;
    cValueAdjustmentDlg logic(ratings);
    auto form = Form(logic);
    for (int row = 0; row < kSystemCharacteristicCount; ++row)
        QVERIFY(IsChecked(*form, QStringLiteral("ratingRadio%1_%2").arg(row).arg(row % 6)));
    Click(*form, "ratingRadio13_5");
    QCOMPARE(logic.GetSelection(13), 5);
    QCOMPARE(Child<QLabel>(*form, "totalText")->text(), ToQString(logic.TotalText()));
    QVERIFY(!IsChecked(*form, QStringLiteral("ratingRadio13_%1").arg(13 % 6)));
}

void FunctionPointFormsTest::sensitivityRadioEnablesItsFields() {
    FpSensitivitySettings settings;
    settings.cellPercentages[3] = 7;
    settings.adjustedPercentage = 15;
    settings.type = SensitivityType::ADJ_FP;
    cFpSensitivityDlg logic(*platform_, settings);
    auto form = Form(logic);
    auto checkFields = [&] {
        for (int field = 0; field < cFpSensitivityDlg::kFieldCount; ++field) {
            QString name = QStringLiteral("percentEdit%1").arg(field);
            QCOMPARE(Text(*form, name), ToQString(logic.GetFieldText(field)));
            QCOMPARE(IsEnabled(*form, name), logic.IsFieldEnabled(field));
        }
        QCOMPARE(
            form->focusWidget(),
            Child<QLineEdit>(*form, QStringLiteral("percentEdit%1").arg(logic.GetFocusField())));
    };
    QVERIFY(IsChecked(*form, "typeRadio3"));
    checkFields();
    Click(*form, "typeRadio0");
    QCOMPARE(logic.GetType(), SensitivityType::DETAILS);
    checkFields();
    Retype(Child<QLineEdit>(*form, "percentEdit3"), "30");
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(logic.GetSettings().cellPercentages[3], 30);
    QCOMPARE(logic.GetSettings().adjustedPercentage, 15);
}

void FunctionPointFormsTest::reverseShowsAllColumnsAndCalculates() {
    cLanguage language;
    language.SetName("Java");
    language.SetMultiplier(53);
    cFpReverseDlg logic(*platform_, 100, 110, 5830, 1.1, language);
    auto form = Form(logic);
    auto showsLogic = [&] {
        for (int r = 0; r < cFpReverseDlg::kRowCount; ++r) {
            auto row = static_cast<cFpReverseDlg::Row>(r);
            if (Text(*form, QStringLiteral("inputEdit%1").arg(r)) !=
                    ToQString(logic.GetInputText(row)) ||
                Text(*form, QStringLiteral("outputField%1").arg(r)) !=
                    ToQString(logic.GetOutputText(row)) ||
                Text(*form, QStringLiteral("originalField%1").arg(r)) !=
                    ToQString(logic.GetOriginalText(row)) ||
                IsEnabled(*form, QStringLiteral("inputEdit%1").arg(r)) !=
                    logic.IsInputEnabled(row) ||
                IsChecked(*form, QStringLiteral("modifyRadio%1").arg(r)) !=
                    (logic.GetModifyRow() == row))
                return false;
        }
        return Text(*form, "languageField") == ToQString(logic.GetLanguageText());
    };
    QVERIFY(showsLogic());
    Click(*form, "modifyRadio2");
    QCOMPARE(logic.GetModifyRow(), cFpReverseDlg::kSlocRow);
    Retype(Child<QLineEdit>(*form, "inputEdit2"), "10600");
    Click(*form, "calculateButton");
    QCOMPARE(logic.GetOutput(cFpReverseDlg::kSlocRow), 10600.0);
    QVERIFY(showsLogic());
    Click(*form, "resetButton");
    QCOMPARE(logic.GetModifyRow(), cFpReverseDlg::kUfpRow);
    QVERIFY(showsLogic());
}

void FunctionPointFormsTest::languagesListFieldsAndButtons() {
    auto logic = Languages();
    auto form = Form(*logic);
    auto* list = Child<QListWidget>(*form, "languageList");
    auto listShowsLogic = [&] {
        QStringList items;
        for (const std::string& name : logic->GetList()) items << ToQString(name);
        QStringList figures;
        for (const std::string& figure : logic->GetListFigures()) figures << ToQString(figure);
        QStringList shown, shownFigures;
        for (int row = 0; row < list->count(); ++row) {
            shown << list->item(row)->text();
            shownFigures << list->item(row)->data(cLanguageListDelegate::kFigureRole).toString();
        }
        return shown == items && shownFigures == figures &&
               list->currentRow() == logic->GetSelectedIndex();
    };
    QVERIFY(listShowsLogic());
    QVERIFY(IsChecked(*form, "setDefaultsBox"));
    QVERIFY(!IsEnabled(*form, "setCurrentModelBox"));

    list->setCurrentRow(3);
    QCOMPARE(logic->GetSelectedIndex(), 3);
    QCOMPARE(Text(*form, "languageEdit"), ToQString(logic->GetNameText()));
    QCOMPARE(Text(*form, "multiplierEdit"), ToQString(logic->GetMultiplierText()));

    Retype(Child<QLineEdit>(*form, "languageEdit"), "Zeta Script");
    Retype(Child<QLineEdit>(*form, "multiplierEdit"), "61");
    Click(*form, "addButton");
    QVERIFY(logic->GetTable().FindLanguage("Zeta Script") >= 0);
    QVERIFY(listShowsLogic());
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Zeta Script"));

    Retype(Child<QLineEdit>(*form, "multiplierEdit"), "64");
    Click(*form, "modifyButton");
    QCOMPARE(list->currentItem()->data(cLanguageListDelegate::kFigureRole).toString(),
             QStringLiteral("64 SLOC/FP"));

    Click(*form, "deleteButton");
    QVERIFY(logic->GetTable().FindLanguage("Zeta Script") < 0);
    QVERIFY(listShowsLogic());
    QCOMPARE(Text(*form, "languageEdit"), QString());

    Click(*form, "setDefaultsBox");
    QVERIFY(!logic->IsSetDefaultsChecked());
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Accepted));
}

void FunctionPointFormsTest::languagesRefusalFocusesTheNamedField() {
    platform_->AcceptInformation();
    auto logic = Languages();
    auto form = Form(*logic);
    Retype(Child<QLineEdit>(*form, "languageEdit"), "none");
    Retype(Child<QLineEdit>(*form, "multiplierEdit"), "10");
    Click(*form, "addButton");
    QCOMPARE(platform_->Messages().size(), std::size_t{1});
    QCOMPARE(form->focusWidget(), Child<QLineEdit>(*form, "languageEdit"));
    Retype(Child<QLineEdit>(*form, "languageEdit"), "Omega");
    Retype(Child<QLineEdit>(*form, "multiplierEdit"), "0");
    Click(*form, "addButton");
    QCOMPARE(platform_->Messages().size(), std::size_t{2});
    QCOMPARE(form->focusWidget(), Child<QLineEdit>(*form, "multiplierEdit"));
}

QTEST_MAIN(FunctionPointFormsTest)
#include "tst_FunctionPointForms.moc"
