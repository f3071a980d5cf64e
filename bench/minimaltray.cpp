// The hidden clock's peer: the least a Qt program in the tray does, a
// QSystemTrayIcon, a hidden widget and a timer that fires every second.
// Its seconds start half a second after the wall clock's: the clock ticks
// just after the whole second, and a program woken right after the other
// finds the libraries both use still in the processor's caches, which would
// make whichever runs second look cheaper.
#include <QApplication>
#include <QDateTime>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::darkBlue);
    QSystemTrayIcon icon{QIcon(pixmap)};
    icon.show();
    QWidget window;
    window.setWindowTitle("Minimal tray");
    QTimer second;
    second.setTimerType(Qt::PreciseTimer);
    int ticks = 0;
    QObject::connect(&second, &QTimer::timeout, [&ticks] { ++ticks; });
    const int toHalfSecond = int((1500 - QDateTime::currentMSecsSinceEpoch() % 1000) % 1000);
    QTimer::singleShot(toHalfSecond, Qt::PreciseTimer, &second, [&second] { second.start(1000); });
    return app.exec();
}
