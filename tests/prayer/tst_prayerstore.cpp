#include "app/db/datasource.h"
#include "app/db/dbsession.h"
#include "prayer/prayerstore.h"
#include "prayer/todayprayertimes.h"
#include "support/scriptedprompts.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PrayerTimes)

namespace {

PrayerTimes Times(int fajr, int zohor, int asr, int magreb, int isha, int jumma)
{
    return PrayerTimes{{fajr, zohor, asr, magreb, isha, jumma}};
}

} // namespace

// The prayer statements against a real SQLite file.
class TestPrayerStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void generationInsertsIntoEmptyTable();
    void generationUpdatesKeepJummaAndDay366();
    void missingDaysAreInsertedOnce_data();
    void missingDaysAreInsertedOnce();
    void onePrayerColumnComesFromTheList_data();
    void onePrayerColumnComesFromTheList();
    void cityWithQuoteSavesAndLoads();
    void cityAngleCountsOnlyAsDouble();
    void todayTimes_data();
    void todayTimes();
    void todayTimesKeptWhenDatabaseFails();
    void statementErrorShowsOnePrompt();

private:
    QList<int> days();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DataSource> m_source;
    std::unique_ptr<PrayerStore> m_store;
};

void TestPrayerStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_source = std::make_unique<DataSource>(DataSource::embeddedFile(m_dir->filePath("KTXDB.sqlite")));
    m_store = std::make_unique<PrayerStore>(*m_source);
    QVERIFY(m_source->createDatabase().ok());
}

void TestPrayerStore::cleanup()
{
    m_store.reset();
    m_source.reset();
    m_dir.reset();
}

QList<int> TestPrayerStore::days()
{
    QList<int> days;
    DbSession session = m_store->openSession();
    session.select("SELECT Days FROM Naamaz ORDER BY Days", {},
                   [&days](const QSqlRecord &row) { days << row.value(0).toInt(); });
    return days;
}

void TestPrayerStore::generationInsertsIntoEmptyTable()
{
    DbSession session = m_store->openSession();
    QCOMPARE(m_store->AnyDayRows(session).value(), false);
    for (int day = 1; day <= 365; ++day)
        QVERIFY(m_store->InsertGeneratedDay(session, day, {285, 720, 930, 1090, day}).ok());
    QCOMPARE(m_store->AnyDayRows(session).value(), true);
    QCOMPARE(days().size(), 365);
    const auto row = m_store->LoadDayRow(session, 200);
    QVERIFY(row.value().has_value());
    QCOMPARE(row.value()->times, Times(285, 720, 930, 1090, 200, 0)); // Jumma left empty
}

void TestPrayerStore::generationUpdatesKeepJummaAndDay366()
{
    DbSession session = m_store->openSession();
    for (int day : {5, 366}) {
        QVERIFY(m_store->InsertEmptyDay(session, day).ok());
        QVERIFY(m_store->UpdateDayRow(session, day, Times(1, 2, 3, 4, 5, 780)).ok());
    }
    QVERIFY(m_store->UpdateGeneratedDay(session, 5, {285, 720, 930, 1090, 1170}).ok());
    QCOMPARE(m_store->LoadDayRow(session, 5).value()->times, Times(285, 720, 930, 1090, 1170, 780));
    QCOMPARE(m_store->LoadDayRow(session, 366).value()->times, Times(1, 2, 3, 4, 5, 780));
}

void TestPrayerStore::missingDaysAreInsertedOnce_data()
{
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<int>("inserted");
    QTest::newRow("empty table") << QList<int>{} << 366;
    QTest::newRow("partly filled") << QList<int>{1, 2, 60, 365} << 362;
    QList<int> year;
    for (int day = 1; day <= 366; ++day)
        year << day;
    QTest::newRow("full year") << year << 0;
}

void TestPrayerStore::missingDaysAreInsertedOnce()
{
    QFETCH(QList<int>, present);
    QFETCH(int, inserted);
    DbSession session = m_store->openSession();
    for (int day : present)
        QVERIFY(m_store->InsertGeneratedDay(session, day, {10, 20, 30, 40, 50}).ok());

    const DbResult<int> result = m_store->InsertMissingDays(session, 1, 366);
    QVERIFY2(result.ok(), qPrintable(result.errorText()));
    QCOMPARE(result.value(), inserted);
    QList<int> everyDay;
    for (int day = 1; day <= 366; ++day)
        everyDay << day;
    QCOMPARE(days(), everyDay);
    for (int day : present)
        QCOMPARE(m_store->LoadDayRow(session, day).value()->times, Times(10, 20, 30, 40, 50, 0));
    // The plain insert would have made a second row for a day.
    QVERIFY(!m_store->InsertEmptyDay(session, 1).ok());
}

void TestPrayerStore::onePrayerColumnComesFromTheList_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("Zohor") << "Zohor" << true;
    QTest::newRow("Jumma") << "Jumma" << true;
    QTest::newRow("lower case") << "zohor" << false;
    QTest::newRow("day column") << "Days" << false;
    QTest::newRow("injection") << "Fajr=1, Days" << false;
}

void TestPrayerStore::onePrayerColumnComesFromTheList()
{
    QFETCH(QString, column);
    QFETCH(bool, accepted);
    DbSession session = m_store->openSession();
    QVERIFY(m_store->InsertMissingDays(session, 60, 61).ok());
    const DbStatus status = m_store->UpdateOnePrayer(session, column, 795, 60);
    QCOMPARE(status.ok(), accepted);
    const PrayerTimes times = m_store->LoadDayRow(session, 60).value()->times;
    const int index = PrayerStore::PrayerColumns().indexOf(column);
    QCOMPARE(times[PrayerTimes::Index(qMax(index, 0))], accepted ? 795 : 0);
    QCOMPARE(days(), (QList<int>{60, 61}));
    QCOMPARE(m_store->LoadDayRow(session, 61).value()->times, PrayerTimes{});
}

void TestPrayerStore::cityWithQuoteSavesAndLoads()
{
    const CityRecord city{"Cox's Bazar", "91 58 E", "21 26 N", 2, 18.5, 90.0, 6.0, 1, 1, 1};
    DbSession session = m_store->openSession();
    QCOMPARE(m_store->CityExists(session, city.city).value(), false);
    QVERIFY(m_store->InsertCity(session, city).ok());
    QVERIFY(m_store->InsertCity(session, CityRecord{"Dhaka", "90 25 E", "23 43 N"}).ok());

    QCOMPARE(m_store->CityExists(session, city.city).value(), true);
    QCOMPARE(m_store->ListCities(session).value(), (QStringList{"Cox's Bazar", "Dhaka"}));
    const auto loaded = m_store->LoadCity(session, city.city);
    QVERIFY(loaded.value().has_value());
    QCOMPARE(*loaded.value(), city);

    QVERIFY(m_store->DeleteCity(session, city.city).ok());
    QCOMPARE(m_store->ListCities(session).value(), QStringList{"Dhaka"});
    QVERIFY(!m_store->LoadCity(session, city.city).value().has_value());
}

void TestPrayerStore::cityAngleCountsOnlyAsDouble()
{
    DbSession session = m_store->openSession();
    QVERIFY(session.execute("INSERT INTO CITY (City, FajrDepr, Ratio) VALUES ('Sylhet', 'steep', 1.9)").ok());
    const auto loaded = m_store->LoadCity(session, "Sylhet");
    QVERIFY(loaded.value().has_value());
    QCOMPARE(loaded.value()->fajrAngle, 0.0);
    QCOMPARE(loaded.value()->ratioIndex, 1); // truncated
    QCOMPARE(loaded.value()->longitude, QString());
}

void TestPrayerStore::todayTimes_data()
{
    QTest::addColumn<QVariant>("jumma");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("found");
    QTest::addColumn<PrayerTimes>("expected");
    const PrayerTimes before = Times(1, 2, 3, 4, 5, 6);
    QTest::newRow("Jumma kept") << QVariant(780) << 100 << true << Times(290, 730, 940, 1100, 1180, 780);
    QTest::newRow("Jumma empty") << QVariant() << 100 << true << Times(290, 730, 940, 1100, 1180, 730);
    QTest::newRow("Jumma 0") << QVariant(0) << 100 << true << Times(290, 730, 940, 1100, 1180, 730);
    QTest::newRow("Jumma 1440") << QVariant(1440) << 100 << true << Times(290, 730, 940, 1100, 1180, 730);
    QTest::newRow("Jumma negative") << QVariant(-5) << 100 << true << Times(290, 730, 940, 1100, 1180, 730);
    QTest::newRow("no row: day 366") << QVariant(780) << 366 << false << before;
}

void TestPrayerStore::todayTimes()
{
    QFETCH(QVariant, jumma);
    QFETCH(int, day);
    QFETCH(bool, found);
    QFETCH(PrayerTimes, expected);
    {
        DbSession session = m_store->openSession();
        QVERIFY(m_store->InsertGeneratedDay(session, 100, {290, 730, 940, 1100, 1180}).ok());
        QVERIFY(session.execute("UPDATE Naamaz SET Jumma = ? WHERE Days = 100", {jumma}).ok());
    }
    TodayPrayerTimes times = Times(1, 2, 3, 4, 5, 6);
    const DbResult<bool> loaded = LoadTodayPrayerTimes(*m_source, day, times);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.value(), found);
    QCOMPARE(times, expected);
}

void TestPrayerStore::todayTimesKeptWhenDatabaseFails()
{
    {
        DbSession session = m_store->openSession();
        QVERIFY(session.execute("DROP TABLE Naamaz").ok());
    }
    TodayPrayerTimes times = Times(1, 2, 3, 4, 5, 6);
    QVERIFY(!LoadTodayPrayerTimes(*m_source, 1, times).ok());
    QCOMPARE(times, Times(1, 2, 3, 4, 5, 6));
}

void TestPrayerStore::statementErrorShowsOnePrompt()
{
    DbSession session = m_store->openSession();
    QVERIFY(session.execute("DROP TABLE CITY").ok());
    ScriptedPrompts prompts;
    prompts.expectMessage("no such table: CITY Unable to execute statement", "Chimewise");
    const auto cities = RunDbOperation(prompts, [&] { return m_store->ListCities(session); });
    QVERIFY(!cities.ok());
    QVERIFY(prompts.allShown());
}

QTEST_GUILESS_MAIN(TestPrayerStore)
#include "tst_prayerstore.moc"
