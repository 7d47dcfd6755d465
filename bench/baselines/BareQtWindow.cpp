// A bare Qt main window of the desktop application's size that reports the moment its
// first paint is done and quits, as the application does under KORVAL_EXIT_AFTER_PAINT=window:
// what any Qt desktop program pays before it shows anything.
//
// With --with-font the window measures its font before it shows, as a window with a menu
// bar, a label or a status message must: Qt then sets up its font database (fontconfig's
// configuration, the fallback families) and loads the font's face, which the bare window
// never does.
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstring>
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
    if (argc > 1 && std::strcmp(argv[1], "--with-font") == 0) {
        static_cast<void>(QFontMetrics(window.font()).height());
    }
    window.show();
    return QApplication::exec();
}
