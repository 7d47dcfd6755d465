// A bare Qt main window that quits after its first paint: what any Qt desktop program
// pays before it shows anything, to compare the desktop application's start with.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace {

class QuitAfterFirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            done_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
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
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
