#include "app/qt/cProbabilityGroup.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/qt/FormWidgets.h"
#include "app/qt/QtText.h"

namespace korval {

namespace {

constexpr int kPollMilliseconds = 100;

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    heading->setAlignment(Qt::AlignCenter);
    return heading;
}

}  // namespace

cProbabilityGroup::cProbabilityGroup(cProbabilitySolve& logic, QWidget* parent)
    : QGroupBox(ToQString(cProbabilitySolve::Title()), parent),
      logic_(logic),
      percent_(NumberEdit(QStringLiteral("probabilityEdit"), 4, this)),
      valueHeading_(Heading({}, this)),
      note_(new QLabel(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("probabilityGroup"));
    auto* solve = new QPushButton(QStringLiteral("&Solve"), this);
    solve->setObjectName(QStringLiteral("solveButton"));
    solve->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(ToQString(cProbabilitySolve::PercentLabel()), percent_, this), 0, 0);
    grid->addWidget(percent_, 0, 1);
    grid->addWidget(solve, 0, 2);
    grid->addWidget(valueHeading_, 1, 1);
    grid->addWidget(Heading(ToQString(cProbabilitySolve::ChanceHeading()), this), 1, 2);
    for (int output = 0; output < kShownOutputs; ++output) {
        labels_[output] = new QLabel(this);
        values_[output] = FigureField(QStringLiteral("probabilityValue%1").arg(output), 10, this);
        chances_[output] = FigureField(QStringLiteral("probabilityChance%1").arg(output), 6, this);
        grid->addWidget(labels_[output], 2 + output, 0);
        grid->addWidget(values_[output], 2 + output, 1);
        grid->addWidget(chances_[output], 2 + output, 2);
    }
    note_->setObjectName(QStringLiteral("probabilityNote"));
    note_->setWordWrap(true);
    grid->addWidget(note_, 2 + kShownOutputs, 0, 1, 2);
    cancel_->setObjectName(QStringLiteral("cancelSimulationButton"));
    cancel_->setAutoDefault(false);
    grid->addWidget(cancel_, 2 + kShownOutputs, 2);

    connect(percent_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.SetPercentText(ToStdString(text)); });
    // Enter in the probability solves; it is no calculator input.
    connect(percent_, &QLineEdit::returnPressed, this, [this] { Solve(); });
    connect(solve, &QPushButton::clicked, this, [this] { Solve(); });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        logic_.OnCancel();
        Refresh();
    });
    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
    Refresh();
}

void cProbabilityGroup::Solve() {
    if (!logic_.OnSolve()) FocusField(percent_);
    Refresh();
}

void cProbabilityGroup::Poll() {
    if (logic_.Poll()) Refresh();
    if (!logic_.IsRunning()) {
        poll_.stop();
        Refresh();
    }
}

void cProbabilityGroup::Refresh() {
    ShowText(percent_, logic_.GetPercentText());
    valueHeading_->setText(ToQString(logic_.ValueHeading()));
    for (int output = 0; output < kShownOutputs; ++output) {
        bool shown = output < logic_.OutputCount();
        labels_[output]->setText(shown ? ToQString(logic_.GetLabel(output)) : QString());
        ShowText(values_[output], shown ? logic_.GetValueText(output) : std::string());
        ShowText(chances_[output], shown ? logic_.GetChanceText(output) : std::string());
    }
    note_->setText(ToQString(logic_.GetNote()));
    cancel_->setVisible(logic_.CanCancel());
    if (logic_.IsRunning() && !poll_.isActive()) poll_.start();
}

}  // namespace korval
