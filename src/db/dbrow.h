#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

class QSqlQuery;
struct sqlite3_stmt;

// The row a select stands on, read by the index of its column in the
// statement's list. On the SQLite file it reads SQLite's own statement,
// without a record of named fields for every row; elsewhere Qt's query.
// Both give the same values.
class DbRow
{
public:
    explicit DbRow(sqlite3_stmt *statement) : m_statement(statement) {}
    explicit DbRow(const QSqlQuery &query) : m_query(&query) {}

    // The value as Qt's SQLite driver gives it: a whole number as qlonglong,
    // a real as double, a null as a null QString, anything else as text.
    QVariant value(int column) const;
    QString text(int column) const;
    // A date stored as a date, or as text in ISO form; null otherwise.
    QDate date(int column) const;

private:
    bool holdsSqliteText(int column) const;

    sqlite3_stmt *m_statement = nullptr;
    const QSqlQuery *m_query = nullptr;
};
