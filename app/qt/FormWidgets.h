#pragma once

#include <QList>
#include <QPushButton>
#include <QString>
#include <functional>
#include <string>

class QButtonGroup;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class QWidget;

// Small pieces the dialog forms of every folder are built from, so the forms look and
// behave alike: aligned number fields, read-only figures, radio groups that can show
// "nothing selected", and the focus events some dialogs recalculate on.
namespace korval {

// A label that moves the focus to its field.
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent);

// An editable number field, right-aligned, wide enough for `digits` characters.
QLineEdit* NumberEdit(const QString& objectName, int digits, QWidget* parent);
// A read-only field showing a figure the dialog computes; it takes no tab stop.
QLineEdit* FigureField(const QString& objectName, int digits, QWidget* parent);

// Shows the text unless the field already holds it, so typing is never disturbed.
void ShowText(QLineEdit* edit, const std::string& text);
// Mirrors a field's enabled and read-only state.
void ShowFieldState(QLineEdit* edit, bool enabled, bool readOnly = false);

// Moves the focus into the field and selects its text, as after a refused value.
void FocusField(QWidget* field);

// Sets the tab order to the widgets in the order given.
void ChainTabOrder(const QList<QWidget*>& widgets);

// Checks the button with the id; any id the group does not hold clears every button
// (an exclusive group cannot show "none" otherwise).
void CheckButton(QButtonGroup* group, int id);

// The what-if calculators' button column: "Calculate" (the default button, so Enter
// calculates), "Reset", then the box's Close (with its plain text) and Help.
struct CalculatorButtons {
    QVBoxLayout* column;
    QPushButton* calculate;
    QPushButton* reset;
};
CalculatorButtons CalculatorColumn(QDialogButtonBox* closeAndHelp, QWidget* parent);
// Calculate and Reset run the calculator logic's OnCalculate and OnReset, then show its
// new state.
template <class Logic>
void ConnectCalculator(const CalculatorButtons& buttons, QObject* context, Logic& logic,
                       std::function<void()> show) {
    QObject::connect(buttons.calculate, &QPushButton::clicked, context, [&logic, show] {
        logic.OnCalculate();
        show();
    });
    QObject::connect(buttons.reset, &QPushButton::clicked, context, [&logic, show] {
        logic.OnReset();
        show();
    });
}

// Calls the handler when the user moves the focus into (or out of) the widget with the
// keyboard or the mouse. Focus changes caused by a message box opening or closing are
// not reported, so a refused value never reports itself in a loop.
void OnFocusEnter(QWidget* widget, std::function<void()> handler);
void OnFocusLeave(QWidget* widget, std::function<void()> handler);

}  // namespace korval
