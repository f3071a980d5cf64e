#pragma once

#include "db/databasesetup.h"
#include "prayer/prayerstore.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>
#include <optional>

inline PrayerTimes times(int fajr, int zohor, int asr, int magreb, int isha, int jumma)
{
    return PrayerTimes{{fajr, zohor, asr, magreb, isha, jumma}};
}

inline QList<int> range(int first, int last)
{
    QList<int> days(last - first + 1);
    std::iota(days.begin(), days.end(), first);
    return days;
}

// A real SQLite prayer database, created from the schema in a temporary
// directory, with the store on it and a few ways to look inside.
class NaamazTestDb
{
public:
    // create false: the file (in a folder not there yet, if asked) is left for the code under test to make.
    explicit NaamazTestDb(bool create = true, const QString &file = "KTXDB.sqlite")
        : m_source(DataSource::embeddedFile(m_dir.filePath(file))), m_store(m_source)
    {
        const DbStatus created = create ? createDatabase(m_source) : DbStatus{};
        if (!created.ok())
            QTest::qFail(qPrintable(created.errorText()), __FILE__, __LINE__);
    }

    const PrayerStore &store() const { return m_store; }
    const DataSource &source() const { return m_source; }
    bool exists() const { return QFileInfo::exists(m_source.name()); }
    DbSession session() const { return m_store.openSession(); }

    // Rows first..last, added where missing, every one holding the same times; one transaction.
    void fill(int first, int last, const PrayerTimes &times)
    {
        DbSession s = session();
        s.database().transaction();
        for (int day = first; day <= last; ++day) {
            m_store.insertEmptyDay(s, day);
            m_store.updateDayRow(s, day, times);
        }
        s.database().commit();
    }

    std::optional<PrayerTimes> times(int day) const
    {
        DbSession s = session();
        const auto row = m_store.loadDayRow(s, day);
        return row.ok() && row.value() ? std::optional(row.value()->times) : std::nullopt;
    }

    // The day number of every row, as many times as it occurs, in order.
    QList<int> days() const
    {
        QList<int> days;
        session().select("SELECT Days FROM Naamaz ORDER BY Days", {},
                         [&days](const DbRow &row) { days << row.value(0).toInt(); });
        return days;
    }

    void drop(const char *table) const { QVERIFY(session().execute(QString("DROP TABLE ") + table).ok()); }

private:
    QTemporaryDir m_dir;
    DataSource m_source;
    PrayerStore m_store;
};
