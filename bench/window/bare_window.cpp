// The yardstick for the window benchmark: a bare Qt window of the play
// field's size that repaints itself at every tick of the same precise clock,
// doing no game work at all.
//   bare_window WIDTH HEIGHT PERIOD_MS SECONDS

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

class BareWindow final : public QWidget {
public:
    BareWindow() { setAttribute(Qt::WA_OpaquePaintEvent); }
    void step() {
        ++frame_;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), (frame_ & 1) ? QColor(63, 191, 255) : QColor(0, 192, 192));
    }

private:
    int frame_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 5) return 2;
    BareWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.show();
    QTimer clock;
    clock.setTimerType(Qt::PreciseTimer);
    clock.setInterval(std::atoi(argv[3]));
    QObject::connect(&clock, &QTimer::timeout, [&window] { window.step(); });
    clock.start();
    QTimer::singleShot(std::atoi(argv[4]) * 1000, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
