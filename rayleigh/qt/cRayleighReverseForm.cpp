#include "rayleigh/qt/cRayleighReverseForm.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"

namespace korval {

namespace {

using Dlg = cRayleighReverseDlg;

// A titled column with one widget per row; every column has rows of the same height,
// so the rows line up across the groups.
QGroupBox* Column(const QString& title, QWidget* parent, QVBoxLayout*& rows) {
    auto* box = new QGroupBox(title, parent);
    rows = new QVBoxLayout(box);
    return box;
}

QGroupBox* RadioColumn(const QString& title, const QString& name, const char* (*label)(Dlg::Row),
                       QButtonGroup* group, QWidget* parent) {
    QVBoxLayout* rows = nullptr;
    QGroupBox* box = Column(title, parent, rows);
    for (int row = 0; row < Dlg::kRowCount; ++row) {
        auto* radio = new QRadioButton(ToQString(label(static_cast<Dlg::Row>(row))), box);
        radio->setObjectName(QStringLiteral("%1Radio%2").arg(name).arg(row));
        // As tall as the fields beside it.
        radio->setMinimumHeight(QLineEdit().sizeHint().height());
        group->addButton(radio, row);
        rows->addWidget(radio);
    }
    rows->addStretch();
    return box;
}

// The fields are named by the prefix and the row: "inputEdit0", "outputField2".
QGroupBox* FieldColumn(const QString& title, const QString& prefix, int digits, bool editable,
                       std::array<QLineEdit*, Dlg::kRowCount>& fields, QWidget* parent) {
    QVBoxLayout* rows = nullptr;
    QGroupBox* box = Column(title, parent, rows);
    for (int row = 0; row < Dlg::kRowCount; ++row) {
        QString objectName = QStringLiteral("%1%2").arg(prefix).arg(row);
        fields[row] =
            editable ? NumberEdit(objectName, digits, box) : FigureField(objectName, digits, box);
        rows->addWidget(fields[row]);
    }
    rows->addStretch();
    return box;
}

}  // namespace

cRayleighReverseForm::cRayleighReverseForm(Dlg& logic, cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      probability_(new cProbabilityGroup(logic.Probability(), this)),
      modifyRadios_(new QButtonGroup(this)),
      fixedRadios_(new QButtonGroup(this)) {
    auto* groups = new QHBoxLayout;
    groups->addWidget(RadioColumn(QStringLiteral("Modify"), QStringLiteral("modify"),
                                  &Dlg::RadioLabel, modifyRadios_, this));
    groups->addWidget(RadioColumn(QStringLiteral("Fixed"), QStringLiteral("fixed"),
                                  &Dlg::FixedRadioLabel, fixedRadios_, this));
    groups->addWidget(
        FieldColumn(QStringLiteral("Input"), QStringLiteral("inputEdit"), 16, true, inputs_, this));
    groups->addWidget(FieldColumn(QStringLiteral("Output"), QStringLiteral("outputField"), 10,
                                  false, outputs_, this));
    groups->addWidget(FieldColumn(QStringLiteral("Original"), QStringLiteral("originalField"), 10,
                                  false, originals_, this));
    for (int row = 0; row < Dlg::kRowCount; ++row) {
        auto which = static_cast<Dlg::Row>(row);
        connect(inputs_[row], &QLineEdit::textEdited, this, [this, which](const QString& text) {
            logic_.SetInputText(which, ToStdString(text));
        });
    }

    CalculatorButtons calculator =
        CalculatorColumn(MakeButtonBox(QDialogButtonBox::Close, Qt::Vertical), this);

    auto* calculatorAndProbability = new QVBoxLayout;
    calculatorAndProbability->addLayout(groups);
    calculatorAndProbability->addWidget(probability_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(calculatorAndProbability);
    layout->addSpacing(8);
    layout->addLayout(calculator.column);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(modifyRadios_, &QButtonGroup::idClicked, this, [this](int row) {
        logic_.OnModifyRadio(static_cast<Dlg::Row>(row));
        Refresh();
        FocusInput();
    });
    connect(fixedRadios_, &QButtonGroup::idClicked, this, [this](int row) {
        logic_.OnFixedRadio(static_cast<Dlg::Row>(row));
        Refresh();
        FocusInput();
    });
    ConnectCalculator(calculator, this, logic_, [this] {
        Refresh();
        FocusInput();
    });
    Refresh();
    FocusInput();
}

void cRayleighReverseForm::FocusInput() {
    FocusField(inputs_[logic_.GetFocusRow()]);
}

void cRayleighReverseForm::Refresh() {
    CheckButton(modifyRadios_, logic_.GetModifyRow());
    CheckButton(fixedRadios_, logic_.GetFixedRow());
    for (int row = 0; row < Dlg::kRowCount; ++row) {
        auto which = static_cast<Dlg::Row>(row);
        fixedRadios_->button(row)->setEnabled(logic_.IsFixedRadioEnabled(which));
        ShowText(inputs_[row], logic_.GetInputText(which));
        inputs_[row]->setEnabled(logic_.IsInputEnabled(which));
        ShowText(outputs_[row], logic_.GetOutputText(which));
        ShowText(originals_[row], logic_.GetOriginalText(which));
    }
    probability_->Refresh();
}

}  // namespace korval
