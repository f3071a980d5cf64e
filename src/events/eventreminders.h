#pragma once

#include "events/eventstore.h"

#include <QString>

struct TickSecond;
class PromptService;
class SoundChannel;
class TimeSource;

// The reminder check the tick runs once a minute: each due event moves its
// stored reminder on by its interval, starts its sound on the shared
// channel and shows its pop-up, whose answer snoozes or deletes the event.
class EventReminders
{
public:
    // A run takes no new rows once it has gone on this long.
    static constexpr qint64 kRunSeconds = 60;

    EventReminders(const DataSource &source, SoundChannel &channel, TimeSource &time,
                   PromptService &prompts);

    // Decides for the moment of that second. Runs nest: a later minute's
    // run inside an open pop-up only brings that pop-up to the front again.
    void checkEventReminders(const TickSecond &second);

private:
    // False after a database error, which ends the run.
    bool remind(DbSession &session, EventRow row);
    // Shows a failure once until a success or another failure: a database
    // that is down would otherwise bring a new message every minute.
    bool report(const DbStatus &status);

    EventStore m_store;
    SoundChannel &m_channel;
    TimeSource &m_time;
    PromptService &m_prompts;
    QString m_shownError;
};
