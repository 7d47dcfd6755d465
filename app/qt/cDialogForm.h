#pragma once

#include <QDialog>
#include <QDialogButtonBox>

class QPushButton;

namespace korval {

class cDialogLogic;
class cPlatformServices;

// Base of the dialog forms: the title of the logic, the button row (OK, Cancel and,
// when the logic names a help topic, "&Help" opening that topic) and the OK path that
// lets the logic refuse and keep the dialog open.
class cDialogForm : public QDialog {
    Q_OBJECT
  public:
    cDialogForm(cDialogLogic& logic, cPlatformServices& platform, QWidget* parent);

    QPushButton* OkButton() const;
    QPushButton* CancelButton() const;
    QPushButton* HelpButton() const;

    void accept() override;

  protected:
    // OK and Cancel (or the given buttons), plus Help when the logic has a topic.
    QDialogButtonBox* MakeButtonBox(
        QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
        Qt::Orientation orientation = Qt::Horizontal);
    // Runs the logic's OK rules on what the form holds; false keeps the dialog open.
    virtual bool ApplyToLogic() { return true; }
    cPlatformServices& Platform() const { return platform_; }

  private:
    cDialogLogic& logic_;
    cPlatformServices& platform_;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace korval
