#include "app/minuteglance.h"

#include "alarms/nextalarm.h"
#include "prayer/prayerglance.h"

const MinuteGlance::Lines &MinuteGlance::at(const LocalTime &now, const PrayerRows &rows, int hijriAdjustment,
                                            const AlarmSlots &alarms, int alarmsRevision,
                                            const std::vector<SnoozedAlarm> &snoozed)
{
    const int minuteOfDay = now.hour * 60 + now.minute;
    const QDate date = now.date();
    if (m_inputs.minuteOfDay == minuteOfDay && m_inputs.date == date && m_inputs.hijriAdjustment == hijriAdjustment
        && m_inputs.rows == rows && m_inputs.alarmsRevision == alarmsRevision && m_inputs.snoozed == snoozed)
        return m_lines;
    m_inputs = {date, minuteOfDay, rows, hijriAdjustment, alarmsRevision, snoozed};
    const PrayerGlance prayers = prayerGlance(rows, now, hijriAdjustment);
    m_lines = {prayers.windowLines(), prayers.tipLine(), nextAlarmLine(alarms, now),
               alarmTipLines(alarms, snoozed, now)};
    return m_lines;
}
