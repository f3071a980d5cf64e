#pragma once

#include "db/datasource.h"
#include "db/dbresult.h"
#include "db/dbsession.h"
#include "events/eventrow.h"

#include <QList>

#include <optional>

// The statements on the event table. Each runs on a session the caller
// opens (openSession()) for the length of one operation; dates are bound
// as dates, so the statements never depend on how a date is written.
class EventStore
{
public:
    static constexpr const char *Table = "TOLVEX_EVENT";

    explicit EventStore(const DataSource &source) : m_source(source) {}

    // False while the embedded file has not been made: there are no events
    // yet, and reading them must not make it.
    bool databaseThere() const;
    const DataSource &dataSource() const { return m_source; }
    DbSession openSession() const { return DbSession(m_source); }

    // The rows a run at that moment takes, in the order the events come.
    DbResult<QList<EventRow>> dueEvents(DbSession &session, const QDate &today, int nowMinutes) const;
    DbResult<bool> exists(DbSession &session, const EventKey &key) const;
    // A new row leaves EvHowManyTimes to the column default.
    DbStatus insert(DbSession &session, const EventRow &row) const;
    // Message, file, reminder and interval of the row with the same key; the count stays.
    DbStatus update(DbSession &session, const EventRow &row) const;
    // Reminder, interval and count of the row with the same key.
    DbStatus storeReminder(DbSession &session, const EventRow &row) const;
    // Moves the row's reminder on to next if it still holds minutesRead;
    // false when another clock moved it first (or it was snoozed or deleted).
    DbResult<bool> claimReminder(DbSession &session, const EventKey &key, int minutesRead,
                                 const ReminderTime &next) const;
    // The day's events in the order of their lines in "View Events".
    DbResult<QList<EventKey>> dayList(DbSession &session, const QDate &date) const;
    // The events from the first day to the last, both included.
    DbResult<QList<EventRow>> eventsFromTo(DbSession &session, const QDate &first, const QDate &last) const;
    // Every event, by date and time.
    DbResult<QList<EventRow>> allEvents(DbSession &session) const;
    DbResult<std::optional<EventRow>> details(DbSession &session, const EventKey &key) const;
    DbStatus remove(DbSession &session, const EventKey &key) const;

private:
    DbResult<QList<EventRow>> rows(DbSession &session, const char *statement,
                                   const QVariantList &values) const;

    const DataSource &m_source;
};
