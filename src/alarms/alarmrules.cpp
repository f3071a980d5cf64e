#include "alarms/alarmrules.h"

#include <QFileInfo>
#include <QCoreApplication>

QString alarmPathToOpen(const QString &storedPath)
{
    QString path = storedPath;
    while (!path.isEmpty() && path.back().isSpace())
        path.chop(1);
    return path;
}

bool isWaveFile(const QString &path)
{
    return alarmPathToOpen(path).endsWith(u"WAV", Qt::CaseInsensitive);
}

QString alarmEntryProblem(int listIndex, const QString &file, const QString &timeText, int days)
{
    if (listIndex < 0)
        return QCoreApplication::translate("AlarmRules", "Select one of the %1 alarm items").arg(kAlarmSlots);
    if (file.isEmpty())
        return QCoreApplication::translate("AlarmRules", "File to play field can not be empty :: Alarm ID = %1").arg(
                                 listIndex + 1);
    if (parseTimeOfDay(timeText) == kNoTime)
        return timeFormatMessage(timeText);
    if (!QFileInfo::exists(file))
        return QCoreApplication::translate("AlarmRules", "File [%1] does not exists").arg(file);
    if ((days & kEveryDay) == 0)
        return QCoreApplication::translate("AlarmRules", "Alarm %1 rings on no day: tick at least one day, Mo to Su").arg(listIndex + 1);
    return {};
}
