#include "core/prayermoments.h"

#include <algorithm>

namespace {

constexpr int kDay = 24 * 60;
constexpr int kFriday = 5;

bool isEvening(int prayer)
{
    return prayer == PrayerTimes::Magreb || prayer == PrayerTimes::Isha;
}

} // namespace

int fallsAtMinute(const PrayerTimes &row, int prayer)
{
    const int stored = row.minutes[prayer];
    if (stored <= 0 || stored >= 2 * kDay)
        return -1;
    if (isEvening(prayer) && stored < row[PrayerTimes::Zohor])
        return stored + kDay;
    return stored;
}

std::vector<PrayerMoment> prayerMoments(const PrayerRows &rows, int weekday)
{
    std::vector<PrayerMoment> moments;
    const PrayerTimes *days[] = {&rows.before, &rows.today, &rows.after};
    for (int d = 0; d < 3; ++d) {
        const bool friday = (weekday + d + 6) % 7 == kFriday;
        for (int prayer = PrayerTimes::Fajr; prayer < PrayerTimes::Count; ++prayer) {
            if ((prayer == PrayerTimes::Zohor && friday) || (prayer == PrayerTimes::Jumma && !friday))
                continue;
            if (const int minute = fallsAtMinute(*days[d], prayer); minute >= 0)
                moments.push_back({prayer, minute + (d - 1) * kDay});
        }
    }
    std::stable_sort(moments.begin(), moments.end(),
                     [](const PrayerMoment &a, const PrayerMoment &b) { return a.minute < b.minute; });
    return moments;
}

std::optional<PrayerMoment> nextPrayer(const PrayerRows &rows, int weekday, int minute)
{
    for (const PrayerMoment &moment : prayerMoments(rows, weekday)) {
        if (moment.minute > minute)
            return moment;
    }
    return std::nullopt;
}
