#pragma once

#include "core/minuteofday.h"
#include "power/logindpower.h"

#include <QString>

struct LocalTime;

// The sleep timer's wait, as typed or chosen beside the fixed time: empty
// for "at the time", else "30", "30 min" or "in 30 min". The minutes
// (1..1440), 0 for none, -1 for text that is no wait.
int parseWaitMinutes(const QString &text);
QString waitFormatMessage(const QString &typed);

// The first whole minute at least `minutes` from now, on the local clock.
TimeOfDay minuteAfterWait(const LocalTime &now, int minutes);

// Beside "Power Off?": what the choice will do, in plain words.
QString stopActionNote(StopAction action);

// The warning a minute before, with the seconds still to go.
QString warningSummary(StopAction action, int secondsToGo);
QString warningBody(StopAction action, TimeOfDay minute);

// A refusal, with logind's reason for %1.
QString refusalFormat(StopAction action);
