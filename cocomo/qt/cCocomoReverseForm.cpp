#include "cocomo/qt/cCocomoReverseForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "cocomo/cCocomoReverseDlg.h"

namespace korval {

namespace {

enum Column { kRadioColumn, kInputColumn, kOutputColumn, kOriginalColumn };

}  // namespace

cCocomoReverseForm::cCocomoReverseForm(cCocomoReverseDlg& logic, cPlatformServices& platform,
                                       QWidget* parent)
    : cDialogForm(logic, platform, parent), logic_(logic), quantities_(new QButtonGroup(this)) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    for (int column = 0; column < 3; ++column) {
        auto* heading = new QLabel(ToQString(cCocomoReverseDlg::ColumnHeading(column)), this);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, kInputColumn + column);
    }
    for (int quantity = 0; quantity < cCocomoReverseDlg::kQuantityCount; ++quantity) {
        int row = quantity + 1;
        auto* radio = new QRadioButton(ToQString(cCocomoReverseDlg::RadioLabel(quantity)), this);
        radio->setObjectName(QStringLiteral("quantityRadio%1").arg(quantity));
        quantities_->addButton(radio, quantity);
        inputs_[quantity] = NumberEdit(QStringLiteral("inputEdit%1").arg(quantity), 18, this);
        outputs_[quantity] = FigureField(QStringLiteral("outputField%1").arg(quantity), 12, this);
        originals_[quantity] =
            FigureField(QStringLiteral("originalField%1").arg(quantity), 12, this);
        grid->addWidget(radio, row, kRadioColumn);
        grid->addWidget(inputs_[quantity], row, kInputColumn);
        grid->addWidget(outputs_[quantity], row, kOutputColumn);
        grid->addWidget(originals_[quantity], row, kOriginalColumn);
        connect(inputs_[quantity], &QLineEdit::textEdited, this,
                [this, quantity](const QString& text) {
                    logic_.SetInputText(quantity, ToStdString(text));
                });
    }

    CalculatorButtons calculator =
        CalculatorColumn(MakeButtonBox(QDialogButtonBox::Close, Qt::Vertical), this);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(calculator.column);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(quantities_, &QButtonGroup::idClicked, this, [this](int quantity) {
        logic_.OnRadio(quantity);
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
    FocusField(inputs_[logic_.GetFocus()]);
}

void cCocomoReverseForm::Refresh() {
    CheckButton(quantities_, logic_.GetSelected());
    for (int quantity = 0; quantity < cCocomoReverseDlg::kQuantityCount; ++quantity) {
        ShowText(inputs_[quantity], logic_.GetInputText(quantity));
        inputs_[quantity]->setEnabled(logic_.IsInputEnabled(quantity));
        ShowText(outputs_[quantity], logic_.GetOutputText(quantity));
        ShowText(originals_[quantity], logic_.GetOriginalText(quantity));
    }
}

}  // namespace korval
