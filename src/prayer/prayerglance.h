#pragma once

#include "core/prayermoments.h"

#include <QString>

class QDate;
struct LocalTime;

// Today's prayers at a glance, for the tray tip and the window.
struct PrayerGlance
{
    QString times; // "Fajr 05:11 Zohor 12:02 Asr 15:36 Magreb 17:40 Isha 19:00"
    QString next;  // "Asr 15:36 — in 1 h 12 min"
    QString hijri; // "17 Ramadan 1447 AH"

    // The tip's second line; empty while no times are stored.
    QString tipLine() const;
    // The window's two lines; empty while no times are stored.
    QString windowLines() const;
};

// `rows` around now's date; the Hijri date moved by `hijriAdjustment` days
// (-2..2), since the month begins with the moon seen where one lives.
PrayerGlance prayerGlance(const PrayerRows &rows, const LocalTime &now, int hijriAdjustment);

// The Islamic civil (tabular) calendar's date, e.g. "1 Ramadan 1447 AH".
QString hijriDateText(const QDate &date, int adjustment);
