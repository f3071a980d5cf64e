#include "core/secondcatchup.h"

#include <QTest>

using Seconds = QList<qint64>;

// The clock dialog's tests cover catch-up through real ticks (skipped seconds,
// nested ticks, long gaps, a clock set back); this one pins the gap limit.
class TestSecondCatchUp : public QObject
{
    Q_OBJECT

private slots:
    void owedSeconds_data();
    void owedSeconds();
};

void TestSecondCatchUp::owedSeconds_data()
{
    QTest::addColumn<qint64>("now");
    QTest::addColumn<Seconds>("owed");
    Seconds wholeLimit;
    for (qint64 s = 1001; s <= 1000 + SecondCatchUp::kMaxCatchUpSeconds; ++s)
        wholeLimit << s;
    QTest::newRow("same second twice") << qint64(1000) << Seconds{};
    QTest::newRow("timer drifted past one") << qint64(1002) << Seconds{1001, 1002};
    QTest::newRow("clock set back") << qint64(990) << Seconds{990};
    QTest::newRow("exactly the limit") << qint64(1300) << wholeLimit;
    QTest::newRow("just over the limit") << qint64(1301) << Seconds{1301};
}

void TestSecondCatchUp::owedSeconds()
{
    QFETCH(qint64, now);
    QFETCH(Seconds, owed);
    SecondCatchUp catchUp(1000);
    Seconds taken;
    catchUp.begin(now);
    while (const auto second = catchUp.takeNext(now))
        taken << *second;
    QCOMPARE(taken, owed);
    QCOMPARE(catchUp.lastChecked(), owed.isEmpty() ? 1000 : owed.last());
}

QTEST_GUILESS_MAIN(TestSecondCatchUp)
#include "tst_secondcatchup.moc"
