#include "db/dbsession.h"
#include "prayer/prayerstore.h"
#include "prayer/prayeryearwriter.h"
#include "support/storebackends.h"

#include <QTest>

namespace {

// A year whose every day holds the same times, Fajr first.
StoredYear yearOf(int fajr, int days = 365)
{
    StoredYear year;
    year.year = 2026;
    year.days = QList<StoredDay>(days, StoredDay{fajr, 720, 930, 1050, 1150});
    return year;
}

QList<int> fajrOfEveryDay(const PrayerStore &store)
{
    DbSession session = store.openSession();
    const auto rows = store.selectDayRange(session, 1, PrayerStore::LastDay);
    QList<int> fajr;
    for (const PrayerDayRow &row : rows.value())
        fajr << row.times[PrayerTimes::Fajr];
    return fajr;
}

} // namespace

// The prayer statements on the SQLite file, SQLite through ODBC and PostgreSQL through psqlODBC.
class TestPrayerBackends : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { StoreBackends::instance(); }

    void yearIsWrittenWhole_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<int>("yearBefore"); // Fajr of the year stored before, 0 none
        for (const QString &name : StoreBackends::names()) {
            QTest::newRow(qPrintable(name + ": empty table")) << name << 0;
            QTest::newRow(qPrintable(name + ": over a year")) << name << 300;
        }
    }

    // A statement refused on day 200 leaves the year there before whole (or the table empty),
    // and says why in the driver's words; a year that can be written is written whole.
    void yearIsWrittenWhole()
    {
        QFETCH(QString, backend);
        QFETCH(int, yearBefore);
        const PrayerStore store(StoreBackends::instance().fresh(backend));
        {
            DbSession session = store.openSession();
            QVERIFY(session.execute("DROP TABLE Naamaz").ok());
            QVERIFY(session.execute("CREATE TABLE Naamaz (Days INTEGER NOT NULL UNIQUE, Fajr INTEGER CHECK (Fajr <> 999), "
                                    "Zohor INTEGER, Asr INTEGER, Magreb INTEGER, Isha INTEGER, Jumma INTEGER)").ok());
            if (yearBefore)
                QVERIFY(writePrayerYear(store, session, yearOf(yearBefore), {}).ok());
        }
        StoredYear refused = yearOf(310, 366);
        refused.days[199][0] = 999;
        QList<int> written;
        DbSession session = store.openSession();
        const DbStatus status = writePrayerYear(store, session, refused, [&written](int day) { written << day; });
        QVERIFY(!status.ok());
        QVERIFY2(status.errorText().contains("check", Qt::CaseInsensitive), qPrintable(status.errorText()));
        QCOMPARE(written.size(), 199);
        QCOMPARE(fajrOfEveryDay(store), yearBefore ? QList<int>(365, yearBefore) : QList<int>());

        QVERIFY(writePrayerYear(store, session, yearOf(320, 366), {}).ok());
        QCOMPARE(fajrOfEveryDay(store), QList<int>(366, 320));
    }

    void dayStatements_data()
    {
        QTest::addColumn<QString>("backend");
        for (const QString &name : StoreBackends::names())
            QTest::newRow(qPrintable(name)) << name;
    }

    // What the edit and batch dialogs and today's times run.
    void dayStatements()
    {
        QFETCH(QString, backend);
        const PrayerStore store(StoreBackends::instance().fresh(backend));
        DbSession session = store.openSession();
        QVERIFY(!store.anyDayRows(session).value());
        QCOMPARE(store.insertMissingDays(session, 59, 61).value(), 3);
        QCOMPARE(store.insertMissingDays(session, 58, 62).value(), 2);
        QVERIFY(store.updateDayRow(session, 60, PrayerTimes{{290, 730, 940, 1100, 1180, 780}}).ok());
        QVERIFY(store.updateOnePrayer(session, "Asr", 945, 60).ok());
        QVERIFY(store.anyDayRows(session).value());
        QCOMPARE(store.loadDayRow(session, 60).value()->times, (PrayerTimes{{290, 730, 945, 1100, 1180, 780}}));
        QCOMPARE(store.selectDayRange(session, 59, 61).value().size(), 3);
        QVERIFY(!store.loadDayRow(session, 100).value());
        QVERIFY(!store.insertEmptyDay(session, 60).ok()); // one row a day
    }

    void citySavedWhole_data() { dayStatements_data(); }

    // Saved twice over, as the city dialog saves it: one row with every column, quotes and all.
    void citySavedWhole()
    {
        QFETCH(QString, backend);
        const PrayerStore store(StoreBackends::instance().fresh(backend));
        CityRecord city{"Cox's Bazar", "91 58 E", "21 26 N", 1, 18.5, 90, 6, 0, 1, 1};
        city.zoneName = "Asia/Dhaka";
        city.preset = "karachi";
        city.highLatitude = 2;
        city.offsets = {1, -2, 3, -4, 5};
        DbSession session = store.openSession();
        for (int time = 0; time < 2; ++time) {
            const DbStatus saved = session.transaction([&] {
                if (store.cityExists(session, city.city).value())
                    store.deleteCity(session, city.city);
                return store.insertCity(session, city);
            });
            QVERIFY2(saved.ok(), qPrintable(saved.errorText()));
        }
        QCOMPARE(store.listCities(session).value(), QStringList{city.city});
        QCOMPARE(store.loadCity(session, city.city).value(), city);
    }
};

QTEST_GUILESS_MAIN(TestPrayerBackends)
#include "tst_prayerbackends.moc"
