#include "db/datasource.h"

#include <QStandardPaths>

#include <sql.h>
#include <sqlext.h>

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
