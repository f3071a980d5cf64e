#pragma once

#include "app/db/datasource.h"
#include "app/db/dbsession.h"
#include "prayer/prayerstore.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

// A real SQLite prayer database, created from the schema in a temporary
// directory, with the store on it and a few ways to look inside.
class NaamazTestDb
{
public:
    NaamazTestDb()
        : m_source(DataSource::embeddedFile(m_dir.filePath("KTXDB.sqlite"))), m_store(m_source)
    {
        const DbStatus created = m_source.createDatabase();
        if (!created.ok())
            QTest::qFail(qPrintable(created.errorText()), __FILE__, __LINE__);
    }

    const PrayerStore &store() const { return m_store; }
    const DataSource &source() const { return m_source; }

    // Rows first..last, every one holding the same times; one transaction.
    void fill(int first, int last, const PrayerTimes &times)
    {
        DbSession session = m_store.openSession();
        session.database().transaction();
        for (int day = first; day <= last; ++day) {
            m_store.InsertEmptyDay(session, day);
            m_store.UpdateDayRow(session, day, times);
        }
        session.database().commit();
    }

    std::optional<PrayerTimes> times(int day) const
    {
        DbSession session = m_store.openSession();
        const auto row = m_store.LoadDayRow(session, day);
        if (!row.ok() || !row.value())
            return std::nullopt;
        return row.value()->times;
    }

    // The times of every row, in the order the table keeps them.
    QList<PrayerTimes> allTimes() const
    {
        QList<PrayerTimes> all;
        DbSession session = m_store.openSession();
        const auto rows = m_store.SelectDayRange(session, 1, PrayerStore::LastDay);
        for (const PrayerDayRow &row : rows.value())
            all << row.times;
        return all;
    }

    // The day number of every row, as many times as it occurs, in order.
    QList<int> days() const
    {
        QList<int> days;
        DbSession session = m_store.openSession();
        session.select("SELECT Days FROM Naamaz ORDER BY Days", {},
                       [&days](const QSqlRecord &row) { days << row.value(0).toInt(); });
        return days;
    }

    void dropDayTable()
    {
        DbSession session = m_store.openSession();
        QVERIFY(session.execute("DROP TABLE Naamaz").ok());
    }

private:
    QTemporaryDir m_dir;
    DataSource m_source;
    PrayerStore m_store;
};
