#include "db/schema.h"

#include <QFile>

QStringList schemaStatements()
{
    QFile file(":/db/schema.sql");
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!line.trimmed().startsWith("--"))
            lines << line;
    }
    QStringList statements;
    for (const QString &statement : lines.join('\n').split(';')) {
        if (!statement.trimmed().isEmpty())
            statements << statement.trimmed();
    }
    return statements;
}
