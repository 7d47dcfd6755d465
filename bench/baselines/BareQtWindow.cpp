// A bare Qt main window of the desktop application's size that reports the moment its
// first paint is done and quits, as the application does under KORVAL_EXIT_AFTER_PAINT=window:
// what any Qt desktop program pays before it shows anything.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class QuitAfterFirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || event->type() != QEvent::Paint || !watched->isWidgetType() ||
            !static_cast<QWidget*>(watched)->isWindow())
            return false;
        // The moment the paint is done, as the application reports it.
        done_ = true;
        QCoreApplication::sendEvent(watched, event);
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("painted at %lld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return true;
    }

  private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QuitAfterFirstPaint probe;
    application.installEventFilter(&probe);
    QMainWindow window;
    window.resize(1100, 760);
    window.show();
    return QApplication::exec();
}
