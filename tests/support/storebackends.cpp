#include "support/storebackends.h"

#include "db/databasesetup.h"
#include "db/dbsession.h"
#include "db/schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

StoreBackends &StoreBackends::instance()
{
    static StoreBackends backends;
    return backends;
}

StoreBackends::StoreBackends() : m_socket(qEnvironmentVariable("CHIMEWISE_TEST_POSTGRES"))
{
    if (m_socket.isEmpty())
        qFatal("CHIMEWISE_TEST_POSTGRES is not set: run this test through CTest, which starts the "
               "PostgreSQL server (tests/support/postgres-cluster.sh)");
    const QString database = QString("%1_%2").arg(QCoreApplication::applicationName()).arg(QCoreApplication::applicationPid());
    writeFile("odbcinst.ini", "[SQLite3]\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n"
                              "[PostgreSQL]\nDriver=/usr/lib/x86_64-linux-gnu/odbc/psqlodbcw.so\n");
    const QString server = QString("Driver=PostgreSQL\nServername=%1\nUsername=ktx\nDatabase=").arg(m_socket);
    writeFile("odbc.ini", QString("[KTXLITE]\nDriver=SQLite3\nDatabase=%1\n"
                                  "[KTXPG]\n%2%3\n[KTXPGADMIN]\n%2postgres\n")
                              .arg(m_dir.filePath("odbc.db"), server, database));
    qputenv("ODBCSYSINI", m_dir.path().toLocal8Bit());
    qputenv("ODBCINI", m_dir.filePath("odbc.ini").toLocal8Bit());
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase("QODBC", "postgres-admin");
        admin.setDatabaseName("KTXPGADMIN");
        if (!admin.open() || !QSqlQuery(admin).exec("CREATE DATABASE " + database))
            qFatal("The test database cannot be made on the server in %s: %s", qPrintable(m_socket),
                   qPrintable(admin.lastError().text()));
    }
    QSqlDatabase::removeDatabase("postgres-admin");
    m_sources.emplace(SqliteFile, DataSource::embeddedFile(m_dir.filePath("KTXDB.sqlite")));
    m_sources.emplace(SqliteOdbc, DataSource::odbc("KTXLITE"));
    m_sources.emplace(PostgresOdbc, DataSource::odbc("KTXPG"));
}

const DataSource &StoreBackends::fresh(const QString &name)
{
    const DataSource &store = m_sources.at(name);
    {
        DbSession session(store);
        for (const QString &table : schemaTables())
            session.execute("DROP TABLE IF EXISTS " + table);
    }
    const DbStatus made = createDatabase(store);
    if (!made.ok())
        qFatal("The %s store cannot be made: %s", qPrintable(name), qPrintable(made.errorText()));
    return store;
}

void StoreBackends::writeFile(const QString &name, const QString &text) const
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        qFatal("%s cannot be written", qPrintable(file.fileName()));
}
