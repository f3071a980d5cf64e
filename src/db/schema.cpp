#include "db/schema.h"

#include <QFile>
#include <QRegularExpression>

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

QString schemaTableOf(const QString &statement)
{
    static const QRegularExpression table(R"(^CREATE\s+(?:TABLE|INDEX\s+\w+\s+ON)\s+(\w+))",
                                          QRegularExpression::CaseInsensitiveOption);
    return table.match(statement).captured(1);
}

QStringList schemaTables()
{
    QStringList tables;
    for (const QString &statement : schemaStatements()) {
        if (statement.startsWith("CREATE TABLE", Qt::CaseInsensitive))
            tables << schemaTableOf(statement);
    }
    return tables;
}
