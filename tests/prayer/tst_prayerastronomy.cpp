#include "prayer/prayerastronomy.h"

#include <QTest>

#include <cmath>

namespace {

constexpr double kDeg = 0.017453292519943295;

// Latitude and longitude in degrees, north and east positive.
PrayerCalcParams Place(double latitude, double longitudeEast, double timeZone, int year)
{
    PrayerCalcParams p;
    p.year = year;
    p.latitude = latitude * kDeg;
    p.longitudeWest = -longitudeEast * kDeg;
    p.timeZone = timeZone;
    return p;
}

PrayerCalcParams Dhaka2002()
{
    return Place(23 + 43 / 60.0, 90 + 25 / 60.0, 6.0, 2002);
}

QString Clock(int minutes)
{
    return QString::asprintf("%02d:%02d", minutes / 60, minutes % 60);
}

// Evening times past midnight counted on from the evening before.
double Evening(float hours)
{
    return hours < 12.0f ? hours + 24.0 : hours;
}

} // namespace

class TestPrayerAstronomy : public QObject
{
    Q_OBJECT

private slots:
    void yearConstants2002();
    void dhakaFirstOfJanuary_data();
    void dhakaFirstOfJanuary();
    void storedMinutes_data();
    void storedMinutes();
    void daylightSavingDays_data();
    void daylightSavingDays();
    void daylightSavingShiftsSummerRows();
    void noTwilightInHighSummer_data();
    void noTwilightInHighSummer();
    void eveningTimesStayInTheEvening_data();
    void eveningTimesStayInTheEvening();
    void leapYearHasEveryDay();
};

void TestPrayerAstronomy::yearConstants2002()
{
    const SolarYearConstants sun = ComputeSolarYear(2002);
    const double obliquity = std::asin(sun.sinObliquity) / kDeg;
    const double eccentricity = std::sqrt(sun.centreCoeff2 / 1.25);
    QVERIFY(std::fabs(obliquity - 23.43902) < 5e-6);
    QVERIFY(std::fabs(eccentricity - 0.01670827) < 5e-9);
    QVERIFY(std::fabs(sun.perigee / kDeg - 282.97482) < 5e-6);
    QVERIFY(std::fabs(sun.meanAnomalyAtEpoch / kDeg - 356.52082) < 5e-6);
    QVERIFY(std::fabs(sun.siderealAtEpoch - 6.6326426) < 5e-8);
}

void TestPrayerAstronomy::dhakaFirstOfJanuary_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QStringList>("times"); // Fajr, sunrise, Zohor, Asr, Magreb, Isha

    const QStringList shafii{"05:20", "06:41", "12:02", "15:03", "17:23", "18:43"};
    QStringList hanafi = shafii;
    hanafi[int(PrayerColumn::Asr)] = "15:47";
    QTest::newRow("by angle, factor 1") << int(FajrMethod::ByAngle) << 1.0 << shafii;
    QTest::newRow("by angle, factor 2") << int(FajrMethod::ByAngle) << 2.0 << hanafi;
    // A wide interval leaves the twilight times alone.
    QTest::newRow("by max interval 120") << int(FajrMethod::ByMaxInterval) << 1.0 << shafii;
}

void TestPrayerAstronomy::dhakaFirstOfJanuary()
{
    QFETCH(int, method);
    QFETCH(double, factor);
    QFETCH(QStringList, times);
    PrayerCalcParams p = Dhaka2002();
    p.shadowFactor = factor;
    p.fajrMethod = FajrMethod(method);
    p.intervalHours = 2.0;
    const PrayerTimeTable table = ComputePrayerYear(p);
    QCOMPARE(table.dayCount, 365);
    QStringList got;
    for (int c = 0; c < 6; ++c)
        got << Clock(ToStoredMinutes(p, table.rows[0], PrayerColumn(c)));
    QCOMPARE(got, times);
}

void TestPrayerAstronomy::storedMinutes_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("prayer");
    QTest::addColumn<float>("value");   // hours
    QTest::addColumn<float>("sunrise"); // and Magreb, hours
    QTest::addColumn<int>("minutes");

    const int angle = int(FajrMethod::ByAngle);
    const int maxInterval = int(FajrMethod::ByMaxInterval);
    const int fajr = int(PrayerColumn::Fajr);
    const int isha = int(PrayerColumn::Isha);
    const float none = float(kNoSolarTime);
    QTest::newRow("half a minute rounds up") << angle << fajr << 0.125f << 6.0f << 8;
    QTest::newRow("24 hours is not wrapped") << angle << int(PrayerColumn::Zohor) << 24.0f << 6.0f << 1440;
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

void TestPrayerAstronomy::storedMinutes()
{
    QFETCH(int, method);
    QFETCH(int, prayer);
    QFETCH(float, value);
    QFETCH(float, sunrise);
    QFETCH(int, minutes);
    PrayerCalcParams p;
    p.fajrMethod = FajrMethod(method);
    p.intervalHours = 1.5;
    PrayerTimeTable::Row row{};
    row[int(PrayerColumn::Sunrise)] = sunrise;
    row[int(PrayerColumn::Magreb)] = sunrise;
    row[prayer] = value;
    QCOMPARE(ToStoredMinutes(p, row, PrayerColumn(prayer)), minutes);
}

void TestPrayerAstronomy::daylightSavingDays_data()
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

void TestPrayerAstronomy::daylightSavingDays()
{
    QFETCH(int, year);
    QFETCH(bool, on);
    QFETCH(int, first);
    QFETCH(int, last);
    const DayRange range = DaylightSavingDays(year, on);
    QCOMPARE(range.first, first);
    QCOMPARE(range.last, last);
}

void TestPrayerAstronomy::daylightSavingShiftsSummerRows()
{
    PrayerCalcParams p = Dhaka2002();
    const PrayerTimeTable plain = ComputePrayerYear(p);
    p.daylightSaving = true;
    const PrayerTimeTable shifted = ComputePrayerYear(p);
    for (int day : {96, 97, 299, 300}) {
        const bool summer = day >= 97 && day <= 299;
        for (int c = 0; c < 6; ++c) {
            const auto column = PrayerColumn(c);
            const int before = ToStoredMinutes(p, plain.rows[day - 1], column);
            const int after = ToStoredMinutes(p, shifted.rows[day - 1], column);
            QCOMPARE(after - before, summer ? 60 : 0);
        }
    }
}

void TestPrayerAstronomy::noTwilightInHighSummer_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("fajrBeforeSunrise"); // minutes, -1 for none stored
    QTest::addColumn<int>("ishaAfterMagreb");

    QTest::newRow("by angle") << int(FajrMethod::ByAngle) << -1 << -1;
    QTest::newRow("by max interval 90") << int(FajrMethod::ByMaxInterval) << 90 << 90;
}

void TestPrayerAstronomy::noTwilightInHighSummer()
{
    QFETCH(int, method);
    QFETCH(int, fajrBeforeSunrise);
    QFETCH(int, ishaAfterMagreb);
    PrayerCalcParams p = Place(51.5, -0.1, 0.0, 2002);
    p.fajrMethod = FajrMethod(method);
    p.intervalHours = 1.5;
    const PrayerTimeTable table = ComputePrayerYear(p);
    const auto &row = table.rows[176]; // June 26
    const int sunrise = ToStoredMinutes(p, row, PrayerColumn::Sunrise);
    const int magreb = ToStoredMinutes(p, row, PrayerColumn::Magreb);
    const int fajr = ToStoredMinutes(p, row, PrayerColumn::Fajr);
    const int isha = ToStoredMinutes(p, row, PrayerColumn::Isha);
    QCOMPARE(fajr, fajrBeforeSunrise < 0 ? 0 : sunrise - fajrBeforeSunrise);
    QCOMPARE(isha, ishaAfterMagreb < 0 ? 0 : magreb + ishaAfterMagreb);
}

void TestPrayerAstronomy::eveningTimesStayInTheEvening_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitudeEast");
    QTest::addColumn<double>("timeZone");
    QTest::addColumn<int>("daysWithIsha"); // at least

    QTest::newRow("Paris, Isha past midnight in summer")
        << 48 + 52 / 60.0 << 2 + 20 / 60.0 << 1.0 << 300;
    QTest::newRow("Tromso, polar day and night") << 69 + 39 / 60.0 << 18 + 57 / 60.0 << 1.0 << 140;
}

void TestPrayerAstronomy::eveningTimesStayInTheEvening()
{
    QFETCH(double, latitude);
    QFETCH(double, longitudeEast);
    QFETCH(double, timeZone);
    QFETCH(int, daysWithIsha);
    const PrayerCalcParams p = Place(latitude, longitudeEast, timeZone, 2002);
    const PrayerTimeTable table = ComputePrayerYear(p);
    int ishaChecked = 0;
    for (int i = 0; i < table.dayCount; ++i) {
        const auto &row = table.rows[i];
        const auto has = [&row](PrayerColumn c) { return row[int(c)] < 24.0f; };
        const auto at = [&row](PrayerColumn c) { return row[int(c)]; };
        if (has(PrayerColumn::Asr))
            QVERIFY2(at(PrayerColumn::Asr) > at(PrayerColumn::Zohor), qPrintable(QString::number(i + 1)));
        if (has(PrayerColumn::Isha) && has(PrayerColumn::Magreb)) {
            QVERIFY2(Evening(at(PrayerColumn::Isha)) > at(PrayerColumn::Magreb),
                     qPrintable(QString::number(i + 1)));
            QVERIFY(at(PrayerColumn::Isha) != at(PrayerColumn::Fajr));
            ++ishaChecked;
        }
    }
    QVERIFY2(ishaChecked >= daysWithIsha, qPrintable(QString::number(ishaChecked)));
}

void TestPrayerAstronomy::leapYearHasEveryDay()
{
    const PrayerCalcParams leap = Place(23 + 43 / 60.0, 90 + 25 / 60.0, 6.0, 2004);
    const PrayerCalcParams common = Place(23 + 43 / 60.0, 90 + 25 / 60.0, 6.0, 2003);
    const PrayerTimeTable leapTable = ComputePrayerYear(leap);
    const PrayerTimeTable commonTable = ComputePrayerYear(common);
    QCOMPARE(leapTable.dayCount, 366);
    // Day 61 of 2004 and day 60 of 2003 are both March 1; day 366 follows day 365.
    const auto magreb = [](const PrayerCalcParams &p, const PrayerTimeTable &t, int day) {
        return ToStoredMinutes(p, t.rows[day - 1], PrayerColumn::Magreb);
    };
    QVERIFY(std::abs(magreb(leap, leapTable, 61) - magreb(common, commonTable, 60)) <= 1);
    const int lastDay = magreb(leap, leapTable, 366);
    QVERIFY(lastDay > 0);
    QVERIFY(std::abs(lastDay - magreb(leap, leapTable, 365)) <= 1);
}

QTEST_GUILESS_MAIN(TestPrayerAstronomy)
#include "tst_prayerastronomy.moc"
