#include "db/dbrow.h"

#include <QSqlQuery>

#include <sqlite3.h>

namespace {

QString sqliteText(sqlite3_stmt *statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

int digits(const char *text, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "yyyy-MM-dd", the form dates are bound in, read without building a text.
QDate sqliteDate(sqlite3_stmt *statement, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    if (sqlite3_column_bytes(statement, column) == 10 && text[4] == '-' && text[7] == '-') {
        const int year = digits(text, 4), month = digits(text + 5, 2), day = digits(text + 8, 2);
        if (year >= 0 && month >= 0 && day >= 0)
            return QDate(year, month, day);
    }
    return QDate::fromString(sqliteText(statement, column), Qt::ISODate);
}

} // namespace

QVariant DbRow::value(int column) const
{
    if (m_query)
        return m_query->value(column);
    // An older table may lack the later columns of a "*" select.
    if (column >= sqlite3_column_count(m_statement))
        return QVariant();
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(m_statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, column);
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(m_statement, column)),
                          sqlite3_column_bytes(m_statement, column));
    default:
        return sqliteText(m_statement, column);
    }
}

// Only stored text is read without a QVariant: numbers are written as Qt
// writes them, not as SQLite does.
bool DbRow::holdsSqliteText(int column) const
{
    return m_statement && column < sqlite3_column_count(m_statement)
           && sqlite3_column_type(m_statement, column) == SQLITE_TEXT;
}

QString DbRow::text(int column) const
{
    return holdsSqliteText(column) ? sqliteText(m_statement, column) : value(column).toString();
}

QDate DbRow::date(int column) const
{
    return holdsSqliteText(column) ? sqliteDate(m_statement, column) : value(column).toDate();
}
