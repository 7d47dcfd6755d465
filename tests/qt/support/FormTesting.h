#pragma once

#include <QString>
#include <QWidget>

class QAbstractButton;
class QDialog;
class QLineEdit;

// Driving a dialog form as its user would, by the object names of its widgets.
namespace korval::testing {

// The named child; a missing one ends the test program, as the form is then miswired.
QWidget* RequireChild(QWidget& form, const QString& name);
template <class Widget>
Widget* Child(QWidget& form, const QString& name) {
    auto* typed = qobject_cast<Widget*>(RequireChild(form, name));
    if (typed == nullptr)
        qFatal("%s is not a %s", qPrintable(name), Widget::staticMetaObject.className());
    return typed;
}

// Replaces the field's text by typing (textEdited reaches the form).
void Retype(QLineEdit* edit, const QString& text);
// Clicks the named button (push, radio or check box).
void Click(QWidget& form, const QString& name);
// The focus moves into, or out of, the widget as with the Tab key.
void EnterFocus(QWidget* widget);
void LeaveFocus(QWidget* widget);
// The text of a field, or the check state of a button, by name.
QString Text(QWidget& form, const QString& name);
bool IsChecked(QWidget& form, const QString& name);
bool IsEnabled(QWidget& form, const QString& name);

class cTestQtPlatform;

// The form's Help button opens the topic (a form whose logic names none has no Help
// button), and Cancel, or Close for a calculator, dismisses the form.
void CheckHelpAndDismiss(QDialog& form, const cTestQtPlatform& platform, int topic);

}  // namespace korval::testing
