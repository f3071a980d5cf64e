#include "prayer/zoneyear.h"

ZoneYear::ZoneYear(const QTimeZone &zone, int year)
{
    const QDateTime from(QDate(year - 1, 12, 30), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(year + 1, 1, 3), QTime(0, 0), Qt::UTC);
    m_standard = zone.standardTimeOffset(QDateTime(QDate(year, 1, 1), QTime(12, 0), Qt::UTC));
    m_initial = zone.offsetFromUtc(from);
    for (const QTimeZone::OffsetData &change : zone.transitions(from, to))
        m_changes.emplace_back(change.atUtc.toSecsSinceEpoch(), change.offsetFromUtc);
}

int ZoneYear::offsetAt(qint64 utcSeconds) const
{
    int offset = m_initial;
    for (const auto &[when, changed] : m_changes) {
        if (when > utcSeconds)
            break;
        offset = changed;
    }
    return offset;
}
