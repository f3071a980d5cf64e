#include "db/databasesetup.h"
#include "db/datasource.h"
#include "db/dbsession.h"
#include "prayer/prayerstore.h"
#include "prayer/todayprayertimes.h"
#include "support/scriptedprompts.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

// The data source choice, the embedded default and the ODBC path, all on real files.
class TestDataSource : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        writeFile("odbcinst.ini", "[SQLite3]\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n");
        qputenv("ODBCSYSINI", m_dir.path().toLocal8Bit());
    }

    // Other programs open the same file: the event table keeps its columns, in order, and its default.
    void embeddedDatabaseIsCreatedOnFirstUse()
    {
        const DataSource source = DataSource::embeddedFile(m_dir.filePath("first/use/KTXDB.sqlite"));
        QVERIFY(!databaseExists(source));
        {
            DbSession session(source);
            QVERIFY2(session.openStatus().ok(), qPrintable(session.openStatus().errorText()));
            QCOMPARE(session.hasRows("Select * from Naamaz ").value(), false);
            const QSqlRecord record = session.database().record("TOLVEX_EVENT");
            QStringList names;
            for (int i = 0; i < record.count(); ++i)
                names << record.fieldName(i);
            QCOMPARE(names, QStringList({"EvDate", "EvTime", "EvTitle", "EvMessage", "EvPlayFile",
                                         "EvRemindDate", "EvWhenToRemind", "EvInterval", "EvHowManyTimes"}));
            QVERIFY(session.execute("INSERT INTO TOLVEX_EVENT (EvTitle) VALUES (?)", {"Dentist"}).ok());
            QVariant snoozes;
            QVERIFY(session.select("Select [EvHowManyTimes] from TOLVEX_EVENT", {},
                                   [&](const DbRow &row) { snoozes = row.value(0); }).ok());
            QCOMPARE(snoozes, QVariant(0));
            writeThreeDays(PrayerStore(source), session, "UNIQUE constraint failed: Naamaz.Days Unable to execute statement");
        }
        QVERIFY(databaseExists(source));
        QVERIFY(createDatabase(source).ok()); // already there: nothing to do
    }

    // Where the clock may not write (a shared or read-only folder), today's times are
    // still read, whatever journal the file keeps.
    // On the file a session reads SQLite's rows itself: every kind of stored value reads as Qt's
    // own query reads it, and a value bound in a select finds the rows Qt's query finds.
    void rowsReadAsQtReadsThem_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("whole number") << QVariant(600);
        QTest::newRow("beyond an int") << QVariant(qlonglong(1) << 40);
        QTest::newRow("negative") << QVariant(-15);
        QTest::newRow("real") << QVariant(18.5);
        QTest::newRow("real written long") << QVariant(0.1 + 0.2);
        QTest::newRow("text") << QVariant("Dentist's 'chair'");
        QTest::newRow("Bangla text") << QVariant("ডাক্তার");
        QTest::newRow("empty text") << QVariant("");
        QTest::newRow("null") << QVariant();
        QTest::newRow("date") << QVariant(QDate(2026, 12, 8));
        QTest::newRow("date and time") << QVariant(QDateTime(QDate(2026, 12, 8), QTime(7, 30)));
        QTest::newRow("date-like text") << QVariant("2026-13-45");
        QTest::newRow("number then text") << QVariant("12abc");
        QTest::newRow("bytes") << QVariant(QByteArray("\x01\x00\xff", 3));
        QTest::newRow("true") << QVariant(true);
    }

    void rowsReadAsQtReadsThem()
    {
        QFETCH(QVariant, stored);
        const DataSource source = DataSource::embeddedFile(m_dir.filePath(QString("values/%1.sqlite").arg(QTest::currentDataTag())));
        DbSession session(source);
        QVERIFY(session.execute("CREATE TABLE Kept (Value, Other)").ok());
        QVERIFY(session.execute("INSERT INTO Kept (Value, Other) VALUES (?, 1)", {stored}).ok());

        QSqlQuery qt(session.database());
        QVERIFY(qt.exec("SELECT Value, Other FROM Kept") && qt.next());
        QList<QVariant> read;
        QVERIFY(session.select("SELECT Value, Other FROM Kept", {}, [&read](const DbRow &row) {
            read << row.value(0) << row.text(0) << row.date(0) << row.value(2);
        }).ok());
        QCOMPARE(read.size(), 4);
        QCOMPARE(read[0].typeId(), qt.value(0).typeId());
        QCOMPARE(read[0], qt.value(0));
        QCOMPARE(read[1].toString(), qt.value(0).toString());
        QCOMPARE(read[1].toString().isNull(), qt.value(0).toString().isNull());
        QCOMPARE(read[2].toDate(), qt.value(0).toDate());
        QVERIFY(!read[3].isValid()); // beyond the statement's columns

        QSqlQuery found(session.database());
        QVERIFY(found.prepare("SELECT count(*) FROM Kept WHERE Value = ?"));
        found.addBindValue(stored);
        QVERIFY(found.exec() && found.next());
        qlonglong count = -1;
        QVERIFY(session.select("SELECT count(*) FROM Kept WHERE Value = ?", {stored},
                               [&count](const DbRow &row) { count = row.value(0).toLongLong(); }).ok());
        QCOMPARE(count, found.value(0).toLongLong());
        QCOMPARE(count, stored.isNull() ? 0 : 1);
    }

    // A reader may select with the statement it is being read by; a failing statement says why.
    void selectsNestAndFailWithTheDriversText()
    {
        DbSession session(DataSource::embeddedFile(m_dir.filePath("nested.sqlite")));
        QVERIFY(session.execute("CREATE TABLE Kept (Value)").ok());
        QVERIFY(session.execute("INSERT INTO Kept (Value) VALUES (1), (2)").ok());
        QStringList pairs;
        const QString statement = "SELECT Value FROM Kept WHERE Value >= ? ORDER BY Value";
        QVERIFY(session.select(statement, {1}, [&](const DbRow &outer) {
            session.select(statement, {outer.value(0)}, [&](const DbRow &inner) {
                pairs << outer.text(0) + inner.text(0);
            });
        }).ok());
        QCOMPARE(pairs, QStringList({"11", "12", "22"}));
        QCOMPARE(session.select("SELECT Value FROM Missing", {}, {}).errorText(),
                 "no such table: Missing Unable to execute statement");
    }

    void readOnlyFolderIsRead()
    {
        const QString folder = m_dir.filePath("shared");
        const DataSource source = DataSource::embeddedFile(folder + "/KTXDB.sqlite");
        QVERIFY(DbSession(source).execute("INSERT INTO Naamaz (Days, Zohor) VALUES (340, 725)").ok());
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const pid_t child = fork();
        if (child == 0) {
            // Root writes anywhere; in a user namespace of its own it is held to the mode bits.
            if (geteuid() == 0 && unshare(CLONE_NEWUSER) != 0)
                _exit(2);
            if (QFile(folder + "/probe").open(QIODevice::WriteOnly))
                _exit(2);
            TodayPrayerTimes today;
            const DbResult<bool> loaded = loadTodayPrayerTimes(source, 340, today);
            _exit(loaded.ok() && loaded.value() && today[PrayerTimes::Zohor] == 725 ? 0 : 1);
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (WEXITSTATUS(status) == 2)
            QSKIP("this user can write to a folder of mode 0500 and has no user namespace to drop that");
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    // Connecting, the driver manager keeps what it first read of the ini
    // files for the whole process; listing the sources reads them afresh.
    void knownOdbcSourceIsUsedThroughQodbc()
    {
        writeOdbcIni("KTXDB", m_dir.filePath("odbc.db"));
        QVERIFY(DataSource::odbcSourceKnown("KTXDB"));
        const DataSource source = DataSource::detect();
        QCOMPARE(source.kind(), DataSource::Kind::Odbc);
        QCOMPARE(source.name(), QString("KTXDB"));

        const DbStatus created = createDatabase(source);
        QVERIFY2(created.ok(), qPrintable(created.errorText()));
        QVERIFY(databaseExists(source));
        const PrayerStore store(source);
        DbSession session = store.openSession();
        QCOMPARE(session.database().driverName(), QString("QODBC"));
        const CityRecord city{"Cox's Bazar", "91 58 E", "21 26 N", 1, 18.5, 90, 6, 0, 1, 1};
        QVERIFY(store.insertCity(session, city).ok());
        const auto loaded = store.loadCity(session, "Cox's Bazar");
        QVERIFY2(loaded.ok(), qPrintable(loaded.errorText()));
        QCOMPARE(loaded.value(), city);
        writeThreeDays(store, session, "[SQLite]UNIQUE constraint failed: Naamaz.Days (19) QODBC: Unable to execute statement");
    }

    void unknownOdbcSourceFallsBackToEmbedded()
    {
        writeOdbcIni("OTHER", m_dir.filePath("other.db"));
        QVERIFY(!DataSource::odbcSourceKnown("KTXDB"));
        const DataSource source = DataSource::detect();
        QCOMPARE(source.kind(), DataSource::Kind::Embedded);
        QCOMPARE(source.name(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/KTXDB.sqlite");

        const DataSource missing = DataSource::odbc("NOSUCHDSN");
        QVERIFY(!databaseExists(missing));
        ScriptedPrompts prompts;
        prompts.expectMessage("[unixODBC][Driver Manager]Data source name not found and no default "
                              "driver specified QODBC: Unable to connect",
                              "Chimewise");
        DbSession session(missing);
        QVERIFY(!reportDbError(PrayerStore(missing).listCities(session), prompts));
        QVERIFY(prompts.allShown());
    }

private:
    // Days 1-3 in one go, written over, and inserted again: refused at the first, which is not told as written.
    static void writeThreeDays(const PrayerStore &store, DbSession &session, const QString &refusal)
    {
        const QList<std::array<int, 5>> days{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}};
        QList<int> written;
        const auto note = [&written](int day) { written << day; };
        QVERIFY(store.writeGeneratedDays(session, false, days, note).ok());
        QVERIFY(store.writeGeneratedDays(session, true, {days[2], days[0]}, note).ok());
        QCOMPARE(written, QList<int>({1, 2, 3, 1, 2}));
        QCOMPARE(store.loadDayRow(session, 1).value()->times, (PrayerTimes{{11, 12, 13, 14, 15, 0}}));
        QCOMPARE(store.loadDayRow(session, 3).value()->times, (PrayerTimes{{11, 12, 13, 14, 15, 0}}));
        written.clear();
        QCOMPARE(store.writeGeneratedDays(session, false, days, note).errorText(), refusal);
        QVERIFY(written.isEmpty());
    }

    void writeFile(const QString &name, const QString &text)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toLocal8Bit());
    }

    // Points the ODBC driver manager at our own ini file for dsnName.
    void writeOdbcIni(const QString &dsnName, const QString &dbFile)
    {
        writeFile(dsnName + "-odbc.ini", QString("[%1]\nDriver=SQLite3\nDatabase=%2\n").arg(dsnName, dbFile));
        qputenv("ODBCINI", m_dir.filePath(dsnName + "-odbc.ini").toLocal8Bit());
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDataSource)
#include "tst_datasource.moc"
