// Calendar files from other programs, which the clock imports.
#include "timetext/calendarreader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const CalendarReading reading = readCalendar(text, {QDate(2026, 3, 10), 8 * 60, 9 * 60});
    // A file refused gives no events; one read names no fault.
    if (!reading.error.isEmpty() && !reading.entries.isEmpty())
        abort();
    for (const CalendarEntry &entry : reading.entries) {
        if (entry.hasStart && (entry.minutes < 0 || entry.minutes >= 1440))
            abort();
    }
    return 0;
}
