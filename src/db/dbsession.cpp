#include "db/dbsession.h"

#include "db/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>

namespace {

// Another program holding the file locked keeps the window this long at
// most; the operation then fails with SQLite's "database is locked", and
// its owner tries again or says so.
const char kBusyTimeout[] = "QSQLITE_BUSY_TIMEOUT=150";
// A server that cannot be reached fails a connection after this many
// seconds, instead of holding the clock for the system's TCP timeout.
const char kLoginTimeout[] = "SQL_ATTR_LOGIN_TIMEOUT=3";
// psqlODBC's level of rollback on errors, set after its protocol: 0 leaves a
// failed statement to the server, which aborts the whole transaction (its
// default, 2, rolls back only the statement, so a commit kept the rest).
// Other drivers pass over the keyword.
const char kOdbcAttributes[] = ";Protocol=7.4-0";

// A session may be opened while another is open (a reminder's answer while
// the view dialog keeps its own), so every session needs a connection name of its own.
QString nextConnectionName()
{
    static int counter = 0;
    return QString("chimewise-db-%1").arg(++counter);
}

DbStatus failure(const QSqlError &error)
{
    const QString text = error.text().trimmed();
    return DbStatus::failure(text.isEmpty() ? QString("The database did not answer.") : text);
}

// Made whole in a file of its own and only then renamed into place, so that
// a creation cut short never leaves a half-made database under the name.
DbStatus makeEmbeddedFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QTemporaryFile part(path + ".XXXXXX");
    if (!part.open())
        return DbStatus::failure(QString("The database %1 cannot be made: %2").arg(path, part.errorString()));
    part.close();
    {
        DbSession session(DataSource::embeddedFile(part.fileName()));
        // A generation writes hundreds of single statements: with a write-ahead
        // log they need not wait for the disk one by one.
        session.execute("PRAGMA journal_mode = WAL");
        const DbStatus made = session.createMissingTables();
        if (!made.ok())
            return made;
    }
    if (part.rename(path)) {
        part.setAutoRemove(false);
        return {};
    }
    // Another copy of the clock made it first; that one serves.
    if (QFileInfo::exists(path))
        return {};
    return DbStatus::failure(QString("The database %1 cannot be made: %2").arg(path, part.errorString()));
}

// The connection of Qt's SQLite driver, which is the system's SQLite too.
sqlite3 *sqliteConnection(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

DbStatus sqliteFailure(sqlite3 *connection, const char *what = "Unable to execute statement")
{
    return DbStatus::failure(QString::fromUtf8(sqlite3_errmsg(connection)) + ' ' + what);
}

// Qt binds these as NULL too.
bool isNullValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().isNull();
    case QMetaType::QByteArray:
        return value.toByteArray().isNull();
    case QMetaType::QDate:
        return value.toDate().isNull();
    case QMetaType::QTime:
        return value.toTime().isNull();
    case QMetaType::QDateTime:
        return value.toDateTime().isNull();
    default:
        return value.isNull();
    }
}

// Bound as Qt's SQLite driver binds them, so that both read the same rows.
int bindSqlite(sqlite3_stmt *statement, int index, const QVariant &value)
{
    if (isNullValue(value))
        return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(statement, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    case QMetaType::QDateTime:
        return bindSqlite(statement, index, value.toDateTime().toString(Qt::ISODateWithMs));
    case QMetaType::QTime:
        return bindSqlite(statement, index, value.toTime().toString(u"hh:mm:ss.zzz"));
    default: {
        const QString text = value.toString();
        return sqlite3_bind_text16(statement, index, text.utf16(), int(text.size() * sizeof(QChar)),
                                   SQLITE_TRANSIENT);
    }
    }
}

DbStatus executeSqliteRows(sqlite3 *connection, const QString &statement, int columns,
                           const QList<int> &values, const std::function<void(int row)> &afterRow)
{
    sqlite3_stmt *prepared = nullptr;
    if (sqlite3_prepare_v2(connection, statement.toUtf8().constData(), -1, &prepared, nullptr) != SQLITE_OK)
        return sqliteFailure(connection);
    DbStatus status;
    for (qsizetype first = 0, row = 0; status.ok() && first + columns <= values.size(); first += columns, ++row) {
        for (int column = 0; column < columns; ++column)
            sqlite3_bind_int(prepared, column + 1, values[first + column]);
        if (sqlite3_step(prepared) != SQLITE_DONE)
            status = sqliteFailure(connection);
        sqlite3_reset(prepared);
        if (status.ok() && afterRow)
            afterRow(int(row));
    }
    sqlite3_finalize(prepared);
    return status;
}

} // namespace

struct DbSession::SqliteSelect
{
    explicit SqliteSelect(sqlite3_stmt *prepared) : statement(prepared) {}
    ~SqliteSelect() { sqlite3_finalize(statement); }
    SqliteSelect(const SqliteSelect &) = delete;
    SqliteSelect &operator=(const SqliteSelect &) = delete;

    sqlite3_stmt *statement;
    bool running = false;
};

DbSession::DbSession(const DataSource &source) : m_connectionName(nextConnectionName())
{
    const bool embedded = source.kind() == DataSource::Kind::Embedded;
    if (embedded && !QFileInfo::exists(source.name())) {
        m_openStatus = makeEmbeddedFile(source.name());
        if (!m_openStatus.ok())
            return;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(embedded ? "QSQLITE" : "QODBC", m_connectionName);
        // The ODBC driver puts "DSN=" in front of a name itself.
        db.setDatabaseName(embedded ? source.name() : source.name() + kOdbcAttributes);
        if (!embedded) {
            db.setPassword(DataSource::OdbcPassword);
            db.setConnectOptions(kLoginTimeout);
        }
        if (embedded)
            db.setConnectOptions(kBusyTimeout);
        if (embedded && !QFileInfo(QFileInfo(source.name()).absolutePath()).isWritable()) {
            // Where nothing can be written, not even the index of a write-ahead
            // log, the file is read as it stands.
            QUrl uri = QUrl::fromLocalFile(QFileInfo(source.name()).absoluteFilePath());
            uri.setQuery("immutable=1");
            db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
            db.setConnectOptions(QString("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI;") + kBusyTimeout);
        }
        if (!db.open()) {
            m_openStatus = failure(db.lastError());
            return;
        }
    }
    if (embedded) {
        execute("PRAGMA synchronous = NORMAL");
        m_sqlite = sqliteConnection(database());
    }
}

DbSession::~DbSession()
{
    m_executed.clear(); // queries go before their connection
    m_selected.clear();
    m_sqliteSelected.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase DbSession::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

DbStatus DbSession::execute(const QString &statement, const QVariantList &values)
{
    return executeKept(statement, values, nullptr);
}

DbResult<int> DbSession::executeCounted(const QString &statement, const QVariantList &values)
{
    int changed = 0;
    const DbStatus status = executeKept(statement, values, &changed);
    if (!status.ok())
        return status;
    return changed;
}

DbStatus DbSession::executeKept(const QString &statement, const QVariantList &values, int *changed)
{
    if (!m_openStatus.ok())
        return m_openStatus;
    auto kept = m_executed.find(statement);
    if (kept == m_executed.end()) {
        auto query = std::make_unique<QSqlQuery>(database());
        query->setForwardOnly(true);
        if (!query->prepare(statement))
            return noted(failure(query->lastError()));
        kept = m_executed.emplace(statement, std::move(query)).first;
    }
    QSqlQuery &query = *kept->second;
    const DbStatus status = run(query, values, {});
    if (changed)
        *changed = query.numRowsAffected();
    query.finish(); // a kept statement holds no lock between runs
    return noted(status);
}

DbStatus DbSession::select(const QString &statement, const QVariantList &values,
                           const RowReader &eachRow)
{
    if (!m_openStatus.ok())
        return m_openStatus;
    if (m_sqlite)
        return noted(selectSqlite(statement, values, eachRow));
    // A reader that selects with the same statement again gets a query of its own.
    auto kept = m_selected.find(statement);
    if (kept == m_selected.end() || kept->second->isActive()) {
        auto query = std::make_unique<QSqlQuery>(database());
        query->setForwardOnly(true);
        if (!query->prepare(statement))
            return noted(failure(query->lastError()));
        if (kept != m_selected.end())
            return noted(run(*query, values, eachRow));
        kept = m_selected.emplace(statement, std::move(query)).first;
    }
    QSqlQuery &query = *kept->second;
    const DbStatus status = noted(run(query, values, eachRow));
    query.finish(); // a kept statement holds no lock between runs
    return status;
}

DbStatus DbSession::selectSqlite(const QString &statement, const QVariantList &values,
                                 const RowReader &eachRow)
{
    std::unique_ptr<SqliteSelect> own;
    auto kept = m_sqliteSelected.find(statement);
    // A reader that selects with the same statement again gets a statement of its own.
    if (kept == m_sqliteSelected.end() || kept->second->running) {
        sqlite3_stmt *prepared = nullptr;
        if (sqlite3_prepare_v2(m_sqlite, statement.toUtf8().constData(), -1, &prepared, nullptr) != SQLITE_OK) {
            sqlite3_finalize(prepared);
            return sqliteFailure(m_sqlite);
        }
        own = std::make_unique<SqliteSelect>(prepared);
        if (kept == m_sqliteSelected.end())
            kept = m_sqliteSelected.emplace(statement, std::move(own)).first;
    }
    SqliteSelect &select = own ? *own : *kept->second;
    for (int i = 0; i < values.size(); ++i) {
        if (bindSqlite(select.statement, i + 1, values[i]) != SQLITE_OK)
            return sqliteFailure(m_sqlite);
    }
    select.running = true;
    int stepped;
    while ((stepped = sqlite3_step(select.statement)) == SQLITE_ROW) {
        if (eachRow)
            eachRow(DbRow(select.statement));
    }
    select.running = false;
    const DbStatus status = stepped == SQLITE_DONE ? DbStatus() : sqliteFailure(m_sqlite, "Unable to fetch row");
    // A kept statement holds no lock between runs.
    sqlite3_reset(select.statement);
    sqlite3_clear_bindings(select.statement);
    return status;
}

DbStatus DbSession::noted(const DbStatus &status)
{
    if (m_inTransaction && m_transactionStatus.ok())
        m_transactionStatus = status;
    return status;
}

DbStatus DbSession::transaction(const std::function<DbStatus()> &work)
{
    if (!m_openStatus.ok())
        return m_openStatus;
    if (m_inTransaction)
        return work();
    QSqlDatabase db = database();
    if (!db.transaction())
        return failure(db.lastError());
    m_inTransaction = true;
    m_transactionStatus = {};
    const DbStatus worked = work();
    m_inTransaction = false;
    DbStatus status = !m_transactionStatus.ok() ? m_transactionStatus : worked;
    if (status.ok() && !db.commit())
        status = failure(db.lastError());
    if (!status.ok())
        db.rollback();
    return status;
}

DbStatus DbSession::run(QSqlQuery &query, const QVariantList &values, const RowReader &eachRow)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec())
        return failure(query.lastError());
    if (eachRow) {
        while (query.next())
            eachRow(DbRow(query));
        if (query.lastError().isValid())
            return failure(query.lastError());
    }
    return {};
}

DbStatus DbSession::executeRows(const QString &statement, int columns, const QList<int> &values,
                               const std::function<void(int row)> &afterRow)
{
    if (!m_openStatus.ok())
        return m_openStatus;
    if (sqlite3 *connection = sqliteConnection(database()))
        return noted(executeSqliteRows(connection, statement, columns, values, afterRow));
    QVariantList row(columns);
    for (qsizetype first = 0; first + columns <= values.size(); first += columns) {
        for (int column = 0; column < columns; ++column)
            row[column] = values[first + column];
        const DbStatus status = execute(statement, row);
        if (!status.ok())
            return status;
        if (afterRow)
            afterRow(int(first / columns));
    }
    return {};
}

QStringList DbSession::missingTables() const
{
    const QStringList present = database().tables();
    QStringList missing;
    for (const QString &table : schemaTables()) {
        if (!present.contains(table, Qt::CaseInsensitive))
            missing << table;
    }
    return missing;
}

DbStatus DbSession::createMissingTables()
{
    if (!m_openStatus.ok())
        return m_openStatus;
    const QStringList missing = missingTables();
    return transaction([this, &missing] {
        for (const QString &statement : schemaStatements()) {
            if (!missing.contains(schemaTableOf(statement)))
                continue;
            if (const DbStatus status = execute(statement); !status.ok())
                return status;
        }
        return DbStatus();
    });
}

void DbSession::addMissingIndexes()
{
    const QStringList missing = missingTables();
    for (const QString &statement : schemaStatements()) {
        if (statement.startsWith("CREATE TABLE", Qt::CaseInsensitive) || missing.contains(schemaTableOf(statement)))
            continue;
        // "IF NOT EXISTS": an index there already is left as it is.
        execute(statement);
    }
}

DbStatus DbSession::addMissingColumns()
{
    if (!m_openStatus.ok())
        return m_openStatus;
    const QSqlDatabase db = database();
    const QStringList present = db.tables();
    for (const QString &statement : schemaStatements()) {
        const QString table = schemaTableOf(statement);
        // The table as the database spells it: a server may fold names to lower case.
        const auto stored = std::find_if(present.cbegin(), present.cend(), [&table](const QString &name) {
            return name.compare(table, Qt::CaseInsensitive) == 0;
        });
        if (!statement.startsWith("CREATE TABLE", Qt::CaseInsensitive) || stored == present.cend())
            continue;
        const QSqlRecord fields = db.record(*stored);
        for (const SchemaColumn &column : schemaColumnsOf(statement)) {
            if (fields.contains(column.name))
                continue;
            const DbStatus added = execute(QString("ALTER TABLE %1 ADD COLUMN %2").arg(table, column.definition));
            if (!added.ok())
                return added;
        }
    }
    return {};
}

DbResult<bool> DbSession::hasRows(const QString &statement, const QVariantList &values)
{
    bool any = false;
    const DbStatus status = select(statement, values, [&any](const DbRow &) { any = true; });
    if (!status.ok())
        return status;
    return any;
}
