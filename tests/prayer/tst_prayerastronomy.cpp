#include "prayer/prayerastronomy.h"

#include <QTest>

#include <cmath>

namespace {

constexpr double kDeg = 0.017453292519943295;

// Latitude and longitude in degrees, north and east positive.
PrayerCalcParams place(double latitude, double longitudeEast, double timeZone, int year,
                       FajrMethod method = FajrMethod::ByAngle, double intervalHours = 1.5)
{
    PrayerCalcParams p;
    p.year = year;
    p.latitude = latitude * kDeg;
    p.longitudeWest = -longitudeEast * kDeg;
    p.timeZone = timeZone;
    p.fajrMethod = method;
    p.intervalHours = intervalHours;
    return p;
}

PrayerCalcParams dhaka(int year)
{
    return place(23 + 43 / 60.0, 90 + 25 / 60.0, 6.0, year);
}

int stored(const PrayerCalcParams &p, const PrayerTimeTable &table, int day, PrayerColumn column)
{
    return toStoredMinutes(p, table.rows[day - 1], column);
}

} // namespace

class TestPrayerAstronomy : public QObject
{
    Q_OBJECT

private slots:
    void yearConstants2002()
    {
        const SolarYearConstants sun = computeSolarYear(2002);
        QVERIFY(std::fabs(std::asin(sun.sinObliquity) / kDeg - 23.43902) < 5e-6);
        QVERIFY(std::fabs(std::sqrt(sun.centreCoeff2 / 1.25) - 0.01670827) < 5e-9); // eccentricity
        QVERIFY(std::fabs(sun.perigee / kDeg - 282.97482) < 5e-6);
        QVERIFY(std::fabs(sun.meanAnomalyAtEpoch / kDeg - 356.52082) < 5e-6);
        QVERIFY(std::fabs(sun.siderealAtEpoch - 6.6326426) < 5e-8);
    }

    void dhakaFirstOfJanuary_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QStringList>("times"); // Fajr, sunrise, Zohor, Asr, Magreb, Isha
        QTest::newRow("factor 1") << 1.0 << QStringList{"05:20", "06:41", "12:02", "15:03", "17:23", "18:43"};
        QTest::newRow("factor 2") << 2.0 << QStringList{"05:20", "06:41", "12:02", "15:47", "17:23", "18:43"};
    }

    void dhakaFirstOfJanuary()
    {
        QFETCH(double, factor);
        QFETCH(QStringList, times);
        PrayerCalcParams p = dhaka(2002);
        p.shadowFactor = factor;
        const PrayerTimeTable table = computePrayerYear(p);
        QCOMPARE(table.dayCount, 365);
        QStringList got;
        for (int c = 0; c < 6; ++c) {
            const int minutes = stored(p, table, 1, PrayerColumn(c));
            got << QString::asprintf("%02d:%02d", minutes / 60, minutes % 60);
        }
        QCOMPARE(got, times);
    }

    void storedMinutes_data()
    {
        QTest::addColumn<FajrMethod>("method");
        QTest::addColumn<PrayerColumn>("prayer");
        QTest::addColumn<float>("value");   // hours
        QTest::addColumn<float>("sunrise"); // and Magreb, hours
        QTest::addColumn<int>("minutes");

        const auto angle = FajrMethod::ByAngle, maxInterval = FajrMethod::ByMaxInterval;
        const auto fajr = PrayerColumn::Fajr, isha = PrayerColumn::Isha;
        const float none = float(kNoSolarTime);
        QTest::newRow("half a minute rounds up") << angle << fajr << 0.125f << 6.0f << 8;
        QTest::newRow("24 hours is not wrapped") << angle << PrayerColumn::Zohor << 24.0f << 6.0f << 1440;
        QTest::newRow("past midnight after the shift") << angle << isha << 24.25f << 6.0f << 1455;
        QTest::newRow("no time") << angle << fajr << none << 6.0f << 0;
        QTest::newRow("shifted no time") << angle << isha << none + 1.0f << 6.0f << 0;
        QTest::newRow("negative") << angle << isha << -0.5f << 6.0f << 0;
        QTest::newRow("Fajr within the interval") << maxInterval << fajr << 5.0f << 6.0f << 300;
        QTest::newRow("Fajr earlier than the interval") << maxInterval << fajr << 3.0f << 6.0f << 270;
        QTest::newRow("Isha later than the interval") << maxInterval << isha << 23.0f << 20.0f << 1290;
        QTest::newRow("no Isha takes the interval") << maxInterval << isha << none << 20.0f << 1290;
        QTest::newRow("no Fajr and no sunrise") << maxInterval << fajr << none << none << 0;
    }

    void storedMinutes()
    {
        QFETCH(FajrMethod, method);
        QFETCH(PrayerColumn, prayer);
        QFETCH(float, value);
        QFETCH(float, sunrise);
        QFETCH(int, minutes);
        PrayerTimeTable::Row row{};
        row[int(PrayerColumn::Sunrise)] = row[int(PrayerColumn::Magreb)] = sunrise;
        row[int(prayer)] = value;
        QCOMPARE(toStoredMinutes(place(0, 0, 0, 2002, method), row, prayer), minutes);
    }

    void daylightSavingDays_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");

        QTest::newRow("2002") << 2002 << true << 97 << 299;
        QTest::newRow("2004 leap, Apr 4 to Oct 30") << 2004 << true << 95 << 304;
        QTest::newRow("2000 leap century, Apr 2 to Oct 28") << 2000 << true << 93 << 302;
        QTest::newRow("off") << 2002 << false << 367 << 0;
    }

    void daylightSavingDays()
    {
        QFETCH(int, year);
        QFETCH(bool, on);
        QFETCH(int, first);
        QFETCH(int, last);
        const DayRange range = ::daylightSavingDays(year, on);
        QCOMPARE(range.first, first);
        QCOMPARE(range.last, last);

        // Every time of the summer rows moves on an hour; the days around them stay.
        PrayerCalcParams p = dhaka(year);
        const PrayerTimeTable plain = computePrayerYear(p);
        p.daylightSaving = on;
        const PrayerTimeTable shifted = computePrayerYear(p);
        for (int day : {1, 96, 97, 299, 300, first - 1, first, last, last + 1}) {
            if (day < 1 || day > plain.dayCount)
                continue;
            for (int c = 0; c < 6; ++c) {
                const int shift = stored(p, shifted, day, PrayerColumn(c)) - stored(p, plain, day, PrayerColumn(c));
                QCOMPARE(shift, day >= first && day <= last ? 60 : 0);
            }
        }
    }

    void noTwilightInHighSummer_data()
    {
        QTest::addColumn<FajrMethod>("method");
        QTest::addColumn<int>("interval"); // minutes from sunrise and Magreb, -1 for none stored

        QTest::newRow("by angle") << FajrMethod::ByAngle << -1;
        QTest::newRow("by max interval 90") << FajrMethod::ByMaxInterval << 90;
    }

    // 51°30'N on 26 June: the Sun never goes deep enough for either twilight.
    void noTwilightInHighSummer()
    {
        QFETCH(FajrMethod, method);
        QFETCH(int, interval);
        const PrayerCalcParams p = place(51.5, -0.1, 0.0, 2002, method, 1.5);
        const PrayerTimeTable table = computePrayerYear(p);
        const auto at = [&](PrayerColumn c) { return stored(p, table, 177, c); };
        QCOMPARE(at(PrayerColumn::Fajr), interval < 0 ? 0 : at(PrayerColumn::Sunrise) - interval);
        QCOMPARE(at(PrayerColumn::Isha), interval < 0 ? 0 : at(PrayerColumn::Magreb) + interval);
    }

    void eveningTimesStayInTheEvening_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitudeEast");
        QTest::addColumn<int>("daysWithIsha"); // at least

        QTest::newRow("Paris, Isha past midnight in summer") << 48 + 52 / 60.0 << 2 + 20 / 60.0 << 300;
        QTest::newRow("Tromso, polar day and night") << 69 + 39 / 60.0 << 18 + 57 / 60.0 << 140;
    }

    void eveningTimesStayInTheEvening()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitudeEast);
        QFETCH(int, daysWithIsha);
        const PrayerTimeTable table = computePrayerYear(place(latitude, longitudeEast, 1.0, 2002));
        int ishaChecked = 0;
        for (int i = 0; i < table.dayCount; ++i) {
            const auto at = [&row = table.rows[i]](PrayerColumn c) { return row[int(c)]; };
            const QByteArray day = QByteArray::number(i + 1);
            if (at(PrayerColumn::Asr) < 24.0f)
                QVERIFY2(at(PrayerColumn::Asr) > at(PrayerColumn::Zohor), day);
            if (at(PrayerColumn::Isha) < 24.0f && at(PrayerColumn::Magreb) < 24.0f) {
                // Past midnight counts on from the evening before.
                const double isha = at(PrayerColumn::Isha) < 12.0f ? at(PrayerColumn::Isha) + 24.0 : at(PrayerColumn::Isha);
                QVERIFY2(isha > at(PrayerColumn::Magreb), day);
                QVERIFY2(at(PrayerColumn::Isha) != at(PrayerColumn::Fajr), day);
                ++ishaChecked;
            }
        }
        QVERIFY2(ishaChecked >= daysWithIsha, qPrintable(QString::number(ishaChecked)));
    }

    void leapYearHasEveryDay()
    {
        const PrayerCalcParams leap = dhaka(2004), common = dhaka(2003);
        const PrayerTimeTable leapTable = computePrayerYear(leap), commonTable = computePrayerYear(common);
        QCOMPARE(leapTable.dayCount, 366);
        QCOMPARE(commonTable.dayCount, 365);
        const auto magreb = [&](int day) { return stored(leap, leapTable, day, PrayerColumn::Magreb); };
        // Day 61 of 2004 and day 60 of 2003 are both March 1; day 366 follows day 365.
        QVERIFY(std::abs(magreb(61) - stored(common, commonTable, 60, PrayerColumn::Magreb)) <= 1);
        QVERIFY(magreb(366) > 0);
        QVERIFY(std::abs(magreb(366) - magreb(365)) <= 1);
    }
};

QTEST_GUILESS_MAIN(TestPrayerAstronomy)
#include "tst_prayerastronomy.moc"
