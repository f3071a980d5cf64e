#include "power/sleepchoice.h"

#include "core/timesource.h"
#include "timetext/timeofday.h"

#include <QRegularExpression>

namespace {

constexpr int kDayMinutes = 24 * 60;

QString verb(StopAction action)
{
    switch (action) {
    case StopAction::PowerOff: return "power off";
    case StopAction::Suspend: return "suspend";
    case StopAction::Halt: break;
    }
    return "halt";
}

} // namespace

int parseWaitMinutes(const QString &text)
{
    static const QRegularExpression wait("^\\s*(?:in\\s*)?(\\d{1,4})\\s*(?:min(?:utes?)?)?\\s*$",
                                         QRegularExpression::CaseInsensitiveOption);
    if (text.trimmed().isEmpty())
        return 0;
    const QRegularExpressionMatch match = wait.match(text);
    const int minutes = match.hasMatch() ? match.captured(1).toInt() : -1;
    return minutes >= 1 && minutes <= kDayMinutes ? minutes : -1;
}

QString waitFormatMessage(const QString &typed)
{
    return QString("The wait [%1] is not a number of minutes\n"
                   "Type 1 to 1440 minutes, or leave the field empty to stop at the time shown")
        .arg(typed);
}

TimeOfDay minuteAfterWait(const LocalTime &now, int minutes)
{
    const int started = now.hour * 60 + now.minute + (now.second > 0 ? 1 : 0);
    return (started + minutes) % kDayMinutes;
}

QString stopActionNote(StopAction action)
{
    switch (action) {
    case StopAction::PowerOff: return "Shuts down, power off";
    case StopAction::Suspend: return "Suspends the machine";
    case StopAction::Halt: break;
    }
    return "Halts: power stays on";
}

QString warningSummary(StopAction action, int secondsToGo)
{
    return QString("The machine will %1 in %2 s").arg(verb(action)).arg(secondsToGo);
}

QString warningBody(StopAction action, TimeOfDay minute)
{
    const QString body = QString("The sleep timer asks to %1 at %2.").arg(verb(action), formatTimeOfDay12(minute));
    return action == StopAction::Halt ? body + " A halt leaves the power on." : body;
}

QString refusalFormat(StopAction action)
{
    switch (action) {
    case StopAction::PowerOff: return "Shutdown & Poweroff :: %1";
    case StopAction::Suspend: return "Suspend :: %1";
    case StopAction::Halt: break;
    }
    return "Shutdown only :: %1";
}
