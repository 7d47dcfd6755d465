#include "app/qt/cDescriptionForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/qt/QtText.h"
#include "framework/cDescriptionDlg.h"
#include "framework/cPlatformServices.h"

namespace korval {

namespace {
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

cDescriptionForm::cDescriptionForm(cDescriptionDlg& logic, cPlatformServices& platform,
                                   QWidget* parent)
    : cDialogForm(logic, platform, parent),
      logic_(logic),
      title_(new QLineEdit(ToQString(logic.GetTitleText()), this)),
      preparedBy_(new QLineEdit(ToQString(logic.GetPreparedByText()), this)),
      description_(new QPlainTextEdit(ToQtLineBreaks(logic.GetDescriptionText()), this)) {
    title_->setObjectName(QStringLiteral("titleEdit"));
    preparedBy_->setObjectName(QStringLiteral("preparedByEdit"));
    description_->setObjectName(QStringLiteral("descriptionEdit"));
    description_->setTabChangesFocus(true);
    description_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    description_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    title_->setMinimumWidth(360);

    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel(QStringLiteral("&Title:"), title_, this), 0, 0);
    grid->addWidget(title_, 0, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("&Prepared By:"), preparedBy_, this), 1, 0);
    grid->addWidget(preparedBy_, 1, 1);
    auto* descriptionLabels = new QVBoxLayout;
    descriptionLabels->addWidget(BuddyLabel(QStringLiteral("&Description:"), description_, this));
    descriptionLabels->addWidget(new QLabel(QStringLiteral("(500 chars.)"), this));
    descriptionLabels->addStretch();
    grid->addLayout(descriptionLabels, 2, 0);
    grid->addWidget(description_, 2, 1);
    grid->setRowStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(MakeButtonBox());

    connect(title_, &QLineEdit::textEdited, this, [this] {
        OnLineEdited(title_, &cDescriptionDlg::SetTitleText, &cDescriptionDlg::GetTitleText);
    });
    connect(preparedBy_, &QLineEdit::textEdited, this, [this] {
        OnLineEdited(preparedBy_, &cDescriptionDlg::SetPreparedByText,
                     &cDescriptionDlg::GetPreparedByText);
    });
    connect(description_, &QPlainTextEdit::textChanged, this,
            &cDescriptionForm::OnDescriptionChanged);
    setTabOrder(title_, preparedBy_);
    setTabOrder(preparedBy_, description_);
    resize(520, 320);
}

void cDescriptionForm::OnLineEdited(QLineEdit* edit,
                                    bool (cDescriptionDlg::*setter)(const std::string&),
                                    const std::string& (cDescriptionDlg::*getter)() const) {
    if ((logic_.*setter)(ToStdString(edit->text()))) return;
    int cursor = edit->cursorPosition();
    QString kept = ToQString((logic_.*getter)());
    int removed = static_cast<int>(edit->text().size() - kept.size());
    edit->setText(kept);
    edit->setCursorPosition(qMax(0, cursor - removed));
    Platform().Beep();
}

void cDescriptionForm::OnDescriptionChanged() {
    if (restoring_) return;
    if (logic_.SetDescriptionText(ToCoreLineBreaks(description_->toPlainText()))) return;
    int cursor = description_->textCursor().position();
    QString kept = ToQtLineBreaks(logic_.GetDescriptionText());
    int removed = static_cast<int>(description_->toPlainText().size() - kept.size());
    restoring_ = true;
    description_->setPlainText(kept);
    QTextCursor restored = description_->textCursor();
    restored.setPosition(qBound(0, cursor - removed, static_cast<int>(kept.size())));
    description_->setTextCursor(restored);
    restoring_ = false;
    Platform().Beep();
}

}  // namespace korval
