#pragma once

#include <QObject>

namespace korval {

// Lets a benchmark measure start-up: with KORVAL_EXIT_AFTER_PAINT=window the application
// quits after the main window's first paint, with =report after the first paint of a
// report view, and writes the moment that paint is done to stdout ("painted at" and the
// monotonic clock in nanoseconds). Without the variable it is never installed.
class cStartupProbe : public QObject {
  public:
    static void InstallIfRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit cStartupProbe(bool waitForReport);
    bool waitForReport_;
    bool done_ = false;
};

}  // namespace korval
