#include "prayer/storedyear.h"

#include "prayer/zoneyear.h"

#include <QDateTime>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr PrayerColumn kStored[5] = {PrayerColumn::Fajr, PrayerColumn::Zohor, PrayerColumn::Asr,
                                     PrayerColumn::Magreb, PrayerColumn::Isha};

double &at(DayHours &day, PrayerColumn column)
{
    return day[int(column)];
}

bool isMorning(PrayerColumn column)
{
    return column == PrayerColumn::Fajr || column == PrayerColumn::Sunrise;
}

// A morning time later than noon was the evening before; an evening time
// earlier than noon is past the next midnight.
DayHours unwrapped(const PrayerTimeTable::Row &row)
{
    DayHours day;
    const double noon = row[int(PrayerColumn::Zohor)];
    for (int c = 0; c < int(day.size()); ++c) {
        double v = row[c];
        const auto column = PrayerColumn(c);
        if (!(v >= -24.0 && v <= 48.0))
            v = kNone; // kNoSolarTime
        else if (isMorning(column) && v > noon)
            v -= 24.0;
        else if (!isMorning(column) && column != PrayerColumn::Zohor && v < noon)
            v += 24.0;
        day[c] = v;
    }
    return day;
}

// Fajr never earlier than the interval before sunrise, Isha never later than after Magreb.
void boundByInterval(DayHours &day, double interval)
{
    const double sunrise = at(day, PrayerColumn::Sunrise), magreb = at(day, PrayerColumn::Magreb);
    double &fajr = at(day, PrayerColumn::Fajr), &isha = at(day, PrayerColumn::Isha);
    if (!std::isnan(sunrise) && (std::isnan(fajr) || sunrise - fajr > interval))
        fajr = sunrise - interval;
    if (!std::isnan(magreb) && (std::isnan(isha) || isha - magreb > interval))
        isha = magreb + interval;
}

TwilightAngles twilightAngles(const PrayerYearPlan &plan)
{
    const PrayerCalcParams &p = plan.params;
    const bool byAngle = p.fajrMethod != FajrMethod::ByInterval;
    return {byAngle ? p.fajrAngle : 0.0, p.magrebAngle, byAngle && plan.ishaMinutes <= 0 ? p.ishaAngle : 0.0};
}

// One day, before the zone: true when the high-latitude rule moved a time.
bool settleDay(DayHours &day, const PrayerYearPlan &plan)
{
    if (plan.params.fajrMethod == FajrMethod::ByMaxInterval)
        boundByInterval(day, plan.params.intervalHours);
    const bool moved = applyHighLatitude(day, twilightAngles(plan),
                                         effectiveRule(plan.highLatitude, plan.params.latitude));
    if (plan.ishaMinutes > 0)
        at(day, PrayerColumn::Isha) = at(day, PrayerColumn::Magreb) + plan.ishaMinutes / 60.0;
    return moved;
}

// Where the Sun neither rises nor sets, a time comes from the nearest day
// that has one, the earlier of two as near.
std::optional<double> nearestTime(const std::vector<DayHours> &days, int i, PrayerColumn column)
{
    const int count = int(days.size());
    for (int distance = 1; distance < count; ++distance) {
        for (const int j : {i - distance, i + distance}) {
            if (j >= 0 && j < count && !std::isnan(days[j][int(column)]))
                return days[j][int(column)];
        }
    }
    return std::nullopt;
}

// Minutes to add to a day's standard-time hours: the summer shift of the
// zone (or of the fixed rule) at the time's own moment.
class ClockShift
{
public:
    explicit ClockShift(const PrayerYearPlan &plan)
        : m_plan(plan)
        , m_summer(daylightSavingDays(plan.params.year, plan.params.daylightSaving))
    {
        if (plan.zone.isValid())
            m_zone.emplace(plan.zone, plan.params.year);
        m_yearStartUtc = QDateTime(QDate(plan.params.year, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    }

    double standardHours() const
    {
        return m_zone ? m_zone->standardOffset() / 3600.0 : m_plan.params.timeZone;
    }

    double hours(int dayNumber, double standardClock) const
    {
        if (!m_zone)
            return dayNumber >= m_summer.first && dayNumber <= m_summer.last ? 1.0 : 0.0;
        const double utcHours = standardClock - standardHours();
        const qint64 moment = m_yearStartUtc + (dayNumber - 1) * qint64(86400) + qint64(std::floor(utcHours * 3600.0));
        return (m_zone->offsetAt(moment) - m_zone->standardOffset()) / 3600.0;
    }

private:
    const PrayerYearPlan &m_plan;
    DayRange m_summer;
    std::optional<ZoneYear> m_zone;
    qint64 m_yearStartUtc = 0; // January 1, 00:00 UTC, in seconds since 1970
};

constexpr int kNoMinute = std::numeric_limits<int>::min();

// Minutes from the row's midnight on the local clock, the minutes added;
// a Magreb or Isha past midnight is 1440 or more.
std::array<int, 5> localMinutes(const DayHours &day, int dayNumber, const ClockShift &shift,
                                const std::array<int, 5> &added)
{
    std::array<int, 5> minutes;
    for (int p = 0; p < 5; ++p) {
        const double hours = day[int(kStored[p])];
        minutes[p] = std::isnan(hours) ? kNoMinute
                                       : int(std::floor((hours + shift.hours(dayNumber, hours)) * 60.0 + 0.5)) + added[p];
    }
    return minutes;
}

// Each time after the one before it, and Isha before the next day's Fajr,
// whatever the rule or the minutes added made of them. True when one moved.
bool keepOrder(std::array<int, 5> &day, const std::array<int, 5> *next)
{
    bool moved = false;
    for (int p = 1; p < 5; ++p) {
        if (day[p] != kNoMinute && day[p - 1] != kNoMinute && day[p] <= day[p - 1]) {
            day[p] = day[p - 1] + 1;
            moved = true;
        }
    }
    int &isha = day[4];
    if (next && isha != kNoMinute && (*next)[0] != kNoMinute && isha >= (*next)[0] + 24 * 60) {
        isha = (*next)[0] + 24 * 60 - 1;
        moved = true;
        // A night of a few minutes: the evening times give way.
        for (int p = 3; p > 0 && day[p] != kNoMinute && day[p] >= day[p + 1]; --p)
            day[p] = day[p + 1] - 1;
    }
    return moved;
}

// Kept within the row's day, 0 being no time: past midnight from the
// evening, and a time at or before midnight a minute after it.
int storedMinute(PrayerColumn column, int minutes, bool &moved)
{
    if (minutes == kNoMinute)
        return 0;
    if (column != PrayerColumn::Fajr && minutes >= 24 * 60)
        minutes -= 24 * 60;
    const int kept = std::clamp(minutes, 1, 24 * 60 - 1);
    moved = moved || (kept != minutes);
    return kept;
}

} // namespace

StoredYear computeStoredYear(const PrayerYearPlan &plan)
{
    PrayerCalcParams params = plan.params;
    const ClockShift shift(plan);
    params.timeZone = shift.standardHours();
    const PrayerTimeTable table = computePrayerYear(params);

    StoredYear year;
    year.year = params.year;
    year.rule = effectiveRule(plan.highLatitude, params.latitude);
    const int dayCount = table.dayCount;
    std::vector<DayHours> days(dayCount);
    std::vector<bool> adjusted(dayCount);
    for (int i = 0; i < dayCount; ++i) {
        days[i] = unwrapped(table.rows[i]);
        adjusted[i] = settleDay(days[i], plan);
    }
    const std::vector<DayHours> computed = days;
    for (int i = 0; i < dayCount; ++i) {
        bool borrowed = false;
        for (const PrayerColumn column : kStored) {
            if (!std::isnan(computed[i][int(column)]))
                continue;
            if (const std::optional<double> nearest = nearestTime(computed, i, column)) {
                days[i][int(column)] = *nearest;
                borrowed = true;
            }
        }
        if (borrowed)
            year.borrowedDays << i + 1;
    }
    std::vector<std::array<int, 5>> minutes(dayCount);
    for (int i = 0; i < dayCount; ++i)
        minutes[i] = localMinutes(days[i], i + 1, shift, plan.minutes);
    year.days.reserve(dayCount);
    for (int i = 0; i < dayCount; ++i) {
        bool moved = keepOrder(minutes[i], i + 1 < dayCount ? &minutes[i + 1] : nullptr);
        const bool ruled = adjusted[i];
        StoredDay stored{};
        for (int p = 0; p < 5; ++p)
            stored[p] = storedMinute(kStored[p], minutes[i][p], moved);
        if (ruled)
            year.adjustedDays << i + 1;
        if (moved)
            year.keptDays << i + 1;
        year.days << stored;
    }
    return year;
}
