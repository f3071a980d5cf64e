#pragma once

#include "core/secondcatchup.h"
#include "events/eventstore.h"
#include "events/reminderdialog.h"

#include <QObject>
#include <QString>

#include <deque>
#include <limits>
#include <vector>

class PromptService;
class SoundChannel;
class TimeSource;

// The reminder check the schedule runs once a minute: each due event starts
// its sound on the shared channel and shows its pop-up, whose answer,
// whenever it comes, snoozes or deletes the event; half a minute later its
// stored reminder moves on by its interval. Several clocks may share one
// store: each of them reads the row still due in that minute and shows it,
// and the move is a claim that only the first one makes. A run that finds
// the database failing (locked by another program, a server gone) is tried
// again later (a file after a few seconds, a server at the next minute),
// until it is ten minutes late.
class EventReminders : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRetryMs = 5000;
    // Each failed try at a server may wait for its login timeout.
    static constexpr int kServerRetryMs = 60000;
    // Clocks of a household check a minute within seconds of each other;
    // the row stays due for them all until its reminder moves on.
    static constexpr int kClaimDelayMs = 30000;

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
    // A row shown in a minute, whose reminder is to move on from minutesRead.
    struct Claim
    {
        EventKey key;
        int minutesRead = 0;
        ReminderTime next;
        qint64 wallMinute = 0; // of the minute checked
    };

    // False after a database error, which ends the run.
    bool run(const TickSecond &second);
    void remind(const EventRow &row, const TickSecond &second);
    // Moves on the reminders shown in minutes before the one given.
    bool claimBefore(DbSession &session, qint64 wallMinute);
    bool shownIn(const EventKey &key, qint64 wallMinute) const;
    bool answer(const EventKey &key, ReminderDialog::Choice choice, int snoozeMinutes);
    void retryFailedRuns();
    int retryPauseMs() const;
    bool report(const DbStatus &status);

    EventStore m_store;
    SoundChannel &m_channel;
    TimeSource &m_time;
    PromptService &m_prompts;
    std::deque<TickSecond> m_failedRuns; // oldest first
    std::vector<Claim> m_claims;          // oldest first
    bool m_failing = false;
};
