// Coordinate text: the stored form "23 43 N" and the command-line form "23:43N".
#include "prayer/timesarguments.h"
#include "timetext/angletext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const AngleText angle = parseAngleText(text);
    formatAngleText(angle.degrees, angle.minutes, angle.direction, kLongitudeMaxDegrees);
    const auto latitude = parseCoordinate(text, 90, u'N', u'S');
    if (latitude && (*latitude < -90 || *latitude > 90))
        abort();
    parseTimesArguments(text.split(u' '), 2026);
    return 0;
}
