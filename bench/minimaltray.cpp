// The hidden clock's peer: the least a Qt program in the tray does, a
// QSystemTrayIcon, a hidden widget and a timer that fires every second.
#include <QApplication>
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
    int ticks = 0;
    QObject::connect(&second, &QTimer::timeout, [&ticks] { ++ticks; });
    second.start(1000);
    return app.exec();
}
