#include "prayer/calcpreset.h"
#include "prayer/storedyear.h"
#include "prayer/timesarguments.h"

#include <QProcess>
#include <QTest>
#include <QTimeZone>

#include <cmath>

namespace {

constexpr double kDeg = 0.017453292519943295;

struct Place
{
    double latitude;      // degrees north
    double longitudeEast; // degrees
    QByteArray zone;
};

PrayerYearPlan planFor(const Place &place, int year, const QString &preset = CalcPreset::kCustomKey)
{
    PrayerYearPlan plan;
    plan.params.year = year;
    plan.params.latitude = place.latitude * kDeg;
    plan.params.longitudeWest = -place.longitudeEast * kDeg;
    plan.zone = QTimeZone(place.zone);
    applyPreset(presetByKey(preset), plan);
    return plan;
}

// Seconds east of UTC at noon of that day, by the zone's own rules.
int noonOffset(const QTimeZone &zone, const QDate &date)
{
    return zone.offsetFromUtc(QDateTime(date, QTime(12, 0), zone));
}

// The published formulas, independent of the clock's solar theory: the Sun's declination and the
// equation of time by the U.S. Naval Observatory's approximation, noon and the hour angle of a
// depression as the prayer-time literature gives them, and a seventh of the night above 48 degrees.
struct Reference
{
    double fajr, dhuhr, maghrib, isha; // hours of local standard time
};

Reference reference(const Place &place, const QDate &date, double standardHours, const CalcPreset &preset)
{
    const double d = date.toJulianDay() - 0.5 + (12.0 - standardHours) / 24.0 - 2451545.0;
    const double g = (357.529 + 0.98560028 * d) * kDeg;
    const double q = 280.459 + 0.98564736 * d;
    const double l = (q + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kDeg;
    const double e = (23.439 - 0.00000036 * d) * kDeg;
    const double declination = std::asin(std::sin(e) * std::sin(l));
    const double ra = std::atan2(std::cos(e) * std::sin(l), std::cos(l)) / kDeg / 15.0;
    const double equation = std::remainder(q / 15.0 - ra, 24.0);
    const double phi = place.latitude * kDeg;
    const double dhuhr = 12.0 + standardHours - place.longitudeEast / 15.0 - equation;
    const auto hourAngle = [&](double depression) {
        const double c = (-std::sin(depression * kDeg) - std::sin(phi) * std::sin(declination))
                         / (std::cos(phi) * std::cos(declination));
        return std::acos(std::clamp(c, -1.0, 1.0)) / kDeg / 15.0;
    };
    const double sunrise = dhuhr - hourAngle(0.833), sunset = dhuhr + hourAngle(0.833);
    const double night = 24.0 - (sunset - sunrise);
    const double share = std::fabs(place.latitude) > 48.0 ? 1.0 / 7.0 : 0.5;
    Reference r;
    r.dhuhr = dhuhr;
    r.fajr = std::max(dhuhr - hourAngle(preset.fajrAngle), sunrise - share * night);
    r.maghrib = preset.magrebAngle > 0.0 ? dhuhr + hourAngle(preset.magrebAngle) : sunset;
    r.isha = preset.ishaMinutes > 0 ? r.maghrib + preset.ishaMinutes / 60.0
                                    : std::min(dhuhr + hourAngle(preset.ishaAngle), sunset + share * night);
    return r;
}

// Fajr .. Isha of each day after the one before, counting a time past midnight on the next day,
// and Isha before the next day's Fajr; no time missing. The days that break it.
QList<int> daysOutOfOrder(const StoredYear &year)
{
    QList<int> wrong;
    for (int i = 0; i < year.days.size(); ++i) {
        const StoredDay &d = year.days[i];
        const auto timeline = [&d](int p) { return p >= 3 && d[p] < d[1] ? d[p] + 1440 : d[p]; };
        bool ok = std::find(d.begin(), d.end(), 0) == d.end();
        for (int p = 1; p < 5; ++p)
            ok = ok && timeline(p) > timeline(p - 1);
        if (i + 1 < year.days.size())
            ok = ok && timeline(4) < year.days[i + 1][0] + 1440;
        if (!ok)
            wrong << i + 1;
    }
    return wrong;
}

} // namespace

Q_DECLARE_METATYPE(Place)

// The year as it is stored: presets, the zone's summer time, the high-latitude rule, times past midnight.
class TestStoredYear : public QObject
{
    Q_OBJECT

private slots:
    void presets_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("preset");
        const QList<std::pair<const char *, Place>> places{{"Makkah", {21.4225, 39.8262, "Asia/Riyadh"}},
                                                           {"Karachi", {24.8607, 67.0011, "Asia/Karachi"}},
                                                           {"Berlin", {52.5200, 13.4050, "Europe/Berlin"}}};
        for (const auto &[name, place] : places) {
            for (const CalcPreset &preset : calcPresets()) {
                if (!preset.isCustom())
                    QTest::addRow("%s, %s", name, qPrintable(preset.key)) << place << preset.key;
            }
        }
    }

    // Each preset's angles and minutes, within two minutes of the published formulas, in January
    // and in July (when Berlin's twilight takes a seventh of the night).
    void presets()
    {
        QFETCH(Place, place);
        QFETCH(QString, preset);
        const CalcPreset &method = presetByKey(preset);
        const StoredYear year = computeStoredYear(planFor(place, 2026, preset));
        const QTimeZone zone(place.zone);
        const double standard = zone.standardTimeOffset(QDateTime(QDate(2026, 1, 1), QTime(12, 0), zone)) / 3600.0;
        for (const QDate date : {QDate(2026, 1, 15), QDate(2026, 7, 15)}) {
            const Reference r = reference(place, date, standard, method);
            const double summer = noonOffset(zone, date) / 3600.0 - standard;
            const double expected[] = {r.fajr, r.dhuhr, r.maghrib, r.isha};
            const int column[] = {0, 1, 3, 4};
            for (int k = 0; k < 4; ++k) {
                const double minutes = (expected[k] + summer) * 60.0 + method.minutes[column[k]];
                const int stored = year.days[date.dayOfYear() - 1][column[k]];
                QVERIFY2(std::fabs(stored - minutes) <= 2.0,
                         qPrintable(QString("%1 prayer %2: %3, published %4").arg(date.toString()).arg(column[k])
                                        .arg(stored).arg(minutes, 0, 'f', 1)));
            }
        }
    }

    void zoneSummerTime_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<int>("wrongByTheFixedRule"); // days the April-October box shifts wrongly in 2026
        QTest::newRow("London") << Place{51.5074, -0.1278, "Europe/London"} << 7;
        QTest::newRow("New York") << Place{40.7128, -74.0060, "America/New_York"} << 35;
        QTest::newRow("Sydney") << Place{-33.8688, 151.2093, "Australia/Sydney"} << 344;
        QTest::newRow("Auckland") << Place{-36.8485, 174.7633, "Pacific/Auckland"} << 337;
        QTest::newRow("Santiago") << Place{-33.4489, -70.6693, "America/Santiago"} << 316;
    }

    // With its zone every time of 2026 moves by exactly the zone's own summer shift of that day:
    // 0 days differ. The fixed rule of the daylight box is wrong on the days the issue counted.
    void zoneSummerTime()
    {
        QFETCH(Place, place);
        QFETCH(int, wrongByTheFixedRule);
        const PrayerYearPlan zoned = planFor(place, 2026);
        PrayerYearPlan plain = zoned, fixedRule = zoned;
        plain.zone = fixedRule.zone = QTimeZone();
        plain.params.timeZone = fixedRule.params.timeZone =
            zoned.zone.standardTimeOffset(QDateTime(QDate(2026, 1, 1), QTime(12, 0), zoned.zone)) / 3600.0;
        fixedRule.params.daylightSaving = true;
        const StoredYear withZone = computeStoredYear(zoned), standard = computeStoredYear(plain),
                         boxTicked = computeStoredYear(fixedRule);
        int differing = 0, wrongByBox = 0;
        for (int i = 0; i < withZone.days.size(); ++i) {
            const QDate date = QDate(2026, 1, 1).addDays(i);
            const int summer = (noonOffset(zoned.zone, date) - int(plain.params.timeZone * 3600)) / 60;
            bool zoneRight = true, boxRight = true;
            for (int p = 0; p < 5; ++p) {
                zoneRight = zoneRight && withZone.days[i][p] - standard.days[i][p] == summer;
                boxRight = boxRight && boxTicked.days[i][p] - standard.days[i][p] == summer;
            }
            differing += !zoneRight;
            wrongByBox += !boxRight;
        }
        QCOMPARE(differing, 0);
        QCOMPARE(wrongByBox, wrongByTheFixedRule);
    }

    void highLatitude_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<HighLatitudeRule>("rule");
        QTest::addColumn<double>("share"); // of the night, before sunrise and after sunset
        const Place oslo{59.9139, 10.7522, "Europe/Oslo"}, london{51.5074, -0.1278, "Europe/London"};
        QTest::newRow("Oslo, by latitude: a seventh") << oslo << HighLatitudeRule::ByLatitude << 1.0 / 7.0;
        QTest::newRow("Oslo, middle of the night") << oslo << HighLatitudeRule::MiddleOfNight << 0.5;
        QTest::newRow("Oslo, twilight angle 18") << oslo << HighLatitudeRule::TwilightAngle << 0.3;
        QTest::newRow("London, a seventh") << london << HighLatitudeRule::SeventhOfNight << 1.0 / 7.0;
        QTest::newRow("London, middle of the night") << london << HighLatitudeRule::MiddleOfNight << 0.5;
    }

    // 21 June 2026: the Sun never goes 18 degrees down; Fajr and Isha take the rule's share of the
    // night from sunrise and sunset, on the summer clock, and the day is counted as adjusted.
    void highLatitude()
    {
        QFETCH(Place, place);
        QFETCH(HighLatitudeRule, rule);
        QFETCH(double, share);
        PrayerYearPlan plan = planFor(place, 2026);
        plan.highLatitude = rule;
        const StoredYear year = computeStoredYear(plan);
        const int day = QDate(2026, 6, 21).dayOfYear();
        PrayerCalcParams standard = plan.params;
        standard.timeZone = noonOffset(plan.zone, QDate(2026, 1, 1)) / 3600.0;
        const PrayerTimeTable table = computePrayerYear(standard);
        const PrayerTimeTable::Row &sun = table.rows[day - 1];
        const double sunrise = sun[int(PrayerColumn::Sunrise)] + 1.0, sunset = sun[int(PrayerColumn::Sunset)] + 1.0;
        const double night = 24.0 - (sunset - sunrise);
        const int fajr = int(std::floor((sunrise - share * night) * 60.0 + 0.5));
        const int isha = int(std::floor((sunset + share * night) * 60.0 + 0.5)) % 1440;
        QVERIFY(std::abs(year.days[day - 1][0] - fajr) <= 1);
        QVERIFY(std::abs(year.days[day - 1][4] - isha) <= 1);
        QVERIFY(year.adjustedDays.contains(day));
        QCOMPARE(daysOutOfOrder(year), QList<int>());
    }

    void inOrderEveryDay_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<HighLatitudeRule>("rule");
        const QList<std::pair<const char *, Place>> north{
            {"Edinburgh 56N", {55.9533, -3.1883, "Europe/London"}},
            {"Helsinki 60N", {60.1699, 24.9384, "Europe/Helsinki"}},
            {"Reykjavik 64N, Magreb past midnight", {64.1466, -21.9426, "Atlantic/Reykjavik"}},
            {"66N, no sunset in June", {66.0, 25.0, "Europe/Helsinki"}}};
        for (const auto &[name, place] : north) {
            for (const CalcPreset &preset : calcPresets())
                for (const HighLatitudeRule rule : {HighLatitudeRule::ByLatitude, HighLatitudeRule::MiddleOfNight})
                    QTest::addRow("%s, %s, rule %d", name, qPrintable(preset.key), int(rule))
                        << place << preset.key << rule;
        }
        QTest::newRow("Paris, Isha past midnight by the middle of the night")
            << Place{48.8566, 2.3522, "Europe/Paris"} << "custom" << HighLatitudeRule::MiddleOfNight;
    }

    // No 0 and no time out of order, where the twilight lasts all night, the Sun does not set, or
    // an evening time falls past midnight (stored on its own row, ringing the next day).
    void inOrderEveryDay()
    {
        QFETCH(Place, place);
        QFETCH(QString, preset);
        QFETCH(HighLatitudeRule, rule);
        for (const int year : {2026, 2028}) {
            PrayerYearPlan plan = planFor(place, year, preset);
            plan.highLatitude = rule;
            QCOMPARE(daysOutOfOrder(computeStoredYear(plan)), QList<int>());
        }
    }

    // What chimewise-times prints is the year the dialog stores.
    void yearToolPrintsTheStoredYear()
    {
        const QStringList arguments{"--lat", "59:55N", "--lon", "10:45E", "--zone", "Europe/Oslo",
                                    "--preset", "turkey", "--high-lat", "twilight", "--offsets", "2,0,0,-1,3"};
        const TimesParseResult parsed = parseTimesArguments(arguments + QStringList{"--year", "2026"}, 2000);
        QVERIFY2(parsed.request, qPrintable(parsed.error));
        QCOMPARE(parsed.request->plan.minutes, (std::array<int, 5>{2, 5, 4, 6, 3})); // Turkey's and the offsets
        QProcess program;
        program.start(CHIMEWISE_TIMES, arguments + QStringList{"--year", "2026"});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                 formatTimesTable(computeStoredYear(parsed.request->plan), false));
        QVERIFY(program.readAllStandardError().contains("from the twilight angle's share of the night"));
    }
};

QTEST_GUILESS_MAIN(TestStoredYear)
#include "tst_storedyear.moc"
