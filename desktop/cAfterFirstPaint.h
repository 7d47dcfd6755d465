#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace korval {

// Runs work once the widget has been painted for the first time: at the event loop's next
// turn after that paint, so it neither delays the paint nor competes with it for the
// processor. Start-up work that nothing on screen waits for (writing settings, starting a
// simulation) goes here. The work is dropped with the widget.
class cAfterFirstPaint : public QObject {
  public:
    static void Run(QWidget& widget, std::function<void()> work);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    cAfterFirstPaint(QWidget& widget, std::function<void()> work);

    std::function<void()> work_;
};

}  // namespace korval
