#include "power/sleepchoice.h"

#include "timetext/localdigits.h"

#include "core/timesource.h"
#include "timetext/timeofday.h"

#include <QRegularExpression>
#include <QCoreApplication>

namespace {

constexpr int kDayMinutes = 24 * 60;

QString verb(StopAction action)
{
    switch (action) {
    case StopAction::PowerOff: return QCoreApplication::translate("SleepChoice", "power off");
    case StopAction::Suspend: return QCoreApplication::translate("SleepChoice", "suspend");
    case StopAction::Halt: break;
    }
    return QCoreApplication::translate("SleepChoice", "halt");
}

} // namespace

int parseWaitMinutes(const QString &text)
{
    // "15 min", "in 15 minutes", and in Bangla "১৫ মিনিট", "১৫ মিনিট পরে".
    static const QRegularExpression wait(
        "^\\s*(?:in\\s*)?(\\d{1,4})\\s*(?:min(?:utes?)?|মিনিট)?\\s*(?:পরে)?\\s*$",
        QRegularExpression::CaseInsensitiveOption);
    if (text.trimmed().isEmpty())
        return 0;
    const QRegularExpressionMatch match = wait.match(asciiDigits(text));
    const int minutes = match.hasMatch() ? match.captured(1).toInt() : -1;
    return minutes >= 1 && minutes <= kDayMinutes ? minutes : -1;
}

QString waitFormatMessage(const QString &typed)
{
    return QCoreApplication::translate("SleepChoice", "The wait [%1] is not a number of minutes\n"
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
    case StopAction::PowerOff: return QCoreApplication::translate("SleepChoice", "Shuts down, power off");
    case StopAction::Suspend: return QCoreApplication::translate("SleepChoice", "Suspends the machine");
    case StopAction::Halt: break;
    }
    return QCoreApplication::translate("SleepChoice", "Halts: power stays on");
}

QString warningSummary(StopAction action, int secondsToGo)
{
    return QCoreApplication::translate("SleepChoice", "The machine will %1 in %2 s").arg(verb(action)).arg(secondsToGo);
}

QString warningBody(StopAction action, TimeOfDay minute)
{
    const QString body = QCoreApplication::translate("SleepChoice", "The sleep timer asks to %1 at %2.")
                             .arg(verb(action), showTimeOfDay12(minute));
    return action == StopAction::Halt ? body + QCoreApplication::translate("SleepChoice", " A halt leaves the power on.") : body;
}

QString refusalFormat(StopAction action)
{
    switch (action) {
    case StopAction::PowerOff: return QCoreApplication::translate("SleepChoice", "Shutdown & Poweroff :: %1");
    case StopAction::Suspend: return QCoreApplication::translate("SleepChoice", "Suspend :: %1");
    case StopAction::Halt: break;
    }
    return QCoreApplication::translate("SleepChoice", "Shutdown only :: %1");
}
