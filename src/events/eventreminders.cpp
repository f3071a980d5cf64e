#include "events/eventreminders.h"

#include "events/eventrules.h"
#include "sound/soundchannel.h"

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
            m_time.callAfter(kRetryMs, this, [this] { retryFailedRuns(); });
    }
}

void EventReminders::retryFailedRuns()
{
    while (!m_failedRuns.empty()) {
        const TickSecond &oldest = m_failedRuns.front();
        if (m_time.now() - oldest.calendar <= SecondCatchUp::kLateSeconds && !run(oldest)) {
            m_time.callAfter(kRetryMs, this, [this] { retryFailedRuns(); });
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
    DbSession session = m_store.openSession();
    const DbResult<QList<EventRow>> due = m_store.dueEvents(session, today, now);
    if (!report(due))
        return false;
    for (const EventRow &row : due.value()) {
        if (!remind(session, row, second))
            return false;
    }
    m_failing = false;
    return true;
}

bool EventReminders::remind(DbSession &session, EventRow row, const TickSecond &second)
{
    row.reminder = advanceReminder(row.reminder, row.interval);
    if (!report(m_store.storeReminder(session, row)))
        return false;
    if (row.hasSound())
        m_channel.startChannelSound(
            {row.playFile, tr("&Stop Event"), kRetryPauseMs, true, eventName(row.title), second.calendar});

    if (ReminderDialog *open = ReminderDialog::openFor(row.title)) {
        open->bringToFront();
        return true;
    }
    const EventKey key = row.key();
    ReminderDialog::open(row, m_time, m_prompts, [this, key](ReminderDialog::Choice choice, int snoozeMinutes) {
        return answer(key, choice, snoozeMinutes);
    });
    return true;
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
