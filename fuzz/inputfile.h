#pragma once

#include <QFile>
#include <QString>

#include <unistd.h>

// The input written to a file of this process, for code that reads files by name.
inline QString inputFile(const uint8_t *data, size_t size, const char *suffix)
{
    const QString path = QString("/tmp/chimewise-fuzz-%1%2").arg(getpid()).arg(suffix);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}
