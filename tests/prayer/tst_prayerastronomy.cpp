#include "prayer/prayerastronomy.h"
#include "prayer/storedyear.h"
#include "prayer/timesarguments.h"

#include <QProcess>
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

const QStringList kDhakaArguments{"--lat", "23:43N", "--lon", "90:25E", "--tz", "6"};

// The clock minute of a computed time, rounded half up.
int stored(const PrayerTimeTable &table, int day, PrayerColumn column)
{
    return int(std::floor(table.rows[day - 1][int(column)] * 60.0 + 0.5));
}

} // namespace

// The solar theory behind the yearly generation, and the chimewise-times program that prints it.
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

    // Asr by a single shadow; the program below prints the same day with a double one.
    void dhakaFirstOfJanuary()
    {
        const PrayerCalcParams p = dhaka(2002);
        const PrayerTimeTable table = computePrayerYear(p);
        QStringList got;
        for (int c = 0; c < 6; ++c) {
            const int minutes = stored(table, 1, PrayerColumn(c));
            got << QString::asprintf("%02d:%02d", minutes / 60, minutes % 60);
        }
        QCOMPARE(got, QStringList({"05:20", "06:41", "12:02", "15:03", "17:23", "18:43"}));
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

        // Without a zone, every time of the summer rows moves on an hour; the days around them stay.
        PrayerYearPlan plan{dhaka(year)};
        const StoredYear plain = computeStoredYear(plan);
        plan.params.daylightSaving = on;
        const StoredYear shifted = computeStoredYear(plan);
        for (int day : {1, 96, 97, 299, 300, first - 1, first, last, last + 1}) {
            if (day < 1 || day > plain.days.size())
                continue;
            for (int p = 0; p < 5; ++p)
                QCOMPARE(shifted.days[day - 1][p] - plain.days[day - 1][p], day >= first && day <= last ? 60 : 0);
        }
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
        const auto magreb = [&](int day) { return stored(leapTable, day, PrayerColumn::Magreb); };
        // Day 61 of 2004 and day 60 of 2003 are both March 1; day 366 follows day 365.
        QVERIFY(std::abs(magreb(61) - stored(commonTable, 60, PrayerColumn::Magreb)) <= 1);
        QVERIFY(magreb(366) > 0);
        QVERIFY(std::abs(magreb(366) - magreb(365)) <= 1);
    }

    void acceptedArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<PrayerCalcParams>("params");
        QTest::newRow("defaults") << kDhakaArguments << dhaka(2026);
        QTest::newRow("far east, south, quarter-hour zone")
            << QStringList{"--lat", "36:51s", "--lon=174:46E", "--tz", "5.75", "--year", "2004"}
            << place(-(36 + 51 / 60.0), 174 + 46 / 60.0, 5.75, 2004);
        QTest::newRow("date line, whole degrees, interval")
            << QStringList{"--lat", "90N", "--lon", "180W", "--tz", "-12", "--method", "interval"}
            << place(90, -180, -12, 2026, FajrMethod::ByInterval);
    }

    void acceptedArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(PrayerCalcParams, params);
        const TimesParseResult parsed = parseTimesArguments(arguments, 2026);
        QVERIFY2(parsed.request, qPrintable(parsed.error));
        const PrayerCalcParams &p = parsed.request->plan.params;
        QVERIFY(std::fabs(p.latitude - params.latitude) < 1e-12);
        QVERIFY(std::fabs(p.longitudeWest - params.longitudeWest) < 1e-12);
        QCOMPARE(p.timeZone, params.timeZone);
        QCOMPARE(p.fajrMethod, params.fajrMethod);
        QCOMPARE(p.year, params.year);
    }

    void rejectedArguments_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("named");
        QTest::newRow("latitude above 90") << QStringList{"--lat", "90:01N"} << "--lat";
        QTest::newRow("latitude with E") << QStringList{"--lat", "23:43E"} << "--lat";
        QTest::newRow("longitude above 180") << QStringList{"--lon", "181:00E"} << "--lon";
        QTest::newRow("60 minutes") << QStringList{"--lon", "90:60E"} << "--lon";
        QTest::newRow("zone beyond 12") << QStringList{"--tz", "12.5"} << "--tz";
        QTest::newRow("zone not a number") << QStringList{"--tz", "six"} << "--tz";
        QTest::newRow("unknown method") << QStringList{"--method", "moon"} << "--method";
        QTest::newRow("asr factor 3") << QStringList{"--asr", "3"} << "--asr";
        QTest::newRow("interval above 60") << QStringList{"--interval", "61"} << "--interval";
        QTest::newRow("year outside the theory") << QStringList{"--year", "2100"} << "--year";
        QTest::newRow("value missing") << QStringList{"--angle"} << "--angle";
        QTest::newRow("unknown option") << QStringList{"--latitude", "1"} << "--latitude";
    }

    void rejectedArguments()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, named);
        // Later values replace the valid ones given first.
        const TimesParseResult parsed = parseTimesArguments(kDhakaArguments + extra, 2026);
        QVERIFY(!parsed.request);
        QVERIFY2(parsed.error.startsWith(named + ":"), qPrintable(parsed.error));
    }

    void program()
    {
        QProcess program;
        program.start(CHIMEWISE_TIMES, kDhakaArguments + QStringList{"--year", "2002", "--asr", "2", "--clock"});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 366);
        QCOMPARE(lines[0], "day,fajr,zohor,asr,magreb,isha");
        QCOMPARE(lines[1], "1,05:20,12:02,15:47,17:23,18:43");
        QVERIFY(lines[365].startsWith("365,"));

        // Without a latitude there is no table, only what is wrong.
        program.start(CHIMEWISE_TIMES, kDhakaArguments.mid(2));
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(program.readAllStandardOutput().isEmpty());
        QVERIFY(program.readAllStandardError().contains("--lat: required"));
    }
};

QTEST_GUILESS_MAIN(TestPrayerAstronomy)
#include "tst_prayerastronomy.moc"
