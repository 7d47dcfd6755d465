#include "app/qt/cTextRunRecorder.h"

#include <QPaintEngine>
#include <QTextItem>

namespace korval {

class cTextRunRecorder::cEngine : public QPaintEngine {
  public:
    // Every feature, so the painter hands text over as runs instead of emulating it.
    cEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawTextItem(const QPointF& origin, const QTextItem& item) override {
        runs.push_back({origin, item.text(), item.font()});
    }

    std::vector<Run> runs;
};

cTextRunRecorder::cTextRunRecorder(const QPaintDevice& model)
    : engine_(std::make_unique<cEngine>()),
      width_(model.width()),
      height_(model.height()),
      widthMM_(model.widthMM()),
      heightMM_(model.heightMM()),
      dpiX_(model.logicalDpiX()),
      dpiY_(model.logicalDpiY()),
      physicalDpiX_(model.physicalDpiX()),
      physicalDpiY_(model.physicalDpiY()) {}

cTextRunRecorder::~cTextRunRecorder() = default;

QPaintEngine* cTextRunRecorder::paintEngine() const {
    return engine_.get();
}

std::vector<cTextRunRecorder::Run> cTextRunRecorder::TakeRuns() {
    return std::exchange(engine_->runs, {});
}

int cTextRunRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
            return width_;
        case PdmHeight:
            return height_;
        case PdmWidthMM:
            return widthMM_;
        case PdmHeightMM:
            return heightMM_;
        case PdmDpiX:
            return dpiX_;
        case PdmDpiY:
            return dpiY_;
        case PdmPhysicalDpiX:
            return physicalDpiX_;
        case PdmPhysicalDpiY:
            return physicalDpiY_;
        case PdmNumColors:
            return 0x7FFFFFFF;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 1;
    }
}

}  // namespace korval
