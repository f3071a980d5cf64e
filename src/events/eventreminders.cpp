#include "events/eventreminders.h"

#include "events/eventrules.h"
#include "sound/soundchannel.h"

#include <algorithm>

namespace {

constexpr int kRetryPauseMs = 100;

QString eventName(const QString &title)
{
    return EventReminders::tr("Event — %1").arg(title);
}

} // namespace

EventReminders::EventReminders(const DataSource &source, SoundChannel &channel, TimeSource &time,
                               PromptService &prompts, QObject *parent)
    : QObject(parent)
    , m_store(source)
    , m_channel(channel)
    , m_time(time)
    , m_prompts(prompts)
{
}

void EventReminders::checkEventReminders(const TickSecond &second)
{
    if (!m_failedRuns.empty() || !run(second)) {
        m_failedRuns.push_back(second);
        if (m_failedRuns.size() == 1)
            m_time.callAfter(retryPauseMs(), this, [this] { retryFailedRuns(); });
    }
}

int EventReminders::retryPauseMs() const
{
    return m_store.dataSource().kind() == DataSource::Kind::Embedded ? kRetryMs : kServerRetryMs;
}

void EventReminders::retryFailedRuns()
{
    while (!m_failedRuns.empty()) {
        const TickSecond &oldest = m_failedRuns.front();
        if (m_time.now() - oldest.calendar <= SecondCatchUp::kLateSeconds && !run(oldest)) {
            m_time.callAfter(retryPauseMs(), this, [this] { retryFailedRuns(); });
            return;
        }
        m_failedRuns.pop_front();
    }
}

bool EventReminders::run(const TickSecond &second)
{
    if (!m_store.databaseThere())
        return true;
    const QDate today = dateOf(second.local);
    const int now = second.local.hour * 60 + second.local.minute;
    const qint64 minute = today.toJulianDay() * 1440 + now;
    DbSession session = m_store.openSession();
    // A run late or made up after others moves their rows on first, so that it finds them as they now are.
    if (!claimBefore(session, minute))
        return false;
    const DbResult<QList<EventRow>> due = m_store.dueEvents(session, today, now);
    if (!report(due))
        return false;
    const bool claimsBefore = !m_claims.empty();
    for (const EventRow &row : due.value()) {
        if (shownIn(row.key(), minute))
            continue; // a run tried again after it had shown the row
        m_claims.push_back({row.key(), row.reminder.minutes, advanceReminder(row.reminder, row.interval), minute});
        remind(row, second);
    }
    if (!claimsBefore && !m_claims.empty()) {
        m_time.callAfter(kClaimDelayMs, this, [this] {
            DbSession later = m_store.openSession();
            claimBefore(later, std::numeric_limits<qint64>::max()); // a failure is left to the next run
        });
    }
    m_failing = false;
    return true;
}

bool EventReminders::claimBefore(DbSession &session, qint64 wallMinute)
{
    while (!m_claims.empty() && m_claims.front().wallMinute < wallMinute) {
        const Claim &claim = m_claims.front();
        // Lost to another clock, a snooze or a deletion: the row is theirs.
        if (!report(m_store.claimReminder(session, claim.key, claim.minutesRead, claim.next)))
            return false;
        m_claims.erase(m_claims.begin());
    }
    return true;
}

bool EventReminders::shownIn(const EventKey &key, qint64 wallMinute) const
{
    return std::any_of(m_claims.cbegin(), m_claims.cend(), [&](const Claim &claim) {
        return claim.wallMinute == wallMinute && claim.key == key;
    });
}

void EventReminders::remind(const EventRow &row, const TickSecond &second)
{
    if (row.hasSound())
        m_channel.startChannelSound(
            {row.playFile, tr("&Stop Event"), kRetryPauseMs, true, eventName(row.title), second.calendar});

    if (ReminderDialog *open = ReminderDialog::openFor(row.title)) {
        open->bringToFront();
        return;
    }
    const EventKey key = row.key();
    ReminderDialog::open(row, m_time, m_prompts, [this, key](ReminderDialog::Choice choice, int snoozeMinutes) {
        return answer(key, choice, snoozeMinutes);
    });
}

// The row as it stands when the answer comes: a later run may have moved it on.
bool EventReminders::answer(const EventKey &key, ReminderDialog::Choice choice, int snoozeMinutes)
{
    DbSession session = m_store.openSession();
    if (choice == ReminderDialog::Choice::NoReminder)
        return reportDbError(m_store.remove(session, key), m_prompts);
    const auto found = m_store.details(session, key);
    if (!reportDbError(found, m_prompts))
        return false;
    if (!found.value())
        return true; // deleted meanwhile, from the view dialog or another clock
    EventRow row = *found.value();
    row.reminder = snoozeReminder(TimeSource::toLocal(m_time.now()), snoozeMinutes);
    row.interval = snoozeMinutes;
    ++row.howManyTimes;
    return reportDbError(m_store.storeReminder(session, row), m_prompts);
}

QList<EventReminders::Missed> EventReminders::missedBetween(const LocalTime &from, const LocalTime &to)
{
    if (!m_store.databaseThere())
        return {};
    const ReminderTime first{dateOf(from), from.hour * 60 + from.minute};
    const ReminderTime last{dateOf(to), to.hour * 60 + to.minute};
    DbSession session = m_store.openSession();
    const auto events = m_store.eventsFromTo(session, first.date, last.date);
    if (!report(events))
        return {};
    QList<Missed> missed;
    for (const EventRow &row : events.value()) {
        if (const auto due = missedReminder(row, first, last)) {
            const qint64 wall = due->date.toJulianDay() * 86400 + due->minutes * 60;
            missed << Missed{LocalTime::fromWallSecond(wall), eventName(row.title)};
        }
    }
    return missed;
}

bool EventReminders::report(const DbStatus &status)
{
    if (status.ok())
        return true;
    if (!std::exchange(m_failing, true))
        emit failed(status.errorText());
    return false;
}
