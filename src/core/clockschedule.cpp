#include "core/clockschedule.h"

#include "core/duerules.h"
#include "core/profilesettings.h"

#include <QTimerEvent>

#include <algorithm>

namespace {

// The wall clock ran this much further than the monotonic clock between
// two ticks: the machine was suspended.
constexpr qint64 kSleptMs = 5000;

} // namespace

ClockSchedule::ClockSchedule(TimeSource &time, const ProfileSettings &settings, QObject *parent)
    : QObject(parent)
    , m_time(time)
    , m_settings(settings)
    , m_catchUp(time.now() - 1)
    , m_lastTickCalendar(time.now())
    , m_lastTickMonotonicMs(time.monotonicMs())
{
}

void ClockSchedule::start()
{
    reloadPrayerTimes();
    keepOnTheSecond(m_time.nowMs());
}

// The timer repeats each second from just after a whole second. Every tick
// holds it against the time source and arms it afresh when it is off, after
// the clock was set, the machine slept or a tick ran late: it never drifts
// from the whole second, however long a tick takes.
void ClockSchedule::keepOnTheSecond(qint64 nowMs)
{
    const qint64 intoSecond = nowMs % 1000;
    if (intoSecond < kPastTheSecondMs || intoSecond > kPastTheSecondMs + kPhaseToleranceMs)
        arm(int(1000 - intoSecond + kPastTheSecondMs));
    else if (m_intervalMs != 1000)
        arm(1000);
}

void ClockSchedule::arm(int intervalMs)
{
    m_intervalMs = intervalMs;
    m_timer.start(intervalMs, Qt::PreciseTimer, this);
}

void ClockSchedule::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId())
        tick();
    else
        QObject::timerEvent(event);
}

void ClockSchedule::tick()
{
    const qint64 nowMs = m_time.nowMs();
    keepOnTheSecond(nowMs);
    const qint64 now = nowMs / 1000;
    const qint64 monotonic = m_time.monotonicMs();
    if ((now - m_lastTickCalendar) * 1000 - (monotonic - m_lastTickMonotonicMs) > kSleptMs)
        m_slept = true;
    m_lastTickCalendar = now;
    m_lastTickMonotonicMs = monotonic;

    const LocalTime local = m_localMinute.at(now);
    emit timeShown(local);
    runOwed(now, local);
    emit tickEnded(local);
}

void ClockSchedule::resume()
{
    m_held = false;
    // Inside a run the loop under way goes on by itself.
    if (!m_running) {
        const qint64 now = m_time.now();
        runOwed(now, m_localMinute.at(now));
    }
}

void ClockSchedule::runOwed(qint64 now, const LocalTime &localNow)
{
    if (m_running)
        return;
    m_running = true;
    while (!m_held) {
        if (!m_second) {
            m_second = m_catchUp.takeNext(now, localNow);
            if (!m_second)
                break;
            m_nextCheck = 0;
        }
        if (m_nextCheck == std::size(kChecks)) {
            m_second.reset();
            continue;
        }
        // Only this loop moves to the next second, and never while a check runs.
        (this->*kChecks[m_nextCheck++])(*m_second);
    }
    m_running = false;
    if (!m_held) {
        endMissedMinutes();
        reportMissed();
    }
}

// A spoken time caught up late would tell a time that is no longer true.
void ClockSchedule::checkAnnouncement(const TickSecond &second)
{
    if (second.onTime() && isAnnouncementDue(m_settings.interval(), second.local))
        emit announcementDue(second);
}

void ClockSchedule::checkPrayerCall(const TickSecond &second)
{
    const int prayer = duePrayer(prayerRowsOn(second.local), second.local);
    if (prayer >= 0)
        emit prayerCallDue(prayer, second);
}

// An alert caught up after its prayer began, or long ago, would only
// mislead: the call itself rings or is named.
void ClockSchedule::checkPrayerAlert(const TickSecond &second)
{
    if (second.missed())
        return;
    const auto due = duePrayerAlert(prayerRowsOn(second.local), m_settings.prayerAlerts(), second.local);
    if (!due)
        return;
    const qint64 left = qint64(due->minute) * 60 - second.local.secondOfDay() - (m_time.now() - second.calendar);
    if (left > 0)
        emit prayerAlertDue(due->prayer, int((left + 59) / 60), due->minute, second);
}

void ClockSchedule::checkChannel(const TickSecond &second)
{
    if (m_channelOpen && !second.missed())
        emit channelCheckDue();
}

void ClockSchedule::checkAlarms(const TickSecond &second)
{
    const int slot = dueAlarm(m_settings.alarms(), second.local);
    if (slot >= 0)
        emit alarmDue(slot, second);
    if (m_snoozed.empty())
        return;
    // Taken out before it is said: its owner may snooze it again.
    const auto due = std::stable_partition(m_snoozed.begin(), m_snoozed.end(),
                                           [&second](const SnoozedAlarm &s) { return s.dueAt > second.calendar; });
    const std::vector<SnoozedAlarm> ringing(due, m_snoozed.end());
    m_snoozed.erase(due, m_snoozed.end());
    for (const SnoozedAlarm &alarm : ringing)
        emit snoozeDue(alarm, second);
}

// The reminders decide from the stored rows which are due; of missed
// minutes they need only the span, once.
void ClockSchedule::checkReminders(const TickSecond &second)
{
    if (!areRemindersDue(second.local))
        return;
    if (second.missed()) {
        if (!m_missedMinutesFrom)
            m_missedMinutesFrom = second.local;
        m_missedMinutesTo = second.local;
        return;
    }
    endMissedMinutes();
    emit remindersDue(second);
}

void ClockSchedule::checkShutdown(const TickSecond &second)
{
    if (isShutdownDue(m_shutdownMinute, second.local))
        emit shutdownDue(second);
    else if (const int toGo = shutdownWarningSeconds(m_shutdownMinute, second.local); toGo > 0 && second.onTime())
        emit shutdownWarningDue(toGo);
}

void ClockSchedule::endMissedMinutes()
{
    if (const auto from = std::exchange(m_missedMinutesFrom, std::nullopt))
        emit remindersMissed(*from, m_missedMinutesTo);
}

void ClockSchedule::noteMissed(const LocalTime &due, const QString &what)
{
    m_missed.emplace_back(due.wallSecond(), what);
}

void ClockSchedule::reportMissed()
{
    if (!m_missed.empty()) {
        std::stable_sort(m_missed.begin(), m_missed.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        QStringList what;
        for (const auto &[due, item] : m_missed)
            what << item;
        m_missed.clear();
        emit missedWhileAway(what, m_slept);
    }
    m_slept = false;
}

void ClockSchedule::noteSleep(bool sleeping)
{
    if (sleeping)
        return;
    m_slept = true;
    tick();
}

void ClockSchedule::setPrayerDays(PrayerDays days)
{
    m_prayerDays = std::move(days);
}

void ClockSchedule::reloadPrayerTimes()
{
    m_prayerDay = 0;
    prayerRowsOn(TimeSource::toLocal(m_time.now()));
}

// A day without stored times keeps the times held before; its neighbours have none then.
const PrayerRows &ClockSchedule::prayerRowsOn(const LocalTime &second)
{
    if (second.dateKey() != m_prayerDay) {
        m_prayerDay = second.dateKey();
        const QDate day = second.date();
        if (m_prayerDays) {
            if (const std::optional<PrayerTimes> stored = m_prayerDays(day))
                m_prayerRows.today = *stored;
            m_prayerRows.before = m_prayerDays(day.addDays(-1)).value_or(PrayerTimes{});
            m_prayerRows.after = m_prayerDays(day.addDays(1)).value_or(PrayerTimes{});
        }
    }
    return m_prayerRows;
}

void ClockSchedule::setChannelOpen(bool open)
{
    m_channelOpen = open;
}

void ClockSchedule::setShutdownMinute(TimeOfDay minute)
{
    m_shutdownMinute = minute;
}

void ClockSchedule::snooze(const SnoozedAlarm &alarm)
{
    m_snoozed.push_back(alarm);
}

void ClockSchedule::dropSnooze(int slot)
{
    std::erase_if(m_snoozed, [slot](const SnoozedAlarm &s) { return s.slot == slot; });
}
