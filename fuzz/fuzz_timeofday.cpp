// Time-of-day text as typed into the alarm, event and sleep timer fields.
#include "timetext/timeofday.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const TimeOfDay minutes = parseTimeOfDay(text);
    if (minutes != kNoTime && (minutes < 0 || minutes >= 1440))
        abort();
    // A parsed time reads back as itself.
    if (minutes != kNoTime && parseTimeOfDay(formatTimeOfDay12(minutes)) != minutes)
        abort();
    timeFormatMessage(text);
    return 0;
}
