#pragma once

#include <QGroupBox>
#include <QTimer>
#include <array>

#include "framework/cProbabilitySolve.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korval {

// The what-if calculators' "Solve for probability" group over cProbabilitySolve: the
// probability, Solve, then per output the figure at that probability and the chance of the
// calculator's Output column, and a note. While the document's simulation runs (off the
// GUI thread, in the desktop's background run) it asks again every 100 ms.
class cProbabilityGroup : public QGroupBox {
  public:
    cProbabilityGroup(cProbabilitySolve& logic, QWidget* parent);

    // Shows the logic's state; the calculator calls it after every calculation.
    void Refresh();

  private:
    static constexpr int kShownOutputs = 2;

    void Solve();
    void Poll();

    cProbabilitySolve& logic_;
    QLineEdit* percent_;
    QLabel* valueHeading_;
    std::array<QLabel*, kShownOutputs> labels_{};
    std::array<QLineEdit*, kShownOutputs> values_{};
    std::array<QLineEdit*, kShownOutputs> chances_{};
    QLabel* note_;
    QPushButton* cancel_;
    QTimer poll_;
};

}  // namespace korval
