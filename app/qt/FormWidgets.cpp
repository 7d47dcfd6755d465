#include "app/qt/FormWidgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/QtText.h"

namespace korval {

namespace {

// Reports focus changes the user made; the ones a window activation causes (a message
// box opening over the dialog, or closing again) are left out.
class cFocusFilter : public QObject {
  public:
    cFocusFilter(QEvent::Type type, std::function<void()> handler, QObject* parent)
        : QObject(parent), type_(type), handler_(std::move(handler)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_ && !busy_ &&
            IsUserMove(static_cast<QFocusEvent*>(event)->reason())) {
            busy_ = true;
            handler_();
            busy_ = false;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    static bool IsUserMove(Qt::FocusReason reason) {
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }

    QEvent::Type type_;
    std::function<void()> handler_;
    bool busy_ = false;
};

// Fixes the width of a field to `digits` characters of its font.
void SetFieldWidth(QLineEdit* edit, int digits) {
    QFontMetrics metrics(edit->font());
    // Room for the digits plus the frame and text margins of the style.
    edit->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('0')) * digits + 14);
}

}  // namespace

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* NumberEdit(const QString& objectName, int digits, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setAlignment(Qt::AlignRight);
    SetFieldWidth(edit, digits);
    return edit;
}

QLineEdit* FigureField(const QString& objectName, int digits, QWidget* parent) {
    QLineEdit* field = NumberEdit(objectName, digits, parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    // The dialog's face colour tells a worked-out figure from a field the user types in.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    return field;
}

void ShowText(QLineEdit* edit, const std::string& text) {
    QString shown = ToQString(text);
    if (edit->text() != shown) edit->setText(shown);
}

void ShowFieldState(QLineEdit* edit, bool enabled, bool readOnly) {
    edit->setEnabled(enabled);
    edit->setReadOnly(readOnly);
}

void FocusField(QWidget* field) {
    if (field == nullptr) return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

void ChainTabOrder(const QList<QWidget*>& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (widget == nullptr) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void CheckButton(QButtonGroup* group, int id) {
    QAbstractButton* wanted = group->button(id);
    if (wanted != nullptr) {
        if (!wanted->isChecked()) wanted->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

CalculatorButtons CalculatorColumn(QDialogButtonBox* closeAndHelp, QWidget* parent) {
    if (QPushButton* close = closeAndHelp->button(QDialogButtonBox::Close)) {
        close->setText(QStringLiteral("Close"));
        close->setObjectName(QStringLiteral("closeButton"));
    }
    auto* calculate = new QPushButton(QStringLiteral("Calculate"), parent);
    calculate->setObjectName(QStringLiteral("calculateButton"));
    calculate->setDefault(true);
    auto* reset = new QPushButton(QStringLiteral("Reset"), parent);
    reset->setObjectName(QStringLiteral("resetButton"));
    ChainTabOrder({calculate, reset, closeAndHelp->button(QDialogButtonBox::Close),
                   closeAndHelp->findChild<QPushButton*>(QStringLiteral("helpButton"))});
    auto* column = new QVBoxLayout;
    column->addWidget(calculate);
    column->addWidget(reset);
    column->addWidget(closeAndHelp);
    column->addStretch();
    return {column, calculate, reset};
}

void OnFocusEnter(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new cFocusFilter(QEvent::FocusIn, std::move(handler), widget));
}

void OnFocusLeave(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new cFocusFilter(QEvent::FocusOut, std::move(handler), widget));
}

}  // namespace korval
