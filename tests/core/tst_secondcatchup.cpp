#include "core/localminute.h"
#include "core/secondcatchup.h"
#include "support/scopedtimezone.h"

#include <QDateTime>
#include <QTimeZone>
#include <QTest>

namespace {

qint64 utc(const QString &moment)
{
    QDateTime at = QDateTime::fromString(moment, "yyyy-MM-dd hh:mm:ss");
    at.setTimeZone(QTimeZone::utc());
    return at.toSecsSinceEpoch();
}

QString text(const LocalTime &l)
{
    return QString::asprintf("%04d-%02d-%02d (%d, day %d) %02d:%02d:%02d", l.year, l.month, l.day, l.weekday,
                             l.dayOfYear, l.hour, l.minute, l.second);
}

QString text(const TickSecond &s)
{
    return QString::asprintf("%02d-%02d %02d:%02d:%02d", s.local.month, s.local.day, s.local.hour, s.local.minute,
                             s.local.second);
}

// Runs of taken seconds that follow each other on the wall clock with the same timeliness,
// as "first..last X" (X: O on time, L late, M missed).
QStringList runs(const QList<TickSecond> &taken)
{
    QStringList out;
    for (qsizetype i = 0; i < taken.size();) {
        qsizetype j = i;
        while (j + 1 < taken.size() && taken[j + 1].timeliness == taken[i].timeliness
               && taken[j + 1].local.wallSecond() == taken[j].local.wallSecond() + 1)
            ++j;
        const char mark = "OLM"[int(taken[i].timeliness)];
        out << (i == j ? QString("%1 %2").arg(text(taken[i])).arg(mark)
                       : QString("%1..%2 %3").arg(text(taken[i]), text(taken[j])).arg(mark));
        i = j + 1;
    }
    return out;
}

} // namespace

// Which seconds each tick owes, after the clock moved by the steps: on the calendar for how late,
// on the wall clock for whether a local time was checked already or skipped.
class TestSecondCatchUp : public QObject
{
    Q_OBJECT

private slots:
    void owedSeconds_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("startUtc"); // the first tick; the second before it was checked
        QTest::addColumn<QList<qint64>>("steps"); // how far the clock moves before each later tick
        QTest::addColumn<QStringList>("taken");
        const QByteArray dhaka = "Asia/Dhaka", london = "Europe/London", newYork = "America/New_York";
        QTest::newRow("the timer fired twice in a second")
            << dhaka << "2026-12-06 03:15:00" << QList<qint64>{0} << QStringList{"12-06 09:15:00 O"};
        QTest::newRow("seconds a busy thread skipped")
            << dhaka << "2026-12-06 03:15:00" << QList<qint64>{1, 4} << QStringList{"12-06 09:15:00..12-06 09:15:05 O"};
        QTest::newRow("stopped five minutes: late")
            << dhaka << "2026-12-06 03:15:00" << QList<qint64>{300}
            << QStringList{"12-06 09:15:00 O", "12-06 09:15:01..12-06 09:19:49 L", "12-06 09:19:50..12-06 09:20:00 O"};
        QTest::newRow("asleep half an hour: the oldest missed")
            << dhaka << "2026-12-06 03:15:00" << QList<qint64>{1800}
            << QStringList{"12-06 09:15:00 O", "12-06 09:15:01..12-06 09:34:59 M", "12-06 09:35:00..12-06 09:44:49 L",
                           "12-06 09:44:50..12-06 09:45:00 O"};
        QTest::newRow("two days away: only the last one")
            << dhaka << "2026-12-06 03:15:00" << QList<qint64>{2 * 86400}
            << QStringList{"12-06 09:15:00 O", "12-07 09:15:01..12-08 09:04:59 M", "12-08 09:05:00..12-08 09:14:49 L",
                           "12-08 09:14:50..12-08 09:15:00 O"};
        QTest::newRow("midnight") << dhaka << "2026-12-06 17:59:58" << QList<qint64>{3}
                                  << QStringList{"12-06 23:59:58..12-07 00:00:01 O"};
        QTest::newRow("set back ten minutes: nothing relived")
            << dhaka << "2026-12-06 03:15:00" << QList<qint64>{-600, 1, 600}
            << QStringList{"12-06 09:15:00..12-06 09:15:01 O"};
        QTest::newRow("set back three hours: afresh")
            << dhaka << "2026-12-06 03:15:00" << QList<qint64>{-10800, 1}
            << QStringList{"12-06 09:15:00 O", "12-06 06:15:00..12-06 06:15:01 O"};
        QTest::newRow("London autumn: the repeated hour once")
            << london << "2026-10-25 00:59:58" << QList<qint64>{1, 3600, 1}
            << QStringList{"10-25 01:59:58..10-25 02:00:00 O"};
        QTest::newRow("London spring: the skipped hour at the jump")
            << london << "2026-03-29 00:59:58" << QList<qint64>{1, 1}
            << QStringList{"03-29 00:59:58..03-29 02:00:00 O"};
        QTest::newRow("New York autumn") << newYork << "2026-11-01 05:59:58" << QList<qint64>{1, 3600, 1}
                                         << QStringList{"11-01 01:59:58..11-01 02:00:00 O"};
        QTest::newRow("New York spring") << newYork << "2026-03-08 06:59:58" << QList<qint64>{1, 1}
                                         << QStringList{"03-08 01:59:58..03-08 03:00:00 O"};
    }

    // The wall second's day is reckoned without QDate; every day of five centuries,
    // leap days and century years among them, must be QDate's day and come back whole.
    void wallSecondsKeepTheirDay()
    {
        int previousKey = 0;
        for (QDate day(1850, 1, 1); day.year() < 2350; day = day.addDays(1)) {
            LocalTime local;
            local.year = day.year();
            local.month = day.month();
            local.day = day.day();
            local.hour = 23;
            local.minute = 59;
            local.second = 59;
            if (local.julianDay() != day.toJulianDay() || local.dateKey() <= previousKey)
                QFAIL(qPrintable(day.toString(Qt::ISODate)));
            previousKey = local.dateKey();
            const LocalTime back = LocalTime::fromWallSecond(local.wallSecond());
            QCOMPARE(back.date(), day);
            QCOMPARE(back.secondOfDay(), 86399);
        }
    }

    // Second by second through each stretch, the local time counted on
    // within a minute is the C library's own.
    void localMinuteFollowsTheZone_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("startUtc");
        QTest::addColumn<QList<qint64>>("jumps"); // after each stretch of 400 s

        QTest::newRow("London spring forward") << QByteArray("Europe/London") << "2026-03-29 00:55:00" << QList<qint64>{};
        QTest::newRow("London falls back, set back") << QByteArray("Europe/London") << "2026-10-25 00:57:30"
                                                     << QList<qint64>{-70, -3600, 3630};
        QTest::newRow("Lord Howe's half hour") << QByteArray("Australia/Lord_Howe") << "2026-04-04 14:56:10"
                                               << QList<qint64>{-1799, 31};
        QTest::newRow("Kathmandu new year") << QByteArray("Asia/Kathmandu") << "2026-12-31 18:12:01"
                                            << QList<qint64>{59, 60, -61};
    }

    void localMinuteFollowsTheZone()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, startUtc);
        QFETCH(QList<qint64>, jumps);
        const ScopedTimeZone pinned(zone.constData());
        LocalMinute minute;
        qint64 t = utc(startUtc);
        for (qsizetype stretch = 0; stretch <= jumps.size(); ++stretch) {
            if (stretch > 0)
                t += jumps[stretch - 1];
            for (const qint64 end = t + 400; t < end; ++t) {
                const QString expected = text(TimeSource::toLocal(t));
                if (text(minute.at(t)) != expected)
                    QFAIL(qPrintable(QString("%1 s: %2 expected").arg(t).arg(expected)));
            }
        }
    }

    void owedSeconds()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, startUtc);
        QFETCH(QList<qint64>, steps);
        QFETCH(QStringList, taken);
        const ScopedTimeZone pinned(zone.constData());
        qint64 now = utc(startUtc);
        SecondCatchUp catchUp(now - 1);
        QList<TickSecond> seconds;
        for (qsizetype step = 0; step <= steps.size(); ++step) {
            if (step > 0)
                now += steps[step - 1];
            while (const auto next = catchUp.takeNext(now, TimeSource::toLocal(now)))
                seconds << *next;
        }
        QCOMPARE(runs(seconds), taken);
    }
};

QTEST_MAIN(TestSecondCatchUp)
#include "tst_secondcatchup.moc"
