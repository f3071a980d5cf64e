#include "events/eventreminders.h"

#include "core/secondcatchup.h"
#include "events/eventrules.h"
#include "events/reminderdialog.h"
#include "sound/soundchannel.h"

namespace {

constexpr int kRetryPauseMs = 100;

} // namespace

EventReminders::EventReminders(const DataSource &source, SoundChannel &channel, TimeSource &time,
                               PromptService &prompts)
    : m_store(source)
    , m_channel(channel)
    , m_time(time)
    , m_prompts(prompts)
{
}

void EventReminders::checkEventReminders(const TickSecond &second)
{
    if (!m_store.databaseThere())
        return;
    const qint64 started = m_time.now();
    const QDate today = dateOf(second.local);
    const int now = second.local.hour * 60 + second.local.minute;
    DbSession session = m_store.openSession();
    const DbResult<QList<EventRow>> due = m_store.dueEvents(session, today, now);
    if (!report(due))
        return;
    for (const EventRow &taken : due.value()) {
        if (m_time.now() >= started + kRunSeconds)
            return;
        // Read again: a run nested in an earlier pop-up may have moved or deleted it.
        const auto row = m_store.details(session, taken.key());
        if (!report(row))
            return;
        if (row.value() && isReminderDue(*row.value(), today, now)
            && !remind(session, *row.value()))
            return;
    }
}

bool EventReminders::remind(DbSession &session, EventRow row)
{
    const int interval = row.interval;
    row.reminder = advanceReminder(row.reminder, interval);
    if (!report(m_store.storeReminder(session, row)))
        return false;
    if (row.hasSound())
        m_channel.startChannelSound(row.playFile, "&Stop Event", kRetryPauseMs, true, "Event — " + row.title);

    if (ReminderDialog *open = ReminderDialog::openFor(row.title)) {
        open->bringToFront();
        return true;
    }
    ReminderDialog popup(row, m_time, m_prompts);
    if (popup.exec() != QDialog::Accepted)
        return true;
    if (popup.choice() == ReminderDialog::Choice::NoReminder)
        return report(m_store.remove(session, row.key()));
    row.reminder = snoozeReminder(row.reminder, interval, popup.snoozeMinutes(), popup.elapsedMinutes());
    row.interval = popup.snoozeMinutes();
    ++row.howManyTimes;
    return report(m_store.storeReminder(session, row));
}

bool EventReminders::report(const DbStatus &status)
{
    if (status.ok()) {
        m_shownError.clear();
        return true;
    }
    // Remembered before it shows: runs nested in the message box see it.
    if (status.errorText() != m_shownError) {
        m_shownError = status.errorText();
        reportDbError(status, m_prompts);
    }
    return false;
}
