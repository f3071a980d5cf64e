#pragma once

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

// Closes the dialog that the next command runs modally once its caption
// ends with ending (a browser's, once its page has loaded), and keeps the
// caption; a command that runs none leaves it empty.
inline void closeDialogWhenShown(QString &caption, const QString &ending = " -- Norvik ")
{
    QTimer::singleShot(0, [&caption, ending] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        QTRY_VERIFY(dialog->windowTitle().endsWith(ending));
        caption = dialog->windowTitle();
        dialog->close();
    });
}

// Whether the web engine is loaded into this process.
inline bool webEngineLoaded()
{
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}
