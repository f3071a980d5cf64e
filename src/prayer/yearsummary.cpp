#include "prayer/yearsummary.h"

#include "prayer/storedyear.h"

#include <QDate>
#include <QLocale>
#include <QCoreApplication>

namespace {

QString dateText(const QDate &date, bool withMonth)
{
    return QLocale().toString(date, withMonth ? "d MMM" : "d");
}

} // namespace

QString dayRunsText(int year, const QList<int> &days)
{
    QStringList runs;
    const QDate first(year, 1, 1);
    for (int i = 0; i < days.size();) {
        int j = i;
        while (j + 1 < days.size() && days[j + 1] == days[j] + 1)
            ++j;
        const QDate from = first.addDays(days[i] - 1), to = first.addDays(days[j] - 1);
        if (i == j)
            runs << dateText(from, true);
        else
            runs << dateText(from, from.month() != to.month()) + u'–' + dateText(to, true);
        i = j + 1;
    }
    return runs.join(", ");
}

QString adjustedDaysSummary(const StoredYear &year)
{
    static const char *const shares[] = {"", QT_TRANSLATE_NOOP("YearSummary", "the middle of the night"),
                                         QT_TRANSLATE_NOOP("YearSummary", "a seventh of the night"),
                                         QT_TRANSLATE_NOOP("YearSummary", "the twilight angle's share of the night")};
    QStringList parts;
    if (!year.adjustedDays.isEmpty())
        parts << QCoreApplication::translate("YearSummary", "%1 days (%2) take Fajr or Isha from %3, since the Sun does not go deep enough or "
                                                       "the twilight outlasts that share")
                     .arg(year.adjustedDays.size())
                     .arg(dayRunsText(year.year, year.adjustedDays), QCoreApplication::translate("YearSummary", shares[int(year.rule)]));
    if (!year.keptDays.isEmpty())
        parts << QCoreApplication::translate("YearSummary", "%1 days (%2) have a time moved by a minute or more to stay after the one before it, "
                                                       "before the next Fajr, or off midnight")
                     .arg(year.keptDays.size())
                     .arg(dayRunsText(year.year, year.keptDays));
    if (!year.borrowedDays.isEmpty())
        parts << QCoreApplication::translate("YearSummary", "%1 days (%2) have no sunrise or sunset and take the times of the nearest day that has them")
                     .arg(year.borrowedDays.size())
                     .arg(dayRunsText(year.year, year.borrowedDays));
    return parts.join(";\n");
}
