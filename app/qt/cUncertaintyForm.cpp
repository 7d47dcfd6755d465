#include "app/qt/cUncertaintyForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"
#include "framework/cUncertaintyDlg.h"

namespace korval {

namespace {
constexpr int kDigits = 12;
}  // namespace

cUncertaintyForm::cUncertaintyForm(cUncertaintyDlg& logic, cPlatformServices& platform,
                                   QWidget* parent)
    : cDialogForm(logic, platform, parent), logic_(logic), shapes_(new QButtonGroup(this)) {
    auto* inputs = new QGridLayout;
    inputs->addWidget(new QLabel(QStringLiteral("Optimistic"), this), 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Most likely"), this), 0, 2);
    inputs->addWidget(new QLabel(QStringLiteral("Pessimistic"), this), 0, 3);
    int line = 1;
    for (int row = 0; row < logic_.ThreePointCount(); ++row, ++line) {
        std::array<QLineEdit*, 3> edits{};
        for (int part = 0; part < 3; ++part) {
            QLineEdit* edit =
                NumberEdit(QStringLiteral("threePointEdit%1_%2").arg(row).arg(part), kDigits, this);
            ShowText(edit, logic_.GetThreePointText(row, part));
            connect(edit, &QLineEdit::textEdited, this, [this, row, part](const QString& text) {
                logic_.SetThreePointText(row, part, ToStdString(text));
            });
            inputs->addWidget(edit, line, part + 1);
            edits[static_cast<std::size_t>(part)] = edit;
        }
        inputs->addWidget(BuddyLabel(ToQString(logic_.ThreePointLabel(row) + ":"), edits[0], this),
                          line, 0);
        threePoints_.push_back(edits);
    }
    for (int row = 0; row < logic_.NumberCount(); ++row, ++line) {
        QLineEdit* edit = NumberEdit(QStringLiteral("numberEdit%1").arg(row), kDigits, this);
        ShowText(edit, logic_.GetNumberText(row));
        connect(edit, &QLineEdit::textEdited, this,
                [this, row](const QString& text) { logic_.SetNumberText(row, ToStdString(text)); });
        inputs->addWidget(BuddyLabel(ToQString(logic_.NumberLabel(row) + ":"), edit, this), line,
                          0);
        inputs->addWidget(edit, line, 1);
        numbers_.push_back(edit);
    }
    for (int row = 0; row < logic_.SwitchCount(); ++row, ++line) {
        auto* box = new QCheckBox(ToQString(logic_.SwitchLabel(row)), this);
        box->setObjectName(QStringLiteral("switchBox%1").arg(row));
        box->setChecked(logic_.GetSwitch(row));
        connect(box, &QCheckBox::toggled, this,
                [this, row](bool on) { logic_.SetSwitch(row, on); });
        inputs->addWidget(box, line, 0, 1, 4);
        switches_.push_back(box);
    }

    auto* run = new QGridLayout;
    auto* triangular = new QRadioButton(QStringLiteral("&Triangular"), this);
    triangular->setObjectName(QStringLiteral("triangularRadio"));
    auto* pert = new QRadioButton(QStringLiteral("&PERT (beta)"), this);
    pert->setObjectName(QStringLiteral("pertRadio"));
    shapes_->addButton(triangular, static_cast<int>(ThreePointShape::Triangular));
    shapes_->addButton(pert, static_cast<int>(ThreePointShape::Pert));
    CheckButton(shapes_, static_cast<int>(logic_.GetShape()));
    connect(shapes_, &QButtonGroup::idClicked, this,
            [this](int shape) { logic_.SetShape(static_cast<ThreePointShape>(shape)); });
    run->addWidget(new QLabel(QStringLiteral("Three-point estimates:"), this), 0, 0);
    run->addWidget(triangular, 0, 1);
    run->addWidget(pert, 0, 2);
    for (int field = 0; field < cUncertaintyDlg::kRunFieldCount; ++field) {
        QLineEdit* edit = NumberEdit(QStringLiteral("runEdit%1").arg(field), kDigits, this);
        ShowText(edit, logic_.GetRunText(field));
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            logic_.SetRunText(field, ToStdString(text));
        });
        run->addWidget(BuddyLabel(ToQString(cUncertaintyDlg::RunFieldLabel(field)), edit, this),
                       field + 1, 0);
        run->addWidget(edit, field + 1, 1, 1, 2);
        runFields_[static_cast<std::size_t>(field)] = edit;
    }
    auto* runBox = new QGroupBox(QStringLiteral("Simulation"), this);
    runBox->setLayout(run);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(runBox);
    layout->addSpacing(6);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FocusField(threePoints_.empty() ? runFields_[0] : threePoints_.front()[0]);
}

void cUncertaintyForm::FocusRefusedField() {
    const cUncertaintyDlg::Focus& focus = logic_.GetFocus();
    using Area = cUncertaintyDlg::Focus::Area;
    std::size_t row = static_cast<std::size_t>(focus.row);
    if (focus.area == Area::ThreePoint && row < threePoints_.size()) {
        FocusField(threePoints_[row][static_cast<std::size_t>(focus.part)]);
    } else if (focus.area == Area::Number && row < numbers_.size()) {
        FocusField(numbers_[row]);
    } else if (focus.area == Area::Run && row < runFields_.size()) {
        FocusField(runFields_[row]);
    }
}

bool cUncertaintyForm::ApplyToLogic() {
    if (logic_.OnOk()) return true;
    FocusRefusedField();
    return false;
}

}  // namespace korval
