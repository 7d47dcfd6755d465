#include "app/qt/cDialogForm.h"

#include <QPushButton>
#include <QShortcut>

#include "app/qt/QtText.h"
#include "framework/cDialogLogic.h"
#include "framework/cPlatformServices.h"

namespace korval {

cDialogForm::cDialogForm(cDialogLogic& logic, cPlatformServices& platform, QWidget* parent)
    : QDialog(parent), logic_(logic), platform_(platform) {
    setWindowTitle(ToQString(logic.Title()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QDialogButtonBox* cDialogForm::MakeButtonBox(QDialogButtonBox::StandardButtons buttons,
                                             Qt::Orientation orientation) {
    buttons_ = new QDialogButtonBox(buttons, orientation, this);
    if (QPushButton* ok = buttons_->button(QDialogButtonBox::Ok)) {
        ok->setObjectName(QStringLiteral("okButton"));
        ok->setText(QStringLiteral("OK"));
        ok->setDefault(true);
    }
    if (QPushButton* cancel = buttons_->button(QDialogButtonBox::Cancel)) {
        cancel->setObjectName(QStringLiteral("cancelButton"));
        cancel->setText(QStringLiteral("Cancel"));
    }
    if (logic_.HelpTopic() != 0) {
        QPushButton* help =
            buttons_->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
        help->setObjectName(QStringLiteral("helpButton"));
        help->setAutoDefault(false);
        connect(buttons_, &QDialogButtonBox::helpRequested, this,
                [this] { platform_.ShowHelpTopic(logic_.HelpTopic()); });
        // F1 inside the dialog opens the same topic as its Help button.
        auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
        connect(f1, &QShortcut::activated, this,
                [this] { platform_.ShowHelpTopic(logic_.HelpTopic()); });
    }
    connect(buttons_, &QDialogButtonBox::accepted, this, &cDialogForm::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &cDialogForm::reject);
    return buttons_;
}

QPushButton* cDialogForm::OkButton() const {
    return buttons_ ? buttons_->button(QDialogButtonBox::Ok) : nullptr;
}

QPushButton* cDialogForm::CancelButton() const {
    return buttons_ ? buttons_->button(QDialogButtonBox::Cancel) : nullptr;
}

QPushButton* cDialogForm::HelpButton() const {
    return buttons_ ? buttons_->findChild<QPushButton*>(QStringLiteral("helpButton")) : nullptr;
}

void cDialogForm::accept() {
    if (ApplyToLogic()) QDialog::accept();
}

}  // namespace korval
