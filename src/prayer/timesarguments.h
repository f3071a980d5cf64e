#pragma once

#include "prayer/storedyear.h"

#include <QString>
#include <QStringList>

#include <optional>

// What chimewise-times is asked to print.
struct TimesRequest
{
    PrayerYearPlan plan;
    bool clock = false; // "HH:MM" instead of minutes
    QString calendarFile; // --ics: the year as a calendar file instead of the table
};

// A request, or the text that tells what is wrong with the arguments.
struct TimesParseResult
{
    std::optional<TimesRequest> request;
    QString error;
};

// `arguments` without the program name; `currentYear` is used when --year is absent.
TimesParseResult parseTimesArguments(const QStringList &arguments, int currentYear);

// "D:MM" (or "D") followed by one of the two letters; signed degrees, the first
// letter positive. Empty when the text or its range is wrong.
std::optional<double> parseCoordinate(const QString &text, int maxDegrees, QChar positive,
                                      QChar negative);

// The header and one line per day of the year, as the generation stores them.
QStringList formatTimesTable(const StoredYear &year, bool clock);

inline constexpr const char *kTimesUsage =
    "usage: chimewise-times --lat 23:43N --lon 90:25E (--zone Asia/Dhaka | --tz 6 [--dst])\n"
    "       [--preset mwl|egypt|karachi|ummalqura|dubai|isna|kuwait|qatar|singapore|tehran|turkey|custom]\n"
    "       [--method angle|interval|maxinterval] [--angle 18] [--interval MIN] (with --preset custom)\n"
    "       [--high-lat middle|seventh|twilight] [--offsets F,Z,A,M,I] [--asr 1|2] [--year YYYY] [--clock] [--ics FILE]";
