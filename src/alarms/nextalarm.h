#pragma once

#include "core/duerules.h"

#include <QStringList>

#include <vector>

// "Next alarm: Mon 07:00 AM — Work": the soonest alarm after `now` on one of
// its days, within a week; empty when no alarm is set.
QString nextAlarmLine(const AlarmSlots &alarms, const LocalTime &now);

// The lines of the tray's tip: the next alarm, then each snoozed alarm,
// soonest first ("Snoozed till 07:05 AM: Alarm 3 — Work — 07:00 AM").
QStringList alarmTipLines(const AlarmSlots &alarms, std::vector<SnoozedAlarm> snoozed, const LocalTime &now);
