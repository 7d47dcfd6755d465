#pragma once

#include <QFont>
#include <QPaintDevice>
#include <QPointF>
#include <QString>
#include <memory>
#include <vector>

namespace korval {

// A paint device that keeps only the text drawn on it: each run of one font and script
// Qt's text layout hands its engine, where its baseline starts. Text drawn in a rectangle
// is broken into lines and aligned exactly as on any other device of the same resolution,
// so a writer of another format can draw the runs where Qt would have.
class cTextRunRecorder : public QPaintDevice {
  public:
    struct Run {
        QPointF origin;
        QString text;
        QFont font;
    };

    // A device of the size and resolution of the model.
    explicit cTextRunRecorder(const QPaintDevice& model);
    ~cTextRunRecorder() override;

    QPaintEngine* paintEngine() const override;
    // The runs drawn since the last call.
    std::vector<Run> TakeRuns();

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    class cEngine;
    std::unique_ptr<cEngine> engine_;
    int width_, height_, widthMM_, heightMM_, dpiX_, dpiY_, physicalDpiX_, physicalDpiY_;
};

}  // namespace korval
