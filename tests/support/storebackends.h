#pragma once

#include "db/datasource.h"

#include <QStringList>
#include <QTemporaryDir>

#include <map>

// The three stores every statement must run on unchanged: an SQLite file,
// an SQLite file through the SQLite ODBC driver, and PostgreSQL through
// psqlODBC on the private server CTest starts for the test
// (CHIMEWISE_TEST_POSTGRES names its socket folder). Set up once per test
// program, before any connection, since the ODBC driver manager reads its
// ini files once; each program gets a database of its own on the server.
class StoreBackends
{
public:
    static constexpr const char *SqliteFile = "sqlite file";
    static constexpr const char *SqliteOdbc = "sqlite odbc";
    static constexpr const char *PostgresOdbc = "postgresql odbc";

    static StoreBackends &instance();
    static QStringList names() { return {SqliteFile, SqliteOdbc, PostgresOdbc}; }

    // The store of that name with its tables emptied and made again from the schema.
    const DataSource &fresh(const QString &name);
    const DataSource &source(const QString &name) const { return m_sources.at(name); }
    // The server's socket folder.
    const QString &postgresSocket() const { return m_socket; }

private:
    StoreBackends();
    void writeFile(const QString &name, const QString &text) const;

    QTemporaryDir m_dir;
    QString m_socket;
    std::map<QString, DataSource> m_sources;
};
