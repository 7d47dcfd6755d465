// The COCOMO dialog forms: each shows its logic's state, hands every edit, radio and
// button to the logic, and OK, Cancel, Close and Help do what they say. The rules behind
// them are the logic's and are tested with it.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "app/qt/QtText.h"
#include "app/qt/cDialogFormRegistry.h"
#include "cocomo/cCocomoAttributesDlg.h"
#include "cocomo/cCocomoDoc.h"
#include "cocomo/cCocomoReverseDlg.h"
#include "cocomo/cCocomoSensitivityDlg.h"
#include "cocomo/cCostDriverDlg.h"
#include "cocomo/qt/CocomoDesktop.h"
#include "framework/cAppContext.h"
#include "tests/qt/support/FormTesting.h"
#include "tests/qt/support/cTestQtPlatform.h"

using namespace korval;
using namespace korval::testing;

class CocomoFormsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { RegisterCocomoDesktop(); }
    void init() {
        platform_ = std::make_unique<cTestQtPlatform>();
        context_ = std::make_unique<cAppContext>(cAppContext{*platform_, KORVAL_DEFAULTS_PROFILE});
    }

    void helpAndDismiss_data();
    void helpAndDismiss();

    void attributesShowAndReturnTheChoices();
    void attributesRefusedSizeKeepsTheFormOpen();
    void attributesSizeReadOnlyInAProject();

    void costDriversListGroupsAndRatings();

    void sensitivityRadioEnablesItsField();
    void sensitivityRefusalKeepsTheFormOpen();

    void reverseShowsAllColumnsAndCalculates();
    void reverseSolvesForProbabilityOnceTheRunEnds();

  private:
    std::unique_ptr<QDialog> Form(cDialogLogic& logic) {
        std::unique_ptr<QDialog> form = cDialogFormRegistry::Create(logic, *platform_, nullptr);
        if (!form) qFatal("no form for %s", logic.Title());
        return form;
    }
    std::unique_ptr<cCocomoDoc> Document() { return std::make_unique<cCocomoDoc>(*context_); }
    std::unique_ptr<cCocomoReverseDlg> Reverse() {
        auto document = Document();
        cCocomoReverseDlg::Values starting{32000, 145.5, 145.5, 14.3};
        return std::make_unique<cCocomoReverseDlg>(
            *platform_, starting, 1.0, document->GetModeConstants(DevelopmentMode::Semidetached));
    }

    std::unique_ptr<cTestQtPlatform> platform_;
    std::unique_ptr<cAppContext> context_;
};

void CocomoFormsTest::helpAndDismiss_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("COCOMO Attributes") << 0;
    QTest::newRow("Cost Driver Attributes") << 1;
    QTest::newRow("COCOMO Sensitivity Adjustments") << 2;
    QTest::newRow("COCOMO Reverse Engineering") << 3;
}

void CocomoFormsTest::helpAndDismiss() {
    QFETCH(int, which);
    auto document = Document();
    std::unique_ptr<cDialogLogic> logic;
    switch (which) {
        case 0:
            logic = std::make_unique<cCocomoAttributesDlg>(*platform_, DevelopmentMode::Organic,
                                                           1000, true);
            break;
        case 1:
            logic = std::make_unique<cCostDriverDlg>(document->GetCostDrivers());
            break;
        case 2:
            logic = std::make_unique<cCocomoSensitivityDlg>(*platform_, 0, 0, 0,
                                                            CocomoSensitivityType::Sloc);
            break;
        default:
            logic = Reverse();
            break;
    }
    auto form = Form(*logic);
    QCOMPARE(form->windowTitle(), QString::fromLatin1(QTest::currentDataTag()));
    CheckHelpAndDismiss(*form, *platform_, logic->HelpTopic());
}

void CocomoFormsTest::attributesShowAndReturnTheChoices() {
    cCocomoAttributesDlg logic(*platform_, DevelopmentMode::Semidetached, 32000, true);
    auto form = Form(logic);
    QVERIFY(IsChecked(*form, "modeRadio1"));
    QVERIFY(IsChecked(*form, "modelRadio1"));
    QVERIFY(!IsEnabled(*form, "modelRadio0"));
    QVERIFY(!IsEnabled(*form, "modelRadio2"));
    QCOMPARE(Text(*form, "sourceLinesEdit"), QStringLiteral("32000"));

    Click(*form, "modeRadio2");
    Retype(Child<QLineEdit>(*form, "sourceLinesEdit"), "50000");
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVERIFY(logic.GetMode() == DevelopmentMode::Embedded);
    QCOMPARE(logic.GetSourceLines(), 50000.0);
}

void CocomoFormsTest::attributesRefusedSizeKeepsTheFormOpen() {
    platform_->AcceptInformation();
    cCocomoAttributesDlg logic(*platform_, DevelopmentMode::Organic, 1000, true);
    auto form = Form(logic);
    auto* size = Child<QLineEdit>(*form, "sourceLinesEdit");
    Retype(size, "1e12");
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(platform_->Messages().size(), std::size_t{1});
    QCOMPARE(form->focusWidget(), size);
}

void CocomoFormsTest::attributesSizeReadOnlyInAProject() {
    cCocomoAttributesDlg logic(*platform_, DevelopmentMode::Organic, 12345.5, false);
    auto form = Form(logic);
    auto* size = Child<QLineEdit>(*form, "sourceLinesEdit");
    QVERIFY(!size->isEnabled());
    QVERIFY(size->isReadOnly());
    QCOMPARE(size->text(), ToQString(logic.GetSourceLinesText()));
    Click(*form, "okButton");
    QCOMPARE(logic.GetSourceLines(), 12345.5);
}

void CocomoFormsTest::costDriversListGroupsAndRatings() {
    auto document = Document();
    cCostDriverDlg logic(document->GetCostDrivers());
    auto form = Form(logic);
    auto* list = Child<QTreeWidget>(*form, "attributeList");
    auto shownRows = [&] {
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + '|' + list->topLevelItem(i)->text(1);
        return rows;
    };
    auto logicRows = [&] {
        QStringList rows;
        for (const std::string& row : logic.GetRows()) {
            QString text = ToQString(row);
            rows << text.section('\t', 0, 0).trimmed() + '|' + text.section('\t', 1);
        }
        return rows;
    };
    QCOMPARE(shownRows(), logicRows());
    QVERIFY(IsChecked(*form, "groupRadio0"));
    QVERIFY(!IsEnabled(*form, "groupRadio5"));

    Click(*form, "groupRadio2");
    QCOMPARE(logic.GetGroupChoice(), 2);
    QCOMPARE(shownRows(), logicRows());
    QVERIFY(list->topLevelItemCount() < static_cast<int>(document->GetCostDrivers().size()));

    list->setCurrentItem(list->topLevelItem(1));
    QCOMPARE(logic.GetSelectedRow(), 1);
    int unchecked = -1;
    for (int rating = 0; rating < kRatingCount; ++rating) {
        QString radio = QStringLiteral("ratingRadio%1").arg(rating);
        QCOMPARE(IsEnabled(*form, radio), logic.IsRatingEnabled(rating));
        QCOMPARE(IsChecked(*form, radio), logic.IsRatingChecked(rating));
        if (logic.IsRatingEnabled(rating) && !logic.IsRatingChecked(rating)) unchecked = rating;
    }
    QVERIFY(unchecked >= 0);
    Click(*form, QStringLiteral("ratingRadio%1").arg(unchecked));
    QVERIFY(logic.IsRatingChecked(unchecked));
    QCOMPARE(Child<QLabel>(*form, "factorText")->text(), ToQString(logic.FactorText()));
    QCOMPARE(Child<QAbstractButton>(*form, QStringLiteral("ratingRadio%1").arg(unchecked))->text(),
             ToQString(logic.RatingRadioText(unchecked)));
    QCOMPARE(shownRows(), logicRows());
    QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 1);
}

void CocomoFormsTest::sensitivityRadioEnablesItsField() {
    cCocomoSensitivityDlg logic(*platform_, 10, 20, 30, CocomoSensitivityType::NominalEffort);
    auto form = Form(logic);
    QVERIFY(IsChecked(*form, "typeRadio1"));
    for (int field = 0; field < 3; ++field) {
        QString name = QStringLiteral("percentEdit%1").arg(field);
        QCOMPARE(Text(*form, name), ToQString(logic.GetFieldText(field)));
        QCOMPARE(IsEnabled(*form, name), field == 1);
    }
    QCOMPARE(form->focusWidget(), Child<QLineEdit>(*form, "percentEdit1"));

    Click(*form, "typeRadio2");
    QVERIFY(IsEnabled(*form, "percentEdit2"));
    QVERIFY(!IsEnabled(*form, "percentEdit1"));
    QCOMPARE(form->focusWidget(), Child<QLineEdit>(*form, "percentEdit2"));
    Retype(Child<QLineEdit>(*form, "percentEdit2"), "12.5");
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVERIFY(logic.GetType() == CocomoSensitivityType::AdjustedEffort);
    QCOMPARE(logic.GetPercent(2), 12.5);
}

void CocomoFormsTest::sensitivityRefusalKeepsTheFormOpen() {
    platform_->AcceptInformation();
    cCocomoSensitivityDlg logic(*platform_, 0, 0, 0, CocomoSensitivityType::Sloc);
    auto form = Form(logic);
    Retype(Child<QLineEdit>(*form, "percentEdit0"), "150");
    Click(*form, "okButton");
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(platform_->Messages().size(), std::size_t{1});
    QCOMPARE(form->focusWidget(), Child<QLineEdit>(*form, "percentEdit0"));
}

void CocomoFormsTest::reverseShowsAllColumnsAndCalculates() {
    auto logic = Reverse();
    auto form = Form(*logic);
    auto showsLogic = [&] {
        for (int r = 0; r < cCocomoReverseDlg::kRowCount; ++r) {
            auto row = static_cast<cCocomoReverseDlg::Row>(r);
            if (Text(*form, QStringLiteral("inputEdit%1").arg(r)) !=
                ToQString(logic->GetInputText(row)))
                return false;
            if (Text(*form, QStringLiteral("outputField%1").arg(r)) !=
                ToQString(logic->GetOutputText(row)))
                return false;
            if (Text(*form, QStringLiteral("originalField%1").arg(r)) !=
                ToQString(logic->GetOriginalText(row)))
                return false;
            if (IsEnabled(*form, QStringLiteral("inputEdit%1").arg(r)) !=
                logic->IsInputEnabled(row))
                return false;
            if (IsChecked(*form, QStringLiteral("modifyRadio%1").arg(r)) !=
                (logic->GetModifyRow() == row))
                return false;
        }
        return true;
    };
    QVERIFY(showsLogic());
    QVERIFY(Child<QPushButton>(*form, "calculateButton")->isDefault());

    Click(*form, "modifyRadio3");
    QCOMPARE(logic->GetModifyRow(), cCocomoReverseDlg::kTimeToDevelopRow);
    QVERIFY(showsLogic());
    auto* time = Child<QLineEdit>(*form, "inputEdit3");
    QCOMPARE(form->focusWidget(), time);
    Retype(time, "20");
    Click(*form, "calculateButton");
    QCOMPARE(logic->GetOutput(cCocomoReverseDlg::kTimeToDevelopRow), 20.0);
    QVERIFY(showsLogic());

    Click(*form, "resetButton");
    QCOMPARE(logic->GetModifyRow(), cCocomoReverseDlg::kSourceLinesRow);
    QVERIFY(showsLogic());
}

void CocomoFormsTest::reverseSolvesForProbabilityOnceTheRunEnds() {
    auto document = Document();
    // 1 .. 201 person months and 11 .. 211 months: P percent is 1 + 2P and 11 + 2P.
    SimulatedOutputs ready{SimulatedOutputs::Status::Ready, 1, {{}, {}}};
    for (int i = 0; i <= 200; ++i) {
        ready.sorted[0].push_back(1 + i);
        ready.sorted[1].push_back(11 + i);
    }
    int cancelled = 0;
    SimulatedOutputs answer{SimulatedOutputs::Status::Running, 0.5, {}, [&] { ++cancelled; }};
    cCocomoReverseDlg logic(*platform_, {32000, 145.5, 145.5, 14.3}, 1.0,
                            document->GetModeConstants(DevelopmentMode::Semidetached),
                            [&answer](const std::vector<std::string>&) { return answer; });
    auto form = Form(logic);
    auto* note = form->findChild<QLabel*>("probabilityNote");
    QCOMPARE(note->text(), QStringLiteral("Simulating... 50%"));
    QCOMPARE(Text(*form, "probabilityValue0"), QString());
    QVERIFY(!Child<QPushButton>(*form, "cancelSimulationButton")->isHidden());
    Click(*form, "cancelSimulationButton");
    QCOMPARE(cancelled, 1);

    answer = ready;  // the background run ends; the group asks again by itself
    QTRY_COMPARE(Text(*form, "probabilityValue0"), QStringLiteral("161.0"));
    QCOMPARE(Text(*form, "probabilityValue1"), QStringLiteral("171.0"));
    QVERIFY(Child<QPushButton>(*form, "cancelSimulationButton")->isHidden());
    QCOMPARE(Text(*form, "probabilityChance0"), QStringLiteral("72%"));  // 145.5 PM

    auto* probability = Child<QLineEdit>(*form, "probabilityEdit");
    Retype(probability, "100");
    Click(*form, "solveButton");
    QCOMPARE(platform_->Messages().size(), std::size_t{1});
    QCOMPARE(form->focusWidget(), probability);
    QCOMPARE(Text(*form, "probabilityValue0"), QStringLiteral("161.0"));

    Retype(probability, "50");
    Click(*form, "solveButton");
    QCOMPARE(Text(*form, "probabilityValue0"), QStringLiteral("101.0"));
    QCOMPARE(note->text(),
             QStringLiteral("50% of 201 simulated trials stay within these figures."));
}

QTEST_MAIN(CocomoFormsTest)
#include "tst_CocomoForms.moc"
