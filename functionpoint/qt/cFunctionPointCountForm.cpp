#include "functionpoint/qt/cFunctionPointCountForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "functionpoint/cFunctionPointCountDlg.h"

namespace korval {

namespace {

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return heading;
}

}  // namespace

cFunctionPointCountForm::cFunctionPointCountForm(cFunctionPointCountDlg& logic,
                                                 cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      total_(FigureField(QStringLiteral("totalField"), 9, this)),
      language_(new QComboBox(this)) {
    // The counts and the type totals share their rows, so the two groups line up.
    auto* countsBox = new QGroupBox(QStringLiteral("Function Counts"), this);
    auto* countsGrid = new QGridLayout(countsBox);
    auto* totalsBox = new QGroupBox(QStringLiteral("Totals"), this);
    auto* totalsGrid = new QGridLayout(totalsBox);
    for (int complexity = 0; complexity < kFunctionComplexityCount; ++complexity) {
        countsGrid->addWidget(
            Heading(ToQString(FunctionComplexityLabel(static_cast<FunctionComplexity>(complexity))),
                    countsBox),
            0, complexity + 1);
    }
    totalsGrid->addWidget(Heading(QStringLiteral(" "), totalsBox), 0, 0);
    for (int type = 0; type < kFunctionTypeCount; ++type) {
        auto functionType = static_cast<FunctionType>(type);
        for (int complexity = 0; complexity < kFunctionComplexityCount; ++complexity) {
            int cell = FunctionCellIndex(functionType, static_cast<FunctionComplexity>(complexity));
            QLineEdit* count = NumberEdit(QStringLiteral("countEdit%1").arg(cell), 6, countsBox);
            counts_[cell] = count;
            countsGrid->addWidget(count, type + 1, complexity + 1);
            connect(count, &QLineEdit::textEdited, this, [this, cell](const QString& text) {
                logic_.SetCountText(cell, ToStdString(text));
            });
            OnFocusEnter(count, [this, cell] { OnFocusEntered(cell); });
        }
        countsGrid->addWidget(
            BuddyLabel(ToQString(cFunctionPointCountDlg::RowLabel(functionType)),
                       counts_[FunctionCellIndex(functionType, kLowComplexity)], countsBox),
            type + 1, 0);
        typeTotals_[type] = FigureField(QStringLiteral("typeTotalField%1").arg(type), 8, totalsBox);
        totalsGrid->addWidget(typeTotals_[type], type + 1, 0);
        OnFocusEnter(typeTotals_[type],
                     [this] { OnFocusEntered(cFunctionPointCountDlg::kTotalField); });
    }

    auto* groups = new QHBoxLayout;
    groups->addWidget(countsBox);
    groups->addWidget(totalsBox);

    // The total takes a tab stop: tabbing past the last count shows the new totals.
    total_->setFocusPolicy(Qt::StrongFocus);
    language_->setObjectName(QStringLiteral("languageList"));
    language_->setMinimumContentsLength(24);
    language_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* summary = new QGridLayout;
    summary->addWidget(
        BuddyLabel(QStringLiteral("Total Unadjusted Function Points:"), total_, this), 0, 0);
    summary->addWidget(total_, 0, 1, Qt::AlignLeft);
    summary->addWidget(BuddyLabel(QStringLiteral("Language:"), language_, this), 1, 0);
    summary->addWidget(language_, 1, 1, Qt::AlignLeft);
    summary->setColumnStretch(2, 1);
    OnFocusEnter(total_, [this] { OnFocusEntered(cFunctionPointCountDlg::kTotalField); });
    OnFocusEnter(language_, [this] { OnFocusEntered(cFunctionPointCountDlg::kLanguageField); });
    connect(language_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        logic_.SelectLanguage(index);
        Refresh();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addSpacing(4);
    layout->addLayout(summary);
    layout->addSpacing(10);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QList<QWidget*> order(counts_.begin(), counts_.end());
    ChainTabOrder(order << total_ << language_ << OkButton() << CancelButton() << HelpButton());
    // A closed list finds a language as its name is typed.
    for (const std::string& item : logic_.GetLanguageItems()) language_->addItem(ToQString(item));
    // Opening puts the focus into the first count, which shows the totals at once.
    FocusField(counts_[0]);
    OnFocusEntered(0);
}

void cFunctionPointCountForm::OnFocusEntered(int field) {
    bool valid = logic_.OnFocusEnter(field);
    Refresh();
    if (!valid) FocusRefusedCount();
}

void cFunctionPointCountForm::FocusRefusedCount() {
    int field = logic_.GetFocusField();
    if (field >= 0 && field < kFunctionCellCount) FocusField(counts_[field]);
}

void cFunctionPointCountForm::Refresh() {
    for (int cell = 0; cell < kFunctionCellCount; ++cell)
        ShowText(counts_[cell], logic_.GetCountText(cell));
    for (int type = 0; type < kFunctionTypeCount; ++type)
        ShowText(typeTotals_[type], logic_.GetTypeTotalText(static_cast<FunctionType>(type)));
    ShowText(total_, logic_.GetTotalText());
    if (language_->currentIndex() != logic_.GetLanguageSelection())
        language_->setCurrentIndex(logic_.GetLanguageSelection());
}

bool cFunctionPointCountForm::ApplyToLogic() {
    if (logic_.OnOk()) return true;
    Refresh();
    FocusRefusedCount();
    return false;
}

}  // namespace korval
