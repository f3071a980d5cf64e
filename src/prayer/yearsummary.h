#pragma once

#include <QList>
#include <QString>

struct StoredYear;

// "3 Feb–9 Nov, 12–14 Dec": the day numbers of a year as runs of dates.
QString dayRunsText(int year, const QList<int> &days);

// What a generation changed from the plain angles, for the user to check;
// empty when every time is the Sun's own.
QString adjustedDaysSummary(const StoredYear &year);
