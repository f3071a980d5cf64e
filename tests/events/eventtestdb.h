#pragma once

#include "db/databasesetup.h"
#include "events/eventstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <tuple>

// A real event table in a temporary directory: an SQLite file, or the data
// source "KTXDB" on one through the SQLite ODBC driver (once per test
// program: the driver manager keeps what it first read).
class EventTestDb
{
public:
    explicit EventTestDb(DataSource::Kind kind = DataSource::Kind::Embedded)
    {
        if (kind == DataSource::Kind::Odbc) {
            write("odbcinst.ini", "[SQLite3]\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n");
            write("odbc.ini", "[KTXDB]\nDriver=SQLite3\nDatabase=" + m_dir.filePath("odbc.db") + "\n");
            qputenv("ODBCSYSINI", m_dir.path().toLocal8Bit());
            qputenv("ODBCINI", m_dir.filePath("odbc.ini").toLocal8Bit());
            m_source = DataSource::odbc();
        }
        QVERIFY(createDatabase(m_source).ok());
    }

    const EventStore &store() const { return m_store; }
    const DataSource &source() const { return m_source; }

    void insert(const EventRow &row) const
    {
        DbSession session = m_store.openSession();
        QVERIFY(m_store.insert(session, row).ok());
    }

    // The day's rows by time, then title.
    QList<EventRow> rows(const QDate &day) const
    {
        DbSession session = m_store.openSession();
        QList<EventRow> found = m_store.eventsFromTo(session, day, day).value();
        std::sort(found.begin(), found.end(), [](const EventRow &a, const EventRow &b) {
            return std::tie(a.time, a.title) < std::tie(b.time, b.title);
        });
        return found;
    }

    // Takes the event table away, or brings it back.
    void setTableThere(bool there) const
    {
        QVERIFY(m_store.openSession()
                    .execute(there ? "ALTER TABLE TOLVEX_GONE RENAME TO TOLVEX_EVENT"
                                   : "ALTER TABLE TOLVEX_EVENT RENAME TO TOLVEX_GONE")
                    .ok());
    }

private:
    void write(const QString &name, const QString &text) const
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    QTemporaryDir m_dir;
    DataSource m_source = DataSource::embeddedFile(m_dir.filePath("KTXDB.sqlite"));
    EventStore m_store{m_source};
};
