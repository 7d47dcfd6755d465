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

// A group holding one read-only field per figure, in the rows of the "Input" group.
QGroupBox* FigureColumn(const QString& title, const QString& name,
                        std::array<QLineEdit*, cFpReverseDlg::kFigureCount>& fields,
                        QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    for (int figure = 0; figure < cFpReverseDlg::kFigureCount; ++figure) {
        fields[figure] = FigureField(QStringLiteral("%1Field%2").arg(name).arg(figure), 12, box);
        grid->addWidget(fields[figure], figure, 0);
    }
    grid->setRowStretch(cFpReverseDlg::kFigureCount, 1);
    return box;
}

}  // namespace

cFpReverseForm::cFpReverseForm(cFpReverseDlg& logic, cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      figures_(new QButtonGroup(this)),
      language_(new QLineEdit(this)) {
    auto* input = new QGroupBox(QStringLiteral("Input"), this);
    auto* inputGrid = new QGridLayout(input);
    for (int figure = 0; figure < cFpReverseDlg::kFigureCount; ++figure) {
        auto which = static_cast<cFpReverseDlg::Figure>(figure);
        auto* radio = new QRadioButton(ToQString(cFpReverseDlg::RadioLabel(which)), input);
        radio->setObjectName(QStringLiteral("figureRadio%1").arg(figure));
        figures_->addButton(radio, figure);
        inputs_[figure] = NumberEdit(QStringLiteral("inputEdit%1").arg(figure), 18, input);
        inputGrid->addWidget(radio, figure, 0);
        inputGrid->addWidget(inputs_[figure], figure, 1);
        connect(inputs_[figure], &QLineEdit::textEdited, this, [this, which](const QString& text) {
            logic_.SetInputText(which, ToStdString(text));
        });
    }
    language_->setObjectName(QStringLiteral("languageField"));
    language_->setReadOnly(true);
    language_->setFocusPolicy(Qt::ClickFocus);
    inputGrid->addWidget(language_, cFpReverseDlg::kFigureCount, 0, 1, 2);

    auto* groups = new QHBoxLayout;
    groups->addWidget(input);
    groups->addWidget(
        FigureColumn(QStringLiteral("Output"), QStringLiteral("output"), outputs_, this));
    groups->addWidget(
        FigureColumn(QStringLiteral("Original"), QStringLiteral("original"), originals_, this));

    CalculatorButtons calculator =
        CalculatorColumn(MakeButtonBox(QDialogButtonBox::Close, Qt::Vertical), this);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(groups);
    layout->addSpacing(8);
    layout->addLayout(calculator.column);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(figures_, &QButtonGroup::idClicked, this, [this](int figure) {
        logic_.OnRadio(static_cast<cFpReverseDlg::Figure>(figure));
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
    FocusField(inputs_[logic_.GetFocusField()]);
}

void cFpReverseForm::Refresh() {
    CheckButton(figures_, logic_.GetSelectedFigure());
    for (int figure = 0; figure < cFpReverseDlg::kFigureCount; ++figure) {
        auto which = static_cast<cFpReverseDlg::Figure>(figure);
        ShowText(inputs_[figure], logic_.GetInputText(which));
        inputs_[figure]->setEnabled(logic_.IsInputEnabled(which));
        ShowText(outputs_[figure], logic_.GetOutputText(which));
        ShowText(originals_[figure], logic_.GetOriginalText(which));
    }
    ShowText(language_, logic_.GetLanguageText());
}

}  // namespace korval
