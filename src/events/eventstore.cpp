#include "events/eventstore.h"

#include "db/databasesetup.h"
#include "events/eventrules.h"
#include "timetext/leadingdecimal.h"

namespace {

// Statement texts of the event table; values are bound in the order of the
// '?'. Plain names, standard SQL and dates bound as dates, so that each runs
// as it stands on the SQLite file and on a server through ODBC. Rows are read
// by the index of their column in this list.
#define EVENT_COLUMNS "EvDate, EvTime, EvTitle, EvMessage, EvPlayFile, EvRemindDate, EvWhenToRemind, EvInterval, EvHowManyTimes"
// The reminder statement only narrows by day: isReminderDue() decides, so
// that the rule is one function of the moment.
const char *const DueCandidatesStatement =
    "Select " EVENT_COLUMNS " from TOLVEX_EVENT where EvRemindDate = ? or EvDate = ? "
    "order by EvDate, EvTime";
const char *const DuplicateStatement =
    "Select * from TOLVEX_EVENT where EvTitle =? and EvTime = ? and EvDate = ?";
const char *const InsertStatement =
    "INSERT INTO TOLVEX_EVENT  (EvMessage, EvPlayFile, EvRemindDate, EvWhenToRemind,  EvInterval, "
    "EvTitle, EvTime, EvDate )  VALUES (?, ?, ?, ?, ?,  ?, ?, ? )";
const char *const UpdateStatement =
    "UPDATE TOLVEX_EVENT SET EvMessage=?, EvPlayFile=?, EvRemindDate=?, EvWhenToRemind =?, "
    "EvInterval=?  where EvTitle =? and EvTime = ? and EvDate = ?";
const char *const StoreReminderStatement =
    "UPDATE TOLVEX_EVENT SET EvRemindDate=?, EvWhenToRemind=?, EvInterval=?, EvHowManyTimes=? "
    "where EvTitle =? and EvTime = ? and EvDate = ?";
// Changes the row only while it still holds the reminder that was read, so
// that of several clocks seeing it due one moves it on.
const char *const ClaimReminderStatement =
    "UPDATE TOLVEX_EVENT SET EvRemindDate=?, EvWhenToRemind=? "
    "where EvTitle =? and EvTime = ? and EvDate = ? and EvWhenToRemind = ?";
// The day's list in the text order of its lines, "hh:mm AM :: title": the
// 12-hour hour, the minutes, AM before PM, then the title.
const char *const DayListStatement =
    "Select EvTitle, EvTime from TOLVEX_EVENT where EvDate = ? order by "
    "case when coalesce(EvTime, 0) / 60 % 12 = 0 then 12 else coalesce(EvTime, 0) / 60 % 12 end, "
    "coalesce(EvTime, 0) % 60, case when coalesce(EvTime, 0) / 720 = 1 then 1 else 0 end, EvTitle";
const char *const DaysStatement = "Select " EVENT_COLUMNS " from TOLVEX_EVENT where EvDate >= ? and EvDate <= ?";
const char *const AllEventsStatement = "Select " EVENT_COLUMNS " from TOLVEX_EVENT order by EvDate, EvTime, EvTitle";
const char *const DetailsStatement =
    "Select " EVENT_COLUMNS " from TOLVEX_EVENT where EvDate = ? and EvTitle = ? and EvTime = ?";
const char *const DeleteStatement =
    "DELETE FROM TOLVEX_EVENT WHERE  EvDate = ?  AND EvTitle = ? and EvTime = ? ";

// A whole number stored as one is taken as it is; any other value is read
// as text, so an empty field reads as 0.
int number(const DbRow &row, int column)
{
    const QVariant value = row.value(column);
    const int type = value.typeId();
    if (type == QMetaType::LongLong || type == QMetaType::Int)
        return value.toInt();
    return leadingDecimal(value.toString());
}

EventRow readRow(const DbRow &row)
{
    EventRow event;
    event.date = row.date(0);
    event.time = number(row, 1);
    event.title = row.text(2);
    event.message = row.text(3);
    event.playFile = row.text(4);
    event.reminder = {row.date(5), number(row, 6)};
    event.interval = number(row, 7);
    event.howManyTimes = number(row, 8);
    return event;
}

QVariantList keyValues(const EventKey &key)
{
    return {key.title, key.time, key.date};
}

} // namespace

bool EventStore::databaseThere() const
{
    return !embeddedFileMissing(m_source);
}

DbResult<QList<EventRow>> EventStore::rows(DbSession &session, const char *statement,
                                           const QVariantList &values) const
{
    QList<EventRow> found;
    const DbStatus status = session.select(statement, values,
                                           [&found](const DbRow &row) { found << readRow(row); });
    if (!status.ok())
        return status;
    return found;
}

DbResult<QList<EventRow>> EventStore::dueEvents(DbSession &session, const QDate &today,
                                                int nowMinutes) const
{
    const auto candidates = rows(session, DueCandidatesStatement, {today, today});
    if (!candidates.ok())
        return candidates;
    QList<EventRow> due;
    for (const EventRow &row : candidates.value()) {
        if (isReminderDue(row, today, nowMinutes))
            due << row;
    }
    return due;
}

DbResult<bool> EventStore::exists(DbSession &session, const EventKey &key) const
{
    return session.hasRows(DuplicateStatement, keyValues(key));
}

DbStatus EventStore::insert(DbSession &session, const EventRow &row) const
{
    return session.execute(InsertStatement, {row.message, row.playFile, row.reminder.date,
                                             row.reminder.minutes, row.interval, row.title,
                                             row.time, row.date});
}

DbStatus EventStore::update(DbSession &session, const EventRow &row) const
{
    return session.execute(UpdateStatement, QVariantList{row.message, row.playFile, row.reminder.date,
                                                         row.reminder.minutes, row.interval}
                                                + keyValues(row.key()));
}

DbStatus EventStore::storeReminder(DbSession &session, const EventRow &row) const
{
    return session.execute(StoreReminderStatement,
                           QVariantList{row.reminder.date, row.reminder.minutes, row.interval,
                                        row.howManyTimes}
                               + keyValues(row.key()));
}

DbResult<bool> EventStore::claimReminder(DbSession &session, const EventKey &key, int minutesRead,
                                         const ReminderTime &next) const
{
    const DbResult<int> changed = session.executeCounted(
        ClaimReminderStatement, QVariantList{next.date, next.minutes} + keyValues(key) + QVariantList{minutesRead});
    if (!changed.ok())
        return DbStatus(changed);
    return changed.value() > 0;
}

DbResult<QList<EventKey>> EventStore::dayList(DbSession &session, const QDate &date) const
{
    QList<EventKey> keys;
    const DbStatus status = session.select(DayListStatement, {date}, [&keys, &date](const DbRow &row) {
        keys << EventKey{row.text(0), number(row, 1), date};
    });
    if (!status.ok())
        return status;
    return keys;
}

DbResult<QList<EventRow>> EventStore::eventsFromTo(DbSession &session, const QDate &first,
                                                   const QDate &last) const
{
    return rows(session, DaysStatement, {first, last});
}

DbResult<QList<EventRow>> EventStore::allEvents(DbSession &session) const
{
    return rows(session, AllEventsStatement, {});
}

DbResult<std::optional<EventRow>> EventStore::details(DbSession &session, const EventKey &key) const
{
    const auto found = rows(session, DetailsStatement, {key.date, key.title, key.time});
    if (!found.ok())
        return DbStatus(found);
    if (found.value().isEmpty())
        return std::optional<EventRow>();
    return std::optional(found.value().constFirst());
}

DbStatus EventStore::remove(DbSession &session, const EventKey &key) const
{
    return session.execute(DeleteStatement, {key.date, key.title, key.time});
}
