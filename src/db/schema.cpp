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
    static const QRegularExpression table(R"(^CREATE\s+(?:TABLE|(?:UNIQUE\s+)?INDEX\s+(?:IF\s+NOT\s+EXISTS\s+)?\w+\s+ON)\s+(\w+))",
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

QList<SchemaColumn> schemaColumnsOf(const QString &statement)
{
    const qsizetype open = statement.indexOf(u'(');
    const qsizetype close = statement.lastIndexOf(u')');
    QList<SchemaColumn> columns;
    if (open < 0 || close < open)
        return columns;
    // Commas inside a type's parentheses do not end a column.
    int depth = 0;
    QString current;
    const auto take = [&columns](const QString &definition) {
        const QString trimmed = definition.simplified();
        if (!trimmed.isEmpty())
            columns << SchemaColumn{trimmed.section(u' ', 0, 0), trimmed};
    };
    for (const QChar c : statement.mid(open + 1, close - open - 1)) {
        depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
        if (c == u',' && depth == 0) {
            take(current);
            current.clear();
        } else {
            current += c;
        }
    }
    take(current);
    return columns;
}
