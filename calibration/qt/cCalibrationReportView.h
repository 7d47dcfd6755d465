#pragma once

#include <QWidget>

namespace korval {

struct Calibration;

// The calibration report on screen, laid out on the screen surface in the widget's font
// and width, as the document views show theirs.
class cCalibrationReportView : public QWidget {
    Q_OBJECT
  public:
    cCalibrationReportView(const Calibration& calibration, QWidget* parent);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    int LaidOutHeight() const;

    const Calibration& calibration_;
};

}  // namespace korval
