#pragma once

#include "db/databasesetup.h"
#include "events/eventstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A real SQLite event table in a temporary directory, with the store on it:
// an embedded file, or the data source "KTXDB" through the SQLite ODBC
// driver (once per test program: the driver manager keeps what it first read).
class EventTestDb
{
public:
    explicit EventTestDb(DataSource::Kind kind = DataSource::Kind::Embedded)
    {
        if (kind == DataSource::Kind::Odbc) {
            writeFile("odbcinst.ini", "[SQLite3]\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n");
            writeFile("odbc.ini", "[KTXDB]\nDriver=SQLite3\nDatabase=" + m_dir.filePath("odbc.db") + "\n");
            qputenv("ODBCSYSINI", m_dir.path().toLocal8Bit());
            qputenv("ODBCINI", m_dir.filePath("odbc.ini").toLocal8Bit());
            m_source = DataSource::odbc();
        }
        const DbStatus created = createDatabase(m_source);
        if (!created.ok())
            QTest::qFail(qPrintable(created.errorText()), __FILE__, __LINE__);
    }

    const EventStore &store() const { return m_store; }
    const DataSource &source() const { return m_source; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    void insert(const EventRow &row) const
    {
        DbSession session = m_store.openSession();
        QVERIFY(m_store.insert(session, row).ok());
    }

    // Every row, in the order the events come.
    QList<EventRow> rows() const
    {
        DbSession session = m_store.openSession();
        QList<EventKey> keys;
        session.select("Select [EvTitle], [EvTime], [EvDate] from TOLVEX_EVENT order by [EvDate], [EvTime]", {},
                       [&keys](const QSqlRecord &r) {
                           keys << EventKey{r.value(0).toString(), r.value(1).toInt(), r.value(2).toDate()};
                       });
        QList<EventRow> all;
        for (const EventKey &key : keys)
            all << m_store.details(session, key).value().value_or(EventRow{});
        return all;
    }

    // Takes the event table away, or brings it back.
    void setTableThere(bool there) const
    {
        const char *statement = there ? "ALTER TABLE TOLVEX_GONE RENAME TO TOLVEX_EVENT"
                                      : "ALTER TABLE TOLVEX_EVENT RENAME TO TOLVEX_GONE";
        QVERIFY(m_store.openSession().execute(statement).ok());
    }

private:
    void writeFile(const QString &name, const QString &text) const
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toLocal8Bit());
    }

    QTemporaryDir m_dir;
    DataSource m_source = DataSource::embeddedFile(m_dir.filePath("KTXDB.sqlite"));
    EventStore m_store{m_source};
};

namespace QTest {
template <>
inline char *toString(const EventRow &row)
{
    return qstrdup(qPrintable(QString("%1 %2 \"%3\" \"%4\" \"%5\" remind %6 %7 every %8, %9 snoozes")
                                  .arg(row.date.toString(Qt::ISODate)).arg(row.time)
                                  .arg(row.title, row.message, row.playFile,
                                       row.reminder.date.toString(Qt::ISODate))
                                  .arg(row.reminder.minutes).arg(row.interval).arg(row.howManyTimes)));
}
} // namespace QTest
