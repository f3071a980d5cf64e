#pragma once

#include "core/secondcatchup.h"
#include "events/eventstore.h"
#include "events/reminderdialog.h"

#include <QObject>
#include <QString>

#include <deque>

class PromptService;
class SoundChannel;
class TimeSource;

// The reminder check the schedule runs once a minute: each due event moves
// its stored reminder on by its interval, starts its sound on the shared
// channel and shows its pop-up, whose answer, whenever it comes, snoozes or
// deletes the event. A run that finds the database failing (locked by
// another program, a server gone) is tried again a few seconds later, until
// it is ten minutes late.
class EventReminders : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRetryMs = 5000;

    EventReminders(const DataSource &source, SoundChannel &channel, TimeSource &time,
                   PromptService &prompts, QObject *parent = nullptr);

    // Decides for the moment of that second. A row due again while its
    // pop-up is still open only brings that pop-up to the front.
    void checkEventReminders(const TickSecond &second);

    struct Missed
    {
        LocalTime due;
        QString name; // "Event — Dentist"
    };
    // The events whose reminders came and whose time passed in minutes that
    // were never checked.
    QList<Missed> missedBetween(const LocalTime &from, const LocalTime &to);

signals:
    // The database failed: told once, until it has worked again.
    void failed(const QString &errorText);

private:
    // False after a database error, which ends the run.
    bool run(const TickSecond &second);
    bool remind(DbSession &session, EventRow row, const TickSecond &second);
    bool answer(const EventKey &key, ReminderDialog::Choice choice, int snoozeMinutes);
    void retryFailedRuns();
    bool report(const DbStatus &status);

    EventStore m_store;
    SoundChannel &m_channel;
    TimeSource &m_time;
    PromptService &m_prompts;
    std::deque<TickSecond> m_failedRuns; // oldest first
    bool m_failing = false;
};
