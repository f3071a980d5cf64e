#include "core/duerules.h"
#include "prayer/prayerglance.h"

#include <QTest>

namespace {

constexpr int kThursday = 4;

// Fajr 05:11, Zohor 12:02, Asr 15:36, Magreb 17:40, Isha 19:00, Jumma 13:00.
const PrayerTimes kDay{{311, 722, 936, 1060, 1140, 780}};

PrayerTimes withIsha(int isha)
{
    PrayerTimes times = kDay;
    times[PrayerTimes::Isha] = isha;
    return times;
}

LocalTime at(int weekday, int hour, int minute, int second = 0)
{
    LocalTime t;
    t.year = 2026;
    t.month = 12;
    t.day = 3 + weekday - kThursday; // Thursday 3 December 2026
    t.weekday = weekday;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

} // namespace

Q_DECLARE_METATYPE(PrayerRows)

// Today's prayers at a glance, the Hijri date, and a time past midnight ringing on the day it falls on.
class TestPrayerGlance : public QObject
{
    Q_OBJECT

private slots:
    void glance_data()
    {
        QTest::addColumn<PrayerRows>("rows");
        QTest::addColumn<LocalTime>("now");
        QTest::addColumn<QString>("tip");
        const QString times = "Fajr 05:11 Zohor 12:02 Asr 15:36 Magreb 17:40 Isha 19:00";
        const PrayerRows plain{kDay, kDay, kDay};
        QTest::newRow("before Asr") << plain << at(kThursday, 14, 24) << "Asr 15:36 — in 1 h 12 min (" + times + ")";
        QTest::newRow("part of a minute counts") << plain << at(kThursday, 15, 35, 30)
                                                 << "Asr 15:36 — in 1 min (" + times + ")";
        QTest::newRow("after Isha: tomorrow's Fajr") << plain << at(kThursday, 21, 11)
                                                     << "Fajr 05:11 — in 8 h (" + times + ")";
        QTest::newRow("Friday: Jumma for Zohor")
            << plain << at(5, 9, 0)
            << "Jumma 13:00 — in 4 h (Fajr 05:11 Jumma 13:00 Asr 15:36 Magreb 17:40 Isha 19:00)";
        QTest::newRow("tonight's Isha past midnight")
            << PrayerRows{kDay, withIsha(18), kDay} << at(kThursday, 20, 0)
            << "Isha 00:18 — in 4 h 18 min (Fajr 05:11 Zohor 12:02 Asr 15:36 Magreb 17:40 Isha 00:18)";
        QTest::newRow("last night's Isha still to come")
            << PrayerRows{withIsha(18), withIsha(20), kDay} << at(kThursday, 0, 8)
            << "Isha 00:18 — in 10 min (Fajr 05:11 Zohor 12:02 Asr 15:36 Magreb 17:40 Isha 00:20)";
        QTest::newRow("no times stored") << PrayerRows{} << at(kThursday, 9, 0) << "";
    }

    void glance()
    {
        QFETCH(PrayerRows, rows);
        QFETCH(LocalTime, now);
        QFETCH(QString, tip);
        const PrayerGlance glance = prayerGlance(rows, now, 0);
        QCOMPARE(glance.tipLine(), tip);
        QCOMPARE(glance.windowLines().isEmpty(), tip.isEmpty());
        if (!tip.isEmpty())
            QCOMPARE(glance.windowLines(), glance.times + "\n" + glance.next + " · " + hijriDateText(now.date(), 0));
    }

    void hijri_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("adjustment");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 Ramadan 1447") << QDate(2026, 2, 18) << 0 << "1 Ramadan 1447 AH";
        QTest::newRow("Eid al-Adha 1446, seen a day before the tables")
            << QDate(2025, 6, 6) << 1 << "10 Dhuʻl-Hijjah 1446 AH";
        QTest::newRow("Eid al-Fitr 1445, seen a day after") << QDate(2024, 4, 10) << -1 << "30 Ramadan 1445 AH";
    }

    void hijri()
    {
        QFETCH(QDate, date);
        QFETCH(int, adjustment);
        QFETCH(QString, text);
        QCOMPARE(hijriDateText(date, adjustment), text);
    }

    void pastMidnight_data()
    {
        QTest::addColumn<PrayerRows>("rows");
        QTest::addColumn<LocalTime>("second");
        QTest::addColumn<int>("prayer");
        QTest::newRow("last night's Isha rings after midnight")
            << PrayerRows{withIsha(18), withIsha(19), kDay} << at(kThursday, 0, 18) << int(PrayerTimes::Isha);
        QTest::newRow("tonight's Isha does not ring this morning")
            << PrayerRows{kDay, withIsha(18), kDay} << at(kThursday, 0, 18) << -1;
        QTest::newRow("an older clock's 1458 rings at 00:18")
            << PrayerRows{withIsha(1458), kDay, kDay} << at(kThursday, 0, 18) << int(PrayerTimes::Isha);
    }

    void pastMidnight()
    {
        QFETCH(PrayerRows, rows);
        QFETCH(LocalTime, second);
        QFETCH(int, prayer);
        QCOMPARE(duePrayer(rows, second), prayer);
    }
};

QTEST_GUILESS_MAIN(TestPrayerGlance)
#include "tst_prayerglance.moc"
