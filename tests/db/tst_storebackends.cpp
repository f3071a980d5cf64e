#include "db/databasesetup.h"
#include "db/dbsession.h"
#include "support/storebackends.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

void addBackendRows()
{
    QTest::addColumn<QString>("backend");
    for (const QString &name : StoreBackends::names())
        QTest::newRow(qPrintable(name)) << name;
}

QList<int> days(DbSession &session)
{
    QList<int> found;
    session.select("SELECT Days FROM Naamaz ORDER BY Days", {},
                   [&found](const DbRow &row) { found << row.value(0).toInt(); });
    return found;
}

} // namespace

// The session's statements, schema and transactions on the SQLite file, SQLite through ODBC and
// PostgreSQL through psqlODBC alike.
class TestStoreBackends : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { StoreBackends::instance(); }

    void schemaAndTypes_data() { addBackendRows(); }

    // The schema runs unchanged; names read back whatever case the server folds them to,
    // dates come back as dates and the doubles as doubles.
    void schemaAndTypes()
    {
        QFETCH(QString, backend);
        const DataSource &source = StoreBackends::instance().fresh(backend);
        QVERIFY(databaseExists(source));
        DbSession session(source);
        QVERIFY(session.missingTables().isEmpty());
        QVERIFY(session.execute("INSERT INTO TOLVEX_EVENT (EvDate, EvTime, EvTitle, EvRemindDate) VALUES (?, ?, ?, ?)",
                                {QDate(2026, 12, 8), 600, "Dentist", QDate(2026, 12, 7)})
                    .ok());
        QVERIFY(session.execute("INSERT INTO CITY (City, FajrDepr, Interval) VALUES (?, ?, ?)", {"Sylhet", 18.5, 90.0}).ok());
        QVariantList read;
        const DbStatus selected = session.select(
            "SELECT EvDate, EvRemindDate, EvHowManyTimes FROM TOLVEX_EVENT WHERE EvDate = ? AND EvTitle = ?",
            {QDate(2026, 12, 8), "Dentist"}, [&read](const DbRow &row) {
                read << row.date(0) << row.date(1) << row.value(2).toInt();
            });
        QVERIFY2(selected.ok(), qPrintable(selected.errorText()));
        QCOMPARE(read, (QVariantList{QDate(2026, 12, 8), QDate(2026, 12, 7), 0}));
        QVariant angle;
        QVERIFY(session.select("SELECT FajrDepr, Interval FROM CITY", {}, [&angle](const DbRow &row) {
            angle = row.value(0);
        }).ok());
        QCOMPARE(angle.typeId(), QMetaType::Double);
        QCOMPARE(angle.toDouble(), 18.5);
        QVERIFY(createDatabase(source).ok()); // over the tables there: nothing to add
    }

    void transactionIsAllOrNothing_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<bool>("fails");
        for (const QString &name : StoreBackends::names()) {
            QTest::newRow(qPrintable(name + ": written")) << name << false;
            QTest::newRow(qPrintable(name + ": a statement fails")) << name << true;
        }
    }

    // A statement that fails half-way leaves nothing of the transaction, even when the work
    // goes on after it and says it succeeded; the failure is the driver's own text.
    void transactionIsAllOrNothing()
    {
        QFETCH(QString, backend);
        QFETCH(bool, fails);
        DbSession session(StoreBackends::instance().fresh(backend));
        QVERIFY(session.execute("INSERT INTO Naamaz (Days) VALUES (1)").ok());
        const DbStatus status = session.transaction([&] {
            session.execute("INSERT INTO Naamaz (Days) VALUES (2)");
            session.execute("INSERT INTO Naamaz (Days) VALUES (?)", {fails ? 1 : 3});
            session.execute("UPDATE Naamaz SET Fajr = 300 WHERE Days = 1");
            return DbStatus();
        });
        QCOMPARE(status.ok(), !fails);
        if (fails)
            QVERIFY2(status.errorText().contains(backend == StoreBackends::PostgresOdbc ? "duplicate key" : "UNIQUE"),
                     qPrintable(status.errorText()));
        QCOMPARE(days(session), (fails ? QList<int>{1} : QList<int>{1, 2, 3}));
        QVERIFY(session.execute("INSERT INTO Naamaz (Days) VALUES (4)").ok()); // the session goes on
        QCOMPARE(days(session).size(), fails ? 2 : 4);
    }

    void rowsChangedAreCounted_data() { addBackendRows(); }

    void rowsChangedAreCounted()
    {
        QFETCH(QString, backend);
        DbSession session(StoreBackends::instance().fresh(backend));
        for (int day : {1, 2, 3})
            QVERIFY(session.execute("INSERT INTO Naamaz (Days, Fajr) VALUES (?, ?)", {day, day == 3 ? 0 : 300}).ok());
        const char update[] = "UPDATE Naamaz SET Fajr = ? WHERE Fajr = ?";
        QCOMPARE(session.executeCounted(update, {310, 300}).value(), 2);
        QCOMPARE(session.executeCounted(update, {310, 300}).value(), 0);
        QVERIFY(!session.executeCounted("UPDATE Nowhere SET Fajr = 1", {}).ok());
    }

    // psqlODBC's level of rollback is set by the connection: after a failed statement the
    // server refuses the rest of the transaction, and its commit keeps nothing.
    void serverAbortsTheTransaction()
    {
        DbSession session(StoreBackends::instance().fresh(StoreBackends::PostgresOdbc));
        QSqlDatabase db = session.database();
        QVERIFY(db.transaction());
        QSqlQuery query(db);
        QVERIFY(query.exec("INSERT INTO Naamaz (Days) VALUES (1)"));
        QVERIFY(!query.exec("INSERT INTO Naamaz (Days) VALUES (1)"));
        QVERIFY(!query.exec("INSERT INTO Naamaz (Days) VALUES (2)"));
        QVERIFY2(query.lastError().text().contains("current transaction is aborted"), qPrintable(query.lastError().text()));
        db.commit();
        QCOMPARE(days(session), QList<int>());
    }

    // A server that takes the connection and never answers fails it within the login timeout,
    // with the driver's text.
    void silentServerTimesOut()
    {
        const int listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        QCOMPARE(bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        QCOMPARE(listen(listener, 4), 0);
        QCOMPARE(getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length), 0);
        QElapsedTimer timer;
        timer.start();
        // Attributes after the name override the data source's.
        const DataSource silent = DataSource::odbc(QString("KTXPG;Servername=127.0.0.1;Port=%1").arg(ntohs(address.sin_port)));
        DbSession session(silent);
        const qint64 waited = timer.elapsed();
        close(listener);
        QVERIFY(!session.openStatus().ok());
        QVERIFY2(session.openStatus().errorText().contains("timeout", Qt::CaseInsensitive),
                 qPrintable(session.openStatus().errorText()));
        QVERIFY2(waited < 10000, qPrintable(QString("waited %1 ms").arg(waited)));
    }
};

QTEST_GUILESS_MAIN(TestStoreBackends)
#include "tst_storebackends.moc"
