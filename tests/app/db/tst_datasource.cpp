#include "app/db/datasource.h"
#include "app/db/dbsession.h"
#include "prayer/prayerstore.h"
#include "support/scriptedprompts.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The data source choice, the embedded default and the ODBC path, all on real files.
class TestDataSource : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void embeddedDatabaseIsCreatedOnFirstUse();
    void createdTablesHaveTheColumnsReadersRelyOn_data();
    void createdTablesHaveTheColumnsReadersRelyOn();
    void newEventRowsCountNoSnoozes();
    void statementErrorShowsDriverTextOnce();
    // Connecting, the driver manager keeps what it first read of the ini
    // files for the whole process; listing the sources reads them afresh.
    void knownOdbcSourceIsUsedThroughQodbc();
    void unknownOdbcSourceFallsBackToEmbedded();

private:
    // Points the ODBC driver manager at our own ini files; KTXDB reaches dbFile when given.
    void writeOdbcIni(const QString &dsnName, const QString &dbFile);

    QTemporaryDir m_dir;
};

void TestDataSource::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile driver(m_dir.filePath("odbcinst.ini"));
    QVERIFY(driver.open(QIODevice::WriteOnly));
    driver.write("[SQLite3]\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n");
    driver.close();
    qputenv("ODBCSYSINI", m_dir.path().toLocal8Bit());
}

void TestDataSource::writeOdbcIni(const QString &dsnName, const QString &dbFile)
{
    const QString path = m_dir.filePath(dsnName + "-odbc.ini");
    QFile ini(path);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QString("[%1]\nDriver=SQLite3\nDatabase=%2\n").arg(dsnName, dbFile).toLocal8Bit());
    ini.close();
    qputenv("ODBCINI", path.toLocal8Bit());
}

void TestDataSource::embeddedDatabaseIsCreatedOnFirstUse()
{
    const DataSource source = DataSource::embeddedFile(m_dir.filePath("first/use/KTXDB.sqlite"));
    QVERIFY(!source.databaseExists());
    {
        DbSession session(source);
        QVERIFY2(session.openStatus().ok(), qPrintable(session.openStatus().errorText()));
        QCOMPARE(session.hasRows("Select * from Naamaz ").value(), false);
    }
    QVERIFY(source.databaseExists());
    QVERIFY(source.createDatabase().ok()); // already there: nothing to do
}

void TestDataSource::createdTablesHaveTheColumnsReadersRelyOn_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("per-day") << "Naamaz"
                             << QStringList{"Days", "Fajr", "Zohor", "Asr", "Magreb", "Isha", "Jumma"};
    QTest::newRow("city") << "CITY"
                          << QStringList{"City", "longitude", "Latitude", "FajrByInterval", "FajrDepr",
                                         "Interval", "TimeZone", "HasDayLt", "ByRatio", "Ratio"};
    QTest::newRow("event") << "TOLVEX_EVENT"
                           << QStringList{"EvDate", "EvTime", "EvTitle", "EvMessage", "EvPlayFile",
                                          "EvRemindDate", "EvWhenToRemind", "EvInterval",
                                          "EvHowManyTimes"};
}

void TestDataSource::createdTablesHaveTheColumnsReadersRelyOn()
{
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    QTemporaryDir dir;
    const DataSource source = DataSource::embeddedFile(dir.filePath("KTXDB.sqlite"));
    QVERIFY(source.createDatabase().ok());
    DbSession session(source);
    const QSqlRecord record = session.database().record(table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    QCOMPARE(names, columns);
}

void TestDataSource::newEventRowsCountNoSnoozes()
{
    QTemporaryDir dir;
    DbSession session(DataSource::embeddedFile(dir.filePath("KTXDB.sqlite")));
    QVERIFY(session.execute("INSERT INTO TOLVEX_EVENT (EvTitle, EvDate) VALUES (?, ?)",
                            {"Dentist", QDate(2002, 3, 5)}).ok());
    QVariant count;
    QDate date;
    QVERIFY(session.select("Select [EvHowManyTimes], [EvDate] from TOLVEX_EVENT", {},
                           [&](const QSqlRecord &row) {
                               count = row.value(0);
                               date = row.value(1).toDate();
                           }).ok());
    QCOMPARE(count.toInt(), 0);
    QVERIFY(!count.isNull());
    QCOMPARE(date, QDate(2002, 3, 5));
}

void TestDataSource::statementErrorShowsDriverTextOnce()
{
    QTemporaryDir dir;
    DbSession session(DataSource::embeddedFile(dir.filePath("KTXDB.sqlite")));
    ScriptedPrompts prompts;
    prompts.expectMessage("no such table: Missing Unable to execute statement", "Chimewise");
    const DbStatus status = RunDbOperation(prompts, [&session] {
        return session.execute("Select * from Missing");
    });
    QVERIFY(!status.ok());
    QVERIFY(prompts.allShown());
    QCOMPARE(prompts.shown().size(), 1);
}

void TestDataSource::knownOdbcSourceIsUsedThroughQodbc()
{
    const QString file = m_dir.filePath("odbc.db");
    writeOdbcIni("KTXDB", file);
    QVERIFY(DataSource::odbcSourceKnown("KTXDB"));
    const DataSource source = DataSource::detect();
    QCOMPARE(source.kind(), DataSource::Kind::Odbc);
    QCOMPARE(source.name(), QString("KTXDB"));

    const DbStatus created = source.createDatabase();
    QVERIFY2(created.ok(), qPrintable(created.errorText()));
    QVERIFY(source.databaseExists());
    const PrayerStore store(source);
    DbSession session = store.openSession();
    QCOMPARE(session.database().driverName(), QString("QODBC"));
    CityRecord city{"Cox's Bazar", "91 58 E", "21 26 N", 1, 18.5, 90, 6, 0, 1, 1};
    QVERIFY(store.InsertCity(session, city).ok());
    const auto loaded = store.LoadCity(session, "Cox's Bazar");
    QVERIFY2(loaded.ok(), qPrintable(loaded.errorText()));
    QVERIFY(loaded.value().has_value());
    QCOMPARE(*loaded.value(), city);
}

void TestDataSource::unknownOdbcSourceFallsBackToEmbedded()
{
    writeOdbcIni("OTHER", m_dir.filePath("other.db"));
    QVERIFY(!DataSource::odbcSourceKnown("KTXDB"));
    const DataSource source = DataSource::detect();
    QCOMPARE(source.kind(), DataSource::Kind::Embedded);
    QCOMPARE(source.name(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                + "/KTXDB.sqlite");

    const DataSource missing = DataSource::odbc("NOSUCHDSN");
    QVERIFY(!missing.databaseExists());
    ScriptedPrompts prompts;
    prompts.expectMessage("[unixODBC][Driver Manager]Data source name not found and no default "
                          "driver specified QODBC: Unable to connect",
                          "Chimewise");
    DbSession session(missing);
    QVERIFY(!ReportDbError(PrayerStore(missing).ListCities(session), prompts));
    QVERIFY(prompts.allShown());
}

QTEST_GUILESS_MAIN(TestDataSource)
#include "tst_datasource.moc"
