#pragma once

#include "events/eventrules.h"

#include <QDate>
#include <QString>

class EventStore;
class PromptService;

// What the add dialog holds once its fields have been read.
struct EventEntry
{
    QDate date;
    QString timeText; // "HH:MM", optionally followed by "AM" or "PM"
    QString title;
    QString message;
    QString file; // a wave file, or empty
    int leadMinutes = kDefaultLeadMinutes;
    int intervalMinutes = kDefaultIntervalMinutes;
};

// A new entry: a quarter of an hour from now, which past midnight is tomorrow.
EventEntry newEventEntry(const QDate &today, int nowMinutes);

// Checks the entry in order, telling the user what is wrong, then writes
// the event: a new row, or over the row with the same title, time and date
// after asking. False keeps the dialog open with everything as typed, also
// when the database refuses.
bool storeEventEntry(EventEntry entry, const QDate &today, const EventStore &store,
                     PromptService &prompts);
