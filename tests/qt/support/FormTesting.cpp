#include "tests/qt/support/FormTesting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QtTest>

#include "tests/qt/support/cTestQtPlatform.h"

namespace korval::testing {

QWidget* RequireChild(QWidget& form, const QString& name) {
    auto* child = form.findChild<QWidget*>(name);
    if (child == nullptr) qFatal("the form has no widget %s", qPrintable(name));
    return child;
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Click(QWidget& form, const QString& name) {
    Child<QAbstractButton>(form, name)->click();
}

void EnterFocus(QWidget* widget) {
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &event);
}

void LeaveFocus(QWidget* widget) {
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &event);
}

QString Text(QWidget& form, const QString& name) {
    return Child<QLineEdit>(form, name)->text();
}

bool IsChecked(QWidget& form, const QString& name) {
    return Child<QAbstractButton>(form, name)->isChecked();
}

bool IsEnabled(QWidget& form, const QString& name) {
    return RequireChild(form, name)->isEnabled();
}

void CheckHelpAndDismiss(QDialog& form, const cTestQtPlatform& platform, int topic) {
    auto* help = form.findChild<QAbstractButton*>(QStringLiteral("helpButton"));
    QCOMPARE(help != nullptr, topic != 0);
    if (help != nullptr) {
        QCOMPARE(help->text(), QStringLiteral("&Help"));
        help->click();
        QVERIFY(!platform.HelpTopics().empty());
        QCOMPARE(platform.HelpTopics().back(), topic);
    }
    auto* dismiss = form.findChild<QAbstractButton*>(QStringLiteral("cancelButton"));
    if (dismiss == nullptr)
        dismiss = form.findChild<QAbstractButton*>(QStringLiteral("closeButton"));
    QVERIFY(dismiss != nullptr);
    form.setResult(QDialog::Accepted);
    dismiss->click();
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

}  // namespace korval::testing
