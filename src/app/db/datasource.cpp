#include "app/db/datasource.h"

#include "app/db/dbsession.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sql.h>
#include <sqlext.h>

namespace {

// The one schema, shared with people who set up a data source themselves.
QStringList SchemaStatements()
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

} // namespace

DataSource DataSource::detect()
{
    if (odbcSourceKnown(OdbcName))
        return odbc();
    return embeddedFile(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + '/'
                        + EmbeddedFileName);
}

DataSource DataSource::odbc(const QString &name)
{
    return DataSource(Kind::Odbc, name);
}

DataSource DataSource::embeddedFile(const QString &path)
{
    return DataSource(Kind::Embedded, path);
}

bool DataSource::odbcSourceKnown(const QString &name)
{
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        return false;
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    bool found = false;
    SQLCHAR sourceName[SQL_MAX_DSN_LENGTH + 1];
    SQLCHAR description[256];
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT descriptionLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (!found
           && SQL_SUCCEEDED(SQLDataSources(env, direction, sourceName, sizeof sourceName, &nameLength,
                                           description, sizeof description, &descriptionLength))) {
        found = QString::fromLocal8Bit(reinterpret_cast<const char *>(sourceName))
                    .compare(name, Qt::CaseInsensitive) == 0;
        direction = SQL_FETCH_NEXT;
    }
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return found;
}

bool DataSource::databaseExists() const
{
    if (m_kind == Kind::Embedded)
        return QFileInfo::exists(m_name);
    DbSession session(*this);
    return session.openStatus().ok();
}

DbStatus DataSource::createDatabase() const
{
    if (m_kind == Kind::Embedded && QFileInfo::exists(m_name))
        return {};
    // An embedded session creates the tables itself when it makes the file.
    DbSession session(*this);
    if (!session.openStatus().ok() || m_kind == Kind::Embedded)
        return session.openStatus();
    return createTables(session);
}

DbStatus DataSource::createTables(DbSession &session)
{
    for (const QString &statement : SchemaStatements()) {
        const DbStatus status = session.execute(statement);
        if (!status.ok())
            return status;
    }
    return {};
}
