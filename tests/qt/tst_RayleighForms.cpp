// The Rayleigh dialog forms: each shows its logic's state, hands every edit, radio, list
// choice and button to the logic, and OK, Cancel and Close do what they say. The rules
// behind them are the logic's and are tested with it.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/qt/QtText.h"
#include "app/qt/cDialogFormRegistry.h"
#include "framework/NumberText.h"
#include "framework/cAppContext.h"
#include "rayleigh/cRayleighAttributesDlg.h"
#include "rayleigh/cRayleighDoc.h"
#include "rayleigh/cRayleighReverseDlg.h"
#include "rayleigh/cRayleighSensitivityDlg.h"
#include "rayleigh/qt/RayleighDesktop.h"
#include "tests/qt/support/FormTesting.h"
#include "tests/qt/support/cTestQtPlatform.h"

using namespace korval;
using namespace korval::testing;

namespace {

using Attributes = cRayleighAttributesDlg;

QString FieldName(int field) {
    return QStringLiteral("fieldEdit%1").arg(field);
}

}  // namespace

class RayleighFormsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { RegisterRayleighDesktop(); }
    void init();

    void helpAndDismiss_data();
    void helpAndDismiss();

    void attributesMirrorTheFields();
    void attributesTypeChoiceAndProductivityRadios();
    void attributesLeavingAFieldUpdatesThePreviews();
    void attributesReadOnlyInAProject();

    void sensitivityRadioEnablesItsField();

    void reverseModifyAndFixedRadios();

  private:
    std::unique_ptr<QDialog> Form(cDialogLogic& logic) {
        std::unique_ptr<QDialog> form = cDialogFormRegistry::Create(logic, *platform_, nullptr);
        if (!form) qFatal("no form for %s", logic.Title());
        return form;
    }
    // The first user-defined application type, or -1.
    int UserDefinedType() const {
        const cApplicationTypeList& types = document_->GetApplicationTypes();
        for (int i = 0; i < types.Count(); ++i) {
            if (types.At(i)->IsUserDefined()) return i;
        }
        return -1;
    }
    bool ShowsAttributes(QDialog& form, const Attributes& logic) {
        for (int field = 0; field < Attributes::kFieldCount; ++field) {
            auto which = static_cast<Attributes::Field>(field);
            auto* edit = Child<QLineEdit>(form, FieldName(field));
            if (edit->text() != ToQString(logic.GetText(which)) ||
                edit->isEnabled() != logic.IsEnabled(which) ||
                edit->isReadOnly() != logic.IsReadOnly(which))
                return false;
        }
        return IsChecked(form, QStringLiteral("formRadio%1")
                                   .arg(static_cast<int>(logic.GetProductivityForm()))) &&
               IsEnabled(form, "formRadio0") == logic.AreFormRadiosEnabled() &&
               Child<QComboBox>(form, "applicationTypeList")->currentIndex() ==
                   logic.GetSelectedApplication();
    }

    std::unique_ptr<cTestQtPlatform> platform_;
    std::unique_ptr<cAppContext> context_;
    std::unique_ptr<cRayleighDoc> document_;
};

void RayleighFormsTest::init() {
    platform_ = std::make_unique<cTestQtPlatform>();
    context_ = std::make_unique<cAppContext>(cAppContext{*platform_, KORVAL_DEFAULTS_PROFILE});
    document_ = std::make_unique<cRayleighDoc>(*context_);
    document_->SetSourceLines(50000);
    document_->SetSchedule(20);
}

void RayleighFormsTest::helpAndDismiss_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("Rayleigh Attributes") << 0;
    QTest::newRow("Rayleigh Sensitivity Adjustments") << 1;
    QTest::newRow("Rayleigh Reverse Engineering") << 2;
}

void RayleighFormsTest::helpAndDismiss() {
    QFETCH(int, which);
    std::unique_ptr<cDialogLogic> logic;
    switch (which) {
        case 0:
            logic = std::make_unique<Attributes>(*platform_, *document_);
            break;
        case 1:
            logic = std::make_unique<cRayleighSensitivityDlg>(*platform_, 10, 0, 0, 0, 12,
                                                              RayleighSensitivityType::Sloc);
            break;
        default:
            logic = std::make_unique<cRayleighReverseDlg>(*platform_, *document_);
            break;
    }
    auto form = Form(*logic);
    QCOMPARE(form->windowTitle(), QString::fromLatin1(QTest::currentDataTag()));
    CheckHelpAndDismiss(*form, *platform_, logic->HelpTopic());
}

void RayleighFormsTest::attributesMirrorTheFields() {
    Attributes logic(*platform_, *document_);
    auto form = Form(logic);
    auto* types = Child<QComboBox>(*form, "applicationTypeList");
    QCOMPARE(types->count(), static_cast<int>(logic.GetApplicationTypeNames().size()));
    QVERIFY(ShowsAttributes(*form, logic));
    QVERIFY(!IsEnabled(*form, FieldName(Attributes::kIndexField)) || logic.IsSelectedUserDefined());

    Retype(Child<QLineEdit>(*form, FieldName(Attributes::kSourceLinesField)), "80000");
    Retype(Child<QLineEdit>(*form, FieldName(Attributes::kPercentageField)), "60");
    // The previews follow the typing, before the field is left.
    QCOMPARE(Child<QLineEdit>(*form, FieldName(Attributes::kBuildTimeField))->text(),
             ToQString(logic.GetText(Attributes::kBuildTimeField)));
    QCOMPARE(logic.GetText(Attributes::kBuildTimeField),
             FormatNumber("%-3.1f",
                          0.6 * ParseLeadingDouble(logic.GetText(Attributes::kScheduleField))));
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(logic.GetSourceLines(), 80000.0);
    QCOMPARE(logic.GetBuildPhasePercentage(), 60);
}

void RayleighFormsTest::attributesTypeChoiceAndProductivityRadios() {
    int userDefined = UserDefinedType();
    if (userDefined < 0) QSKIP("the defaults profile has no user-defined application type");
    Attributes logic(*platform_, *document_);
    auto form = Form(logic);
    auto* types = Child<QComboBox>(*form, "applicationTypeList");
    types->setCurrentIndex(userDefined);
    emit types->activated(userDefined);
    QCOMPARE(logic.GetSelectedApplication(), userDefined);
    QVERIFY(ShowsAttributes(*form, logic));
    QVERIFY(IsEnabled(*form, "formRadio0"));

    Click(*form, "formRadio0");
    Retype(Child<QLineEdit>(*form, FieldName(Attributes::kIndexField)), "12");
    LeaveFocus(Child<QLineEdit>(*form, FieldName(Attributes::kIndexField)));
    QVERIFY(ShowsAttributes(*form, logic));
    Click(*form, "formRadio1");
    QCOMPARE(logic.GetProductivityForm(), Attributes::Form::Measure);
    QVERIFY(ShowsAttributes(*form, logic));
    QVERIFY(IsEnabled(*form, FieldName(Attributes::kMeasureField)));
    QVERIFY(!IsEnabled(*form, FieldName(Attributes::kIndexField)));
}

void RayleighFormsTest::attributesLeavingAFieldUpdatesThePreviews() {
    Attributes logic(*platform_, *document_);
    auto form = Form(logic);
    QString buildTime = Text(*form, FieldName(Attributes::kBuildTimeField));
    auto* schedule = Child<QLineEdit>(*form, FieldName(Attributes::kScheduleField));
    Retype(schedule, "40");
    // The previews follow the typing already; leaving the field checks it and keeps them.
    QCOMPARE(Text(*form, FieldName(Attributes::kBuildTimeField)), QStringLiteral("30.0"));
    QVERIFY(buildTime != QStringLiteral("30.0"));
    LeaveFocus(schedule);
    QCOMPARE(Text(*form, FieldName(Attributes::kBuildTimeField)), QStringLiteral("30.0"));
    QVERIFY(ShowsAttributes(*form, logic));
    // OK and Cancel take no focus from a field, so clicking them is not leaving it.
    QCOMPARE(Child<QPushButton>(*form, "cancelButton")->focusPolicy(), Qt::TabFocus);
}

void RayleighFormsTest::attributesReadOnlyInAProject() {
    document_->SetSourceLinesEditable(false);
    document_->SetScheduleEditable(false);
    Attributes logic(*platform_, *document_);
    auto form = Form(logic);
    QVERIFY(ShowsAttributes(*form, logic));
    QVERIFY(!IsEnabled(*form, FieldName(Attributes::kSourceLinesField)));
    QVERIFY(!IsEnabled(*form, FieldName(Attributes::kScheduleField)));
}

void RayleighFormsTest::sensitivityRadioEnablesItsField() {
    cRayleighSensitivityDlg logic(*platform_, 10, 20, 30, 2, 12.4,
                                  RayleighSensitivityType::Schedule);
    auto form = Form(logic);
    auto showsLogic = [&] {
        for (int field = 0; field < cRayleighSensitivityDlg::kFieldCount; ++field) {
            auto which = static_cast<cRayleighSensitivityDlg::Field>(field);
            if (Text(*form, FieldName(field)) != ToQString(logic.GetText(which))) return false;
            if (which != cRayleighSensitivityDlg::kSelectedIndexField &&
                IsEnabled(*form, FieldName(field)) != logic.IsEnabled(which))
                return false;
        }
        for (int type = 0; type < 4; ++type) {
            if (IsChecked(*form, QStringLiteral("typeRadio%1").arg(type)) !=
                (logic.GetCheckedType() == static_cast<RayleighSensitivityType>(type)))
                return false;
        }
        return form->focusWidget() == Child<QLineEdit>(*form, FieldName(logic.GetFocus()));
    };
    QVERIFY(showsLogic());
    QVERIFY(Child<QLineEdit>(*form, FieldName(cRayleighSensitivityDlg::kSelectedIndexField))
                ->isReadOnly());
    Click(*form, "typeRadio3");
    QVERIFY(showsLogic());
    Retype(Child<QLineEdit>(*form, FieldName(cRayleighSensitivityDlg::kIndexStepsField)), "4");
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(logic.GetIndexSteps(), 4);
    QVERIFY(logic.GetCheckedType() == RayleighSensitivityType::Index);
}

void RayleighFormsTest::reverseModifyAndFixedRadios() {
    cRayleighReverseDlg logic(*platform_, *document_);
    auto form = Form(logic);
    auto showsLogic = [&] {
        for (int r = 0; r < cRayleighReverseDlg::kRowCount; ++r) {
            auto row = static_cast<cRayleighReverseDlg::Row>(r);
            if (Text(*form, QStringLiteral("inputEdit%1").arg(r)) !=
                    ToQString(logic.GetInputText(row)) ||
                Text(*form, QStringLiteral("outputField%1").arg(r)) !=
                    ToQString(logic.GetOutputText(row)) ||
                Text(*form, QStringLiteral("originalField%1").arg(r)) !=
                    ToQString(logic.GetOriginalText(row)) ||
                IsEnabled(*form, QStringLiteral("inputEdit%1").arg(r)) !=
                    logic.IsInputEnabled(row) ||
                IsEnabled(*form, QStringLiteral("fixedRadio%1").arg(r)) !=
                    logic.IsFixedRadioEnabled(row) ||
                IsChecked(*form, QStringLiteral("modifyRadio%1").arg(r)) !=
                    (logic.GetModifyRow() == row) ||
                IsChecked(*form, QStringLiteral("fixedRadio%1").arg(r)) !=
                    (logic.GetFixedRow() == row))
                return false;
        }
        return form->focusWidget() ==
               Child<QLineEdit>(*form, QStringLiteral("inputEdit%1").arg(logic.GetFocusRow()));
    };
    QVERIFY(showsLogic());
    QVERIFY(Child<QPushButton>(*form, "calculateButton")->isDefault());

    Click(*form, "modifyRadio1");
    QCOMPARE(logic.GetModifyRow(), cRayleighReverseDlg::kScheduleRow);
    QVERIFY(showsLogic());
    Click(*form, "fixedRadio0");
    QCOMPARE(logic.GetFixedRow(), cRayleighReverseDlg::kSlocRow);
    Retype(Child<QLineEdit>(*form, "inputEdit1"), "25");
    Click(*form, "calculateButton");
    QCOMPARE(logic.GetOutput(cRayleighReverseDlg::kScheduleRow), 25.0);
    QVERIFY(showsLogic());
    Click(*form, "resetButton");
    QCOMPARE(logic.GetModifyRow(), cRayleighReverseDlg::kSlocRow);
    QVERIFY(showsLogic());
}

QTEST_MAIN(RayleighFormsTest)
#include "tst_RayleighForms.moc"
