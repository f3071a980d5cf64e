#include "prayer/prayertimetext.h"

QString formatPrayerTime(TimeOfDay minutes)
{
    if (minutes < 0 || minutes > 1440)
        minutes = 0;
    const int hour = minutes / 60;
    const bool pm = hour / 12 == 1;
    int shownHour = hour % 12;
    if (shownHour == 0 && pm)
        shownHour = 12;
    return QString::asprintf("%02d:%02d %s", shownHour, minutes % 60, pm ? "PM" : "AM");
}
