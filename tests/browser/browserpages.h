#pragma once

#include <QFile>
#include <QString>

// A page whose caption the browser shows as title.
inline QString writePage(const QString &path, const QString &title)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(("<title>" + title + "</title>").toUtf8()) <= 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
