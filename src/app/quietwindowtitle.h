#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// The window's title runs with the seconds. On X11 each new title is a
// property change that the server reports back to every client listening
// to the window's properties, Qt among them, and that report would wake
// two of the clock's threads every second. While the clock renames its
// own window it does not listen; the window manager still hears of it.
class QuietWindowTitle
{
public:
    void set(QWidget &window, const QString &title);

private:
    quint32 m_window = 0; // the X11 window whose event mask is known
    quint32 m_eventMask = 0;
};
