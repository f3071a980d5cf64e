#include "alarms/nextalarm.h"

#include "alarms/alarmringer.h"
#include "timetext/timeofday.h"

#include <algorithm>
#include <optional>
#include <QCoreApplication>

namespace {

constexpr int kDayMinutes = 24 * 60;

struct Upcoming
{
    int minutesAhead; // from the start of today
    int slot;
    int weekday; // 0 = Sunday
};

// Today's alarms count only after this second; a week on, the same weekday again.
std::optional<Upcoming> soonest(const AlarmSlots &alarms, const LocalTime &now)
{
    std::optional<Upcoming> best;
    for (int day = 0; day <= 7; ++day) {
        const int weekday = now.date().addDays(day).dayOfWeek() % 7; // 0 = Sunday
        for (int slot = 0; slot < kAlarmSlots; ++slot) {
            const AlarmEntry &alarm = alarms[slot];
            if (alarm.time < 0 || alarm.time >= kDayMinutes || !ringsOnWeekday(alarm.days, weekday))
                continue;
            if (day == 0 && alarm.time * 60 <= now.secondOfDay())
                continue;
            const int ahead = day * kDayMinutes + alarm.time;
            if (!best || ahead < best->minutesAhead)
                best = Upcoming{ahead, slot, weekday};
        }
    }
    return best;
}

} // namespace

QString nextAlarmLine(const AlarmSlots &alarms, const LocalTime &now)
{
    static const char *const kWeekdays[] = {QT_TRANSLATE_NOOP("NextAlarm", "Sun"), QT_TRANSLATE_NOOP("NextAlarm", "Mon"), QT_TRANSLATE_NOOP("NextAlarm", "Tue"),
                                                 QT_TRANSLATE_NOOP("NextAlarm", "Wed"), QT_TRANSLATE_NOOP("NextAlarm", "Thu"), QT_TRANSLATE_NOOP("NextAlarm", "Fri"),
                                                 QT_TRANSLATE_NOOP("NextAlarm", "Sat")};
    const std::optional<Upcoming> next = soonest(alarms, now);
    if (!next)
        return {};
    const AlarmEntry &alarm = alarms[next->slot];
    const QString name = alarm.name.trimmed();
    return QCoreApplication::translate("NextAlarm", "Next alarm: %1 %2")
                       .arg(QCoreApplication::translate("NextAlarm", kWeekdays[next->weekday]), showTimeOfDay12(alarm.time))
           + (name.isEmpty() ? QString() : " — " + name);
}

QStringList alarmTipLines(const AlarmSlots &alarms, std::vector<SnoozedAlarm> snoozed, const LocalTime &now)
{
    QStringList lines;
    if (const QString next = nextAlarmLine(alarms, now); !next.isEmpty())
        lines << next;
    std::stable_sort(snoozed.begin(), snoozed.end(),
                     [](const SnoozedAlarm &a, const SnoozedAlarm &b) { return a.dueAt < b.dueAt; });
    for (const SnoozedAlarm &s : snoozed) {
        const LocalTime again = TimeSource::toLocal(s.dueAt);
        lines << QCoreApplication::translate("NextAlarm", "Snoozed till %1: %2")
                     .arg(showTimeOfDay12(again.hour * 60 + again.minute), AlarmRinger::name(s.slot, s.alarm));
    }
    return lines;
}
