#include "app/shutdownwarning.h"

#include "app/desktopnotification.h"
#include "power/sleepchoice.h"
#include "power/sleeptimer.h"

namespace {

const char kCancel[] = "cancel";
const char kPostpone[] = "postpone";

} // namespace

ShutdownWarning::ShutdownWarning(SleepTimer &timer, ClockTray &tray, QObject *parent)
    : QObject(parent)
    , m_timer(timer)
    , m_notice(new DesktopNotification(tray, this))
{
    connect(&m_timer, &SleepTimer::armedAt, m_notice, &DesktopNotification::withdraw);
    connect(m_notice, &DesktopNotification::actionInvoked, this, [this](const QString &key) {
        if (key == kCancel)
            m_timer.cancel();
        else if (key == kPostpone)
            m_timer.postpone(kPostponeMinutes);
    });
}

void ShutdownWarning::warn(int secondsToGo)
{
    m_notice->show(warningSummary(m_timer.action(), secondsToGo), warningBody(m_timer.action(), m_timer.minute()),
                   {kCancel, tr("Cancel"), kPostpone, tr("Postpone %1 min").arg(kPostponeMinutes)});
}
