#include "app/qt/cUncertaintyForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

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
    int runLine = 1;
    for (int field = 0; field < cUncertaintyDlg::kRunFieldCount; ++field) {
        if (!logic_.HasRunField(field)) continue;
        QLineEdit* edit = NumberEdit(QStringLiteral("runEdit%1").arg(field), kDigits, this);
        ShowText(edit, logic_.GetRunText(field));
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            logic_.SetRunText(field, ToStdString(text));
        });
        run->addWidget(BuddyLabel(ToQString(logic_.RunFieldLabel(field)), edit, this), runLine, 0);
        run->addWidget(edit, runLine++, 1, 1, 2);
        runFields_[static_cast<std::size_t>(field)] = edit;
    }
    auto* runBox = new QGroupBox(QStringLiteral("Simulation"), this);
    runBox->setLayout(run);

    auto* inputsPage = new QWidget(this);
    auto* left = new QVBoxLayout(inputsPage);
    left->setContentsMargins(0, 0, 0, 0);
    left->addLayout(inputs);
    left->addWidget(runBox);
    left->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    if (logic_.RatingRangeCount() > 0) {
        // The driver grid on a page of its own keeps the dialog within a laptop's screen.
        tabs_ = new QTabWidget(this);
        tabs_->setObjectName(QStringLiteral("uncertaintyTabs"));
        left->setContentsMargins(9, 9, 9, 9);
        tabs_->addTab(inputsPage, QStringLiteral("&Inputs and run"));
        tabs_->addTab(MakeRatingRanges(), QStringLiteral("Cost &driver ratings"));
        layout->addWidget(tabs_);
    } else {
        layout->addWidget(inputsPage);
    }
    layout->addSpacing(6);
    layout->addWidget(MakeButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FocusField(threePoints_.empty() ? runFields_[0] : threePoints_.front()[0]);
}

// Lowest and highest offer no rating (certain) and the ratings the row has.
QComboBox* cUncertaintyForm::MakeRangeEnd(int row, int end) {
    auto* box = new QComboBox(this);
    box->setObjectName(QStringLiteral("%1Rating%2")
                           .arg(end == cUncertaintyDlg::kLowestEnd ? QStringLiteral("lowest")
                                                                   : QStringLiteral("highest"))
                           .arg(row));
    box->addItem(QString(), cUncertaintyDlg::kNoRating);
    for (int rating : logic_.RatingChoices(row))
        box->addItem(ToQString(logic_.RatingName(row, rating)), rating);
    box->setCurrentIndex(std::max(0, box->findData(logic_.GetRangeEnd(row, end))));
    connect(box, &QComboBox::activated, this, [this, box, row, end](int index) {
        logic_.SetRangeEnd(row, end, box->itemData(index).toInt());
    });
    return box;
}

QWidget* cUncertaintyForm::MakeRatingRanges() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Rated now"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Lowest"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Highest"), this), 0, 3);
    for (int row = 0; row < logic_.RatingRangeCount(); ++row) {
        std::array<QComboBox*, 2> ends{MakeRangeEnd(row, cUncertaintyDlg::kLowestEnd),
                                       MakeRangeEnd(row, cUncertaintyDlg::kHighestEnd)};
        grid->addWidget(BuddyLabel(ToQString(logic_.RatingRangeLabel(row)), ends[0], this), row + 1,
                        0);
        grid->addWidget(new QLabel(ToQString(logic_.CurrentRating(row)), this), row + 1, 1);
        grid->addWidget(ends[0], row + 1, 2);
        grid->addWidget(ends[1], row + 1, 3);
        rangeEnds_.push_back(ends);
    }
    auto* hint = new QLabel(QStringLiteral("Each rating from the lowest to the highest is "
                                           "equally likely; leave both empty to keep the rating."),
                            this);
    hint->setWordWrap(true);
    grid->addWidget(hint, logic_.RatingRangeCount() + 1, 0, 1, 4);
    grid->setRowStretch(logic_.RatingRangeCount() + 2, 1);
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ratingRangesBox"));
    page->setLayout(grid);
    return page;
}

QWidget* cUncertaintyForm::RefusedField() const {
    const cUncertaintyDlg::Focus& focus = logic_.GetFocus();
    using Area = cUncertaintyDlg::Focus::Area;
    std::size_t row = static_cast<std::size_t>(focus.row);
    if (focus.area == Area::ThreePoint && row < threePoints_.size())
        return threePoints_[row][static_cast<std::size_t>(focus.part)];
    if (focus.area == Area::Number && row < numbers_.size()) return numbers_[row];
    if (focus.area == Area::RatingRange && row < rangeEnds_.size())
        return rangeEnds_[row][focus.part == cUncertaintyDlg::kHighestEnd ? 1 : 0];
    if (focus.area == Area::Run && row < runFields_.size()) return runFields_[row];
    return nullptr;
}

// The refused field may sit on the page not shown.
void cUncertaintyForm::FocusRefusedField() {
    QWidget* field = RefusedField();
    if (!field) return;
    for (int page = 0; tabs_ && page < tabs_->count(); ++page) {
        if (tabs_->widget(page)->isAncestorOf(field)) tabs_->setCurrentIndex(page);
    }
    FocusField(field);
}

bool cUncertaintyForm::ApplyToLogic() {
    if (logic_.OnOk()) return true;
    FocusRefusedField();
    return false;
}

}  // namespace korval
