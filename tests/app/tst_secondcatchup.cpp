#include "app/secondcatchup.h"

#include <QTest>

using Seconds = QList<qint64>;

namespace {

Seconds Owed(SecondCatchUp &catchUp, qint64 now)
{
    Seconds owed;
    catchUp.begin(now);
    while (const auto second = catchUp.takeNext(now))
        owed << *second;
    return owed;
}

} // namespace

class TestSecondCatchUp : public QObject
{
    Q_OBJECT

private slots:
    void owedSeconds_data();
    void owedSeconds();
    void secondsAreMarkedBeforeTheirChecksRun();
    void clockSetBackResumesFromTheNewTime();
};

void TestSecondCatchUp::owedSeconds_data()
{
    QTest::addColumn<qint64>("lastChecked");
    QTest::addColumn<qint64>("now");
    QTest::addColumn<Seconds>("owed");

    QTest::newRow("next second") << qint64(1000) << qint64(1001) << Seconds{1001};
    QTest::newRow("same second twice") << qint64(1000) << qint64(1000) << Seconds{};
    QTest::newRow("timer drifted past one") << qint64(1000) << qint64(1002) << Seconds{1001, 1002};
    QTest::newRow("busy for five seconds") << qint64(1000) << qint64(1005)
                                           << Seconds{1001, 1002, 1003, 1004, 1005};
    QTest::newRow("clock set back") << qint64(1000) << qint64(990) << Seconds{990};
    QTest::newRow("two-hour jump") << qint64(1000) << qint64(1000 + 7200) << Seconds{8200};
    QTest::newRow("just over the limit") << qint64(1000) << qint64(1301) << Seconds{1301};
}

void TestSecondCatchUp::owedSeconds()
{
    QFETCH(qint64, lastChecked);
    QFETCH(qint64, now);
    QFETCH(Seconds, owed);
    SecondCatchUp catchUp(lastChecked);
    QCOMPARE(Owed(catchUp, now), owed);
    QCOMPARE(catchUp.lastChecked(), owed.isEmpty() ? lastChecked : owed.last());
}

void TestSecondCatchUp::secondsAreMarkedBeforeTheirChecksRun()
{
    SecondCatchUp catchUp(1000);
    catchUp.begin(1005);
    QCOMPARE(catchUp.takeNext(1005), std::optional<qint64>(1001));
    // A tick nested in the check of 1001, a second later, takes the rest in order.
    QCOMPARE(Owed(catchUp, 1006), (Seconds{1002, 1003, 1004, 1005, 1006}));
    // The outer tick then finds nothing left to run.
    QCOMPARE(catchUp.takeNext(1005), std::nullopt);
}

void TestSecondCatchUp::clockSetBackResumesFromTheNewTime()
{
    SecondCatchUp catchUp(5000);
    QCOMPARE(Owed(catchUp, 4000), Seconds{4000});
    QCOMPARE(Owed(catchUp, 4002), (Seconds{4001, 4002}));
}

QTEST_GUILESS_MAIN(TestSecondCatchUp)
#include "tst_secondcatchup.moc"
