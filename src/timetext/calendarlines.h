#pragma once

#include <QByteArray>
#include <QString>

// Checks a calendar file line by line before libical reads it (libical
// mends what it cannot read and does not say where): the first line begins
// a VCALENDAR, every line is "NAME[;PARAM=…]:VALUE" in UTF-8, the values
// of the properties libical knows can be read, components end in the order
// they began and the file does not stop inside one. Empty when all is well,
// else a sentence naming the line at fault, e.g.
// "Line 17 cannot be read: DTSTART:2026xx12".
QString checkCalendarLines(const QByteArray &text);
