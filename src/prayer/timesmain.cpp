// chimewise-times: prints a year of prayer times as the yearly generation stores them.
#include "core/timesource.h"
#include "prayer/timesarguments.h"
#include "prayer/timingscalendar.h"

#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const SystemTimeSource clock;
    const int currentYear = TimeSource::toLocal(clock.now()).year;
    const TimesParseResult parsed = parseTimesArguments(arguments, currentYear);
    if (!parsed.request) {
        std::fprintf(stderr, "chimewise-times: %s\n%s\n", qPrintable(parsed.error), kTimesUsage);
        return 2;
    }
    const PrayerCalcParams &params = parsed.request->params;
    const PrayerTimeTable year = computePrayerYear(params);
    if (!parsed.request->calendarFile.isEmpty()) {
        const QString fault = saveCalendarFile(parsed.request->calendarFile,
                                               writeCalendar(yearEntries(params, year), clock.now()));
        if (!fault.isEmpty())
            std::fprintf(stderr, "chimewise-times: %s\n", qPrintable(fault));
        return fault.isEmpty() ? 0 : 1;
    }
    const QStringList lines = formatTimesTable(params, year, parsed.request->clock);
    for (const QString &line : lines)
        std::printf("%s\n", qPrintable(line));
    return 0;
}
