#pragma once

#include "events/eventrow.h"
#include "timetext/calendarentry.h"
#include "timetext/calendarwriter.h"

class EventStore;

// An event as a calendar event: its UID made from date, time and title (the
// same in every export), a DISPLAY alarm at the next reminder repeating at
// the interval until the event, an AUDIO alarm with the sound, and the
// snooze count and a recorded voice message as properties of its own.
CalendarEntry calendarEntryFor(const EventRow &row);

// Every stored event into a calendar file; `now` is its DTSTAMP.
CalendarOutcome exportEventCalendar(const QString &path, const EventStore &store, qint64 now);
