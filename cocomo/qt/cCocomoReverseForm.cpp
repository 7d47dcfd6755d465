#include "cocomo/qt/cCocomoReverseForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "cocomo/cCocomoReverseDlg.h"

namespace korval {

namespace {

enum Column { kRadioColumn, kInputColumn, kOutputColumn, kOriginalColumn };

}  // namespace

cCocomoReverseForm::cCocomoReverseForm(cCocomoReverseDlg& logic, cPlatformServices& platform,
                                       QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      probability_(new cProbabilityGroup(logic.Probability(), this)),
      modifyRadios_(new QButtonGroup(this)) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (int column = 0; column < 3; ++column) {
        auto* heading = new QLabel(ToQString(cCocomoReverseDlg::ColumnHeading(column)), this);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, kInputColumn + column);
    }
    for (int row = 0; row < cCocomoReverseDlg::kRowCount; ++row) {
        auto which = static_cast<cCocomoReverseDlg::Row>(row);
        int line = row + 1;  // below the headings
        auto* radio = new QRadioButton(ToQString(cCocomoReverseDlg::RadioLabel(which)), this);
        radio->setObjectName(QStringLiteral("modifyRadio%1").arg(row));
        modifyRadios_->addButton(radio, row);
        inputs_[row] = NumberEdit(QStringLiteral("inputEdit%1").arg(row), 18, this);
        outputs_[row] = FigureField(QStringLiteral("outputField%1").arg(row), 12, this);
        originals_[row] = FigureField(QStringLiteral("originalField%1").arg(row), 12, this);
        grid->addWidget(radio, line, kRadioColumn);
        grid->addWidget(inputs_[row], line, kInputColumn);
        grid->addWidget(outputs_[row], line, kOutputColumn);
        grid->addWidget(originals_[row], line, kOriginalColumn);
        connect(inputs_[row], &QLineEdit::textEdited, this, [this, which](const QString& text) {
            logic_.SetInputText(which, ToStdString(text));
        });
    }

    CalculatorButtons calculator =
        CalculatorColumn(MakeButtonBox(QDialogButtonBox::Close, Qt::Vertical), this);

    auto* calculatorAndProbability = new QVBoxLayout;
    calculatorAndProbability->addLayout(grid);
    calculatorAndProbability->addWidget(probability_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(calculatorAndProbability);
    layout->addSpacing(12);
    layout->addLayout(calculator.column);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(modifyRadios_, &QButtonGroup::idClicked, this, [this](int row) {
        logic_.OnModifyRadio(static_cast<cCocomoReverseDlg::Row>(row));
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

void cCocomoReverseForm::FocusInput() {
    FocusField(inputs_[logic_.GetFocusRow()]);
}

void cCocomoReverseForm::Refresh() {
    CheckButton(modifyRadios_, logic_.GetModifyRow());
    for (int row = 0; row < cCocomoReverseDlg::kRowCount; ++row) {
        auto which = static_cast<cCocomoReverseDlg::Row>(row);
        ShowText(inputs_[row], logic_.GetInputText(which));
        inputs_[row]->setEnabled(logic_.IsInputEnabled(which));
        ShowText(outputs_[row], logic_.GetOutputText(which));
        ShowText(originals_[row], logic_.GetOriginalText(which));
    }
    probability_->Refresh();
}

}  // namespace korval
