#pragma once

#include "core/duerules.h"
#include "core/prayermoments.h"

#include <QDate>
#include <QStringList>

#include <vector>

// What the window and the tray's tip show under the time: today's prayers
// and the alarms to come. They change at most once a minute, or when an
// alarm, a snooze or the stored times change. Building them was most of a
// hidden tick's work, so they are built again only then.
class MinuteGlance
{
public:
    struct Lines
    {
        QString prayerWindow; // the window's prayer lines
        QString prayerTip;    // the tip's prayer line
        QString nextAlarm;    // "Next alarm: Mon 07:00 AM — Work"
        QStringList alarmTip; // the tip's alarm lines
    };

    const Lines &at(const LocalTime &now, const PrayerRows &rows, int hijriAdjustment,
                    const AlarmSlots &alarms, int alarmsRevision, const std::vector<SnoozedAlarm> &snoozed);

private:
    struct Inputs
    {
        QDate date;
        int minuteOfDay = -1;
        PrayerRows rows;
        int hijriAdjustment = 0;
        int alarmsRevision = -1;
        std::vector<SnoozedAlarm> snoozed;
        bool operator==(const Inputs &) const = default;
    };

    Inputs m_inputs;
    Lines m_lines;
};
