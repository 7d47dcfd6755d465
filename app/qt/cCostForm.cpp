#include "app/qt/cCostForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "framework/cCostDlg.h"

namespace korval {

namespace {
constexpr int kRateDigits = 12;
}  // namespace

cCostForm::cCostForm(cCostDlg& logic, cPlatformServices& platform, QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      rate_(NumberEdit(QStringLiteral("rateEdit"), kRateDigits, this)),
      currency_(new QLineEdit(this)) {
    currency_->setObjectName(QStringLiteral("currencyEdit"));
    currency_->setMaxLength(static_cast<int>(CostRate::kCurrencyLimit));
    currency_->setMaximumWidth(rate_->sizeHint().width());

    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel(QStringLiteral("&Rate per Person Month:"), rate_, this), 0, 0);
    grid->addWidget(rate_, 0, 1, Qt::AlignRight);
    grid->addWidget(BuddyLabel(QStringLiteral("&Currency:"), currency_, this), 1, 0);
    grid->addWidget(currency_, 1, 1, Qt::AlignRight);

    auto* note = new QLabel(ToQString(logic.Note()), this);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addSpacing(6);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(rate_, &QLineEdit::textEdited, this,
            [this](const QString& typed) { logic_.rateText = ToStdString(typed); });
    connect(currency_, &QLineEdit::textEdited, this,
            [this](const QString& typed) { logic_.currencyText = ToStdString(typed); });
    ShowText(rate_, logic_.rateText);
    ShowText(currency_, logic_.currencyText);
    ChainTabOrder({rate_, currency_, OkButton(), CancelButton()});
    FocusField(rate_);
}

bool cCostForm::ApplyToLogic() {
    if (logic_.OnOk()) return true;
    FocusField(rate_);
    return false;
}

}  // namespace korval
