// chimewise-times: prints a year of prayer times as the yearly generation stores them.
#include "core/timesource.h"
#include "prayer/timesarguments.h"
#include "prayer/timingscalendar.h"
#include "prayer/yearsummary.h"

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
    const StoredYear year = computeStoredYear(parsed.request->plan);
    if (!parsed.request->calendarFile.isEmpty()) {
        const QString fault = saveCalendarFile(parsed.request->calendarFile,
                                               writeCalendar(yearEntries(year), clock.now()));
        if (!fault.isEmpty())
            std::fprintf(stderr, "chimewise-times: %s\n", qPrintable(fault));
        return fault.isEmpty() ? 0 : 1;
    }
    for (const QString &line : formatTimesTable(year, parsed.request->clock))
        std::printf("%s\n", qPrintable(line));
    if (const QString summary = adjustedDaysSummary(year); !summary.isEmpty())
        std::fprintf(stderr, "chimewise-times: %s\n", qPrintable(summary));
    return 0;
}
