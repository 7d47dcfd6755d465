#pragma once

#include <QApplication>

namespace korval {

// The desktop's application object. An exception thrown while an event is handled (a
// library refusing a value deep inside a computation) must not end the program and take
// every unsaved window with it: it is caught where Qt hands the event out, and the user is
// told what failed.
class cKorvalApplication : public QApplication {
  public:
    cKorvalApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    void Report(const QString& what);
    bool reporting_ = false;
};

}  // namespace korval
