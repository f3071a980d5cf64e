#pragma once

#include "db/datasource.h"
#include "db/dbresult.h"
#include "db/dbrow.h"

#include <QSqlDatabase>
#include <QVariantList>

#include <functional>
#include <memory>
#include <unordered_map>

class QSqlQuery;
struct sqlite3;

// One connection for the length of one operation, under a name of its own,
// so that an operation begun while another is open opens its own. Closed and removed when the session ends. Statements are
// prepared and their values bound in order, so quotes in texts are harmless.
// An embedded file that is not there yet is made with every table; one in a
// directory that cannot be written is opened read-only.
class DbSession
{
public:
    using RowReader = std::function<void(const DbRow &row)>;

    explicit DbSession(const DataSource &source);
    ~DbSession();
    DbSession(const DbSession &) = delete;
    DbSession &operator=(const DbSession &) = delete;

    // The failure of opening, if any. Every statement of a session that did
    // not open returns this failure.
    const DbStatus &openStatus() const { return m_openStatus; }

    // A statement executed again on the same session reuses its prepared
    // form, so a year of rows costs one preparation.
    DbStatus execute(const QString &statement, const QVariantList &values = {});
    // Hands each row of the result to the reader, in the order the database
    // gives them. Its prepared form is kept for the session too. On the
    // SQLite file the rows come from SQLite directly.
    DbStatus select(const QString &statement, const QVariantList &values, const RowReader &eachRow);
    // Runs the statement once for each row of whole numbers (`columns` values
    // a row, the rows one after another in `values`), prepared once;
    // `afterRow` is told each row's index once it is written. On the SQLite
    // file the numbers go to SQLite directly, without Qt's bookkeeping for
    // every value: a year of rows costs little more than SQLite's own work.
    DbStatus executeRows(const QString &statement, int columns, const QList<int> &values,
                         const std::function<void(int row)> &afterRow = {});
    // Runs the statement and gives the number of rows it changed.
    DbResult<int> executeCounted(const QString &statement, const QVariantList &values);
    // True when the query returns at least one row.
    DbResult<bool> hasRows(const QString &statement, const QVariantList &values = {});

    // The tables of data/schema.sql that the database lacks.
    QStringList missingTables() const;
    // Creates them with their indexes, all or none.
    DbStatus createMissingTables();
    // Adds to the tables there the columns of data/schema.sql they lack, with
    // the schema's defaults; the values already stored stay as they are.
    DbStatus addMissingColumns();
    // Makes the indexes of data/schema.sql that the tables there lack. An
    // older table that cannot take one (two rows with the same key) keeps
    // working without it.
    void addMissingIndexes();

    // Runs work as one transaction: committed when every statement in it
    // succeeded, otherwise rolled back, so that a failure leaves nothing of
    // it and a reader never sees half of it. The status is the first
    // failure, or that of the commit. Work begun inside another transaction
    // is part of it.
    DbStatus transaction(const std::function<DbStatus()> &work);

    // For callers that keep their own queries on this connection.
    QSqlDatabase database() const;

private:
    // A select keeps a query apart from the executes' (its rows may be read
    // while another statement runs).
    DbStatus run(QSqlQuery &query, const QVariantList &values, const RowReader &eachRow);
    DbStatus selectSqlite(const QString &statement, const QVariantList &values, const RowReader &eachRow);
    // changed, if given, receives the number of rows the statement changed.
    DbStatus executeKept(const QString &statement, const QVariantList &values, int *changed);
    // A failure inside a transaction dooms it, whatever its caller does next.
    DbStatus noted(const DbStatus &status);

    QString m_connectionName;
    DbStatus m_openStatus;
    bool m_inTransaction = false;
    DbStatus m_transactionStatus;
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> m_executed;
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> m_selected;
    struct SqliteSelect;
    sqlite3 *m_sqlite = nullptr; // the SQLite file's connection, owned by Qt's driver
    std::unordered_map<QString, std::unique_ptr<SqliteSelect>> m_sqliteSelected;
};
