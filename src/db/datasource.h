#pragma once

#include <QString>

// Where the prayer tables and the event table live. Chosen once at start-up:
// the ODBC data source "KTXDB" when the driver manager knows one, otherwise
// an SQLite file in the user's data directory, created on first use.
class DataSource
{
public:
    enum class Kind { Odbc, Embedded };

    static constexpr const char *OdbcName = "KTXDB";
    static constexpr const char *OdbcPassword = "qmx415ra52";
    static constexpr const char *EmbeddedFileName = "KTXDB.sqlite";

    // "KTXDB" if the driver manager lists it, else <AppDataLocation>/KTXDB.sqlite.
    static DataSource detect();
    static DataSource odbc(const QString &name = OdbcName);
    // Tests point this at a file in a temporary directory.
    static DataSource embeddedFile(const QString &path);

    // Asks the ODBC driver manager whether it lists a data source of that name.
    static bool odbcSourceKnown(const QString &name);

    Kind kind() const { return m_kind; }
    // The ODBC data source name, or the path of the SQLite file.
    const QString &name() const { return m_name; }

private:
    DataSource(Kind kind, const QString &name) : m_kind(kind), m_name(name) {}

    Kind m_kind;
    QString m_name;
};
