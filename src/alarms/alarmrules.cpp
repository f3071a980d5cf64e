#include "alarms/alarmrules.h"

#include <QFileInfo>

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
        return QString::asprintf("Select one of the %d alarm items", kAlarmSlots);
    if (file.isEmpty())
        return QString::asprintf("File to play field can not be empty :: Alarm ID = %d",
                                 listIndex + 1);
    if (parseTimeOfDay(timeText) == kNoTime)
        return timeFormatMessage(timeText);
    if (!QFileInfo::exists(file))
        return QString("File [%1] does not exists").arg(file);
    if ((days & kEveryDay) == 0)
        return QString::asprintf("Alarm %d rings on no day: tick at least one day, Mo to Su", listIndex + 1);
    return {};
}
