#include "functionpoint/qt/cFpReverseForm.h"

#include <QButtonGroup>
#include <QGridLayout>
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

// A group holding one read-only field per row, in the rows of the "Input" group.
QGroupBox* FigureColumn(const QString& title, const QString& name,
                        std::array<QLineEdit*, cFpReverseDlg::kRowCount>& fields, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    for (int row = 0; row < cFpReverseDlg::kRowCount; ++row) {
        fields[row] = FigureField(QStringLiteral("%1Field%2").arg(name).arg(row), 12, box);
        grid->addWidget(fields[row], row, 0);
    }
    grid->setRowStretch(cFpReverseDlg::kRowCount, 1);
    return box;
}

}  // namespace

cFpReverseForm::cFpReverseForm(cFpReverseDlg& logic, cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      probability_(new cProbabilityGroup(logic.Probability(), this)),
      modifyRadios_(new QButtonGroup(this)),
      language_(new QLineEdit(this)) {
    auto* input = new QGroupBox(QStringLiteral("Input"), this);
    auto* inputGrid = new QGridLayout(input);
    for (int row = 0; row < cFpReverseDlg::kRowCount; ++row) {
        auto which = static_cast<cFpReverseDlg::Row>(row);
        auto* radio = new QRadioButton(ToQString(cFpReverseDlg::RadioLabel(which)), input);
        radio->setObjectName(QStringLiteral("modifyRadio%1").arg(row));
        modifyRadios_->addButton(radio, row);
        inputs_[row] = NumberEdit(QStringLiteral("inputEdit%1").arg(row), 18, input);
        inputGrid->addWidget(radio, row, 0);
        inputGrid->addWidget(inputs_[row], row, 1);
        connect(inputs_[row], &QLineEdit::textEdited, this, [this, which](const QString& text) {
            logic_.SetInputText(which, ToStdString(text));
        });
    }
    language_->setObjectName(QStringLiteral("languageField"));
    language_->setReadOnly(true);
    language_->setFocusPolicy(Qt::ClickFocus);
    inputGrid->addWidget(language_, cFpReverseDlg::kRowCount, 0, 1, 2);

    auto* groups = new QHBoxLayout;
    groups->addWidget(input);
    groups->addWidget(
        FigureColumn(QStringLiteral("Output"), QStringLiteral("output"), outputs_, this));
    groups->addWidget(
        FigureColumn(QStringLiteral("Original"), QStringLiteral("original"), originals_, this));

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
        logic_.OnModifyRadio(static_cast<cFpReverseDlg::Row>(row));
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

void cFpReverseForm::FocusInput() {
    FocusField(inputs_[logic_.GetFocusRow()]);
}

void cFpReverseForm::Refresh() {
    CheckButton(modifyRadios_, logic_.GetModifyRow());
    for (int row = 0; row < cFpReverseDlg::kRowCount; ++row) {
        auto which = static_cast<cFpReverseDlg::Row>(row);
        ShowText(inputs_[row], logic_.GetInputText(which));
        inputs_[row]->setEnabled(logic_.IsInputEnabled(which));
        ShowText(outputs_[row], logic_.GetOutputText(which));
        ShowText(originals_[row], logic_.GetOriginalText(which));
    }
    ShowText(language_, logic_.GetLanguageText());
    probability_->Refresh();
}

}  // namespace korval
