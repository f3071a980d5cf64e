#include "naamaztestdb.h"
#include "prayer/todayprayertimes.h"
#include "support/scriptedprompts.h"

Q_DECLARE_METATYPE(PrayerTimes)

// The prayer statements against a real SQLite file.
class TestPrayerStore : public QObject
{
    Q_OBJECT

private slots:
    void missingDaysAreInsertedOnce_data()
    {
        QTest::addColumn<QList<int>>("present");
        QTest::addColumn<int>("inserted");
        QTest::newRow("empty table") << QList<int>{} << 366;
        QTest::newRow("partly filled") << QList<int>{1, 2, 60, 365} << 362;
        QTest::newRow("full year") << range(1, 366) << 0;
    }

    void missingDaysAreInsertedOnce()
    {
        QFETCH(QList<int>, present);
        QFETCH(int, inserted);
        NaamazTestDb db;
        DbSession session = db.session();
        for (int day : present)
            QVERIFY(db.store().insertGeneratedDay(session, day, {10, 20, 30, 40, 50}).ok());

        const DbResult<int> result = db.store().insertMissingDays(session, 1, 366);
        QVERIFY2(result.ok(), qPrintable(result.errorText()));
        QCOMPARE(result.value(), inserted);
        QCOMPARE(db.days(), range(1, 366));
        for (int day : present)
            QCOMPARE(db.times(day), times(10, 20, 30, 40, 50, 0)); // Jumma left empty
        // The plain insert would have made a second row for a day.
        QVERIFY(!db.store().insertEmptyDay(session, 1).ok());
    }

    void onePrayerColumnComesFromTheList_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Zohor") << "Zohor" << true;
        QTest::newRow("Jumma") << "Jumma" << true;
        QTest::newRow("lower case") << "zohor" << false;
        QTest::newRow("day column") << "Days" << false;
        QTest::newRow("injection") << "Fajr=1, Days" << false;
    }

    void onePrayerColumnComesFromTheList()
    {
        QFETCH(QString, column);
        QFETCH(bool, accepted);
        NaamazTestDb db;
        DbSession session = db.session();
        QVERIFY(db.store().insertMissingDays(session, 60, 61).ok());
        QCOMPARE(db.store().updateOnePrayer(session, column, 795, 60).ok(), accepted);
        const int index = PrayerStore::prayerColumns().indexOf(column);
        QCOMPARE((*db.times(60))[PrayerTimes::Index(qMax(index, 0))], accepted ? 795 : 0);
        QCOMPARE(db.days(), (QList<int>{60, 61}));
        QCOMPARE(db.times(61), PrayerTimes{});
    }

    void cityWithQuoteSavesAndLoads()
    {
        NaamazTestDb db;
        const PrayerStore &store = db.store();
        const CityRecord city{"Cox's Bazar", "91 58 E", "21 26 N", 2, 18.5, 90.0, 6.0, 1, 1, 1};
        DbSession session = db.session();
        QCOMPARE(store.cityExists(session, city.city).value(), false);
        QVERIFY(store.insertCity(session, city).ok());
        QVERIFY(store.insertCity(session, CityRecord{"Dhaka", "90 25 E", "23 43 N"}).ok());
        QCOMPARE(store.cityExists(session, city.city).value(), true);
        QCOMPARE(store.listCities(session).value(), (QStringList{"Cox's Bazar", "Dhaka"}));
        QCOMPARE(store.loadCity(session, city.city).value(), city);

        QVERIFY(store.deleteCity(session, city.city).ok());
        QCOMPARE(store.listCities(session).value(), QStringList{"Dhaka"});
        QVERIFY(!store.loadCity(session, city.city).value().has_value());
    }

    void cityAngleCountsOnlyAsDouble()
    {
        NaamazTestDb db;
        DbSession session = db.session();
        QVERIFY(session.execute("INSERT INTO CITY (City, FajrDepr, Ratio) VALUES ('Sylhet', 'steep', 1.9)").ok());
        const auto loaded = db.store().loadCity(session, "Sylhet").value();
        QVERIFY(loaded.has_value());
        QCOMPARE(loaded->fajrAngle, 0.0);
        QCOMPARE(loaded->ratioIndex, 1); // truncated
        QCOMPARE(loaded->longitude, QString());
    }

    void todayTimes_data()
    {
        QTest::addColumn<QVariant>("jumma");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("found"); // false: previous times kept
        QTest::addColumn<bool>("broken"); // the day table is gone
        QTest::addColumn<PrayerTimes>("expected");
        const PrayerTimes kept = times(290, 730, 940, 1100, 1180, 780);
        const PrayerTimes zohor = times(290, 730, 940, 1100, 1180, 730);
        QTest::newRow("Jumma kept") << QVariant(780) << 100 << true << false << kept;
        QTest::newRow("Jumma empty") << QVariant() << 100 << true << false << zohor;
        QTest::newRow("Jumma 0") << QVariant(0) << 100 << true << false << zohor;
        QTest::newRow("Jumma 1440") << QVariant(1440) << 100 << true << false << zohor;
        QTest::newRow("Jumma negative") << QVariant(-5) << 100 << true << false << zohor;
        QTest::newRow("no row: day 366") << QVariant(780) << 366 << false << false << PrayerTimes{};
        QTest::newRow("database fails") << QVariant(780) << 100 << false << true << PrayerTimes{};
    }

    void todayTimes()
    {
        QFETCH(QVariant, jumma);
        QFETCH(int, day);
        QFETCH(bool, found);
        QFETCH(bool, broken);
        QFETCH(PrayerTimes, expected);
        NaamazTestDb db;
        {
            DbSession session = db.session();
            QVERIFY(db.store().insertGeneratedDay(session, 100, {290, 730, 940, 1100, 1180}).ok());
            QVERIFY(session.execute("UPDATE Naamaz SET Jumma = ? WHERE Days = 100", {jumma}).ok());
        }
        if (broken)
            db.drop("Naamaz");
        const PrayerTimes before = times(1, 2, 3, 4, 5, 6);
        TodayPrayerTimes times = before;
        const DbResult<bool> loaded = loadTodayPrayerTimes(db.source(), day, times);
        QCOMPARE(loaded.ok(), !broken);
        QCOMPARE(loaded.ok() && loaded.value(), found);
        QCOMPARE(times, found ? expected : before);
    }

    void statementErrorShowsOnePrompt()
    {
        NaamazTestDb db;
        db.drop("CITY");
        DbSession session = db.session();
        ScriptedPrompts prompts;
        prompts.expectMessage("no such table: CITY Unable to execute statement", "Chimewise");
        QVERIFY(!runDbOperation(prompts, [&] { return db.store().listCities(session); }).ok());
        QVERIFY(prompts.allShown());
        QCOMPARE(prompts.shown().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPrayerStore)
#include "tst_prayerstore.moc"
