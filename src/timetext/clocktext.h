#pragma once

#include <QString>

struct LocalTime;

// "%s %02d:%02d:%02d": the window title and the tray tip, e.g. "Chimewise 07:05:09".
QString formatTitleText(const QString &productName, int hour, int minute, int second);

// The status line of the main dialog, e.g. "Sat Dec 05 21:07:16 2026"; in
// another interface language its names and digits, e.g. "শনি ডিসে ০৫ ২১:০৭:১৬ ২০২৬".
QString formatDateTimeLine(const LocalTime &local);
