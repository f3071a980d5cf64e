#pragma once

#include <QDate>
#include <QString>

struct LocalTime;

// The texts the event dialogs and the reminder pop-up show.

// "Scheduled at 14:05:00 on Sun, 3 Mar, 2002"
QString scheduleLine(const QDate &date, int minutes);
// "Displayed: March 03 2002 14:05:09", the moment a pop-up opened.
QString displayedText(const LocalTime &moment);
// "Elapsed 00:03:07"; hours count within a day.
QString elapsedText(qint64 seconds);
// "00:01:23.456": milliseconds of a recording, hours not wrapped.
QString recorderTimeText(qint64 milliseconds);
// "09:00 AM :: Dentist", one line of the view dialog's list.
QString eventListText(int minutes, const QString &title);
// "05/03/2002" (day first), or "00/00/0000" for no date.
QString reminderDateText(const QDate &date);
